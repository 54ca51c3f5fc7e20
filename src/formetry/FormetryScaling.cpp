// Recording the window's controls when loaded, rescaling them, and keeping the records in
// step with the controls the window has.
#include "FormetryPrivate.h"

#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVariant>
#include <algorithm>
#include <climits>
#include <cmath>

using formetry::FontSize;
using formetry::inside;
using formetry::listed;
using formetry::TCtrlInfo;

namespace {

// Both results stay inside int; NaN gives 0.
int toInt(double v)
{
    return std::isnan(v) ? 0 : static_cast<int>(std::clamp(v, double(INT_MIN), double(INT_MAX)));
}

// T(v): v truncated toward zero.
int truncT(double v)
{
    return toInt(std::trunc(v));
}

// R(v): v rounded, halves up. For v ≥ -0.5 this is v + 0.5 truncated toward zero; below, the
// floor keeps a negative position from creeping one pixel toward 0 on every rescale.
int roundR(double v)
{
    return toInt(std::floor(v + 0.5));
}

// A value at a scale taken back to design scale; a scale of 0 leaves it as it is.
int unscaled(int value, double scale)
{
    return scale != 0 ? roundR(value / scale) : value;
}

// The design-scale size of a font that someone else sized at the given scale, kept unrounded so
// that the same scale gives back exactly the size chosen.
double unscaledFont(int size, double scale)
{
    return size / scale;
}

// T(base × f) for a control's font; the product of a size taken back by unscaledFont() and its
// own scale may fall a rounding error short of the whole size it came from.
int scaledFont(double base, double f)
{
    return truncT(base * f + 1e-9);
}

FontSize fontSizeOf(const QWidget* widget)
{
    const QFont& font = widget->font();
    return font.pointSize() > 0 ? FontSize { font.pointSize(), false } : FontSize { font.pixelSize(), true };
}

// Gives the widget its own font of the given size in the unit its font has, at least 1 (Qt
// refuses 0 and would keep the old size); the other font attributes still follow its parent
// unless the widget had set them itself. Returns the size the font has then.
FontSize setFontSize(QWidget* widget, int size)
{
    size = std::max(size, 1);
    if (fontSizeOf(widget).value != size) {
        QFont font = widget->font();
        if (font.pointSize() > 0)
            font.setPointSize(size);
        else
            font.setPixelSize(size);
        widget->setFont(font);
    }
    return fontSizeOf(widget);
}

// A coordinate or size that scales to 0 becomes 1, so that nothing vanishes; a negative
// position stays as it scales.
int nonZero(int value)
{
    return value == 0 ? 1 : value;
}

// Widgets whose children are placed by hand (and so are controls of the window).
bool isContainer(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject
        || type == &QGroupBox::staticMetaObject;
}

QList<QWidget*> pagesOf(QWidget* widget)
{
    QList<QWidget*> pages;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            pages << tabs->widget(i);
    else if (auto* stack = qobject_cast<QStackedWidget*>(widget))
        for (int i = 0; i < stack->count(); ++i)
            pages << stack->widget(i);
    return pages;
}

// The controls on a client area in the order they were created, each before its children.
void collectControls(QWidget* parent, std::vector<QWidget*>& controls)
{
    for (QObject* child : parent->children()) {
        if (!child->isWidgetType())
            continue;
        auto* widget = static_cast<QWidget*>(child);
        if (widget->isWindow())
            continue;
        controls.push_back(widget);
        if (isContainer(widget))
            collectControls(widget, controls);
        else
            for (QWidget* page : pagesOf(widget))
                collectControls(page, controls);
    }
}

std::vector<QWidget*> controlsOf(QWidget* client)
{
    std::vector<QWidget*> controls;
    collectControls(client, controls);
    return controls;
}

// Design resolution over screen resolution; 1 when the screen tells none.
double resolutionFactor(int designDpi, double screenDpi)
{
    return screenDpi > 0 ? designDpi / screenDpi : 1.0;
}

// The scale of one axis: client size over design size, corrected for the resolution; 1 when
// the screen tells no resolution.
double axisScale(int size, int designSize, int designDpi, double screenDpi)
{
    return screenDpi > 0 ? double(size) / designSize * designDpi / screenDpi : 1.0;
}

} // namespace

