#pragma once

#include <QDate>
#include <QMainWindow>
#include <memory>

struct Forms;
namespace Ui {
class TFormTerm;
}
class Timer;

// The period window: holds the start-up date for the whole run (the program's notion of
// today), shows the period that the end rule gives for it, and registers that period in
// the schedule table.
class TFormTerm : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormTerm(Forms& forms);
    ~TFormTerm() override;

    // The date at program start; it never moves while the program runs.
    QDate startupDate() const { return startupDate_; }
    int periodDayCount() const { return periodDayCount_; }

Q_SIGNALS:
    // A period was registered in the schedule table.
    void periodRegistered();
    // A registration rewrote the schedule table (also one that stopped halfway).
    void tableChanged();
    // The window was closed; the main window shows again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Timer1Timer();
    void SpeedBtnClick();
    void N2Click();
    void setExecuteEnabled(bool on);

    std::unique_ptr<Ui::TFormTerm> ui;
    Forms& forms_;
    Timer* Timer1 = nullptr;
    const QDate startupDate_;
    int periodDayCount_ = 0;
};
