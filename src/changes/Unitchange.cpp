#include "changes/Unitchange.h"
#include "ui_Unitchange.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "changes/DayText.h"
#include "changes/PeriodChooser.h"
#include "changes/Unitchangeday.h"
#include "data/Unitdata.h"
#include "exports/PeriodSchedule.h"
#include "labour/LabourReport.h"
#include "labour/LabourRules.h"
#include "master/MasterRecord.h"
#include "platform/Dialogs.h"
#include "proposal/Unitproposal.h"
#include "reports/Unitlines.h"
#include "reports/ViewOutput.h"
#include "requests/RequestImport.h"
#include "requests/RequestView.h"
#include "requests/Unitrequestimport.h"
#include "requests/Unitrequestnote.h"
#include "targets/ShortageList.h"
#include "targets/TargetLines.h"
#include "views/Calendar.h"
#include "views/ScheduleView.h"
#include "wallchart/WallChart.h"
#include "wallchart/WallChartPrint.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QSet>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// clang-format off
const QString kUsage = QStringLiteral("【勤務変更】\r\n\r\n■ 「今の期間」（Ctrl+PgUp）と「次の期間」（Ctrl+PgDown）を，左上の欄又は「期間」メニューで切り替えます．次の期間は，今の期間の翌日から始まる期間で，その初日に勤務期間を登録すると，入力した勤務変更と希望がそのまま使われます．\r\n\r\n■ セルをダブル・クリック（又は Enter，F2）すると，その従業員のその日の勤務を変更できます．\r\n\r\n■ 同じ日付の２人のセルを選択して「入替」（Ctrl+E）を実行すると，２人の勤務を入れ替えます．\r\n\r\n■ 変更した日は，太字・下線・色付きで表示されます．セルのヒントに，標準の勤務と変更後の勤務が表示されます．\r\n\r\n■ 「希望」メニューで，選択したセルに希望休（Ctrl+1），出勤不可（Ctrl+2），出勤希望（Ctrl+3）を登録し，希望を消し（Ctrl+0），メモを付けます（Ctrl+M）．希望はセルの下に「休」「不」「出」と表示され，勤務が希望と異なると「！」が付きます．\r\n\r\n■ 「希望の取り込み…」（Ctrl+I）で，フォームや表計算ソフトの CSV ファイル（氏名，日付，種類，メモ）から希望を読み込みます．取り込む前に，取り込む希望と取り込まない行が表示されます．\r\n\r\n■ 労務の指摘（休憩不足，連続勤務など）のある日には「※」が付きます．日付の「▲」は人員不足，「△」は人員超過の時間帯がある日です．内容は，セルと日付のヒントに表示されます．\r\n\r\n■ 「帳票」メニューで，選んだ期間の人員過不足一覧，労務チェック，希望の反映状況，月間シフト表，個人別の印刷，エクスポートを実行します．\r\n\r\n■ 「勤務案の作成…」（Ctrl+G）で，選んだ期間の明日以降の勤務案を作ります．勤務案は点線の枠で表示され，「採用」で勤務変更として登録し，「破棄」で捨てます．勤務案の表示中は，表を編集できません．\r\n\r\n■ 「元に戻す」（Ctrl+Z），「やり直し」（Ctrl+Y）で，この画面を開いている間の変更と希望の登録を取り消し・再実行できます．\r\n\r\n■ 勤務変更は zelrotandata3.zel に，希望は zelrotandata6.zel に，終了時に保存されます．");
const QString kNoCell = QStringLiteral("▼ 変更する従業員と日付のセルを選択してください．");
const QString kSwapCells = QStringLiteral("▼ 入替は，同じ日付の２人のセルを選択して実行してください．");
const QString kSwapSameName = QStringLiteral("▼ 同じ氏名の従業員同士は，入れ替えられません．");
const QString kSwapNotStorable = QStringLiteral("▼ 従業員マスタの勤務に，勤務変更として保存できない時刻（５分刻みでない分など）があるため，入れ替えられません．従業員マスタ登録で勤務を登録し直してください．");
const QString kNoWishCell = QStringLiteral("▼ 希望を登録する従業員と日付のセルを選択してください．");
const QString kNoteNeedsWish = QStringLiteral("▼ メモは希望に付けます．先に，希望休・出勤不可・出勤希望のどれかを登録してください．");
const QString kImportUnreadable = QStringLiteral("▼ ファイルを読み込めませんでした．");
const QString kImportTooLarge = QStringLiteral("▼ ファイルが大きすぎます．希望の取り込みは，１ＭＢまでのファイルです．");
const QString kLabourUsage = QStringLiteral("【労務チェック】\r\n\r\n■ 選んだ勤務期間の勤務（勤務変更を含む）を，労務設定の値で調べます．休憩，週休日，連続勤務，勤務間インターバル，最低賃金の指摘と，深夜・時間外の法定割増の概算を表示します．\r\n\r\n■ 金額は計画のための概算で，給与計算ではありません．\r\n\r\n■ マウスの右クリックで，機能メニューが表示されます．");
const QString kWishUsage = QStringLiteral("【希望の反映状況】\r\n\r\n■ 選んだ勤務期間の希望（希望休・出勤不可・出勤希望）が，勤務変更を含めた勤務に反映されているかを，従業員ごとに表示します．\r\n\r\n■ 希望休と出勤不可は勤務日でない日，出勤希望は勤務日のとき，反映されたと数えます．\r\n\r\n■ マウスの右クリックで，機能メニューが表示されます．");
// clang-format on

