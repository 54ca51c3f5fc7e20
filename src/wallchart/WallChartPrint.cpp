#include "wallchart/WallChartPrint.h"

#include "changes/EffectiveSchedule.h"
#include "platform/ReportPainter.h"
#include "reports/ViewOutput.h"
#include "workbook/Workbook.h"

#include <QMenu>
#include <QPrinter>

namespace wallchart {

Paper paperOf(const QPrinter& printer)
{
    return printer.pageLayout().pageSize().id() == QPageSize::A3 ? Paper::A3 : Paper::A4;
}

bool print(ViewOutput& output, Sheets sheets, const daychanges::EffectiveSchedule& schedule, const Extras& extras,
    QWidget* parent)
{
    if (!output.checkPrinter(parent))
        return false;
    QPrinter& printer = output.printer();
    const Paper paper = paperOf(printer);
    const Chart month = chart(schedule, extras);
    const QList<report::Page> pages = sheets == Sheets::Month ? monthPages(month, paper) : employeePages(month, paper);
    return !pages.isEmpty() && report::print(pages, pageSetup(paper), printer, parent);
}

void saveWorkbook(
    ViewOutput& output, const daychanges::EffectiveSchedule& schedule, const Extras& extras, QWidget* parent)
{
    output.saveWorkbook(parent, workbook::defaultFileName(schedule.dates()), [&](QString& failure) {
        const workbook::Written written = workbook::write(chart(schedule, extras), schedule, paperOf(output.printer()));
        failure = written.failure;
        return written.bytes;
    });
}

MenuItems addMenuItems(QMenu* menu)
{
    MenuItems items;
    items.month = menu->addAction(QStringLiteral("月間シフト表"));
    items.month->setObjectName(QStringLiteral("NShiftChart"));
    items.perEmployee = menu->addAction(QStringLiteral("個人別に印刷"));
    items.perEmployee->setObjectName(QStringLiteral("NShiftChartEach"));
    items.workbook = menu->addAction(QStringLiteral("Excel に書き出す…"));
    items.workbook->setObjectName(QStringLiteral("NShiftChartExcel"));
    return items;
}

} // namespace wallchart
