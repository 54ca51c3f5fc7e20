// The proposal of a ward in its shift patterns: what each free day may take, every rule of the
// labour check as a limit of the instance (a schedule that breaks a rule breaks it in the model
// as in the labour check), and a solved ward whose schedule the labour check and the shortage
// count as the summary says.
#include "changes/ChangesTestData.h"
#include "labour/LabourRules.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"
#include "proposal/Model.h"
#include "proposal/ProposalData.h"
#include "solver/Solver.h"

#include <functional>

#include <gtest/gtest.h>

using daychanges::PeriodChoice;

namespace {

// The period runs from 1 May to 9 June 2026; from Wednesday 3 June the days are free.
const QDate kToday(2026, 6, 2);
const QDate kFirstFree(2026, 6, 3);
constexpr int kFreeDays = 7;

// Three nurses on weekdays 9:00–17:30 (a shift no pattern names), the ward's patterns 日, 遅,
// 夜 → 明 and 明, each nurse "シフト制" and a 看護師.
struct Ward : PeriodData {
    Ward()
        : PeriodData(QDate(2026, 5, 1), { employee("青木"), employee("伊藤"), employee("上野") })
    {
        data.shiftPatterns.patterns = patterns::starterSet(patterns::Starter::Ward);
        for (const QString name : { "青木", "伊藤", "上野" })
            data.shiftPatterns.staff << patterns::StaffLine { name, {}, { "看護師" }, {}, true, false };
    }
    patterns::StaffLine& line(int e) { return data.shiftPatterns.staff[e]; }
    labour::PersonRules& rules(int e) { return line(e).rules; }
};

proposal::Instance instanceOf(const TFormData& data)
{
    return proposal::instanceOf(data, PeriodChoice::Registered, kToday, proposal::Aim::FewerChanges);
}

// An option as the roster writes it: its pattern's code, "休" for the plain day off, "標準" for
// a shift that no pattern names.
QString codeOf(const proposal::Instance& in, const proposal::Option& option)
{
    if (option.pattern < 0)
        return "休";
    const QString code = in.patterns[option.pattern].code;
    return code.isEmpty() ? "標準" : code;
}

QStringList codesOn(const proposal::Instance& in, int employee, QDate date)
{
    QStringList codes;
    for (const proposal::Option& option : in.employees[employee].days[in.first.daysTo(date)].options)
        codes << codeOf(in, option);
    return codes;
}

int findingsOf(const TFormData& data, labour::FindingKind kind)
{
    const daychanges::EffectiveSchedule schedule(data);
    int n = 0;
    for (int row = 0; row < schedule.employees(); ++row)
        for (const labour::Finding& f : labour::checkEmployee(schedule, row, labour::rulesOf(data)).findings)
            n += f.kind == kind ? 1 : 0;
    return n;
}

struct Assigned {
    int employee = 0;
    int day = 0; // from the first free day
    QString code;
};

// Every free day off but the assigned ones; false when an assigned code is no option.
bool choose(const proposal::Instance& in, const proposal::Model& model, const QList<Assigned>& assigned,
    proposal::Choice& choice)
{
    choice = proposal::Choice(model.freeDays.size(), 0);
    for (const Assigned& a : assigned) {
        const int d = int(in.first.daysTo(kFirstFree)) + a.day;
        const auto free = std::find_if(model.freeDays.cbegin(), model.freeDays.cend(),
            [&](const proposal::FreeDay& f) { return f.employee == a.employee && f.day == d; });
        const QStringList codes = codesOn(in, a.employee, in.date(d));
        if (free == model.freeDays.cend() || !codes.contains(a.code))
            return false;
        choice[free - model.freeDays.cbegin()] = int(codes.indexOf(a.code));
    }
    return true;
}

} // namespace

