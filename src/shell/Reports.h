#pragma once

#include "changes/EffectiveSchedule.h"
#include "data/Table.h"

#include <QString>
#include <QStringList>
#include <array>

namespace shell {

// The lines of the reports that the main window shows in its own panels: one employee's
// week, the weekly labour cost, the registration list and today's duty list. Each is
// computed from the employee master table as stored (times and wages copied as text, pay by
// the day pay rule); the window only paces the calls and shows the lines. Money amounts
// carry the yen sign "¥". A wage or minute cell that is not a number raises
// numbers::ConversionError.

// The week of every row whose name is name: a heading, each weekday Monday to Sunday with
// its times and pay or its attribute, and the working days and pay of the week. Each
// row's totals count that row alone.
QStringList individualWeek(const Table& master, const QString& name);

// Weekly labour cost: one line per employee, adding each weekday's pay (Monday to Sunday)
// to the totals, and the closing line with the seven totals and their sum.
struct CostTotals {
    std::array<qint64, 7> weekdays {};
};
QString costLine(const Table& master, int row, CostTotals& totals);
QString costClosingLine(const CostTotals& totals);

// The registration list line of one employee: name, wage and the standard week.
QString registrationLine(const Table& master, int row);

// Today's duty list: the lines of one employee for the weekday code (1 = Sunday … 7 =
// Saturday) or for the employee's day change of today in todayChanges, counting a working
// employee and the day's pay into the totals, and the lines that close the list.
struct DutyTotals {
    int workers = 0;
    qint64 labourCost = 0;
};
QStringList dutyLines(
    const Table& master, int row, int weekdayCode, DutyTotals& totals, const daychanges::RowChanges& todayChanges = {});
QStringList dutyClosingLines(const DutyTotals& totals);

} // namespace shell
