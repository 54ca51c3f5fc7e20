#include "proposal/ShiftBench.h"
#include "proposal/Model.h"
#include "proposal/ShiftBenchCheck.h"

#include <gtest/gtest.h>

using shiftbench::Problem;
using shiftbench::Roster;

namespace {

// Seven days from a Monday, a day shift D and a late shift L that D may not follow, two staff.
const char* const kSmall = R"(# A comment, then a blank line

SECTION_HORIZON
# days
7

SECTION_SHIFTS
D,480,
L,600,D

SECTION_STAFF
A,D=5|L=1,3000,960,3,2,2,0
B,L=2,2400,0,4,1,1,2

SECTION_DAYS_OFF
A,2
B,0,1

SECTION_SHIFT_ON_REQUESTS
A,1,D,3
B,6,L,5

SECTION_SHIFT_OFF_REQUESTS
B,3,L,4

SECTION_COVER
0,D,2,100,1
3,L,1,50,2
5,D,0,1,7
)";

Problem small()
{
    const shiftbench::Read read = shiftbench::read(QString::fromUtf8(kSmall));
    EXPECT_EQ(read.error, QString());
    return read.problem.value_or(Problem {});
}

// What the engine's model counts for a roster of the problem's mapped instance: its hard
// breaches and its one aim, the penalty. None when the roster works a day the instance holds off.
struct ModelVerdict {
    bool breaks = false;
    double penalty = 0;
};

std::optional<ModelVerdict> modelVerdict(const Problem& p, const Roster& roster)
{
    const proposal::Instance instance = shiftbench::instanceOf(p);
    const proposal::Model model = proposal::buildModel(instance);
    proposal::Choice choice;
    for (const proposal::FreeDay& free : model.freeDays) {
        const QList<proposal::Option>& options = instance.employees[free.employee].days[free.day].options;
        const int shift = roster[free.employee][free.day];
        int o = 0;
        while (o < options.size() && options[o].pattern != shift)
            ++o;
        if (o == options.size())
            return std::nullopt;
        choice.append(o);
    }
    for (int e = 0; e < instance.employees.size(); ++e) {
        for (int d = 0; d < instance.days; ++d) {
            if (!instance.employees[e].days[d].free && roster[e][d] != -1)
                return std::nullopt;
        }
    }
    const proposal::Counts counts = model.proposalOf(choice).counts;
    return ModelVerdict { counts.hard > 0, proposal::valueOf(counts, instance.aims.value(0)) };
}

} // namespace

// Every section is read, comments and blank lines skipped; a shift a staff line does not name may
// be worked every day; successors may name a later shift.
TEST(ShiftBenchReader, ReadsEverySection)
{
    const Problem p = small();
    EXPECT_EQ(p.horizon, 7);
    ASSERT_EQ(p.shifts.size(), 2);
    EXPECT_EQ(p.shifts[0].id, QStringLiteral("D"));
    EXPECT_EQ(p.shifts[0].minutes, 480);
    EXPECT_TRUE(p.shifts[0].forbiddenNext.isEmpty());
    EXPECT_EQ(p.shifts[1].forbiddenNext, QList<int>({ 0 }));
    ASSERT_EQ(p.staff.size(), 2);
    const shiftbench::Staff& a = p.staff[0];
    EXPECT_EQ(a.maxShifts, QList<int>({ 5, 1 }));
    EXPECT_EQ(a.maxMinutes, 3000);
    EXPECT_EQ(a.minMinutes, 960);
    EXPECT_EQ(a.maxConsecutive, 3);
    EXPECT_EQ(a.minConsecutive, 2);
    EXPECT_EQ(a.minConsecutiveOff, 2);
    EXPECT_EQ(a.maxWeekends, 0);
    EXPECT_EQ(a.daysOff, QList<int>({ 2 }));
    EXPECT_EQ(p.staff[1].maxShifts, QList<int>({ 7, 2 }));
    EXPECT_EQ(p.staff[1].daysOff, QList<int>({ 0, 1 }));
    ASSERT_EQ(p.onRequests.size(), 2);
    EXPECT_EQ(p.onRequests[0].staff, 0);
    EXPECT_EQ(p.onRequests[0].day, 1);
    EXPECT_EQ(p.onRequests[0].shift, 0);
    EXPECT_EQ(p.onRequests[0].weight, 3);
    ASSERT_EQ(p.offRequests.size(), 1);
    EXPECT_EQ(p.offRequests[0].staff, 1);
    EXPECT_EQ(p.offRequests[0].shift, 1);
    ASSERT_EQ(p.cover.size(), 3);
    EXPECT_EQ(p.cover[1].day, 3);
    EXPECT_EQ(p.cover[1].shift, 1);
    EXPECT_EQ(p.cover[1].requirement, 1);
    EXPECT_EQ(p.cover[1].underWeight, 50);
    EXPECT_EQ(p.cover[1].overWeight, 2);
}

