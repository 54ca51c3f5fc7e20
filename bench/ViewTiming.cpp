// Time from choosing a view in the main menu to its complete text, with the windows as the
// program runs them (real pauses and timers). Run in a start directory with valid data
// files, on a display (Xvfb does). With the name of a view ("schedule", "time", "week")
// it opens that view and keeps it on screen instead, for a screenshot. With "unpaced" it
// times the same with every timer interval at 0: the work of the program itself.
#include "app/Program.h"
#include "period/Unitterm.h"
#include "platform/Clock.h"
#include "platform/Pace.h"
#include "shell/Unitmain.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

void runUntil(const std::function<bool()>& done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

struct Timing {
    qint64 wallMs;
    qint64 cpuMs; // processor time of the program itself meanwhile
};

Timing timeToComplete(QAction* item, const std::function<bool()>& complete)
{
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    item->trigger();
    runUntil(complete);
    return { clock.elapsed(), static_cast<qint64>((std::clock() - cpu) * 1000 / CLOCKS_PER_SEC) };
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Rotan QX-30"));
    QApplication::setQuitOnLastWindowClosed(false);
    Program program;
    Forms& forms = program.forms();
    TFormMain* main = forms.FormMain;
    main->show();
    runUntil([main] { return main->startupFinished(); });
    if (main->state() != TFormMain::State::Normal) {
        std::fprintf(stderr, "the data files of the start directory do not reach the normal state\n");
        return 1;
    }
    // What the today panel sets: the weekday of the start-up date.
    Q_EMIT forms.FormInfo->weekdayKnown(clock_::weekdayCode(forms.FormTerm->startupDate()));

    using Item = TFormMain::ScheduleItem;
    const QString view = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (view == QLatin1String("unpaced")) {
        pace::setScale(0);
    } else if (!view.isEmpty()) {
        const Item item = view == QLatin1String("time") ? Item::Daily
            : view == QLatin1String("week")             ? Item::Weekly
                                                        : Item::Monthly;
        main->scheduleItem(item)->trigger();
        return QApplication::exec();
    }

    const Timing schedule
        = timeToComplete(main->scheduleItem(Item::Monthly), [&] { return forms.FormSchedu->isReady(); });
    forms.FormSchedu->close();
    const Timing time = timeToComplete(main->scheduleItem(Item::Daily), [&] { return forms.FormTime->isReady(); });
    forms.FormTime->close();
    const Timing week = timeToComplete(main->scheduleItem(Item::Weekly), [&] { return forms.FormWkList->isFilled(); });
    for (const auto& [name, t] :
        { std::pair { "schedule window", schedule }, { "hour chart", time }, { "weekday list", week } })
        std::printf("%s: %lld ms (processor %lld ms)\n", name, static_cast<long long>(t.wallMs),
            static_cast<long long>(t.cpuMs));
    return 0;
}
