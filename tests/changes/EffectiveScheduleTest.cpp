#include "changes/EffectiveSchedule.h"
#include "ChangesTestData.h"
#include "master/MasterRecord.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"

#include <gtest/gtest.h>

using daychanges::EffectiveSchedule;

namespace {

const DayEntry kWeekday { "勤務日", "9", "00", "17", "30", "450", false };
const DayEntry kWeekend { "公休", "0", "00", "0", "00", "0", false };

// Rows 0 and 2 share the name 山田; the period runs from Thursday 7 May 2026.
struct Shop : PeriodData {
    Shop()
        : PeriodData(QDate(2026, 5, 7), { employee("山田"), employee("佐藤"), employee("山田") })
    {
    }
    QDate last() const { return EffectiveSchedule(data).dates().last(); }
};

DayEntry standardOf(QDate date)
{
    return date.dayOfWeek() <= 5 ? kWeekday : kWeekend;
}

} // namespace

TEST(EffectiveSchedule, AChangeOfARegisteredNameWithinThePeriodReplacesTheStandardWeek)
{
    Shop shop;
    const QDate first(2026, 5, 7);
    const QDate last = shop.last();
    DayChanges& changes = shop.data.dayChanges;
    changes.set("山田", QDate(2026, 5, 12), dayOff("休み"));
    changes.set("佐藤", QDate(2026, 5, 16), shift("10", "00", "15", "00", "300"));
    changes.set("佐藤", first, dayOff("その他"));
    changes.set("佐藤", last, dayOff("公休"));
    changes.set("佐藤", first.addDays(-1), dayOff("休み"));
    changes.set("佐藤", last.addDays(1), dayOff("休み"));
    changes.set("高橋", QDate(2026, 5, 12), dayOff("休み"));

    const EffectiveSchedule schedule(shop.data);
    ASSERT_EQ(schedule.dates().first(), first);
    ASSERT_EQ(schedule.dates().size(), schedule.days());
    const struct {
        int row;
        QDate date;
        DayEntry entry;
    } cases[] = {
        { 0, QDate(2026, 5, 12), dayOff("休み") },
        { 2, QDate(2026, 5, 12), dayOff("休み") }, // the shared name's change
        { 1, QDate(2026, 5, 12), kWeekday },
        { 1, QDate(2026, 5, 16), shift("10", "00", "15", "00", "300") },
        { 0, QDate(2026, 5, 16), kWeekend },
        { 1, first, dayOff("その他") },
        { 1, last, dayOff("公休") },
        { 0, last, standardOf(last) },
    };
    const QList<QList<DayEntry>> grid = schedule.entries();
    ASSERT_EQ(grid.size(), 3);
    for (const auto& c : cases) {
        const int day = schedule.dayOf(c.date);
        ASSERT_GE(day, 0) << c.date.toString().toStdString();
        const std::string where = QStringLiteral("row %1, %2").arg(c.row).arg(c.date.toString()).toStdString();
        EXPECT_EQ(schedule.entry(c.row, day), c.entry) << where;
        EXPECT_EQ(grid[c.row][day], c.entry) << where;
        EXPECT_EQ(schedule.change(c.row, day).has_value(), c.entry.changed) << where;
        EXPECT_EQ(schedule.standard(c.row, day), standardOf(c.date)) << where;
        EXPECT_EQ(schedule.changesOn(c.date).contains(c.row), c.entry.changed) << where;
    }
    EXPECT_EQ(schedule.dayOf(first.addDays(-1)), -1);
    EXPECT_EQ(schedule.dayOf(last.addDays(1)), -1);
    EXPECT_TRUE(schedule.changesOn(last.addDays(1)).isEmpty());

    const QList<DayChange> apart = schedule.apart();
    ASSERT_EQ(apart.size(), 2) << "the change after the last day is one of the next period";
    EXPECT_EQ(apart[0].date, first.addDays(-1));
    EXPECT_EQ(apart[1].name, "高橋");
    EXPECT_TRUE(EffectiveSchedule(shop.data, daychanges::PeriodChoice::Next).apart() == apart);
    changes.set(
        "佐藤", EffectiveSchedule(shop.data, daychanges::PeriodChoice::Next).dates().last().addDays(1), dayOff("休み"));
    EXPECT_EQ(schedule.apart().size(), 3) << "beyond the next period";
    EXPECT_EQ(schedule.sharedNames(), QStringList { "山田" });
    EXPECT_EQ(schedule.changeCount(), 4);
}

TEST(EffectiveSchedule, AHeaderWithoutAValidStartOrDayCountGivesNoDatesAndNoChangeTakesEffect)
{
    const struct {
        int column;
        QString text;
        bool valid;
    } cases[] = { { 6, "41", false }, { 6, "0", false }, { 6, "x", false }, { 1, "13", false }, { 0, "", false },
        { 1, "2", true }, { 2, "31", true } };
    for (const auto& c : cases) {
        Shop shop;
        shop.data.dayChanges.set("山田", QDate(2026, 5, 12), dayOff("休み"));
        shop.data.StringGrid2.setCell(c.column, 0, c.text);
        const EffectiveSchedule schedule(shop.data);
        EXPECT_EQ(schedule.dates().isEmpty(), !c.valid) << c.column << " " << c.text.toStdString();
        EXPECT_EQ(schedule.apart().size(), 1);
        EXPECT_FALSE(schedule.entry(0, 5).changed);
    }
}

