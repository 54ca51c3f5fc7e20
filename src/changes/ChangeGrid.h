#pragma once

#include "changes/DayChanges.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <utility>

class TFormData;

namespace daychanges {
class EffectiveSchedule;
}

// The change window's grid as a table model: every registered employee (rows) over every day of
// the chosen period (columns), each cell the effective entry's symbol with the marks of a day
// change, a proposal, a wish and a labour finding, and each date's header the day, the weekday,
// "祝" on a national holiday and the mark of short or over hours. It computes what a cell and a
// header say, as plain data and texts; how they look is the window's delegate's. It reads the
// data it is given when it is refreshed and keeps no reference to it.
namespace changes {

// The roles a cell and a header give beyond Qt's own (display, tool tip, accessible text and
// description).
enum GridRole {
    ChangedRole = Qt::UserRole + 100, // bool: a day change applies
    ProposedRole, // bool: the proposal shown changes the cell
    WishMarkRole, // QString: "休", "不" or "出" of the cell's wish
    AgainstRole, // bool: the entry goes against the wish
    FindingRole, // bool: the cell has a labour finding
    WeekdayRole, // header: QString, the weekday's kanji
    DayRole, // header: QString, the day of the month
    HolidayRole, // header: bool, a national holiday
    MarkRole, // header: QString, "▲" or "△"
    ColourRole, // QString: the "#RRGGBB" of the cell's shift pattern; empty without one
    LightInkRole, // bool: the pattern's colour takes light text
    LockedRole, // bool: a day that is not planned (past or later), shown but never edited
};

// What one cell shows and says.
struct GridCell {
    QString symbol;
    bool changed = false;
    bool proposed = false;
    QString wishMark;
    bool against = false;
    bool finding = false;
    QString toolTip;
    QString accessibleText; // the symbol with its marks' words, when there is a mark
    QString description; // what the marks mean, one per line
    QString colour; // the shift pattern's colour; empty without one
    bool lightInk = false; // light text reads on that colour
    bool locked = false; // a past day or one after the next period: shown, never edited

    bool operator==(const GridCell&) const = default;
};

// What one date's header shows and says.
struct GridHeader {
    QString day;
    QString weekday;
    bool holiday = false;
    QString mark; // "▲" short, "△" over
    QString description; // the short and over hours

    // The day and the weekday, each on a line, then "祝" and the mark on a line when there are.
    QString text() const;
    bool operator==(const GridHeader&) const = default;
};

// The cells of the schedule's period, employee by employee (outer list, master order), and its
// headers. With the workplace's shift patterns a cell shows the code of the pattern its day names
// (else the schedule's symbol) on that pattern's colour, and its tool tip and description name the
// pattern. The proposal holds the name and date of every day a proposal shown changes.
QList<QList<GridCell>> gridCells(const daychanges::EffectiveSchedule& schedule, const TFormData& data,
    const QSet<std::pair<QString, QDate>>& proposal);
QList<GridHeader> gridHeaders(const daychanges::EffectiveSchedule& schedule, const TFormData& data);

class ChangeGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Computes every cell and header anew. When the grid keeps its size, only what changed is
    // told, so that the view keeps its selection and current cell.
    void refresh(const daychanges::EffectiveSchedule& schedule, const TFormData& data,
        const QSet<std::pair<QString, QDate>>& proposal);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const GridCell& cell(int row, int day) const { return cells_[row][day]; }
    // The registered name of a row and the date of a column.
    QString name(int row) const { return names_.value(row); }
    QDate date(int day) const { return dates_.value(day); }

private:
    QStringList names_;
    QList<QDate> dates_;
    QList<QList<GridCell>> cells_;
    QList<GridHeader> headers_;
};

} // namespace changes
