// Writes ward.xlsx, the workbook of the ward's sample month, and chart.json, what the wall chart
// shows of that month with what the program holds beside it (holidays, the labour check), into the folder given as the
// argument, for the check that reads the workbook back with another program.
#include "changes/EffectiveSchedule.h"
#include "wallchart/WallChart.h"
#include "wallchart/WardSample.h"
#include "workbook/Workbook.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QJsonArray numbers(const QList<int>& values)
{
    QJsonArray out;
    for (int v : values)
        out.append(v);
    return out;
}

// The chart as the check compares it: each day's text as the month sheet shows it (the code, else
// the start over the end, else the short form), with its colour, and every count.
QJsonObject chartJson(const wallchart::Chart& chart)
{
    QJsonArray rows;
    for (const wallchart::Row& row : chart.rows) {
        QJsonArray cells;
        for (const wallchart::Cell& cell : row.cells) {
            const QString text = !cell.code.isEmpty() ? cell.code
                : cell.bottom.isEmpty()               ? cell.top
                                                      : cell.top + u'\n' + cell.bottom;
            cells.append(QJsonObject { { "text", text }, { "colour", cell.colour }, { "changed", cell.changed } });
        }
        rows.append(QJsonObject { { "name", row.name }, { "cells", cells }, { "workingDays", row.workingDays },
            { "netMinutes", row.netMinutes }, { "patternDays", numbers(row.patternDays) } });
    }
    QJsonArray days;
    for (const wallchart::Day& day : chart.days)
        days.append(QJsonObject { { "date", day.date.toString(Qt::ISODate) }, { "weekday", day.weekday },
            { "holiday", day.holiday }, { "shaded", day.shaded } });
    QJsonArray codes;
    for (const patterns::Pattern& pattern : chart.patterns)
        codes.append(pattern.code);
    QJsonArray counts;
    for (const wallchart::PatternCount& count : chart.patternCounts)
        counts.append(
            QJsonObject { { "code", count.code }, { "days", numbers(count.days) }, { "total", count.total } });
    return { { "title", chart.title }, { "days", days }, { "rows", rows }, { "codes", codes },
        { "headCount", numbers(chart.headCount) }, { "patternCounts", counts },
        { "legend", QJsonArray::fromStringList(chart.legend) },
        { "listed", QJsonArray::fromStringList(chart.changeLines + chart.findingLines) } };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    WardSample ward;
    // 遅 may not follow 日: 田中's Saturday is a finding of the labour check.
    ward.period.data.shiftPatterns.sequence.forbidden = { { "日", "遅" } };
    const daychanges::EffectiveSchedule schedule(ward.period.data);
    const wallchart::Chart chart = wallchart::chart(schedule, wallchart::extrasOf(ward.period.data, schedule));
    const workbook::Written written = workbook::write(chart, schedule, wallchart::Paper::A4);
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';
    const bool ok = written.failure.isEmpty() && write(folder + "ward.xlsx", written.bytes)
        && write(folder + "chart.json", QJsonDocument(chartJson(chart)).toJson());
    return ok ? 0 : 1;
}
