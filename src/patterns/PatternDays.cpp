#include "patterns/PatternDays.h"

#include "data/WorkAttributes.h"

namespace patterns {

std::optional<master::DayInput> workingDay(int start, int end, int breakMinutes)
{
    const int rest = master::restEntries().indexOf(QString::number(breakMinutes));
    const auto onClock = [](int minutes) { return minutes >= 0 && minutes / 60 <= 24 && minutes % 5 == 0; };
    if (!onClock(start) || !onClock(end) || rest < 0)
        return std::nullopt;
    return master::DayInput { 0, start / 60, start % 60 / 5, end / 60, end % 60 / 5, rest };
}

std::optional<master::DayInput> dayInputOf(const Pattern& pattern)
{
    if (!pattern.isWorking())
        return dayOff(pattern.attribute());
    return workingDay(pattern.start, pattern.end, pattern.breakMinutes);
}

master::DayInput dayOff(const QString& attribute)
{
    return master::withDayRule({ static_cast<int>(attributes::all().indexOf(attribute)), 0, 0, 0, 0, 0 });
}

} // namespace patterns
