#pragma once

#include "targets/TargetTable.h"

#include <QDate>
#include <QList>
#include <QMainWindow>
#include <QUndoStack>
#include <memory>

struct Forms;
namespace Ui {
class TFormTarget;
}

// The target window "必要人数設定": a grid of the hours 0 to 23 over the rows 日 to 土, 祝 and the
// dates of the registered period that have a row of their own. Cells are typed (and checked),
// copied and pasted, cleared and filled as a range; a row is copied to other rows; a date's row
// is added as a copy of the row the date takes now, and deleted. Every edit while the window is
// open can be undone. "登録" hands the edits to the data holder's table; rows of dates outside
// the period are listed apart, where they can be deleted. Which row a date takes and where the
// period falls short is computed in targets/Coverage; this window only edits the table.
class TFormTarget : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormTarget(Forms& forms);
    ~TFormTarget() override;

Q_SIGNALS:
    // The edits were registered into the data holder's table (the recovery journal writes it).
    void tableChanged();
    // The window was closed; the main window shows again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the window edits: the table and the period's dates shown as rows of their own (a
    // date's row without a target stays shown until the window closes, though the table holds
    // no row for it).
    struct Sheet {
        targets::TargetTable table;
        QList<QDate> dateRows;

        bool operator==(const Sheet&) const = default;
    };
    class SheetCommand;

    // The grid rows: the weekdays, the holiday row, then the dates.
    static constexpr int kFirstDateRow = 8;
    static targets::TargetRow rowOf(const Sheet& sheet, int gridRow);
    static void setRow(Sheet& sheet, int gridRow, const targets::TargetRow& row);

    void refresh();
    void apply(const QString& text, const Sheet& after);
    void setSheet(const Sheet& sheet);
    QList<QModelIndex> selectedCells() const;
    QList<int> selectedRows() const;
    // Sets the cells to the targets; the text names the edit for undo.
    void setCells(const QString& text, const QList<std::pair<QModelIndex, targets::HourTarget>>& cells);
    // The target a typed text gives, or none after telling the user why it is not one.
    std::optional<targets::HourTarget> targetOf(const QString& typed);

    void StringGrid1CellChanged(int row, int column);
    void NCopyClick();
    void NPasteClick();
    void NClearClick();
    void NFillClick();
    void NCopyRowClick();
    void NAddDateClick();
    void NDeleteDateClick();
    void BtnDeleteApartClick();
    void NRegisterClick();
    void N12Click();

    std::unique_ptr<Ui::TFormTarget> ui;
    Forms& forms_;
    QList<QDate> period_;
    Sheet sheet_;
    QUndoStack undo_;
};
