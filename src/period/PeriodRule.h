#pragma once

#include <QDate>
#include <QString>

// The period end rule: a schedule period starts on a given day and ends on a day of the
// following month that a fixed table gives, so that it is 29 to 40 days long.
struct PeriodEnd {
    int year = 0;
    int month = 0;
    int day = 0;
    // Days from the start day to the end day, both included; only the rest of the start
    // month when the month lengths were inconsistent.
    int dayCount = 0;
    bool consistent = true;
    QString displayCode; // code shown by the period window when inconsistent
    QString registrationCode; // code shown by the registration when inconsistent
};

// Gregorian length of a month.
int monthLength(int year, int month);

// The rule over month lengths: startMonthLength and nextMonthLength are the lengths of the
// start month and the month after it; the end year and month are left to the caller.
PeriodEnd periodEndByLengths(int startMonthLength, int nextMonthLength, bool december, int startDay);

// The period that starts on start, with Gregorian month lengths.
PeriodEnd periodEndFor(QDate start);
