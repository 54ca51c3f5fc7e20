#pragma once

#include "data/Table.h"
#include "period/PeriodRegistration.h"

#include <QDate>
#include <QString>

// Two versions of both persisted tables, "old" and "new", valid for a start on 2024-05-07.
struct SaveContents {
    Table master { 44, 30 };
    Table schedule { 40, 5 };
};

inline SaveContents saveContents(bool newer)
{
    SaveContents c;
    const int employees = newer ? 30 : 3;
    for (int r = 0; r < employees; ++r) {
        QStringList cells {
            QStringLiteral("%1%2").arg(newer ? QStringLiteral("新社員") : QStringLiteral("社員")).arg(r),
            QStringLiteral("1000")
        };
        for (int d = 0; d < 7; ++d)
            cells << QStringLiteral("勤務日") << QStringLiteral("9") << QStringLiteral("00") << QStringLiteral("17")
                  << QStringLiteral("30");
        for (int d = 0; d < 7; ++d)
            cells << QStringLiteral("450");
        for (int col = 0; col < cells.size(); ++col)
            c.master.setCell(col, r, cells[col]);
    }
    registerPeriod(c.schedule, QDate(2024, 5, 7), newer ? 2u : 1u);
    return c;
}
