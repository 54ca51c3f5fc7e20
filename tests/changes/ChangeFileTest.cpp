#include "changes/ChangeFile.h"
#include "ChangesTestData.h"
#include "changes/PublishedFile.h"

#include <gtest/gtest.h>

namespace {

const QString kFieldCount = "項目数が10ではありません";
const QString kName = "氏名が不正です";
const QString kYear = "年が不正です";
const QString kMonth = "月が不正です";
const QString kDay = "日が不正です";
const QString kNoDate = "日付が存在しません";
const QString kAttribute = "勤務区分が不正です";
const QString kTime = "時刻が不正です";
const QString kMinutes = "実労働分が不正です";
const QString kDayOff = "勤務日以外の時刻・実労働分が0ではありません";
const QString kSecond = "同じ氏名・日付の2行目です";
const QString kPattern = "勤務パターンの記号が不正です";
const QString kPatternOnWorkday = "勤務日に時刻のない勤務パターンの記号があります";

} // namespace

TEST(ChangeFile, EachFieldHasTheMastersFormAndABadLineIsNamedWithItsReason)
{
    const struct {
        QString line;
        QString reason; // empty: taken
    } cases[] = {
        { "山田太郎,2026,5,12,休み,0,00,0,00,0,", {} },
        { "佐藤,2024,2,29,勤務日,22,30,6,00,450,", {} },
        { "あいうえおかきくけこさし,2026,12,31,その他,0,00,0,00,0,", {} }, // 24 bytes
        { "佐藤,2026,5,13,勤務日,24,55,1,5,9999,", {} },
        { "佐藤,2026,5,13,勤務日,9,00,17,30,450", kFieldCount }, // no "," after the last field
        { "佐藤,2026,5,13,勤務日,9,00,17,30,450,夜,1,", kFieldCount },
        // An eleventh field carries a pattern without times on a day that is not a working day.
        { "佐藤,2026,5,14,その他,0,00,0,00,0,明,", {} },
        { "佐藤,2026,5,15,公休,0,00,0,00,0,A1,", {} },
        { "佐藤,2026,5,16,休み,0,00,0,00,0,,", {} }, // an empty code is no pattern
        { "佐藤,2026,5,17,勤務日,9,00,17,30,450,夜,", kPatternOnWorkday },
        { "佐藤,2026,5,17,その他,0,00,0,00,0,明け休,", kPattern },
        { "佐藤,2026,5,17,その他,0,00,0,00,0,明|,", kPattern },
        { "佐藤,2026,5,17,その他,0,00,0,00,0, ,", kPattern },
        { "佐藤,2026,5,17,その他,9,00,0,00,0,明,", kDayOff },
        { "", kFieldCount },
        { ",2026,5,13,休み,0,00,0,00,0,", kName },
        { "あいうえおかきくけこさしす,2026,5,13,休み,0,00,0,00,0,", kName }, // 26 bytes
        { "佐\t藤,2026,5,13,休み,0,00,0,00,0,", kName },
        { "佐藤,0999,5,13,休み,0,00,0,00,0,", kYear },
        { "佐藤,20260,5,13,休み,0,00,0,00,0,", kYear },
        { "佐藤,2026,0,13,休み,0,00,0,00,0,", kMonth },
        { "佐藤,2026,13,13,休み,0,00,0,00,0,", kMonth },
        { "佐藤,2026,05,13,休み,0,00,0,00,0,", kMonth },
        { "佐藤,2026,5,0,休み,0,00,0,00,0,", kDay },
        { "佐藤,2026,5,013,休み,0,00,0,00,0,", kDay },
        { "佐藤,2026,2,29,休み,0,00,0,00,0,", kNoDate },
        { "佐藤,2026,4,31,休み,0,00,0,00,0,", kNoDate },
        { "佐藤,2026,5,13,勤務,0,00,0,00,0,", kAttribute },
        { "佐藤,2026,5,13,勤務日,25,00,17,30,450,", kTime },
        { "佐藤,2026,5,13,勤務日,09,00,17,30,450,", kTime },
        { "佐藤,2026,5,13,勤務日,9,0,17,30,450,", kTime },
        { "佐藤,2026,5,13,勤務日,9,00,17,7,450,", kTime },
        { "佐藤,2026,5,13,勤務日,9,00,17,60,450,", kTime },
        { "佐藤,2026,5,13,勤務日,9,00,17,30,10000,", kMinutes },
        { "佐藤,2026,5,13,勤務日,9,00,17,30,-5,", kMinutes },
        { "佐藤,2026,5,13,休み,9,00,0,00,0,", kDayOff },
        { "佐藤,2026,5,13,公休,0,00,0,00,450,", kDayOff },
        { "佐藤,2026,5,13,その他,0,0,0,00,0,", kTime },
        { "山田太郎,2026,5,12,勤務日,9,00,17,30,450,", kSecond },
    };
    QByteArray bytes;
    QList<RejectedLine> expected;
    int taken = 0;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        bytes += sjis(cases[i].line) + (i % 2 ? "\n" : "\r\n"); // LF alone ends a line too
        if (cases[i].reason.isEmpty())
            ++taken;
        else
            expected.append({ i + 1, cases[i].reason });
    }
    bytes += "\x81" + sjis(",2026,5,13,休み,0,00,0,00,0,"); // a lead byte without its trail; no line end
    expected.append({ int(std::size(cases)) + 1, kName });

    const changefile::ReadResult read = changefile::read(bytes);
    EXPECT_EQ(read.rejected, expected);
    ASSERT_EQ(read.changes.size(), taken);
    EXPECT_EQ(read.changes.find("山田太郎", QDate(2026, 5, 12)), dayOff("休み")) << "the first line of a pair is kept";
    EXPECT_EQ(read.changes.find("佐藤", QDate(2024, 2, 29)), shift("22", "30", "6", "00", "450"));
    EXPECT_EQ(read.changes.find("佐藤", QDate(2026, 5, 14)), withPattern(dayOff("その他"), "明"));
    EXPECT_EQ(read.changes.find("佐藤", QDate(2026, 5, 16)), dayOff("休み"));
}

