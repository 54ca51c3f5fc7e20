#pragma once

#include "changes/DayShift.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// One scheduling problem, as plain data, that a proposal is sought for: each employee's day on
// every date the rules look at, which days may change and into what, the shift patterns, the
// labour settings and each person's rules, the staffing targets, the requests and the aims in
// their order. The caller builds it from its own data (the program's tables, a benchmark file);
// the model and the solver read nothing else.
namespace proposal {

// A shift pattern of the instance. A pattern may be known by its times, or only by the minutes
// it counts (as the benchmark's shifts are).
struct Pattern {
    QString code;
    std::optional<daychanges::Shift> shift;
    int minutes = 0; // net minutes worked
    bool night = false; // holds time between 22:00 and 5:00
};

// What a day is: a working day with its shift, a day off, or 明け (the morning after a night:
// no hours, and not a day off wherever days off or runs of days are counted).
enum class DayKind {
    Working,
    Off,
    Ake,
};

// What a day can be. A working day whose times cannot be read counts for the weeks and the runs
// of days but covers no hour and costs nothing; its minutes are its pattern's when it has one.
struct Option {
    DayKind kind = DayKind::Off;
    std::optional<daychanges::Shift> shift;
    int pattern = -1; // into Instance::patterns; −1 for none
    QString offName; // a day off's named day off ("公休", "年休"); empty for the plain one

