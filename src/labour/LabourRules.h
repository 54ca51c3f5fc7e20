#pragma once

#include "labour/LabourSettings.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace daychanges {
class EffectiveSchedule;
struct Shift;
} // namespace daychanges

// The labour rules of Japan over a period, per employee, on the entries in effect (day changes
// included): breaks, overtime, late night, the weekly day off, days in a row, rest between
// shifts and the minimum wage, and the premiums they cost. Everything is computed on the
// period's dates; the days around it (a week that crosses its start or end, the run and the
// shift before its first day) take EffectiveSchedule::entryOn(). A working day's times come from
// daychanges::shiftOf(): one whose cells cannot be read counts as a working day without times,
// and a wage that is not a number neither costs a premium nor meets the minimum wage check. The
// figures are an estimate to plan with, not a payroll.
namespace labour {

// What a finding is about, in the order the rules come; findings of one date keep it.
enum class FindingKind {
    MinimumWage, // the employee's, on no date
    Break, // too short a break for the day's working time
    NoWeeklyDayOff, // a week without a day that is not a working day
    DaysInARow, // a run of working days beyond the limit
    ShortRest, // too little rest since the previous day's shift
    Overlap, // the shift starts before the previous day's shift ends
};

struct Finding {
    int row = 0; // master row
    QDate date; // a date of the period; null for the minimum wage
    FindingKind kind = FindingKind::Break;
    QString text;

    bool operator==(const Finding&) const = default;
};

// An employee's premium minutes over the period's dates. Overtime is the daily part (beyond 8
// hours of a day) and the weekly part (beyond the weekly hours); overSixty is the part of the
// overtime beyond 60 hours in a calendar month.
struct WorkMinutes {
    qint64 night = 0;
    qint64 dailyOvertime = 0;
    qint64 weeklyOvertime = 0;
    qint64 overSixty = 0;

    qint64 overtime() const { return dailyOvertime + weeklyOvertime; }
    bool operator==(const WorkMinutes&) const = default;
};

struct EmployeeCheck {
    QList<Finding> findings; // the minimum wage first, then by date and rule
    WorkMinutes minutes;
    qint64 premium = 0; // yen
};

// Every rule over one registered employee (master row) on the schedule's period.
EmployeeCheck checkEmployee(const daychanges::EffectiveSchedule& schedule, int row, const Settings& settings);

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

// The minutes of a shift between 22:00 and 5:00, less the part of the break that cannot lie
// outside those hours.
int nightMinutes(const daychanges::Shift& shift);

// wage × (night × night rate + overtime × overtime rate + over sixty × (monthly rate − overtime
// rate)) ÷ 6,000, exact and rounded half up to a yen.
qint64 premiumYen(qint64 wage, const WorkMinutes& minutes, const Settings& settings);

// The findings' texts of each cell of the period (row, period day), in the order of the rules,
// for the change window's marks, tool tips and descriptions. The minimum wage is no day's.
class CellFindings {
public:
    CellFindings(const daychanges::EffectiveSchedule& schedule, const Settings& settings);
    QStringList at(int row, int day) const;

private:
    int days_ = 0;
    QList<QStringList> texts_; // row × days + day
};

} // namespace labour
