#include "changes/Unitchange.h"
#include "ui_Unitchange.h"

#include "changes/ChangeCodes.h"
#include "changes/ChangeGridView.h"
#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "changes/PeriodChooser.h"
#include "changes/ShiftCheck.h"
#include "changes/Unitchangeapart.h"
#include "changes/Unitchangeday.h"
#include "data/Unitdata.h"
#include "exports/PeriodSchedule.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
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
const QString kUsage = QStringLiteral("【勤務変更】\r\n\r\n■ 「今の期間」，「次の期間」と，そのどちらかの日付を含む月（「2027年2月」など．1日から末日まで）を，左上の欄又は「期間」メニューで選びます．Ctrl+PgUp と Ctrl+PgDown で日付順に前後します．月を選ぶと，今の期間より前の日は，登録した時点の勤務（確定済み）が網掛けで表示され，変更できません．次の期間より後の日も変更できません．次の期間は，今の期間の翌日から始まる期間で，その初日に勤務期間を登録すると，入力した勤務変更と希望がそのまま使われます．\r\n\r\n■ セルをダブル・クリック（又は Enter，F2）すると，その従業員のその日の勤務を変更できます．\r\n\r\n■ 同じ日付の２人のセルを選択して「入替」（Ctrl+E）を実行すると，２人の勤務を入れ替えます．\r\n\r\n■ 変更した日は，太字・下線・色付きで表示されます．セルのヒントに，標準の勤務と変更後の勤務が表示されます．\r\n\r\n■ マスタにない氏名や，どちらの期間にもない日付の変更・希望は，表の下に件数が表示されます．「一覧…」で確かめ，不要なものを削除できます．\r\n\r\n■ 「希望」メニューで，選択したセルに希望休（Ctrl+1），出勤不可（Ctrl+2），出勤希望（Ctrl+3）を登録し，希望を消し（Ctrl+0），メモを付けます（Ctrl+M）．希望はセルの下に「休」「不」「出」と表示され，勤務が希望と異なると「！」が付きます．\r\n\r\n■ 「希望の取り込み…」（Ctrl+I）で，フォームや表計算ソフトの CSV ファイル（氏名，日付，種類，メモ）から希望を読み込みます．取り込む前に，取り込む希望と取り込まない行が表示されます．\r\n\r\n■ 労務の指摘（休憩不足，連続勤務など）のある日には「※」が付きます．日付の「▲」は人員不足，「△」は人員超過の時間帯がある日です．内容は，セルと日付のヒントに表示されます．\r\n\r\n■ 「帳票」メニューで，選んだ期間の人員過不足一覧，労務チェック，希望の反映状況，月間シフト表，個人別の印刷，エクスポートを実行します．\r\n\r\n■ 「勤務案の作成…」（Ctrl+G）で，選んだ期間の明日以降の勤務案を作ります．勤務案は点線の枠で表示され，「採用」で勤務変更として登録し，「破棄」で捨てます．勤務案の表示中は，表を編集できません．\r\n\r\n■ 「元に戻す」（Ctrl+Z），「やり直し」（Ctrl+Y）で，この画面を開いている間の変更と希望の登録を取り消し・再実行できます．\r\n\r\n■ 勤務変更は zelrotandata3.zel に，希望は zelrotandata6.zel に，終了時に保存されます．");
const QString kUsageCodes = QStringLiteral("\r\n\r\n■ 勤務パターンがあると，セルには勤務の記号（日，夜，明など）が勤務パターンの色で表示され，表の下に記号の一覧が表示されます．セルを選択して記号の１文字目を入力すると（又は，右クリックのメニュー，記号の一覧のボタン，Alt+1～9 で選ぶと），選択したすべてのセルにその勤務パターンを登録します．翌日の勤務が決まっている勤務パターン（夜→明など）では，期間内の翌日にも登録します．");
const QString kNoCell = QStringLiteral("▼ 変更する従業員と日付のセルを選択してください．");
const QString kSwapCells = QStringLiteral("▼ 入替は，同じ日付の２人のセルを選択して実行してください．");
const QString kSwapSameName = QStringLiteral("▼ 同じ氏名の従業員同士は，入れ替えられません．");
const QString kSwapNotStorable = QStringLiteral("▼ 従業員マスタの勤務に，勤務変更として保存できない時刻（５分刻みでない分など）があるため，入れ替えられません．従業員マスタ登録で勤務を登録し直してください．");
const QString kLockedDay = QStringLiteral("▼ 確定済みの日（今の期間より前の日）と，次の期間より後の日は変更できません．");
const QString kNoWishCell = QStringLiteral("▼ 希望を登録する従業員と日付のセルを選択してください．");
const QString kNoteNeedsWish = QStringLiteral("▼ メモは希望に付けます．先に，希望休・出勤不可・出勤希望のどれかを登録してください．");
const QString kImportUnreadable = QStringLiteral("▼ ファイルを読み込めませんでした．");
const QString kDropProposal = QStringLiteral("▼ 表示中の勤務案は採用されていません．勤務案を破棄して閉じますか？");
const QString kImportTooLarge = QStringLiteral("▼ ファイルが大きすぎます．希望の取り込みは，１ＭＢまでのファイルです．");
const QString kLabourUsage = QStringLiteral("【労務チェック】\r\n\r\n■ 選んだ勤務期間の勤務（勤務変更を含む）を，労務設定の値で調べます．休憩，週休日，連続勤務，勤務間インターバル，最低賃金の指摘と，深夜・時間外の法定割増の概算を表示します．\r\n\r\n■ 金額は計画のための概算で，給与計算ではありません．\r\n\r\n■ マウスの右クリックで，機能メニューが表示されます．");
const QString kWishUsage = QStringLiteral("【希望の反映状況】\r\n\r\n■ 選んだ勤務期間の希望（希望休・出勤不可・出勤希望）が，勤務変更を含めた勤務に反映されているかを，従業員ごとに表示します．\r\n\r\n■ 希望休と出勤不可は勤務日でない日，出勤希望は勤務日のとき，反映されたと数えます．\r\n\r\n■ マウスの右クリックで，機能メニューが表示されます．");
// clang-format on

