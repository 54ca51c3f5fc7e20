#include "labour/LabourRules.h"

#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace labour {
namespace {

using daychanges::Shift;

constexpr int kDayMinutes = 24 * 60;
constexpr int kLookBack = 31; // days before the period that a run of working days counts, at most
constexpr int kDailyLimit = 8 * 60;
constexpr qint64 kMonthlyLimit = 60 * 60;
// Net minutes as the table stores them have at most four digits; a damaged cell is bounded so
// that every total stays exact in 64 bits.
constexpr int kMaxNetMinutes = 9999;

int netOf(const Shift& shift)
{
    return std::clamp(shift.netMinutes, 0, kMaxNetMinutes);
}

struct Day {
    bool working = false;
    std::optional<Shift> shift; // none on a day off and on a working day whose times cannot be read

    int net() const { return shift ? netOf(*shift) : 0; }
};

QDate weekStartOf(QDate date, int weekStart)
{
    return date.addDays(-((clock_::weekdayCode(date) - weekStart + 7) % 7));
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return a % b != 0 && (a < 0) != (b < 0) ? q - 1 : q;
}

} // namespace

int overlapMinutes(const Shift& first, const Shift& next)
{
    const int firstEnd = first.start() + first.span();
    const int nextStart = kDayMinutes + next.start();
    return std::max(0, std::min(firstEnd, nextStart + next.span()) - nextStart);
}

QList<Overlap> overlapsAround(
    const daychanges::EffectiveSchedule& schedule, int row, QDate date, const daychanges::Shift& shift)
{
    QList<Overlap> found;
    if (const auto before = daychanges::shiftOf(schedule.entryOn(row, date.addDays(-1))))
        if (const int minutes = overlapMinutes(*before, shift); minutes > 0)
            found.append({ date.addDays(-1), minutes });
    if (const auto after = daychanges::shiftOf(schedule.entryOn(row, date.addDays(1))))
        if (const int minutes = overlapMinutes(shift, *after); minutes > 0)
            found.append({ date.addDays(1), minutes });
    return found;
}

int nightMinutes(const Shift& shift)
{
    const int start = shift.start();
    const int end = start + shift.span();
    // 22:00 to 5:00 around the shift's own midnight and the two after it: a shift starts by
    // 24:59 and lasts at most a day.
    int night = 0;
    for (int midnight = 0; midnight <= 2 * kDayMinutes; midnight += kDayMinutes)
        night += std::max(0, std::min(end, midnight + 5 * 60) - std::max(start, midnight - 2 * 60));
    // The break goes outside the night hours as far as the shift has room for it.
    const int breakMinutes = shift.span() - netOf(shift);
    const int dayMinutes = shift.span() - night;
    return std::max(0, night - std::max(0, breakMinutes - dayMinutes));
}

qint64 premiumYen(qint64 wage, const WorkMinutes& minutes, const Settings& settings)
{
    const qint64 rated = minutes.night * settings.nightRate() + minutes.overtime() * settings.overtimeRate()
        + minutes.overSixty * (settings.overSixtyRate() - settings.overtimeRate());
    return floorDiv(wage * rated + 3000, 6000); // per cent of an hourly wage per minute, half up
}

