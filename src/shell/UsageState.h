#pragma once

#include "data/Table.h"

#include <QDate>
#include <QList>
#include <QString>

namespace shell {

// What the usage state shows: the share of the schedule period that has passed and the
// share of the 30-employee capacity in use, with the notices that go with them. Reads the
// period header of the schedule table and the start-up date; changes nothing.
struct Notice {
    enum class Kind { Plain, Information, Warning, Error }; // the message box kinds, in their order
    Kind kind;
    QString text;

    bool operator==(const Notice&) const = default;
};

struct UsageState {
    // False when the period does not belong to the start-up year; then only periodNotices
    // are shown and no gauge.
    bool periodValid = false;
    int periodMaximum = 0;
    int periodProgress = 0;
    QList<Notice> periodNotices; // shown after the period gauge
    int employees = 0; // of at most 30
    QList<Notice> masterNotices; // shown after the employee gauge
};

// A period is valid when the start-up year is its start year or its end year, so that a
// period across the change of year is judged like any other.
UsageState usageState(const Table& schedule, int employees, QDate startup);

} // namespace shell
