#include "shell/Unitmain.h"
#include "ui_Unitmain.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "changes/EffectiveSchedule.h"
#include "changes/Unitchange.h"
#include "data/Unitdata.h"
#include "labour/LabourRules.h"
#include "labour/Unitlabour.h"
#include "master/Unitmaster.h"
#include "patterns/Unitpattern.h"
#include "period/Unitterm.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Gauge.h"
#include "platform/JpegDecoder.h"
#include "platform/MenuItems.h"
#include "platform/Pace.h"
#include "platform/Timer.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/Uniteditor.h"
#include "reports/Unitlines.h"
#include "reports/ViewOutput.h"
#include "shell/EmployeeTicker.h"
#include "shell/FileFailure.h"
#include "shell/InformationMenu.h"
#include "shell/PanelPopup.h"
#include "shell/PeriodReminder.h"
#include "shell/UsageState.h"
#include "targets/Unittarget.h"
#include "today/TodayLines.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <algorithm>
#include <array>

namespace {

const QColor kCostBackground(0, 128, 0);
const QColor kListBackground(0, 0, 160);

QString dataErrorCaption()
{
    return QStringLiteral(
        "ZEL Rotan QX-%1   - カルヴェラソフトウェア・ディベロプメント -　．．．異常検出！異常検出！異常検出！")
        .arg(kMaxEmployees);
}

} // namespace

