// The rules of a person in the labour check, one table per rule at the boundaries that matter:
// minors, students, requests, the days of 公休 per month, the limits per period and the least
// runs. The period is June 2026 (Monday 1 to Tuesday 30) unless a case says otherwise; weeks
// start on Sunday.
#include "LabourTestData.h"
#include "patterns/PatternFile.h"

#include <gtest/gtest.h>

using labour::FindingKind;
using labour::Key;
using labour::PersonRules;

namespace {

QDate june(int day)
{
    return QDate(2026, 6, day);
}

const QList<QDate> kJune = datesFrom(june(1), 30);

// A working day from start with w net minutes and a break of b.
struct Work {
    QDate date;
    int start;
    int w;
    int b = 60;
};

Roster rosterOf(const QList<Work>& days)
{
    Roster roster;
    for (const Work& day : days)
        roster.set(day.date, work(day.start, day.w, day.b));
    return roster;
}

PersonRules minor()
{
    PersonRules rules;
    rules.birthDate = QDate(2008, 6, 15); // 18 on 15 June 2026
    return rules;
}

} // namespace

TEST(LabourPerson, AMinorMayNotWorkFrom22To5NorBeyond8HoursADayOr40AWeek)
{
    const int h14 = 14 * 60;
    const QList<Work> fullWeek { { june(8), 9 * 60, 480 }, { june(9), 9 * 60, 480 }, { june(10), 9 * 60, 480 },
        { june(11), 9 * 60, 480 }, { june(12), 9 * 60, 480 } };
    const struct {
        const char* what;
        QList<Work> days;
        labour::Settings settings;
        QStringList expected;
    } cases[] = {
        { "ends 21:59", { { june(10), 13 * 60, 479 } }, {}, {} },
        { "ends 22:00", { { june(10), h14, 420 } }, {}, {} },
        { "ends 22:01", { { june(10), h14 + 1, 420 } }, {}, { "6/10 年少者の深夜業（22時～5時）" } },
        { "a break that could lie after 22:00 does not help", { { june(10), 17 * 60, 300, 30 } }, {},
            { "6/10 年少者の深夜業（22時～5時）" } },
        { "starts 5:00", { { june(10), 5 * 60, 420 } }, {}, {} },
        { "starts 4:59", { { june(10), 4 * 60 + 59, 420 } }, {}, { "6/10 年少者の深夜業（22時～5時）" } },
        { "the day before the 18th birthday", { { june(14), 17 * 60, 300 } }, {},
            { "6/14 年少者の深夜業（22時～5時）" } },
        { "the 18th birthday", { { june(15), 17 * 60, 300 }, { june(16), 9 * 60, 600 } }, {}, {} },
        { "the exceptions of health care", { { june(10), 17 * 60, 300 } }, settingsWith({ { Key::MinorNight, 1 } }),
            {} },
        { "8 hours", { { june(10), 9 * 60, 480 } }, {}, {} },
        { "8 hours and a minute", { { june(10), 9 * 60, 481 } }, {}, { "6/10 年少者の時間外（1日8時間超）" } },
        { "40 hours a week", fullWeek, {}, {} },
        { "a minute beyond 40 hours, also where the week has 44", QList<Work>(fullWeek) << Work { june(13), 9 * 60, 1 },
            settingsWith({ { Key::WeeklyHours, 44 } }), { "6/13 年少者の時間外（週40時間超）" } },
        { "the week passes 40 hours after the 18th birthday",
            { { june(14), 9 * 60, 480 }, { june(15), 9 * 60, 480 }, { june(16), 9 * 60, 480 },
                { june(17), 9 * 60, 480 }, { june(18), 9 * 60, 480 }, { june(19), 9 * 60, 60 } },
            {}, {} },
    };
    for (const auto& c : cases) {
        const labour::EmployeeCheck check = rosterOf(c.days).check(kJune, personRules(minor(), c.settings));
        EXPECT_EQ(findings(check, { FindingKind::MinorNight, FindingKind::MinorOvertime }), c.expected) << c.what;
    }

    // A minor's week has 40 hours for the premiums too, where the workplace's has 44; the same
    // days of an adult make no overtime.
    const QList<Work> week = QList<Work>(fullWeek) << Work { june(13), 9 * 60, 120 };
    const labour::Settings special = settingsWith({ { Key::WeeklyHours, 44 } });
    EXPECT_EQ(rosterOf(week).check(kJune, personRules(minor(), special)).minutes.weeklyOvertime, 120);
    EXPECT_EQ(rosterOf(week).check(kJune, special).minutes.weeklyOvertime, 0);
}

