#pragma once

#include <QDate>
#include <QString>

class TFormData;

// Every computation the views and reports make over the tables, as the program makes them on
// the start-up date: the schedule window's text with its change lines, the hour chart, the
// weekday list, the individual week, the weekly and period labour cost (with the premiums'
// line), the registration list, today's duty list, the today panel's lines and reminder, the usage
// state, the page models of the three print reports, the RTF of every text and the two exports of
// the registered and the next period (with the staffing targets' rows and lines, when there are
// targets). On tables the start-up
// checks accept nothing may fail; on tables they reject a cell that is not a number may stop a
// computation with the conversion error the program shows (and nothing else). The export files
// keep their form whatever the tables hold (CRLF, BOM and rows of the CSV; framing, line ends,
// folding and whole UTF-8 of the calendar). Returns what went wrong, or the empty text.
QString exerciseViewsAndReports(TFormData& data, QDate startup, bool checksPassed);
