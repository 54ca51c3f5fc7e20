#include "requests/RequestImport.h"
#include "changes/ChangesTestData.h"

#include <QSet>
#include <gtest/gtest.h>

using requests::Encoding;
using requests::ImportRow;
using requests::Kind;
using requests::Wish;

namespace {

const QDate kStart(2026, 5, 12); // the period runs to 20 June, 40 days
const QSet<QString> kNames { "山田", "佐藤", "鈴木" };

QList<QDate> period()
{
    QList<QDate> dates;
    for (int d = 0; d < 40; ++d)
        dates.append(kStart.addDays(d));
    return dates;
}

} // namespace

TEST(RequestImport, AFormsFileReadsTheSameInUtf8WithAndWithoutMarkAndInShiftJis)
{
    const QString text = "氏名,日付,種類,メモ\r\n"
                         "山田,2026/5/14,希望休,通院\r\n"
                         "佐藤,5/20,×,\r\n"
                         "鈴木,2026-06-01,○\r\n";
    requests::Requests existing;
    existing.set("佐藤", QDate(2026, 5, 20), { Kind::WantsWork, {} });
    existing.set("山田", QDate(2026, 5, 15), { Kind::WantsWork, {} });
    const QList<ImportRow> expected {
        { 2, "山田", QDate(2026, 5, 14), { Kind::DayOff, "通院" }, false },
        { 3, "佐藤", QDate(2026, 5, 20), { Kind::CannotWork, {} }, true },
        { 4, "鈴木", QDate(2026, 6, 1), { Kind::WantsWork, {} }, false },
    };
    const struct {
        QByteArray bytes;
        Encoding encoding;
    } files[] = {
        { "\xEF\xBB\xBF" + text.toUtf8(), Encoding::Utf8 },
        { text.toUtf8(), Encoding::Utf8 },
        { sjis(text), Encoding::ShiftJis },
    };
    for (const auto& file : files) {
        const requests::ImportPreview preview = requests::parseImport(file.bytes, kNames, period(), existing);
        EXPECT_EQ(preview.encoding, file.encoding);
        EXPECT_EQ(preview.taken, expected);
        EXPECT_EQ(preview.replacing, 1);
        EXPECT_TRUE(preview.refused.isEmpty());
    }

    // Without a heading the byte-order mark is not part of the first name.
    const requests::ImportPreview marked
        = requests::parseImport("\xEF\xBB\xBF" + text.section("\r\n", 1).toUtf8(), kNames, period(), existing);
    EXPECT_EQ(marked.taken.size(), 3);
    EXPECT_EQ(marked.taken.first().name, "山田");
    EXPECT_TRUE(marked.refused.isEmpty());

    // A byte that Shift-JIS does not know refuses its row only.
    const requests::ImportPreview broken = requests::parseImport(
        sjis(text) + sjis("鈴木,2026/6/2,希望休,") + "\x81\x20" + "\r\n", kNames, period(), existing);
    EXPECT_EQ(broken.taken.size(), 3);
    EXPECT_EQ(broken.refused, QList<RejectedLine>({ { 5, "読み取れない文字があります（文字コード）" } }));

    // Taking the rows replaces 佐藤's wish and leaves the others.
    requests::carryOut(existing, requests::importEdits(existing, expected), true);
    EXPECT_EQ(existing.size(), 4);
    EXPECT_EQ(existing.find("佐藤", QDate(2026, 5, 20)), (Wish { Kind::CannotWork, {} }));
}

