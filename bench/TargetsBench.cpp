// Speed of the staffing targets at their largest: the coverage of 30 employees over 40 days and
// 24 hours against a full table (with the list and the person-hours that read it), and reading
// and writing a full target file: every weekday, the holiday row and 40 dates, each with a
// target in every hour.
#include "BenchData.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "targets/TargetFile.h"
#include "targets/TargetLines.h"

#include <benchmark/benchmark.h>

namespace {

const QDate kStart(2024, 1, 1); // a period of 40 days

// Targets in every hour of every row: some met, some short, some over by the 9:00–17:30 day.
targets::TargetTable fullTable(const QList<QDate>& dates)
{
    targets::TargetRow row;
    for (int h = 0; h < targets::kHours; ++h) {
        const int least = h * 7 % 25;
        row[h] = { h % 3 == 2 ? -1 : least, h % 3 == 1 ? -1 : least + 5 };
    }
    targets::TargetTable table;
    table.weekdays.fill(row);
    table.holiday = row;
    for (const QDate date : dates)
        table.setDate(date, row);
    return table;
}

struct Shop {
    Shop()
    {
        fillMaster(data.StringGrid1);
        registerPeriod(data.StringGrid2, kStart, 1);
        table = fullTable(daychanges::periodDates(data.StringGrid2));
        // A night shift on every tenth day, so that mornings carry over.
        for (const QDate date : daychanges::periodDates(data.StringGrid2))
            if (date.day() % 10 == 0)
                data.dayChanges.set(
                    data.StringGrid1.cell(0, 0), date, { "勤務日", "22", "00", "6", "00", "420", true });
    }
    TFormData data;
    targets::TargetTable table;
};

void BM_Coverage30x40x24(benchmark::State& state)
{
    const Shop shop;
    for (auto _ : state) {
        const QList<targets::DayCoverage> days
            = targets::periodCoverage(shop.table, daychanges::EffectiveSchedule(shop.data));
        if (days.size() != 40)
            state.SkipWithError("not a period of 40 days");
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_Coverage30x40x24)->Unit(benchmark::kMicrosecond);

void BM_ShortageList30x40(benchmark::State& state)
{
    const Shop shop;
    for (auto _ : state)
        benchmark::DoNotOptimize(targets::shortageLines(shop.table, daychanges::EffectiveSchedule(shop.data)));
}
BENCHMARK(BM_ShortageList30x40)->Unit(benchmark::kMicrosecond);

void BM_ReadFullTargetFile(benchmark::State& state)
{
    const Shop shop;
    const QByteArray bytes = targetfile::serialize(shop.table);
    for (auto _ : state) {
        const targetfile::ReadResult read = targetfile::read(bytes);
        if (!read.rejected.isEmpty() || read.table.dates.size() != 40)
            state.SkipWithError("the file was not taken whole");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadFullTargetFile)->Unit(benchmark::kMicrosecond);

void BM_WriteFullTargetFile(benchmark::State& state)
{
    const Shop shop;
    for (auto _ : state)
        benchmark::DoNotOptimize(targetfile::serialize(shop.table));
}
BENCHMARK(BM_WriteFullTargetFile)->Unit(benchmark::kMicrosecond);

} // namespace
