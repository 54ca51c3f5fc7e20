#include "views/WeekdayList.h"

#include "data/Table.h"
#include "data/WorkAttributes.h"
#include "master/MasterRecord.h"
#include "views/Calendar.h"

namespace weekdaylist {

QString entry(const Table& master, int row, int day)
{
    const int block = master::blockColumn(day);
    const QString attribute = master.cell(block, row);
    const QString name = master.cell(0, row);
    if (attribute == attributes::kWorkday)
        return QStringLiteral("〇 ") + name + QStringLiteral(" ⇒ ") + master.cell(block + 1, row) + QLatin1Char(':')
            + master.cell(block + 2, row) + QStringLiteral("～") + master.cell(block + 3, row) + QLatin1Char(':')
            + master.cell(block + 4, row);
    if (attribute == attributes::kRegularDayOff)
        return QStringLiteral("☆ ") + name;
    if (attribute == attributes::kDayOfRest)
        return QStringLiteral("× ") + name;
    if (attribute == attributes::kOther)
        return QStringLiteral("－ ") + name;
    return QStringLiteral("エラー検出！不定値有り！");
}

std::optional<QString> caption(int code)
{
    static const QString kCaptions[] = { QStringLiteral("本日．．．日曜日"), QStringLiteral("本日．．．月曜日"),
        QStringLiteral("本日．．．火曜日"), QStringLiteral("本日．．．水曜日"), QStringLiteral("本日．．．木曜日"),
        QStringLiteral("本日．．．金曜日"), QStringLiteral("本日．．．土曜日") };
    if (!views::isWeekdayCode(code))
        return std::nullopt;
    return kCaptions[code - 1];
}

QString badCodeMessage()
{
    return QStringLiteral("▼ 不正値検出．．．\r\n\r\n▼ 当該処理を実行許可できません．");
}

} // namespace weekdaylist
