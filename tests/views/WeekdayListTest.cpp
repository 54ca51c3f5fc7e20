#include "views/WeekdayList.h"
#include "views/ViewsTestData.h"

#include <gtest/gtest.h>

TEST(WeekdayList, EachAttributeHasItsEntry)
{
    Table master { 44, 30 };
    QStringList cells = withDay(sampleEmployee(QStringLiteral("山田")), 0, QStringLiteral("勤務日"),
        QStringLiteral("9"), QStringLiteral("00"), QStringLiteral("17"), QStringLiteral("30"));
    cells = withDay(cells, 1, QStringLiteral("休み"));
    cells = withDay(cells, 2, QStringLiteral("その他"));
    cells = withDay(cells, 3, QStringLiteral("勤務日"), QStringLiteral("22"), QStringLiteral("5"), QStringLiteral("6"),
        QStringLiteral("00"));
    cells = withDay(cells, 4, QStringLiteral("有給"));
    putEmployee(master, 0, cells);
    const QStringList expected = { "〇 山田 ⇒ 9:00～17:30", "× 山田", "－ 山田", "〇 山田 ⇒ 22:5～6:00",
        "エラー検出！不定値有り！", "☆ 山田", "☆ 山田" };
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(weekdaylist::entry(master, 0, day), expected[day]) << day;
}

TEST(WeekdayList, TheCaptionNamesTodaysWeekday)
{
    const QStringList captions = { "本日．．．日曜日", "本日．．．月曜日", "本日．．．火曜日", "本日．．．水曜日",
        "本日．．．木曜日", "本日．．．金曜日", "本日．．．土曜日" };
    for (int code = 1; code <= 7; ++code)
        EXPECT_EQ(weekdaylist::caption(code), captions[code - 1]) << code;
    for (int code : { 0, 8, -1 })
        EXPECT_FALSE(weekdaylist::caption(code).has_value()) << code;
}
