#pragma once

#include "changes/DayEntry.h"
#include "patterns/ShiftPatterns.h"
#include "targets/TargetLines.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class TFormData;
namespace daychanges {
class EffectiveSchedule;
struct DateChoice;
} // namespace daychanges

// A period as the exports hand it on: every day of the period and, for each registered employee
// in master order, what the employee does on each of those days, with the person-hours short and
// over the staffing targets when the shop has targets. The writers of the export files read only
// this, never the tables, so they know nothing of where an entry came from.
namespace exports {

struct EmployeeDays {
    QString name;
    QString wage; // as stored
    QList<DayEntry> days; // one entry per period day
    // The standard week's entry of each period day; none when the standard week is not known.
    QList<DayEntry> standard;
    // The position in PeriodSchedule::patterns of the pattern each day's entry and standard entry
    // name; −1 or none for no pattern.
    QList<int> patterns {};
    QList<int> standardPatterns {};
};

struct PeriodSchedule {
    QDate first; // the period's first day
    int days = 0;
    QList<EmployeeDays> employees;
    // The person-hours short and over on each period day; none when the shop has no targets.
    std::optional<QList<targets::PersonHours>> staffing;
    // The workplace's shift patterns; none: the exports write times only.
    QList<patterns::Pattern> patterns {};

    QDate date(int day) const { return first.addDays(day); }
    // The pattern at a position of patterns; null for −1 or any other position.
    const patterns::Pattern* pattern(int position) const
    {
        return position >= 0 && position < patterns.size() ? &patterns[position] : nullptr;
    }
};

// The registered period with every registered employee and each day's effective entry (the day
// change when there is one, else the standard week) and standard entry, with the patterns they name. A header that
// cannot be read as a start date and a length of 1 to 40 days gives a period without days.
PeriodSchedule periodSchedule(const daychanges::EffectiveSchedule& schedule);

// The period chosen, as the exports write it: the schedule of the data holder's tables and day
// changes over the registered or the next period, with the person-hours against the staffing
// targets when there is at least one target.
PeriodSchedule periodExport(const TFormData& data, const daychanges::DateChoice& choice);

} // namespace exports
