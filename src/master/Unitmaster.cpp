#include "master/Unitmaster.h"
#include "ui_Unitmaster.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "changes/DayChanges.h"
#include "data/Unitdata.h"
#include "master/Registration.h"
#include "master/Unitmaster2.h"
#include "master/Unitperson.h"
#include "patterns/ShiftPatterns.h"
#include "patterns/Unitpatternweek.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Pace.h"
#include "platform/Timer.h"
#include "requests/Requests.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QValidator>

namespace {

// clang-format off
const QString kHelpNew = QStringLiteral("【新規登録】\r\n\r\n① 従業員リストを表示し，表示領域にカーソルを置く，右クリックでメニューを表示し，[ 新規 ] メニュー項目を\r\n　　選択する．\r\n\r\n② 従業員マスタ登録画面で情報入力を行う．\r\n\r\n③ 情報入力後，登録[ 実行 ]ボタンで当該従業員のマスタ登録完了．\r\n");
const QString kHelpEdit = QStringLiteral("【内容編集】\r\n\r\n① 従業員リストを表示し，編集ターゲットの氏名をクリック選択し，右クリックでメニューを表示する．\r\n\r\n② [ 編集 ] メニュー項目を選択する．従業員マスタ登録画面に，クリック選択したターゲットの登録データが表\r\n　　示される．\r\n\r\n③ 従業員マスタ登録画面上において，編集又は修正等の登録情報の編集入力を行う．\r\n\r\n④ 編集入力後，登録[ 実行 ]ボタンで当該従業員のマスタ登録完了．\r\n");
const QString kHelpDelete = QStringLiteral("【登録削除】\r\n\r\n① 従業員リストを表示し，登録削除するターゲットの氏名をクリック選択し，右クリックでメニューを表示する．\r\n\r\n② [ 削除 ] メニュー項目を選択する．登録削除が実行される．\r\n\r\n③ ターゲット氏名の削除実行有無の最終確認後，[ はい ] で当該氏名データの登録削除完了．\r\n");
const QString kEditRegisteredTail = QStringLiteral("\r\n\r\n□ 編集（修正）登録完了．\r\n\r\n□ 選択入力項目をクリアします．\r\n");
const QString kKeepForNextTail = QStringLiteral("\r\n\r\n□ 新規登録完了．\r\n\r\n□ 設定されたこの勤務情報を，次の従業員登録のために維持しますか？\r\n\r\n□「はい」の場合，当該情報が維持されます．\r\n");
const QString kEditWithoutSelection = QStringLiteral("▼ マウスで編集対象の従業員氏名を，左クリック選択してください．\r\n\r\n▼ クリック選択後，右クリックで機能メニューを表示し，必要機能を選択実行してください．");
const QString kNotRegisteredTail = QStringLiteral("．．．登録無し\r\n\r\n□ 修正処理を中断します．\r\n");
const QString kRestMeaningless = QStringLiteral("▽ 月曜日に関し，勤務時間帯の設定が無効のため，休憩時間の設定が無意味です．\r\n\r\n▽ 勤務時間帯の再検討が必要です．");
const QString kLoaded = QStringLiteral("■ 編集（修正）後，登録ボタンで編集登録を完了してください．\r\n\r\n□ 登録ボタン無き場合は，編集（修正）は反映されません．\r\n");
const QString kDeleteWithoutSelection = QStringLiteral("▼ マウスで削除対象の従業員氏名を，左クリック選択してください．\r\n\r\n▼ クリック選択後，右クリックで機能メニューを表示し，必要機能を選択実行してください．");
const QString kConfirmDeleteTail = QStringLiteral("\r\n\r\n□ 当該従業員を，本当に削除してよろしいですか？\r\n\r\n□「はい」の場合，完全削除されます．\r\n");
const QString kDeleteNotFound = QStringLiteral("▼ 削除すべき従業員が見つかりません．\r\n\r\n▼ 本ソフトウェアの実行中に，意図的にデータの改変等を行った可能性があります．");
const QString kDeleted = QStringLiteral("▽ 従業員データを１件削除しました．");
// clang-format on

// Up to five digits for the wage. Full-width digits, as a Japanese input method types them, are
// taken as their ASCII digits, so the stored wage is always ASCII.
class WageValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{0,5}")));
        input = numbers::asciiDigits(input);
        return digits.match(input).hasMatch() ? Acceptable : Invalid;
    }
};

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The leave rules guide the user forward through the inputs when a click leaves one; Enter
// applies them itself. Tab and Shift+Tab keep to the tab order, so that the keyboard reaches
// every input in the order it is seen, also before a name is typed.
bool isLeftByClick(const QEvent* event)
{
    return event->type() == QEvent::FocusOut
        && static_cast<const QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
}

} // namespace