TFormMain::TFormMain(Forms& forms)
    : ui(std::make_unique<Ui::TFormMain>())
    , forms_(forms)
{
    ui->setupUi(this);
    ui->Image1->setPixmap(QPixmap::fromImage(loadJpeg(QStringLiteral(":/pictures/main.jpg"))));
    centralWidget()->setFixedSize(688, 464);
    setFixedSize(sizeHint());
    attachFormetry(this);

    startDir_ = QDir::currentPath();
    startup_ = new StartupSequence(
        forms_, [this] { return forms_.FormTerm->startupDate(); }, this, startDir_);
    connect(startup_, &StartupSequence::captionChanged, this, &QWidget::setWindowTitle);
    connect(startup_, &StartupSequence::statusAppended, this, &TFormMain::appendStatus);
    connect(startup_, &StartupSequence::masterEmpty, this, [this] { ui->NState->setEnabled(false); });
    connect(startup_, &StartupSequence::dataErrorFound, this, &TFormMain::startupDataError);
    connect(startup_, &StartupSequence::ended, this, &TFormMain::startupEnded);

    reminder_ = new PeriodReminder(ui->LabelMsg);
    TimerSearch = new Timer(this, 100, [this] { TimerSearchTimer(); });
    TimerInfo = new EmployeeTicker(
        this, 1000, ui->CGauge5,
        [this](int row) {
            const TFormData& data = *forms_.FormData;
            const daychanges::RowChanges todayChanges
                = daychanges::EffectiveSchedule(data).changesOn(forms_.FormTerm->startupDate());
            for (const QString& line :
                shell::dutyLines(data.StringGrid1, row, todayWeekdayCode_, dutyTotals_, todayChanges))
                ui->RichEdit2->appendLine(line);
        },
        [this] {
            for (const QString& line : shell::dutyClosingLines(dutyTotals_))
                ui->RichEdit2->appendLine(line);
            setTopMenusEnabled(true);
            enablePopup();
        });
    TimerName = new EmployeeTicker(
        this, 100, ui->CGaugeName,
        [this](int row) { ui->ListBox1->addItem(forms_.FormData->StringGrid1.cell(0, row)); },
        [this] {
            ui->RichEdit3->appendLine(QString());
            ui->RichEdit3->appendLine(
                QStringLiteral("左の氏名リストから，ターゲット従業員をダブル・クリックし選択してください．"));
            enablePopup();
        });
    TimerCost = new EmployeeTicker(
        this, 500, ui->CGaugeCost,
        [this](int row) { ui->RichEdit4->appendLine(shell::costLine(forms_.FormData->StringGrid1, row, costTotals_)); },
        [this] {
            ui->RichEdit4->appendLine(QString());
            ui->RichEdit4->appendLine(shell::costClosingLine(costTotals_));
            ui->RichEdit4->prependLine(QString());
            enablePopup();
        });
    TimerPeriod = new EmployeeTicker(
        this, 500, ui->CGaugeCost,
        [this](int row) {
            const TFormData& data = *forms_.FormData;
            const daychanges::EffectiveSchedule schedule(data);
            ui->RichEdit4->appendLine(daychanges::periodCostLine(schedule, row, periodTotals_));
            periodPremium_ += labour::checkEmployee(schedule, row, data.labourSettings).premium;
        },
        [this] {
            for (const QString& line :
                daychanges::periodCostClosing(daychanges::EffectiveSchedule(*forms_.FormData), periodTotals_)
                    + labour::periodCostPremiumLines(periodPremium_, periodTotals_.pay))
                ui->RichEdit4->appendLine(line);
            enablePopup();
        });
    TimerLabour = new EmployeeTicker(
        this, 500, ui->CGaugeCost,
        [this](int row) {
            const TFormData& data = *forms_.FormData;
            for (const QString& line : labour::reportLines(
                     daychanges::EffectiveSchedule(data, labourPeriod_), row, data.labourSettings, labourTotals_))
                ui->RichEdit4->appendLine(line);
        },
        [this] {
            for (const QString& line : labour::reportClosing(labourTotals_))
                ui->RichEdit4->appendLine(line);
            enablePopup();
        });
    TimerList = new EmployeeTicker(
        this, 500, ui->CGaugeCost,
        [this](int row) { ui->RichEdit4->appendLine(shell::registrationLine(forms_.FormData->StringGrid1, row)); },
        [this] {
            ui->RichEdit4->appendLine(QString());
            ui->RichEdit4->prependLine(QString());
            enablePopup();
        });

    setWindowTitle(QStringLiteral("Karvela Software Development"));
    pace::pause(300);
    ui->CGauge5->setMaximum(30);
    for (QMenu* menu : { ui->NAction, ui->NData, ui->NSchedu, ui->NSum, ui->NInfo })
        menuItems_.push_back(menuItemGroup(menu));
    setTopMenus(false, false, false, false, false);
    popup_ = new PanelPopup(this, { ui->RichEdit2, ui->RichEdit3, ui->RichEdit4 });
    connect(popup_, &PanelPopup::transferChosen, this, [this] {
        TFormEditor* editor = forms_.FormEditor;
        if (!editor->isVisible())
            editor->takeOverPanel(firstVisiblePanel());
        editor->show();
        editor->raise();
    });
    connect(popup_, &PanelPopup::printerSetupChosen, this, [this] { output().printerSetup(this); });
    connect(popup_, &PanelPopup::printChosen, this, [this] { printLineReport(this); });
    connectMenus();
}

TFormMain::~TFormMain() = default;

bool TFormMain::startupFinished() const
{
    return startup_->hasEnded();
}

ViewOutput& TFormMain::output()
{
    return *forms_.Output;
}

void TFormMain::appendStatus(const QStringList& lines)
{
    for (const QString& line : lines)
        ui->RichEdit1->appendLine(line);
}

// A failed check shows the data-error state at once; after a failure in the employee master
// the menus stay closed until the sequence has ended, since a period registered before step 2
// loads the schedule file would be overwritten by it.
void TFormMain::startupDataError(bool inMaster)
{
    enterDataError();
    if (inMaster)
        setTopMenus(false, false, false, false, false);
}

