#include "proposal/Model.h"

#include "labour/LabourRules.h"
#include "platform/Clock.h"
#include "shell/DayPay.h"
#include "targets/Coverage.h"

#include <QMap>
#include <algorithm>
#include <cmath>
#include <functional>

namespace proposal {

namespace {

constexpr int kDayMinutes = 24 * 60;
constexpr int kDailyMinutes = 8 * 60; // beyond it a day's minutes are overtime
constexpr int kMonthlyOvertime = 60 * 60; // beyond it a month's overtime takes the higher rate
constexpr double kTolerance = 1e-6;

using daychanges::Shift;

// The hours a shift counts in, as bits, as the staffing targets count them: hour h of its date
// is bit h, hour h of the next date bit 24 + h.
quint64 countedHours(const Shift& shift)
{
    const targets::HourSpan span = targets::coveredHours(shift);
    quint64 hours = 0;
    for (int slot = span.first; slot <= span.last; ++slot)
        hours |= quint64(1) << slot;
    return hours;
}

// What an option of one employee-day weighs in the rules.
struct Figures {
    int option = 0;
    bool working = false;
    bool timed = false; // a shift whose times could be read
    int start = 0; // minutes after the day's midnight
    int end = 0; // start + span: beyond 24:00 for a shift that ends the next day
    quint64 hours = 0;
    double pay = 0;
    int night = 0;
    int dailyOvertime = 0;
    int regular = 0; // net minutes up to 8 hours: what counts towards the weekly hours
};

Figures figuresOf(const Option& option, int index, int wage)
{
    Figures f;
    f.option = index;
    f.working = option.working;
    if (!option.working || !option.shift)
        return f;
    const Shift& shift = *option.shift;
    const int net = std::max(0, shift.netMinutes);
    f.timed = true;
    f.start = shift.start();
    f.end = shift.start() + shift.span();
    f.hours = countedHours(shift);
    f.pay = double(shell::dayPay(wage, net).pay);
    f.night = labour::nightMinutes(shift);
    f.dailyOvertime = std::max(0, net - kDailyMinutes);
    f.regular = net - f.dailyOvertime;
    return f;
}

// A linear expression with the least and greatest values it can take.
struct Linear {
    double constant = 0;
    QList<Term> terms;
    double lo = 0;
    double hi = 0;

    void addConstant(double c)
    {
        constant += c;
        lo += c;
        hi += c;
    }
    void add(const Linear& other, double factor = 1)
    {
        constant += factor * other.constant;
        for (const Term& t : other.terms)
            terms.append({ t.variable, factor * t.coefficient });
        lo += factor * (factor >= 0 ? other.lo : other.hi);
        hi += factor * (factor >= 0 ? other.hi : other.lo);
    }
};

// Each variable once, in ascending order, without zero coefficients.
QList<Term> merged(QList<Term> terms)
{
    std::sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) { return a.variable < b.variable; });
    QList<Term> out;
    for (const Term& t : terms) {
        if (!out.isEmpty() && out.last().variable == t.variable)
            out.last().coefficient += t.coefficient;
        else
            out.append(t);
    }
    out.removeIf([](const Term& t) { return std::abs(t.coefficient) < 1e-12; });
    return out;
}

class Builder {
public:
    explicit Builder(const Instance& instance);
    Model build();

private:
    bool isFree(int e, int d) const;
    // The value an employee-day takes, as a sum over its option variables.
    Linear day(int e, int d, const std::function<double(const Figures&)>& value) const;
    // Variables that take, at the least value their rows allow, max(0, expr − threshold), or the
    // largest of these over several expressions.
    Linear excess(const Linear& expr, double threshold);
    Linear excessOfAny(const QList<Linear>& exprs, double threshold);
    // max(0, expr − threshold) at every solution, not only at the least: it may stand with a
    // negative sign.
    Linear exactExcess(const Linear& expr, double threshold);
    int addVariable(VariableKind kind, double lower, double upper);
    void addRow(const Linear& lhs, Sense sense, double rhs);
    int firstWeekStart() const;

    void addOptions();
    Linear findings();
    Linear weeksWithoutDayOff();
    Linear longRuns();
    Linear shortRests();
    void coverage(Linear& shortHours, Linear& overHours);
    Linear unhonouredWishes();
    Linear changedDays();
    Linear cost();
    Linear employeeCost(int e);

