#pragma once

#include "platform/BandReport.h"
#include "wallchart/WallChart.h"

// Where the chart stands on paper: the month on one landscape sheet (the list of day changes
// under the grid when it fits there, else on the sheets that follow) and a sheet per employee
// with a calendar of their period. The pages are the report layer's page model, painted as
// the print reports are. Everything is laid out for A4 and enlarged as a whole for A3, so that
// both read alike; no text is set under 6 points on A4, and a text wider than its place
// shrinks, down to that size, and is condensed beyond it, so that names and times print whole.
namespace wallchart {

enum class Paper { A4, A3 };

report::PageSetup pageSetup(Paper paper);

// The month sheet's grid, in design pixels of the printable area: a name column, a column
// per period day, a totals column and, with patterns, a column per pattern with its days; the
// rows of the days' headings, an employee's row each, then "出勤", one per working pattern and,
// with targets, "不足".
struct MonthGrid {
    qreal scale = 1; // the paper's enlargement of A4
    qreal top = 0;
    qreal nameWidth = 0;
    qreal dayWidth = 0;
    qreal totalWidth = 0;
    qreal patternWidth = 0;
    qreal headingHeight = 0;
    qreal rowHeight = 0;
    qreal footRowHeight = 0;
    int days = 0;
    int rows = 0;
    int footRows = 0;
    int patternColumns = 0;

    qreal dayLeft(int day) const;
    qreal totalLeft() const;
    qreal patternLeft(int pattern) const;
    qreal right() const;
    qreal rowTop(int row) const; // employee rows from 0, then the foot rows
    qreal bottom() const;
    QRectF cell(int row, int day) const;
};

MonthGrid monthGrid(const Chart& chart, Paper paper);

// "月間シフト表": the month on one sheet, and the day changes after it when they do not fit.
QList<report::Page> monthPages(const Chart& chart, Paper paper);

// "個人別に印刷": a sheet per employee, with a further one when their lists run long.
QList<report::Page> employeePages(const Chart& chart, Paper paper);

} // namespace wallchart
