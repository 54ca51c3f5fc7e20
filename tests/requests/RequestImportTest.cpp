#include "requests/RequestImport.h"
#include "changes/ChangesTestData.h"

#include <QSet>
#include <QStringEncoder>
#include <gtest/gtest.h>

using requests::Encoding;
using requests::ImportColumns;
using requests::ImportField;
using requests::ImportRow;
using requests::Kind;
using requests::kNoColumn;
using requests::Wish;

namespace {

const QDate kStart(2026, 5, 12); // the period runs to 20 June, 40 days
const QSet<QString> kNames { "山田", "佐藤", "鈴木" };

QList<QDate> days(QDate first, int count)
{
    QList<QDate> dates;
    for (int d = 0; d < count; ++d)
        dates.append(first.addDays(d));
    return dates;
}

QList<QDate> period()
{
    return days(kStart, 40);
}

QByteArray utf16(const QString& text, QStringEncoder::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

TEST(RequestImport, AFormsFileReadsTheSameInEveryEncodingWithCommasOrTabs)
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
    QString tabbed = text; // as a spreadsheet's "Unicode text" writes it
    tabbed.replace(u',', u'\t');
    const struct {
        QByteArray bytes;
        Encoding encoding;
    } files[] = {
        { "\xEF\xBB\xBF" + text.toUtf8(), Encoding::Utf8 },
        { text.toUtf8(), Encoding::Utf8 },
        { sjis(text), Encoding::ShiftJis },
        { utf16(tabbed, QStringEncoder::Utf16LE), Encoding::Utf16 },
        { utf16(tabbed, QStringEncoder::Utf16BE), Encoding::Utf16 },
        { utf16(text, QStringEncoder::Utf16LE), Encoding::Utf16 },
        { tabbed.toUtf8(), Encoding::Utf8 },
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.bytes.toHex().left(24).toStdString());
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
    const QString noKind = "種類の列（3 列目）がありません";
    const QString beyond = "見出しのない列に値があります";
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
        { "山田,2026/5/19", noKind },
        { "山田,2026/5/19,希望休,メモ,余分", beyond },
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

TEST(RequestImport, MonthAndDayNameThePlannedDateOfThatMonthAndDay)
{
    // Two planned periods across a year end and a February of a leap year, and of a common one.
    const QList<QDate> leap = days(QDate(2027, 12, 25), 38) + days(QDate(2028, 2, 1), 30);
    const QList<QDate> common = days(QDate(2026, 12, 25), 38) + days(QDate(2027, 2, 1), 30);
    const QString noSuchDate = "存在しない日付です";
    const QString outside = "日付が勤務期間外です";
    const struct {
        QList<QDate> dates;
        QString cell;
        QDate date; // invalid: refused with reason
        QString reason;
    } cases[] = {
        { leap, "12/31", QDate(2027, 12, 31), {} }, { leap, "1/31", QDate(2028, 1, 31), {} },
        { leap, "2/29", QDate(2028, 2, 29), {} }, { leap, "２／２９", QDate(2028, 2, 29), {} },
        { leap, "2028/2/29", QDate(2028, 2, 29), {} }, { leap, "3/2", {}, outside }, { leap, "2/30", {}, noSuchDate },
        { common, "2/28", QDate(2027, 2, 28), {} }, { common, "2/29", {}, noSuchDate },
        { common, "2027/2/29", {}, noSuchDate },
        { days(QDate(2028, 5, 12), 40), "2/29", {}, outside }, // a leap year's date, not planned
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell.toStdString() + " from " + c.dates.first().toString(Qt::ISODate).toStdString());
        const requests::ImportPreview preview
            = requests::parseImport(("山田," + c.cell + ",休\r\n").toUtf8(), kNames, c.dates, {});
        if (c.date.isValid()) {
            ASSERT_EQ(preview.taken.size(), 1);
            EXPECT_EQ(preview.taken[0].date, c.date);
        } else {
            EXPECT_EQ(preview.refused, QList<RejectedLine>({ { 1, c.reason } }));
        }
    }
}

TEST(RequestImport, HeadingsNameTheColumnsInAnyOrderAndChosenColumnsReadTheRest)
{
    const QList<QDate> planned = period() + days(QDate(2026, 6, 21), 30); // the next period follows
    const ImportColumns order; // the import's own order
    ImportColumns chosen; // a form without the known headings: name, date and kind after a timestamp
    chosen[ImportField::Name] = 1;
    chosen[ImportField::Date] = 2;
    chosen[ImportField::Kind] = 3;
    chosen[ImportField::Note] = kNoColumn;
    const Wish dayOff { Kind::DayOff, {} };
    const QString unknownName = "氏名が従業員マスタにありません";
    // clang-format off
    const struct {
        const char* what;
        QString csv;
        ImportColumns columns;
        QList<ImportRow> taken;
        QList<RejectedLine> refused;
    } cases[] = {
        { "a form's export: a timestamp first, the form's headings",
          "タイムスタンプ,お名前,希望日,種類,備考\r\n"
          "2026/05/01 9:12:30,山田,2026/05/14,希望休,通院\r\n",
          order, { { 2, "山田", QDate(2026, 5, 14), { Kind::DayOff, "通院" } } }, {} },
        { "headings in any order, full-width, with blanks and additions",
          "　備考 ,ｽﾀｯﾌ,区分,日付（必須）,メールアドレス\r\n"
          "午前,佐藤,×,5/20,sato@example.jp\r\n",
          order, { { 2, "佐藤", QDate(2026, 5, 20), { Kind::CannotWork, "午前" } } }, {} },
        { "a heading that holds 氏名, below a title and a blank row",
          "6月の希望調査\r\n\r\n従業員氏名\t希望日\t希望\r\n鈴木\t6/1\t休\r\n",
          order, { { 4, "鈴木", QDate(2026, 6, 1), dayOff } },
          { { 1, "見出しの行より前の行です" } } },
        { "a date of the next period",
          "氏名,日付,種類\r\n山田,2026/7/20,出勤希望\r\n山田,7/21,休\r\n",
          order, { { 2, "山田", QDate(2026, 7, 20), { Kind::WantsWork, {} } } },
          { { 3, "日付が勤務期間外です" } } },
        { "headings that name some fields: the chosen columns read the others",
          "お名前,休みたい日,区分\r\n山田,5/14,休\r\n", order,
          { { 2, "山田", QDate(2026, 5, 14), dayOff } }, {} },
        { "unknown headings with chosen columns: the heading is a row like any other",
          "記入日時,あなたは,休みたい日,どうしたい,ひとこと\r\n"
          "2026/05/01 9:12,山田,5/14,休,通院\r\n",
          chosen, { { 2, "山田", QDate(2026, 5, 14), dayOff } }, { { 1, unknownName } } },
        { "unknown headings in the import's own order: every row refused with its reason",
          "記入日時,あなたは,休みたい日,どうしたい\r\n2026/05/01 9:12,山田,5/14,休\r\n", order,
          {}, { { 1, unknownName }, { 2, unknownName } } },
        { "a heading row after a data row is data",
          "山田,5/14,休\r\n氏名,日付,種類\r\n", order,
          { { 1, "山田", QDate(2026, 5, 14), dayOff } }, { { 2, unknownName } } },
        { "a heading row without the date, whose chosen column is the kind's",
          "氏名,種類,メモ\r\n山田,休,5/14\r\n", order, {}, { { 2, "見出しに日付の列がありません" } } },
        { "rows short of a column, or with something beyond the headings",
          "氏名,日付,種類,メモ\r\n山田,5/14\r\n山田,5/15,休,通院,午前\r\n山田,5/16,休\r\n", order,
          { { 4, "山田", QDate(2026, 5, 16), dayOff } },
          { { 2, "種類の列（3 列目）がありません" }, { 3, "見出しのない列に値があります" } } },
        { "the import's own order without headings keeps three or four columns",
          "山田,5/14,休,通院,午前\r\n", order, {},
          { { 1, "列の数が正しくありません（氏名，日付，種類，メモの順）" } } },
        { "chosen columns without headings ignore the others",
          "2026/05/01,山田,5/14,休,通院,午前\r\n鈴木,5/14\r\n", chosen,
          { { 1, "山田", QDate(2026, 5, 14), dayOff } }, { { 2, "日付の列（3 列目）がありません" } } },
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const requests::ImportPreview preview
            = requests::parseImport(c.csv.toUtf8(), kNames, planned, requests::Requests {}, c.columns);
        EXPECT_EQ(preview.taken, c.taken);
        EXPECT_EQ(preview.refused, c.refused);
    }

    // What the dialog offers: the form's columns by their headings, the named fields fixed.
    const requests::ImportPreview form = requests::parseImport(
        QStringLiteral("タイムスタンプ,お名前,\"希望日\n（必須）\",種類\r\n").toUtf8(), kNames, planned, {});
    EXPECT_EQ(form.named, QList<ImportField>({ ImportField::Name, ImportField::Date, ImportField::Kind }));
    EXPECT_EQ(form.columns.columns, (std::array { 1, 2, 3, kNoColumn })) << "the kind's column is no note";
    ASSERT_EQ(form.titles.size(), 4);
    EXPECT_EQ(requests::columnText(form, 0), "1 列目：タイムスタンプ");
    EXPECT_EQ(requests::columnText(form, 2), "3 列目：希望日 （必須）");

    // The remembered columns are those of a plain parse.
    requests::Requests remembering;
    remembering.setImportColumns(chosen);
    EXPECT_EQ(requests::parseImport("x,山田,5/14,休\r\n", kNames, planned, remembering).taken.size(), 1);
}

TEST(RequestImport, AWishOfAPatternNamesItsCodeAfterAColonAndTakesAnOptionalWeight)
{
    const QString text = "氏名,日付,種類,重み,メモ\r\n"
                         "山田,2026/5/14,希望:夜,,\r\n"
                         "佐藤,2026/5/14,回避：夜,3,子の送迎\r\n"
                         "鈴木,2026/5/14,希望:日,９,\r\n"
                         "山田,2026/5/15,希望:夜,0,\r\n"
                         "山田,2026/5/16,回避:夜,10,\r\n"
                         "山田,2026/5/17,希望:,,\r\n"
                         "山田,2026/5/18,希望休,5,\r\n";
    const requests::ImportPreview preview
        = requests::parseImport(text.toUtf8(), kNames, period(), requests::Requests(), ImportColumns());
    EXPECT_EQ(preview.taken,
        (QList<ImportRow> { { 2, "山田", QDate(2026, 5, 14), Wish { Kind::WantsPattern, {}, "夜", 1 }, false },
            { 3, "佐藤", QDate(2026, 5, 14), Wish { Kind::AvoidsPattern, "子の送迎", "夜", 3 }, false },
            { 4, "鈴木", QDate(2026, 5, 14), Wish { Kind::WantsPattern, {}, "日", 9 }, false },
            // A weight means nothing to the other kinds.
            { 8, "山田", QDate(2026, 5, 18), Wish { Kind::DayOff, {} }, false } }));
    EXPECT_EQ(preview.refused,
        (QList<RejectedLine> {
            { 5, "重みは1から9までです" }, { 6, "重みは1から9までです" }, { 7, "勤務の記号がありません" } }));
}