    const Instance& in_;
    Model model_;
    int periodEnd_ = 0;
    QList<QList<int>> first_; // [employee][day]: the first option variable, −1 for a fixed day
    QList<QList<QList<Figures>>> figures_; // [employee][day][option]
};

Builder::Builder(const Instance& instance)
    : in_(instance)
    , periodEnd_(instance.periodStart + instance.periodDays)
{
}

Model Builder::build()
{
    model_.employees = int(in_.employees.size());
    model_.days = in_.days;
    addOptions();
    const auto stage = [](Measure measure, const Linear& value, bool integral) {
        return Stage { measure, merged(value.terms), value.constant, value.lo, integral };
    };
    Linear shortHours;
    Linear overHours;
    coverage(shortHours, overHours);
    model_.stages = {
        stage(Measure::Findings, findings(), true),
        stage(Measure::ShortHours, shortHours, true),
        stage(Measure::UnhonouredWishes, unhonouredWishes(), true),
        stage(Measure::OverHours, overHours, true),
    };
    const Stage changed = stage(Measure::ChangedDays, changedDays(), true);
    const Stage pay = stage(Measure::Cost, cost(), false);
    if (in_.aim == Aim::FewerChanges)
        model_.stages << changed << pay;
    else
        model_.stages << pay << changed;
    return model_;
}

bool Builder::isFree(int e, int d) const
{
    return first_[e][d] >= 0;
}

// Option variables come first, so that every auxiliary variable follows what it counts.
void Builder::addOptions()
{
    for (int e = 0; e < in_.employees.size(); ++e) {
        const Employee& employee = in_.employees[e];
        QList<int> first(in_.days, -1);
        QList<QList<Figures>> figures(in_.days);
        for (int d = 0; d < in_.days; ++d) {
            const Day day = employee.days.value(d);
            // A day the caller left without options is off; a day outside the period is fixed.
            const QList<Option> options = day.options.isEmpty() ? QList<Option> { offOption() } : day.options;
            const bool free = day.free && in_.inPeriod(d) && !day.options.isEmpty();
            for (int o = 0; o < (free ? options.size() : 1); ++o)
                figures[d].append(figuresOf(options[o], o, employee.wage));
            if (!free)
                continue;
            first[d] = int(model_.variables.size());
            Linear one;
            for (int o = 0; o < options.size(); ++o)
                one.terms.append({ addVariable(VariableKind::Binary, 0, 1), 1 });
            addRow(one, Sense::Exactly, 1);
            const int standard = day.standard >= 0 && day.standard < options.size() ? day.standard : -1;
            model_.freeDays.append({ e, d, first[d], int(options.size()), standard });
        }
        first_.append(first);
        figures_.append(figures);
    }
}

Linear Builder::day(int e, int d, const std::function<double(const Figures&)>& value) const
{
    Linear sum;
    if (d < 0 || d >= in_.days)
        return sum;
    const QList<Figures>& options = figures_[e][d];
    if (!isFree(e, d)) {
        sum.addConstant(value(options[0]));
        return sum;
    }
    QList<double> values;
    for (const Figures& f : options)
        values.append(value(f));
    // Since exactly one option holds, Σ v·x = base + Σ (v − base)·x for any base: the most
    // frequent value leaves the fewest terms.
    double base = values[0];
    qsizetype most = 0;
    for (const double v : values) {
        if (const qsizetype n = values.count(v); n > most) {
            most = n;
            base = v;
        }
    }
    sum.constant = base;
    for (int o = 0; o < values.size(); ++o) {
        if (values[o] != base)
            sum.terms.append({ first_[e][d] + o, values[o] - base });
    }
    sum.lo = *std::min_element(values.cbegin(), values.cend());
    sum.hi = *std::max_element(values.cbegin(), values.cend());
    return sum;
}

int Builder::addVariable(VariableKind kind, double lower, double upper)
{
    model_.variables.append({ kind, lower, upper });
    return int(model_.variables.size()) - 1;
}

void Builder::addRow(const Linear& lhs, Sense sense, double rhs)
{
    model_.rows.append({ merged(lhs.terms), sense, rhs - lhs.constant });
}

