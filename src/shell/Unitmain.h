#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

class Forms;
namespace Ui {
class TFormMain;
}
class QAction;
class QMenu;
class RichEdit;
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

    // Today's weekday code (1 = Sunday … 7 = Saturday), set by the today panel; 0 until then.
    int todayWeekdayCode() const { return todayWeekdayCode_; }
    void setTodayWeekdayCode(int code) { todayWeekdayCode_ = code; }

    // The period-end reminder: hidden and stopped when a period is registered.
    void hidePeriodReminder();
    // Starts the reminder label's scrolling (the today panel sets its text first).
    void startPeriodReminder(const QString& text);

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

    void buildPopupMenu();
    void connectMenus();
    void showInformation(const QString& text);

    std::unique_ptr<Ui::TFormMain> ui;
    Forms& forms_;
    std::unique_ptr<ViewOutput> output_;
    QMenu* PopupMenu1 = nullptr;
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    Timer* Timer3 = nullptr;
    Timer* TimerMsg = nullptr;

    QString startDir_;
    State state_ = State::Starting;
    bool startupStarted_ = false;
    bool setupNeeded_ = false;
    bool masterDataError_ = false;
    bool startupFinished_ = false;
    int todayWeekdayCode_ = 0;
};