const QColor kChangedBackground(255, 226, 170);
const QColor kWishBand(205, 228, 255); // under the mark of a wish
const QColor kAgainstBand(255, 205, 214); // under the mark of a wish the entry goes against
const QColor kFindingText(176, 0, 0);
const QString kFindingMark = QStringLiteral("※");
constexpr int kColumnWidth = 22; // forty days and the names fit the window's design width
constexpr int kRowHeight = 30; // the symbol over the marks
constexpr int kNameRole = Qt::UserRole;
constexpr int kDateRole = Qt::UserRole + 1;
constexpr int kWishRole = Qt::UserRole + 2; // a list item apart: a wish, not a change
constexpr int kWishMarkRole = Qt::UserRole + 3; // requests::markText of the cell's wish
constexpr int kAgainstRole = Qt::UserRole + 4;
constexpr int kFindingRole = Qt::UserRole + 5; // the cell has a labour finding
constexpr int kProposalRole = Qt::UserRole + 6; // the proposal shown changes the cell
const QColor kProposalBackground(214, 240, 214);
const QColor kProposalFrame(0, 110, 0);
constexpr qint64 kImportLimit = 1 << 20;

// A cell of the grid: the schedule symbol in the upper part with the finding mark beside it, and
// the wish's mark on a band of its own below, so that up to three marks stay legible in a cell
// of a forty-day grid. Cells without a mark are drawn as usual.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QString wish = index.data(kWishMarkRole).toString();
        const bool finding = index.data(kFindingRole).toBool();
        if (wish.isEmpty() && !finding)
            QStyledItemDelegate::paint(painter, option, index);
        else
            paintMarks(painter, option, index, wish, finding);
        if (index.data(kProposalRole).toBool()) {
            // A proposed day has a dashed frame, so that it is told apart also without colour.
            painter->save();
            painter->setPen(QPen(kProposalFrame, 1, Qt::DashLine));
            painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
            painter->restore();
        }
    }

private:
    void paintMarks(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
        const QString& wish, bool finding) const
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString symbol = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        (widget ? widget->style() : QApplication::style())
            ->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const bool selected = item.state & QStyle::State_Selected;
        const QColor text = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        const QRect cell = item.rect;
        const int bandHeight = wish.isEmpty() ? 0 : cell.height() * 2 / 5;
        const QRect upper(cell.left(), cell.top(), cell.width(), cell.height() - bandHeight);
        const QRect band(cell.left(), upper.bottom() + 1, cell.width(), bandHeight);
        QFont small = item.font;
        small.setBold(false);
        small.setUnderline(false);
        if (item.font.pointSizeF() > 0)
            small.setPointSizeF(item.font.pointSizeF() * 0.75);
        else
            small.setPixelSize(std::max(1, item.font.pixelSize() * 3 / 4));

        painter->save();
        painter->setFont(item.font);
        painter->setPen(text);
        if (finding) {
            const int half = upper.width() * 11 / 20;
            painter->drawText(upper.adjusted(0, 0, -(upper.width() - half), 0), Qt::AlignCenter, symbol);
            painter->setFont(small);
            if (!selected)
                painter->setPen(kFindingText);
            painter->drawText(upper.adjusted(half - 1, 0, 0, 0), Qt::AlignCenter, kFindingMark);
        } else {
            painter->drawText(upper, Qt::AlignCenter, symbol);
        }
        if (!wish.isEmpty()) {
            if (!selected)
                painter->fillRect(band, index.data(kAgainstRole).toBool() ? kAgainstBand : kWishBand);
            painter->setFont(small);
            painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
            painter->drawText(band, Qt::AlignCenter, wish);
        }
        painter->restore();
    }
};

} // namespace

