#include "views/TimeView.h"
#include "changes/ChangesTestData.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Clock.h"
#include "targets/Coverage.h"
#include "views/ViewsTestData.h"

#include <gtest/gtest.h>

namespace {

// A bar written as runs of one symbol, "." for an empty cell.
QString runs(std::initializer_list<std::pair<int, char16_t>> parts)
{
    QString out;
    for (const auto& [count, symbol] : parts)
        out += QString(count, QChar(symbol));
    return out;
}

QString text(const timeview::Bar& bar)
{
    QString out;
    for (const QString& cell : bar)
        out += cell.isEmpty() ? QStringLiteral(".") : cell;
    return out;
}

constexpr char16_t W = u'■', M = u'▼', O = u'□', F = u'▽', A = u'→', E = u'.';

} // namespace

// A shift's own bar and the early hours it gives the next date: a night shift is drawn up to 24
// with its continuation mark, and its hours after midnight are the next date's.
TEST(HourBar, ShiftsOfTheDayAndOfTheNight)
{
    const auto none = runs({ { 25, E } });
    const struct {
        int sh, sm, eh, em;
        QString bar;
        QString early;
    } cases[] = {
        { 9, 0, 17, 0, runs({ { 9, O }, { 8, W }, { 8, O } }), none },
        { 9, 30, 17, 30, runs({ { 9, O }, { 1, F }, { 7, W }, { 1, M }, { 7, O } }), none },
        { 9, 15, 17, 50, runs({ { 9, O }, { 1, M }, { 8, W }, { 7, O } }), none },
        { 9, 25, 17, 40, runs({ { 9, O }, { 1, M }, { 7, W }, { 1, M }, { 7, O } }), none },
        { 9, 35, 17, 10, runs({ { 9, O }, { 1, F }, { 7, W }, { 1, F }, { 7, O } }), none },
        { 15, 0, 24, 0, runs({ { 15, O }, { 9, W }, { 1, O } }), none }, // ends at 24:00
        { 16, 0, 24, 30, runs({ { 16, O }, { 8, W }, { 1, M } }), runs({ { 1, M }, { 24, E } }) }, // after 24:00
        { 22, 0, 6, 0, runs({ { 22, O }, { 2, W }, { 1, A } }), runs({ { 6, W }, { 1, O }, { 18, E } }) },
        { 22, 30, 6, 30, runs({ { 22, O }, { 1, M }, { 1, W }, { 1, A } }), runs({ { 6, W }, { 1, M }, { 18, E } }) },
        { 22, 45, 6, 15, runs({ { 22, O }, { 1, F }, { 1, W }, { 1, A } }), runs({ { 6, W }, { 1, F }, { 18, E } }) },
        { 22, 35, 6, 45, runs({ { 22, O }, { 1, F }, { 1, W }, { 1, A } }), runs({ { 7, W }, { 18, E } }) },
        { 22, 0, 0, 30, runs({ { 22, O }, { 2, W }, { 1, A } }), runs({ { 1, M }, { 24, E } }) }, // within hour 0
        { 22, 30, 0, 30, runs({ { 22, O }, { 1, M }, { 2, W } }), runs({ { 1, M }, { 24, E } }) },
        { 22, 30, 1, 30, runs({ { 22, O }, { 1, M }, { 1, W }, { 1, A } }), runs({ { 1, W }, { 1, M }, { 23, E } }) },
        // Starts at 24:00: no start cell and no arrow; all of it is the next date's.
        { 24, 0, 6, 0, runs({ { 25, O } }), runs({ { 6, W }, { 1, O }, { 18, E } }) },
        { 0, 0, 8, 0, none, none }, // starts at 0:00
        { 8, 0, 0, 0, none, none }, // ends at 0:00
        { 9, 0, 9, 0, none, none }, // ends when it starts
        { 0, 0, 0, 0, none, none },
        // Within one hour, one cell says whether 30 minutes or more of that hour are work.
        { 9, 10, 9, 40, runs({ { 9, O }, { 1, M }, { 15, O } }), none },
        { 9, 10, 9, 35, runs({ { 9, O }, { 1, F }, { 15, O } }), none },
        { 9, 40, 9, 10, runs({ { 9, O }, { 1, F }, { 14, W }, { 1, A } }), runs({ { 9, W }, { 1, F }, { 15, E } }) },
        { 9, 25, 9, 5, runs({ { 9, O }, { 1, M }, { 14, W }, { 1, A } }), runs({ { 9, W }, { 1, F }, { 15, E } }) },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text(timeview::hourBar(c.sh, c.sm, c.eh, c.em)), c.bar)
            << c.sh << ":" << c.sm << "-" << c.eh << ":" << c.em;
        EXPECT_EQ(text(timeview::earlyHours(c.sh, c.sm, c.eh, c.em)), c.early)
            << c.sh << ":" << c.sm << "-" << c.eh << ":" << c.em << " on the next date";
    }
}

