#pragma once

#include <QByteArray>

class QDateTime;
class QTimeZone;

// The period's schedule as one iCalendar file (RFC 5545) that calendar programs and phones
// import: an event per employee and working day.
namespace exports {

struct PeriodSchedule;

// One VEVENT per employee and working day: the name as summary, start and end in local time
// (a shift whose end hour lies before its start hour ends the next day), the net working minutes
// as description, and a UID made of name, start and end, so that importing the same schedule
// again updates the events instead of doubling them. Times carry the zone's name with a matching
// VTIMEZONE; a zone without a name that calendars know gives floating local times, which keep
// the shop's wall-clock times wherever the file is opened. stamp is the DTSTAMP of every event.
// A working day whose times cannot be read or that has no length is left out. Lines are folded
// at 75 octets between UTF-8 characters and end in CRLF.
QByteArray icalendar(const PeriodSchedule& period, const QTimeZone& zone, const QDateTime& stamp);

} // namespace exports
