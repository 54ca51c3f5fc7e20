#include "requests/RequestFile.h"
#include "changes/ChangesTestData.h"

#include <gtest/gtest.h>

using requests::Kind;
using requests::Wish;

namespace {

const QString kFieldCount = "項目数が6ではありません";
const QString kName = "氏名が不正です";
const QString kYear = "年が不正です";
const QString kMonth = "月が不正です";
const QString kDay = "日が不正です";
const QString kNoDate = "日付が存在しません";
const QString kKind = "希望の種類が不正です";
const QString kLongNote = "メモが40文字を超えています";
const QString kNoteCharacter = "メモに使えない文字があります";
const QString kSecond = "同じ氏名・日付の2行目です";
const QString kColumns = "取り込みの列の番号が不正です";
const QString kSecondColumns = "取り込みの列の2行目です";

} // namespace

TEST(RequestFile, EachFieldHasItsFormAndABadLineIsNamedWithItsReason)
{
    const QString forty = QString(40, u'あ');
    const struct {
        QString line;
        QString reason; // empty: taken
    } cases[] = {
        { "山田太郎,2026,5,12,希望休,,", {} },
        { "佐藤,2024,2,29,出勤不可,通院,", {} },
        { "あいうえおかきくけこさし,2026,12,31,出勤希望," + forty + ",", {} }, // 24 bytes, 40 characters
        { "佐藤,2026,5,13,希望休,", kFieldCount },
        { "佐藤,2026,5,13,希望休,,,", kFieldCount },
        { "佐藤,2026,5,13,希望休,,x", kFieldCount },
        { "", kFieldCount },
        { ",2026,5,13,希望休,,", kName },
        { "あいうえおかきくけこさしす,2026,5,13,希望休,,", kName }, // 26 bytes
        { "佐藤,999,5,13,希望休,,", kYear },
        { "佐藤,2026,05,13,希望休,,", kMonth },
        { "佐藤,2026,13,13,希望休,,", kMonth },
        { "佐藤,2026,5,0,希望休,,", kDay },
        { "佐藤,2026,2,29,希望休,,", kNoDate },
        { "佐藤,2026,5,13,休,,", kKind }, // the import's short forms are not the file's
        { "佐藤,2026,5,13,,,", kKind },
        { "佐藤,2026,5,13,希望休," + forty + "あ,", kLongNote },
        { "佐藤,2026,5,13,希望休,午前\t中,", kNoteCharacter },
        { "山田太郎,2026,5,12,出勤希望,,", kSecond },
        { ",取り込みの列,2,3,4,0,", {} }, // the columns the import reads
        { ",取り込みの列,2,3,4,5,", kSecondColumns },
        { ",取り込みの列,0,3,4,5,", kColumns },
        { ",取り込みの列,2,3,4,05,", kColumns },
        { ",取り込みの列,2,3,1000,5,", kColumns },
        { ",取り込みの列,2,3,4,", kFieldCount },
        { ",取り込み,2,3,4,5,", kName },
    };
    QByteArray bytes;
    QList<RejectedLine> expected;
    int taken = 0;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        bytes += sjis(cases[i].line) + (i % 2 ? "\n" : "\r\n"); // LF alone ends a line too
        if (!cases[i].reason.isEmpty())
            expected.append({ i + 1, cases[i].reason });
        else if (!cases[i].line.startsWith(u',')) // a wish, not the import's columns
            ++taken;
    }
    bytes += sjis("佐藤,2026,5,14,希望休,") + "\xFD" + ","; // a byte Shift-JIS does not know, no line end
    expected.append({ int(std::size(cases)) + 1, kNoteCharacter });

    const requestfile::ReadResult read = requestfile::read(bytes);
    EXPECT_EQ(read.rejected, expected);
    ASSERT_EQ(read.requests.size(), taken);
    EXPECT_EQ(read.requests.find("山田太郎", QDate(2026, 5, 12)), (Wish { Kind::DayOff, {} })) << "the first of a pair";
    EXPECT_EQ(read.requests.find("佐藤", QDate(2024, 2, 29)), (Wish { Kind::CannotWork, "通院" }));
    EXPECT_EQ(read.requests.importColumns().columns, (std::array { 1, 2, 3, requests::kNoColumn }));
}