constexpr int kColumnWidth = 22; // forty days and the names fit the window's design width
constexpr qint64 kImportLimit = 1 << 20;

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
    QTableView* grid = ui->StringGrid1;
    grid->setHorizontalHeader(new changes::DateHeader(grid));
    grid->setModel(&grid_);
    grid->setItemDelegate(new changes::CellDelegate(grid));
    // The days grow with the window; a row takes the height of its text, so that a maximised
    // window shows thirty employees.
    codes_ = new changes::ChangeCodes(this, grid);
    connect(codes_, &changes::ChangeCodes::chosen, this,
        [this](int pattern) { dialogs::guard([this, pattern] { applyCode(pattern); }); });
    onRescale(this, [this, grid](double x, double) {
        changes::fitCellsToText(grid, qRound(kColumnWidth * x));
        codes_->placed();
    });
    grid->installEventFilter(this);
    connect(grid, &QTableView::doubleClicked, this, &TFormChange::NEditClick);

    period_ = new PeriodChooser(*forms_.FormData, ui->NPeriod, ui->ComboPeriod, ui->LabelPeriod);
    connect(period_, &PeriodChooser::chosen, this, [this] { dialogs::guard([this] { refresh(); }); });
    // The published date: no proposal changes a day up to it.
    ui->NPeriod->addSeparator();
    NPublished = ui->NPeriod->addAction(QStringLiteral("確定日をこの日にする"));
    NPublished->setObjectName("NPublished");
    NPublishedClear = ui->NPeriod->addAction(QStringLiteral("確定日を解除"));
    NPublishedClear->setObjectName("NPublishedClear");
    connect(NPublished, &QAction::triggered, this, [this] {
        if (const QModelIndex cell = ui->StringGrid1->currentIndex(); cell.isValid())
            setPublished(grid_.date(cell.column()));
    });
    connect(NPublishedClear, &QAction::triggered, this, [this] { setPublished(QDate()); });

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
    apartDialog_ = new TFormChangeApart(this);
    connect(apartDialog_, &TFormChangeApart::deleteWanted, this,
        [this](const TFormChangeApart::Item& item) { dialogs::guard([this, &item] { deleteApart(item); }); });
    connect(ui->NApart, &QAction::triggered, apartDialog_, &QDialog::open);
    connect(ui->BtnApart, &QPushButton::clicked, ui->NApart, &QAction::trigger);
    for (QObject* undo : std::initializer_list<QObject*> { ui->NUndo, ui->BtnUndo })
        connect(&undo_, &QUndoStack::canUndoChanged, undo, [undo](bool on) { undo->setProperty("enabled", on); });
    for (QObject* redo : std::initializer_list<QObject*> { ui->NRedo, ui->BtnRedo })
        connect(&undo_, &QUndoStack::canRedoChanged, redo, [redo](bool on) { redo->setProperty("enabled", on); });
    for (QWidget* w : std::initializer_list<QWidget*> { ui->BtnUndo, ui->BtnRedo })
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
                forms_, QStringLiteral("労務チェック"), kLabourUsage, [this](const daychanges::DateChoice& choice) {
                    const TFormData& data = *forms_.FormData;
                    const daychanges::EffectiveSchedule schedule(data, choice);
                    labour::ReportTotals totals;
                    QStringList lines = labour::reportHeading(schedule);
                    for (int row = 0; row < schedule.employees(); ++row)
                        lines += labour::reportLines(schedule, row, labour::rulesOf(data), totals);
                    return lines + labour::reportClosing(totals);
                });
        });
    });
    connect(ui->NWishReport, &QAction::triggered, this, [this] {
        showReport(wishReport_, [this] {
            return std::make_unique<TFormLines>(
                forms_, QStringLiteral("希望の反映状況"), kWishUsage, [this](const daychanges::DateChoice& choice) {
                    const TFormData& data = *forms_.FormData;
                    return requests::reportLines(daychanges::EffectiveSchedule(data, choice), data.staffRequests);
                });
        });
    });
    const wallchart::MenuItems chart = wallchart::addMenuItems(ui->NReport);
    connect(chart.month, &QAction::triggered, this, guarded([this] { printChart(false); }));
    connect(chart.perEmployee, &QAction::triggered, this, guarded([this] { printChart(true); }));
    connect(chart.workbook, &QAction::triggered, this, guarded([this] {
        const daychanges::EffectiveSchedule schedule = this->schedule();
        wallchart::saveWorkbook(*forms_.Output, schedule, wallchart::extrasOf(*forms_.FormData, schedule), this);
    }));
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
    ui->StringGrid1->setCurrentIndex(grid_.index(0, 0));
    ui->StringGrid1->setFocus();
}