// A bad line is refused with its number and what is wrong; a fault of the whole file without a
// line of its own has no number.
TEST(ShiftBenchReader, RefusesABadLineWithItsNumber)
{
    const QString head = QStringLiteral("SECTION_HORIZON\n7\nSECTION_SHIFTS\nD,480,\nL,600,D\n");
    const QString staff = QStringLiteral("SECTION_STAFF\nA,D=5,3000,960,3,2,2,1\n");
    const struct {
        QString text;
        const char* error;
    } cases[] = {
        { QStringLiteral("7\n"), "line 1: a line before any section" },
        { QStringLiteral("SECTION_HORIZONS\n7\n"), "line 1: unknown section \"SECTION_HORIZONS\"" },
        { QStringLiteral("SECTION_HORIZON\n7\n8\n"), "line 3: SECTION_HORIZON holds one number only" },
        { QStringLiteral("SECTION_HORIZON\n0\n"), "line 2: the horizon must be at least one day" },
        { QStringLiteral("SECTION_HORIZON\nseven\n"),
            "line 2: the horizon \"seven\" is not a whole number of 0 or more" },
        { QStringLiteral("SECTION_HORIZON\n7\nSECTION_SHIFTS\nD,480\n"),
            "line 4: 2 fields where 3 are expected (ID, length in minutes, shifts that cannot follow)" },
        { head + QStringLiteral("D,300,\n"), "line 6: shift \"D\" is defined twice" },
        { head + QStringLiteral("N,0,\n"), "line 6: shift \"N\" lasts no minute" },
        { QStringLiteral("SECTION_HORIZON\n7\nSECTION_SHIFTS\nD,480,X\n") + staff, "line 4: unknown shift \"X\"" },
        { head + QStringLiteral("SECTION_STAFF\nA,N=5,3000,960,3,2,2,1\n"), "line 7: unknown shift \"N\"" },
        { head + QStringLiteral("SECTION_STAFF\nA,D5,3000,960,3,2,2,1\n"),
            "line 7: MaxShifts \"D5\" is not of the form shift=count" },
        { head + QStringLiteral("SECTION_STAFF\nA,D=5|D=4,3000,960,3,2,2,1\n"),
            "line 7: MaxShifts names shift \"D\" twice" },
        { head + QStringLiteral("SECTION_STAFF\nA,D=5,900,960,3,2,2,1\n"),
            "line 7: MinTotalMinutes 960 exceeds MaxTotalMinutes 900" },
        { head + QStringLiteral("SECTION_STAFF\nA,D=5,3000,960,3,4,2,1\n"),
            "line 7: MinConsecutiveShifts 4 exceeds MaxConsecutiveShifts 3" },
        { head + staff + QStringLiteral("A,D=5,3000,960,3,2,2,1\n"), "line 8: staff member \"A\" is defined twice" },
        { head + staff + QStringLiteral("SECTION_SHIFTS\nN,480,\n"), "line 9: a shift after SECTION_STAFF" },
        { head + staff + QStringLiteral("SECTION_DAYS_OFF\nZ,1\n"), "line 9: unknown staff member \"Z\"" },
        { head + staff + QStringLiteral("SECTION_DAYS_OFF\nA\n"),
            "line 9: a staff ID and at least one day are expected" },
        { head + staff + QStringLiteral("SECTION_DAYS_OFF\nA,7\n"), "line 9: day 7 lies beyond the horizon of 7 days" },
        { head + staff + QStringLiteral("SECTION_SHIFT_ON_REQUESTS\nA,1,D\n"),
            "line 9: 3 fields where 4 are expected (EmployeeID, Day, ShiftID, Weight)" },
        { head + staff + QStringLiteral("SECTION_SHIFT_OFF_REQUESTS\nA,1,D,-2\n"),
            "line 9: the weight \"-2\" is not a whole number of 0 or more" },
        { head + staff + QStringLiteral("SECTION_COVER\n0,D,1,100,1\n0,D,2,100,1\n"),
            "line 10: the cover of day 0 and shift \"D\" is given twice" },
        { QStringLiteral("SECTION_SHIFTS\nD,480,\n"), "SECTION_HORIZON is missing" },
        { QStringLiteral("SECTION_HORIZON\n7\n"), "no shift in SECTION_SHIFTS" },
        { head, "no staff in SECTION_STAFF" },
    };
    for (const auto& c : cases) {
        const shiftbench::Read read = shiftbench::read(c.text);
        EXPECT_FALSE(read.problem.has_value()) << c.error;
        EXPECT_EQ(read.error.toStdString(), c.error);
    }
}

