#include "targets/Holidays.h"

#include <array>
#include <bitset>

namespace holidays {
namespace {

constexpr int kYears = kLastYear - kFirstYear + 1;
using YearDays = std::bitset<367>; // by day of the year, from 1

// The n-th Monday of a month.
QDate nthMonday(int year, int month, int n)
{
    const QDate first(year, month, 1);
    return first.addDays((8 - first.dayOfWeek()) % 7 + 7 * (n - 1));
}

// The equinox days by the approximation that holds from 1980 to 2099.
int equinoxDay(int year, int base)
{
    const int y = year - 1980;
    return (base + 242194 * y) / 1000000 - y / 4;
}

// The holidays the law names (国民の祝日) in a year.
QList<QDate> namedHolidays(int y)
{
    QList<QDate> days { QDate(y, 1, 1), QDate(y, 2, 11), QDate(y, 3, equinoxDay(y, 20843100)), QDate(y, 4, 29),
        QDate(y, 5, 3), QDate(y, 5, 5), QDate(y, 9, equinoxDay(y, 23248800)), QDate(y, 11, 3), QDate(y, 11, 23) };
    days << (y < 2000 ? QDate(y, 1, 15) : nthMonday(y, 1, 2)); // 成人の日
    if (y <= 2018)
        days << QDate(y, 12, 23); // 天皇誕生日 until the abdication
    else if (y >= 2020)
        days << QDate(y, 2, 23);
    if (y >= 2007)
        days << QDate(y, 5, 4); // みどりの日; before, 4 May was a day between two holidays
    // 海の日, スポーツの日 (体育の日) and 山の日, moved for the Olympic Games in 2020 and 2021.
    if (y == 2020)
        days << QDate(y, 7, 23) << QDate(y, 7, 24) << QDate(y, 8, 10);
    else if (y == 2021)
        days << QDate(y, 7, 22) << QDate(y, 7, 23) << QDate(y, 8, 8);
    else {
        if (y >= 1996)
            days << (y < 2003 ? QDate(y, 7, 20) : nthMonday(y, 7, 3));
        days << (y < 2000 ? QDate(y, 10, 10) : nthMonday(y, 10, 2));
        if (y >= 2016)
            days << QDate(y, 8, 11);
    }
    days << (y < 2003 ? QDate(y, 9, 15) : nthMonday(y, 9, 3)); // 敬老の日
    // One-off holidays: enthronements and an imperial wedding.
    if (y == 1990)
        days << QDate(y, 11, 12);
    else if (y == 1993)
        days << QDate(y, 6, 9);
    else if (y == 2019)
        days << QDate(y, 5, 1) << QDate(y, 10, 22);
    return days;
}

YearDays holidaysOf(int year)
{
    YearDays named;
    for (const QDate date : namedHolidays(year))
        named.set(static_cast<std::size_t>(date.dayOfYear()));
    const auto isNamed = [&named](QDate date) { return named.test(static_cast<std::size_t>(date.dayOfYear())); };
    YearDays all = named;
    const QDate last(year, 12, 31);
    for (QDate date(year, 1, 1); date <= last; date = date.addDays(1)) {
        const auto day = static_cast<std::size_t>(date.dayOfYear());
        if (isNamed(date) && date.dayOfWeek() == Qt::Sunday) {
            // The substitute holiday: from 2007 the first day after that is no named holiday,
            // before it the Monday.
            QDate substitute = date.addDays(1);
            while (year >= 2007 && substitute.year() == year && isNamed(substitute))
                substitute = substitute.addDays(1);
            if (substitute.year() == year)
                all.set(static_cast<std::size_t>(substitute.dayOfYear()));
        }
        // A day between two named holidays; before 2007 not on a Sunday or a substitute holiday.
        const bool between = date != QDate(year, 1, 1) && date != last && !isNamed(date) && isNamed(date.addDays(-1))
            && isNamed(date.addDays(1));
        const bool excluded = year < 2007 && (date.dayOfWeek() == Qt::Sunday || all.test(day));
        if (between && !excluded)
            all.set(day);
    }
    return all;
}

const std::array<YearDays, kYears>& calendar()
{
    static const std::array<YearDays, kYears> years = [] {
        std::array<YearDays, kYears> out;
        for (int i = 0; i < kYears; ++i)
            out[static_cast<std::size_t>(i)] = holidaysOf(kFirstYear + i);
        return out;
    }();
    return years;
}

} // namespace

bool isNationalHoliday(QDate date)
{
    if (!date.isValid() || date.year() < kFirstYear || date.year() > kLastYear)
        return false;
    return calendar()[static_cast<std::size_t>(date.year() - kFirstYear)].test(
        static_cast<std::size_t>(date.dayOfYear()));
}

QList<QDate> nationalHolidays(int year)
{
    QList<QDate> out;
    if (year < kFirstYear || year > kLastYear)
        return out;
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1))
        if (isNationalHoliday(date))
            out.append(date);
    return out;
}

} // namespace holidays
