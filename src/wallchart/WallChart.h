#pragma once

#include "patterns/ShiftPatterns.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct DayEntry;
class TFormData;
namespace daychanges {
class EffectiveSchedule;
struct RosterDay;
} // namespace daychanges

// The month chart for the wall: every registered employee's times on every day of a period,
// with the day's head-count, and a sheet per employee with their own month. This part says what
// the sheets show, cell by cell, from the effective schedule and what the schedule does not
// hold (the shop's title, the holidays, the staffing shortfall, the staff's requests); where it
// stands on paper is WallChartPages' business, and printing is WallChartPrint's.
namespace wallchart {

// A wish of an employee for a date and whether the schedule honours it.
struct StaffRequest {
    QDate date;
    QString kind; // the wish, as the requests name it
    QString note;
    bool honoured = false;
};

// What the sheets need beyond the schedule.
struct Extras {
    QString shopTitle;
    // Tells the national holidays; none: no date is one.
    std::function<bool(QDate)> isHoliday;
    // The day's short person-hours (the people missing, summed over the hours), by period day;
    // none: the shop has no staffing targets, and the chart has no "不足" row.
    std::optional<QList<int>> shortHours;
    // Each employee's requests, by master row; none: the employee sheets leave requests out.
    std::optional<QList<QList<StaffRequest>>> requests;
    // The labour check's findings in the period, as labour::findingLines() gives them; none when
    // there is no finding.
    QStringList findingLines {};
};

// What the program holds beyond the schedule, for a period: its title, the national holidays, the
// short person-hours against the staffing targets (when there are targets), the registered
// employees' requests in the period with whether each is honoured, and the labour check's findings.
Extras extrasOf(const TFormData& data, const daychanges::EffectiveSchedule& schedule);

enum class CellKind { Work, RegularDayOff, DayOfRest, Other, None };

// One employee's day: a working day's start over its end ("9:00" over "17:30", "翌6:00" for an
// end on the next day), the short form of a day off ("公", "休", "他") alone, the symbol "〇"
// alone for a working day whose times cannot be read, nothing for an unknown attribute. A day
// that names one of the workplace's shift patterns also carries that pattern, which the month
// sheet shows instead of the times.
struct Cell {
    CellKind kind = CellKind::None;
    QString top;
    QString bottom;
    bool changed = false; // a day change applies
    QString code {}; // the pattern's code ("夜"); empty for none
    QString patternName {}; // "夜勤"
    QString colour {}; // the pattern's colour, "#RRGGBB"

    bool operator==(const Cell&) const = default;
};

struct Day {
    QDate date;
    QString dayText; // the day of month; "6/1" on the first day and where a month begins
    QString weekday; // "日" … "土" as the schedule gives the day's weekday
    bool holiday = false;
    bool shaded = false; // Saturday, Sunday or a holiday
    bool monthStart = false; // a month begins on this day after the first
};

struct Row {
    QString name;
    QList<Cell> cells; // by period day
    int workingDays = 0;
    int netMinutes = 0;
    QList<int> patternDays; // the days of each of the chart's patterns
    QStringList changes; // the employee's day changes, a line each
    QStringList requests; // the employee's requests and whether each was honoured, a line each
};

// A working pattern's head-count under the grid ("日 6").
struct PatternCount {
    QString code;
    QList<int> days; // by period day
    int total = 0;
};

struct Chart {
    QString title;
    QString shopTitle;
    QDateTime printed;
    QList<Day> days;
    QList<Row> rows; // registered employees in master order
    QList<int> headCount; // employees at work, by period day
    QList<patterns::Pattern> patterns; // the workplace's patterns; none: the chart shows times
    QList<PatternCount> patternCounts; // one per working pattern
    QStringList legend; // a line per pattern: legendText()
    std::optional<QList<int>> shortHours; // by period day
    QStringList changeLines; // the day changes as the schedule report lists them
    QStringList findingLines; // the labour check's findings, listed under the grid after the changes
    bool withRequests = false;
};

// The chart of the schedule's period (registered or next), printed now.
Chart chart(const daychanges::EffectiveSchedule& schedule, const Extras& extras);

// The cell of an entry.
Cell cellOf(const DayEntry& entry);
// The cell of a typed day, with the pattern it names.
Cell cellOf(const daychanges::RosterDay& day, const patterns::ShiftPatterns& shiftPatterns);
// A cell on one line for an employee's own sheet: "9:00～翌6:00", or the attribute ("公休"); with
// a pattern its code first: "夜 16:30～翌9:00", or its name for one without times ("明 明け").
QString dayLine(const Cell& cell);
// A pattern as the legend names it: "夜 16:30～9:00 → 明", "明 明け".
QString legendText(const patterns::Pattern& pattern);
// An employee's days per pattern, those they have: "日 6　夜 3　明 3".
QString patternTotals(const Chart& chart, const Row& row);

// "9:00", "17:05".
QString clockText(int hour, int minute);
// Minutes as hours and minutes: "176:30", "0:45".
QString durationText(int minutes);

} // namespace wallchart
