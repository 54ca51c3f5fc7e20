// The program on 10 June 2024 with a period that ends on 15 June, in the directory given on the
// command line, for the accessibility bus: the main window's period-end notice reads
// "勤務期間終了まで，後５日". A line "end 14" on the standard input moves the period's end day in the
// schedule table to the 14th, so that the notice's text changes as the today panel keeps it.
#include "app/Application.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Pace.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Rotan QX-30"));
    QApplication::setQuitOnLastWindowClosed(false);
    pace::setScale(0.1);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir::setCurrent(dir.path());
    writeFileBytes(dir.filePath(TFormData::kMasterFile), fileLine(sampleEmployee(QStringLiteral("山田"))));
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2024, 5, 7), 7); // to 15 June
    writeFileBytes(dir.filePath(TFormData::kScheduleFile), serializeTable(schedule));

    ProgramRun run(QDate(2024, 6, 10));
    run.startUp();
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&run, &input] {
        char line[64] = {};
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        int day = 0;
        if (std::sscanf(line, "end %d", &day) == 1)
            run.forms().FormData->StringGrid2.setCell(5, 0, QString::number(day));
    });
    return QCoreApplication::exec();
}
