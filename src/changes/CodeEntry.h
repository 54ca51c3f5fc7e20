#pragma once

#include "changes/DayEntry.h"
#include "changes/EffectiveSchedule.h"
#include "requests/RequestEdits.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class TFormData;
namespace patterns {
class ShiftPatterns;
}

// The change window by shift code: which text reads on a pattern's colour, the legend of the
// codes, which pattern a typed key names, and what applying a pattern to cells changes.
namespace changes {

// Text that reads on a background "#RRGGBB": dark on a light colour, light on a dark one, by the
// colour's relative luminance. Dark for a text that is no such colour.
enum class Ink { Dark, Light };
Ink inkOn(QStringView colour);

// One code of the legend under the grid, in the user's order.
struct LegendItem {
    int pattern = -1; // its position in the workplace's patterns
    QString text; // "日 8:30～17:15", "明 明け", "年 年休（休み）"
    QString description; // the name, the times with the break and the day that must follow
    QString colour;
};
QList<LegendItem> legendOf(const patterns::ShiftPatterns& patterns);

// The pattern a key typed on the grid names: the first in the user's order whose code starts
// with the text's first character (Latin letters in either case); −1 for none.
int patternOfKey(const patterns::ShiftPatterns& patterns, QStringView text);

// What one date of one employee's name becomes: a day change, or the standard week again.
struct DaySet {
    QString name;
    QDate date;
    std::optional<DayEntry> after;

    bool operator==(const DaySet&) const = default;
};

// A pattern applied to cells of the schedule's period. Each list holds only what changes.
struct CodePlan {
    QList<DaySet> days; // the cells of employees allowed the pattern
    QList<DaySet> following; // the days after them that take the pattern that must follow
    QList<DaySet> replacing; // the same for days that have a change of their own: taken when the user agrees
    QStringList refused; // the employees the pattern is not allowed for, once each, in the cells' order

    bool operator==(const CodePlan&) const = default;
};

// The plan of pattern (a position in patterns) on the cells (registered names on days of the
// period): a working pattern only for the employees allowed it, a pattern without times for
// everyone. The pattern that must follow goes to the next day when that day lies in the period
// and is not one of the cells. A day whose entry would equal the standard week's gets the
// standard week back instead of a change that repeats it.
CodePlan planCode(const daychanges::EffectiveSchedule& schedule, const patterns::ShiftPatterns& patterns, int pattern,
    const QList<requests::Cell>& cells);

// An overlap the sets would make between two shifts of one employee.
struct SetOverlap {
    QString name;
    QDate date; // the later of the two days
    int minutes = 0;

    bool operator==(const SetOverlap&) const = default;
};
// The overlaps of the shifts the sets give with the shifts around them, as the schedule of the
// chosen period stands once every set is carried out; each overlap once.
QList<SetOverlap> overlapsOf(const TFormData& data, const daychanges::DateChoice& choice, const QList<DaySet>& sets);

} // namespace changes
