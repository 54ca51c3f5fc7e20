#pragma once

#include "changes/DayEntry.h"
#include "master/DayBoxes.h"

#include <QDate>
#include <QDialog>
#include <memory>

namespace Ui {
class TFormChangeDay;
}

// The dialog "勤務変更の登録": what one employee does on one date, chosen with the boxes and
// under the rules and messages of the employee master window (night shifts past midnight
// allowed, net minutes by the master's rule). It opens window-modal and tells its owner the
// choice: an entry to register, or the standard week's entry again. It changes no table.
class TFormChangeDay : public QDialog {
    Q_OBJECT
public:
    explicit TFormChangeDay(QWidget* parent = nullptr);
    ~TFormChangeDay() override;

    // Opens on the employee's day: the boxes show current, the entry of that date now; the
    // standard week's entry is shown for comparison, and "標準に戻す" is offered when current
    // is a change.
    void edit(const QString& name, QDate date, const DayEntry& standard, const DayEntry& current);

    QString name() const { return name_; }
    QDate date() const { return date_; }

Q_SIGNALS:
    // The boxes' entry passed the checks; an entry equal to the standard one comes as
    // standardWanted instead, so that no change repeats the standard week.
    void registered(const DayEntry& entry);
    void standardWanted();

private:
    void BtnRegisterClick();
    void boxChange();

    std::unique_ptr<Ui::TFormChangeDay> ui;
    DayBoxes boxes_;
    QString name_;
    QDate date_;
    DayEntry standard_;
};