Linear Builder::excess(const Linear& expr, double threshold)
{
    return excessOfAny({ expr }, threshold);
}

Linear Builder::excessOfAny(const QList<Linear>& exprs, double threshold)
{
    Linear result;
    QList<Linear> live; // the expressions that can go beyond the threshold
    for (const Linear& expr : exprs) {
        result.lo = std::max(result.lo, expr.lo - threshold);
        result.hi = std::max(result.hi, expr.hi - threshold);
        if (expr.hi > threshold + kTolerance)
            live.append(expr);
    }
    if (live.isEmpty())
        return {};
    if (result.lo >= result.hi - kTolerance) {
        result.constant = result.lo;
        return result;
    }
    const int v = addVariable(VariableKind::Continuous, result.lo, result.hi);
    for (const Linear& expr : live) {
        Linear row;
        row.terms.append({ v, 1 });
        row.add(expr, -1);
        addRow(row, Sense::AtLeast, -threshold);
    }
    result.terms.append({ v, 1 });
    return result;
}

Linear Builder::exactExcess(const Linear& expr, double threshold)
{
    if (expr.hi <= threshold)
        return {};
    if (expr.lo >= threshold) {
        Linear result = expr;
        result.addConstant(-threshold);
        return result;
    }
    const Linear h = excess(expr, threshold);
    // With z = 1 h is expr − threshold, with z = 0 it is 0; h ≥ both leaves only the larger.
    const int z = addVariable(VariableKind::Binary, 0, 1);
    const double up = expr.hi - threshold;
    const double down = threshold - expr.lo;
    Linear ceiling = h;
    ceiling.terms.append({ z, -up });
    addRow(ceiling, Sense::AtMost, 0);
    Linear exact = h;
    exact.add(expr, -1);
    exact.terms.append({ z, down });
    addRow(exact, Sense::AtMost, down - threshold);
    return h;
}

int Builder::firstWeekStart() const
{
    const int code = clock_::weekdayCode(in_.date(in_.periodStart));
    return in_.periodStart - (code - in_.labour.weekStart + 7) % 7;
}

Linear Builder::findings()
{
    Linear all = weeksWithoutDayOff();
    all.add(longRuns());
    all.add(shortRests());
    return all;
}

// A week from the start weekday that holds a day of the period and no day off; the days of
// the week outside the period count as the instance holds them.
Linear Builder::weeksWithoutDayOff()
{
    const auto working = [](const Figures& f) { return f.working ? 1.0 : 0.0; };
    Linear weeks;
    for (int e = 0; e < in_.employees.size(); ++e) {
        for (int start = firstWeekStart(); start < periodEnd_; start += 7) {
            Linear worked;
            for (int d = start; d < start + 7; ++d)
                worked.add(day(e, d, working));
            weeks.add(excess(worked, 6));
        }
    }
    return weeks;
}

// One finding per run of working days longer than the limit, on the first day of the period
// where the run has gone beyond it: the day whose limit + 1 days up to it all work while the
// day before those does not, or the period's first day when its limit + 1 days all work.
Linear Builder::longRuns()
{
    const int limit = in_.labour.runLimit;
    Linear runs;
    if (limit <= 0)
        return runs;
    const auto working = [](const Figures& f) { return f.working ? 1.0 : 0.0; };
    for (int e = 0; e < in_.employees.size(); ++e) {
        for (int d = in_.periodStart; d < periodEnd_; ++d) {
            Linear run;
            for (int k = d - limit; k <= d; ++k)
                run.add(day(e, k, working));
            if (d > in_.periodStart)
                run.add(day(e, d - limit - 1, working), -1);
            runs.add(excess(run, limit));
        }
    }
    return runs;
}

