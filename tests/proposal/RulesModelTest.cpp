#include "proposal/Model.h"

#include <gtest/gtest.h>

#include <functional>

using namespace proposal;

namespace {

constexpr int kDays = 14;
// The letter of each option of a day, in the order of the options.
const QString kLetters = QStringLiteral("-DNEA");

// One person on 14 days from Monday 1 January 2024, every day free to be off, D (9:00–17:00),
// N (22:00–6:00), E (5:00–13:00), each 480 minutes, or A (明け); no labour setting checks; the
// one aim is the findings.
Instance ward(const std::function<void(PersonRules&)>& rules)
{
    Instance in;
    in.first = QDate(2024, 1, 1);
    in.days = kDays;
    in.periodDays = kDays;
    in.labour.runLimit = 0;
    in.labour.restHours = 0;
    in.targets = QList<DayTargets>(kDays);
    in.patterns = {
        { QStringLiteral("D"), daychanges::Shift { 9, 0, 17, 0, 480 }, 480, false },
        { QStringLiteral("N"), daychanges::Shift { 22, 0, 6, 0, 480 }, 480, true },
        { QStringLiteral("E"), daychanges::Shift { 5, 0, 13, 0, 480 }, 480, false },
        { QStringLiteral("A"), std::nullopt, 0, false },
    };
    QList<Option> options { offOption() };
    for (int p = 0; p < 3; ++p) {
        Option option = shiftOption(in.patterns[p].shift);
        option.pattern = p;
        options.append(option);
    }
    Option ake;
    ake.kind = DayKind::Ake;
    ake.pattern = 3;
    options.append(ake);
    Employee person;
    for (int d = 0; d < kDays; ++d)
        person.days.append({ options, true, 0 });
    rules(person.rules);
    in.employees = { person };
    in.aims = { { { Measure::Findings } } };
    return in;
}

// The counts of a roster written one letter a day, the days not written off.
Counts countsOf(const Model& model, const QString& roster)
{
    Choice choice;
    for (const FreeDay& free : model.freeDays)
        choice.append(
            std::max<int>(0, kLetters.indexOf(free.day < roster.size() ? roster[free.day] : QLatin1Char('-'))));
    return model.proposalOf(choice).counts;
}

} // namespace

