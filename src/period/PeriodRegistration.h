#pragma once

#include "data/Table.h"

#include <QDate>
#include <QStringList>

class TFormData;

// Writes the period that starts on the start-up date into the schedule table: the header,
// the day of month and weekday code of every day, and two rows of random filler.
struct RegistrationOutcome {
    bool ok = false;
    // On success the report that replaces the information area; on failure the lines
    // appended to it.
    QStringList lines;
};

// seed starts the random filler; each registration should pass a new one.
RegistrationOutcome registerPeriod(Table& schedule, QDate start, quint32 seed);

// How many day changes take effect now and would not once the period that starts on start is
// registered, so that the user is asked before they fall outside. Changes on the days of a
// registered period that ended before start are not counted: their time is over; nor are the
// changes of the days that the registration keeps as they were.
int changesLeftOut(const TFormData& data, QDate start);
