#include "today/TodayLines.h"

#include "data/WorkAttributes.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"

#include <array>

namespace today {
namespace {

// clang-format off
const std::array<QString, 7> kKanji {
    QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
    QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土"),
};
// Label texts for 0 to 7 days before the period's end day.
const std::array<QString, 8> kDaysLeft {
    QStringLiteral("本日で，設定勤務期間終了"),
    QStringLiteral("勤務期間終了まで，後１日"), QStringLiteral("勤務期間終了まで，後２日"),
    QStringLiteral("勤務期間終了まで，後３日"), QStringLiteral("勤務期間終了まで，後４日"),
    QStringLiteral("勤務期間終了まで，後５日"), QStringLiteral("勤務期間終了まで，後６日"),
    QStringLiteral("勤務期間終了まで，後７日"),
};
// clang-format on

bool knownCode(int code)
{
    return code >= 1 && code <= 7;
}

} // namespace

QString weekdayKanji(int code)
{
    return knownCode(code) ? kKanji[code - 1] : QString();
}

QString dateLine(QDate date)
{
    return QStringLiteral("■ %1年%2月%3日 （%4）")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(weekdayKanji(clock_::weekdayCode(date)));
}

QString workersHeading(int code)
{
    return QStringLiteral("---%1曜日の勤務者---").arg(weekdayKanji(code));
}

QStringList workerNames(const Table& master, int count, int code, const daychanges::RowChanges& todayChanges)
{
    QStringList names;
    if (!knownCode(code))
        return names;
    for (int row = 0; row < count; ++row)
        if (daychanges::entryOn(master, row, code, todayChanges)->attribute == attributes::kWorkday)
            names << master.cell(0, row);
    return names;
}

QStringList totalLines(int workers)
{
    return { QString(), QStringLiteral("合計 %1 名 出勤").arg(workers), QStringLiteral("--------------------"),
        QString() };
}

Reminder periodReminder(const Table& schedule, QDate today)
{
    const auto endMonth = numbers::parseInt(schedule.cell(4, 0));
    const auto endDay = numbers::parseInt(schedule.cell(5, 0));
    if (!endMonth || !endDay || *endMonth != today.month())
        return {};
    if (*endDay < today.day())
        return { Reminder::Action::Show, QStringLiteral("設定勤務期間を既にオーバー！") };
    const int daysLeft = *endDay - today.day();
    if (daysLeft < int(kDaysLeft.size()))
        return { Reminder::Action::Show, kDaysLeft[daysLeft] };
    return { Reminder::Action::Hide, QStringLiteral("　") };
}

} // namespace today
