#include "platform/Clock.h"

#include <optional>

namespace clock_ {
namespace {
std::optional<QDateTime> g_fixed;
}

QDateTime now()
{
    return g_fixed ? *g_fixed : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

int weekdayCode(QDate date)
{
    return date.dayOfWeek() % 7 + 1;
}

void setNow(const QDateTime& moment)
{
    g_fixed = moment;
}

void useSystemClock()
{
    g_fixed.reset();
}

} // namespace clock_
