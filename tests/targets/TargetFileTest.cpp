// The staffing targets' file: the lines it takes, the lines it names with a reason, and the
// bytes it writes back.
#include "targets/TargetFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A line of the file: the key, the fields given for the hours from 0, the rest empty.
QByteArray line(const QString& key, const QStringList& hours = {}, int fieldCount = 24)
{
    QString text = key + u',';
    for (int h = 0; h < fieldCount; ++h)
        text += hours.value(h) + u',';
    return sjis(text + QStringLiteral("\r\n"));
}

// Hours 8 to 23 as in a Saturday of a small shop.
const QStringList kSaturday { "", "", "", "", "", "", "", "", "2", "3", "3-5", "3-5", "4-6", "4-6", "3", "3", "3", "3",
    "3-4", "3-4", "2", "2", "1", "1" };

} // namespace

TEST(TargetFile, AFullFileReadsWholeAndWritesBackItsBytes)
{
    const QByteArray bytes = line("日", { "-2" }) + line("月", { "0" }) + line("土", kSaturday)
        + line("祝", { "", "30", "0-30" }) + line("2026/5/3", { "1" }) + line("2026/12/31", { "", "", "-0", "3-3" });
    EXPECT_EQ(bytes.count("\r\n"), 6);
    EXPECT_TRUE(bytes.startsWith(sjis("日,-2,,")));
    const targetfile::ReadResult read = targetfile::read(bytes);
    EXPECT_TRUE(read.rejected.isEmpty());
    EXPECT_EQ(read.table.weekday(7)[10], (targets::HourTarget { 3, 5 }));
    EXPECT_EQ(read.table.weekday(7)[23], (targets::HourTarget { 1, -1 }));
    EXPECT_EQ(read.table.weekday(1)[0], (targets::HourTarget { -1, 2 }));
    EXPECT_EQ(read.table.holiday[2], (targets::HourTarget { 0, 30 }));
    EXPECT_EQ(read.table.dates.last()[3], (targets::HourTarget { 3, 3 })) << "equal bounds are a range";
    EXPECT_EQ(read.table.dates.keys(), (QList<QDate> { QDate(2026, 5, 3), QDate(2026, 12, 31) }));
    EXPECT_EQ(targetfile::serialize(read.table), bytes);

    EXPECT_TRUE(targets::TargetTable().isEmpty());
    EXPECT_EQ(targetfile::serialize(targets::TargetTable()), QByteArray());
    EXPECT_EQ(targetfile::read(QByteArray()).table, targets::TargetTable());
}

TEST(TargetFile, TheSaverWritesItsOwnOrderAndLeavesOutEmptyRows)
{
    // Lines in another order, a line without a target and one without its last line end: taken,
    // and written back in the saver's order.
    const QByteArray bytes
        = line("2026/1/2", { "1" }) + line("祝", { "2" }) + line("火") + line("月", { "3" }).chopped(2);
    const targetfile::ReadResult read = targetfile::read(bytes);
    EXPECT_TRUE(read.rejected.isEmpty());
    EXPECT_EQ(targetfile::serialize(read.table), line("月", { "3" }) + line("祝", { "2" }) + line("2026/1/2", { "1" }));
    // A date's row without a target is no row.
    targets::TargetTable table = read.table;
    table.setDate(QDate(2026, 1, 2), {});
    EXPECT_TRUE(table.dates.isEmpty());
}

