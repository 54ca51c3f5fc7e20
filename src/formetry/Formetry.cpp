#include "Formetry.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVariant>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

namespace {

// T(v): v truncated toward zero; R(v): v + 0.5 truncated toward zero. Both stay inside int.
int truncT(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(v), double(INT_MIN), double(INT_MAX)));
}

int roundR(double v)
{
    return truncT(v + 0.5);
}

// A value at a scale taken back to design scale; a scale of 0 leaves it as it is.
int unscaled(int value, double scale)
{
    return scale != 0 ? roundR(value / scale) : value;
}

int fontSize(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : font.pixelSize();
}

// Gives the widget its own font of the given size; the other font attributes still follow
// its parent unless the widget had set them itself.
void setFontSize(QWidget* widget, int size)
{
    QFont font = widget->font();
    if (fontSize(font) == size)
        return;
    if (font.pointSize() > 0)
        font.setPointSize(size);
    else
        font.setPixelSize(size);
    widget->setFont(font);
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

QStringList parseNames(const QString& names)
{
    QStringList list;
    for (const QString& name : names.split(u';', Qt::SkipEmptyParts))
        if (!name.trimmed().isEmpty())
            list << name.trimmed();
    return list;
}

bool listed(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

// The limit a rejected size value broke; each has its message in both languages.
enum class Limit {
    NotNegative,
    AtLeastMinWidth,
    AtMostMaxWidth,
    AtLeastMinHeight,
    AtMostMaxHeight,
    AtLeastWidth,
    AtMostWidth,
    AtLeastHeight,
    AtMostHeight,
};

bool isLowerLimit(Limit limit)
{
    return limit == Limit::AtLeastMinWidth || limit == Limit::AtLeastMinHeight || limit == Limit::AtLeastWidth
        || limit == Limit::AtLeastHeight;
}

QString limitMessage(Limit limit)
{
    static const char16_t* const japanese[] = {
        u"0 以上の値を入れてください",
        u"FormMinWidth 以上の値を入れてください",
        u"FormMaxWidth 以下の値を入れてください",
        u"FormMinHeight 以上の値を入れてください",
        u"FormMaxHeight 以下の値を入れてください",
        u"FormWidth 以上の値を入れてください",
        u"FormWidth 以下の値を入れてください",
        u"FormHeight 以上の値を入れてください",
        u"FormHeight 以下の値を入れてください",
    };
    static const char16_t* const english[] = {
        u"Set this value equal to or greater than 0",
        u"Set this value equal to or greater than the FormMinWidth",
        u"Set this value equal to or less than the FormMaxWidth",
        u"Set this value equal to or greater than the FormMinHeight",
        u"Set this value equal to or less than the FormMaxHeight",
        u"Set this value equal to or greater than the FormWidth",
        u"Set this value equal to or less than the FormWidth",
        u"Set this value equal to or greater than the FormHeight",
        u"Set this value equal to or less than the FormHeight",
    };
    // The language is asked each time, so a change of the user's locale is followed.
    const bool inJapanese = QLocale().language() == QLocale::Japanese;
    return QString::fromUtf16((inJapanese ? japanese : english)[static_cast<int>(limit)]);
}

// A limit and the other size it compares with; 0 there means that size sets no limit.
struct Bound {
    Limit limit;
    int other;
};

// Throws when a new size value breaks a limit; 0 is always accepted.
void checkSize(int value, std::initializer_list<Bound> bounds)
{
    if (value == 0)
        return;
    if (value < 0)
        throw FormetryError(limitMessage(Limit::NotNegative));
    for (const Bound& b : bounds)
        if (b.other != 0 && (isLowerLimit(b.limit) ? value < b.other : value > b.other))
            throw FormetryError(limitMessage(b.limit));
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

// The top-left corner of a window of outer size `size` placed in `usable` by `pos`, from
// `current` for rpDefault. Halves are truncated; nothing starts left of or above the area.
QPoint placement(TResizeFormPos pos, const QRect& usable, QPoint current, QSize size)
{
    const int freeWidth = usable.width() - size.width();
    const int freeHeight = usable.height() - size.height();
    int left = 0;
    int top = 0;
    if (pos == TResizeFormPos::rpDefault) {
        left = current.x() - usable.x();
        top = current.y() - usable.y();
        if (left + size.width() > usable.width())
            left = freeWidth;
        if (top + size.height() > usable.height())
            top = freeHeight;
    } else {
        // The nine others: row by row, top to bottom, each row left to right.
        const int cell = static_cast<int>(pos) - 1;
        left = freeWidth * (cell % 3) / 2;
        top = freeHeight * (cell / 3) / 2;
    }
    return usable.topLeft() + QPoint(std::max(left, 0), std::max(top, 0));
}

// The top-left corner that brings a window's frame inside the usable area, moving it as
// little as possible.
QPoint inside(const QRect& frame, const QRect& usable)
{
    const auto axis = [](int start, int length, int areaStart, int areaLength) {
        if (start < areaStart)
            return areaStart;
        if (start + length > areaStart + areaLength)
            return std::max(areaStart + areaLength - length, areaStart);
        return start;
    };
    return { axis(frame.x(), frame.width(), usable.x(), usable.width()),
        axis(frame.y(), frame.height(), usable.y(), usable.height()) };
}

// What the component knows of one tracked control.
struct TCtrlInfo {
    QPointer<QWidget> control;
    QRect base; // design geometry, relative to the control's parent
    int baseFontSize = 0;
    bool parentFont = true; // the control takes its parent's font
    bool parentFontBefore = true; // the same at the previous rescale
};

} // namespace

FormetryError::FormetryError(const QString& message)
    : std::runtime_error(message.toStdString())
    , message_(message)
{
}

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
    QRect usableArea() const;
    QSize frameMargins() const { return window->frameGeometry().size() - window->size(); }
    bool excluded(const QWidget* control) const { return listed(noResizeNames, control->objectName()); }

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
    std::vector<TCtrlInfo> records;
    int addedCount = 0; // controls recorded after loading
    int ownedCount = 0; // controls on the client area at the last synchronisation
    double xScale = 1.0;
    double yScale = 1.0;
    double fontScale = 1.0;
    int designWidth = 0;
    int designHeight = 0;
    int designDpiW = 0;
    int designDpiH = 0;
    double screenDpiX = 0;
    double screenDpiY = 0;
    int windowBaseFontSize = 0;

    bool active = false; // prepared for its window
    bool attached = false;
    bool showSeen = false; // the window has been shown since the component attached
    bool shownOnce = false; // the first rescale has happened
    bool rescaling = false;
    // The window's own size limits while the component overrides them.
    std::optional<QSize> ownMinimum;
    std::optional<QSize> ownMaximum;
};

TFormetry::TFormetry(QWidget* window)
    : QObject(window)
    , d(std::make_unique<Private>(window))
{
}

TFormetry::~TFormetry() = default;

void TFormetry::loaded()
{
    if (d->active || !d->window)
        return;
    // The window finds its component by name; without that link the component stays out.
    if (objectName().isEmpty() || d->window->findChild<TFormetry*>(objectName(), Qt::FindDirectChildrenOnly) != this)
        return;
    d->prepare(this);
}

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
    setFontSize(client, roundR(fontSize(client->font()) / kx));
    windowBaseFontSize = fontSize(client->font());
    const std::vector<QWidget*> controls = controlsOf(client);
    for (QWidget* control : controls) {
        if (excluded(control))
            continue;
        TCtrlInfo info;
        info.control = control;
        info.parentFont = info.parentFontBefore = !control->testAttribute(Qt::WA_SetFont);
        if (!info.parentFont)
            setFontSize(control, roundR(fontSize(control->font()) / kx));
        info.baseFontSize = fontSize(control->font());
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

    ownedCount = static_cast<int>(controls.size());
    if (enabled)
        attach(q);
}

void TFormetry::Private::attach(TFormetry* q)
{
    window->installEventFilter(q);
    if (client && client != window)
        client->installEventFilter(q);
    showSeen = window->isVisible();
    attached = true;
    applySizeLimits();
}

void TFormetry::Private::detach(TFormetry* q)
{
    window->removeEventFilter(q);
    if (client)
        client->removeEventFilter(q);
    attached = false;
    restoreSizeLimits();
}

bool TFormetry::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* window = d->window;
    if (watched == window && event->type() == QEvent::Show) {
        // The first show places the window; the resize that causes (or, when the size
        // stays, a rescale of its own) brings the controls to that size.
        const bool first = !d->showSeen;
        d->showSeen = true;
        if (first && !d->shownOnce && !window->isMinimized()) {
            d->applySizeLimits(); // the frame's size is known by now
            d->place(d->formWidth >= 1 && d->formHeight >= 1 ? QSize(d->formWidth, d->formHeight)
                                                             : window->frameGeometry().size());
            if (!d->shownOnce)
                d->rescale(this);
        }
    } else if (watched == window && event->type() == QEvent::WindowStateChange) {
        // A size change while minimised was passed over; catch up when the window returns.
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if (change->oldState().testFlag(Qt::WindowMinimized) && !window->isMinimized() && d->showSeen && d->client
            && d->client->size() != d->scaledSize)
            d->rescale(this);
    }
    if (watched == d->client && event->type() == QEvent::Resize && d->showSeen && !window->isMinimized())
        d->rescale(this);
    return false;
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
    // A control that has taken or left its parent's font since the last rescale gets a new
    // base size from the font it has now.
    for (TCtrlInfo& info : records) {
        if (!info.control)
            continue;
        info.parentFont = !info.control->testAttribute(Qt::WA_SetFont);
        if (info.parentFont != info.parentFontBefore && fontScale != 0)
            info.baseFontSize = unscaled(fontSize(info.control->font()), fontScale);
        info.parentFontBefore = info.parentFont;
    }
    if (resizeFont && !listed(noFontNames, window->objectName()))
        setFontSize(client, roundR(windowBaseFontSize * f));

    const bool updates = window->updatesEnabled();
    window->setUpdatesEnabled(false); // one repaint for the whole step
    for (const TCtrlInfo& info : records) {
        QWidget* control = info.control;
        if (!control || excluded(control))
            continue;
        // Controls taking their parent's font follow the parent (Qt passes the new font
        // down); the others get their own size.
        if (resizeFont && !info.parentFont)
            setFontSize(control, std::max(truncT(info.baseFontSize * f), 1));
        const QRect& b = info.base;
        control->setGeometry(std::max(roundR(b.x() * x), 1), std::max(roundR(b.y() * y), 1),
            std::max(roundR(b.width() * x), 1), std::max(roundR(b.height() * y), 1));
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

// Records the controls created since the last rescale and forgets the destroyed ones.
void TFormetry::Private::synchronise()
{
    const std::vector<QWidget*> controls = controlsOf(client);
    const int count = static_cast<int>(controls.size());
    if (count == ownedCount)
        return;
    if (count > ownedCount) {
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
            info.baseFontSize = unscaled(fontSize(control->font()), fontScale);
            info.parentFont = info.parentFontBefore = !control->testAttribute(Qt::WA_SetFont);
            records.push_back(info);
        }
    } else {
        std::erase_if(records, [&controls](const TCtrlInfo& info) {
            return std::find(controls.begin(), controls.end(), info.control.data()) == controls.end();
        });
    }
    ownedCount = count;
}

// The screen of the window, less its taskbar and panels when ValidTaskbar is on.
QRect TFormetry::Private::usableArea() const
{
    const QScreen* screen = window->screen();
    return validTaskbar ? screen->availableGeometry() : screen->geometry();
}

// Places the window by FormPos with the given outer size, capped at the usable area.
void TFormetry::Private::place(QSize outer)
{
    if (window->isMaximized())
        return;
    const QRect usable = usableArea();
    outer = outer.boundedTo(usable.size());
    const QRect frame = window->frameGeometry();
    const QPoint corner = placement(formPos, usable, frame.topLeft(), outer);
    const QSize inner = (outer - frameMargins()).expandedTo(QSize(0, 0));
    // A window left where the window system put it is not pinned there.
    if (corner == frame.topLeft())
        window->resize(inner);
    else
        window->setGeometry(QRect(corner + (window->geometry().topLeft() - frame.topLeft()), inner));
}

// The dragging limits become the window's minimum and maximum size (outer sizes less the
// frame); the largest size is never more than the usable area.
void TFormetry::Private::applySizeLimits()
{
    if (!attached)
        return;
    const QSize frame = frameMargins();
    if (formMinWidth > 0 && formMinHeight > 0) {
        if (!ownMinimum)
            ownMinimum = window->minimumSize();
        window->setMinimumSize((QSize(formMinWidth, formMinHeight) - frame).expandedTo(QSize(0, 0)));
    } else if (ownMinimum) {
        window->setMinimumSize(*ownMinimum);
        ownMinimum.reset();
    }
    if (formMaxWidth > 0 && formMaxHeight > 0) {
        if (!ownMaximum)
            ownMaximum = window->maximumSize();
        const QSize largest = QSize(formMaxWidth, formMaxHeight).boundedTo(usableArea().size());
        window->setMaximumSize((largest - frame).expandedTo(QSize(0, 0)));
    } else if (ownMaximum) {
        window->setMaximumSize(*ownMaximum);
        ownMaximum.reset();
    }
}

void TFormetry::Private::restoreSizeLimits()
{
    if (ownMinimum)
        window->setMinimumSize(*std::exchange(ownMinimum, std::nullopt));
    if (ownMaximum)
        window->setMaximumSize(*std::exchange(ownMaximum, std::nullopt));
}

// ---- Properties ----

TResizeFormPos TFormetry::formPos() const
{
    return d->formPos;
}

void TFormetry::setFormPos(TResizeFormPos pos)
{
    d->formPos = pos;
    if (d->active)
        d->place(d->window->frameGeometry().size());
}

int TFormetry::formWidth() const
{
    return d->formWidth;
}

int TFormetry::formHeight() const
{
    return d->formHeight;
}

int TFormetry::formMaxWidth() const
{
    return d->formMaxWidth;
}

int TFormetry::formMaxHeight() const
{
    return d->formMaxHeight;
}

int TFormetry::formMinWidth() const
{
    return d->formMinWidth;
}

int TFormetry::formMinHeight() const
{
    return d->formMinHeight;
}

void TFormetry::setFormWidth(int value)
{
    checkSize(value, { { Limit::AtLeastMinWidth, d->formMinWidth }, { Limit::AtMostMaxWidth, d->formMaxWidth } });
    d->formWidth = value;
}

void TFormetry::setFormHeight(int value)
{
    checkSize(value, { { Limit::AtLeastMinHeight, d->formMinHeight }, { Limit::AtMostMaxHeight, d->formMaxHeight } });
    d->formHeight = value;
}

void TFormetry::setFormMaxWidth(int value)
{
    checkSize(value, { { Limit::AtLeastMinWidth, d->formMinWidth }, { Limit::AtLeastWidth, d->formWidth } });
    d->formMaxWidth = value;
    d->applySizeLimits();
}

void TFormetry::setFormMaxHeight(int value)
{
    checkSize(value, { { Limit::AtLeastMinHeight, d->formMinHeight }, { Limit::AtLeastHeight, d->formHeight } });
    d->formMaxHeight = value;
    d->applySizeLimits();
}

void TFormetry::setFormMinWidth(int value)
{
    checkSize(value, { { Limit::AtMostMaxWidth, d->formMaxWidth }, { Limit::AtMostWidth, d->formWidth } });
    d->formMinWidth = value;
    d->applySizeLimits();
}

void TFormetry::setFormMinHeight(int value)
{
    checkSize(value, { { Limit::AtMostMaxHeight, d->formMaxHeight }, { Limit::AtMostHeight, d->formHeight } });
    d->formMinHeight = value;
    d->applySizeLimits();
}

bool TFormetry::resizeFont() const
{
    return d->resizeFont;
}

void TFormetry::setResizeFont(bool on)
{
    d->resizeFont = on;
}

QString TFormetry::noResizeFntCtl() const
{
    return d->noResizeFntCtl;
}

void TFormetry::setNoResizeFntCtl(const QString& names)
{
    d->noResizeFntCtl = names;
    d->noFontNames = parseNames(names);
}

QString TFormetry::noResizeCtl() const
{
    return d->noResizeCtl;
}

void TFormetry::setNoResizeCtl(const QString& names)
{
    d->noResizeCtl = names;
    d->noResizeNames = parseNames(names);
}

bool TFormetry::isEnabled() const
{
    return d->enabled;
}

void TFormetry::setEnabled(bool on)
{
    if (on == d->enabled)
        return;
    d->enabled = on;
    if (!d->active || !d->window)
        return;
    if (on)
        d->attach(this);
    else
        d->detach(this);
}

bool TFormetry::validTaskbar() const
{
    return d->validTaskbar;
}

void TFormetry::setValidTaskbar(bool on)
{
    d->validTaskbar = on;
}

TExitResizeEvent TFormetry::onExitResize() const
{
    return d->onExitResize;
}

void TFormetry::setOnExitResize(TExitResizeEvent handler)
{
    d->onExitResize = std::move(handler);
}

double TFormetry::xScale() const
{
    return d->xScale;
}

double TFormetry::yScale() const
{
    return d->yScale;
}

double TFormetry::fontScale() const
{
    return d->fontScale;
}
