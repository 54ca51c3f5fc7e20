#pragma once

#include "changes/EffectiveSchedule.h"
#include "shell/Reports.h"

#include <QObject>
#include <QStringList>

struct Forms;
namespace Ui {
class TFormMain;
}
class EmployeeTicker;
class PanelPopup;
class PeriodReminder;
class QColor;
class QMainWindow;
class RichEdit;
class Timer;

// The reports that the main window shows in its own panel area, and the panels themselves: the
// usage state's gauges, the individual week, the weekly labour cost, the registration list and
// today's duty list, which grow their panel in steps and write one employee per tick of their own
// timer under a gauge, and the period labour cost and the labour check, which the program added:
// their lines take an instant to compute, so they are written at once into the panel at its full
// width, without steps or gauge. Each report starts by resetting the panels, so that none writes
// into another's. The lines come from the logic floor; the popup menu and the printing of a
// filled panel are the main window's.
class PanelReports : public QObject {
    Q_OBJECT
public:
    PanelReports(QMainWindow* window, Ui::TFormMain* form, Forms& forms, PanelPopup& popup, PeriodReminder& reminder);
    ~PanelReports() override;

    void NStateClick();
    void NsearchClick();
    void NcostClick();
    void NPeriodCostClick();
    void NLabourCheckClick(daychanges::PeriodChoice choice);
    void NListClick();
    void NDutyListClick();

    // Stops the reports (today's duty list runs on), empties and hides the panels and gauges and
    // gives them their folded sizes, the 9-point font and no print title; disables the popup.
    void resetPanels();
    // The main window hides: every report stops, today's duty list too, and the panels fold.
    void withdraw();

    // Today's duty list, asked for by the today panel: first the panel RichEdit2 grows, then the
    // list of employees rows 0 to employees − 1 fills it under the date line.
    void growDutyPanel();
    void startDutyList(const QString& dateLine, int employees);
    // Today's weekday code (1 = Sunday … 7 = Saturday) for the duty list; 0 until it is told.
    int todayWeekdayCode() const { return todayWeekdayCode_; }
    void setTodayWeekdayCode(int code) { todayWeekdayCode_ = code; }
    // The hint of the background picture that points to the today panel's button.
    void setPictureHint(bool on);

Q_SIGNALS:
    // Today's duty list from the menu closes the top menus; the list's end opens them again.
    void topMenusWanted(bool on);

private:
    void ListBox1DblClick();
    void TimerSearchTimer();
    void foldPanels();
    void showRichEdit4(const QColor& background);
    void widenRichEdit4(const QColor& background);
    void showAtOnce(const QString& printTitle, const QStringList& lines);

    QMainWindow* window_;
    Ui::TFormMain* ui;
    Forms& forms_;
    PanelPopup& popup_;
    PeriodReminder& reminder_;
    Timer* TimerSearch = nullptr;
    // The reports that handle one employee per tick.
    EmployeeTicker* TimerInfo = nullptr; // today's duty list
    EmployeeTicker* TimerName = nullptr; // the name list of the individual week
    EmployeeTicker* TimerCost = nullptr; // the weekly labour cost
    EmployeeTicker* TimerList = nullptr; // the registration list
    int todayWeekdayCode_ = 0;
    shell::DutyTotals dutyTotals_;
    shell::CostTotals costTotals_;
};
