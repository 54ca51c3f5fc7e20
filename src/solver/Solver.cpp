#include "solver/Solver.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <CoinPackedMatrix.hpp>
#include <CoinPackedVector.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace solver {

using proposal::Model;
using proposal::Stage;

namespace {

constexpr unsigned kSeed = 20240601;
// The nodes of the first search of the whole model in a stage; each round doubles them.
constexpr int kFirstProofNodes = 400;
constexpr int kMostProofNodes = 1 << 22;
// A neighbourhood's search ends after these nodes.
constexpr int kNeighbourhoodNodes = 200;
constexpr int kNeighbourhoodsPerRound = 4;
constexpr double kInfinity = 1e50;

// How far a stage's value may rise above the value an earlier stage reached: nothing for a
// whole count, a rounding error for the cost.
double slack(const proposal::Expression& stage, double value)
{
    return stage.integral ? 0.5 : 1e-6 * std::max(1.0, std::abs(value));
}

// A whole count is proven optimal once the bound leaves no room for a count lower by one.
bool proven(const proposal::Expression& stage, double value, double bound)
{
    return stage.integral ? value < bound + 1 - 1e-6 : value <= bound + slack(stage, value);
}

// The best solution so far and what stops the search; shared by the stage's runs and CBC's
// event handler.
struct Search {
    Search(const Model& m, const Options& o)
        : model(m)
        , options(o)
    {
    }

    const Model& model;
    const Options& options;
    qint64 deadline = 0; // of the whole solve
    qint64 stageDeadline = 0;
    Outcome outcome;
    proposal::Choice choice; // of the best proposal
    QList<double> values; // of the best proposal, auxiliary variables at their least
    bool stageCut = false; // the clock stopped the running stage