namespace {

struct Chart {
    Chart()
    {
        registerPeriod(data.StringGrid2, QDate(2024, 5, 7), 1);
        QStringList night = withDay(sampleEmployee(QStringLiteral("夜勤")), 6, QStringLiteral("勤務日"),
            QStringLiteral("22"), QStringLiteral("00"), QStringLiteral("6"), QStringLiteral("00"));
        night = withDay(night, 2, QStringLiteral("休み"));
        night = withDay(night, 3, QStringLiteral("その他"));
        night = withDay(night, 4, QStringLiteral("不明"));
        putEmployee(data.StringGrid1, 0, sampleEmployee(QStringLiteral("山田")));
        putEmployee(data.StringGrid1, 1, night);
    }
    TFormData data;
    const Table& work() const { return data.StringGrid3; }
};

} // namespace

TEST(TimeChart, TodaysWeekdayBlockGivesEachBarAndLabel)
{
    Chart chart;
    ASSERT_EQ(timeview::compute(chart.data, 1), 2); // Sunday
    EXPECT_EQ(timeview::barLine(chart.work(), 0), QString(25, u'□') + QStringLiteral("　  【山田】  ＜公休日＞"));
    EXPECT_EQ(timeview::barLine(chart.work(), 1),
        runs({ { 22, O }, { 2, W }, { 1, A } }) + QStringLiteral("　  【夜勤】 22：00～6：00"));

    chart.data.StringGrid3.clear();
    timeview::compute(chart.data, 2); // Monday
    EXPECT_EQ(timeview::barLine(chart.work(), 0),
        runs({ { 9, O }, { 8, W }, { 1, M }, { 7, O } }) + QStringLiteral("　  【山田】 9：00～17：30"));
    EXPECT_EQ(chart.work().cell(39, 0), QStringLiteral("9：00～17：30"));
    EXPECT_EQ(chart.work().cell(40, 0), QStringLiteral("山田"));
}

