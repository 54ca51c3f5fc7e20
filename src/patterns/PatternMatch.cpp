#include "patterns/PatternMatch.h"

#include "changes/DayShift.h"

namespace patterns {

int patternOf(const ShiftPatterns& patterns, const DayEntry& entry)
{
    if (!entry.pattern.isEmpty()) {
        const int i = patterns.indexOf(entry.pattern);
        return i >= 0 && !patterns.patterns[i].isWorking() ? i : -1;
    }
    const auto shift = daychanges::shiftOf(entry);
    if (!shift)
        return -1;
    // The same start and span is the same shift, also where a change gives midnight as 0:00.
    const int breakMinutes = shift->span() - shift->netMinutes;
    for (int i = 0; i < patterns.patterns.size(); ++i) {
        const Pattern& p = patterns.patterns[i];
        if (p.isWorking() && p.start == shift->start() && p.span() == shift->span() && p.breakMinutes == breakMinutes)
            return i;
    }
    return -1;
}

DayEntry entryOf(const Pattern& pattern)
{
    if (!pattern.isWorking())
        return { pattern.attribute(), QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("0"),
            QStringLiteral("00"), QStringLiteral("0"), false, pattern.code };
    const auto minute
        = [](int minutes) { return minutes % 60 == 0 ? QStringLiteral("00") : QString::number(minutes % 60); };
    return { pattern.attribute(), QString::number(pattern.start / 60), minute(pattern.start),
        QString::number(pattern.end / 60), minute(pattern.end), QString::number(pattern.netMinutes()), false, {} };
}

} // namespace patterns
