#include "ViewsTarget.h"

#include "changes/EffectiveSchedule.h"
#include "changes/PeriodCost.h"
#include "data/Unitdata.h"
#include "exports/Csv.h"
#include "exports/ICalendar.h"
#include "exports/PeriodSchedule.h"
#include "labour/LabourReport.h"
#include "labour/LabourRules.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "platform/RtfWriter.h"
#include "reports/QRListFormDayLine.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/QRListFormTime.h"
#include "shell/Reports.h"
#include "shell/UsageState.h"
#include "targets/TargetLines.h"
#include "today/TodayLines.h"
#include "views/ScheduleView.h"
#include "views/TimeView.h"
#include "views/WeekdayList.h"

#include <QTimeZone>
#include <functional>

namespace {

// The schedule window's whole text, as its three phases build it; its pages are printed too.
QStringList scheduleText(TFormData& data, QDate startup)
{
    data.StringGrid3.clear();
    data.StringGrid4.clear();
    const scheduleview::Opening opening = scheduleview::opening(data.StringGrid2, startup);
    QStringList lines = opening.lines;
    if (opening.stopped)
        return lines;
    const scheduleview::Computation computation = scheduleview::compute(data);
    lines += computation.lines;
    if (computation.dataError)
        return lines;
    for (int row = 0; row < computation.employees; ++row)
        lines << scheduleview::employeeLine(data.StringGrid3, row, computation.days);
    lines += scheduleview::closingLines(computation);
    lines += scheduleview::changeLines(daychanges::EffectiveSchedule(data));
    TQRListFormDayLine(data).pages(lines);
    return lines;
}

// The hour chart's text for today's weekday and today's changes, and its pages.
QStringList chartText(TFormData& data, QDate startup, int code)
{
    data.StringGrid3.clear();
    QStringList lines = timeview::openingLines();
    const timeview::PeriodCheck check = timeview::periodCheck(data.StringGrid2, startup, code);
    lines += check.lines;
    if (check.stopped)
        return lines;
    const daychanges::EffectiveSchedule schedule(data);
    const int employees
        = timeview::compute(data, code, schedule.changesOn(startup), timeview::dayBeforeEntries(schedule, startup));
    lines << timeview::timeAxis();
    for (int row = 0; row < employees; ++row)
        lines << timeview::barLine(data.StringGrid3, row);
    lines += timeview::closingLines();
    lines += targets::chartLines(data.staffTargets, schedule, startup);
    TQRListFormTime(data).pages(lines);
    return lines;
}

// The main window's panel reports, each as the lines its panel would hold.
QList<QStringList> panelTexts(const TFormData& data, QDate startup, int code)
{
    const Table& master = data.StringGrid1;
    const int employees = data.employeeCount();
    QList<QStringList> texts;

    QStringList week;
    for (int row = 0; row < employees; ++row)
        week += shell::individualWeek(master, master.cell(0, row));
    texts << week;

    QStringList cost;
    shell::CostTotals costTotals;
    for (int row = 0; row < employees; ++row)
        cost << shell::costLine(master, row, costTotals);
    texts << (cost << shell::costClosingLine(costTotals));

    QStringList list;
    for (int row = 0; row < employees; ++row)
        list << shell::registrationLine(master, row);
    texts << list;

    const daychanges::EffectiveSchedule effective(data);
    const daychanges::RowChanges todayChanges = effective.changesOn(startup);
    QStringList duty;
    shell::DutyTotals dutyTotals;
    for (int row = 0; row < employees; ++row)
        duty += shell::dutyLines(master, row, code, dutyTotals, todayChanges);
    texts << (duty + shell::dutyClosingLines(dutyTotals));

    QStringList period = daychanges::periodCostHeading(effective);
    daychanges::PeriodCostTotals periodTotals;
    qint64 premium = 0;
    for (int row = 0; row < effective.employees(); ++row) {
        period << daychanges::periodCostLine(effective, row, periodTotals);
        premium += labour::checkEmployee(effective, row, data.labourSettings).premium;
    }
    texts << (period + daychanges::periodCostClosing(effective, periodTotals)
        + labour::periodCostPremiumLines(premium, periodTotals.pay));

    QStringList panel { today::dateLine(startup), today::workersHeading(code) };
    panel += today::workerNames(master, employees, code, todayChanges);
    texts << (panel + today::totalLines(static_cast<int>(panel.size()) - 2));

    QStringList weekdays;
    for (int row = 0; row < employees; ++row)
        for (int day = 0; day < 7; ++day)
            weekdays << weekdaylist::entry(master, row, day);
    texts << weekdays;
    return texts;
}

// What a calendar file must be whatever the tables hold: CRLF lines of at most 75 octets of
// UTF-8, each begun and ended inside the file's frame.
QString calendarFault(const QByteArray& ics)
{
    if (!ics.startsWith("BEGIN:VCALENDAR\r\n") || !ics.endsWith("END:VCALENDAR\r\n"))
        return QStringLiteral("the calendar is not framed by BEGIN and END:VCALENDAR");
    QList<QByteArray> lines = ics.split('\n');
    lines.removeLast(); // after the last line end
    for (const QByteArray& line : lines) {
        if (!line.endsWith('\r') || line.chopped(1).contains('\r'))
            return QStringLiteral("a calendar line does not end in CRLF");
        if (line.size() - 1 > 75)
            return QStringLiteral("a calendar line has more than 75 octets");
        if (QString::fromUtf8(line).toUtf8() != line)
            return QStringLiteral("a calendar line is not whole UTF-8");
    }
    return {};
}

// What a CSV file must be: a byte-order mark and, outside quoted fields, CRLF line ends only,
// one row for the heading, one per employee and the two closing rows, and the two rows of the
// person-hours when the period carries them.
QString csvFault(const QByteArray& csv, const exports::PeriodSchedule& period)
{
    const int employees = static_cast<int>(period.employees.size());
    if (!csv.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("the CSV has no byte-order mark");
    int rows = 0;
    bool quoted = false;
    for (qsizetype i = 3; i < csv.size(); ++i) {
        if (csv[i] == '"')
            quoted = !quoted;
        else if (!quoted && csv[i] == '\n' && csv[i - 1] != '\r')
            return QStringLiteral("a CSV row ends in a bare line feed");
        else if (!quoted && csv[i] == '\n')
            ++rows;
    }
    if (quoted || !csv.endsWith("\r\n"))
        return QStringLiteral("the CSV ends inside a field or without CRLF");
    if (rows != employees + 3 + (period.staffing ? 2 : 0))
        return QStringLiteral("the CSV has %1 rows for %2 employees").arg(rows).arg(employees);
    return {};
}

} // namespace

// One computation at a time, as the windows run them: a conversion error stops only the
// computation that met it.
QString exerciseViewsAndReports(TFormData& data, QDate startup, bool checksPassed)
{
    const int code = clock_::weekdayCode(startup);
    QString fault;
    QList<QStringList> texts;
    const auto run = [&](const std::function<void()>& computation) {
        try {
            computation();
        } catch (const numbers::ConversionError& error) {
            // The program shows this error for data the checks refused; on data they accepted it
            // would mean a view reading a cell that no check looked at.
            if (checksPassed && fault.isEmpty())
                fault = QStringLiteral("a view raised a conversion error on checked tables: ") + error.message();
        }
    };
    run([&] { texts += panelTexts(data, startup, code); });
    run([&] { texts << scheduleText(data, startup); });
    run([&] { texts << chartText(data, startup, code); });
    run([&] { today::periodReminder(data.StringGrid2, startup); });
    run([&] { shell::usageState(data.StringGrid2, data.employeeCount(), startup); });
    run([&] { weekdaylist::caption(code); });

    TQRListFormLinePrn linePrint;
    const rtf::Style style { QStringLiteral("Noto Sans CJK JP"), 9, false, false, false, false, { 255, 255, 0 },
        rtf::Rgb { 0, 0, 128 } };
    for (const QStringList& lines : texts) {
        run([&] { linePrint.pages({ QStringLiteral("RichEdit4"), QColor(0, 128, 0), lines, {} }); });
        run([&] { rtf::document(lines, style); });
    }

    for (const auto choice : { daychanges::PeriodChoice::Registered, daychanges::PeriodChoice::Next })
        run([&] {
            const exports::PeriodSchedule period = exports::periodExport(data, choice);
            const QString csv = csvFault(exports::csv(period), period);
            const QString ics = calendarFault(exports::icalendar(
                period, QTimeZone(QByteArrayLiteral("Asia/Tokyo")), QDateTime(startup, QTime(9, 0))));
            if (fault.isEmpty())
                fault = !csv.isEmpty() ? csv : ics;
        });
    return fault;
}
