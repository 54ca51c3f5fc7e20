#include "targets/Unittarget.h"
#include "ui_Unittarget.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "targets/Coverage.h"
#include "targets/Holidays.h"
#include "views/Calendar.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>
#include <set>

using targets::HourTarget;
using targets::kHours;
using targets::TargetRow;

namespace {

// clang-format off
const QString kUsage = QStringLiteral("【必要人数設定】\r\n\r\n■ 行は曜日・祝日・日付，列は時間帯（9時は 9:00～10:00）です．セルに「3」（3人以上），「3-5」（3人以上5人以下），「-5」（5人以下）を入力します．空欄は指定なしです．\r\n\r\n■ 祝日には「祝」の行が（指定のあるときに限り），日付の行のある日にはその行が，ほかの日には曜日の行が使われます．\r\n\r\n■ セルの範囲を選択して「範囲に入力」（Ctrl+D）で同じ値を入力し，「クリア」（Delete）で消します．Ctrl+C，Ctrl+V でコピー・貼り付けができます．\r\n\r\n■ 「選択した行へコピー」は，コピー元の行を選択したセルの行に写します．「日付の行を追加」は，選んだ日付の行を，その日の今の必要人数の写しとして追加します．\r\n\r\n■ 「元に戻す」（Ctrl+Z），「やり直し」（Ctrl+Y）で，この画面を開いている間の編集を取り消し・再実行できます．\r\n\r\n■ 「登録」（Ctrl+S）で登録した必要人数は，終了時に zelrotandata4.zel に保存されます．\r\n\r\n■ １時間のうち30分以上勤務する従業員を，その時間帯の人数に数えます．休憩時間は差し引いていません．");
const QString kFieldHelp = QStringLiteral("■ 「3」は3人以上，「3-5」は3人以上5人以下，「-5」は5人以下，空欄は指定なしです（0～30人，半角数字）．");
const QString kNoCells = QStringLiteral("▼ 対象のセルを選択してください．");
const QString kNoCopyRows = QStringLiteral("▼ コピー先の行のセルを選択してください．（コピー元の行は除きます）");
const QString kNoDate = QStringLiteral("▼ 追加できる勤務期間の日付がありません．");
const QString kNoDateRows = QStringLiteral("▼ 削除する日付の行のセルを選択してください．（曜日・祝日の行は削除できません）");
const QString kEmptyDateRows = QStringLiteral("※ 必要人数が１つもない日付の行は登録されません．その日付には，祝日又は曜日の行が使われます．");
const QString kUnregistered = QStringLiteral("▼ 登録していない変更があります．\r\n\r\n▽ 変更を登録せずに閉じますか？");
// clang-format on

constexpr int kColumnWidth = 36;
constexpr int kRowHeight = 22;

QString dateLabel(QDate date, bool withYear)
{
    return (withYear ? QString::number(date.year()) + u'/' : QString()) + QString::number(date.month()) + u'/'
        + QString::number(date.day()) + QStringLiteral("（") + views::weekdayKanji(clock_::weekdayCode(date))
        + QStringLiteral("）") + (holidays::isNationalHoliday(date) ? QStringLiteral("祝") : QString());
}

// "H時 target" of every hour with a target, joined by "，".
QString rowText(const TargetRow& row)
{
    QStringList hours;
    for (int h = 0; h < kHours; ++h)
        if (!row[h].isEmpty())
            hours << QStringLiteral("%1時 %2").arg(h).arg(targets::fieldText(row[h]));
    return hours.join(QStringLiteral("，"));
}

} // namespace

// One undoable edit: the sheet before and after it.
class TFormTarget::SheetCommand : public QUndoCommand {
public:
    SheetCommand(TFormTarget& window, const QString& text, Sheet before, Sheet after)
        : QUndoCommand(text)
        , window_(window)
        , before_(std::move(before))
        , after_(std::move(after))
    {
    }
    void redo() override { window_.setSheet(after_); }
    void undo() override { window_.setSheet(before_); }

private:
    TFormTarget& window_;
    Sheet before_;
    Sheet after_;
};

