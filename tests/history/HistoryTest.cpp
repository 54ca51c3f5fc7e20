#include "history/History.h"
#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "history/Calendar.h"
#include "history/HistoryFile.h"
#include "patterns/PatternEdits.h"
#include "period/PeriodRegistration.h"
#include "platform/TextCodec.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using history::KeptDay;
using history::KeptSchedule;

QDate month(int y, int m)
{
    return QDate(y, m, 1);
}

// The calendar months a registration on start offers, as titles.
QStringList monthsOffered(QDate start)
{
    const PeriodData period(start);
    QStringList out;
    for (const QDate m : history::plannableMonths(
             daychanges::periodDates(period.data.StringGrid2), daychanges::nextPeriodDates(period.data.StringGrid2)))
        out << history::monthTitle(m);
    return out;
}

TEST(History, TheMonthsThatCanBePlannedAreThoseWithADateInEitherPeriod)
{
    struct Case {
        QDate start;
        QStringList months;
        const char* why;
    };
    for (const Case& c : std::initializer_list<Case> {
             { QDate(2027, 1, 20), { "2027年1月", "2027年2月", "2027年3月", "2027年4月" },
                 "January to 28 February, the next period in March and April: March lies wholly in it" },
             { QDate(2027, 2, 1), { "2027年2月", "2027年3月", "2027年4月" },
                 "March straddles the registered period (to 9 March) and the next one" },
             { QDate(2026, 12, 9), { "2026年12月", "2027年1月", "2027年2月" }, "across the year end" },
         })
        EXPECT_EQ(monthsOffered(c.start), c.months) << c.why;
}

TEST(History, AMonthRunsFromItsFirstToItsLastDay)
{
    struct Case {
        QDate month;
        int days;
        QDate last;
    };
    for (const Case& c : std::initializer_list<Case> {
             { month(2028, 2), 29, QDate(2028, 2, 29) },
             { month(2027, 2), 28, QDate(2027, 2, 28) },
             { month(2026, 12), 31, QDate(2026, 12, 31) },
         }) {
        const QList<QDate> dates = history::monthDates(c.month);
        ASSERT_EQ(dates.size(), c.days);
        EXPECT_EQ(dates.first(), c.month);
        EXPECT_EQ(dates.last(), c.last);
    }
    EXPECT_EQ(history::monthTitle(month(2028, 2)), QStringLiteral("2028年2月"));
}

TEST(History, AChoiceGivesItsDatesAndWhichOfThemAreNotPlanned)
{
    using daychanges::DateChoice;
    struct Case {
        QDate start;
        DateChoice choice;
        int days, past, later;
        const char* why;
    };
    for (const Case& c : std::initializer_list<Case> {
             { QDate(2027, 1, 20), DateChoice::ofMonth(month(2027, 2)), 28, 0, 0,
                 "wholly inside the registered period" },
             { QDate(2027, 1, 20), DateChoice::ofMonth(month(2027, 3)), 31, 0, 0, "wholly inside the next period" },
             { QDate(2027, 2, 1), DateChoice::ofMonth(month(2027, 3)), 31, 0, 0, "straddling both periods" },
             { QDate(2027, 1, 20), DateChoice::ofMonth(month(2027, 1)), 31, 19, 0, "1 to 19 January are past" },
             { QDate(2027, 1, 20), DateChoice::ofMonth(month(2027, 4)), 30, 0, 21, "the next period ends on 9 April" },
             { QDate(2026, 12, 9), DateChoice::ofMonth(month(2026, 12)), 31, 8, 0, "December before the year end" },
             { QDate(2026, 12, 9), DateChoice::ofMonth(month(2027, 1)), 31, 0, 0, "January after it" },
             { QDate(2028, 2, 10), DateChoice::ofMonth(month(2028, 2)), 29, 9, 0, "February of a leap year" },
             { QDate(2027, 1, 20), daychanges::PeriodChoice::Next, 40, 0, 0, "a planned period is all planned" },
         }) {
        const PeriodData period(c.start);
        const history::MonthDays chosen = daychanges::chosenDates(period.data.StringGrid2, c.choice);
        EXPECT_EQ(chosen.dates.size(), c.days) << c.why;
        EXPECT_EQ(chosen.past, c.past) << c.why;
        EXPECT_EQ(chosen.later, c.later) << c.why;
        if (c.choice.isMonth())
            EXPECT_EQ(chosen.dates.first(), c.choice.month) << c.why;
    }
}

