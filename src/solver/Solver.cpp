#include "solver/Solver.h"

#include <CbcEventHandler.hpp>
#include <CbcHeuristic.hpp>
#include <CbcHeuristicFPump.hpp>
#include <CbcHeuristicRINS.hpp>
#include <CbcModel.hpp>
#include <CoinPackedMatrix.hpp>
#include <CoinPackedVector.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace solver {

using proposal::Model;
using proposal::Stage;

namespace {

constexpr int kSeed = 20240601;
// The most a whole-count stage's pull towards the best solution weighs (see objectiveOf).
constexpr double kPull = 0.25;

// How far a stage's value may rise above the value an earlier stage reached: nothing for a
// whole count, a rounding error for the cost.
double slack(const Stage& stage, double value)
{
    return stage.integral ? 0.5 : 1e-6 * std::max(1.0, std::abs(value));
}

// The best solution so far and what stops the search; shared by the stage runs and CBC's
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
    QList<double> values; // of the best proposal, auxiliary variables at their least
    const CbcModel* running = nullptr; // the stage's own model, not a heuristic's sub-model
    const Stage* stage = nullptr; // the running stage
    bool proven = false; // the running stage's best is proven optimal
    bool stageCut = false; // the clock stopped the running stage
    bool cut = false; // the clock stopped a stage

    qint64 elapsed() const { return options.elapsed(); }
    bool cancelled() const { return options.cancel && options.cancel->load(); }
    bool mustStop()
    {
        if (cancelled())
            return true;
        if (elapsed() >= stageDeadline)
            stageCut = cut = true;
        return stageCut;
    }
    // A whole count is proven optimal once the bound, less the most the pull can add, leaves no
    // room for a count lower by one.
    bool provenOptimal(double bound)
    {
        if (!stage || !stage->integral)
            return false;
        double count = 0;
        for (const proposal::Term& t : stage->terms)
            count += t.coefficient * values[t.variable];
        proven = proven || count < bound - kPull + 1 - 1e-6;
        return proven;
    }
    // Takes a solution of the running stage when it is better than the best so far.
    void offer(const double* solution)
    {
        if (!solution)
            return;
        const QList<double> raw(solution, solution + model.variables.size());
        const proposal::Choice choice = model.choiceOf(raw);
        proposal::Proposal candidate = model.proposalOf(choice);
        if (!proposal::better(model, candidate.counts, outcome.best.counts))
            return;
        outcome.best = std::move(candidate);
        values = model.complete(choice);
        ++outcome.proposals;
        if (options.better)
            options.better(outcome.best, elapsed());
    }
};

// Reports each solution the stage finds and stops the search when cancelled or out of time.
class Events : public CbcEventHandler {
public:
    explicit Events(Search& search)
        : search_(search)
    {
    }
    CbcEventHandler* clone() const override { return new Events(*this); }

    CbcAction event(CbcEvent event) override
    {
        if (model_ == search_.running) {
            if (event == solution || event == heuristicSolution)
                search_.offer(model_->bestSolution());
            if (search_.provenOptimal(model_->getBestPossibleObjValue()))
                return stop;
        }
        return search_.mustStop() ? stop : noAction;
    }

private:
    Search& search_;
};

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

// The stage's objective. For a whole count it adds a pull towards the best solution so far,
// below a quarter of one unit of the count in all: among solutions equal in the count the one
// that changes fewest of its days wins, which keeps what the later stages will weigh as it was
// and lets the search start from a good solution.
std::vector<double> objectiveOf(const Search& search, const Stage& stage)
{
    const Model& model = search.model;
    std::vector<double> objective(model.variables.size(), 0.0);
    for (const proposal::Term& t : stage.terms)
        objective[t.variable] = t.coefficient;
    if (stage.integral) {
        const double pull = kPull / (model.freeDays.size() + 1);
        for (const proposal::FreeDay& free : model.freeDays) {
            for (int v = free.firstVariable; v < free.firstVariable + free.options; ++v) {
                if (search.values[v] < 0.5)
                    objective[v] += pull;
            }
        }
    }
    return objective;
}

