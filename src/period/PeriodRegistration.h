#pragma once

#include "data/Table.h"

#include <QDate>
#include <QStringList>

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