void TFormMain::startupEnded(StartupSequence::Outcome outcome)
{
    switch (outcome) {
    case StartupSequence::Outcome::SetupNeeded:
        enterSetupNeeded();
        break;
    case StartupSequence::Outcome::DataError:
        // No view may compute on data that failed a check, whichever step found it.
        setWindowTitle(dataErrorCaption());
        setTopMenus(true, true, false, false, true);
        break;
    case StartupSequence::Outcome::Normal:
        enterNormal();
        break;
    }
}

// ---- States ----

void TFormMain::showStatusPanel()
{
    ui->RichEdit1->setGeometry(184, 240, 353, 177);
    ui->RichEdit1->show();
}

// A closed top menu also disables its items: assistive tools reach an item without opening its
// menu, and an item must not run in a state its menu is closed for. An item's own state comes
// back when its menu opens again.
void TFormMain::setTopMenus(bool action, bool data, bool schedu, bool sum, bool info)
{
    const std::array<bool, 5> on { action, data, schedu, sum, info };
    const std::array<QMenu*, 5> menus { ui->NAction, ui->NData, ui->NSchedu, ui->NSum, ui->NInfo };
    for (std::size_t i = 0; i < menus.size(); ++i) {
        menus[i]->menuAction()->setEnabled(on[i]);
        menuItems_[i]->setEnabled(on[i]);
    }
    // The reports over the period compute over the checked period as the views do, and a file
    // beside the data files can be edited only when it could be read, since it is never written
    // otherwise.
    ui->NPeriodCost->setEnabled(action && schedu && sum);
    for (QAction* report : { ui->NLabourCheck->menuAction(), ui->NLabourNow, ui->NLabourNext, ui->NDutyList })
        report->setEnabled(action && schedu && sum);
    ui->NscheChange->setEnabled(schedu && forms_.FormData->isLoaded(TFormData::kChangeFile));
    ui->NTargetSet->setEnabled(schedu && forms_.FormData->isLoaded(TFormData::kTargetFile));
    ui->NLabourSet->setEnabled(data && forms_.FormData->isLoaded(TFormData::kLabourFile));
    ui->NPatternSet->setEnabled(data && forms_.FormData->isLoaded(TFormData::kPatternFile));
}

void TFormMain::enterSetupNeeded()
{
    state_ = State::SetupNeeded;
    setWindowTitle(QStringLiteral("ZEL Rotan QX-%1   - カルヴェラソフトウェア・ディベロプメント -").arg(kMaxEmployees));
    setTopMenus(true, true, false, false, true);
    showStatusPanel();
    ui->NState->setEnabled(false);
}

void TFormMain::enterDataError()
{
    state_ = State::DataError;
    setWindowTitle(dataErrorCaption());
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
    setWindowTitle(QStringLiteral("ZEL Rotan QX-%1   - Karvela Software Development -").arg(kMaxEmployees));
}

// ---- Show, hide, close ----

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        startup_->start();
}

void TFormMain::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    startup_->stop();
    TimerSearch->stop();
    for (EmployeeTicker* report : { TimerInfo, TimerName, TimerCost, TimerList, TimerPeriod, TimerLabour })
        report->stop();
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
    ui->RichEdit4->setProperty(kPrintTitle, QVariant());
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

void TFormMain::journalChanges()
{
    const auto error = forms_.FormData->writeJournal(startDir_);
    if (error && !journalFailureShown_) {
        journalFailureShown_ = true;
        journalFailure(*error);
    }
}

QAction* TFormMain::scheduleItem(ScheduleItem item) const
{
    const std::array<QAction*, 3> items { ui->NscheManth, ui->NscheDay, ui->NscheWeek };
    return items.at(static_cast<std::size_t>(item));
}

RichEdit* TFormMain::firstVisiblePanel() const
{
    return popup_->firstVisible();
}

void TFormMain::printLineReport(QWidget* parent)
{
    if (!output().checkPrinter(parent))
        return;
    if (!QRListFormLinePrn)
        QRListFormLinePrn = std::make_unique<TQRListFormLinePrn>();
    QRListFormLinePrn->print(output().printer(), firstVisiblePanel(), parent);
}

