#include "shell/Reports.h"

#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "master/MasterRecord.h"
#include "platform/Numbers.h"
#include "shell/DayPay.h"

namespace shell {
namespace {

using master::blockColumn;

// clang-format off
const std::array<QString, 7> kHeadings {
    QStringLiteral("--------------------------- 月曜日 ---------------------------"),
    QStringLiteral("--------------------------- 火曜日 ---------------------------"),
    QStringLiteral("--------------------------- 水曜日 ---------------------------"),
    QStringLiteral("--------------------------- 木曜日 ---------------------------"),
    QStringLiteral("--------------------------- 金曜日 ---------------------------"),
    QStringLiteral("--------------------------- 土曜日 ---------------------------"),
    QStringLiteral("--------------------------- 日曜日 ---------------------------"),
};
const std::array<QString, 7> kPayLines {
    QStringLiteral("月曜日給料 "), QStringLiteral("火曜日給料 "), QStringLiteral("水曜日給料 "),
    QStringLiteral("木曜日給料 "), QStringLiteral("金曜日給料 "), QStringLiteral("土曜日給料 "),
    QStringLiteral("日曜日給料 "),
};
const std::array<QString, 7> kWeekdayLabels {
    QStringLiteral("□月："), QStringLiteral("□火："), QStringLiteral("□水："), QStringLiteral("□木："),
    QStringLiteral("□金："), QStringLiteral("□土："), QStringLiteral("□日："),
};
const std::array<QString, 7> kClosingLabels {
    QStringLiteral("※ 曜日別集計額　□月：¥"), QStringLiteral("□火：¥"), QStringLiteral("□水：¥"),
    QStringLiteral("□木：¥"), QStringLiteral("□金：¥"), QStringLiteral("□土：¥"), QStringLiteral("□日：¥"),
};
// clang-format on

int wageOf(const Table& master, int row)
{
    return numbers::toInt(master.cell(1, row));
}

DayPay payOf(const Table& master, int row, const DayEntry& day)
{
    return dayPay(wageOf(master, row), numbers::toInt(day.netMinutes));
}

QString wageLine(const Table& master, int row)
{
    return QStringLiteral("－時給 ") + master.cell(1, row) + QStringLiteral("円－");
}

// The start, end and net working time lines of a working day, times as stored.
QStringList shiftLines(const DayEntry& day, const DayPay& pay)
{
    return { QStringLiteral("出 ") + day.startHour + u':' + day.startMinute,
        QStringLiteral("退 ") + day.endHour + u':' + day.endMinute,
        QStringLiteral("実労時間 %1時間 %2分").arg(pay.hours).arg(pay.minutes) };
}

} // namespace

QStringList individualWeek(const Table& master, const QString& name)
{
    QStringList lines;
    for (int row = 0; row < kMaxEmployees; ++row) {
        if (master.cell(0, row) != name)
            continue;
        int workingDays = 0;
        qint64 weekPay = 0;
        lines << QString() << QStringLiteral("■ ") + name + QStringLiteral(" ■") << QString() << wageLine(master, row)
              << QString();
        for (int day = 0; day < master::kDays; ++day) {
            lines << kHeadings[day];
            const DayEntry entry = daychanges::blockEntry(master, row, day);
            if (entry.attribute != attributes::kWorkday) {
                lines << QStringLiteral("[ ") + entry.attribute + QStringLiteral(" ]");
                continue;
            }
            const DayPay pay = payOf(master, row, entry);
            lines << shiftLines(entry, pay) << kPayLines[day] + QString::number(pay.pay) + u'円';
            ++workingDays;
            weekPay += pay.pay;
        }
        lines << QStringLiteral("--------------------------------------------------------------") << QString()
              << QStringLiteral("※ 週間勤務日数．．． %1 日").arg(workingDays)
              << QStringLiteral("※ 週間給料合計額．．． %1 円").arg(weekPay) << QString();
    }
    return lines;
}

QString costLine(const Table& master, int row, CostTotals& totals)
{
    QString line = u'■' + master.cell(0, row) + u' ';
    qint64 week = 0;
    for (int day = 0; day < master::kDays; ++day) {
        const qint64 pay = payOf(master, row, daychanges::blockEntry(master, row, day)).pay;
        line += kWeekdayLabels[day] + QString::number(pay);
        totals.weekdays[day] += pay;
        week += pay;
    }
    return line + QStringLiteral(" ◆ [週間合計]⇒ ¥") + QString::number(week);
}

QString costClosingLine(const CostTotals& totals)
{
    QString line;
    qint64 sum = 0;
    for (int day = 0; day < master::kDays; ++day) {
        line += kClosingLabels[day] + QString::number(totals.weekdays[day]);
        sum += totals.weekdays[day];
    }
    return line + QStringLiteral("　◆ [週間人件費集計額]⇒ ¥") + QString::number(sum);
}

QString registrationLine(const Table& master, int row)
{
    QString line
        = u'【' + master.cell(0, row) + u'】' + QStringLiteral(" ¥") + master.cell(1, row) + QStringLiteral(" ⇒ ");
    for (int day = 0; day < master::kDays; ++day) {
        const int c = blockColumn(day);
        line += kWeekdayLabels[day] + master.cell(c, row) + master.cell(c + 1, row) + u':' + master.cell(c + 2, row)
            + u'～' + master.cell(c + 3, row) + u':' + master.cell(c + 4, row);
    }
    return line;
}

QStringList dutyLines(
    const Table& master, int row, int weekdayCode, DutyTotals& totals, const daychanges::RowChanges& todayChanges)
{
    const std::optional<DayEntry> today = daychanges::entryOn(master, row, weekdayCode, todayChanges);
    if (!today)
        return { QString(), QStringLiteral("- ▼ 不定情報検出 -"), QString() };
    const QString name = master.cell(0, row);
    const QString& attribute = today->attribute;
    if (attribute == attributes::kWorkday) {
        const DayPay pay = payOf(master, row, *today);
        ++totals.workers;
        totals.labourCost += pay.pay;
        return QStringList { QStringLiteral("〇 ") + name } + shiftLines(*today, pay)
            + QStringList { QStringLiteral("本日給料 %1円").arg(pay.pay), wageLine(master, row), QString() };
    }
    if (attribute == attributes::kRegularDayOff)
        return { QStringLiteral("☆ ") + name, QStringLiteral("[公休日]"), QString() };
    if (attribute == attributes::kDayOfRest)
        return { QStringLiteral("× ") + name, QStringLiteral("[休  み]"), QString() };
    if (attribute == attributes::kOther)
        return { QStringLiteral("－ ") + name, QStringLiteral("[その他]"), QString() };
    return {};
}

QStringList dutyClosingLines(const DutyTotals& totals)
{
    return { QString(), QString(), QStringLiteral("------------------------------------"),
        QStringLiteral("◇ 本日勤務者合計 ⇒ %1 人").arg(totals.workers),
        QStringLiteral("◆ 本日人件費合計 ⇒ %1 円").arg(totals.labourCost),
        QStringLiteral("------------------------------------"), QString(),
        QStringLiteral("※ 実労時間とは，休憩時間を除外．"), QStringLiteral("※ 本日給料とは，実労時間で算出．") };
}

} // namespace shell
