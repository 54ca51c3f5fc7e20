#include "shell/Unitmain.h"
#include "ui_Unitmain.h"

#include "app/Forms.h"
#include "app/Unittitle.h"
#include "app/WindowScaling.h"
#include "data/MasterChecks.h"
#include "data/ScheduleChecks.h"
#include "data/Unitdata.h"
#include "master/Unitmaster.h"
#include "period/Unitterm.h"
#include "platform/Dialogs.h"
#include "platform/FatalExit.h"
#include "platform/JpegDecoder.h"
#include "platform/MenuItems.h"
#include "platform/Pace.h"
#include "platform/Timer.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/Uniteditor.h"
#include "reports/ViewOutput.h"
#include "shell/UsageState.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <algorithm>

namespace {

const QString kMakerCaption = QStringLiteral("Karvela Software Development");
const QString kCheckHit = QStringLiteral("▽ ZEL USE DATA SECURITY CHECK HIT !");
const QColor kCostBackground(0, 128, 0);
const QColor kListBackground(0, 0, 160);

// Ends the program after a data file could not be created, opened or written.
[[noreturn]] void fileFailure(const FileError& error)
{
    const QString system = error.fileName + QStringLiteral(": ") + error.systemError;
    switch (error.kind) {
    case FileError::Kind::Create:
        fatalExit(dialogs::Kind::Plain, QStringLiteral("ZEL Rotan File, It's gone！・・・異常終了！"), system);
    case FileError::Kind::Open:
        fatalExit(dialogs::Kind::Plain, QStringLiteral("ZEL Rotan Series File OPEN 失敗・・・"), system);
    case FileError::Kind::Write:
        break;
    }
    fatalExit(dialogs::Kind::Error,
        QStringLiteral("環境設定時エラー\n\n連絡先：カルヴェラソフトウェア・ディベロプメント"), system);
}

} // namespace

TFormMain::TFormMain(Forms& forms)
    : ui(std::make_unique<Ui::TFormMain>())
    , forms_(forms)
    , output_(std::make_unique<ViewOutput>())
{
    ui->setupUi(this);
    ui->Image1->setPixmap(QPixmap::fromImage(loadJpeg(QStringLiteral(":/pictures/main.jpg"))));
    centralWidget()->setFixedSize(688, 464);
    setFixedSize(sizeHint());
    attachFormetry(this);

    Timer1 = new Timer(this, 1000, [this] { Timer1Timer(); });
    Timer2 = new Timer(this, 1000, [this] { Timer2Timer(); });
    Timer3 = new Timer(this, 1000, [this] { Timer3Timer(); });
    TimerMsg = new Timer(this, 300, [this] { TimerMsgTimer(); });
    TimerInfo = new Timer(this, 1000, [this] { TimerInfoTimer(); });
    TimerName = new Timer(this, 100, [this] { TimerNameTimer(); });
    TimerSearch = new Timer(this, 100, [this] { TimerSearchTimer(); });
    TimerCost = new Timer(this, 500, [this] { TimerCostTimer(); });
    TimerList = new Timer(this, 500, [this] { TimerListTimer(); });

    startDir_ = QDir::currentPath();
    setCaption(kMakerCaption);
    pace::pause(300);
    ui->CGauge5->setMaximum(30);
    setTopMenus(false, false, false, false, false);
    buildPopupMenu();
    connectMenus();
}

TFormMain::~TFormMain() = default;

// ---- Start-up sequence ----

void TFormMain::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void TFormMain::progressCaption(int dots)
{
    setCaption(QStringLiteral("▽ ZEL SECURITY CHECK RUNNING") + QString(dots, QChar(u'．')));
}

void TFormMain::appendStatus(const QStringList& lines)
{
    for (const QString& line : lines)
        ui->RichEdit1->appendLine(line);
}

