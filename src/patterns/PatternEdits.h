#pragma once

#include "changes/DayChanges.h"
#include "patterns/ShiftPatterns.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the window "勤務パターン設定" computes: the starting sets, the fields as a user types them,
// the edits that keep the set whole (a code renamed or a pattern deleted is followed by the days
// that must follow it and by the staff lines) and what the day changes do when a pattern without
// times they carry is renamed or deleted.
namespace patterns {

enum class Starter { Shop, Ward };

// "飲食・小売", "病棟（２交代）".
QString starterName(Starter starter);
// 飲食・小売: 早 7:00–15:00, 中 11:00–20:00, 遅 15:00–23:00, 夜 22:00–7:00, each with 60 minutes
// of break. 病棟（２交代）: 日 8:30–17:15 and 遅 12:00–20:45 with 60 minutes, 夜 16:30–9:00 with 120
// minutes followed by 明, and 明 明け.
QList<Pattern> starterSet(Starter starter);

// A clock as typed: "9:00", "９：００", "9" (a full hour); none for any other text.
std::optional<int> typedClock(const QString& text);
// A break as typed: none (0 minutes), minutes ("60", "６０") or a time of day ("1:00-3:00", "1:00～3:00") on a
// shift that starts at shiftStart; none for any other text.
struct TypedBreak {
    int minutes = 0;
    std::optional<BreakTime> time;
};
std::optional<TypedBreak> typedBreak(const QString& text, int shiftStart);
// Qualifications as typed, separated by "、", "，", ",", "|", "/" or blanks; "看護師、新人".
QStringList typedQualifications(const QString& text);
QString qualificationsText(const QStringList& qualifications);

// "勤務", "明け", "休（公休）".
QString kindText(const Pattern& pattern);

// The day changes that name the pattern.
int changesUsing(const DayChanges& changes, const Pattern& pattern);
// Gives each day change that carries a code of codes (a pattern without times as it was
// registered) the code it has now, or none (the day then stays as its attribute) where the
// pattern is gone or has times now. Returns how many changes changed.
int followCodes(DayChanges& changes, const QHash<QString, QString>& codes);

// The staff lines whose only working pattern is code, by name.
QStringList onlyPatternOf(const ShiftPatterns& patterns, const QString& code);
// A pattern's code changes from from to to: the days that must follow it and the staff lines follow.
void renameCode(ShiftPatterns& patterns, const QString& from, const QString& to);
// The working pattern code is no longer one the staff lines can name.
void leaveStaffLines(ShiftPatterns& patterns, const QString& code);
// Removes the pattern at index; a day that must follow it is cleared and it leaves the staff
// lines. Returns the codes of the patterns whose follow-on day was cleared.
QStringList removePattern(ShiftPatterns& patterns, int index);

} // namespace patterns
