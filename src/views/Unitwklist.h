#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

struct Forms;
class QListWidget;
class Timer;
namespace Ui {
class TFormWkList;
}

// The weekday list: a small window on top of the others with one page per weekday, Monday
// first, listing every employee's registered attribute and hours for that weekday. It
// fills one employee every half second after opening and empties itself when it is hidden;
// the entries come from the weekday list functions. It tells the main window through its
// signals when it is filled and when it was emptied.
class TFormWkList : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormWkList(Forms& forms);
    ~TFormWkList() override;

    // True once every employee is listed.
    bool isFilled() const;
    // Today's weekday code (1 = Sunday … 7 = Saturday) that names the caption, given by the
    // main window before it opens the list.
    void setTodayWeekdayCode(int code) { todayWeekdayCode_ = code; }

Q_SIGNALS:
    // Every employee is listed.
    void filled();
    // The list was hidden and emptied.
    void emptied();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Timer1Timer();
    void Timer2Timer();
    std::array<QListWidget*, 7> lists() const;

    std::unique_ptr<Ui::TFormWkList> ui;
    Forms& forms_;
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    int remaining_ = 0;
    int total_ = 0;
    int currentRow_ = 0;
    int todayWeekdayCode_ = 0;
};