TFormMaster::TFormMaster(Forms& forms)
    : ui(std::make_unique<Ui::TFormMaster>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    days_ = { {
        { ui->ComBoxTwo, ui->Combox2Sh, ui->Combox2Sm, ui->Combox2Eh, ui->Combox2Em, ui->ComRest2 },
        { ui->ComBoxThree, ui->Combox3Sh, ui->Combox3Sm, ui->Combox3Eh, ui->Combox3Em, ui->ComRest3 },
        { ui->ComBoxFour, ui->Combox4Sh, ui->Combox4Sm, ui->Combox4Eh, ui->Combox4Em, ui->ComRest4 },
        { ui->ComBoxFive, ui->Combox5Sh, ui->Combox5Sm, ui->Combox5Eh, ui->Combox5Em, ui->ComRest5 },
        { ui->ComBoxSix, ui->Combox6Sh, ui->Combox6Sm, ui->Combox6Eh, ui->Combox6Em, ui->ComRest6 },
        { ui->ComBoxSeven, ui->Combox7Sh, ui->Combox7Sm, ui->Combox7Eh, ui->Combox7Em, ui->ComRest7 },
        { ui->ComBoxOne, ui->Combox1Sh, ui->Combox1Sm, ui->Combox1Eh, ui->Combox1Em, ui->ComRest1 },
    } };
    for (int d = 0; d < master::kDays; ++d) {
        days_[d].fillEntries();
        for (QComboBox* box : days_[d].all()) {
            box->installEventFilter(this);
            connect(box, &QComboBox::currentIndexChanged, this, [this, d] { dayChange(d); });
        }
    }
    connect(ui->Edit1, &QLineEdit::textEdited, this, &TFormMaster::Edit1Change);
    ui->LabelNameCut->setBackgroundRole(QPalette::ToolTipBase);
    ui->LabelNameCut->setForegroundRole(QPalette::ToolTipText);
    TimerNameCut = new Timer(this, 5000, [this] {
        TimerNameCut->stop();
        ui->LabelNameCut->hide();
    });
    ui->Edit2->setValidator(new WageValidator(this));
    for (QWidget* w : std::initializer_list<QWidget*> { ui->Edit1, ui->Edit2, ui->Panel1 })
        w->installEventFilter(this);

    connect(ui->Edit2, &QLineEdit::textChanged, this, &TFormMaster::Edit2Change);
    connect(ui->SpeedBtn, &QPushButton::clicked, this, &TFormMaster::SpeedBtnClick);
    connect(ui->NListShow, &QAction::triggered, this, [this] {
        forms_.FormPerson->show();
        forms_.FormPerson->raise();
    });
    connect(ui->NClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->NBatch, &QAction::triggered, this, [this] {
        forms_.FormMaster2->show();
        forms_.FormMaster2->raise();
        forms_.FormMaster2->activateWindow();
    });
    connect(ui->NPatternWeek, &QAction::triggered, this, &TFormMaster::NPatternWeekClick);
    connect(ui->NHelpNew, &QAction::triggered, this, [this] { showHelp(kHelpNew); });
    connect(ui->NHelpEdit, &QAction::triggered, this, [this] { showHelp(kHelpEdit); });
    connect(ui->NHelpDelete, &QAction::triggered, this, [this] { showHelp(kHelpDelete); });
}

