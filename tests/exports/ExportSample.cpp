// Writes schedule.csv and schedule.ics of a small sample period into the folder given as the
// argument, for the checks that read them back with other programs, and changed.ics, the same
// period exported again after day changes. The period runs from Friday 29 March to Monday
// 1 April 2024 in Berlin, across the change to summer time.
#include "exports/Csv.h"
#include "exports/ICalendar.h"
#include "exports/PeriodSchedule.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>

namespace {

DayEntry work(const char* start, const char* startMinute, const char* end, const char* endMinute, const char* net)
{
    return { QStringLiteral("勤務日"), start, startMinute, end, endMinute, net };
}

DayEntry off(const QString& attribute)
{
    return { attribute, "0", "00", "0", "00", "0" };
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    exports::PeriodSchedule period { QDate(2024, 3, 29), 4,
        { { QStringLiteral("山田,太郎;\"夜勤\"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷ"), QStringLiteral("1000"),
              { work("9", "00", "17", "30", "450"), work("22", "00", "6", "00", "420"), off(QStringLiteral("公休")),
                  off(QStringLiteral("休み")) },
              {} },
            { QStringLiteral("佐藤\n花子"), QStringLiteral("1250"),
                { off(QStringLiteral("その他")), off(QStringLiteral("公休")), work("9", "5", "13", "00", "235"),
                    work("0", "00", "8", "00", "480") },
                {} },
            { QStringLiteral("鈴木"), QStringLiteral("980"),
                { work("13", "00", "22", "00", "480"), off(QStringLiteral("休み")), off(QStringLiteral("休み")),
                    work("9", "x", "17", "00", "450") },
                {} },
            // Two master rows of one name, each working until midnight on the first day.
            { QStringLiteral("田中"), QStringLiteral("1100"),
                { work("16", "00", "24", "00", "480"), off(QStringLiteral("公休")), off(QStringLiteral("公休")),
                    off(QStringLiteral("公休")) },
                {} },
            { QStringLiteral("田中"), QStringLiteral("1000"),
                { work("16", "00", "24", "00", "480"), off(QStringLiteral("公休")), off(QStringLiteral("公休")),
                    off(QStringLiteral("公休")) },
                {} } },
        {} };
    // This export is the standard week.
    for (exports::EmployeeDays& employee : period.employees)
        employee.standard = employee.days;
    // The later export: 山田 works other hours on the first day, 鈴木 and the second 田中 take it off.
    exports::PeriodSchedule changed = period;
    changed.employees[0].days[0] = work("10", "00", "15", "00", "300");
    changed.employees[2].days[0] = off(QStringLiteral("休み"));
    changed.employees[4].days[0] = off(QStringLiteral("休み"));

    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QTimeZone zone("Europe/Berlin");
    const QDateTime stamp(QDate(2024, 3, 28), QTime(12, 0), Qt::UTC);
    const bool ok = write(dir.filePath(QStringLiteral("schedule.csv")), exports::csv(period))
        && write(dir.filePath(QStringLiteral("schedule.ics")), exports::icalendar(period, zone, stamp))
        && write(dir.filePath(QStringLiteral("changed.ics")), exports::icalendar(changed, zone, stamp.addDays(1)));
    return ok ? 0 : 1;
}
