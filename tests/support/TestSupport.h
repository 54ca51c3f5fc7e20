#pragma once

#include "app/Program.h"
#include "platform/Dialogs.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Bytes of a file, or an empty array when it cannot be read.
QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);

// Text in code page 932, for writing data files in tests.
QByteArray sjis(const QString& text);

// The standard output of a tool, or "<tool failed: …>" when it could not run or failed.
QString runTool(const QString& program, const QStringList& args);
// The text of a PDF file as poppler's pdftotext gives it, laid out as printed.
QString pdfText(const QString& path);

// Runs the event loop until done() holds or timeoutMs passes; returns done().
bool waitFor(const std::function<bool()>& done, int timeoutMs = 5000);

// A fresh temporary start directory that is the current directory while the object lives.
class StartDirectory {
public:
    StartDirectory();
    ~StartDirectory();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// One valid employee master record (44 cells) and its file line.
QStringList sampleEmployee(const QString& name);
QByteArray fileLine(const QStringList& cells);

// The program as a user starts it: its windows created in the start directory on a set
// date, with every message box scripted.
class ProgramRun {
public:
    // Creates the windows on the given date (09:00); the files in dir are used as they are.
    explicit ProgramRun(QDate today);
    ~ProgramRun();

    Forms& forms() { return program_->forms(); }
    dialogs::Script& dialogs() { return dialogs_; }

    // Shows the main window and runs the start-up sequence until it settles.
    void startUp();

private:
    dialogs::Script dialogs_;
    std::unique_ptr<Program> program_;
};