// One undoable edit of the day changes and the wishes: carried out forward, or back.
class TFormChange::EditCommand : public QUndoCommand {
public:
    EditCommand(TFormChange& window, const QString& text, Edits edits)
        : QUndoCommand(text)
        , window_(window)
        , edits_(std::move(edits))
    {
    }
    void redo() override { window_.carryOut(edits_, true); }
    void undo() override { window_.carryOut(edits_, false); }

private:
    TFormChange& window_;
    Edits edits_;
};

TFormChange::TFormChange(Forms& forms)
    : ui(std::make_unique<Ui::TFormChange>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    QTableWidget* grid = ui->StringGrid1;
    grid->setItemDelegate(new CellDelegate(grid));
    scaleGridCells(this, grid, kColumnWidth, kRowHeight); // the days and rows grow with the window
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, &TFormChange::NEditClick);
    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this,
        [this] { ui->BtnDelete->setEnabled(!ui->ListBox1->selectedItems().isEmpty()); });

    period_ = new PeriodChooser(*forms_.FormData, ui->NPeriod, ui->ComboPeriod, ui->LabelPeriod);
    connect(period_, &PeriodChooser::chosen, this, [this] { dialogs::guard([this] { refresh(); }); });

    dialog_ = new TFormChangeDay(this);
    connect(dialog_, &TFormChangeDay::registered, this, [this](const DayEntry& entry) {
        apply(QStringLiteral("変更の登録"), { { stepTo(dialog_->name(), dialog_->date(), entry) }, {} });
    });
    connect(dialog_, &TFormChangeDay::standardWanted, this, [this] {
        apply(QStringLiteral("標準に戻す"), { { stepTo(dialog_->name(), dialog_->date(), std::nullopt) }, {} });
    });
    noteDialog_ = new TFormRequestNote(this);
    connect(noteDialog_, &TFormRequestNote::noteChosen, this, [this](const QString& note) {
        apply(QStringLiteral("メモ"), { {}, requests::noteEdits(forms_.FormData->staffRequests, noteCells_, note) });
    });
    importDialog_ = new TFormRequestImport(this);
    connect(importDialog_, &TFormRequestImport::importChosen, this,
        [this](const QList<requests::ImportRow>& rows, const requests::ImportColumns& columns) {
            forms_.FormData->staffRequests.setImportColumns(columns);
            apply(
                QStringLiteral("希望の取り込み"), { {}, requests::importEdits(forms_.FormData->staffRequests, rows) });
        });

    const auto guarded
        = [this](auto handler) { return [this, handler] { dialogs::guard([this, handler] { handler(); }); }; };
    const auto member = [this](void (TFormChange::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    connect(ui->NEdit, &QAction::triggered, this, guarded(member(&TFormChange::NEditClick)));
    connect(ui->NSwap, &QAction::triggered, this, guarded(member(&TFormChange::NSwapClick)));
    connect(ui->NUndo, &QAction::triggered, &undo_, &QUndoStack::undo);
    connect(ui->NRedo, &QAction::triggered, &undo_, &QUndoStack::redo);
    connect(ui->NClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->N12, &QAction::triggered, this, &TFormChange::N12Click);
    connect(ui->BtnEdit, &QPushButton::clicked, ui->NEdit, &QAction::trigger);
    connect(ui->BtnSwap, &QPushButton::clicked, ui->NSwap, &QAction::trigger);
    connect(ui->BtnUndo, &QPushButton::clicked, ui->NUndo, &QAction::trigger);
    connect(ui->BtnRedo, &QPushButton::clicked, ui->NRedo, &QAction::trigger);
    connect(ui->BtnClose, &QPushButton::clicked, ui->NClose, &QAction::trigger);
    connect(ui->BtnDelete, &QPushButton::clicked, this, guarded(member(&TFormChange::BtnDeleteClick)));
    for (QObject* undo : std::initializer_list<QObject*> { ui->NUndo, ui->BtnUndo })
        connect(&undo_, &QUndoStack::canUndoChanged, undo, [undo](bool on) { undo->setProperty("enabled", on); });
    for (QObject* redo : std::initializer_list<QObject*> { ui->NRedo, ui->BtnRedo })
        connect(&undo_, &QUndoStack::canRedoChanged, redo, [redo](bool on) { redo->setProperty("enabled", on); });
    for (QWidget* w : std::initializer_list<QWidget*> { ui->BtnUndo, ui->BtnRedo, ui->BtnDelete })
        w->setEnabled(false);
    ui->NUndo->setEnabled(false);
    ui->NRedo->setEnabled(false);

    // The menu "希望".
    using requests::Kind;
    connect(ui->NWishDayOff, &QAction::triggered, this, guarded([this] { wishClick(Kind::DayOff); }));
    connect(ui->NWishCannot, &QAction::triggered, this, guarded([this] { wishClick(Kind::CannotWork); }));
    connect(ui->NWishWant, &QAction::triggered, this, guarded([this] { wishClick(Kind::WantsWork); }));
    connect(ui->NWishClear, &QAction::triggered, this, guarded(member(&TFormChange::NWishClearClick)));
    connect(ui->NWishNote, &QAction::triggered, this, guarded(member(&TFormChange::NWishNoteClick)));
    connect(ui->NWishImport, &QAction::triggered, this, guarded(member(&TFormChange::NWishImportClick)));

    // The menu "帳票": the period's reports, prints and exports, for the period chosen here.
    connect(ui->NShortage, &QAction::triggered, this,
        [this] { showReport(shortageList_, [this] { return targets::makeShortageList(forms_); }); });
    connect(ui->NLabour, &QAction::triggered, this, [this] {
        showReport(labourCheck_, [this] {
            return std::make_unique<TFormLines>(
                forms_, QStringLiteral("労務チェック"), kLabourUsage, [this](daychanges::PeriodChoice choice) {
                    const TFormData& data = *forms_.FormData;
                    const daychanges::EffectiveSchedule schedule(data, choice);
                    labour::ReportTotals totals;
                    QStringList lines = labour::reportHeading(schedule);
                    for (int row = 0; row < schedule.employees(); ++row)
                        lines += labour::reportLines(schedule, row, data.labourSettings, totals);
                    return lines + labour::reportClosing(totals);
                });
        });
    });
    connect(ui->NWishReport, &QAction::triggered, this, [this] {
        showReport(wishReport_, [this] {
            return std::make_unique<TFormLines>(
                forms_, QStringLiteral("希望の反映状況"), kWishUsage, [this](daychanges::PeriodChoice choice) {
                    const TFormData& data = *forms_.FormData;
                    return requests::reportLines(daychanges::EffectiveSchedule(data, choice), data.staffRequests);
                });
        });
    });
    const wallchart::MenuItems chart = wallchart::addMenuItems(ui->NReport);
    connect(chart.month, &QAction::triggered, this, guarded([this] { printChart(false); }));
    connect(chart.perEmployee, &QAction::triggered, this, guarded([this] { printChart(true); }));
    ui->NReport->addSeparator();
    ui->NReport->addActions({ ui->NExport, ui->NExportEach });
    ui->NReport->addSeparator();
    ui->NReport->addAction(ui->NPrnSet);
    connect(ui->NExport, &QAction::triggered, this, guarded([this] {
        forms_.Output->saveExport(this, exports::periodExport(*forms_.FormData, period_->choice()));
    }));
    connect(ui->NExportEach, &QAction::triggered, this, guarded([this] {
        forms_.Output->saveExportPerEmployee(this, exports::periodExport(*forms_.FormData, period_->choice()));
    }));
    connect(ui->NPrnSet, &QAction::triggered, this, [this] { forms_.Output->printerSetup(this); });

    // A proposal of the chosen period, shown in the grid until it is adopted or discarded.
    proposalDialog_ = new TFormProposal(forms_, this);
    connect(proposalDialog_, &TFormProposal::proposed, this, &TFormChange::showProposal);
    connect(ui->NPropose, &QAction::triggered, this, guarded(member(&TFormChange::NProposeClick)));
    connect(ui->BtnPropose, &QPushButton::clicked, ui->NPropose, &QAction::trigger);
    connect(ui->NAdopt, &QAction::triggered, this, guarded(member(&TFormChange::NAdoptClick)));
    connect(ui->NDiscard, &QAction::triggered, this, guarded(member(&TFormChange::endProposal)));
    connect(ui->BtnAdopt, &QPushButton::clicked, ui->NAdopt, &QAction::trigger);
    connect(ui->BtnDiscard, &QPushButton::clicked, ui->NDiscard, &QAction::trigger);
}

TFormChange::~TFormChange() = default;

const TFormData& TFormChange::shownData() const
{
    return proposed_ ? *proposed_ : *forms_.FormData;
}

daychanges::EffectiveSchedule TFormChange::schedule() const
{
    return daychanges::EffectiveSchedule(shownData(), period_->choice());
}

// ---- Showing ----

void TFormChange::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    setEditable(true);
    dialogs::guard([this] { refresh(); });
    ui->StringGrid1->setCurrentCell(0, 0);
    ui->StringGrid1->setFocus();
}

