#pragma once

#include "proposal/Instance.h"

#include <QHash>
#include <QList>
#include <array>

// The proposal as a mixed-integer model in plain data: one binary variable per option of each
// free employee-day, auxiliary variables that count the breaches of hard rules, the findings,
// short and over people, unhonoured requests, fairness and premiums, linear rows, and an
// objective of stages minimised one after the other (a later stage counts only among solutions
// equal in the earlier ones). A hard rule is a row whose breach is the first stage's measure: a
// free day can always be chosen, the solver drives the breaches to none, and a breach that fixed
// days force stays counted instead of making the model infeasible. A solver reads the model; this
// file also evaluates any choice of options without one, which is how the first proposal (the
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

// constant + terms · x: a measure, or an aim's weighted sum of measures. Every solution has a
// value of at least bound; integral ones take whole values at every solution.
struct Expression {
    QList<Term> terms;
    double constant = 0;
    double bound = 0;
    bool integral = true;
};

// What a stage minimises, among the solutions that keep every earlier stage at its best: the
// first stage is the breaches of the hard rules, then each aim of the instance in its order.
struct Stage : Expression {
    AimStage measures;
};

// A free employee-day: its options are the variables firstVariable to firstVariable + options − 1;
// standard is the option equal to the standard week's entry, −1 when none is; patterns holds
// each option's pattern (−1 for none).
struct FreeDay {
    int employee = 0;
    int day = 0;
    int firstVariable = 0;
    int options = 0;
    int standard = -1;
    QList<int> patterns;
};

// The runs of one person's days, off and not off, over the days first to first + days − 1 as a
// path through a network: an arc for each run that the person's hard run rules allow (a run that
// touches either end may be shorter, as the days beyond are not seen). Its rows hold whenever no
// hard rule is broken and tighten what the windows of days say one by one. arcs maps a pair of
// nodes (see Model.cpp) to the arc's variable.
struct RunFlow {
    int first = 0;
    int days = 0;
    QList<Expression> busy; // each day's "not off", as the options say
    QHash<qint64, int> arcs;
};

// The measures of one proposal over the whole period, fixed days included: those of the labour
// settings, the hourly targets and the wishes to work first, then those of rules and patterns.
struct Counts {
    int findings = 0;
    int shortHours = 0;
    int unhonouredWishes = 0; // the weighted requests
    int overHours = 0;
    int changedDays = 0;
    double cost = 0; // unrounded: the premiums are fractions of a yen until the caller rounds them
    double hard = 0;
    int shortPatterns = 0;
    int overPatterns = 0;
    double nightFairness = 0;
    double weekendFairness = 0;

    bool operator==(const Counts&) const = default;
};

double measureOf(const Counts& counts, Measure measure);
// An aim's value: its weighted sum of measures.
double valueOf(const Counts& counts, const AimStage& aim);

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
    QList<Row> tightening; // rows that hold at every solution that breaks no hard rule
    QList<RunFlow> flows;
    std::array<Expression, kMeasures> measures; // by Measure; a measure no aim weighs stays empty
    QList<Stage> stages;
    QList<FreeDay> freeDays;
    int employees = 0;
    int days = 0;

    // Every free day its standard option (the first option where none is standard): the
    // schedule as it stands, always a solution (one that may breach hard rules).
    Choice standardChoice() const;
    // The option variables' values of a choice, the auxiliary variables at the least values
    // their rows allow, which are what they count, and the runs' paths.
    QList<double> complete(const Choice& choice) const;
    // The option of each free day in a solution: its variable with the largest value.
    Choice choiceOf(const QList<double>& values) const;
    // A stage's or a measure's value in a solution.
    double valueOf(const Expression& expression, const QList<double>& values) const;
    // Every row holds within tolerance, every variable within its bounds and integral if it must;
    // the tightening rows too when no hard rule is broken.
    bool satisfies(const QList<double>& values) const;
    // The options and counts of a choice.
    Proposal proposalOf(const Choice& choice) const;
};

// The model of an instance.
Model buildModel(const Instance& instance);

// True when a is better than b: lower in the first stage where they differ.
bool better(const Model& model, const Counts& a, const Counts& b);

} // namespace proposal
