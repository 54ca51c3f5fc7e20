#pragma once

#include "wallchart/WallChartPages.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace daychanges {
class EffectiveSchedule;
}

// A period as an Excel workbook (.xlsx) that the office's spreadsheet opens, written by
// libxlsxwriter. Sheet "勤務表" holds the wall chart's content as cells: the days with their
// weekdays as headings (weekends and holidays shaded), a row per employee with the pattern codes
// on their colours (the times where a day names no pattern), each employee's totals with the days
// of each pattern, the head-counts per day and per working pattern, the legend and the day
// changes; its headings stay in view, and it prints landscape one page wide. Sheet "時刻" holds a
// row per employee and day with typed values: the date as a date, the code, start and end as
// times, the break in minutes and the hours as numbers. Every text from the user is written as a
// string, never as a formula. Choosing the file and writing it belong to the window.
namespace workbook {

struct Written {
    QByteArray bytes; // the .xlsx file; empty when it could not be made
    QString failure; // why not, in the user's words
};

// The workbook of the chart and the schedule it was made of, laid out for the paper.
Written write(const wallchart::Chart& chart, const daychanges::EffectiveSchedule& schedule, wallchart::Paper paper);

// The name the save dialog offers: "勤務表_20260501-20260531.xlsx"; "勤務表.xlsx" without dates.
QString defaultFileName(const QList<QDate>& dates);

} // namespace workbook
