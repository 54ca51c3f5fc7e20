#pragma once

// FormetryPKB6: keeps a window's layout and fonts proportional to the window's size.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

#if defined(FORMETRYPKB6_BUILD)
#define FORMETRY_EXPORT Q_DECL_EXPORT
#else
#define FORMETRY_EXPORT Q_DECL_IMPORT
#endif

class QWidget;
class TFormetry;

// Where a window is placed inside the usable screen area when it is shown for the first time.
enum class TResizeFormPos {
    rpDefault, // where it is, pulled back inside the usable area
    rpTopLeft,
    rpTopCenter,
    rpTopRight,
    rpMiddleLeft,
    rpMiddleCenter,
    rpMiddleRight,
    rpBottomLeft,
    rpBottomCenter,
    rpBottomRight,
};

// Called after each rescale with the component and the horizontal and vertical scale.
using TExitResizeEvent = std::function<void(TFormetry* sender, double XScale, double YScale)>;

// Raised by a size property setter that rejects its value; the property keeps its old value.
// The message is in the user's language (Japanese when the default locale is Japanese,
// English otherwise); what() gives it in UTF-8.
class FORMETRY_EXPORT FormetryError : public std::runtime_error {
public:
    explicit FormetryError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// The auto-scaling component of one window. Owned by its window (its QObject parent) and
// known to it by its object name, it records the design geometry and font size of every
// control of the window's client area when loaded() is called, and from then on, on every
// change of the client size, moves, sizes and re-fonts those controls by the ratio of the
// client size to the design client size stored in the window's dynamic properties
// "DesignFrmW", "DesignFrmH", "DesignDpiW" and "DesignDpiH". It also places the window at
// its first show, keeps it within the size limits of its properties, and keeps the title bar of
// a shown window that the program moves (not the user) inside the usable screen area.
//
// The client area is the central widget of a QMainWindow (its menu, tool and status bars
// belong to the frame and keep their size and font) and the window itself otherwise. The
// tracked controls are the widgets placed by hand on the client area: its descendants
// reached through plain QWidget, QFrame and QGroupBox containers and through the pages of
// tab and stack widgets (the pages themselves are placed by their stack). The insides of
// other widgets (a combo box's editor, a text view's scroll bars) belong to those widgets.
// The client area must not have a layout of its own: the component owns that geometry.
//
// Resolutions are Qt's logical dots per inch, so that Qt's own high-DPI scaling and the
// component never scale twice. Font sizes are in points (in pixels for pixel-sized fonts).
// A font that someone else resizes (the user through a font dialog, the window's own code)
// keeps that size: divided by the current font scale, it becomes the font's new base.
class FORMETRY_EXPORT TFormetry : public QObject {
    Q_OBJECT
    Q_PROPERTY(TResizeFormPos FormPos READ formPos WRITE setFormPos)
    Q_PROPERTY(int FormWidth READ formWidth WRITE setFormWidth)
    Q_PROPERTY(int FormHeight READ formHeight WRITE setFormHeight)
    Q_PROPERTY(int FormMaxWidth READ formMaxWidth WRITE setFormMaxWidth)
    Q_PROPERTY(int FormMaxHeight READ formMaxHeight WRITE setFormMaxHeight)
    Q_PROPERTY(int FormMinWidth READ formMinWidth WRITE setFormMinWidth)
    Q_PROPERTY(int FormMinHeight READ formMinHeight WRITE setFormMinHeight)
    Q_PROPERTY(bool ResizeFont READ resizeFont WRITE setResizeFont)
    Q_PROPERTY(QString NoResizeFntCtl READ noResizeFntCtl WRITE setNoResizeFntCtl)
    Q_PROPERTY(QString NoResizeCtl READ noResizeCtl WRITE setNoResizeCtl)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool ValidTaskbar READ validTaskbar WRITE setValidTaskbar)
    Q_PROPERTY(double XScale READ xScale)
    Q_PROPERTY(double YScale READ yScale)

public:
    // Sets the defaults: rpDefault, no sizes, fonts rescaled, both name lists empty,
    // enabled, taskbar excluded from the usable area, no OnExitResize handler.
    explicit TFormetry(QWidget* window);
    ~TFormetry() override;
    TFormetry(const TFormetry&) = delete;
    TFormetry& operator=(const TFormetry&) = delete;

    // Prepares the component once the window's layout is complete and the properties are
    // set: records the controls and attaches to the window's events. The component stays
    // inactive, silently, unless it is the window's child of its own (non-empty) name.
    void loaded();

    TResizeFormPos formPos() const;
    // Once loaded, places the window at once by the new position with its current size.
    void setFormPos(TResizeFormPos pos);

    // Outer size used at the first show; 0 keeps the window's size.
    int formWidth() const;
    int formHeight() const;
    // Largest and smallest outer size; each pair is in force only when both are positive.
    int formMaxWidth() const;
    int formMaxHeight() const;
    int formMinWidth() const;
    int formMinHeight() const;
    // The six size setters accept 0 (no constraint) and throw FormetryError for a negative
    // value or one that contradicts the other sizes.
    void setFormWidth(int value);
    void setFormHeight(int value);
    void setFormMaxWidth(int value);
    void setFormMaxHeight(int value);
    void setFormMinWidth(int value);
    void setFormMinHeight(int value);

    bool resizeFont() const;
    void setResizeFont(bool on);
    // Names separated by ";", compared without letter case. NoResizeFntCtl is consulted for
    // the window's own font only (the font of its client area, which the controls taking
    // their parent's font follow); controls named in NoResizeCtl are neither moved, sized
    // nor re-fonted.
    QString noResizeFntCtl() const;
    void setNoResizeFntCtl(const QString& names);
    QString noResizeCtl() const;
    void setNoResizeCtl(const QString& names);

    // Off: every window event passes untouched and the window keeps its last geometry.
    bool isEnabled() const;
    void setEnabled(bool on);

    // On: the usable screen area leaves out the taskbar and other panels.
    bool validTaskbar() const;
    void setValidTaskbar(bool on);

    TExitResizeEvent onExitResize() const;
    void setOnExitResize(TExitResizeEvent handler);

    // Scales of the last rescale (1.0 before the first).
    double xScale() const;
    double yScale() const;
    double fontScale() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
