#include "exports/PeriodSchedule.h"

#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "platform/Numbers.h"

namespace exports {

PeriodSchedule periodSchedule(const TFormData& data, const std::function<DayEntry(int row, QDate date)>& entryOf)
{
    const Table& schedule = data.StringGrid2;
    const auto header = [&schedule](int column) { return numbers::parseInt(schedule.cell(column, 0)); };
    const auto year = header(0);
    const auto month = header(1);
    const auto day = header(2);
    const auto length = header(6);

    PeriodSchedule period;
    if (year && month && day && length && *length >= 1 && *length <= schedule.colCount()) {
        period.first = QDate(*year, *month, *day);
        if (period.first.isValid())
            period.days = *length;
    }
    const Table& master = data.StringGrid1;
    for (int row = 0; row < data.employeeCount(); ++row) {
        EmployeeDays employee { master.cell(0, row), master.cell(1, row), {} };
        employee.days.reserve(period.days);
        for (int d = 0; d < period.days; ++d)
            employee.days << entryOf(row, period.date(d));
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
