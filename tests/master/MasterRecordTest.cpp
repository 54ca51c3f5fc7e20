#include "master/MasterRecord.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace master;

namespace {

DayInput working(int sh, int sm, int eh, int em, int rest)
{
    return { 0, sh, sm, eh, em, rest };
}

Week sampleWeek()
{
    Week week;
    week.fill(working(9, 0, 17, 6, 12)); // 9:00 to 17:30 with 60 minutes of rest
    week[5] = { 1, 9, 0, 17, 6, 12 }; // a day off whose boxes still show times
    week[6] = { 1, 0, 0, 0, 0, 0 };
    return week;
}

Table tableWith(int employees)
{
    Table table(44, 30);
    for (int r = 0; r < employees; ++r) {
        const QStringList cells = sampleEmployee(QStringLiteral("社員%1").arg(r));
        for (int c = 0; c < cells.size(); ++c)
            table.setCell(c, r, cells[c]);
    }
    return table;
}

} // namespace

TEST(NetMinutes, FollowTheShiftAcrossMidnightAndClampAtZero)
{
    struct Case {
        int sh, sm, eh, em, rest, minutes;
    };
    for (const Case& c : { Case { 9, 0, 17, 30, 60, 450 }, Case { 22, 0, 6, 0, 60, 420 }, Case { 22, 0, 6, 0, 30, 450 },
             Case { 22, 0, 6, 0, 0, 480 }, Case { 9, 0, 9, 0, 45, 0 }, Case { 9, 30, 9, 0, 0, 0 },
             Case { 9, 0, 10, 0, 120, 0 }, Case { 12, 0, 24, 0, 0, 720 } })
        EXPECT_EQ(netMinutes(c.sh, c.sm, c.eh, c.em, c.rest), c.minutes) << c.sh << ":" << c.sm << "-" << c.eh;
}

TEST(DayBoxEntries, HoldTheFixedValues)
{
    EXPECT_EQ(hourEntries().size(), 25);
    EXPECT_EQ(hourEntries().last(), QStringLiteral("24"));
    EXPECT_EQ(minuteEntries(), QStringList({ "00", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50", "55" }));
    EXPECT_EQ(restEntries().size(), 32);
    EXPECT_EQ(restEntries().mid(24), QStringList({ "120", "150", "180", "210", "240", "270", "300", "360" }));
}

TEST(WageText, IsThePlainPositiveLeadingIntegerOrZero)
{
    EXPECT_EQ(normaliseWage(QStringLiteral("007")), QStringLiteral("7"));
    EXPECT_EQ(normaliseWage(QStringLiteral("1200円")), QStringLiteral("1200"));
    EXPECT_EQ(normaliseWage(QString()), QStringLiteral("0"));
    EXPECT_EQ(normaliseWage(QStringLiteral("abc")), QStringLiteral("0"));
    EXPECT_EQ(normaliseWage(QStringLiteral("-5")), QStringLiteral("0"));
}

TEST(EmployeeRecord, StoresTimesOfWorkingDaysAndZerosForTheOthers)
{
    QStringList expected = sampleEmployee(QStringLiteral("山田"));
    expected[1] = QStringLiteral("950");
    EXPECT_EQ(assembleRecord(QStringLiteral("山田"), QStringLiteral("950"), sampleWeek()), expected);
}

TEST(EmployeeRecord, LoadsBackIntoTheSameBoxesAndTheSameRecord)
{
    Week week = sampleWeek();
    week[0] = working(22, 0, 6, 0, 6); // past midnight, 30 minutes of rest
    week[1] = working(8, 3, 20, 11, 31); // 360 minutes of rest
    week[2] = working(0, 0, 24, 0, 0);
    week[5] = { 2, 0, 0, 0, 0, 0 };
    const QStringList cells = assembleRecord(QStringLiteral("佐藤"), QStringLiteral("1100"), week);
    Table table(44, 30);
    for (int c = 0; c < cells.size(); ++c)
        table.setCell(c, 4, cells[c]);

    const LoadedRecord loaded = loadRecord(table, 4);
    EXPECT_EQ(loaded.week, week);
    EXPECT_EQ(loaded.restFound, (std::array<bool, kDays> { true, true, true, true, true, true, true }));
    EXPECT_EQ(assembleRecord(QStringLiteral("佐藤"), loaded.wage, loaded.week), cells);
}

TEST(EmployeeRecord, LoadingLeavesBoxesOfUnknownValuesEmpty)
{
    Table table = tableWith(1);
    table.setCell(2, 0, QStringLiteral("出勤")); // Monday attribute
    table.setCell(8, 0, QStringLiteral("25")); // Tuesday start hour
    table.setCell(14, 0, QStringLiteral("07")); // Wednesday start minute
    table.setCell(40, 0, QStringLiteral("0")); // Thursday 9:00-17:30 clamped: rest 510
    const LoadedRecord loaded = loadRecord(table, 0);
    EXPECT_EQ(loaded.week[0].attribute, kNoEntry);
    EXPECT_EQ(loaded.week[1].startHour, kNoEntry);
    EXPECT_EQ(loaded.week[2].startMinute, kNoEntry);
    EXPECT_EQ(loaded.week[3].rest, kNoEntry);
    EXPECT_FALSE(loaded.restFound[3]);
    EXPECT_TRUE(loaded.restFound[4]);
    EXPECT_EQ(loaded.week[4], working(9, 0, 17, 6, 12));
}

TEST(EmployeeDeletion, MovesTheLastRecordIntoTheFreedRow)
{
    Table table = tableWith(10);
    const Table before = table;
    deleteEmployee(table, 3);
    for (int c = 0; c < 44; ++c)
        EXPECT_EQ(table.cell(c, 3), before.cell(c, 9));
    EXPECT_EQ(table.cell(0, 2), QStringLiteral("社員2"));
    EXPECT_EQ(table.cell(0, 4), QStringLiteral("社員4"));
    EXPECT_EQ(firstFreeRow(table), 9);
    for (int c = 0; c < 44; ++c)
        EXPECT_TRUE(table.cell(c, 9).isEmpty());
}

TEST(EmployeeDeletion, ClearsTheLastRowOfAFullTableAndTheOnlyRecord)
{
    Table full = tableWith(30);
    const Table before = full;
    deleteEmployee(full, 29);
    for (int r = 0; r < 29; ++r)
        EXPECT_EQ(full.cell(0, r), before.cell(0, r));
    EXPECT_EQ(firstFreeRow(full), 29);
    EXPECT_TRUE(full.cell(43, 29).isEmpty());

    Table one = tableWith(1);
    deleteEmployee(one, 0);
    EXPECT_TRUE(one.isEmpty());
}
