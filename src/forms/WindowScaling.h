#pragma once

class QTableWidget;
class QWidget;

// Gives a window of the program its auto-scaling component `Formetry1`, configured as every
// window of the program is: the component's defaults, with the design client size and
// resolution read from the layout's stored values. First the window is sized so that its
// client area (a main window's central widget, below the menu bar) has the design client
// size, whatever height the menu bar takes with the current font. Call it once from the
// window's constructor, after the layout, the window flags and the window's own size limits
// are set.
void attachFormetry(QWidget* window);

// Keeps the columns and rows of a window's grid in proportion when the window's component rescales
// the window, as its other controls are: columnWidth and rowHeight are the design sizes of a
// column and a row. Call it once after attachFormetry().
void scaleGridCells(QWidget* window, QTableWidget* grid, int columnWidth, int rowHeight);
