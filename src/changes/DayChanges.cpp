#include "changes/DayChanges.h"

#include "data/Table.h"

namespace {

// What a change keeps: the entry of that date, marked as a change.
DayEntry marked(DayEntry entry)
{
    entry.changed = true;
    return entry;
}

} // namespace

void DayChanges::set(const QString& name, QDate date, DayEntry entry)
{
    entries_[{ date, name }] = marked(std::move(entry));
}

bool DayChanges::add(const QString& name, QDate date, DayEntry entry)
{
    return entries_.try_emplace({ date, name }, marked(std::move(entry))).second;
}

bool DayChanges::remove(const QString& name, QDate date)
{
    return entries_.erase({ date, name }) > 0;
}

std::optional<DayEntry> DayChanges::find(const QString& name, QDate date) const
{
    const auto it = entries_.find({ date, name });
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

int DayChanges::rename(const QString& from, const QString& to)
{
    if (from == to)
        return 0;
    int moved = 0;
    for (auto it = entries_.begin(); it != entries_.end();) {
        const QDate date = it->first.first;
        if (it->first.second != from || entries_.contains({ date, to })) {
            ++it;
            continue;
        }
        entries_[{ date, to }] = it->second;
        it = entries_.erase(it);
        ++moved;
    }
    return moved;
}

QList<DayChange> DayChanges::list() const
{
    QList<DayChange> out;
    out.reserve(size());
    for (const auto& [key, entry] : entries_)
        out.append({ key.second, key.first, entry });
    return out;
}

void followRename(DayChanges& changes, const Table& master, const QString& oldName, const QString& newName)
{
    for (int row = 0; row < master.rowCount(); ++row)
        if (master.cell(0, row) == oldName)
            return;
    changes.rename(oldName, newName);
}
