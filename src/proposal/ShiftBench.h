#pragma once

#include "proposal/Instance.h"

#include <QList>
#include <QString>
#include <optional>

// The instances of the published shift-scheduling benchmark, in their text format: the reader,
// the mapping of an instance onto the proposal's own patterns, rules, pattern targets and
// requests with one aim that is the benchmark's penalty, and the roster a proposal gives.
//
// The format: sections SECTION_HORIZON (the days), SECTION_SHIFTS (id, minutes, the shifts that
// may not follow on the next day, "|"-separated), SECTION_STAFF (id, the most shifts of each
// type as "D=14|N=3", the most and least minutes, the most and least shifts in a row, the least
// days off in a row, the most weekends), SECTION_DAYS_OFF (id and the days, from 0, off),
// SECTION_SHIFT_ON_REQUESTS and SECTION_SHIFT_OFF_REQUESTS (id, day, shift, weight) and
// SECTION_COVER (day, shift, people, weight per person under, weight per person over). A line
// that starts with "#" is a comment. Every instance starts on a Monday.
namespace shiftbench {

struct Shift {
    QString id;
    int minutes = 0;
    QList<int> forbiddenNext; // the shifts that may not follow it on the next day
};

struct Staff {
    QString id;
    QList<int> maxShifts; // per shift
    int maxMinutes = 0;
    int minMinutes = 0;
    int maxConsecutive = 0;
    int minConsecutive = 0;
    int minConsecutiveOff = 0;
    int maxWeekends = 0;
    QList<int> daysOff;
};

// A request to work a shift on a day (on) or not to (off); its weight is paid when it is not met.
struct ShiftRequest {
    int staff = 0;
    int day = 0;
    int shift = 0;
    int weight = 0;
};

struct Cover {
    int day = 0;
    int shift = 0;
    int requirement = 0;
    int underWeight = 0;
    int overWeight = 0;
};

struct Problem {
    int horizon = 0;
    QList<Shift> shifts;
    QList<Staff> staff;
    QList<ShiftRequest> onRequests;
    QList<ShiftRequest> offRequests;
    QList<Cover> cover;
};

// The problem, or the first bad line's number and what is wrong with it.
struct Read {
    std::optional<Problem> problem;
    QString error; // "line 12: …"
};
Read read(const QString& text);

// The first date of every mapped instance: a Monday.
inline const QDate kFirstDay(2024, 1, 1);

// The problem as an instance: every day of the horizon is the period; each staff member's day is
// off or one of the shifts they may work at all (a day off of SECTION_DAYS_OFF is held off);
// every rule is hard, a minimum run that touches the first or last day does not count, and the
// one aim is the penalty: short and over people weighted as the cover says, and the requests.
proposal::Instance instanceOf(const Problem& problem);

// Who works which shift: [staff][day], the shift's index or −1 for a day off.
using Roster = QList<QList<int>>;

// The roster of the options an instance's proposal takes.
Roster rosterOf(const proposal::Instance& instance, const QList<QList<int>>& options);

// One line per staff member in the problem's order: the id, then each day's shift id or "-".
QString rosterText(const Problem& problem, const Roster& roster);

} // namespace shiftbench
