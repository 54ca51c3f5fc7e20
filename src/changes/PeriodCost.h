#pragma once

#include <QString>
#include <QStringList>

namespace daychanges {

class EffectiveSchedule;

// The period labour cost: for each registered employee the working days of the registered
// period as they are in effect (day changes included), their net working time and their pay by
// the day pay rule of today's duty list, and the total over everyone. The lines are built one
// employee at a time, as the main window's other reports are; amounts carry "¥". A wage or
// minute cell that is not a number raises numbers::ConversionError.
struct PeriodCostTotals {
    qint64 pay = 0;
};

// An empty line, the period with its day count, an empty line.
QStringList periodCostHeading(const EffectiveSchedule& schedule);
// The line of the employee in master row; adds the pay to the totals.
QString periodCostLine(const EffectiveSchedule& schedule, int row, PeriodCostTotals& totals);
// An empty line and the total with the number of day changes that take effect.
QStringList periodCostClosing(const EffectiveSchedule& schedule, const PeriodCostTotals& totals);

} // namespace daychanges
