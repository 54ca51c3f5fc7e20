// The lines of the main window's reports and the usage state, computed without widgets.
#include "shell/Reports.h"
#include "data/Table.h"
#include "shell/DayPay.h"
#include "shell/UsageState.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

Table masterWith(const QList<QStringList>& rows)
{
    Table master { 44, 30 };
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            master.setCell(c, r, rows[r][c]);
    return master;
}

// A week with one weekday (0 = Monday) changed.
QStringList withDay(QStringList cells, int day, const QStringList& block, const QString& minutes)
{
    for (int i = 0; i < 5; ++i)
        cells[2 + 5 * day + i] = block[i];
    cells[37 + day] = minutes;
    return cells;
}

} // namespace

TEST(DayPay, WholeHoursAtTheWageAndAPartHourAsAWholeFraction)
{
    struct Case {
        int minutes;
        int hours, rest;
        qint64 pay;
    };
    // Wage 1000: 7 hours plus remainders 0 to 55 minutes, and a day without working time.
    const Case cases[] = { { 420, 7, 0, 7000 }, { 425, 7, 5, 7083 }, { 430, 7, 10, 7166 }, { 435, 7, 15, 7250 },
        { 440, 7, 20, 7333 }, { 445, 7, 25, 7500 }, { 450, 7, 30, 7500 }, { 455, 7, 35, 8000 }, { 475, 7, 55, 8000 },
        { 35, 0, 35, 1000 }, { 0, 0, 0, 0 },
        // A hand-edited file may hold minutes that are no multiple of 5: 60 div 7 = 8.
        { 427, 7, 7, 7125 } };
    for (const Case& c : cases) {
        const DayPay day = dayPay(1000, c.minutes);
        EXPECT_EQ(day.hours, c.hours) << c.minutes;
        EXPECT_EQ(day.minutes, c.rest) << c.minutes;
        EXPECT_EQ(day.pay, c.pay) << c.minutes;
    }
}

TEST(IndividualWeek, WorkingDaysShowTimesAsStoredAndPayDaysOffShowTheirAttribute)
{
    QStringList week = withDay(sampleEmployee("山田"), 1, { "勤務日", "9", "5", "17", "30" }, "445");
    week = withDay(week, 2, { "勤務日", "10", "00", "10", "00" }, "0");
    week = withDay(week, 3, { "休み", "0", "00", "0", "00" }, "0");
    week = withDay(week, 4, { "その他", "0", "00", "0", "00" }, "0");
    const QStringList lines = individualWeek(masterWith({ sampleEmployee("佐藤"), week }), "山田");
    const QStringList expected { "", "■ 山田 ■", "", "－時給 1000円－", QString(),
        "--------------------------- 月曜日 ---------------------------", "出 9:00", "退 17:30", "実労時間 7時間 30分",
        "月曜日給料 7500円", "--------------------------- 火曜日 ---------------------------", "出 9:5", "退 17:30",
        "実労時間 7時間 25分", "火曜日給料 7500円", "--------------------------- 水曜日 ---------------------------",
        "出 10:00", "退 10:00", "実労時間 0時間 0分", "水曜日給料 0円",
        "--------------------------- 木曜日 ---------------------------", "[ 休み ]",
        "--------------------------- 金曜日 ---------------------------", "[ その他 ]",
        "--------------------------- 土曜日 ---------------------------", "[ 公休 ]",
        "--------------------------- 日曜日 ---------------------------", "[ 公休 ]",
        "--------------------------------------------------------------", "", "※ 週間勤務日数．．． 3 日",
        "※ 週間給料合計額．．． 15000 円", QString() };
    EXPECT_EQ(lines, expected);
}

TEST(IndividualWeek, TheLastRowOfAFullMasterIsFound)
{
    QList<QStringList> rows;
    for (int r = 0; r < 30; ++r)
        rows << sampleEmployee(QStringLiteral("社員%1").arg(r));
    const QStringList lines = individualWeek(masterWith(rows), "社員29");
    EXPECT_EQ(lines.value(1), "■ 社員29 ■");
    EXPECT_EQ(lines.count("※ 週間勤務日数．．． 5 日"), 1);
}

TEST(IndividualWeek, EachRowOfARepeatedNameCountsItsOwnWeek)
{
    const QStringList lines = individualWeek(masterWith({ sampleEmployee("同名"), sampleEmployee("同名") }), "同名");
    EXPECT_EQ(lines.count("※ 週間給料合計額．．． 37500 円"), 2);
    EXPECT_EQ(lines.count("※ 週間勤務日数．．． 5 日"), 2);
}