    qint64 elapsed() const { return options.elapsed(); }
    bool cancelled() const { return options.cancel && options.cancel->load(); }
    bool mustStop()
    {
        if (elapsed() >= stageDeadline)
            stageCut = true;
        return stageCut || cancelled();
    }
    // Takes a solution when it is better than the best so far.
    bool offer(const double* solution)
    {
        if (!solution)
            return false;
        const QList<double> raw(solution, solution + model.variables.size());
        const proposal::Choice candidateChoice = model.choiceOf(raw);
        proposal::Proposal candidate = model.proposalOf(candidateChoice);
        if (!proposal::better(model, candidate.counts, outcome.best.counts))
            return false;
        take(candidateChoice, std::move(candidate));
        return true;
    }
    void take(const proposal::Choice& c, proposal::Proposal proposal)
    {
        outcome.best = std::move(proposal);
        choice = c;
        values = model.complete(choice);
        ++outcome.proposals;
        outcome.bestMs = elapsed();
        if (options.better)
            options.better(outcome.best, outcome.bestMs);
    }
};

// Stops CBC when the solve is cancelled or the stage is out of time.
class Events : public CbcEventHandler {
public:
    explicit Events(Search& search)
        : search_(search)
    {
    }
    CbcEventHandler* clone() const override { return new Events(*this); }
    CbcAction event(CbcEvent) override { return search_.mustStop() ? stop : noAction; }

private:
    Search& search_;
};

void addRows(OsiClpSolverInterface& solver, const QList<proposal::Row>& rows)
{
    const double infinity = solver.getInfinity();
    for (const proposal::Row& row : rows) {
        CoinPackedVector vector;
        for (const proposal::Term& t : row.terms)
            vector.insert(t.variable, t.coefficient);
        solver.addRow(vector, row.sense == proposal::Sense::AtMost ? -infinity : row.rhs,
            row.sense == proposal::Sense::AtLeast ? infinity : row.rhs);
    }
}

OsiClpSolverInterface loaded(const Model& model)
{
    const int n = int(model.variables.size());
    std::vector<double> lower(n);
    std::vector<double> upper(n);
    for (int v = 0; v < n; ++v) {
        lower[v] = model.variables[v].lower;
        upper[v] = model.variables[v].upper;
    }
    OsiClpSolverInterface solver;
    const double infinity = solver.getInfinity();
    CoinPackedMatrix matrix(false, 0, 0);
    matrix.setDimensions(0, n);
    std::vector<double> rowLower;
    std::vector<double> rowUpper;
    for (const proposal::Row& row : model.rows) {
        CoinPackedVector vector;
        for (const proposal::Term& t : row.terms)
            vector.insert(t.variable, t.coefficient);
        matrix.appendRow(vector);
        rowLower.push_back(row.sense == proposal::Sense::AtMost ? -infinity : row.rhs);
        rowUpper.push_back(row.sense == proposal::Sense::AtLeast ? infinity : row.rhs);
    }
    const std::vector<double> objective(n, 0.0);
    solver.loadProblem(matrix, lower.data(), upper.data(), objective.data(), rowLower.data(), rowUpper.data());
    for (int v = 0; v < n; ++v) {
        if (model.variables[v].kind != proposal::VariableKind::Continuous)
            solver.setInteger(v);
    }
    solver.messageHandler()->setLogLevel(0);
    solver.getModelPtr()->setRandomSeed(kSeed);
    return solver;
}

// What one run of CBC found out.
struct Run {
    bool exhausted = false; // it searched everything: the best solution is optimal in what it searched
    double bound = -kInfinity; // its proven lower bound on the stage's value
};

// Branch and cut over the solver as it stands, from the best solution, within a number of nodes.
Run branchAndCut(Search& search, const OsiClpSolverInterface& solver, const Stage& stage, int nodes, unsigned seed)
{
    const int n = int(search.model.variables.size());
    CbcModel cbc(solver);
    cbc.messageHandler()->setLogLevel(0);
    const double start = search.model.valueOf(stage, search.values) - stage.constant;
    cbc.setBestSolution(search.values.constData(), n, start, true);
    Events events(search);
    cbc.passInEventHandler(&events);
    CbcSolverUsefulData data;
    CbcMain0(cbc, data);
    const std::string nodeLimit = std::to_string(nodes);
    const std::string increment = stage.integral ? "0.999" : std::to_string(1e-6 * std::max(1.0, std::abs(start)));
    const std::string seedText = std::to_string(seed % 1000000);
    // The clock is checked at every node, and by CBC itself during the root's cuts.
    const double secondsLeft = std::max(0.0, (search.stageDeadline - search.elapsed()) / 1000.0);
    const std::string seconds = std::to_string(secondsLeft);
    const char* args[] = { "rotan", "-log", "0", "-slog", "0", "-threads", "0", "-maxNodes", nodeLimit.c_str(),
        "-increment", increment.c_str(), "-randomCbcSeed", seedText.c_str(), "-randomSeed", seedText.c_str(),
        "-timeMode", search.options.cpuTime ? "cpu" : "elapsed", "-seconds", seconds.c_str(), "-solve", "-quit" };
    CbcMain1(int(std::size(args)), args, cbc, nullptr, data);
    Run run;
    const bool stopped = search.mustStop();
    run.exhausted = !stopped && !cbc.isNodeLimitReached() && (cbc.isProvenOptimal() || cbc.isProvenInfeasible());
    if (cbc.bestSolution())
        search.offer(cbc.bestSolution());
    if (run.exhausted)
        run.bound = search.model.valueOf(stage, search.values);
    else if (!stopped || cbc.getNodeCount() > 0)
        run.bound = cbc.getBestPossibleObjValue() + stage.constant;
    return run;
}

// The lower bound of the stage's linear relaxation.
double relaxedBound(const OsiClpSolverInterface& solver, const Stage& stage)
{
    OsiClpSolverInterface lp(solver);
    lp.initialSolve();
    return lp.isProvenOptimal() ? lp.getObjValue() + stage.constant : -kInfinity;
}

// Neighbourhoods of the best solution, each a set of free days to solve again while the others
// keep their option: a window of days for everyone, some people on every day, a block of people
// by days, or the days that take either of two patterns (then only those two). Their size adapts:
// it grows while CBC searches them through and shrinks when it does not.
class Neighbourhoods {
public:
    explicit Neighbourhoods(const Model& model, unsigned seed)
        : model_(model)
        , random_(seed)
    {
        for (const proposal::FreeDay& free : model.freeDays) {
            for (const int p : free.patterns) {
                if (!patterns_.contains(p))
                    patterns_.append(p);
            }
        }
        std::sort(patterns_.begin(), patterns_.end());
        size_ = std::clamp(
            int(model.freeDays.size()) / 4, std::min(40, int(model.freeDays.size())), int(model.freeDays.size()));
    }

    struct Pick {
        QList<bool> freed; // per free day
        QList<int> patterns; // the only patterns the freed days may take; empty: any
    };

