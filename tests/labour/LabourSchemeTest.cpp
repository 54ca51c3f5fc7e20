// The workplace's schemes in the labour check: overtime under the monthly variable-hours scheme
// with its legal figures, the days off (明け among the working days, four in four weeks), the
// sequence of the patterns, the ward's night hours, and how the report lists the new lines.
#include "LabourTestData.h"
#include "changes/DayText.h"
#include "labour/LabourReport.h"

#include <gtest/gtest.h>

using labour::FindingKind;
using labour::Key;

namespace {

QDate june(int day)
{
    return QDate(2026, 6, day);
}

const QList<QDate> kJune = datesFrom(june(1), 30); // Monday 1 to Tuesday 30 June 2026
const DayEntry kNight = work(16 * 60 + 30, 870, 120); // 夜 16:30-9:00, 14 hours 30 minutes
const DayEntry kDay = work(8 * 60 + 30, 465, 60); // 日 8:30-17:15

labour::Settings monthly(int startDay = 1)
{
    return settingsWith({ { Key::Scheme, labour::kSchemeMonthly }, { Key::SchemeStart, startDay } });
}

} // namespace

TEST(LabourScheme, TheTotalLimitOfAVariableHoursPeriodIsTheWeeklyHoursTimesItsDaysBySeven)
{
    // 労働基準法第32条の2: 40 (or 44) × the period's days ÷ 7, to the minute below.
    const struct {
        int weeklyHours;
        int days;
        QString limit;
    } cases[] = {
        { 40, 28, "160時間00分" },
        { 40, 29, "165時間42分" },
        { 40, 30, "171時間25分" },
        { 40, 31, "177時間08分" },
        { 44, 28, "176時間00分" },
        { 44, 29, "182時間17分" },
        { 44, 30, "188時間34分" },
        { 44, 31, "194時間51分" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(changes::durationText(int(labour::totalLimit(c.weeklyHours * 60, c.days))), c.limit)
            << c.weeklyHours << " hours, " << c.days << " days";
}

TEST(LabourScheme, AVariableHoursPeriodRunsFromItsStartDayToTheDayBeforeItInTheNextMonth)
{
    const struct {
        QDate date;
        int startDay;
        QDate first;
        QDate last;
    } cases[] = {
        { june(1), 1, june(1), june(30) }, { june(30), 1, june(1), june(30) },
        { june(15), 16, QDate(2026, 5, 16), june(15) }, { june(16), 16, june(16), QDate(2026, 7, 15) },
        { QDate(2026, 1, 10), 21, QDate(2025, 12, 21), QDate(2026, 1, 20) }, // across the year end
        { QDate(2026, 2, 27), labour::kLastDayOfMonth, QDate(2026, 1, 31), QDate(2026, 2, 27) },
        { QDate(2026, 2, 28), labour::kLastDayOfMonth, QDate(2026, 2, 28), QDate(2026, 3, 30) },
        { QDate(2028, 2, 28), labour::kLastDayOfMonth, QDate(2028, 1, 31), QDate(2028, 2, 28) }, // a leap year
    };
    for (const auto& c : cases)
        EXPECT_EQ(labour::variablePeriodOf(c.date, c.startDay), (labour::DateRange { c.first, c.last }))
            << c.date.toString().toStdString() << " from " << c.startDay;
}

TEST(LabourScheme, OvertimeComesInThreeStagesTheDayTheWeekAndTheTotalEachLessWhatTheEarlierCounted)
{
    using Minutes = QList<int>;
    const Minutes five500 { 500, 500, 500, 500, 500, 0, 0 };
    const struct {
        const char* what;
        Minutes plan;
        Minutes worked;
        std::optional<qint64> frame;
        QList<labour::DayOvertime> expected; // the days with overtime and theirs: daily, weekly, frame
        QList<int> on;
    } cases[] = {
        { "a day planned over 8 hours: beyond its plan", { 600, 0, 0, 0, 0, 0, 0 }, { 660, 0, 0, 0, 0, 0, 0 }, {},
            { { 60, 0, 0 } }, { 0 } },
        { "a day planned under: beyond 8 hours", { 420, 0, 0, 0, 0, 0, 0 }, { 540, 0, 0, 0, 0, 0, 0 }, {},
            { { 60, 0, 0 } }, { 0 } },
        { "a week planned over its base: beyond its plan", { 480, 480, 480, 480, 480, 300, 0 },
            { 480, 480, 480, 480, 480, 360, 0 }, {}, { { 0, 60, 0 } }, { 5 } },
        { "a week planned under: beyond its base", { 480, 480, 480, 480, 480, 0, 0 },
            { 480, 480, 480, 480, 480, 120, 0 }, {}, { { 0, 120, 0 } }, { 5 } },
        { "the week less the day stage", { 480, 480, 480, 480, 480, 0, 0 }, { 480, 480, 480, 480, 600, 120, 0 }, {},
            { { 120, 0, 0 }, { 0, 120, 0 } }, { 4, 5 } },
        { "the total beyond its frame, on the day it is passed", five500, five500, 2400, { { 0, 0, 100 } }, { 4 } },
        { "the total less the day stage", five500, { 500, 500, 500, 500, 560, 0, 0 }, 2400,
            { { 60, 0, 0 }, { 0, 0, 100 } }, { 4, 4 } },
    };
    for (const auto& c : cases) {
        const QList<labour::DayOvertime> days = labour::overtimeStages(c.plan, c.worked, { 7 }, { 2400 }, c.frame);
        QList<labour::DayOvertime> expected(7);
        for (int k = 0; k < c.on.size(); ++k) {
            labour::DayOvertime& day = expected[c.on[k]];
            day = { day.daily + c.expected[k].daily, day.weekly + c.expected[k].weekly,
                day.frame + c.expected[k].frame };
        }
        EXPECT_EQ(days, expected) << c.what;
    }
}

TEST(LabourScheme, ANightOf16HoursIsOvertimeOnlyWithoutTheSchemeAndUnderItOnlyBeyondTheTotalOnce)
{
    // June: 30 days, a total of 171:25 (10,285 minutes). Eleven nights make 9,570 minutes; a long
    // day on 30 June brings the total to the limit, or one minute beyond.
    const struct {
        const char* what;
        labour::Settings settings;
        int lastDay; // net minutes of 30 June
        labour::WorkMinutes expected; // night, daily, weekly, over sixty, frame
    } cases[] = {
        { "without the scheme", {}, 715, { 11 * 420, 11 * 390 + 235, 0, 11 * 390 + 235 - 3600, 0 } },
        { "at the total", monthly(), 715, { 11 * 420, 0, 0, 0, 0 } },
        { "one minute beyond it", monthly(), 716, { 11 * 420, 0, 0, 0, 1 } },
    };
    for (const auto& c : cases) {
        Roster roster;
        for (int d = 1; d <= 21; d += 2)
            roster.set(june(d), kNight, QStringLiteral("夜"));
        roster.set(june(30), work(8 * 60, c.lastDay, 60));
        const labour::EmployeeCheck check = roster.check(kJune, c.settings);
        EXPECT_EQ(check.minutes, c.expected) << c.what;
        // The first minute beyond the total costs once: 25 % of ¥1,000 for a minute, ¥4.17.
        if (c.expected.frameOvertime == 1) {
            EXPECT_EQ(check.premium, labour::premiumYen(1000, { 11 * 420, 0, 0, 0, 0 }, c.settings) + 4);
        }
    }

    // The period's line: its plan and its total.
    Roster one;
    one.set(june(1), kNight);
    EXPECT_EQ(findings(one.check(kJune, monthly()), FindingKind::VariablePeriod),
        QStringList { "6/1 変形期間 2026/6/1～2026/6/30：計画 14時間30分／総枠 171時間25分" });
    EXPECT_EQ(one.check(kJune, monthly()).minutes.overtime(), 0);
    // A minor has no scheme: the night is overtime beyond 8 hours, and no period's line.
    labour::PersonRules minor;
    minor.birthDate = QDate(2010, 1, 1);
    const labour::EmployeeCheck minors = one.check(kJune, personRules(minor, monthly()));
    EXPECT_EQ(minors.minutes.dailyOvertime, 390);
    EXPECT_TRUE(findings(minors, FindingKind::VariablePeriod).isEmpty());
}

TEST(LabourScheme, AVariableHoursPeriodThatStartsInsideThePeriodReadsItsDaysBeforeAndAfterIt)
{
    // From the 16th: 16 May to 15 June (31 days, 177:08 = 10,628 minutes) and 16 June to 15 July.
    // Sixteen days of 10 hours in May and two in June pass the total on 2 June by 172 minutes.
    Roster roster;
    roster.setFrom(QDate(2026, 5, 16), 18, work(8 * 60, 600, 60));
    roster.set(june(20), kNight);
    const labour::EmployeeCheck check = roster.check(kJune, monthly(16));
    EXPECT_EQ(findings(check, FindingKind::VariablePeriod),
        QStringList({ "6/1 変形期間 2026/5/16～2026/6/15：計画 180時間00分／総枠 177時間08分",
            "6/16 変形期間 2026/6/16～2026/7/15：計画 14時間30分／総枠 171時間25分" }));
    EXPECT_EQ(check.minutes, (labour::WorkMinutes { 420, 0, 0, 0, 172 }));

    // The same days without the scheme: every day beyond 8 hours in June.
    EXPECT_EQ(roster.check(kJune).minutes.dailyOvertime, 2 * 120 + 390);
}

TEST(LabourScheme, 明けIsAWorkingDayForTheWeeklyDayOffTheDaysInARowAndFourDaysOffInFourWeeks)
{
    // Sunday 7 to Saturday 13 June: 日 日 夜 明 日 日 and the Saturday.
    const struct {
        const char* what;
        bool saturdayOff;
        labour::Settings settings;
        QStringList expected;
    } cases[] = {
        { "a week of 明け without another day off", false, settingsWith({ { Key::RunLimit, 6 } }),
            { "6/7 週休日なし", "6/13 連続勤務 7日" } },
        { "the Saturday off", true, settingsWith({ { Key::RunLimit, 6 } }), {} },
    };
    for (const auto& c : cases) {
        Roster roster;
        roster.setFrom(june(7), 2, kDay, QStringLiteral("日"));
        roster.set(june(9), kNight, QStringLiteral("夜"));
        roster.ake(june(10));
        roster.setFrom(june(11), 3, kDay, QStringLiteral("日"));
        if (c.saturdayOff)
            roster.set(june(13), off());
        const labour::EmployeeCheck check = roster.check(kJune, c.settings);
        EXPECT_EQ(findings(check, { FindingKind::NoWeeklyDayOff, FindingKind::DaysInARow }), c.expected) << c.what;
    }

    // Four in four weeks, with four days off in July: counted from the first day set, else from
    // the period's; four weeks that began before the period and four that start inside it; the
    // weekly day off gives way.
    const struct {
        const char* what;
        QDate start;
        QList<QDate> off;
        QDate ake;
        QStringList expected;
    } blocks[] = {
        { "four", june(1), { june(5), june(12), june(19), june(26) }, {}, {} },
        { "three and 明け", june(1), { june(5), june(12), june(19) }, june(26),
            { "6/1 4週4休に不足（2026/6/1～2026/6/28：休日 3 日）" } },
        { "from the period's first day", {}, { june(5), june(12), june(19) }, {},
            { "6/1 4週4休に不足（2026/6/1～2026/6/28：休日 3 日）" } },
        { "from the 15th", june(15), { june(5), june(12), june(26) }, {},
            { "6/1 4週4休に不足（2026/5/18～2026/6/14：休日 2 日）",
                "6/15 4週4休に不足（2026/6/15～2026/7/12：休日 3 日）" } },
    };
    for (const auto& c : blocks) {
        Roster roster;
        roster.setFrom(QDate(2026, 5, 1), 92, kDay);
        for (const int day : { 3, 10, 17, 24 })
            roster.set(QDate(2026, 7, day), off());
        for (const QDate date : c.off)
            roster.set(date, off());
        if (c.ake.isValid())
            roster.ake(c.ake);
        labour::Settings settings = settingsWith({ { Key::DaysOffRule, labour::kFourWeeks } });
        if (c.start.isValid())
            settings.set(Key::FourWeekStart, int(c.start.toJulianDay()));
        const labour::EmployeeCheck check = roster.check(kJune, settings);
        EXPECT_EQ(findings(check, { FindingKind::NoWeeklyDayOff, FindingKind::FourWeekDaysOff }), c.expected) << c.what;
    }
}

TEST(LabourScheme, ThePatternsSequenceIsFoundWhereARuleAsksForIt)
{
    labour::SequenceRules sequence;
    sequence.forbidden = { { "夜", "日" } };
    sequence.runLimits = { { "夜", 2 } };
    const labour::SequenceRules none;
    const QHash<QString, QString> followOn { { "夜", "明" } };
    labour::SequenceRules afterAke;
    afterAke.offAfterAke = true;
    using Codes = QList<std::pair<QDate, QString>>; // 夜, 日, 明 or 休 from a date on
    const struct {
        const char* what;
        Codes days;
        labour::SequenceRules sequence;
        QHash<QString, QString> followOn;
        QStringList expected;
    } cases[] = {
        { "夜 then 日", { { june(10), "夜" }, { june(11), "日" } }, sequence, {}, { "6/11 禁止の並び（夜→日）" } },
        { "日 then 夜", { { june(10), "日" }, { june(11), "夜" } }, sequence, {}, {} },
        { "夜 the day before the period, 日 on its first", { { QDate(2026, 5, 31), "夜" }, { june(1), "日" } },
            sequence, {}, { "6/1 禁止の並び（夜→日）" } },
        { "three nights of at most two, found once",
            { { june(10), "夜" }, { june(11), "夜" }, { june(12), "夜" }, { june(13), "夜" } }, sequence, {},
            { "6/12 連続の上限（夜 3日／上限2日）" } },
        { "two nights", { { june(10), "夜" }, { june(11), "夜" } }, sequence, {}, {} },
        { "a run from before the period",
            { { QDate(2026, 5, 29), "夜" }, { QDate(2026, 5, 30), "夜" }, { QDate(2026, 5, 31), "夜" },
                { june(1), "夜" } },
            sequence, {}, { "6/1 連続の上限（夜 4日／上限2日）" } },
        { "without rules", { { june(10), "夜" }, { june(11), "日" } }, none, {}, {} },
        { "明け then a day off", { { june(10), "夜" }, { june(11), "明" } }, afterAke, {}, {} },
        { "明け then 日", { { june(10), "夜" }, { june(11), "明" }, { june(12), "日" } }, afterAke, {},
            { "6/12 明けの後の休みなし" } },
        { "明け then 明け", { { june(11), "明" }, { june(12), "明" } }, afterAke, {}, { "6/12 明けの後の休みなし" } },
        { "夜 then 明", { { june(10), "夜" }, { june(11), "明" } }, none, followOn, {} },
        { "夜 then a day off", { { june(10), "夜" } }, none, followOn, { "6/10 明けがありません" } },
        { "夜 then 日", { { june(10), "夜" }, { june(11), "日" } }, none, followOn, { "6/10 明けがありません" } },
        { "夜 on the last date, 明 after the period", { { june(30), "夜" }, { QDate(2026, 7, 1), "明" } }, none,
            followOn, {} },
        { "夜 on the last date, nothing after it", { { june(30), "夜" } }, none, followOn,
            { "6/30 明けがありません" } },
    };
    for (const auto& c : cases) {
        Roster roster;
        for (const auto& [date, code] : c.days) {
            if (code == "明")
                roster.ake(date);
            else
                roster.set(date, code == "夜" ? kNight : kDay, code);
        }
        labour::Rules rules;
        rules.sequence = c.sequence;
        rules.followOn = c.followOn;
        const labour::EmployeeCheck check = roster.check(kJune, rules);
        EXPECT_EQ(findings(check,
                      { FindingKind::ForbiddenSequence, FindingKind::CodeRun, FindingKind::NoDayOffAfterAke,
                          FindingKind::NoFollowOn }),
            c.expected)
            << c.what;
    }
}

TEST(LabourScheme, TheReportListsTheNewLinesByDateCountsNoNoteAndTotalsTheNightBandByMonth)
{
    // From Wednesday 3 June: a nurse with two nights, a minor with a day that ends at 17:37.
    Shop shop(QDate(2026, 6, 3), { week("山田", off()), week("佐藤", off()) });
    shop.set(0, june(3), kNight);
    shop.set(0, june(5), kNight);
    shop.set(1, june(4), work(9 * 60, 457, 60));
    shop.set(1, june(6), work(9 * 60, 300, 0));
    labour::Rules rules = settingsWith(
        { { Key::Scheme, labour::kSchemeMonthly }, { Key::NightBand, 16 * 60 + 30 }, { Key::RunLimit, 0 } });
    rules.persons.resize(2);
    rules.persons[1].birthDate = QDate(2008, 6, 5); // 18 on 5 June
    rules.persons[1].maxHours = 10;

    const daychanges::EffectiveSchedule schedule(shop.data);
    labour::ReportTotals totals;
    QStringList lines;
    for (int row = 0; row < 2; ++row)
        lines += labour::reportLines(schedule, row, rules, totals);
    lines += labour::reportClosing(totals);
    EXPECT_EQ(lines,
        QStringList({ "■ 山田", "　6/3（水） 変形期間 2026/6/1～2026/6/30：計画 29時間00分／総枠 171時間25分",
            "　7/1（水） 変形期間 2026/7/1～2026/7/31：計画 0時間00分／総枠 177時間08分", "■ 佐藤",
            "　6/6（土） 勤務時間の上限超過（12時間37分／上限10時間）",
            // June held days of a minor: no scheme there.
            "　7/1（水） 変形期間 2026/7/1～2026/7/31：計画 0時間00分／総枠 177時間08分", "", "◆ 指摘 1 件（1 名）", "",
            // 1,740 + 67 minutes inside 16:30-8:30 by two people: 15.05 hours, cut to 15.0.
            "◆ 夜勤時間 2026年6月：延べ 30時間07分／従事者 2 名＝平均 15.0 時間",
            "◆ 夜勤時間 2026年7月：延べ 0時間00分／従事者 0 名＝平均 0.0 時間", "", "【法定割増の概算】",
            "■ 山田 ： 深夜 14 時間 0 分，時間外 0 時間 0 分，割増 ¥3500", "", "◆ [割増合計]⇒ ¥3500" }))
        << lines.join('\n').toStdString();

    // The change window marks findings, never notes; a minor's night the day before the 18th
    // birthday is marked on its date.
    shop.set(1, june(4), work(16 * 60, 360, 60)); // 16:00-23:00
    const daychanges::EffectiveSchedule changed(shop.data);
    const labour::CellFindings cells(changed, rules);
    EXPECT_TRUE(cells.at(0, 0).isEmpty());
    EXPECT_EQ(cells.at(1, 1), QStringList { "年少者の深夜業（22時～5時）" });
    EXPECT_EQ(cells.at(1, 3), QStringList { "勤務時間の上限超過（11時間00分／上限10時間）" });
}