TFormMaster::~TFormMaster() = default;

// ---- Showing and hiding ----

void TFormMaster::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    TFormPerson* person = forms_.FormPerson;
    person->show();
    if (!placed_) {
        // The employee list sits at the top-left corner; this window starts beside it.
        move(person->frameGeometry().right() + 1, person->frameGeometry().top());
        placed_ = true;
    }
    setWindowTitle(QStringLiteral("従業員マスタ登録 【新規登録モード】"));
    person->setNewRegistration();
    ui->NPatternWeek->setEnabled(!forms_.FormData->shiftPatterns.isEmpty());
    ui->Edit1->setFocus();
}

void TFormMaster::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    forms_.FormMaster2->close();
    forms_.FormPerson->hide();
    inputReset();
    ui->Edit1->clear();
    TimerNameCut->stop();
    ui->LabelNameCut->hide();
}

void TFormMaster::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}

// ---- Inputs ----

master::Week TFormMaster::week() const
{
    master::Week week;
    for (int d = 0; d < master::kDays; ++d)
        week[d] = days_[d].input();
    return week;
}

void TFormMaster::setWeek(const master::Week& week)
{
    for (int d = 0; d < master::kDays; ++d)
        days_[d].set(week[d]);
}

void TFormMaster::restoreDayPrompts(int day)
{
    days_[day].restorePrompts();
}

void TFormMaster::setName(const QString& name)
{
    ui->Edit1->setText(name);
}

void TFormMaster::setWage(const QString& wage)
{
    ui->Edit2->setText(wage);
}

void TFormMaster::emptyAndFocusName()
{
    ui->Edit1->clear();
    ui->Edit1->setFocus();
}

void TFormMaster::inputReset()
{
    ui->Edit2->setText(QStringLiteral("0"));
    setWeek(master::Week {});
    for (const DayBoxes& day : days_)
        day.restorePrompts();
}

// The day rule: the times and the rest of a day that is not a working day stay at their
// first entries.
void TFormMaster::dayChange(int day)
{
    const master::DayInput current = days_[day].input();
    const master::DayInput ruled = master::withDayRule(current);
    if (ruled != current)
        days_[day].set(ruled);
}

// A name typed, pasted or committed by an input method beyond the limit is cut back to it, and a
// note under the field says so for a few seconds: a message box would break off the typing, and a
// tool tip goes with the release of the key that brought it.
void TFormMaster::Edit1Change()
{
    const master::FittedName fitted = master::fitName(ui->Edit1->text(), ui->Edit1->cursorPosition());
    if (!fitted.cut)
        return;
    ui->Edit1->setText(fitted.name);
    ui->Edit1->setCursorPosition(fitted.cursor);
    ui->LabelNameCut->show();
    ui->LabelNameCut->raise();
    TimerNameCut->start();
}

void TFormMaster::Edit2Change()
{
    const QString wage = master::normaliseWage(ui->Edit2->text());
    if (wage != ui->Edit2->text())
        ui->Edit2->setText(wage);
}

// ---- Focus ----

