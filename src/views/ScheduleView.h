#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Table;
class TFormData;
namespace daychanges {
class EffectiveSchedule;
}

// The text of the schedule window: one symbol per employee and period day, taken from the
// work attribute in effect that day (the day's change, else the standard week's block of its
// weekday), under a header of days of month and weekdays, and after the footer the list of the
// period's day changes. The
// functions build the lines and fill the work and weekday tables that the print report
// reads; the window paces them and shows the lines.
namespace scheduleview {

// The schedule symbol of a work attribute; the empty text for any other value.
QString symbolOf(const QString& attribute);

struct Opening {
    QStringList lines;
    // The period ends in a year before it starts: the lines say so and the view stops.
    bool stopped = false;
};

// The opening text: title block, the date line of the start-up date, an empty line, the
// out-of-period caution when it applies (so it is line 11) and the period line.
Opening opening(const Table& schedule, QDate startup);

struct Computation {
    // Lines added after the opening text: three error lines when day 0 has no weekday,
    // then the day header, the weekday header and the separator.
    QStringList lines;
    QString dayHeader;
    QString weekdayHeader;
    int days = 0;
    int employees = 0;
    // A period day without a weekday: the view shows the data-file message and stops.
    bool dataError = false;
    // The day changes that take effect, as changeLines() gives them.
    QStringList changeLines;
};

// Fills weekday table row 0 with the weekday of each period day and the work table with
// each employee's symbols (columns 0 to N−1) and name (column 40). Expects both tables blank.
Computation compute(TFormData& data);

// The day changes of registered employees in the period, by date and then master row (a name
// that two rows share gives a line for each): an empty line, "【勤務変更】" and one line per
// change with the date, the name, the standard and the changed day (the code of the shift pattern
// it names, else its symbol) and a changed working day's times. None when no change takes effect.
QStringList changeLines(const daychanges::EffectiveSchedule& schedule);

// The line of the employee in work table row: each day's symbol and a blank, then the name.
QString employeeLine(const Table& work, int row, int days);

// The lines after the last employee: separator, the two headers in reverse order, the note,
// then the change lines.
QStringList closingLines(const Computation& computation);

// The message shown when a period day has no weekday.
QString dataFileMessage();

} // namespace scheduleview
