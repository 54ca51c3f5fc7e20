#include "shell/PanelReports.h"
#include "ui_Unitmain.h"

#include "changes/PeriodCost.h"
#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "labour/LabourReport.h"
#include "labour/LabourRules.h"
#include "period/Unitterm.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Gauge.h"
#include "platform/Pace.h"
#include "platform/RichEdit.h"
#include "platform/Timer.h"
#include "reports/QRListFormLinePrn.h"
#include "shell/EmployeeTicker.h"
#include "shell/PanelPopup.h"
#include "shell/PeriodReminder.h"
#include "shell/UsageState.h"
#include "today/TodayLines.h"
#include "today/Unitinfo.h"

#include <QListWidget>
#include <QMainWindow>
#include <algorithm>
#include <array>

namespace {

const QColor kCostBackground(0, 128, 0);
const QColor kListBackground(0, 0, 160);
constexpr int kWideWidth = 630; // RichEdit4 at its full width

} // namespace

PanelReports::PanelReports(
    QMainWindow* window, Ui::TFormMain* form, Forms& forms, PanelPopup& popup, PeriodReminder& reminder)
    : QObject(window)
    , window_(window)
    , ui(form)
    , forms_(forms)
    , popup_(popup)
    , reminder_(reminder)
{
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
            Q_EMIT topMenusWanted(true);
            popup_.setItemsEnabled(true);
        });
    TimerName = new EmployeeTicker(
        this, 100, ui->CGaugeName,
        [this](int row) { ui->ListBox1->addItem(forms_.FormData->StringGrid1.cell(0, row)); },
        [this] {
            ui->RichEdit3->appendLine(QString());
            ui->RichEdit3->appendLine(
                QStringLiteral("左の氏名リストから，ターゲット従業員をダブル・クリックし選択してください．"));
            popup_.setItemsEnabled(true);
        });
    TimerCost = new EmployeeTicker(
        this, 500, ui->CGaugeCost,
        [this](int row) { ui->RichEdit4->appendLine(shell::costLine(forms_.FormData->StringGrid1, row, costTotals_)); },
        [this] {
            ui->RichEdit4->appendLine(QString());
            ui->RichEdit4->appendLine(shell::costClosingLine(costTotals_));
            ui->RichEdit4->prependLine(QString());
            popup_.setItemsEnabled(true);
        });
    TimerList = new EmployeeTicker(
        this, 500, ui->CGaugeCost,
        [this](int row) { ui->RichEdit4->appendLine(shell::registrationLine(forms_.FormData->StringGrid1, row)); },
        [this] {
            ui->RichEdit4->appendLine(QString());
            ui->RichEdit4->prependLine(QString());
            popup_.setItemsEnabled(true);
        });
    ui->CGauge5->setMaximum(30);
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, &PanelReports::ListBox1DblClick);
}

PanelReports::~PanelReports() = default;

// ---- The panels ----

void PanelReports::resetPanels()
{
    // The registration list stops too, so that no line of it lands in the cleared panel.
    for (EmployeeTicker* report : { TimerName, TimerCost, TimerList })
        report->stop();
    TimerSearch->stop();
    reminder_.hide();
    forms_.FormInfo->withdrawDetails();
    for (Gauge* gauge : { ui->CGaugeName, ui->CGaugeCost }) {
        gauge->setValue(0);
        gauge->hide();
    }
    foldPanels();
    for (RichEdit* panel : { ui->RichEdit3, ui->RichEdit4 }) {
        QFont font = panel->font();
        font.setPointSize(9);
        panel->setFont(font);
    }
    ui->CGaugeTerm->hide();
    ui->CGaugeMaster->hide();
    popup_.setItemsEnabled(false);
    ui->NState->setEnabled(!ui->RichEdit1->isVisible());
}

void PanelReports::withdraw()
{
    TimerSearch->stop();
    for (EmployeeTicker* report : { TimerInfo, TimerName, TimerCost, TimerList })
        report->stop();
    foldPanels();
    ui->RichEdit2->resize(ui->RichEdit2->width(), 10);
    ui->Nsearch->setEnabled(true);
    ui->NState->setEnabled(true);
    setPictureHint(false);
}

void PanelReports::foldPanels()
{
    for (RichEdit* panel : { ui->RichEdit2, ui->RichEdit3, ui->RichEdit4 }) {
        panel->clearLines();
        panel->hide();
    }
    ui->RichEdit3->resize(ui->RichEdit3->width(), 17);
    ui->RichEdit4->resize(17, ui->RichEdit4->height());
    ui->RichEdit4->setProperty(kPrintTitle, QVariant()); // the next report may print under its own
    ui->ListBox1->clear();
    ui->ListBox1->resize(ui->ListBox1->width(), 17);
    ui->ListBox1->hide();
}

void PanelReports::setPictureHint(bool on)
{
    ui->Image1->setToolTip(on ? QStringLiteral("右上の「詳 細」で，本日の勤務者と本日給料を表示します．") : QString());
}

void PanelReports::showRichEdit4(const QColor& background)
{
    RichEdit* panel = ui->RichEdit4;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::white);
    panel->setPalette(palette);
    panel->show();
}

void PanelReports::widenRichEdit4(const QColor& background)
{
    showRichEdit4(background);
    for (int width = 10; width <= kWideWidth; width += 10) {
        ui->RichEdit4->resize(width, ui->RichEdit4->height());
        pace::pause(50);
    }
}