TEST(ChangeFile, SavedLinesGoByDateThenMasterRowThenNameAndReadBackTheSame)
{
    Table master { 44, 30 };
    putEmployee(master, 0, employee("山田"));
    putEmployee(master, 1, employee("佐藤"));
    putEmployee(master, 2, employee("山田")); // a shared name sorts by its first row
    DayChanges changes;
    changes.set("高橋", QDate(2026, 5, 12), dayOff("公休"));
    changes.set("佐藤", QDate(2026, 5, 12), shift("10", "00", "15", "30", "330"));
    changes.set("山田", QDate(2026, 5, 12), dayOff("休み"));
    changes.set("阿部", QDate(2026, 5, 12), dayOff("その他"));
    changes.set("佐藤", QDate(2026, 5, 11), dayOff("休み"));
    changes.set("山田", QDate(2026, 5, 13), withPattern(dayOff("その他"), "明"));
    changes.set("佐藤", QDate(2026, 5, 13), withPattern(dayOff("公休"), "年"));

    const QByteArray bytes = changefile::serialize(changes, master);
    EXPECT_EQ(bytes,
        sjis("佐藤,2026,5,11,休み,0,00,0,00,0,\r\n"
             "山田,2026,5,12,休み,0,00,0,00,0,\r\n"
             "佐藤,2026,5,12,勤務日,10,00,15,30,330,\r\n"
             "阿部,2026,5,12,その他,0,00,0,00,0,\r\n"
             "高橋,2026,5,12,公休,0,00,0,00,0,\r\n"
             "山田,2026,5,13,その他,0,00,0,00,0,明,\r\n"
             "佐藤,2026,5,13,公休,0,00,0,00,0,年,\r\n"));
    const changefile::ReadResult again = changefile::read(bytes);
    EXPECT_TRUE(again.rejected.isEmpty());
    EXPECT_EQ(again.changes, changes);
    EXPECT_TRUE(changefile::serialize({}, master).isEmpty());
}

TEST(ChangeFile, TheStartUpMessageListsTheFirstFifteenLinesAndCountsTheRest)
{
    QList<RejectedLine> rejected;
    for (int line = 1; line <= 17; ++line)
        rejected.append({ line * 2, line == 3 ? kNoDate : kFieldCount });
    const QStringList lines = changefile::rejectedLinesMessage(rejected).split("\r\n");
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines.mid(0, 5),
        QStringList({ "▼ 勤務変更ファイル zelrotandata3.zel の次の行は読み込めませんでした．", "",
            "　2 行目：項目数が10ではありません", "　4 行目：項目数が10ではありません",
            "　6 行目：日付が存在しません" }));
    EXPECT_EQ(lines.mid(16, 3), QStringList({ "　30 行目：項目数が10ではありません", "　ほか 2 行", "" }));
    EXPECT_FALSE(changefile::rejectedLinesMessage(rejected.mid(0, 15)).contains("ほか"));
}

