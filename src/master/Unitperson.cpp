#include "master/Unitperson.h"
#include "ui_Unitperson.h"

#include "app/Forms.h"
#include "app/WindowScaling.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "master/Unitmaster.h"
#include "platform/Dialogs.h"
#include "platform/Pace.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShowEvent>

namespace {

// clang-format off
const QString kEditWithoutSelection = QStringLiteral("▼ マウスで編集対象の従業員氏名を，左クリック選択してください．\r\n\r\n▼ クリック選択後，右クリックで機能メニューを表示し，必要機能を選択実行してください．");
const QString kNotRegisteredTail = QStringLiteral("．．．登録無し\r\n\r\n□ 修正処理を中断します．\r\n");
const QString kRestMeaningless = QStringLiteral("▽ 月曜日に関し，勤務時間帯の設定が無効のため，休憩時間の設定が無意味です．\r\n\r\n▽ 勤務時間帯の再検討が必要です．");
const QString kLoaded = QStringLiteral("■ 編集（修正）後，登録ボタンで編集登録を完了してください．\r\n\r\n□ 登録ボタン無き場合は，編集（修正）は反映されません．\r\n");
const QString kDeleteWithoutSelection = QStringLiteral("▼ マウスで削除対象の従業員氏名を，左クリック選択してください．\r\n\r\n▼ クリック選択後，右クリックで機能メニューを表示し，必要機能を選択実行してください．");
const QString kConfirmDeleteTail = QStringLiteral("\r\n\r\n□ 当該従業員を，本当に削除してよろしいですか？\r\n\r\n□「はい」の場合，完全削除されます．\r\n");
const QString kDeleteNotFound = QStringLiteral("▼ 削除すべき従業員が見つかりません．\r\n\r\n▼ 本ソフトウェアの実行中に，意図的にデータの改変等を行った可能性があります．");
const QString kDeleted = QStringLiteral("▽ 従業員データを１件削除しました．");
// clang-format on

} // namespace

TFormPerson::TFormPerson(Forms& forms)
    : ui(std::make_unique<Ui::TFormPerson>())
    , forms_(forms)
{
    ui->setupUi(this);
    setMinimumSize(189, 463);
    attachFormetry(this);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui->NNew);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui->NRewrite);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui->NDelete);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui->NCancel);

    connect(ui->ListBox1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { PopupMenu1->popup(ui->ListBox1->viewport()->mapToGlobal(pos)); });
    // From the keyboard: the menu key or Shift+F10 opens the menu at the selected name, and
    // each command has its own key while the list has the focus.
    ui->ListBox1->installEventFilter(this);
    ui->ListBox1->viewport()->installEventFilter(this);
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, &TFormPerson::showMenuAtSelection);
    ui->NNew->setShortcut(QKeySequence(Qt::Key_Insert));
    ui->NRewrite->setShortcut(QKeySequence(Qt::Key_F2));
    ui->NDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QAction* a : { menuKey, ui->NNew, ui->NRewrite, ui->NDelete }) {
        a->setShortcutContext(Qt::WidgetShortcut);
        ui->ListBox1->addAction(a);
    }
    connect(ui->NNew, &QAction::triggered, this, &TFormPerson::NNewClick);
    connect(ui->NRewrite, &QAction::triggered, this, &TFormPerson::NRewriteClick);
    connect(ui->NDelete, &QAction::triggered, this, &TFormPerson::NDeleteClick);
    connect(ui->NCancel, &QAction::triggered, this, &TFormPerson::NCancelClick);
}

TFormPerson::~TFormPerson() = default;

void TFormPerson::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    move(0, 0);
    refreshList();
}

bool TFormPerson::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        showMenuAtSelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormPerson::showMenuAtSelection()
{
    QListWidget* list = ui->ListBox1;
    QPoint at(0, 0);
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) {
        list->scrollToItem(selected.first());
        at = list->visualItemRect(selected.first()).bottomLeft();
    }
    PopupMenu1->popup(list->viewport()->mapToGlobal(at));
}

