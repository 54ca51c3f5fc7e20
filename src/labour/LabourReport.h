#pragma once

#include "labour/LabourRules.h"

#include <QDate>
#include <QMap>

#include <QString>
#include <QStringList>

namespace daychanges {
class EffectiveSchedule;
}

// The report "労務チェック" of the main window: the findings of each registered employee over
// the period, then the estimate of the statutory premiums. It is built one employee at a time,
// as the main window's other reports are: the heading, the lines of each employee, the closing
// lines, which carry the premium section gathered on the way. As in the period labour cost, a
// wage or a working day's net minutes that is not a number raises numbers::ConversionError.
namespace labour {

// The night band's hours of a calendar month over every employee.
struct NightBandTotal {
    qint64 minutes = 0;
    int people = 0; // with any minute inside the band
};

struct ReportTotals {
    int findings = 0; // notes are none
    int employees = 0; // with at least one finding
    QStringList premiumLines; // one per employee with night or overtime minutes
    qint64 premiumSum = 0;
    QMap<QDate, NightBandTotal> nightBand; // by the month's first day, with a night band set
};

// An empty line, the period with its day count, an empty line.
QStringList reportHeading(const daychanges::EffectiveSchedule& schedule);
// The finding and note lines of the employee in master row (none without either); keeps the
// employee's premium line and premium and their night band's minutes in the totals.
QStringList reportLines(
    const daychanges::EffectiveSchedule& schedule, int row, const Rules& rules, ReportTotals& totals);
// The findings of every registered employee in master order, notes left out, as the report lists
// them ("■ " + name, then a line each), after an empty line and "【労務チェック】"; none when no
// employee has a finding. For the sheets that list them under the grid: no cell is read as a number.
QStringList findingLines(const daychanges::EffectiveSchedule& schedule, const Rules& rules);
// The count of findings, the night band's hours of each month when a band is set, then the
// premium section with its sum.
QStringList reportClosing(const ReportTotals& totals);

// The period labour cost's line of the premiums after its total line: none when the sum is 0.
QStringList periodCostPremiumLines(qint64 premiumSum, qint64 periodCostTotal);

} // namespace labour
