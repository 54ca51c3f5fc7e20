#pragma once

#include "changes/DayShift.h"

#include <QDate>
#include <QList>
#include <array>
#include <optional>

// One scheduling problem, as plain data, that a proposal is sought for: each employee's day on
// every date the rules look at, which days may change and into what, the labour settings, the
// staffing targets and the wishes to work. The caller builds it from the program's tables, day
// changes, settings and requests; the model and the solver read nothing else.
namespace proposal {

// What a day can be: off, or a working day ("勤務日") with its shift. A working day whose times
// cannot be read counts for the weeks and the runs of days but covers no hour and costs nothing.
struct Option {
    bool working = false;
    std::optional<daychanges::Shift> shift;
};

inline Option offOption()
{
    return {};
}

inline Option shiftOption(const daychanges::Shift& shift)
{
    return { true, shift };
}

// One employee on one date. A fixed day has exactly one option: its entry in effect. A free day
// takes one of its options; standard is the index of the option that equals the standard week's
// entry (the off option for any attribute other than "勤務日"), −1 when none does.
struct Day {
    QList<Option> options;
    bool free = false;
    int standard = -1;
};

struct Employee {
    int row = 0; // master row, for the caller
    int wage = 0; // yen per hour
    QList<Day> days; // one per date the instance holds
};

// The people an hour needs: at least least, at most most; an hour with neither has no target.
struct Target {
    std::optional<int> least;
    std::optional<int> most;
};
using DayTargets = std::array<Target, 24>; // hours 0 to 23

struct LabourSettings {
    int weeklyHours = 40;
    int weekStart = 1; // weekday code: 1 = Sunday … 7 = Saturday
    int runLimit = 6; // working days in a row allowed; 0 = no check
    int restHours = 11; // rest between two shifts; 0 = no check
    int nightRate = 25; // per cent, 22:00 to 5:00
    int overtimeRate = 25; // per cent, over 8 hours a day or the weekly hours
    int over60Rate = 50; // per cent, overtime beyond 60 hours in a calendar month
};

// What counts after the labour findings, the short hours, the wishes and the over hours.
enum class Aim {
    FewerChanges, // "変更を少なく": the fewest days that differ from the standard week, then the cost
    LowerCost, // "人件費を抑える": the lowest cost, then the fewest days that differ
};

// A wish to work ("出勤希望") of an employee on a day of the period.
struct WorkWish {
    int employee = 0;
    int day = 0;
};

// Dates are held as consecutive days from first: day d is first.addDays(d). The period is the
// days periodStart to periodStart + periodDays − 1; the days around it are fixed and are there
// for the rules that look beyond the period (a week crossing its edges, a run of days before
// it, the rest after the day before it, a night shift of the day before it).
struct Instance {
    QDate first;
    int days = 0;
    int periodStart = 0;
    int periodDays = 0;
    LabourSettings labour;
    QList<Employee> employees;
    QList<DayTargets> targets; // one per period day
    QList<WorkWish> workWishes;
    Aim aim = Aim::FewerChanges;

    QDate date(int day) const { return first.addDays(day); }
    bool inPeriod(int day) const { return day >= periodStart && day < periodStart + periodDays; }
};

// The days a run of working days is traced back before the period.
constexpr int kDaysLookedBack = 31;

// An instance without employees holding the dates the rules look at for a period: from
// kDaysLookedBack days before its first date to the end of the week holding its last date; a
// target list of the period's length with no target.
Instance frame(QDate periodFirst, int periodDays, const LabourSettings& labour);

} // namespace proposal
