// The change window by shift code: the ink on a pattern's colour, the legend and the typed key,
// what a pattern applied to cells changes (who is refused, the day that must follow and the days
// that ask first), the overlaps it would make, and the grid's cells in codes.
#include "changes/CodeEntry.h"
#include "ChangesTestData.h"
#include "changes/ChangeGrid.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"

#include <gtest/gtest.h>

using changes::DaySet;

namespace {

// The ward's set (日, 遅, 夜 → 明, 明) with a named day off and codes that share a first character.
patterns::ShiftPatterns wardSet()
{
    patterns::ShiftPatterns set;
    set.patterns = patterns::starterSet(patterns::Starter::Ward);
    patterns::Pattern leave;
    leave.code = "年";
    leave.name = "年休";
    leave.kind = patterns::Kind::DayOff;
    leave.offAttribute = "休み";
    leave.colour = "#E0F0E0";
    patterns::Pattern late = set.patterns[1];
    late.code = "遅B";
    late.start = 13 * 60;
    late.end = 22 * 60;
    patterns::Pattern letter = set.patterns[0];
    letter.code = "a1";
    letter.start = 7 * 60;
    letter.end = 12 * 60;
    letter.breakMinutes = 0;
    set.patterns << leave << late << letter;
    return set;
}

DayEntry changeOf(const patterns::Pattern& pattern)
{
    DayEntry entry = patterns::entryOf(pattern);
    entry.changed = true;
    return entry;
}

} // namespace

TEST(CodeEntry, TextIsDarkOnALightColourAndLightOnADarkOne)
{
    const struct {
        QString colour;
        changes::Ink ink;
    } cases[] = {
        { "#FFFFFF", changes::Ink::Dark },
        { "#000000", changes::Ink::Light },
        { "#3050A0", changes::Ink::Light }, // the ward's night
        { "#3050a0", changes::Ink::Light },
        { "#A0A0C0", changes::Ink::Dark }, // the ward's 明け
        { "#FFFF00", changes::Ink::Dark },
        { "#0000FF", changes::Ink::Light },
        { "#767676", changes::Ink::Dark }, // the grey where black starts to read better than white
        { "#757575", changes::Ink::Light },
        { "", changes::Ink::Dark },
        { "#12345", changes::Ink::Dark },
        { "#GG0000", changes::Ink::Dark },
    };
    for (const auto& c : cases)
        EXPECT_EQ(changes::inkOn(c.colour), c.ink) << c.colour.toStdString();
}

TEST(CodeEntry, TheLegendListsEveryCodeInOrderAndAKeyNamesTheFirstCodeItStarts)
{
    const patterns::ShiftPatterns set = wardSet();
    const QList<changes::LegendItem> legend = changes::legendOf(set);
    ASSERT_EQ(legend.size(), 7);
    const struct {
        int item;
        QString text;
        QString description;
    } items[] = {
        { 0, "日 8:30～17:15", "日勤　8:30～17:15（休憩 60分）" },
        { 2, "夜 16:30～9:00", "夜勤　16:30～9:00（休憩 120分）　翌日は明" },
        { 3, "明 明け", "明け" },
        { 4, "年 年休（休み）", "年休（休み）" },
    };
    for (const auto& c : items) {
        EXPECT_EQ(legend[c.item].pattern, c.item);
        EXPECT_EQ(legend[c.item].text, c.text) << c.item;
        EXPECT_EQ(legend[c.item].description, c.description) << c.item;
    }
    EXPECT_EQ(legend[2].colour, "#3050A0");

    const struct {
        QString key;
        int pattern;
    } keys[] = {
        { "夜", 2 },
        { "明", 3 },
        { "年", 4 },
        { "遅", 1 }, // 遅 before 遅B
        { "A", 6 },
        { "a", 6 },
        { "x", -1 },
        { "", -1 },
        { "\t", -1 },
    };
    for (const auto& c : keys)
        EXPECT_EQ(changes::patternOfKey(set, c.key), c.pattern) << c.key.toStdString();
}

