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

// "H時 c/n" of every hour of the status, each after the prefix.
QStringList hourItems(const HourCoverages& hours, Status status, const QString& prefix = {})
{
    QStringList items;
    for (int h = 0; h < kHours; ++h)
        if (const HourCoverage& hour = hours[h]; hour.status == status)
            items << prefix + QStringLiteral("%1時 %2/%3").arg(h).arg(hour.count).arg(boundOf(hour));
    return items;
}

// "H時 c/n" of every hour of the status, then "看護師 H時 c/n" of the qualifications' hours and
// "夜 c/n" of the patterns, joined by "，"; the empty text when there is none.
QString hoursWith(const DayCoverage& day, Status status)
{
    QStringList items = hourItems(day.hours, status);
    for (auto it = day.qualifications.cbegin(); it != day.qualifications.cend(); ++it)
        items << hourItems(it.value(), status, it.key() + u' ');
    for (const PatternCoverage& p : day.patterns)
        if (p.status == status)
            items << QStringLiteral("%1 %2/%3")
                         .arg(p.code)
                         .arg(p.count)
                         .arg(status == Status::Short ? p.target.least : p.target.most);
    return items.join(kHourSeparator);
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

QString symbolsOf(const HourCoverages& hours)
{
    QString symbols;
    for (const HourCoverage& hour : hours)
        symbols += symbolOf(hour.status);
    return symbols;
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

// "　c名／必要n名　k名不足" or "　c名／上限m名　k名超過" of a count against its target.
QString countText(int count, const HourTarget& target, Status status)
{
    if (status == Status::Short)
        return QStringLiteral("　") + QString::number(count) + QStringLiteral("名／必要")
            + QString::number(target.least) + QStringLiteral("名　") + QString::number(target.least - count)
            + QStringLiteral("名不足");
    return QStringLiteral("　") + QString::number(count) + QStringLiteral("名／上限") + QString::number(target.most)
        + QStringLiteral("名　") + QString::number(count - target.most) + QStringLiteral("名超過");
}

// One line per run of short or over hours that share the status, the count and the bound:
// "　[看護師 ]9時～12時　2名／必要3名　1名不足".
QStringList runLines(const HourCoverages& hours, const QString& prefix = {})
{
    QStringList lines;
    for (int h = 0; h < kHours;) {
        const HourCoverage& first = hours[h];
        int end = h + 1;
        if (first.status == Status::Short || first.status == Status::Over) {
            while (end < kHours && hours[end].status == first.status && hours[end].count == first.count
                && boundOf(hours[end]) == boundOf(first))
                ++end;
            lines << QStringLiteral("　") + prefix + QString::number(h) + QStringLiteral("時～") + QString::number(end)
                    + QStringLiteral("時") + countText(first.count, first.target, first.status);
        }
        h = end;
    }
    return lines;
}

// The date's heading, one line per run of short or over hours, then of each qualification, then
// one line per short or over pattern ("　夜　2名／必要3名　1名不足").
QStringList dayLines(const DayCoverage& day)
{
    QStringList lines { QString::number(day.date.month()) + u'/' + QString::number(day.date.day())
        + QStringLiteral("（") + views::weekdayKanji(clock_::weekdayCode(day.date)) + QStringLiteral("）")
        + (day.holiday ? QStringLiteral("［祝］") : QString()) };
    lines << runLines(day.hours);
    for (auto it = day.qualifications.cbegin(); it != day.qualifications.cend(); ++it)
        lines << runLines(it.value(), it.key() + u' ');
    for (const PatternCoverage& p : day.patterns)
        if (p.status == Status::Short || p.status == Status::Over)
            lines << QStringLiteral("　") + p.code + countText(p.count, p.target, p.status);
    return lines;
}

PersonHours personHoursOf(const TargetTable& table, const DayCoverage& day)
{
    PersonHours hours { day.shortPersonHours(), day.overPersonHours(), std::nullopt, std::nullopt, std::nullopt };
    if (!table.qualifications.isEmpty())
        hours.qualificationShortHours = day.qualificationShortHours();
    if (!table.patterns.isEmpty()) {
        hours.patternShort = day.patternShort();
        hours.patternOver = day.patternOver();
    }
    return hours;
}

} // namespace

PersonHours& PersonHours::operator+=(const PersonHours& day)
{
    const auto add = [](std::optional<int>& sum, const std::optional<int>& more) {
        if (more)
            sum = sum.value_or(0) + *more;
    };
    shortHours += day.shortHours;
    overHours += day.overHours;
    add(qualificationShortHours, day.qualificationShortHours);
    add(patternShort, day.patternShort);
    add(patternOver, day.patternOver);
    return *this;
}

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
    const QString shortHours = hoursWith(day, Status::Short);
    const QString overHours = hoursWith(day, Status::Over);
    QStringList lines { QString(), QStringLiteral("【必要人数との比較】"),
        symbolsOf(day.hours) + QStringLiteral("　（○：充足，▲：不足，△：超過，－：指定なし）") };
    for (auto it = day.qualifications.cbegin(); it != day.qualifications.cend(); ++it)
        lines << symbolsOf(it.value()) + QStringLiteral("　（") + it.key() + QStringLiteral("）");
    return lines << QStringLiteral("　不足：") + (shortHours.isEmpty() ? QStringLiteral("なし") : shortHours)
                 << QStringLiteral("　超過：") + (overHours.isEmpty() ? QStringLiteral("なし") : overHours);
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
    PersonHours sum;
    bool any = false;
    for (const DayCoverage& day : periodCoverage(table, schedule)) {
        sum += personHoursOf(table, day);
        if (day.has(Status::Short) || day.has(Status::Over)) {
            lines << dayLines(day);
            any = true;
        }
    }
    if (!any)
        lines << QStringLiteral("　期間中の不足・超過はありません．");
    lines << QString()
          << QStringLiteral("不足合計：") + QString::number(sum.shortHours) + QStringLiteral("人時　超過合計：")
            + QString::number(sum.overHours) + QStringLiteral("人時");
    if (sum.qualificationShortHours)
        lines << QStringLiteral("資格の不足合計：") + QString::number(*sum.qualificationShortHours)
                + QStringLiteral("人時");
    if (sum.patternShort)
        lines << QStringLiteral("勤務の不足合計：") + QString::number(*sum.patternShort)
                + QStringLiteral("名　勤務の超過合計：") + QString::number(*sum.patternOver) + QStringLiteral("名");
    return lines;
}

QList<PersonHours> personHoursByDay(const TargetTable& table, const daychanges::EffectiveSchedule& schedule)
{
    QList<PersonHours> out;
    for (const DayCoverage& day : periodCoverage(table, schedule))
        out << personHoursOf(table, day);
    return out;
}

} // namespace targets
