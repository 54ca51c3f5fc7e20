#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The calendar months beside the two planned periods: which months can be planned and their days.
namespace history {

// The calendar months that have a date in the registered or the next period, in date order, each
// as its first day.
QList<QDate> plannableMonths(const QList<QDate>& registered, const QList<QDate>& next);
// Every date of the month of a date, from the 1st to the last day.
QList<QDate> monthDates(QDate month);
// "YYYY年M月".
QString monthTitle(QDate month);

// A month's dates split by the planned periods, which follow each other without a gap: the first
// `past` dates lie before them (their days are kept, never planned again), the last `later` dates
// after them (not planned yet); the dates between are planned.
struct MonthDays {
    QList<QDate> dates;
    int past = 0;
    int later = 0;
};
MonthDays monthDays(QDate month, const QList<QDate>& registered, const QList<QDate>& next);

} // namespace history