    Pick next(const proposal::Choice& choice)
    {
        const int kinds = patterns_.size() >= 2 ? 4 : 3;
        const int kind = int(turn_++ % kinds);
        Pick pick;
        pick.freed = QList<bool>(model_.freeDays.size(), false);
        const int people = std::max(1, model_.employees);
        const int days = std::max(1, model_.days);
        const int perPerson = std::max(1, int(model_.freeDays.size()) / people);
        switch (kind) {
        case 0: { // a window of days
            const int length = std::clamp(size_ / people, 1, days);
            const int first = uniform(0, days - length);
            mark(pick, [&](const proposal::FreeDay& f) { return f.day >= first && f.day < first + length; });
            break;
        }
        case 1: { // people on every day
            const QList<int> chosen = someOf(people, std::clamp(size_ / perPerson, 1, people));
            mark(pick, [&](const proposal::FreeDay& f) { return chosen.contains(f.employee); });
            break;
        }
        case 2: { // a block of people by days
            const int count = std::clamp(int(std::sqrt(double(size_) * people / perPerson)), 1, people);
            const int length = std::clamp(size_ / count, 1, days);
            const QList<int> chosen = someOf(people, count);
            const int first = uniform(0, days - length);
            mark(pick, [&](const proposal::FreeDay& f) {
                return chosen.contains(f.employee) && f.day >= first && f.day < first + length;
            });
            break;
        }
        default: { // the days on either of two patterns
            const QList<int> two = someOf(int(patterns_.size()), 2);
            pick.patterns = { patterns_[two[0]], patterns_[two[1]] };
            for (int i = 0; i < model_.freeDays.size(); ++i)
                pick.freed[i] = pick.patterns.contains(model_.freeDays[i].patterns.value(choice.value(i)));
            break;
        }
        }
        return pick;
    }

    void tell(bool exhausted)
    {
        const int total = int(model_.freeDays.size());
        size_ = std::clamp(exhausted ? size_ + size_ / 4 + 1 : size_ - size_ / 5, std::min(10, total), total);
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, std::max(low, high))(random_); }
    QList<int> someOf(int n, int count)
    {
        QList<int> all(n);
        std::iota(all.begin(), all.end(), 0);
        for (int i = 0; i < count && i < n; ++i)
            std::swap(all[i], all[uniform(i, n - 1)]);
        return all.mid(0, count);
    }
    template <typename Test> void mark(Pick& pick, Test test)
    {
        for (int i = 0; i < model_.freeDays.size(); ++i)
            pick.freed[i] = test(model_.freeDays[i]);
    }

    const Model& model_;
    std::mt19937 random_;
    QList<int> patterns_;
    int size_ = 0;
    unsigned turn_ = 0;
};

// The solver with every free day outside the pick held at the best solution's option.
OsiClpSolverInterface restricted(const OsiClpSolverInterface& solver, const Model& model,
    const Neighbourhoods::Pick& pick, const QList<double>& values)
{
    OsiClpSolverInterface sub(solver);
    for (int i = 0; i < model.freeDays.size(); ++i) {
        const proposal::FreeDay& free = model.freeDays[i];
        for (int o = 0; o < free.options; ++o) {
            const int v = free.firstVariable + o;
            if (!pick.freed[i])
                sub.setColBounds(v, values[v], values[v]);
            else if (!pick.patterns.isEmpty() && !pick.patterns.contains(free.patterns.value(o)))
                sub.setColBounds(v, 0, 0);
        }
    }
    return sub;
}

// One stage: from the best solution, rounds of neighbourhoods and of a search of the whole model
// until the stage is proven optimal or its time is up.
StageOutcome runStage(Search& search, OsiClpSolverInterface& solver, int k)
{
    const Model& model = search.model;
    const Stage& stage = model.stages[k];
    std::vector<double> objective(model.variables.size(), 0.0);
    for (const proposal::Term& t : stage.terms)
        objective[t.variable] = t.coefficient;
    solver.setObjective(objective.data());

    StageOutcome result;
    const auto value = [&] { return model.valueOf(stage, search.values); };
    result.bound = std::max(stage.bound, relaxedBound(solver, stage));
    Neighbourhoods neighbourhoods(model, kSeed + unsigned(k));
    unsigned seed = kSeed + 1000 * unsigned(k);
    for (int round = 0; !proven(stage, value(), result.bound) && !search.mustStop(); ++round) {
        for (int i = 0; i < kNeighbourhoodsPerRound && !search.mustStop() && !proven(stage, value(), result.bound);
             ++i) {
            const Neighbourhoods::Pick pick = neighbourhoods.next(search.choice);
            const Run r = branchAndCut(
                search, restricted(solver, model, pick, search.values), stage, kNeighbourhoodNodes, ++seed);
            neighbourhoods.tell(r.exhausted);
        }
        if (search.mustStop() || proven(stage, value(), result.bound))
            break;
        const int nodes = std::min(kMostProofNodes, kFirstProofNodes << round);
        const Run whole = branchAndCut(search, solver, stage, nodes, ++seed);
        result.bound = std::max(result.bound, whole.bound);
        if (whole.exhausted)
            break;
    }
    result.value = value();
    result.optimal = proven(stage, result.value, result.bound) && !search.mustStop();
    if (result.optimal)
        result.bound = std::max(result.bound, result.value - (stage.integral ? 0 : slack(stage, result.value)));
    return result;
}

