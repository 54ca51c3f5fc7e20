#include "views/ScheduleView.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Numbers.h"
#include "views/Calendar.h"
#include "views/ViewsTestData.h"

#include <gtest/gtest.h>

namespace {

// The data holder with a period registered from start and the given employees.
struct Data {
    explicit Data(QDate start, const QList<QStringList>& employees = {})
    {
        registerPeriod(data.StringGrid2, start, 1);
        for (int e = 0; e < employees.size(); ++e)
            putEmployee(data.StringGrid1, e, employees[e]);
    }
    TFormData data;
};

} // namespace

TEST(ScheduleView, SymbolsFollowTheAttributeAndAnythingElseLeavesTheCellEmpty)
{
    const struct {
        QString attribute, symbol;
    } cases[]
        = { { "勤務日", "〇" }, { "休み", "×" }, { "公休", "☆" }, { "その他", "－" }, { "勤務", "" }, { "", "" } };
    for (const auto& c : cases)
        EXPECT_EQ(scheduleview::symbolOf(c.attribute), c.symbol) << c.attribute.toStdString();
}

TEST(ScheduleView, DayHeaderGivesEveryDayThreePositions)
{
    Data d(QDate(2024, 1, 30)); // 31 days: 30 January to 29 February
    const scheduleview::Computation c = scheduleview::compute(d.data);
    EXPECT_TRUE(c.dayHeader.startsWith(QStringLiteral("30 31  1  2  3  4 ")));
    EXPECT_TRUE(c.dayHeader.endsWith(QStringLiteral("28 29 ")));
    EXPECT_EQ(c.dayHeader.size(), 31 * 3);
    EXPECT_TRUE(c.weekdayHeader.startsWith(QStringLiteral("火 水 木 金 土 日 月 ")));
    EXPECT_EQ(c.weekdayHeader.size(), 31 * 2);
    EXPECT_EQ(
        c.lines, QStringList({ c.dayHeader, c.weekdayHeader, QString(101, u'-') + QStringLiteral("⇒ Day Line") }));
    EXPECT_FALSE(c.dataError);

    // A day count larger than the days written stops the header at the first filler "999".
    d.data.StringGrid2.setCell(6, 0, QStringLiteral("40"));
    EXPECT_EQ(scheduleview::compute(d.data).dayHeader, c.dayHeader);
}

TEST(ScheduleView, ShortAndLongPeriodsFillTheirDaysAndNoMore)
{
    for (const auto& [start, days] : { std::pair { QDate(2025, 1, 31), 29 }, std::pair { QDate(2024, 1, 1), 40 } }) {
        Data d(start, { sampleEmployee(QStringLiteral("山田")) });
        const scheduleview::Computation c = scheduleview::compute(d.data);
        ASSERT_EQ(c.days, days);
        EXPECT_EQ(c.dayHeader.size(), days * 3);
        EXPECT_EQ(c.weekdayHeader.size(), days * 2);
        const QString line = scheduleview::employeeLine(d.data.StringGrid3, 0, c.days);
        EXPECT_EQ(line.count(QStringLiteral("〇")) + line.count(QStringLiteral("☆")), days);
        for (int col = 0; col < 40; ++col) {
            EXPECT_EQ(d.data.StringGrid3.cell(col, 0).isEmpty(), col >= days) << col;
            EXPECT_EQ(d.data.StringGrid4.cell(col, 0).isEmpty(), col >= days) << col;
        }
        EXPECT_EQ(d.data.StringGrid3.cell(40, 0), QStringLiteral("山田"));
    }
}

TEST(ScheduleView, EachDayTakesTheSymbolOfItsWeekday)
{
    // 1 April 2024 is a Monday; Tuesday is a regular day off, Wednesday an unknown value.
    QStringList cells = withDay(sampleEmployee(QStringLiteral("鈴木")), 1, QStringLiteral("公休"));
    cells = withDay(cells, 2, QStringLiteral("不明"));
    cells = withDay(cells, 6, QStringLiteral("休み"));
    Data d(QDate(2024, 4, 1), { sampleEmployee(QStringLiteral("山田")), cells });
    const scheduleview::Computation c = scheduleview::compute(d.data);
    ASSERT_EQ(c.employees, 2);
    EXPECT_TRUE(
        scheduleview::employeeLine(d.data.StringGrid3, 0, c.days).startsWith(QStringLiteral("〇 〇 〇 〇 〇 ☆ ☆ 〇 ")));
    // Monday, Tuesday, the unknown Wednesday (one blank), Thursday, Friday, Saturday, Sunday.
    const QString line = scheduleview::employeeLine(d.data.StringGrid3, 1, c.days);
    EXPECT_TRUE(line.startsWith(QStringLiteral("〇 ☆  〇 〇 ☆ × 〇 ☆  "))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral("  【鈴木】")));
    for (int day = 0; day < c.days; ++day) {
        const int code = numbers::toInt(d.data.StringGrid2.cell(day, 2));
        if (code == 3) {
            EXPECT_EQ(d.data.StringGrid3.cell(day, 1), QStringLiteral("☆")) << day;
        } else if (code == 4) {
            EXPECT_EQ(d.data.StringGrid3.cell(day, 1), QString()) << day;
        }
    }
}

TEST(ScheduleView, NoEmployeeGivesHeadersOnly)
{
    Data d(QDate(2024, 5, 7));
    const scheduleview::Computation c = scheduleview::compute(d.data);
    EXPECT_EQ(c.employees, 0);
    EXPECT_FALSE(c.dataError);
    EXPECT_EQ(scheduleview::closingLines(c),
        QStringList({ c.lines[2], c.weekdayHeader, c.dayHeader, QString(), QString(),
            QStringLiteral("[重要事項] 印刷実行で，当該スケジュール表は整形されプリント・アウトされます．") }));
}

