#pragma once

#include "data/Table.h"

#include <QString>
#include <QStringList>
#include <array>

// The employee record as the master windows handle it: the fixed entries of the day
// boxes, one weekday's choice as entry numbers, the net working minutes, and the moves
// between a row of the employee master table and the boxes (assembling, loading for an
// edit, deleting without leaving a gap). Weekdays run Monday (0) to Sunday (6). Knows
// nothing of windows; the windows show what these functions compute.
namespace master {

inline constexpr int kDays = 7;
inline constexpr int kNoEntry = -1;

// Entries of the hour, minute and rest boxes, in entry order.
const QStringList& hourEntries();
const QStringList& minuteEntries();
const QStringList& restEntries();

// "月曜日" … "日曜日".
QString dayName(int day);

inline int blockColumn(int day)
{
    return 2 + 5 * day;
}

inline int netMinutesColumn(int day)
{
    return 37 + day;
}

// One weekday's six boxes as entry numbers; kNoEntry when a box has no selection.
struct DayInput {
    int attribute = kNoEntry;
    int startHour = kNoEntry;
    int startMinute = kNoEntry;
    int endHour = kNoEntry;
    int endMinute = kNoEntry;
    int rest = kNoEntry;

    bool operator==(const DayInput&) const = default;
};
using Week = std::array<DayInput, kDays>;

inline bool isWorkingDay(const DayInput& day)
{
    return day.attribute == 0;
}

// The day rule: a day that is not a working day (or has no attribute yet) keeps its
// attribute and has every time box and the rest box at their first entries.
DayInput withDayRule(DayInput day);

// Net working minutes of a shift; an end hour below the start hour runs past midnight,
// and a result below 1 is 0.
int netMinutes(int startHour, int startMinute, int endHour, int endMinute, int rest);

// The wage as the wage field shows it: the plain decimal form of the text's leading
// integer, or "0" when that is not positive (no wage below zero is ever stored).
QString normaliseWage(const QString& text);

// The 44 cells of a record. Every box of the week must hold an entry; the day rule is
// applied, so a day that is not a working day is stored with zero times.
QStringList assembleRecord(const QString& name, const QString& wage, const Week& week);

// A record read back into the boxes for editing. The rest time is not stored: it is
// derived from the times and the net minutes, and restFound is false for a day whose
// derived rest is not one of the rest entries (its rest box then has no selection).
struct LoadedRecord {
    QString wage;
    Week week;
    std::array<bool, kDays> restFound {};
};
LoadedRecord loadRecord(const Table& master, int row);

// One day block read back into the boxes, from its stored texts (attribute, start hour, start
// minute, end hour, end minute, net minutes), with the rest derived as for a record.
struct LoadedDay {
    DayInput day;
    bool restFound = false;
};
LoadedDay loadDay(const QString& attribute, const QString& startHour, const QString& startMinute,
    const QString& endHour, const QString& endMinute, const QString& netMinutes);

// The first row whose name is exactly name; -1 when there is none.
int findEmployee(const Table& master, const QString& name);

// The first row without a name; -1 when the table is full.
int firstFreeRow(const Table& master);

// Removes the record of row: the last record of the run that starts at row 0 moves into
// the freed row, so the records stay without gaps and the others keep their order.
void deleteEmployee(Table& master, int row);

} // namespace master
