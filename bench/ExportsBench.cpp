// Speed of the exports on a full data set: 30 employees who work every day of a 40-day period
// (1,200 shifts), in a zone that changes to summer time during the period; with a target in every
// hour of every weekday, the period as the schedule window exports it and its CSV.
#include "BenchData.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "exports/Csv.h"
#include "exports/ICalendar.h"
#include "exports/PeriodSchedule.h"
#include "period/PeriodRegistration.h"

#include <QTimeZone>
#include <benchmark/benchmark.h>

namespace {

const TFormData& fullData()
{
    static const TFormData data = [] {
        TFormData d;
        fillMaster(d.StringGrid1);
        registerPeriod(d.StringGrid2, QDate(2024, 3, 21), 1);
        return d;
    }();
    return data;
}

// The effective entries of the period, as the schedule window hands them to the exports.
exports::PeriodSchedule fullPeriod()
{
    return exports::periodSchedule(daychanges::EffectiveSchedule(fullData()));
}

void BM_ExportPeriodSchedule(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fullPeriod());
}
BENCHMARK(BM_ExportPeriodSchedule)->Unit(benchmark::kMicrosecond);

void BM_ExportCsv(benchmark::State& state)
{
    const exports::PeriodSchedule period = fullPeriod();
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::csv(period));
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMicrosecond);

void BM_ExportICalendar(benchmark::State& state)
{
    const exports::PeriodSchedule period = fullPeriod();
    const QTimeZone zone("Europe/Berlin");
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::icalendar(period, zone, stamp));
}
BENCHMARK(BM_ExportICalendar)->Unit(benchmark::kMicrosecond);

const TFormData& withTargets()
{
    static const TFormData data = [] {
        TFormData d = fullData();
        for (int code = 1; code <= 7; ++code)
            d.staffTargets.weekday(code).fill({ 2, 20 });
        return d;
    }();
    return data;
}

void BM_ExportPeriodWithTargets(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::periodExport(withTargets(), daychanges::PeriodChoice::Registered));
}
BENCHMARK(BM_ExportPeriodWithTargets)->Unit(benchmark::kMicrosecond);

void BM_ExportCsvWithTargets(benchmark::State& state)
{
    const exports::PeriodSchedule period = exports::periodExport(withTargets(), daychanges::PeriodChoice::Registered);
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::csv(period));
}
BENCHMARK(BM_ExportCsvWithTargets)->Unit(benchmark::kMicrosecond);

} // namespace
