#include "changes/DayShift.h"

#include "data/WorkAttributes.h"
#include "platform/Numbers.h"

namespace daychanges {

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

} // namespace daychanges