// Keeps the stage at the value the best solution has; a measure held at none fixes its
// variables, so that the later stages' searches see them gone.
void fix(OsiClpSolverInterface& solver, const Model& model, const Stage& stage, const QList<double>& values)
{
    const double value = model.valueOf(stage, values);
    CoinPackedVector vector;
    bool nonNegative = stage.constant == 0;
    for (const proposal::Term& t : stage.terms) {
        vector.insert(t.variable, t.coefficient);
        nonNegative = nonNegative && t.coefficient > 0 && model.variables[t.variable].lower >= 0;
    }
    solver.addRow(vector, -solver.getInfinity(), value - stage.constant + slack(stage, value));
    if (nonNegative && value < slack(stage, value)) {
        for (const proposal::Term& t : stage.terms)
            solver.setColUpper(t.variable, 0);
    }
}

} // namespace

Outcome solve(const Model& model, const Options& given)
{
    Options options = given;
    if (!options.elapsed && options.cpuTime) {
        const std::clock_t start = std::clock();
        options.elapsed = [start] { return qint64(double(std::clock() - start) * 1000 / CLOCKS_PER_SEC); };
    } else if (!options.elapsed) {
        const auto start = std::chrono::steady_clock::now();
        options.elapsed = [start] {
            return qint64(
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                    .count());
        };
    }
    Search search(model, options);
    search.deadline = options.elapsed() + 1000 * std::clamp(options.seconds, kMinimumSeconds, kMaximumSeconds);

    const proposal::Choice standard = model.standardChoice();
    search.outcome.proposals = 0;
    search.take(standard, model.proposalOf(standard));

    OsiClpSolverInterface solver = loaded(model);
    bool optimal = true; // so far
    for (int k = 0; k < model.stages.size(); ++k) {
        const Stage& stage = model.stages[k];
        StageOutcome result;
        result.value = model.valueOf(stage, search.values);
        result.bound = stage.bound;
        if (search.cancelled()) {
            search.outcome.stop = Stop::Cancelled;
        } else if (search.elapsed() >= search.deadline) {
            search.outcome.stop = Stop::TimeLimit;
        } else if (proven(stage, result.value, stage.bound)) {
            result.optimal = true;
        } else {
            // A share of the time left that shrinks with the stages to come; the last takes all.
            const qint64 left = search.deadline - search.elapsed();
            const qint64 stages = model.stages.size() - k;
            search.stageDeadline = search.elapsed() + left * 2 / (stages + 1);
            if (k + 1 == model.stages.size())
                search.stageDeadline = search.deadline;
            search.stageCut = false;
            result = runStage(search, solver, k);
            if (search.cancelled())
                search.outcome.stop = Stop::Cancelled;
            else if (search.stageCut)
                search.outcome.stop = Stop::TimeLimit;
        }
        result.measures = stage.measures;
        search.outcome.stages.append(result);
        optimal = optimal && result.optimal;
        if (optimal)
            ++search.outcome.optimalStages;
        if (search.outcome.stop == Stop::Cancelled)
            break;
        fix(solver, model, stage, search.values);
        // Once no hard rule is broken, the rows that hold then tighten every later stage.
        if (k == 0 && result.value < 0.5)
            addRows(solver, model.tightening);
    }
    // Stages never reached keep the best solution's values with their own bounds.
    for (int k = int(search.outcome.stages.size()); k < model.stages.size(); ++k)
        search.outcome.stages.append(
            { model.stages[k].measures, model.valueOf(model.stages[k], search.values), model.stages[k].bound, false });
    search.outcome.optimal = search.outcome.optimalStages == model.stages.size();
    search.outcome.elapsedMs = search.elapsed();
    return search.outcome;
}

proposal::Proof proofOf(const Outcome& outcome)
{
    if (outcome.optimal || outcome.optimalStages >= outcome.stages.size())
        return { true, {}, 0, 0 };
    const StageOutcome& first = outcome.stages[outcome.optimalStages];
    return { false, first.measures, first.value, first.bound };
}

} // namespace solver
