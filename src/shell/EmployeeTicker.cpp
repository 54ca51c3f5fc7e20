#include "shell/EmployeeTicker.h"

#include "platform/Gauge.h"
#include "platform/Timer.h"

EmployeeTicker::EmployeeTicker(
    QObject* parent, int intervalMs, Gauge* gauge, std::function<void(int row)> eachRow, std::function<void()> atEnd)
    : QObject(parent)
    , gauge_(gauge)
    , eachRow_(std::move(eachRow))
    , atEnd_(std::move(atEnd))
{
    timer_ = new Timer(this, intervalMs, [this] { tick(); });
}

EmployeeTicker::~EmployeeTicker() = default;

void EmployeeTicker::prepare(int employees)
{
    total_ = left_ = employees;
    next_ = 0;
    gauge_->setMaximum(employees);
}

void EmployeeTicker::start()
{
    timer_->start();
}

void EmployeeTicker::stop()
{
    timer_->stop();
}

bool EmployeeTicker::isRunning() const
{
    return timer_->isEnabled();
}

void EmployeeTicker::tick()
{
    if (left_ != 0) {
        gauge_->setValue(total_ - left_ + 1);
        const int row = next_++;
        if (--left_ == 0)
            gauge_->setValue(gauge_->maximum());
        eachRow_(row);
        return;
    }
    timer_->stop();
    gauge_->setValue(0);
    gauge_->hide();
    atEnd_();
}
