#pragma once

#include "labour/LabourSettings.h"
#include "labour/PersonRules.h"
#include "labour/SequenceRules.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TFormData;
namespace daychanges {
class EffectiveSchedule;
struct RosterDay;
struct Shift;
} // namespace daychanges

// The labour rules of Japan over a period, per employee, on the days in effect (day changes
// included): breaks, overtime, late night, the days off, days in a row, rest between shifts and
// the minimum wage; the limits of minors, students and those who asked for them; the sequence
// of the shift patterns; the limits per period and per calendar month of the person; and the
// premiums they cost. Findings fall on the period's dates; the days around it (a week, four
// weeks, a variable-hours period or a calendar month that crosses its edges, the runs and the
// shift before its first day) are read as the schedule gives them beyond the period. A day is
// a daychanges::RosterDay: a shift whose times cannot be read counts as a working day without
// times, 明け is neither a shift nor a day off, and a wage that is not a number neither costs a
// premium nor meets the minimum wage check. The figures are an estimate to plan with, not a
// payroll.
namespace labour {

// What a finding is about, in the order the rules come; findings of one date keep it.
enum class FindingKind {
    MinimumWage, // the employee's, on no date
    Break, // too short a break for the day's working time
    NoWeeklyDayOff, // a week without a day off
    FourWeekDaysOff, // four weeks with fewer than four days off
    DaysInARow, // a run of working days beyond the limit
    ShortRest, // too little rest since the previous day's shift
    Overlap, // the shift starts before the previous day's shift ends
    MinorNight, // a minor at work between 22:00 and 5:00
    MinorOvertime, // a minor beyond 8 hours a day or 40 a week
    StudentHours, // a student beyond 28 hours in 7 days (40 in a long vacation)
    StudentVacationDay, // a student beyond 8 hours on a day of a long vacation
    RequestNight, // at work at night against a request
    RequestOvertime, // overtime against a request
    ForbiddenSequence, // a pattern on the day after one it may not follow
    CodeRun, // a pattern more days in a row than its limit
    NoDayOffAfterAke, // no day off on the day after 明け
    NoFollowOn, // the day after a pattern is not the pattern it asks for
    MonthlyDaysOff, // a calendar month with other than the days of 公休 owed
    Hours, // the period's hours below or beyond the person's limits
    Nights, // more nights in the period than the person's limit
    Weekends, // more weekends at work in the period than the person's limit
    ShortRun, // a run of working days shorter than the person's minimum
    ShortDaysOff, // a run of days off shorter than the person's minimum
    VariablePeriod, // a note, no finding: a variable-hours period's plan and total limit
};

// A line that informs and finds nothing: it is listed but neither counted nor marked.
bool isNote(FindingKind kind);

struct Finding {
    int row = 0; // master row
    QDate date; // a date of the period; null for the minimum wage
    FindingKind kind = FindingKind::Break;
    QString text;

    bool operator==(const Finding&) const = default;
};

// An employee's premium minutes over the period's dates. Overtime is the daily part (beyond 8
// hours of a day, or beyond the day's plan under the monthly scheme), the weekly part (beyond
// the weekly hours or the week's plan) and, under the monthly scheme, the part beyond the
// variable-hours period's total limit; overSixty is the part of the overtime beyond 60 hours
// in a calendar month.
struct WorkMinutes {
    qint64 night = 0;
    qint64 dailyOvertime = 0;
    qint64 weeklyOvertime = 0;
    qint64 overSixty = 0;
    qint64 frameOvertime = 0;

    qint64 overtime() const { return dailyOvertime + weeklyOvertime + frameOvertime; }
    bool operator==(const WorkMinutes&) const = default;
};

// The minutes worked inside the night band in one calendar month (its first day).
struct NightBandMonth {
    QDate month;
    qint64 minutes = 0;

    bool operator==(const NightBandMonth&) const = default;
};

struct EmployeeCheck {
    QList<Finding> findings; // the minimum wage first, then by date and rule
    WorkMinutes minutes;
    qint64 premium = 0; // yen
    QList<NightBandMonth> nightBand; // each calendar month of the period, with a night band set
};

// Everything the check reads beyond the days: the settings, each employee's rules, the sequence
// rules and the day each pattern asks for after it. The settings alone (empty rules otherwise)
// give the check as it is without person and sequence rules.
struct Rules {
    Settings settings;
    QList<PersonRules> persons; // by master row; a row beyond them has empty rules
    SequenceRules sequence;
    QHash<QString, QString> followOn; // a pattern's code → the code of the day that must follow it

