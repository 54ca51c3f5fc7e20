#include "solver/ProposalWorker.h"

ProposalWorker::ProposalWorker(QObject* parent)
    : QObject(parent)
{
}

ProposalWorker::~ProposalWorker()
{
    cancel();
    if (thread_)
        thread_->wait();
}

bool ProposalWorker::start(proposal::Model model, int seconds)
{
    if (running_.exchange(true))
        return false;
    if (thread_)
        thread_->wait(); // it has told its outcome and is ending
    cancel_ = false;
    thread_.reset(QThread::create([this, model = std::move(model), seconds] {
        solver::Options options;
        options.seconds = seconds;
        options.cancel = &cancel_;
        options.better = [this](const proposal::Proposal& best, qint64 elapsedMs) { Q_EMIT progress(elapsedMs, best); };
        const solver::Outcome outcome = solver::solve(model, options);
        running_ = false;
        Q_EMIT finished(outcome);
    }));
    thread_->start();
    return true;
}

void ProposalWorker::cancel()
{
    cancel_ = true;
}
