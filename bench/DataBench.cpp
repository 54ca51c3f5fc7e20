// Speed of the work the start-up and the closing do on a full data set: loading and saving
// both files, the employee master checks and the period checks, and registering a period; and
// of the recovery journal written after each registration.
#include "BenchData.h"
#include "data/DataFiles.h"
#include "data/MasterChecks.h"
#include "data/ScheduleChecks.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

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

// A registration's journal: 30 employees loaded, one record changed, the master table written
// to its recovery file and synced. The directory lies below the current one, on the disk where
// a start directory would be, not on a memory file system.
void BM_JournalAfterARegistration(benchmark::State& state)
{
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("journal-bench-XXXXXX")));
    TFormData data;
    fillMaster(data.StringGrid1);
    registerPeriod(data.StringGrid2, QDate(2024, 5, 7), 1);
    bool capacity = false;
    if (saveTableFile(dir.path(), TFormData::kMasterFile, data.StringGrid1, false)
        || saveTableFile(dir.path(), TFormData::kScheduleFile, data.StringGrid2, false)
        || data.loadMaster(dir.path(), capacity) || data.loadSchedule(dir.path()) || data.writeJournal(dir.path()))
        state.SkipWithError("setting up failed");
    int wage = 1000;
    for (auto _ : state) {
        data.StringGrid1.setCell(1, 29, QString::number(++wage));
        if (data.writeJournal(dir.path()))
            state.SkipWithError("journal failed");
    }
}
BENCHMARK(BM_JournalAfterARegistration)->Unit(benchmark::kMillisecond);

} // namespace
