#include "period/PeriodRule.h"

#include <gtest/gtest.h>

TEST(PeriodRule, EndsWhereTheTableSays)
{
    const struct {
        QDate start;
        QDate end;
        int days;
    } cases[] = {
        { { 2023, 2, 1 }, { 2023, 3, 9 }, 37 },
        { { 2023, 2, 20 }, { 2023, 3, 28 }, 37 },
        { { 2023, 2, 21 }, { 2023, 3, 31 }, 39 },
        { { 2023, 2, 22 }, { 2023, 3, 31 }, 38 },
        { { 2023, 2, 28 }, { 2023, 3, 31 }, 32 },
        { { 2024, 2, 20 }, { 2024, 3, 28 }, 38 },
        { { 2024, 2, 21 }, { 2024, 3, 31 }, 40 },
        { { 2024, 2, 29 }, { 2024, 3, 31 }, 32 },
        { { 2024, 4, 20 }, { 2024, 5, 28 }, 39 },
        { { 2024, 4, 21 }, { 2024, 5, 30 }, 40 },
        { { 2024, 4, 22 }, { 2024, 5, 31 }, 40 },
        { { 2024, 4, 23 }, { 2024, 5, 31 }, 39 },
        { { 2024, 4, 30 }, { 2024, 5, 31 }, 32 },
        { { 2024, 1, 21 }, { 2024, 2, 29 }, 40 },
        { { 2024, 1, 22 }, { 2024, 2, 29 }, 39 },
        { { 2023, 1, 22 }, { 2023, 2, 28 }, 38 },
        { { 2023, 1, 31 }, { 2023, 2, 28 }, 29 },
        { { 2024, 3, 21 }, { 2024, 4, 29 }, 40 },
        { { 2024, 3, 22 }, { 2024, 4, 30 }, 40 },
        { { 2024, 3, 31 }, { 2024, 4, 30 }, 31 },
        { { 2024, 12, 22 }, { 2025, 1, 30 }, 40 },
        { { 2024, 12, 31 }, { 2025, 1, 31 }, 32 },
        { { 2024, 5, 7 }, { 2024, 6, 15 }, 40 },
    };
    for (const auto& c : cases) {
        const PeriodEnd e = periodEndFor(c.start);
        EXPECT_TRUE(e.consistent);
        EXPECT_EQ(QDate(e.year, e.month, e.day), c.end) << c.start.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(e.dayCount, c.days) << c.start.toString(Qt::ISODate).toStdString();
    }
}

TEST(PeriodRule, EveryStartDayGivesAConsistentPeriodOf29To40Days)
{
    for (QDate d(2023, 1, 1); d <= QDate(2028, 12, 31); d = d.addDays(1)) {
        const PeriodEnd e = periodEndFor(d);
        const QDate end(e.year, e.month, e.day);
        ASSERT_TRUE(e.consistent && end.isValid()) << d.toString(Qt::ISODate).toStdString();
        ASSERT_GE(e.dayCount, 29);
        ASSERT_LE(e.dayCount, 40);
        ASSERT_EQ(d.daysTo(end) + 1, e.dayCount) << d.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(end.month(), d.addMonths(1).month()) << "the end lies in the following month";
    }
}

TEST(PeriodRule, UnexpectedMonthLengthsAreReportedWithTheirCode)
{
    const struct {
        int L, N;
        bool december;
        int D;
        const char* display;
        const char* registration;
    } cases[] = {
        { 28, 30, false, 23, "DEF28", "ADEF28" },
        { 29, 27, false, 21, "DEF29", "ADEF29" },
        { 30, 29, false, 25, "DEF30", "ADEF30" },
        { 31, 27, false, 21, "DEF31-21", "ADEF31" },
        { 31, 32, false, 22, "DEF31-22", "ADEF31" },
        { 31, 26, false, 25, "DEFn1231", "ADEF31" },
        { 31, 31, true, 0, "DEF1231", "ADEF31" },
    };
    for (const auto& c : cases) {
        const PeriodEnd e = periodEndByLengths(c.L, c.N, c.december, c.D);
        EXPECT_FALSE(e.consistent) << c.display;
        EXPECT_EQ(e.displayCode, QLatin1String(c.display));
        EXPECT_EQ(e.registrationCode, QLatin1String(c.registration));
        EXPECT_EQ(e.dayCount, c.L - c.D + 1) << "only the rest of the start month counts";
    }
}
