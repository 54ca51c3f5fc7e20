#include "platform/Pace.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>
#include <cmath>
#include <vector>

namespace pace {
namespace {
double g_scale = 1.0;
int g_depth = 0;
std::vector<std::function<void()>> g_deferred;

// Hands the deferred work to the event loop; each piece checks again whether a pause runs.
void releaseDeferred()
{
    auto work = std::move(g_deferred);
    g_deferred.clear();
    for (auto& w : work)
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [w = std::move(w)] { runWhenIdle(w); }, Qt::QueuedConnection);
}
} // namespace

void setScale(double scale)
{
    g_scale = scale < 0 ? 0 : scale;
}

double scale()
{
    return g_scale;
}

int scaled(int ms)
{
    return static_cast<int>(std::lround(ms * g_scale));
}

void pause(int ms)
{
    const int t = scaled(ms);
    if (t <= 0 || !QCoreApplication::instance())
        return;
    ++g_depth;
    QEventLoop loop;
    QTimer::singleShot(t, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (--g_depth == 0)
        releaseDeferred();
}

bool inPause()
{
    return g_depth > 0;
}

void runWhenIdle(std::function<void()> work)
{
    if (g_depth > 0)
        g_deferred.push_back(std::move(work));
    else
        work();
}

} // namespace pace
