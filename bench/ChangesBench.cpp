// Speed of the day changes at their largest: a change for each of 30 employees on each of 40
// period days (1,200 changes), loaded from and saved to the change file, and every view that
// shows them recomputed: the schedule text, the hour chart, today's panel and duty list, and the
// period labour cost; with the ward's shift patterns, every day named by its pattern and the
// change window's cells in codes.
#include "BenchData.h"
#include "changes/ChangeGrid.h"
#include "changes/EffectiveSchedule.h"
#include "changes/PeriodCost.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"
#include "period/PeriodRegistration.h"
#include "shell/Reports.h"
#include "today/TodayLines.h"
#include "views/ScheduleView.h"
#include "views/TimeView.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDate kStart(2024, 1, 1); // a period of 40 days
const QDate kToday(2024, 1, 10); // a Wednesday
constexpr int kWednesday = 4;

// Thirty employees with a change on every day of the period: leave and late shifts in turn.
void fill(TFormData& data)
{
    fillMaster(data.StringGrid1);
    registerPeriod(data.StringGrid2, kStart, 1);
    const QList<QDate> dates = daychanges::periodDates(data.StringGrid2);
    for (int row = 0; row < kMaxEmployees; ++row) {
        for (const QDate date : dates) {
            const DayEntry entry = (row + date.day()) % 3 == 0
                ? DayEntry { "休み", "0", "00", "0", "00", "0", true }
                : DayEntry { "勤務日", "13", "30", "22", "00", "480", true };
            data.dayChanges.set(data.StringGrid1.cell(0, row), date, entry);
        }
    }
}

void BM_LoadChanges1200(benchmark::State& state)
{
    QTemporaryDir dir;
    TFormData data;
    fill(data);
    if (saveFile(dir.path(), TFormData::kChangeFile, changefile::serialize(data.dayChanges, data.StringGrid1), false))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        const TFormData::FileLoad load = data.loadExtension(dir.path(), TFormData::kChangeFile);
        if (load.error || !load.rejected.isEmpty() || data.dayChanges.size() != 1200)
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadChanges1200)->Unit(benchmark::kMicrosecond);

void BM_SaveChanges1200(benchmark::State& state)
{
    QTemporaryDir dir;
    TFormData data;
    fill(data);
    for (auto _ : state) {
        if (saveFile(
                dir.path(), TFormData::kChangeFile, changefile::serialize(data.dayChanges, data.StringGrid1), false))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveChanges1200)->Unit(benchmark::kMicrosecond);

void BM_ScheduleViewWith1200Changes(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        data.StringGrid3.clear();
        data.StringGrid4.clear();
        QStringList text = scheduleview::opening(data.StringGrid2, kStart).lines;
        const scheduleview::Computation c = scheduleview::compute(data);
        text << c.lines;
        for (int e = 0; e < c.employees; ++e)
            text << scheduleview::employeeLine(data.StringGrid3, e, c.days);
        text << scheduleview::closingLines(c);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ScheduleViewWith1200Changes)->Unit(benchmark::kMicrosecond);

void BM_HourChartWithChanges(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        data.StringGrid3.clear();
        const daychanges::RowChanges today = daychanges::EffectiveSchedule(data).changesOn(kToday);
        const int employees = timeview::compute(data, kWednesday, today);
        QStringList text;
        for (int e = 0; e < employees; ++e)
            text << timeview::barLine(data.StringGrid3, e);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_HourChartWithChanges)->Unit(benchmark::kMicrosecond);

// As the main window runs them: the today panel once, the duty list one employee per tick.
void BM_TodayPanelAndDutyListWithChanges(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        benchmark::DoNotOptimize(today::workerNames(
            data.StringGrid1, kMaxEmployees, kWednesday, daychanges::EffectiveSchedule(data).changesOn(kToday)));
        shell::DutyTotals totals;
        for (int row = 0; row < kMaxEmployees; ++row) {
            const daychanges::RowChanges today = daychanges::EffectiveSchedule(data).changesOn(kToday);
            benchmark::DoNotOptimize(shell::dutyLines(data.StringGrid1, row, kWednesday, totals, today));
        }
        benchmark::DoNotOptimize(shell::dutyClosingLines(totals));
    }
}
BENCHMARK(BM_TodayPanelAndDutyListWithChanges)->Unit(benchmark::kMicrosecond);

void BM_PeriodCostWith1200Changes(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        const daychanges::EffectiveSchedule schedule(data);
        daychanges::PeriodCostTotals totals;
        QStringList lines = daychanges::periodCostHeading(schedule);
        for (int row = 0; row < schedule.employees(); ++row)
            lines << daychanges::periodCostLine(schedule, row, totals);
        lines << daychanges::periodCostClosing(schedule, totals);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_PeriodCostWith1200Changes)->Unit(benchmark::kMicrosecond);

// The ward's patterns and a change of one on every day: 日, 遅, 夜 and 明 in turn.
void fillCodes(TFormData& data)
{
    fill(data);
    data.shiftPatterns.patterns = patterns::starterSet(patterns::Starter::Ward);
    const QList<QDate> dates = daychanges::periodDates(data.StringGrid2);
    for (int row = 0; row < kMaxEmployees; ++row)
        for (const QDate date : dates) {
            DayEntry entry = patterns::entryOf(data.shiftPatterns.patterns[(row + date.day()) % 4]);
            entry.changed = true;
            data.dayChanges.set(data.StringGrid1.cell(0, row), date, entry);
        }
}

void BM_NameEveryDayByPattern(benchmark::State& state)
{
    TFormData data;
    fillCodes(data);
    const daychanges::EffectiveSchedule schedule(data);
    for (auto _ : state) {
        int named = 0;
        for (int row = 0; row < schedule.employees(); ++row)
            for (int day = 0; day < schedule.days(); ++day)
                named += schedule.day(row, day).pattern >= 0;
        if (named != kMaxEmployees * 40)
            state.SkipWithError("a day names no pattern");
    }
}
BENCHMARK(BM_NameEveryDayByPattern)->Unit(benchmark::kMicrosecond);

void BM_ChangeGridCellsInCodes(benchmark::State& state)
{
    TFormData data;
    fillCodes(data);
    for (auto _ : state) {
        const QList<QList<changes::GridCell>> cells = changes::gridCells(daychanges::EffectiveSchedule(data), data, {});
        if (cells.size() != kMaxEmployees || cells[0][0].colour.isEmpty())
            state.SkipWithError("cells without codes");
    }
}
BENCHMARK(BM_ChangeGridCellsInCodes)->Unit(benchmark::kMillisecond);

} // namespace
