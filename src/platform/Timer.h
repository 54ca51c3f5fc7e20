#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A window's deferred job: when enabled, calls its handler after each interval until
// disabled. The interval is a design value in ms, scaled by the pace; ticks that fall
// inside a pause wait until it ends, and a conversion error in the handler is shown
// instead of ending the event loop.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* parent, int intervalMs, std::function<void()> handler);

    void setEnabled(bool on);
    bool isEnabled() const { return timer_.isActive() || pending_; }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    int interval() const { return intervalMs_; }

private:
    void tick();

    QTimer timer_;
    int intervalMs_;
    std::function<void()> handler_;
    bool pending_ = false;
};
