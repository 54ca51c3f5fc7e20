#include "exports/PeriodSchedule.h"

#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "data/Unitdata.h"

namespace exports {

PeriodSchedule periodSchedule(const daychanges::EffectiveSchedule& schedule)
{
    PeriodSchedule period;
    period.first = schedule.dates().value(0);
    period.days = static_cast<int>(schedule.dates().size());
    const Table& master = schedule.master();
    const patterns::ShiftPatterns& shiftPatterns = schedule.shiftPatterns();
    period.patterns = shiftPatterns.patterns;
    for (int row = 0; row < schedule.employees(); ++row) {
        EmployeeDays employee { master.cell(0, row), master.cell(1, row), {}, {} };
        employee.days.reserve(period.days);
        employee.standard.reserve(period.days);
        for (int d = 0; d < period.days; ++d) {
            const daychanges::RosterDay day = schedule.day(row, d);
            const daychanges::RosterDay standard = daychanges::rosterDayOf(schedule.standard(row, d), shiftPatterns);
            employee.days << day.entry;
            employee.patterns << day.pattern;
            employee.standard << standard.entry;
            employee.standardPatterns << standard.pattern;
        }
        period.employees << employee;
    }
    return period;
}

PeriodSchedule periodExport(const TFormData& data, const daychanges::DateChoice& choice)
{
    const daychanges::EffectiveSchedule schedule(data, choice);
    PeriodSchedule period = periodSchedule(schedule);
    if (!data.staffTargets.isEmpty())
        period.staffing = targets::personHoursByDay(data.staffTargets, schedule);
    return period;
}

} // namespace exports
