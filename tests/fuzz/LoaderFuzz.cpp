// libFuzzer entry: a fault of the loader or the checks stops the fuzzer with the input kept.
#include "LoaderTarget.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString fault = exerciseLoaderAndChecks(data, size);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", fault.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
