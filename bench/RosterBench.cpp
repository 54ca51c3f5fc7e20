// roster_bench FILE [SECONDS] [--roster OUT] [--plain] [--cpu]: solves an instance of the published
// shift-scheduling benchmark with the proposal's engine within SECONDS (10 by default), checks
// the best roster against every rule of the instance by code apart from the engine's model, and
// prints as its last line "penalty P bound B best T s": the penalty, the proven lower bound and
// the seconds to the best roster. --roster OUT writes the roster, one line per staff member;
// --plain first solves an independent plain CBC model of the same rules in the same time and
// prints its penalty and bound, so that the engine can be compared with it. --cpu counts SECONDS
// (and T) in this process's CPU time, for measurements while other work shares the machine.
#include "PlainRosterModel.h"
#include "proposal/ShiftBenchCheck.h"
#include "solver/Solver.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cmath>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "roster_bench: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    QString rosterFile;
    bool plain = false;
    bool cpuTime = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--roster") && i + 1 < args.size()) {
            rosterFile = args[i + 1];
            args.remove(i--, 2);
        } else if (args[i] == QLatin1String("--plain")) {
            plain = true;
            args.remove(i--);
        } else if (args[i] == QLatin1String("--cpu")) {
            cpuTime = true;
            args.remove(i--);
        }
    }
    if (args.isEmpty() || args.size() > 2)
        return fail(QStringLiteral("usage: roster_bench FILE [SECONDS] [--roster OUT] [--plain] [--cpu]"));
    int seconds = solver::kDefaultSeconds;
    if (args.size() == 2) {
        bool ok = false;
        seconds = args[1].toInt(&ok);
        if (!ok || seconds < solver::kMinimumSeconds || seconds > solver::kMaximumSeconds)
            return fail(
                QStringLiteral("SECONDS must be %1 to %2").arg(solver::kMinimumSeconds).arg(solver::kMaximumSeconds));
    }
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(args[0]));
    const shiftbench::Read read = shiftbench::read(QString::fromUtf8(file.readAll()));
    if (!read.problem)
        return fail(args[0] + QStringLiteral(": ") + read.error);
    const shiftbench::Problem& problem = *read.problem;

    if (plain) {
        const PlainResult result = solvePlain(problem, seconds, cpuTime);
        std::printf("plain penalty %d bound %d\n", result.penalty, result.bound);
    }

    const proposal::Instance instance = shiftbench::instanceOf(problem);
    const proposal::Model model = proposal::buildModel(instance);
    solver::Options options;
    options.seconds = seconds;
    options.cpuTime = cpuTime;
    const solver::Outcome outcome = solver::solve(model, options);

    const shiftbench::Roster roster = shiftbench::rosterOf(instance, outcome.best.options);
    const shiftbench::Verdict verdict = shiftbench::check(problem, roster);
    if (!rosterFile.isEmpty()) {
        QFile out(rosterFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(shiftbench::rosterText(problem, roster).toUtf8()) < 0)
            return fail(QStringLiteral("cannot write %1").arg(rosterFile));
    }
    for (const QString& breach : verdict.breaches)
        std::printf("breach %s\n", qPrintable(breach));
    const solver::StageOutcome& penalty = outcome.stages.last();
    if (std::lround(penalty.value) != verdict.penalty)
        std::printf("mismatch: the engine counts %ld, the check %d\n", std::lround(penalty.value), verdict.penalty);
    std::printf("penalty %d bound %ld best %.2f s\n", verdict.penalty, std::lround(std::ceil(penalty.bound - 1e-6)),
        outcome.bestMs / 1000.0);
    return verdict.breaches.isEmpty() && std::lround(penalty.value) == verdict.penalty ? 0 : 1;
}
