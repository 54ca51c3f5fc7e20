#pragma once

#include "data/Table.h"

// A full employee master table: 30 employees who work every day from 9:00 to 17:30.
inline void fillMaster(Table& t)
{
    for (int r = 0; r < t.rowCount(); ++r) {
        t.setCell(0, r, QStringLiteral("従業員氏名%1").arg(r));
        t.setCell(1, r, QStringLiteral("1250"));
        for (int w = 0; w < 7; ++w) {
            const int c = 2 + 5 * w;
            t.setCell(c, r, QStringLiteral("勤務日"));
            t.setCell(c + 1, r, QStringLiteral("9"));
            t.setCell(c + 2, r, QStringLiteral("00"));
            t.setCell(c + 3, r, QStringLiteral("17"));
            t.setCell(c + 4, r, QStringLiteral("30"));
            t.setCell(37 + w, r, QStringLiteral("450"));
        }
    }
}
