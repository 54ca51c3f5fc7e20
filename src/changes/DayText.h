#pragma once

#include "changes/DayEntry.h"
#include "master/MasterRecord.h"

#include <QDate>
#include <QList>
#include <QString>

// How the change window names a date and an entry, and the entry a day's boxes give.
namespace changes {

// "2026年5月12日（火）".
QString dateText(QDate date);

// A period's line in the period's lists: "期間：2026/5/12～2026/6/20（40日間）"; empty for no dates.
QString periodLine(const QList<QDate>& dates);

// A period as the period labour cost's heading writes it: "2026年5月12日 ～ 2026年6月20日  ＜40 日間＞";
// empty for no dates.
QString periodSpan(const QList<QDate>& dates);

// A length of time as "1時間05分".
QString durationText(int minutes);

// The entry's symbol and attribute, and its times on a working day: "〇 勤務日 9:00～17:30",
// "☆ 公休". Hours and minutes are shown as stored.
QString entryText(const DayEntry& entry);

// The entry of a day's boxes, every box holding an entry: the attribute, the times as the
// boxes show them and the net minutes by the master's rule; changed is set.
DayEntry entryOf(const master::DayInput& day);

// Both entries describe the same day (whether either is a change does not matter).
bool sameDay(const DayEntry& a, const DayEntry& b);

} // namespace changes
