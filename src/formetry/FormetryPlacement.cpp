// Where the window goes at its first show and how far it may grow or shrink.
#include "FormetryPrivate.h"

#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace {

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

} // namespace

QPoint formetry::inside(const QRect& frame, const QRect& usable)
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
    window->resize((outer - frameMargins()).expandedTo(QSize(0, 0)));
    // A window left where the window system put it is not pinned there.
    if (corner != frame.topLeft())
        moveFrame(corner);
}

// Puts the top-left corner of the window's frame at corner. Until the window system has framed
// the window, its frame is not known and a move would put the client area there, with the title
// bar above it; the window system is then asked to put the frame there itself.
void TFormetry::Private::moveFrame(QPoint corner)
{
    const bool wasMoving = std::exchange(moving, true);
    window->move(corner);
    QWindow* handle = window->windowHandle();
    if (handle && window->frameGeometry() == window->geometry())
        handle->setFramePosition(corner);
    moving = wasMoving;
}

// Wherever the program moves a shown window, its title bar stays inside the usable area, and as
// much of the window as fits.
void TFormetry::Private::keepInside()
{
    if (moving || window->isMaximized() || window->isMinimized() || window->isFullScreen())
        return;
    const QRect frame = window->frameGeometry();
    const QPoint corner = formetry::inside(frame, usableArea());
    const bool frameUnknown = frame == window->geometry() && window->windowHandle();
    if (corner != frame.topLeft() || frameUnknown)
        moveFrame(corner);
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