void TFormMain::Timer1Timer()
{
    Timer1->stop();
    if (startupStarted_)
        return;
    startupStarted_ = true;

    setCaption(kMakerCaption);
    pace::pause(300);
    setCaption(QStringLiteral("Karvela Software Development ⇒ Rotan"));
    removeStaleTemporaries(startDir_, { TFormData::kMasterFile, TFormData::kScheduleFile });
    if (auto error = ensureFile(startDir_, TFormData::kMasterFile))
        fileFailure(*error);
    pace::pause(200);
    setCaption(QStringLiteral("Karvela Software Development ⇒ Rotan Products"));
    bool capacityExceeded = false;
    if (auto error = forms_.FormData->loadMaster(startDir_, capacityExceeded))
        fileFailure(*error);

    pace::pause(300);
    setCaption(QStringLiteral("Karvela Software Development ⇒ Rotan Products Loading"));
    pace::pause(400);
    setCaption(QStringLiteral("ZEL Rotan Series"));
    pace::pause(400);
    setCaption(QStringLiteral("ZEL Rotan Series ⇒ Pending"));
    pace::pause(400);
    setCaption(QStringLiteral("ZEL Rotan Series ⇒ Pending ⇒ Init"));

    setupNeeded_ = false;
    const Table& master = forms_.FormData->StringGrid1;
    if (master.isEmpty()) {
        setupNeeded_ = true;
        appendStatus({ QString(), QStringLiteral("▼ 初期設定メニューから＜従業員マスタ＞登録必須．"), QString(),
            QStringLiteral("▽ 従業員未登録"), QString(), QStringLiteral("- ZEL ROTAN -") });
        setCaption(kCheckHit);
        ui->NState->setEnabled(false);
        Timer2->start();
        return;
    }

    pace::pause(200);
    setCaption(QStringLiteral("ZEL Rotan Series ⇒ Pending ⇒ Init ⇒ Run"));
    pace::pause(400);
    setCaption(QStringLiteral("▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒"));
    pace::pause(200);
    setCaption(QStringLiteral("▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒ ⇒"));
    pace::pause(200);
    setCaption(QStringLiteral("▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒ ⇒ ⇒"));
    pace::pause(200);
    progressCaption(1);

    // The three check stages with their progress captions; the first failure ends the step.
    const auto failed = [this](const QStringList& lines) {
        if (lines.isEmpty())
            return false;
        appendStatus(lines);
        masterDataError_ = true;
        Timer2->start();
        enterDataError();
        // The menus open only when the sequence has ended: a period registered before step 2
        // loads the schedule file would otherwise be overwritten by it.
        setTopMenus(false, false, false, false, false);
        return true;
    };
    pace::pause(200);
    progressCaption(2);
    if (failed(masterchecks::completeness(master)))
        return;
    pace::pause(200);
    progressCaption(3);
    if (failed(masterchecks::numbers(master)))
        return;
    pace::pause(200);
    progressCaption(4);
    pace::pause(200);
    progressCaption(5);
    if (failed(masterchecks::namesAndAttributes(master)))
        return;

    pace::pause(200);
    progressCaption(6);
    if (capacityExceeded) {
        setCaption(QStringLiteral("ZEL Rotan QX-Series  【警告】 使用データ不正・改変検出．対無効化処置実行済！"));
        dialogs::message(dialogs::Kind::Plain,
            QStringLiteral("▼ ３０人分のデータのみキャプチャしました．\r\n\r\n▽ "
                           "データ・フォーマットに改変等がある場合，正常に処理出来ない場合有り．\r\n\r\n▽ "
                           "当社及び開発者は，ユーザ構築データに関しては，一切責任等負いません．\r\n"),
            dialogs::Buttons::Ok, this);
    } else {
        progressCaption(8);
    }
    Timer2->start();
}

void TFormMain::Timer2Timer()
{
    Timer2->stop();
    pace::pause(200);
    progressCaption(7);
    if (auto error = forms_.FormData->loadSchedule(startDir_))
        fileFailure(*error);
    pace::pause(200);
    progressCaption(8);

    const Table& schedule = forms_.FormData->StringGrid2;
    if (schedule.isEmpty()) {
        setupNeeded_ = true;
        appendStatus({ QString(), QStringLiteral("▼ 初期設定メニューから＜勤務期間設定＞実行必須．"), QString(),
            QStringLiteral("▽ 勤務期間初期設定未実行"), QString(), QStringLiteral("- ZEL ROTAN -") });
    }
    if (setupNeeded_)
        setCaption(kCheckHit);
    else
        progressCaption(9);
    pace::pause(200);
    if (setupNeeded_) {
        enterSetupNeeded();
        Timer3->stop();
        startupFinished_ = true;
        return;
    }

    progressCaption(10);
    pace::pause(200);
    for (const QStringList& lines : { schedulechecks::completeness(schedule), schedulechecks::numbers(schedule) }) {
        if (!lines.isEmpty()) {
            appendStatus(lines);
            enterDataError();
            startupFinished_ = true;
            return;
        }
    }
    progressCaption(11);
    pace::pause(200);
    Timer3->start();
}

