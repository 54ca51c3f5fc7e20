#pragma once

#include "patterns/ShiftPatterns.h"

#include <QDialog>
#include <QList>
#include <utility>

class QComboBox;
class QCheckBox;

// The dialog "労務の条件" of one employee of the pattern window's "職員" tab: the person's rules
// for the labour check (each field with the article it comes from in its tool tip), "固定" or
// "シフト制", and "人数に数えない". "OK" checks every field with the rules of PersonRules and names
// the first one that cannot be kept, with the values it takes, before it closes.
class TDialogPersonRules : public QDialog {
    Q_OBJECT
public:
    TDialogPersonRules(const patterns::StaffLine& line, QWidget* parent);

    // The line with the fields as accepted.
    const patterns::StaffLine& line() const { return line_; }
    // The field's control, by the field's name ("生年月日", "勤務の形", …).
    QWidget* field(const QString& name) const;

    void done(int result) override;

private:
    patterns::StaffLine line_;
    QList<std::pair<labour::PersonField, QWidget*>> fields_;
    QComboBox* shiftWork_ = nullptr;
    QCheckBox* uncounted_ = nullptr;
};
