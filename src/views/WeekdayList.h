#pragma once

#include <QString>
#include <optional>

class Table;

// The entries of the weekday list: each employee's registered attribute and working hours
// for one weekday, and the window caption that names today's weekday.
namespace weekdaylist {

// The entry of the employee in master row for weekday day (0 = Monday … 6 = Sunday).
QString entry(const Table& master, int row, int day);

// "本日．．．月曜日" and so on for a weekday code 1 (Sunday) … 7 (Saturday); nothing for another code.
std::optional<QString> caption(int code);

// The message shown when today's weekday code is not a weekday.
QString badCodeMessage();

} // namespace weekdaylist
