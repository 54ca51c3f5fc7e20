#include "history/Calendar.h"

#include <algorithm>

namespace history {

QList<QDate> plannableMonths(const QList<QDate>& registered, const QList<QDate>& next)
{
    QList<QDate> months;
    for (const QList<QDate>* dates : { &registered, &next })
        for (const QDate date : *dates) {
            const QDate month(date.year(), date.month(), 1);
            if (!months.contains(month))
                months.append(month);
        }
    std::sort(months.begin(), months.end());
    return months;
}

QList<QDate> monthDates(QDate month)
{
    QList<QDate> dates;
    for (int day = 1; day <= month.daysInMonth(); ++day)
        dates.append(QDate(month.year(), month.month(), day));
    return dates;
}

QString monthTitle(QDate month)
{
    return QStringLiteral("%1年%2月").arg(month.year()).arg(month.month());
}

MonthDays monthDays(QDate month, const QList<QDate>& registered, const QList<QDate>& next)
{
    MonthDays out { monthDates(month), 0, 0 };
    const QList<QDate> planned = registered + next;
    for (const QDate date : out.dates)
        if (!planned.isEmpty()) {
            out.past += date < planned.first() ? 1 : 0;
            out.later += date > planned.last() ? 1 : 0;
        }
    return out;
}

} // namespace history
