// The labour rules over a period, one table per rule at the boundaries that matter. The period
// runs from Wednesday 3 June to 11 July 2026, so the week from Sunday 31 May crosses its start.
#include "LabourTestData.h"
#include "changes/DayShift.h"

#include <gtest/gtest.h>

using labour::FindingKind;
using labour::Key;

namespace {

const QDate kStart(2026, 6, 3);
constexpr int k9 = 9 * 60;

QDate june(int day)
{
    return QDate(2026, 6, day);
}

} // namespace

TEST(LabourRules, ABreakShorterThanTheWorkingTimeAsksIsFound)
{
    const struct {
        int w;
        int b;
        QString finding;
    } cases[] = {
        { 360, 0, {} },
        { 361, 44, "6/3 休憩不足（45分以上必要）" },
        { 361, 45, {} },
        { 480, 44, "6/3 休憩不足（45分以上必要）" },
        { 480, 45, {} },
        { 481, 59, "6/3 休憩不足（60分以上必要）" },
        { 481, 44, "6/3 休憩不足（60分以上必要）" }, // one finding, the stricter
        { 481, 60, {} },
        { 600, 60, {} },
    };
    for (const auto& c : cases) {
        Shop shop(kStart);
        shop.set(0, kStart, work(22 * 60, c.w, c.b)); // past midnight: the break is span − w all the same
        EXPECT_EQ(
            findings(shop.check(), FindingKind::Break), c.finding.isEmpty() ? QStringList() : QStringList { c.finding })
            << c.w << " minutes, break " << c.b;
    }
}

TEST(LabourRules, OvertimeCountsBeyondEightHoursADayTheWeeklyHoursAndSixtyHoursAMonth)
{
    using Days = QList<std::pair<QDate, int>>; // a date and its net minutes (9:00 start, 60 minutes' break)
    const Days fiveFull { { june(8), 480 }, { june(9), 480 }, { june(10), 480 }, { june(11), 480 }, { june(12), 480 } };
    const struct {
        const char* what;
        Days days;
        labour::Settings settings;
        labour::WorkMinutes expected; // night, daily, weekly, over sixty
    } cases[] = {
        { "the 2,400th minute of a week", fiveFull, {}, { 0, 0, 0, 0 } },
        { "one minute over 8 hours is daily, not weekly", Days(fiveFull).mid(0, 4) << std::pair { june(12), 481 }, {},
            { 0, 1, 0, 0 } },
        { "the 2,401st minute", Days(fiveFull) << std::pair { june(13), 60 }, {}, { 0, 0, 60, 0 } },
        { "44 hours: the 2,640th minute", Days(fiveFull) << std::pair { june(13), 240 },
            settingsWith({ { Key::WeeklyHours, 44 } }), { 0, 0, 0, 0 } },
        { "44 hours: the 2,641st minute", Days(fiveFull) << std::pair { june(13), 241 },
            settingsWith({ { Key::WeeklyHours, 44 } }), { 0, 0, 1, 0 } },
        { "a day's overtime does not count toward the week", Days(fiveFull).mid(0, 4) << std::pair { june(12), 600 },
            {}, { 0, 120, 0, 0 } },
    };
    for (const auto& c : cases) {
        Shop shop(kStart);
        for (const auto& [date, w] : c.days)
            shop.set(0, date, work(k9, w, 60));
        EXPECT_EQ(shop.check(0, c.settings).minutes, c.expected) << c.what;
    }

    // A week that crosses the period's start: Monday and Tuesday before it work by the standard
    // week and count toward the week; the overtime falls on a period date only. Weeks from
    // Thursday put the same days into other weeks.
    Shop crossing(kStart, { week("山田", off(), { { 0, work(k9, 480, 60) }, { 1, work(k9, 480, 60) } }) });
    crossing.setFrom(0, kStart, 4, work(k9, 480, 60)); // Wednesday to Saturday
    EXPECT_EQ(crossing.check().minutes, (labour::WorkMinutes { 0, 0, 480, 0 }));
    EXPECT_EQ(crossing.check(0, settingsWith({ { Key::WeekStart, 5 } })).minutes, (labour::WorkMinutes {}));

    // Overtime of June beyond 3,600 minutes: Monday to Thursday 200 minutes a day over 8 hours
    // make 3,600 in June's 18 such days (the weekly hours are never reached); one more minute
    // on a Friday is the first beyond. July starts over.
    Shop month(QDate(2026, 6, 1),
        { week("山田", off(),
            { { 0, work(k9, 680, 60) }, { 1, work(k9, 680, 60) }, { 2, work(k9, 680, 60) },
                { 3, work(k9, 680, 60) } }) });
    EXPECT_EQ(month.check().minutes.overSixty, 0);
    month.set(0, june(26), work(k9, 481, 60));
    EXPECT_EQ(month.check().minutes.overSixty, 1);
}

