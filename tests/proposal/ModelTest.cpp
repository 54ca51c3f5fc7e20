#include "ProposalCases.h"

#include <gtest/gtest.h>

using namespace proposaltest;
using proposal::Choice;
using proposal::Counts;
using proposal::Model;

namespace {

std::string text(const Counts& c)
{
    return QStringLiteral("findings %1, short %2, wishes %3, over %4, changed %5, cost %6")
        .arg(c.findings)
        .arg(c.shortHours)
        .arg(c.unhonouredWishes)
        .arg(c.overHours)
        .arg(c.changedDays)
        .arg(c.cost, 0, 'f', 2)
        .toStdString();
}

void expectCounts(const Counts& actual, const Counts& expected, const std::string& where)
{
    EXPECT_EQ(text(actual), text(expected)) << where;
}

// Every choice of options of the model's free days.
void forEachChoice(const Model& model, const std::function<void(const Choice&)>& visit)
{
    Choice choice(model.freeDays.size(), 0);
    while (true) {
        visit(choice);
        int i = 0;
        while (i < choice.size() && ++choice[i] == model.freeDays[i].options)
            choice[i++] = 0;
        if (i == choice.size())
            return;
    }
}

} // namespace

// Without a solver: over every choice of the small shop's free days, the one that is best aim
// by aim is the hand-worked answer, and the auxiliary variables at the least values their rows
// allow satisfy every row.
TEST(ProposalModel, TheBestOfEveryChoiceIsTheHandWorkedAnswerForEachAim)
{
    for (const Case& c : handWorkedCases()) {
        const Instance in = c.make();
        const Model model = buildModel(in);
        ASSERT_EQ(model.freeDays.size(), 12) << c.name;
        expectCounts(model.proposalOf(model.standardChoice()).counts, c.standard, std::string(c.name) + ", standard");

        std::optional<proposal::Proposal> best;
        int ties = 0;
        bool rowsHold = true;
        forEachChoice(model, [&](const Choice& choice) {
            rowsHold = rowsHold && model.satisfies(model.complete(choice));
            const proposal::Proposal p = model.proposalOf(choice);
            if (!best || better(model, p.counts, best->counts)) {
                best = p;
                ties = 1;
            } else if (!better(model, best->counts, p.counts)) {
                ++ties;
            }
        });
        EXPECT_TRUE(rowsHold) << c.name;
        EXPECT_EQ(ties, 1) << c.name;
        expectCounts(best->counts, c.expected, c.name);
        EXPECT_EQ(best->options, model.proposalOf(choiceWith(model, in, c.best)).options) << c.name;
    }
}