// A working day of the period whose rest after the shift of the day before is shorter than the
// setting (shifts that overlap rest 0).
Linear Builder::shortRests()
{
    const int rest = in_.labour.restHours * 60;
    Linear rests;
    if (rest <= 0)
        return rests;
    for (int e = 0; e < in_.employees.size(); ++e) {
        for (int d = std::max(1, in_.periodStart); d < periodEnd_; ++d) {
            const QList<Figures>& before = figures_[e][d - 1];
            const QList<Figures>& after = figures_[e][d];
            const auto tooShort = [&](int i, int j) {
                return before[i].timed && after[j].timed && kDayMinutes + after[j].start - before[i].end < rest;
            };
            const auto variable = [&](int day, int option) {
                Linear x;
                x.terms.append({ first_[e][day] + option, 1 });
                x.hi = 1;
                return x;
            };
            if (!isFree(e, d - 1) && !isFree(e, d)) {
                if (tooShort(0, 0))
                    rests.addConstant(1);
                continue;
            }
            if (!isFree(e, d - 1) || !isFree(e, d)) {
                // One side is fixed: the finding is the sum of the other side's options that clash.
                const bool freeAfter = isFree(e, d);
                Linear clash;
                for (int o = 0; o < (freeAfter ? after.size() : before.size()); ++o) {
                    if (freeAfter ? tooShort(0, o) : tooShort(o, 0))
                        clash.add(variable(freeAfter ? d : d - 1, o));
                }
                clash.hi = std::min(clash.hi, 1.0);
                rests.add(clash);
                continue;
            }
            // Both free: for each option of the day before, it and the options after that clash
            // with it, of which one at most holds.
            QList<Linear> pairs;
            for (int i = 0; i < before.size(); ++i) {
                Linear pair = variable(d - 1, i);
                for (int j = 0; j < after.size(); ++j) {
                    if (tooShort(i, j))
                        pair.add(variable(d, j));
                }
                if (pair.terms.size() > 1) {
                    pair.hi = 2;
                    pairs.append(pair);
                }
            }
            rests.add(excessOfAny(pairs, 1));
        }
    }
    return rests;
}

// Who counts in an hour of a period day: each employee whose shift of that day, or of the day
// before when it ends on the next date, covers at least 30 minutes of it.
void Builder::coverage(Linear& shortHours, Linear& overHours)
{
    for (int p = in_.periodStart; p < periodEnd_; ++p) {
        const DayTargets targets = in_.targets.value(p - in_.periodStart);
        for (int hour = 0; hour < 24; ++hour) {
            const Target& target = targets[hour];
            if (!target.least && !target.most)
                continue;
            Linear count;
            for (int e = 0; e < in_.employees.size(); ++e) {
                for (int d = p - 1; d <= p; ++d) {
                    const int slot = hour + 24 * (p - d);
                    count.add(day(e, d, [slot](const Figures& f) { return double((f.hours >> slot) & 1); }));
                }
            }
            if (target.least) {
                Linear need;
                need.addConstant(*target.least);
                need.add(count, -1);
                shortHours.add(excess(need, 0));
            }
            if (target.most)
                overHours.add(excess(count, *target.most));
        }
    }
}

Linear Builder::unhonouredWishes()
{
    Linear wishes;
    for (const WorkWish& wish : in_.workWishes) {
        if (wish.employee >= 0 && wish.employee < in_.employees.size() && in_.inPeriod(wish.day))
            wishes.add(day(wish.employee, wish.day, [](const Figures& f) { return f.working ? 0.0 : 1.0; }));
    }
    return wishes;
}

Linear Builder::changedDays()
{
    Linear changed;
    for (const FreeDay& free : std::as_const(model_.freeDays)) {
        const int standard = free.standard;
        changed.add(
            day(free.employee, free.day, [standard](const Figures& f) { return f.option == standard ? 0.0 : 1.0; }));
    }
    return changed;
}

Linear Builder::cost()
{
    Linear total;
    for (int e = 0; e < in_.employees.size(); ++e)
        total.add(employeeCost(e));
    return total;
}