TEST(DutyList, EachAttributeHasItsLinesAndOnlyWorkingDaysCount)
{
    struct Case {
        QString attribute;
        QStringList lines;
    };
    const QStringList work { "〇 山田", "出 9:00", "退 17:30", "実労時間 7時間 30分", "本日給料 7500円",
        "－時給 1000円－", QString() };
    const Case cases[] = {
        { "勤務日", work },
        { "公休", { "☆ 山田", "[公休日]", QString() } },
        { "休み", { "× 山田", "[休  み]", QString() } },
        { "その他", { "－ 山田", "[その他]", QString() } },
    };
    for (const Case& c : cases) {
        QStringList cells = sampleEmployee("山田");
        cells[2] = c.attribute; // Monday
        DutyTotals totals;
        EXPECT_EQ(dutyLines(masterWith({ cells }), 0, 2, totals), c.lines) << c.attribute.toStdString();
        const bool working = c.attribute == "勤務日";
        EXPECT_EQ(totals.workers, working ? 1 : 0);
        EXPECT_EQ(totals.labourCost, working ? 7500 : 0);
    }
    DutyTotals totals;
    EXPECT_EQ(dutyLines(masterWith({ sampleEmployee("山田") }), 0, 0, totals),
        (QStringList { "", "- ▼ 不定情報検出 -", QString() }));
}

TEST(DutyList, SundayReadsTheSundayBlockAndTheListClosesWithTheTotals)
{
    const QStringList sunday = withDay(sampleEmployee("日曜"), 6, { "勤務日", "22", "00", "6", "00" }, "420");
    const QStringList saturday = withDay(sampleEmployee("土曜"), 5, { "勤務日", "8", "00", "12", "30" }, "270");
    const Table master = masterWith({ sampleEmployee("平日"), sunday, saturday });
    DutyTotals saturdayTotals;
    EXPECT_EQ(dutyLines(master, 1, 7, saturdayTotals).value(0), "☆ 日曜");
    EXPECT_EQ(dutyLines(master, 2, 7, saturdayTotals).mid(0, 5),
        (QStringList { "〇 土曜", "出 8:00", "退 12:30", "実労時間 4時間 30分", "本日給料 4500円" }));
    EXPECT_EQ(saturdayTotals.labourCost, 4500);
    DutyTotals totals;
    EXPECT_EQ(dutyLines(master, 0, 1, totals).value(1), "[公休日]");
    const QStringList lines = dutyLines(master, 1, 1, totals);
    EXPECT_EQ(lines.mid(1, 4), (QStringList { "出 22:00", "退 6:00", "実労時間 7時間 0分", "本日給料 7000円" }));
    EXPECT_EQ(dutyClosingLines(totals),
        (QStringList { "", "", "------------------------------------", "◇ 本日勤務者合計 ⇒ 1 人",
            "◆ 本日人件費合計 ⇒ 7000 円", "------------------------------------", "",
            "※ 実労時間とは，休憩時間を除外．", "※ 本日給料とは，実労時間で算出．" }));
}

TEST(WeeklyCost, EmployeeLineAndClosingLineShowTheYenSign)
{
    const Table master = masterWith({ sampleEmployee("山田") });
    CostTotals totals;
    EXPECT_EQ(costLine(master, 0, totals),
        "■山田 □月：7500□火：7500□水：7500□木：7500□金：7500□土：0□日：0 ◆ [週間合計]⇒ ¥37500");
    const QString closing = costClosingLine(totals);
    EXPECT_EQ(closing,
        QStringLiteral("※ 曜日別集計額　□月：¥7500□火：¥7500□水：¥7500□木：¥7500□金：¥7500□土：¥0□日：¥0"
                       "　◆ [週間人件費集計額]⇒ ¥37500"));
    EXPECT_FALSE(closing.contains(u'\\')) << "a backslash would read as a wrong amount";
    EXPECT_EQ(costClosingLine({}),
        QStringLiteral("※ 曜日別集計額　□月：¥0□火：¥0□水：¥0□木：¥0□金：¥0□土：¥0□日：¥0"
                       "　◆ [週間人件費集計額]⇒ ¥0"));
}

TEST(WeeklyCost, TotalsOfThirtyLargeWeeksDoNotOverflow)
{
    QStringList cells = sampleEmployee("最大");
    cells[1] = "99999";
    for (int day = 0; day < 7; ++day)
        cells[37 + day] = "9999"; // 166 h 39 min
    const Table master = masterWith(QList<QStringList>(30, cells));
    CostTotals totals;
    for (int row = 0; row < 30; ++row)
        costLine(master, row, totals);
    EXPECT_TRUE(costClosingLine(totals).endsWith(QStringLiteral("⇒ ¥%1").arg(30LL * 7 * (99999LL * 166 + 99999))));
}

