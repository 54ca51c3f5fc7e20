#pragma once

#include "changes/ChangeGrid.h"
#include "changes/DayEntry.h"
#include "changes/EffectiveSchedule.h"
#include "changes/Unitchangeapart.h"
#include "requests/RequestEdits.h"

#include <QDate>
#include <QMainWindow>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>

struct Forms;
class PeriodChooser;
class TFormChangeDay;
class TFormData;
class TFormProposal;
class TFormLines;
class TFormRequestImport;
class TFormRequestNote;
namespace changes {
class ChangeCodes;
}
namespace Ui {
class TFormChange;
}

// The change window "勤務変更": every registered employee's entry on every day of the period
// chosen in it (the registered one or the next) as its schedule symbol, with the day changes,
// the staff's wishes and the labour rules' findings marked in the cells and the short and over
// hours in the date headers. The dialog sets or removes the change of one cell, "入替" swaps two
// employees on one date, the menu "希望" sets, clears and annotates the wishes of the selected
// cells and imports them from a CSV file; every change and wish edited while the window is open
// can be undone and redone. Changes and wishes that take effect in neither period are listed
// apart in a dialog of their own, where they can be deleted. The menu "帳票" opens the period's reports, prints and
// exports for the chosen period. "勤務案の作成…" asks for a proposal of the period and shows it in the grid, which
// cannot be edited until the proposal is adopted as day changes (one undoable step) or discarded. What takes effect,
// and every mark, is computed by the logic it calls (daychanges::EffectiveSchedule, requests, labour, targets,
// proposal); this window shows it and edits the data holder's day changes and requests. With the
// workplace's shift patterns the cells show codes over a legend of them, and a code typed on the
// grid (or chosen from the cell's menu, the legend or Alt+1…9) applies its pattern to the selected
// cells and the day that must follow in one undoable step.
class TFormChange : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormChange(Forms& forms);
    ~TFormChange() override;

Q_SIGNALS:
    // The day changes or the requests were edited (the recovery journal writes them).
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
    // One undoable edit: day changes and wishes share the undo stack.
    struct Edits {
        QList<Step> days;
        QList<requests::Edit> wishes;
    };
    class EditCommand;

    // The data the grid shows: the data holder's, or a proposal's changes over it while one is shown.
    const TFormData& shownData() const;
    daychanges::EffectiveSchedule schedule() const;
    void refresh();
    // The selected cells (else the current one) of registered rows, as names and dates.
    QList<requests::Cell> selectedCells() const;
    void NEditClick();
    void NSwapClick();
    // Whether a swap may give the row this entry on date: refused when it can hold no work, asked
    // about when it holds suspiciously little or overlaps the row's shifts around it.
    bool swapKeeps(const daychanges::EffectiveSchedule& schedule, int row, QDate date, const DayEntry& entry);
    // Deletes a change or wish that takes effect in neither period.
    void deleteApart(const TFormChangeApart::Item& item);
    void N12Click();
    void wishClick(requests::Kind kind);
    void NWishClearClick();
    void NWishNoteClick();
    void NWishImportClick();
    // Applies the pattern (a position in the workplace's patterns) to the selected cells.
    void applyCode(int pattern);
    // Whether a cell lies on a day that is not planned; tells the user so.
    bool refusesLocked(const QList<requests::Cell>& cells);
    void printChart(bool perEmployee);
    // Publishes the roster up to the current cell's date ("確定日"), or up to no date.
    void setPublished(QDate date);
    void NProposeClick();
    // Shows a proposal in the grid with its summary; the grid cannot be edited while it is shown.
    void showProposal(const QList<DayChange>& changes, const QString& summary);
    void NAdoptClick();
    // Drops the proposal shown, if any, and lets the grid be edited again.
    void endProposal();
    void setEditable(bool on);
    void showReport(std::unique_ptr<TFormLines>& report, const std::function<std::unique_ptr<TFormLines>()>& make);
    // Records the edits as one undoable step and carries them out; nothing when they change nothing.
    void apply(const QString& text, Edits edits);
    void carryOut(const Edits& edits, bool forward);
    Step stepTo(const QString& name, QDate date, std::optional<DayEntry> after) const;

    std::unique_ptr<Ui::TFormChange> ui;
    Forms& forms_;
    PeriodChooser* period_ = nullptr;
    QAction* NPublished = nullptr; // "確定日をこの日にする"
    QAction* NPublishedClear = nullptr;
    TFormChangeDay* dialog_ = nullptr;
    TFormChangeApart* apartDialog_ = nullptr;
    TFormRequestNote* noteDialog_ = nullptr;
    TFormRequestImport* importDialog_ = nullptr;
    TFormProposal* proposalDialog_ = nullptr;
    QList<DayChange> proposal_; // the proposal shown
    std::unique_ptr<TFormData> proposed_; // the data with the proposal's changes, while one is shown
    QList<requests::Cell> noteCells_; // the cells the note dialog was opened for
    QString importFolder_; // where the last import was read from, in this run
    // The period's reports, created on first use.
    std::unique_ptr<TFormLines> shortageList_;
    std::unique_ptr<TFormLines> labourCheck_;
    std::unique_ptr<TFormLines> wishReport_;
    QUndoStack undo_;
    changes::ChangeGrid grid_;
    changes::ChangeCodes* codes_ = nullptr;
};
