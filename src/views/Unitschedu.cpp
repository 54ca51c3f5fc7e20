#include "views/Unitschedu.h"
#include "ui_Unitschedu.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "changes/EffectiveSchedule.h"
#include "changes/PeriodChooser.h"
#include "data/Unitdata.h"
#include "exports/PeriodSchedule.h"
#include "period/Unitterm.h"
#include "platform/Dialogs.h"
#include "reports/QRListFormDayLine.h"
#include "reports/ViewOutput.h"
#include "wallchart/WallChartPrint.h"

TFormSchedu::TFormSchedu(Forms& forms)
    : ViewWindow(forms,
        QStringLiteral(
            "【勤務スケジュール作成】\r\n\r\n■ 勤務記号は，説明により各自で，認知してください．\r\n\r\n■ "
            "当該表示内容は，印刷実行で整形され，プリント・アウトされます．\r\n\r\n■ "
            "マウスの右クリックで，機能メニューが表示されます．\r\n\r\n■ "
            "勤務期間は，任意で何時でも実行設定可能です．ただし，勤務期間長は当該ソフトに依り決定されます．"))
    , ui(std::make_unique<Ui::TFormSchedu>())
{
    ui->setupUi(this);
    QPalette palette = ui->RichEdit1->palette();
    palette.setColor(QPalette::Text, Qt::yellow);
    palette.setColor(QPalette::Base, QColor(0, 0, 128));
    ui->RichEdit1->setPalette(palette);
    ui->CGauge1->setShape(Gauge::Shape::Pie);
    // The wall chart's items stand before the separator above "閉じる", beside the exports.
    const wallchart::MenuItems chart = wallchart::addMenuItems(ui->NAction);
    const QList<QAction*> items = ui->NAction->actions();
    QAction* separator = items.at(items.indexOf(ui->N1) - 1);
    for (QAction* item : { chart.month, chart.perEmployee, chart.workbook }) {
        item->setEnabled(false);
        ui->NAction->removeAction(item);
        ui->NAction->insertAction(separator, item);
    }
    attach(
        { ui->RichEdit1, ui->CGauge1, ui->Panel2, ui->ProgressBar1, ui->Panel1, ui->NAction, ui->NPrnSet, ui->NPrnOut,
            ui->N1, ui->N12, { ui->NExport, ui->NExportEach, chart.month, chart.perEmployee, chart.workbook } });
    connect(ui->NExport, &QAction::triggered, this, &TFormSchedu::NExportClick);
    connect(ui->NExportEach, &QAction::triggered, this, &TFormSchedu::NExportEachClick);
    connect(chart.month, &QAction::triggered, this, [this] { printWallChart(false); });
    connect(chart.perEmployee, &QAction::triggered, this, [this] { printWallChart(true); });
    connect(chart.workbook, &QAction::triggered, this, [this] {
        const daychanges::EffectiveSchedule schedule(*forms_.FormData, outputPeriod_->choice());
        wallchart::saveWorkbook(*forms_.Output, schedule, wallchart::extrasOf(*forms_.FormData, schedule), this);
    });
    outputPeriod_ = new PeriodChooser(*forms_.FormData, ui->NPeriod, ui->ComboPeriod, ui->LabelPeriod);
    ui->ComboPeriod->setAccessibleName(ui->LabelOutput->text().chopped(1));
    attachFormetry(this);
}

TFormSchedu::~TFormSchedu() = default;

ViewWindow::Opening TFormSchedu::openingLines()
{
    // Each opening starts with the outputs on the registered period, with its dates as they are now.
    outputPeriod_->setChoice(daychanges::PeriodChoice::Registered);
    TFormData& data = *forms_.FormData;
    data.StringGrid3.clear();
    data.StringGrid4.clear();
    const scheduleview::Opening opening = scheduleview::opening(data.StringGrid2, forms_.FormTerm->startupDate());
    return { opening.lines, opening.stopped };
}

void TFormSchedu::computation()
{
    computed_ = scheduleview::compute(*forms_.FormData);
    addLines(computed_.lines);
    if (computed_.dataError) {
        dialogs::message(dialogs::Kind::Error, scheduleview::dataFileMessage(), dialogs::Buttons::Ok, this);
        stopView();
        return;
    }
    startRows(computed_.employees);
}

QString TFormSchedu::rowLine(int row) const
{
    return scheduleview::employeeLine(forms_.FormData->StringGrid3, row, computed_.days);
}

QStringList TFormSchedu::closingLines() const
{
    return scheduleview::closingLines(computed_);
}

void TFormSchedu::NExportClick()
{
    forms_.Output->saveExport(this, exports::periodExport(*forms_.FormData, outputPeriod_->choice()));
}

void TFormSchedu::NExportEachClick()
{
    forms_.Output->saveExportPerEmployee(this, exports::periodExport(*forms_.FormData, outputPeriod_->choice()));
}

void TFormSchedu::printWallChart(bool perEmployee)
{
    const TFormData& data = *forms_.FormData;
    const daychanges::EffectiveSchedule schedule(data, outputPeriod_->choice());
    wallchart::print(*forms_.Output, perEmployee ? wallchart::Sheets::PerEmployee : wallchart::Sheets::Month, schedule,
        wallchart::extrasOf(data, schedule), this);
}

void TFormSchedu::printReport()
{
    // The report reads the work, weekday and schedule tables and lines 9 and 11 of this text.
    if (!QRListFormDayLine) {
        QRListFormDayLine = std::make_unique<TQRListFormDayLine>(*forms_.FormData);
        reportCreated_ = true;
    }
    QRListFormDayLine->print(forms_.Output->printer(), c_.text->lines(), this);
}
