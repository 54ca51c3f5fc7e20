#pragma once

#include "changes/DayEntry.h"
#include "patterns/ShiftPatterns.h"

// Which shift pattern an entry (a day of the standard week or a day change) names, and the entry
// a pattern gives.
namespace patterns {

// The position of the pattern an entry names: for a working entry the working pattern whose
// start, span and break equal the entry's (an end at 0:00 is midnight as 24:00 is; the break of an
// entry is its span less its net minutes), for an entry that carries a pattern without times that pattern; −1 for none.
int patternOf(const ShiftPatterns& patterns, const DayEntry& entry);

// The day a pattern gives, in the change file's form: a working day with the pattern's times
// and net minutes; a day without times with its attribute, zero times and the pattern's code.
// entry.changed is not set.
DayEntry entryOf(const Pattern& pattern);

} // namespace patterns
