#include "DemoShop.h"

#include "changes/ChangeFile.h"
#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "period/PeriodRegistration.h"
#include "requests/RequestFile.h"
#include "targets/Coverage.h"
#include "targets/TargetFile.h"

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

// A row of targets: at least `least` and at most `most` people in each hour from first to last.
void setHours(targets::TargetRow& row, int first, int last, targets::HourTarget target)
{
    for (int hour = first; hour <= last; ++hour)
        row[static_cast<std::size_t>(hour)] = target;
}

// The shop's targets: at least one person and at most four in every opening hour (9:00 to 21:00),
// which the standard weeks and the day changes always meet; holidays as Sundays. Two dates of
// the period have rows of their own, each starting as a copy of their weekday's row: a sale day
// that needs one more person at noon than the schedule gives, and a stock-taking day (never a
// Sunday) on which the sales floor holds one fewer than the schedule puts there in its busiest
// hour.
void setTargets(TFormData& data, QDate today)
{
    targets::TargetTable& table = data.staffTargets;
    for (int code = 1; code <= 7; ++code)
        setHours(table.weekday(code), 9, 20, { 1, 4 });
    table.holiday = table.weekday(1);

    const daychanges::EffectiveSchedule schedule(data);
    const QDate sale = today.addDays(10);
    targets::TargetRow saleRow = targets::rowFor(table, sale);
    saleRow[12] = { targets::dateCoverage(table, schedule, sale).hours[12].count + 1, -1 };
    table.setDate(sale, saleRow);

    QDate stockTaking = today.addDays(12);
    if (stockTaking.dayOfWeek() == Qt::Sunday) // the shop takes stock on a day with two or more at work
        stockTaking = stockTaking.addDays(1);
    const auto hours = targets::dateCoverage(table, schedule, stockTaking).hours;
    const auto busiest = std::max_element(hours.begin() + 9, hours.begin() + 21,
        [](const targets::HourCoverage& a, const targets::HourCoverage& b) { return a.count < b.count; });
    targets::TargetRow stockRow = targets::rowFor(table, stockTaking);
    stockRow[static_cast<std::size_t>(busiest - hours.begin())] = { 1, busiest->count - 1 };
    table.setDate(stockTaking, stockRow);
}

// A few wishes as the staff hand them in: two days off that the schedule grants (one by a change),
// a helper's wish to work that it grants, and a day off and a day someone cannot work that are
// still open.
void setRequests(TFormData& data, QDate today)
{
    using requests::Kind;
    requests::Requests& wishes = data.staffRequests;
    wishes.set(QStringLiteral("山田太郎"), today.addDays(2), { Kind::DayOff, QStringLiteral("通院") });
    wishes.set(QStringLiteral("高橋美咲"), today.addDays(5), { Kind::WantsWork, QString() });
    wishes.set(QStringLiteral("中村由美"), today.addDays(7), { Kind::DayOff, QString() });
    wishes.set(QStringLiteral("伊藤さくら"), today.addDays(9), { Kind::CannotWork, QStringLiteral("試験") });
    wishes.set(QStringLiteral("鈴木一郎"), today.addDays(13), { Kind::DayOff, QStringLiteral("法事") });
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

    // Four day changes, as a manager makes them: a day of leave, two employees swapping their
    // shifts, a helper on a day off, and a busy day on which 山田太郎 takes only half of his
    // hour's break (the labour check finds the break too short; the hours worked are the same).
    DayChanges& changes = data.dayChanges;
    changes.set(QStringLiteral("山田太郎"), today.addDays(2), changes::entryOf(leave));
    const daychanges::EffectiveSchedule schedule(data);
    daychanges::swapDay(changes, schedule, 1, 7, 4); // 佐藤花子 and 中村由美
    changes.set(QStringLiteral("高橋美咲"), today.addDays(5), changes::entryOf(morningPart));
    QDate busy = today.addDays(8);
    while (!daychanges::isWorkingDay(schedule.entryOn(0, busy)))
        busy = busy.addDays(1);
    changes.set(QStringLiteral("山田太郎"), busy, changes::entryOf(shift(9, 0, 18, 0, 30)));

    setTargets(data, today);
    setRequests(data, today);
    return true;
}

std::optional<QString> writeDataFiles(const QString& dir, const TFormData& data)
{
    for (const auto& [name, table] : { std::pair { TFormData::kMasterFile, &data.StringGrid1 },
             std::pair { TFormData::kScheduleFile, &data.StringGrid2 } }) {
        if (const auto error = saveTableFile(dir, name, *table, false))
            return error->fileName + QStringLiteral(": ") + error->systemError;
    }
    const std::pair<QString, QByteArray> beside[] = {
        { TFormData::kChangeFile, changefile::serialize(data.dayChanges, data.StringGrid1) },
        { TFormData::kTargetFile, targetfile::serialize(data.staffTargets) },
        { TFormData::kRequestFile, requestfile::serialize(data.staffRequests, data.StringGrid1) },
    };
    for (const auto& [name, bytes] : beside)
        if (const auto error = saveFile(dir, name, bytes, false))
            return error->fileName + QStringLiteral(": ") + error->systemError;
    return std::nullopt;
}

} // namespace demo
