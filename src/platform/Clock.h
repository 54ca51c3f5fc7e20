#pragma once

#include <QDate>
#include <QDateTime>

// The program's only source of the current date and time. Tests set a fixed moment
// (also to cross midnight or a year end); otherwise the system clock answers.
namespace clock_ {

QDateTime now();
QDate today();

// Weekday code of a date: 1 = Sunday … 7 = Saturday.
int weekdayCode(QDate date);

void setNow(const QDateTime& moment);
void useSystemClock();

} // namespace clock_
