#pragma once

#include "master/MasterRecord.h"
#include "patterns/ShiftPatterns.h"

#include <QDialog>
#include <QList>
#include <array>
#include <memory>
#include <optional>

class QComboBox;
namespace Ui {
class TFormPatternWeek;
}

// The dialog "勤務パターンで入力" of the employee master window: a shift pattern, a day off or
// nothing for each weekday, which the master window puts into its day blocks. A pattern whose
// times or break the master's boxes do not offer is not listed.
class TFormPatternWeek : public QDialog {
    Q_OBJECT
public:
    explicit TFormPatternWeek(QWidget* parent);
    ~TFormPatternWeek() override;

    // Offers the patterns, every weekday at "（そのまま）", and opens window-modal.
    void choose(const patterns::ShiftPatterns& patterns);
    // The day block of each weekday, Monday first; none for a weekday left as it is.
    std::array<std::optional<master::DayInput>, master::kDays> chosen() const;

private:
    std::array<QComboBox*, master::kDays> boxes() const;

    std::unique_ptr<Ui::TFormPatternWeek> ui;
    QList<master::DayInput> choices_;
};