void TFormPerson::refreshList()
{
    const Table& table = forms_.FormData->StringGrid1;
    ui->ListBox1->clear();
    for (int r = 0; r < table.rowCount(); ++r)
        if (!table.cell(0, r).isEmpty())
            ui->ListBox1->addItem(table.cell(0, r));
    setWindowTitle(QStringLiteral("従業員氏名 ．．． ") + QString::number(ui->ListBox1->count()));
}

QString TFormPerson::selectedName() const
{
    const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TFormPerson::NNewClick()
{
    mode_ = master::Mode::NewRegistration;
    TFormMaster* master = forms_.FormMaster;
    master->setWindowTitle(QStringLiteral("従業員マスタ登録 【新規登録モード】"));
    master->inputReset();
    master->emptyAndFocusName();
}

void TFormPerson::NRewriteClick()
{
    TFormMaster* master = forms_.FormMaster;
    const Table& table = forms_.FormData->StringGrid1;
    master->setWindowTitle(QStringLiteral("従業員マスタ登録"));
    const QString name = selectedName();
    if (name.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kEditWithoutSelection, dialogs::Buttons::Ok, this);
        return;
    }
    master->setWeek(master::Week {});
    pace::pause(100);
    mode_ = master::Mode::NewRegistration;
    master->setName(name);
    const int row = master::findEmployee(table, name);
    if (row < 0) {
        dialogs::message(
            dialogs::Kind::Error, QStringLiteral("■ ") + name + kNotRegisteredTail, dialogs::Buttons::Ok, this);
        return;
    }
    editedRow_ = row;
    mode_ = master::Mode::Edit;
    master->startProgress();
    master->setWindowTitle(QStringLiteral("従業員マスタ登録 【編集・修正】"));
    const master::LoadedRecord record = master::loadRecord(table, row);
    master->setWage(record.wage);
    master->setWeek(record.week);
    for (int d = 0; d < master::kDays; ++d) {
        if (record.restFound[d])
            continue;
        dialogs::message(dialogs::Kind::Plain,
            QString(kRestMeaningless).replace(QStringLiteral("月曜日"), master::dayName(d)), dialogs::Buttons::Ok,
            this);
        master->restoreDayPrompts(d);
    }
    master->stopProgress();
    dialogs::message(dialogs::Kind::Plain, kLoaded, dialogs::Buttons::Ok, this);
}

void TFormPerson::NDeleteClick()
{
    TFormMaster* master = forms_.FormMaster;
    Table& table = forms_.FormData->StringGrid1;
    master->setWindowTitle(QStringLiteral("従業員マスタ登録"));
    const QString name = selectedName();
    if (name.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kDeleteWithoutSelection, dialogs::Buttons::Ok, this);
        return;
    }
    if (dialogs::message(
            dialogs::Kind::Warning, QStringLiteral("■ ") + name + kConfirmDeleteTail, dialogs::Buttons::YesNo, this)
        != dialogs::Answer::Yes)
        return;
    master->startProgress();
    const int row = master::findEmployee(table, name);
    if (row < 0) {
        master->stopProgress();
        dialogs::message(dialogs::Kind::Error, kDeleteNotFound, dialogs::Buttons::Ok, this);
        return;
    }
    master::deleteEmployee(table, row);
    refreshList();
    for (int step : { 70, 80, 90, 100 }) {
        master->setProgress(step);
        pace::pause(300);
    }
    QApplication::beep();
    master->stopProgress();
    if (ui->ListBox1->count() > 0)
        ui->ListBox1->setCurrentRow(0);
    mode_ = master::Mode::NewRegistration;
    master->emptyAndFocusName();
    master->inputReset();
    dialogs::message(dialogs::Kind::Plain, kDeleted, dialogs::Buttons::Ok, this);
}

void TFormPerson::NCancelClick()
{
    mode_ = master::Mode::NewRegistration;
}
