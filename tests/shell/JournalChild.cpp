// A run that dies: starts the program in the directory given on the command line on 7 May 2024,
// registers the employee named second on the command line through the master window, tells its
// parent on the standard output and then waits, without ever closing, to be killed.
#include "MasterInput.h"
#include "app/Application.h"
#include "platform/Pace.h"

#include <QDir>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    pace::setScale(0);
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));

    ProgramRun run(QDate(2024, 5, 7));
    run.startUp();
    registerThroughMasterWindow(run, QString::fromLocal8Bit(argv[2]));
    std::puts("registered");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
