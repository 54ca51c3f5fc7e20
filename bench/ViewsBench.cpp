// Speed of the schedule views' computations on a full data set: 30 employees and a period
// of 40 days, from the tables to every line of the text.
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/RtfWriter.h"
#include "views/ScheduleView.h"
#include "views/TimeView.h"
#include "views/WeekdayList.h"

#include <benchmark/benchmark.h>

namespace {

// Thirty employees: day shifts, night shifts and days off in turn.
void fill(TFormData& data)
{
    Table& t = data.StringGrid1;
    const QStringList attributes = { "勤務日", "勤務日", "公休", "勤務日", "休み", "勤務日", "その他" };
    for (int r = 0; r < kMaxEmployees; ++r) {
        t.setCell(0, r, QStringLiteral("従業員氏名%1").arg(r));
        t.setCell(1, r, QStringLiteral("1250"));
        for (int w = 0; w < 7; ++w) {
            const int c = 2 + 5 * w;
            const bool night = r % 3 == 0;
            t.setCell(c, r, attributes[(r + w) % 7]);
            t.setCell(c + 1, r, night ? QStringLiteral("22") : QStringLiteral("9"));
            t.setCell(c + 2, r, QStringLiteral("30"));
            t.setCell(c + 3, r, night ? QStringLiteral("6") : QStringLiteral("17"));
            t.setCell(c + 4, r, QStringLiteral("45"));
            t.setCell(37 + w, r, QStringLiteral("450"));
        }
    }
    registerPeriod(data.StringGrid2, QDate(2024, 5, 7), 1);
}

// Every line of the schedule window's text, as the window computes it.
QStringList scheduleText(TFormData& data)
{
    QStringList text = scheduleview::opening(data.StringGrid2, QDate(2024, 5, 7)).lines;
    const scheduleview::Computation c = scheduleview::compute(data);
    text << c.lines;
    for (int e = 0; e < c.employees; ++e)
        text << scheduleview::employeeLine(data.StringGrid3, e, c.days);
    text << scheduleview::closingLines(c);
    return text;
}

void BM_ScheduleView(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        data.StringGrid3.clear();
        data.StringGrid4.clear();
        benchmark::DoNotOptimize(scheduleText(data));
    }
}
BENCHMARK(BM_ScheduleView)->Unit(benchmark::kMicrosecond);

// Saving the schedule window's text: the RTF of every line, mostly characters outside ASCII.
void BM_ScheduleViewAsRtf(benchmark::State& state)
{
    TFormData data;
    fill(data);
    const QStringList text = scheduleText(data);
    const rtf::Style style { QStringLiteral("Noto Sans CJK JP"), 9, false, false, false, false, { 255, 255, 0 },
        rtf::Rgb { 0, 0, 128 } };
    for (auto _ : state)
        benchmark::DoNotOptimize(rtf::document(text, style));
}
BENCHMARK(BM_ScheduleViewAsRtf)->Unit(benchmark::kMicrosecond);

void BM_HourChart(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        data.StringGrid3.clear();
        QStringList text = timeview::openingLines();
        text << timeview::periodCheck(data.StringGrid2, QDate(2024, 5, 7), 3).lines;
        const int employees = timeview::compute(data, 3);
        text << timeview::timeAxis();
        for (int e = 0; e < employees; ++e)
            text << timeview::barLine(data.StringGrid3, e);
        text << timeview::closingLines();
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_HourChart)->Unit(benchmark::kMicrosecond);

void BM_WeekdayList(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        QStringList entries;
        for (int e = 0; e < data.employeeCount(); ++e)
            for (int day = 0; day < 7; ++day)
                entries << weekdaylist::entry(data.StringGrid1, e, day);
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_WeekdayList)->Unit(benchmark::kMicrosecond);

} // namespace
