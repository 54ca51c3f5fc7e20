#include "requests/RequestView.h"
#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"

#include <gtest/gtest.h>

using daychanges::EffectiveSchedule;
using daychanges::PeriodChoice;
using requests::Kind;

namespace {

const QDate kStart(2026, 5, 12); // a Tuesday; the period runs to 20 June, 40 days

} // namespace

TEST(RequestView, AWishIsHonouredByADayOffOrByAWorkingDayAsItsKindAsks)
{
    const struct {
        QString attribute;
        bool dayOff; // honours 希望休 and 出勤不可
    } cases[] = { { "勤務日", false }, { "公休", true }, { "休み", true }, { "その他", true }, { "", true } };
    for (const auto& c : cases) {
        const DayEntry entry { c.attribute, "0", "00", "0", "00", "0", false };
        EXPECT_EQ(requests::honoured(Kind::DayOff, entry), c.dayOff) << c.attribute.toStdString();
        EXPECT_EQ(requests::honoured(Kind::CannotWork, entry), c.dayOff) << c.attribute.toStdString();
        EXPECT_EQ(requests::honoured(Kind::WantsWork, entry), !c.dayOff) << c.attribute.toStdString();
    }
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
