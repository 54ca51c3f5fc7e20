#include "support/TestSupport.h"

#include "platform/Clock.h"
#include "platform/TextCodec.h"
#include "shell/Unitmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

QByteArray readFileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray sjis(const QString& text)
{
    return cp932::encode(text);
}

QString runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& path)
{
    return runTool(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

StartDirectory::StartDirectory()
    : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

StartDirectory::~StartDirectory()
{
    QDir::setCurrent(previous_);
}

QStringList sampleEmployee(const QString& name)
{
    QStringList cells { name, QStringLiteral("1000") };
    for (int day = 0; day < 7; ++day) {
        if (day < 5)
            cells << QStringLiteral("勤務日") << QStringLiteral("9") << QStringLiteral("00") << QStringLiteral("17")
                  << QStringLiteral("30");
        else
            cells << QStringLiteral("公休") << QStringLiteral("0") << QStringLiteral("00") << QStringLiteral("0")
                  << QStringLiteral("00");
    }
    for (int day = 0; day < 7; ++day)
        cells << (day < 5 ? QStringLiteral("450") : QStringLiteral("0"));
    return cells;
}

QByteArray fileLine(const QStringList& cells)
{
    QString line;
    for (const QString& c : cells)
        line += c + u',';
    return sjis(line + QStringLiteral("\r\n"));
}

ProgramRun::ProgramRun(QDate today)
{
    clock_::setNow(QDateTime(today, QTime(9, 0)));
    program_ = std::make_unique<Program>();
}

ProgramRun::~ProgramRun()
{
    program_.reset();
    clock_::useSystemClock();
}

void ProgramRun::startUp()
{
    forms().FormMain->show();
    waitFor([this] { return forms().FormMain->startupFinished(); });
}
