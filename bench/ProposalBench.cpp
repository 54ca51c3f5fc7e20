// Speed of the proposed schedule on this machine's size: a shop of 30 employees over a period
// of 40 days (targets from 7:00 to 23:00 every day, three wishes each, the default settings)
// within the default 10 seconds, and a shop of 10 employees over 30 days solved to the proven
// optimum of aims 1 to 4. Each run reports, in seconds and counts:
//   model        building the model from the instance
//   first        the first proposal (the standard week, counted) from the start of the solve
//   firstFound   the first proposal better than the standard week
//   best         the last better proposal; end: the solve's end
//   short0/1, over0/1, changed1: short and over person-hours before and after, days changed
//   optimal1to4  1 when aims 1 to 4 are proven optimal
//   cancelMs     from a cancel to the solve's return
#include "ProposalTestData.h"
#include "solver/Solver.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <thread>

namespace {

struct Run {
    double first = -1;
    double firstFound = -1;
    double best = 0;
    solver::Outcome outcome;
};

Run solveTimed(const proposal::Model& model, solver::Options options)
{
    Run run;
    options.better = [&run](const proposal::Proposal&, qint64 elapsedMs) {
        if (run.first < 0)
            run.first = elapsedMs / 1000.0;
        else if (run.firstFound < 0)
            run.firstFound = elapsedMs / 1000.0;
        run.best = elapsedMs / 1000.0;
    };
    run.outcome = solver::solve(model, options);
    return run;
}

void report(benchmark::State& state, const proposal::Counts& before, const Run& run)
{
    state.counters["first"] = run.first;
    state.counters["firstFound"] = run.firstFound;
    state.counters["best"] = run.best;
    state.counters["end"] = run.outcome.elapsedMs / 1000.0;
    state.counters["findings0"] = before.findings;
    state.counters["findings1"] = run.outcome.best.counts.findings;
    state.counters["short0"] = before.shortHours;
    state.counters["short1"] = run.outcome.best.counts.shortHours;
    state.counters["wishes0"] = before.unhonouredWishes;
    state.counters["wishes1"] = run.outcome.best.counts.unhonouredWishes;
    state.counters["over0"] = before.overHours;
    state.counters["over1"] = run.outcome.best.counts.overHours;
    state.counters["changed1"] = run.outcome.best.counts.changedDays;
    state.counters["optimalStages"] = run.outcome.optimalStages;
    state.counters["timeLimit"] = run.outcome.stop == solver::Stop::TimeLimit ? 1 : 0;
}

void BM_ProposalModel30x40(benchmark::State& state)
{
    const proposal::Instance instance = proposaltest::generatedShop(30, 40);
    for (auto _ : state) {
        const proposal::Model model = proposal::buildModel(instance);
        benchmark::DoNotOptimize(model.rows.size());
        state.counters["variables"] = model.variables.size();
        state.counters["rows"] = model.rows.size();
    }
}
BENCHMARK(BM_ProposalModel30x40)->Unit(benchmark::kMillisecond);

void BM_Proposal30x40Within10s(benchmark::State& state)
{
    const proposal::Instance instance = proposaltest::generatedShop(30, 40);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const proposal::Model model = proposal::buildModel(instance);
        const double built = timer.elapsed() / 1000.0;
        const Run run = solveTimed(model, {});
        state.counters["model"] = built;
        report(state, model.proposalOf(model.standardChoice()).counts, run);
    }
}
BENCHMARK(BM_Proposal30x40Within10s)->Unit(benchmark::kSecond)->Iterations(1);

void BM_Proposal10x30OptimalAims1To4(benchmark::State& state)
{
    proposal::Model model = proposal::buildModel(proposaltest::generatedShop(10, 30));
    model.stages.resize(4);
    for (auto _ : state) {
        solver::Options options;
        options.seconds = solver::kMaximumSeconds;
        options.nodesPerStage = 1000000;
        const Run run = solveTimed(model, options);
        report(state, model.proposalOf(model.standardChoice()).counts, run);
        state.counters["optimal1to4"] = run.outcome.optimal ? 1 : 0;
    }
}
BENCHMARK(BM_Proposal10x30OptimalAims1To4)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ProposalCancel30x40(benchmark::State& state)
{
    const proposal::Model model = proposal::buildModel(proposaltest::generatedShop(30, 40));
    for (auto _ : state) {
        std::atomic<bool> cancel { false };
        QElapsedTimer timer;
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            timer.start();
            cancel = true;
        });
        solver::Options options;
        options.cancel = &cancel;
        const solver::Outcome outcome = solver::solve(model, options);
        const qint64 latency = timer.isValid() ? timer.elapsed() : -1;
        stopper.join();
        state.counters["cancelMs"] = double(latency);
        state.counters["cancelled"] = outcome.stop == solver::Stop::Cancelled ? 1 : 0;
    }
}
BENCHMARK(BM_ProposalCancel30x40)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
