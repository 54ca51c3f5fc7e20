#include "labour/LabourReport.h"
#include "LabourTestData.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

using labour::Key;

namespace {

const QDate kStart(2026, 6, 3); // a Wednesday; the period ends on 11 July

QStringList report(const TFormData& data, const labour::Settings& settings)
{
    const daychanges::EffectiveSchedule schedule(data);
    labour::ReportTotals totals;
    QStringList lines = labour::reportHeading(schedule);
    for (int row = 0; row < schedule.employees(); ++row)
        lines += labour::reportLines(schedule, row, settings, totals);
    return lines + labour::reportClosing(totals);
}

} // namespace

TEST(LabourReport, FindingsByEmployeeAndDateThenThePremiumsOfThoseWhoWorkedAtNightOrOvertime)
{
    Shop shop(kStart,
        { week("山田", off(), {}, "990"), week("佐藤", off()),
            week("鈴木", work(9 * 60, 360, 45), { { 5, off() }, { 6, off() } }) });
    shop.set(0, QDate(2026, 6, 3), work(13 * 60, 540, 60)); // 13:00-23:00
    shop.set(0, QDate(2026, 6, 4), work(8 * 60, 481, 44)); // 9 hours after, too short a break
    shop.set(1, QDate(2026, 6, 5), work(22 * 60, 420, 60)); // 22:00-6:00
    const QStringList lines = report(shop.data, settingsWith({ { Key::MinimumWage, 1000 }, { Key::RunLimit, 0 } }));
    EXPECT_EQ(lines,
        QStringList({ "", "【労務チェック】 2026年6月3日 ～ 2026年7月11日  ＜39 日間＞", "", "■ 山田",
            "　最低賃金未満（¥990／¥1000）", "　6/4（木） 休憩不足（60分以上必要）",
            "　6/4（木） 勤務間インターバル不足（9時間0分）", "", "◆ 指摘 3 件（1 名）", "", "【法定割増の概算】",
            // 990 × (60 × 25 + 61 × 25) ÷ 6,000 = 499.125; 1000 × 420 × 25 ÷ 6,000 = 1,750
            "■ 山田 ： 深夜 1 時間 0 分，時間外 1 時間 1 分，割増 ¥499",
            "■ 佐藤 ： 深夜 7 時間 0 分，時間外 0 時間 0 分，割増 ¥1750", "", "◆ [割増合計]⇒ ¥2249" }));

    EXPECT_EQ(labour::periodCostPremiumLines(2249, 100000),
        QStringList { "◆ [法定割増の概算]⇒ ¥2249  （割増込み ¥102249）" });
    EXPECT_TRUE(labour::periodCostPremiumLines(0, 100000).isEmpty());
}

TEST(LabourReport, WithoutFindingsOrPremiumsTheReportSaysSo)
{
    Shop shop(kStart, { week("山田", work(9 * 60, 480, 60), { { 5, off() }, { 6, off() } }) });
    const QStringList lines = report(shop.data, {});
    EXPECT_EQ(lines.mid(3),
        QStringList({ "", "◆ 指摘はありません．", "", "【法定割増の概算】", "　深夜・時間外の勤務はありません．", "",
            "◆ [割増合計]⇒ ¥0" }));
}

TEST(LabourReport, AWageOrNetMinutesThatIsNoNumberStopsTheReportAsThePeriodCostDoes)
{
    for (const auto& [wage, net] : { std::pair { "千円", "480" }, std::pair { "1000", "八時間" } }) {
        Shop shop(kStart, { week("山田", off()) });
        shop.data.StringGrid1.setCell(1, 0, wage);
        DayEntry day = work(9 * 60, 480, 60);
        day.netMinutes = net;
        shop.set(0, kStart, day);
        const daychanges::EffectiveSchedule schedule(shop.data);
        labour::ReportTotals totals;
        EXPECT_THROW(labour::reportLines(schedule, 0, {}, totals), numbers::ConversionError) << wage << net;
        EXPECT_NO_THROW(labour::CellFindings(schedule, {}).at(0, 0));
    }
}
