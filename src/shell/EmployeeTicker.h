#pragma once

#include <QObject>
#include <functional>

class Gauge;
class Timer;

// A report that handles one employee per tick of its own timer: it counts the employees down,
// moves its gauge, calls back with each row in turn (rows 0 to employees − 1) and once more at
// the end, after hiding the gauge. Every report has a ticker of its own, so no report can run
// on another's counters. The counters move before the row's callback, so a row whose cells are
// not numbers costs that row only.
class EmployeeTicker : public QObject {
    Q_OBJECT
public:
    EmployeeTicker(QObject* parent, int intervalMs, Gauge* gauge, std::function<void(int row)> eachRow,
        std::function<void()> atEnd);
    ~EmployeeTicker() override;

    // Sets the counters for employees rows and the gauge's maximum; ticks begin with start().
    void prepare(int employees);
    void start();
    void stop();
    bool isRunning() const;

private:
    void tick();

    Timer* timer_ = nullptr;
    Gauge* gauge_;
    std::function<void(int)> eachRow_;
    std::function<void()> atEnd_;
    int left_ = 0;
    int total_ = 0;
    int next_ = 0;
};