// One stage: minimises its measure from the best solution so far, within the node limit and
// the stage's share of the time. True when it proved the optimum.
bool runStage(Search& search, OsiClpSolverInterface& solver, const Stage& stage)
{
    const int n = int(search.model.variables.size());
    const std::vector<double> objective = objectiveOf(search, stage);
    solver.setObjective(objective.data());

    CbcModel cbc(solver);
    cbc.setLogLevel(0);
    cbc.messageHandler()->setLogLevel(0);
    cbc.solver()->messageHandler()->setLogLevel(0);
    cbc.setNumberThreads(0);
    cbc.setRandomSeed(kSeed);
    cbc.setMaximumNodes(search.options.nodesPerStage);
    cbc.setUseElapsedTime(true);
    cbc.setMaximumSeconds(std::max(0.0, (search.stageDeadline - search.elapsed()) / 1000.0));
    // Measured on these models: strong branching and cuts cost more time than they save; the
    // feasibility pump finds a first solution, RINS improves around the best one.
    cbc.setNumberStrong(0);
    CbcRounding rounding(cbc);
    cbc.addHeuristic(&rounding);
    CbcHeuristicFPump pump(cbc);
    cbc.addHeuristic(&pump);
    CbcHeuristicRINS rins(cbc);
    cbc.addHeuristic(&rins);

    Events events(search);
    cbc.passInEventHandler(&events);
    search.running = &cbc;
    search.stage = &stage;
    search.stageCut = false;
    search.proven = false;

    double start = 0;
    for (int v = 0; v < n; ++v)
        start += objective[v] * search.values[v];
    cbc.setBestSolution(search.values.constData(), n, start, true);
    cbc.branchAndBound();
    search.offer(cbc.bestSolution());
    search.running = nullptr;
    search.stage = nullptr;
    if (cbc.isSecondsLimitReached())
        search.stageCut = search.cut = true;
    return (cbc.isProvenOptimal() || search.proven) && !search.stageCut && !search.cancelled();
}

// Keeps the stage at the value the best solution has.
void fix(OsiClpSolverInterface& solver, const Model& model, const Stage& stage, const QList<double>& values)
{
    const double value = model.valueOf(stage, values);
    CoinPackedVector vector;
    for (const proposal::Term& t : stage.terms)
        vector.insert(t.variable, t.coefficient);
    solver.addRow(vector, -solver.getInfinity(), value - stage.constant + slack(stage, value));
}

} // namespace

Outcome solve(const Model& model, const Options& given)
{
    Options options = given;
    if (!options.elapsed) {
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
    search.outcome.best = model.proposalOf(standard);
    search.outcome.proposals = 1;
    search.values = model.complete(standard);
    if (options.better)
        options.better(search.outcome.best, search.elapsed());

    OsiClpSolverInterface solver = loaded(model);
    bool optimal = true; // so far
    for (int k = 0; k < model.stages.size(); ++k) {
        const Stage& stage = model.stages[k];
        if (search.cancelled()) {
            search.outcome.stop = Stop::Cancelled;
            break;
        }
        if (search.elapsed() >= search.deadline) {
            search.outcome.stop = Stop::TimeLimit;
            break;
        }
        const double value = model.valueOf(stage, search.values);
        if (value > stage.bound + slack(stage, value)) {
            // Half the time left, all of it for the last stage: the earlier aims count more, and
            // what a stage leaves passes on.
            const qint64 left = search.deadline - search.elapsed();
            search.stageDeadline = search.elapsed() + (k + 1 < model.stages.size() ? left / 2 : left);
            optimal = runStage(search, solver, stage) && optimal;
            if (search.cancelled()) {
                search.outcome.stop = Stop::Cancelled;
                break;
            }
        }
        if (optimal)
            ++search.outcome.optimalStages;
        fix(solver, model, stage, search.values);
    }
    if (search.outcome.stop == Stop::Finished && search.cut)
        search.outcome.stop = Stop::TimeLimit;
    search.outcome.optimal = search.outcome.optimalStages == model.stages.size();
    search.outcome.elapsedMs = search.elapsed();
    return search.outcome;
}

} // namespace solver
