// What the windows show of the targets: the list "人員過不足一覧", the hour chart's comparison,
// the change window's date marks and the person-hours of the export, on one small shop.
#include "targets/TargetLines.h"
#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"

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

namespace {

// A ward's May in its patterns (日, 遅, 夜 → 明, 明): every nurse works Monday to Friday
// 9:00–17:30 but on Monday 11 May, when 佐藤, 鈴木 and 田中 work 夜 (16:30–9:00) and 高橋 日
// (8:30–17:15). 佐藤, 鈴木 and 高橋 are 看護師, 鈴木 is marked 人数に数えない, 田中 has no tag.
// Targets: 看護師 at 9:00 at least 5 on Mondays, 17:00–24:00 at least 2 on 11 May only; 夜 at
// least 1 on Mondays, 0 on holidays, and on 11 May 夜 at least 3 and 日 at most 0.
class WardTargets : public ::testing::Test {
protected:
    WardTargets()
        : p(QDate(2026, 5, 1), { employee("佐藤"), employee("鈴木"), employee("田中"), employee("高橋") })
    {
        TFormData& data = p.data;
        data.shiftPatterns.patterns = patterns::starterSet(patterns::Starter::Ward);
        const auto on = [&](const QString& name, int pattern) {
            DayEntry entry = patterns::entryOf(data.shiftPatterns.patterns.at(pattern));
            entry.changed = true;
            data.dayChanges.set(name, kDay, entry);
        };
        for (const QString name : { "佐藤", "鈴木", "田中" })
            on(name, 2);
        on("高橋", 0);
        for (const QString name : { "佐藤", "鈴木", "高橋" }) {
            patterns::StaffLine line;
            line.name = name;
            line.qualifications = { "看護師" };
            line.uncounted = name == "鈴木";
            data.shiftPatterns.staff << line;
        }

        targets::DayRows<targets::TargetRow> nurses;
        nurses.weekday(2)[9] = { 5, -1 };
        targets::TargetRow evening;
        for (int h = 17; h < 24; ++h)
            evening[h] = { 2, -1 };
        nurses.setDate(kDay, evening);
        table.setQualification("看護師", nurses);
        table.patterns.weekday(2) = { { "夜", { 1, -1 } } };
        table.patterns.holiday = { { "夜", { 0, -1 } } };
        table.patterns.setDate(kDay, { { "夜", { 3, -1 } }, { "日", { -1, 0 } } });
    }
    daychanges::EffectiveSchedule schedule() const { return daychanges::EffectiveSchedule(p.data); }

    static inline const QDate kDay { 2026, 5, 11 };
    PeriodData p;
    targets::TargetTable table;
};

} // namespace

TEST_F(WardTargets, QualificationsAndPatternsCountWhoCarriesTheTagAndWhoWorksThePattern)
{
    const QStringList lines = targets::shortageLines(table, schedule());
    // 4 May is a holiday Monday: the qualification has no holiday row and takes Monday's, the
    // patterns' holiday row is met. 鈴木 counts nowhere; 田中 counts for 夜, not for 看護師.
    // The patterns in the workplace's order (日 before 夜).
    const QStringList monday { "　看護師 9時～10時　2名／必要5名　3名不足", "　夜　0名／必要1名　1名不足" };
    const QStringList expected = QStringList { "5/4（月）［祝］", "　看護師 9時～10時　2名／必要5名　3名不足",
        "5/11（月）", "　看護師 17時～24時　1名／必要2名　1名不足", "　日　1名／上限0名　1名超過",
        "　夜　2名／必要3名　1名不足", "5/18（月）" }
        + monday + QStringList { "5/25（月）" } + monday + QStringList { "6/1（月）" } + monday
        + QStringList { "6/8（月）" } + monday + QStringList { "" };
    ASSERT_GE(lines.size(), 3 + expected.size() + 3);
    EXPECT_EQ(lines.mid(3, expected.size()), expected) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.last(3),
        (QStringList { "不足合計：0人時　超過合計：0人時", "資格の不足合計：22人時",
            "勤務の不足合計：5名　勤務の超過合計：1名" }));

    // The change window's mark, the hour chart and the export's figures of 11 May.
    const int day = schedule().dayOf(kDay);
    const targets::DayMark mark = targets::dayMarks(table, schedule()).at(day);
    EXPECT_EQ(mark.mark, "▲");
    EXPECT_EQ(mark.description,
        "不足：看護師 17時 1/2，看護師 18時 1/2，看護師 19時 1/2，看護師 20時 1/2，看護師 21時 1/2，看護師 22時 1/2，"
        "看護師 23時 1/2，夜 2/3\n超過：日 1/0");
    const QStringList chart = targets::chartLines(table, schedule(), kDay);
    ASSERT_EQ(chart.size(), 6);
    EXPECT_EQ(chart[3], "－－－－－－－－－－－－－－－－－▲▲▲▲▲▲▲　（看護師）");
    EXPECT_EQ(chart[5], "　超過：日 1/0");
    const targets::PersonHours hours = targets::personHoursByDay(table, schedule()).at(day);
    EXPECT_EQ(hours.shortHours, 0);
    EXPECT_EQ(hours.qualificationShortHours, 7);
    EXPECT_EQ(hours.patternShort, 1);
    EXPECT_EQ(hours.patternOver, 1);

    // Without such targets the figures say nothing of them.
    EXPECT_EQ(targets::personHoursByDay({}, schedule()).at(day).patternShort, std::nullopt);
    // 人数に数えない also leaves the people per hour: of the three on 夜, two count at 20:00.
    targets::TargetTable hourly;
    targets::TargetRow row;
    row[20] = { 3, -1 };
    hourly.setDate(kDay, row);
    EXPECT_EQ(
        targets::shortageLines(hourly, schedule()).mid(4, 1), QStringList { "　20時～21時　2名／必要3名　1名不足" });
}
