#include "views/TimeView.h"

#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "platform/Numbers.h"
#include "views/Calendar.h"

#include <algorithm>
#include <optional>
#include <utility>

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

// The one cell of an hour by its minutes of work: the whole hour, 30 minutes or more, or less.
QString hourSymbol(int workMinutes)
{
    if (workMinutes >= 60)
        return kWork;
    return workMinutes >= 30 ? kMostlyWork : kMostlyOff;
}

constexpr int kDayMinutes = 24 * 60;

// A working day's times as the chart reads its cells.
struct Times {
    int startHour = 0;
    int startMinute = 0;
    int endHour = 0;
    int endMinute = 0;

    int start() const { return startHour * 60 + startMinute; }
    int end() const { return endHour * 60 + endMinute; }
};

std::optional<Times> workTimes(const DayEntry& entry)
{
    if (entry.attribute != attributes::kWorkday)
        return std::nullopt;
    return Times { numbers::toInt(entry.startHour), numbers::toInt(entry.startMinute), numbers::toInt(entry.endHour),
        numbers::toInt(entry.endMinute) };
}

// The minutes of hour h at work when the day before's shift works into it from 0:00 and the
// date's own shift from its start: the two together, counted once where they overlap.
int sharedMinutes(int h, const Times& dayBefore, const Times& own)
{
    const int hour = h * 60;
    const int earlyEnd = dayBefore.end() - (dayBefore.end() < dayBefore.start() ? 0 : kDayMinutes) - hour;
    const int from = std::max(own.start() - hour, 0);
    const int to = std::min((own.end() > own.start() ? own.end() : kDayMinutes) - hour, 60);
    return from <= earlyEnd ? std::max(earlyEnd, to) : earlyEnd + to - from;
}

// Start and end in hours (the minutes multiplied by 1/60) of a shift that has a bar: none for one
// that starts or ends at 0:00, ends when it starts, or has a time of 25:00 or later.
std::optional<std::pair<double, double>> barTimes(int startHour, int startMinute, int endHour, int endMinute)
{
    constexpr double kPerMinute = 1.0 / 60;
    const double start = startHour + startMinute * kPerMinute;
    const double end = endHour + endMinute * kPerMinute;
    if (start <= 0 || end <= 0 || start >= kHours || end >= kHours || start == end)
        return std::nullopt;
    return std::pair { start, end };
}

void fill(Bar& bar, int from, int to, const QString& symbol)
{
    for (int h = std::max(from, 0); h <= std::min(to, kHours - 1); ++h)
        bar[h] = symbol;
}

} // namespace

Bar hourBar(int startHour, int startMinute, int endHour, int endMinute)
{
    Bar bar;
    const auto times = barTimes(startHour, startMinute, endHour, endMinute);
    if (!times)
        return bar;
    const auto [start, end] = *times;
    const int a = static_cast<int>(start);
    const double s = start - a;
    const int b = static_cast<int>(end);
    const double u = end - b;

    fill(bar, 0, 24, kOff);
    if (start < end) {
        if (a == b) {
            bar[a] = hourSymbol((endHour - startHour) * 60 + endMinute - startMinute);
        } else {
            bar[a] = dayStartSymbol(s);
            fill(bar, a + 1, b - 1, kWork);
            bar[b] = endSymbol(u);
        }
        return bar;
    }

    // Night shift: from its start up to midnight. A start at 24:00 belongs to the next day: no
    // start cell and no arrow.
    if (a >= 24)
        return bar;
    bar[a] = nightStartSymbol(s);
    fill(bar, a + 1, 23, kWork);
    bar[24] = (b >= 1 || s == 0) ? kPastMidnight : kWork;
    return bar;
}

Bar earlyHours(int startHour, int startMinute, int endHour, int endMinute)
{
    Bar bar;
    const auto times = barTimes(startHour, startMinute, endHour, endMinute);
    if (!times)
        return bar;
    const auto [start, end] = *times;
    // A night shift ends on the next day's clock; a day shift only when it ends after 24:00.
    const double next = end < start ? end : end - 24;
    if (next <= 0)
        return bar;
    const int b = static_cast<int>(next);
    fill(bar, 0, b - 1, kWork);
    bar[b] = endSymbol(next - b);
    return bar;
}

Bar dateBar(const DayEntry& dayBefore, const DayEntry& today)
{
    const std::optional<Times> own = workTimes(today);
    Bar bar;
    if (own)
        bar = hourBar(own->startHour, own->startMinute, own->endHour, own->endMinute);
    else
        bar.fill(kOff);
    const std::optional<Times> before = workTimes(dayBefore);
    if (!before)
        return bar;
    const Bar early = earlyHours(before->startHour, before->startMinute, before->endHour, before->endMinute);
    for (int h = 0; h < kHours; ++h) {
        const QString& part = early[h];
        QString& cell = bar[h];
        if (part.isEmpty())
            continue;
        if (cell.isEmpty() || cell == kOff || part == kWork)
            cell = part;
        else if (part != kOff && (cell == kMostlyWork || cell == kMostlyOff))
            cell = hourSymbol(sharedMinutes(h, *before, *own));
    }
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

QList<DayEntry> dayBeforeEntries(const daychanges::EffectiveSchedule& schedule, QDate date)
{
    QList<DayEntry> entries;
    for (int row = 0; row < schedule.employees(); ++row)
        entries << schedule.entryOn(row, date.addDays(-1));
    return entries;
}

int compute(
    TFormData& data, int todayCode, const daychanges::RowChanges& todayChanges, const QList<DayEntry>& dayBefore)
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
        if (day.attribute != attributes::kWorkday)
            if (const QString label = dayOffLabel(day.attribute); !label.isEmpty())
                work.setCell(39, e, label);
        const Bar bar = dateBar(dayBefore.value(e), day);
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
