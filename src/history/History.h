#pragma once

#include "history/KeptSchedule.h"

#include <QDate>
#include <QList>
#include <QString>

class TFormData;

// The days that leave the planned periods when a new period is registered.
namespace history {

// The days that leave the planned periods when the period that starts on start is registered:
// each registered employee's day on every date of the registered and the next period before
// start, as the tables, the day changes and the patterns give it now.
QList<KeptDay> leavingDays(const TFormData& data, QDate start);

// What a registration on start does to the kept days: the leaving days are kept, and the months
// before the first month that is kept on start are offered to be dropped.
struct Keeping {
    QList<KeptDay> leaving;
    QList<QDate> oldMonths; // first days of the months that the keeping has passed, oldest first
};
Keeping keepingOn(const TFormData& data, QDate start);
// The question before the old months go; "はい" drops them, "いいえ" keeps them until the next
// registration.
QString dropQuestion(const QList<QDate>& oldMonths);

} // namespace history
