#pragma once

#include "ProposalTestData.h"

#include <functional>

// Small cases whose best proposal is worked out by hand, one for each aim deciding. Costs: A
// earns 7,000 yen a day, B 8,400, C 10,500; the standard period costs 91,700 yen. A working six
// days in the week of 1 March passes 40 hours by 120 minutes: 500 yen of premium.
namespace proposaltest {

struct Case {
    const char* name;
    std::function<Instance()> make;
    QList<Set> best; // the free days that differ from the standard week
    proposal::Counts standard;
    proposal::Counts expected;
};

inline QList<Case> handWorkedCases()
{
    const QDate thursday = kSunday.addDays(4);
    const QDate friday = kSunday.addDays(5);
    const QDate saturday = kSunday.addDays(6);
    const QDate sunday = kSunday.addDays(7);
    return {
        // Three days in a row at most: A's fourth day, Thursday, must go, although B cannot cover
        // its morning without a fourth day of his own.
        { "FindingsBeforeShortHours",
            [=] {
                proposal::LabourSettings labour;
                labour.runLimit = 3;
                Instance in = smallShop(labour);
                target(in, thursday, 9, 16, 1);
                return in;
            },
            { { kA, thursday, 0 } }, { 1, 0, 0, 0, 0, 91700 }, { 0, 5, 0, 0, 1, 84700 } },
        // Saturday needs one person from 9:00 to 17:00 and at most one from 14:00: A, the cheaper,
        // works, and C's late shift goes so as not to run over.
        { "ShortAndOverHoursBeforeChanges",
            [=] {
                Instance in = smallShop();
                target(in, saturday, 9, 13, 1);
                target(in, saturday, 14, 16, 1, 1);
                return in;
            },
            { { kA, saturday, 1 }, { kC, saturday, 0 } }, { 0, 5, 0, 0, 0, 91700 }, { 0, 0, 0, 0, 2, 88700 } },
        // B wishes to work at the weekend, although nobody should work on Sunday.
        { "WishesBeforeOverHours",
            [=] {
                Instance in = smallShop();
                wishToWork(in, kB, saturday);
                wishToWork(in, kB, sunday);
                target(in, sunday, 9, 16, std::nullopt, 0);
                return in;
            },
            { { kB, saturday, 1 }, { kB, sunday, 1 } }, { 0, 0, 2, 0, 0, 91700 }, { 0, 0, 0, 8, 2, 108500 } },
        // At most one from 14:00 on Thursday: one change either way, and C costs more.
        { "OverHoursThenTheCheaperChange",
            [=] {
                Instance in = smallShop();
                target(in, thursday, 14, 16, std::nullopt, 1);
                return in;
            },
            { { kC, thursday, 0 } }, { 0, 0, 0, 3, 0, 91700 }, { 0, 0, 0, 0, 1, 81200 } },
        // One person from 14:00 to 17:00 Thursday to Saturday: the standard week has it.
        { "FewerChangesKeepsTheStandardWeek",
            [=] {
                Instance in = smallShop();
                for (const QDate date : { thursday, friday, saturday })
                    target(in, date, 14, 16, 1);
                return in;
            },
            {}, { 0, 0, 0, 0, 0, 91700 }, { 0, 0, 0, 0, 0, 91700 } },
        // The same at the lowest cost: A covers all three days, C stays at home.
        { "LowerCostTakesTheCheapestCover",
            [=] {
                Instance in = smallShop();
                for (const QDate date : { thursday, friday, saturday })
                    target(in, date, 14, 16, 1);
                in.aims = proposal::programAims(proposal::Aim::LowerCost);
                return in;
            },
            { { kA, saturday, 1 }, { kC, thursday, 0 }, { kC, friday, 0 }, { kC, saturday, 0 } },
            { 0, 0, 0, 0, 0, 91700 }, { 0, 0, 0, 0, 4, 67700 } },
    };
}

} // namespace proposaltest
