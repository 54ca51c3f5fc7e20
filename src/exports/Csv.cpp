#include "exports/Csv.h"

#include "changes/DayShift.h"
#include "exports/PeriodSchedule.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "shell/DayPay.h"
#include "views/Calendar.h"

#include <QStringList>

namespace exports {
namespace {

// A field that a spreadsheet would take for a formula gets a leading apostrophe, which makes it
// text; a field with a comma, a quote or a line break goes in quotes, its quotes doubled.
QString field(QString text)
{
    if (!text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()))
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString row(const QStringList& fields)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields)
        out << field(f);
    return out.join(u',') + QStringLiteral("\r\n");
}

QString dayHeading(QDate date)
{
    return QStringLiteral("%1/%2（%3）")
        .arg(date.month())
        .arg(date.day())
        .arg(views::weekdayKanji(clock_::weekdayCode(date)));
}

// "9:00～17:30", minutes always with two digits; times that are not numbers as stored.
QString entryText(const DayEntry& entry)
{
    if (!daychanges::isWorkingDay(entry))
        return entry.attribute;
    const auto minutes = [](int m) { return (m < 10 ? QStringLiteral("0") : QString()) + QString::number(m); };
    if (const auto shift = daychanges::shiftOf(entry))
        return QString::number(shift->startHour) + u':' + minutes(shift->startMinute) + u'～'
            + QString::number(shift->endHour) + u':' + minutes(shift->endMinute);
    return entry.startHour + u':' + entry.startMinute + u'～' + entry.endHour + u':' + entry.endMinute;
}

// entryText() after the code of the pattern the day names: "夜 16:30～9:00"; the pattern's name for
// one without times: "明 明け".
QString cellText(const DayEntry& entry, const patterns::Pattern* pattern)
{
    if (!pattern)
        return entryText(entry);
    return pattern->code + u' ' + (pattern->isWorking() ? entryText(entry) : pattern->name);
}

} // namespace

QByteArray csv(const PeriodSchedule& period)
{
    QStringList heading { QStringLiteral("氏名") };
    for (int d = 0; d < period.days; ++d)
        heading << dayHeading(period.date(d));
    QString text = row(heading);

    QList<int> workers(period.days, 0);
    QList<qint64> cost(period.days, 0);
    QList<bool> costKnown(period.days, true);
    for (const EmployeeDays& employee : period.employees) {
        QStringList fields { employee.name };
        const auto wage = numbers::parseInt(employee.wage);
        for (int d = 0; d < period.days; ++d) {
            const DayEntry& entry = employee.days.value(d);
            fields << cellText(entry, period.pattern(employee.patterns.value(d, -1)));
            if (!daychanges::isWorkingDay(entry))
                continue;
            ++workers[d];
            const auto minutes = numbers::parseInt(entry.netMinutes);
            if (wage && minutes)
                cost[d] += shell::dayPay(*wage, *minutes).pay;
            else
                costKnown[d] = false;
        }
        text += row(fields);
    }

    QStringList count { QStringLiteral("出勤人数") };
    QStringList pay { QStringLiteral("人件費") };
    for (int d = 0; d < period.days; ++d) {
        count << QString::number(workers[d]);
        pay << (costKnown[d] ? QString::number(cost[d]) : QString());
    }
    text += row(count) + row(pay);
    if (period.staffing) {
        QStringList shortRow { QStringLiteral("不足人時") };
        QStringList overRow { QStringLiteral("超過人時") };
        QStringList qualificationRow { QStringLiteral("資格の不足人時") };
        QStringList patternShortRow { QStringLiteral("勤務の不足人数") };
        QStringList patternOverRow { QStringLiteral("勤務の超過人数") };
        for (int d = 0; d < period.days; ++d) {
            const targets::PersonHours hours = period.staffing->value(d);
            shortRow << QString::number(hours.shortHours);
            overRow << QString::number(hours.overHours);
            qualificationRow << QString::number(hours.qualificationShortHours.value_or(0));
            patternShortRow << QString::number(hours.patternShort.value_or(0));
            patternOverRow << QString::number(hours.patternOver.value_or(0));
        }
        text += row(shortRow) + row(overRow);
        // The rows of the qualifications and the patterns only when the shop has such targets.
        const targets::PersonHours first = period.staffing->value(0);
        if (first.qualificationShortHours)
            text += row(qualificationRow);
        if (first.patternShort)
            text += row(patternShortRow) + row(patternOverRow);
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

} // namespace exports