TFormTarget::TFormTarget(Forms& forms)
    : ui(std::make_unique<Ui::TFormTarget>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    QTableWidget* grid = ui->StringGrid1;
    grid->setColumnCount(kHours);
    for (int h = 0; h < kHours; ++h)
        grid->setHorizontalHeaderItem(h, new QTableWidgetItem(QStringLiteral("%1時").arg(h)));
    scaleGridCells(this, grid, kColumnWidth, kRowHeight); // the cells grow with the window
    connect(grid, &QTableWidget::cellChanged, this, &TFormTarget::StringGrid1CellChanged);

    // The commands on cells act on the grid: their keys are the grid's, so the value box and the
    // list keep their own copy, paste and delete.
    for (QAction* cells : { ui->NCopy, ui->NPaste, ui->NClear }) {
        cells->setShortcutContext(Qt::WidgetShortcut);
        grid->addAction(cells);
    }
    ui->NRedo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });

    const auto guarded = [this](void (TFormTarget::*handler)()) {
        return [this, handler] { dialogs::guard([this, handler] { (this->*handler)(); }); };
    };
    const std::pair<QAction*, void (TFormTarget::*)()> commands[] = {
        { ui->NCopy, &TFormTarget::NCopyClick },
        { ui->NPaste, &TFormTarget::NPasteClick },
        { ui->NClear, &TFormTarget::NClearClick },
        { ui->NFill, &TFormTarget::NFillClick },
        { ui->NCopyRow, &TFormTarget::NCopyRowClick },
        { ui->NAddDate, &TFormTarget::NAddDateClick },
        { ui->NDeleteDate, &TFormTarget::NDeleteDateClick },
        { ui->NRegister, &TFormTarget::NRegisterClick },
        { ui->N12, &TFormTarget::N12Click },
    };
    for (const auto& [item, handler] : commands)
        connect(item, &QAction::triggered, this, guarded(handler));
    connect(ui->NUndo, &QAction::triggered, &undo_, &QUndoStack::undo);
    connect(ui->NRedo, &QAction::triggered, &undo_, &QUndoStack::redo);
    connect(ui->NClose, &QAction::triggered, this, &QWidget::close);
    const std::pair<QPushButton*, QAction*> buttons[] = {
        { ui->BtnFill, ui->NFill },
        { ui->BtnClear, ui->NClear },
        { ui->BtnCopyRow, ui->NCopyRow },
        { ui->BtnAddDate, ui->NAddDate },
        { ui->BtnDeleteDate, ui->NDeleteDate },
        { ui->BtnUndo, ui->NUndo },
        { ui->BtnRedo, ui->NRedo },
        { ui->BtnRegister, ui->NRegister },
        { ui->BtnClose, ui->NClose },
    };
    for (const auto& [button, item] : buttons)
        connect(button, &QPushButton::clicked, item, &QAction::trigger);
    connect(ui->EditValue, &QLineEdit::returnPressed, ui->NFill, &QAction::trigger);
    connect(ui->BtnDeleteApart, &QPushButton::clicked, this, guarded(&TFormTarget::BtnDeleteApartClick));
    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this,
        [this] { ui->BtnDeleteApart->setEnabled(!ui->ListBox1->selectedItems().isEmpty()); });
    for (QObject* undo : std::initializer_list<QObject*> { ui->NUndo, ui->BtnUndo })
        connect(&undo_, &QUndoStack::canUndoChanged, undo, [undo](bool on) { undo->setProperty("enabled", on); });
    for (QObject* redo : std::initializer_list<QObject*> { ui->NRedo, ui->BtnRedo })
        connect(&undo_, &QUndoStack::canRedoChanged, redo, [redo](bool on) { redo->setProperty("enabled", on); });
    for (QAction* item : { ui->NUndo, ui->NRedo })
        item->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->BtnUndo, ui->BtnRedo, ui->BtnDeleteApart })
        w->setEnabled(false);
}

