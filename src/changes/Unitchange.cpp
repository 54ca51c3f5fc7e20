#include "changes/Unitchange.h"
#include "ui_Unitchange.h"

#include "app/Forms.h"
#include "app/WindowScaling.h"
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "changes/Unitchangeday.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "platform/Dialogs.h"
#include "views/Calendar.h"
#include "views/ScheduleView.h"

#include <Formetry.h>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace {

// clang-format off
const QString kUsage = QStringLiteral("【勤務変更】\r\n\r\n■ セルをダブル・クリック（又は Enter，F2）すると，その従業員のその日の勤務を変更できます．\r\n\r\n■ 同じ日付の２人のセルを選択して「入替」（Ctrl+E）を実行すると，２人の勤務を入れ替えます．\r\n\r\n■ 変更した日は，太字・下線・色付きで表示されます．セルのヒントに，標準の勤務と変更後の勤務が表示されます．\r\n\r\n■ 「元に戻す」（Ctrl+Z），「やり直し」（Ctrl+Y）で，この画面を開いている間の変更を取り消し・再実行できます．\r\n\r\n■ 勤務変更は，終了時に zelrotandata3.zel に保存されます．");
const QString kNoCell = QStringLiteral("▼ 変更する従業員と日付のセルを選択してください．");
const QString kSwapCells = QStringLiteral("▼ 入替は，同じ日付の２人のセルを選択して実行してください．");
const QString kSwapSameName = QStringLiteral("▼ 同じ氏名の従業員同士は，入れ替えられません．");
const QString kSwapNotStorable = QStringLiteral("▼ 従業員マスタの勤務に，勤務変更として保存できない時刻（５分刻みでない分など）があるため，入れ替えられません．従業員マスタ登録で勤務を登録し直してください．");
// clang-format on

const QColor kChangedBackground(255, 226, 170);
constexpr int kColumnWidth = 22; // forty days and the names fit the window's design width
constexpr int kRowHeight = 24;
constexpr int kNameRole = Qt::UserRole;
constexpr int kDateRole = Qt::UserRole + 1;

} // namespace

// One undoable edit of the day changes: its steps carried out forward, or back.
class TFormChange::StepsCommand : public QUndoCommand {
public:
    StepsCommand(TFormChange& window, const QString& text, QList<Step> steps)
        : QUndoCommand(text)
        , window_(window)
        , steps_(std::move(steps))
    {
    }
    void redo() override { window_.carryOut(steps_, true); }
    void undo() override { window_.carryOut(steps_, false); }

private:
    TFormChange& window_;
    QList<Step> steps_;
};