TEST(RequestImport, EveryRowIsTakenOrRefusedWithItsRowNumberAndReason)
{
    const QString unknownName = "氏名が従業員マスタにありません";
    const QString noName = "氏名がありません";
    const QString noSuchDate = "存在しない日付です";
    const QString outside = "日付が勤務期間外です";
    const QString badDate = "日付の形式が正しくありません（年/月/日，年-月-日，月/日）";
    const QString badKind = "希望の種類が正しくありません（希望休，出勤不可，出勤希望）";
    const QString longNote = "メモが40文字を超えています";
    const QString noteCharacter = "メモに使えない文字があります";
    const QString columns = "列の数が正しくありません（氏名，日付，種類，メモの順）";
    const QString quoting = "引用符（\"）の使い方が正しくありません";
    const QString undecodable = "読み取れない文字があります（文字コード）";
    const QString skipped = "-"; // neither taken nor refused
    // One row per line.
    // clang-format off
    const struct {
        QByteArray record;
        QString reason; // empty: taken
    } cases[] = {
        { "\"氏名\",日付,種類,\"メモ\n（任意）\"", skipped }, // a heading of two lines
        { "山田,2026/5/12,希望休,", {} },
        { "山田,2026-05-13,出勤不可", {} },
        { "山田,6/1,出勤希望,早番", {} },
        { "山田,５／１４,休", {} }, // full-width digits and slash
        { "佐藤,2026/5/15,ｘ", {} },
        { "佐藤,2026/5/16,〇,,,", {} }, // empty columns after the last
        { "\"佐藤\",\"2026/5/17\",\"◯\",\"\"\"特急\"\"で帰省\"", {} },
        { " 鈴木　,2026/5/18 ,O, 9時〜12時 ", {} }, // the wave dash as Shift-JIS stores it
        { "", skipped },
        { ",,,", skipped },
        { "高橋,2026/5/12,希望休", unknownName },
        { ",2026/5/12,希望休", noName },
        { "山田,2026/5/32,希望休", noSuchDate },
        { "山田,2/30,希望休", noSuchDate },
        { "山田,2026/6/21,希望休", outside },
        { "山田,5/11,希望休", outside },
        { "山田,2026.5.19,希望休", badDate },
        { "山田,26/5/19,希望休", badDate },
        { "山田,2026/5-19,希望休", badDate },
        { "山田,,希望休", badDate },
        { "山田,2026/5/19,休み", badKind },
        { "山田,2026/5/19,", badKind },
        { "山田,2026/5/19,希望休," + QString(41, u'あ').toUtf8(), longNote },
        { "山田,2026/5/19,希望休,\"午前,午後\"", noteCharacter },
        { "山田,2026/5/19,希望休,\"1行目\r\n2行目\"", noteCharacter },
        { "山田,2026/5/19,希望休,😀", noteCharacter }, // no Shift-JIS form
        { "山田,2026/5/19", columns },
        { "山田,2026/5/19,希望休,メモ,余分", columns },
        { "山田,2026/5/19,希\"望休", quoting },
        { "\"山田\"x,2026/5/19,希望休", quoting },
        { "山田,2026/5/19,希望休,\xFF", undecodable },
        { "山田,2026/5/12,出勤希望", "同じ氏名・日付の行が 2 行目にあります" },
        { "山田,2026/5/19,\"希望休", quoting }, // open to the end of the file
    };
    // clang-format on
    QByteArray csv = "\xEF\xBB\xBF";
    QList<RejectedLine> refused;
    QList<int> taken;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        csv += cases[i].record + (i % 3 == 1 ? "\n" : "\r\n");
        if (cases[i].reason.isEmpty())
            taken.append(i + 1);
        else if (cases[i].reason != skipped)
            refused.append({ i + 1, cases[i].reason });
    }
    requests::Requests existing;
    existing.set("佐藤", QDate(2026, 5, 15), { Kind::DayOff, {} });

    const requests::ImportPreview preview = requests::parseImport(csv, kNames, period(), existing);
    EXPECT_EQ(preview.encoding, Encoding::Utf8);
    EXPECT_EQ(preview.refused, refused);
    QList<int> takenRows;
    for (const ImportRow& row : preview.taken)
        takenRows.append(row.row);
    EXPECT_EQ(takenRows, taken);
    EXPECT_EQ(preview.replacing, 1);
    ASSERT_EQ(preview.taken.size(), 8);
    EXPECT_EQ(preview.taken[2].date, QDate(2026, 6, 1)) << "M/D is taken in the period";
    EXPECT_EQ(preview.taken[3].date, QDate(2026, 5, 14));
    EXPECT_EQ(preview.taken[6].wish, (Wish { Kind::WantsWork, "\"特急\"で帰省" }));
    EXPECT_EQ(preview.taken[7].name, "鈴木");
    EXPECT_EQ(preview.taken[7].wish, (Wish { Kind::WantsWork, "9時～12時" }));
    EXPECT_EQ(requests::takenRowText(preview.taken[5]), "7 行目　佐藤　2026年5月16日（土）　出勤希望");
    EXPECT_EQ(requests::takenRowText(preview.taken[4]), "6 行目　佐藤　2026年5月15日（金）　出勤不可　［置き換え］");
}

TEST(RequestImport, MonthAndDayFindTheirYearInAPeriodAcrossTheYearEnd)
{
    QList<QDate> dates;
    for (int d = 0; d < 38; ++d)
        dates.append(QDate(2027, 12, 25).addDays(d)); // to 31 January 2028
    const requests::ImportPreview preview
        = requests::parseImport("山田,12/31,休\r\n山田,1/31,休\r\n山田,2/1,休\r\n", kNames, dates, {});
    ASSERT_EQ(preview.taken.size(), 2);
    EXPECT_EQ(preview.taken[0].date, QDate(2027, 12, 31));
    EXPECT_EQ(preview.taken[1].date, QDate(2028, 1, 31));
    EXPECT_EQ(preview.refused, QList<RejectedLine>({ { 3, "日付が勤務期間外です" } }));
}