TEST(LabourPerson, AStudentWorksAt28HoursIn7DaysAnd40AndADayOf8WhereTheyReachIntoALongVacation)
{
    const auto days = [](QDate first, int count, int w) {
        QList<Work> out;
        for (int d = 0; d < count; ++d)
            out << Work { first.addDays(d), 9 * 60, w };
        return out;
    };
    // 35 hours from 1 June, 25 from 2 June.
    const QList<Work> heavy = QList<Work> { { june(1), 9 * 60, 480 } } + days(june(2), 5, 324);
    const struct {
        const char* what;
        QList<Work> days;
        QList<labour::DateRange> vacations;
        QStringList expected;
    } cases[] = {
        { "28:00", days(june(1), 4, 420), {}, {} },
        { "28:01", days(june(1), 3, 420) << Work { june(4), 9 * 60, 421 }, {},
            { "6/1 留学生の28時間超（6/1～6/7：28時間01分）" } },
        { "one finding per run of overlapping 7 days", days(june(1), 14, 300) + days(june(20), 7, 300), {},
            { "6/1 留学生の28時間超（6/1～6/7：35時間00分）", "6/19 留学生の28時間超（6/19～6/25：30時間00分）" } },
        { "the 7 days end on the vacation's first day", heavy, { { june(7), june(10) } }, {} },
        { "the vacation starts after them", heavy, { { june(8), june(10) } },
            { "6/1 留学生の28時間超（6/1～6/7：35時間00分）" } },
        { "they start on the vacation's last day", heavy, { { QDate(2026, 5, 20), june(1) } }, {} },
        { "the vacation ends the day before", heavy, { { QDate(2026, 5, 20), QDate(2026, 5, 31) } },
            { "6/1 留学生の28時間超（6/1～6/7：35時間00分）" } },
        { "40:00 in the vacation", days(june(1), 5, 480), { { june(1), june(30) } }, {} },
        { "40:01 in the vacation", days(june(1), 5, 480) << Work { june(6), 9 * 60, 1 }, { { june(1), june(30) } },
            { "6/1 留学生の40時間超（6/1～6/7：40時間01分）" } },
        { "8 hours and a minute on a day of the vacation", { { june(3), 9 * 60, 481 } }, { { june(3), june(3) } },
            { "6/3 留学生の休業中の8時間超" } },
        { "8 hours and a minute outside it", { { june(4), 9 * 60, 481 } }, { { june(3), june(3) } }, {} },
        { "7 days from a date of the period reach beyond it", days(june(30), 5, 420), {},
            { "6/28 留学生の28時間超（6/28～7/4：35時間00分）" } },
    };
    for (const auto& c : cases) {
        PersonRules student;
        student.student = true;
        student.vacations = c.vacations;
        const labour::EmployeeCheck check = rosterOf(c.days).check(kJune, personRules(student));
        EXPECT_EQ(findings(check, { FindingKind::StudentHours, FindingKind::StudentVacationDay }), c.expected)
            << c.what;
    }
}

TEST(LabourPerson, ARequestForNoNightOrNoOvertimeIsFoundOnEachDateAgainstIt)
{
    const labour::Settings monthly = settingsWith({ { Key::Scheme, labour::kSchemeMonthly } });
    const Work night { june(10), 16 * 60 + 30, 870, 120 }; // 16:30-9:00
    const struct {
        const char* what;
        labour::Request expectant;
        labour::Request care;
        QList<Work> days;
        labour::Settings settings;
        QStringList expected;
    } cases[] = {
        { "no night: until 22:00", { true, false }, {}, { { june(10), 14 * 60, 420 } }, {}, {} },
        { "no night: until 22:01", { true, false }, {}, { { june(10), 14 * 60 + 1, 420 } }, {},
            { "6/10 深夜業の制限（請求）" } },
        { "a carer's no night", {}, { true, false }, { night }, monthly, { "6/10 深夜業の制限（請求）" } },
        { "no overtime: 8 hours", {}, { false, true }, { { june(10), 9 * 60, 480 } }, {}, {} },
        { "no overtime: 8 hours and a minute", {}, { false, true }, { { june(10), 9 * 60, 481 } }, {},
            { "6/10 時間外の制限（請求）" } },
        { "a carer's night under the monthly scheme is no overtime", {}, { false, true }, { night }, monthly, {} },
        { "an expectant mother keeps the legal hours under it", { false, true }, {}, { night }, monthly,
            { "6/10 時間外の制限（請求）" } },
    };
    for (const auto& c : cases) {
        PersonRules person;
        person.expectant = c.expectant;
        person.care = c.care;
        const labour::EmployeeCheck check = rosterOf(c.days).check(kJune, personRules(person, c.settings));
        EXPECT_EQ(findings(check, { FindingKind::RequestNight, FindingKind::RequestOvertime }), c.expected) << c.what;
    }
}

