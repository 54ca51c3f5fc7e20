#include "solver/Solver.h"
#include "ProposalCases.h"
#include "solver/ProposalWorker.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace proposaltest;
using proposal::Counts;
using proposal::Model;

namespace {

// A clock the test moves: milliseconds since the start.
struct TestClock {
    qint64 now = 0;
    std::function<qint64()> function()
    {
        return [this] { return now; };
    }
};

} // namespace

// CBC finds each hand-worked best, proves it optimal, and tells proposals that get better
// each time, the standard week first.
TEST(ProposalSolver, FindsTheHandWorkedBestForEachAim)
{
    for (const Case& c : handWorkedCases()) {
        const Instance in = c.make();
        const Model model = buildModel(in);
        QList<Counts> told;
        solver::Options options;
        options.better = [&](const proposal::Proposal& best, qint64) { told.append(best.counts); };
        const solver::Outcome outcome = solver::solve(model, options);

        EXPECT_EQ(outcome.stop, solver::Stop::Finished) << c.name;
        EXPECT_TRUE(outcome.optimal) << c.name;
        EXPECT_EQ(outcome.best.options, model.proposalOf(choiceWith(model, in, c.best)).options) << c.name;
        EXPECT_EQ(outcome.best.counts.changedDays, c.expected.changedDays) << c.name;
        EXPECT_NEAR(outcome.best.counts.cost, c.expected.cost, 1e-6) << c.name;
        ASSERT_FALSE(told.isEmpty()) << c.name;
        EXPECT_EQ(told.size(), outcome.proposals) << c.name;
        EXPECT_EQ(told.first(), model.proposalOf(model.standardChoice()).counts) << c.name;
        EXPECT_EQ(told.last(), outcome.best.counts) << c.name;
        for (int i = 1; i < told.size(); ++i)
            EXPECT_TRUE(better(model, told[i], told[i - 1])) << c.name << " proposal " << i;
    }

    // Nothing free: the schedule as it stands.
    Instance fixed = smallShop();
    for (proposal::Employee& employee : fixed.employees) {
        for (proposal::Day& day : employee.days)
            day = { { day.options.value(std::max(day.standard, 0)) }, false, -1 };
    }
    const Model none = buildModel(fixed);
    const solver::Outcome outcome = solver::solve(none);
    EXPECT_TRUE(outcome.optimal);
    EXPECT_EQ(outcome.proposals, 1);
    EXPECT_EQ(outcome.best.counts, none.proposalOf({}).counts);
}

// Cancelled as soon as the first better proposal is told, the solve stops there and keeps it;
// the clock past the limit does the same and says so. The limit is taken within 5 to 600
// seconds: 1 second gives 5.
TEST(ProposalSolver, CancelAndTheTimeLimitStopAndKeepTheBestFound)
{
    const Instance in = handWorkedCases()[1].make(); // needs two stages to improve
    const Model model = buildModel(in);
    for (const bool cancel : { true, false }) {
        std::atomic<bool> cancelled { false };
        TestClock clock;
        solver::Options options;
        options.seconds = 1;
        options.cancel = &cancelled;
        options.elapsed = clock.function();
        int told = 0;
        options.better = [&](const proposal::Proposal&, qint64) {
            if (++told == 1)
                clock.now = 4000; // within the 5 seconds
            else if (cancel)
                cancelled = true;
            else
                clock.now = 5000;
        };
        const solver::Outcome outcome = solver::solve(model, options);
        EXPECT_EQ(outcome.stop, cancel ? solver::Stop::Cancelled : solver::Stop::TimeLimit);
        EXPECT_FALSE(outcome.optimal);
        EXPECT_EQ(outcome.proposals, 2);
        EXPECT_EQ(told, 2);
        EXPECT_TRUE(better(model, outcome.best.counts, model.proposalOf(model.standardChoice()).counts));
        EXPECT_FALSE(outcome.best.counts == handWorkedCases()[1].expected) << "it went on";
    }
}

// The same model gives the same proposal, through the same proposals, every time.
TEST(ProposalSolver, TheSameModelGivesTheSameProposal)
{
    const Model model = buildModel(generatedShop(6, 14));
    QList<QList<Counts>> runs;
    QList<proposal::Proposal> answers;
    for (int run = 0; run < 2; ++run) {
        QList<Counts> told;
        solver::Options options;
        options.seconds = solver::kMaximumSeconds;
        options.better = [&](const proposal::Proposal& best, qint64) { told.append(best.counts); };
        const solver::Outcome outcome = solver::solve(model, options);
        ASSERT_EQ(outcome.stop, solver::Stop::Finished);
        runs.append(told);
        answers.append(outcome.best);
    }
    EXPECT_GT(runs[0].size(), 1);
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(answers[0].options, answers[1].options);
}

// The worker solves in a thread of its own: the window hears of every better proposal and of
// the outcome in its own thread; a start while it solves is refused; cancel stops it.
TEST(ProposalWorker, SolvesInItsOwnThreadAndTellsTheWindow)
{
    const Model small = buildModel(handWorkedCases()[0].make());
    ProposalWorker worker;
    QSignalSpy progress(&worker, &ProposalWorker::progress);
    QSignalSpy finished(&worker, &ProposalWorker::finished);
    ASSERT_TRUE(worker.start(small, solver::kDefaultSeconds));
    ASSERT_TRUE(finished.wait(10000));
    const auto outcome = finished.takeFirst().at(0).value<solver::Outcome>();
    EXPECT_EQ(outcome.best.counts, handWorkedCases()[0].expected);
    EXPECT_EQ(progress.size(), outcome.proposals);
    EXPECT_EQ(progress.last().at(1).value<proposal::Proposal>().counts, outcome.best.counts);

    const Model large = buildModel(generatedShop(30, 40));
    bool connected = false;
    QObject::connect(&worker, &ProposalWorker::progress, &worker, [&] {
        connected = true;
        worker.cancel();
    });
    ASSERT_TRUE(worker.start(large, solver::kMaximumSeconds));
    EXPECT_FALSE(worker.start(small, solver::kDefaultSeconds));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_TRUE(connected);
    EXPECT_EQ(finished.takeFirst().at(0).value<solver::Outcome>().stop, solver::Stop::Cancelled);
    EXPECT_FALSE(worker.isRunning());
}