TFormTarget::~TFormTarget()
{
    // An editor still open commits its text while the grid is destroyed, after this window's
    // own part is gone.
    ui->StringGrid1->disconnect(this);
}

// ---- Showing and closing ----

void TFormTarget::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    period_ = daychanges::EffectiveSchedule(*forms_.FormData).dates();
    Sheet sheet { forms_.FormData->staffTargets, {} };
    for (const QDate date : sheet.table.dates.keys())
        if (period_.contains(date))
            sheet.dateRows.append(date);
    setSheet(sheet);
    ui->StringGrid1->setCurrentCell(0, 0);
    ui->StringGrid1->setFocus();
}

void TFormTarget::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        undo_.clear(); // what can be undone is what was done while the window was open
}

void TFormTarget::closeEvent(QCloseEvent* event)
{
    if (sheet_.table != forms_.FormData->staffTargets
        && dialogs::message(dialogs::Kind::Warning, kUnregistered, dialogs::Buttons::YesNo, this)
            != dialogs::Answer::Yes) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}

// ---- The sheet ----

TargetRow TFormTarget::rowOf(const Sheet& sheet, int gridRow)
{
    if (gridRow < 7)
        return sheet.table.weekday(gridRow + 1);
    if (gridRow == 7)
        return sheet.table.holiday;
    return sheet.table.dates.value(sheet.dateRows.at(gridRow - kFirstDateRow));
}

void TFormTarget::setRow(Sheet& sheet, int gridRow, const TargetRow& row)
{
    if (gridRow < 7)
        sheet.table.weekday(gridRow + 1) = row;
    else if (gridRow == 7)
        sheet.table.holiday = row;
    else
        sheet.table.setDate(sheet.dateRows.at(gridRow - kFirstDateRow), row);
}

void TFormTarget::setSheet(const Sheet& sheet)
{
    sheet_ = sheet;
    refresh();
}

void TFormTarget::apply(const QString& text, const Sheet& after)
{
    if (after != sheet_)
        undo_.push(new SheetCommand(*this, text, sheet_, after)); // carries the edit out at once
}

// Shows the sheet: the grid's texts (its items are kept, so an edit being committed keeps its
// cell), the rows to copy from, the dates that can get a row and the rows outside the period.
void TFormTarget::refresh()
{
    QTableWidget* grid = ui->StringGrid1;
    const QSignalBlocker blocker(grid);
    const int rows = kFirstDateRow + static_cast<int>(sheet_.dateRows.size());
    grid->setRowCount(rows);
    QStringList labels;
    for (int code = 1; code <= 7; ++code)
        labels << targets::weekdayKey(code);
    labels << targets::kHolidayKey;
    for (const QDate date : sheet_.dateRows)
        labels << dateLabel(date, false);
    for (int r = 0; r < rows; ++r) {
        grid->setVerticalHeaderItem(r, new QTableWidgetItem(labels[r]));
        const TargetRow row = rowOf(sheet_, r);
        for (int h = 0; h < kHours; ++h) {
            QTableWidgetItem* item = grid->item(r, h);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                grid->setItem(r, h, item);
            }
            item->setText(targets::fieldText(row[h]));
        }
    }

    const int source = ui->ComSource->currentIndex();
    ui->ComSource->clear();
    ui->ComSource->addItems(labels);
    ui->ComSource->setCurrentIndex(std::clamp(source, 0, rows - 1));

    ui->ComDate->clear();
    for (const QDate date : period_)
        if (!sheet_.dateRows.contains(date))
            ui->ComDate->addItem(dateLabel(date, false), date);

    ui->ListBox1->clear();
    for (auto it = sheet_.table.dates.cbegin(); it != sheet_.table.dates.cend(); ++it) {
        if (period_.contains(it.key()))
            continue;
        auto* item = new QListWidgetItem(dateLabel(it.key(), true) + QStringLiteral("：") + rowText(it.value()));
        item->setData(Qt::UserRole, it.key());
        ui->ListBox1->addItem(item);
    }
    ui->BtnDeleteApart->setEnabled(false);
}