TEST(History, TheChoicesAreListedPeriodsFirstAndSteppedThroughInDateOrder)
{
    using daychanges::DateChoice;
    const PeriodData period(QDate(2027, 1, 20));
    const Table& schedule = period.data.StringGrid2;
    QStringList listed;
    for (const DateChoice& c : daychanges::dateChoices(schedule))
        listed << daychanges::choiceTitle(c);
    EXPECT_EQ(listed, (QStringList { "今の期間", "次の期間", "2027年1月", "2027年2月", "2027年3月", "2027年4月" }));

    QStringList stepped;
    DateChoice at = daychanges::PeriodChoice::Registered;
    for (int i = 0; i < 3; ++i)
        at = daychanges::stepChoice(schedule, at, -1);
    stepped << daychanges::choiceTitle(at);
    for (int i = 0; i < 6; ++i)
        stepped << daychanges::choiceTitle(at = daychanges::stepChoice(schedule, at, 1));
    EXPECT_EQ(stepped,
        (QStringList { "2027年1月", "今の期間", "2027年2月", "次の期間", "2027年3月", "2027年4月", "2027年4月" }))
        << "by the first date, a period before the month that starts on its day, stopping at both ends";
}

// 山田 and 佐藤 (Monday to Friday 9:00–17:30, weekends 公休), January planned from the 20th, the
// ward's patterns, 山田 off on 25 January and on a night on 26 January.
struct January : PeriodData {
    January()
        : PeriodData(QDate(2027, 1, 20), { employee("山田", "1000"), employee("佐藤", "1100") })
    {
        patterns::ShiftPatterns ward;
        ward.patterns = patterns::starterSet(patterns::Starter::Ward);
        data.shiftPatterns = ward;
        data.dayChanges.set("山田", QDate(2027, 1, 25), dayOff("休み"));
        data.dayChanges.set("山田", QDate(2027, 1, 26), shift("16", "30", "9", "00", "870"));
        data.dayChanges.set("山田", QDate(2027, 1, 27), withPattern(dayOff("公休"), "年"));
        data.dayChanges.set("退職者", QDate(2027, 1, 25), dayOff("休み"));
    }
};

TEST(History, TheDaysBeforeANewPeriodAreKeptAsTheyStood)
{
    January january;
    TFormData& data = january.data;
    const QList<KeptDay> leaving = history::leavingDays(data, QDate(2027, 2, 1));
    ASSERT_EQ(leaving.size(), 12 * 2) << "20 to 31 January, two employees";
    EXPECT_EQ(leaving.first().date, QDate(2027, 1, 20));
    EXPECT_EQ(leaving.last().date, QDate(2027, 1, 31));

    data.keptSchedule.keep(leaving);
    const QList<KeptDay> on25 = data.keptSchedule.on(QDate(2027, 1, 25));
    ASSERT_EQ(on25.size(), 2);
    EXPECT_EQ(on25[0].name, QStringLiteral("山田"));
    EXPECT_EQ(on25[0].entry, dayOff("休み"));
    EXPECT_EQ(on25[1].name, QStringLiteral("佐藤"));
    EXPECT_EQ(on25[1].wage, QStringLiteral("1100"));
    EXPECT_EQ(on25[1].entry, (DayEntry { "勤務日", "9", "00", "17", "30", "450", false }));
    EXPECT_EQ(data.keptSchedule.on(QDate(2027, 1, 26))[0].code, QStringLiteral("夜"));
    EXPECT_EQ(data.keptSchedule.on(QDate(2027, 1, 27))[0].code, QStringLiteral("年"))
        << "a day off keeps the code it carries, though the ward's patterns hold no 年";

    // February registered, then a new wage and a new standard week: the kept January stays.
    registerPeriod(data.StringGrid2, QDate(2027, 2, 1), 2);
    putEmployee(data.StringGrid1, 1, employee("佐藤", "1300"));
    data.StringGrid1.setCell(2, 1, QStringLiteral("公休"));
    const QByteArray file = historyfile::serialize(data.keptSchedule);
    const KeptDay kept = historyfile::read(file).kept.on(QDate(2027, 1, 25))[1];
    EXPECT_EQ(kept.wage, QStringLiteral("1100"));
    EXPECT_EQ(kept.entry.startHour, QStringLiteral("9"));
    EXPECT_EQ(historyfile::read(file).kept, data.keptSchedule);

    // The changes of the kept days are their record, not changes apart; a name without a master
    // row still is.
    const daychanges::EffectiveSchedule schedule(data);
    EXPECT_FALSE(schedule.isApart("山田", QDate(2027, 1, 25)));
    EXPECT_TRUE(schedule.isApart("退職者", QDate(2027, 1, 25)));
    EXPECT_TRUE(schedule.isApart("山田", QDate(2027, 1, 19))) << "a date neither planned nor kept";
}

