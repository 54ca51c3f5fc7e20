#pragma once

#include <QString>

// What one employee does on one date: the work attribute ("勤務日", "休み", "公休", "その他",
// or whatever a damaged table holds) with the times and the net working minutes as texts, as
// the employee master table stores them ("9", "00", "17", "30", "450"). It comes from a day
// change of that date when there is one, else from the standard week's block of its weekday.
// A day change may also carry a shift pattern without times: "明" (明け, the attribute
// "その他") or a named day off such as "年休" (the attribute that pattern names).
struct DayEntry {
    QString attribute;
    QString startHour;
    QString startMinute;
    QString endHour;
    QString endMinute;
    QString netMinutes;
    bool changed = false; // a day change of that date applies
    QString pattern {}; // the code of the pattern without times the change carries; empty otherwise

    bool operator==(const DayEntry&) const = default;
};