// A roster that keeps every rule of the small problem: A works D on days 0 and 1, B L on day 3
// and D on days 5 and 6. Penalty: B's off request on day 3 (4), B's on request on day 6 (5), one
// D short on day 0 (100), one D over on day 5 (7).
TEST(ShiftBenchCheck, EachRuleBrokenOnceAndThePenaltyOfAKnownRoster)
{
    const Problem p = small();
    const Roster good { { 0, 0, -1, -1, -1, -1, -1 }, { -1, -1, -1, 1, -1, 0, 0 } };
    const shiftbench::Verdict verdict = shiftbench::check(p, good);
    EXPECT_EQ(verdict.breaches, QStringList());
    EXPECT_EQ(verdict.penalty, 4 + 5 + 100 + 7);

    const struct {
        QList<int> a;
        QList<int> b;
        const char* breach; // none: the roster keeps every rule
    } cases[] = {
        { { 0, 0, 0, -1, -1, -1, -1 }, good[1], "A: works on day 2, a day off" },
        { { -1, -1, -1, 1, 0, -1, -1 }, good[1], "A: L on day 3 is followed by D" },
        { { -1, -1, -1, 1, 1, -1, -1 }, good[1], "A: 2 shifts of L, more than 1" },
        { good[0], { -1, -1, 1, 1, 1, -1, -1 }, "B: 3 shifts of L, more than 2" },
        { { 0, -1, -1, -1, -1, -1, -1 }, good[1], "A: 480 minutes, outside 960 to 3000" },
        { good[0], { -1, -1, 0, 0, 0, 0, 0 }, "B: 5 shifts in a row from day 2, more than 4" },
        { { 0, 0, -1, -1, 0, -1, -1 }, good[1], "A: 1 shifts in a row from day 4, fewer than 2" },
        { { 0, 0, -1, 0, 0, -1, -1 }, good[1], "A: 1 days off in a row from day 2, fewer than 2" },
        // A short run that touches the first or last day does not count.
        { { 0, -1, -1, 0, 0, -1, -1 }, good[1], nullptr },
        { { -1, -1, -1, -1, 0, 0, -1 }, good[1], "A: 1 weekends worked, more than 0" },
    };
    for (const auto& c : cases) {
        const QStringList expected = c.breach ? QStringList { QString::fromUtf8(c.breach) } : QStringList();
        EXPECT_EQ(shiftbench::check(p, { c.a, c.b }).breaches, expected) << (c.breach ? c.breach : "none");
        // The mapped instance's model sees the same breach, for every roster it can hold.
        if (const std::optional<ModelVerdict> model = modelVerdict(p, { c.a, c.b }))
            EXPECT_EQ(model->breaks, c.breach != nullptr) << (c.breach ? c.breach : "none");
    }
    const std::optional<ModelVerdict> model = modelVerdict(p, good);
    ASSERT_TRUE(model.has_value());
    EXPECT_FALSE(model->breaks);
    EXPECT_EQ(model->penalty, verdict.penalty);
    EXPECT_EQ(shiftbench::rosterText(p, good), QStringLiteral("A,D,D,-,-,-,-,-\nB,-,-,-,L,-,D,D\n"));
    EXPECT_EQ(
        shiftbench::check(p, { good[0] }).breaches, QStringList({ QStringLiteral("1 roster lines for 2 staff") }));
}
