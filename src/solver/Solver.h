#pragma once

#include "proposal/Model.h"
#include "proposal/ProposalData.h"

#include <atomic>
#include <functional>

// Solves a proposal's model with COIN-OR CBC, stage after stage: each stage minimises its
// measure among the solutions that keep every earlier stage at the value the best solution
// reached (its optimum when the stage proved it). The standard week is the first proposal;
// every better one found is told at once. Only this library links CBC.
//
// A stage alternates two kinds of work from the best solution so far, in rounds. Large
// neighbourhood search keeps most of the roster and re-solves the rest with CBC: a window of days
// for everyone, a set of people for every day, a block of both, or the days on two shift patterns;
// a few of them open each round, as they improve a first solution far faster than a search of
// the whole model. Then a search of the whole model, started from the best solution, either
// proves it optimal or ends after a number of branch-and-bound nodes that doubles each round,
// raising the stage's proven bound. Each aim is thus solved to proven optimality while the time
// allows; the time is shared so that a later aim is not starved (each stage may take a share of
// the time left that shrinks with the stages still to come, the last all of it, and what a stage
// leaves passes on).
//
// For the same model the answer is the same every time as long as the clock stops no stage:
// CBC runs in one thread with fixed seeds, and every piece of work ends by a count of nodes or
// of neighbourhoods, never by the clock, whatever the machine's speed. A stage the clock or a
// cancel cuts short ends with the best solution found so far and its proven bound.
namespace solver {

constexpr int kMinimumSeconds = 5;
constexpr int kMaximumSeconds = 600;
constexpr int kDefaultSeconds = 10;

struct Options {
    int seconds = kDefaultSeconds; // the cap on the whole solve, taken within 5 to 600
    // Set from any thread, it stops the solve at the next chance, keeping the best proposal.
    const std::atomic<bool>* cancel = nullptr;
    // Called in the solving thread with every proposal better than the one before and the
    // milliseconds since the start.
    std::function<void(const proposal::Proposal& best, qint64 elapsedMs)> better;
    // Milliseconds since the start; a steady clock unless a test gives one.
    std::function<qint64()> elapsed;
    // The limit counts this process's CPU time instead of the wall clock's: a benchmark on a
    // shared machine then measures the same work whatever else runs.
    bool cpuTime = false;
};

enum class Stop {
    Finished, // every stage proven optimal: the same answer every time
    TimeLimit, // the clock cut a stage short
    Cancelled,
};

// What became of one stage of the model: the best solution's value and the proven lower bound.
struct StageOutcome {
    proposal::AimStage measures;
    double value = 0;
    double bound = 0;
    bool optimal = false;
};

struct Outcome {
    proposal::Proposal best;
    int proposals = 0; // the better proposals reported, the standard week first
    int optimalStages = 0; // the stages from the first proven optimal, before one that is not
    bool optimal = false; // every stage proven optimal
    Stop stop = Stop::Finished;
    qint64 elapsedMs = 0;
    qint64 bestMs = 0; // when the best proposal was found
    QList<StageOutcome> stages; // one per stage of the model
};

// Solves the model within the options' limits. Never fails: without any better solution the
// standard week is the answer.
Outcome solve(const proposal::Model& model, const Options& options = {});

// What the summary line says of an outcome: every stage optimal, or the first one that is not.
proposal::Proof proofOf(const Outcome& outcome);

} // namespace solver
