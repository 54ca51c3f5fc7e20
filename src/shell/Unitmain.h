#pragma once

#include "changes/EffectiveSchedule.h"
#include "changes/PeriodCost.h"
#include "labour/LabourReport.h"
#include "shell/Reports.h"
#include "shell/StartupSequence.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <memory>
#include <vector>

struct Forms;
namespace Ui {
class TFormMain;
}
class EmployeeTicker;
class Gauge;
class QAction;
class QActionGroup;
class QColor;
class PanelPopup;
class PeriodReminder;
class QMenu;
class RichEdit;
class TQRListFormLinePrn;
class Timer;
class ViewOutput;

// The main window, the hub of the program: shows the start-up sequence's captions and outcome,
// decides which menus may be used, opens the other windows from its menus (hiding itself for
// most of them), shows the small reports of its panels and saves both tables when it closes.
// The reports' lines are computed by the shell's report functions; this window paces them.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    enum class State { Starting, SetupNeeded, DataError, Normal };

    explicit TFormMain(Forms& forms);
    ~TFormMain() override;

    State state() const { return state_; }
    // True once the start-up sequence has reached its final state.
    bool startupFinished() const;
    QString startDirectory() const { return startDir_; }

    // The shared save dialog and printer setup with the printer chosen flag.
    ViewOutput& output();

    // The first visible one of the report panels RichEdit2, RichEdit3, RichEdit4, or null.
    RichEdit* firstVisiblePanel() const;

    // Prints the first visible report panel through the line print report, which is created
    // on the first print and kept for the run; without a chosen printer shows the printer
    // message instead. The main window's and the text window's print commands share it.
    void printLineReport(QWidget* parent);
    // The line print report, or null until the first print created it.
    const TQRListFormLinePrn* linePrintReport() const { return QRListFormLinePrn.get(); }

    // Today's weekday code (1 = Sunday … 7 = Saturday) for the duty list, set by the today panel
    // (which tells the hour chart and the weekday list too); 0 until then.
    int todayWeekdayCode() const { return todayWeekdayCode_; }
    void setTodayWeekdayCode(int code) { todayWeekdayCode_ = code; }

    // The period-end reminder: hidden and stopped when a period is registered.
    void hidePeriodReminder();
    // Sets the reminder label's text and keeps it shown and scrolling.
    void startPeriodReminder(const QString& text);
    // Sets the reminder label's text, hides it and stops its scrolling.
    void stopPeriodReminder(const QString& text);

    // The five top menus at once (the today panel's hand-over disables them).
    void setTopMenusEnabled(bool on);
    // The hint of the background picture that points to the today panel's button.
    void setPictureHint(bool on);
    // Today's duty list, asked for by the today panel: first the panel RichEdit2 grows,
    // then the list of employees rows 0 to employees − 1 fills it under the date line.
    void growDutyPanel();
    void startDutyList(const QString& dateLine, int employees);

    // Hides the main window and shows another one in its place.
    void handOverTo(QWidget* window);

    // A window changed a persisted table for the user: the change goes to the recovery journal
    // at once. A journal that cannot be written is reported once per run; the data files are
    // saved at the close all the same.
    void journalChanges();

    // The menu items that open the schedule views; each view checks its item when it is
    // complete, and the weekday list enables its item again when it closes.
    enum class ScheduleItem { Monthly, Daily, Weekly };
    QAction* scheduleItem(ScheduleItem item) const;

Q_SIGNALS:
    // "バージョン" was chosen: the title window is wanted.
    void titleWanted();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void TimerSearchTimer();
    void NFirstSetClick();
    void NStateClick();
    void NsearchClick();
    void NcostClick();
    void NPeriodCostClick();
    void NLabourCheckClick(daychanges::PeriodChoice choice);
    void NListClick();
    void NDutyListClick();
    void ListBox1DblClick();

    // The start-up sequence's outcome.
    void startupDataError(bool inMaster);
    void startupEnded(StartupSequence::Outcome outcome);
    void appendStatus(const QStringList& lines);
    void enterSetupNeeded();
    void enterDataError();
    void enterNormal();
    void showStatusPanel();
    void setTopMenus(bool action, bool data, bool schedu, bool sum, bool info);
    void resetPanels();

    void widenRichEdit4(const QColor& background);
    void enablePopup();
    void connectMenus();

    std::unique_ptr<Ui::TFormMain> ui;
    Forms& forms_;
    StartupSequence* startup_ = nullptr;
    std::unique_ptr<TQRListFormLinePrn> QRListFormLinePrn;
    PanelPopup* popup_ = nullptr; // PopupMenu1 of the report panels
    PeriodReminder* reminder_ = nullptr;
    Timer* TimerSearch = nullptr;
    // The reports that handle one employee per tick.
    EmployeeTicker* TimerInfo = nullptr; // today's duty list
    EmployeeTicker* TimerName = nullptr; // the name list of the individual week
    EmployeeTicker* TimerCost = nullptr; // the weekly labour cost
    EmployeeTicker* TimerList = nullptr; // the registration list
    EmployeeTicker* TimerPeriod = nullptr; // the period labour cost
    EmployeeTicker* TimerLabour = nullptr; // the labour check
    std::vector<QActionGroup*> menuItems_; // the items of each top menu, MainMenu1 order

    QString startDir_;
    State state_ = State::Starting;
    bool journalFailureShown_ = false;
    int todayWeekdayCode_ = 0;
    shell::DutyTotals dutyTotals_;
    shell::CostTotals costTotals_;
    daychanges::PeriodCostTotals periodTotals_;
    qint64 periodPremium_ = 0; // the statutory premiums' estimate over the period cost's rows
    labour::ReportTotals labourTotals_;
    daychanges::PeriodChoice labourPeriod_ = daychanges::PeriodChoice::Registered;
};
