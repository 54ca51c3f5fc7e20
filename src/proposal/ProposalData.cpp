#include "proposal/ProposalData.h"

#include "changes/ChangeFile.h"
#include "changes/DayShift.h"
#include "changes/PeriodCost.h"
#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "labour/LabourRules.h"
#include "master/MasterRecord.h"
#include "platform/Numbers.h"
#include "requests/RequestView.h"
#include "targets/Coverage.h"
#include "targets/TargetLines.h"

#include <algorithm>
#include <cmath>

namespace proposal {
namespace {

using daychanges::DateChoice;
using daychanges::EffectiveSchedule;
using daychanges::Shift;

bool sameShift(const Shift& a, const Shift& b)
{
    return a.startHour == b.startHour && a.startMinute == b.startMinute && a.endHour == b.endHour
        && a.endMinute == b.endMinute && a.netMinutes == b.netMinutes;
}

// The distinct working shifts of a master row's standard week, Monday to Sunday.
QList<Shift> standardShifts(const Table& master, int row)
{
    QList<Shift> shifts;
    for (int block = 0; block < 7; ++block)
        if (const auto shift = daychanges::shiftOf(daychanges::blockEntry(master, row, block)))
            if (std::none_of(shifts.begin(), shifts.end(), [&](const Shift& s) { return sameShift(s, *shift); }))
                shifts << *shift;
    return shifts;
}

Option optionOf(const DayEntry& entry)
{
    if (!daychanges::isWorkingDay(entry))
        return offOption();
    return shiftOption(daychanges::shiftOf(entry));
}

// The option index of the standard entry among off and the shifts; −1 when it is none of them.
int standardIndex(const DayEntry& standard, const QList<Shift>& shifts)
{
    if (!daychanges::isWorkingDay(standard))
        return 0;
    const auto shift = daychanges::shiftOf(standard);
    for (int i = 0; shift && i < shifts.size(); ++i)
        if (sameShift(shifts[i], *shift))
            return i + 1;
    return -1;
}

bool holdsOff(const std::optional<requests::Wish>& wish)
{
    return wish && (wish->kind == requests::Kind::DayOff || wish->kind == requests::Kind::CannotWork);
}

// A day the proposal may not choose: before or on today, or already decided by the manager.
bool decided(const EffectiveSchedule& schedule, int row, int day, QDate today)
{
    return schedule.dates()[day] <= today || !schedule.isPlanned(day) || schedule.change(row, day).has_value();
}

const DayEntry kDayOff { attributes::kRegularDayOff, QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("0"),
    QStringLiteral("00"), QStringLiteral("0"), true };

DayEntry entryOf(const Shift& shift)
{
    const DayEntry entry { attributes::kWorkday, QString::number(shift.startHour), QString::number(shift.startMinute),
        QString::number(shift.endHour), QString::number(shift.endMinute), QString::number(shift.netMinutes), true };
    return changefile::fileForm(entry).value_or(entry);
}

} // namespace

Instance instanceOf(const TFormData& data, const DateChoice& choice, QDate today, Aim aim)
{
    const EffectiveSchedule schedule(data, choice);
    const labour::Settings& s = data.labourSettings;
    const LabourSettings labour { s.weeklyMinutes() / 60, s.weekStart(), s.runLimit(), s.restMinutes() / 60,
        s.nightRate(), s.overtimeRate(), s.overSixtyRate() };
    if (schedule.dates().isEmpty())
        return {};
    Instance instance = frame(schedule.dates().first(), schedule.days(), labour);
    instance.aims = programAims(aim);
    for (int day = 0; day < schedule.days(); ++day) {
        const targets::TargetRow& row = targets::rowFor(data.staffTargets, schedule.dates()[day]);
        for (int hour = 0; hour < targets::kHours; ++hour) {
            Target& target = instance.targets[day][hour];
            if (row[hour].least >= 0)
                target.least = row[hour].least;
            if (row[hour].most >= 0)
                target.most = row[hour].most;
        }
    }
    const Table& master = schedule.master();
    for (int row = 0; row < schedule.employees(); ++row) {
        const QString name = master.cell(0, row);
        const QList<Shift> shifts = standardShifts(master, row);
        Employee employee;
        employee.row = row;
        employee.wage = numbers::parseInt(master.cell(1, row)).value_or(0);
        for (int d = 0; d < instance.days; ++d) {
            const QDate date = instance.date(d);
            const int day = d - instance.periodStart;
            const std::optional<requests::Wish> wish
                = instance.inPeriod(d) ? data.staffRequests.find(name, date) : std::nullopt;
            Day& held = employee.days.emplaceBack();
            if (!instance.inPeriod(d) || decided(schedule, row, day, today)) {
                held.options = { optionOf(schedule.entryOn(row, date)) };
            } else if (holdsOff(wish)) {
                held.options = { offOption() };
            } else {
                held.free = true;
                held.options = { offOption() };
                for (const Shift& shift : shifts)
                    held.options << shiftOption(shift);
                held.standard = standardIndex(schedule.standard(row, day), shifts);
            }
            if (wish && wish->kind == requests::Kind::WantsWork)
                instance.requests << Request { static_cast<int>(instance.employees.size()), d };
        }
        instance.employees << employee;
    }
    return instance;
}

QList<DayChange> changesOf(
    const TFormData& data, const DateChoice& choice, const Instance& instance, const QList<QList<int>>& options)
{
    const EffectiveSchedule schedule(data, choice);
    QList<DayChange> changes;
    for (int e = 0; e < instance.employees.size(); ++e) {
        const Employee& employee = instance.employees[e];
        const QString name = schedule.master().cell(0, employee.row);
        for (int day = 0; day < instance.periodDays; ++day) {
            const int d = instance.periodStart + day;
            const Day& held = employee.days[d];
            const QDate date = instance.date(d);
            if (held.free) {
                const int option = options.value(e).value(d, held.standard);
                if (option == held.standard || option < 0 || option >= held.options.size())
                    continue;
                const Option& chosen = held.options[option];
                changes << DayChange { name, date,
                    chosen.working() && chosen.shift ? entryOf(*chosen.shift) : kDayOff };
            } else if (!held.options.value(0).working()
                && daychanges::isWorkingDay(schedule.entry(employee.row, day))) {
                changes << DayChange { name, date, kDayOff }; // a wish's day held off
            }
        }
    }
    return changes;
}

QString faultOf(const TFormData& data, const DateChoice& choice, QDate today, const QList<DayChange>& changes)
{
    const EffectiveSchedule schedule(data, choice);
    for (const DayChange& change : changes) {
        const int day = schedule.dayOf(change.date);
        const int row = master::findEmployee(schedule.master(), change.name);
        if (day < 0 || change.date <= today)
            return QStringLiteral("期間の今日以降でない日付");
        if (row < 0 || row >= schedule.employees())
            return QStringLiteral("登録されていない氏名");
        if (schedule.change(row, day))
            return QStringLiteral("勤務変更のある日");
        if (!daychanges::isWorkingDay(change.entry)) {
            if (change.entry != kDayOff)
                return QStringLiteral("公休以外の休み");
            continue;
        }
        if (holdsOff(data.staffRequests.find(change.name, change.date)))
            return QStringLiteral("希望休・出勤不可の日の勤務");
        const auto shift = daychanges::shiftOf(change.entry);
        const QList<Shift> shifts = standardShifts(schedule.master(), row);
        if (!shift || std::none_of(shifts.begin(), shifts.end(), [&](const Shift& s) { return sameShift(s, *shift); }))
            return QStringLiteral("標準の週にない勤務");
    }
    return QString();
}

Figures figuresOf(const TFormData& data, const DateChoice& choice)
{
    const EffectiveSchedule schedule(data, choice);
    Figures figures;
    daychanges::PeriodCostTotals pay;
    qint64 premiums = 0;
    for (int row = 0; row < schedule.employees(); ++row) {
        const labour::EmployeeCheck check = labour::checkEmployee(schedule, row, labour::rulesOf(data));
        for (const labour::Finding& finding : check.findings) {
            const auto kind = finding.kind;
            figures.findings += kind == labour::FindingKind::NoWeeklyDayOff || kind == labour::FindingKind::DaysInARow
                    || kind == labour::FindingKind::ShortRest || kind == labour::FindingKind::Overlap
                ? 1
                : 0;
        }
        premiums += check.premium;
        daychanges::periodCostLine(schedule, row, pay);
        const QString name = schedule.master().cell(0, row);
        for (int day = 0; day < schedule.days(); ++day) {
            const auto wish = data.staffRequests.find(name, schedule.dates()[day]);
            if (wish && wish->kind == requests::Kind::WantsWork
                && !requests::honoured(wish->kind, schedule.day(row, day)))
                ++figures.unhonouredWishes;
        }
    }
    for (const targets::PersonHours& day : targets::personHoursByDay(data.staffTargets, schedule)) {
        figures.shortHours += day.shortHours;
        figures.overHours += day.overHours;
    }
    figures.cost = pay.pay + premiums;
    return figures;
}

namespace {

// An aim's value and bound in the words of its first measure; fractions of a bound round up, as
// no proposal can lie below it.
QString boundText(const Proof& proof)
{
    const Measure measure = proof.aim.isEmpty() ? Measure::Hard : proof.aim.first().measure;
    const qint64 value = std::llround(proof.value);
    const qint64 bound = std::max<qint64>(0, qint64(std::ceil(proof.bound - 1e-6)));
    switch (measure) {
    case Measure::Hard:
        return QStringLiteral("守れない規則 %1 件（下限 %2 件）").arg(value).arg(bound);
    case Measure::Findings:
        return QStringLiteral("指摘 %1 件（下限 %2 件）").arg(value).arg(bound);
    case Measure::ShortHours:
    case Measure::ShortPatterns:
        return QStringLiteral("不足 %1 人時（下限 %2 人時）").arg(value).arg(bound);
    case Measure::Requests:
        return QStringLiteral("かなわない希望 %1 件（下限 %2 件）").arg(value).arg(bound);
    case Measure::OverHours:
    case Measure::OverPatterns:
        return QStringLiteral("超過 %1 人時（下限 %2 人時）").arg(value).arg(bound);
    case Measure::NightFairness:
    case Measure::WeekendFairness:
        return QStringLiteral("偏り %1（下限 %2）").arg(value).arg(bound);
    case Measure::ChangedDays:
        return QStringLiteral("変更 %1 日（下限 %2 日）").arg(value).arg(bound);
    case Measure::Cost:
        return QStringLiteral("人件費 ¥%1（下限 ¥%2）").arg(value).arg(bound);
    }
    return {};
}

} // namespace

QString summaryLine(const Figures& before, const Figures& after, int changedDays, const Proof& proof)
{
    QString line = QStringLiteral("勤務案：指摘 %1⇒%2 件，不足 %3⇒%4 人時，超過 %5⇒%6 人時，人件費 ¥%7⇒¥%8，変更 %9 日")
                       .arg(before.findings)
                       .arg(after.findings)
                       .arg(before.shortHours)
                       .arg(after.shortHours)
                       .arg(before.overHours)
                       .arg(after.overHours)
                       .arg(before.cost)
                       .arg(after.cost)
                       .arg(changedDays);
    line += proof.optimal ? QStringLiteral("（最適）") : QStringLiteral("，") + boundText(proof);
    if (after.shortHours > 0)
        line += QStringLiteral("　※ 必要人数に届かない時間帯が残ります（人員過不足一覧で確認できます）．");
    return line;
}

} // namespace proposal
