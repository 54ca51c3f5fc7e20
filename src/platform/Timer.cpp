#include "platform/Timer.h"

#include "platform/Dialogs.h"
#include "platform/Pace.h"

#include <QPointer>

Timer::Timer(QObject* parent, int intervalMs, std::function<void()> handler)
    : QObject(parent)
    , intervalMs_(intervalMs)
    , handler_(std::move(handler))
{
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool on)
{
    pending_ = false;
    if (on)
        timer_.start(pace::scaled(intervalMs_));
    else
        timer_.stop();
}

void Timer::tick()
{
    if (pace::inPause()) {
        // One tick waits for the pause to end; the timer keeps its period meanwhile.
        if (!pending_) {
            pending_ = true;
            pace::runWhenIdle([self = QPointer<Timer>(this)] {
                if (self && self->pending_) {
                    self->pending_ = false;
                    self->tick();
                }
            });
        }
        return;
    }
    dialogs::guard(handler_);
}
