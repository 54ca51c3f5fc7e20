// Test main: an offscreen application with the pace at 0, so timers and pauses of the
// real windows run at once while keeping their order.
#include "app/Application.h"
#include "platform/Pace.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", ROTAN_OFFSCREEN_PLATFORM);
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Rotan QX-30"));
    QApplication::setQuitOnLastWindowClosed(false);
    pace::setScale(0);
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests fork, so the child sees the same start directory as the test that checks it.
    GTEST_FLAG_SET(death_test_style, "fast");
    return RUN_ALL_TESTS();
}
