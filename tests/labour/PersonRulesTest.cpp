// The rules of a person and of the patterns' sequence as values: the text form of each field and
// line, the values refused with their reasons, and the guideline preset.
#include "labour/PersonRules.h"
#include "labour/SequenceRules.h"

#include <gtest/gtest.h>

using labour::PersonField;
using labour::PersonRules;

TEST(PersonRules, EachFieldTakesOnlyItsFormAndWritesItBack)
{
    const struct {
        PersonField field;
        QString text;
        QString reason; // empty: taken, and written back as it was
    } cases[] = {
        { PersonField::BirthDate, "2009/4/1", {} },
        { PersonField::BirthDate, "", {} },
        { PersonField::BirthDate, "2009/04/01", "「生年月日」の値が不正です（空欄又は1900/1/1～2099/12/31の日付）" },
        { PersonField::BirthDate, "2009/2/29", "「生年月日」の値が不正です（空欄又は1900/1/1～2099/12/31の日付）" },
        { PersonField::BirthDate, "1899/12/31", "「生年月日」の値が不正です（空欄又は1900/1/1～2099/12/31の日付）" },
        { PersonField::Student, "留学生", {} },
        { PersonField::Student, "学生", "「留学生」の値が不正です（空欄又は留学生）" },
        { PersonField::Vacations, "2027/2/10-2027/4/5", {} },
        { PersonField::Vacations, "2027/2/10-2027/4/5|2027/8/1-2027/9/20", {} },
        { PersonField::Vacations, "2027/8/1-2027/8/1", {} },
        { PersonField::Vacations, "2027/4/5-2027/2/10",
            "「長期休業」の値が不正です（空欄又は「2027/2/10-2027/4/5」の形の期間を「|」でつないで10まで）" },
        { PersonField::Vacations, "2027/2/10",
            "「長期休業」の値が不正です（空欄又は「2027/2/10-2027/4/5」の形の期間を「|」でつないで10まで）" },
        { PersonField::Vacations, "2027/2/10-2027/4/5|",
            "「長期休業」の値が不正です（空欄又は「2027/2/10-2027/4/5」の形の期間を「|」でつないで10まで）" },
        { PersonField::Expectant, "深夜なし", {} },
        { PersonField::Expectant, "深夜なし|時間外なし", {} },
        { PersonField::Care, "時間外なし", {} },
        { PersonField::Care, "時間外なし|深夜なし",
            "「育児・介護の制限」の値が不正です（空欄，深夜なし，時間外なし又は深夜なし|時間外なし）" },
        { PersonField::MonthlyDaysOff, "9", {} },
        { PersonField::MonthlyDaysOff, "21", "「公休の日数（暦月）」の値が不正です（空欄又は1～20）" },
        { PersonField::MinHours, "400", {} },
        { PersonField::MaxHours, "0", "「勤務時間の上限」の値が不正です（空欄又は1～400）" },
        { PersonField::MaxNights, "0", {} },
        { PersonField::MaxNights, "-1", "「夜勤の上限」の値が不正です（空欄又は0～20）" },
        { PersonField::MaxNights, "04", "「夜勤の上限」の値が不正です（空欄又は0～20）" },
        { PersonField::MaxWeekends, "10", {} },
        { PersonField::MinRun, "1", "「連勤の下限」の値が不正です（空欄又は2～7）" },
        { PersonField::MinDaysOff, "7", {} },
        { PersonField::MinDaysOff, "二", "「連休の下限」の値が不正です（空欄又は2～7）" },
    };
    for (const auto& c : cases) {
        PersonRules rules;
        rules.maxNights = 3; // a field refused leaves the rules as they were
        const PersonRules before = rules;
        EXPECT_EQ(labour::setField(rules, c.field, c.text), c.reason) << c.text.toStdString();
        if (c.reason.isEmpty())
            EXPECT_EQ(labour::fieldText(rules, c.field), c.text) << c.text.toStdString();
        else
            EXPECT_EQ(rules, before) << c.text.toStdString();
    }
}

TEST(PersonRules, AStaffLinesFieldsReadBackTheSameAndAnOlderLineWithoutThemMeansNoRules)
{
    PersonRules rules;
    rules.birthDate = QDate(2008, 2, 29);
    rules.student = true;
    rules.vacations = { { QDate(2027, 2, 10), QDate(2027, 4, 5) } };
    rules.expectant = { true, true };
    rules.monthlyDaysOff = 9;
    rules.minHours = 80;
    rules.maxHours = 120;
    rules.maxNights = 4;
    rules.minDaysOff = 2;
    const QStringList texts = labour::fieldTexts(rules);
    EXPECT_EQ(texts,
        QStringList({ "2008/2/29", "留学生", "2027/2/10-2027/4/5", "深夜なし|時間外なし", "", "9", "80", "120", "4", "",
            "", "2" }));
    PersonRules read;
    EXPECT_EQ(labour::readFields(texts, read), QString());
    EXPECT_EQ(read, rules);

    PersonRules none;
    EXPECT_EQ(labour::readFields({}, none), QString());
    EXPECT_EQ(none, PersonRules());
    EXPECT_EQ(labour::readFields({ "2009/4/1" }, none), QString()) << "the fields after it are empty";
    EXPECT_EQ(none.birthDate, QDate(2009, 4, 1));

    // Refused whole: the first reason, or fields that do not go together; out keeps what it had.
    PersonRules kept = none;
    EXPECT_EQ(labour::readFields({ "", "", "", "", "", "", "100", "80" }, kept),
        QString("勤務時間の下限が上限を超えています"));
    EXPECT_EQ(
        labour::readFields({ "", "", "2027/2/10-2027/4/5" }, kept), QString("長期休業は留学生のときだけ入力できます"));
    EXPECT_EQ(labour::readFields(texts + QStringList { "" }, kept), QString("職員の項目が多すぎます"));
    EXPECT_EQ(kept, none);
}