// Pay by the day pay rule, and wage × (night × night rate + overtime × overtime rate + overtime
// beyond 60 hours in a month × (60-hour rate − overtime rate)) ÷ 6,000, over the period's days.
// Weekly overtime: the minutes up to 8 hours of each day of a week from the start weekday,
// added in order, beyond the weekly hours, counted on the days of the period (the days before
// it in the week count towards the hours).
Linear Builder::employeeCost(int e)
{
    const LabourSettings& labour = in_.labour;
    const double perMinute = in_.employees[e].wage / 6000.0;
    const int weekly = labour.weeklyHours * 60;
    const auto month = [this](int d) { return in_.date(d).year() * 12 + in_.date(d).month(); };

    Linear cost;
    QMap<int, Linear> monthOvertime;
    for (int d = in_.periodStart; d < periodEnd_; ++d) {
        cost.add(day(e, d, [](const Figures& f) { return f.pay; }));
        cost.add(day(e, d, [](const Figures& f) { return double(f.night); }), perMinute * labour.nightRate);
        const Linear daily = day(e, d, [](const Figures& f) { return double(f.dailyOvertime); });
        cost.add(daily, perMinute * labour.overtimeRate);
        monthOvertime[month(d)].add(daily);
    }

    struct Crossing {
        int from; // the first period day of the week
        int lastOfMonth;
        Linear overtime;
        double threshold;
    };
    QList<Crossing> crossings;
    const auto regular = [](const Figures& f) { return double(f.regular); };
    for (int start = firstWeekStart(); start < periodEnd_; start += 7) {
        const int from = std::max(start, in_.periodStart);
        const int to = std::min(start + 7, periodEnd_);
        Linear before;
        for (int d = start; d < from; ++d)
            before.add(day(e, d, regular));
        const double threshold = std::max(0.0, weekly - before.constant);
        Linear worked;
        for (int d = from; d < to; ++d)
            worked.add(day(e, d, regular));
        const Linear overtime = excess(worked, threshold);
        cost.add(overtime, perMinute * labour.overtimeRate);
        int lastOfMonth = from;
        while (lastOfMonth + 1 < to && month(lastOfMonth + 1) == month(from))
            ++lastOfMonth;
        if (lastOfMonth + 1 < to)
            crossings.append({ from, lastOfMonth, overtime, threshold });
        else
            monthOvertime[month(from)].add(overtime);
    }

    const double over60 = perMinute * (labour.over60Rate - labour.overtimeRate);
    if (over60 <= 0)
        return cost;
    // A week that crosses a month gives each month the overtime of its own days: up to the
    // month's last day max(0, minutes so far − threshold), exact since the next month takes the
    // rest. Modelled only when a month can reach 60 hours of overtime at all.
    bool reachable = false;
    for (auto it = monthOvertime.cbegin(); it != monthOvertime.cend(); ++it) {
        double most = it->hi;
        for (const Crossing& c : std::as_const(crossings)) {
            if (it.key() == month(c.from) || it.key() == month(c.lastOfMonth + 1))
                most += c.overtime.hi;
        }
        reachable = reachable || most > kMonthlyOvertime;
    }
    if (!reachable)
        return cost;
    for (const Crossing& c : std::as_const(crossings)) {
        Linear worked;
        for (int d = c.from; d <= c.lastOfMonth; ++d)
            worked.add(day(e, d, regular));
        const Linear early = exactExcess(worked, c.threshold);
        monthOvertime[month(c.from)].add(early);
        monthOvertime[month(c.lastOfMonth + 1)].add(c.overtime);
        monthOvertime[month(c.lastOfMonth + 1)].add(early, -1);
    }
    for (const Linear& overtime : std::as_const(monthOvertime))
        cost.add(excess(overtime, kMonthlyOvertime), over60);
    return cost;
}

double measureOf(const Counts& counts, Measure measure)
{
    switch (measure) {
    case Measure::Findings:
        return counts.findings;
    case Measure::ShortHours:
        return counts.shortHours;
    case Measure::UnhonouredWishes:
        return counts.unhonouredWishes;
    case Measure::OverHours:
        return counts.overHours;
    case Measure::ChangedDays:
        return counts.changedDays;
    case Measure::Cost:
        return counts.cost;
    }
    return 0;
}

} // namespace

Model buildModel(const Instance& instance)
{
    return Builder(instance).build();
}

Choice Model::standardChoice() const
{
    Choice choice;
    for (const FreeDay& free : freeDays)
        choice.append(std::max(free.standard, 0));
    return choice;
}

