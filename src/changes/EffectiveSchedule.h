#pragma once

#include "changes/DayChanges.h"
#include "changes/RosterDay.h"
#include "history/Calendar.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <optional>

class Table;
class TFormData;
namespace patterns {
class ShiftPatterns;
}
namespace history {
class KeptSchedule;
struct KeptDay;
} // namespace history

namespace daychanges {

// The day changes of one date by master row.
using RowChanges = QHash<int, DayEntry>;

// The standard week's entry of a master row for a weekday block (0 = Monday … 6 = Sunday): the
// block's cells and its net minutes.
DayEntry blockEntry(const Table& master, int row, int block);
// The same for a weekday code (1 = Sunday … 7 = Saturday); none for a code outside 1 to 7.
std::optional<DayEntry> standardEntry(const Table& master, int row, int weekdayCode);

// The entry of a master row on a date whose changes are given by row: the row's change, else
// the standard week's block of the date's weekday code.
std::optional<DayEntry> entryOn(const Table& master, int row, int weekdayCode, const RowChanges& changes);

// The dates of the registered period: the start date of the schedule table's header and the
// days that follow it, N in all; none when the header gives no valid date or N is not 1 to 40.
QList<QDate> periodDates(const Table& schedule);

// The period that follows the registered one: the period the end rule gives for a start on the
// day after the registered period's last day, so that registering on that day gives exactly
// these dates. None when the registered period has no dates.
QList<QDate> nextPeriodDates(const Table& schedule);

// Which period a schedule, a view or a report is about.
enum class PeriodChoice {
    Registered, // the period of the schedule table
    Next, // the period that will follow it
};

// The dates the change window, the reports over a period and the outputs are about: one of the
// planned periods, or a calendar month that has a date in one of them.
struct DateChoice {
    DateChoice(PeriodChoice period = PeriodChoice::Registered)
        : period(period)
    {
    }
    // The calendar month of a date.
    static DateChoice ofMonth(QDate date);
    bool isMonth() const { return month.isValid(); }

    PeriodChoice period; // the planned period, when no month is chosen
    QDate month; // the first day of the chosen month; null for a planned period

    bool operator==(const DateChoice&) const = default;
};

// "今の期間", "次の期間", then every calendar month with a date in either period, in date order.
QList<DateChoice> dateChoices(const Table& schedule);
// "今の期間", "次の期間" or "YYYY年M月".
QString choiceTitle(const DateChoice& choice);
// The dates of a choice and which of them are not planned: a planned period's dates are all
// planned; a month's first days may be past (before the registered period), its last ones later
// than the next period.
history::MonthDays chosenDates(const Table& schedule, const DateChoice& choice);
// The choice step places after from (before it for a negative step) in the order of the choices'
// first dates, a period before the month that starts on its day; it stops at the first and the
// last choice.
DateChoice stepChoice(const Table& schedule, const DateChoice& from, int step);

// A period as the views see it (or a calendar month: see below): each registered employee's entry on each period day,
// which is that date's change of the employee's name when there is one, else the standard week's block of the day's
// weekday (for the registered period as the schedule table gives it in row 2, for the next period the date's own
// weekday). It also tells which changes take no effect in either planned period (listed apart: a name without a master
// row, a date in neither the registered nor the next period) and which names two master rows share (they share the
// changes of that name). It reads the tables and the changes of the data holder, which must outlive it, and changes
// nothing; the views and reports turn what it gives into lines. A calendar month's days are its dates from the 1st: a
// planned day reads as in its period; a past day shows what was kept for the employee's name on that date (nothing when
// none was kept), never today's master or changes; a later day, not planned yet, the standard week of its weekday.
class EffectiveSchedule {
public:
    explicit EffectiveSchedule(const TFormData& data, const DateChoice& choice = PeriodChoice::Registered);

