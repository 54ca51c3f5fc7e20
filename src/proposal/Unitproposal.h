#pragma once

#include "changes/DayChanges.h"
#include "changes/EffectiveSchedule.h"
#include "proposal/Instance.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <memory>

struct Forms;
class ProposalWorker;
class Timer;
namespace Ui {
class TFormProposal;
}
namespace proposal {
struct Proposal;
}
namespace solver {
struct Outcome;
}

// The dialog "勤務案の作成": the aim and the time limit. "作成" builds the problem of the period
// chosen in the change window from the data holder and solves it in a worker thread, while the
// dialog shows the time since the start and the best proposal found so far; "中止" stops and keeps
// the best one. The proposal, checked against what may change and counted by the program's own
// rules, goes to the change window through proposed(); the dialog changes no data.
class TFormProposal : public QDialog {
    Q_OBJECT
public:
    TFormProposal(Forms& forms, QWidget* parent);
    ~TFormProposal() override;

    // Opens the dialog for the period chosen in the change window.
    void ask(const daychanges::DateChoice& choice);
    // Closes the dialog; a solve that runs is stopped and its outcome dropped.
    void reject() override;

Q_SIGNALS:
    // A checked proposal: the day changes it makes and its summary line.
    void proposed(const QList<DayChange>& changes, const QString& summary);

private:
    void BtnCreateClick();
    void BtnStopClick();
    void TimerElapsedTimer();
    void better(qint64 elapsedMs, const proposal::Proposal& best);
    void finished(const solver::Outcome& outcome);
    void offer(const solver::Outcome& outcome);
    void setSolving(bool on);
    void showStatus();

    std::unique_ptr<Ui::TFormProposal> ui;
    Forms& forms_;
    ProposalWorker* worker_ = nullptr;
    Timer* TimerElapsed = nullptr;
    QElapsedTimer clock_;
    daychanges::DateChoice choice_;
    proposal::Instance instance_; // the problem being solved, to write its proposal back
    QString best_; // the best proposal so far, in words
    bool stopped_ = false; // "中止" was pressed
    bool dropped_ = false; // the dialog was closed while solving: the outcome is not wanted
};
