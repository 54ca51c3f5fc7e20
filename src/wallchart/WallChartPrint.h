#pragma once

#include "wallchart/WallChartPages.h"

class QAction;
class QMenu;
class QPrinter;
class QWidget;
class ViewOutput;
namespace daychanges {
class EffectiveSchedule;
}

// Printing the month chart and the employees' sheets, as the other print reports print: on the
// printer chosen in the printer setup (or into the PDF file chosen there, asking before it
// replaces one), and not at all without a chosen printer. The windows that offer the commands
// add the menu items given here and call print.
namespace wallchart {

enum class Sheets {
    Month, // "月間シフト表"
    PerEmployee, // "個人別に印刷"
};

// A3 when the printer's paper is A3, else A4.
Paper paperOf(const QPrinter& printer);

// Prints the sheets of the schedule's period. Without a chosen printer it shows the printer
// message; without an employee there is no employee sheet and nothing is printed. Returns
// whether the sheets were printed.
bool print(ViewOutput& output, Sheets sheets, const daychanges::EffectiveSchedule& schedule, const Extras& extras,
    QWidget* parent);

// Saves the chart of the schedule's period and its times as an Excel workbook, in a file chosen in
// the save dialog (which offers workbook::defaultFileName), laid out for the printer's paper.
void saveWorkbook(
    ViewOutput& output, const daychanges::EffectiveSchedule& schedule, const Extras& extras, QWidget* parent);

struct MenuItems {
    QAction* month = nullptr; // NShiftChart "月間シフト表"
    QAction* perEmployee = nullptr; // NShiftChartEach "個人別に印刷"
    QAction* workbook = nullptr; // NShiftChartExcel "Excel に書き出す…"
};

// Adds the three commands to the menu; the window connects them to print and saveWorkbook.
MenuItems addMenuItems(QMenu* menu);

} // namespace wallchart
