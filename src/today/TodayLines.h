#pragma once

#include "changes/EffectiveSchedule.h"
#include "data/Table.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace today {

// What the today panel shows: the date line, the names of today's workers and their
// count, and the period-end reminder for the main window's message label. "Today" is the
// start-up date; the weekday code counts 1 = Sunday … 7 = Saturday.

// "日" … "土"; the empty text for a code outside 1 to 7.
QString weekdayKanji(int code);

// "■ 2024年5月7日 （火）", the weekday taken from the date itself.
QString dateLine(QDate date);

// "---火曜日の勤務者---".
QString workersHeading(int code);

// Names of rows 0 to count − 1 whose attribute on the weekday is exactly "勤務日", or whose
// day change of today in todayChanges is.
QStringList workerNames(const Table& master, int count, int code, const daychanges::RowChanges& todayChanges = {});

// The closing lines: an empty line, "合計 n 名 出勤", the rule and an empty line.
QStringList totalLines(int workers);

// The reminder of the period's end: kept as it is while the period ends in another month;
// shown with its text from seven days before the end day and after it; hidden otherwise.
struct Reminder {
    enum class Action { Keep, Show, Hide };
    Action action = Action::Keep;
    QString text;

    bool operator==(const Reminder&) const = default;
};
Reminder periodReminder(const Table& schedule, QDate today);

} // namespace today
