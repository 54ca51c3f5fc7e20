#include "patterns/StaffImport.h"
#include "data/Table.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using patterns::Kind;

namespace {

patterns::ShiftPatterns wardSet()
{
    patterns::ShiftPatterns set;
    set.patterns = { { "日", "日勤", Kind::Working, 510, 1035, 60, {}, {}, "#FFFFFF", {} },
        { "夜", "夜勤", Kind::Working, 990, 540, 120, {}, {}, "#FFFFFF", "明" },
        { "長", "長日勤", Kind::Working, 510, 1290, 130, {}, {}, "#FFFFFF", {} }, // a break the rest box lacks
        { "明", "明け", Kind::Ake, 0, 0, 0, {}, {}, "#FFFFFF", {} } };
    return set;
}

} // namespace

// Each row of a staff list: registered (no reason) or refused with its reason, every row checked
// as the master window checks a new registration, with the rows above it registered.
TEST(StaffImport, EveryRowIsCheckedAsTheMasterChecksARegistrationAndARefusedRowSaysWhy)
{
    const struct {
        QString row;
        QString reason; // empty: registered
    } cases[] = {
        { "氏名,時給,月,火,水,木,金,土,日", {} }, // the heading
        { "山田花子,1100,日,日,夜,明,,公休,休み", {} },
        { "佐藤,\"1,050円\",9:00-17:30/60,９：００～１７：３０／６０,22:00-6:00,,,,その他", {} },
        { "鈴木,1000,日,日,日,日,日,,,,", {} }, // empty columns after the last count for nothing
        { "田中,1000,日,日,日,日,日,", "列の数が正しくありません（氏名，時給，月～日の9列）" },
        { "高橋,1000,日,日,日,日,日,,,,x", "列の数が正しくありません（氏名，時給，月～日の9列）" },
        { "伊藤,千円,日,日,日,日,日,,", "時給が正しくありません（5桁までの数字）" },
        { "渡辺,1000,遅,日,日,日,日,,", "月曜日の「遅」は勤務パターンの記号でも時刻（9:00-17:30/60）でもありません" },
        { "中村,1000,日,9:07-17:30/60,日,日,日,,",
            "火曜日の「9:07-17:30/60」は従業員マスタの選択肢にない時刻か休憩です（5分刻み，休憩は0～"
            "120分の5分刻みと150，180，210，240，270，300，360分）" },
        { "小林,1000,日,日,長,日,日,,",
            "水曜日の「長」は従業員マスタの選択肢にない時刻か休憩です（5分刻み，休憩は0～120分の5分刻みと150，180，"
            "210，240，270，300，360分）" },
        { "加藤,1000,日,日,日,0:00-8:00/0,日,,", "木曜日：勤務時間の「時」に0は使えません（深夜零時は24）" },
        { "山田,1000,日,日,日,日,日,,", "同じ氏名の従業員が登録されています" },
        { "佐藤,1000,日,日,日,日,日,,", "同じ氏名の行が 3 行目にあります" },
        { ",1000,日,日,日,日,日,,", "氏名がありません" },
        { "あいうえおかきくけこさしす,1000,日,日,日,日,日,,", "氏名が24バイト（全角12文字）を超えています" },
        { "\"吉田,1000,日", "引用符（\"）の使い方が正しくありません" },
    };
    QByteArray csv;
    QList<RejectedLine> expected;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        csv += cases[i].row.toUtf8() + "\r\n";
        if (!cases[i].reason.isEmpty())
            expected.append({ i + 1, cases[i].reason });
    }
    Table master { 44, 30 };
    master.setCell(0, 0, "山田");
    const patterns::StaffImportPreview preview = patterns::parseStaffImport(csv, master, wardSet());
    const auto texts = [](const QList<RejectedLine>& lines) {
        QStringList out;
        for (const RejectedLine& l : lines)
            out.append(QString::number(l.line) + ": " + l.reason);
        return out.join("\n");
    };
    EXPECT_EQ(texts(preview.refused), texts(expected));
    ASSERT_EQ(preview.taken.size(), 3);
    EXPECT_EQ(patterns::takenStaffText(preview.taken[0]),
        "2 行目　山田花子　時給 1100　月 日　火 日　水 夜　木 明　金 公休　土 公休　日 休み");
    EXPECT_EQ(patterns::staffImportSummary(preview), "登録する従業員：3 名　登録しない行：12 件　文字コード：UTF-8");

    patterns::registerStaff(master, preview.taken);
    EXPECT_EQ(master.cell(0, 1), "山田花子");
    const QStringList hanako = master::assembleRecord("山田花子", "1100", preview.taken[0].input.week);
    for (int c = 0; c < 44; ++c)
        EXPECT_EQ(master.cell(c, 1), hanako[c]) << c;
    EXPECT_EQ(master.cell(2 + 5 * 2, 1), "勤務日");
    EXPECT_EQ(master.cell(37 + 2, 1), "870") << "the night's net minutes, as the master computes them";
    EXPECT_EQ(master.cell(2 + 5 * 3, 1), "その他") << "明け";
    EXPECT_EQ(master.cell(1, 2), "1050");
    EXPECT_EQ(master.cell(37 + 1, 2), "450") << "full-width forms are read";
    EXPECT_EQ(master.cell(37 + 2, 2), "480");
    EXPECT_EQ(master.cell(0, 3), "鈴木");
}

// A full master refuses the rows beyond its 30th employee.
TEST(StaffImport, RowsBeyondTheThirtiethEmployeeAreRefused)
{
    Table master { 44, 30 };
    for (int r = 0; r < 29; ++r)
        master.setCell(0, r, QStringLiteral("職員%1").arg(r));
    const QByteArray csv = sjis("青木,1000,日,日,日,日,日,,\r\n石井,1000,日,日,日,日,日,,\r\n");
    const patterns::StaffImportPreview preview = patterns::parseStaffImport(csv, master, wardSet());
    EXPECT_EQ(preview.encoding, requests::Encoding::ShiftJis);
    ASSERT_EQ(preview.taken.size(), 1);
    EXPECT_EQ(preview.refused, (QList<RejectedLine> { { 2, "登録できる従業員は30名までです" } }));
}
