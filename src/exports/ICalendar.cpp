#include "exports/ICalendar.h"

#include "changes/DayShift.h"
#include "exports/PeriodSchedule.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <QTimeZone>
#include <cstdlib>
#include <optional>

namespace exports {
namespace {

constexpr int kMaxOctets = 75;
constexpr int kMinutesPerDay = 24 * 60;

// A TEXT value: backslash, semicolon and comma escaped, line breaks as "\n".
QString escaped(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u';', QStringLiteral("\\;"));
    text.replace(u',', QStringLiteral("\\,"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

// Appends the content line in UTF-8, broken before any character that would take it past 75
// octets; each continuation starts with a blank, which counts towards its 75.
void appendFolded(QByteArray& out, const QString& line)
{
    const QByteArray utf8 = line.toUtf8();
    if (utf8.size() <= kMaxOctets) {
        out += utf8;
        out += "\r\n";
        return;
    }
    int width = 0;
    for (qsizetype i = 0; i < utf8.size();) {
        const auto lead = static_cast<uchar>(utf8[i]);
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (width + length > kMaxOctets) {
            out += "\r\n ";
            width = 1;
        }
        out.append(utf8.constData() + i, length);
        width += length;
        i += length;
    }
    out += "\r\n";
}

// Local date-time text of a time given in minutes from the start of date; 24:00 is the next day.
// Written digit by digit: a calendar has two of these per event.
QString localTime(QDate date, int minutes)
{
    const QDate day = date.addDays(minutes / kMinutesPerDay);
    const int time = minutes % kMinutesPerDay;
    char text[16];
    char* p = text;
    const auto digits = [&p](int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            p[i] = static_cast<char>('0' + value % 10);
        p += width;
    };
    digits(day.year(), 4);
    digits(day.month(), 2);
    digits(day.day(), 2);
    *p++ = 'T';
    digits(time / 60, 2);
    digits(time % 60, 2);
    digits(0, 2);
    return QString::fromLatin1(text, p - text);
}

QString offsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2%3")
        .arg(QLatin1Char(seconds < 0 ? '-' : '+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// One observance of a VTIMEZONE: from its onset (given in the local time before it) the zone
// is at the offset of data.
QStringList observance(const QTimeZone::OffsetData& data, int offsetBefore, const QDateTime& onsetUtc)
{
    const QString kind = data.daylightTimeOffset != 0 ? QStringLiteral("DAYLIGHT") : QStringLiteral("STANDARD");
    return { QStringLiteral("BEGIN:") + kind,
        QStringLiteral("DTSTART:") + onsetUtc.addSecs(offsetBefore).toString(QStringLiteral("yyyyMMdd'T'HHmmss")),
        QStringLiteral("TZOFFSETFROM:") + offsetText(offsetBefore),
        QStringLiteral("TZOFFSETTO:") + offsetText(data.offsetFromUtc),
        QStringLiteral("TZNAME:") + escaped(data.abbreviation), QStringLiteral("END:") + kind };
}

// The zone's rules from before the period's first day to after the last shift can end: the
// observance in force then and every change up to the end.
QStringList timeZone(const QTimeZone& zone, const PeriodSchedule& period)
{
    const QDateTime from(period.first, QTime(0, 0), zone);
    const QDateTime to(period.date(period.days + 2), QTime(0, 0), zone);
    QStringList lines { QStringLiteral("BEGIN:VTIMEZONE"), QStringLiteral("TZID:") + QString::fromUtf8(zone.id()) };
    const QTimeZone::OffsetData current = zone.offsetData(from);
    const QTimeZone::OffsetData previous = zone.previousTransition(from);
    if (previous.atUtc.isValid())
        lines << observance(previous, zone.offsetFromUtc(previous.atUtc.addSecs(-1)), previous.atUtc);
    else
        lines << observance(current, current.offsetFromUtc, QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
    int offset = current.offsetFromUtc;
    for (const QTimeZone::OffsetData& change : zone.transitions(from, to)) {
        lines << observance(change, offset, change.atUtc);
        offset = change.offsetFromUtc;
    }
    return lines << QStringLiteral("END:VTIMEZONE");
}

// The same employee and date give the same UID on every export, whatever the times, so that a
// changed shift replaces its event and a cancelled one finds it. A name that several master rows
// share counts its rows from the second on, so that no two events of one file merge.
QString uid(const QString& name, int row, QDate date)
{
    QString text = name + u'\n' + date.toString(Qt::ISODate);
    if (row > 1)
        text += u'\n' + QString::number(row);
    const QByteArray key = text.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex())
        + QStringLiteral("@rotandesk");
}

// A shift on the clock: its local start and end and its net minutes.
struct Placed {
    QString start;
    QString end;
    int netMinutes = 0;
};

// A working day's shift on the clock; none when its times cannot be read or it has no length.
std::optional<Placed> placed(QDate date, const DayEntry& entry)
{
    const auto shift = daychanges::shiftOf(entry);
    if (!shift)
        return std::nullopt;
    // The length by the program's own rule: an end hour before the start hour is the next day.
    const int length = (shift->endHour - shift->startHour + (shift->endHour < shift->startHour ? 24 : 0)) * 60
        + shift->endMinute - shift->startMinute;
    if (length <= 0)
        return std::nullopt;
    const int startMinutes = shift->startHour * 60 + shift->startMinute;
    return Placed { localTime(date, startMinutes), localTime(date, startMinutes + length), shift->netMinutes };
}

} // namespace

QByteArray icalendar(
    const PeriodSchedule& period, const QTimeZone& zone, const QDateTime& stamp, std::optional<int> employeeIndex)
{
    const bool named = zone.isValid() && QTimeZone::isTimeZoneIdAvailable(zone.id());
    const QString timeParameter
        = named ? QStringLiteral(";TZID=") + QString::fromUtf8(zone.id()) + u':' : QStringLiteral(":");
    const QString dtstamp = QStringLiteral("DTSTAMP:") + stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));

    QByteArray out;
    out.reserve(1024 + 400 * period.days * (employeeIndex ? 1 : period.employees.size()));
    const auto add = [&out](const QString& line) { appendFolded(out, line); };
    for (const QString& line : { QStringLiteral("BEGIN:VCALENDAR"), QStringLiteral("VERSION:2.0"),
             QStringLiteral("PRODID:-//RotanDesk//RotanDesk//JA"), QStringLiteral("CALSCALE:GREGORIAN") })
        add(line);
    if (named && period.days > 0) {
        for (const QString& line : timeZone(zone, period))
            add(line);
    }
    QHash<QString, int> rowsOfName;
    QHash<int, QString> descriptions;
    for (qsizetype e = 0; e < period.employees.size(); ++e) {
        const EmployeeDays& employee = period.employees[e];
        const int row = ++rowsOfName[employee.name]; // counted over every employee, for the same UIDs
        if (employeeIndex && *employeeIndex != e)
            continue;
        const QString summary = QStringLiteral("SUMMARY:") + escaped(employee.name);
        for (int d = 0; d < period.days; ++d) {
            const QDate date = period.date(d);
            // A day without a shift whose standard week has one cancels the standard event.
            auto event = placed(date, employee.days.value(d));
            const bool cancelled = !event;
            if (cancelled)
                event = placed(date, employee.standard.value(d));
            // A shift of a pattern is named after it first: "夜勤 16:30～9:00 佐藤".
            const patterns::Pattern* pattern
                = period.pattern((cancelled ? employee.standardPatterns : employee.patterns).value(d, -1));
            if (!event)
                continue;
            add(QStringLiteral("BEGIN:VEVENT"));
            add(QStringLiteral("UID:") + uid(employee.name, row, date));
            add(dtstamp);
            add(QStringLiteral("DTSTART") + timeParameter + event->start);
            add(QStringLiteral("DTEND") + timeParameter + event->end);
            add(pattern && pattern->isWorking() ? QStringLiteral("SUMMARY:")
                        + escaped(pattern->name + u' ' + patterns::clockText(pattern->start) + u'～'
                            + patterns::clockText(pattern->end) + u' ' + employee.name)
                                                : summary);
            auto description = descriptions.constFind(event->netMinutes); // few shifts, many days
            if (description == descriptions.cend())
                description = descriptions.insert(event->netMinutes,
                    QStringLiteral("DESCRIPTION:") + escaped(QStringLiteral("実労時間 %1分").arg(event->netMinutes)));
            add(*description);
            if (cancelled)
                add(QStringLiteral("STATUS:CANCELLED"));
            add(QStringLiteral("END:VEVENT"));
        }
    }
    add(QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace exports
