// libFuzzer entry: a fault of the loader, the checks, the views or the reports stops the fuzzer
// with the input kept; so does an input that takes longer than a user would wait for a window.
#include "LoaderTarget.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr auto kSlowest = std::chrono::milliseconds(100);
constexpr int kWarmUp = 20; // the first inputs also load fonts and Qt's own data
int g_runs = 0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto start = std::chrono::steady_clock::now();
    const QString fault = exerciseLoaderAndChecks(data, size);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", fault.toLocal8Bit().constData());
        std::abort();
    }
    const auto took = std::chrono::steady_clock::now() - start;
    if (++g_runs > kWarmUp && took > kSlowest) {
        std::fprintf(stderr, "an input took %lld ms\n",
            static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
        std::abort();
    }
    return 0;
}
