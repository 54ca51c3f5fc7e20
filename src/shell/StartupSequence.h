#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

struct Forms;
class QWidget;
class Timer;

// The main window's start-up sequence: three chained one-shot steps that load the employee
// master file and check it, load the schedule file and check its form, and check the period
// against the start-up date (and, when everything passed, loads the files beside the data files:
// the day changes, …), with their
// captions and pauses. Before loading it offers to restore what a run that did not close left in
// the recovery files. It runs once per run. It tells
// the window what to show through its signals and decides nothing about menus or panels; a
// file that cannot be created or read ends the program.
class StartupSequence : public QObject {
    Q_OBJECT
public:
    enum class Outcome { SetupNeeded, DataError, Normal };

    // Loads into forms.FormData, checks the period against startupDate(); window is the parent of
    // the capacity notice.
    StartupSequence(Forms& forms, std::function<QDate()> startupDate, QWidget* window, QString startDirectory);
    ~StartupSequence() override;

    // Step 1 follows a second later, the first time only.
    void start();
    // Stops the pending step (the window was hidden).
    void stop();
    // True once the sequence has reached its outcome.
    bool hasEnded() const { return ended_; }

Q_SIGNALS:
    void captionChanged(const QString& caption);
    void statusAppended(const QStringList& lines);
    // The employee master table is empty.
    void masterEmpty();
    // A check failed. After a failure in the employee master the sequence goes on with the
    // schedule file, so that both files are read.
    void dataErrorFound(bool inMaster);
    void ended(StartupSequence::Outcome outcome);

private:
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void offerRecovery();

    void caption(const QString& text);
    void progressCaption(int dots);
    void finish(Outcome outcome);
    void loadExtensions();

    Forms& forms_;
    std::function<QDate()> startupDate_;
    QWidget* window_;
    const QString startDir_;
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    Timer* Timer3 = nullptr;
    bool started_ = false;
    bool setupNeeded_ = false;
    bool masterDataError_ = false;
    bool ended_ = false;
};
