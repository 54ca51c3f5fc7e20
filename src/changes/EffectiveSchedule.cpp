#include "changes/EffectiveSchedule.h"

#include "changes/ChangeFile.h"
#include "changes/DayShift.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "patterns/PatternMatch.h"
#include "period/PeriodRule.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"

namespace daychanges {

DayEntry blockEntry(const Table& master, int row, int block)
{
    const int c = master::blockColumn(block);
    return { master.cell(c, row), master.cell(c + 1, row), master.cell(c + 2, row), master.cell(c + 3, row),
        master.cell(c + 4, row), master.cell(master::netMinutesColumn(block), row), false };
}

std::optional<DayEntry> standardEntry(const Table& master, int row, int weekdayCode)
{
    if (weekdayCode < 1 || weekdayCode > 7)
        return std::nullopt;
    return blockEntry(master, row, TFormData::weekdayBlock(weekdayCode));
}

std::optional<DayEntry> entryOn(const Table& master, int row, int weekdayCode, const RowChanges& changes)
{
    if (const auto it = changes.constFind(row); it != changes.cend())
        return *it;
    return standardEntry(master, row, weekdayCode);
}

QList<QDate> periodDates(const Table& schedule)
{
    const auto header = [&schedule](int column) { return numbers::parseInt(schedule.cell(column, 0)); };
    const auto year = header(0);
    const auto month = header(1);
    const auto day = header(2);
    const auto count = header(6);
    if (!year || !month || !day || !count || *count < 1 || *count > schedule.colCount())
        return {};
    const QDate start(*year, *month, *day);
    if (!start.isValid())
        return {};
    QList<QDate> dates;
    for (int d = 0; d < *count; ++d)
        dates.append(start.addDays(d));
    return dates;
}

QList<QDate> nextPeriodDates(const Table& schedule)
{
    const QList<QDate> registered = periodDates(schedule);
    if (registered.isEmpty())
        return {};
    const QDate start = registered.last().addDays(1);
    QList<QDate> dates;
    for (int d = 0; d < periodEndFor(start).dayCount; ++d)
        dates.append(start.addDays(d));
    return dates;
}

EffectiveSchedule::EffectiveSchedule(const TFormData& data, PeriodChoice choice)
    : master_(data.StringGrid1)
    , schedule_(data.StringGrid2)
    , changes_(data.dayChanges)
    , patterns_(data.shiftPatterns)
    , choice_(choice)
    , employees_(data.employeeCount())
{
    if (choice == PeriodChoice::Registered) {
        dates_ = periodDates(schedule_);
        otherDates_ = nextPeriodDates(schedule_);
        const int n = numbers::parseInt(schedule_.cell(6, 0)).value_or(0);
        days_ = n >= 1 && n <= schedule_.colCount() ? n : 0;
    } else {
        dates_ = nextPeriodDates(schedule_);
        otherDates_ = periodDates(schedule_);
        days_ = static_cast<int>(dates_.size());
    }
    for (int row = 0; row < employees_; ++row)
        names_.insert(master_.cell(0, row));
}

int EffectiveSchedule::dayOf(QDate date) const
{
    if (dates_.isEmpty())
        return -1;
    const qint64 day = dates_.first().daysTo(date);
    return day >= 0 && day < dates_.size() ? static_cast<int>(day) : -1;
}

int EffectiveSchedule::weekdayCode(int day) const
{
    if (choice_ == PeriodChoice::Next)
        return day >= 0 && day < dates_.size() ? clock_::weekdayCode(dates_[day]) : 0;
    return numbers::parseInt(schedule_.cell(day, 2)).value_or(0);
}

DayEntry EffectiveSchedule::standard(int row, int day) const
{
    return standardEntry(master_, row, weekdayCode(day)).value_or(DayEntry {});
}

std::optional<DayEntry> EffectiveSchedule::change(int row, int day) const
{
    if (row < 0 || row >= employees_ || day < 0 || day >= dates_.size())
        return std::nullopt;
    return changes_.find(master_.cell(0, row), dates_[day]);
}

DayEntry EffectiveSchedule::entry(int row, int day) const
{
    return change(row, day).value_or(standard(row, day));
}

DayEntry EffectiveSchedule::entryOn(int row, QDate date) const
{
    if (const int day = dayOf(date); day >= 0)
        return entry(row, day);
    const bool planned = inOtherPeriod(date);
    if (planned && row >= 0 && row < employees_)
        if (const auto c = changes_.find(master_.cell(0, row), date))
            return *c;
    // The registered period's weekdays are the schedule table's, as entry() reads them there.
    const int code = planned && choice_ == PeriodChoice::Next
        ? numbers::parseInt(schedule_.cell(static_cast<int>(otherDates_.first().daysTo(date)), 2)).value_or(0)
        : clock_::weekdayCode(date);
    return standardEntry(master_, row, code).value_or(DayEntry {});
}

namespace {

// The day an entry makes, read once and named by the workplace's patterns.
RosterDay rosterDayOf(const DayEntry& entry, const patterns::ShiftPatterns& shiftPatterns)
{
    RosterDay day;
    day.entry = entry;
    day.kind = isWorkingDay(entry) ? DayKind::Working : DayKind::Off;
    day.shift = shiftOf(entry);
    day.pattern = patterns::patternOf(shiftPatterns, entry);
    if (day.pattern >= 0) {
        const patterns::Pattern& pattern = shiftPatterns.patterns.at(day.pattern);
        day.code = pattern.code;
        if (pattern.kind == patterns::Kind::Ake)
            day.kind = DayKind::Ake;
    }
    return day;
}

} // namespace

RosterDay EffectiveSchedule::day(int row, int day) const
{
    return rosterDayOf(entry(row, day), patterns_);
}

RosterDay EffectiveSchedule::dayOn(int row, QDate date) const
{
    return rosterDayOf(entryOn(row, date), patterns_);
}

QList<QList<DayEntry>> EffectiveSchedule::entries() const
{
    QList<QList<DayEntry>> grid;
    for (int row = 0; row < employees_; ++row) {
        QList<DayEntry>& days = grid.emplaceBack();
        for (int day = 0; day < days_; ++day)
            days.append(entry(row, day));
    }
    return grid;
}

RowChanges EffectiveSchedule::changesOn(QDate date) const
{
    RowChanges out;
    const int day = dayOf(date);
    for (int row = 0; day >= 0 && row < employees_; ++row)
        if (const auto c = change(row, day))
            out.insert(row, *c);
    return out;
}

bool EffectiveSchedule::takesEffect(const DayChange& change) const
{
    return names_.contains(change.name) && dayOf(change.date) >= 0;
}

bool EffectiveSchedule::inOtherPeriod(QDate date) const
{
    return !otherDates_.isEmpty() && otherDates_.first() <= date && date <= otherDates_.last();
}

bool EffectiveSchedule::isApart(const QString& name, QDate date) const
{
    return !names_.contains(name) || (dayOf(date) < 0 && !inOtherPeriod(date));
}

QList<DayChange> EffectiveSchedule::apart() const
{
    QList<DayChange> out;
    for (const DayChange& c : changes_.list())
        if (isApart(c.name, c.date))
            out.append(c);
    return out;
}

QStringList EffectiveSchedule::sharedNames() const
{
    QStringList out;
    for (int row = 0; row < employees_; ++row) {
        const QString name = master_.cell(0, row);
        if (!out.contains(name) && master::findEmployee(master_, name) != row)
            out.append(name);
    }
    return out;
}

int EffectiveSchedule::changeCount() const
{
    int n = 0;
    for (const DayChange& c : changes_.list())
        n += takesEffect(c) ? 1 : 0;
    return n;
}

SwapOutcome swapDay(DayChanges& changes, const EffectiveSchedule& schedule, int rowA, int rowB, int day)
{
    const auto registered = [&schedule](int row) { return row >= 0 && row < schedule.employees(); };
    if (!registered(rowA) || !registered(rowB) || day < 0 || day >= schedule.dates().size())
        return SwapOutcome::NotTwoEmployees;
    const QString nameA = schedule.master().cell(0, rowA);
    const QString nameB = schedule.master().cell(0, rowB);
    if (nameA == nameB)
        return SwapOutcome::NotTwoEmployees;
    const auto a = changefile::fileForm(schedule.entry(rowA, day));
    const auto b = changefile::fileForm(schedule.entry(rowB, day));
    if (!a || !b)
        return SwapOutcome::NotStorable;
    const QDate date = schedule.dates()[day];
    changes.set(nameA, date, *b);
    changes.set(nameB, date, *a);
    return SwapOutcome::Swapped;
}

} // namespace daychanges