    bool working() const { return kind == DayKind::Working; }
    bool off() const { return kind == DayKind::Off; }
};

inline Option offOption()
{
    return {};
}

inline Option shiftOption(const std::optional<daychanges::Shift>& shift)
{
    Option option;
    option.kind = DayKind::Working;
    option.shift = shift;
    return option;
}

// One employee on one date. A fixed day has exactly one option: its entry in effect. A free day
// takes one of its options; standard is the index of the option that equals the standard week's
// entry (the off option for any attribute other than "勤務日"), −1 when none does.
struct Day {
    QList<Option> options;
    bool free = false;
    int standard = -1;
};

// Each rule of a person says whether it is hard (no free day may break it) or soft (each breach
// is one finding of the first aim). Days are the instance's days; pattern sets are indexes into
// Instance::patterns.

// Pattern `next` may not follow pattern `first` on the next day.
struct Succession {
    int first = 0;
    int next = 0;
    bool hard = true;
};

// Pattern `first` on a day asks for `next` (a pattern, or any day off when −1) on the next one;
// a 明け pattern named as `next` may stand only after a day that asks for it.
struct FollowOn {
    int first = 0;
    int next = -1;
    bool hard = true;
};

// A count that may not pass most.
struct Most {
    int most = 0;
    bool hard = true;
};

// A count that may not stay below least.
struct Least {
    int least = 0;
    bool hard = true;
};

// At most `most` days in a row of any of the patterns.
struct PatternRun {
    QList<int> patterns;
    int most = 0;
    bool hard = true;
};

// At most `most` days of any of the patterns over the period.
struct PatternCount {
    QList<int> patterns;
    int most = 0;
    bool hard = true;
};

// A run, once it starts, lasts at least `least` days. atEdges: a run that touches the first or
// last day the instance holds is held to it too, as if the days beyond ended it.
struct RunFloor {
    int least = 0;
    bool atEdges = false;
    bool hard = true;
};

// At most `most` minutes worked on the days first to first + days − 1.
struct MinutesWindow {
    int first = 0;
    int days = 7;
    int most = 0;
    bool hard = true;
};

// Exactly `count` days off on the days first to first + days − 1 (a calendar month).
struct DaysOff {
    int first = 0;
    int days = 0;
    int count = 0;
    bool hard = true;
};

// What a person may work beyond the labour settings, each rule optional.
struct PersonRules {
    QList<Succession> successions;
    QList<FollowOn> followOns;
    QList<PatternRun> patternRuns;
    std::optional<Most> workingRun; // days not off in a row
    std::optional<RunFloor> leastWorkingRun;
    std::optional<RunFloor> leastOffRun;
    std::optional<Least> leastMinutes; // over the period
    std::optional<Most> mostMinutes;
    QList<PatternCount> patternCounts;
    std::optional<Most> weekends; // a weekend of the period counts when its Saturday or Sunday is not off
    QList<MinutesWindow> minutesWindows;
    QList<DaysOff> daysOff;
    std::optional<Least> rest; // minutes between two shifts
};

struct Employee {
    int row = 0; // the caller's own reference (a master row, a benchmark's staff index)
    int wage = 0; // yen per hour
    QList<Day> days; // one per date the instance holds
    PersonRules rules;
    bool counted = true; // counts toward the targets
    QList<int> tags; // into Instance::tags: the qualifications
};

// The people an hour needs: at least least, at most most; an hour with neither has no target.
// The weights are per person-hour short and over.
struct Target {
    std::optional<int> least;
    std::optional<int> most;
    int underWeight = 1;
    int overWeight = 1;
};
using DayTargets = std::array<Target, 24>; // hours 0 to 23

// Hourly targets counted over the people with a tag only.
struct TagTargets {
    int tag = 0;
    QList<DayTargets> days; // one per period day
};

// How many people work a pattern on a day: weights per person short and over.
struct PatternTarget {
    int day = 0;
    int pattern = 0;
    std::optional<int> least;
    std::optional<int> most;
    int underWeight = 1;
    int overWeight = 1;
};

struct LabourSettings {
    int weeklyHours = 40;
    int weekStart = 1; // weekday code: 1 = Sunday … 7 = Saturday
    int runLimit = 6; // working days in a row allowed; 0 = no check
    int restHours = 11; // rest between two shifts; 0 = no check
    int nightRate = 25; // per cent, 22:00 to 5:00
    int overtimeRate = 25; // per cent, over 8 hours a day or the weekly hours
    int over60Rate = 50; // per cent, overtime beyond 60 hours in a calendar month
};

// A request of an employee on a day of the period, its weight paid when it is not honoured.
enum class RequestKind {
    Work, // "出勤希望": a working day
    Pattern, // that pattern
    AvoidPattern, // anything but that pattern
    Off, // a day off
};

struct Request {
    int employee = 0;
    int day = 0;
    RequestKind kind = RequestKind::Work;
    int pattern = -1;
    int weight = 1;
};

// People whose counts of patterns, or of weekend days not off, are kept even: the largest count
// above each person's share is what counts.
struct Fairness {
    QList<int> employees;
    QList<double> shares; // one per employee
    QList<int> patterns; // the patterns counted; empty: the Saturdays and Sundays not off
};

// What the aims weigh. Hard is the model's own first stage: the breaches of the hard rules that
// free days could avoid, always 0 when the rules can be met.
enum class Measure {
    Hard,
    Findings, // the labour settings' findings and the soft rules' breaches
    ShortHours, // short person-hours against the hourly targets, weighted
    ShortPatterns, // short people against the pattern targets, weighted
    Requests, // unhonoured requests, weighted
    OverHours,
    OverPatterns,
    NightFairness, // the fairness over patterns
    WeekendFairness, // the fairness over weekend days
    ChangedDays, // free days that differ from the standard week
    Cost, // pay by the day pay rule with the night, overtime and 60-hour premiums, in yen
};
constexpr int kMeasures = int(Measure::Cost) + 1;

struct Weighted {
    Measure measure = Measure::Findings;
    int weight = 1;
};
// One aim: a weighted sum of measures, minimised among the solutions best in the aims before it.
using AimStage = QList<Weighted>;

// What counts after the labour findings, the short hours, the wishes, the over hours and the
// fairness.
enum class Aim {
    FewerChanges, // "変更を少なく": the fewest days that differ from the standard week, then the cost
    LowerCost, // "人件費を抑える": the lowest cost, then the fewest days that differ
};

// The program's aims in their order: findings; short hours and patterns; requests; over hours
// and patterns; fairness of nights, then of weekend days; changes and cost in the order of aim.
QList<AimStage> programAims(Aim aim);

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
    QList<Pattern> patterns;
    QStringList tags;
    QList<Employee> employees;
    QList<DayTargets> targets; // one per period day, over every counted person
    QList<TagTargets> tagTargets;
    QList<PatternTarget> patternTargets;
    QList<Request> requests;
    QList<Fairness> fairness;
    QList<AimStage> aims = programAims(Aim::FewerChanges);

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
