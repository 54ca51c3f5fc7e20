#pragma once

#include "changes/DayEntry.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace daychanges {
class EffectiveSchedule;
}

// The registered period as the exports hand it on: every day of the period and, for each
// registered employee in master order, what the employee does on each of those days. The
// writers of the export files read only this, never the tables, so they know nothing of
// where an entry came from.
namespace exports {

struct EmployeeDays {
    QString name;
    QString wage; // as stored
    QList<DayEntry> days; // one entry per period day
};

struct PeriodSchedule {
    QDate first; // the period's first day
    int days = 0;
    QList<EmployeeDays> employees;

    QDate date(int day) const { return first.addDays(day); }
};

// The registered period with every registered employee and each day's effective entry (the day
// change when there is one, else the standard week). A header that cannot be read as a start
// date and a length of 1 to 40 days gives a period without days.
PeriodSchedule periodSchedule(const daychanges::EffectiveSchedule& schedule);

// A working day's times and net minutes as numbers.
struct Shift {
    int startHour = 0;
    int startMinute = 0;
    int endHour = 0;
    int endMinute = 0;
    int netMinutes = 0;
};

// The shift of a working day ("勤務日"); nothing for any other attribute, and nothing when a
// cell is not a number or an hour lies outside 0 to 24 or a minute outside 0 to 59.
std::optional<Shift> shiftOf(const DayEntry& entry);

// True for a working day, whether or not its times can be read.
bool isWorkingDay(const DayEntry& entry);

} // namespace exports
