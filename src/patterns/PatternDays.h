#pragma once

#include "master/MasterRecord.h"
#include "patterns/ShiftPatterns.h"

#include <optional>

// Shift patterns as the employee master's day blocks take them: the entries of the attribute,
// hour, minute and rest boxes.
namespace patterns {

// A working day from start to end (minutes after midnight, an end at or before the start on the
// next day) with a break; none when a box has no entry for it (a minute off the 5-minute steps, a
// break the rest box does not offer, such as 130).
std::optional<master::DayInput> workingDay(int start, int end, int breakMinutes);

// The day block of a pattern: a working pattern's times and break, 明け as "その他", a named day
// off as its attribute; none when the boxes cannot hold it.
std::optional<master::DayInput> dayInputOf(const Pattern& pattern);

// A day that is not a working day, of the attribute "公休", "休み" or "その他".
master::DayInput dayOff(const QString& attribute);

} // namespace patterns
