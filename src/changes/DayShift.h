#pragma once

#include "changes/DayEntry.h"

#include <optional>

// A working day's times as numbers, for the computations that place a shift on the clock
// (exports, coverage of an hour, labour rules). The tables keep texts; this reads them once.
namespace daychanges {

struct Shift {
    int startHour = 0;
    int startMinute = 0;
    int endHour = 0;
    int endMinute = 0;
    int netMinutes = 0;

    int start() const { return startHour * 60 + startMinute; } // minutes after midnight
    int end() const { return endHour * 60 + endMinute; }
    // A shift that ends at or before its start ends on the next day.
    bool endsNextDay() const { return end() <= start(); }
    // Minutes from start to end; a shift ending the next day runs past midnight.
    int span() const { return endsNextDay() ? end() + 24 * 60 - start() : end() - start(); }

    bool operator==(const Shift&) const = default;
};

// The shift of a working day ("勤務日"); nothing for any other attribute, and nothing when a
// cell is not a number or an hour lies outside 0 to 24 or a minute outside 0 to 59.
std::optional<Shift> shiftOf(const DayEntry& entry);

// True for a working day, whether or not its times can be read.
bool isWorkingDay(const DayEntry& entry);

} // namespace daychanges
