#include "master/MasterRecord.h"

#include "data/WorkAttributes.h"
#include "platform/Numbers.h"

namespace master {
namespace {

QStringList numberEntries(int first, int last, int step)
{
    QStringList entries;
    for (int v = first; v <= last; v += step)
        entries << QString::number(v);
    return entries;
}

// The entry of list whose value is value, or kNoEntry.
int entryOf(const QStringList& list, int value)
{
    for (int i = 0; i < list.size(); ++i)
        if (list[i].toInt() == value)
            return i;
    return kNoEntry;
}

} // namespace

const QStringList& hourEntries()
{
    static const QStringList entries = numberEntries(0, 24, 1);
    return entries;
}

const QStringList& minuteEntries()
{
    static const QStringList entries = [] {
        QStringList list = numberEntries(0, 55, 5);
        list[0] = QStringLiteral("00");
        return list;
    }();
    return entries;
}

const QStringList& restEntries()
{
    static const QStringList entries = numberEntries(0, 120, 5) + numberEntries(150, 300, 30) << QStringLiteral("360");
    return entries;
}

QString dayName(int day)
{
    static const QStringList names { QStringLiteral("月曜日"), QStringLiteral("火曜日"), QStringLiteral("水曜日"),
        QStringLiteral("木曜日"), QStringLiteral("金曜日"), QStringLiteral("土曜日"), QStringLiteral("日曜日") };
    return names.value(day);
}

DayInput withDayRule(DayInput day)
{
    if (isWorkingDay(day))
        return day;
    return { day.attribute, 0, 0, 0, 0, 0 };
}

int netMinutes(int startHour, int startMinute, int endHour, int endMinute, int rest)
{
    int hours = endHour - startHour;
    if (hours < 0)
        hours += 24;
    const int minutes = hours * 60 + endMinute - startMinute - rest;
    return minutes < 1 ? 0 : minutes;
}

QString normaliseWage(const QString& text)
{
    const int wage = numbers::leadingInt(text);
    return wage > 0 ? QString::number(wage) : QStringLiteral("0");
}

QStringList assembleRecord(const QString& name, const QString& wage, const Week& week)
{
    QStringList cells { name, wage };
    QStringList net;
    for (const DayInput& input : week) {
        const DayInput day = withDayRule(input);
        cells << attributes::all().value(day.attribute) << hourEntries().value(day.startHour)
              << minuteEntries().value(day.startMinute) << hourEntries().value(day.endHour)
              << minuteEntries().value(day.endMinute);
        net << QString::number(netMinutes(
            day.startHour, day.startMinute * 5, day.endHour, day.endMinute * 5, restEntries().value(day.rest).toInt()));
    }
    return cells + net;
}

LoadedRecord loadRecord(const Table& master, int row)
{
    LoadedRecord loaded;
    loaded.wage = master.cell(1, row);
    for (int d = 0; d < kDays; ++d) {
        const int c = blockColumn(d);
        const LoadedDay day = loadDay(master.cell(c, row), master.cell(c + 1, row), master.cell(c + 2, row),
            master.cell(c + 3, row), master.cell(c + 4, row), master.cell(netMinutesColumn(d), row));
        loaded.week[d] = day.day;
        loaded.restFound[d] = day.restFound;
    }
    return loaded;
}

LoadedDay loadDay(const QString& attribute, const QString& startHour, const QString& startMinute,
    const QString& endHour, const QString& endMinute, const QString& netMinutes)
{
    const int sh = numbers::leadingInt(startHour);
    const int sm = numbers::leadingInt(startMinute);
    const int eh = numbers::leadingInt(endHour);
    const int em = numbers::leadingInt(endMinute);
    LoadedDay loaded;
    DayInput& day = loaded.day;
    day.attribute = static_cast<int>(attributes::all().indexOf(attribute));
    day.startHour = entryOf(hourEntries(), sh);
    day.startMinute = entryOf(minuteEntries(), sm);
    day.endHour = entryOf(hourEntries(), eh);
    day.endMinute = entryOf(minuteEntries(), em);
    const int net = numbers::leadingInt(netMinutes);
    const int rest = eh - sh < 0 ? (24 - sh) * 60 - sm + eh * 60 + em - net : (eh - sh) * 60 - sm + em - net;
    day.rest = entryOf(restEntries(), rest);
    loaded.restFound = day.rest != kNoEntry;
    return loaded;
}

int findEmployee(const Table& master, const QString& name)
{
    for (int r = 0; r < master.rowCount(); ++r)
        if (!master.cell(0, r).isEmpty() && master.cell(0, r) == name)
            return r;
    return -1;
}

int firstFreeRow(const Table& master)
{
    for (int r = 0; r < master.rowCount(); ++r)
        if (master.cell(0, r).isEmpty())
            return r;
    return -1;
}

void deleteEmployee(Table& master, int row)
{
    const int lastRow = master.rowCount() - 1;
    if (row == lastRow) {
        master.clearRow(row);
        return;
    }
    const int free = firstFreeRow(master);
    const int last = free < 0 ? lastRow : free - 1;
    for (int c = 0; c < master.colCount(); ++c)
        master.setCell(c, row, master.cell(c, last));
    master.clearRow(last);
}

} // namespace master
