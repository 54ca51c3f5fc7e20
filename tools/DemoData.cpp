// Writes the two data files of the demo shop into a directory, with the period that starts
// today.
//
// Usage: rotan_demo_data <directory>
#include "DemoShop.h"

#include "data/Unitdata.h"
#include "platform/Clock.h"

#include <QRandomGenerator>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: rotan_demo_data <directory>\n", stderr);
        return 2;
    }
    TFormData data;
    if (!demo::fillShop(data, clock_::today(), QRandomGenerator::system()->generate())) {
        std::fputs("rotan_demo_data: the period of today could not be registered\n", stderr);
        return 1;
    }
    if (const auto error = demo::writeDataFiles(QString::fromLocal8Bit(argv[1]), data)) {
        std::fprintf(stderr, "rotan_demo_data: %s\n", qPrintable(*error));
        return 1;
    }
    return 0;
}