TEST(History, KeepingReplacesTheDaysOfTheDatesItCoversAndCountsTheMonthsPassed)
{
    January january;
    TFormData& data = january.data;
    const auto day = [](QDate date, int row, const QString& attribute) {
        return KeptDay { date, row, QStringLiteral("山田"), QStringLiteral("1000"), dayOff(attribute), {} };
    };
    data.keptSchedule.keep({ day(QDate(2025, 11, 30), 0, "公休"), day(QDate(2025, 12, 31), 0, "公休"),
        day(QDate(2026, 1, 1), 0, "公休"), day(QDate(2027, 1, 20), 0, "その他") });

    // Registered on 1 February 2027 the year before starts on 1 January 2026.
    const history::Keeping keeping = history::keepingOn(data, QDate(2027, 2, 1));
    EXPECT_EQ(keeping.oldMonths, (QList<QDate> { month(2025, 11), month(2025, 12) }));
    EXPECT_EQ(history::dropQuestion(keeping.oldMonths),
        QStringLiteral("▼ 保存している過去の勤務のうち，2025年11月～2025年12月 の 2 か月分は，保存期間（昨年の1月から）"
                       "を過ぎています．\r\n\r\n▽ 「はい」で削除します．「いいえ」で次の登録まで残します．\r\n\r\n□ "
                       "古い月の勤務を削除しますか？"));
    EXPECT_TRUE(data.keptSchedule.holds(QDate(2025, 11, 30))) << "asking keeps everything";

    data.keptSchedule.keep(keeping.leaving);
    const QList<KeptDay> on20 = data.keptSchedule.on(QDate(2027, 1, 20));
    ASSERT_EQ(on20.size(), 2);
    EXPECT_EQ(on20[0].entry.attribute, QStringLiteral("勤務日")) << "20 January as it stands now, not as kept before";
    data.keptSchedule.dropBefore(history::keptFrom(QDate(2027, 2, 1)));
    EXPECT_FALSE(data.keptSchedule.holds(QDate(2025, 12, 31)));
    EXPECT_TRUE(data.keptSchedule.holds(QDate(2026, 1, 1)));
    EXPECT_EQ(history::keptFrom(QDate(2027, 12, 31)), QDate(2026, 1, 1));
}

TEST(History, APastDayOfAMonthShowsWhatWasKeptAndTakesNoChange)
{
    January january;
    TFormData& data = january.data;
    data.keptSchedule.keep(history::leavingDays(data, QDate(2027, 2, 1)));
    registerPeriod(data.StringGrid2, QDate(2027, 2, 1), 2);
    // After the registration: a new wage, a new Monday, a change on a kept date.
    putEmployee(data.StringGrid1, 1, employee("佐藤", "1300"));
    data.StringGrid1.setCell(2, 1, QStringLiteral("公休"));
    data.dayChanges.set("佐藤", QDate(2027, 1, 25), dayOff("休み"));
    data.dayChanges.set("佐藤", QDate(2027, 2, 2), dayOff("休み"));

    const daychanges::EffectiveSchedule january2027(data, daychanges::DateChoice::ofMonth(month(2027, 1)));
    const int day25 = 24;
    ASSERT_EQ(january2027.dates()[day25], QDate(2027, 1, 25));
    EXPECT_TRUE(january2027.isPast(day25));
    EXPECT_FALSE(january2027.isPlanned(day25));
    EXPECT_EQ(january2027.entry(0, day25), dayOff("休み"));
    EXPECT_EQ(january2027.entry(1, day25), (DayEntry { "勤務日", "9", "00", "17", "30", "450", false }))
        << "the Monday as kept, not the new standard week nor the later change";
    EXPECT_EQ(january2027.wage(1, day25), QStringLiteral("1100"));
    EXPECT_EQ(january2027.day(0, day25 + 1).code, QStringLiteral("夜"));
    EXPECT_EQ(january2027.day(0, day25 + 2).code, QStringLiteral("年")) << "the code it was kept with";
    EXPECT_EQ(january2027.entry(0, 0), DayEntry {}) << "1 January was never kept";
    EXPECT_EQ(january2027.changeCount(), 0);
    DayChanges changes = data.dayChanges;
    EXPECT_EQ(daychanges::swapDay(changes, january2027, 0, 1, day25), daychanges::SwapOutcome::NotTwoEmployees);
    EXPECT_TRUE(changes == data.dayChanges);

    const daychanges::EffectiveSchedule february(data, daychanges::DateChoice::ofMonth(month(2027, 2)));
    EXPECT_TRUE(february.isPlanned(1));
    EXPECT_EQ(february.entry(1, 1), dayOff("休み")) << "a planned day takes its change";
    EXPECT_EQ(february.wage(1, 1), QStringLiteral("1300"));

    // The look-back of the registered period reads the kept days; the hour chart's entryOn() does
    // not.
    const daychanges::EffectiveSchedule registered(data);
    EXPECT_EQ(registered.recordedOn(1, QDate(2027, 1, 25)).entry.attribute, QStringLiteral("勤務日"));
    EXPECT_EQ(registered.recordedOn(0, QDate(2027, 1, 26)).code, QStringLiteral("夜"));
    EXPECT_EQ(registered.entryOn(1, QDate(2027, 1, 25)).attribute, QStringLiteral("公休"));
    EXPECT_EQ(registered.recordedOn(1, QDate(2027, 1, 19)), registered.dayOn(1, QDate(2027, 1, 19)))
        << "a date that was never kept";
}

