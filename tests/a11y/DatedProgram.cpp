// The program as a user starts it, on a set date, for the accessibility roads that run over more
// than one day: the start of a period, then the day the next one begins. In a directory without
// data files it first writes three employees (山田, 佐藤, 鈴木: Monday to Friday 9:00-17:30) and
// the period registered on that date.
//
// Usage: dated_program <directory> <YYYY-MM-DD>
#include "app/Application.h"
#include "app/Program.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Clock.h"
#include "platform/Pace.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Rotan QX-30"));
    QApplication::setQuitOnLastWindowClosed(false);
    pace::setScale(0.2);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QDate today = QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate);
    if (!today.isValid() || !QDir::setCurrent(dir.path()))
        return 2;
    if (!QFile::exists(dir.filePath(TFormData::kMasterFile))) {
        QByteArray master;
        for (const char* name : { "山田", "佐藤", "鈴木" })
            master += fileLine(sampleEmployee(QString::fromUtf8(name)));
        writeFileBytes(dir.filePath(TFormData::kMasterFile), master);
        Table schedule { 40, 5 };
        registerPeriod(schedule, today, 7);
        writeFileBytes(dir.filePath(TFormData::kScheduleFile), serializeTable(schedule));
    }
    clock_::setNow(QDateTime(today, QTime(9, 0)));
    Program program;
    program.forms().FormMain->show();
    return QApplication::exec();
}
