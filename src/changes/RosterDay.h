#pragma once

#include "changes/DayEntry.h"
#include "changes/DayShift.h"

#include <QString>
#include <optional>

namespace daychanges {

// What a day is, whatever its entry's texts say: a shift, a day off, or 明け (the morning after
// a night: not a day off, no shift of its own).
enum class DayKind { Working, Off, Ake };

// One employee on one date as every view, report, check and export beyond the Parts reads it:
// the entry in effect (the day change, else the standard week), what kind of day it is, its
// shift as numbers when its times can be read, and the workplace's shift pattern it names. Built
// once by EffectiveSchedule; nobody parses the entry's texts again.
struct RosterDay {
    DayEntry entry;
    DayKind kind = DayKind::Off;
    std::optional<Shift> shift; // a working day's times; none on other days and unreadable times
    int pattern = -1; // the position of the pattern in the workplace's patterns; −1 for none
    QString code; // that pattern's code; empty for none

    bool working() const { return kind == DayKind::Working; }
    // A day off for the rules that count days off: neither a shift nor 明け.
    bool off() const { return kind == DayKind::Off; }
    // Net minutes of a shift whose times can be read, else 0.
    int netMinutes() const { return shift ? std::max(0, shift->netMinutes) : 0; }

    bool operator==(const RosterDay&) const = default;
};

} // namespace daychanges