TFormChange::TFormChange(Forms& forms)
    : ui(std::make_unique<Ui::TFormChange>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    QTableWidget* grid = ui->StringGrid1;
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The days and rows grow and shrink with the window, as its other controls do.
    const auto sizeCells = [grid](double x, double y) {
        const int width = std::max(1, qRound(kColumnWidth * x));
        grid->horizontalHeader()->setMinimumSectionSize(width);
        grid->horizontalHeader()->setDefaultSectionSize(width);
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->verticalHeader()->setDefaultSectionSize(std::max(1, qRound(kRowHeight * y)));
    };
    sizeCells(1, 1);
    findChild<TFormetry*>(QString(), Qt::FindDirectChildrenOnly)
        ->setOnExitResize([sizeCells](TFormetry*, double x, double y) { sizeCells(x, y); });
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, &TFormChange::NEditClick);
    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this,
        [this] { ui->BtnDelete->setEnabled(!ui->ListBox1->selectedItems().isEmpty()); });

    dialog_ = new TFormChangeDay(this);
    connect(dialog_, &TFormChangeDay::registered, this, [this](const DayEntry& entry) {
        apply(QStringLiteral("変更の登録"), { stepTo(dialog_->name(), dialog_->date(), entry) });
    });
    connect(dialog_, &TFormChangeDay::standardWanted, this,
        [this] { apply(QStringLiteral("標準に戻す"), { stepTo(dialog_->name(), dialog_->date(), std::nullopt) }); });

    const auto guarded = [this](void (TFormChange::*handler)()) {
        return [this, handler] { dialogs::guard([this, handler] { (this->*handler)(); }); };
    };
    connect(ui->NEdit, &QAction::triggered, this, guarded(&TFormChange::NEditClick));
    connect(ui->NSwap, &QAction::triggered, this, guarded(&TFormChange::NSwapClick));
    connect(ui->NUndo, &QAction::triggered, &undo_, &QUndoStack::undo);
    connect(ui->NRedo, &QAction::triggered, &undo_, &QUndoStack::redo);
    connect(ui->NClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->N12, &QAction::triggered, this, &TFormChange::N12Click);
    connect(ui->BtnEdit, &QPushButton::clicked, ui->NEdit, &QAction::trigger);
    connect(ui->BtnSwap, &QPushButton::clicked, ui->NSwap, &QAction::trigger);
    connect(ui->BtnUndo, &QPushButton::clicked, ui->NUndo, &QAction::trigger);
    connect(ui->BtnRedo, &QPushButton::clicked, ui->NRedo, &QAction::trigger);
    connect(ui->BtnClose, &QPushButton::clicked, ui->NClose, &QAction::trigger);
    connect(ui->BtnDelete, &QPushButton::clicked, this, guarded(&TFormChange::BtnDeleteClick));
    for (QObject* undo : std::initializer_list<QObject*> { ui->NUndo, ui->BtnUndo })
        connect(&undo_, &QUndoStack::canUndoChanged, undo, [undo](bool on) { undo->setProperty("enabled", on); });
    for (QObject* redo : std::initializer_list<QObject*> { ui->NRedo, ui->BtnRedo })
        connect(&undo_, &QUndoStack::canRedoChanged, redo, [redo](bool on) { redo->setProperty("enabled", on); });
    for (QWidget* w : std::initializer_list<QWidget*> { ui->BtnUndo, ui->BtnRedo, ui->BtnDelete })
        w->setEnabled(false);
    ui->NUndo->setEnabled(false);
    ui->NRedo->setEnabled(false);
}

TFormChange::~TFormChange() = default;

// ---- Showing ----

void TFormChange::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    refresh();
    ui->StringGrid1->setCurrentCell(0, 0);
    ui->StringGrid1->setFocus();
}

void TFormChange::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    dialog_->reject();
    undo_.clear(); // what can be undone is what was done while the window was open
}

void TFormChange::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}

bool TFormChange::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui->NEdit->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The grid of every registered employee's entries over the period, the changes that take no
// effect, and the names that rows share.
void TFormChange::refresh()
{
    const daychanges::EffectiveSchedule schedule(*forms_.FormData);
    QTableWidget* grid = ui->StringGrid1;
    const QSignalBlocker blocker(grid);
    const int currentRow = grid->currentRow();
    const int currentColumn = grid->currentColumn();
    grid->clear();
    grid->setRowCount(schedule.employees());
    grid->setColumnCount(static_cast<int>(schedule.dates().size()));
    for (int day = 0; day < grid->columnCount(); ++day)
        grid->setHorizontalHeaderItem(day,
            new QTableWidgetItem(QStringLiteral("%1\n%2")
                                     .arg(schedule.dates()[day].day())
                                     .arg(views::weekdayKanji(schedule.weekdayCode(day)))));
    for (int row = 0; row < grid->rowCount(); ++row) {
        grid->setVerticalHeaderItem(row, new QTableWidgetItem(schedule.master().cell(0, row)));
        for (int day = 0; day < grid->columnCount(); ++day) {
            const DayEntry entry = schedule.entry(row, day);
            auto* item = new QTableWidgetItem(scheduleview::symbolOf(entry.attribute));
            item->setTextAlignment(Qt::AlignCenter);
            QString tip = QStringLiteral("標準：") + changes::entryText(schedule.standard(row, day));
            if (entry.changed) {
                // Marked by weight and underline as well as by colour.
                QFont font = item->font();
                font.setBold(true);
                font.setUnderline(true);
                item->setFont(font);
                item->setBackground(kChangedBackground);
                item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("勤務変更あり"));
                tip += QStringLiteral("\n変更：") + changes::entryText(entry);
            }
            item->setToolTip(tip);
            grid->setItem(row, day, item);
        }
    }
    if (currentRow >= 0 && currentColumn >= 0)
        grid->setCurrentCell(
            std::min(currentRow, grid->rowCount() - 1), std::min(currentColumn, grid->columnCount() - 1));

    ui->ListBox1->clear();
    for (const DayChange& change : schedule.apart()) {
        const bool registered = master::findEmployee(schedule.master(), change.name) >= 0;
        auto* item = new QListWidgetItem(changes::dateText(change.date) + QStringLiteral("　") + change.name
            + QStringLiteral("：") + changes::entryText(change.entry)
            + (registered ? QStringLiteral("（勤務期間外の日付）") : QStringLiteral("（マスタにない氏名）")));
        item->setData(kNameRole, change.name);
        item->setData(kDateRole, change.date);
        ui->ListBox1->addItem(item);
    }
    ui->BtnDelete->setEnabled(false);

    const QStringList shared = schedule.sharedNames();
    ui->LabelNote->setText(shared.isEmpty()
            ? QString()
            : QStringLiteral("※ 同じ氏名の従業員がいます（") + shared.join(QStringLiteral("，"))
                + QStringLiteral("）．その氏名の勤務変更は，同じ氏名の全員に共通です．"));
}