TEST(CodeEntry, APatternGoesToTheAllowedCellsAndTheDayThatMustFollowToTheNextDayOfThePeriod)
{
    PeriodData ward(QDate(2026, 5, 12), { employee("山田"), employee("佐藤"), employee("鈴木") });
    ward.data.shiftPatterns = wardSet();
    ward.data.shiftPatterns.staff = { { "佐藤", { "日", "遅" }, {} } };
    const patterns::ShiftPatterns& set = ward.data.shiftPatterns;
    const QDate first(2026, 5, 12);
    ward.data.dayChanges.set("鈴木", first.addDays(1), shift("8", "00", "17", "00", "480"));
    const daychanges::EffectiveSchedule schedule(ward.data);
    const QDate last = schedule.dates().last();
    const DayEntry night = changeOf(set.patterns[2]);
    const DayEntry ake = changeOf(set.patterns[3]);

    const changes::CodePlan plan = changes::planCode(schedule, set, 2,
        { { "山田", first }, { "佐藤", first }, { "鈴木", first }, { "山田", first }, { "山田", first.addDays(3) },
            { "山田", first.addDays(4) }, { "佐藤", first.addDays(4) }, { "鈴木", last } });
    EXPECT_EQ(plan.days,
        (QList<DaySet> { { "山田", first, night }, { "鈴木", first, night }, { "山田", first.addDays(3), night },
            { "山田", first.addDays(4), night }, { "鈴木", last, night } }))
        << "each cell once, 佐藤 is not allowed nights";
    EXPECT_EQ(plan.refused, QStringList { "佐藤" });
    EXPECT_EQ(plan.following, (QList<DaySet> { { "山田", first.addDays(1), ake }, { "山田", first.addDays(5), ake } }))
        << "not onto a chosen cell, not past the period";
    EXPECT_EQ(plan.replacing, (QList<DaySet> { { "鈴木", first.addDays(1), ake } }));

    // Declining the replacement leaves 鈴木's 8:00 inside the night; taking it leaves none.
    EXPECT_EQ(changes::overlapsOf(ward.data, daychanges::PeriodChoice::Registered, plan.days),
        (QList<changes::SetOverlap> { { "鈴木", first.addDays(1), 60 } }));
    EXPECT_TRUE(
        changes::overlapsOf(ward.data, daychanges::PeriodChoice::Registered, plan.days + plan.replacing).isEmpty());

    // A pattern without times is for everyone.
    const changes::CodePlan leave = changes::planCode(schedule, set, 4, { { "佐藤", first } });
    EXPECT_TRUE(leave.refused.isEmpty());
    EXPECT_EQ(leave.days, (QList<DaySet> { { "佐藤", first, changeOf(set.patterns[4]) } }));
}

TEST(CodeEntry, APatternThatIsTheStandardWeekTakesTheChangeBackAndNothingChangesTwice)
{
    PeriodData shop(QDate(2026, 5, 12), { employee("山田") });
    patterns::ShiftPatterns& set = shop.data.shiftPatterns;
    set = wardSet();
    patterns::Pattern standard = set.patterns[0]; // the standard week's 9:00–17:30 with an hour's break
    standard.code = "常";
    standard.start = 9 * 60;
    standard.end = 17 * 60 + 30;
    set.patterns << standard;
    const QDate changed(2026, 5, 12);
    const QDate night(2026, 5, 13);
    shop.data.dayChanges.set("山田", changed, dayOff("休み"));
    shop.data.dayChanges.set("山田", night, changeOf(set.patterns[2]));
    shop.data.dayChanges.set("山田", night.addDays(1), changeOf(set.patterns[3]));
    const daychanges::EffectiveSchedule schedule(shop.data);

    const changes::CodePlan back
        = changes::planCode(schedule, set, 7, { { "山田", changed }, { "山田", changed.addDays(6) } });
    EXPECT_EQ(back.days, (QList<DaySet> { { "山田", changed, std::nullopt } }))
        << "the change goes, a standard day stays as it is";
    const changes::CodePlan again = changes::planCode(schedule, set, 2, { { "山田", night } });
    EXPECT_EQ(again, changes::CodePlan {}) << "a night already followed by 明";
}

TEST(CodeEntry, WithPatternsACellShowsItsCodeOnItsColourAndWithoutThemTheSymbol)
{
    PeriodData ward(QDate(2026, 5, 12), { employee("山田") });
    const QDate night(2026, 5, 12);
    const changes::GridCell before = changes::gridCells(daychanges::EffectiveSchedule(ward.data), ward.data, {})[0][0];
    ward.data.shiftPatterns = wardSet();
    const patterns::ShiftPatterns& set = ward.data.shiftPatterns;
    ward.data.dayChanges.set("山田", night, changeOf(set.patterns[2]));
    ward.data.dayChanges.set("山田", night.addDays(1), changeOf(set.patterns[3]));
    const QList<changes::GridCell> cells
        = changes::gridCells(daychanges::EffectiveSchedule(ward.data), ward.data, {})[0];

    EXPECT_EQ(cells[0].symbol, "夜");
    EXPECT_EQ(cells[0].colour, "#3050A0");
    EXPECT_TRUE(cells[0].lightInk);
    EXPECT_TRUE(cells[0].changed);
    EXPECT_EQ(cells[0].description, "勤務変更あり\n夜　夜勤　16:30～9:00（休憩 120分）");
    EXPECT_TRUE(cells[0].toolTip.startsWith("夜　夜勤　16:30～9:00（休憩 120分）\n標準："));
    EXPECT_EQ(cells[1].symbol, "明");
    EXPECT_FALSE(cells[1].lightInk);
    EXPECT_EQ(cells[2].symbol, "〇") << "the standard 9:00–17:30 names no pattern";
    EXPECT_EQ(cells[2].colour, "");
    EXPECT_EQ(cells[2].description, "");

    ward.data.shiftPatterns = {};
    ward.data.dayChanges = {};
    EXPECT_EQ(changes::gridCells(daychanges::EffectiveSchedule(ward.data), ward.data, {})[0][0], before);
}