// Each rule of a person, at its boundary and one beyond: a hard rule's breach counts by how much
// the rule is passed (days, minutes, windows), a soft one as one finding. Days 5 and 6, 12 and 13
// are the weekends.
TEST(ProposalRules, EachRuleHoldsToItsBoundary)
{
    const auto n = [](std::initializer_list<int> patterns) { return QList<int>(patterns); };
    const struct {
        const char* what;
        std::function<void(PersonRules&)> rules;
        const char* roster;
        double hard;
        int findings = 0;
    } cases[] = {
        { "no succession",
            [](PersonRules& r) {
                r.successions = { { 1, 0 } };
            },
            "N-D", 0 },
        { "N then D",
            [](PersonRules& r) {
                r.successions = { { 1, 0 } };
            },
            "ND", 1 },
        { "N then D, soft",
            [](PersonRules& r) {
                r.successions = { { 1, 0, false } };
            },
            "ND", 0, 1 },
        { "N followed by A",
            [](PersonRules& r) {
                r.followOns = { { 1, 3 } };
            },
            "NA", 0 },
        { "N not followed by A",
            [](PersonRules& r) {
                r.followOns = { { 1, 3 } };
            },
            "N-", 1 },
        { "A without N",
            [](PersonRules& r) {
                r.followOns = { { 1, 3 } };
            },
            "-A", 1 },
        { "N on the last day",
            [](PersonRules& r) {
                r.followOns = { { 1, 3 } };
            },
            "-------------N", 0 },
        { "N asks for a day off",
            [](PersonRules& r) {
                r.followOns = { { 1, -1 } };
            },
            "ND", 1 },
        { "two N in a row",
            [&](PersonRules& r) {
                r.patternRuns = { { n({ 1 }), 2 } };
            },
            "NND", 0 },
        { "three N in a row",
            [&](PersonRules& r) {
                r.patternRuns = { { n({ 1 }), 2 } };
            },
            "NNN", 1 },
        { "three days in a row", [](PersonRules& r) { r.workingRun = Most { 3 }; }, "DDD-DDD", 0 },
        { "four days in a row", [](PersonRules& r) { r.workingRun = Most { 3 }; }, "DDDD", 1 },
        { "five days in a row", [](PersonRules& r) { r.workingRun = Most { 3 }; }, "DDDDD", 2 },
        { "A counts in a run", [](PersonRules& r) { r.workingRun = Most { 3 }; }, "DNA-", 0 },
        { "A counts in a run, beyond", [](PersonRules& r) { r.workingRun = Most { 3 }; }, "DDNA", 1 },
        { "four days in a row, soft",
            [](PersonRules& r) {
                r.workingRun = Most { 3, false };
            },
            "DDDD", 0, 1 },
        { "a run of one", [](PersonRules& r) { r.leastWorkingRun = RunFloor { 2 }; }, "-D", 1 },
        { "a run of two", [](PersonRules& r) { r.leastWorkingRun = RunFloor { 2 }; }, "-DD", 0 },
        { "a run of one at the start", [](PersonRules& r) { r.leastWorkingRun = RunFloor { 2 }; }, "D", 0 },
        { "a run of one at the end", [](PersonRules& r) { r.leastWorkingRun = RunFloor { 2 }; }, "-------------D", 0 },
        { "a run of one at the start, edges count",
            [](PersonRules& r) {
                r.leastWorkingRun = RunFloor { 2, true };
            },
            "D", 1 },
        { "one day off between", [](PersonRules& r) { r.leastOffRun = RunFloor { 2 }; }, "DD-DD", 1 },
        { "two days off between", [](PersonRules& r) { r.leastOffRun = RunFloor { 2 }; }, "DD--DD", 0 },
        { "A is no day off", [](PersonRules& r) { r.leastOffRun = RunFloor { 2 }; }, "NA-D", 1 },
        { "the least minutes", [](PersonRules& r) { r.leastMinutes = Least { 960 }; }, "DD", 0 },
        { "below the least minutes", [](PersonRules& r) { r.leastMinutes = Least { 960 }; }, "D", 480 },
        { "the most minutes", [](PersonRules& r) { r.mostMinutes = Most { 960 }; }, "DNA", 0 },
        { "beyond the most minutes", [](PersonRules& r) { r.mostMinutes = Most { 960 }; }, "DDD", 480 },
        { "one N",
            [&](PersonRules& r) {
                r.patternCounts = { { n({ 1 }), 1 } };
            },
            "N-D", 0 },
        { "two N",
            [&](PersonRules& r) {
                r.patternCounts = { { n({ 1 }), 1 } };
            },
            "N-N", 1 },
        { "two of N and E",
            [&](PersonRules& r) {
                r.patternCounts = { { n({ 1, 2 }), 1 } };
            },
            "N-E", 1 },
        { "one weekend, both days", [](PersonRules& r) { r.weekends = Most { 1 }; }, "-----DD", 0 },
        { "two weekends", [](PersonRules& r) { r.weekends = Most { 1 }; }, "------D-----D", 1 },
        { "two weekends, one by A", [](PersonRules& r) { r.weekends = Most { 1 }; }, "-----A------D", 1 },
        { "a week's minutes",
            [](PersonRules& r) {
                r.minutesWindows = { { 0, 7, 1440 } };
            },
            "DDD----D", 0 },
        { "beyond a week's minutes",
            [](PersonRules& r) {
                r.minutesWindows = { { 0, 7, 1440 } };
            },
            "DDD---D", 480 },
        { "a day's minutes",
            [](PersonRules& r) {
                r.minutesWindows = { { 3, 1, 0 } };
            },
            "---A", 0 },
        { "beyond a day's minutes",
            [](PersonRules& r) {
                r.minutesWindows = { { 3, 1, 0 } };
            },
            "---E", 480 },
        { "five days off in a week",
            [](PersonRules& r) {
                r.daysOff = { { 0, 7, 5 } };
            },
            "DA", 0 },
        { "six days off in a week",
            [](PersonRules& r) {
                r.daysOff = { { 0, 7, 5 } };
            },
            "D", 1 },
        { "four days off in a week",
            [](PersonRules& r) {
                r.daysOff = { { 0, 7, 5 } };
            },
            "DDD", 1 },
        { "rest of 3 hours", [](PersonRules& r) { r.rest = Least { 180 }; }, "ND", 0 },
        { "rest of 3 hours, one minute short", [](PersonRules& r) { r.rest = Least { 181 }; }, "ND", 1 },
        { "no overlap", [](PersonRules&) {}, "DE", 0 },
        { "N overlaps E", [](PersonRules&) {}, "NE", 1 },
    };
    for (const auto& c : cases) {
        const Model model = buildModel(ward(c.rules));
        const Counts counts = countsOf(model, QString::fromUtf8(c.roster));
        EXPECT_EQ(counts.hard, c.hard) << c.what;
        EXPECT_EQ(counts.findings, c.findings) << c.what;
    }
}