TEST(ScheduleView, ABadWeekdayOfTheFirstDayStopsWithoutAWeekdayHeader)
{
    Data d(QDate(2024, 5, 7), { sampleEmployee(QStringLiteral("山田")) });
    d.data.StringGrid2.setCell(0, 2, QStringLiteral("8"));
    const scheduleview::Computation c = scheduleview::compute(d.data);
    EXPECT_TRUE(c.dataError);
    EXPECT_TRUE(c.weekdayHeader.isEmpty());
    ASSERT_EQ(c.lines.size(), 6);
    EXPECT_EQ(c.lines.mid(0, 3), QStringList(3, QStringLiteral("エラー検出！．．．SCHEWK-ERROR")));
    EXPECT_EQ(c.lines[3], c.dayHeader);
    EXPECT_EQ(c.lines[4], QString());
    EXPECT_EQ(d.data.StringGrid4.cell(0, 0), QString());
    EXPECT_EQ(d.data.StringGrid3.cell(0, 0), QString()) << "day 0 has no weekday, so no symbol";
    EXPECT_EQ(d.data.StringGrid3.cell(1, 0), QStringLiteral("〇"));
}

TEST(ScheduleView, ABadWeekdayOfALaterDayShowsAQuestionMark)
{
    Data d(QDate(2024, 5, 7), { sampleEmployee(QStringLiteral("山田")) });
    d.data.StringGrid2.setCell(2, 2, QStringLiteral("0"));
    const scheduleview::Computation c = scheduleview::compute(d.data);
    EXPECT_TRUE(c.dataError);
    EXPECT_TRUE(c.weekdayHeader.startsWith(QStringLiteral("火 水 ？ 金 ")));
    EXPECT_EQ(d.data.StringGrid4.cell(2, 0), QStringLiteral("？"));
    EXPECT_EQ(d.data.StringGrid3.cell(2, 0), QString());

    // Without employees the weekday header alone still finds it, although later days are valid.
    Data empty(QDate(2024, 5, 7));
    empty.data.StringGrid2.setCell(2, 2, QStringLiteral("0"));
    EXPECT_TRUE(scheduleview::compute(empty.data).dataError);
}

TEST(ScheduleView, OpeningShowsTheStartUpDateWithItsOwnWeekday)
{
    Data d(QDate(2024, 5, 7));
    const scheduleview::Opening o = scheduleview::opening(d.data.StringGrid2, QDate(2024, 5, 7));
    EXPECT_FALSE(o.stopped);
    ASSERT_EQ(o.lines.size(), 11);
    EXPECT_EQ(o.lines[1], QStringLiteral("【☆各従業員の勤務日簡易グラフ】"));
    EXPECT_EQ(o.lines[8], QStringLiteral("2024年5月7日 （火）"));
    EXPECT_EQ(o.lines[9], QString());
    EXPECT_EQ(o.lines[10], QStringLiteral("■■■ 2024年5月7日 ～ 2024年6月15日  ＜40 日間＞ ■■■"));
}

TEST(ScheduleView, TheCautionStandsAsLineElevenWhenTheDateIsOutsideThePeriod)
{
    const QString caution = QStringLiteral(
        "＜注意＞スケジューリング期間が未更新（範囲外データ）のため，該当する当該日付データがありません．");
    Data d(QDate(2024, 5, 7)); // 7 May to 15 June
    const struct {
        QDate startup;
        bool caution;
    } cases[] = {
        { QDate(2024, 5, 31), false }, { QDate(2024, 6, 15), false },
        { QDate(2024, 6, 16), true }, // the end month, after the end day
        { QDate(2024, 7, 1), true }, // neither month
        { QDate(2025, 5, 8), true }, // the same month a year later
    };
    for (const auto& c : cases) {
        const QStringList lines = scheduleview::opening(d.data.StringGrid2, c.startup).lines;
        EXPECT_EQ(lines.size(), c.caution ? 12 : 11) << c.startup.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(lines.value(10) == caution, c.caution) << c.startup.toString(Qt::ISODate).toStdString();
    }
}

TEST(ScheduleView, AnEndYearBeforeTheStartYearStopsTheView)
{
    Data d(QDate(2024, 5, 7));
    d.data.StringGrid2.setCell(3, 0, QStringLiteral("2023"));
    const scheduleview::Opening o = scheduleview::opening(d.data.StringGrid2, QDate(2024, 5, 7));
    EXPECT_TRUE(o.stopped);
    EXPECT_EQ(o.lines,
        QStringList({ QString(), QString(), QStringLiteral("■□■■ 開始・終了年度が不正です．処理を中断しました．"),
            QString(), QStringLiteral("■□■■ 初期設定から勤務期間を再設定して下さい．") }));
}

TEST(Calendar, WeekdayKanjiAndTheCautionRule)
{
    const QStringList kanji = { "？", "日", "月", "火", "水", "木", "金", "土", "？" };
    for (int code = 0; code <= 8; ++code)
        EXPECT_EQ(views::weekdayKanji(code), kanji[code]) << code;
    // A period from 22 December 2024 to 10 January 2025: both months are inside, by year and month.
    const PeriodMonths period { 2024, 12, 2025, 1, 10 };
    const struct {
        QDate date;
        bool outside;
    } cases[] = {
        { QDate(2024, 12, 31), false },
        { QDate(2025, 1, 1), false },
        { QDate(2025, 1, 10), false },
        { QDate(2025, 1, 11), true },
        { QDate(2024, 11, 30), true },
        { QDate(2025, 12, 24), true }, // December of the end year: a year later
        { QDate(2024, 1, 5), true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(period.outside(c.date), c.outside) << c.date.toString(Qt::ISODate).toStdString();
}
