#pragma once

#include "changes/ChangesTestData.h"
#include "changes/DayShift.h"
#include "changes/EffectiveSchedule.h"
#include "changes/RosterDay.h"
#include "labour/LabourRules.h"
#include "support/TestSupport.h"

#include <QMap>

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
    labour::EmployeeCheck check(int row = 0, const labour::Rules& rules = {}) const
    {
        return labour::checkEmployee(daychanges::EffectiveSchedule(data), row, rules);
    }
};

// The findings of some kinds as "M/D text" (just the text for the minimum wage), in their order.
inline QStringList findings(const labour::EmployeeCheck& check, std::initializer_list<labour::FindingKind> kinds)
{
    QStringList out;
    for (const labour::Finding& f : check.findings)
        if (std::find(kinds.begin(), kinds.end(), f.kind) != kinds.end())
            out << (f.date.isValid() ? QStringLiteral("%1/%2 ").arg(f.date.month()).arg(f.date.day()) : QString())
                    + f.text;
    return out;
}

inline QStringList findings(const labour::EmployeeCheck& check, labour::FindingKind kind)
{
    return findings(check, { kind });
}

inline labour::Settings settingsWith(std::initializer_list<std::pair<labour::Key, int>> values)
{
    labour::Settings settings;
    for (const auto& [key, value] : values)
        settings.set(key, value);
    return settings;
}

// One employee's days built directly, with patterns and 明け as the shift patterns give them:
// every date is a day of "公休" unless set.
struct Roster {
    QMap<QDate, daychanges::RosterDay> days;

    void set(QDate date, const DayEntry& entry, const QString& code = {})
    {
        const bool working = daychanges::isWorkingDay(entry);
        days[date] = { entry, working ? daychanges::DayKind::Working : daychanges::DayKind::Off,
            daychanges::shiftOf(entry), code.isEmpty() ? -1 : 0, code };
    }
    void setFrom(QDate first, int count, const DayEntry& entry, const QString& code = {})
    {
        for (int d = 0; d < count; ++d)
            set(first.addDays(d), entry, code);
    }
    void ake(QDate date)
    {
        days[date]
            = { dayOff(QStringLiteral("その他")), daychanges::DayKind::Ake, std::nullopt, 0, QStringLiteral("明") };
    }
    labour::EmployeeCheck check(const QList<QDate>& dates, const labour::Rules& rules = {}) const
    {
        return labour::checkDays(
            0, dates, 1000,
            [this](QDate date) {
                daychanges::RosterDay free;
                free.entry = off();
                return days.value(date, free);
            },
            rules);
    }
};

// count dates from first.
inline QList<QDate> datesFrom(QDate first, int count)
{
    QList<QDate> dates;
    for (int d = 0; d < count; ++d)
        dates << first.addDays(d);
    return dates;
}

// Rules of one employee (row 0) with the settings given.
inline labour::Rules personRules(const labour::PersonRules& person, const labour::Settings& settings = {})
{
    labour::Rules rules(settings);
    rules.persons = { person };
    return rules;
}
