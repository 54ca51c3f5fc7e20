// The proposal between the program's data and the solver: the instance of a shop's period, the
// day changes a proposal writes, their check, and the figures counted by the program's own
// reports, which must agree with what the model counts.
#include "proposal/ProposalData.h"
#include "DemoShop.h"
#include "changes/ChangesTestData.h"
#include "proposal/Model.h"
#include "solver/Solver.h"

#include <random>

#include <gtest/gtest.h>

using daychanges::PeriodChoice;

namespace {

const QDate kToday(2026, 5, 7); // a Thursday; the period runs to 15 June

// Three employees on weekdays 9:00-17:30 (佐藤 also on Saturdays 10:00-15:00); a Saturday that
// wants one person all day; 山田 wishes a Tuesday off, 鈴木 wants to work a Saturday, and 佐藤
// has a day change the manager made.
struct Shop : PeriodData {
    Shop()
        : PeriodData(kToday, { employee("山田"), employee("鈴木"), employee("佐藤") })
    {
        QStringList sato = employee("佐藤");
        sato = withDay(sato, 5, "勤務日", "10", "00", "15", "00");
        sato[37 + 5] = "300";
        putEmployee(data.StringGrid1, 2, sato);
        targets::TargetRow saturday;
        for (int hour = 9; hour < 17; ++hour)
            saturday[hour] = { 1, 2 };
        data.staffTargets.weekdays[6] = saturday;
        data.staffRequests.set("山田", kTuesday, { requests::Kind::DayOff, QString() });
        data.staffRequests.set("鈴木", kSaturday, { requests::Kind::WantsWork, QString() });
        data.dayChanges.set("佐藤", QDate(2026, 5, 13), dayOff("休み"));
    }
    static inline const QDate kTuesday { 2026, 5, 12 };
    static inline const QDate kSaturday { 2026, 5, 16 };
};

proposal::Instance instanceOf(const TFormData& data)
{
    return proposal::instanceOf(data, PeriodChoice::Registered, kToday, proposal::Aim::FewerChanges);
}

void expectSameCounts(const proposal::Figures& figures, const proposal::Counts& counts, const char* what)
{
    EXPECT_EQ(figures.findings, counts.findings) << what;
    EXPECT_EQ(figures.shortHours, counts.shortHours) << what;
    EXPECT_EQ(figures.overHours, counts.overHours) << what;
    EXPECT_EQ(figures.unhonouredWishes, counts.unhonouredWishes) << what;
    // The premiums round to the yen once per employee; the model keeps their fractions.
    EXPECT_NEAR(double(figures.cost), counts.cost, 0.5 * 8) << what;
}

} // namespace

TEST(ProposalData, TheFreeDaysAreTheUndecidedDaysAfterTodayAndTheirOptionsTheStandardShifts)
{
    Shop shop;
    const proposal::Instance in = instanceOf(shop.data);
    ASSERT_EQ(in.employees.size(), 3);
    ASSERT_EQ(in.periodDays, 40);
    const auto day = [&](int employee, QDate date) { return in.employees[employee].days[in.first.daysTo(date)]; };
    EXPECT_FALSE(day(0, kToday).free) << "today stays as it is";
    EXPECT_TRUE(day(0, kToday.addDays(1)).free);
    EXPECT_EQ(day(0, kToday.addDays(1)).options.size(), 2) << "off and 9:00-17:30";
    EXPECT_EQ(day(0, kToday.addDays(1)).standard, 1);
    EXPECT_EQ(day(0, Shop::kSaturday).standard, 0) << "a Saturday off";
    EXPECT_FALSE(day(0, Shop::kTuesday).free) << "a wished day off is held off";
    EXPECT_FALSE(day(0, Shop::kTuesday).options.value(0).working());
    EXPECT_FALSE(day(2, QDate(2026, 5, 13)).free) << "the manager's change stays";
    EXPECT_EQ(day(2, Shop::kSaturday).options.size(), 3) << "off and two shifts";
    EXPECT_FALSE(day(0, in.first).free) << "the days before the period are held";
    ASSERT_EQ(in.requests.size(), 1);
    EXPECT_EQ(in.targets[in.first.daysTo(Shop::kSaturday) - in.periodStart][9].least, 1);

    // A day someone cannot work is held off as a wished day off is.
    shop.data.staffRequests.set("鈴木", Shop::kTuesday, { requests::Kind::CannotWork, QString() });
    const proposal::Instance cannot = instanceOf(shop.data);
    EXPECT_FALSE(cannot.employees[1].days[cannot.first.daysTo(Shop::kTuesday)].free);
}

