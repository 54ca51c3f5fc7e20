// Speed of the work the start-up and the closing do on a full data set: loading and saving
// both files, the employee master checks and the period checks, and registering a period.
#include "data/DataFiles.h"
#include "data/MasterChecks.h"
#include "data/ScheduleChecks.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void fillMaster(Table& t)
{
    for (int r = 0; r < t.rowCount(); ++r) {
        t.setCell(0, r, QStringLiteral("従業員氏名%1").arg(r));
        t.setCell(1, r, QStringLiteral("1250"));
        for (int w = 0; w < 7; ++w) {
            const int c = 2 + 5 * w;
            t.setCell(c, r, QStringLiteral("勤務日"));
            t.setCell(c + 1, r, QStringLiteral("9"));
            t.setCell(c + 2, r, QStringLiteral("00"));
            t.setCell(c + 3, r, QStringLiteral("17"));
            t.setCell(c + 4, r, QStringLiteral("30"));
            t.setCell(37 + w, r, QStringLiteral("450"));
        }
    }
}

void BM_SaveAndLoadBothFiles(benchmark::State& state)
{
    QTemporaryDir dir;
    TFormData data;
    fillMaster(data.StringGrid1);
    registerPeriod(data.StringGrid2, QDate(2024, 5, 7), 1);
    for (auto _ : state) {
        if (saveTableFile(dir.path(), TFormData::kMasterFile, data.StringGrid1, false)
            || saveTableFile(dir.path(), TFormData::kScheduleFile, data.StringGrid2, false))
            state.SkipWithError("save failed");
        TFormData loaded;
        bool capacity = false;
        if (loaded.loadMaster(dir.path(), capacity) || loaded.loadSchedule(dir.path()))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.StringGrid1.cell(43, 29));
    }
}
BENCHMARK(BM_SaveAndLoadBothFiles)->Unit(benchmark::kMicrosecond);

void BM_MasterChecksFullTable(benchmark::State& state)
{
    Table master { 44, 30 };
    fillMaster(master);
    for (auto _ : state) {
        benchmark::DoNotOptimize(masterchecks::completeness(master));
        benchmark::DoNotOptimize(masterchecks::numbers(master));
        benchmark::DoNotOptimize(masterchecks::namesAndAttributes(master));
    }
}
BENCHMARK(BM_MasterChecksFullTable)->Unit(benchmark::kMicrosecond);

void BM_PeriodChecks(benchmark::State& state)
{
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2024, 5, 7), 1);
    using schedulechecks::PeriodGroup;
    for (auto _ : state) {
        for (PeriodGroup g : { PeriodGroup::Header, PeriodGroup::Days, PeriodGroup::Weekdays, PeriodGroup::Filler })
            benchmark::DoNotOptimize(schedulechecks::periodFailures(schedule, 2024, g));
    }
}
BENCHMARK(BM_PeriodChecks)->Unit(benchmark::kMicrosecond);

void BM_RegisterPeriod(benchmark::State& state)
{
    Table schedule { 40, 5 };
    quint32 seed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(registerPeriod(schedule, QDate(2024, 5, 7), ++seed));
}
BENCHMARK(BM_RegisterPeriod)->Unit(benchmark::kMicrosecond);

} // namespace
