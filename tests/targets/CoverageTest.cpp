// Who counts in an hour, which row of targets a date takes and the status of an hour, over
// the registered and the next period.
#include "targets/Coverage.h"
#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "targets/Holidays.h"

#include <gtest/gtest.h>

using targets::HourTarget;
using targets::Status;

namespace {

// The hours of coveredHours(), "next 0" for hour 0 of the next date.
QStringList hoursOf(const targets::HourSpan& hours)
{
    QStringList out;
    for (int h = hours.first; h <= hours.last; ++h)
        out << (h < targets::kHours ? QString::number(h) : QStringLiteral("next %1").arg(h - targets::kHours));
    return out;
}

QStringList range(int from, int to, const QString& prefix = {})
{
    QStringList out;
    for (int h = from; h <= to; ++h)
        out << prefix + QString::number(h);
    return out;
}

const QDate kStart(2026, 5, 12); // a Tuesday; the period runs to 20 June, 40 days

} // namespace

TEST(Coverage, AnEmployeeCountsInAnHourOfThirtyMinutesOrMore)
{
    const struct {
        DayEntry entry;
        QStringList hours;
    } cases[] = {
        { shift("9", "00", "17", "30", "450"), range(9, 17) },
        { shift("9", "40", "17", "20", "400"), range(10, 16) },
        { shift("22", "00", "6", "00", "420"), range(22, 23) + range(0, 5, "next ") },
        { shift("23", "30", "0", "30", "60"), { "23", "next 0" } },
        { shift("23", "45", "0", "15", "30"), {} },
        { shift("9", "30", "10", "00", "30"), { "9" } },
        { shift("9", "35", "10", "25", "50"), {} },
        { shift("0", "00", "24", "00", "1380"), range(0, 23) },
        { shift("24", "00", "6", "00", "360"), range(0, 5, "next ") },
        // A day that ends when it starts has no working time (its net minutes are 0).
        { shift("9", "00", "9", "00", "0"), {} },
        { shift("9", "x", "17", "00", "450"), {} },
        { dayOff("公休"), {} },
        { { "勤務日", "9", "00", "17", "00", "480", false }, range(9, 16) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(hoursOf(targets::coveredHours(c.entry)), c.hours)
            << c.entry.startHour.toStdString() << ":" << c.entry.startMinute.toStdString() << "-"
            << c.entry.endHour.toStdString() << ":" << c.entry.endMinute.toStdString();
}

TEST(Coverage, NightShiftsAroundThePeriodAndDayChanges)
{
    // 山田 works Mondays 22:00–6:00: the Monday before the period gives its first morning; 佐藤
    // works Saturdays 22:00–6:00: the last Saturday's morning falls after the period.
    QStringList yamada = withDay(employee("山田"), 0, "勤務日", "22", "00", "6", "00");
    QStringList sato = withDay(employee("佐藤"), 5, "勤務日", "22", "00", "6", "00");
    PeriodData p(kStart, { yamada, sato });
    p.data.dayChanges.set("山田", QDate(2026, 5, 13), shift("13", "00", "22", "00", "480"));
    p.data.dayChanges.set("佐藤", QDate(2026, 6, 20), dayOff("休み"));
    p.data.dayChanges.set("佐藤", QDate(2026, 6, 19), shift("20", "00", "2", "00", "360"));
    const daychanges::EffectiveSchedule schedule(p.data);
    const QList<targets::DayCoverage> days = targets::periodCoverage({}, schedule);
    ASSERT_EQ(days.size(), 40);
    const auto counts = [&days](int day) {
        QList<int> out;
        for (const targets::HourCoverage& h : days[day].hours)
            out << h.count;
        return out;
    };
    // 12 May: 山田's Monday night until 6:00, then both from 9:00 to 17:30 (Tuesday).
    EXPECT_EQ(counts(0), (QList<int> { 1, 1, 1, 1, 1, 1, 0, 0, 0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0 }));
    // 13 May: 山田's change 13:00–22:00 instead of the standard day.
    EXPECT_EQ(counts(1), (QList<int> { 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1, 1, 0, 0 }));
    // 19 and 20 June: 佐藤's Friday change runs to 2:00 on Saturday, his Saturday night is leave.
    EXPECT_EQ(counts(38), (QList<int> { 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1 }));
    EXPECT_EQ(counts(39), (QList<int> { 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));

    // One date, as the hour chart asks: the same counts as the period gives.
    EXPECT_EQ(targets::dateCoverage({}, schedule, kStart).hours[0].count, 1);
    EXPECT_EQ(targets::dateCoverage({}, schedule, QDate(2026, 6, 20)).hours[0].count, 1);

    // The next period starts on 21 June: its first morning comes from the registered period's
    // last night, which 佐藤 takes as leave; a change on that night would count.
    const daychanges::EffectiveSchedule next(p.data, daychanges::PeriodChoice::Next);
    ASSERT_EQ(next.dates().first(), QDate(2026, 6, 21));
    EXPECT_EQ(targets::periodCoverage({}, next).first().hours[0].count, 0);
    p.data.dayChanges.set("佐藤", QDate(2026, 6, 20), shift("22", "00", "6", "00", "420"));
    EXPECT_EQ(targets::periodCoverage({}, next).first().hours[0].count, 1);
    // In the registered period that night counts on its own date only.
    const QList<targets::DayCoverage> registered = targets::periodCoverage({}, daychanges::EffectiveSchedule(p.data));
    EXPECT_EQ(registered.size(), 40);
    EXPECT_EQ(registered.last().hours[23].count, 1);
}

TEST(Coverage, TheRowADateTakesAndTheStatusOfAnHour)
{
    targets::TargetTable table;
    table.weekday(2)[9] = { 1, -1 }; // Monday
    table.weekday(3)[9] = { 2, -1 }; // Tuesday
    const QDate holidayMonday(2026, 5, 4);
    const QDate holidayTuesday(2026, 5, 5);
    ASSERT_TRUE(holidays::isNationalHoliday(holidayMonday));
    // An empty holiday row leaves the holidays to their weekdays.
    EXPECT_EQ(targets::rowFor(table, holidayMonday)[9], (HourTarget { 1, -1 }));
    table.holiday[9] = { 3, -1 };
    EXPECT_EQ(targets::rowFor(table, holidayMonday)[9], (HourTarget { 3, -1 }));
    EXPECT_EQ(targets::rowFor(table, QDate(2026, 5, 11))[9], (HourTarget { 1, -1 }));
    table.setDate(holidayTuesday, { HourTarget { -1, 4 } });
    EXPECT_EQ(targets::rowFor(table, holidayTuesday)[0], (HourTarget { -1, 4 }));
    EXPECT_TRUE(targets::rowFor(table, holidayTuesday)[9].isEmpty()) << "a date's row is the whole row";

    const struct {
        int count;
        HourTarget target;
        Status status;
    } statuses[] = {
        { 0, {}, Status::None },
        { 2, { 3, -1 }, Status::Short },
        { 3, { 3, -1 }, Status::Met },
        { 30, { 3, -1 }, Status::Met },
        { 2, { 3, 5 }, Status::Short },
        { 5, { 3, 5 }, Status::Met },
        { 6, { 3, 5 }, Status::Over },
        { 0, { -1, 0 }, Status::Met },
        { 1, { -1, 0 }, Status::Over },
        { 0, { 0, -1 }, Status::Met },
    };
    for (const auto& s : statuses)
        EXPECT_EQ(targets::statusOf(s.count, s.target), s.status)
            << s.count << " of " << s.target.least << "-" << s.target.most;
}