void TFormetry::Private::prepare(TFormetry* q)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    client = mainWindow && mainWindow->centralWidget() ? mainWindow->centralWidget() : window.data();

    const auto stored = [this](const char* name) { return window->property(name).toInt(); };
    // A layout without its design values is taken as designed at its present size and on
    // this screen, so that nothing is divided by zero.
    designWidth = stored("DesignFrmW") > 0 ? stored("DesignFrmW") : std::max(client->width(), 1);
    designHeight = stored("DesignFrmH") > 0 ? stored("DesignFrmH") : std::max(client->height(), 1);
    const QScreen* screen = window->screen();
    screenDpiX = screen->logicalDotsPerInchX();
    screenDpiY = screen->logicalDotsPerInchY();
    designDpiW = stored("DesignDpiW") > 0 ? stored("DesignDpiW") : screenDpiX > 0 ? qRound(screenDpiX) : 96;
    designDpiH = stored("DesignDpiH") > 0 ? stored("DesignDpiH") : screenDpiY > 0 ? qRound(screenDpiY) : 96;
    const double kx = resolutionFactor(designDpiW, screenDpiX);
    const double ky = resolutionFactor(designDpiH, screenDpiY);
    active = true;

    // Fonts are corrected for the resolution first, so that controls taking the window's
    // font record the corrected size.
    windowFontSizeSeen = setFontSize(client, roundR(fontSizeOf(client).value / kx));
    windowBaseFontSize = windowFontSizeSeen.value;
    const std::vector<QWidget*> controls = controlsOf(client);
    for (QWidget* control : controls) {
        if (excluded(control))
            continue;
        TCtrlInfo info;
        info.control = control;
        info.parentFont = info.parentFontBefore = !control->testAttribute(Qt::WA_SetFont);
        info.fontSizeSeen
            = info.parentFont ? fontSizeOf(control) : setFontSize(control, roundR(fontSizeOf(control).value / kx));
        info.baseFontSize = info.fontSizeSeen.value;
        records.push_back(info);
    }

    // Dialogs and borderless windows keep their design geometry unless they are given a
    // size (or, borderless, start maximised).
    double ix = kx;
    double iy = ky;
    const bool borderless = window->windowFlags().testFlag(Qt::FramelessWindowHint);
    const bool dialog = window->windowType() == Qt::Dialog;
    if ((dialog || borderless) && formWidth == 0 && formHeight == 0 && !(borderless && window->isMaximized()))
        ix = iy = 1.0;
    for (TCtrlInfo& info : records) {
        const QRect b = info.control->geometry();
        info.control->setGeometry(
            roundR(b.x() / ix), roundR(b.y() / iy), roundR(b.width() / ix), roundR(b.height() / iy));
        info.base = info.control->geometry();
    }

    if (enabled)
        attach(q);
}

void TFormetry::Private::rescale(TFormetry* q)
{
    if (rescaling || !client)
        return;
    const QScopedValueRollback guard(rescaling, true);
    const QSize size = scaledSize = client->size();
    const double x = axisScale(size.width(), designWidth, designDpiW, screenDpiX);
    const double y = axisScale(size.height(), designHeight, designDpiH, screenDpiY);
    const double f = x <= y ? x : y;

    synchronise();
    // A font that someone else has resized since the last rescale (the user's font dialog, the
    // window's own code), and that of a control that has taken or left its parent's font, get
    // a new base size from the size they have now, so that the choice stays.
    const FontSize windowFont = fontSizeOf(client);
    if (windowFont != windowFontSizeSeen && fontScale != 0)
        windowBaseFontSize = unscaledFont(windowFont.value, fontScale);
    windowFontSizeSeen = windowFont;
    for (TCtrlInfo& info : records) {
        if (!info.control)
            continue;
        info.parentFont = !info.control->testAttribute(Qt::WA_SetFont);
        const FontSize now = fontSizeOf(info.control);
        const bool resized = !info.parentFont && now != info.fontSizeSeen;
        if ((resized || info.parentFont != info.parentFontBefore) && fontScale != 0)
            info.baseFontSize = unscaledFont(now.value, fontScale);
        info.fontSizeSeen = now;
        info.parentFontBefore = info.parentFont;
    }
    if (resizeFont && !listed(noFontNames, window->objectName()))
        windowFontSizeSeen = setFontSize(client, roundR(windowBaseFontSize * f));

    const bool updates = window->updatesEnabled();
    window->setUpdatesEnabled(false); // one repaint for the whole step
    for (TCtrlInfo& info : records) {
        QWidget* control = info.control;
        if (!control || excluded(control))
            continue;
        // Controls taking their parent's font follow the parent (Qt passes the new font
        // down); the others get their own size.
        if (resizeFont && !info.parentFont)
            info.fontSizeSeen = setFontSize(control, scaledFont(info.baseFontSize, f));
        const QRect& b = info.base;
        control->setGeometry(nonZero(roundR(b.x() * x)), nonZero(roundR(b.y() * y)), nonZero(roundR(b.width() * x)),
            nonZero(roundR(b.height() * y)));
    }
    window->setUpdatesEnabled(updates);
    xScale = x;
    yScale = y;
    fontScale = f;

    if (formMaxWidth > 0 && formMaxHeight > 0 && window->isMaximized())
        window->move(inside(window->frameGeometry(), usableArea()));
    if (onExitResize)
        onExitResize(q, x, y);
    shownOnce = true;
}

// Records the controls that have come onto the client area since the last rescale and
// forgets those that have left it. The controls themselves are compared, not their number,
// so that one removed and another added in between are both seen.
void TFormetry::Private::synchronise()
{
    const std::vector<QWidget*> controls = controlsOf(client);
    std::erase_if(records, [&controls](const TCtrlInfo& info) {
        return std::find(controls.begin(), controls.end(), info.control.data()) == controls.end();
    });
    for (QWidget* control : controls) {
        const auto hasRecord = [control](const TCtrlInfo& info) { return info.control == control; };
        if (excluded(control) || std::any_of(records.begin(), records.end(), hasRecord))
            continue;
        ++addedCount;
        if (control->objectName().trimmed().isEmpty()) {
            control->setObjectName(QString::asprintf("FmtyAdd%.4d", addedCount));
            for (const char* caption : { "text", "title" })
                if (control->property(caption).toString().startsWith(QLatin1String("FmtyAdd")))
                    control->setProperty(caption, QString());
        }
        // Its present geometry and font are taken back to design scale.
        const QRect g = control->geometry();
        TCtrlInfo info;
        info.control = control;
        info.base = QRect(unscaled(g.x(), xScale), unscaled(g.y(), yScale), unscaled(g.width(), xScale),
            unscaled(g.height(), yScale));
        info.fontSizeSeen = fontSizeOf(control);
        info.baseFontSize = unscaled(info.fontSizeSeen.value, fontScale);
        info.parentFont = info.parentFontBefore = !control->testAttribute(Qt::WA_SetFont);
        records.push_back(info);
    }
}
