// Speed of the exports on a full data set: 30 employees who work every day of a 40-day period
// (1,200 shifts), in a zone that changes to summer time during the period.
#include "BenchData.h"
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

// The standard week's entry of the date, as the schedule window hands it to the exports.
exports::PeriodSchedule fullPeriod()
{
    const Table& m = fullData().StringGrid1;
    return exports::periodSchedule(fullData(), [&m](int row, QDate date) {
        const int day = date.dayOfWeek() - 1;
        const int c = 2 + 5 * day;
        return DayEntry { m.cell(c, row), m.cell(c + 1, row), m.cell(c + 2, row), m.cell(c + 3, row),
            m.cell(c + 4, row), m.cell(37 + day, row) };
    });
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

} // namespace