void TFormChange::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    dialog_->reject();
    noteDialog_->reject();
    importDialog_->reject();
    proposalDialog_->reject();
    endProposal(); // a proposal not adopted is not kept
    undo_.clear(); // what can be undone is what was done while the window was open
    // The period's reports belong to this window.
    for (TFormLines* report : { shortageList_.get(), labourCheck_.get(), wishReport_.get() })
        if (report)
            report->hide();
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

// The grid of every registered employee's entries over the chosen period with their marks, the
// changes and wishes that take no effect, and the names that rows share.
void TFormChange::refresh()
{
    const TFormData& data = shownData();
    QSet<QPair<QString, QDate>> proposed;
    for (const DayChange& change : proposal_)
        proposed.insert({ change.name, change.date });
    const daychanges::EffectiveSchedule schedule = this->schedule();
    const labour::CellFindings findings(schedule, data.labourSettings);
    const QList<targets::DayMark> dayMarks = targets::dayMarks(data.staffTargets, schedule);
    period_->refresh();

    QTableWidget* grid = ui->StringGrid1;
    const QSignalBlocker blocker(grid);
    const int currentRow = grid->currentRow();
    const int currentColumn = grid->currentColumn();
    const QList<QTableWidgetSelectionRange> selected = grid->selectedRanges();
    grid->clear();
    grid->setRowCount(schedule.employees());
    grid->setColumnCount(static_cast<int>(schedule.dates().size()));
    for (int day = 0; day < grid->columnCount(); ++day) {
        const targets::DayMark& mark = dayMarks[day];
        auto* header = new QTableWidgetItem(QStringLiteral("%1\n%2")
                                                .arg(schedule.dates()[day].day())
                                                .arg(views::weekdayKanji(schedule.weekdayCode(day)))
            + mark.mark);
        if (!mark.description.isEmpty()) {
            header->setToolTip(mark.description);
            header->setData(Qt::AccessibleDescriptionRole, mark.description);
        }
        grid->setHorizontalHeaderItem(day, header);
    }
    for (int row = 0; row < grid->rowCount(); ++row) {
        grid->setVerticalHeaderItem(row, new QTableWidgetItem(schedule.master().cell(0, row)));
        for (int day = 0; day < grid->columnCount(); ++day) {
            const DayEntry entry = schedule.entry(row, day);
            auto* item = new QTableWidgetItem(scheduleview::symbolOf(entry.attribute));
            item->setTextAlignment(Qt::AlignCenter);
            QStringList tip { QStringLiteral("標準：") + changes::entryText(schedule.standard(row, day)) };
            QStringList notes;
            QStringList name { item->text() };
            if (proposed.contains({ schedule.master().cell(0, row), schedule.dates()[day] })) {
                item->setData(kProposalRole, true);
                item->setBackground(kProposalBackground);
                name << QStringLiteral("案");
                notes << QStringLiteral("勤務案：") + changes::entryText(entry);
                tip << QStringLiteral("勤務案：") + changes::entryText(entry);
            } else if (entry.changed) {
                // Marked by weight and underline as well as by colour.
                QFont font = item->font();
                font.setBold(true);
                font.setUnderline(true);
                item->setFont(font);
                item->setBackground(kChangedBackground);
                notes << QStringLiteral("勤務変更あり");
                tip << QStringLiteral("変更：") + changes::entryText(entry);
            }
            if (const auto wish = requests::cellWish(schedule, data.staffRequests, row, day)) {
                const QString mark = requests::markText(*wish);
                item->setData(kWishMarkRole, mark);
                item->setData(kAgainstRole, wish->against);
                name << mark;
                notes += requests::cellNotes(*wish);
                tip += requests::cellNotes(*wish);
            }
            if (const QStringList found = findings.at(row, day); !found.isEmpty()) {
                item->setData(kFindingRole, true);
                name << kFindingMark;
                notes += found;
                tip += found;
            }
            item->setToolTip(tip.join(u'\n'));
            if (!notes.isEmpty())
                item->setData(Qt::AccessibleDescriptionRole, notes.join(u'\n'));
            if (name.size() > 1)
                item->setData(Qt::AccessibleTextRole, name.join(u' '));
            grid->setItem(row, day, item);
        }
    }
    // The cells stay selected, so that one command after another acts on them.
    if (currentRow >= 0 && currentColumn >= 0)
        grid->setCurrentCell(std::min(currentRow, grid->rowCount() - 1),
            std::min(currentColumn, grid->columnCount() - 1), QItemSelectionModel::NoUpdate);
    for (const QTableWidgetSelectionRange& range : selected)
        if (range.bottomRow() < grid->rowCount() && range.rightColumn() < grid->columnCount())
            grid->setRangeSelected(range, true);

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
    for (const requests::Request& request : requests::apart(schedule, data.staffRequests)) {
        auto* item = new QListWidgetItem(requests::apartText(schedule, request));
        item->setData(kNameRole, request.name);
        item->setData(kDateRole, request.date);
        item->setData(kWishRole, true);
        ui->ListBox1->addItem(item);
    }
    ui->BtnDelete->setEnabled(false);

    const QStringList shared = schedule.sharedNames();
    ui->LabelNote->setText(shared.isEmpty()
            ? QString()
            : QStringLiteral("※ 同じ氏名の従業員がいます（") + shared.join(QStringLiteral("，"))
                + QStringLiteral("）．その氏名の勤務変更は，同じ氏名の全員に共通です．"));
}

