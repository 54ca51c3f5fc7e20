#include "changes/DayText.h"

#include "data/WorkAttributes.h"
#include "platform/Clock.h"
#include "views/Calendar.h"
#include "views/ScheduleView.h"

namespace changes {

QString dateText(QDate date)
{
    return QStringLiteral("%1年%2月%3日（%4）")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(views::weekdayKanji(clock_::weekdayCode(date)));
}

QString periodLine(const QList<QDate>& dates)
{
    if (dates.isEmpty())
        return QString();
    const auto slashed = [](QDate d) { return QStringLiteral("%1/%2/%3").arg(d.year()).arg(d.month()).arg(d.day()); };
    return QStringLiteral("期間：") + slashed(dates.first()) + QStringLiteral("～") + slashed(dates.last())
        + QStringLiteral("（") + QString::number(dates.size()) + QStringLiteral("日間）");
}

QString periodSpan(const QList<QDate>& dates)
{
    if (dates.isEmpty())
        return QString();
    return QStringLiteral("%1年%2月%3日 ～ %4年%5月%6日  ＜%7 日間＞")
        .arg(dates.first().year())
        .arg(dates.first().month())
        .arg(dates.first().day())
        .arg(dates.last().year())
        .arg(dates.last().month())
        .arg(dates.last().day())
        .arg(dates.size());
}

QString durationText(int minutes)
{
    return QStringLiteral("%1時間%2分").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString entryText(const DayEntry& entry)
{
    QString text = scheduleview::symbolOf(entry.attribute) + QLatin1Char(' ') + entry.attribute;
    if (entry.attribute == attributes::kWorkday)
        text += QLatin1Char(' ') + entry.startHour + u':' + entry.startMinute + u'～' + entry.endHour + u':'
            + entry.endMinute;
    return text;
}

DayEntry entryOf(const master::DayInput& day)
{
    const auto value = [](const QStringList& entries, int entry) { return entries.at(entry).toInt(); };
    DayEntry entry;
    entry.attribute = attributes::all().at(day.attribute);
    entry.startHour = master::hourEntries().at(day.startHour);
    entry.startMinute = master::minuteEntries().at(day.startMinute);
    entry.endHour = master::hourEntries().at(day.endHour);
    entry.endMinute = master::minuteEntries().at(day.endMinute);
    entry.netMinutes = QString::number(master::netMinutes(value(master::hourEntries(), day.startHour),
        value(master::minuteEntries(), day.startMinute), value(master::hourEntries(), day.endHour),
        value(master::minuteEntries(), day.endMinute), value(master::restEntries(), day.rest)));
    entry.changed = true;
    return entry;
}

bool sameDay(const DayEntry& a, const DayEntry& b)
{
    return a.attribute == b.attribute && a.startHour == b.startHour && a.startMinute == b.startMinute
        && a.endHour == b.endHour && a.endMinute == b.endMinute && a.netMinutes == b.netMinutes;
}

} // namespace changes
