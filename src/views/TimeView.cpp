#include "views/TimeView.h"

#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "platform/Numbers.h"
#include "views/Calendar.h"

#include <algorithm>

namespace timeview {
namespace {

const QString kWork = QStringLiteral("■");
const QString kMostlyWork = QStringLiteral("▼");
const QString kOff = QStringLiteral("□");
const QString kMostlyOff = QStringLiteral("▽");
const QString kPastMidnight = QStringLiteral("→");

QString dayStartSymbol(double s)
{
    if (s == 0)
        return kWork;
    return s < 0.5 ? kMostlyWork : kMostlyOff;
}

QString nightStartSymbol(double s)
{
    if (s == 0)
        return kWork;
    return s <= 0.5 ? kMostlyWork : kMostlyOff;
}

QString endSymbol(double u)
{
    if (u == 0)
        return kOff;
    if (u < 0.5)
        return kMostlyOff;
    return u < 0.75 ? kMostlyWork : kWork;
}

// The one cell of a shift that starts and ends within the same hour, by its minutes of work there.
QString sameHourSymbol(int workMinutes)
{
    return workMinutes >= 30 ? kMostlyWork : kMostlyOff;
}

void fill(Bar& bar, int from, int to, const QString& symbol)
{
    for (int h = std::max(from, 0); h <= std::min(to, kHours - 1); ++h)
        bar[h] = symbol;
}

} // namespace

Bar hourBar(int startHour, int startMinute, int endHour, int endMinute)
{
    constexpr double kPerMinute = 1.0 / 60;
    const double start = startHour + startMinute * kPerMinute;
    const double end = endHour + endMinute * kPerMinute;
    Bar bar;
    if (start <= 0 || end <= 0 || start >= kHours || end >= kHours || start == end)
        return bar;
    const int a = static_cast<int>(start);
    const double s = start - a;
    const int b = static_cast<int>(end);
    const double u = end - b;
    const int startMinutes = startHour * 60 + startMinute;
    const int endMinutes = endHour * 60 + endMinute;

    if (start < end) {
        fill(bar, 0, 24, kOff);
        if (a == b) {
            bar[a] = sameHourSymbol(endMinutes - startMinutes);
        } else {
            bar[a] = dayStartSymbol(s);
            fill(bar, a + 1, b - 1, kWork);
            bar[b] = endSymbol(u);
        }
        return bar;
    }

    // Night shift: the morning part at the left, today's evening part at the right.
    fill(bar, 0, b - 1, kWork);
    bar[b] = endSymbol(u);
    if (a >= 24) {
        // A start at 24:00 belongs to the next day: no start cell and no arrow.
        fill(bar, b + 1, 24, kOff);
        return bar;
    }
    if (a == b) {
        bar[a] = sameHourSymbol(60 - (startMinutes - endMinutes));
    } else {
        fill(bar, b + 1, a - 1, kOff);
        bar[a] = nightStartSymbol(s);
    }
    fill(bar, a + 1, 23, kWork);
    bar[24] = (b >= 1 || s == 0) ? kPastMidnight : kWork;
    return bar;
}

QString dayOffLabel(const QString& attribute)
{
    if (attribute == attributes::kRegularDayOff)
        return QStringLiteral(" ＜公休日＞");
    if (attribute == attributes::kDayOfRest)
        return QStringLiteral(" ＜休み＞");
    if (attribute == attributes::kOther)
        return QStringLiteral(" ＜その他＞");
    return QString();
}

QStringList openingLines()
{
    return { QString(), QStringLiteral("【☆各従業員の主な勤務時間帯対象グラフ】"), QString(),
        QStringLiteral("　【記号】．．．■：勤務時間の1時間， ▼：勤務時間の30分間以上（残り30分以下は勤務外）"),
        QStringLiteral("　【記号】．．．□：勤務外の1時間， ▽：勤務外の30分間以上（残り30分以下は勤務時間）"),
        QStringLiteral(" 　◎時間軸は，左から0時 ⇒ 24時．．．＜注意点，0時＝24時同意＞"), QString(), QString(),
        QString() };
}

PeriodCheck periodCheck(const Table& schedule, QDate startup, int todayCode)
{
    const PeriodMonths period = views::periodMonths(schedule);
    const int days = numbers::toInt(schedule.cell(6, 0));
    PeriodCheck out;
    if (period.startYear != period.endYear && period.endYear != period.startYear + 1) {
        out.stopped = true;
        out.lines = { QString(), QString(), QStringLiteral("■□■■ 何らかの異常値を検出！．処理を中断しました．"),
            QString(), QStringLiteral("■□■■ 初期設定から勤務期間を再設定して下さい．") };
        return out;
    }
    if (period.outside(startup))
        out.lines << QStringLiteral(
            "＜注意＞スケジューリング期間が未更新（範囲外データ）のため，本日のデータではありません．");
    if (period.isStartMonth(startup) || period.isEndMonth(startup)) {
        for (int d = 0; d < days; ++d) {
            if (numbers::toInt(schedule.cell(d, 1)) == startup.day()) {
                out.lines << QStringLiteral("%1年%2月%3日（%4）")
                                 .arg(startup.year())
                                 .arg(startup.month())
                                 .arg(startup.day())
                                 .arg(views::weekdayKanji(todayCode));
                break;
            }
        }
    }
    return out;
}

int compute(TFormData& data, int todayCode, const daychanges::RowChanges& todayChanges)
{
    const int employees = data.employeeCount();
    if (!views::isWeekdayCode(todayCode))
        return employees;
    const Table& master = data.StringGrid1;
    Table& work = data.StringGrid3;
    for (int e = 0; e < employees; ++e) {
        const DayEntry day = *daychanges::entryOn(master, e, todayCode, todayChanges);
        work.setCell(40, e, master.cell(0, e));
        work.setCell(39, e,
            day.startHour + QStringLiteral("：") + day.startMinute + QStringLiteral("～") + day.endHour
                + QStringLiteral("：") + day.endMinute);
        Bar bar;
        if (day.attribute == attributes::kWorkday) {
            bar = hourBar(numbers::toInt(day.startHour), numbers::toInt(day.startMinute), numbers::toInt(day.endHour),
                numbers::toInt(day.endMinute));
        } else {
            bar.fill(kOff);
            if (const QString label = dayOffLabel(day.attribute); !label.isEmpty())
                work.setCell(39, e, label);
        }
        for (int h = 0; h < kHours; ++h)
            work.setCell(h, e, bar[h]);
    }
    return employees;
}

QString barLine(const Table& work, int row)
{
    QString line;
    for (int h = 0; h < kHours; ++h)
        line += work.cell(h, row);
    return line + QStringLiteral("　  【") + work.cell(40, row) + QStringLiteral("】") + QLatin1Char(' ')
        + work.cell(39, row);
}

QString timeAxis()
{
    return QStringLiteral("0h---------6h---------12h--------18h--------24h-------------------------------------------"
                          "------⇒ Time Line");
}

QStringList closingLines()
{
    return { timeAxis(), QString(), QString(), QString(),
        QStringLiteral("[重要事項] 印刷実行で，当該時系列勤務表は整形されプリント・アウトされます．") };
}

} // namespace timeview
