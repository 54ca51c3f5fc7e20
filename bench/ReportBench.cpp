// Speed of printing the schedule report for a full data set (30 employees, 40 days):
// building its page model, and building and painting it into a PDF file with exact text.
#include "data/Unitdata.h"
#include "reports/QRListFormDayLine.h"
#include "support/SampleReports.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2024, 5, 7);

struct FullSchedule {
    FullSchedule()
    {
        samples::writePeriod(data.StringGrid2, kToday, 40);
        samples::layOutSchedule(data, samples::names(30));
        lines = samples::scheduleViewLines(kToday, data.StringGrid2);
    }
    TFormData data;
    QStringList lines;
};

void BM_ScheduleReportPages(benchmark::State& state)
{
    FullSchedule full;
    TQRListFormDayLine report(full.data);
    for (auto _ : state)
        benchmark::DoNotOptimize(report.pages(full.lines));
}
BENCHMARK(BM_ScheduleReportPages)->Unit(benchmark::kMillisecond);

void BM_ScheduleReportToPdf(benchmark::State& state)
{
    FullSchedule full;
    TQRListFormDayLine report(full.data);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("schedule.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    for (auto _ : state) {
        // Printing into a file that exists asks first; each round writes a new file.
        state.PauseTiming();
        QFile::remove(pdf);
        state.ResumeTiming();
        if (!report.print(printer, full.lines))
            state.SkipWithError("printing failed");
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
BENCHMARK(BM_ScheduleReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