// "週休日なし" once per week from the start weekday, the edge weeks with the standard week
// outside the period; "連続勤務" once per run, on the first period day it goes beyond the limit
// (a run may start before the period); "勤務間インターバル不足" when the rest after the day
// before, also the day before the period, is shorter than the setting (10:55 is, 11:00 is not).
TEST(ProposalModel, FindingsCountEachWeekRunAndShortRestOnce)
{
    const Shift early855 { 8, 55, 17, 0, 425 };
    proposal::LabourSettings labour;
    labour.runLimit = 3;
    // P works 9:00–17:00 Thursday to Saturday; Q has a late shift on Saturday, and the other
    // shifts on weekdays it does not work on; every period day is free.
    const Week p { { {}, {}, {}, kDay, kDay, kDay, {} } };
    const Week q { { {}, {}, {}, {}, {}, kLate, {} } };
    Instance in = shop(kSunday, 8, { { 1000, p }, { 1000, q } }, kSunday, labour);
    QList<proposal::Option> qOptions { proposal::offOption() };
    for (const Shift& s : { kLate, kEarly, kNight, kDay, early855 })
        qOptions.append(proposal::shiftOption(s));
    for (int d = in.periodStart; d < in.periodStart + in.periodDays; ++d)
        in.employees[1].days[d] = { qOptions, true, d == in.periodStart + 6 ? 1 : 0 };
    const Model model = buildModel(in);
    enum { Off, Late, Early, Night, Day, Early855 };

    const struct {
        const char* p; // Sunday 1 to Sunday 8 March, 1 = works
        QList<int> q; // Q's options from Sunday 1 March, off after
        int findings;
    } cases[] = {
        { "11111111", {}, 2 }, // the run from Thursday 26 February, once; the first week
        { "01111111", {}, 1 }, // the run from Monday, on Thursday
        { "01110111", {}, 0 },
        { "01111011", {}, 1 },
        { "10111100", {}, 2 }, // two runs
        { "00000000", { Early }, 1 }, // 8 hours after Saturday 28 February's late shift
        { "00000000", { Off, Late, Day }, 0 }, // 11:00
        { "00000000", { Off, Late, Early855 }, 1 }, // 10:55
        { "00000000", { Off, Night, Early }, 1 }, // the night shift ends at 6:00
        { "00000000", { Off, Night, Late }, 1 },
        { "00000000", { Off, Night, Night }, 0 },
        { "00000000", { Off, Early, Night }, 0 },
    };
    for (const auto& c : cases) {
        QList<Set> sets;
        for (int d = 0; d < 8; ++d) {
            sets.append({ 0, kSunday.addDays(d), c.p[d] == '1' ? 1 : 0 });
            sets.append({ 1, kSunday.addDays(d), d < c.q.size() ? c.q[d] : Off });
        }
        const Choice choice = choiceWith(model, in, sets);
        EXPECT_TRUE(model.satisfies(model.complete(choice))) << c.p;
        EXPECT_EQ(model.proposalOf(choice).counts.findings, c.findings) << c.p << " " << c.q.size();
    }

    // P working every day of the standard week: the week after the period's last day, Sunday,
    // is "週休日なし" when that Sunday works.
    const Week always { { kDay, kDay, kDay, kDay, kDay, kDay, kDay } };
    Instance weekly = shop(kSunday, 8, { { 1000, always } }, kSunday.addDays(7));
    const Model edge = buildModel(weekly);
    EXPECT_EQ(edge.proposalOf(choiceWith(edge, weekly, { { 0, kSunday.addDays(7), 1 } })).counts.findings, 3);
    EXPECT_EQ(edge.proposalOf(choiceWith(edge, weekly, { { 0, kSunday.addDays(7), 0 } })).counts.findings, 2);
}

// An employee counts in an hour when the shift covers 30 minutes of it or more; a shift that
// ends the next day counts in that date's morning, also the one of the day before the period.
TEST(ProposalModel, WhoCountsInAnHour)
{
    const struct {
        Shift shift;
        int shiftDay; // −1: the day before the period
        int day;
        int hour;
        bool counts;
    } cases[] = {
        { { 9, 0, 17, 30, 450 }, 0, 0, 8, false },
        { { 9, 0, 17, 30, 450 }, 0, 0, 9, true },
        { { 9, 0, 17, 30, 450 }, 0, 0, 17, true },
        { { 9, 0, 17, 30, 450 }, 0, 0, 18, false },
        { { 9, 40, 17, 20, 400 }, 0, 0, 9, false },
        { { 9, 40, 17, 20, 400 }, 0, 0, 10, true },
        { { 9, 40, 17, 20, 400 }, 0, 0, 17, false },
        { kNight, 0, 0, 21, false },
        { kNight, 0, 0, 22, true },
        { kNight, 0, 0, 23, true },
        { kNight, 0, 1, 0, true },
        { kNight, 0, 1, 5, true },
        { kNight, 0, 1, 6, false },
        { kNight, 0, 0, 0, false },
        { kNight, -1, 0, 0, true },
        { kNight, -1, 0, 5, true },
        { { 22, 0, 5, 20, 380 }, -1, 0, 4, true },
        { { 22, 0, 5, 20, 380 }, -1, 0, 5, false },
    };
    for (const auto& c : cases) {
        Instance in = shop(kSunday, 8, { { 1000, Week {} } }, kSunday.addDays(8));
        fix(in, 0, kSunday.addDays(c.shiftDay), proposal::shiftOption(c.shift));
        target(in, kSunday.addDays(c.day), c.hour, c.hour, 1);
        const Model model = buildModel(in);
        EXPECT_EQ(model.proposalOf(model.standardChoice()).counts.shortHours, c.counts ? 0 : 1)
            << c.shift.startHour << ":" << c.shift.startMinute << " on day " << c.shiftDay << ", hour " << c.hour
            << " of day " << c.day;
    }
}

