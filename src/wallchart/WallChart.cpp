#include "wallchart/WallChart.h"

#include "changes/DayShift.h"
#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "labour/LabourReport.h"
#include "patterns/ShiftPatterns.h"
#include "platform/Clock.h"
#include "requests/RequestView.h"
#include "targets/Holidays.h"
#include "targets/TargetLines.h"
#include "views/Calendar.h"
#include "views/ScheduleView.h"

#include <QCoreApplication>

namespace wallchart {

namespace {

// "5/9（木）", the date as the day change lists name it.
QString shortDate(QDate date)
{
    return QStringLiteral("%1/%2（%3）")
        .arg(date.month())
        .arg(date.day())
        .arg(views::weekdayKanji(clock_::weekdayCode(date)));
}

QString requestLine(const StaffRequest& request)
{
    QString line = QStringLiteral("　") + shortDate(request.date) + QStringLiteral("　") + request.kind;
    if (!request.note.isEmpty())
        line += QStringLiteral("（") + request.note + QStringLiteral("）");
    return line + (request.honoured ? QStringLiteral("　⇒ 〇 希望どおり") : QStringLiteral("　⇒ × 希望に添えず"));
}

// A cell's times on one line, or its attribute.
QString timesLine(const Cell& cell)
{
    switch (cell.kind) {
    case CellKind::Work:
        return cell.bottom.isEmpty() ? attributes::kWorkday : cell.top + u'～' + cell.bottom;
    case CellKind::RegularDayOff:
        return attributes::kRegularDayOff;
    case CellKind::DayOfRest:
        return attributes::kDayOfRest;
    case CellKind::Other:
        return attributes::kOther;
    case CellKind::None:
        break;
    }
    return {};
}

} // namespace

QString clockText(int hour, int minute)
{
    return QStringLiteral("%1:%2").arg(hour).arg(minute, 2, 10, QLatin1Char('0'));
}

QString durationText(int minutes)
{
    return clockText(minutes / 60, minutes % 60);
}

Cell cellOf(const DayEntry& entry)
{
    Cell cell;
    cell.changed = entry.changed;
    if (daychanges::isWorkingDay(entry)) {
        cell.kind = CellKind::Work;
        if (const auto shift = daychanges::shiftOf(entry)) {
            cell.top = clockText(shift->startHour, shift->startMinute);
            cell.bottom = (shift->endsNextDay() ? QStringLiteral("翌") : QString())
                + clockText(shift->endHour, shift->endMinute);
        } else {
            cell.top = scheduleview::symbolOf(entry.attribute);
        }
    } else if (entry.attribute == attributes::kRegularDayOff) {
        cell.kind = CellKind::RegularDayOff;
        cell.top = QStringLiteral("公");
    } else if (entry.attribute == attributes::kDayOfRest) {
        cell.kind = CellKind::DayOfRest;
        cell.top = QStringLiteral("休");
    } else if (entry.attribute == attributes::kOther) {
        cell.kind = CellKind::Other;
        cell.top = QStringLiteral("他");
    }
    return cell;
}

Cell cellOf(const daychanges::RosterDay& day, const patterns::ShiftPatterns& shiftPatterns)
{
    Cell cell = cellOf(day.entry);
    if (day.pattern >= 0) {
        const patterns::Pattern& pattern = shiftPatterns.patterns.at(day.pattern);
        cell.code = pattern.code;
        cell.patternName = pattern.name;
        cell.colour = pattern.colour;
    }
    return cell;
}

QString dayLine(const Cell& cell)
{
    if (!cell.code.isEmpty())
        return cell.code + u' ' + (cell.kind == CellKind::Work ? timesLine(cell) : cell.patternName);
    return timesLine(cell);
}

QString legendText(const patterns::Pattern& pattern)
{
    if (!pattern.isWorking())
        return pattern.code + u' ' + pattern.name;
    QString text = pattern.code + u' ' + patterns::clockText(pattern.start) + u'～' + patterns::clockText(pattern.end);
    if (!pattern.follow.isEmpty())
        text += QStringLiteral(" → ") + pattern.follow;
    return text;
}

QString patternTotals(const Chart& chart, const Row& row)
{
    QStringList totals;
    for (int p = 0; p < row.patternDays.size(); ++p)
        if (row.patternDays[p] > 0)
            totals << chart.patterns.at(p).code + u' ' + QString::number(row.patternDays[p]);
    return totals.join(u'　');
}

Chart chart(const daychanges::EffectiveSchedule& schedule, const Extras& extras)
{
    Chart chart;
    const QList<QDate>& dates = schedule.dates();
    chart.title = QStringLiteral("勤務シフト表　");
    // A calendar month is titled by its month; its days run from the 1st to the last.
    if (schedule.choice().isMonth())
        chart.title += daychanges::choiceTitle(schedule.choice());
    else if (!dates.isEmpty()) {
        const QDate first = dates.first();
        const QDate last = dates.last();
        chart.title += QStringLiteral("%1年%2月%3日～%4年%5月%6日")
                           .arg(first.year())
                           .arg(first.month())
                           .arg(first.day())
                           .arg(last.year())
                           .arg(last.month())
                           .arg(last.day());
    }
    chart.shopTitle = extras.shopTitle;
    chart.printed = clock_::now();

    for (int d = 0; d < dates.size(); ++d) {
        const QDate date = dates[d];
        const int code = schedule.weekdayCode(d);
        Day& day = chart.days.emplaceBack();
        day.date = date;
        day.monthStart = d > 0 && date.day() == 1;
        day.dayText = d == 0 || day.monthStart ? QStringLiteral("%1/%2").arg(date.month()).arg(date.day())
                                               : QString::number(date.day());
        day.weekday = views::weekdayKanji(code);
        day.holiday = extras.isHoliday && extras.isHoliday(date);
        day.shaded = code == 1 || code == 7 || day.holiday;
    }

    const patterns::ShiftPatterns& shiftPatterns = schedule.shiftPatterns();
    chart.patterns = shiftPatterns.patterns;
    QList<int> countOf(chart.patterns.size(), -1); // a working pattern's place in patternCounts
    for (int p = 0; p < chart.patterns.size(); ++p) {
        chart.legend << legendText(chart.patterns[p]);
        if (chart.patterns[p].isWorking()) {
            countOf[p] = static_cast<int>(chart.patternCounts.size());
            chart.patternCounts.append({ chart.patterns[p].code, QList<int>(dates.size(), 0), 0 });
        }
    }

    chart.headCount = QList<int>(dates.size(), 0);
    for (int r = 0; r < schedule.employees(); ++r) {
        Row& row = chart.rows.emplaceBack();
        row.name = schedule.master().cell(0, r);
        row.patternDays = QList<int>(chart.patterns.size(), 0);
        for (int d = 0; d < dates.size(); ++d) {
            const daychanges::RosterDay day = schedule.day(r, d);
            row.cells.append(cellOf(day, shiftPatterns));
            if (day.pattern >= 0) {
                ++row.patternDays[day.pattern];
                if (const int c = countOf[day.pattern]; c >= 0) {
                    ++chart.patternCounts[c].days[d];
                    ++chart.patternCounts[c].total;
                }
            }
            if (!day.working())
                continue;
            ++row.workingDays;
            ++chart.headCount[d];
            // A working day whose times cannot be read counts as a day without hours.
            if (day.shift)
                row.netMinutes += day.shift->netMinutes;
        }
        for (int d = 0; d < dates.size(); ++d) {
            if (const auto change = schedule.change(r, d))
                row.changes << QStringLiteral("　") + shortDate(dates[d]) + QStringLiteral("　")
                        + dayLine(
                            cellOf(daychanges::rosterDayOf(schedule.standard(r, d), shiftPatterns), shiftPatterns))
                        + QStringLiteral(" ⇒ ")
                        + dayLine(cellOf(daychanges::rosterDayOf(*change, shiftPatterns), shiftPatterns));
        }
        if (extras.requests)
            for (const StaffRequest& request : extras.requests->value(r))
                row.requests << requestLine(request);
    }
    chart.shortHours = extras.shortHours;
    chart.changeLines = scheduleview::changeLines(schedule);
    chart.findingLines = extras.findingLines;
    chart.withRequests = extras.requests.has_value();
    return chart;
}

Extras extrasOf(const TFormData& data, const daychanges::EffectiveSchedule& schedule)
{
    Extras extras { QCoreApplication::applicationName(), holidays::isNationalHoliday, std::nullopt,
        QList<QList<StaffRequest>>() };
    if (!data.staffTargets.isEmpty()) {
        QList<int> hours;
        for (const targets::PersonHours& day : targets::personHoursByDay(data.staffTargets, schedule))
            hours << day.shortHours;
        extras.shortHours = hours;
    }
    extras.findingLines = labour::findingLines(schedule, labour::rulesOf(data));
    for (int row = 0; row < schedule.employees(); ++row) {
        QList<StaffRequest>& wishes = extras.requests->emplaceBack();
        const QString name = schedule.master().cell(0, row);
        for (int day = 0; day < schedule.days(); ++day)
            if (const auto wish = data.staffRequests.find(name, schedule.dates()[day]))
                wishes << StaffRequest { schedule.dates()[day], requests::wishWords(*wish), wish->note,
                    requests::honoured(*wish, schedule.day(row, day)) };
    }
    return extras;
}

} // namespace wallchart