void TFormChange::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    dialog_->reject();
    apartDialog_->reject();
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
    // A proposal shown is dropped at the close: the user says so first.
    if (proposed_
        && dialogs::message(dialogs::Kind::Warning, kDropProposal, dialogs::Buttons::YesNo, this)
            != dialogs::Answer::Yes) {
        event->ignore();
        return;
    }
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
    QSet<std::pair<QString, QDate>> proposed;
    for (const DayChange& change : proposal_)
        proposed.insert({ change.name, change.date });
    period_->refresh();
    const daychanges::EffectiveSchedule schedule = this->schedule();
    grid_.refresh(schedule, data, proposed);
    codes_->show(data.shiftPatterns);

    QList<TFormChangeApart::Item> apart;
    for (const DayChange& change : schedule.apart()) {
        const bool registered = master::findEmployee(schedule.master(), change.name) >= 0;
        apart.append({ changes::dateText(change.date) + QStringLiteral("　") + change.name + QStringLiteral("：")
                + changes::entryText(change.entry)
                + (registered ? QStringLiteral("（勤務期間外の日付）") : QStringLiteral("（マスタにない氏名）")),
            change.name, change.date, false });
    }
    for (const requests::Request& request : requests::apart(schedule, data.staffRequests))
        apart.append({ requests::apartText(schedule, request), request.name, request.date, true });
    apartDialog_->setItems(apart);
    ui->LabelApart->setText(apart.isEmpty()
            ? QStringLiteral("登録外の変更・希望：なし")
            : QStringLiteral("登録外の変更・希望：%1 "
                             "件（マスタにない氏名，又は今の期間にも次の期間にもない日付．画面の表示には使われません）")
                  .arg(apart.size()));
    const QDate published = data.publishedUntil;
    NPublishedClear->setText(published.isValid()
            ? QStringLiteral("確定日（%1まで）を解除").arg(changes::dateText(published))
            : QStringLiteral("確定日を解除"));
    NPublishedClear->setEnabled(
        published.isValid() && !proposed_ && forms_.FormData->isLoaded(TFormData::kPublishedFile));
    ui->NApart->setEnabled(!apart.isEmpty());
    ui->BtnApart->setEnabled(!apart.isEmpty());

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
    QList<requests::Cell> cells;
    for (const QModelIndex& index : indexes)
        cells.append({ grid_.name(index.row()), grid_.date(index.column()) });
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
    if (!schedule.isPlanned(day)) {
        dialogs::message(dialogs::Kind::Information, kLockedDay, dialogs::Buttons::Ok, this);
        return;
    }
    const QDate date = schedule.dates()[day];
    dialog_->edit(schedule.master().cell(0, row), date, schedule.standard(row, day), schedule.entry(row, day),
        forms_.FormData->shiftPatterns, [this, row, date](const daychanges::Shift& shift) {
            return labour::overlapsAround(this->schedule(), row, date, shift);
        });
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
    if (!schedule.isPlanned(day)) {
        dialogs::message(dialogs::Kind::Information, kLockedDay, dialogs::Buttons::Ok, this);
        return;
    }
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
    for (const int row : { cells[0].row(), cells[1].row() })
        if (!swapKeeps(schedule, row, date, *swapped.find(schedule.master().cell(0, row), date)))
            return;
    apply(QStringLiteral("入替"),
        { { stepTo(nameA, date, swapped.find(nameA, date)), stepTo(nameB, date, swapped.find(nameB, date)) }, {} });
}

