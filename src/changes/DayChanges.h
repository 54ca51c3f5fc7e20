#pragma once

#include "changes/DayEntry.h"

#include <QDate>
#include <QList>
#include <QString>
#include <map>
#include <optional>
#include <utility>

class Table;

// One day change: what the employee of that name does on that date instead of the standard week.
struct DayChange {
    QString name;
    QDate date;
    DayEntry entry; // entry.changed is set

    bool operator==(const DayChange&) const = default;
};

// The day changes of the run, keyed by employee name and date, at most one per pair. It keeps
// whatever it is given, also for names that are not registered and dates outside the period:
// which changes take effect is decided by EffectiveSchedule, and the file form by ChangeFile.
// It knows nothing of the tables.
class DayChanges {
public:
    // Sets the change of name on date, replacing the one there; the entry is kept with changed set.
    void set(const QString& name, QDate date, DayEntry entry);
    // Adds the change of name on date as set() does, unless there is one already; false then.
    bool add(const QString& name, QDate date, DayEntry entry);
    // Removes the change of name on date; false when there was none.
    bool remove(const QString& name, QDate date);
    std::optional<DayEntry> find(const QString& name, QDate date) const;

    // Gives every change of from to the name to. Where to already has a change on the same date,
    // both are kept: that one of from stays under the old name, where it can be seen and deleted.
    // Returns how many changes moved.
    int rename(const QString& from, const QString& to);

    // Every change, by date and then by name.
    QList<DayChange> list() const;
    int size() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }

    bool operator==(const DayChanges&) const = default;

private:
    std::map<std::pair<QDate, QString>, DayEntry> entries_;
};

// After the employee master window renamed an employee from oldName to newName: the changes
// follow the new name, unless another master row still carries the old name and so keeps them.
void followRename(DayChanges& changes, const Table& master, const QString& oldName, const QString& newName);
