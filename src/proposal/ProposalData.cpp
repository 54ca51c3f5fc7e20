#include "proposal/ProposalData.h"

#include "changes/ChangeFile.h"
#include "changes/DayShift.h"
#include "changes/PeriodCost.h"
#include "changes/RosterDay.h"
#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "labour/LabourRules.h"
#include "master/MasterRecord.h"
#include "patterns/PatternMatch.h"
#include "platform/Clock.h"
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
using daychanges::RosterDay;
using daychanges::Shift;

constexpr int kDayMinutes = 24 * 60;
constexpr int kDailyLimit = 8 * 60; // the legal hours of a day
constexpr int kNightStart = 22 * 60;
constexpr int kNightLength = 7 * 60;
constexpr int kMinorWeek = 40 * 60;
constexpr int kStudentWeek = 28 * 60;
constexpr int kVacationWeek = 40 * 60;
constexpr int kVacationDay = 8 * 60;
constexpr int kRunFloorReach = 7; // the longest least run a person's rules allow

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

bool atNight(const Shift& shift)
{
    return labour::spanInBand(shift, kNightStart, kNightLength) > 0;
}

bool holdsOff(const std::optional<requests::Wish>& wish)
{
    return wish && (wish->kind == requests::Kind::DayOff || wish->kind == requests::Kind::CannotWork);
}

// A day the proposal may not choose: up to today or the published date, or already decided by
// the manager.
bool decided(const EffectiveSchedule& schedule, int row, int day, QDate fixedUntil)
{
    return schedule.dates()[day] <= fixedUntil || !schedule.isPlanned(day) || schedule.change(row, day).has_value();
}

const DayEntry kDayOff { attributes::kRegularDayOff, QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("0"),
    QStringLiteral("00"), QStringLiteral("0"), true };

DayEntry entryOf(const Shift& shift)
{
    const DayEntry entry { attributes::kWorkday, QString::number(shift.startHour), QString::number(shift.startMinute),
        QString::number(shift.endHour), QString::number(shift.endMinute), QString::number(shift.netMinutes), true };
    return changefile::fileForm(entry).value_or(entry);
}

// The day change that carries out an option: a pattern of the workplace as its entry, another
// shift as its times, a plain day off as "公休".
DayEntry entryOf(const patterns::ShiftPatterns& set, const Option& option)
{
    if (option.pattern >= 0 && option.pattern < set.patterns.size()) {
        DayEntry entry = patterns::entryOf(set.patterns[option.pattern]);
        entry.changed = true;
        return entry;
    }
    return option.working() && option.shift ? entryOf(*option.shift) : kDayOff;
}

DayKind kindOf(daychanges::DayKind kind)
{
    switch (kind) {
    case daychanges::DayKind::Working:
        return DayKind::Working;
    case daychanges::DayKind::Ake:
        return DayKind::Ake;
    case daychanges::DayKind::Off:
        break;
    }
    return DayKind::Off;
}

// The instance of one period from the program's data; see instanceOf.
class Mapping {
public:
    Mapping(const TFormData& data, const DateChoice& choice, QDate today);
    Instance build(Aim aim);

private:
    QDate date(int d) const { return in_.date(d); }
    int indexOf(QDate date) const { return static_cast<int>(in_.first.daysTo(date)); }
    int periodEnd() const { return in_.periodStart + in_.periodDays; }
    // The instance's pattern of a working day's shift: the workplace's pattern it names, else one
    // of the instance's own for that shift, without a code, so that every shift can be counted
    // (as a night, for one) by the rules that count patterns.
    int patternOf(const std::optional<Shift>& shift, int named);
    Option optionOf(const RosterDay& day);
    Option optionOf(const Shift& shift, int named);
    QList<Option> freeOptions(int row, int d, const DayEntry& standard);
    bool allowed(const Option& option, int row, int d) const;
    bool heldOff(int row, int d) const;
    void addTargets();
    void addRules(Employee& employee, int row);
    void addWindows(PersonRules& rules, int row);
    void addFairness();

    const TFormData& data_;
    const EffectiveSchedule schedule_;
    const patterns::ShiftPatterns& set_;
    const labour::Rules rules_;
    const QDate fixedUntil_;
    Instance in_;
    QList<int> followed_; // the workplace's patterns without times that a pattern asks for after it
};