// At 6,000 yen an hour a minute's premium is the rate in yen. X works 6:00–22:00 (900 minutes,
// 420 of them daily overtime, 480 towards the week) every day of the period from Thursday 23
// July 2026 to Monday 31 August; the four days before the period in its first week count
// towards the 40 hours. Both months pass 60 hours of overtime, and the week from Sunday 26 July
// gives each month the overtime of its own days. Y works one night 22:00–6:00 with an hour's
// break (420 night minutes: the break fits in 5:00 to 6:00), one 22:00–5:00 with an hour's
// break (360: it does not) and one morning 4:00–9:00 (60).
TEST(ProposalModel, CostIsTheDayPayWithNightOvertimeAndSixtyHourPremiums)
{
    const Shift longDay { 6, 0, 22, 0, 900 };
    const QDate thursday(2026, 7, 23);
    const QDate sunday(2026, 7, 26);
    const Week always { { longDay, longDay, longDay, longDay, longDay, longDay, longDay } };
    Instance in = shop(thursday, 40, { { 6000, always }, { 6000, Week {} } }, sunday);
    fix(in, 1, QDate(2026, 7, 24), proposal::shiftOption(kNight));
    fix(in, 1, QDate(2026, 7, 29), proposal::shiftOption(Shift { 4, 0, 9, 0, 300 }));
    fix(in, 1, QDate(2026, 7, 31), proposal::shiftOption(Shift { 22, 0, 5, 0, 360 }));
    const Model model = buildModel(in);
    const double y = 42000 + 30000 + 36000 + (420 + 60 + 360) * 25;

    // Weekly overtime: 960 in the week to 25 July, 960 in each of the four full weeks of August,
    // none on 30 and 31 August; the week from 26 July as below.
    const struct {
        const char* what;
        QList<QDate> off;
        double x;
    } cases[] = {
        // 480 on 31 July, 480 on 1 August. July 3,780 + 960 + 480: 1,620 beyond 60 hours;
        // August 13,020 + 480 + 3,840: 13,740 beyond.
        { "every day", {}, 40 * 90000 + (16800 + 5760) * 25 + (1620 + 13740) * 25 },
        // Within 40 hours. July 2,940 + 960: 300 beyond; August 13,020 + 3,840: 13,260.
        { "off 27 and 28 July", { QDate(2026, 7, 27), QDate(2026, 7, 28) },
            38 * 90000 + (15960 + 4800) * 25 + (300 + 13260) * 25 },
        // 480 on 1 August. July 3,360 + 960: 720 beyond; August 13,020 + 480 + 3,840: 13,740.
        { "off 26 July", { sunday }, 39 * 90000 + (16380 + 5280) * 25 + (720 + 13740) * 25 },
    };
    for (const auto& c : cases) {
        QList<Set> sets;
        for (const QDate date : c.off)
            sets.append({ 0, date, 0 });
        const Choice choice = choiceWith(model, in, sets);
        EXPECT_TRUE(model.satisfies(model.complete(choice))) << c.what;
        EXPECT_DOUBLE_EQ(model.proposalOf(choice).counts.cost, c.x + y) << c.what;
    }
}