void TFormMain::Timer3Timer()
{
    Timer3->stop();
    progressCaption(12);
    pace::pause(200);

    using schedulechecks::PeriodGroup;
    const Table& schedule = forms_.FormData->StringGrid2;
    const int year = forms_.FormTerm->startupDate().year();
    bool anyFailed = false;
    int caption = 13;
    for (PeriodGroup group : { PeriodGroup::Header, PeriodGroup::Days, PeriodGroup::Weekdays, PeriodGroup::Filler }) {
        for (const QString& failure : schedulechecks::periodFailures(schedule, year, group)) {
            appendStatus(schedulechecks::periodReport(failure));
            anyFailed = true;
        }
        progressCaption(caption++);
        pace::pause(200);
    }
    for (; caption <= 18; ++caption) {
        progressCaption(caption);
        pace::pause(200);
    }

    if (anyFailed) {
        setCaption(kCheckHit);
        enterDataError();
    } else if (masterDataError_) {
        // After an employee master error the data-error state stays: no view may compute on that data.
        setCaption(dataErrorCaption());
        setTopMenus(true, true, false, false, true);
    } else {
        enterNormal();
    }
    startupFinished_ = true;
}

// ---- States ----

void TFormMain::showStatusPanel()
{
    ui->RichEdit1->setGeometry(184, 240, 353, 177);
    ui->RichEdit1->show();
}

void TFormMain::setTopMenus(bool action, bool data, bool schedu, bool sum, bool info)
{
    ui->NAction->menuAction()->setEnabled(action);
    ui->NData->menuAction()->setEnabled(data);
    ui->NSchedu->menuAction()->setEnabled(schedu);
    ui->NSum->menuAction()->setEnabled(sum);
    ui->NInfo->menuAction()->setEnabled(info);
}

void TFormMain::enterSetupNeeded()
{
    state_ = State::SetupNeeded;
    setCaption(QStringLiteral("ZEL Rotan QX-%1   - カルヴェラソフトウェア・ディベロプメント -").arg(kMaxEmployees));
    setTopMenus(true, true, false, false, true);
    showStatusPanel();
    ui->NState->setEnabled(false);
}

QString TFormMain::dataErrorCaption()
{
    return QStringLiteral(
        "ZEL Rotan QX-%1   - カルヴェラソフトウェア・ディベロプメント -　．．．異常検出！異常検出！異常検出！")
        .arg(kMaxEmployees);
}

void TFormMain::enterDataError()
{
    state_ = State::DataError;
    setCaption(QStringLiteral(
        "ZEL Rotan QX-%1   - カルヴェラソフトウェア・ディベロプメント -　．．．異常検出！異常検出！異常検出！")
                   .arg(kMaxEmployees));
    setTopMenus(true, true, false, false, true);
    showStatusPanel();
    appendStatus({ QString(), QString(), QStringLiteral("▽△▽△ 初期設定メニューから再構築必要！") });
}

void TFormMain::enterNormal()
{
    state_ = State::Normal;
    setTopMenus(true, true, true, true, true);
    forms_.FormInfo->show();
    forms_.FormInfo->appendLine(QStringLiteral("▼ しばらくお待ちください．．．"));
    setCaption(QStringLiteral("ZEL Rotan QX-%1   - Karvela Software Development -").arg(kMaxEmployees));
}

// ---- Show, hide, close ----

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        Timer1->start();
}