// ---- Cells ----

QList<QModelIndex> TFormTarget::selectedCells() const
{
    QList<QModelIndex> cells = ui->StringGrid1->selectionModel()->selectedIndexes();
    std::sort(cells.begin(), cells.end());
    return cells;
}

QList<int> TFormTarget::selectedRows() const
{
    std::set<int> rows;
    for (const QModelIndex& cell : selectedCells())
        rows.insert(cell.row());
    return { rows.begin(), rows.end() };
}

std::optional<HourTarget> TFormTarget::targetOf(const QString& typed)
{
    // As an input method types them: full-width digits and dashes.
    QString text = numbers::asciiDigits(typed).trimmed();
    for (const QChar dash : { u'－', u'−', u'ー', u'‐' })
        text.replace(dash, u'-');
    QString fault;
    const auto target = targets::parseField(text, &fault);
    if (!target)
        dialogs::message(dialogs::Kind::Warning,
            QStringLiteral("▼ 「%1」は必要人数に使えません：%2．\r\n\r\n").arg(typed, fault) + kFieldHelp,
            dialogs::Buttons::Ok, this);
    return target;
}

void TFormTarget::setCells(const QString& text, const QList<std::pair<QModelIndex, HourTarget>>& cells)
{
    Sheet after = sheet_;
    for (const auto& [cell, target] : cells) {
        TargetRow row = rowOf(after, cell.row());
        row[cell.column()] = target;
        setRow(after, cell.row(), row);
    }
    apply(text, after);
}

void TFormTarget::StringGrid1CellChanged(int row, int column)
{
    const auto target = targetOf(ui->StringGrid1->item(row, column)->text());
    if (!target) {
        refresh(); // the cell shows its target again
        return;
    }
    setCells(QStringLiteral("入力"), { { ui->StringGrid1->model()->index(row, column), *target } });
    refresh(); // the text as the table writes it ("０３" typed shows "3")
}

void TFormTarget::NCopyClick()
{
    const QList<QModelIndex> cells = selectedCells();
    if (cells.isEmpty())
        return;
    // The rectangle around the selection, cells outside it left empty.
    int top = kFirstDateRow + static_cast<int>(sheet_.dateRows.size());
    int bottom = -1;
    int left = kHours;
    int right = -1;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    QStringList lines;
    for (int r = top; r <= bottom; ++r) {
        QStringList fields;
        for (int h = left; h <= right; ++h)
            fields << (cells.contains(ui->StringGrid1->model()->index(r, h)) ? ui->StringGrid1->item(r, h)->text()
                                                                             : QString());
        lines << fields.join(u'\t');
    }
    QGuiApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

void TFormTarget::NPasteClick()
{
    QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    QList<QList<HourTarget>> block;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        QList<HourTarget>& values = block.emplaceBack();
        for (const QString& field : line.split(u'\t')) {
            const auto target = targetOf(field);
            if (!target)
                return;
            values << *target;
        }
    }
    const QList<QModelIndex> selected = selectedCells();
    QList<std::pair<QModelIndex, HourTarget>> cells;
    if (block.size() == 1 && block[0].size() == 1) {
        // One value fills every selected cell.
        for (const QModelIndex& cell : selected)
            cells.append({ cell, block[0][0] });
    } else {
        // A block goes from the selection's first cell; what falls outside the grid is left out.
        const QModelIndex start = selected.isEmpty() ? ui->StringGrid1->currentIndex() : selected.first();
        for (int r = 0; start.isValid() && r < block.size(); ++r)
            for (int h = 0; h < block[r].size(); ++h)
                if (const QModelIndex cell = start.siblingAtRow(start.row() + r);
                    cell.isValid() && start.column() + h < kHours)
                    cells.append({ cell.siblingAtColumn(start.column() + h), block[r][h] });
    }
    if (cells.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoCells, dialogs::Buttons::Ok, this);
        return;
    }
    setCells(QStringLiteral("貼り付け"), cells);
}

