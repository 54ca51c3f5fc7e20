#pragma once

#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "labour/LabourRules.h"

// Text of a minute as the tables keep it.
inline QString minuteText(int minute)
{
    return minute == 0 ? QStringLiteral("00") : QString::number(minute);
}

// A working day from start (minutes after midnight) with w net minutes and a break of b: it
// ends w + b minutes later, on the next day when that passes midnight.
inline DayEntry work(int start, int w, int b = 0)
{
    const int end = (start + w + b) % (24 * 60);
    return shift(QString::number(start / 60), minuteText(start % 60), QString::number(end / 60), minuteText(end % 60),
        QString::number(w));
}

inline DayEntry off()
{
    return dayOff(QStringLiteral("公休"));
}

// A master record whose standard week is the given entry on every day, Monday first, and the
// given entries on the days named (0 = Monday … 6 = Sunday).
inline QStringList week(const QString& name, const DayEntry& every, const QList<std::pair<int, DayEntry>>& days = {},
    const QString& wage = QStringLiteral("1000"))
{
    QList<DayEntry> entries(7, every);
    for (const auto& [day, entry] : days)
        entries[day] = entry;
    QStringList cells { name, wage };
    for (const DayEntry& e : entries)
        cells << e.attribute << e.startHour << e.startMinute << e.endHour << e.endMinute;
    for (const DayEntry& e : entries)
        cells << e.netMinutes;
    return cells;
}

// The data holder with a period from start and employees; days are set as day changes.
struct Shop : PeriodData {
    explicit Shop(QDate start, const QList<QStringList>& employees = { week(QStringLiteral("山田"), off()) })
        : PeriodData(start, employees)
    {
    }
    void set(int row, QDate date, const DayEntry& entry)
    {
        data.dayChanges.set(data.StringGrid1.cell(0, row), date, entry);
    }
    void setFrom(int row, QDate first, int days, const DayEntry& entry)
    {
        for (int d = 0; d < days; ++d)
            set(row, first.addDays(d), entry);
    }
    labour::EmployeeCheck check(int row = 0, const labour::Settings& settings = {}) const
    {
        return labour::checkEmployee(daychanges::EffectiveSchedule(data), row, settings);
    }
};

// The findings of a kind as "M/D text" (just the text for the minimum wage).
inline QStringList findings(const labour::EmployeeCheck& check, labour::FindingKind kind)
{
    QStringList out;
    for (const labour::Finding& f : check.findings)
        if (f.kind == kind)
            out << (f.date.isValid() ? QStringLiteral("%1/%2 ").arg(f.date.month()).arg(f.date.day()) : QString())
                    + f.text;
    return out;
}

inline labour::Settings settingsWith(std::initializer_list<std::pair<labour::Key, int>> values)
{
    labour::Settings settings;
    for (const auto& [key, value] : values)
        settings.set(key, value);
    return settings;
}
