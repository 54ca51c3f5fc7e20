// Speed of the labour rules at their largest: 30 employees over a period of 40 days, a day
// change on every day (leave, night shifts and day shifts in turn), so that every rule finds
// something. The whole check with the premiums, as the solver and the period cost ask for it;
// and the report with the change window's findings of every cell.
#include "BenchData.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "labour/LabourReport.h"
#include "labour/LabourRules.h"
#include "period/PeriodRegistration.h"

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
