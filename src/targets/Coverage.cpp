#include "targets/Coverage.h"

#include "changes/DayShift.h"
#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "patterns/ShiftPatterns.h"
#include "platform/Clock.h"
#include "targets/Holidays.h"

#include <QHash>
#include <algorithm>

namespace targets {
namespace {

constexpr int kDayMinutes = 24 * 60;
constexpr int kCountedMinutes = 30;

// What a registered employee brings to the targets: whether they count at all and the tags they
// carry that have targets.
struct Person {
    bool counted = true;
    QStringList tags;
};

QList<Person> peopleOf(const TargetTable& table, const daychanges::EffectiveSchedule& schedule)
{
    QList<Person> people(schedule.employees());
    for (int row = 0; row < schedule.employees(); ++row)
        if (const auto* line = schedule.shiftPatterns().staffLine(schedule.master().cell(0, row))) {
            people[row].counted = !line->uncounted;
            for (const QString& tag : line->qualifications)
                if (table.qualifications.contains(tag))
                    people[row].tags << tag;
        }
    return people;
}

// Adds a person at work on days[day] (day −1: the day before the first) to the hours of
// days[day] and of the next date, and to those of the tags they carry.
void count(QList<DayCoverage>& days, int day, const DayEntry& entry, const Person& person)
{
    const HourSpan hours = coveredHours(entry);
    for (int h = hours.first; h <= hours.last; ++h) {
        const int target = day + h / kHours;
        if (target < 0 || target >= days.size())
            continue;
        ++days[target].hours[h % kHours].count;
        for (const QString& tag : person.tags)
            ++days[target].qualifications[tag][h % kHours].count;
    }
}

void applyRow(HourCoverages& hours, const TargetRow& row)
{
    for (int h = 0; h < kHours; ++h) {
        hours[h].target = row[h];
        hours[h].status = statusOf(hours[h].count, row[h]);
    }
}

// The targets of the date, and its patterns' coverage from the people working each code.
void applyTargets(
    const TargetTable& table, const patterns::ShiftPatterns& set, const QHash<QString, int>& codes, DayCoverage& day)
{
    day.holiday = holidays::isNationalHoliday(day.date);
    applyRow(day.hours, rowFor(table, day.date));
    for (auto it = table.qualifications.cbegin(); it != table.qualifications.cend(); ++it) {
        const TargetRow& row = rowFor(it.value(), day.date);
        if (isEmptyRow(row))
            day.qualifications.remove(it.key());
        else
            applyRow(day.qualifications[it.key()], row);
    }
    const PatternRow& row = rowFor(table.patterns, day.date);
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        const int people = codes.value(it.key());
        day.patterns << PatternCoverage { it.key(), people, it.value(), statusOf(people, it.value()) };
    }
    // The workplace's order; a code without a pattern last.
    const auto place = [&set](const PatternCoverage& p) {
        const int index = set.indexOf(p.code);
        return index < 0 ? set.patterns.size() : index;
    };
    std::stable_sort(day.patterns.begin(), day.patterns.end(),
        [&place](const PatternCoverage& a, const PatternCoverage& b) { return place(a) < place(b); });
}

template <typename Row> const Row& chosenRow(const DayRows<Row>& rows, QDate date)
{
    if (const auto it = rows.dates.constFind(date); it != rows.dates.cend())
        return *it;
    if (!isEmptyRow(rows.holiday) && holidays::isNationalHoliday(date))
        return rows.holiday;
    return rows.weekday(clock_::weekdayCode(date));
}

int sumOf(const HourCoverages& hours, Status status)
{
    int sum = 0;
    for (const HourCoverage& h : hours)
        sum += h.status != status ? 0 : status == Status::Short ? h.target.least - h.count : h.count - h.target.most;
    return sum;
}

bool hasStatus(const HourCoverages& hours, Status status)
{
    return std::any_of(hours.begin(), hours.end(), [status](const HourCoverage& h) { return h.status == status; });
}

} // namespace

const TargetRow& rowFor(const DayRows<TargetRow>& rows, QDate date)
{
    return chosenRow(rows, date);
}

const PatternRow& rowFor(const DayRows<PatternRow>& rows, QDate date)
{
    return chosenRow(rows, date);
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
    return hasStatus(hours, status)
        || std::any_of(qualifications.cbegin(), qualifications.cend(),
            [status](const HourCoverages& tag) { return hasStatus(tag, status); })
        || std::any_of(
            patterns.cbegin(), patterns.cend(), [status](const PatternCoverage& p) { return p.status == status; });
}

int DayCoverage::shortPersonHours() const
{
    return sumOf(hours, Status::Short);
}

int DayCoverage::overPersonHours() const
{
    return sumOf(hours, Status::Over);
}

int DayCoverage::qualificationShortHours() const
{
    int sum = 0;
    for (const HourCoverages& tag : qualifications)
        sum += sumOf(tag, Status::Short);
    return sum;
}

int DayCoverage::patternShort() const
{
    int sum = 0;
    for (const PatternCoverage& p : patterns)
        sum += p.status == Status::Short ? p.target.least - p.count : 0;
    return sum;
}

int DayCoverage::patternOver() const
{
    int sum = 0;
    for (const PatternCoverage& p : patterns)
        sum += p.status == Status::Over ? p.count - p.target.most : 0;
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
    QList<QHash<QString, int>> codes(days.size());
    const QList<Person> people = peopleOf(table, schedule);
    const QDate dayBefore = dates.first().addDays(-1);
    for (int row = 0; row < schedule.employees(); ++row) {
        if (!people[row].counted)
            continue;
        count(days, -1, schedule.entryOn(row, dayBefore), people[row]);
        for (int d = 0; d < days.size(); ++d) {
            const daychanges::RosterDay day = schedule.day(row, d);
            count(days, d, day.entry, people[row]);
            if (day.pattern >= 0)
                ++codes[d][day.code];
        }
    }
    for (int d = 0; d < days.size(); ++d)
        applyTargets(table, schedule.shiftPatterns(), codes[d], days[d]);
    return days;
}

DayCoverage dateCoverage(const TargetTable& table, const daychanges::EffectiveSchedule& schedule, QDate date)
{
    QList<DayCoverage> days(1);
    days[0].date = date;
    QHash<QString, int> codes;
    const QList<Person> people = peopleOf(table, schedule);
    for (int row = 0; row < schedule.employees(); ++row) {
        if (!people[row].counted)
            continue;
        count(days, -1, schedule.entryOn(row, date.addDays(-1)), people[row]);
        const daychanges::RosterDay day = schedule.dayOn(row, date);
        count(days, 0, day.entry, people[row]);
        if (day.pattern >= 0)
            ++codes[day.code];
    }
    applyTargets(table, schedule.shiftPatterns(), codes, days[0]);
    return days[0];
}

} // namespace targets
