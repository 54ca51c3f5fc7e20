// The today panel's lines and the period-end reminder, computed without widgets.
#include "today/TodayLines.h"
#include "data/Table.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using today::Reminder;

TEST(TodayLines, DateHeadingWorkersAndTotal)
{
    EXPECT_EQ(today::dateLine(QDate(2024, 6, 10)), "■ 2024年6月10日 （月）");
    EXPECT_EQ(today::dateLine(QDate(2024, 6, 9)), "■ 2024年6月9日 （日）");
    EXPECT_EQ(today::workersHeading(7), "---土曜日の勤務者---");

    Table master { 44, 30 };
    const QStringList names { "月曜勤務", "月曜休み", "月曜その他", "範囲外" };
    for (int r = 0; r < names.size(); ++r) {
        QStringList cells = sampleEmployee(names[r]);
        if (r == 1)
            cells[2] = "休み";
        if (r == 2)
            cells[2] = "その他";
        for (int c = 0; c < cells.size(); ++c)
            master.setCell(c, r, cells[c]);
    }
    EXPECT_EQ(today::workerNames(master, 3, 2), QStringList { "月曜勤務" }) << "rows from the count on are not read";
    EXPECT_TRUE(today::workerNames(master, 4, 1).isEmpty()) << "nobody works on Sunday";
    EXPECT_EQ(today::totalLines(0), (QStringList { QString(), "合計 0 名 出勤", "--------------------", QString() }));
}

TEST(TodayLines, TheReminderCountsTheLastWeekOfThePeriod)
{
    Table schedule { 40, 5 };
    schedule.setCell(4, 0, "6");
    schedule.setCell(5, 0, "15");
    const QStringList daysLeft { "本日で，設定勤務期間終了", "勤務期間終了まで，後１日", "勤務期間終了まで，後２日",
        "勤務期間終了まで，後３日", "勤務期間終了まで，後４日", "勤務期間終了まで，後５日", "勤務期間終了まで，後６日",
        "勤務期間終了まで，後７日" };
    for (int d = 0; d < daysLeft.size(); ++d)
        EXPECT_EQ(
            today::periodReminder(schedule, QDate(2024, 6, 15 - d)), (Reminder { Reminder::Action::Show, daysLeft[d] }))
            << d;
    EXPECT_EQ(today::periodReminder(schedule, QDate(2024, 6, 7)), (Reminder { Reminder::Action::Hide, "　" }));
    EXPECT_EQ(today::periodReminder(schedule, QDate(2024, 6, 16)),
        (Reminder { Reminder::Action::Show, "設定勤務期間を既にオーバー！" }));
    EXPECT_EQ(today::periodReminder(schedule, QDate(2025, 6, 14)).text, daysLeft[1]) << "the year is not compared";

    schedule.setCell(4, 0, "7");
    schedule.setCell(5, 0, "2");
    EXPECT_EQ(today::periodReminder(schedule, QDate(2024, 6, 28)).action, Reminder::Action::Keep)
        << "a period that ends next month shows nothing, however near its end";
    EXPECT_EQ(today::periodReminder(Table { 40, 5 }, QDate(2024, 6, 28)).action, Reminder::Action::Keep);
}
