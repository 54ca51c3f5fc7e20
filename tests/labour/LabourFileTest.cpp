#include "labour/LabourFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using labour::Key;

namespace {

const QString kForm = "「設定名,値,」の形ではありません";
const QString kUnknown = "設定名が不明です";
const QString kSecond = "同じ設定の2行目です";

} // namespace

TEST(LabourFile, EachSettingTakesOnlyItsValuesAndABadLineIsNamedWithItsReason)
{
    const struct {
        QString line;
        QString reason; // empty: taken
    } cases[] = {
        { "週法定労働時間,44,", {} },
        { "週の起算日,月,", {} },
        { "深夜割増率,35,", {} },
        { "時間外割増率,50,", {} },
        { "月60時間超割増率,100,", {} },
        { "連続勤務上限,0,", {} },
        { "勤務間インターバル,24,", {} },
        { "最低賃金,,", {} },
        { "週法定労働時間,40,", kSecond },
        { "週法定労働時間,44", kForm },
        { "週法定労働時間,44,,", kForm },
        { "", kForm },
        { "週法定労働時間", kForm },
        { "週所定労働時間,40,", kUnknown },
        { ",40,", kUnknown },
        { "週の起算日,日曜,", "値が不正です（日～土）" },
        { "深夜割増率,24,", "値が不正です（25～100）" },
        { "深夜割増率,025,", "値が不正です（25～100）" },
        { "深夜割増率,+30,", "値が不正です（25～100）" },
        { "深夜割増率,,", "値が不正です（25～100）" },
        { "時間外割増率,51,", "値が不正です（25～50）" },
        { "月60時間超割増率,49,", "値が不正です（50～100）" },
        { "連続勤務上限,31,", "値が不正です（0～30）" },
        { "勤務間インターバル,-1,", "値が不正です（0～24）" },
        { "最低賃金,0,", "値が不正です（空欄又は1～9999）" },
        { "最低賃金,10000,", "値が不正です（空欄又は1～9999）" },
    };
    QByteArray bytes;
    QList<RejectedLine> expected;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        bytes += sjis(cases[i].line) + (i % 2 ? "\n" : "\r\n"); // LF alone ends a line too
        if (!cases[i].reason.isEmpty())
            expected.append({ i + 1, cases[i].reason });
    }
    bytes += "\x81" + sjis(",40,"); // a lead byte without its trail; no line end
    expected.append({ int(std::size(cases)) + 1, kUnknown });

    const labourfile::ReadResult read = labourfile::read(bytes);
    EXPECT_EQ(read.rejected, expected);
    const labour::Settings& s = read.settings;
    EXPECT_EQ(s.weeklyMinutes(), 44 * 60) << "the first line of a key is kept";
    EXPECT_EQ(s.weekStart(), 2);
    EXPECT_EQ(s.nightRate(), 35);
    EXPECT_EQ(s.overtimeRate(), 50);
    EXPECT_EQ(s.overSixtyRate(), 100);
    EXPECT_EQ(s.runLimit(), 0);
    EXPECT_EQ(s.restMinutes(), 24 * 60);
    EXPECT_EQ(s.minimumWage(), 0);
    EXPECT_EQ(s.given().size(), 8);
}

TEST(LabourFile, AFileTakenWholeIsWrittenBackAsItWasAndAMissingKeyMeansItsDefault)
{
    // Some keys, in an order of the user's own.
    const QByteArray bytes = sjis("最低賃金,1050,\r\n週の起算日,土,\r\n週法定労働時間,44,\r\n");
    const labourfile::ReadResult read = labourfile::read(bytes);
    ASSERT_TRUE(read.rejected.isEmpty());
    EXPECT_EQ(labourfile::serialize(read.settings), bytes);
    EXPECT_EQ(read.settings.minimumWage(), 1050);
    EXPECT_EQ(read.settings.weekStart(), 7);
    EXPECT_EQ(read.settings.nightRate(), 25);
    EXPECT_EQ(read.settings.overSixtyRate(), 50);
    EXPECT_EQ(read.settings.runLimit(), 6);
    EXPECT_EQ(read.settings.restMinutes(), 11 * 60);

    // A key given again keeps its place; a new one comes last; the saved file reads back the same.
    labour::Settings changed = read.settings;
    changed.set(Key::WeeklyHours, 40);
    changed.set(Key::MinimumWage, 0);
    changed.set(Key::RunLimit, 12);
    const QByteArray saved = labourfile::serialize(changed);
    EXPECT_EQ(saved, sjis("最低賃金,,\r\n週の起算日,土,\r\n週法定労働時間,40,\r\n連続勤務上限,12,\r\n"));
    const labourfile::ReadResult again = labourfile::read(saved);
    EXPECT_TRUE(again.rejected.isEmpty());
    EXPECT_EQ(again.settings, changed);

    // Nothing given, nothing to write: a missing file stays missing.
    EXPECT_TRUE(labourfile::serialize({}).isEmpty());
    EXPECT_EQ(labourfile::read({}).settings, labour::Settings());
}