bool TFormChange::swapKeeps(const daychanges::EffectiveSchedule& schedule, int row, QDate date, const DayEntry& entry)
{
    const QString who = schedule.master().cell(0, row);
    const changes::ShiftCheck check = changes::checkShift(entry);
    if (check.verdict == changes::ShiftVerdict::Refused) {
        dialogs::message(dialogs::Kind::Warning,
            QStringLiteral("▼ 入れ替えると，%1の勤務が %2 になります．%3勤務日として登録できないため，入れ替えません．")
                .arg(who, changes::entryText(entry), check.reason),
            dialogs::Buttons::Ok, this);
        return false;
    }
    const auto ask = [this](const QString& text) {
        return dialogs::message(dialogs::Kind::Warning, text, dialogs::Buttons::YesNo, this) == dialogs::Answer::Yes;
    };
    if (check.verdict == changes::ShiftVerdict::Doubtful
        && !ask(QStringLiteral("▼ 入れ替えると，%1の勤務が %2 になります．%3\r\nこのまま入れ替えますか？")
                    .arg(who, changes::entryText(entry), check.reason)))
        return false;
    const std::optional<daychanges::Shift> shift = daychanges::shiftOf(entry);
    if (!shift)
        return true;
    for (const labour::Overlap& overlap : labour::overlapsAround(schedule, row, date, *shift))
        if (!ask(QStringLiteral("▼ 入れ替えると，%1の勤務が%2の勤務と %3 重なります．\r\nこのまま入れ替えますか？")
                     .arg(who, changes::dateText(overlap.with), changes::durationText(overlap.minutes))))
            return false;
    return true;
}

