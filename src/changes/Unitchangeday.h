#pragma once

#include "changes/DayEntry.h"
#include "labour/LabourRules.h"
#include "master/DayBoxes.h"

#include <QDate>
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TFormChangeDay;
}

// The dialog "勤務変更の登録": what one employee does on one date, chosen with the boxes and
// under the rules and messages of the employee master window (night shifts past midnight
// allowed, net minutes by the master's rule). A working day that can hold no work is refused, one
// that holds suspiciously little or overlaps the shift of the day before or after is asked about.
// It opens window-modal and tells its owner the choice: an entry to register, or the standard
// week's entry again. It changes no table.
class TFormChangeDay : public QDialog {
    Q_OBJECT
public:
    explicit TFormChangeDay(QWidget* parent = nullptr);
    ~TFormChangeDay() override;

    // The overlaps a shift on the date would make with the employee's shifts around it.
    using Overlaps = std::function<QList<labour::Overlap>(const daychanges::Shift&)>;

    // Opens on the employee's day: the boxes show current, the entry of that date now; the
    // standard week's entry is shown for comparison, and "標準に戻す" is offered when current
    // is a change.
    void edit(const QString& name, QDate date, const DayEntry& standard, const DayEntry& current, Overlaps overlaps);

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
    // Whether the entry may be registered: refused, or asked about and kept.
    bool accepts(const DayEntry& entry);

    std::unique_ptr<Ui::TFormChangeDay> ui;
    DayBoxes boxes_;
    QString name_;
    QDate date_;
    DayEntry standard_;
    Overlaps overlaps_;
};