TEST(LabourRules, NightMinutesLieBetween22And5WithTheBreakOutsideThemAsFarAsItFits)
{
    const struct {
        int start;
        int w;
        int b;
        int night;
    } cases[] = {
        { 22 * 60, 420, 0, 420 }, // 22:00-5:00
        { 4 * 60, 300, 0, 60 }, // 4:00-9:00
        { 22 * 60, 420, 60, 420 }, // 22:00-6:00: the break fits into 5:00-6:00
        { 22 * 60, 360, 120, 360 }, // 22:00-6:00: half the break falls into the night
        { 21 * 60, 120, 0, 60 }, // 21:00-23:00
        { 5 * 60, 1020, 0, 0 }, // 5:00-22:00
        { 24 * 60, 300, 0, 300 }, // 24:00-5:00
        { 23 * 60, 1380, 60, 420 }, // 23:00 to 23:00 the next day
        { 9 * 60, 0, 0, 0 }, // end equals start, nothing worked
    };
    for (const auto& c : cases) {
        const auto shift = daychanges::shiftOf(work(c.start, c.w, c.b));
        ASSERT_TRUE(shift);
        EXPECT_EQ(labour::nightMinutes(*shift), c.night) << c.start << " for " << c.w << " + " << c.b;
    }

    // Counted on the period's dates: the night shift of the day before the period is not.
    Shop shop(kStart, { week("山田", off(), { { 1, work(22 * 60, 420, 60) } }) }); // Tuesdays
    shop.set(0, kStart, work(22 * 60, 420, 60));
    const labour::EmployeeCheck check = shop.check();
    const int tuesdays = 5; // 9, 16, 23 and 30 June and 7 July: the period ends on 11 July
    EXPECT_EQ(check.minutes.night, 420 * (1 + tuesdays));
}

TEST(LabourRules, AWeekWithoutADayOffIsFoundOnItsFirstDateInThePeriod)
{
    const DayEntry day = work(k9, 480, 60);
    const struct {
        const char* what;
        QList<std::pair<int, DayEntry>> standard; // standard week days (0 = Monday) that differ from a day off
        QList<std::pair<QDate, int>> runs; // changes: working days from a date on
        QList<QDate> leave; // changes: days of leave
        int weekStart;
        QStringList expected;
    } cases[] = {
        { "Sunday to Saturday at work", {}, { { june(7), 7 } }, {}, 1, { "6/7 週休日なし" } },
        { "a day of leave in the week", {}, { { june(7), 7 } }, { june(10) }, 1, {} },
        { "weeks from Monday split the run", {}, { { june(7), 7 } }, {}, 2, {} },
        { "the week crossing the start, at work before it", { { 6, day }, { 0, day }, { 1, day } }, { { kStart, 4 } },
            {}, 1, { "6/3 週休日なし" } },
        { "the week crossing the start, a day off before it", { { 6, day }, { 0, day } }, { { kStart, 4 } }, {}, 1,
            {} },
    };
    for (const auto& c : cases) {
        Shop shop(kStart, { week("山田", off(), c.standard) });
        for (const auto& [first, days] : c.runs)
            shop.setFrom(0, first, days, day);
        for (const QDate date : c.leave)
            shop.set(0, date, dayOff("休み"));
        const labour::Settings settings = settingsWith({ { Key::WeekStart, c.weekStart } });
        EXPECT_EQ(findings(shop.check(0, settings), FindingKind::NoWeeklyDayOff), c.expected) << c.what;
    }
}

TEST(LabourRules, ARunOfWorkingDaysBeyondTheLimitIsFoundOnceWhereItPassesIt)
{
    const DayEntry day = work(k9, 480, 60);
    const struct {
        const char* what;
        bool everyDayStandard;
        int days; // at work from the period's start
        QList<QDate> leave;
        int limit;
        QStringList expected;
    } cases[] = {
        { "6 days", false, 6, {}, 6, {} },
        { "7 days", false, 7, {}, 6, { "6/9 連続勤務 7日" } },
        { "7 days, limit 7", false, 7, {}, 7, {} },
        { "no check", false, 20, {}, 0, {} },
        { "two runs", false, 20, { june(10) }, 6, { "6/9 連続勤務 7日", "6/17 連続勤務 7日" } },
        { "a run from before the period, 31 days back at most", true, 0, {}, 6, { "6/3 連続勤務 32日" } },
    };
    for (const auto& c : cases) {
        Shop shop(kStart, { week("山田", c.everyDayStandard ? day : off()) });
        shop.setFrom(0, kStart, c.days, day);
        for (const QDate date : c.leave)
            shop.set(0, date, dayOff("休み"));
        const labour::Settings settings = settingsWith({ { Key::RunLimit, c.limit } });
        EXPECT_EQ(findings(shop.check(0, settings), FindingKind::DaysInARow), c.expected) << c.what;
    }
}

