#include "targets/TargetLines.h"

#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "platform/Clock.h"
#include "views/Calendar.h"

namespace targets {
namespace {

const QString kHourSeparator = QStringLiteral("，");

// The bound a short hour falls below or an over hour exceeds.
int boundOf(const HourCoverage& hour)
{
    return hour.status == Status::Short ? hour.target.least : hour.target.most;
}

// "H時 c/n" of every hour of the status, joined by "，"; the empty text when there is none.
QString hoursWith(const DayCoverage& day, Status status)
{
    QStringList hours;
    for (int h = 0; h < kHours; ++h)
        if (const HourCoverage& hour = day.hours[h]; hour.status == status)
            hours << QStringLiteral("%1時 %2/%3").arg(h).arg(hour.count).arg(boundOf(hour));
    return hours.join(kHourSeparator);
}

QString symbolOf(Status status)
{
    switch (status) {
    case Status::Met:
        return QStringLiteral("○");
    case Status::Short:
        return QStringLiteral("▲");
    case Status::Over:
        return QStringLiteral("△");
    case Status::None:
        break;
    }
    return QStringLiteral("－");
}

DayMark dayMark(const DayCoverage& day)
{
    const QString shortHours = hoursWith(day, Status::Short);
    const QString overHours = hoursWith(day, Status::Over);
    DayMark mark;
    if (!shortHours.isEmpty()) {
        mark.mark = QStringLiteral("▲");
        mark.description = QStringLiteral("不足：") + shortHours;
    } else if (!overHours.isEmpty()) {
        mark.mark = QStringLiteral("△");
    }
    if (!overHours.isEmpty())
        mark.description
            += (mark.description.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("超過：") + overHours;
    return mark;
}

// The line of a run of hours from..to − 1 that share the status, the count and the bound.
QString runLine(const HourCoverage& hour, int from, int to)
{
    if (hour.status == Status::Short)
        return QStringLiteral("　") + QString::number(from) + QStringLiteral("時～") + QString::number(to)
            + QStringLiteral("時　") + QString::number(hour.count) + QStringLiteral("名／必要")
            + QString::number(hour.target.least) + QStringLiteral("名　")
            + QString::number(hour.target.least - hour.count) + QStringLiteral("名不足");
    return QStringLiteral("　") + QString::number(from) + QStringLiteral("時～") + QString::number(to)
        + QStringLiteral("時　") + QString::number(hour.count) + QStringLiteral("名／上限")
        + QString::number(hour.target.most) + QStringLiteral("名　") + QString::number(hour.count - hour.target.most)
        + QStringLiteral("名超過");
}

// The date's heading and one line per run of short or over hours.
QStringList dayLines(const DayCoverage& day)
{
    QStringList lines { QString::number(day.date.month()) + u'/' + QString::number(day.date.day())
        + QStringLiteral("（") + views::weekdayKanji(clock_::weekdayCode(day.date)) + QStringLiteral("）")
        + (day.holiday ? QStringLiteral("［祝］") : QString()) };
    for (int h = 0; h < kHours;) {
        const HourCoverage& first = day.hours[h];
        int end = h + 1;
        if (first.status == Status::Short || first.status == Status::Over) {
            while (end < kHours && day.hours[end].status == first.status && day.hours[end].count == first.count
                && boundOf(day.hours[end]) == boundOf(first))
                ++end;
            lines << runLine(first, h, end);
        }
        h = end;
    }
    return lines;
}

} // namespace

QList<DayMark> dayMarks(const TargetTable& table, const daychanges::EffectiveSchedule& schedule)
{
    QList<DayMark> marks;
    for (const DayCoverage& day : periodCoverage(table, schedule))
        marks << dayMark(day);
    return marks;
}

QStringList chartLines(const TargetTable& table, const daychanges::EffectiveSchedule& schedule, QDate date)
{
    const DayCoverage day = dateCoverage(table, schedule, date);
    if (!day.hasTarget())
        return {};
    QString symbols;
    for (const HourCoverage& hour : day.hours)
        symbols += symbolOf(hour.status);
    const QString shortHours = hoursWith(day, Status::Short);
    const QString overHours = hoursWith(day, Status::Over);
    return { QString(), QStringLiteral("【必要人数との比較】"),
        symbols + QStringLiteral("　（○：充足，▲：不足，△：超過，－：指定なし）"),
        QStringLiteral("　不足：") + (shortHours.isEmpty() ? QStringLiteral("なし") : shortHours),
        QStringLiteral("　超過：") + (overHours.isEmpty() ? QStringLiteral("なし") : overHours) };
}

QStringList shortageLines(const TargetTable& table, const daychanges::EffectiveSchedule& schedule)
{
    if (table.isEmpty())
        return { QStringLiteral("　必要人数が設定されていません．（スケジュール関係 ⇒ 必要人数設定）") };
    const QList<QDate>& dates = schedule.dates();
    QStringList lines { QStringLiteral("【人員過不足一覧】") };
    if (!dates.isEmpty())
        lines << changes::periodLine(dates);
    lines << QString();
    int shortSum = 0;
    int overSum = 0;
    for (const DayCoverage& day : periodCoverage(table, schedule)) {
        shortSum += day.shortPersonHours();
        overSum += day.overPersonHours();
        if (day.has(Status::Short) || day.has(Status::Over))
            lines << dayLines(day);
    }
    if (shortSum == 0 && overSum == 0)
        lines << QStringLiteral("　期間中の不足・超過はありません．");
    lines << QString()
          << QStringLiteral("不足合計：") + QString::number(shortSum) + QStringLiteral("人時　超過合計：")
            + QString::number(overSum) + QStringLiteral("人時");
    return lines;
}

QList<PersonHours> personHoursByDay(const TargetTable& table, const daychanges::EffectiveSchedule& schedule)
{
    QList<PersonHours> out;
    for (const DayCoverage& day : periodCoverage(table, schedule))
        out << PersonHours { day.shortPersonHours(), day.overPersonHours() };
    return out;
}

} // namespace targets
