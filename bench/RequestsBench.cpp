// Speed of the staff's requests at their largest: a wish for each of 30 employees on each of 40
// period days (1,200 wishes), read from the request file, imported from a form's CSV file of
// 1,200 rows, shown in every cell of the change window and reported as honoured or not.
#include "BenchData.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "requests/RequestFile.h"
#include "requests/RequestImport.h"
#include "requests/RequestView.h"

#include <QSet>
#include <benchmark/benchmark.h>

namespace {

const QDate kStart(2024, 1, 1); // a period of 40 days

// Thirty employees who work every day, each with a wish on every day of the period: the three
// kinds in turn, every other one with a note.
void fill(TFormData& data)
{
    fillMaster(data.StringGrid1);
    registerPeriod(data.StringGrid2, kStart, 1);
    const QList<QDate> dates = daychanges::periodDates(data.StringGrid2);
    for (int row = 0; row < kMaxEmployees; ++row)
        for (const QDate date : dates) {
            const int n = row + date.day();
            data.staffRequests.set(data.StringGrid1.cell(0, row), date,
                { static_cast<requests::Kind>(n % 3), n % 2 ? QStringLiteral("午前中は通院のため") : QString() });
        }
}

void BM_ReadRequests1200(benchmark::State& state)
{
    TFormData data;
    fill(data);
    const QByteArray bytes = requestfile::serialize(data.staffRequests, data.StringGrid1);
    for (auto _ : state) {
        const requestfile::ReadResult read = requestfile::read(bytes);
        if (!read.rejected.isEmpty() || read.requests.size() != 1200)
            state.SkipWithError("read failed");
    }
}
BENCHMARK(BM_ReadRequests1200)->Unit(benchmark::kMicrosecond);

void BM_ImportRequests1200(benchmark::State& state)
{
    TFormData data;
    fill(data);
    QByteArray csv = "\xEF\xBB\xBF" + QStringLiteral("氏名,日付,種類,メモ\r\n").toUtf8();
    for (const requests::Request& r : data.staffRequests.list())
        csv += (r.name + QStringLiteral(",%1/%2/%3,").arg(r.date.year()).arg(r.date.month()).arg(r.date.day())
            + requests::kindText(r.wish.kind) + QStringLiteral(",\"") + r.wish.note + QStringLiteral("\"\r\n"))
                   .toUtf8();
    const daychanges::EffectiveSchedule schedule(data);
    QSet<QString> names;
    for (int row = 0; row < schedule.employees(); ++row)
        names.insert(schedule.master().cell(0, row));
    for (auto _ : state) {
        const requests::ImportPreview preview = requests::parseImport(csv, names, schedule.dates(), data.staffRequests);
        if (preview.taken.size() != 1200 || preview.replacing != 1200)
            state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ImportRequests1200)->Unit(benchmark::kMicrosecond);

// What the change window computes on each refresh: the wish of every cell and its mark.
void BM_ChangeWindowWishes1200(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state) {
        const daychanges::EffectiveSchedule schedule(data);
        for (int row = 0; row < schedule.employees(); ++row)
            for (int day = 0; day < schedule.dates().size(); ++day)
                if (const auto cell = requests::cellWish(schedule, data.staffRequests, row, day))
                    benchmark::DoNotOptimize(requests::markText(*cell));
    }
}
BENCHMARK(BM_ChangeWindowWishes1200)->Unit(benchmark::kMicrosecond);

void BM_RequestReport1200(benchmark::State& state)
{
    TFormData data;
    fill(data);
    for (auto _ : state)
        benchmark::DoNotOptimize(requests::reportLines(daychanges::EffectiveSchedule(data), data.staffRequests));
}
BENCHMARK(BM_RequestReport1200)->Unit(benchmark::kMicrosecond);

} // namespace
