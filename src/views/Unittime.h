#pragma once

#include "views/ViewWindow.h"

#include <memory>

class TQRListFormTime;
namespace Ui {
class TFormTime;
}

// The hour-by-hour chart: for today's weekday, one bar per employee over the hours of the
// day, written into the work table and shown as text that can be copied, saved and
// printed. The bars and lines come from the time view functions; this window paces them.
class TFormTime : public ViewWindow {
    Q_OBJECT
public:
    explicit TFormTime(Forms& forms);
    ~TFormTime() override;

    // Today's weekday code (1 = Sunday … 7 = Saturday) that the chart is drawn for, given by
    // the main window before it opens the chart.
    void setTodayWeekdayCode(int code) { todayWeekdayCode_ = code; }

private:
    Opening openingLines() override;
    void computation() override;
    QString rowLine(int row) const override;
    QStringList closingLines() const override;
    // Prints the time-series print report, created on the first print of the run.
    void printReport() override;

    std::unique_ptr<TQRListFormTime> QRListFormTime;
    std::unique_ptr<Ui::TFormTime> ui;
    int todayWeekdayCode_ = 0;
};