TEST(EffectiveSchedule, ASwapGivesEachTheOthersEntryOfTheDayInEffectAsAChange)
{
    using daychanges::SwapOutcome;
    Shop shop;
    const QDate saturday(2026, 5, 16);
    shop.data.dayChanges.set("佐藤", saturday, shift("10", "00", "15", "00", "300"));
    const EffectiveSchedule schedule(shop.data);
    const int day = schedule.dayOf(saturday);

    DayChanges& changes = shop.data.dayChanges;
    const DayChanges before = changes;
    EXPECT_EQ(daychanges::swapDay(changes, schedule, 1, 1, day), SwapOutcome::NotTwoEmployees);
    EXPECT_EQ(daychanges::swapDay(changes, schedule, 0, 2, day), SwapOutcome::NotTwoEmployees) << "one name";
    EXPECT_EQ(daychanges::swapDay(changes, schedule, 1, 3, day), SwapOutcome::NotTwoEmployees) << "row 3 is empty";
    EXPECT_EQ(daychanges::swapDay(changes, schedule, 0, 1, schedule.dates().size()), SwapOutcome::NotTwoEmployees);
    EXPECT_EQ(daychanges::swapDay(changes, schedule, 0, 1, -1), SwapOutcome::NotTwoEmployees);
    EXPECT_EQ(changes, before);

    // Either of the two may be the one with the change (the first cell selected, or the second).
    DayEntry weekend = kWeekend;
    weekend.changed = true;
    for (const auto& [first, second] : { std::pair { 0, 1 }, std::pair { 1, 0 } }) {
        changes = before;
        ASSERT_EQ(daychanges::swapDay(changes, schedule, first, second, day), SwapOutcome::Swapped);
        EXPECT_EQ(changes.find("山田", saturday), shift("10", "00", "15", "00", "300")) << first;
        EXPECT_EQ(changes.find("佐藤", saturday), weekend) << first;
        EXPECT_EQ(changes.size(), 2);
    }

    // An entry of the master with no form a change can be saved in is not swapped.
    shop.data.StringGrid1.setCell(master::blockColumn(5) + 2, 0, "7"); // 山田's Saturday minute
    shop.data.StringGrid1.setCell(master::blockColumn(5), 0, "勤務日");
    changes = {};
    EXPECT_EQ(daychanges::swapDay(changes, EffectiveSchedule(shop.data), 0, 1, day), SwapOutcome::NotStorable);
    EXPECT_TRUE(changes.isEmpty());
}

TEST(DayChanges, ARenameMovesTheChangesThatDoNotMeetOnesOfTheNewNameUnlessAnotherRowKeepsTheOldName)
{
    DayChanges changes;
    const QDate a(2026, 5, 12);
    const QDate b(2026, 5, 13);
    changes.set("山田", a, dayOff("休み"));
    changes.set("山田", b, dayOff("公休"));
    changes.set("丙", b, dayOff("その他")); // left by a deleted employee
    changes.set("佐藤", a, dayOff("その他"));

    EXPECT_EQ(changes.rename("山田", "丙"), 1);
    EXPECT_FALSE(changes.find("山田", a));
    EXPECT_EQ(changes.find("丙", a), dayOff("休み"));
    EXPECT_EQ(changes.find("丙", b), dayOff("その他")) << "a change of the new name is never overwritten";
    EXPECT_EQ(changes.find("山田", b), dayOff("公休")) << "the one it would replace stays under the old name";
    EXPECT_EQ(changes.size(), 4);
    EXPECT_EQ(changes.rename("丙", "丙"), 0);
    EXPECT_EQ(changes.size(), 4);

    Table master { 44, 30 };
    putEmployee(master, 0, employee("丁")); // the edited row, renamed from 丙
    putEmployee(master, 1, employee("丙"));
    followRename(changes, master, "丙", "丁");
    EXPECT_EQ(changes.find("丙", a), dayOff("休み")) << "row 1 still carries the old name";
    master.setCell(0, 1, "戊");
    followRename(changes, master, "丙", "丁");
    EXPECT_EQ(changes.find("丁", a), dayOff("休み"));
    EXPECT_EQ(changes.find("佐藤", a), dayOff("その他"));
}

