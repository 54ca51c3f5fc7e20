#pragma once

#include "changes/CodeEntry.h"
#include "changes/EffectiveSchedule.h"
#include "patterns/ShiftPatterns.h"
#include "requests/RequestEdits.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <optional>

class QAction;
class QTableView;
class QWidget;
class TFormData;

// The change window's entry by shift code: the legend of the codes under the grid, the cell's
// menu of the patterns, Alt+1…9 in the legend's order and a code's first character typed on the
// grid each choose a pattern; the questions before a pattern is applied to cells.
namespace changes {

class CodeLegend;

class ChangeCodes : public QObject {
    Q_OBJECT
public:
    // The legend sits in the grid's parent under the grid; the actions belong to window.
    ChangeCodes(QWidget* window, QTableView* grid);

    // The legend, the menu and the shortcuts of the patterns; none without patterns.
    void show(const patterns::ShiftPatterns& patterns);
    void setEnabled(bool on);
    // After the window's scaling has placed the grid: the legend takes the foot of that place
    // while there are codes.
    void placed();

Q_SIGNALS:
    void chosen(int pattern);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget* window_;
    QTableView* grid_;
    CodeLegend* legend_;
    QList<QAction*> actions_; // one per pattern, in the user's order
    patterns::ShiftPatterns shown_; // what the legend and the actions were made for
    QRect place_; // the grid's place, the legend's included
    bool enabled_ = true;
};

// What applying pattern to the cells sets, once the pattern passed the checks of a typed shift and
// the user answered the questions: who may not work it, whether the day that must follow replaces
// a change of its own, the overlaps it makes. None when nothing is to be set.
std::optional<QList<DaySet>> askSets(QWidget* parent, const TFormData& data, const daychanges::DateChoice& choice,
    int pattern, const QList<requests::Cell>& cells);

} // namespace changes
