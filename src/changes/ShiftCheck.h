#pragma once

#include "changes/DayEntry.h"

#include <QString>

// Whether a working day typed into the day dialog or made by a swap is a shift at all. The
// employee master keeps its own checks; a day change is refused when it can hold no work and
// asked about when it holds suspiciously little.
namespace changes {

enum class ShiftVerdict {
    Sound, // not a working day, or a working day worth registering
    Refused, // the start equals the end, or the break is as long as the shift or longer
    Doubtful, // less than an hour of work, or a break longer than half the shift
};

struct ShiftCheck {
    ShiftVerdict verdict = ShiftVerdict::Sound;
    QString reason; // what is wrong, in a sentence; empty when sound
};

// The verdict on an entry: its break is its span less its net minutes, and an entry whose
// break is as long as its span or longer has net minutes of 0 (the master's rule).
ShiftCheck checkShift(const DayEntry& entry);

} // namespace changes
