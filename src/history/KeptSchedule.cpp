#include "history/KeptSchedule.h"

#include <QSet>
#include <algorithm>

namespace history {

QList<KeptDay>::const_iterator KeptSchedule::lowerBound(QDate date, int row) const
{
    return std::lower_bound(
        days_.cbegin(), days_.cend(), std::pair { date, row }, [](const KeptDay& d, const std::pair<QDate, int>& key) {
            return std::pair { d.date, d.row } < key;
        });
}

bool KeptSchedule::holds(QDate date) const
{
    const auto it = lowerBound(date, 0);
    return it != days_.cend() && it->date == date;
}

QList<KeptDay> KeptSchedule::on(QDate date) const
{
    QList<KeptDay> out;
    for (auto it = lowerBound(date, 0); it != days_.cend() && it->date == date; ++it)
        out.append(*it);
    return out;
}

const KeptDay* KeptSchedule::find(QDate date, const QString& name) const
{
    for (auto it = lowerBound(date, 0); it != days_.cend() && it->date == date; ++it)
        if (it->name == name)
            return &*it;
    return nullptr;
}

bool KeptSchedule::add(const KeptDay& day)
{
    const auto it = lowerBound(day.date, day.row);
    if (it != days_.cend() && it->date == day.date && it->row == day.row)
        return false;
    days_.insert(it - days_.cbegin(), day);
    return true;
}

void KeptSchedule::keep(const QList<KeptDay>& days)
{
    QSet<QDate> dates;
    for (const KeptDay& d : days)
        dates.insert(d.date);
    days_.removeIf([&dates](const KeptDay& d) { return dates.contains(d.date); });
    for (const KeptDay& d : days)
        add(d);
}

QList<QDate> KeptSchedule::monthsBefore(QDate date) const
{
    QList<QDate> months;
    for (const KeptDay& d : days_) {
        if (d.date >= date)
            break;
        const QDate month(d.date.year(), d.date.month(), 1);
        if (months.isEmpty() || months.last() != month)
            months.append(month);
    }
    return months;
}

void KeptSchedule::dropBefore(QDate date)
{
    days_.erase(days_.cbegin(), lowerBound(date, 0));
}

QDate keptFrom(QDate today)
{
    return QDate(today.year() - 1, 1, 1);
}

} // namespace history