// 看護 works a night from 16:30 to 9:00 on Mondays, rests on Tuesdays and works 9:00 to 17:30 from
// Wednesday to Friday; the period starts on Tuesday 7 May. The hours from 0:00 to the end of a
// shift that began the day before come from that day's entry, today's own shift only from its
// start; where the chart shows a whole hour of work or none, the count under it agrees.
TEST(TimeChart, TheEarlyHoursComeFromTheDayBefore)
{
    const QDate first(2024, 5, 7);
    const QDate monday(2024, 5, 13);
    const QDate tuesday(2024, 5, 14);
    const DayEntry dayShift = shift("8", "30", "17", "00", "450");
    const struct {
        const char* what;
        QDate today;
        QList<std::pair<QDate, DayEntry>> changes;
        QString bar;
        QString label;
    } cases[] = {
        { "the night before the period's first day", first, {}, runs({ { 9, W }, { 16, O } }), " ＜休み＞" },
        { "a night changed in on the day before", first.addDays(1), { { first, shift("22", "00", "6", "00", "420") } },
            runs({ { 6, W }, { 3, O }, { 8, W }, { 1, M }, { 7, O } }), "9：00～17：30" },
        { "today's own night, after a weekend", monday, {}, runs({ { 16, O }, { 1, M }, { 7, W }, { 1, A } }),
            "16：30～9：00" },
        { "a night on both days", tuesday, { { tuesday, shift("16", "30", "9", "00", "900") } },
            runs({ { 9, W }, { 7, O }, { 1, M }, { 7, W }, { 1, A } }), "16：30～9：00" },
        { "the day before changed to a day shift", tuesday, { { monday, shift("9", "00", "17", "30", "450") } },
            runs({ { 25, O } }), " ＜休み＞" },
        { "a shift of the day before ending at 0:00", first.addDays(1),
            { { first, shift("16", "00", "0", "00", "420") } }, runs({ { 9, O }, { 8, W }, { 1, M }, { 7, O } }),
            "9：00～17：30" },
        { "a shift of the day before ending at 24:00", first.addDays(1),
            { { first, shift("15", "00", "24", "00", "480") } }, runs({ { 9, O }, { 8, W }, { 1, M }, { 7, O } }),
            "9：00～17：30" },
        { "a day shift within the night's last hour", first, { { first, dayShift } }, runs({ { 17, W }, { 8, O } }),
            "8：30～17：00" },
        { "a day shift from the night's end", tuesday,
            { { monday, shift("16", "30", "8", "30", "870") }, { tuesday, dayShift } }, runs({ { 17, W }, { 8, O } }),
            "8：30～17：00" },
        { "a day shift ten minutes after the night", tuesday,
            { { monday, shift("16", "30", "8", "25", "865") }, { tuesday, shift("8", "35", "17", "00", "445") } },
            runs({ { 8, W }, { 1, M }, { 8, W }, { 8, O } }), "8：35～17：00" },
    };
    QStringList nurse = withDay(employee("看護"), 0, "勤務日", "16", "30", "9", "00");
    nurse = withDay(nurse, 1, "休み");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PeriodData ward(first, { nurse });
        for (const auto& [date, entry] : c.changes)
            ward.data.dayChanges.set("看護", date, entry);
        const daychanges::EffectiveSchedule schedule(ward.data);
        ASSERT_EQ(timeview::compute(ward.data, clock_::weekdayCode(c.today), schedule.changesOn(c.today),
                      timeview::dayBeforeEntries(schedule, c.today)),
            1);
        const Table& work = ward.data.StringGrid3;
        EXPECT_EQ(timeview::barLine(work, 0), c.bar + QStringLiteral("　  【看護】 ") + c.label);

        const targets::DayCoverage counted = targets::dateCoverage({}, schedule, c.today);
        for (int h = 0; h < targets::kHours; ++h) {
            if (work.cell(h, 0) == QStringLiteral("■")) {
                EXPECT_GE(counted.hours[h].count, 1) << h << "時"; // twice where the two shifts overlap
            } else if (work.cell(h, 0) == QStringLiteral("□")) {
                EXPECT_EQ(counted.hours[h].count, 0) << h << "時";
            }
        }
    }
}

TEST(TimeChart, DaysOffShowAnEmptyBarAndTheirLabel)
{
    Chart chart;
    const struct {
        int code;
        QString label;
    } cases[] = { { 4, " ＜休み＞" }, { 5, " ＜その他＞" }, { 6, "0：00～0：00" } };
    for (const auto& c : cases) {
        chart.data.StringGrid3.clear();
        timeview::compute(chart.data, c.code);
        EXPECT_EQ(timeview::barLine(chart.work(), 1), QString(25, u'□') + QStringLiteral("　  【夜勤】 ") + c.label)
            << c.code;
    }
}

TEST(TimeChart, NothingIsComputedForACodeThatIsNoWeekday)
{
    Chart chart;
    EXPECT_EQ(timeview::compute(chart.data, 0), 2);
    EXPECT_TRUE(chart.data.StringGrid3.isEmpty());
}

