#include "patterns/PatternMatch.h"
#include "data/Table.h"

#include <gtest/gtest.h>

using patterns::Kind;
using patterns::Pattern;

namespace {

Pattern working(const QString& code, int start, int end, int breakMinutes)
{
    return { code, code + "勤", Kind::Working, start, end, breakMinutes, std::nullopt, {}, "#FFFFFF", {} };
}

Pattern timeless(const QString& code, Kind kind, const QString& attribute = {})
{
    return { code, code, kind, 0, 0, 0, std::nullopt, attribute, "#FFFFFF", {} };
}

DayEntry entry(const QString& attribute, const QString& sh, const QString& sm, const QString& eh, const QString& em,
    const QString& net, const QString& pattern = {})
{
    return { attribute, sh, sm, eh, em, net, true, pattern };
}

// A ward's set: a day, a night across midnight, a second night of the same times with another
// break, a late shift to midnight, 明け and a named day off.
patterns::ShiftPatterns wardSet()
{
    patterns::ShiftPatterns set;
    set.patterns = { working("日", 510, 1035, 60), working("夜", 990, 540, 120), working("夜2", 990, 540, 60),
        working("遅", 900, 1440, 60), timeless("明", Kind::Ake), timeless("年", Kind::DayOff, "公休") };
    return set;
}

} // namespace

TEST(PatternMatch, AnEntryNamesThePatternOfItsStartEndAndBreakOrThePatternItCarries)
{
    const patterns::ShiftPatterns set = wardSet();
    const struct {
        DayEntry entry;
        QString code; // empty: none
    } cases[] = {
        { entry("勤務日", "8", "30", "17", "15", "465"), "日" },
        { entry("勤務日", "08", "30", "17", "15", "465"), "日" }, // the master's checks allow a leading zero
        { entry("勤務日", "8", "30", "17", "15", "405"), {} }, // a break of 120
        { entry("勤務日", "8", "30", "17", "20", "470"), {} },
        { entry("勤務日", "16", "30", "9", "00", "870"), "夜" }, // across midnight: 990 minutes less 120
        { entry("勤務日", "16", "30", "9", "00", "930"), "夜2" },
        { entry("勤務日", "15", "00", "24", "00", "480"), "遅" },
        { entry("勤務日", "15", "00", "0", "00", "480"), "遅" }, // a change may end at 0:00, as 24:00
        { entry("その他", "0", "00", "0", "00", "0", "明"), "明" },
        { entry("公休", "0", "00", "0", "00", "0", "年"), "年" },
        { entry("その他", "0", "00", "0", "00", "0"), {} }, // an その他 day without a pattern
        { entry("その他", "0", "00", "0", "00", "0", "無"), {} }, // a pattern since deleted
        { entry("勤務日", "8", "30", "17", "15", "465", "日"), {} }, // a working pattern is named by times only
        { entry("勤務日", "x", "30", "17", "15", "465"), {} },
    };
    for (const auto& c : cases) {
        const int i = patterns::patternOf(set, c.entry);
        EXPECT_EQ(i < 0 ? QString() : set.patterns[i].code, c.code)
            << c.entry.startHour.toStdString() << ":" << c.entry.startMinute.toStdString() << " "
            << c.entry.netMinutes.toStdString() << " " << c.entry.pattern.toStdString();
    }
    EXPECT_EQ(patterns::patternOf({}, cases[0].entry), -1);
}

// Each pattern gives the day change that names it again, in the change file's form; two working
// patterns of equal times are refused, so that an entry never names two.
TEST(PatternMatch, APatternsEntryNamesItAndEqualTimesAreRefused)
{
    const patterns::ShiftPatterns set = wardSet();
    EXPECT_EQ(patterns::entryOf(set.patterns[1]), (DayEntry { "勤務日", "16", "30", "9", "00", "870", false, {} }));
    EXPECT_EQ(patterns::entryOf(set.patterns[3]), (DayEntry { "勤務日", "15", "00", "24", "00", "480", false, {} }));
    EXPECT_EQ(patterns::entryOf(set.patterns[4]), (DayEntry { "その他", "0", "00", "0", "00", "0", false, "明" }));
    EXPECT_EQ(patterns::entryOf(set.patterns[5]), (DayEntry { "公休", "0", "00", "0", "00", "0", false, "年" }));
    for (int i = 0; i < set.patterns.size(); ++i)
        EXPECT_EQ(patterns::patternOf(set, patterns::entryOf(set.patterns[i])), i) << i;

    EXPECT_EQ(
        patterns::clashFault(working("当", 990, 540, 120), set.patterns), "開始・終了・休憩が「夜」（夜勤）と同じです");
    EXPECT_EQ(patterns::clashFault(working("当", 990, 540, 90), set.patterns), "");
    EXPECT_EQ(patterns::clashFault(timeless("明2", Kind::Ake), set.patterns), "")
        << "patterns without times never clash";
}

// A staff line limits the working patterns a person may work; it follows a rename and goes with
// a deleted employee, unless another master row still carries the name.
TEST(ShiftPatterns, AStaffLineLimitsThePatternsAndFollowsTheMaster)
{
    patterns::ShiftPatterns set = wardSet();
    set.staff = { { "山田", { "日" }, { "看護師" } }, { "田中", {}, { "新人" } } };
    EXPECT_TRUE(set.allows("山田", 0));
    EXPECT_FALSE(set.allows("山田", 1));
    EXPECT_TRUE(set.allows("田中", 1)) << "no codes: every working pattern";
    EXPECT_TRUE(set.allows("佐藤", 3)) << "no line: every working pattern";
    EXPECT_FALSE(set.allows("佐藤", 4)) << "明け is no shift to work";
    EXPECT_FALSE(set.allows("佐藤", 6));

    Table master { 44, 30 };
    master.setCell(0, 0, "山田花子");
    master.setCell(0, 1, "田中");
    patterns::followRename(set, master, "山田", "山田花子");
    ASSERT_NE(set.staffLine("山田花子"), nullptr);
    EXPECT_EQ(set.staffLine("山田花子")->codes, QStringList { "日" });
    EXPECT_EQ(set.staffLine("山田"), nullptr);

    master.setCell(0, 1, "田中一郎");
    master.setCell(0, 2, "田中"); // another row of the old name keeps the line
    patterns::followRename(set, master, "田中", "田中一郎");
    EXPECT_NE(set.staffLine("田中"), nullptr);
    patterns::followDelete(set, master, "田中");
    EXPECT_NE(set.staffLine("田中"), nullptr);
    master.setCell(0, 2, "");
    patterns::followDelete(set, master, "田中");
    EXPECT_EQ(set.staffLine("田中"), nullptr);
    EXPECT_EQ(set.staff.size(), 1);
}
