#pragma once

#include <QString>

// Weekday names and the period caution that the schedule views share.
namespace views {

// True for a weekday code 1 (Sunday) … 7 (Saturday).
bool isWeekdayCode(int code);

// "日" … "土" for the codes 1 to 7; "？" for any other code.
QString weekdayKanji(int code);

// The start-up day (month, day) lies outside the period: its month is neither the start nor
// the end month, or it is the end month and the period ended before that day.
bool outsidePeriod(int month, int day, int startMonth, int endMonth, int endDay);

} // namespace views
