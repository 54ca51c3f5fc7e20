#pragma once

#include "shell/PanelReports.h"
#include "shell/StartupSequence.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct Forms;
namespace Ui {
class TFormMain;
}
class PanelPopup;
class PeriodReminder;
class QAction;
class QActionGroup;
class RichEdit;
class TQRListFormLinePrn;
class ViewOutput;

// The main window, the hub of the program: shows the start-up sequence's captions and outcome,
// decides which menus may be used, opens the other windows from its menus (hiding itself for
// most of them), prints and passes on the small reports of its panels (run by PanelReports) and
// saves both tables when it closes.
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
    int todayWeekdayCode() const { return reports_->todayWeekdayCode(); }
    void setTodayWeekdayCode(int code) { reports_->setTodayWeekdayCode(code); }

    // The period-end reminder: hidden and stopped when a period is registered.
    void hidePeriodReminder();
    // Sets the reminder label's text and keeps it shown and scrolling.
    void startPeriodReminder(const QString& text);
    // Sets the reminder label's text, hides it and stops its scrolling.
    void stopPeriodReminder(const QString& text);

    // The five top menus at once (the today panel's hand-over disables them).
    void setTopMenusEnabled(bool on);
    // The hint of the background picture that points to the today panel's button.
    void setPictureHint(bool on) { reports_->setPictureHint(on); }
    // Today's duty list, asked for by the today panel: first the panel RichEdit2 grows,
    // then the list of employees rows 0 to employees − 1 fills it under the date line.
    void growDutyPanel() { reports_->growDutyPanel(); }
    void startDutyList(const QString& dateLine, int employees) { reports_->startDutyList(dateLine, employees); }

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
    void NFirstSetClick();

    // The start-up sequence's outcome.
    void startupDataError(bool inMaster);
    void startupEnded(StartupSequence::Outcome outcome);
    void appendStatus(const QStringList& lines);
    void enterSetupNeeded();
    void enterDataError();
    void enterNormal();
    void showStatusPanel();
    void setTopMenus(bool action, bool data, bool schedu, bool sum, bool info);
    void connectMenus();

    std::unique_ptr<Ui::TFormMain> ui;
    Forms& forms_;
    StartupSequence* startup_ = nullptr;
    std::unique_ptr<TQRListFormLinePrn> QRListFormLinePrn;
    PanelPopup* popup_ = nullptr; // PopupMenu1 of the report panels
    PeriodReminder* reminder_ = nullptr;
    PanelReports* reports_ = nullptr;
    std::vector<QActionGroup*> menuItems_; // the items of each top menu, MainMenu1 order

    QString startDir_;
    State state_ = State::Starting;
    bool journalFailureShown_ = false;
};