TEST(LabourPerson, TheDaysOf公休InEachCalendarMonthOfThePeriodAreCountedOverTheWholeMonth)
{
    // A period from 3 June to 11 July; the days around it are read as well.
    const QList<QDate> period = datesFrom(june(3), 39);
    const QList<QDate> juneOff { june(1), june(6), june(7), june(13), june(14), june(20), june(21), june(27),
        june(28) };
    const QList<QDate> julyOff { QDate(2026, 7, 4), QDate(2026, 7, 5), QDate(2026, 7, 11), QDate(2026, 7, 12),
        QDate(2026, 7, 18), QDate(2026, 7, 19), QDate(2026, 7, 25), QDate(2026, 7, 26), QDate(2026, 7, 31) };
    const struct {
        const char* what;
        QDate rest; // a day of "休み" instead of "公休"
        QDate ake; // a day of 明け instead of "公休"
        QStringList expected;
    } cases[] = {
        { "nine each", {}, {}, {} },
        { "a day of rest before the period is no 公休", june(1), {}, { "6/3 公休の日数（2026年6月：8日／所定9日）" } },
        { "nor is 明け after it", {}, QDate(2026, 7, 31), { "7/1 公休の日数（2026年7月：8日／所定9日）" } },
    };
    for (const auto& c : cases) {
        Roster roster;
        roster.setFrom(QDate(2026, 5, 1), 123, work(9 * 60, 480, 60));
        for (const QDate date : juneOff + julyOff)
            roster.set(date, off());
        if (c.rest.isValid())
            roster.set(c.rest, dayOff("休み"));
        if (c.ake.isValid())
            roster.ake(c.ake);
        PersonRules person;
        person.monthlyDaysOff = 9;
        EXPECT_EQ(findings(roster.check(period, personRules(person)), FindingKind::MonthlyDaysOff), c.expected)
            << c.what;
    }
}

TEST(LabourPerson, TheLimitsOfHoursNightsAndWeekendsPerPeriodAreFoundWhereTheyArePassed)
{
    const auto days = [](int count, int last) {
        QList<Work> out;
        for (int d = 1; d < count; ++d)
            out << Work { june(d), 9 * 60, 480 };
        return out << Work { june(count), 9 * 60, last };
    };
    const Work night { {}, 16 * 60 + 30, 870, 120 };
    const auto at = [](Work day, QDate date) {
        day.date = date;
        return day;
    };
    const struct {
        const char* what;
        QList<Work> days;
        int minHours;
        int maxHours;
        int maxNights;
        int maxWeekends;
        QStringList expected;
    } cases[] = {
        { "99:59 of at least 100", days(13, 239), 100, -1, -1, -1,
            { "6/30 勤務時間の下限未満（99時間／下限100時間）" } },
        { "100:00 of at least 100", days(13, 240), 100, -1, -1, -1, {} },
        { "100:00 of at most 100", days(13, 240), -1, 100, -1, -1, {} },
        { "100:01 of at most 100, found where it is passed", days(13, 241) << Work { june(20), 9 * 60, 480 }, -1, 100,
            -1, -1, { "6/13 勤務時間の上限超過（108時間01分／上限100時間）" } },
        { "3 nights of at most 2", { at(night, june(2)), at(night, june(5)), at(night, june(8)) }, -1, -1, 2, -1,
            { "6/8 夜勤の回数（3回／上限2回）" } },
        { "a late shift to 23:00 and one from 22:01 are no nights",
            { at(night, june(2)), { june(4), 15 * 60, 420 }, { june(8), 22 * 60 + 1, 420 } }, -1, -1, 1, -1, {} },
        { "22:00 to 5:00 is a night", { at(night, june(2)), { june(4), 22 * 60, 420, 0 } }, -1, -1, 1, -1,
            { "6/4 夜勤の回数（2回／上限1回）" } },
        { "none at all", { at(night, june(2)) }, -1, -1, 0, -1, { "6/2 夜勤の回数（1回／上限0回）" } },
        { "Saturday and Sunday are one weekend", { { june(6), 9 * 60, 480 }, { june(7), 9 * 60, 480 } }, -1, -1, -1, 1,
            {} },
        { "a second weekend", { { june(6), 9 * 60, 480 }, { june(7), 9 * 60, 480 }, { june(14), 9 * 60, 480 } }, -1, -1,
            -1, 1, { "6/14 土日の勤務（2回／上限1回）" } },
    };
    for (const auto& c : cases) {
        PersonRules person;
        person.minHours = c.minHours;
        person.maxHours = c.maxHours;
        person.maxNights = c.maxNights;
        person.maxWeekends = c.maxWeekends;
        const labour::EmployeeCheck check = rosterOf(c.days).check(kJune, personRules(person));
        EXPECT_EQ(findings(check, { FindingKind::Hours, FindingKind::Nights, FindingKind::Weekends }), c.expected)
            << c.what;
    }

    // 明け on a Saturday is no weekend at work.
    Roster roster = rosterOf({ at(night, june(5)) });
    roster.ake(june(6));
    PersonRules person;
    person.maxWeekends = 0;
    EXPECT_TRUE(findings(roster.check(kJune, personRules(person)), FindingKind::Weekends).isEmpty());
}

