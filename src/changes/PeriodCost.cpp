#include "changes/PeriodCost.h"

#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "data/WorkAttributes.h"
#include "platform/Numbers.h"
#include "shell/DayPay.h"

namespace daychanges {

QStringList periodCostHeading(const EffectiveSchedule& schedule)
{
    return { QString(), QStringLiteral("【期間人件費】 ") + changes::periodSpan(schedule.dates()), QString() };
}

QString periodCostLine(const EffectiveSchedule& schedule, int row, PeriodCostTotals& totals)
{
    const Table& master = schedule.master();
    const int wage = numbers::toInt(master.cell(1, row));
    int days = 0;
    qint64 minutes = 0;
    qint64 pay = 0;
    for (int day = 0; day < schedule.days(); ++day) {
        const DayEntry entry = schedule.entry(row, day);
        if (entry.attribute != attributes::kWorkday)
            continue;
        const int net = numbers::toInt(entry.netMinutes);
        ++days;
        minutes += net;
        pay += shell::dayPay(wage, net).pay;
    }
    totals.pay += pay;
    return QStringLiteral("■ %1 ： 勤務 %2 日，実労 %3 時間 %4 分，給料 ¥%5")
        .arg(master.cell(0, row), QString::number(days), QString::number(minutes / 60), QString::number(minutes % 60),
            QString::number(pay));
}

QStringList periodCostClosing(const EffectiveSchedule& schedule, const PeriodCostTotals& totals)
{
    return { QString(),
        QStringLiteral("◆ [期間人件費集計額]⇒ ¥%1  （勤務変更 %2 件）").arg(totals.pay).arg(schedule.changeCount()) };
}

} // namespace daychanges