// ---- Period reminder ----

void TFormMain::hidePeriodReminder()
{
    reminder_->hide();
}

void TFormMain::startPeriodReminder(const QString& text)
{
    reminder_->show(text);
}

void TFormMain::stopPeriodReminder(const QString& text)
{
    reminder_->hide(text);
}

// ---- Menus ----

void TFormMain::resetPanels()
{
    // The registration list stops too, so that no line of it lands in the cleared panel.
    for (EmployeeTicker* report : { TimerName, TimerCost, TimerList, TimerPeriod, TimerLabour })
        report->stop();
    TimerSearch->stop();
    reminder_->hide();
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
    ui->RichEdit4->setProperty(kPrintTitle, QVariant()); // the next report may print under its own
    for (RichEdit* panel : { ui->RichEdit3, ui->RichEdit4 }) {
        QFont font = panel->font();
        font.setPointSize(9);
        panel->setFont(font);
    }
    ui->ListBox1->clear();
    ui->ListBox1->resize(ui->ListBox1->width(), 17);
    ui->ListBox1->hide();
    ui->CGaugeTerm->hide();
    ui->CGaugeMaster->hide();
    popup_->setItemsEnabled(false);
    ui->NState->setEnabled(!ui->RichEdit1->isVisible());
}

void TFormMain::enablePopup()
{
    popup_->setItemsEnabled(true);
}

void TFormMain::connectMenus()
{
    connect(ui->NAction, &QMenu::aboutToShow, this, [this] {
        if (!(ui->NSchedu->menuAction()->isEnabled() && ui->NSum->menuAction()->isEnabled()))
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
    connect(ui->NFirstSet, &QAction::triggered, this, &TFormMain::NFirstSetClick);
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
    connect(ui->NscheChange, &QAction::triggered, this, [this] { handOverTo(forms_.FormChange); });
    connect(ui->NTargetSet, &QAction::triggered, this, [this] { handOverTo(forms_.FormTarget); });
    connect(ui->NShortage, &QAction::triggered, this, [this] {
        hide();
        forms_.FormShortage->showPeriod(daychanges::PeriodChoice::Registered);
    });
    connect(ui->NLabourSet, &QAction::triggered, this, [this] { handOverTo(forms_.FormLabour); });
    connect(ui->NPatternSet, &QAction::triggered, this, [this] { handOverTo(forms_.FormPattern); });
    connect(ui->N13, &QAction::triggered, this, &TFormMain::titleWanted);
    connect(ui->NState, &QAction::triggered, this, &TFormMain::NStateClick);
    connect(ui->Nsearch, &QAction::triggered, this, &TFormMain::NsearchClick);
    connect(ui->Ncost, &QAction::triggered, this, &TFormMain::NcostClick);
    connect(ui->NPeriodCost, &QAction::triggered, this, &TFormMain::NPeriodCostClick);
    connect(
        ui->NLabourNow, &QAction::triggered, this, [this] { NLabourCheckClick(daychanges::PeriodChoice::Registered); });
    connect(ui->NLabourNext, &QAction::triggered, this, [this] { NLabourCheckClick(daychanges::PeriodChoice::Next); });
    connect(ui->NList, &QAction::triggered, this, &TFormMain::NListClick);
    connect(ui->NDutyList, &QAction::triggered, this, &TFormMain::NDutyListClick);
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, &TFormMain::ListBox1DblClick);

    connectInformationMenu(this,
        { ui->NMaker, ui->NProvider, ui->NCopyright, ui->NTerms, ui->NTitleInfo, ui->NEnvironment, ui->N12, ui->N22 });
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

void TFormMain::NFirstSetClick()
{
    handOverTo(forms_.FormTerm);
}

void TFormMain::NStateClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    const auto show = [this](const QList<shell::Notice>& notices) {
        using Kind = dialogs::Kind;
        static const std::array<Kind, 4> kinds { Kind::Plain, Kind::Information, Kind::Warning, Kind::Error };
        for (const shell::Notice& notice : notices)
            dialogs::message(kinds.at(static_cast<std::size_t>(notice.kind)), notice.text, dialogs::Buttons::Ok, this);
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
    TimerName->prepare(forms_.FormData->employeeCount());
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
    TimerCost->prepare(forms_.FormData->employeeCount());
    costTotals_ = {};
    widenRichEdit4(kCostBackground);
    ui->CGaugeCost->show();
    TimerCost->start();
}

// The period labour cost: the registered period with its day changes, one employee per tick.
void TFormMain::NPeriodCostClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->NPeriodCost->setChecked(true);
    const daychanges::EffectiveSchedule schedule(*forms_.FormData);
    TimerPeriod->prepare(schedule.employees());
    periodTotals_ = {};
    periodPremium_ = 0;
    widenRichEdit4(kCostBackground);
    ui->RichEdit4->setProperty(kPrintTitle, QStringLiteral("【全従業員期間人件費リスト】"));
    for (const QString& line : daychanges::periodCostHeading(schedule))
        ui->RichEdit4->appendLine(line);
    ui->CGaugeCost->show();
    TimerPeriod->start();
}

// The labour check of the chosen period: each registered employee's findings, one employee per
// tick, then the count and the estimate of the statutory premiums. It prints and passes on as the
// period labour cost does, under its own title.
void TFormMain::NLabourCheckClick(daychanges::PeriodChoice choice)
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->NLabourNow->setChecked(choice == daychanges::PeriodChoice::Registered);
    ui->NLabourNext->setChecked(choice == daychanges::PeriodChoice::Next);
    labourPeriod_ = choice;
    const daychanges::EffectiveSchedule schedule(*forms_.FormData, choice);
    TimerLabour->prepare(schedule.employees());
    labourTotals_ = {};
    widenRichEdit4(kCostBackground);
    ui->RichEdit4->setProperty(kPrintTitle, QStringLiteral("【労務チェック】"));
    for (const QString& line : labour::reportHeading(schedule))
        ui->RichEdit4->appendLine(line);
    ui->CGaugeCost->show();
    TimerLabour->start();
}

