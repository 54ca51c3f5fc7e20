#pragma once

#include "solver/Solver.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

// Runs one solve at a time in a thread of its own, so that the window that asked for it stays
// responsive: it tells every better proposal with the time since the start and, at the end,
// the outcome. Its signals reach receivers in their own thread. It does not build the model
// nor check the proposal; the window does.
class ProposalWorker : public QObject {
    Q_OBJECT

public:
    explicit ProposalWorker(QObject* parent = nullptr);
    // Cancels a solve that runs and waits for its thread.
    ~ProposalWorker() override;

    // Starts solving the model within the time limit (seconds, 5 to 600); false, doing nothing,
    // while a solve runs.
    bool start(proposal::Model model, int seconds);
    // Stops the solve at the next chance; finished() follows with the best proposal found.
    void cancel();
    bool isRunning() const { return running_.load(); }

Q_SIGNALS:
    void progress(qint64 elapsedMs, const proposal::Proposal& best);
    void finished(const solver::Outcome& outcome);

private:
    std::atomic<bool> cancel_ { false };
    std::atomic<bool> running_ { false };
    std::unique_ptr<QThread> thread_;
};