void TFormMain::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    for (Timer* t : { Timer1, Timer2, Timer3, TimerInfo, TimerName, TimerSearch, TimerCost, TimerList })
        t->stop();
    for (RichEdit* panel : { ui->RichEdit1, ui->RichEdit2, ui->RichEdit3, ui->RichEdit4 }) {
        panel->clearLines();
        panel->hide();
    }
    ui->ListBox1->clear();
    ui->ListBox1->hide();
    ui->RichEdit1->setGeometry(184, 416, 353, 9);
    ui->RichEdit2->resize(ui->RichEdit2->width(), 10);
    ui->RichEdit3->resize(ui->RichEdit3->width(), 17);
    ui->RichEdit4->resize(17, ui->RichEdit4->height());
    ui->ListBox1->resize(ui->ListBox1->width(), 17);
    ui->Nsearch->setEnabled(true);
    ui->NState->setEnabled(true);
    setPictureHint(false);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (pace::inPause()) {
        // A close during a start-up pause waits until the step has finished.
        event->ignore();
        pace::runWhenIdle([this] { close(); });
        return;
    }
    hide();
    if (auto error = forms_.FormData->saveAll(startDir_))
        fileFailure(*error);
    event->accept();
    QCoreApplication::quit();
}

void TFormMain::handOverTo(QWidget* window)
{
    hide();
    window->show();
}

QAction* TFormMain::scheduleItem(ScheduleItem item) const
{
    switch (item) {
    case ScheduleItem::Monthly:
        return ui->NscheManth;
    case ScheduleItem::Daily:
        return ui->NscheDay;
    case ScheduleItem::Weekly:
        break;
    }
    return ui->NscheWeek;
}

RichEdit* TFormMain::firstVisiblePanel() const
{
    for (RichEdit* panel : { ui->RichEdit2, ui->RichEdit3, ui->RichEdit4 })
        if (!panel->isHidden()) // shown on the window, even while the window itself is covered or hidden
            return panel;
    return nullptr;
}

void TFormMain::printLineReport(QWidget* parent)
{
    if (!output_->checkPrinter(parent))
        return;
    if (!QRListFormLinePrn)
        QRListFormLinePrn = std::make_unique<TQRListFormLinePrn>();
    QRListFormLinePrn->print(output_->printer(), firstVisiblePanel(), parent);
}

// ---- Period reminder ----

void TFormMain::hidePeriodReminder()
{
    ui->LabelMsg->hide();
    TimerMsg->stop();
}

void TFormMain::startPeriodReminder(const QString& text)
{
    ui->LabelMsg->setText(text);
    ui->LabelMsg->show();
    if (!TimerMsg->isEnabled()) // the today panel repeats this every 100 ms; the scroll keeps its pace
        TimerMsg->start();
}

void TFormMain::stopPeriodReminder(const QString& text)
{
    ui->LabelMsg->setText(text);
    hidePeriodReminder();
}