// Whatever notation of a day the master's checks accept, a change made from it (a swap copies the
// partner's entry) is written in the file's form and read back as the same day.
TEST(ChangeFile, AnEntryFromTheMasterIsWrittenInTheFilesFormAndReadBack)
{
    const auto entry = [](const QString& attribute, const QString& sh, const QString& sm, const QString& eh,
                           const QString& em, const QString& net) {
        return DayEntry { attribute, sh, sm, eh, em, net, true };
    };
    const struct {
        DayEntry master;
        std::optional<DayEntry> formed;
    } cases[] = {
        { entry("勤務日", "9", "00", "17", "30", "450"), entry("勤務日", "9", "00", "17", "30", "450") },
        { entry("勤務日", "9", "0", "17", "30", "450"), entry("勤務日", "9", "00", "17", "30", "450") },
        { entry("勤務日", "09", "05", "+17", "030", "0450"), entry("勤務日", "9", "5", "17", "30", "450") },
        { entry("勤務日", "0", "00", "24", "00", "1380"), entry("勤務日", "0", "00", "24", "00", "1380") },
        { entry("勤務日", "22", "30", "6", "0", "0"), entry("勤務日", "22", "30", "6", "00", "0") },
        { entry("公休", "9", "00", "17", "30", "450"), entry("公休", "0", "00", "0", "00", "0") },
        { entry("休み", "-1", "99", "x", "", ""), entry("休み", "0", "00", "0", "00", "0") },
        { entry("勤務日", "25", "00", "17", "30", "450"), std::nullopt },
        { entry("勤務日", "-1", "00", "17", "30", "450"), std::nullopt },
        { entry("勤務日", "9", "07", "17", "30", "450"), std::nullopt },
        { entry("勤務日", "9", "00", "17", "60", "450"), std::nullopt },
        { entry("勤務日", "9", "00", "17", "30", "-5"), std::nullopt },
        { entry("勤務", "9", "00", "17", "30", "450"), std::nullopt },
        { withPattern(entry("その他", "9", "00", "0", "00", "0"), "明"),
            withPattern(entry("その他", "0", "00", "0", "00", "0"), "明") },
        { withPattern(entry("勤務日", "9", "00", "17", "30", "450"), "明"),
            entry("勤務日", "9", "00", "17", "30", "450") },
    };
    Table master { 44, 30 };
    master.setCell(0, 0, "佐藤");
    for (const auto& c : cases) {
        const std::optional<DayEntry> formed = changefile::fileForm(c.master);
        EXPECT_EQ(formed, c.formed) << c.master.startHour.toStdString() << " " << c.master.startMinute.toStdString();
        if (!formed)
            continue;
        DayChanges changes;
        changes.set("佐藤", QDate(2026, 5, 13), *formed);
        const changefile::ReadResult back = changefile::read(changefile::serialize(changes, master));
        EXPECT_TRUE(back.rejected.isEmpty()) << back.rejected.value(0).reason.toStdString();
        EXPECT_EQ(back.changes, changes);
    }
}

// The published date's file: its one line read back, every other line named with its reason.
TEST(PublishedFile, ReadsItsLineBackAndNamesTheLinesItCannotTake)
{
    const QDate date(2027, 1, 31);
    EXPECT_EQ(publishedfile::serialize(date), sjis("確定日,2027,1,31,\r\n"));
    EXPECT_EQ(publishedfile::read(publishedfile::serialize(date)).until, date);
    EXPECT_TRUE(publishedfile::serialize(QDate()).isEmpty()) << "no date, no bytes";

    const publishedfile::ReadResult read = publishedfile::read(sjis(
        "確定日,2027,2,30,\r\n確定日,2027,1,31\r\n公開日,2027,1,31,\r\n確定日,2027,1,31,\r\n確定日,2027,2,1,\r\n"));
    EXPECT_EQ(read.until, date);
    const QList<RejectedLine> expected { { 1, "日付が不正です（1900年～2099年の暦日）" },
        { 2, "「確定日,年,月,日,」の形ではありません" }, { 3, "「確定日,年,月,日,」の形ではありません" },
        { 5, "確定日の2行目です" } };
    EXPECT_EQ(read.rejected, expected);
}