// The schedule as it stands: only the wished day off changes, and the figures of the program's
// reports equal the model's counts.
TEST(ProposalData, TheStandardWeekWritesOnlyTheWishedDayOffAndCountsAsTheReportsCount)
{
    Shop shop;
    const proposal::Instance in = instanceOf(shop.data);
    const proposal::Model model = proposal::buildModel(in);
    const proposal::Proposal standard = model.proposalOf(model.standardChoice());
    const QList<DayChange> changes = proposal::changesOf(shop.data, PeriodChoice::Registered, in, standard.options);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].name, "山田");
    EXPECT_EQ(changes[0].date, Shop::kTuesday);
    EXPECT_EQ(changes[0].entry, dayOff("公休"));
    EXPECT_EQ(proposal::faultOf(shop.data, PeriodChoice::Registered, kToday, changes), QString());
    expectSameCounts(proposal::figuresOf(withChanges(shop.data, changes), PeriodChoice::Registered), standard.counts,
        "the standard week");
}

TEST(ProposalData, TheSolversBestKeepsToWhatMayChangeAndItsCountsAreTheReportsCounts)
{
    Shop shop;
    const proposal::Instance in = instanceOf(shop.data);
    const proposal::Model model = proposal::buildModel(in);
    const solver::Outcome outcome = solver::solve(model);
    const QList<DayChange> changes = proposal::changesOf(shop.data, PeriodChoice::Registered, in, outcome.best.options);
    EXPECT_EQ(proposal::faultOf(shop.data, PeriodChoice::Registered, kToday, changes), QString());
    const proposal::Figures before = proposal::figuresOf(shop.data, PeriodChoice::Registered);
    const proposal::Figures after = proposal::figuresOf(withChanges(shop.data, changes), PeriodChoice::Registered);
    expectSameCounts(after, outcome.best.counts, "the best");
    EXPECT_LT(after.shortHours, before.shortHours);
    EXPECT_EQ(after.unhonouredWishes, 0) << "鈴木 works the Saturday wished for";

    // What may not change is refused.
    const QList<std::pair<DayChange, QString>> faults {
        { { "山田", kToday, dayOff("公休") }, "期間の今日以降でない日付" },
        { { "高橋", kToday.addDays(1), dayOff("公休") }, "登録されていない氏名" },
        { { "佐藤", QDate(2026, 5, 13), dayOff("公休") }, "勤務変更のある日" },
        { { "山田", Shop::kTuesday, shift("9", "00", "17", "30", "450") }, "希望休・出勤不可の日の勤務" },
        { { "山田", kToday.addDays(1), shift("10", "00", "15", "00", "300") }, "選べない勤務" },
        { { "山田", kToday.addDays(1), dayOff("休み") }, "公休以外の休み" },
    };
    for (const auto& [change, fault] : faults)
        EXPECT_EQ(proposal::faultOf(shop.data, PeriodChoice::Registered, kToday, { change }), fault);
}