void TFormMain::TimerMsgTimer()
{
    static const QColor kFirst(255, 255, 204); // pale yellow
    QLabel* label = ui->LabelMsg;
    QColor colour = label->palette().color(QPalette::Window);
    if (label->x() < 2) {
        colour = kFirst;
        label->hide();
        label->move(530, label->y());
    } else {
        label->show();
        label->move(label->x() - 10, label->y());
        if (label->x() <= 80)
            colour = Qt::cyan;
        else if (label->x() <= 290)
            colour = Qt::yellow;
        else if (label->x() <= 410)
            colour = kFirst;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

// ---- Menus ----

void TFormMain::resetPanels()
{
    // The registration list stops too, so that no line of it lands in the cleared panel.
    for (Timer* t : { TimerName, TimerSearch, TimerCost, TimerList, TimerMsg })
        t->stop();
    forms_.FormInfo->withdrawDetails();
    for (Gauge* gauge : { ui->CGaugeName, ui->CGaugeCost }) {
        gauge->setValue(0);
        gauge->hide();
    }
    for (RichEdit* panel : { ui->RichEdit2, ui->RichEdit3, ui->RichEdit4 }) {
        panel->clearLines();
        panel->hide();
    }
    ui->RichEdit3->resize(ui->RichEdit3->width(), 17);
    ui->RichEdit4->resize(17, ui->RichEdit4->height());
    for (RichEdit* panel : { ui->RichEdit3, ui->RichEdit4 }) {
        QFont font = panel->font();
        font.setPointSize(9);
        panel->setFont(font);
    }
    ui->ListBox1->clear();
    ui->ListBox1->resize(ui->ListBox1->width(), 17);
    ui->ListBox1->hide();
    ui->LabelMsg->hide();
    ui->CGaugeTerm->hide();
    ui->CGaugeMaster->hide();
    for (QAction* item : popupItems_)
        item->setEnabled(false);
    ui->NState->setEnabled(!ui->RichEdit1->isVisible());
}

void TFormMain::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](const char* name, const QString& text) {
        popupItems_ << addDisabledItem(PopupMenu1, name, text);
        return popupItems_.constLast();
    };
    connect(item("NTranse", QStringLiteral("転送")), &QAction::triggered, this, [this] {
        forms_.FormEditor->show();
        forms_.FormEditor->raise();
    });
    PopupMenu1->addSeparator();
    QAction* selectAll = item("NAllSelect", QStringLiteral("全て選択"));
    QAction* copy = item("NAllCopy", QStringLiteral("コピー"));
    PopupMenu1->addSeparator();
    QAction* printerSetup = item("NPrintSet", QStringLiteral("プリンタ設定"));
    connect(printerSetup, &QAction::triggered, this, [this] { output_->printerSetup(this); });
    QAction* printOut = item("NPrintOut", QStringLiteral("印刷 - A4横 -"));
    connect(printOut, &QAction::triggered, this, [this, printOut] {
        printOut->setEnabled(false);
        printLineReport(this);
        printOut->setEnabled(true);
    });
    PopupMenu1->addSeparator();
    QMenu* font = PopupMenu1->addMenu(QStringLiteral("フォント設定"));
    font->menuAction()->setObjectName(QStringLiteral("NFont"));
    font->menuAction()->setEnabled(false);
    popupItems_ << font->menuAction();
    QAction* colour = font->addAction(QStringLiteral("カラー"));
    colour->setObjectName(QStringLiteral("N4"));
    QAction* style = font->addAction(QStringLiteral("スタイル"));
    style->setObjectName(QStringLiteral("N16"));

    // Colour and font go to the first visible panel, whichever panel the menu was opened on.
    connect(colour, &QAction::triggered, this, [this] {
        if (RichEdit* panel = firstVisiblePanel()) {
            if (auto c = dialogs::color(this, panel->palette().color(QPalette::Base))) {
                QPalette palette = panel->palette();
                palette.setColor(QPalette::Base, *c);
                panel->setPalette(palette);
            }
        }
    });
    connect(style, &QAction::triggered, this, [this] {
        if (RichEdit* panel = firstVisiblePanel())
            if (auto f = dialogs::font(this, panel->font()))
                panel->setFont(*f);
    });

    // Select all and copy act on the panel on which the menu was opened.
    for (RichEdit* panel : { ui->RichEdit2, ui->RichEdit3, ui->RichEdit4 })
        attachPopupMenu(panel, PopupMenu1, [this, panel] { popupPanel_ = panel; });
    connect(selectAll, &QAction::triggered, this, [this] {
        if (popupPanel_)
            popupPanel_->selectAll();
    });
    connect(copy, &QAction::triggered, this, [this] {
        if (popupPanel_)
            popupPanel_->copy();
    });
}

void TFormMain::enablePopup()
{
    for (QAction* item : popupItems_)
        item->setEnabled(true);
}

void TFormMain::showInformation(const QString& text)
{
    dialogs::message(dialogs::Kind::Information, text, dialogs::Buttons::Ok, this);
}