    const DateChoice& choice() const { return choice_; }
    const Table& master() const { return master_; }
    const Table& schedule() const { return schedule_; }
    // Registered employees: master rows 0 to employees() − 1.
    int employees() const { return employees_; }
    // The registered period: N of the period header (0 when it is no number of 1 to 40) and the
    // period's dates (none when the header gives no date). The next period: its day count and
    // dates (none when the registered period has no dates).
    int days() const { return days_; }
    const QList<QDate>& dates() const { return dates_; }
    // The period day of a date; −1 when the date lies outside the period.
    int dayOf(QDate date) const;
    // Whether a day can be changed, proposed and wished for: a day of a planned period. A past day
    // is what was kept.
    bool isPlanned(int day) const { return day >= past_ && day < days_ - later_; }
    bool isPast(int day) const { return day >= 0 && day < past_; }
    // The kept day of a row's name on a past day; null otherwise.
    const history::KeptDay* kept(int row, int day) const;
    // The hourly wage of a row on a period day: the kept one on a past day, else the master's.
    QString wage(int row, int day) const;

    // The weekday code of a period day as the schedule table's row 2 gives it; 0 when none.
    int weekdayCode(int day) const;
    // The standard week's entry of a row on a period day; an empty attribute when the schedule
    // table gives no weekday for the day and on a past day.
    DayEntry standard(int row, int day) const;
    // The change of the row's name on a period day, if any.
    std::optional<DayEntry> change(int row, int day) const;
    // The change, else the standard entry; entry.changed tells which.
    DayEntry entry(int row, int day) const;
    // The entry of a row on any date, for the rules that look at the days around a period (a
    // week that crosses its start, the shift of the day before): entry() on a day of the
    // period; on a day of the other planned period (the next one of the registered period, the
    // registered one of the next) its change, else its standard entry; on any other date the
    // standard week's block of the date's own weekday, since changes there take no effect.
    DayEntry entryOn(int row, QDate date) const;
    // The typed day of a row on a period day and on any date, from entry() and entryOn(), named
    // by the workplace's shift patterns: a 明け pattern makes a 明け day.
    RosterDay day(int row, int day) const;
    RosterDay dayOn(int row, QDate date) const;
    // The day of a row on any date as it was worked, for the rules that look back: dayOn(),
    // except on a kept date outside this schedule and the planned periods, which shows what was
    // kept for the row's name (nothing when none was kept).
    RosterDay recordedOn(int row, QDate date) const;
    // The workplace's shift patterns that name the days.
    const patterns::ShiftPatterns& shiftPatterns() const { return patterns_; }
    // entry() of every registered employee (outer list, master order) and period day.
    QList<QList<DayEntry>> entries() const;
    // The changes of a date by row; none when the date is not a day of the period.
    RowChanges changesOn(QDate date) const;

    // Whether what is kept for a name on a date (a change, a wish) takes effect in neither the
    // registered nor the next period and is no record of a kept day: a name without a registered
    // row, or a date of neither period whose days are not kept.
    bool isApart(const QString& name, QDate date) const;
    // The changes that take effect in neither the registered nor the next period, by date and
    // name.
    QList<DayChange> apart() const;
    // Names that two or more registered rows carry, in master order.
    QStringList sharedNames() const;
    // The changes that take effect: of a registered name on a day of the period.
    int changeCount() const;

private:
    bool takesEffect(const DayChange& change) const;
    bool isPlannedDate(QDate date) const;
    // The weekday code of a date of a planned period or a later one: the schedule table's in the
    // registered period, else the date's own.
    int weekdayCodeOn(QDate date) const;
    RosterDay keptDay(const history::KeptDay* kept) const;

    const Table& master_;
    const Table& schedule_;
    const DayChanges& changes_;
    const patterns::ShiftPatterns& patterns_;
    const history::KeptSchedule& kept_;
    DateChoice choice_;
    int employees_ = 0;
    int days_ = 0;
    int past_ = 0;
    int later_ = 0;
    QList<QDate> dates_;
    QList<QDate> registered_;
    QList<QDate> next_;
    QSet<QString> names_;
};

// The typed day of an entry, read once and named by the workplace's shift patterns: a 明け pattern
// makes a 明け day.
RosterDay rosterDayOf(const DayEntry& entry, const patterns::ShiftPatterns& shiftPatterns);

// Swaps two employees on a period day: each gets the other's entry of that day in effect as a
// change, in the change file's form.
enum class SwapOutcome {
    Swapped,
    NotTwoEmployees, // the same row twice, two rows of one name, a row that is not registered
    NotStorable, // an entry of the master has no form a change can be saved in
};
// Nothing changes unless it swaps; also not for a day outside the period's dates or one that is
// not planned.
SwapOutcome swapDay(DayChanges& changes, const EffectiveSchedule& schedule, int rowA, int rowB, int day);

} // namespace daychanges