TEST(History, TheFileReadsBackWhatItWroteAndNamesEachBadLine)
{
    const QByteArray good = cp932::encode(QStringLiteral(
        "山田,2027,1,20,0,1000,勤務日,16,30,9,00,870,1,夜,\r\n山田,2027,1,21,0,1000,その他,0,00,0,00,0,1,明,\r\n"
        "佐藤,2027,1,21,1,1100,公休,0,00,0,00,0,0,,\r\n"));
    EXPECT_EQ(historyfile::serialize(historyfile::read(good).kept), good);
    EXPECT_EQ(historyfile::read(good).kept.on(QDate(2027, 1, 21))[0].entry.pattern, QStringLiteral("明"));

    struct Case {
        const char* line;
        const char* reason;
    };
    for (const Case& c : std::initializer_list<Case> {
             { "山田,2027,1,20,0,1000,勤務日,9,00,17,30,450,0,", "項目数が14ではありません" },
             { ",2027,1,20,0,1000,勤務日,9,00,17,30,450,0,,", "氏名が不正です" },
             { "山田,2027,2,29,0,1000,勤務日,9,00,17,30,450,0,,", "日付が存在しません" },
             { "山田,2027,1,20,30,1000,勤務日,9,00,17,30,450,0,,", "行番号が不正です" },
             { "山田,2027,1,20,0,千円,勤務日,9,00,17,30,450,0,,", "時給が不正です" },
             { "山田,2027,1,20,0,1000,勤務日,9,00,17,30,450,2,,", "勤務変更の印が不正です" },
             { "山田,2027,1,20,0,1000,勤務日,9,00,17,30,450,0,ABC,", "勤務パターンの記号が不正です" },
             { "山田,2027,1,20,0,1000,休日,0,00,0,00,0,0,,", "勤務区分が不正です" },
             { "山田,2027,1,20,0,1000,公休,9,00,17,30,450,0,,", "勤務日以外の時刻・実労働分が0ではありません" },
             { "山田,2027,1,20,0,1000,勤務日,16,30,9,00,870,1,夜,", "同じ日付・行番号の2行目です" },
         }) {
        const QByteArray bytes = good + cp932::encode(QString::fromUtf8(c.line) + QStringLiteral("\r\n"));
        const historyfile::ReadResult read = historyfile::read(bytes);
        EXPECT_EQ(read.rejected, (QList<RejectedLine> { { 4, QString::fromUtf8(c.reason) } })) << c.line;
        EXPECT_EQ(read.kept.days().size(), 3) << "the rest is used: " << c.line;
    }
}

TEST(History, ARegistrationThatKeepsTheDaysLeavesNoChangeOutside)
{
    January january;
    TFormData& data = january.data;
    EXPECT_EQ(changesLeftOut(data, QDate(2027, 2, 1)), 3) << "without the file the days are not kept";
    QTemporaryDir dir;
    data.loadExtension(dir.path(), TFormData::kHistoryFile);
    EXPECT_EQ(changesLeftOut(data, QDate(2027, 2, 1)), 0);
}

} // namespace
