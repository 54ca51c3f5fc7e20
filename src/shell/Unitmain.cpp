#include "shell/Unitmain.h"
#include "ui_Unitmain.h"

#include "changes/EffectiveSchedule.h"
#include "changes/Unitchange.h"
#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "labour/Unitlabour.h"
#include "master/Unitmaster.h"
#include "patterns/Unitpattern.h"
#include "period/Unitterm.h"
#include "platform/JpegDecoder.h"
#include "platform/MenuItems.h"
#include "platform/Pace.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/Uniteditor.h"
#include "reports/Unitlines.h"
#include "reports/ViewOutput.h"
#include "shell/FileFailure.h"
#include "shell/InformationMenu.h"
#include "shell/PanelPopup.h"
#include "shell/PeriodReminder.h"
#include "targets/Unittarget.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <array>

namespace {

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
    popup_ = new PanelPopup(this, { ui->RichEdit2, ui->RichEdit3, ui->RichEdit4 });
    reports_ = new PanelReports(this, ui.get(), forms_, *popup_, *reminder_);
    connect(reports_, &PanelReports::topMenusWanted, this, &TFormMain::setTopMenusEnabled);

    setWindowTitle(QStringLiteral("Karvela Software Development"));
    pace::pause(300);
    for (QMenu* menu : { ui->NAction, ui->NData, ui->NSchedu, ui->NSum, ui->NInfo })
        menuItems_.push_back(menuItemGroup(menu));
    setTopMenus(false, false, false, false, false);
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
    reports_->withdraw();
    ui->RichEdit1->clearLines();
    ui->RichEdit1->setGeometry(184, 416, 353, 9);
    ui->RichEdit1->hide();
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

// Each top menu's items in menu order. An item that hands the main window over to another window
// is one handOver() line; its enabling, where a file beside the data files must have been read,
// is one line in setTopMenus().
void TFormMain::connectMenus()
{
    const auto handOver = [this](QAction* item, auto window) {
        connect(item, &QAction::triggered, this, [this, window] { handOverTo(forms_.*window); });
    };
    for (QMenu* top : { ui->NData, ui->NSchedu, ui->NSum, ui->NInfo })
        connect(top, &QMenu::aboutToShow, reports_, &PanelReports::resetPanels);

    // 実行
    connect(ui->NAction, &QMenu::aboutToShow, this, [this] {
        if (!(ui->NSchedu->menuAction()->isEnabled() && ui->NSum->menuAction()->isEnabled()))
            ui->NState->setEnabled(false);
    });
    connect(ui->NState, &QAction::triggered, reports_, &PanelReports::NStateClick);
    connect(ui->NPeriodCost, &QAction::triggered, reports_, &PanelReports::NPeriodCostClick);
    connect(ui->NLabourNow, &QAction::triggered, reports_,
        [this] { reports_->NLabourCheckClick(daychanges::PeriodChoice::Registered); });
    connect(ui->NLabourNext, &QAction::triggered, reports_,
        [this] { reports_->NLabourCheckClick(daychanges::PeriodChoice::Next); });
    connect(ui->NDutyList, &QAction::triggered, reports_, &PanelReports::NDutyListClick);
    connect(ui->NExit, &QAction::triggered, this, [this] {
        hide();
        close();
    });

    // 初期設定
    connect(ui->NData, &QMenu::aboutToShow, this, [this] { ui->NList->setEnabled(true); });
    connect(ui->NFirstSet, &QAction::triggered, this, &TFormMain::NFirstSetClick);
    handOver(ui->NLabourSet, &Forms::FormLabour);
    handOver(ui->NPatternSet, &Forms::FormPattern);
    connect(ui->NList, &QAction::triggered, reports_, &PanelReports::NListClick);
    connect(ui->NInput, &QAction::triggered, this, [this] {
        ui->NInput->setChecked(true);
        handOverTo(forms_.FormMaster);
    });

    // スケジュール関係. The views set the check marks of their items; choosing one does not toggle it.
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
    handOver(ui->NscheChange, &Forms::FormChange);
    handOver(ui->NTargetSet, &Forms::FormTarget);
    connect(ui->NShortage, &QAction::triggered, this, [this] {
        hide();
        forms_.FormShortage->showPeriod(daychanges::PeriodChoice::Registered);
    });

    // 従業員関連
    connect(ui->Nsearch, &QAction::triggered, reports_, &PanelReports::NsearchClick);
    connect(ui->Ncost, &QAction::triggered, reports_, &PanelReports::NcostClick);

    // 情報
    connectInformationMenu(this,
        { ui->NMaker, ui->NProvider, ui->NCopyright, ui->NTerms, ui->NTitleInfo, ui->NEnvironment, ui->N12, ui->N22 });
    connect(ui->N13, &QAction::triggered, this, &TFormMain::titleWanted);
}

void TFormMain::setTopMenusEnabled(bool on)
{
    setTopMenus(on, on, on, on, on);
}

void TFormMain::NFirstSetClick()
{
    handOverTo(forms_.FormTerm);
}
