#include "requests/RequestEdits.h"

#include <functional>
#include <set>
#include <utility>

namespace requests {
namespace {

// One step per distinct cell whose wish change() alters.
QList<Edit> editsOf(const Requests& requests, const QList<Cell>& cells,
    const std::function<std::optional<Wish>(const std::optional<Wish>&)>& change)
{
    QList<Edit> edits;
    std::set<std::pair<QDate, QString>> seen;
    for (const Cell& cell : cells) {
        if (!seen.insert({ cell.date, cell.name }).second)
            continue;
        std::optional<Wish> before = requests.find(cell.name, cell.date);
        std::optional<Wish> after = change(before);
        if (after != before)
            edits.append({ cell.name, cell.date, std::move(before), std::move(after) });
    }
    return edits;
}

} // namespace

QList<Edit> kindEdits(const Requests& requests, const QList<Cell>& cells, Kind kind)
{
    return editsOf(requests, cells, [kind](const std::optional<Wish>& before) {
        return Wish { kind, before ? before->note : QString() };
    });
}

QList<Edit> clearEdits(const Requests& requests, const QList<Cell>& cells)
{
    return editsOf(requests, cells, [](const std::optional<Wish>&) { return std::optional<Wish>(); });
}

QList<Edit> noteEdits(const Requests& requests, const QList<Cell>& cells, const QString& note)
{
    if (!noteFault(note).isEmpty())
        return {};
    return editsOf(requests, cells, [&note](const std::optional<Wish>& before) -> std::optional<Wish> {
        if (!before)
            return std::nullopt;
        return Wish { before->kind, note };
    });
}

void carryOut(Requests& requests, const QList<Edit>& edits, bool forward)
{
    for (const Edit& edit : edits) {
        const std::optional<Wish>& wish = forward ? edit.after : edit.before;
        if (wish)
            requests.set(edit.name, edit.date, *wish);
        else
            requests.remove(edit.name, edit.date);
    }
}

} // namespace requests
