// Speed of the month chart for a full data set (30 employees, 40 days, a day change every other
// day): building its page model, and building and printing it into a PDF file with exact text.
#include "BenchData.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"
#include "platform/ReportPainter.h"
#include "support/SampleReports.h"
#include "wallchart/WallChartPages.h"
#include "workbook/Workbook.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDate kStart(2024, 4, 25);

struct FullMonth {
    FullMonth()
    {
        samples::writePeriod(data.StringGrid2, kStart, 40);
        fillMaster(data.StringGrid1);
        const DayEntry night { QStringLiteral("勤務日"), QStringLiteral("22"), QStringLiteral("00"),
            QStringLiteral("6"), QStringLiteral("00"), QStringLiteral("420"), true };
        for (int d = 0; d < 40; d += 2)
            data.dayChanges.set(data.StringGrid1.cell(0, d % 30), kStart.addDays(d), night);
        extras.shopTitle = QStringLiteral("ZEL Rotan QX-30");
        extras.isHoliday = [](QDate date) { return date.month() == 5 && date.day() >= 3 && date.day() <= 6; };
        extras.shortHours = QList<int>(40, 2);
    }
    TFormData data;
    wallchart::Extras extras;
};

void BM_WallChartPages(benchmark::State& state)
{
    FullMonth full;
    for (auto _ : state) {
        const wallchart::Chart chart = wallchart::chart(daychanges::EffectiveSchedule(full.data), full.extras);
        benchmark::DoNotOptimize(wallchart::monthPages(chart, wallchart::Paper::A4));
    }
}
BENCHMARK(BM_WallChartPages)->Unit(benchmark::kMillisecond);

void BM_WallChartToPdf(benchmark::State& state)
{
    FullMonth full;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    for (auto _ : state) {
        // Printing into a file that exists asks first; each round writes a new file.
        state.PauseTiming();
        QFile::remove(pdf);
        state.ResumeTiming();
        const wallchart::Chart chart = wallchart::chart(daychanges::EffectiveSchedule(full.data), full.extras);
        if (!report::print(wallchart::monthPages(chart, wallchart::Paper::A4),
                wallchart::pageSetup(wallchart::Paper::A4), printer, nullptr))
            state.SkipWithError("printing failed");
    }
}
BENCHMARK(BM_WallChartToPdf)->Unit(benchmark::kMillisecond);

// The same month in the ward's patterns: every other day a 夜 of one employee, the rest in the
// standard week's times that name no pattern; the chart with its codes, and the workbook of it.
struct WardMonth : FullMonth {
    WardMonth()
    {
        data.shiftPatterns.patterns = patterns::starterSet(patterns::Starter::Ward);
        const DayEntry night = patterns::entryOf(data.shiftPatterns.patterns.at(2));
        for (int d = 0; d < 40; d += 2)
            data.dayChanges.set(data.StringGrid1.cell(0, d % 30), kStart.addDays(d), night);
    }
};

void BM_WallChartPagesWithPatterns(benchmark::State& state)
{
    WardMonth ward;
    for (auto _ : state) {
        const wallchart::Chart chart = wallchart::chart(daychanges::EffectiveSchedule(ward.data), ward.extras);
        benchmark::DoNotOptimize(wallchart::monthPages(chart, wallchart::Paper::A4));
    }
}
BENCHMARK(BM_WallChartPagesWithPatterns)->Unit(benchmark::kMillisecond);

void BM_Workbook(benchmark::State& state)
{
    WardMonth ward;
    for (auto _ : state) {
        const daychanges::EffectiveSchedule schedule(ward.data);
        const workbook::Written written
            = workbook::write(wallchart::chart(schedule, ward.extras), schedule, wallchart::Paper::A4);
        if (!written.failure.isEmpty())
            state.SkipWithError("the workbook could not be made");
        benchmark::DoNotOptimize(written.bytes);
    }
}
BENCHMARK(BM_Workbook)->Unit(benchmark::kMillisecond);

} // namespace