TEST(TargetFile, LinesOfAnotherFormAreNamedWithTheirReason)
{
    const struct {
        QByteArray line;
        QString reason;
    } cases[] = {
        { line("月", {}, 23), "項目数が25ではありません" },
        { line("月", {}, 25), "項目数が25ではありません" },
        { line("月").replace(",\r\n", "\r\n"), "項目数が25ではありません" },
        { "\r\n", "項目数が25ではありません" },
        { line("Mon"), "見出しが曜日・祝・日付（年/月/日）ではありません" },
        { line("2026/05/01"), "見出しが曜日・祝・日付（年/月/日）ではありません" },
        { line("26/5/1"), "見出しが曜日・祝・日付（年/月/日）ではありません" },
        { line("2026/5"), "見出しが曜日・祝・日付（年/月/日）ではありません" },
        { line("2026/2/29"), "日付が存在しません" },
        { line("2026/13/1"), "日付が存在しません" },
        { line("月", { "31" }), "0時：人数は0から30までです" },
        { line("月", { "", "123456789012" }), "1時：人数は0から30までです" },
        { line("月", { "", "", "03" }), "2時：先頭に0のある数は使えません" },
        { line("月", { "", "", "", "5-3" }), "3時：下限が上限を超えています" },
        { line("月", { "３" }), "0時：「3」「3-5」「-5」の形ではありません" },
        { line("月", { "3-" }), "0時：「3」「3-5」「-5」の形ではありません" },
        { line("月", { "-" }), "0時：「3」「3-5」「-5」の形ではありません" },
        { line("月", { " 3" }), "0時：「3」「3-5」「-5」の形ではありません" },
        { line("月", { "1-2-3" }), "0時：「3」「3-5」「-5」の形ではありません" },
        { line("月", { "+3" }), "0時：「3」「3-5」「-5」の形ではありません" },
    };
    for (const auto& c : cases) {
        const targetfile::ReadResult read = targetfile::read(line("火", { "1" }) + c.line);
        ASSERT_EQ(read.rejected.size(), 1) << c.line.toStdString();
        EXPECT_EQ(read.rejected[0], (RejectedLine { 2, c.reason })) << c.line.toStdString();
        EXPECT_EQ(targetfile::serialize(read.table), line("火", { "1" })) << "the good line is kept";
    }

    // The second line of a key is not taken, whichever form the first had; undecodable bytes
    // make no key.
    const targetfile::ReadResult twice = targetfile::read(
        line("月") + line("月", { "2" }) + line("2026/1/2", { "1" }) + line("2026/1/2", { "2" }) + "\x82,\r\n");
    EXPECT_EQ(twice.rejected,
        (QList<RejectedLine> {
            { 2, "同じ見出しの2行目です" }, { 4, "同じ見出しの2行目です" }, { 5, "項目数が25ではありません" } }));
    EXPECT_EQ(targetfile::serialize(twice.table), line("2026/1/2", { "1" }));

    const QString message = targetfile::rejectedLinesMessage(twice.rejected);
    EXPECT_TRUE(message.startsWith("▼ 必要人数ファイル zelrotandata4.zel の次の行は読み込めませんでした．\r\n\r\n"
                                   "　2 行目：同じ見出しの2行目です\r\n"));
    EXPECT_TRUE(message.contains("zelrotandata4.zel.bak"));
}

namespace {

QByteArray qualificationLine(const QString& key, const QString& tag, const QStringList& hours = {})
{
    return sjis(QStringLiteral("資格,%1,%2,").arg(key, tag)) + line("", hours).sliced(1);
}

QByteArray patternLine(const QString& key, const QString& code, const QString& target)
{
    return sjis(QStringLiteral("勤務,%1,%2,%3,\r\n").arg(key, code, target));
}

} // namespace

