// Speed of the labour rules at their largest: 30 employees over a period of 40 days, a day
// change on every day (leave, night shifts and day shifts in turn), so that every rule finds
// something. The whole check with the premiums, as the solver and the period cost ask for it,
// with the settings alone and with every rule set (the monthly scheme, four days off in four
// weeks, the night band, rules of each person and the patterns' sequence); and the report with
// the change window's findings of every cell.
#include "BenchData.h"
#include "changes/DayShift.h"
#include "changes/EffectiveSchedule.h"
#include "changes/RosterDay.h"
#include "data/Table.h"
#include "data/Unitdata.h"
#include "labour/LabourReport.h"
#include "labour/LabourRules.h"
#include "period/PeriodRegistration.h"
#include "platform/Numbers.h"

#include <benchmark/benchmark.h>

namespace {

const QDate kStart(2024, 1, 1); // a period of 40 days

void fill(TFormData& data)
{
    fillMaster(data.StringGrid1);
    registerPeriod(data.StringGrid2, kStart, 1);
    const DayEntry leave { "休み", "0", "00", "0", "00", "0", true };
    const DayEntry night { "勤務日", "22", "00", "6", "00", "420", true };
    const DayEntry day { "勤務日", "9", "00", "18", "30", "510", true };
    for (int row = 0; row < kMaxEmployees; ++row)
        for (const QDate date : daychanges::periodDates(data.StringGrid2)) {
            const int turn = (row + date.day()) % 5;
            data.dayChanges.set(data.StringGrid1.cell(0, row), date, turn == 0 ? leave : turn == 1 ? night : day);
        }
}

void BM_LabourCheckAndPremiums30x40(benchmark::State& state)
{
    TFormData data;
    fill(data);
    const labour::Settings settings;
    for (auto _ : state) {
        const daychanges::EffectiveSchedule schedule(data);
        qint64 premiums = 0;
        int findings = 0;
        for (int row = 0; row < schedule.employees(); ++row) {
            const labour::EmployeeCheck check = labour::checkEmployee(schedule, row, settings);
            premiums += check.premium;
            findings += static_cast<int>(check.findings.size());
        }
        benchmark::DoNotOptimize(premiums);
        benchmark::DoNotOptimize(findings);
    }
}
BENCHMARK(BM_LabourCheckAndPremiums30x40)->Unit(benchmark::kMicrosecond);

// Every setting and rule: each employee a minor, a student in a vacation, one who asked for no
// night and no overtime, or one with limits per period, in turn; the nights named "夜" and the
// days "日" for the sequence rules.
labour::Rules everyRule()
{
    using labour::Key;
    labour::Rules rules;
    for (const auto& [key, value] : { std::pair { Key::Scheme, labour::kSchemeMonthly }, { Key::SchemeStart, 16 },
             { Key::DaysOffRule, labour::kFourWeeks }, { Key::FourWeekStart, int(QDate(2023, 12, 20).toJulianDay()) },
             { Key::NightBand, 16 * 60 + 30 }, { Key::MinimumWage, 1000 } })
        rules.settings.set(key, value);
    rules.sequence.forbidden = { { "夜", "日" } };
    rules.sequence.runLimits = { { "夜", 1 }, { "日", 4 } };
    rules.sequence.offAfterAke = true;
    rules.followOn = { { "夜", "明" } };
    for (int row = 0; row < kMaxEmployees; ++row) {
        labour::PersonRules& person = rules.persons.emplaceBack();
        switch (row % 4) {
        case 0:
            person.birthDate = QDate(2006, 1, 20); // 18 inside the period
            break;
        case 1:
            person.student = true;
            person.vacations = { { QDate(2024, 1, 1), QDate(2024, 1, 7) } };
            break;
        case 2:
            person.expectant = { true, true };
            person.care = { true, false };
            break;
        default:
            break;
        }
        person.monthlyDaysOff = 9;
        person.minHours = 100;
        person.maxHours = 160;
        person.maxNights = 4;
        person.maxWeekends = 2;
        person.minRun = 2;
        person.minDaysOff = 2;
    }
    return rules;
}

void BM_LabourEveryRule30x40(benchmark::State& state)
{
    TFormData data;
    fill(data);
    const labour::Rules rules = everyRule();
    for (auto _ : state) {
        const daychanges::EffectiveSchedule schedule(data);
        qint64 premiums = 0;
        int findings = 0;
        for (int row = 0; row < schedule.employees(); ++row) {
            const auto named = [&schedule, row](QDate date) {
                daychanges::RosterDay day = schedule.dayOn(row, date);
                if (day.shift)
                    day.code = day.shift->start() >= 22 * 60 ? QStringLiteral("夜") : QStringLiteral("日");
                return day;
            };
            const labour::EmployeeCheck check = labour::checkDays(
                row, schedule.dates(), numbers::parseInt(schedule.master().cell(1, row)), named, rules);
            premiums += check.premium;
            findings += static_cast<int>(check.findings.size());
        }
        benchmark::DoNotOptimize(premiums);
        benchmark::DoNotOptimize(findings);
    }
}
BENCHMARK(BM_LabourEveryRule30x40)->Unit(benchmark::kMicrosecond);

void BM_LabourReportAndCellFindings30x40(benchmark::State& state)
{
    TFormData data;
    fill(data);
    const labour::Settings settings;
    for (auto _ : state) {
        const daychanges::EffectiveSchedule schedule(data);
        labour::ReportTotals totals;
        QStringList lines = labour::reportHeading(schedule);
        for (int row = 0; row < schedule.employees(); ++row)
            lines += labour::reportLines(schedule, row, settings, totals);
        lines += labour::reportClosing(totals);
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(labour::CellFindings(schedule, settings).at(0, 0));
    }
}
BENCHMARK(BM_LabourReportAndCellFindings30x40)->Unit(benchmark::kMicrosecond);

} // namespace