Mapping::Mapping(const TFormData& data, const DateChoice& choice, QDate today)
    : data_(data)
    , schedule_(data, choice)
    , set_(data.shiftPatterns)
    , rules_(labour::rulesOf(data))
    , fixedUntil_(std::max(today, data.publishedUntil))
{
}

Instance Mapping::build(Aim aim)
{
    if (schedule_.dates().isEmpty())
        return {};
    const labour::Settings& s = rules_.settings;
    const LabourSettings labour { s.weeklyMinutes() / 60, s.weekStart(), s.runLimit(), s.restMinutes() / 60,
        s.nightRate(), s.overtimeRate(), s.overSixtyRate() };
    in_ = frame(schedule_.dates().first(), schedule_.days(), labour);
    in_.aims = programAims(aim);
    // Whole weeks after the period, as far as a rule looks beyond it: a student's 7 days from its
    // last date, a run's least length, a variable-hours period.
    QDate reach = schedule_.dates().last().addDays(kRunFloorReach);
    if (s.monthlyScheme())
        reach = std::max(reach, labour::variablePeriodOf(schedule_.dates().last(), s.schemeStart()).last);
    while (date(in_.days - 1) < reach)
        in_.days += 7;
    addTargets();
    for (int p = 0; p < set_.patterns.size(); ++p) {
        const patterns::Pattern& pattern = set_.patterns[p];
        Pattern& added = in_.patterns.emplaceBack();
        added.code = pattern.code;
        if (pattern.isWorking()) {
            added.shift = daychanges::shiftOf(patterns::entryOf(pattern));
            added.minutes = pattern.netMinutes();
            added.night = added.shift && atNight(*added.shift);
        }
        const int follow = set_.indexOf(pattern.follow);
        if (follow >= 0 && !set_.patterns[follow].isWorking() && !followed_.contains(follow))
            followed_ << follow;
    }
    for (const patterns::StaffLine& line : set_.staff)
        for (const QString& tag : line.qualifications)
            if (!in_.tags.contains(tag))
                in_.tags << tag;

    for (int row = 0; row < schedule_.employees(); ++row) {
        const QString name = schedule_.master().cell(0, row);
        const patterns::StaffLine* line = set_.staffLine(name);
        Employee employee;
        employee.row = row;
        employee.wage = numbers::parseInt(schedule_.master().cell(1, row)).value_or(0);
        employee.counted = !(line && line->uncounted);
        for (const QString& tag : line ? line->qualifications : QStringList())
            employee.tags << static_cast<int>(in_.tags.indexOf(tag));
        for (int d = 0; d < in_.days; ++d) {
            const int day = d - in_.periodStart;
            Day& held = employee.days.emplaceBack();
            if (!in_.inPeriod(d) || decided(schedule_, row, day, fixedUntil_)) {
                held.options = { optionOf(schedule_.dayOn(row, date(d))) };
            } else if (heldOff(row, d)) {
                held.options = { offOption() };
            } else {
                const DayEntry standard = schedule_.standard(row, day);
                held.free = true;
                held.options = freeOptions(row, d, standard);
                // The off option for any attribute other than "勤務日"; −1 when the standard shift
                // cannot be read or breaks a limit of the person.
                held.standard = daychanges::isWorkingDay(standard) ? -1 : 0;
                const auto shift = daychanges::shiftOf(standard);
                for (int o = 0; shift && o < held.options.size(); ++o)
                    if (held.options[o].working() && held.options[o].shift && sameShift(*held.options[o].shift, *shift))
                        held.standard = o;
            }
            const auto wish = in_.inPeriod(d) ? data_.staffRequests.find(name, date(d)) : std::nullopt;
            if (wish && wish->kind == requests::Kind::WantsWork)
                in_.requests << Request { static_cast<int>(in_.employees.size()), d };
        }
        addRules(employee, row);
        in_.employees << employee;
    }
    if (!set_.isEmpty())
        addFairness();
    return in_;
}

