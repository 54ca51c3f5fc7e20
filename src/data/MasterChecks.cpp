#include "data/MasterChecks.h"

#include "data/WorkAttributes.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"

#include <array>

namespace masterchecks {
namespace {

constexpr std::array kAttributeColumns { 2, 7, 12, 17, 22, 27, 32 };

bool isAttributeColumn(int c)
{
    return c >= 2 && c <= 32 && (c - 2) % 5 == 0;
}

int maxLengthOf(int column)
{
    if (column == 1)
        return 5;
    return column >= 37 ? 4 : 2;
}

QString attributeValueLine(int column)
{
    switch (column) {
    case 2:
        return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL2-M] 致命的なエラー");
    case 7:
        return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL7-T] 致命的なエラー");
    case 12:
        return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL12-W] 致命的なエラー");
    case 17:
        return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL17-T2] 致命的なエラー");
    case 22:
        return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL22-F] 致命的なエラー");
    case 27:
        return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL27-S] 致命的なエラー");
    default:
        return QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL32-S2] 致命的なエラー");
    }
}

} // namespace

int checkedRowCount(const Table& master)
{
    int n = 0;
    for (int r = 0; r < master.rowCount(); ++r)
        n += master.cell(0, r).isEmpty() ? 0 : 1;
    return n;
}

QStringList completeness(const Table& master)
{
    const int n = checkedRowCount(master);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < master.colCount(); ++c)
            if (master.cell(c, r).isEmpty())
                return { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-ONEEMP-SGD1] 致命的なエラー") };
    return {};
}

QStringList numbers(const Table& master)
{
    const int n = checkedRowCount(master);
    for (int r = 0; r < n; ++r) {
        for (int c = 1; c < master.colCount(); ++c) {
            if (isAttributeColumn(c))
                continue;
            const QString text = master.cell(c, r);
            if (!numbers::parseInt(text))
                return { QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
                    QStringLiteral("■□■■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
                    QStringLiteral("■■□■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
                    QStringLiteral("■■■□ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー") };
            if (text.size() < 1 || text.size() > maxLengthOf(c))
                return { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SGD1-CL%1] 致命的なエラー").arg(c) };
        }
    }
    return {};
}

QStringList namesAndAttributes(const Table& master)
{
    const int n = checkedRowCount(master);
    for (int r = 0; r < n; ++r) {
        const int nameBytes = cp932::byteCount(master.cell(0, r));
        if (nameBytes < 1 || nameBytes > 24)
            return { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL0] 致命的なエラー"), QString(),
                QStringLiteral("□■■■ 氏名は日本語で，１２文字以下厳守！") };
        for (int c : kAttributeColumns) {
            const QString value = master.cell(c, r);
            const int bytes = cp932::byteCount(value);
            if (bytes < 1 || bytes > 6)
                return { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SDG1-CL%1] 致命的なエラー").arg(c) };
            if (!attributes::isValue(value))
                return { QString(), attributeValueLine(c), QString(), QStringLiteral("□■■■ 勤務属性値に異常あり．") };
        }
    }
    return {};
}

} // namespace masterchecks
