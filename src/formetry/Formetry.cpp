// The component's properties, their checks, and its attachment to the window's events.
#include "FormetryPrivate.h"

#include <QEvent>
#include <QLocale>
#include <QWindowStateChangeEvent>
#include <initializer_list>

namespace {

QStringList parseNames(const QString& names)
{
    QStringList list;
    for (const QString& name : names.split(u';', Qt::SkipEmptyParts))
        if (!name.trimmed().isEmpty())
            list << name.trimmed();
    return list;
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

} // namespace

FormetryError::FormetryError(const QString& message)
    : std::runtime_error(message.toStdString())
    , message_(message)
{
}

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
    // A move by the program itself (the window system's moves come spontaneously, the user's
    // dragging among them) keeps the window inside.
    if (watched == window && event->type() == QEvent::Move && !event->spontaneous() && d->showSeen
        && window->isVisible())
        d->keepInside();
    if (watched == d->client && event->type() == QEvent::Resize && d->showSeen && !window->isMinimized())
        d->rescale(this);
    return false;
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