TEST(WardProposal, EachFreeDayTakesOffOrAPatternThePersonMayWork)
{
    Ward ward;
    ward.line(1).shiftWork = false; // 伊藤 "固定"
    ward.line(2).shiftWork = false;
    ward.line(2).codes = QStringList { "日" };
    ward.line(2).uncounted = true;
    const QDate wednesday = kFirstFree;
    const QDate saturday = kFirstFree.addDays(3);
    const proposal::Instance in = instanceOf(ward.data);
    const struct {
        int employee;
        QDate date;
        QStringList codes;
    } cases[] = {
        { 0, saturday, { "休", "日", "遅", "夜", "明" } }, // シフト制: any day
        { 1, wednesday, { "休", "日", "遅", "夜", "標準", "明" } },
        { 1, saturday, { "休", "明" } }, // 固定: no shift on a day off of the standard week
        { 2, wednesday, { "休", "日", "標準", "明" } }, // only 日, and the standard day as it is
    };
    for (const auto& c : cases)
        EXPECT_EQ(codesOn(in, c.employee, c.date), c.codes) << c.employee << c.date.toString().toStdString();
    EXPECT_TRUE(in.employees[0].counted);
    EXPECT_FALSE(in.employees[2].counted) << "人数に数えない";
    EXPECT_EQ(in.tags, QStringList { "看護師" });
    EXPECT_EQ(in.employees[0].tags, QList<int> { 0 });

    // No night before a wished day off (its 明け would fall on it); the published days stay.
    ward.data.staffRequests.set("青木", saturday, { requests::Kind::DayOff, QString() });
    ward.data.publishedUntil = wednesday;
    const proposal::Instance held = instanceOf(ward.data);
    EXPECT_EQ(codesOn(held, 0, saturday.addDays(-1)), QStringList({ "休", "日", "遅", "標準", "明" }));
    EXPECT_FALSE(held.employees[0].days[held.first.daysTo(saturday)].free);
    for (int e = 0; e < 3; ++e)
        EXPECT_FALSE(held.employees[e].days[held.first.daysTo(wednesday)].free) << "published";
    EXPECT_TRUE(held.employees[0].days[held.first.daysTo(wednesday.addDays(1))].free);
    EXPECT_EQ(proposal::faultOf(ward.data, PeriodChoice::Registered, kToday, { { "青木", wednesday, dayOff("公休") } }),
        "確定日までの日付");
}

