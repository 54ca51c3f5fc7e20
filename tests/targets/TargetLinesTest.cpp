// What the windows show of the targets: the list "人員過不足一覧", the hour chart's comparison,
// the change window's date marks and the person-hours of the export, on one small shop.
#include "targets/TargetLines.h"
#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"

#include <gtest/gtest.h>

namespace {

const QDate kStart(2026, 4, 27); // a Monday; 29 April and 3 to 6 May are holidays

// Two employees, Monday to Friday 9:00–17:30; a date's row on 28 April with short and over
// runs, the holiday row short on a Sunday holiday, and a date's row over on a holiday.
class ShortageLines : public ::testing::Test {
protected:
    ShortageLines()
        : p(kStart, { employee("山田"), employee("佐藤") })
    {
        targets::TargetRow april28;
        const QStringList fields { "", "", "", "", "", "", "", "", "1", "3", "3", "3-5", "4", "-1", "-1", "0-2", "",
            "-1" };
        for (int h = 0; h < fields.size(); ++h)
            april28[h] = *targets::parseField(fields[h]);
        table.setDate(QDate(2026, 4, 28), april28);
        table.holiday[9] = { 2, -1 };
        table.setDate(QDate(2026, 5, 5), { targets::HourTarget(), {}, {}, {}, {}, {}, {}, {}, {}, { -1, 1 } });
    }
    daychanges::EffectiveSchedule schedule() const { return daychanges::EffectiveSchedule(p.data); }

    PeriodData p;
    targets::TargetTable table;
};

} // namespace

TEST_F(ShortageLines, TheListNamesEachRunOfShortAndOverHours)
{
    const QStringList expected {
        "【人員過不足一覧】",
        "期間：2026/4/27～2026/5/31（35日間）",
        "",
        "4/28（火）",
        "　8時～9時　0名／必要1名　1名不足",
        "　9時～12時　2名／必要3名　1名不足",
        "　12時～13時　2名／必要4名　2名不足",
        "　13時～15時　2名／上限1名　1名超過",
        "　17時～18時　2名／上限1名　1名超過",
        "5/3（日）［祝］",
        "　9時～10時　0名／必要2名　2名不足",
        "5/5（火）［祝］",
        "　9時～10時　2名／上限1名　1名超過",
        "",
        "不足合計：8人時　超過合計：4人時",
    };
    EXPECT_EQ(targets::shortageLines(table, schedule()), expected);

    const QList<targets::PersonHours> sums = targets::personHoursByDay(table, schedule());
    ASSERT_EQ(sums.size(), 35);
    EXPECT_EQ(sums[1].shortHours, 6);
    EXPECT_EQ(sums[1].overHours, 3);
    EXPECT_EQ(sums[6].shortHours, 2);
    EXPECT_EQ(sums[8].overHours, 1);
    EXPECT_EQ(sums[2].shortHours + sums[2].overHours, 0) << "29 April is met";

    // Every hour met, and no target at all.
    targets::TargetTable met;
    met.weekday(2)[0] = { 0, -1 };
    EXPECT_EQ(targets::shortageLines(met, schedule()),
        (QStringList { "【人員過不足一覧】", "期間：2026/4/27～2026/5/31（35日間）", "",
            "　期間中の不足・超過はありません．", "", "不足合計：0人時　超過合計：0人時" }));
    EXPECT_EQ(targets::shortageLines({}, schedule()),
        (QStringList { "　必要人数が設定されていません．（スケジュール関係 ⇒ 必要人数設定）" }));
}

TEST_F(ShortageLines, TheHourChartAndTheChangeWindowMarkTheSameHours)
{
    EXPECT_EQ(targets::chartLines(table, schedule(), QDate(2026, 4, 28)),
        (QStringList { "", "【必要人数との比較】",
            "－－－－－－－－▲▲▲▲▲△△○－△－－－－－－　（○：充足，▲：不足，△：超過，－：指定なし）",
            "　不足：8時 0/1，9時 2/3，10時 2/3，11時 2/3，12時 2/4", "　超過：13時 2/1，14時 2/1，17時 2/1" }));
    EXPECT_EQ(targets::chartLines(table, schedule(), QDate(2026, 4, 29)),
        (QStringList { "", "【必要人数との比較】",
            "－－－－－－－－－○－－－－－－－－－－－－－－　（○：充足，▲：不足，△：超過，－：指定なし）",
            "　不足：なし", "　超過：なし" }));
    EXPECT_TRUE(targets::chartLines(table, schedule(), kStart).isEmpty()) << "no target on 27 April";

    const QList<targets::DayMark> marks = targets::dayMarks(table, schedule());
    ASSERT_EQ(marks.size(), 35);
    EXPECT_EQ(marks[0].mark, "");
    EXPECT_EQ(marks[0].description, "");
    EXPECT_EQ(marks[1].mark, "▲");
    EXPECT_EQ(marks[1].description,
        "不足：8時 0/1，9時 2/3，10時 2/3，11時 2/3，12時 2/4\n超過：13時 2/1，14時 2/1，17時 2/1");
    EXPECT_EQ(marks[8].mark, "△");
    EXPECT_EQ(marks[8].description, "超過：9時 2/1");
}
