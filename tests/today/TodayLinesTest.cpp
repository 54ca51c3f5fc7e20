// The today panel's lines and the period-end reminder, computed without widgets.
#include "today/TodayLines.h"
#include "data/Table.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using today::Reminder;

TEST(TodayLines, DateHeadingWorkersAndTotal)
{
    EXPECT_EQ(today::dateLine(QDate(2024, 6, 10)), QStringLiteral("■ 2024年6月10日 （月）"));
    EXPECT_EQ(today::dateLine(QDate(2024, 6, 9)), QStringLiteral("■ 2024年6月9日 （日）"));
    EXPECT_EQ(today::workersHeading(7), QStringLiteral("---土曜日の勤務者---"));

    Table master { 44, 30 };
    const QStringList names { QStringLiteral("月曜勤務"), QStringLiteral("月曜休み"), QStringLiteral("月曜その他"),
        QStringLiteral("範囲外") };
    for (int r = 0; r < names.size(); ++r) {
        QStringList cells = sampleEmployee(names[r]);
        if (r == 1)
            cells[2] = QStringLiteral("休み");
        if (r == 2)
            cells[2] = QStringLiteral("その他");
        for (int c = 0; c < cells.size(); ++c)
            master.setCell(c, r, cells[c]);
    }
    EXPECT_EQ(today::workerNames(master, 3, 2), QStringList { QStringLiteral("月曜勤務") })
        << "rows from the count on are not read";
    EXPECT_TRUE(today::workerNames(master, 4, 1).isEmpty()) << "nobody works on Sunday";
    EXPECT_EQ(today::totalLines(0),
        (QStringList {
            QString(), QStringLiteral("合計 0 名 出勤"), QStringLiteral("--------------------"), QString() }));
}

TEST(TodayLines, TheReminderCountsTheLastWeekOfThePeriod)
{
    Table schedule { 40, 5 };
    schedule.setCell(4, 0, QStringLiteral("6"));
    schedule.setCell(5, 0, QStringLiteral("15"));
    const QStringList daysLeft { QStringLiteral("本日で，設定勤務期間終了"), QStringLiteral("勤務期間終了まで，後１日"),
        QStringLiteral("勤務期間終了まで，後２日"), QStringLiteral("勤務期間終了まで，後３日"),
        QStringLiteral("勤務期間終了まで，後４日"), QStringLiteral("勤務期間終了まで，後５日"),
        QStringLiteral("勤務期間終了まで，後６日"), QStringLiteral("勤務期間終了まで，後７日") };
    for (int d = 0; d < daysLeft.size(); ++d)
        EXPECT_EQ(
            today::periodReminder(schedule, QDate(2024, 6, 15 - d)), (Reminder { Reminder::Action::Show, daysLeft[d] }))
            << d;
    EXPECT_EQ(today::periodReminder(schedule, QDate(2024, 6, 7)),
        (Reminder { Reminder::Action::Hide, QStringLiteral("　") }));
    EXPECT_EQ(today::periodReminder(schedule, QDate(2024, 6, 16)),
        (Reminder { Reminder::Action::Show, QStringLiteral("設定勤務期間を既にオーバー！") }));
    EXPECT_EQ(today::periodReminder(schedule, QDate(2025, 6, 14)).text, daysLeft[1]) << "the year is not compared";

    schedule.setCell(4, 0, QStringLiteral("7"));
    schedule.setCell(5, 0, QStringLiteral("2"));
    EXPECT_EQ(today::periodReminder(schedule, QDate(2024, 6, 28)).action, Reminder::Action::Keep)
        << "a period that ends next month shows nothing, however near its end";
    EXPECT_EQ(today::periodReminder(Table { 40, 5 }, QDate(2024, 6, 28)).action, Reminder::Action::Keep);
}