TEST(LabourRules, TooShortARestOrAnOverlapWithThePreviousDaysShiftIsFoundOnTheLaterDate)
{
    const DayEntry late = work(9 * 60, 720, 60); // 9:00-22:00
    const struct {
        const char* what;
        DayEntry tuesday; // the standard week's, the day before the period
        DayEntry first; // 3 June
        DayEntry second; // 4 June
        int hours;
        QStringList expected;
    } cases[] = {
        { "10:59", off(), late, work(8 * 60 + 59, 480, 60), 11, { "6/4 勤務間インターバル不足（10時間59分）" } },
        { "11:00", off(), late, work(k9, 480, 60), 11, {} },
        { "11:00 under 12 hours", off(), late, work(k9, 480, 60), 12, { "6/4 勤務間インターバル不足（11時間0分）" } },
        { "no check", off(), late, work(8 * 60, 480, 60), 0, {} },
        { "touching shifts", off(), work(22 * 60, 480, 60), work(7 * 60, 480, 60), 11,
            { "6/4 勤務間インターバル不足（0時間0分）" } },
        { "a night to 9:00 and a day from 8:30", off(), work(16 * 60 + 30, 870, 120), work(8 * 60 + 30, 480, 45), 11,
            { "6/4 勤務の重複（0時間30分）" } },
        { "an overlap also without the rest check", off(), work(22 * 60, 540, 60), work(7 * 60, 480, 60), 0,
            { "6/4 勤務の重複（1時間00分）" } },
        { "a shift inside the night before", off(), work(20 * 60, 660, 60), work(2 * 60, 180, 0), 11,
            { "6/4 勤務の重複（3時間00分）" } },
        { "a day off between", off(), late, dayOff("休み"), 11, {} },
        { "the day before the period", work(13 * 60, 540, 60), work(8 * 60, 480, 60), off(), 11,
            { "6/3 勤務間インターバル不足（9時間0分）" } },
    };
    for (const auto& c : cases) {
        Shop shop(kStart, { week("山田", off(), { { 1, c.tuesday } }) });
        shop.set(0, june(3), c.first);
        shop.set(0, june(4), c.second);
        const labour::Settings settings = settingsWith({ { Key::RestHours, c.hours } });
        const labour::EmployeeCheck check = shop.check(0, settings);
        EXPECT_EQ(findings(check, FindingKind::ShortRest) + findings(check, FindingKind::Overlap), c.expected)
            << c.what;
    }
}

TEST(LabourRules, AWageBelowTheMinimumIsFoundOnceAndAWageThatIsNoNumberCostsNothing)
{
    const struct {
        QString wage;
        int minimum;
        QStringList expected;
    } cases[] = {
        { "999", 1000, { "最低賃金未満（¥999／¥1000）" } },
        { "1000", 1000, {} },
        { "1", 0, {} }, // no check
        { "千円", 1000, {} },
    };
    for (const auto& c : cases) {
        Shop shop(kStart, { week("山田", work(22 * 60, 420, 60), {}, c.wage) });
        const labour::EmployeeCheck check = shop.check(0, settingsWith({ { Key::MinimumWage, c.minimum } }));
        EXPECT_EQ(findings(check, FindingKind::MinimumWage), c.expected) << c.wage.toStdString();
        EXPECT_EQ(check.premium > 0, c.wage != "千円") << c.wage.toStdString();
    }
}

TEST(LabourRules, ThePremiumIsExactAndRoundedHalfUpOnceForTheEmployee)
{
    const labour::Settings rates = settingsWith({ { Key::NightRate, 30 }, { Key::OverSixtyRate, 60 } });
    EXPECT_EQ(labour::premiumYen(1000, { 60, 0, 0, 0 }, rates), 300); // 60 × 30 % of ¥1000 / 60
    EXPECT_EQ(labour::premiumYen(1000, { 0, 60, 60, 60 }, rates), 500 + 350); // 25 % on 120, 35 % more on 60
    EXPECT_EQ(labour::premiumYen(1, { 0, 120, 0, 0 }, {}), 1); // ¥0.5
    EXPECT_EQ(labour::premiumYen(1, { 0, 119, 0, 0 }, {}), 0); // ¥0.4958…

    // Two nights of 1 minute at ¥96: ¥0.4 each would round to nothing each; once, ¥0.8 is ¥1.
    Shop shop(kStart, { week("山田", off(), {}, "96") });
    shop.set(0, june(3), work(4 * 60 + 59, 301));
    shop.set(0, june(4), work(4 * 60 + 59, 301));
    EXPECT_EQ(shop.check().minutes.night, 2);
    EXPECT_EQ(shop.check().premium, 1);
}
