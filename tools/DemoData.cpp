// Writes the two data files of a small demo shop into a directory: eight employees with day
// and night shifts, part-timers and all four work attributes, registered through the same
// record logic as the employee master window, and the period that starts today.
//
// Usage: rotan_demo_data <directory>
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "period/PeriodRegistration.h"
#include "platform/Clock.h"

#include <QRandomGenerator>
#include <cstdio>

namespace {

enum Attribute { Work = 0, RegularDayOff = 1, DayOfRest = 2, Other = 3 };

// Entry numbers of the boxes: hours are their own entries, minutes count in fives, and rest
// entries run 0, 5, … 120 (entries 0 to 24).
master::DayInput shift(int startHour, int startMinute, int endHour, int endMinute, int restMinutes)
{
    return { Work, startHour, startMinute / 5, endHour, endMinute / 5, restMinutes / 5 };
}

master::DayInput off(Attribute attribute)
{
    return master::withDayRule({ attribute, 0, 0, 0, 0, 0 });
}

struct Employee {
    const char* name;
    const char* wage;
    master::Week week; // Monday first
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: rotan_demo_data <directory>\n", stderr);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const master::DayInput day = shift(9, 0, 18, 0, 60);
    const master::DayInput early = shift(8, 30, 17, 0, 45);
    const master::DayInput night = shift(22, 0, 6, 0, 60);
    const master::DayInput lateNight = shift(21, 30, 5, 30, 45);
    const master::DayInput morningPart = shift(10, 0, 15, 0, 0);
    const master::DayInput eveningPart = shift(17, 0, 22, 0, 15);
    const master::DayInput afternoon = shift(13, 0, 21, 0, 60);
    const master::DayInput weekendPart = shift(9, 0, 17, 0, 60);
    const master::DayInput schoolDay = shift(16, 0, 21, 30, 0);
    const master::DayInput rest = off(RegularDayOff);
    const master::DayInput leave = off(DayOfRest);
    const master::DayInput other = off(Other);

    const Employee shop[] = {
        { "山田太郎", "1500", { day, day, day, day, day, rest, rest } },
        { "佐藤花子", "1200", { early, early, early, early, early, leave, rest } },
        { "鈴木一郎", "1400", { night, night, night, night, rest, night, leave } },
        { "高橋美咲", "1050", { morningPart, rest, morningPart, other, morningPart, rest, rest } },
        { "田中健", "1100", { leave, eveningPart, other, eveningPart, rest, eveningPart, eveningPart } },
        { "伊藤さくら", "1000", { rest, rest, schoolDay, other, rest, weekendPart, weekendPart } },
        { "渡辺翔", "1350", { rest, leave, rest, lateNight, lateNight, lateNight, lateNight } },
        { "中村由美", "1150", { afternoon, afternoon, afternoon, leave, afternoon, afternoon, rest } },
    };

    TFormData data;
    for (int row = 0; row < static_cast<int>(std::size(shop)); ++row) {
        const QStringList cells = master::assembleRecord(
            QString::fromUtf8(shop[row].name), QString::fromUtf8(shop[row].wage), shop[row].week);
        for (int c = 0; c < cells.size(); ++c)
            data.StringGrid1.setCell(c, row, cells[c]);
    }
    if (!registerPeriod(data.StringGrid2, clock_::today(), QRandomGenerator::system()->generate()).ok) {
        std::fputs("rotan_demo_data: the period of today could not be registered\n", stderr);
        return 1;
    }
    for (const auto& [name, table] : { std::pair { TFormData::kMasterFile, &data.StringGrid1 },
             std::pair { TFormData::kScheduleFile, &data.StringGrid2 } }) {
        if (const auto error = saveTableFile(dir, name, *table, false)) {
            std::fprintf(
                stderr, "rotan_demo_data: %s: %s\n", qPrintable(error->fileName), qPrintable(error->systemError));
            return 1;
        }
    }
    return 0;
}