void TFormMaster::focusLater(QWidget* widget)
{
    QMetaObject::invokeMethod(
        this, [widget] { widget->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

void TFormMaster::Edit1Exit()
{
    if (!ui->Edit1->text().isEmpty())
        focusLater(ui->Edit2);
}

void TFormMaster::Edit2Exit()
{
    focusLater(ui->Edit1->text().isEmpty() ? static_cast<QWidget*>(ui->Edit1) : days_[0].attribute);
}

bool TFormMaster::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnterKey(event)) {
        // Enter goes on in tab order, except that the wage sends an unnamed employee back
        // to the name.
        if (watched == ui->Edit2 && ui->Edit1->text().isEmpty())
            ui->Edit1->setFocus(Qt::OtherFocusReason);
        else
            focusNextChild();
        return true;
    }
    if (isLeftByClick(event)) {
        if (watched == ui->Edit1)
            Edit1Exit();
        else if (watched == ui->Edit2)
            Edit2Exit();
        else if (watched == ui->ComRest1)
            focusLater(ui->SpeedBtn);
    } else if (watched == ui->Panel1 && event->type() == QEvent::Enter) {
        ui->SpeedBtn->setFocus(Qt::OtherFocusReason);
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Progress display ----

void TFormMaster::startProgress()
{
    ui->ProgressBar1->show();
    ui->ProgressBar1->setValue(5);
}

void TFormMaster::setProgress(int value)
{
    ui->ProgressBar1->setValue(value);
}

void TFormMaster::stopProgress()
{
    ui->ProgressBar1->setValue(0);
    ui->ProgressBar1->hide();
}

// ---- Registration ----

void TFormMaster::refuse(const master::Refusal& refusal)
{
    using master::Problem;
    switch (refusal.problem) {
    case Problem::TableFull:
        emptyAndFocusName();
        break;
    case Problem::NameMissing:
    case Problem::NameUnusable:
    case Problem::NameTooLong:
    case Problem::NameTaken:
        ui->Edit1->setFocus();
        break;
    default:
        days_[refusal.day].pointAt(refusal);
        break;
    }
    const dialogs::Kind kind
        = refusal.problem == Problem::TableFull ? dialogs::Kind::Information : dialogs::Kind::Plain;
    dialogs::message(kind, master::refusalText(refusal), dialogs::Buttons::Ok, this);
}

void TFormMaster::SpeedBtnClick()
{
    TFormPerson* person = forms_.FormPerson;
    Table& table = forms_.FormData->StringGrid1;
    const master::Mode mode = person->mode();
    const master::EmployeeInput input { ui->Edit1->text(), ui->Edit2->text(), week() };
    if (const auto refusal = master::checkRegistration(table, input, mode, person->editedRow())) {
        refuse(*refusal);
        return;
    }
    const QString wage = master::normaliseWage(input.wage);
    setWage(wage);
    master::Week shown;
    for (int d = 0; d < master::kDays; ++d)
        shown[d] = master::withDayRule(input.week[d]);
    setWeek(shown);

    startProgress();
    const int row = mode == master::Mode::Edit ? person->editedRow() : master::firstFreeRow(table);
    const QString previousName = table.cell(0, row);
    const QStringList cells = master::assembleRecord(input.name, wage, shown);
    for (int c = 0; c < cells.size(); ++c)
        table.setCell(c, row, cells[c]);
    if (mode == master::Mode::Edit) {
        followRename(forms_.FormData->dayChanges, table, previousName, input.name);
        requests::followRename(forms_.FormData->staffRequests, table, previousName, input.name);
        patterns::followRename(forms_.FormData->shiftPatterns, table, previousName, input.name);
    }
    Q_EMIT tableChanged();
    person->refreshList();
    setProgress(75);
    pace::pause(300);
    setProgress(80);
    pace::pause(300);
    setProgress(95);
    setProgress(100);
    pace::pause(300);
    stopProgress();
    setWindowTitle(QStringLiteral("従業員マスタ登録 【追加モード】"));

    if (mode == master::Mode::Edit) {
        dialogs::message(
            dialogs::Kind::Plain, QStringLiteral("■ ") + input.name + kEditRegisteredTail, dialogs::Buttons::Ok, this);
        inputReset();
        person->refreshList();
    } else if (dialogs::message(dialogs::Kind::Plain, QStringLiteral("■ ") + input.name + kKeepForNextTail,
                   dialogs::Buttons::YesNo, this)
        != dialogs::Answer::Yes) {
        inputReset();
    }
    person->setNewRegistration();
    emptyAndFocusName();
}

void TFormMaster::newRegistrationChosen()
{
    setWindowTitle(QStringLiteral("従業員マスタ登録 【新規登録モード】"));
    inputReset();
    emptyAndFocusName();
}

void TFormMaster::loadForEditing(const QString& name)
{
    TFormPerson* person = forms_.FormPerson;
    const Table& table = forms_.FormData->StringGrid1;
    setWindowTitle(QStringLiteral("従業員マスタ登録"));
    if (name.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kEditWithoutSelection, dialogs::Buttons::Ok, person);
        return;
    }
    setWeek(master::Week {});
    pace::pause(100);
    person->setNewRegistration();
    setName(name);
    const int row = master::findEmployee(table, name);
    if (row < 0) {
        dialogs::message(
            dialogs::Kind::Error, QStringLiteral("■ ") + name + kNotRegisteredTail, dialogs::Buttons::Ok, person);
        return;
    }
    person->setEditing(row);
    startProgress();
    setWindowTitle(QStringLiteral("従業員マスタ登録 【編集・修正】"));
    const master::LoadedRecord record = master::loadRecord(table, row);
    setWage(record.wage);
    setWeek(record.week);
    for (int d = 0; d < master::kDays; ++d) {
        if (record.restFound[d])
            continue;
        dialogs::message(dialogs::Kind::Plain,
            QString(kRestMeaningless).replace(QStringLiteral("月曜日"), master::dayName(d)), dialogs::Buttons::Ok,
            person);
        restoreDayPrompts(d);
    }
    stopProgress();
    dialogs::message(dialogs::Kind::Plain, kLoaded, dialogs::Buttons::Ok, person);
}

void TFormMaster::deleteEmployee(const QString& name)
{
    TFormPerson* person = forms_.FormPerson;
    Table& table = forms_.FormData->StringGrid1;
    setWindowTitle(QStringLiteral("従業員マスタ登録"));
    if (name.isEmpty()) {
        dialogs::message(dialogs::Kind::Information, kDeleteWithoutSelection, dialogs::Buttons::Ok, person);
        return;
    }
    if (dialogs::message(
            dialogs::Kind::Warning, QStringLiteral("■ ") + name + kConfirmDeleteTail, dialogs::Buttons::YesNo, person)
        != dialogs::Answer::Yes)
        return;
    startProgress();
    const int row = master::findEmployee(table, name);
    if (row < 0) {
        stopProgress();
        dialogs::message(dialogs::Kind::Error, kDeleteNotFound, dialogs::Buttons::Ok, person);
        return;
    }
    master::deleteEmployee(table, row);
    patterns::followDelete(forms_.FormData->shiftPatterns, table, name);
    Q_EMIT tableChanged();
    person->refreshList();
    for (int step : { 70, 80, 90, 100 }) {
        setProgress(step);
        pace::pause(300);
    }
    QApplication::beep();
    stopProgress();
    person->selectFirst();
    person->setNewRegistration();
    emptyAndFocusName();
    inputReset();
    dialogs::message(dialogs::Kind::Plain, kDeleted, dialogs::Buttons::Ok, person);
}

void TFormMaster::NPatternWeekClick()
{
    if (!patternWeek_) {
        patternWeek_ = std::make_unique<TFormPatternWeek>(this);
        connect(patternWeek_.get(), &QDialog::accepted, this, [this] {
            master::Week filled = week();
            const auto chosen = patternWeek_->chosen();
            for (int d = 0; d < master::kDays; ++d)
                if (chosen[d])
                    filled[d] = *chosen[d];
            setWeek(filled);
        });
    }
    patternWeek_->choose(forms_.FormData->shiftPatterns);
}

void TFormMaster::showHelp(const QString& text)
{
    dialogs::message(dialogs::Kind::Plain, text, dialogs::Buttons::Ok, this);
}