TEST(RegistrationList, OneLineWithWageAndTheStandardWeekAsStored)
{
    QStringList cells = sampleEmployee("山田");
    cells[1] = "900";
    cells = withDay(cells, 0, { "勤務日", "9", "00", "17", "00" }, "420");
    for (int day = 1; day < 7; ++day)
        cells = withDay(cells, day, { "公休", "0", "00", "0", "00" }, "0");
    const QString line = registrationLine(masterWith({ cells }), 0);
    EXPECT_EQ(line,
        QStringLiteral("【山田】 ¥900 ⇒ □月：勤務日9:00～17:00□火：公休0:00～0:00□水：公休0:00～0:00□木：公休0:00～0:"
                       "00□金：公休0:00～0:00□土：公休0:00～0:00□日：公休0:00～0:00"));
}

namespace {

Table schedule(const QStringList& header)
{
    Table t { 40, 5 };
    for (int c = 0; c < header.size(); ++c)
        t.setCell(c, 0, header[c]);
    return t;
}

const Notice kInvalid { Notice::Kind::Error,
    QStringLiteral("【勤務期間設定異常】\r\n\r\n▼ 初期設定メニューから，勤務期間設定を実行してください．\r\n\r\n▽ "
                   "勤務期間更新必要．\r\n\r\n▽ 当該処理無効．\r\n") };

} // namespace

TEST(UsageState, ThePeriodGaugeCountsFromTheStartAndBackFromTheEnd)
{
    const Table june = schedule({ "2024", "6", "1", "2024", "7", "9", "39" });
    struct Case {
        QDate startup;
        int progress;
        bool renewal;
    };
    const Case cases[]
        = { { QDate(2024, 6, 1), 1, false }, { QDate(2024, 6, 10), 9, false }, { QDate(2024, 7, 3), 33, false },
              { QDate(2024, 7, 9), 39, true }, { QDate(2024, 8, 20), 0, true }, { QDate(2024, 7, 15), 0, true } };
    for (const Case& c : cases) {
        const UsageState usage = usageState(june, 3, c.startup);
        ASSERT_TRUE(usage.periodValid);
        EXPECT_EQ(usage.periodMaximum, 39);
        EXPECT_EQ(usage.periodProgress, c.progress) << c.startup.toString().toStdString();
        EXPECT_EQ(usage.periodNotices.size(), c.renewal ? 2 : 0) << c.startup.toString().toStdString();
    }
    const QList<Notice> renewal = usageState(june, 3, QDate(2024, 7, 9)).periodNotices;
    EXPECT_EQ(renewal[0].kind, Notice::Kind::Error);
    EXPECT_TRUE(renewal[0].text.startsWith("【勤務期間未更新エラー】"));
    EXPECT_EQ(renewal[1], (Notice { Notice::Kind::Plain, "※ 引き続き，従業員マスタ使用率をゲージ表示します．" }));
}

TEST(UsageState, APeriodAcrossTheYearEndIsJudgedInItsStartAndItsEndYear)
{
    const Table winter = schedule({ "2024", "12", "20", "2025", "1", "28", "40" });
    const UsageState december = usageState(winter, 3, QDate(2024, 12, 22));
    EXPECT_TRUE(december.periodValid);
    EXPECT_EQ(december.periodProgress, 2);
    const UsageState january = usageState(winter, 3, QDate(2025, 1, 10));
    EXPECT_TRUE(january.periodValid);
    EXPECT_EQ(january.periodProgress, 40 + 10 - 28);
    EXPECT_TRUE(january.periodNotices.isEmpty());

    for (const QDate startup : { QDate(2026, 1, 10), QDate(2023, 12, 22) }) {
        const UsageState stale = usageState(winter, 3, startup);
        EXPECT_FALSE(stale.periodValid);
        EXPECT_EQ(stale.periodNotices, QList<Notice> { kInvalid });
    }
    EXPECT_FALSE(usageState(schedule({ "2024", "6", "1", "2024", "7", "x", "39" }), 3, QDate(2024, 6, 1)).periodValid)
        << "a header that is not numbers is no valid period";
}

TEST(UsageState, TheEmployeeGaugeTellsOfAnEmptyAndAFullMaster)
{
    const Table june = schedule({ "2024", "6", "1", "2024", "7", "9", "39" });
    EXPECT_EQ(usageState(june, 0, QDate(2024, 6, 5)).masterNotices.value(0).kind, Notice::Kind::Information);
    EXPECT_TRUE(usageState(june, 29, QDate(2024, 6, 5)).masterNotices.isEmpty());
    const UsageState full = usageState(june, 30, QDate(2024, 6, 5));
    EXPECT_EQ(full.employees, 30);
    ASSERT_EQ(full.masterNotices.size(), 1);
    EXPECT_EQ(full.masterNotices[0].kind, Notice::Kind::Warning);
    EXPECT_TRUE(full.masterNotices[0].text.startsWith("【従業員マスタ登録限度値】"));
}
