#pragma once

#include "changes/DayEntry.h"

#include <QDate>
#include <QMainWindow>
#include <QUndoStack>
#include <memory>
#include <optional>

struct Forms;
class TFormChangeDay;
namespace Ui {
class TFormChange;
}

// The change window "勤務変更": every registered employee's entry on every day of the period as
// its schedule symbol, with the day changes marked; the dialog sets or removes the change of one
// cell, "入替" swaps two employees on one date, and every change made while the window is open
// can be undone and redone. Changes of a name without a master row or of a date outside the
// period are listed apart, where they can be deleted. What takes effect is computed by
// daychanges::EffectiveSchedule; this window shows it and edits the data holder's day changes.
class TFormChange : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormChange(Forms& forms);
    ~TFormChange() override;

Q_SIGNALS:
    // The day changes were edited (the recovery journal writes them).
    void tableChanged();
    // The window was closed; the main window shows again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One edited day: what the change of name on date was before and is after.
    struct Step {
        QString name;
        QDate date;
        std::optional<DayEntry> before;
        std::optional<DayEntry> after;
    };
    class StepsCommand;

    void refresh();
    void NEditClick();
    void NSwapClick();
    void BtnDeleteClick();
    void N12Click();
    // Records the steps as one undoable edit and carries them out.
    void apply(const QString& text, const QList<Step>& steps);
    void carryOut(const QList<Step>& steps, bool forward);
    Step stepTo(const QString& name, QDate date, std::optional<DayEntry> after) const;

    std::unique_ptr<Ui::TFormChange> ui;
    Forms& forms_;
    TFormChangeDay* dialog_ = nullptr;
    QUndoStack undo_;
};
