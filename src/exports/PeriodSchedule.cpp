#include "exports/PeriodSchedule.h"

#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "data/WorkAttributes.h"
#include "platform/Numbers.h"

namespace exports {

PeriodSchedule periodSchedule(const daychanges::EffectiveSchedule& schedule)
{
    PeriodSchedule period;
    period.first = schedule.dates().value(0);
    period.days = static_cast<int>(schedule.dates().size());
    const Table& master = schedule.master();
    for (int row = 0; row < schedule.employees(); ++row) {
        EmployeeDays employee { master.cell(0, row), master.cell(1, row), {} };
        employee.days.reserve(period.days);
        for (int d = 0; d < period.days; ++d)
            employee.days << schedule.entry(row, d);
        period.employees << employee;
    }
    return period;
}

bool isWorkingDay(const DayEntry& entry)
{
    return entry.attribute == attributes::kWorkday;
}

std::optional<Shift> shiftOf(const DayEntry& entry)
{
    if (!isWorkingDay(entry))
        return std::nullopt;
    const auto startHour = numbers::parseInt(entry.startHour);
    const auto startMinute = numbers::parseInt(entry.startMinute);
    const auto endHour = numbers::parseInt(entry.endHour);
    const auto endMinute = numbers::parseInt(entry.endMinute);
    const auto net = numbers::parseInt(entry.netMinutes);
    if (!startHour || !startMinute || !endHour || !endMinute || !net)
        return std::nullopt;
    const auto hour = [](int h) { return h >= 0 && h <= 24; };
    const auto minute = [](int m) { return m >= 0 && m <= 59; };
    if (!hour(*startHour) || !hour(*endHour) || !minute(*startMinute) || !minute(*endMinute))
        return std::nullopt;
    return Shift { *startHour, *startMinute, *endHour, *endMinute, *net };
}

} // namespace exports
