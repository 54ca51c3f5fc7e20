#include "data/MasterChecks.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace masterchecks;

namespace {

Table withEmployees(int n)
{
    Table t { 44, 30 };
    for (int r = 0; r < n; ++r) {
        const QStringList cells = sampleEmployee(QStringLiteral("社員%1").arg(r));
        for (int c = 0; c < cells.size(); ++c)
            t.setCell(c, r, cells[c]);
    }
    return t;
}

// All three stages' lines, stopping at the first stage that fails, as the start-up runs them.
QStringList firstFailure(const Table& t)
{
    for (const auto& stage : { completeness, numbers, namesAndAttributes }) {
        const QStringList lines = stage(t);
        if (!lines.isEmpty())
            return lines;
    }
    return {};
}

QString line(const char* code)
{
    return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-%1] 致命的なエラー").arg(QLatin1String(code));
}

} // namespace

TEST(MasterChecks, ValidRecordsPass)
{
    EXPECT_TRUE(firstFailure(withEmployees(30)).isEmpty());
    EXPECT_TRUE(firstFailure(Table { 44, 30 }).isEmpty());
}

TEST(MasterChecks, RowsWithoutANameAreNotChecked)
{
    Table t { 44, 30 };
    t.setCell(5, 0, QStringLiteral("garbage"));
    EXPECT_EQ(checkedRowCount(t), 0);
    EXPECT_TRUE(firstFailure(t).isEmpty());
}

TEST(MasterChecks, AGapAmongNamedRowsFailsCompleteness)
{
    Table t = withEmployees(4);
    t.clearRow(2);
    t.setCell(0, 2, QString());
    EXPECT_EQ(checkedRowCount(t), 3);
    EXPECT_EQ(firstFailure(t), (QStringList { QString(), line("ONEEMP-SGD1") }));
}

TEST(MasterChecks, NumbersMustConvertAndKeepTheirLengths)
{
    const struct {
        int column;
        const char* text;
        QStringList expected;
    } cases[] = {
        { 1, "99999", {} },
        { 1, "100000", { QString(), line("SGD1-CL1") } },
        { 1, "1O0",
            { line("SGD1"), QStringLiteral("■□■■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
                QStringLiteral("■■□■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
                QStringLiteral("■■■□ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー") } },
        { 37, "9999", {} },
        { 37, "10000", { QString(), line("SGD1-CL37") } },
        { 36, "100", { QString(), line("SGD1-CL36") } },
        { 3, "-1", {} }, // a sign is accepted; only lengths limit the range here
        { 1, "\t100",
            { line("SGD1"), QStringLiteral("■□■■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
                QStringLiteral("■■□■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
                QStringLiteral("■■■□ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー") } },
    };
    for (const auto& c : cases) {
        Table t = withEmployees(2);
        t.setCell(c.column, 1, QString::fromUtf8(c.text));
        EXPECT_EQ(firstFailure(t), c.expected) << c.column << " " << c.text;
    }
}

TEST(MasterChecks, NamesCountShiftJisBytes)
{
    Table t = withEmployees(1);
    t.setCell(0, 0, QStringLiteral("あいうえおかきくけこさし")); // 24 bytes
    EXPECT_TRUE(firstFailure(t).isEmpty());
    t.setCell(0, 0, QStringLiteral("あいうえおかきくけこさしx")); // 25 bytes
    EXPECT_EQ(firstFailure(t),
        (QStringList { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL0] 致命的なエラー"), QString(),
            QStringLiteral("□■■■ 氏名は日本語で，１２文字以下厳守！") }));
}

TEST(MasterChecks, TheLastOfThirtyRowsIsCheckedByEveryStage)
{
    const struct {
        int column;
        const char* text;
        const char* code;
    } cases[] = { { 9, "", "ONEEMP-SGD1" }, { 1, "1x", "SGD1" }, { 0, "あいうえおかきくけこさしx", "SDG1-CL0" },
        { 27, "休", "SDG1-CL27-S" } };
    for (const auto& c : cases) {
        Table t = withEmployees(30);
        t.setCell(c.column, 29, QString::fromUtf8(c.text));
        const QStringList lines = firstFailure(t);
        ASSERT_FALSE(lines.isEmpty()) << c.code;
        EXPECT_TRUE(lines.contains(line(c.code))) << c.code;
    }
}

TEST(MasterChecks, AttributesNeedALegalLengthAndValue)
{
    const struct {
        const char* text;
        bool lengthFails;
    } lengths[]
        = { { "その他x", true }, { "その他日", true }, { "勤務日", false }, { "x", false } }; // 7, 8, 6, 1 bytes
    for (const auto& c : lengths) {
        Table t = withEmployees(1);
        t.setCell(22, 0, QString::fromUtf8(c.text));
        EXPECT_EQ(
            firstFailure(t).contains(QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL22] 致命的なエラー")), c.lengthFails)
            << c.text;
    }

    Table t = withEmployees(1);
    t.setCell(17, 0, QStringLiteral("勤務"));
    EXPECT_EQ(firstFailure(t),
        (QStringList { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL17-T2] 致命的なエラー"), QString(),
            QStringLiteral("□■■■ 勤務属性値に異常あり．") }));
    t.setCell(17, 0, QStringLiteral("勤務日"));
    t.setCell(32, 0, QStringLiteral("あいうえお"));
    EXPECT_EQ(
        firstFailure(t), (QStringList { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL32] 致命的なエラー") }));
}
