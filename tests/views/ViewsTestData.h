#pragma once

#include "data/Table.h"
#include "support/TestSupport.h"

// Writes one employee record into a row of the employee master table.
inline void putEmployee(Table& master, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        master.setCell(c, row, cells[c]);
}

// sampleEmployee() with one weekday (0 = Monday … 6 = Sunday) changed.
inline QStringList withDay(QStringList cells, int day, const QString& attribute, const QString& startHour = "0",
    const QString& startMinute = "00", const QString& endHour = "0", const QString& endMinute = "00")
{
    const int block = 2 + 5 * day;
    cells[block] = attribute;
    cells[block + 1] = startHour;
    cells[block + 2] = startMinute;
    cells[block + 3] = endHour;
    cells[block + 4] = endMinute;
    return cells;
}
