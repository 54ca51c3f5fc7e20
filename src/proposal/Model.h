#pragma once

#include "proposal/Instance.h"

#include <QList>

// The proposal as a mixed-integer model in plain data: one binary variable per option of each
// free employee-day, auxiliary variables that count the findings, short and over person-hours
// and premiums, linear rows, and an objective of stages minimised one after the other (a later
// stage counts only among solutions equal in the earlier ones). A solver reads it; this file
// also evaluates any choice of options without one, which is how the first proposal (the
// standard week) and every solution a solver reports are counted.
namespace proposal {

enum class VariableKind {
    Binary,
    Integer,
    Continuous,
};

struct Variable {
    VariableKind kind = VariableKind::Continuous;
    double lower = 0;
    double upper = 1;
};

struct Term {
    int variable = 0;
    double coefficient = 0;
};

enum class Sense {
    AtMost,
    AtLeast,
    Exactly,
};

// terms · x (sense) rhs; each variable at most once.
struct Row {
    QList<Term> terms;
    Sense sense = Sense::AtLeast;
    double rhs = 0;
};

// What a stage minimises: the aims in the order they count.
enum class Measure {
    Findings, // "週休日なし", "連続勤務" and "勤務間インターバル不足"
    ShortHours, // short person-hours against the targets
    UnhonouredWishes, // "出勤希望" days off
    OverHours, // over person-hours against the targets
    ChangedDays, // free days that differ from the standard week
    Cost, // pay by the day pay rule with the night, overtime and 60-hour premiums, in yen
};

// constant + terms · x. Every solution has a value of at least bound; integral stages take
// whole values at every solution.
struct Stage {
    Measure measure = Measure::Findings;
    QList<Term> terms;
    double constant = 0;
    double bound = 0;
    bool integral = true;
};

// A free employee-day: its options are the variables firstVariable to firstVariable + options − 1;
// standard is the option equal to the standard week's entry, −1 when none is.
struct FreeDay {
    int employee = 0;
    int day = 0;
    int firstVariable = 0;
    int options = 0;
    int standard = -1;
};

// The measures of one proposal over the whole period, fixed days included.
struct Counts {
    int findings = 0;
    int shortHours = 0;
    int unhonouredWishes = 0;
    int overHours = 0;
    int changedDays = 0;
    double cost = 0; // unrounded: the premiums are fractions of a yen until the caller rounds them

    bool operator==(const Counts&) const = default;
};

// The option each employee takes on each day of the instance (a fixed day's is 0), and its
// counts as the model sees them.
struct Proposal {
    QList<QList<int>> options; // [employee][day]
    Counts counts;
};

// The option of each free day, in the order of Model::freeDays.
using Choice = QList<int>;

struct Model {
    QList<Variable> variables;
    QList<Row> rows;
    QList<Stage> stages; // aims 1 to 5 in their order
    QList<FreeDay> freeDays;
    int employees = 0;
    int days = 0;

    // Every free day its standard option (the first option where none is standard): the
    // schedule as it stands, always a solution.
    Choice standardChoice() const;
    // The option variables' values of a choice, and the auxiliary variables at the least values
    // their rows allow, which are what they count.
    QList<double> complete(const Choice& choice) const;
    // The option of each free day in a solution: its variable with the largest value.
    Choice choiceOf(const QList<double>& values) const;
    // A stage's value in a solution.
    double valueOf(const Stage& stage, const QList<double>& values) const;
    // Every row holds within tolerance, every variable within its bounds and integral if it must.
    bool satisfies(const QList<double>& values) const;
    // The options and counts of a choice.
    Proposal proposalOf(const Choice& choice) const;
};

// The model of an instance.
Model buildModel(const Instance& instance);

// True when a is better than b: lower in the first stage where they differ.
bool better(const Model& model, const Counts& a, const Counts& b);

} // namespace proposal