// With patterns, nights fall evenly among those who may work one, and weekend days among all: the
// smallest largest count beyond a person's share, which is what their standard week gives them
// in the period, so that the schedule as it stands is fair.
void Mapping::addFairness()
{
    Fairness nights;
    Fairness weekends;
    for (int p = 0; p < set_.patterns.size(); ++p)
        if (const auto& shift = in_.patterns[p].shift; shift && labour::holdsNight(*shift))
            nights.patterns << p;
    for (int e = 0; e < in_.employees.size(); ++e) {
        const int row = in_.employees[e].row;
        int standardNights = 0;
        int standardWeekendDays = 0;
        for (int day = 0; day < in_.periodDays; ++day) {
            const auto shift = daychanges::shiftOf(schedule_.standard(row, day));
            standardNights += shift && labour::holdsNight(*shift) ? 1 : 0;
            standardWeekendDays += daychanges::isWorkingDay(schedule_.standard(row, day))
                    && date(in_.periodStart + day).dayOfWeek() >= Qt::Saturday
                ? 1
                : 0;
        }
        const QString name = schedule_.master().cell(0, row);
        if (std::any_of(
                nights.patterns.cbegin(), nights.patterns.cend(), [&](int p) { return set_.allows(name, p); })) {
            nights.employees << e;
            nights.shares << standardNights;
        }
        weekends.employees << e;
        weekends.shares << standardWeekendDays;
    }
    if (!nights.patterns.isEmpty() && !nights.employees.isEmpty())
        in_.fairness << nights;
    if (!weekends.employees.isEmpty())
        in_.fairness << weekends;
}

void Mapping::addTargets()
{
    for (int day = 0; day < schedule_.days(); ++day) {
        const targets::TargetRow& row = targets::rowFor(data_.staffTargets, schedule_.dates()[day]);
        for (int hour = 0; hour < targets::kHours; ++hour) {
            Target& target = in_.targets[day][hour];
            if (row[hour].least >= 0)
                target.least = row[hour].least;
            if (row[hour].most >= 0)
                target.most = row[hour].most;
        }
    }
}

int Mapping::patternOf(const std::optional<Shift>& shift, int named)
{
    if (named >= 0 || !shift)
        return named;
    for (int p = static_cast<int>(set_.patterns.size()); p < in_.patterns.size(); ++p)
        if (sameShift(*in_.patterns[p].shift, *shift))
            return p;
    in_.patterns.append({ QString(), shift, std::max(0, shift->netMinutes), atNight(*shift) });
    return static_cast<int>(in_.patterns.size()) - 1;
}

Option Mapping::optionOf(const RosterDay& day)
{
    Option option;
    option.kind = kindOf(day.kind);
    option.shift = day.shift;
    option.pattern = day.working() ? patternOf(day.shift, day.pattern) : day.pattern;
    return option;
}

Option Mapping::optionOf(const Shift& shift, int named)
{
    Option option = shiftOption(shift);
    option.pattern = patternOf(shift, named);
    return option;
}

// Off, then: without patterns the standard week's shifts; with patterns each working pattern
// the person may work (a "固定" person only on a working day of the standard week), the standard
// day's own shift when no pattern names it, and the patterns without times that a pattern asks
// for after it (明け, a named day off), which the rules let stand only after such a pattern. A
// shift that would break a limit of the person on that date is no option.
QList<Option> Mapping::freeOptions(int row, int d, const DayEntry& standard)
{
    QList<Option> options { offOption() };
    const auto add = [&](const Option& option) {
        if (allowed(option, row, d))
            options << option;
    };
    if (set_.isEmpty()) {
        for (const Shift& shift : standardShifts(schedule_.master(), row))
            add(optionOf(shift, -1));
        return options;
    }
    const QString name = schedule_.master().cell(0, row);
    const patterns::StaffLine* line = set_.staffLine(name);
    if ((line && line->shiftWork) || daychanges::isWorkingDay(standard)) {
        for (int p = 0; p < set_.patterns.size(); ++p)
            if (set_.allows(name, p) && in_.patterns[p].shift)
                add(optionOf(*in_.patterns[p].shift, p));
    }
    if (const auto shift = daychanges::shiftOf(standard);
        shift && std::none_of(options.cbegin(), options.cend(), [&](const Option& o) { return o.shift == shift; }))
        add(optionOf(*shift, patterns::patternOf(set_, standard)));
    for (const int p : followed_) {
        Option option;
        option.kind = set_.patterns[p].kind == patterns::Kind::Ake ? DayKind::Ake : DayKind::Off;
        option.pattern = p;
        options << option;
    }
    return options;
}

