#include "data/ScheduleChecks.h"
#include "period/PeriodRegistration.h"

#include <gtest/gtest.h>

using namespace schedulechecks;

namespace {

Table registered(QDate start)
{
    Table t { 40, 5 };
    registerPeriod(t, start, 1);
    return t;
}

QStringList allFailures(const Table& t, int year)
{
    QStringList out;
    for (PeriodGroup g : { PeriodGroup::Header, PeriodGroup::Days, PeriodGroup::Weekdays, PeriodGroup::Filler })
        out += periodFailures(t, year, g);
    return out;
}

QString fatal(const char* code)
{
    return QStringLiteral("□■■■ [%1] 致命的な不正値を検出！処理を中断しました．").arg(QLatin1String(code));
}

} // namespace

TEST(ScheduleChecks, ARegisteredPeriodPassesEveryCheck)
{
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        const Table t = registered(d);
        ASSERT_TRUE(completeness(t).isEmpty()) << d.toString().toStdString();
        ASSERT_TRUE(numbers(t).isEmpty());
        ASSERT_EQ(allFailures(t, 2024), QStringList()) << d.toString(Qt::ISODate).toStdString();
    }
}

TEST(ScheduleChecks, APeriodIsCurrentInItsStartYearAndAcrossTheYearEndInItsEndYear)
{
    const QStringList staleYear { QStringLiteral("□■■■ 開始年度が不正です．処理を中断しました．") };
    const struct {
        QDate start;
        int startupYear;
        bool current;
    } cases[] = {
        { QDate(2024, 12, 20), 2024, true },
        { QDate(2024, 12, 20), 2025, true }, // ends 28 January 2025
        { QDate(2024, 12, 20), 2026, false },
        { QDate(2024, 11, 20), 2025, false }, // ends in December of its own year
        { QDate(2025, 5, 7), 2027, false },
        { QDate(2025, 5, 7), 2024, false },
    };
    for (const auto& c : cases) {
        const Table t = registered(c.start);
        EXPECT_EQ(allFailures(t, c.startupYear), c.current ? QStringList() : staleYear)
            << c.start.toString(Qt::ISODate).toStdString() << " on " << c.startupYear;
    }
    // Only a December start crosses the year end: a May period with a later end year is
    // neither current in that year nor a consistent period.
    Table may = registered(QDate(2024, 5, 7));
    may.setCell(3, 0, QStringLiteral("2025"));
    EXPECT_EQ(allFailures(may, 2025),
        staleYear + QStringList { QStringLiteral("□■■■ 終了年度が不正です．処理を中断しました．") });
}

TEST(ScheduleChecks, FormChecksStopAtTheFirstFailure)
{
    Table t = registered(QDate(2024, 5, 7));
    t.setCell(39, 4, QString());
    EXPECT_EQ(completeness(t),
        (QStringList { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-ONEEMP-SGD2] 致命的なエラー") }));
    t.setCell(39, 4, QStringLiteral("x"));
    EXPECT_TRUE(completeness(t).isEmpty());
    EXPECT_EQ(numbers(t).size(), 4);
}

TEST(ScheduleChecks, WeekdaySequenceRunsUpToTheFirstSaturday)
{
    Table t = registered(QDate(2024, 5, 8)); // a Wednesday: 4, 5, 6, 7, 1, …
    EXPECT_EQ(t.cell(0, 2), QStringLiteral("4"));
    EXPECT_TRUE(periodFailures(t, 2024, PeriodGroup::Weekdays).isEmpty());
    t.setCell(2, 2, QStringLiteral("7"));
    EXPECT_EQ(periodFailures(t, 2024, PeriodGroup::Weekdays), QStringList { fatal("ER3-WK2") });

    Table saturday = registered(QDate(2024, 5, 11));
    EXPECT_EQ(saturday.cell(1, 2), QStringLiteral("1"));
    EXPECT_TRUE(periodFailures(saturday, 2024, PeriodGroup::Weekdays).isEmpty());
    saturday.setCell(1, 2, QStringLiteral("2"));
    EXPECT_EQ(periodFailures(saturday, 2024, PeriodGroup::Weekdays), QStringList { fatal("ER3-WK1") });

    saturday.setCell(0, 2, QStringLiteral("8"));
    EXPECT_TRUE(periodFailures(saturday, 2024, PeriodGroup::Weekdays).contains(fatal("ER3-WKNG")));
}

TEST(ScheduleChecks, PerColumnChecksReportEveryFailingColumn)
{
    Table t = registered(QDate(2024, 5, 7));
    t.setCell(39, 0, QStringLiteral("998"));
    EXPECT_EQ(periodFailures(t, 2024, PeriodGroup::Header), QStringList { fatal("EA8-FTPG") });
    t.setCell(38, 0, QStringLiteral("1"));
    EXPECT_EQ(periodFailures(t, 2024, PeriodGroup::Header), (QStringList { fatal("EA8-FTPG"), fatal("EA8-FTPG") }));

    t.setCell(5, 3, QStringLiteral("100"));
    t.setCell(5, 4, QStringLiteral("0"));
    EXPECT_EQ(periodFailures(t, 2024, PeriodGroup::Filler), QStringList { fatal("ER4-AVDU") });
    // The first column after the period's last day must be filler too.
    Table short29 = registered(QDate(2023, 1, 31)); // 29 days
    short29.setCell(29, 1, QStringLiteral("1"));
    EXPECT_EQ(periodFailures(short29, 2023, PeriodGroup::Days), QStringList { fatal("ER2-APG") });
    // Column by column, row 3 before row 4, from column 0 on.
    t.setCell(0, 4, QStringLiteral("100"));
    EXPECT_EQ(periodFailures(t, 2024, PeriodGroup::Filler), (QStringList { fatal("ER5-AVDU"), fatal("ER4-AVDU") }));
}

TEST(ScheduleChecks, AnEndYearAfterTheStartYearNeedsADecemberStart)
{
    Table t = registered(QDate(2024, 11, 20));
    t.setCell(3, 0, QStringLiteral("2025"));
    EXPECT_EQ(periodFailures(t, 2024, PeriodGroup::Header),
        QStringList { QStringLiteral("□■■■ 終了年度が不正です．処理を中断しました．") });
}

TEST(ScheduleChecks, ADayCountOf41IsRefused)
{
    Table t = registered(QDate(2024, 5, 7));
    t.setCell(6, 0, QStringLiteral("41"));
    EXPECT_TRUE(periodFailures(t, 2024, PeriodGroup::Header).contains(fatal("EA6")));
}

TEST(ScheduleChecks, ADayCountOutsideTheTableStaysBounded)
{
    Table t = registered(QDate(2024, 5, 7));
    t.setCell(6, 0, QStringLiteral("2000000000"));
    const QStringList failures = allFailures(t, 2024);
    EXPECT_TRUE(failures.contains(fatal("EA6")));
    EXPECT_LT(failures.size(), 200);
}

TEST(ScheduleChecks, AReportIsFiveLines)
{
    EXPECT_EQ(periodReport(QStringLiteral("m")),
        (QStringList { QString(), QString(), QStringLiteral("m"), QString(),
            QStringLiteral("□■■■ 初期設定から勤務期間を再設定して下さい．") }));
}