void TFormMain::NListClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->NList->setChecked(true);
    ui->NList->setEnabled(false);
    if (forms_.FormData->employeeCount() == 0) {
        ui->NList->setChecked(false);
        ui->NList->setEnabled(true);
        dialogs::message(dialogs::Kind::Information,
            QStringLiteral(
                "※ 従業員マスタ登録未登録．\r\n\r\n※ マスタ登録は，最低１件は必要．\r\n\r\n※ 当該処理中断．"),
            dialogs::Buttons::Ok, this);
        return;
    }
    TimerList->prepare(forms_.FormData->employeeCount());
    widenRichEdit4(kListBackground);
    ui->CGaugeCost->show();
    TimerList->start();
}

// Today's duty list from the menu: the list the today panel's "詳 細" gives, also after another
// report has withdrawn that button.
void TFormMain::NDutyListClick()
{
    const QDate today = forms_.FormTerm->startupDate();
    setTopMenusEnabled(false);
    growDutyPanel();
    setTodayWeekdayCode(clock_::weekdayCode(today));
    startDutyList(today::dateLine(today), forms_.FormData->employeeCount());
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
    raise();
    activateWindow();
    QFont font = ui->RichEdit2->font();
    font.setPointSize(11);
    ui->RichEdit2->setFont(font);
    for (const QString& line : { QString(), dateLine, QString() })
        ui->RichEdit2->appendLine(line);
    TimerInfo->prepare(employees);
    dutyTotals_ = {}; // the list may be asked for again
    hidePeriodReminder();
    TimerInfo->start();
    ui->CGauge5->show();
    setPictureHint(false);
}