TEST(ProposalData, TheSummarySaysBeforeAndAfterHowFarTheProofWentAndWhenHoursStayShort)
{
    using proposal::Measure;
    const proposal::Figures before { 4, 30, 12, 812345, 1 };
    proposal::Figures after { 0, 7, 8, 798000, 0 };
    const QString line = "勤務案：指摘 4⇒0 件，不足 30⇒7 人時，超過 12⇒8 人時，人件費 ¥812345⇒¥798000，変更 9 日";
    const QString short_ = "　※ 必要人数に届かない時間帯が残ります（人員過不足一覧で確認できます）．";
    const struct {
        proposal::Proof proof;
        QString tail;
    } cases[] = {
        { { true, {}, 0, 0 }, "（最適）" },
        // The bound rounds up: no proposal lies below it.
        { { false, { { Measure::ShortHours }, { Measure::ShortPatterns } }, 7, 4.2 }, "，不足 7 人時（下限 5 人時）" },
        { { false, { { Measure::Findings } }, 2, 0 }, "，指摘 2 件（下限 0 件）" },
        { { false, { { Measure::ChangedDays }, { Measure::Cost } }, 9, 6 }, "，変更 9 日（下限 6 日）" },
        { { false, { { Measure::Cost } }, 798000.4, 790000.2 }, "，人件費 ¥798000（下限 ¥790001）" },
    };
    for (const auto& [proof, tail] : cases)
        EXPECT_EQ(proposal::summaryLine(before, after, 9, proof), line + tail + short_) << tail.toStdString();
    after.shortHours = 0;
    EXPECT_EQ(proposal::summaryLine(before, after, 9, cases[0].proof),
        "勤務案：指摘 4⇒0 件，不足 30⇒0 人時，超過 12⇒8 人時，人件費 ¥812345⇒¥798000，変更 9 日（最適）");
}

// Over the demo shop (day and night shifts, part-timers, a night cleaner) with targets and the
// stricter settings, any choice of options counts in the model as the program's reports count
// the schedule it writes: findings, short and over hours, wishes, and the cost to the yen.
TEST(ProposalData, AnyChoiceCountsInTheModelAsTheReportsCountItsSchedule)
{
    TFormData data;
    ASSERT_TRUE(demo::fillShop(data, kToday, 1));
    // Today's options, without the shop's shift patterns and staff lines: a random choice among
    // patterns also breaks hard rules, which the model counts apart from the findings (a solved
    // ward's roster, which breaks none, is compared in the ward's test).
    data.shiftPatterns = {};
    targets::TargetRow day;
    for (int hour = 0; hour < 24; ++hour)
        day[hour] = { hour >= 7 && hour < 23 ? 2 : 0, 3 };
    for (targets::TargetRow& row : data.staffTargets.weekdays)
        row = day;
    data.labourSettings.set(labour::Key::RunLimit, 4);
    data.labourSettings.set(labour::Key::WeeklyHours, 44);
    data.labourSettings.set(labour::Key::WeekStart, 2);
    for (int d = 1; d < 40; d += 6)
        data.staffRequests.set(
            data.StringGrid1.cell(0, d % 8), kToday.addDays(d), { requests::Kind::WantsWork, QString() });
    const proposal::Instance in = instanceOf(data);
    const proposal::Model model = proposal::buildModel(in);
    std::mt19937 random(7);
    for (int trial = 0; trial < 6; ++trial) {
        proposal::Choice choice = model.standardChoice();
        for (int i = 0; i < choice.size(); ++i)
            if (random() % 3 == 0)
                choice[i] = int(random() % model.freeDays[i].options);
        const proposal::Proposal p = model.proposalOf(choice);
        const QList<DayChange> changes = proposal::changesOf(data, PeriodChoice::Registered, in, p.options);
        ASSERT_EQ(proposal::faultOf(data, PeriodChoice::Registered, kToday, changes), QString());
        expectSameCounts(proposal::figuresOf(withChanges(data, changes), PeriodChoice::Registered), p.counts,
            QStringLiteral("trial %1").arg(trial).toUtf8().constData());
    }
}