TEST(RequestFile, SavedLinesGoByDateThenMasterRowThenNameAndReadBackTheSame)
{
    Table master { 44, 30 };
    putEmployee(master, 0, employee("山田"));
    putEmployee(master, 1, employee("佐藤"));
    putEmployee(master, 2, employee("山田")); // a shared name sorts by its first row
    requests::Requests wishes;
    wishes.set("高橋", QDate(2026, 5, 12), { Kind::DayOff, {} });
    wishes.set("佐藤", QDate(2026, 5, 12), { Kind::WantsWork, "午後から" });
    wishes.set("山田", QDate(2026, 5, 12), { Kind::CannotWork, {} });
    wishes.set("阿部", QDate(2026, 5, 12), { Kind::DayOff, "旅行" });
    wishes.set("佐藤", QDate(2026, 5, 11), { Kind::DayOff, {} });

    const QByteArray bytes = requestfile::serialize(wishes, master);
    EXPECT_EQ(bytes,
        sjis("佐藤,2026,5,11,希望休,,\r\n"
             "山田,2026,5,12,出勤不可,,\r\n"
             "佐藤,2026,5,12,出勤希望,午後から,\r\n"
             "阿部,2026,5,12,希望休,旅行,\r\n"
             "高橋,2026,5,12,希望休,,\r\n"));
    const requestfile::ReadResult again = requestfile::read(bytes);
    EXPECT_TRUE(again.rejected.isEmpty());
    EXPECT_EQ(again.requests, wishes);
    EXPECT_TRUE(requestfile::serialize({}, master).isEmpty());

    // The columns chosen for the import follow the wishes, and alone make a file.
    requests::ImportColumns columns;
    columns[requests::ImportField::Name] = 998;
    columns[requests::ImportField::Note] = requests::kNoColumn;
    wishes.setImportColumns(columns);
    const QByteArray withColumns = requestfile::serialize(wishes, master);
    EXPECT_EQ(withColumns, bytes + sjis(",取り込みの列,999,2,3,0,\r\n"));
    EXPECT_EQ(requestfile::read(withColumns).requests, wishes);
    requests::Requests onlyColumns;
    onlyColumns.setImportColumns(columns);
    EXPECT_EQ(requestfile::read(requestfile::serialize(onlyColumns, master)).requests, onlyColumns);

    const QStringList message = requestfile::rejectedLinesMessage({ { 3, kKind } }).split("\r\n");
    EXPECT_EQ(message.mid(0, 3),
        QStringList({ "▼ 希望ファイル zelrotandata6.zel の次の行は読み込めませんでした．", "",
            "　3 行目：希望の種類が不正です" }));
}

TEST(RequestFile, AWishOfAPatternCarriesItsCodeAndWeightInTwoFieldsOfItsOwn)
{
    const struct {
        QString line;
        QString reason; // empty: taken
    } cases[] = {
        { "佐藤,2026,5,11,勤務希望,,夜,1,", {} },
        { "佐藤,2026,5,11,勤務回避,子の送迎,A1,9,", {} },
        { "佐藤,2026,5,11,勤務希望,,夜,0,", "重みは1から9までです" },
        { "佐藤,2026,5,11,勤務希望,,夜,10,", "重みは1から9までです" },
        { "佐藤,2026,5,11,勤務希望,,夜,,", "重みは1から9までです" },
        { "佐藤,2026,5,11,勤務希望,,夜,３,", "重みは1から9までです" },
        { "佐藤,2026,5,11,勤務回避,,,1,", "勤務の記号がありません" },
        { "佐藤,2026,5,11,勤務回避,,夜勤帯,1,", "勤務の記号は1文字か2文字です" },
        // A six-field reader would misread neither form: each needs its own count.
        { "佐藤,2026,5,11,勤務希望,,", "勤務希望・勤務回避の行の項目数が8ではありません" },
        { "佐藤,2026,5,11,希望休,,夜,1,", kFieldCount },
        { "佐藤,2026,5,11,勤務希望,,夜,", kFieldCount },
    };
    for (const auto& c : cases) {
        const requestfile::ReadResult read = requestfile::read(sjis(c.line + "\r\n"));
        if (c.reason.isEmpty()) {
            EXPECT_TRUE(read.rejected.isEmpty()) << c.line.toStdString();
            EXPECT_EQ(requestfile::serialize(read.requests, Table(1, 1)), sjis(c.line + "\r\n"))
                << c.line.toStdString();
        } else {
            ASSERT_EQ(read.rejected.size(), 1) << c.line.toStdString();
            EXPECT_EQ(read.rejected[0].reason, c.reason) << c.line.toStdString();
        }
    }
    const auto wish = requestfile::read(sjis("佐藤,2026,5,11,勤務回避,子の送迎,A1,9,\r\n"))
                          .requests.find("佐藤", QDate(2026, 5, 11));
    EXPECT_EQ(wish, (Wish { Kind::AvoidsPattern, "子の送迎", "A1", 9 }));
}
