#include "changes/ShiftCheck.h"

#include "changes/DayShift.h"
#include "changes/DayText.h"

#include <algorithm>

namespace changes {

ShiftCheck checkShift(const DayEntry& entry)
{
    const std::optional<daychanges::Shift> shift = daychanges::shiftOf(entry);
    if (!shift)
        return {};
    if (shift->start() == shift->end())
        return { ShiftVerdict::Refused, QStringLiteral("開始時刻と終了時刻が同じです．") };
    const int span = shift->span();
    const int net = std::max(0, shift->netMinutes);
    if (net <= 0)
        return { ShiftVerdict::Refused,
            QStringLiteral("休憩が勤務時間（%1）以上で，実働がありません．").arg(durationText(span)) };
    if (net < 60)
        return { ShiftVerdict::Doubtful, QStringLiteral("実働が１時間未満（%1分）です．").arg(net) };
    if (const int rest = span - net; 2 * rest > span)
        return { ShiftVerdict::Doubtful,
            QStringLiteral("休憩（%1分）が勤務時間（%2）の半分を超えています．").arg(rest).arg(durationText(span)) };
    return {};
}

} // namespace changes
