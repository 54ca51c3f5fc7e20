#pragma once

#include "labour/LabourSettings.h"
#include "patterns/ShiftPatterns.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QUndoStack>
#include <memory>
#include <optional>

struct Forms;
class TFormStaffImport;
namespace Ui {
class TFormPattern;
}

// The window "勤務パターン設定": the tab "勤務パターン" lists the workplace's shift patterns, which
// are added, changed, deleted and moved from the fields below the list, each field checked with
// a message that says what is wrong; a starting set fills an empty list. The tab "職員" sets per
// employee the working patterns they may work (a check box each) and their qualifications, lists
// the staff lines of names without a master row apart, registers employees from a CSV file, and
// opens the dialog of an employee's rules for the labour check. The tab "勤務の並び" edits the
// sequence rules and applies the ward guideline's preset, whose figures of the labour settings
// are edited with them.
// Every edit while the window is open can be undone; "登録" hands the edits to the data holder
// (the journal writes them at once), and a close with edits not registered asks first. The rules
// of the fields are the store's, the edits that keep the set whole are PatternEdits'.
class TFormPattern : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormPattern(Forms& forms);
    ~TFormPattern() override;

Q_SIGNALS:
    // The patterns or the employee master changed in the data holder (the journal writes them).
    void tableChanged();
    // The window was closed; the main window shows again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the window edits: the set, and an identity for each pattern that edits keep, so that
    // registering can carry a renamed or deleted pattern without times into the day changes that
    // carry its code.
    struct Sheet {
        patterns::ShiftPatterns set;
        QList<int> ids;
        labour::Settings settings; // the labour settings the ward guideline's preset sets

        bool operator==(const Sheet&) const = default;
    };
    class SheetCommand;

    void setSheet(const Sheet& sheet);
    void apply(const QString& text, const Sheet& after);
    void refresh();
    void refreshPatterns();
    void refreshStaff();
    void refreshSequence();
    // The sheet with the employee's line replaced; a line that says nothing is not kept.
    Sheet withStaffLine(const Sheet& sheet, const patterns::StaffLine& line) const;
    // The sequence rule of the fields, added to rules; false after telling the user what is wrong.
    bool addFieldsRule(labour::SequenceRules& rules);
    // The sequence rules without the one at position index of the list.
    labour::SequenceRules withoutRule(int index) const;
    void showRuleKind();
    int selectedPattern() const;
    void showPattern(int index);
    void showKind();
    void showNet();
    void showColour();
    // The pattern of the fields, or none after telling the user what is wrong.
    std::optional<patterns::Pattern> fieldsPattern();
    bool refuse(const QString& fault);
    QStringList employees() const;

    void BtnStarterClick();
    void BtnAddClick();
    void BtnChangeClick();
    void BtnDeleteClick();
    void move(int by);
    void BtnColourClick();
    void GridStaffItemChanged(int row, int column);
    void BtnDeleteApartClick();
    void BtnImportClick();
    void BtnPersonRulesClick();
    void BtnRuleAddClick();
    void BtnRuleChangeClick();
    void BtnRuleDeleteClick();
    void BtnWardGuidelineClick();
    void NRegisterClick();

    std::unique_ptr<Ui::TFormPattern> ui;
    Forms& forms_;
    Sheet sheet_;
    QHash<int, QString> registeredCodes_; // the code of each identity as last registered
    int nextId_ = 0;
    QString colour_ = QStringLiteral("#FFFFFF");
    QUndoStack undo_;
    std::unique_ptr<TFormStaffImport> import_;
};