void TFormMain::connectMenus()
{
    connect(ui->NAction, &QMenu::aboutToShow, this, [this] {
        if (!ui->NSchedu->menuAction()->isEnabled() || !ui->NSum->menuAction()->isEnabled())
            ui->NState->setEnabled(false);
    });
    connect(ui->NData, &QMenu::aboutToShow, this, [this] {
        resetPanels();
        ui->NList->setEnabled(true);
    });
    for (QMenu* top : { ui->NSchedu, ui->NSum, ui->NInfo })
        connect(top, &QMenu::aboutToShow, this, &TFormMain::resetPanels);

    connect(ui->NExit, &QAction::triggered, this, [this] {
        hide();
        close();
    });
    connect(ui->NFirstSet, &QAction::triggered, this, [this] { handOverTo(forms_.FormTerm); });
    connect(ui->NInput, &QAction::triggered, this, [this] {
        ui->NInput->setChecked(true);
        handOverTo(forms_.FormMaster);
    });
    // The views set the check marks of their items; choosing an item does not toggle it.
    connect(ui->NscheManth, &QAction::triggered, this, [this](bool checked) {
        ui->NscheManth->setChecked(!checked);
        handOverTo(forms_.FormSchedu);
    });
    connect(ui->NscheDay, &QAction::triggered, this, [this](bool checked) {
        ui->NscheDay->setChecked(!checked);
        handOverTo(forms_.FormTime);
    });
    connect(ui->NscheWeek, &QAction::triggered, this, [this](bool checked) {
        ui->NscheWeek->setChecked(!checked);
        ui->NscheWeek->setEnabled(false);
        forms_.FormWkList->show();
    });
    connect(ui->N13, &QAction::triggered, this, [this] { forms_.FormTitle->show(); });
    connect(ui->NState, &QAction::triggered, this, &TFormMain::NStateClick);
    connect(ui->Nsearch, &QAction::triggered, this, &TFormMain::NsearchClick);
    connect(ui->Ncost, &QAction::triggered, this, &TFormMain::NcostClick);
    connect(ui->NList, &QAction::triggered, this, &TFormMain::NListClick);
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, &TFormMain::ListBox1DblClick);

    // Fixed information dialogs of the maker (a fictional company) and of the program.
    const auto fixed = [this](QAction* item, dialogs::Kind kind, const QString& text) {
        connect(item, &QAction::triggered, this, [this, item, kind, text] {
            item->setChecked(true);
            dialogs::message(kind, text, dialogs::Buttons::Ok, this);
        });
    };
    fixed(ui->NMaker, dialogs::Kind::Information,
        QStringLiteral("【開発元】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント\r\n\r\n□ "
                       "〒000-0000　見本県見本市架空町１－２－３\r\n\r\n□ E-mail：info@karvela.example"));
    fixed(ui->NProvider, dialogs::Kind::Information,
        QStringLiteral("【提供元】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント　頒布係\r\n\r\n□ "
                       "〒000-0000　見本県見本市架空町１－２－３\r\n\r\n□ E-mail：support@karvela.example"));
    connect(ui->NCopyright, &QAction::triggered, this, [this] {
        ui->NCopyright->setChecked(true);
        showInformation(QStringLiteral("【著作権者】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント"));
        showInformation(QStringLiteral("【開発者】\r\n\r\n■ ロータン開発グループ"));
    });
    fixed(ui->NTerms, dialogs::Kind::Warning,
        QStringLiteral(
            "【利用規約】\r\n\r\n■ 本ソフトウェアは，勤務スケジュール作成の目安としてご利用ください．\r\n\r\n■ "
            "本ソフトウェアの利用により生じたいかなる損害についても，開発元及び提供元は一切の責任を負いません．\r\n\r\n"
            "■ 本ソフトウェアの無断での改変・再配布を禁じます．\r\n\r\n■ "
            "従業員の個人情報は，利用者の責任において適切に管理してください．"));
    fixed(ui->NTitleInfo, dialogs::Kind::Information,
        QStringLiteral("【タイトル説明】\r\n\r\n■ 勤務スケジュール作成支援ソフトウェア\r\n\r\n□ "
                       "曜日を基準に勤務スケジュールを作成．\r\n\r\n□ ２４時間勤務に対応．\r\n\r\n□ "
                       "時給計算機能有り．ただし，算出方法等は，ZEL Rotanの仕様に準ず．\r\n\r\n□ "
                       "部下の勤務スケジュールを管理する立場の者が利用されても良いし，各従業員自身が利用されるのにも適"
                       "\r\n　　する．\r\n\r\n□ パート，アルバイト勤務者自身の利用に最適．お友達の分も作成！\r\n\r\n□ "
                       "店長さんの活用にも最適．\r\n\r\n□ 看護婦さんの勤務にも最適．"));
    fixed(ui->NEnvironment, dialogs::Kind::Information,
        QStringLiteral("【動作環境】\r\n\r\n■ WindowsNT/2000/XP （推奨）\r\n\r\n■ Windows98x/Me （透過不可）\r\n\r\n□ "
                       "解像度．．．1024×768"));
    connect(ui->N12, &QAction::triggered, this, [this] {
        showInformation(
            QStringLiteral("【サポート】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント　サポート窓口\r\n\r\n□ "
                           "郵送：〒000-0000　見本県見本市架空町１－２－３\r\n\r\n□ E-mail：support@karvela.example"));
    });
    connect(ui->N22, &QAction::triggered, this, [this] {
        showInformation(QStringLiteral(
            "【利用方法】\r\n\r\n① 従業員マスタ登録を，最低１件行う．\r\n\r\n② "
            "勤務期間を設定する．本日から最高４０日間の期間で自動作成されます．\r\n\r\n③ "
            "各種機能を利用する．\r\n\r\n\r\n※ 勤務期間は，いつ何時でも設定可能．\r\n※ 時給計算等の算出方法は，ZEL "
            "Rotanの仕様によるものです．\r\n　　該当しない場合は，目安としてご利用ください．"));
    });
}