// ---- Commands ----

void TFormChange::NEditClick()
{
    // The one selected cell (an assistive tool selects without moving the current cell), else
    // the current one.
    const QModelIndexList selected = ui->StringGrid1->selectionModel()->selectedIndexes();
    const QModelIndex cell = selected.size() == 1 ? selected.first() : ui->StringGrid1->currentIndex();
    const int row = cell.row();
    const int day = cell.column();
    const daychanges::EffectiveSchedule schedule(*forms_.FormData);
    if (row < 0 || day < 0 || row >= schedule.employees() || day >= schedule.dates().size()) {
        dialogs::message(dialogs::Kind::Information, kNoCell, dialogs::Buttons::Ok, this);
        return;
    }
    dialog_->edit(
        schedule.master().cell(0, row), schedule.dates()[day], schedule.standard(row, day), schedule.entry(row, day));
}

void TFormChange::NSwapClick()
{
    const QModelIndexList cells = ui->StringGrid1->selectionModel()->selectedIndexes();
    if (cells.size() != 2 || cells[0].column() != cells[1].column()) {
        dialogs::message(dialogs::Kind::Information, kSwapCells, dialogs::Buttons::Ok, this);
        return;
    }
    const daychanges::EffectiveSchedule schedule(*forms_.FormData);
    const int day = cells[0].column();
    const QString nameA = schedule.master().cell(0, cells[0].row());
    const QString nameB = schedule.master().cell(0, cells[1].row());
    DayChanges swapped = forms_.FormData->dayChanges;
    switch (daychanges::swapDay(swapped, schedule, cells[0].row(), cells[1].row(), day)) {
    case daychanges::SwapOutcome::Swapped:
        break;
    case daychanges::SwapOutcome::NotTwoEmployees:
        dialogs::message(dialogs::Kind::Information, kSwapSameName, dialogs::Buttons::Ok, this);
        return;
    case daychanges::SwapOutcome::NotStorable:
        dialogs::message(dialogs::Kind::Warning, kSwapNotStorable, dialogs::Buttons::Ok, this);
        return;
    }
    const QDate date = schedule.dates()[day];
    apply(QStringLiteral("入替"),
        { stepTo(nameA, date, swapped.find(nameA, date)), stepTo(nameB, date, swapped.find(nameB, date)) });
}

void TFormChange::BtnDeleteClick()
{
    const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem* item = selected.first();
    apply(QStringLiteral("削除"),
        { stepTo(item->data(kNameRole).toString(), item->data(kDateRole).toDate(), std::nullopt) });
}

void TFormChange::N12Click()
{
    dialogs::message(dialogs::Kind::Plain, kUsage, dialogs::Buttons::Ok, this);
}

TFormChange::Step TFormChange::stepTo(const QString& name, QDate date, std::optional<DayEntry> after) const
{
    return { name, date, forms_.FormData->dayChanges.find(name, date), std::move(after) };
}

void TFormChange::apply(const QString& text, const QList<Step>& steps)
{
    undo_.push(new StepsCommand(*this, text, steps)); // carries the steps out at once
}

void TFormChange::carryOut(const QList<Step>& steps, bool forward)
{
    DayChanges& changes = forms_.FormData->dayChanges;
    for (const Step& step : steps) {
        const std::optional<DayEntry>& entry = forward ? step.after : step.before;
        if (entry)
            changes.set(step.name, step.date, *entry);
        else
            changes.remove(step.name, step.date);
    }
    refresh();
    Q_EMIT tableChanged();
}