    Rules() = default;
    // Not explicit: wherever settings are given alone, they are the rules.
    Rules(const Settings& settings)
        : settings(settings)
    {
    }
    const PersonRules& person(int row) const;
};

// The rules the data holder keeps.
Rules rulesOf(const TFormData& data);

// One employee's day on a date, on any date the rules ask for.
using DaySource = std::function<daychanges::RosterDay(QDate)>;

// Every rule over one employee (master row) on the period's dates (consecutive; without dates
// only the minimum wage is checked), with the days from source, which the rules ask for every
// date they read, and the wage (none when it is no number).
EmployeeCheck checkDays(
    int row, const QList<QDate>& dates, std::optional<int> wage, const DaySource& source, const Rules& rules);
// Every rule over one registered employee (master row) on the schedule's period.
EmployeeCheck checkEmployee(const daychanges::EffectiveSchedule& schedule, int row, const Rules& rules);

// The overtime of each of consecutive days, in three stages: a day beyond its plan when that is
// over 8 hours, else beyond 8 hours; a week beyond its plan when that is over its base, else
// beyond its base, less the day stage; all the days beyond frame (when given) less both stages.
// Each stage falls on the day its limit is passed. plan and worked give each day's minutes;
// weeks the lengths of the weeks in turn, which add up to the days, and bases their bases.
struct DayOvertime {
    int daily = 0;
    int weekly = 0;
    int frame = 0;

    int total() const { return daily + weekly + frame; }
    bool operator==(const DayOvertime&) const = default;
};
QList<DayOvertime> overtimeStages(const QList<int>& plan, const QList<int>& worked, const QList<int>& weeks,
    const QList<qint64>& bases, std::optional<qint64> frame);

// The variable-hours period that holds a date: from the start day (1 to 28, or kLastDayOfMonth
// for the last day) of one month to the day before it in the next.
DateRange variablePeriodOf(QDate date, int startDay);
// The total limit of a variable-hours period: the weekly hours × days ÷ 7, in whole minutes
// (down, so that its first minute over is overtime).
qint64 totalLimit(int weeklyMinutes, int days);

// How many minutes the shift of one date and the shift of the next date overlap: the first's end
// (past midnight for a night shift) beyond the second's start; 0 when they do not.
int overlapMinutes(const daychanges::Shift& first, const daychanges::Shift& next);

// The overlaps an entry would make on date with the employee's shifts of the day before and the
// day after, as they stand in the schedule: the date of the other shift and the minutes.
struct Overlap {
    QDate with;
    int minutes = 0;
};
QList<Overlap> overlapsAround(
    const daychanges::EffectiveSchedule& schedule, int row, QDate date, const daychanges::Shift& shift);

// The minutes of a shift's span inside a band of the clock that recurs every day (bandStart
// minutes after midnight, bandLength long), and the minutes worked there: less the part of the
// break that cannot lie outside the band.
int spanInBand(const daychanges::Shift& shift, int bandStart, int bandLength);
int workedInBand(const daychanges::Shift& shift, int bandStart, int bandLength);
// workedInBand() between 22:00 and 5:00.
int nightMinutes(const daychanges::Shift& shift);
// A night: the shift holds the whole of 22:00 to 5:00.
bool holdsNight(const daychanges::Shift& shift);

// wage × (night × night rate + overtime × overtime rate + over sixty × (monthly rate − overtime
// rate)) ÷ 6,000, exact and rounded half up to a yen.
qint64 premiumYen(qint64 wage, const WorkMinutes& minutes, const Settings& settings);

// The findings' texts of each cell of the period (row, period day), in the order of the rules,
// for the change window's marks, tool tips and descriptions. The minimum wage is no day's, and
// notes are no findings.
class CellFindings {
public:
    CellFindings(const daychanges::EffectiveSchedule& schedule, const Rules& rules);
    QStringList at(int row, int day) const;

private:
    int days_ = 0;
    QList<QStringList> texts_; // row × days + day
};

} // namespace labour
