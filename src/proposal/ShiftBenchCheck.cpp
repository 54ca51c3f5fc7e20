#include "proposal/ShiftBenchCheck.h"

namespace shiftbench {
namespace {

// The runs of working days (working = true) or of days off in a roster line: first day and length.
QList<std::pair<int, int>> runsOf(const QList<int>& line, bool working)
{
    QList<std::pair<int, int>> runs;
    for (int d = 0; d < line.size(); ++d) {
        if ((line[d] >= 0) != working)
            continue;
        if (d > 0 && (line[d - 1] >= 0) == working)
            ++runs.last().second;
        else
            runs.append({ d, 1 });
    }
    return runs;
}

void checkStaff(const Problem& problem, int s, const QList<int>& line, QStringList& breaches)
{
    const Staff& staff = problem.staff[s];
    const auto breach = [&](const QString& what) { breaches.append(staff.id + QStringLiteral(": ") + what); };
    QList<int> counts(problem.shifts.size(), 0);
    int minutes = 0;
    for (int d = 0; d < problem.horizon; ++d) {
        const int shift = line[d];
        if (shift < 0)
            continue;
        if (shift >= problem.shifts.size()) {
            breach(QStringLiteral("day %1 holds no shift of the problem").arg(d));
            continue;
        }
        ++counts[shift];
        minutes += problem.shifts[shift].minutes;
        if (staff.daysOff.contains(d))
            breach(QStringLiteral("works on day %1, a day off").arg(d));
        if (d + 1 < problem.horizon && line[d + 1] >= 0 && problem.shifts[shift].forbiddenNext.contains(line[d + 1]))
            breach(QStringLiteral("%1 on day %2 is followed by %3")
                       .arg(problem.shifts[shift].id)
                       .arg(d)
                       .arg(problem.shifts.value(line[d + 1]).id));
    }
    for (int shift = 0; shift < problem.shifts.size(); ++shift) {
        if (counts[shift] > staff.maxShifts.value(shift, problem.horizon))
            breach(QStringLiteral("%1 shifts of %2, more than %3")
                       .arg(counts[shift])
                       .arg(problem.shifts[shift].id)
                       .arg(staff.maxShifts.value(shift)));
    }
    if (minutes > staff.maxMinutes || minutes < staff.minMinutes)
        breach(QStringLiteral("%1 minutes, outside %2 to %3").arg(minutes).arg(staff.minMinutes).arg(staff.maxMinutes));
    const auto touchesEdge
        = [&](const std::pair<int, int>& run) { return run.first == 0 || run.first + run.second == problem.horizon; };
    for (const auto& run : runsOf(line, true)) {
        if (run.second > staff.maxConsecutive)
            breach(QStringLiteral("%1 shifts in a row from day %2, more than %3")
                       .arg(run.second)
                       .arg(run.first)
                       .arg(staff.maxConsecutive));
        if (run.second < staff.minConsecutive && !touchesEdge(run))
            breach(QStringLiteral("%1 shifts in a row from day %2, fewer than %3")
                       .arg(run.second)
                       .arg(run.first)
                       .arg(staff.minConsecutive));
    }
    for (const auto& run : runsOf(line, false)) {
        if (run.second < staff.minConsecutiveOff && !touchesEdge(run))
            breach(QStringLiteral("%1 days off in a row from day %2, fewer than %3")
                       .arg(run.second)
                       .arg(run.first)
                       .arg(staff.minConsecutiveOff));
    }
    // Every instance starts on a Monday: days 5 and 6 of each week are its weekend.
    int weekends = 0;
    for (int saturday = 5; saturday < problem.horizon; saturday += 7) {
        const bool sunday = saturday + 1 < problem.horizon && line[saturday + 1] >= 0;
        weekends += line[saturday] >= 0 || sunday ? 1 : 0;
    }
    if (weekends > staff.maxWeekends)
        breach(QStringLiteral("%1 weekends worked, more than %2").arg(weekends).arg(staff.maxWeekends));
}

} // namespace

Verdict check(const Problem& problem, const Roster& roster)
{
    Verdict verdict;
    if (roster.size() != problem.staff.size()) {
        verdict.breaches.append(
            QStringLiteral("%1 roster lines for %2 staff").arg(roster.size()).arg(problem.staff.size()));
        return verdict;
    }
    for (int s = 0; s < problem.staff.size(); ++s) {
        if (roster[s].size() != problem.horizon)
            verdict.breaches.append(QStringLiteral("%1: %2 days for a horizon of %3")
                                        .arg(problem.staff[s].id)
                                        .arg(roster[s].size())
                                        .arg(problem.horizon));
    }
    if (!verdict.breaches.isEmpty())
        return verdict;
    for (int s = 0; s < problem.staff.size(); ++s)
        checkStaff(problem, s, roster[s], verdict.breaches);
    for (const ShiftRequest& r : problem.onRequests)
        verdict.penalty += roster[r.staff][r.day] == r.shift ? 0 : r.weight;
    for (const ShiftRequest& r : problem.offRequests)
        verdict.penalty += roster[r.staff][r.day] == r.shift ? r.weight : 0;
    for (const Cover& c : problem.cover) {
        int people = 0;
        for (const QList<int>& line : roster)
            people += line[c.day] == c.shift ? 1 : 0;
        verdict.penalty += people < c.requirement ? (c.requirement - people) * c.underWeight : 0;
        verdict.penalty += people > c.requirement ? (people - c.requirement) * c.overWeight : 0;
    }
    return verdict;
}

} // namespace shiftbench
