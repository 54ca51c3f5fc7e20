#pragma once

#include "labour/PersonRules.h"
#include "labour/SequenceRules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Table;

// The workplace's shift patterns (早番, 日勤, 夜勤, 明け, named days off …) and what each employee
// may work and is qualified for, as the seventh file keeps them. Plain values with the rules each
// field follows; the file form is patternfile's, which entry names which pattern is
// PatternMatch's. Nothing here knows the tables beyond the names of the master.
namespace patterns {

// A shift; 明け (the morning after a night: not a day off, no shift of its own); a named day off.
enum class Kind { Working, Ake, DayOff };

// A break given as a time of day (a ward's 仮眠), in minutes after midnight of the shift's day: a
// break in the small hours of a night shift lies after 24:00 (1:00 is 1500).
struct BreakTime {
    int start = 0;
    int end = 0;

    bool operator==(const BreakTime&) const = default;
};

inline constexpr int kDayMinutes = 24 * 60;
inline constexpr int kNameBytes = 20;
inline constexpr int kQualifications = 10;
inline constexpr int kQualificationBytes = 20;

struct Pattern {
    QString code; // one or two characters, unique
    QString name; // up to 20 bytes (CP932)
    Kind kind = Kind::Working;
    int start = 0; // Working: minutes after midnight, 1:00 to 24:55 as the master's boxes offer
    int end = 0; // Working: an end at or before the start ends the next day
    int breakMinutes = 0; // Working: the break's length, also when breakTime gives it
    std::optional<BreakTime> breakTime; // Working: a break given as a time of day (仮眠)
    QString offAttribute; // DayOff: "公休", "休み" or "その他"
    QString colour; // "#RRGGBB"
    QString follow; // the code of the day that must follow; empty for none

    bool isWorking() const { return kind == Kind::Working; }
    // Minutes from start to end; a working pattern's end at or before its start is on the next
    // day. 0 for a pattern without times.
    int span() const;
    // span − break.
    int netMinutes() const;
    // The work attribute a day of this pattern has: "勤務日", "その他" for 明け, else offAttribute.
    QString attribute() const;

    bool operator==(const Pattern&) const = default;
};

struct StaffLine {
    QString name; // as the master holds it
    QStringList codes; // the working patterns the employee may work; empty = every working pattern
    QStringList qualifications; // free tags ("看護師", "新人", "レジ"), up to 10 of 20 bytes each
    labour::PersonRules rules = {}; // what the labour check knows of the person
    bool shiftWork = false; // "シフト制": a shift on any day; else "固定", only on the standard week's days
    bool uncounted = false; // "人数に数えない": counts toward no staffing target

    // Limits nothing and says nothing of the person: such a line need not be kept.
    bool isPlain() const
    {
        return codes.isEmpty() && qualifications.isEmpty() && rules == labour::PersonRules() && !shiftWork
            && !uncounted;
    }

    bool operator==(const StaffLine&) const = default;
};

// Held by TFormData as `shiftPatterns`. Like the day changes it keeps whatever it is given, also
// staff lines of names without a master row: they are shown apart and kept.
class ShiftPatterns {
public:
    QList<Pattern> patterns; // in the order the user arranged them
    QList<StaffLine> staff;
    labour::SequenceRules sequence; // which pattern may follow which

    // No pattern: every view stays as it is without patterns.
    bool isEmpty() const { return patterns.isEmpty(); }
    // The position of the pattern of that code; −1 when none.
    int indexOf(const QString& code) const;
    const StaffLine* staffLine(const QString& name) const;
    // Whether pattern (a position in patterns) is a working pattern the person may work: any one
    // when the person has no line or a line without codes.
    bool allows(const QString& name, int pattern) const;

    bool operator==(const ShiftPatterns&) const = default;
};

// After the employee master window renamed an employee: the staff line follows the new name,
// unless another master row still carries the old name, or the new name has a line already (the
// old one then stays under the old name, apart, where it can be seen and deleted).
void followRename(ShiftPatterns& patterns, const Table& master, const QString& oldName, const QString& newName);
// After an employee was deleted from the master: the name's staff line goes, unless another
// master row still carries the name.
void followDelete(ShiftPatterns& patterns, const Table& master, const QString& name);

// ---- The rules of the fields, shared by the file and the window. Each returns why the value
// cannot be kept, in the user's words, or the empty text. ----

// One or two characters that Shift-JIS stores, none of them ",", "|", a blank or a control.
QString codeFault(const QString& code);
// A qualification tag: 1 to 20 bytes of Shift-JIS without ",", "|" or a control character.
QString qualificationFault(const QString& tag);
// 1 to 20 bytes of Shift-JIS, no "," and no control character.
QString nameFault(const QString& name);
// "#RRGGBB" in hexadecimal digits of either case.
QString colourFault(const QString& colour);
// The pattern's own fields: code, name, colour; for a working pattern hours 1 to 24 and minutes
// 00 to 55 in steps of 5 (the master's boxes), an end that does not fall in the start's hour at
// or before the start (the master counts such a day as no time worked), a break from 0 to the
// span, a break time of day inside the shift whose length is the break; for a day off an
// attribute of "公休", "休み", "その他".
QString patternFault(const Pattern& pattern);
// The pattern beside others (the set without it): a code of its own and, for a working pattern,
// start, end and break that no other working pattern has, so that an entry names at most one.
QString clashFault(const Pattern& pattern, const QList<Pattern>& others);
// The day that must follow names a pattern of the set other than the pattern itself.
QString followFault(const Pattern& pattern, const QList<Pattern>& set);
// A staff line's codes name working patterns of the set, once each; at most 10 qualifications,
// each of 1 to 20 bytes of Shift-JIS without ",", "|" or a control character, once each.
QString staffFault(const StaffLine& line, const QList<Pattern>& set);

// "9:00", "16:30"; hours past 24:00 as on the next day ("1:00").
QString clockText(int minutes);
// The minutes of a clock "H:MM", 0:00 to 24:59; −1 for any other text.
int clockOf(QStringView text);
// A break given as a time of day "H:MM-H:MM", placed on a shift that starts at shiftStart: a clock
// before the start is on the next day. None for any other text.
std::optional<BreakTime> breakTimeOf(QStringView text, int shiftStart);
// A working pattern's break as the file and the window write it: "60" or "1:00-3:00".
QString breakText(const Pattern& pattern);
// "16:30～9:00" of a working pattern, with its break: "（休憩 120分）" or "（休憩 1:00～3:00）".
QString timesText(const Pattern& pattern);
// "8時間00分".
QString durationText(int minutes);

} // namespace patterns