bool Mapping::heldOff(int row, int d) const
{
    return in_.inPeriod(d) && holdsOff(data_.staffRequests.find(schedule_.master().cell(0, row), date(d)));
}

// The limits of a single day: a minor works neither at night (unless the workplace relies on the
// exceptions) nor beyond 8 hours, a student in a long vacation not beyond 8 hours, a request
// keeps its holder from the night or from the day's overtime, and no shift reaches into a day
// held off for a wish, nor asks for a day after it there.
bool Mapping::allowed(const Option& option, int row, int d) const
{
    if (!option.working() || !option.shift)
        return true;
    const Shift& shift = *option.shift;
    const int net = std::max(0, shift.netMinutes);
    const labour::PersonRules& person = rules_.person(row);
    const labour::Settings& s = rules_.settings;
    if (person.minorOn(date(d)) && ((!s.minorNightAllowed() && atNight(shift)) || net > kDailyLimit))
        return false;
    if (person.student && person.inVacation(date(d)) && net > kVacationDay)
        return false;
    if ((person.expectant.noNight || person.care.noNight) && atNight(shift))
        return false;
    // Under the monthly scheme a carer's planned day is no overtime; an expectant mother keeps
    // the legal hours.
    if ((person.expectant.noOvertime || (person.care.noOvertime && !s.monthlyScheme())) && net > kDailyLimit)
        return false;
    if (heldOff(row, d + 1)) {
        const int follow = option.pattern >= 0 && option.pattern < set_.patterns.size()
            ? set_.indexOf(set_.patterns[option.pattern].follow)
            : -1;
        if (shift.start() + shift.span() > kDayMinutes
            || (follow >= 0 && set_.patterns[follow].kind != patterns::Kind::DayOff))
            return false;
    }
    return true;
}

// Every rule of the labour check over the person as a limit: the labour settings' days in a
// row and rest, the sequence of the patterns and the person's own limits hard; the floors of
// hours and of runs soft, as findings of the first aim.
void Mapping::addRules(Employee& employee, int row)
{
    PersonRules& rules = employee.rules;
    const labour::Settings& s = rules_.settings;
    if (s.runLimit() > 0)
        rules.workingRun = Most { s.runLimit() };
    if (s.restMinutes() > 0)
        rules.rest = Least { s.restMinutes() };
    for (const labour::ForbiddenPair& pair : rules_.sequence.forbidden)
        if (const int a = set_.indexOf(pair.first), b = set_.indexOf(pair.next); a >= 0 && b >= 0)
            rules.successions << Succession { a, b };
    for (const labour::CodeRunLimit& limit : rules_.sequence.runLimits)
        if (const int p = set_.indexOf(limit.code); p >= 0)
            rules.patternRuns << PatternRun { { p }, limit.most };
    for (int p = 0; p < set_.patterns.size(); ++p) {
        if (const int next = set_.indexOf(set_.patterns[p].follow); next >= 0)
            rules.followOns << FollowOn { p, next };
        if (rules_.sequence.offAfterAke && set_.patterns[p].kind == patterns::Kind::Ake)
            rules.followOns << FollowOn { p, -1 };
    }
    const labour::PersonRules& person = rules_.person(row);
    if (person.minRun != labour::kNone)
        rules.leastWorkingRun = RunFloor { person.minRun, false, false };
    if (person.minDaysOff != labour::kNone)
        rules.leastOffRun = RunFloor { person.minDaysOff, false, false };
    if (person.minHours != labour::kNone)
        rules.leastMinutes = Least { person.minHours * 60, false };
    if (person.maxHours != labour::kNone)
        rules.mostMinutes = Most { person.maxHours * 60 };
    if (person.maxNights != labour::kNone) {
        PatternCount nights { {}, person.maxNights };
        for (int p = 0; p < in_.patterns.size(); ++p)
            if (const auto& shift = in_.patterns[p].shift; shift && labour::holdsNight(*shift))
                nights.patterns << p;
        rules.patternCounts << nights;
    }
    if (person.maxWeekends != labour::kNone)
        rules.weekends = Most { person.maxWeekends };
    addWindows(rules, row);
}