TEST(LabourFile, TheSchemesTheDaysOffMinorsAndTheNightBandTakeOnlyTheFormsTheyAreWrittenIn)
{
    const struct {
        QString line;
        Key key;
        int value; // when taken
        QString reason; // empty: taken
    } cases[] = {
        { "変形労働時間制,1か月単位,", Key::Scheme, 1, {} },
        { "変形労働時間制,なし,", Key::Scheme, 0, {} },
        { "変形労働時間制,1ヶ月単位,", Key::Scheme, 0, "値が不正です（なし又は1か月単位）" },
        { "変形期間の起算日,28,", Key::SchemeStart, 28, {} },
        { "変形期間の起算日,末日,", Key::SchemeStart, 29, {} },
        { "変形期間の起算日,29,", Key::SchemeStart, 0, "値が不正です（1～28又は末日）" },
        { "変形期間の起算日,0,", Key::SchemeStart, 0, "値が不正です（1～28又は末日）" },
        { "休日の与え方,4週4日,", Key::DaysOffRule, 1, {} },
        { "休日の与え方,4週4休,", Key::DaysOffRule, 0, "値が不正です（毎週1日又は4週4日）" },
        { "4週の起算日,2026/6/1,", Key::FourWeekStart, int(QDate(2026, 6, 1).toJulianDay()), {} },
        { "4週の起算日,,", Key::FourWeekStart, 0, {} },
        { "4週の起算日,2026/06/01,", Key::FourWeekStart, 0, "値が不正です（空欄又は2000/1/1～2099/12/31の日付）" },
        { "4週の起算日,2026/2/29,", Key::FourWeekStart, 0, "値が不正です（空欄又は2000/1/1～2099/12/31の日付）" },
        { "4週の起算日,1999/12/31,", Key::FourWeekStart, 0, "値が不正です（空欄又は2000/1/1～2099/12/31の日付）" },
        { "年少者の深夜業,保健衛生業などの例外,", Key::MinorNight, 1, {} },
        { "年少者の深夜業,許可,", Key::MinorNight, 0, "値が不正です（禁止又は保健衛生業などの例外）" },
        { "夜勤時間帯,16:30-8:30,", Key::NightBand, 16 * 60 + 30, {} },
        { "夜勤時間帯,13:00-5:00,", Key::NightBand, 13 * 60, {} }, // the earliest: ends at 5:00
        { "夜勤時間帯,22:00-14:00,", Key::NightBand, 22 * 60, {} }, // the latest: starts at 22:00
        { "夜勤時間帯,,", Key::NightBand, 0, {} },
        { "夜勤時間帯,12:59-4:59,", Key::NightBand, 0, "値が不正です（空欄又は22時～5時を含む16時間，例 16:30-8:30）" },
        { "夜勤時間帯,22:01-14:01,", Key::NightBand, 0,
            "値が不正です（空欄又は22時～5時を含む16時間，例 16:30-8:30）" },
        { "夜勤時間帯,16:30-9:00,", Key::NightBand, 0, "値が不正です（空欄又は22時～5時を含む16時間，例 16:30-8:30）" },
        { "夜勤時間帯,16:30～8:30,", Key::NightBand, 0,
            "値が不正です（空欄又は22時～5時を含む16時間，例 16:30-8:30）" },
    };
    for (const auto& c : cases) {
        const labourfile::ReadResult read = labourfile::read(sjis(c.line + "\r\n"));
        if (c.reason.isEmpty()) {
            EXPECT_TRUE(read.rejected.isEmpty()) << c.line.toStdString();
            EXPECT_EQ(read.settings.value(c.key), c.value) << c.line.toStdString();
            EXPECT_EQ(labourfile::serialize(read.settings), sjis(c.line + "\r\n")) << "written back as it was";
        } else {
            EXPECT_EQ(read.rejected, (QList<RejectedLine> { { 1, c.reason } })) << c.line.toStdString();
            EXPECT_EQ(read.settings, labour::Settings()) << c.line.toStdString();
        }
    }
    // Without the new keys a file holds today's defaults for them: no scheme, a day off a week,
    // minors never at night, no night band.
    const labour::Settings old = labourfile::read(sjis("週法定労働時間,44,\r\n")).settings;
    EXPECT_FALSE(old.monthlyScheme());
    EXPECT_FALSE(old.fourWeekDaysOff());
    EXPECT_FALSE(old.fourWeekStart().isValid());
    EXPECT_FALSE(old.minorNightAllowed());
    EXPECT_EQ(old.nightBandStart(), 0);
}