TEST(PersonRules, AnEmployeeIsAMinorUpToTheDayBeforeTheir18thBirthday)
{
    const struct {
        QDate birth;
        QDate adult;
    } cases[] = {
        { QDate(2008, 6, 15), QDate(2026, 6, 15) },
        { QDate(2008, 2, 29), QDate(2026, 3, 1) }, // the age is reached at the end of 28 February
        { QDate(2012, 2, 29), QDate(2030, 3, 1) },
        { QDate(2010, 2, 28), QDate(2028, 2, 28) }, // 28 February, also in a leap year
    };
    for (const auto& c : cases) {
        PersonRules rules;
        rules.birthDate = c.birth;
        EXPECT_EQ(rules.adultFrom(), c.adult) << c.birth.toString().toStdString();
        EXPECT_TRUE(rules.minorOn(c.adult.addDays(-1)));
        EXPECT_FALSE(rules.minorOn(c.adult));
    }
    EXPECT_FALSE(PersonRules().minorOn(QDate(2026, 6, 1))) << "without a birth date, no minor";
}

TEST(SequenceRules, EachRuleHasItsLineFormAndALineItCannotKeepIsRefusedWithItsReason)
{
    const struct {
        QStringList fields;
        QString reason;
    } cases[] = {
        { { "禁止", "夜", "日" }, {} },
        { { "禁止", "遅", "早" }, {} },
        { { "連続", "夜", "2" }, {} },
        { { "連続", "A1", "30" }, {} },
        { { "明けの後は休み" }, {} },
        { { "禁止", "夜", "日" }, "同じ並びの2行目です" },
        { { "連続", "夜", "3" }, "同じ勤務の連続の上限の2行目です" },
        { { "明けの後は休み" }, "「明けの後は休み」の2行目です" },
        { { "連続", "早", "0" }, "連続の上限は1～30日です" },
        { { "連続", "早", "31" }, "連続の上限は1～30日です" },
        { { "連続", "早", "02" }, "連続の上限は1～30日です" },
        { { "禁止", "夜勤", "日勤" }, {} },
        { { "禁止", "夜勤中", "日" }, "勤務の記号は1～2文字です" },
        { { "禁止", "夜", "" }, "勤務の記号は1～2文字です" },
        { { "禁止", "夜" }, "「禁止,勤務,次の勤務」「連続,勤務,日数」「明けの後は休み」のどれでもありません" },
        { { "明けの後は休み", "明" },
            "「禁止,勤務,次の勤務」「連続,勤務,日数」「明けの後は休み」のどれでもありません" },
        { {}, "「禁止,勤務,次の勤務」「連続,勤務,日数」「明けの後は休み」のどれでもありません" },
    };
    labour::SequenceRules rules;
    QList<QStringList> taken;
    for (const auto& c : cases) {
        const labour::SequenceRules before = rules;
        EXPECT_EQ(labour::addRuleLine(rules, c.fields), c.reason) << c.fields.join(',').toStdString();
        if (c.reason.isEmpty())
            taken << c.fields;
        else
            EXPECT_EQ(rules, before);
    }
    EXPECT_TRUE(rules.forbids("夜", "日"));
    EXPECT_FALSE(rules.forbids("日", "夜"));
    EXPECT_EQ(rules.mostInARow("夜"), 2);
    EXPECT_EQ(rules.mostInARow("日"), labour::kNone);
    // Written back: the pairs, the limits, then the day off after 明け.
    EXPECT_EQ(
        labour::ruleLines(rules), (QList<QStringList> { taken[0], taken[1], taken[5], taken[2], taken[3], taken[4] }));
}

TEST(SequenceRules, TheWardPresetSetsTheGuidelinesFiguresAndKeepsEverythingElse)
{
    labour::Settings settings;
    settings.set(labour::Key::WeeklyHours, 44);
    settings.set(labour::Key::RunLimit, 6);
    labour::SequenceRules sequence;
    sequence.forbidden = { { "遅", "早" } };
    sequence.runLimits = { { "日", 5 }, { "夜", 3 } };
    QList<PersonRules> nurses(2);
    nurses[1].maxHours = 150;
    labour::applyWardGuideline(settings, sequence, nurses);

    EXPECT_EQ(settings.restMinutes(), 11 * 60);
    EXPECT_EQ(settings.runLimit(), 5);
    EXPECT_EQ(settings.weeklyMinutes(), 44 * 60);
    EXPECT_EQ(sequence.forbidden, (QList<labour::ForbiddenPair> { { "遅", "早" } }));
    EXPECT_EQ(sequence.runLimits, (QList<labour::CodeRunLimit> { { "日", 5 }, { "夜", 1 } }));
    EXPECT_TRUE(sequence.offAfterAke);
    EXPECT_EQ(nurses[0].maxNights, 4);
    EXPECT_EQ(nurses[1].maxNights, 4);
    EXPECT_EQ(nurses[1].maxHours, 150);

    // Every line the window lists names the standard it comes from.
    const QList<labour::PresetLine> lines = labour::wardGuidelineLines();
    EXPECT_EQ(lines.size(), 5);
    for (const labour::PresetLine& line : lines)
        EXPECT_TRUE(line.source.startsWith(QStringLiteral("基準"))) << line.text.toStdString();
}
