#include "requests/RequestView.h"
#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"
#include "wallchart/WardSample.h"

#include <gtest/gtest.h>

using daychanges::EffectiveSchedule;
using daychanges::PeriodChoice;
using requests::Kind;

namespace {

const QDate kStart(2026, 5, 12); // a Tuesday; the period runs to 20 June, 40 days

} // namespace

TEST(RequestView, AWishForADayOffIsHonouredByADayOffAndNotBy明けAWishForWorkByAShift)
{
    patterns::ShiftPatterns ward;
    ward.patterns = patterns::starterSet(patterns::Starter::Ward);
    const struct {
        DayEntry entry;
        bool dayOff; // honours 希望休 and 出勤不可
        bool shift; // honours 出勤希望
    } cases[] = {
        { shift("9", "00", "17", "30", "450"), false, true },
        { shift("16", "30", "9", "00", "870"), false, true }, // 夜
        { dayOff("公休"), true, false }, { dayOff("休み"), true, false }, { dayOff("その他"), true, false },
        { dayOff(""), true, false },
        { patterns::entryOf(ward.patterns.at(3)), false, false }, // 明: neither a day off nor a shift
    };
    for (const auto& c : cases) {
        const daychanges::RosterDay day = daychanges::rosterDayOf(c.entry, ward);
        const std::string label = (c.entry.attribute + c.entry.pattern).toStdString();
        EXPECT_EQ(requests::honoured(Kind::DayOff, day), c.dayOff) << label;
        EXPECT_EQ(requests::honoured(Kind::CannotWork, day), c.dayOff) << label;
        EXPECT_EQ(requests::honoured(Kind::WantsWork, day), c.shift) << label;
    }
}

TEST(RequestView, A希望休On明けIsNotHonouredInTheCellAndInTheReport)
{
    WardSample ward;
    const QDate ake = WardSample::kNight.addDays(1);
    requests::Requests wishes;
    wishes.set("佐藤", ake, { Kind::DayOff, {} });
    wishes.set("佐藤", ake.addDays(1), { Kind::CannotWork, {} }); // 日
    const EffectiveSchedule schedule(ward.period.data);
    const auto cell = requests::cellWish(schedule, wishes, 1, schedule.dayOf(ake));
    ASSERT_TRUE(cell);
    EXPECT_EQ(requests::markText(*cell), "休！");
    const QStringList lines = requests::reportLines(schedule, wishes);
    EXPECT_TRUE(lines.contains("■ 佐藤 ： 希望 2 件，反映 0 件")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("　5/12（火） 希望休 ⇒ 明け")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("　5/13（水） 出勤不可 ⇒ 8:30～17:15")) << lines.join('\n').toStdString();
}

class RequestReport : public ::testing::Test {
protected:
    RequestReport()
    {
        TFormData& data = period.data;
        data.dayChanges.set("山田", QDate(2026, 5, 14), dayOff("休み"));
        data.dayChanges.set("佐藤", QDate(2026, 5, 18), shift("10", "00", "15", "30", "330"));
        wishes.set("山田", QDate(2026, 5, 13), { Kind::DayOff, {} }); // a working day
        wishes.set("山田", QDate(2026, 5, 14), { Kind::DayOff, {} }); // the change gives the day off
        wishes.set("山田", QDate(2026, 5, 16), { Kind::CannotWork, "法事" }); // Saturday, 公休
        wishes.set("佐藤", QDate(2026, 5, 17), { Kind::WantsWork, {} }); // Sunday, 公休
        wishes.set("佐藤", QDate(2026, 5, 18), { Kind::WantsWork, {} });
        wishes.set("佐藤", QDate(2026, 5, 19), { Kind::WantsWork, {} });
        wishes.set("退職者", QDate(2026, 5, 13), { Kind::DayOff, "旅行" });
        wishes.set("鈴木", QDate(2026, 6, 22), { Kind::DayOff, {} }); // in the next period
        wishes.set("鈴木", QDate(2026, 8, 3), { Kind::DayOff, {} }); // beyond the next period
    }

    PeriodData period { kStart, { employee("山田"), employee("佐藤"), employee("鈴木") } };
    requests::Requests wishes;
};

