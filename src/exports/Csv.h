#pragma once

#include <QByteArray>

// The period's schedule as a spreadsheet: CSV in UTF-8 with a byte-order mark and CRLF line
// ends, fields quoted as RFC 4180 says, so that spreadsheet programs open it in Japanese
// without asking how to read it. A cell that begins with "=", "+", "-", "@", a tab or a carriage
// return is written with a leading "'", so that no spreadsheet runs it as a formula.
namespace exports {

struct PeriodSchedule;

// A heading row ("氏名" and "M/D（W）" per day), one row per employee (the name, then per day
// "9:00～17:30" for a working day or the attribute otherwise, after the code of the pattern the day
// names: "夜 16:30～9:00", "明 明け") and the rows "出勤人数" and "人件費"
// with each day's working employees and labour cost; when the period carries the staffing
// targets' person-hours, the rows "不足人時" and "超過人時" with each day's sums follow. A working
// day whose times cannot be read shows them as stored, and a day with a pay that cannot be read
// has no labour cost.
QByteArray csv(const PeriodSchedule& period);

} // namespace exports
