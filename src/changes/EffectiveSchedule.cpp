#include "changes/EffectiveSchedule.h"

#include "changes/ChangeFile.h"
#include "changes/DayShift.h"
#include "data/Unitdata.h"
#include "history/KeptSchedule.h"
#include "master/MasterRecord.h"
#include "patterns/PatternMatch.h"
#include "period/PeriodRule.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"

#include <algorithm>

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

DateChoice DateChoice::ofMonth(QDate date)
{
    DateChoice choice;
    choice.month = QDate(date.year(), date.month(), 1);
    return choice;
}

QList<DateChoice> dateChoices(const Table& schedule)
{
    QList<DateChoice> out { PeriodChoice::Registered, PeriodChoice::Next };
    for (const QDate month : history::plannableMonths(periodDates(schedule), nextPeriodDates(schedule)))
        out.append(DateChoice::ofMonth(month));
    return out;
}

QString choiceTitle(const DateChoice& choice)
{
    if (choice.isMonth())
        return history::monthTitle(choice.month);
    return choice.period == PeriodChoice::Next ? QStringLiteral("次の期間") : QStringLiteral("今の期間");
}

history::MonthDays chosenDates(const Table& schedule, const DateChoice& choice)
{
    if (choice.isMonth())
        return history::monthDays(choice.month, periodDates(schedule), nextPeriodDates(schedule));
    return { choice.period == PeriodChoice::Next ? nextPeriodDates(schedule) : periodDates(schedule), 0, 0 };
}

DateChoice stepChoice(const Table& schedule, const DateChoice& from, int step)
{
    QList<DateChoice> order = dateChoices(schedule);
    // A choice without dates (no valid period header) sorts first.
    const auto first = [&schedule](const DateChoice& c) {
        const QList<QDate> dates = chosenDates(schedule, c).dates;
        return dates.isEmpty() ? QDate() : dates.first();
    };
    std::stable_sort(
        order.begin(), order.end(), [&first](const DateChoice& a, const DateChoice& b) { return first(a) < first(b); });
    const qsizetype at = order.indexOf(from);
    if (at < 0)
        return from;
    return order.at(std::clamp<qsizetype>(at + step, 0, order.size() - 1));
}

EffectiveSchedule::EffectiveSchedule(const TFormData& data, const DateChoice& choice)
    : master_(data.StringGrid1)
    , schedule_(data.StringGrid2)
    , changes_(data.dayChanges)
    , patterns_(data.shiftPatterns)
    , kept_(data.keptSchedule)
    , choice_(choice)
    , employees_(data.employeeCount())
    , registered_(periodDates(schedule_))
    , next_(nextPeriodDates(schedule_))
{
    const history::MonthDays chosen = chosenDates(schedule_, choice);
    dates_ = chosen.dates;
    past_ = chosen.past;
    later_ = chosen.later;
    const int n = numbers::parseInt(schedule_.cell(6, 0)).value_or(0);
    days_ = choice == PeriodChoice::Registered ? (n >= 1 && n <= schedule_.colCount() ? n : 0)
                                               : static_cast<int>(dates_.size());
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

const history::KeptDay* EffectiveSchedule::kept(int row, int day) const
{
    if (!isPast(day) || row < 0 || row >= employees_)
        return nullptr;
    return kept_.find(dates_[day], master_.cell(0, row));
}

QString EffectiveSchedule::wage(int row, int day) const
{
    if (isPast(day))
        if (const history::KeptDay* k = kept(row, day))
            return k->wage;
    return master_.cell(1, row);
}

int EffectiveSchedule::weekdayCodeOn(QDate date) const
{
    if (!registered_.isEmpty() && registered_.first() <= date && date <= registered_.last())
        return numbers::parseInt(schedule_.cell(static_cast<int>(registered_.first().daysTo(date)), 2)).value_or(0);
    return clock_::weekdayCode(date);
}

int EffectiveSchedule::weekdayCode(int day) const
{
    if (choice_ == PeriodChoice::Registered)
        return numbers::parseInt(schedule_.cell(day, 2)).value_or(0);
    return day >= 0 && day < dates_.size() ? weekdayCodeOn(dates_[day]) : 0;
}

DayEntry EffectiveSchedule::standard(int row, int day) const
{
    // A past day has no standard of today's master.
    if (isPast(day))
        return {};
    return standardEntry(master_, row, weekdayCode(day)).value_or(DayEntry {});
}

std::optional<DayEntry> EffectiveSchedule::change(int row, int day) const
{
    if (row < 0 || row >= employees_ || day < 0 || day >= dates_.size() || !isPlanned(day))
        return std::nullopt;
    return changes_.find(master_.cell(0, row), dates_[day]);
}

DayEntry EffectiveSchedule::entry(int row, int day) const
{
    if (isPast(day)) {
        const history::KeptDay* k = kept(row, day);
        return k ? k->entry : DayEntry {};
    }
    return change(row, day).value_or(standard(row, day));
}

DayEntry EffectiveSchedule::entryOn(int row, QDate date) const
{
    if (const int day = dayOf(date); day >= 0)
        return entry(row, day);
    if (isPlannedDate(date) && row >= 0 && row < employees_)
        if (const auto c = changes_.find(master_.cell(0, row), date))
            return *c;
    // The registered period's weekdays are the schedule table's, as entry() reads them there.
    return standardEntry(master_, row, weekdayCodeOn(date)).value_or(DayEntry {});
}

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

RosterDay EffectiveSchedule::keptDay(const history::KeptDay* kept) const
{
    if (!kept)
        return rosterDayOf(DayEntry {}, patterns_);
    // The code is the one the day was named by, also when the patterns have changed since.
    RosterDay out = rosterDayOf(kept->entry, patterns_);
    out.code = kept->code;
    return out;
}

RosterDay EffectiveSchedule::day(int row, int day) const
{
    return isPast(day) ? keptDay(kept(row, day)) : rosterDayOf(entry(row, day), patterns_);
}

RosterDay EffectiveSchedule::recordedOn(int row, QDate date) const
{
    if (const int d = dayOf(date); d >= 0)
        return day(row, d);
    if (isPlannedDate(date) || !kept_.holds(date) || row < 0 || row >= employees_)
        return dayOn(row, date);
    return keptDay(kept_.find(date, master_.cell(0, row)));
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
    return names_.contains(change.name) && isPlanned(dayOf(change.date));
}

bool EffectiveSchedule::isPlannedDate(QDate date) const
{
    // The next period follows the registered one; there is none without it.
    return !next_.isEmpty() && registered_.first() <= date && date <= next_.last();
}

bool EffectiveSchedule::isApart(const QString& name, QDate date) const
{
    return !names_.contains(name) || (!isPlannedDate(date) && !kept_.holds(date));
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
    if (!registered(rowA) || !registered(rowB) || day < 0 || day >= schedule.dates().size() || !schedule.isPlanned(day))
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