// ---- Reports in the panels ----

void TFormMain::setTopMenusEnabled(bool on)
{
    setTopMenus(on, on, on, on, on);
}

void TFormMain::setPictureHint(bool on)
{
    ui->Image1->setToolTip(on ? QStringLiteral("右上の「詳 細」で，本日の勤務者と本日給料を表示します．") : QString());
}

void TFormMain::startCounting(Gauge* gauge)
{
    employeesTotal_ = employeesLeft_ = forms_.FormData->employeeCount();
    nextRow_ = 0;
    gauge->setMaximum(employeesTotal_);
}

// The row to handle in this tick. The counters move on first, so a cell that is not a
// number stops only this employee's line, not the whole job.
int TFormMain::takeEmployee(Gauge* gauge)
{
    gauge->setValue(employeesTotal_ - employeesLeft_ + 1);
    const int row = nextRow_++;
    if (--employeesLeft_ == 0)
        gauge->setValue(gauge->maximum());
    return row;
}

void TFormMain::finishGauge(Gauge* gauge)
{
    gauge->setValue(0);
    gauge->hide();
}

void TFormMain::widenRichEdit4(const QColor& background)
{
    RichEdit* panel = ui->RichEdit4;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::white);
    panel->setPalette(palette);
    panel->show();
    for (int width = 10; width <= 630; width += 10) {
        panel->resize(width, panel->height());
        pace::pause(50);
    }
}

void TFormMain::NStateClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    const auto show = [this](const QList<shell::Notice>& notices) {
        for (const shell::Notice& notice : notices) {
            dialogs::Kind kind = dialogs::Kind::Plain;
            switch (notice.kind) {
            case shell::Notice::Kind::Plain:
                break;
            case shell::Notice::Kind::Information:
                kind = dialogs::Kind::Information;
                break;
            case shell::Notice::Kind::Warning:
                kind = dialogs::Kind::Warning;
                break;
            case shell::Notice::Kind::Error:
                kind = dialogs::Kind::Error;
                break;
            }
            dialogs::message(kind, notice.text, dialogs::Buttons::Ok, this);
        }
    };
    const shell::UsageState usage = shell::usageState(
        forms_.FormData->StringGrid2, forms_.FormData->employeeCount(), forms_.FormTerm->startupDate());
    if (!usage.periodValid) {
        show(usage.periodNotices);
        return;
    }
    ui->NState->setEnabled(false);
    ui->CGaugeTerm->setMaximum(usage.periodMaximum);
    ui->CGaugeTerm->setValue(usage.periodProgress);
    ui->CGaugeTerm->show();
    show(usage.periodNotices);
    ui->CGaugeMaster->setMaximum(kMaxEmployees);
    ui->CGaugeMaster->setValue(usage.employees);
    ui->CGaugeMaster->show();
    show(usage.masterNotices);
}

void TFormMain::NsearchClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->Nsearch->setChecked(true);
    startCounting(ui->CGaugeName);
    ui->ListBox1->show();
    ui->RichEdit3->show();
    for (int height = 10; height <= 310; height += 10) {
        ui->ListBox1->resize(ui->ListBox1->width(), height);
        ui->RichEdit3->resize(ui->RichEdit3->width(), std::min(height, 260));
        pace::pause(50);
    }
    ui->CGaugeName->show();
    TimerName->start();
}

