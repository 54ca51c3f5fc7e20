#include "proposal/Instance.h"

#include "platform/Clock.h"

namespace proposal {

QList<AimStage> programAims(Aim aim)
{
    const AimStage changes { { Measure::ChangedDays } };
    const AimStage cost { { Measure::Cost } };
    QList<AimStage> aims {
        { { Measure::Findings } },
        { { Measure::ShortHours }, { Measure::ShortPatterns } },
        { { Measure::Requests } },
        { { Measure::OverHours }, { Measure::OverPatterns } },
        { { Measure::NightFairness } },
        { { Measure::WeekendFairness } },
    };
    if (aim == Aim::FewerChanges)
        aims << changes << cost;
    else
        aims << cost << changes;
    return aims;
}

Instance frame(QDate periodFirst, int periodDays, const LabourSettings& labour)
{
    Instance instance;
    instance.first = periodFirst.addDays(-kDaysLookedBack);
    instance.periodStart = kDaysLookedBack;
    instance.periodDays = periodDays;
    instance.labour = labour;
    const QDate last = periodFirst.addDays(periodDays - 1);
    const int weekEnd = (labour.weekStart + 5) % 7 + 1; // the weekday code before the start weekday
    const int daysToWeekEnd = (weekEnd - clock_::weekdayCode(last) + 7) % 7;
    instance.days = kDaysLookedBack + periodDays + daysToWeekEnd;
    instance.targets = QList<DayTargets>(periodDays);
    return instance;
}

} // namespace proposal
