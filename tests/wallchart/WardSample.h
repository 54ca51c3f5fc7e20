#pragma once

#include "changes/ChangesTestData.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternMatch.h"

// A ward's May 2026 in the ward's patterns (日, 遅, 夜 → 明, 明): "=SUM(A1)" keeps the standard
// week's 9:00–17:30, which names no pattern; 佐藤 works 夜 on 11 May, 明 on 12 May and 日 on
// 13 May; 田中 works 日 from 11 to 15 May and 遅 on Saturday 16 May.
struct WardSample {
    WardSample()
        : period(QDate(2026, 5, 1), { employee("=SUM(A1)"), employee("佐藤"), employee("田中") })
    {
        TFormData& data = period.data;
        data.shiftPatterns.patterns = patterns::starterSet(patterns::Starter::Ward);
        const QList<patterns::Pattern>& set = data.shiftPatterns.patterns;
        const auto on = [&](const char* name, QDate date, int pattern) {
            DayEntry entry = patterns::entryOf(set.at(pattern));
            entry.changed = true;
            data.dayChanges.set(QString::fromUtf8(name), date, entry);
        };
        on("佐藤", kNight, 2);
        on("佐藤", kNight.addDays(1), 3);
        on("佐藤", kNight.addDays(2), 0);
        for (int d = 0; d < 5; ++d)
            on("田中", kNight.addDays(d), 0);
        on("田中", kNight.addDays(5), 1);
    }

    static inline const QDate kNight { 2026, 5, 11 };
    PeriodData period;
};