// Each rule, once: a schedule that breaks it breaks it in the model (hard, or a finding for the
// floors) as the labour check finds it; a rule of one day takes the shift out of the options,
// where the labour check would find it.
TEST(WardProposal, EveryRuleOfTheLabourCheckIsALimitOfTheInstance)
{
    using labour::FindingKind;
    using Setup = std::function<void(Ward&)>;
    const struct {
        const char* rule;
        Setup setup;
        QList<Assigned> breaking;
        FindingKind kind;
        bool soft = false;
    } cases[] = {
        { "a minor at night", [](Ward& w) { w.rules(1).birthDate = QDate(2010, 1, 1); }, { { 1, 1, "夜" } },
            FindingKind::MinorNight },
        { "a minor's 40 hours", [](Ward& w) { w.rules(1).birthDate = QDate(2010, 1, 1); },
            { { 1, 0, "日" }, { 1, 1, "日" }, { 1, 2, "日" }, { 1, 3, "日" } }, FindingKind::MinorOvertime },
        { "a student's 28 hours",
            [](Ward& w) {
                // Off around the free days, so that the 7 days before and after them keep to 28 hours.
                w.rules(0).student = true;
                for (int d = -12; d < 14; ++d)
                    if (d < 0 || d >= kFreeDays)
                        w.data.dayChanges.set("青木", kFirstFree.addDays(d), dayOff("公休"));
            },
            { { 0, 0, "日" }, { 0, 1, "日" }, { 0, 2, "日" }, { 0, 5, "日" } }, FindingKind::StudentHours },
        { "a student's vacation day",
            [](Ward& w) {
                w.rules(0).student = true;
                w.rules(0).vacations = { { kFirstFree, kFirstFree.addDays(1) } };
            },
            { { 0, 1, "夜" } }, FindingKind::StudentVacationDay },
        { "no night on request", [](Ward& w) { w.rules(2).expectant.noNight = true; }, { { 2, 1, "夜" } },
            FindingKind::RequestNight },
        { "no overtime on request: the day", [](Ward& w) { w.rules(2).care.noOvertime = true; }, { { 2, 1, "夜" } },
            FindingKind::RequestOvertime },
        { "no overtime on request: the week", [](Ward& w) { w.rules(2).expectant.noOvertime = true; },
            { { 2, 0, "日" }, { 2, 1, "日" }, { 2, 2, "日" }, { 2, 3, "日" } }, FindingKind::RequestOvertime },
        { "a forbidden succession",
            [](Ward& w) {
                w.data.shiftPatterns.sequence.forbidden = { { "遅", "日" } };
            },
            { { 0, 1, "遅" }, { 0, 2, "日" } }, FindingKind::ForbiddenSequence },
        { "the most days in a row of a pattern",
            [](Ward& w) {
                w.data.shiftPatterns.sequence.runLimits = { { "日", 2 } };
            },
            { { 0, 0, "日" }, { 0, 1, "日" }, { 0, 2, "日" } }, FindingKind::CodeRun },
        { "the day a night asks for", [](Ward&) {}, { { 0, 1, "夜" } }, FindingKind::NoFollowOn },
        { "a day off after 明け", [](Ward& w) { w.data.shiftPatterns.sequence.offAfterAke = true; },
            { { 0, 1, "夜" }, { 0, 2, "明" }, { 0, 3, "日" } }, FindingKind::NoDayOffAfterAke },
        { "the most nights", [](Ward& w) { w.rules(0).maxNights = 1; },
            { { 0, 0, "夜" }, { 0, 1, "明" }, { 0, 3, "夜" }, { 0, 4, "明" } }, FindingKind::Nights },
        { "the most weekends", [](Ward& w) { w.rules(0).maxWeekends = 0; }, { { 0, 4, "日" } }, FindingKind::Weekends },
        { "the most hours", [](Ward& w) { w.rules(0).maxHours = 200; },
            { { 0, 0, "日" }, { 0, 1, "日" }, { 0, 2, "日" }, { 0, 5, "日" } }, FindingKind::Hours },
        { "the days in a row of the settings", [](Ward&) {},
            { { 0, 0, "日" }, { 0, 1, "日" }, { 0, 2, "日" }, { 0, 3, "日" }, { 0, 4, "日" } },
            FindingKind::DaysInARow },
        { "the rest of the settings", [](Ward& w) { w.data.labourSettings.set(labour::Key::RestHours, 13); },
            { { 0, 1, "遅" }, { 0, 2, "日" } }, FindingKind::ShortRest },
        { "the least hours", [](Ward& w) { w.rules(0).minHours = 200; }, {}, FindingKind::Hours, true },
        { "the least run", [](Ward& w) { w.rules(0).minRun = 3; }, { { 0, 3, "日" } }, FindingKind::ShortRun, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Ward ward;
        const proposal::Instance plain = instanceOf(ward.data);
        c.setup(ward);
        const proposal::Instance in = instanceOf(ward.data);
        const proposal::Model model = proposal::buildModel(in);
        proposal::Choice choice;
        if (!choose(in, model, c.breaking, choice)) {
            // A rule of one day: the shift is an option without it, and the labour check finds it.
            const Assigned& a = c.breaking.value(0);
            EXPECT_TRUE(codesOn(plain, a.employee, kFirstFree.addDays(a.day)).contains(a.code));
            TFormData broken = ward.data;
            const patterns::ShiftPatterns& set = broken.shiftPatterns;
            DayEntry entry = patterns::entryOf(set.patterns[set.indexOf(a.code)]);
            entry.changed = true;
            broken.dayChanges.set(ward.data.StringGrid1.cell(0, a.employee), kFirstFree.addDays(a.day), entry);
            EXPECT_GT(findingsOf(broken, c.kind), 0);
            continue;
        }
        proposal::Choice allOff;
        ASSERT_TRUE(choose(in, model, {}, allOff));
        const proposal::Counts base = model.proposalOf(allOff).counts;
        const proposal::Proposal breaking = model.proposalOf(choice);
        const QList<DayChange> offChanges
            = proposal::changesOf(ward.data, PeriodChoice::Registered, in, model.proposalOf(allOff).options);
        const QList<DayChange> changes = proposal::changesOf(ward.data, PeriodChoice::Registered, in, breaking.options);
        ASSERT_EQ(proposal::faultOf(ward.data, PeriodChoice::Registered, kToday, changes), QString());
        const int before = findingsOf(withChanges(ward.data, offChanges), c.kind);
        if (c.breaking.isEmpty()) { // a floor that every day off leaves unmet
            EXPECT_GT(before, 0);
            EXPECT_GT(base.findings, 0);
            EXPECT_EQ(base.hard, 0);
            continue;
        }
        EXPECT_GT(findingsOf(withChanges(ward.data, changes), c.kind), before);
        if (c.soft) {
            EXPECT_GT(breaking.counts.findings, base.findings);
            EXPECT_EQ(breaking.counts.hard, base.hard);
        } else {
            EXPECT_GT(breaking.counts.hard, base.hard);
        }
    }
}

// A ward that needs a nurse around the clock on the free days, under the nursing guideline (rest
// 11 hours, 5 days in a row, 夜 then 明 then a day off, 4 nights each): the best roster covers
// every hour, breaks no rule, and the labour check and the shortage count over it what the
// summary says.
TEST(WardProposal, TheSolvedWardKeepsEveryRuleAndTheReportsAgreeWithTheSummary)
{
    Ward ward;
    QList<labour::PersonRules> nurses { ward.rules(0), ward.rules(1), ward.rules(2) };
    labour::applyWardGuideline(ward.data.labourSettings, ward.data.shiftPatterns.sequence, nurses);
    for (int e = 0; e < 3; ++e)
        ward.rules(e) = nurses[e];
    targets::TargetRow allDay;
    for (int hour = 0; hour < 24; ++hour)
        allDay[hour] = { 1, -1 };
    for (int d = 0; d < kFreeDays; ++d)
        ward.data.staffTargets.dates.insert(kFirstFree.addDays(d), allDay);
    const proposal::Instance in = instanceOf(ward.data);
    const proposal::Model model = proposal::buildModel(in);
    solver::Options options;
    options.seconds = 20;
    const solver::Outcome outcome = solver::solve(model, options);
    const QList<DayChange> changes = proposal::changesOf(ward.data, PeriodChoice::Registered, in, outcome.best.options);
    ASSERT_EQ(proposal::faultOf(ward.data, PeriodChoice::Registered, kToday, changes), QString());
    const TFormData after = withChanges(ward.data, changes);
    const proposal::Figures figures = proposal::figuresOf(after, PeriodChoice::Registered);
    EXPECT_EQ(outcome.best.counts.hard, 0);
    EXPECT_EQ(figures.findings, outcome.best.counts.findings);
    EXPECT_EQ(figures.shortHours, outcome.best.counts.shortHours);
    EXPECT_EQ(figures.overHours, outcome.best.counts.overHours);
    // No night could cover the small hours of the first free day (the fixed Tuesday holds none).
    EXPECT_GE(figures.shortHours, 8);
    const QString summary = proposal::summaryLine(proposal::figuresOf(ward.data, PeriodChoice::Registered), figures,
        int(changes.size()), solver::proofOf(outcome));
    EXPECT_EQ(summary.contains("（最適）"), outcome.optimal) << summary.toStdString();
}
