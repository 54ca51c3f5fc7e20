#pragma once

// The inside of one TFormetry, shared by the component's source files and not installed.

#include "Formetry.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

namespace formetry {

// A font's size in the unit it was given in: points, or pixels for a font sized in pixels.
struct FontSize {
    int value = 0;
    bool pixels = false;
    bool operator==(const FontSize&) const = default;
};

// What the component knows of one tracked control.
struct TCtrlInfo {
    QPointer<QWidget> control;
    QRect base; // design geometry, relative to the control's parent
    double baseFontSize = 0; // in the unit of the control's font; a size chosen by others at
                             // some scale need not be whole at design scale
    FontSize fontSizeSeen; // as the component left it; any other size was chosen by someone else
    bool parentFont = true; // the control takes its parent's font
    bool parentFontBefore = true; // the same at the previous rescale
};

inline bool listed(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

// The top-left corner that brings a window's frame inside the usable area, moving it as
// little as possible.
QPoint inside(const QRect& frame, const QRect& usable);

} // namespace formetry

struct TFormetry::Private {
    explicit Private(QWidget* w)
        : window(w)
    {
    }

    void prepare(TFormetry* q);
    void attach(TFormetry* q);
    void detach(TFormetry* q);
    void rescale(TFormetry* q);
    void synchronise();
    void applySizeLimits();
    void restoreSizeLimits();
    void place(QSize outer);
    void moveFrame(QPoint corner);
    void keepInside();
    QRect usableArea() const;
    QSize frameMargins() const { return window->frameGeometry().size() - window->size(); }
    bool excluded(const QWidget* control) const { return formetry::listed(noResizeNames, control->objectName()); }

    QPointer<QWidget> window;
    QPointer<QWidget> client;
    QSize scaledSize; // the client size of the last rescale

    TResizeFormPos formPos = TResizeFormPos::rpDefault;
    int formWidth = 0;
    int formHeight = 0;
    int formMaxWidth = 0;
    int formMaxHeight = 0;
    int formMinWidth = 0;
    int formMinHeight = 0;
    bool resizeFont = true;
    QString noResizeFntCtl;
    QString noResizeCtl;
    bool enabled = true;
    bool validTaskbar = true;
    TExitResizeEvent onExitResize;

    QStringList noFontNames;
    QStringList noResizeNames;
    std::vector<formetry::TCtrlInfo> records;
    int addedCount = 0; // controls recorded after loading
    double xScale = 1.0;
    double yScale = 1.0;
    double fontScale = 1.0;
    int designWidth = 0;
    int designHeight = 0;
    int designDpiW = 0;
    int designDpiH = 0;
    double screenDpiX = 0;
    double screenDpiY = 0;
    double windowBaseFontSize = 0;
    formetry::FontSize windowFontSizeSeen;

    bool active = false; // prepared for its window
    bool attached = false;
    bool showSeen = false; // the window has been shown since the component attached
    bool shownOnce = false; // the first rescale has happened
    bool rescaling = false;
    bool moving = false; // the component moves the window itself
    // The window's own size limits while the component overrides them.
    std::optional<QSize> ownMinimum;
    std::optional<QSize> ownMaximum;
};
