#pragma once

#include "master/MasterRecord.h"

#include <QString>
#include <optional>
#include <span>

// The checks of the register command, in their fixed order, and the texts that report a
// refused registration. Only the first failing check is reported; a refused
// registration changes no table.
namespace master {

inline constexpr int kNameBytes = 24;

enum class Mode { NewRegistration, Edit };

enum class Problem {
    TableFull,
    NameMissing,
    NameUnusable, // a comma, a line break or a character without a Shift-JIS form
    NameTooLong,
    NameTaken,
    AttributeMissing,
    TimesMissing,
    RestMissing,
    ZeroHour,
};

struct Refusal {
    Problem problem;
    int day = -1; // the day concerned by the day checks
    bool atEndHour = false; // ZeroHour: the end hour is the zero one, the start hour is not

    bool operator==(const Refusal&) const = default;
};

struct EmployeeInput {
    QString name;
    QString wage;
    Week week;
};

// True when the name takes at most kNameBytes bytes in Shift-JIS.
bool nameFits(const QString& name);

// A name field's text brought back within kNameBytes after an edit: the characters just before
// the cursor, which end what was just typed or pasted, are dropped until the rest fits (a
// character outside the basic plane goes whole). cut tells whether anything was dropped.
struct FittedName {
    QString name;
    int cursor = 0;
    bool cut = false;

    bool operator==(const FittedName&) const = default;
};
FittedName fitName(const QString& name, int cursor);

// The first check that the input fails, or none. In edit mode the edited row may keep
// its own name, but no other row's name.
std::optional<Refusal> checkRegistration(const Table& master, const EmployeeInput& input, Mode mode, int editedRow);

// The checks of the day blocks alone, in the same order: every day's attribute, then every
// day's times, rests and zero hours. days[0] is weekday firstDay (0 = Monday), so a refusal names
// the right weekday.
std::optional<Refusal> checkDays(std::span<const DayInput> days, int firstDay = 0);

// The message that reports a refusal.
QString refusalText(const Refusal& refusal);

} // namespace master
