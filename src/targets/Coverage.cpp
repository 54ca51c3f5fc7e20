#include "targets/Coverage.h"

#include "changes/DayShift.h"
#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "patterns/ShiftPatterns.h"
#include "platform/Clock.h"
#include "targets/Holidays.h"

#include <algorithm>

namespace targets {
namespace {

constexpr int kDayMinutes = 24 * 60;
constexpr int kCountedMinutes = 30;

// Adds the people of an entry of days[day] (day −1: the day before the first) to the hours
// of days[day] and of the next date.
void count(QList<DayCoverage>& days, int day, const DayEntry& entry)
{
    const HourSpan hours = coveredHours(entry);
    for (int h = hours.first; h <= hours.last; ++h) {
        const int target = day + h / kHours;
        if (target >= 0 && target < days.size())
            ++days[target].hours[h % kHours].count;
    }
}

// An employee marked "人数に数えない" (a head not on the floor) counts toward no target.
bool counted(const daychanges::EffectiveSchedule& schedule, int row)
{
    const patterns::StaffLine* line = schedule.shiftPatterns().staffLine(schedule.master().cell(0, row));
    return !line || !line->uncounted;
}

void applyTargets(const TargetTable& table, DayCoverage& day)
{
    day.holiday = holidays::isNationalHoliday(day.date);
    const TargetRow& row = rowFor(table, day.date);
    for (int h = 0; h < kHours; ++h) {
        HourCoverage& hour = day.hours[h];
        hour.target = row[h];
        hour.status = statusOf(hour.count, hour.target);
    }
}

} // namespace

const TargetRow& rowFor(const TargetTable& table, QDate date)
{
    if (const auto it = table.dates.constFind(date); it != table.dates.cend())
        return *it;
    if (!isEmptyRow(table.holiday) && holidays::isNationalHoliday(date))
        return table.holiday;
    return table.weekday(clock_::weekdayCode(date));
}

HourSpan coveredHours(const DayEntry& entry)
{
    const auto shift = daychanges::shiftOf(entry);
    return shift ? coveredHours(*shift) : HourSpan {};
}

HourSpan coveredHours(const daychanges::Shift& shift)
{
    if (shift.end() == shift.start())
        return {};
    const int start = shift.start();
    const int end = shift.endsNextDay() ? shift.end() + kDayMinutes : shift.end();
    // The hours between the first and the last are whole; those two count with 30 minutes.
    HourSpan span { start / 60, (end - 1) / 60 };
    if (std::min(end, (span.first + 1) * 60) - start < kCountedMinutes)
        ++span.first;
    if (end - std::max(start, span.last * 60) < kCountedMinutes)
        --span.last;
    span.last = std::min(span.last, 2 * kHours - 1);
    return span;
}

Status statusOf(int count, const HourTarget& target)
{
    if (target.isEmpty())
        return Status::None;
    if (count < target.least)
        return Status::Short;
    if (target.most >= 0 && count > target.most)
        return Status::Over;
    return Status::Met;
}

bool DayCoverage::hasTarget() const
{
    return has(Status::Met) || has(Status::Short) || has(Status::Over);
}

bool DayCoverage::has(Status status) const
{
    return std::any_of(hours.begin(), hours.end(), [status](const HourCoverage& h) { return h.status == status; });
}

int DayCoverage::shortPersonHours() const
{
    int sum = 0;
    for (const HourCoverage& h : hours)
        sum += h.status == Status::Short ? h.target.least - h.count : 0;
    return sum;
}

int DayCoverage::overPersonHours() const
{
    int sum = 0;
    for (const HourCoverage& h : hours)
        sum += h.status == Status::Over ? h.count - h.target.most : 0;
    return sum;
}

QList<DayCoverage> periodCoverage(const TargetTable& table, const daychanges::EffectiveSchedule& schedule)
{
    const QList<QDate>& dates = schedule.dates();
    QList<DayCoverage> days(dates.size());
    if (dates.isEmpty())
        return days;
    for (int d = 0; d < days.size(); ++d)
        days[d].date = dates[d];
    const QDate dayBefore = dates.first().addDays(-1);
    for (int row = 0; row < schedule.employees(); ++row) {
        if (!counted(schedule, row))
            continue;
        count(days, -1, schedule.entryOn(row, dayBefore));
        for (int d = 0; d < days.size(); ++d)
            count(days, d, schedule.entry(row, d));
    }
    for (DayCoverage& day : days)
        applyTargets(table, day);
    return days;
}

DayCoverage dateCoverage(const TargetTable& table, const daychanges::EffectiveSchedule& schedule, QDate date)
{
    QList<DayCoverage> days(1);
    days[0].date = date;
    for (int row = 0; row < schedule.employees(); ++row) {
        if (!counted(schedule, row))
            continue;
        count(days, -1, schedule.entryOn(row, date.addDays(-1)));
        count(days, 0, schedule.entryOn(row, date));
    }
    applyTargets(table, days[0]);
    return days[0];
}

} // namespace targets