TEST(LabourPerson, ARunOfWorkingDaysOrOfDaysOffShorterThanTheLeastIsFoundOnItsFirstDate)
{
    const DayEntry day = work(9 * 60, 480, 60);
    const struct {
        const char* what;
        QList<std::pair<QDate, int>> off; // days off from a date, the rest at work
        QList<QDate> ake;
        int minRun;
        int minDaysOff;
        QStringList expected;
    } cases[] = {
        { "2 days at work of at least 3", { { june(1), 1 }, { june(4), 5 } }, {}, 3, -1,
            { "6/2 連勤の下限未満（2日／下限3日）" } },
        { "3 days", { { june(1), 1 }, { june(5), 5 } }, {}, 3, -1, {} },
        { "a run from before the period", { { QDate(2026, 5, 29), 1 }, { june(2), 5 } }, {}, 3, -1, {} },
        { "a short run from before it", { { QDate(2026, 5, 30), 1 }, { june(2), 5 } }, {}, 3, -1,
            { "6/1 連勤の下限未満（2日／下限3日）" } },
        { "a run into the days after the period", { { june(28), 1 } }, {}, 3, -1, {} },
        { "明け is a day at work", { { june(1), 1 }, { june(5), 5 } }, { june(4) }, 3, -1, {} },
        { "one day off of at least 2", { { june(10), 1 } }, {}, -1, 2, { "6/10 連休の下限未満（1日／下限2日）" } },
        { "two days off", { { june(10), 2 } }, {}, -1, 2, {} },
        { "明け is no day off", { { june(10), 1 } }, { june(11) }, -1, 2, { "6/10 連休の下限未満（1日／下限2日）" } },
    };
    for (const auto& c : cases) {
        Roster roster;
        roster.setFrom(QDate(2026, 5, 1), 92, day);
        for (const auto& [first, count] : c.off)
            roster.setFrom(first, count, off());
        for (const QDate date : c.ake)
            roster.ake(date);
        PersonRules person;
        person.minRun = c.minRun;
        person.minDaysOff = c.minDaysOff;
        const labour::EmployeeCheck check = roster.check(kJune, personRules(person));
        EXPECT_EQ(findings(check, { FindingKind::ShortRun, FindingKind::ShortDaysOff }), c.expected) << c.what;
    }
}

// The rules the seventh file keeps reach the check through rulesOf: a person's rule by the staff
// line of the master row's name, the sequence rules and each pattern's follow-on day.
TEST(LabourPerson, TheRulesReadFromThePatternFileYieldTheirFindings)
{
    Shop shop(june(1), { week("山田", off()), week("高校生", off()) });
    const patternfile::ReadResult read = patternfile::read(sjis("勤務,遅,遅番,15,00,23,00,60,#FFA040,,\r\n"
                                                                "勤務,夜,夜勤,16,30,9,00,120,#3050A0,明,\r\n"
                                                                "勤務,明,明け,明け,,,,,#A0A0C0,,\r\n"
                                                                "職員,高校生,,,生年月日=2009/4/1,\r\n"
                                                                "並び,禁止,夜,遅,\r\n"));
    ASSERT_TRUE(read.rejected.isEmpty());
    shop.data.shiftPatterns = read.patterns;
    for (int row : { 0, 1 })
        shop.set(row, june(10), work(15 * 60, 420, 60)); // 遅 15:00–23:00
    shop.set(0, june(12), work(16 * 60 + 30, 870, 120)); // 夜 without 明
    shop.set(0, june(13), work(15 * 60, 420, 60));

    const labour::Rules rules = labour::rulesOf(shop.data);
    EXPECT_EQ(
        findings(shop.check(1, rules), FindingKind::MinorNight), QStringList { "6/10 年少者の深夜業（22時～5時）" });
    EXPECT_EQ(findings(shop.check(0, rules),
                  { FindingKind::MinorNight, FindingKind::ForbiddenSequence, FindingKind::NoFollowOn }),
        (QStringList { "6/12 明けがありません", "6/13 禁止の並び（夜→遅）" }));
    EXPECT_EQ(rules.person(0), PersonRules());
}
