#pragma once

#include "changes/DayEntry.h"

#include <QDate>
#include <QList>
#include <QString>

// The record of the days that have left the planned periods: each registered employee's entry on
// each such date as it stood when its period was registered away, with the name, the master row
// and the hourly wage of that day and the code of the shift pattern the day was named by. A later
// change to the master, the standard week or the patterns never changes what a kept day shows.
namespace history {

struct KeptDay {
    QDate date;
    int row = 0; // the employee's master row on that day: the order of the day's lines
    QString name;
    QString wage; // the hourly wage as the master held it
    DayEntry entry; // in the change file's form; entry.changed tells a day change applied
    QString code; // the pattern the day was named by; empty for none

    bool operator==(const KeptDay&) const = default;
};

// Held by TFormData as `keptSchedule`: the kept days by date, then master row; one per date and
// row.
class KeptSchedule {
public:
    const QList<KeptDay>& days() const { return days_; }
    bool isEmpty() const { return days_.isEmpty(); }
    // Whether any day of that date is kept.
    bool holds(QDate date) const;
    // The kept days of a date, by master row.
    QList<KeptDay> on(QDate date) const;
    // The kept day of a name on a date (of the first row of that name); null when none is kept.
    const KeptDay* find(QDate date, const QString& name) const;
    // Adds a day in its place; false (nothing changes) when a day of its date and row is kept.
    bool add(const KeptDay& day);
    // Keeps the days given: the days kept before on the dates they cover are replaced.
    void keep(const QList<KeptDay>& days);
    // The months ("YYYY年M月" apart) that hold a day before the date, oldest first, as the first
    // day of each month.
    QList<QDate> monthsBefore(QDate date) const;
    // Drops the days before the date.
    void dropBefore(QDate date);

    bool operator==(const KeptSchedule&) const = default;

private:
    QList<KeptDay>::const_iterator lowerBound(QDate date, int row) const;

    QList<KeptDay> days_;
};

// The first day that is kept on a date: 1 January of the year before, so that the current year
// and the year before (up to 24 months) stay at hand.
QDate keptFrom(QDate today);

} // namespace history