TEST_F(RequestReport, CellsShowTheWishAndWhetherTheEntryGoesAgainstIt)
{
    const EffectiveSchedule schedule(period.data);
    const auto against = requests::cellWish(schedule, wishes, 0, 1);
    ASSERT_TRUE(against);
    EXPECT_EQ(requests::markText(*against), "休！");
    EXPECT_EQ(requests::cellNotes(*against), QStringList({ "希望：希望休", "希望と異なる" }));
    const auto changed = requests::cellWish(schedule, wishes, 0, 2);
    ASSERT_TRUE(changed);
    EXPECT_EQ(requests::cellNotes(*changed), QStringList({ "希望：希望休" })) << "the day change gives the day off";
    const auto kept = requests::cellWish(schedule, wishes, 0, 4);
    ASSERT_TRUE(kept);
    EXPECT_EQ(requests::markText(*kept), "不");
    EXPECT_EQ(requests::cellNotes(*kept), QStringList({ "希望：出勤不可（法事）" }));
    EXPECT_FALSE(requests::cellWish(schedule, wishes, 2, 0));
    EXPECT_FALSE(requests::cellWish(schedule, wishes, 3, 1)) << "no registered row";

    const QList<requests::Request> apart = requests::apart(schedule, wishes);
    // A wish of the next period is planned, not apart, whichever period is shown.
    ASSERT_EQ(apart.size(), 2);
    EXPECT_EQ(requests::apartText(schedule, apart[0]),
        "2026年5月13日（水）　退職者　希望：希望休（旅行）（マスタにない氏名）");
    EXPECT_EQ(requests::apartText(schedule, apart[1]), "2026年8月3日（月）　鈴木　希望：希望休（勤務期間外の日付）");
    EXPECT_EQ(requests::apart(EffectiveSchedule(period.data, PeriodChoice::Next), wishes), apart);
}

TEST_F(RequestReport, TheReportListsEachEmployeesWishesNotHonouredAndTheRateRoundedDown)
{
    EXPECT_EQ(requests::reportLines(EffectiveSchedule(period.data), wishes),
        QStringList({
            "【希望の反映状況】",
            "期間：2026/5/12～2026/6/20（40日間）",
            "",
            "■ 山田 ： 希望 3 件，反映 2 件",
            "　5/13（水） 希望休 ⇒ 9:00～17:30",
            "■ 佐藤 ： 希望 3 件，反映 2 件",
            "　5/17（日） 出勤希望 ⇒ 公休",
            "",
            "◆ 反映率 66%（4／6 件）",
        }));

    // The next period has its own dates and 鈴木's wish.
    const QStringList next = requests::reportLines(EffectiveSchedule(period.data, PeriodChoice::Next), wishes);
    ASSERT_GE(next.size(), 4);
    EXPECT_TRUE(next[1].startsWith("期間：2026/6/21～")) << next[1].toStdString();
    EXPECT_EQ(next[3], "■ 鈴木 ： 希望 1 件，反映 0 件");

    requests::Requests apartOnly;
    apartOnly.set("退職者", QDate(2026, 5, 13), { Kind::DayOff, {} });
    EXPECT_EQ(requests::reportLines(EffectiveSchedule(period.data), apartOnly),
        QStringList(
            { "【希望の反映状況】", "期間：2026/5/12～2026/6/20（40日間）", "", "　期間中の希望はありません．" }));
}

TEST(RequestView, AWishOfAPatternIsHonouredByThatPatternAndAnAvoidanceByAnyOtherDay)
{
    // 佐藤 works 夜 on 11 May, 明 on 12 May, 日 on 13 May; 田中 日 on 11 May.
    WardSample ward;
    const QDate night = WardSample::kNight;
    requests::Requests wishes;
    wishes.set("佐藤", night, { Kind::WantsPattern, {}, "夜", 1 });
    wishes.set("佐藤", night.addDays(1), { Kind::AvoidsPattern, {}, "夜", 1 }); // 明 is not 夜
    wishes.set("佐藤", night.addDays(2), { Kind::WantsPattern, "研修", "夜", 3 }); // 日
    wishes.set("田中", night, { Kind::AvoidsPattern, {}, "日", 9 });
    const EffectiveSchedule schedule(ward.period.data);
    const auto cell = requests::cellWish(schedule, wishes, 2, schedule.dayOf(night));
    ASSERT_TRUE(cell);
    EXPECT_EQ(requests::markText(*cell), "避！");
    EXPECT_EQ(requests::cellNotes(*cell), (QStringList { "希望：日は避けたい（重み9）", "希望と異なる" }));
    EXPECT_EQ(requests::markText(*requests::cellWish(schedule, wishes, 1, schedule.dayOf(night))), "望");

    const QStringList lines = requests::reportLines(schedule, wishes);
    const QStringList expected { "■ 佐藤 ： 希望 3 件，反映 2 件", "　5/13（水） 夜を希望（重み3） ⇒ 8:30～17:15",
        "■ 田中 ： 希望 1 件，反映 0 件", "　5/11（月） 日は避けたい（重み9） ⇒ 8:30～17:15", "",
        "◆ 反映率 50%（2／4 件）" };
    EXPECT_EQ(lines.mid(3), expected) << lines.join('\n').toStdString();
}
