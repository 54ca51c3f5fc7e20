#pragma once

#include "proposal/ShiftBench.h"

#include <QStringList>

// A roster checked against a benchmark problem's own data, apart from the proposal's model: every
// hard rule of the problem and the penalty, so that what the engine claims is verified by code
// that shares nothing with it.
namespace shiftbench {

struct Verdict {
    QStringList breaches; // one line per breach of a hard rule, staff by staff
    int penalty = 0; // unmet requests and cover under and over, by their weights; 0 when the roster's shape is wrong
};

Verdict check(const Problem& problem, const Roster& roster);

} // namespace shiftbench
