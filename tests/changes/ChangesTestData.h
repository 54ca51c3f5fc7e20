#pragma once

#include "changes/DayChanges.h"
#include "changes/DayEntry.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "views/ViewsTestData.h"

// The data holder with a period registered from start and the given employees.
struct PeriodData {
    explicit PeriodData(QDate start, const QList<QStringList>& employees = {})
    {
        registerPeriod(data.StringGrid2, start, 1);
        for (int e = 0; e < employees.size(); ++e)
            putEmployee(data.StringGrid1, e, employees[e]);
    }
    TFormData data;
};

// A day change that is not a working day, in the form the file and the master keep it.
inline DayEntry dayOff(const QString& attribute)
{
    return { attribute, "0", "00", "0", "00", "0", true };
}

// The entry carrying the shift pattern without times of that code.
inline DayEntry withPattern(DayEntry entry, const QString& code)
{
    entry.pattern = code;
    return entry;
}

inline DayEntry shift(const QString& sh, const QString& sm, const QString& eh, const QString& em, const QString& net)
{
    return { "勤務日", sh, sm, eh, em, net, true };
}

// sampleEmployee() (Monday to Friday 9:00-17:30, 450 minutes, weekend "公休") with its wage.
inline QStringList employee(const QString& name, const QString& wage = "1000")
{
    QStringList cells = sampleEmployee(name);
    cells[1] = wage;
    return cells;
}

// The data with the day changes made.
inline TFormData withChanges(const TFormData& data, const QList<DayChange>& changes)
{
    TFormData after = data;
    for (const DayChange& c : changes)
        after.dayChanges.set(c.name, c.date, c.entry);
    return after;
}
