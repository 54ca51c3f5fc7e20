#pragma once

#include "proposal/ShiftBench.h"

// An independent plain model of a benchmark problem, written from the problem's own data with
// textbook rows (runs forbidden by their patterns of days) and solved by CBC's standard search in
// one go, as a yardstick for the engine: what a plain staged CBC model reaches in the same time.
struct PlainResult {
    int penalty = -1; // −1 when no roster was found
    int bound = 0;
};

// cpuTime: SECONDS of this process's CPU time rather than of the wall clock.
PlainResult solvePlain(const shiftbench::Problem& problem, int seconds, bool cpuTime);