QList<requests::Cell> TFormChange::selectedCells() const
{
    QModelIndexList indexes = ui->StringGrid1->selectionModel()->selectedIndexes();
    if (indexes.isEmpty() && ui->StringGrid1->currentIndex().isValid())
        indexes.append(ui->StringGrid1->currentIndex());
    std::sort(indexes.begin(), indexes.end());
    const daychanges::EffectiveSchedule schedule = this->schedule();
    QList<requests::Cell> cells;
    for (const QModelIndex& index : indexes)
        if (index.row() < schedule.employees() && index.column() < schedule.dates().size())
            cells.append({ schedule.master().cell(0, index.row()), schedule.dates()[index.column()] });
    return cells;
}

// ---- Commands ----

void TFormChange::NEditClick()
{
    if (proposed_)
        return; // a double click on a proposal's grid edits nothing
    // The one selected cell (an assistive tool selects without moving the current cell), else
    // the current one.
    const QModelIndexList selected = ui->StringGrid1->selectionModel()->selectedIndexes();
    const QModelIndex cell = selected.size() == 1 ? selected.first() : ui->StringGrid1->currentIndex();
    const int row = cell.row();
    const int day = cell.column();
    const daychanges::EffectiveSchedule schedule = this->schedule();
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
    const daychanges::EffectiveSchedule schedule = this->schedule();
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
        { { stepTo(nameA, date, swapped.find(nameA, date)), stepTo(nameB, date, swapped.find(nameB, date)) }, {} });
}