TEST(EffectiveSchedule, TheNextPeriodStartsTheDayAfterTheLastAndIsWhatRegisteringThatDayGives)
{
    // Every start day of a 28-, 29-, 30- and 31-day month and of December.
    for (const QDate month :
        { QDate(2023, 2, 1), QDate(2024, 2, 1), QDate(2026, 4, 1), QDate(2026, 3, 1), QDate(2026, 12, 1) }) {
        for (int day = 1; day <= month.daysInMonth(); ++day) {
            const QDate start(month.year(), month.month(), day);
            PeriodData shop(start, { employee("山田") });
            const EffectiveSchedule registered(shop.data);
            const EffectiveSchedule next(shop.data, daychanges::PeriodChoice::Next);
            const std::string where = start.toString(Qt::ISODate).toStdString();
            ASSERT_FALSE(next.dates().isEmpty()) << where;
            EXPECT_EQ(next.dates().first(), registered.dates().last().addDays(1)) << where;
            EXPECT_EQ(next.days(), next.dates().size()) << where;

            PeriodData later(next.dates().first(), { employee("山田") });
            EXPECT_EQ(EffectiveSchedule(later.data).dates(), next.dates()) << where;
            for (int d = 0; d < next.days(); ++d)
                ASSERT_EQ(next.weekdayCode(d), EffectiveSchedule(later.data).weekdayCode(d)) << where;
        }
    }
    TFormData empty;
    EXPECT_TRUE(EffectiveSchedule(empty, daychanges::PeriodChoice::Next).dates().isEmpty());
}

TEST(EffectiveSchedule, AnEntryAroundThePeriodTakesTheChangesOfBothPlannedPeriodsAndElseTheStandardWeek)
{
    Shop shop;
    const QDate before(2026, 5, 6); // Wednesday, the day before the period
    const QDate after = shop.last().addDays(1);
    const QDate past(2026, 5, 8); // a Friday of the registered period
    shop.data.dayChanges.set("佐藤", before, dayOff("休み"));
    shop.data.dayChanges.set("佐藤", past, dayOff("公休"));
    shop.data.dayChanges.set("佐藤", after, dayOff("その他"));
    shop.data.dayChanges.set("高橋", before, dayOff("休み"));
    const EffectiveSchedule schedule(shop.data);
    const EffectiveSchedule next(shop.data, daychanges::PeriodChoice::Next);
    const QDate beyond = next.dates().last().addDays(1);
    shop.data.dayChanges.set("佐藤", beyond, dayOff("休み"));

    EXPECT_EQ(schedule.entryOn(1, before), kWeekday) << "a change before the period takes no effect";
    EXPECT_EQ(schedule.entryOn(0, before), kWeekday);
    EXPECT_EQ(schedule.entryOn(1, past), dayOff("公休"));
    EXPECT_EQ(schedule.entryOn(1, after), dayOff("その他")) << "the next period's change";
    EXPECT_EQ(schedule.entryOn(0, after), standardOf(after));
    EXPECT_EQ(next.entryOn(1, past), dayOff("公休")) << "the registered period's change";
    EXPECT_EQ(next.entryOn(0, past), kWeekday);
    EXPECT_EQ(next.entry(1, 0), dayOff("その他"));
    EXPECT_EQ(next.entryOn(1, beyond), standardOf(beyond));
    EXPECT_EQ(schedule.entryOn(3, before), DayEntry {}) << "a row that is not registered";
}

TEST(EffectiveSchedule, TheWorkplacesPatternsNameEachDayAndA明けPatternMakesA明けDay)
{
    Shop shop;
    shop.data.shiftPatterns.patterns = patterns::starterSet(patterns::Starter::Ward);
    const QDate night(2026, 5, 11);
    DayChanges& changes = shop.data.dayChanges;
    changes.set("佐藤", night, shift("16", "30", "9", "00", "870"));
    changes.set("佐藤", night.addDays(1), patterns::entryOf(shop.data.shiftPatterns.patterns.at(3)));
    changes.set("佐藤", night.addDays(2), shift("8", "30", "17", "15", "465"));
    changes.set("佐藤", night.addDays(3), shift("8", "30", "17", "15", "480")); // a break of 45 minutes

    const EffectiveSchedule schedule(shop.data);
    const struct {
        QDate date;
        daychanges::DayKind kind;
        int pattern;
        QString code;
    } cases[] = {
        { night, daychanges::DayKind::Working, 2, "夜" },
        { night.addDays(1), daychanges::DayKind::Ake, 3, "明" },
        { night.addDays(2), daychanges::DayKind::Working, 0, "日" },
        { night.addDays(3), daychanges::DayKind::Working, -1, "" },
        { QDate(2026, 5, 7), daychanges::DayKind::Working, -1, "" }, // the standard week's 9:00–17:30
        { QDate(2026, 5, 9), daychanges::DayKind::Off, -1, "" },
    };
    for (const auto& c : cases) {
        const daychanges::RosterDay day = schedule.dayOn(1, c.date);
        EXPECT_EQ(day.kind, c.kind) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(day.pattern, c.pattern) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(day.code, c.code) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(day, schedule.day(1, schedule.dayOf(c.date)));
    }
    EXPECT_FALSE(schedule.dayOn(1, night.addDays(1)).off()) << "明け is no day off";
    EXPECT_EQ(schedule.dayOn(1, night.addDays(1)).netMinutes(), 0);
}