void TFormMain::TimerNameTimer()
{
    if (employeesLeft_ != 0) {
        const int row = takeEmployee(ui->CGaugeName);
        ui->ListBox1->addItem(forms_.FormData->StringGrid1.cell(0, row));
        return;
    }
    TimerName->stop();
    finishGauge(ui->CGaugeName);
    ui->RichEdit3->appendLine(QString());
    ui->RichEdit3->appendLine(
        QStringLiteral("左の氏名リストから，ターゲット従業員をダブル・クリックし選択してください．"));
    enablePopup();
}

void TFormMain::ListBox1DblClick()
{
    ui->RichEdit3->clearLines();
    TimerSearch->start();
}

void TFormMain::TimerSearchTimer()
{
    TimerSearch->stop();
    if (const QListWidgetItem* item = ui->ListBox1->currentItem())
        for (const QString& line : shell::individualWeek(forms_.FormData->StringGrid1, item->text()))
            ui->RichEdit3->appendLine(line);
    enablePopup();
}

void TFormMain::NcostClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->Ncost->setChecked(true);
    startCounting(ui->CGaugeCost);
    costTotals_ = {};
    widenRichEdit4(kCostBackground);
    ui->CGaugeCost->show();
    TimerCost->start();
}

void TFormMain::TimerCostTimer()
{
    if (employeesLeft_ != 0) {
        const int row = takeEmployee(ui->CGaugeCost);
        ui->RichEdit4->appendLine(shell::costLine(forms_.FormData->StringGrid1, row, costTotals_));
        return;
    }
    TimerCost->stop();
    finishGauge(ui->CGaugeCost);
    ui->RichEdit4->appendLine(QString());
    ui->RichEdit4->appendLine(shell::costClosingLine(costTotals_));
    ui->RichEdit4->prependLine(QString());
    enablePopup();
}

void TFormMain::NListClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->NList->setChecked(true);
    ui->NList->setEnabled(false);
    if (forms_.FormData->employeeCount() == 0) {
        ui->NList->setChecked(false);
        ui->NList->setEnabled(true);
        showInformation(QStringLiteral(
            "※ 従業員マスタ登録未登録．\r\n\r\n※ マスタ登録は，最低１件は必要．\r\n\r\n※ 当該処理中断．"));
        return;
    }
    startCounting(ui->CGaugeCost);
    widenRichEdit4(kListBackground);
    ui->CGaugeCost->show();
    TimerList->start();
}

void TFormMain::TimerListTimer()
{
    if (employeesLeft_ != 0) {
        const int row = takeEmployee(ui->CGaugeCost);
        ui->RichEdit4->appendLine(shell::registrationLine(forms_.FormData->StringGrid1, row));
        return;
    }
    TimerList->stop();
    finishGauge(ui->CGaugeCost);
    ui->RichEdit4->appendLine(QString());
    ui->RichEdit4->prependLine(QString());
    enablePopup();
}

void TFormMain::growDutyPanel()
{
    // The duty list takes the panel area and the employee counters for itself.
    resetPanels();
    ui->RichEdit2->show();
    for (int height = 10; height <= 260; height += 10) {
        ui->RichEdit2->resize(ui->RichEdit2->width(), height);
        pace::pause(100);
    }
}

void TFormMain::startDutyList(const QString& dateLine, int employees)
{
    QFont font = ui->RichEdit2->font();
    font.setPointSize(11);
    ui->RichEdit2->setFont(font);
    for (const QString& line : { QString(), dateLine, QString() })
        ui->RichEdit2->appendLine(line);
    ui->CGauge5->setMaximum(employees);
    employeesTotal_ = employeesLeft_ = employees;
    nextRow_ = 0;
    hidePeriodReminder();
    TimerInfo->start();
    ui->CGauge5->show();
    setPictureHint(false);
}

void TFormMain::TimerInfoTimer()
{
    if (employeesLeft_ != 0) {
        const int row = takeEmployee(ui->CGauge5);
        for (const QString& line : shell::dutyLines(forms_.FormData->StringGrid1, row, todayWeekdayCode_, dutyTotals_))
            ui->RichEdit2->appendLine(line);
        return;
    }
    TimerInfo->stop();
    finishGauge(ui->CGauge5);
    for (const QString& line : shell::dutyClosingLines(dutyTotals_))
        ui->RichEdit2->appendLine(line);
    setTopMenusEnabled(true);
    enablePopup();
}
