// Speed of the report lines the main window and the today panel show, each for a full
// employee master table of 30 employees (the lines of every employee and the closing lines).
#include "BenchData.h"
#include "period/PeriodRegistration.h"
#include "shell/Reports.h"
#include "shell/UsageState.h"
#include "today/TodayLines.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEmployees = 30;

Table fullMaster()
{
    Table master { 44, kEmployees };
    fillMaster(master);
    return master;
}

void BM_IndividualWeekOfEveryEmployee(benchmark::State& state)
{
    const Table master = fullMaster();
    for (auto _ : state)
        for (int row = 0; row < kEmployees; ++row)
            benchmark::DoNotOptimize(shell::individualWeek(master, master.cell(0, row)));
}
BENCHMARK(BM_IndividualWeekOfEveryEmployee)->Unit(benchmark::kMicrosecond);

void BM_WeeklyCost(benchmark::State& state)
{
    const Table master = fullMaster();
    for (auto _ : state) {
        shell::CostTotals totals;
        for (int row = 0; row < kEmployees; ++row)
            benchmark::DoNotOptimize(shell::costLine(master, row, totals));
        benchmark::DoNotOptimize(shell::costClosingLine(totals));
    }
}
BENCHMARK(BM_WeeklyCost)->Unit(benchmark::kMicrosecond);

void BM_RegistrationList(benchmark::State& state)
{
    const Table master = fullMaster();
    for (auto _ : state)
        for (int row = 0; row < kEmployees; ++row)
            benchmark::DoNotOptimize(shell::registrationLine(master, row));
}
BENCHMARK(BM_RegistrationList)->Unit(benchmark::kMicrosecond);

void BM_DutyList(benchmark::State& state)
{
    const Table master = fullMaster();
    for (auto _ : state) {
        shell::DutyTotals totals;
        for (int row = 0; row < kEmployees; ++row)
            benchmark::DoNotOptimize(shell::dutyLines(master, row, 2, totals));
        benchmark::DoNotOptimize(shell::dutyClosingLines(totals));
    }
}
BENCHMARK(BM_DutyList)->Unit(benchmark::kMicrosecond);

void BM_UsageState(benchmark::State& state)
{
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2024, 5, 7), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(shell::usageState(schedule, kEmployees, QDate(2024, 6, 10)));
}
BENCHMARK(BM_UsageState)->Unit(benchmark::kMicrosecond);

void BM_TodayPanel(benchmark::State& state)
{
    const Table master = fullMaster();
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2024, 5, 7), 1);
    const QDate today(2024, 6, 10);
    for (auto _ : state) {
        benchmark::DoNotOptimize(today::dateLine(today));
        benchmark::DoNotOptimize(today::workersHeading(2));
        const QStringList names = today::workerNames(master, kEmployees, 2);
        benchmark::DoNotOptimize(today::totalLines(names.size()));
        benchmark::DoNotOptimize(today::periodReminder(schedule, today));
    }
}
BENCHMARK(BM_TodayPanel)->Unit(benchmark::kMicrosecond);

} // namespace