void TFormChange::BtnDeleteClick()
{
    const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem* item = selected.first();
    const QString name = item->data(kNameRole).toString();
    const QDate date = item->data(kDateRole).toDate();
    if (item->data(kWishRole).toBool())
        apply(QStringLiteral("削除"), { {}, requests::clearEdits(forms_.FormData->staffRequests, { { name, date } }) });
    else
        apply(QStringLiteral("削除"), { { stepTo(name, date, std::nullopt) }, {} });
}

void TFormChange::N12Click()
{
    dialogs::message(dialogs::Kind::Plain, kUsage, dialogs::Buttons::Ok, this);
}

void TFormChange::wishClick(requests::Kind kind)
{
    const QList<requests::Cell> cells = selectedCells();
    if (cells.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoWishCell, dialogs::Buttons::Ok, this);
        return;
    }
    apply(requests::kindText(kind), { {}, requests::kindEdits(forms_.FormData->staffRequests, cells, kind) });
}

void TFormChange::NWishClearClick()
{
    apply(QStringLiteral("希望を消す"), { {}, requests::clearEdits(forms_.FormData->staffRequests, selectedCells()) });
}

void TFormChange::NWishNoteClick()
{
    const requests::Requests& wishes = forms_.FormData->staffRequests;
    noteCells_.clear();
    for (const requests::Cell& cell : selectedCells())
        if (wishes.find(cell.name, cell.date))
            noteCells_.append(cell);
    if (noteCells_.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoteNeedsWish, dialogs::Buttons::Ok, this);
        return;
    }
    const requests::Cell& first = noteCells_.first();
    QString who = first.name + QStringLiteral("　") + changes::dateText(first.date);
    if (noteCells_.size() > 1)
        who += QStringLiteral("　ほか %1 件").arg(noteCells_.size() - 1);
    noteDialog_->edit(who, wishes.find(first.name, first.date)->note);
}

