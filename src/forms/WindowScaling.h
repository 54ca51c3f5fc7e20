#pragma once

#include <functional>

class QTableView;
class QWidget;

// Gives a window of the program its auto-scaling component `Formetry1`, configured as every
// window of the program is: the component's defaults, with the design client size and
// resolution read from the layout's stored values. First the window is sized so that its
// client area (a main window's central widget, below the menu bar) has the design client
// size, whatever height the menu bar takes with the current font. Call it once from the
// window's constructor, after the layout, the window flags and the window's own size limits
// are set.
void attachFormetry(QWidget* window);

// Calls rescaled with the window's scale factors (x, y) once now at the design size (1, 1) and
// after every rescale of its component, when the controls and fonts have their new sizes. Call it
// once after attachFormetry(); a later call replaces the earlier one.
void onRescale(QWidget* window, std::function<void(double x, double y)> rescaled);

// Keeps the columns and rows of a window's grid in proportion when the window's component rescales
// the window, as its other controls are: columnWidth and rowHeight are the design sizes of a
// column and a row. Call it once after attachFormetry().
void scaleGridCells(QWidget* window, QTableView* grid, int columnWidth, int rowHeight);
