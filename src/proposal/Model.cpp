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
    DayKind kind = DayKind::Off;
    int pattern = -1;
    int minutes = 0; // net minutes worked
    bool timed = false; // a shift whose times could be read
    int start = 0; // minutes after the day's midnight
    int end = 0; // start + span: beyond 24:00 for a shift that ends the next day
    quint64 hours = 0;
    double pay = 0;
    int night = 0;
    int dailyOvertime = 0;
    int regular = 0; // net minutes up to 8 hours: what counts towards the weekly hours
};

Figures figuresOf(const Instance& in, const Option& option, int index, int wage)
{
    Figures f;
    f.option = index;
    f.kind = option.kind;
    f.pattern = option.pattern;
    const Pattern* pattern
        = option.pattern >= 0 && option.pattern < in.patterns.size() ? &in.patterns[option.pattern] : nullptr;
    if (!option.working())
        return f;
    const std::optional<Shift> times = option.shift ? option.shift : pattern ? pattern->shift : std::nullopt;
    if (!times) {
        f.minutes = pattern ? pattern->minutes : 0;
        return f;
    }
    const Shift& shift = *times;
    const int net = std::max(0, shift.netMinutes);
    f.minutes = net;
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

// The nodes of a run flow (see Builder::runFlow) and the key of an arc between two of them.
namespace flownode {
constexpr int kSource = -1;
constexpr int kSink = -2;
int work(int t)
{
    return 3 * t;
}
int off(int t)
{
    return 3 * t + 1;
}
int rest(int t)
{
    return 3 * t + 2;
}
qint64 arc(int from, int to)
{
    return (qint64(from) + 2) << 32 | qint64(to + 2);
}
} // namespace flownode

// The path of a run flow that the values' days take; nothing when a run breaks the rules.
void setPath(const RunFlow& flow, QList<double>& values)
{
    QList<bool> busy;
    for (const Expression& day : flow.busy) {
        double v = day.constant;
        for (const Term& t : day.terms)
            v += t.coefficient * values[t.variable];
        busy.append(v > 0.5);
    }
    QList<int> path;
    int node = flownode::kSource;
    const auto go = [&](int to) {
        const auto it = flow.arcs.constFind(flownode::arc(node, to));
        if (it == flow.arcs.cend())
            return false;
        path.append(*it);
        node = to;
        return true;
    };
    for (int t = 0; t < flow.days;) {
        int l = 1;
        while (t + l < flow.days && busy[t + l] == busy[t])
            ++l;
        if (busy[t]) {
            if (!go(flownode::work(t)) || !go(flownode::off(t + l)))
                return;
        } else {
            if (node == flownode::kSource && !go(flownode::off(0)))
                return;
            int m = l;
            while (m > 0 && !flow.arcs.contains(flownode::arc(node, flownode::rest(t + m))))
                --m;
            if (m == 0 || !go(flownode::rest(t + m)))
                return;
            for (int k = t + m + 1; k <= t + l; ++k) {
                if (!go(flownode::rest(k)))
                    return;
            }
        }
        t += l;
    }
    if (!go(flownode::kSink))
        return;
    for (const int v : std::as_const(path))
        values[v] = 1;
}

class Builder {
public:
    explicit Builder(const Instance& instance);
    Model build();

private:
    using Value = std::function<double(const Figures&)>;

    bool isFree(int e, int d) const;
    bool wanted(Measure measure) const { return wanted_[int(measure)]; }
    // The value an employee-day takes, as a sum over its option variables; nothing outside the
    // instance.
    Linear day(int e, int d, const Value& value) const;
    Linear busy(int e, int d) const;
    Linear off(int e, int d) const;
    Linear inPatterns(int e, int d, const QList<int>& patterns) const;
    Linear minutes(int e, int d) const;
    // Variables that take, at the least value their rows allow, max(0, expr − threshold), or the
    // largest of these over several expressions.
    Linear excess(const Linear& expr, double threshold);
    Linear excessOfAny(const QList<Linear>& exprs, double threshold);
    // max(0, expr − threshold) at every solution, not only at the least: it may stand with a
    // negative sign.
    Linear exactExcess(const Linear& expr, double threshold);
    // A binary variable that is 1 at the least value its row allows when expr > threshold.
    Linear breached(const Linear& expr, double threshold);
    // A rule: expr (sense) rhs. A hard rule's breach, by how much, counts in the first stage; a
    // soft rule's counts once as a finding.
    void rule(const Linear& expr, Sense sense, double rhs, bool hard);
    int addVariable(VariableKind kind, double lower, double upper);
    void addRow(const Linear& lhs, Sense sense, double rhs, QList<Row>& into);
    void addRow(const Linear& lhs, Sense sense, double rhs) { addRow(lhs, sense, rhs, model_.rows); }
    int firstWeekStart() const;

    void addOptions();
    Linear findings();
    Linear weeksWithoutDayOff();
    Linear longRuns();
    // For each option of day d − 1 (days before the period included), it and the options of day d
    // whose rest after it is shorter than rest minutes: two of them together break the rest.
    QList<Linear> restClashes(int e, int d, int rest) const;
    Linear shortRests();
    void personRules(int e);
    void runFlow(int e);
    void runs(int e);
    void sequences(int e);
    void periodLimits(int e);
    void coverage();
    void hourCoverage(const QList<DayTargets>& days, const std::function<bool(const Employee&)>& counts);
    void patternCoverage();
    Linear requests();
    void fairness();
    Linear changedDays();
    Linear cost();
    Linear employeeCost(int e);

    const Instance& in_;
    Model model_;
    int periodEnd_ = 0;
    std::array<bool, kMeasures> wanted_ {}; // weighed by an aim
    std::array<Linear, kMeasures> measures_;
    QList<QList<int>> first_; // [employee][day]: the first option variable, −1 for a fixed day
    QList<QList<QList<Figures>>> figures_; // [employee][day][option]
};

Builder::Builder(const Instance& instance)
    : in_(instance)
    , periodEnd_(instance.periodStart + instance.periodDays)
{
    wanted_[int(Measure::Hard)] = true;
    for (const AimStage& aim : instance.aims) {
        for (const Weighted& w : aim)
            wanted_[int(w.measure)] = true;
    }
}

Model Builder::build()
{
    model_.employees = int(in_.employees.size());
    model_.days = in_.days;
    addOptions();
    // The measures in their order, each built only when an aim weighs it, the rules always.
    if (wanted(Measure::Findings))
        measures_[int(Measure::Findings)] = findings();
    for (int e = 0; e < in_.employees.size(); ++e)
        personRules(e);
    coverage();
    if (wanted(Measure::Requests))
        measures_[int(Measure::Requests)] = requests();
    fairness();
    if (wanted(Measure::ChangedDays))
        measures_[int(Measure::ChangedDays)] = changedDays();
    if (wanted(Measure::Cost))
        measures_[int(Measure::Cost)] = cost();

    for (int m = 0; m < kMeasures; ++m) {
        const Linear& value = measures_[m];
        Expression& measure = model_.measures[m];
        measure = { merged(value.terms), value.constant, value.lo, true };
        measure.integral = Measure(m) != Measure::Cost
            && std::all_of(measure.terms.cbegin(), measure.terms.cend(),
                [](const Term& t) { return t.coefficient == std::round(t.coefficient); })
            && value.constant == std::round(value.constant);
    }
    QList<AimStage> aims { { { Measure::Hard } } };
    aims << in_.aims;
    for (const AimStage& aim : aims) {
        Linear sum;
        bool integral = true;
        for (const Weighted& w : aim) {
            sum.add(measures_[int(w.measure)], w.weight);
            integral = integral && model_.measures[int(w.measure)].integral;
        }
        Stage stage;
        static_cast<Expression&>(stage) = { merged(sum.terms), sum.constant, sum.lo, integral };
        stage.measures = aim;
        model_.stages.append(stage);
    }
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
                figures[d].append(figuresOf(in_, options[o], o, employee.wage));
            if (!free)
                continue;
            first[d] = int(model_.variables.size());
            Linear one;
            QList<int> patterns;
            for (int o = 0; o < options.size(); ++o) {
                one.terms.append({ addVariable(VariableKind::Binary, 0, 1), 1 });
                patterns.append(options[o].pattern);
            }
            addRow(one, Sense::Exactly, 1);
            const int standard = day.standard >= 0 && day.standard < options.size() ? day.standard : -1;
            model_.freeDays.append({ e, d, first[d], int(options.size()), standard, patterns });
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

void Builder::addRow(const Linear& lhs, Sense sense, double rhs, QList<Row>& into)
{
    into.append({ merged(lhs.terms), sense, rhs - lhs.constant });
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

Linear Builder::busy(int e, int d) const
{
    return day(e, d, [](const Figures& f) { return f.kind != DayKind::Off ? 1.0 : 0.0; });
}

Linear Builder::off(int e, int d) const
{
    return day(e, d, [](const Figures& f) { return f.kind == DayKind::Off ? 1.0 : 0.0; });
}

Linear Builder::inPatterns(int e, int d, const QList<int>& patterns) const
{
    return day(
        e, d, [&patterns](const Figures& f) { return f.pattern >= 0 && patterns.contains(f.pattern) ? 1.0 : 0.0; });
}

Linear Builder::minutes(int e, int d) const
{
    return day(e, d, [](const Figures& f) { return double(f.minutes); });
}

Linear Builder::breached(const Linear& expr, double threshold)
{
    Linear result;
    if (expr.hi <= threshold + kTolerance)
        return result;
    if (expr.lo > threshold + kTolerance) {
        result.addConstant(1);
        return result;
    }
    const int z = addVariable(VariableKind::Binary, 0, 1);
    Linear row = expr;
    row.terms.append({ z, -(expr.hi - threshold) });
    addRow(row, Sense::AtMost, threshold);
    result.terms.append({ z, 1 });
    result.hi = 1;
    return result;
}

void Builder::rule(const Linear& expr, Sense sense, double rhs, bool hard)
{
    if (!hard && !wanted(Measure::Findings))
        return;
    // How far the rule is broken: expr − rhs above it, rhs − expr below it.
    QList<Linear> sides;
    if (sense != Sense::AtLeast) {
        Linear above = expr;
        above.addConstant(-rhs);
        sides.append(above);
    }
    if (sense != Sense::AtMost) {
        Linear below;
        below.addConstant(rhs);
        below.add(expr, -1);
        sides.append(below);
    }
    for (const Linear& side : std::as_const(sides))
        measures_[int(hard ? Measure::Hard : Measure::Findings)].add(hard ? excess(side, 0) : breached(side, 0));
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
    Linear weeks;
    for (int e = 0; e < in_.employees.size(); ++e) {
        for (int start = firstWeekStart(); start < periodEnd_; start += 7) {
            Linear worked;
            for (int d = start; d < start + 7; ++d)
                worked.add(busy(e, d));
            weeks.add(excess(worked, 6));
        }
    }
    return weeks;
}

// One finding per run of days without a day off longer than the limit, on the first day of the
// period where the run has gone beyond it: the day whose limit + 1 days up to it all work while
// the day before those does not, or the period's first day when its limit + 1 days all work.
Linear Builder::longRuns()
{
    const int limit = in_.labour.runLimit;
    Linear runs;
    if (limit <= 0)
        return runs;
    for (int e = 0; e < in_.employees.size(); ++e) {
        for (int d = in_.periodStart; d < periodEnd_; ++d) {
            Linear run;
            for (int k = d - limit; k <= d; ++k)
                run.add(busy(e, k));
            if (d > in_.periodStart)
                run.add(busy(e, d - limit - 1), -1);
            runs.add(excess(run, limit));
        }
    }
    return runs;
}

QList<Linear> Builder::restClashes(int e, int d, int rest) const
{
    const QList<Figures>& before = figures_[e][d - 1];
    const QList<Figures>& after = figures_[e][d];
    const auto tooShort = [&](int i, int j) {
        return before[i].timed && after[j].timed && kDayMinutes + after[j].start - before[i].end < rest;
    };
    const auto option = [&](int day, int o) {
        Linear x;
        if (isFree(e, day)) {
            x.terms.append({ first_[e][day] + o, 1 });
            x.hi = 1;
        } else {
            x.addConstant(1);
        }
        return x;
    };
    QList<Linear> clashes;
    for (int i = 0; i < before.size(); ++i) {
        Linear pair = option(d - 1, i);
        bool any = false;
        for (int j = 0; j < after.size(); ++j) {
            if (tooShort(i, j)) {
                pair.add(option(d, j));
                any = true;
            }
        }
        if (any)
            clashes.append(pair);
    }
    return clashes;
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
        for (int d = std::max(1, in_.periodStart); d < periodEnd_; ++d)
            rests.add(excessOfAny(restClashes(e, d, rest), 1));
    }
    return rests;
}

void Builder::personRules(int e)
{
    runs(e);
    runFlow(e);
    sequences(e);
    periodLimits(e);
}

// The runs as a path from the source through the nodes of each boundary t between days (t = 0
// before the first day): a run not off may start (work), a run off may start (off), a run off
// long enough may go on or end (rest). An arc of a run not off goes from work(t) to off(t + l),
// one of a run off from off(t) to rest(t + least), then rest(t) to rest(t + 1) for each further
// day off and rest(t) to work(t) when it ends. Built for a person whose floors of runs are hard.
void Builder::runFlow(int e)
{
    const PersonRules& rules = in_.employees[e].rules;
    const auto hard = [](const auto& rule) { return !rule || rule->hard; };
    if ((!rules.leastWorkingRun && !rules.leastOffRun) || !hard(rules.workingRun) || !hard(rules.leastWorkingRun)
        || !hard(rules.leastOffRun))
        return;
    RunFlow flow;
    flow.first = std::max(0, in_.periodStart - 1);
    flow.days = std::min(periodEnd_, in_.days) - flow.first;
    const int n = flow.days;
    const int mostWork = rules.workingRun ? rules.workingRun->most : n;
    const int leastWork = rules.leastWorkingRun ? std::max(1, rules.leastWorkingRun->least) : 1;
    const int leastOff = rules.leastOffRun ? std::max(1, rules.leastOffRun->least) : 1;
    QMap<int, Linear> balance; // into a node less out of it
    QList<Linear> covered(n); // the arcs of runs not off over each day
    const auto arc = [&](int from, int to, int first = 0, int length = 0) {
        const int v = addVariable(VariableKind::Continuous, 0, 1);
        flow.arcs.insert(flownode::arc(from, to), v);
        balance[to].terms.append({ v, 1 });
        balance[from].terms.append({ v, -1 });
        for (int t = first; t < first + length; ++t)
            covered[t].terms.append({ v, 1 });
    };
    arc(flownode::kSource, flownode::work(0));
    arc(flownode::kSource, flownode::off(0));
    for (int t = 0; t < n; ++t) {
        for (int l = 1; l <= std::min(mostWork, n - t); ++l) {
            if (l >= leastWork || t == 0 || t + l == n)
                arc(flownode::work(t), flownode::off(t + l), t, l);
        }
        for (int l = 1; l <= std::min(leastOff, n - t); ++l) {
            if (l == leastOff || t == 0 || t + l == n)
                arc(flownode::off(t), flownode::rest(t + l));
        }
        arc(flownode::rest(t), flownode::rest(t + 1));
        arc(flownode::rest(t), flownode::work(t));
    }
    arc(flownode::off(n), flownode::kSink);
    arc(flownode::rest(n), flownode::kSink);
    for (auto it = balance.cbegin(); it != balance.cend(); ++it) {
        const double rhs = it.key() == flownode::kSource ? -1 : it.key() == flownode::kSink ? 1 : 0;
        addRow(*it, Sense::Exactly, rhs, model_.tightening);
    }
    for (int t = 0; t < n; ++t) {
        const Linear busyDay = busy(e, flow.first + t);
        flow.busy.append({ merged(busyDay.terms), busyDay.constant, busyDay.lo, true });
        Linear link = covered[t];
        link.add(busyDay, -1);
        addRow(link, Sense::Exactly, 0, model_.tightening);
    }
    model_.flows.append(flow);
}

// Rows that reach a day of the period or the day before it: what lies wholly outside is not the
// proposal's to keep.
void Builder::runs(int e)
{
    const PersonRules& rules = in_.employees[e].rules;
    const int from = std::max(0, in_.periodStart - 1);
    const auto window = [&](int start, int length, const std::function<Linear(int)>& value) {
        Linear sum;
        for (int d = start; d < start + length; ++d)
            sum.add(value(d));
        return sum;
    };
    // At most `most` days in a row: every most + 1 days in a row within the instance hold one that
    // does not count.
    const auto mostInARow = [&](int most, bool hard, const std::function<Linear(int)>& value) {
        for (int start = std::max(0, from - most); start + most < in_.days && start < periodEnd_; ++start)
            rule(window(start, most + 1, value), Sense::AtMost, most, hard);
    };
    if (rules.workingRun)
        mostInARow(rules.workingRun->most, rules.workingRun->hard, [&](int d) { return busy(e, d); });
    for (const PatternRun& run : rules.patternRuns)
        mostInARow(run.most, run.hard, [&](int d) { return inPatterns(e, d, run.patterns); });

    // A run that starts on day d (d in it, d − 1 not) holds each of the floor − 1 days after d:
    // in(d) − in(d − 1) − in(d + j) ≤ 0. A day beyond the instance ends the run when the rule
    // holds at the edges; else a run that reaches the edge is not held.
    const auto leastInARow = [&](const RunFloor& floor, const std::function<Linear(int)>& value) {
        for (int d = std::max(0, from - floor.least); d < periodEnd_ && d < in_.days; ++d) {
            if (d == 0 && !floor.atEdges)
                continue;
            for (int j = 1; j < floor.least; ++j) {
                if (d + j >= in_.days && !floor.atEdges)
                    break;
                Linear start = value(d);
                start.add(value(d - 1), -1);
                start.add(value(d + j), -1);
                rule(start, Sense::AtMost, 0, floor.hard);
            }
        }
    };
    if (rules.leastWorkingRun)
        leastInARow(*rules.leastWorkingRun, [&](int d) { return busy(e, d); });
    if (rules.leastOffRun)
        leastInARow(*rules.leastOffRun, [&](int d) { return off(e, d); });
}

// Successions, follow-on days, rest and overlapping shifts: rows over a day and the next, from
// the day before the period to its last day.
void Builder::sequences(int e)
{
    const PersonRules& rules = in_.employees[e].rules;
    // One row per first pattern: it and any pattern that may not follow it.
    QMap<std::pair<int, bool>, QList<int>> forbidden;
    for (const Succession& s : rules.successions)
        forbidden[{ s.first, s.hard }].append(s.next);
    // The patterns that ask for each 明け pattern, and whether any of them asks hard.
    QMap<int, std::pair<QList<int>, bool>> leaders;
    for (const FollowOn& f : rules.followOns) {
        if (f.next >= 0 && f.next < in_.patterns.size()) {
            leaders[f.next].first.append(f.first);
            leaders[f.next].second = leaders[f.next].second || f.hard;
        }
    }
    const int from = std::max(0, in_.periodStart - 1);
    for (int d = from; d + 1 < in_.days && d < periodEnd_; ++d) {
        for (auto it = forbidden.cbegin(); it != forbidden.cend(); ++it) {
            Linear pair = inPatterns(e, d, { it.key().first });
            pair.add(inPatterns(e, d + 1, it.value()));
            rule(pair, Sense::AtMost, 1, it.key().second);
        }
        for (const FollowOn& f : rules.followOns) {
            Linear asks = inPatterns(e, d, { f.first });
            asks.add(f.next >= 0 ? inPatterns(e, d + 1, { f.next }) : off(e, d + 1), -1);
            rule(asks, Sense::AtMost, 0, f.hard);
        }
        for (auto it = leaders.cbegin(); it != leaders.cend(); ++it) {
            Linear ake = day(e, d + 1,
                [p = it.key()](const Figures& f) { return f.pattern == p && f.kind == DayKind::Ake ? 1.0 : 0.0; });
            ake.add(inPatterns(e, d, it->first), -1);
            rule(ake, Sense::AtMost, 0, it->second);
        }
        // No two shifts overlap; the person's rest between them.
        for (const Linear& clash : restClashes(e, d + 1, 0))
            rule(clash, Sense::AtMost, 1, true);
        if (rules.rest && rules.rest->least > 0) {
            for (const Linear& clash : restClashes(e, d + 1, rules.rest->least))
                rule(clash, Sense::AtMost, 1, rules.rest->hard);
        }
    }
}

// Limits over the period and over windows of days.
void Builder::periodLimits(int e)
{
    const PersonRules& rules = in_.employees[e].rules;
    const auto overPeriod = [&](const std::function<Linear(int)>& value) {
        Linear sum;
        for (int d = in_.periodStart; d < periodEnd_; ++d)
            sum.add(value(d));
        return sum;
    };
    if (rules.leastMinutes || rules.mostMinutes) {
        const Linear worked = overPeriod([&](int d) { return minutes(e, d); });
        if (rules.leastMinutes)
            rule(worked, Sense::AtLeast, rules.leastMinutes->least, rules.leastMinutes->hard);
        if (rules.mostMinutes)
            rule(worked, Sense::AtMost, rules.mostMinutes->most, rules.mostMinutes->hard);
    }
    for (const PatternCount& count : rules.patternCounts)
        rule(
            overPeriod([&](int d) { return inPatterns(e, d, count.patterns); }), Sense::AtMost, count.most, count.hard);
    if (rules.weekends) {
        Linear weekends;
        for (int d = in_.periodStart; d < periodEnd_; ++d) {
            const int weekday = in_.date(d).dayOfWeek();
            if (weekday == Qt::Saturday || (weekday == Qt::Sunday && d == in_.periodStart))
                weekends.add(excessOfAny(
                    { busy(e, weekday == Qt::Saturday ? d : d - 1), busy(e, weekday == Qt::Saturday ? d + 1 : d) }, 0));
        }
        rule(weekends, Sense::AtMost, rules.weekends->most, rules.weekends->hard);
    }
    for (const MinutesWindow& window : rules.minutesWindows) {
        Linear worked;
        for (int d = window.first; d < window.first + window.days; ++d)
            worked.add(minutes(e, d));
        rule(worked, Sense::AtMost, window.most, window.hard);
    }
    for (const DaysOff& days : rules.daysOff) {
        Linear count;
        for (int d = days.first; d < days.first + days.days; ++d)
            count.add(off(e, d));
        rule(count, Sense::Exactly, days.count, days.hard);
    }
}

void Builder::coverage()
{
    hourCoverage(in_.targets, [](const Employee& e) { return e.counted; });
    for (const TagTargets& tagged : in_.tagTargets)
        hourCoverage(tagged.days, [&tagged](const Employee& e) { return e.counted && e.tags.contains(tagged.tag); });
    patternCoverage();
}

// Who counts in an hour of a period day: each employee whose shift of that day, or of the day
// before when it ends on the next date, covers at least 30 minutes of it.
void Builder::hourCoverage(const QList<DayTargets>& days, const std::function<bool(const Employee&)>& counts)
{
    Linear& shortHours = measures_[int(Measure::ShortHours)];
    Linear& overHours = measures_[int(Measure::OverHours)];
    for (int p = in_.periodStart; p < periodEnd_; ++p) {
        const DayTargets targets = days.value(p - in_.periodStart);
        for (int hour = 0; hour < 24; ++hour) {
            const Target& target = targets[hour];
            const bool least = target.least && wanted(Measure::ShortHours);
            const bool most = target.most && wanted(Measure::OverHours);
            if (!least && !most)
                continue;
            Linear count;
            for (int e = 0; e < in_.employees.size(); ++e) {
                if (!counts(in_.employees[e]))
                    continue;
                for (int d = p - 1; d <= p; ++d) {
                    const int slot = hour + 24 * (p - d);
                    count.add(day(e, d, [slot](const Figures& f) { return double((f.hours >> slot) & 1); }));
                }
            }
            if (least) {
                Linear need;
                need.addConstant(*target.least);
                need.add(count, -1);
                shortHours.add(excess(need, 0), target.underWeight);
            }
            if (most)
                overHours.add(excess(count, *target.most), target.overWeight);
        }
    }
}

void Builder::patternCoverage()
{
    for (const PatternTarget& target : in_.patternTargets) {
        const bool least = target.least && wanted(Measure::ShortPatterns);
        const bool most = target.most && wanted(Measure::OverPatterns);
        if (!in_.inPeriod(target.day) || (!least && !most))
            continue;
        Linear count;
        for (int e = 0; e < in_.employees.size(); ++e) {
            if (in_.employees[e].counted)
                count.add(inPatterns(e, target.day, { target.pattern }));
        }
        if (least) {
            Linear need;
            need.addConstant(*target.least);
            need.add(count, -1);
            measures_[int(Measure::ShortPatterns)].add(excess(need, 0), target.underWeight);
        }
        if (most)
            measures_[int(Measure::OverPatterns)].add(excess(count, *target.most), target.overWeight);
    }
}

Linear Builder::requests()
{
    Linear unhonoured;
    for (const Request& request : in_.requests) {
        if (request.employee < 0 || request.employee >= in_.employees.size() || !in_.inPeriod(request.day))
            continue;
        const Value missed = [&request](const Figures& f) {
            switch (request.kind) {
            case RequestKind::Work:
                return f.kind == DayKind::Working ? 0.0 : 1.0;
            case RequestKind::Pattern:
                return f.pattern == request.pattern ? 0.0 : 1.0;
            case RequestKind::AvoidPattern:
                return f.pattern == request.pattern ? 1.0 : 0.0;
            case RequestKind::Off:
                return f.kind == DayKind::Off ? 0.0 : 1.0;
            }
            return 0.0;
        };
        unhonoured.add(day(request.employee, request.day, missed), request.weight);
    }
    return unhonoured;
}

// The largest count above a person's share in each group: of the group's patterns, or of the
// weekend days of the period not off.
void Builder::fairness()
{
    for (const Fairness& group : in_.fairness) {
        const Measure measure = group.patterns.isEmpty() ? Measure::WeekendFairness : Measure::NightFairness;
        if (!wanted(measure))
            continue;
        QList<Linear> above;
        for (int i = 0; i < group.employees.size(); ++i) {
            const int e = group.employees[i];
            if (e < 0 || e >= in_.employees.size())
                continue;
            Linear count;
            for (int d = in_.periodStart; d < periodEnd_; ++d) {
                if (!group.patterns.isEmpty())
                    count.add(inPatterns(e, d, group.patterns));
                else if (in_.date(d).dayOfWeek() >= Qt::Saturday)
                    count.add(busy(e, d));
            }
            count.addConstant(-group.shares.value(i));
            above.append(count);
        }
        measures_[int(measure)].add(excessOfAny(above, 0));
    }
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

} // namespace

double measureOf(const Counts& counts, Measure measure)
{
    switch (measure) {
    case Measure::Hard:
        return counts.hard;
    case Measure::Findings:
        return counts.findings;
    case Measure::ShortHours:
        return counts.shortHours;
    case Measure::ShortPatterns:
        return counts.shortPatterns;
    case Measure::Requests:
        return counts.unhonouredWishes;
    case Measure::OverHours:
        return counts.overHours;
    case Measure::OverPatterns:
        return counts.overPatterns;
    case Measure::NightFairness:
        return counts.nightFairness;
    case Measure::WeekendFairness:
        return counts.weekendFairness;
    case Measure::ChangedDays:
        return counts.changedDays;
    case Measure::Cost:
        return counts.cost;
    }
    return 0;
}

double valueOf(const Counts& counts, const AimStage& aim)
{
    double value = 0;
    for (const Weighted& w : aim)
        value += w.weight * measureOf(counts, w.measure);
    return value;
}

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
    for (const RunFlow& flow : flows)
        setPath(flow, values);
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

double Model::valueOf(const Expression& expression, const QList<double>& values) const
{
    double value = expression.constant;
    for (const Term& t : expression.terms)
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
    QList<Row> all = rows;
    if (valueOf(measures[int(Measure::Hard)], values) < 0.5)
        all << tightening;
    for (const Row& row : std::as_const(all)) {
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
    Counts& c = proposal.counts;
    const auto count = [&](Measure m) { return int(std::lround(valueOf(measures[int(m)], values))); };
    c.hard = valueOf(measures[int(Measure::Hard)], values);
    c.findings = count(Measure::Findings);
    c.shortHours = count(Measure::ShortHours);
    c.shortPatterns = count(Measure::ShortPatterns);
    c.unhonouredWishes = count(Measure::Requests);
    c.overHours = count(Measure::OverHours);
    c.overPatterns = count(Measure::OverPatterns);
    c.nightFairness = valueOf(measures[int(Measure::NightFairness)], values);
    c.weekendFairness = valueOf(measures[int(Measure::WeekendFairness)], values);
    c.changedDays = count(Measure::ChangedDays);
    c.cost = valueOf(measures[int(Measure::Cost)], values);
    return proposal;
}

bool better(const Model& model, const Counts& a, const Counts& b)
{
    for (const Stage& stage : model.stages) {
        const double x = valueOf(a, stage.measures);
        const double y = valueOf(b, stage.measures);
        const double slack = stage.integral ? 0.5 : kTolerance * std::max(1.0, std::abs(y));
        if (x < y - slack)
            return true;
        if (x > y + slack)
            return false;
    }
    return false;
}

} // namespace proposal
