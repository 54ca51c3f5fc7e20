#pragma once

#include "targets/Coverage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the windows and the export show of the staffing targets, computed from the coverage:
// the change window's date marks, the hour chart's comparison, the list "人員過不足一覧" and
// the person-hours short and over of each day.
namespace targets {

// The mark of a date's column header: "▲" when an hour, a qualification's hour or a pattern is
// short, else "△" when one is over, else none; and its tool tip and accessible description:
// "不足：" with the short hours as "H時 c/n", the qualifications' as "看護師 H時 c/n" and the
// patterns as "夜 c/n" joined by "，", and on a line of its own "超過：" with the over ones as
// "H時 c/m" and "夜 c/m".
struct DayMark {
    QString mark;
    QString description;
};
// One per date of the schedule's period.
QList<DayMark> dayMarks(const TargetTable& table, const daychanges::EffectiveSchedule& schedule);

// The hour chart's comparison for a date: nothing when the date has no target; else an empty
// line, the heading, the 24 hours' symbols with their legend, and the short and over hours.
QStringList chartLines(const TargetTable& table, const daychanges::EffectiveSchedule& schedule, QDate date);

// The lines of "人員過不足一覧" for the schedule's period.
QStringList shortageLines(const TargetTable& table, const daychanges::EffectiveSchedule& schedule);

// The person-hours short and over on one date against the people per hour; the person-hours
// short against the qualifications and the people short and over against the patterns, when the
// table has such targets.
struct PersonHours {
    int shortHours = 0;
    int overHours = 0;
    std::optional<int> qualificationShortHours;
    std::optional<int> patternShort;
    std::optional<int> patternOver;

    PersonHours& operator+=(const PersonHours& day);
};
// One per date of the schedule's period.
QList<PersonHours> personHoursByDay(const TargetTable& table, const daychanges::EffectiveSchedule& schedule);

} // namespace targets
