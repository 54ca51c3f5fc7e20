#pragma once

#include "proposal/Model.h"

#include <atomic>
#include <functional>

// Solves a proposal's model with COIN-OR CBC, stage after stage: each stage minimises its
// measure among the solutions that keep every earlier stage at the value the best solution
// reached (its optimum when the stage proved it), starting from that solution. The standard
// week is the first proposal; every better one found is told at once. Only this library links
// CBC.
//
// For the same model the answer is the same every time as long as the clock stops no stage:
// CBC runs in one thread with fixed seeds, and each stage ends when it is proven optimal or
// after a fixed number of branch-and-bound nodes, whatever the machine's speed. The time limit
// is the user's cap over all stages (each stage may take half the time left, the last all of
// it); a stage it cuts short ends with the best solution found so far, which may then differ
// from run to run, and the outcome says so.
namespace solver {

constexpr int kMinimumSeconds = 5;
constexpr int kMaximumSeconds = 120;
constexpr int kDefaultSeconds = 10;
// The branch-and-bound nodes a stage may take before it settles for its best solution: 30
// employees over 40 days then end within the default time limit on two cores.
constexpr int kNodesPerStage = 100;

struct Options {
    int seconds = kDefaultSeconds; // the cap on the whole solve, taken within 5 to 120
    int nodesPerStage = kNodesPerStage;
    // Set from any thread, it stops the solve at the next chance, keeping the best proposal.
    const std::atomic<bool>* cancel = nullptr;
    // Called in the solving thread with every proposal better than the one before and the
    // milliseconds since the start.
    std::function<void(const proposal::Proposal& best, qint64 elapsedMs)> better;
    // Milliseconds since the start; a steady clock unless a test gives one.
    std::function<qint64()> elapsed;
};

enum class Stop {
    Finished, // every stage proven optimal or at its node limit: the same answer every time
    TimeLimit, // the clock cut a stage short
    Cancelled,
};

struct Outcome {
    proposal::Proposal best;
    int proposals = 0; // the better proposals reported, the standard week first
    int optimalStages = 0; // the stages from the first proven optimal, before one that is not
    bool optimal = false; // every stage proven optimal
    Stop stop = Stop::Finished;
    qint64 elapsedMs = 0;
};

// Solves the model within the options' limits. Never fails: without any better solution the
// standard week is the answer.
Outcome solve(const proposal::Model& model, const Options& options = {});

} // namespace solver
