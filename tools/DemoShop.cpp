#include "DemoShop.h"

#include "changes/ChangeFile.h"
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "period/PeriodRegistration.h"

namespace demo {
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

bool fillShop(TFormData& data, QDate today, quint32 seed)
{
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

    for (int row = 0; row < static_cast<int>(std::size(shop)); ++row) {
        const QStringList cells = master::assembleRecord(
            QString::fromUtf8(shop[row].name), QString::fromUtf8(shop[row].wage), shop[row].week);
        for (int c = 0; c < cells.size(); ++c)
            data.StringGrid1.setCell(c, row, cells[c]);
    }
    if (!registerPeriod(data.StringGrid2, today, seed).ok)
        return false;

    // Three day changes, as a manager makes them: a day of leave, two employees swapping their
    // shifts and a helper on a day off.
    DayChanges& changes = data.dayChanges;
    changes.set(QStringLiteral("山田太郎"), today.addDays(2), changes::entryOf(leave));
    const daychanges::EffectiveSchedule schedule(data);
    daychanges::swapDay(changes, schedule, 1, 7, 4); // 佐藤花子 and 中村由美
    changes.set(QStringLiteral("高橋美咲"), today.addDays(5), changes::entryOf(morningPart));
    return true;
}

std::optional<QString> writeDataFiles(const QString& dir, const TFormData& data)
{
    for (const auto& [name, table] : { std::pair { TFormData::kMasterFile, &data.StringGrid1 },
             std::pair { TFormData::kScheduleFile, &data.StringGrid2 } }) {
        if (const auto error = saveTableFile(dir, name, *table, false))
            return error->fileName + QStringLiteral(": ") + error->systemError;
    }
    if (const auto error
        = saveFile(dir, TFormData::kChangeFile, changefile::serialize(data.dayChanges, data.StringGrid1), false))
        return error->fileName + QStringLiteral(": ") + error->systemError;
    return std::nullopt;
}

} // namespace demo
