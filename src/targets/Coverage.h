#pragma once

#include "changes/DayEntry.h"
#include "changes/DayShift.h"
#include "targets/TargetTable.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <array>

namespace daychanges {
class EffectiveSchedule;
}

// Where a schedule meets the staffing targets: which row of targets a date takes, who counts in
// an hour, and the status of every hour of a date. Everything is computed over an
// EffectiveSchedule, so it holds for whichever period that schedule is about.
namespace targets {

// The row a date takes: the date's own row, else the holiday row when the date is a national
// holiday and that row has a target, else the row of the date's weekday. The rows per hour, those
// of one qualification and those of the patterns each choose so on their own.
const TargetRow& rowFor(const DayRows<TargetRow>& rows, QDate date);
const PatternRow& rowFor(const DayRows<PatternRow>& rows, QDate date);

// The hours a day's entry covers for at least 30 minutes, counted from 0:00 of its date: hours
// 24 to 47 are the next date's 0 to 23. A working day from start S to end U covers [S, U), or,
// when U is before S, [S, 24:00) and the next date's [0:00, U). A day that is not a working
// day, whose times cannot be read or that ends when it starts covers nothing.
struct HourSpan {
    int first = 0;
    int last = -1;

    bool isEmpty() const { return first > last; }
};
HourSpan coveredHours(const DayEntry& entry);
HourSpan coveredHours(const daychanges::Shift& shift);

enum class Status {
    None, // no target
    Met,
    Short, // fewer than the least
    Over, // more than the most
};

Status statusOf(int count, const HourTarget& target);

struct HourCoverage {
    int count = 0; // people at work
    HourTarget target;
    Status status = Status::None;
};

using HourCoverages = std::array<HourCoverage, kHours>;

// One pattern with a target on a date: the people working it that day.
struct PatternCoverage {
    QString code;
    int count = 0;
    HourTarget target;
    Status status = Status::None;
};

struct DayCoverage {
    QDate date;
    bool holiday = false; // a national holiday
    HourCoverages hours {};
    // By tag, for the tags with a target on the date: the people at work who carry it.
    QMap<QString, HourCoverages> qualifications;
    // The patterns with a target on the date, in the order of the workplace's patterns.
    QList<PatternCoverage> patterns;

    bool hasTarget() const;
    // Whether an hour, a qualification's hour or a pattern has the status.
    bool has(Status status) const;
    // Of the people per hour: Σ (least − count) over the short hours and Σ (count − most) over
    // the over hours.
    int shortPersonHours() const;
    int overPersonHours() const;
    // The same of the qualifications' hours (a least only) and of the patterns, in people.
    int qualificationShortHours() const;
    int patternShort() const;
    int patternOver() const;
};

// Every date of the schedule's period. Who carries a tag comes from the staff lines of the
// workplace's patterns, who works a pattern from the typed roster; a person marked
// "人数に数えない" counts toward no target. The morning part of a night shift that started the day
// before the period counts on its first date; one that ends after its last date is left out.
QList<DayCoverage> periodCoverage(const TargetTable& table, const daychanges::EffectiveSchedule& schedule);

// One date, inside the period or not, from every counted employee's entry on that date and on
// the day before.
DayCoverage dateCoverage(const TargetTable& table, const daychanges::EffectiveSchedule& schedule, QDate date);

} // namespace targets
