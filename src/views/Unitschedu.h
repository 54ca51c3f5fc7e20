#pragma once

#include "views/ScheduleView.h"
#include "views/ViewWindow.h"

#include <memory>

class PeriodChooser;
class TQRListFormDayLine;
namespace Ui {
class TFormSchedu;
}

// The schedule window: lays out the registered period's schedule, one symbol per employee and
// day, into the work and weekday tables and shows it as text that can be copied, saved and
// printed. It also prints the month chart for the wall and the employees' sheets and exports the
// schedule with its times, for the registered or the next period as chosen in the window (the
// text itself stays on the registered period). The lines come from the schedule view functions;
// this window paces them.
class TFormSchedu : public ViewWindow {
    Q_OBJECT
public:
    explicit TFormSchedu(Forms& forms);
    ~TFormSchedu() override;

private:
    Opening openingLines() override;
    void computation() override;
    QString rowLine(int row) const override;
    QStringList closingLines() const override;
    // Prints the schedule print report, created on the first print of the run.
    void printReport() override;
    // Saves the period's schedule as CSV or iCalendar.
    void NExportClick();
    // Writes one iCalendar file per employee into a chosen folder.
    void NExportEachClick();
    // Prints "月間シフト表" or "個人別に印刷".
    void printWallChart(bool perEmployee);

    std::unique_ptr<TQRListFormDayLine> QRListFormDayLine;
    std::unique_ptr<Ui::TFormSchedu> ui;
    scheduleview::Computation computed_;
    PeriodChooser* outputPeriod_ = nullptr; // the period of the wall chart and the exports
};