void TFormChange::deleteApart(const TFormChangeApart::Item& item)
{
    if (item.wish)
        apply(QStringLiteral("削除"),
            { {}, requests::clearEdits(forms_.FormData->staffRequests, { { item.name, item.date } }) });
    else
        apply(QStringLiteral("削除"), { { stepTo(item.name, item.date, std::nullopt) }, {} });
}

void TFormChange::N12Click()
{
    dialogs::message(dialogs::Kind::Plain, forms_.FormData->shiftPatterns.isEmpty() ? kUsage : kUsage + kUsageCodes,
        dialogs::Buttons::Ok, this);
}

void TFormChange::applyCode(int pattern)
{
    if (proposed_)
        return; // a proposal's grid is not edited
    const QList<requests::Cell> cells = selectedCells();
    if (cells.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoCell, dialogs::Buttons::Ok, this);
        return;
    }
    if (refusesLocked(cells))
        return;
    const TFormData& data = *forms_.FormData;
    const std::optional<QList<changes::DaySet>> sets = changes::askSets(this, data, period_->choice(), pattern, cells);
    if (!sets)
        return;
    Edits edits;
    for (const changes::DaySet& set : *sets)
        edits.days.append(stepTo(set.name, set.date, set.after));
    apply(QStringLiteral("勤務パターン「%1」").arg(data.shiftPatterns.patterns.at(pattern).code), std::move(edits));
}

void TFormChange::wishClick(requests::Kind kind)
{
    const QList<requests::Cell> cells = selectedCells();
    if (cells.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kNoWishCell, dialogs::Buttons::Ok, this);
        return;
    }
    if (refusesLocked(cells))
        return;
    apply(requests::kindText(kind), { {}, requests::kindEdits(forms_.FormData->staffRequests, cells, kind) });
}

void TFormChange::NWishClearClick()
{
    const QList<requests::Cell> cells = selectedCells();
    if (!refusesLocked(cells))
        apply(QStringLiteral("希望を消す"), { {}, requests::clearEdits(forms_.FormData->staffRequests, cells) });
}

bool TFormChange::refusesLocked(const QList<requests::Cell>& cells)
{
    const daychanges::EffectiveSchedule schedule = this->schedule();
    const bool locked = std::any_of(cells.begin(), cells.end(),
        [&schedule](const requests::Cell& cell) { return !schedule.isPlanned(schedule.dayOf(cell.date)); });
    if (locked)
        dialogs::message(dialogs::Kind::Information, kLockedDay, dialogs::Buttons::Ok, this);
    return locked;
}

void TFormChange::NWishNoteClick()
{
    const requests::Requests& wishes = forms_.FormData->staffRequests;
    noteCells_.clear();
    const QList<requests::Cell> cells = selectedCells();
    if (refusesLocked(cells))
        return;
    for (const requests::Cell& cell : cells)
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
        { QStringLiteral("CSV・テキスト ファイル (*.csv *.txt)"), QStringLiteral("すべてのファイル (*)") },
        importFolder_);
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

void TFormChange::setPublished(QDate date)
{
    forms_.FormData->publishedUntil = date;
    refresh();
    Q_EMIT tableChanged();
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
    for (QAction* item : QList<QAction*> { ui->NEdit, ui->NSwap, ui->NPropose } + period_->items())
        item->setEnabled(on);
    // The published date is saved only when its file was read (or missing).
    NPublished->setEnabled(on && forms_.FormData->isLoaded(TFormData::kPublishedFile));
    codes_->setEnabled(on);
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