void TFormChange::NWishImportClick()
{
    const std::optional<QString> fileName = dialogs::openFile(this, QStringLiteral("希望の取り込み"),
        { QStringLiteral("CSV ファイル (*.csv)"), QStringLiteral("すべてのファイル (*)") }, importFolder_);
    if (!fileName)
        return;
    importFolder_ = QFileInfo(*fileName).absolutePath();
    QFile file(*fileName);
    const auto tell = [this, &fileName](const QString& text, const QString& reason) {
        dialogs::message(dialogs::Kind::Warning,
            text + QStringLiteral("\r\n\r\n■ ") + QFileInfo(*fileName).fileName()
                + (reason.isEmpty() ? QString() : QStringLiteral("\r\n▽ ") + reason),
            dialogs::Buttons::Ok, this);
    };
    if (!file.open(QIODevice::ReadOnly)) {
        tell(kImportUnreadable, file.errorString());
        return;
    }
    // Read at most one byte beyond the limit: a device or a file still growing has no true size.
    const QByteArray bytes = file.read(kImportLimit + 1);
    if (bytes.size() > kImportLimit) {
        tell(kImportTooLarge, {});
        return;
    }
    if (file.error() != QFileDevice::NoError) {
        tell(kImportUnreadable, file.errorString());
        return;
    }
    const daychanges::EffectiveSchedule schedule = this->schedule();
    QSet<QString> names;
    for (int row = 0; row < schedule.employees(); ++row)
        names.insert(schedule.master().cell(0, row));
    // Both planned periods are one import.
    const Table& period = schedule.schedule();
    importDialog_->preview(*fileName, bytes, names,
        daychanges::periodDates(period) + daychanges::nextPeriodDates(period), forms_.FormData->staffRequests);
}

void TFormChange::printChart(bool perEmployee)
{
    const daychanges::EffectiveSchedule schedule = this->schedule();
    wallchart::print(*forms_.Output, perEmployee ? wallchart::Sheets::PerEmployee : wallchart::Sheets::Month, schedule,
        wallchart::extrasOf(*forms_.FormData, schedule), this);
}

void TFormChange::NProposeClick()
{
    proposalDialog_->ask(period_->choice());
}