TEST(TimeChart, TheCautionComesBeforeTheDateLine)
{
    const QString caution
        = QStringLiteral("＜注意＞スケジューリング期間が未更新（範囲外データ）のため，本日のデータではありません．");
    Table may { 40, 5 }; // 7 May to 15 June 2024
    registerPeriod(may, QDate(2024, 5, 7), 1);
    Table december { 40, 5 }; // 25 December 2024 to 31 January 2025
    registerPeriod(december, QDate(2024, 12, 25), 1);
    Table january { 40, 5 }; // 31 January to 28 February 2025: no 29th or 30th
    registerPeriod(january, QDate(2025, 1, 31), 1);
    Table june { 40, 5 }; // 1 to 30 June 2024, within one month
    const QStringList header = { "2024", "6", "1", "2024", "6", "30", "30" };
    for (int c = 0; c < header.size(); ++c)
        june.setCell(c, 0, header[c]);
    for (int d = 0; d < 30; ++d)
        june.setCell(d, 1, QString::number(d + 1));
    const struct {
        const Table& schedule;
        QDate startup;
        int code;
        QStringList lines;
    } cases[] = {
        { may, QDate(2024, 5, 7), 3, { "2024年5月7日（火）" } },
        { may, QDate(2024, 6, 20), 5, { caution, "2024年6月20日（木）" } }, // after the end day
        { may, QDate(2024, 7, 1), 2, { caution } }, { may, QDate(2024, 5, 7), 0, { "2024年5月7日（？）" } },
        { december, QDate(2024, 12, 26), 5, { "2024年12月26日（木）" } },
        { december, QDate(2025, 1, 5), 1, { "2025年1月5日（日）" } }, // the end year
        { january, QDate(2025, 1, 30), 5, {} }, // the day is not among the period's days
        { june, QDate(2024, 6, 30), 1, { "2024年6月30日（日）" } }, // the period's last day
    };
    for (const auto& c : cases) {
        const timeview::PeriodCheck check = timeview::periodCheck(c.schedule, c.startup, c.code);
        EXPECT_FALSE(check.stopped);
        EXPECT_EQ(check.lines, c.lines) << c.startup.toString(Qt::ISODate).toStdString();
    }
}

TEST(TimeChart, AnEndYearThatIsNeitherTheStartYearNorTheNextStops)
{
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2024, 5, 7), 1);
    for (const char* year : { "2026", "2023" }) {
        schedule.setCell(3, 0, QLatin1String(year));
        const timeview::PeriodCheck check = timeview::periodCheck(schedule, QDate(2024, 5, 7), 3);
        EXPECT_TRUE(check.stopped) << year;
        EXPECT_EQ(check.lines.value(2), QStringLiteral("■□■■ 何らかの異常値を検出！．処理を中断しました．"));
    }
    schedule.setCell(3, 0, QStringLiteral("2025"));
    EXPECT_FALSE(timeview::periodCheck(schedule, QDate(2024, 5, 7), 3).stopped);
}

TEST(TimeChart, OpeningAndClosingLines)
{
    const QStringList opening = timeview::openingLines();
    ASSERT_EQ(opening.size(), 9);
    EXPECT_EQ(opening[1], QStringLiteral("【☆各従業員の主な勤務時間帯対象グラフ】"));
    const QString axis = timeview::timeAxis();
    for (const auto& [position, mark] :
        { std::pair { 0, "0h" }, { 11, "6h" }, { 22, "12h" }, { 33, "18h" }, { 44, "24h" } })
        EXPECT_EQ(axis.mid(position, qstrlen(mark)), QLatin1String(mark));
    EXPECT_TRUE(axis.endsWith(QStringLiteral("-⇒ Time Line")));
    EXPECT_EQ(timeview::closingLines(),
        QStringList({ axis, QString(), QString(), QString(),
            QStringLiteral("[重要事項] 印刷実行で，当該時系列勤務表は整形されプリント・アウトされます．") }));
}