// The limits of minutes over windows of days: a minor's 40 hours and the legal hours of a week
// that someone asked to work no overtime in (under the monthly scheme a carer's variable-hours
// period's total instead), a student's 28 hours in each 7 days from a date of the period (40
// when they reach into a long vacation).
void Mapping::addWindows(PersonRules& rules, int row)
{
    const labour::PersonRules& person = rules_.person(row);
    const labour::Settings& s = rules_.settings;
    const bool legalHours = person.expectant.noOvertime || (person.care.noOvertime && !s.monthlyScheme());
    const int firstWeek = in_.periodStart - (clock_::weekdayCode(date(in_.periodStart)) - s.weekStart() + 7) % 7;
    for (int week = firstWeek; week < periodEnd(); week += 7) {
        bool minor = false;
        for (int d = std::max(week, in_.periodStart); d < std::min(week + 7, periodEnd()); ++d)
            minor = minor || person.minorOn(date(d));
        if (minor || legalHours)
            rules.minutesWindows << MinutesWindow { week, 7, minor ? kMinorWeek : s.weeklyMinutes() };
    }
    if (person.care.noOvertime && !person.expectant.noOvertime && s.monthlyScheme()) {
        for (labour::DateRange period = labour::variablePeriodOf(date(in_.periodStart), s.schemeStart());
             indexOf(period.first) < periodEnd();
             period = labour::variablePeriodOf(period.last.addDays(1), s.schemeStart())) {
            const int days = static_cast<int>(period.first.daysTo(period.last)) + 1;
            rules.minutesWindows << MinutesWindow { indexOf(period.first), days,
                int(labour::totalLimit(s.weeklyMinutes(), days)) };
        }
    }
    if (person.student) {
        for (int d = in_.periodStart; d < periodEnd(); ++d) {
            bool vacation = false;
            for (int k = d; k < d + 7; ++k)
                vacation = vacation || person.inVacation(date(k));
            rules.minutesWindows << MinutesWindow { d, 7, vacation ? kVacationWeek : kStudentWeek };
        }
    }
}

} // namespace

Instance instanceOf(const TFormData& data, const DateChoice& choice, QDate today, Aim aim)
{
    return Mapping(data, choice, today).build(aim);
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
                changes << DayChange { name, date, entryOf(data.shiftPatterns, held.options[option]) };
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
    const Instance instance = instanceOf(data, choice, today, Aim::FewerChanges);
    for (const DayChange& change : changes) {
        const int day = schedule.dayOf(change.date);
        const int row = master::findEmployee(schedule.master(), change.name);
        if (day < 0 || change.date <= today)
            return QStringLiteral("期間の今日以降でない日付");
        if (change.date <= data.publishedUntil)
            return QStringLiteral("確定日までの日付");
        if (row < 0 || row >= schedule.employees())
            return QStringLiteral("登録されていない氏名");
        if (schedule.change(row, day))
            return QStringLiteral("勤務変更のある日");
        const Day& held = instance.employees[row].days[instance.periodStart + day];
        if (!held.free) {
            if (change.entry != kDayOff)
                return QStringLiteral("希望休・出勤不可の日の勤務");
            continue;
        }
        if (std::none_of(held.options.cbegin(), held.options.cend(),
                [&](const Option& option) { return entryOf(data.shiftPatterns, option) == change.entry; }))
            return daychanges::isWorkingDay(change.entry) ? QStringLiteral("選べない勤務")
                                                          : QStringLiteral("公休以外の休み");
    }
    return QString();
}

namespace {

// A finding a day's choice can make or avoid: every one but the notes, the minimum wage and the
// breaks, which are the wage's and the shift's own.
bool counts(labour::FindingKind kind)
{
    return !labour::isNote(kind) && kind != labour::FindingKind::MinimumWage && kind != labour::FindingKind::Break;
}

} // namespace

Figures figuresOf(const TFormData& data, const DateChoice& choice)
{
    const EffectiveSchedule schedule(data, choice);
    const labour::Rules rules = labour::rulesOf(data);
    Figures figures;
    daychanges::PeriodCostTotals pay;
    qint64 premiums = 0;
    for (int row = 0; row < schedule.employees(); ++row) {
        const labour::EmployeeCheck check = labour::checkEmployee(schedule, row, rules);
        for (const labour::Finding& finding : check.findings)
            figures.findings += counts(finding.kind) ? 1 : 0;
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
