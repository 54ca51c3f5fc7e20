#pragma once

#include "data/Table.h"

#include <QStringList>

// The start-up checks of the schedule table. The form checks (complete, numeric) stop at
// the first failure and return the lines to append; the period checks run all of their
// group and return one message for every failure, which periodReport() turns into the
// lines to append. None of them changes the table.
namespace schedulechecks {

QStringList completeness(const Table& schedule);
QStringList numbers(const Table& schedule);

// The period checks in four groups, between which the main window shows progress captions.
enum class PeriodGroup {
    Header, // start and end date, day count and filler of row 0
    Days, // days of month in row 1
    Weekdays, // weekday codes in row 2
    Filler, // filler rows 3 and 4
};

QStringList periodFailures(const Table& schedule, int startupYear, PeriodGroup group);

QStringList periodReport(const QString& failure);

} // namespace schedulechecks
