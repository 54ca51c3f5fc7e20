#pragma once

#include "changes/EffectiveSchedule.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class Table;
class TFormData;

// The text of the hour-by-hour chart: for today's weekday, one bar per employee over the
// hours 0 to 24 (one full-width symbol per hour), then the name and the working time. The
// early hours up to the end of a night shift that began the day before are drawn from the day
// before's entry. The functions build the bars and lines and fill the work table that the
// print report reads; the window paces them and shows the lines.
namespace timeview {

inline constexpr int kHours = 25;
using Bar = std::array<QString, kHours>;

// The bar of a working day's shift from its start: "■" an hour of work, "▼" 30 minutes or more
// of work in the hour, "▽" 30 minutes or more off, "□" an hour off, "→" the shift runs past
// midnight. A night shift (one that ends before it starts) is drawn up to 24; its hours after
// midnight belong to the next date's bar. A shift that starts or ends at 0:00 or ends when it
// starts has no bar (all cells empty).
Bar hourBar(int startHour, int startMinute, int endHour, int endMinute);

// The hours of the next date that a shift runs into after midnight: cells 0 to the hour of its
// end ("■", then the end hour's symbol as in hourBar), the other cells empty; every cell empty
// for a shift that ends by 24:00 or has no bar.
Bar earlyHours(int startHour, int startMinute, int endHour, int endMinute);

// An employee's bar on a date: the date's own entry from its start (hourBar for a working day,
// "□" in every cell for any other attribute), with the early hours that the day before's
// working day runs into laid over it. An hour that both work part of shows their minutes
// together: "■" for the whole hour, else "▼" for 30 minutes or more, else "▽".
Bar dateBar(const DayEntry& dayBefore, const DayEntry& today);

// " ＜公休日＞", " ＜休み＞" or " ＜その他＞"; the empty text for any other attribute.
QString dayOffLabel(const QString& attribute);

// The nine opening lines: title, legend and axis note among blank lines.
QStringList openingLines();

struct PeriodCheck {
    // The end year is neither the start year nor the next: the lines replace the whole text.
    bool stopped = false;
    // Otherwise the lines that follow the opening lines: the out-of-period caution when it
    // applies, then the date line when the start-up day is one of the period's days.
    QStringList lines;
};

// Checks the period header against the start-up date; todayCode names the date line's weekday.
PeriodCheck periodCheck(const Table& schedule, QDate startup, int todayCode);

// Every registered employee's entry on the day before date (in effect there), by master row.
QList<DayEntry> dayBeforeEntries(const daychanges::EffectiveSchedule& schedule, QDate date);

// Writes every employee's bar (columns 0 to 24), working-time or day-off label (column 39)
// and name (column 40) into the work table for the weekday of todayCode, or for an employee's
// day change of today in todayChanges, after the employee's entry of the day before in
// dayBefore (none: no early hours); for a code that is not a weekday nothing is written.
// Returns the employee count.
int compute(TFormData& data, int todayCode, const daychanges::RowChanges& todayChanges = {},
    const QList<DayEntry>& dayBefore = {});

// The line of the employee in work table row: the bar, the name and the label.
QString barLine(const Table& work, int row);

QString timeAxis();

// The lines after the last employee: the time axis, three empty lines and the note.
QStringList closingLines();

} // namespace timeview
