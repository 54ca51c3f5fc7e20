#pragma once

// Tables filled as a registered period and the schedule views leave them, for the print
// reports' tests, screenshots and benchmark. Header only, over the data tables alone.
#include "data/Unitdata.h"
#include "platform/Clock.h"

#include <QDate>
#include <QStringList>

namespace samples {

inline QString weekdayKanji(int code)
{
    return QStringLiteral("日月火水木金土").mid(code - 1, 1);
}

// The schedule table of a period of `days` days from start: header, days of month and
// weekday codes, "999" after the last day.
inline void writePeriod(Table& schedule, QDate start, int days)
{
    const QDate end = start.addDays(days - 1);
    const QList<int> header { start.year(), start.month(), start.day(), end.year(), end.month(), end.day(), days };
    for (int c = 0; c < schedule.colCount(); ++c) {
        schedule.setCell(c, 0, c < header.size() ? QString::number(header[c]) : QStringLiteral("999"));
        const QDate day = start.addDays(c);
        schedule.setCell(c, 1, c < days ? QString::number(day.day()) : QStringLiteral("999"));
        schedule.setCell(c, 2, c < days ? QString::number(clock_::weekdayCode(day)) : QStringLiteral("999"));
    }
}

inline QStringList names(int count)
{
    static const QStringList five { QStringLiteral("山田 太郎"), QStringLiteral("田中 花子"),
        QStringLiteral("佐藤 一郎"), QStringLiteral("鈴木 美咲"), QStringLiteral("高橋 健太") };
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << (i < five.size() ? five[i] : QStringLiteral("従業員氏名%1").arg(i + 1));
    return out;
}

// Employees in the master table and the schedule as the schedule window lays it out:
// the weekday table's kanji, one symbol per employee and day, the name in column 40.
// Employee e has a regular day off on Sundays, rests on Saturdays when e is even, has
// "その他" on weekday code 1 + e mod 5 when e > 2, and works on the other days.
inline void layOutSchedule(TFormData& data, const QStringList& employees)
{
    const int days = data.periodLength();
    for (int d = 0; d < days; ++d)
        data.StringGrid4.setCell(d, 0, weekdayKanji(data.StringGrid2.cell(d, 2).toInt()));
    for (int e = 0; e < employees.size(); ++e) {
        data.StringGrid1.setCell(0, e, employees[e]);
        data.StringGrid3.setCell(40, e, employees[e]);
        for (int d = 0; d < days; ++d) {
            const int code = data.StringGrid2.cell(d, 2).toInt();
            QString symbol = QStringLiteral("〇");
            if (code == 1)
                symbol = QStringLiteral("☆");
            else if (code == 7 && e % 2 == 0)
                symbol = QStringLiteral("×");
            else if (e > 2 && code == 1 + e % 5)
                symbol = QStringLiteral("－");
            data.StringGrid3.setCell(d, e, symbol);
        }
    }
}

// Today's hour bars as the time-series window leaves them: employee e gets hour bar
// bars[e] (25 symbols) and working-time label labels[e].
inline void layOutHourChart(
    TFormData& data, const QStringList& employees, const QStringList& bars, const QStringList& labels)
{
    for (int e = 0; e < employees.size(); ++e) {
        data.StringGrid1.setCell(0, e, employees[e]);
        data.StringGrid3.setCell(40, e, employees[e]);
        data.StringGrid3.setCell(39, e, labels[e]);
        for (int h = 0; h < 25; ++h)
            data.StringGrid3.setCell(h, e, bars[e].mid(h, 1));
    }
}

// Five typical bars: 9:00–17:00, 9:30–17:30, a night shift 22:00–6:00, a regular day off
// and 13:15–21:50.
inline void layOutFiveHourBars(TFormData& data)
{
    layOutHourChart(data, names(5),
        { QStringLiteral("□□□□□□□□□■■■■■■■■□□□□□□□□"), QStringLiteral("□□□□□□□□□▽■■■■■■■▼□□□□□□□"),
            QStringLiteral("■■■■■■□□□□□□□□□□□□□□□□■■→"), QStringLiteral("□□□□□□□□□□□□□□□□□□□□□□□□□"),
            QStringLiteral("□□□□□□□□□□□□□▼■■■■■■■■■□□") },
        { QStringLiteral("9：00～17：00"), QStringLiteral("9：30～17：30"), QStringLiteral("22：00～6：00"),
            QStringLiteral(" ＜公休日＞"), QStringLiteral("13：15～21：50") });
}

// The schedule window's text as far as the report reads it: line 9 the date line, line 11
// the period line.
inline QStringList scheduleViewLines(QDate today, const Table& schedule)
{
    QStringList lines(8);
    lines << QStringLiteral("%1年%2月%3日 （%4）")
                 .arg(today.year())
                 .arg(today.month())
                 .arg(today.day())
                 .arg(weekdayKanji(clock_::weekdayCode(today)))
          << QString()
          << QStringLiteral("■■■ %1年%2月%3日 ～ %4年%5月%6日  ＜%7 日間＞ ■■■")
                 .arg(schedule.cell(0, 0), schedule.cell(1, 0), schedule.cell(2, 0), schedule.cell(3, 0),
                     schedule.cell(4, 0), schedule.cell(5, 0), schedule.cell(6, 0));
    return lines;
}

// The time-series window's text up to line 10, the date line.
inline QStringList hourChartViewLines(QDate today)
{
    QStringList lines(9);
    lines << QStringLiteral("%1年%2月%3日（%4）")
                 .arg(today.year())
                 .arg(today.month())
                 .arg(today.day())
                 .arg(weekdayKanji(clock_::weekdayCode(today)));
    return lines;
}

} // namespace samples
