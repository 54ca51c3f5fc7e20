#pragma once

#include <QDate>

// The months of the registered period and where a date lies in them, by year and month. A
// period runs from its start month into the next month, which for a December start is January
// of the next year. Every comparison of the start-up date with the period goes through here, so
// such a period is judged alike on both sides of the year end.
struct PeriodMonths {
    int startYear = 0;
    int startMonth = 0;
    int endYear = 0;
    int endMonth = 0;
    int endDay = 0;

    // Starts in December and ends in the next year.
    static bool crossesYearEnd(int startYear, int startMonth, int endYear)
    {
        return startMonth == 12 && endYear == startYear + 1;
    }
    // A year in which the period may be in use: its start year, or its end year when it crosses the
    // year end. A period of any other year is stale.
    static bool inUseIn(int year, int startYear, int startMonth, int endYear)
    {
        return year == startYear || (crossesYearEnd(startYear, startMonth, endYear) && year == endYear);
    }
    bool inUseIn(int year) const { return inUseIn(year, startYear, startMonth, endYear); }

    bool isStartMonth(QDate date) const { return date.year() == startYear && date.month() == startMonth; }
    bool isEndMonth(QDate date) const { return date.year() == endYear && date.month() == endMonth; }

    // The date lies in neither month, or in the end month after the period's last day.
    bool outside(QDate date) const
    {
        return (!isStartMonth(date) && !isEndMonth(date)) || (isEndMonth(date) && endDay < date.day());
    }
};
