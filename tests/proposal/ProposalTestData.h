#pragma once

#include "proposal/Model.h"

#include <QDate>
#include <array>
#include <optional>

// Shops to propose schedules for, built as the caller builds an instance: every day as the
// standard week gives it, the period's days from a first free date on free to be off or any
// shift of the employee's standard week.
namespace proposaltest {

using daychanges::Shift;
using proposal::Instance;

inline const Shift kDay { 9, 0, 17, 0, 420 };
inline const Shift kEarly { 6, 0, 14, 0, 420 };
inline const Shift kLate { 14, 0, 22, 0, 420 };
inline const Shift kNight { 22, 0, 6, 0, 420 };

// A standard week, Monday first; no shift is a day off.
using Week = std::array<std::optional<Shift>, 7>;

struct Staff {
    int wage = 1000;
    Week week;
};

inline bool sameShift(const Shift& a, const Shift& b)
{
    return a.start() == b.start() && a.end() == b.end() && a.netMinutes == b.netMinutes;
}

inline int dayOf(const Instance& in, QDate date)
{
    return int(in.first.daysTo(date));
}

inline Instance shop(QDate periodFirst, int periodDays, const QList<Staff>& staff, QDate firstFree,
    const proposal::LabourSettings& labour = {})
{
    Instance in = proposal::frame(periodFirst, periodDays, labour);
    for (int e = 0; e < staff.size(); ++e) {
        QList<Shift> shifts;
        for (const auto& shift : staff[e].week) {
            if (shift
                && std::none_of(shifts.cbegin(), shifts.cend(), [&](const Shift& s) { return sameShift(s, *shift); }))
                shifts.append(*shift);
        }
        QList<proposal::Option> options { proposal::offOption() };
        for (const Shift& s : shifts)
            options.append(proposal::shiftOption(s));
        proposal::Employee employee;
        employee.row = e;
        employee.wage = staff[e].wage;
        for (int d = 0; d < in.days; ++d) {
            const QDate date = in.date(d);
            const std::optional<Shift> standard = staff[e].week[date.dayOfWeek() - 1];
            int index = 0;
            while (standard && !(options[index].shift && sameShift(*options[index].shift, *standard)))
                ++index;
            proposal::Day day;
            if (in.inPeriod(d) && date >= firstFree)
                day = { options, true, index };
            else
                day.options = { options[index] };
            employee.days.append(day);
        }
        in.employees.append(employee);
    }
    return in;
}

// A day of the instance fixed to an entry, as a day change or a past day is.
inline void fix(Instance& in, int employee, QDate date, const proposal::Option& option)
{
    in.employees[employee].days[dayOf(in, date)] = { { option }, false, -1 };
}

inline void target(Instance& in, QDate date, int fromHour, int toHour, std::optional<int> least,
    std::optional<int> most = std::nullopt)
{
    for (int h = fromHour; h <= toHour; ++h)
        in.targets[dayOf(in, date) - in.periodStart][h] = { least, most };
}

inline void wishToWork(Instance& in, int employee, QDate date)
{
    in.requests.append({ employee, dayOf(in, date) });
}

// The standard choice with some free days set to other options.
struct Set {
    int employee;
    QDate date;
    int option;
};
inline proposal::Choice choiceWith(const proposal::Model& model, const Instance& in, const QList<Set>& sets)
{
    proposal::Choice choice = model.standardChoice();
    for (const Set& set : sets) {
        for (int i = 0; i < model.freeDays.size(); ++i) {
            if (model.freeDays[i].employee == set.employee && model.freeDays[i].day == dayOf(in, set.date))
                choice[i] = set.option;
        }
    }
    return choice;
}

// A period from Sunday 1 March 2026 to Sunday 8 March, free from Thursday 5 March:
//   A (1,000 yen) works 9:00–17:00 Monday to Friday,
//   B (1,200 yen) works 9:00–17:00 Monday to Wednesday,
//   C (1,500 yen) works 14:00–22:00 Thursday to Saturday.
// Each may be off (option 0) or work their shift (option 1) on each free day.
inline const QDate kSunday(2026, 3, 1);
enum { kA, kB, kC };
inline Instance smallShop(const proposal::LabourSettings& labour = {})
{
    const Week a { { kDay, kDay, kDay, kDay, kDay, {}, {} } };
    const Week b { { kDay, kDay, kDay, {}, {}, {}, {} } };
    const Week c { { {}, {}, {}, kLate, kLate, kLate, {} } };
    return shop(kSunday, 8, { { 1000, a }, { 1200, b }, { 1500, c } }, kSunday.addDays(4), labour);
}

// A shop of the given size with a period from Monday 1 January 2024, free from its second day:
// each employee works five days a week on two kinds of shift (early, middle, late and evening
// in turn), has two days off that move with the employee, three wishes (two to work, one day
// off) and wages from 1,000 to 1,300 yen; targets from 7:00 to 23:00 every day, higher at
// lunch, in the evening and at the weekend, with an upper limit three above.
inline Instance generatedShop(int employees, int periodDays)
{
    const Shift kinds[]
        = { { 7, 0, 15, 30, 450 }, { 10, 0, 18, 30, 450 }, { 14, 30, 23, 0, 450 }, { 17, 0, 22, 0, 300 } };
    const QDate first(2024, 1, 1);
    QList<Staff> staff;
    for (int e = 0; e < employees; ++e) {
        Week week;
        for (int w = 0; w < 7; ++w) {
            if (w != e % 7 && w != (e + 3) % 7)
                week[w] = kinds[(e + w % 2) % 4];
        }
        staff.append({ 1000 + 50 * (e % 7), week });
    }
    Instance in = shop(first, periodDays, staff, first.addDays(1));
    for (int d = 0; d < periodDays; ++d) {
        const QDate date = first.addDays(d);
        const int more = date.dayOfWeek() >= 6 ? 1 : 0;
        const int scale = std::max(1, employees / 10);
        const struct {
            int from, to, least;
        } bands[] = { { 7, 9, 2 }, { 10, 13, 3 }, { 14, 16, 2 }, { 17, 20, 3 }, { 21, 22, 1 } };
        for (const auto& band : bands) {
            const int least = (band.least + more) * scale;
            target(in, date, band.from, band.to, least, least + 3);
        }
    }
    for (int e = 0; e < employees; ++e) {
        wishToWork(in, e, first.addDays(1 + (e * 5) % (periodDays - 1)));
        wishToWork(in, e, first.addDays(1 + (e * 5 + 11) % (periodDays - 1)));
        fix(in, e, first.addDays(1 + (e * 5 + 17) % (periodDays - 1)), proposal::offOption()); // "希望休"
    }
    return in;
}

} // namespace proposaltest