QList<double> Model::complete(const Choice& choice) const
{
    QList<double> values(variables.size(), 0.0);
    const int options = freeDays.isEmpty() ? 0 : freeDays.last().firstVariable + freeDays.last().options;
    for (int v = options; v < variables.size(); ++v)
        values[v] = variables[v].lower;
    for (int i = 0; i < freeDays.size(); ++i)
        values[freeDays[i].firstVariable + std::clamp(choice.value(i), 0, freeDays[i].options - 1)] = 1;
    // A row bounds its last variable from below when that variable's coefficient and the sense
    // agree; every auxiliary variable's rows come after the variables they read.
    QList<QList<int>> lowerRows(variables.size());
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        if (row.terms.isEmpty() || row.terms.last().variable < options)
            continue;
        const double a = row.terms.last().coefficient;
        if (row.sense == Sense::Exactly || (row.sense == Sense::AtLeast) == (a > 0))
            lowerRows[row.terms.last().variable].append(r);
    }
    for (int v = options; v < variables.size(); ++v) {
        for (const int r : std::as_const(lowerRows[v])) {
            const Row& row = rows[r];
            double rest = row.rhs;
            for (int t = 0; t + 1 < row.terms.size(); ++t)
                rest -= row.terms[t].coefficient * values[row.terms[t].variable];
            values[v] = std::max(values[v], rest / row.terms.last().coefficient);
        }
        if (variables[v].kind != VariableKind::Continuous)
            values[v] = std::ceil(values[v] - kTolerance);
    }
    return values;
}

Choice Model::choiceOf(const QList<double>& values) const
{
    Choice choice;
    for (const FreeDay& free : freeDays) {
        const auto first = values.cbegin() + free.firstVariable;
        choice.append(int(std::max_element(first, first + free.options) - first));
    }
    return choice;
}

double Model::valueOf(const Stage& stage, const QList<double>& values) const
{
    double value = stage.constant;
    for (const Term& t : stage.terms)
        value += t.coefficient * values[t.variable];
    return value;
}

bool Model::satisfies(const QList<double>& values) const
{
    if (values.size() != variables.size())
        return false;
    for (int v = 0; v < variables.size(); ++v) {
        const Variable& variable = variables[v];
        if (values[v] < variable.lower - kTolerance || values[v] > variable.upper + kTolerance)
            return false;
        if (variable.kind != VariableKind::Continuous && std::abs(values[v] - std::round(values[v])) > kTolerance)
            return false;
    }
    for (const Row& row : rows) {
        double lhs = 0;
        for (const Term& t : row.terms)
            lhs += t.coefficient * values[t.variable];
        const double slack = kTolerance * std::max(1.0, std::abs(row.rhs));
        if ((row.sense != Sense::AtLeast && lhs > row.rhs + slack)
            || (row.sense != Sense::AtMost && lhs < row.rhs - slack))
            return false;
    }
    return true;
}

Proposal Model::proposalOf(const Choice& choice) const
{
    Proposal proposal;
    proposal.options = QList<QList<int>>(employees, QList<int>(days, 0));
    for (int i = 0; i < freeDays.size(); ++i)
        proposal.options[freeDays[i].employee][freeDays[i].day]
            = std::clamp(choice.value(i), 0, freeDays[i].options - 1);
    const QList<double> values = complete(choice);
    for (const Stage& stage : stages) {
        const double value = valueOf(stage, values);
        const int count = int(std::lround(value));
        switch (stage.measure) {
        case Measure::Findings:
            proposal.counts.findings = count;
            break;
        case Measure::ShortHours:
            proposal.counts.shortHours = count;
            break;
        case Measure::UnhonouredWishes:
            proposal.counts.unhonouredWishes = count;
            break;
        case Measure::OverHours:
            proposal.counts.overHours = count;
            break;
        case Measure::ChangedDays:
            proposal.counts.changedDays = count;
            break;
        case Measure::Cost:
            proposal.counts.cost = value;
            break;
        }
    }
    return proposal;
}

bool better(const Model& model, const Counts& a, const Counts& b)
{
    for (const Stage& stage : model.stages) {
        const double x = measureOf(a, stage.measure);
        const double y = measureOf(b, stage.measure);
        const double slack = stage.integral ? 0.5 : kTolerance * std::max(1.0, std::abs(y));
        if (x < y - slack)
            return true;
        if (x > y + slack)
            return false;
    }
    return false;
}

} // namespace proposal
