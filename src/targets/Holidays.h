#pragma once

#include <QDate>
#include <QList>

// The national holidays of Japan from 1990 to 2099, computed under the national holidays law
// with its amendments in the years they took effect: the fixed dates, the Monday holidays, the
// vernal and autumnal equinox days by the usual approximation, the substitute holiday after a
// holiday on a Sunday, the day between two holidays, and the one-off holidays set by special
// laws (1990, 1993, 2019 to 2021). Dates outside those years are never holidays here.
namespace holidays {

inline constexpr int kFirstYear = 1990;
inline constexpr int kLastYear = 2099;

bool isNationalHoliday(QDate date);

// Every national holiday of a year, in date order (substitute and in-between days included).
QList<QDate> nationalHolidays(int year);

} // namespace holidays
