// The national holidays the program computes, against the lists the Cabinet Office publishes
// (substitute holidays and days between two holidays included).
#include "targets/Holidays.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// "M/D" of every holiday of a year, as published.
const QList<std::pair<int, QString>> kPublished {
    { 2019,
        "1/1 1/14 2/11 3/21 4/29 4/30 5/1 5/2 5/3 5/4 5/5 5/6 7/15 8/11 8/12 9/16 9/23 10/14 10/22 11/3 11/4 11/23" },
    { 2020, "1/1 1/13 2/11 2/23 2/24 3/20 4/29 5/3 5/4 5/5 5/6 7/23 7/24 8/10 9/21 9/22 11/3 11/23" },
    { 2021, "1/1 1/11 2/11 2/23 3/20 4/29 5/3 5/4 5/5 7/22 7/23 8/8 8/9 9/20 9/23 11/3 11/23" },
    { 2022, "1/1 1/10 2/11 2/23 3/21 4/29 5/3 5/4 5/5 7/18 8/11 9/19 9/23 10/10 11/3 11/23" },
    { 2023, "1/1 1/2 1/9 2/11 2/23 3/21 4/29 5/3 5/4 5/5 7/17 8/11 9/18 9/23 10/9 11/3 11/23" },
    { 2024, "1/1 1/8 2/11 2/12 2/23 3/20 4/29 5/3 5/4 5/5 5/6 7/15 8/11 8/12 9/16 9/22 9/23 10/14 11/3 11/4 11/23" },
    { 2025, "1/1 1/13 2/11 2/23 2/24 3/20 4/29 5/3 5/4 5/5 5/6 7/21 8/11 9/15 9/23 10/13 11/3 11/23 11/24" },
    { 2026, "1/1 1/12 2/11 2/23 3/20 4/29 5/3 5/4 5/5 5/6 7/20 8/11 9/21 9/22 9/23 10/12 11/3 11/23" },
    { 2027, "1/1 1/11 2/11 2/23 3/21 3/22 4/29 5/3 5/4 5/5 7/19 8/11 9/20 9/23 10/11 11/3 11/23" },
};

QString monthDays(const QList<QDate>& dates)
{
    QStringList out;
    for (const QDate date : dates)
        out << QStringLiteral("%1/%2").arg(date.month()).arg(date.day());
    return out.join(u' ');
}

} // namespace

TEST(Holidays, EveryYearFrom2019To2027IsThePublishedList)
{
    for (const auto& [year, list] : kPublished)
        EXPECT_EQ(monthDays(holidays::nationalHolidays(year)), list) << year;
}

TEST(Holidays, OlderLawsAndTheEdgesOfTheComputedYears)
{
    // Before 2000 the Monday holidays had fixed dates; before 2007 a Sunday between two
    // holidays stayed a Sunday and a substitute fell on the Monday only.
    EXPECT_TRUE(holidays::isNationalHoliday(QDate(1999, 1, 15)));
    EXPECT_TRUE(holidays::isNationalHoliday(QDate(1999, 10, 10)));
    EXPECT_FALSE(holidays::isNationalHoliday(QDate(1995, 7, 20))) << "海の日 began in 1996";
    EXPECT_FALSE(holidays::isNationalHoliday(QDate(2003, 5, 4))) << "a Sunday between two holidays";
    EXPECT_TRUE(holidays::isNationalHoliday(QDate(2006, 5, 4)));
    EXPECT_TRUE(holidays::isNationalHoliday(QDate(1990, 11, 12)));
    EXPECT_TRUE(holidays::isNationalHoliday(QDate(2018, 12, 24))) << "12/23 on a Sunday";
    EXPECT_FALSE(holidays::isNationalHoliday(QDate(2019, 12, 23)));
    EXPECT_TRUE(holidays::isNationalHoliday(QDate(2099, 1, 1)));
    EXPECT_FALSE(holidays::isNationalHoliday(QDate(2100, 1, 1)));
    EXPECT_FALSE(holidays::isNationalHoliday(QDate(1989, 1, 1)));
    EXPECT_FALSE(holidays::isNationalHoliday(QDate()));
}