EmployeeCheck checkEmployee(const daychanges::EffectiveSchedule& schedule, int row, const Settings& settings)
{
    EmployeeCheck out;
    const auto add = [&out, row](QDate date, FindingKind kind, const QString& text) {
        out.findings.append({ row, date, kind, text });
    };
    const std::optional<int> wage = numbers::parseInt(schedule.master().cell(1, row));
    const bool wageKnown = wage && *wage >= 0;
    if (wageKnown && settings.minimumWage() > 0 && *wage < settings.minimumWage())
        add(QDate(), FindingKind::MinimumWage,
            QStringLiteral("最低賃金未満（¥%1／¥%2）").arg(*wage).arg(settings.minimumWage()));
    const QList<QDate>& dates = schedule.dates();
    if (dates.isEmpty())
        return out;
    const int periodDays = static_cast<int>(dates.size());

    // The days of the weeks the period touches and the day before it; day i is the period day
    // i − before.
    const QDate first = std::min(weekStartOf(dates.first(), settings.weekStart()), dates.first().addDays(-1));
    const QDate last = weekStartOf(dates.last(), settings.weekStart()).addDays(6);
    const int before = static_cast<int>(first.daysTo(dates.first()));
    std::vector<Day> days;
    days.reserve(static_cast<std::size_t>(first.daysTo(last) + 1));
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        const int p = static_cast<int>(days.size()) - before;
        const DayEntry entry = p >= 0 && p < periodDays ? schedule.entry(row, p) : schedule.entryOn(row, date);
        days.push_back({ daychanges::isWorkingDay(entry), daychanges::shiftOf(entry) });
    }

    // Overtime by the day and by the week, and weeks without a day off, on each period day.
    std::vector<qint64> overtime(static_cast<std::size_t>(periodDays));
    std::vector<bool> noDayOff(static_cast<std::size_t>(periodDays));
    const qint64 weekLimit = settings.weeklyMinutes();
    for (QDate week = weekStartOf(dates.first(), settings.weekStart()); week <= dates.last(); week = week.addDays(7)) {
        const int base = static_cast<int>(first.daysTo(week));
        qint64 worked = 0;
        bool dayOff = false;
        for (int i = base; i < base + 7; ++i) {
            const Day& day = days[static_cast<std::size_t>(i)];
            dayOff = dayOff || !day.working;
            const int daily = std::max(0, day.net() - kDailyLimit);
            const qint64 weekBefore = worked;
            worked += day.net() - daily;
            const qint64 weekly = std::max<qint64>(0, worked - weekLimit) - std::max<qint64>(0, weekBefore - weekLimit);
            const int p = i - before;
            if (p >= 0 && p < periodDays) {
                out.minutes.dailyOvertime += daily;
                out.minutes.weeklyOvertime += weekly;
                overtime[static_cast<std::size_t>(p)] = daily + weekly;
            }
        }
        if (!dayOff)
            noDayOff[static_cast<std::size_t>(std::max(0, base - before))] = true;
    }

    // Overtime of a calendar month beyond 60 hours, counted on the period's dates.
    qint64 month = 0;
    for (int p = 0; p < periodDays; ++p) {
        if (dates[p].day() == 1)
            month = 0;
        const qint64 monthBefore = month;
        month += overtime[static_cast<std::size_t>(p)];
        out.minutes.overSixty
            += std::max<qint64>(0, month - kMonthlyLimit) - std::max<qint64>(0, monthBefore - kMonthlyLimit);
    }

    // The working days in a row up to the period, looking back as far as the run goes.
    int run = 0;
    for (int i = before - 1; run < kLookBack; --i, ++run) {
        const bool working = i >= 0 ? days[static_cast<std::size_t>(i)].working
                                    : daychanges::isWorkingDay(schedule.entryOn(row, first.addDays(i)));
        if (!working)
            break;
    }

    // The findings of each date in the order of the rules, and the night.
    bool runTold = false;
    for (int p = 0; p < periodDays; ++p) {
        const QDate date = dates[p];
        const Day& day = days[static_cast<std::size_t>(p + before)];
        run = day.working ? run + 1 : 0;
        runTold = runTold && day.working;
        if (day.shift) {
            out.minutes.night += nightMinutes(*day.shift);
            const int w = day.net();
            const int b = day.shift->span() - w;
            if (w > 8 * 60 && b < 60)
                add(date, FindingKind::Break, QStringLiteral("休憩不足（60分以上必要）"));
            else if (w > 6 * 60 && b < 45)
                add(date, FindingKind::Break, QStringLiteral("休憩不足（45分以上必要）"));
        }
        if (noDayOff[static_cast<std::size_t>(p)])
            add(date, FindingKind::NoWeeklyDayOff, QStringLiteral("週休日なし"));
        if (settings.runLimit() > 0 && run > settings.runLimit() && !runTold) {
            add(date, FindingKind::DaysInARow, QStringLiteral("連続勤務 %1日").arg(run));
            runTold = true;
        }
        const std::optional<Shift>& previous = days[static_cast<std::size_t>(p + before - 1)].shift;
        if (day.shift && previous) {
            // Two shifts that overlap leave no rest at all: a finding of its own, whatever the
            // rest setting.
            const int rest = kDayMinutes + day.shift->start() - (previous->start() + previous->span());
            if (const int overlap = overlapMinutes(*previous, *day.shift); overlap > 0)
                add(date, FindingKind::Overlap, QStringLiteral("勤務の重複（%1）").arg(changes::durationText(overlap)));
            else if (rest < settings.restMinutes())
                add(date, FindingKind::ShortRest,
                    QStringLiteral("勤務間インターバル不足（%1時間%2分）").arg(rest / 60).arg(rest % 60));
        }
    }
    if (wageKnown)
        out.premium = premiumYen(*wage, out.minutes, settings);
    return out;
}

CellFindings::CellFindings(const daychanges::EffectiveSchedule& schedule, const Settings& settings)
    : days_(static_cast<int>(schedule.dates().size()))
{
    texts_.resize(static_cast<qsizetype>(schedule.employees()) * days_);
    for (int row = 0; row < schedule.employees(); ++row)
        for (const Finding& finding : checkEmployee(schedule, row, settings).findings)
            if (const int day = finding.date.isValid() ? schedule.dayOf(finding.date) : -1; day >= 0)
                texts_[static_cast<qsizetype>(row) * days_ + day].append(finding.text);
}

QStringList CellFindings::at(int row, int day) const
{
    if (row < 0 || day < 0 || day >= days_)
        return {};
    return texts_.value(static_cast<qsizetype>(row) * days_ + day);
}

} // namespace labour