void TFormChange::showProposal(const QList<DayChange>& changes, const QString& summary)
{
    proposal_ = changes;
    proposed_ = std::make_unique<TFormData>(*forms_.FormData);
    for (const DayChange& change : changes)
        proposed_->dayChanges.set(change.name, change.date, change.entry);
    ui->LabelProposal->setText(summary);
    ui->LabelProposal->setAccessibleDescription(summary);
    setEditable(false);
    ui->PanelProposal->show();
    ui->PanelProposal->raise();
    refresh();
    ui->BtnAdopt->setFocus();
}

void TFormChange::NAdoptClick()
{
    if (!proposed_)
        return;
    Edits edits;
    for (const DayChange& change : proposal_)
        edits.days.append(stepTo(change.name, change.date, change.entry));
    endProposal();
    apply(QStringLiteral("勤務案の採用"), std::move(edits));
}

void TFormChange::endProposal()
{
    if (!proposed_)
        return;
    proposal_.clear();
    proposed_.reset();
    ui->PanelProposal->hide();
    setEditable(true);
    if (isVisible())
        refresh();
    ui->StringGrid1->setFocus();
}

void TFormChange::setEditable(bool on)
{
    // The wishes are edited only when their file was read (or missing): one that could not be
    // read is never written, so nothing entered for it could be kept.
    const bool wishes = on && forms_.FormData->isLoaded(TFormData::kRequestFile);
    for (QAction* item : { ui->NEdit, ui->NSwap, ui->NPropose, period_->registeredItem(), period_->nextItem() })
        item->setEnabled(on);
    for (QAction* item :
        { ui->NWishDayOff, ui->NWishCannot, ui->NWishWant, ui->NWishClear, ui->NWishNote, ui->NWishImport })
        item->setEnabled(wishes);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->BtnEdit, ui->BtnSwap, ui->BtnPropose, ui->ComboPeriod })
        w->setEnabled(on);
    ui->NReport->setEnabled(on);
    ui->NAdopt->setEnabled(!on);
    ui->NDiscard->setEnabled(!on);
    for (QObject* undo : std::initializer_list<QObject*> { ui->NUndo, ui->BtnUndo })
        undo->setProperty("enabled", on && undo_.canUndo());
    for (QObject* redo : std::initializer_list<QObject*> { ui->NRedo, ui->BtnRedo })
        redo->setProperty("enabled", on && undo_.canRedo());
}

void TFormChange::showReport(
    std::unique_ptr<TFormLines>& report, const std::function<std::unique_ptr<TFormLines>()>& make)
{
    if (!report)
        report = make();
    report->showPeriod(period_->choice());
    report->raise();
    report->activateWindow();
}

// ---- Edits ----

TFormChange::Step TFormChange::stepTo(const QString& name, QDate date, std::optional<DayEntry> after) const
{
    return { name, date, forms_.FormData->dayChanges.find(name, date), std::move(after) };
}

void TFormChange::apply(const QString& text, Edits edits)
{
    if (edits.days.isEmpty() && edits.wishes.isEmpty())
        return;
    undo_.push(new EditCommand(*this, text, std::move(edits))); // carries the edits out at once
}

void TFormChange::carryOut(const Edits& edits, bool forward)
{
    TFormData& data = *forms_.FormData;
    QList<QDate> dates;
    for (const Step& step : edits.days) {
        const std::optional<DayEntry>& entry = forward ? step.after : step.before;
        if (entry)
            data.dayChanges.set(step.name, step.date, *entry);
        else
            data.dayChanges.remove(step.name, step.date);
        dates.append(step.date);
    }
    requests::carryOut(data.staffRequests, edits.wishes, forward);
    for (const requests::Edit& edit : edits.wishes)
        dates.append(edit.date);

    // An undo or redo of an edit made in the other period shows that period, so that the user
    // sees what it did.
    const auto shows = [&dates](const daychanges::EffectiveSchedule& schedule) {
        return std::any_of(dates.begin(), dates.end(), [&schedule](QDate date) { return schedule.dayOf(date) >= 0; });
    };
    const daychanges::PeriodChoice other = period_->choice() == daychanges::PeriodChoice::Registered
        ? daychanges::PeriodChoice::Next
        : daychanges::PeriodChoice::Registered;
    if (!shows(schedule()) && shows(daychanges::EffectiveSchedule(data, other)))
        period_->setChoice(other);
    refresh();
    Q_EMIT tableChanged();
}