TEST(TargetFile, QualificationAndPatternLinesReadWholeAndWriteBackInTheSaversOrder)
{
    QStringList night(24);
    for (int h = 17; h < 24; ++h)
        night[h] = "2";
    // Tags and codes in the order of their characters (准 before 看, 夜 before 日).
    const QByteArray written = line("月", { "1" }) + qualificationLine("祝", "准看護師", { "", "3" })
        + qualificationLine("日", "看護師", night) + qualificationLine("2027/1/1", "看護師", { "1" })
        + patternLine("月", "夜", "3-3") + patternLine("月", "日", "6") + patternLine("祝", "夜", "-2")
        + patternLine("2027/1/1", "A1", "0");
    // Any order in, the saver's order out: the table compares equal however it was read.
    const QByteArray shuffled = patternLine("2027/1/1", "A1", "0") + qualificationLine("祝", "准看護師", { "", "3" })
        + patternLine("月", "夜", "3-3") + line("月", { "1" }) + qualificationLine("2027/1/1", "看護師", { "1" })
        + patternLine("祝", "夜", "-2") + qualificationLine("日", "看護師", night) + patternLine("月", "日", "6");
    const targetfile::ReadResult read = targetfile::read(shuffled);
    EXPECT_TRUE(read.rejected.isEmpty());
    const auto& nurse = read.table.qualifications.value("看護師");
    EXPECT_EQ(nurse.weekday(1)[17], (targets::HourTarget { 2, -1 }));
    EXPECT_EQ(nurse.weekday(1)[16], targets::HourTarget());
    EXPECT_EQ(nurse.dates.value(QDate(2027, 1, 1))[0], (targets::HourTarget { 1, -1 }));
    EXPECT_EQ(read.table.patterns.weekday(2).value("夜"), (targets::HourTarget { 3, 3 }));
    EXPECT_EQ(read.table.patterns.holiday.value("夜"), (targets::HourTarget { -1, 2 }));
    EXPECT_EQ(read.table.patterns.dates.value(QDate(2027, 1, 1)).value("A1"), (targets::HourTarget { 0, -1 }));
    EXPECT_EQ(targetfile::serialize(read.table), written);

    // A reader of the lines per hour alone would count their fields wrong: none of them could be
    // taken for a line of people per hour.
    for (const QByteArray& other : { qualificationLine("日", "看護師", night), patternLine("月", "夜", "3-3") })
        EXPECT_NE(other.count(','), 25);

    // A qualification line without a target is no row, and its tag goes.
    EXPECT_TRUE(targetfile::read(qualificationLine("月", "看護師")).table.isEmpty());
}

TEST(TargetFile, BadQualificationAndPatternLinesAreNamedWithTheirReason)
{
    const struct {
        QByteArray line;
        QString reason;
    } cases[] = {
        { qualificationLine("月", "看護師").replace(",\r\n", "\r\n"), "資格の行の項目数が27ではありません" },
        { patternLine("月", "夜", "3,"), "勤務の行の項目数が4ではありません" },
        { qualificationLine("Mon", "看護師", { "1" }), "見出しが曜日・祝・日付（年/月/日）ではありません" },
        { patternLine("2026/2/30", "夜", "3"), "日付が存在しません" },
        { qualificationLine("月", "", { "1" }), "資格・担当に空の項目があります" },
        { qualificationLine("月", "看護師|新人", { "1" }), "資格・担当「看護師|新人」に使えない文字があります" },
        { qualificationLine("月", "看護師", { "", "2-3" }), "1時：資格の必要人数は「2」の形（下限）だけです" },
        { qualificationLine("月", "看護師", { "", "", "-3" }), "2時：資格の必要人数は「2」の形（下限）だけです" },
        { qualificationLine("月", "看護師", { "31" }), "0時：人数は0から30までです" },
        { patternLine("月", "夜勤帯", "3"), "記号は1文字か2文字です" },
        { patternLine("月", "", "3"), "記号がありません" },
        { patternLine("月", "夜", ""), "勤務の必要人数がありません" },
        { patternLine("月", "夜", "4-3"), "下限が上限を超えています" },
    };
    for (const auto& c : cases) {
        const targetfile::ReadResult read = targetfile::read(patternLine("火", "日", "1") + c.line);
        ASSERT_EQ(read.rejected.size(), 1) << c.line.toStdString();
        EXPECT_EQ(read.rejected[0], (RejectedLine { 2, c.reason })) << c.line.toStdString();
        EXPECT_EQ(targetfile::serialize(read.table), patternLine("火", "日", "1")) << "the good line is kept";
    }

    // A key is second only within its own form and name: the same weekday for people per hour,
    // for a tag and for a pattern are three rows.
    const targetfile::ReadResult twice
        = targetfile::read(line("月", { "1" }) + qualificationLine("月", "看護師", { "1" })
            + qualificationLine("月", "介護福祉士", { "1" }) + patternLine("月", "夜", "1")
            + patternLine("月", "日", "1") + qualificationLine("月", "看護師", { "2" }) + patternLine("月", "夜", "2"));
    EXPECT_EQ(twice.rejected, (QList<RejectedLine> { { 6, "同じ見出しの2行目です" }, { 7, "同じ見出しの2行目です" } }));
}
