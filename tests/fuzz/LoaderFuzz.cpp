// libFuzzer entry: a fault of the loader, the checks, the views or the reports stops the fuzzer
// with the input kept; so does an input that runs for three seconds: under the sanitizers the
// fullest tables take about half a second on a busy machine, so only a runaway gets that far.
// The slowest input is told at exit.
#include "LoaderTarget.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTooSlow = std::chrono::seconds(3);
constexpr int kWarmUp = 20; // the first inputs also load Qt's own data (codecs, time zones)
int g_runs = 0;
Clock::duration g_slowest {};

long long milliseconds(Clock::duration d)
{
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

void tellSlowest()
{
    std::fprintf(stderr, "slowest input after the first %d: %lld ms\n", kWarmUp, milliseconds(g_slowest));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::atexit(tellSlowest);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto start = Clock::now();
    const QString fault = exerciseLoaderAndChecks(data, size);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", fault.toLocal8Bit().constData());
        std::abort();
    }
    const auto took = Clock::now() - start;
    if (++g_runs <= kWarmUp)
        return 0;
    g_slowest = std::max(g_slowest, took);
    if (took > kTooSlow) {
        std::fprintf(stderr, "an input took %lld ms\n", milliseconds(took));
        std::abort();
    }
    return 0;
}