void TFormTarget::NClearClick()
{
    QList<std::pair<QModelIndex, HourTarget>> cells;
    for (const QModelIndex& cell : selectedCells())
        cells.append({ cell, HourTarget() });
    if (cells.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoCells, dialogs::Buttons::Ok, this);
        return;
    }
    setCells(QStringLiteral("クリア"), cells);
}

void TFormTarget::NFillClick()
{
    const QList<QModelIndex> selected = selectedCells();
    if (selected.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoCells, dialogs::Buttons::Ok, this);
        return;
    }
    const auto target = targetOf(ui->EditValue->text());
    if (!target)
        return;
    QList<std::pair<QModelIndex, HourTarget>> cells;
    for (const QModelIndex& cell : selected)
        cells.append({ cell, *target });
    setCells(QStringLiteral("範囲に入力"), cells);
}

// ---- Rows ----

void TFormTarget::NCopyRowClick()
{
    const int source = ui->ComSource->currentIndex();
    QList<int> rows = selectedRows();
    rows.removeAll(source);
    if (source < 0 || rows.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoCopyRows, dialogs::Buttons::Ok, this);
        return;
    }
    Sheet after = sheet_;
    for (const int row : rows)
        setRow(after, row, rowOf(sheet_, source));
    apply(QStringLiteral("行のコピー"), after);
}

void TFormTarget::NAddDateClick()
{
    const QDate date = ui->ComDate->currentData().toDate();
    if (!date.isValid()) {
        dialogs::message(dialogs::Kind::Information, kNoDate, dialogs::Buttons::Ok, this);
        return;
    }
    Sheet after = sheet_;
    const auto at = std::lower_bound(after.dateRows.begin(), after.dateRows.end(), date);
    const int row = kFirstDateRow + static_cast<int>(at - after.dateRows.begin());
    after.dateRows.insert(at, date);
    // A copy of the row the date takes now.
    setRow(after, row, targets::rowFor(sheet_.table, date));
    apply(QStringLiteral("日付の行の追加"), after);
    ui->StringGrid1->setCurrentCell(row, 0);
}

void TFormTarget::NDeleteDateClick()
{
    Sheet after = sheet_;
    for (const int row : selectedRows()) {
        if (row < kFirstDateRow)
            continue;
        const QDate date = sheet_.dateRows.at(row - kFirstDateRow);
        after.dateRows.removeOne(date);
        after.table.dates.remove(date);
    }
    if (after == sheet_) {
        dialogs::message(dialogs::Kind::Information, kNoDateRows, dialogs::Buttons::Ok, this);
        return;
    }
    ui->StringGrid1->clearSelection();
    apply(QStringLiteral("日付の行の削除"), after);
}

void TFormTarget::BtnDeleteApartClick()
{
    const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    Sheet after = sheet_;
    after.table.dates.remove(selected.first()->data(Qt::UserRole).toDate());
    apply(QStringLiteral("期間外の日付の行の削除"), after);
}

// ---- Registering ----

void TFormTarget::NRegisterClick()
{
    forms_.FormData->staffTargets = sheet_.table;
    Q_EMIT tableChanged();
    const bool emptyDateRow = std::any_of(sheet_.dateRows.begin(), sheet_.dateRows.end(),
        [this](QDate date) { return !sheet_.table.dates.contains(date); });
    if (emptyDateRow)
        dialogs::message(dialogs::Kind::Information, kEmptyDateRows, dialogs::Buttons::Ok, this);
}

void TFormTarget::N12Click()
{
    dialogs::message(dialogs::Kind::Plain, kUsage, dialogs::Buttons::Ok, this);
}
