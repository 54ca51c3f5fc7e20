// Speed of the proposed schedule on this machine's size: a shop of 30 employees over a period
// of 40 days (targets from 7:00 to 23:00 every day, three wishes each, the default settings)
// within the default 10 seconds, and a shop of 10 employees over 30 days solved to the proven
// optimum of aims 1 to 4, and a ward of 30 over 40 days on five patterns with a ward's rules and
// qualification targets. Each run reports, in seconds and counts:
//   model        building the model from the instance
//   first        the first proposal (the standard week, counted) from the start of the solve
//   firstFound   the first proposal better than the standard week
//   firstSound   the first proposal that breaks no hard rule (the ward)
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
    double firstSound = -1;
    double best = 0;
    solver::Outcome outcome;
};

Run solveTimed(const proposal::Model& model, solver::Options options)
{
    Run run;
    options.better = [&run](const proposal::Proposal& proposal, qint64 elapsedMs) {
        if (run.first < 0)
            run.first = elapsedMs / 1000.0;
        else if (run.firstFound < 0)
            run.firstFound = elapsedMs / 1000.0;
        if (run.firstSound < 0 && proposal.counts.hard < 0.5)
            run.firstSound = elapsedMs / 1000.0;
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
        const Run run = solveTimed(model, options);
        report(state, model.proposalOf(model.standardChoice()).counts, run);
        state.counters["optimal1to4"] = run.outcome.optimal ? 1 : 0;
    }
}
BENCHMARK(BM_Proposal10x30OptimalAims1To4)->Unit(benchmark::kSecond)->Iterations(1);

// A ward of 30 from Monday 1 April 2024 over 40 days, free from the second: "日", "早", "遅" and a
// two-shift "夜" that asks for "明" the next day; 22 of the staff are nurses ("看護師"), 24 may work
// nights. Each may work any pattern they are allowed on a free day, at most 4 nights, no "遅" or
// "明" before "早", 5 days in a row and 11 hours between shifts; targets: "夜" 2 every night, "日"
// at least 6 on weekdays and 3 at weekends, "早" and "遅" at least 2, and at least 2 nurses from
// 17:00 to 9:00. The standard week is "日" Monday to Friday; each has a day off wished.
proposal::Instance ward()
{
    using namespace proposal;
    const QDate first(2024, 4, 1);
    const int periodDays = 40;
    LabourSettings labour;
    labour.runLimit = 5;
    labour.restHours = 11;
    Instance in = frame(first, periodDays, labour);
    enum { kDay, kEarly, kLate, kNight, kAke };
    in.patterns = { { QStringLiteral("日"), daychanges::Shift { 8, 30, 17, 0, 450 }, 450, false },
        { QStringLiteral("早"), daychanges::Shift { 7, 0, 15, 30, 450 }, 450, false },
        { QStringLiteral("遅"), daychanges::Shift { 12, 30, 21, 0, 450 }, 450, false },
        { QStringLiteral("夜"), daychanges::Shift { 16, 30, 9, 0, 900 }, 900, true },
        { QStringLiteral("明"), std::nullopt, 0, false } };
    in.tags = { QStringLiteral("看護師") };
    Fairness nights;
    nights.patterns = { kNight };
    for (int e = 0; e < 30; ++e) {
        const bool nightStaff = e < 24;
        Employee employee;
        employee.row = e;
        employee.wage = 1300 + 20 * (e % 5);
        if (e % 4 != 3)
            employee.tags = { 0 };
        QList<Option> options { offOption() };
        for (const int p : { kDay, kEarly, kLate, kNight, kAke }) {
            if (!nightStaff && (p == kNight || p == kAke))
                continue;
            Option option;
            option.kind = p == kAke ? DayKind::Ake : DayKind::Working;
            option.pattern = p;
            options.append(option);
        }
        for (int d = 0; d < in.days; ++d) {
            const bool weekday = in.date(d).dayOfWeek() <= 5;
            const int standard = weekday ? 1 : 0;
            if (in.inPeriod(d) && d > in.periodStart)
                employee.days.append({ options, true, standard });
            else
                employee.days.append({ { options[standard] }, false, 0 });
        }
        const int wished = in.periodStart + 2 + (e * 7) % (periodDays - 2);
        employee.days[wished] = { { offOption() }, false, -1 };
        PersonRules& rules = employee.rules;
        rules.followOns.append({ kNight, kAke });
        rules.successions = { { kLate, kEarly }, { kAke, kEarly } };
        rules.patternCounts.append({ { kNight }, 4 });
        rules.workingRun = Most { 5 };
        rules.rest = Least { 11 * 60 };
        if (nightStaff) {
            nights.employees.append(e);
            nights.shares.append(2.0 * periodDays / 24);
        }
        in.employees.append(employee);
    }
    in.fairness = { nights };
    for (int d = 0; d < periodDays; ++d) {
        const bool weekday = in.date(in.periodStart + d).dayOfWeek() <= 5;
        in.patternTargets.append({ d, kNight, 2, 2 });
        in.patternTargets.append({ d, kDay, weekday ? 6 : 3 });
        in.patternTargets.append({ d, kEarly, 2 });
        in.patternTargets.append({ d, kLate, 2 });
    }
    TagTargets nurses;
    nurses.days = QList<DayTargets>(periodDays);
    for (int d = 0; d < periodDays; ++d) {
        for (int h = 0; h < 24; ++h) {
            if (h >= 17 || h < 9)
                nurses.days[d][h].least = 2;
        }
    }
    in.tagTargets = { nurses };
    return in;
}

void BM_ProposalWard30x40Within10s(benchmark::State& state)
{
    const proposal::Instance instance = ward();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const proposal::Model model = proposal::buildModel(instance);
        const double built = timer.elapsed() / 1000.0;
        const Run run = solveTimed(model, {});
        state.counters["model"] = built;
        state.counters["firstSound"] = run.firstSound;
        state.counters["hard1"] = run.outcome.best.counts.hard;
        state.counters["shortPatterns1"] = run.outcome.best.counts.shortPatterns;
        report(state, model.proposalOf(model.standardChoice()).counts, run);
    }
}
BENCHMARK(BM_ProposalWard30x40Within10s)->Unit(benchmark::kSecond)->Iterations(1);

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
