#pragma once

#include "changes/DayEntry.h"
#include "master/MasterRecord.h"

#include <QDate>
#include <QString>

// How the change window names a date and an entry, and the entry a day's boxes give.
namespace changes {

// "2026年5月12日（火）".
QString dateText(QDate date);

// The entry's symbol and attribute, and its times on a working day: "〇 勤務日 9:00～17:30",
// "☆ 公休". Hours and minutes are shown as stored.
QString entryText(const DayEntry& entry);

// The entry of a day's boxes, every box holding an entry: the attribute, the times as the
// boxes show them and the net minutes by the master's rule; changed is set.
DayEntry entryOf(const master::DayInput& day);

// Both entries describe the same day (whether either is a change does not matter).
bool sameDay(const DayEntry& a, const DayEntry& b);

} // namespace changes
