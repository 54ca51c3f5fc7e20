#pragma once

#include "shell/Reports.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <memory>

class Forms;
namespace Ui {
class TFormMain;
}
class Gauge;
class QAction;
class QColor;
class QMenu;
class RichEdit;
class TQRListFormLinePrn;
class Timer;
class ViewOutput;

// The main window: runs the start-up sequence that loads and checks both data files,
// decides which menus may be used, opens the other windows from its menus and saves
// both tables when it closes. The computations themselves live in the data and period
// modules; this window paces them, shows their lines and sets its captions and menus.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    enum class State { Starting, SetupNeeded, DataError, Normal };

    explicit TFormMain(Forms& forms);
    ~TFormMain() override;

    State state() const { return state_; }
    // True once the start-up sequence has reached its final state.
    bool startupFinished() const { return startupFinished_; }
    QString startDirectory() const { return startDir_; }

    // The shared save dialog and printer setup with the printer chosen flag.
    ViewOutput& output() { return *output_; }

    // The first visible one of the report panels RichEdit2, RichEdit3, RichEdit4, or null.
    RichEdit* firstVisiblePanel() const;

    // Prints the first visible report panel through the line print report, which is created
    // on the first print and kept for the run; without a chosen printer shows the printer
    // message instead. The main window's and the text window's print commands share it.
    void printLineReport(QWidget* parent);
    // The line print report, or null until the first print created it.
    const TQRListFormLinePrn* linePrintReport() const { return QRListFormLinePrn.get(); }

    // Today's weekday code (1 = Sunday … 7 = Saturday), set by the today panel; 0 until then.
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

    // The menu items that open the schedule views; each view checks its item when it is
    // complete, and the weekday list enables its item again when it closes.
    enum class ScheduleItem { Monthly, Daily, Weekly };
    QAction* scheduleItem(ScheduleItem item) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up sequence, three chained one-shot jobs.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void TimerMsgTimer();
    // The reports shown in the panels, one employee per tick.
    void TimerInfoTimer();
    void TimerNameTimer();
    void TimerSearchTimer();
    void TimerCostTimer();
    void TimerListTimer();
    void NStateClick();
    void NsearchClick();
    void NcostClick();
    void NListClick();
    void ListBox1DblClick();

    void setCaption(const QString& caption);
    void progressCaption(int dots);
    void appendStatus(const QStringList& lines);
    void enterSetupNeeded();
    void enterDataError();
    static QString dataErrorCaption();
    void enterNormal();
    void showStatusPanel();
    void setTopMenus(bool action, bool data, bool schedu, bool sum, bool info);
    void resetPanels();

    // Counters of the one-employee-per-tick jobs.
    void startCounting(Gauge* gauge);
    int takeEmployee(Gauge* gauge);
    void finishGauge(Gauge* gauge);
    void widenRichEdit4(const QColor& background);

    void buildPopupMenu();
    void enablePopup();
    void connectMenus();
    void showInformation(const QString& text);

    std::unique_ptr<Ui::TFormMain> ui;
    Forms& forms_;
    std::unique_ptr<ViewOutput> output_;
    std::unique_ptr<TQRListFormLinePrn> QRListFormLinePrn;
    QMenu* PopupMenu1 = nullptr;
    RichEdit* popupPanel_ = nullptr; // the panel on which the popup menu was last opened
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    Timer* Timer3 = nullptr;
    Timer* TimerMsg = nullptr;
    Timer* TimerInfo = nullptr;
    Timer* TimerName = nullptr;
    Timer* TimerSearch = nullptr;
    Timer* TimerCost = nullptr;
    Timer* TimerList = nullptr;
    QList<QAction*> popupItems_;

    QString startDir_;
    State state_ = State::Starting;
    bool startupStarted_ = false;
    bool setupNeeded_ = false;
    bool masterDataError_ = false;
    bool startupFinished_ = false;
    int todayWeekdayCode_ = 0;
    int employeesLeft_ = 0;
    int employeesTotal_ = 0;
    int nextRow_ = 0;
    shell::DutyTotals dutyTotals_;
    shell::CostTotals costTotals_;
};
