#include "DemoShop.h"

#include "changes/ChangeFile.h"
#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "master/MasterRecord.h"
#include "patterns/PatternEdits.h"
#include "patterns/PatternFile.h"
#include "patterns/PatternMatch.h"
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

// The first date on or after from that falls on the weekday (Qt::Monday …).
QDate nextWeekday(QDate from, int weekday)
{
    return from.addDays((weekday - from.dayOfWeek() + 7) % 7);
}

// The shop set of patterns (早 7:00–15:00, 中 11:00–20:00, 遅 15:00–23:00, 夜 22:00–7:00) and what
// each of the staff may work, so that the roster reads in codes and the labour check has something
// to say: 伊藤さくら, a high-school student of 17, takes one late shift to 23:00 on a Wednesday;
// 渡辺翔, an international student, works four nights a week, 32 hours, beyond the 28 hours a
// student may work in 7 days outside the spring vacation that starts two weeks on. An early shift
// may not follow a late one. The manager and the part-timers keep hours of their own.
void setPatterns(TFormData& data, QDate today)
{
    patterns::ShiftPatterns& set = data.shiftPatterns;
    set.patterns = patterns::starterSet(patterns::Starter::Shop);
    const auto line = [](const char* name, const char* codes, const char* qualifications) {
        const auto split = [](const char* text) { return QString::fromUtf8(text).split(u'|', Qt::SkipEmptyParts); };
        return patterns::StaffLine { QString::fromUtf8(name), split(codes), split(qualifications) };
    };
    patterns::StaffLine minor = line("伊藤さくら", "中|遅", "レジ|新人");
    minor.rules.birthDate = today.addYears(-17).addMonths(-2);
    patterns::StaffLine student = line("渡辺翔", "夜", "キッチン");
    student.rules.student = true;
    student.rules.vacations = { { today.addDays(14), today.addDays(27) } };
    set.staff = { line("佐藤花子", "早|中", "レジ"), line("鈴木一郎", "遅|夜", "キッチン"),
        line("高橋美咲", "早|中", "ホール"), minor, student, line("中村由美", "中|遅", "ホール|レジ") };
    set.sequence.forbidden = { { QStringLiteral("遅"), QStringLiteral("早") } }; // 23:00 then 7:00
    data.dayChanges.set(minor.name, nextWeekday(today.addDays(1), Qt::Wednesday),
        patterns::entryOf(set.patterns.at(set.indexOf(QStringLiteral("遅")))));
}

} // namespace

bool fillShop(TFormData& data, QDate today, quint32 seed)
{
    // The shop set's 早, 遅 and 夜, and the hours of the manager and the part-timers.
    const master::DayInput early = shift(7, 0, 15, 0, 60);
    const master::DayInput middle = shift(11, 0, 20, 0, 60);
    const master::DayInput late = shift(15, 0, 23, 0, 60);
    const master::DayInput night = shift(22, 0, 7, 0, 60);
    const master::DayInput day = shift(9, 0, 18, 0, 60);
    const master::DayInput morningPart = shift(10, 0, 15, 0, 0);
    const master::DayInput eveningPart = shift(17, 0, 22, 0, 15);
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
        { "渡辺翔", "1350", { rest, leave, rest, night, night, night, night } },
        { "中村由美", "1150", { late, late, late, leave, late, late, rest } },
    };

    for (int row = 0; row < static_cast<int>(std::size(shop)); ++row) {
        const QStringList cells = master::assembleRecord(
            QString::fromUtf8(shop[row].name), QString::fromUtf8(shop[row].wage), shop[row].week);
        for (int c = 0; c < cells.size(); ++c)
            data.StringGrid1.setCell(c, row, cells[c]);
    }
    if (!registerPeriod(data.StringGrid2, today, seed).ok)
        return false;

    // Four day changes, as a manager makes them (a fifth is the minor's late shift): a day of
    // leave, two employees swapping their shifts, a helper on a day off in the middle shift, and a
    // busy day on which 山田太郎 takes only half of his
    // hour's break (the labour check finds the break too short; the hours worked are the same).
    DayChanges& changes = data.dayChanges;
    changes.set(QStringLiteral("山田太郎"), today.addDays(2), changes::entryOf(leave));
    const daychanges::EffectiveSchedule schedule(data);
    daychanges::swapDay(changes, schedule, 1, 7, 4); // 佐藤花子 and 中村由美
    changes.set(QStringLiteral("高橋美咲"), today.addDays(5), changes::entryOf(middle));
    QDate busy = today.addDays(8);
    while (!daychanges::isWorkingDay(schedule.entryOn(0, busy)))
        busy = busy.addDays(1);
    changes.set(QStringLiteral("山田太郎"), busy, changes::entryOf(shift(9, 0, 18, 0, 30)));

    setPatterns(data, today);
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
        { TFormData::kPatternFile, patternfile::serialize(data.shiftPatterns) },
    };
    for (const auto& [name, bytes] : beside)
        if (const auto error = saveFile(dir, name, bytes, false))
            return error->fileName + QStringLiteral(": ") + error->systemError;
    return std::nullopt;
}

} // namespace demo
