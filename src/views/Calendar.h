#pragma once

#include "data/PeriodMonths.h"

#include <QString>

class Table;

// Weekday names and the period's months that the schedule views share.
namespace views {

// True for a weekday code 1 (Sunday) … 7 (Saturday).
bool isWeekdayCode(int code);

// "日" … "土" for the codes 1 to 7; "？" for any other code.
QString weekdayKanji(int code);

// The months of the period in the schedule table's header (row 0).
PeriodMonths periodMonths(const Table& schedule);

} // namespace views