void PanelReports::showAtOnce(const QString& printTitle, const QStringList& lines)
{
    showRichEdit4(kCostBackground);
    ui->RichEdit4->resize(kWideWidth, ui->RichEdit4->height());
    ui->RichEdit4->setProperty(kPrintTitle, printTitle);
    for (const QString& line : lines)
        ui->RichEdit4->appendLine(line);
    popup_.setItemsEnabled(true);
}

// ---- The reports ----

void PanelReports::NStateClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    const auto show = [this](const QList<shell::Notice>& notices) {
        using Kind = dialogs::Kind;
        static const std::array<Kind, 4> kinds { Kind::Plain, Kind::Information, Kind::Warning, Kind::Error };
        for (const shell::Notice& notice : notices)
            dialogs::message(
                kinds.at(static_cast<std::size_t>(notice.kind)), notice.text, dialogs::Buttons::Ok, window_);
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

void PanelReports::NsearchClick()
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

void PanelReports::ListBox1DblClick()
{
    ui->RichEdit3->clearLines();
    TimerSearch->start();
}

void PanelReports::TimerSearchTimer()
{
    TimerSearch->stop();
    if (const QListWidgetItem* item = ui->ListBox1->currentItem())
        for (const QString& line : shell::individualWeek(forms_.FormData->StringGrid1, item->text()))
            ui->RichEdit3->appendLine(line);
    popup_.setItemsEnabled(true);
}

void PanelReports::NcostClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->Ncost->setChecked(true);
    TimerCost->prepare(forms_.FormData->employeeCount());
    costTotals_ = {};
    widenRichEdit4(kCostBackground);
    ui->CGaugeCost->show();
    TimerCost->start();
}

// The period labour cost: the registered period with its day changes. A row whose cells are not
// numbers is told and costs that row only, as in the reports paced by employee.
void PanelReports::NPeriodCostClick()
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->NPeriodCost->setChecked(true);
    const TFormData& data = *forms_.FormData;
    const daychanges::EffectiveSchedule schedule(data);
    daychanges::PeriodCostTotals totals;
    qint64 premium = 0; // the statutory premiums' estimate over the rows
    QStringList lines = daychanges::periodCostHeading(schedule);
    for (int row = 0; row < schedule.employees(); ++row)
        dialogs::guard([&] {
            lines << daychanges::periodCostLine(schedule, row, totals);
            premium += labour::checkEmployee(schedule, row, labour::rulesOf(data)).premium;
        });
    lines += daychanges::periodCostClosing(schedule, totals) + labour::periodCostPremiumLines(premium, totals.pay);
    showAtOnce(QStringLiteral("【全従業員期間人件費リスト】"), lines);
}

// The labour check of the chosen period: each registered employee's findings, then the count and
// the estimate of the statutory premiums. It prints and passes on as the period labour cost does,
// under its own title.
void PanelReports::NLabourCheckClick(daychanges::PeriodChoice choice)
{
    resetPanels(); // also when started without its menu opening, e.g. by an assistive tool
    ui->NLabourNow->setChecked(choice == daychanges::PeriodChoice::Registered);
    ui->NLabourNext->setChecked(choice == daychanges::PeriodChoice::Next);
    const TFormData& data = *forms_.FormData;
    const daychanges::EffectiveSchedule schedule(data, choice);
    labour::ReportTotals totals;
    QStringList lines = labour::reportHeading(schedule);
    for (int row = 0; row < schedule.employees(); ++row)
        dialogs::guard([&] { lines += labour::reportLines(schedule, row, labour::rulesOf(data), totals); });
    showAtOnce(QStringLiteral("【労務チェック】"), lines + labour::reportClosing(totals));
}

void PanelReports::NListClick()
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
            dialogs::Buttons::Ok, window_);
        return;
    }
    TimerList->prepare(forms_.FormData->employeeCount());
    widenRichEdit4(kListBackground);
    ui->CGaugeCost->show();
    TimerList->start();
}

// Today's duty list from the menu: the list the today panel's "詳 細" gives, also after another
// report has withdrawn that button.
void PanelReports::NDutyListClick()
{
    const QDate today = forms_.FormTerm->startupDate();
    Q_EMIT topMenusWanted(false);
    growDutyPanel();
    setTodayWeekdayCode(clock_::weekdayCode(today));
    startDutyList(today::dateLine(today), forms_.FormData->employeeCount());
}

void PanelReports::growDutyPanel()
{
    // The duty list takes the panel area and the employee counters for itself.
    resetPanels();
    ui->RichEdit2->show();
    for (int height = 10; height <= 260; height += 10) {
        ui->RichEdit2->resize(ui->RichEdit2->width(), height);
        pace::pause(100);
    }
}

void PanelReports::startDutyList(const QString& dateLine, int employees)
{
    window_->raise();
    window_->activateWindow();
    QFont font = ui->RichEdit2->font();
    font.setPointSize(11);
    ui->RichEdit2->setFont(font);
    for (const QString& line : { QString(), dateLine, QString() })
        ui->RichEdit2->appendLine(line);
    TimerInfo->prepare(employees);
    dutyTotals_ = {}; // the list may be asked for again
    reminder_.hide();
    TimerInfo->start();
    ui->CGauge5->show();
    setPictureHint(false);
}
