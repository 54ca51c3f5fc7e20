#include "labour/LabourReport.h"

#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "platform/Numbers.h"
#include "views/Calendar.h"

#include <algorithm>

namespace labour {
namespace {

// The cells the period labour cost reads as numbers: the wage and each working day's net
// minutes. The report stops where that one does, with the same message naming the text.
void requireNumbers(const daychanges::EffectiveSchedule& schedule, int row)
{
    numbers::toInt(schedule.master().cell(1, row));
    for (int day = 0; day < schedule.days(); ++day)
        if (const daychanges::RosterDay roster = schedule.day(row, day); roster.working())
            numbers::toInt(roster.entry.netMinutes);
}

// The employee's name after "■ ", then a line per finding or note: the minimum wage as it stands,
// a dated one after its date and weekday. None without findings or notes.
QStringList employeeLines(const daychanges::EffectiveSchedule& schedule, int row, const QList<Finding>& findings)
{
    if (findings.isEmpty())
        return {};
    QStringList lines { QStringLiteral("■ ") + schedule.master().cell(0, row) };
    for (const Finding& finding : findings) {
        if (!finding.date.isValid()) {
            lines << QStringLiteral("　") + finding.text;
            continue;
        }
        const int code = schedule.weekdayCode(schedule.dayOf(finding.date));
        lines << QStringLiteral("　%1/%2（%3） %4")
                     .arg(QString::number(finding.date.month()), QString::number(finding.date.day()),
                         views::weekdayKanji(code), finding.text);
    }
    return lines;
}

} // namespace

QStringList reportHeading(const daychanges::EffectiveSchedule& schedule)
{
    return { QString(), QStringLiteral("【労務チェック】 ") + changes::periodSpan(schedule.dates()), QString() };
}

QStringList reportLines(
    const daychanges::EffectiveSchedule& schedule, int row, const Rules& rules, ReportTotals& totals)
{
    requireNumbers(schedule, row);
    const EmployeeCheck check = checkEmployee(schedule, row, rules);
    const QString name = schedule.master().cell(0, row);
    const QStringList lines = employeeLines(schedule, row, check.findings);
    const auto found = std::count_if(
        check.findings.cbegin(), check.findings.cend(), [](const Finding& f) { return !isNote(f.kind); });
    totals.findings += static_cast<int>(found);
    totals.employees += found > 0 ? 1 : 0;
    if (check.minutes.night > 0 || check.minutes.overtime() > 0) {
        const qint64 night = check.minutes.night;
        const qint64 overtime = check.minutes.overtime();
        totals.premiumLines << QStringLiteral("■ %1 ： 深夜 %2 時間 %3 分，時間外 %4 時間 %5 分，割増 ¥%6")
                                   .arg(name, QString::number(night / 60), QString::number(night % 60),
                                       QString::number(overtime / 60), QString::number(overtime % 60),
                                       QString::number(check.premium));
        totals.premiumSum += check.premium;
    }
    for (const NightBandMonth& month : check.nightBand) {
        NightBandTotal& total = totals.nightBand[month.month];
        total.minutes += month.minutes;
        total.people += month.minutes > 0 ? 1 : 0;
    }
    return lines;
}

QStringList findingLines(const daychanges::EffectiveSchedule& schedule, const Rules& rules)
{
    QStringList lines;
    for (int row = 0; row < schedule.employees(); ++row) {
        QList<Finding> findings = checkEmployee(schedule, row, rules).findings;
        findings.removeIf([](const Finding& f) { return isNote(f.kind); });
        lines += employeeLines(schedule, row, findings);
    }
    if (lines.isEmpty())
        return lines;
    return QStringList { QString(), QStringLiteral("【労務チェック】") } + lines;
}

QStringList reportClosing(const ReportTotals& totals)
{
    QStringList lines { QString(),
        totals.findings > 0 ? QStringLiteral("◆ 指摘 %1 件（%2 名）").arg(totals.findings).arg(totals.employees)
                            : QStringLiteral("◆ 指摘はありません．") };
    if (!totals.nightBand.isEmpty())
        lines << QString();
    for (auto it = totals.nightBand.cbegin(); it != totals.nightBand.cend(); ++it) {
        const NightBandTotal& total = it.value();
        // The average to a tenth of an hour, cut as the ward's monthly report cuts it.
        const qint64 tenths = total.people > 0 ? total.minutes / 6 / total.people : 0;
        lines << QStringLiteral("◆ 夜勤時間 %1年%2月：延べ %3／従事者 %4 名＝平均 %5.%6 時間")
                     .arg(it.key().year())
                     .arg(it.key().month())
                     .arg(changes::durationText(static_cast<int>(total.minutes)))
                     .arg(total.people)
                     .arg(tenths / 10)
                     .arg(tenths % 10);
    }
    lines << QString() << QStringLiteral("【法定割増の概算】");
    if (totals.premiumLines.isEmpty())
        lines << QStringLiteral("　深夜・時間外の勤務はありません．");
    lines += totals.premiumLines;
    lines << QString() << QStringLiteral("◆ [割増合計]⇒ ¥%1").arg(totals.premiumSum);
    return lines;
}

QStringList periodCostPremiumLines(qint64 premiumSum, qint64 periodCostTotal)
{
    if (premiumSum <= 0)
        return {};
    return {
        QStringLiteral("◆ [法定割増の概算]⇒ ¥%1  （割増込み ¥%2）").arg(premiumSum).arg(periodCostTotal + premiumSum)
    };
}

} // namespace labour
