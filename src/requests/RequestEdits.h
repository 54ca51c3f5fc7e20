#pragma once

#include "requests/Requests.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// The edits of the change window's menu "希望" and of the import, as lists of steps that an undo
// command carries forward and back: each step says what the wish of one name on one date was
// before and is after. Computing the steps changes nothing; carryOut() applies them.
namespace requests {

// A cell of the change window: an employee's name and a date.
struct Cell {
    QString name;
    QDate date;
};

struct Edit {
    QString name;
    QDate date;
    std::optional<Wish> before;
    std::optional<Wish> after;

    bool operator==(const Edit&) const = default;
};

// Sets kind on every cell, keeping the note of a wish there; cells that have it already (and a
// cell listed twice) give no step.
QList<Edit> kindEdits(const Requests& requests, const QList<Cell>& cells, Kind kind);

// Removes the wish of every cell that has one.
QList<Edit> clearEdits(const Requests& requests, const QList<Cell>& cells);

// Sets the note of every cell that has a wish (a note needs a wish); nothing when the note is
// not valid (noteFault() tells why) or no cell has a wish.
QList<Edit> noteEdits(const Requests& requests, const QList<Cell>& cells, const QString& note);

// Applies the steps (forward) or takes them back.
void carryOut(Requests& requests, const QList<Edit>& edits, bool forward);

} // namespace requests
