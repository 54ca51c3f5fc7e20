#pragma once

#include "platform/BandReport.h"

#include <QStringList>

// The parts that the print reports share: the print line at the top of the first page,
// the title and page number at the bottom of the last, and their type sizes.
namespace reportparts {

inline constexpr report::FieldStyle kSmall { 9, false, Qt::AlignLeft | Qt::AlignVCenter };
inline constexpr report::FieldStyle kText { 10, false, Qt::AlignLeft | Qt::AlignVCenter };
inline constexpr report::FieldStyle kCell { 9, false, Qt::AlignCenter };
inline constexpr report::FieldStyle kTitle { 12, true, Qt::AlignLeft | Qt::AlignVCenter };

// The printing program's line (left) and the print time (right) with a rule under them;
// the header's further rows start at kHeaderTop.
inline constexpr qreal kHeaderTop = 28;
void addPrintLine(report::Band& header, qreal width);

// A rule, the report's title (left) and the page number (right) at the bottom of the last page.
void addFooter(report::BandReport& report, std::function<QString()> title);

// The record number of a report: 0 before printing, then 1, 2 … up to the row count as the
// report asks for data before each detail band; the detail prints row number − 1.
struct Records {
    int number = 0;
    int count = 0;

    void reset(int rows)
    {
        number = 0;
        count = rows;
    }
    bool next()
    {
        if (number >= count)
            return false;
        ++number;
        return true;
    }
    int row() const { return number - 1; }
};

// Line n (counted from 1) of a view's text, or the empty text when it has fewer lines.
QString viewLine(const QStringList& lines, int n);

} // namespace reportparts
