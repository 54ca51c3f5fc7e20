#include "data/RejectedLines.h"

namespace {
// Lines listed in a message; the rest are counted.
constexpr int kListedLines = 15;
} // namespace

QString rejectedLinesList(const QList<RejectedLine>& rejected)
{
    QString list;
    for (const RejectedLine& line : rejected.mid(0, kListedLines))
        list += QStringLiteral("　%1 行目：%2\r\n").arg(line.line).arg(line.reason);
    if (rejected.size() > kListedLines)
        list += QStringLiteral("　ほか %1 行\r\n").arg(rejected.size() - kListedLines);
    return list;
}
