#pragma once

#include <QByteArray>
#include <optional>

class QDateTime;
class QTimeZone;

// The period's schedule as one iCalendar file (RFC 5545) that calendar programs and phones
// import: an event per employee and working day.
namespace exports {

struct PeriodSchedule;

// One VEVENT per employee and working day: the name as summary (after the pattern's name and
// times, "夜勤 16:30～9:00 佐藤", for a shift of one of the workplace's patterns), start and end in local time
// (a shift whose end hour lies before its start hour ends the next day), the net working minutes
// as description, and a UID made of the name (with the master row's place among the rows of that
// name from the second on) and the date, so that importing a later export again replaces each
// day's event, also when its times changed. A day without a shift whose standard week has one
// gives the standard shift's event with STATUS:CANCELLED, so that a calendar that imported it
// drops it. Times carry the zone's name with a matching VTIMEZONE; a zone without a name that
// calendars know gives floating local times, which keep the shop's wall-clock times wherever the
// file is opened. stamp is the DTSTAMP of every event. A working day whose times cannot be read
// or that has no length has no shift. Lines are folded at 75 octets between UTF-8 characters and
// end in CRLF. With employeeIndex, only the events of that employee of period.employees, with
// the UIDs the whole calendar gives them.
QByteArray icalendar(const PeriodSchedule& period, const QTimeZone& zone, const QDateTime& stamp,
    std::optional<int> employeeIndex = std::nullopt);

} // namespace exports
