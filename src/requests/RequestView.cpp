#include "requests/RequestView.h"

#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "views/Calendar.h"

#include <QSet>

namespace requests {
namespace {

QSet<QString> registeredNames(const daychanges::EffectiveSchedule& schedule)
{
    QSet<QString> names;
    for (int row = 0; row < schedule.employees(); ++row)
        names.insert(schedule.master().cell(0, row));
    return names;
}

// The day as the report names it: the times of a working day, "明け", else the attribute.
QString entryText(const daychanges::RosterDay& day)
{
    if (day.kind == daychanges::DayKind::Ake)
        return QStringLiteral("明け");
    const DayEntry& entry = day.entry;
    if (!day.working())
        return entry.attribute;
    return entry.startHour + u':' + entry.startMinute + u'～' + entry.endHour + u':' + entry.endMinute;
}

} // namespace

bool honoured(Kind kind, const daychanges::RosterDay& day)
{
    return kind == Kind::WantsWork ? day.working() : day.off();
}

bool honoured(const Wish& wish, const daychanges::RosterDay& day)
{
    switch (wish.kind) {
    case Kind::WantsPattern:
        return day.code == wish.pattern;
    case Kind::AvoidsPattern:
        return day.code != wish.pattern;
    case Kind::DayOff:
    case Kind::CannotWork:
    case Kind::WantsWork:
        break;
    }
    return honoured(wish.kind, day);
}

QString wishWords(const Wish& wish)
{
    if (!isPatternKind(wish.kind))
        return kindText(wish.kind);
    return wish.pattern + (wish.kind == Kind::WantsPattern ? QStringLiteral("を希望") : QStringLiteral("は避けたい"))
        + (wish.weight > kLeastWeight ? QStringLiteral("（重み%1）").arg(wish.weight) : QString());
}

QString wishText(const Wish& wish)
{
    QString text = QStringLiteral("希望：") + wishWords(wish);
    if (!wish.note.isEmpty())
        text += QStringLiteral("（") + wish.note + QStringLiteral("）");
    return text;
}

std::optional<CellWish> cellWish(
    const daychanges::EffectiveSchedule& schedule, const Requests& requests, int row, int day)
{
    if (row < 0 || row >= schedule.employees() || day < 0 || day >= schedule.dates().size())
        return std::nullopt;
    const auto wish = requests.find(schedule.master().cell(0, row), schedule.dates()[day]);
    if (!wish)
        return std::nullopt;
    return CellWish { *wish, !honoured(*wish, schedule.day(row, day)) };
}

QString markText(const CellWish& cell)
{
    QString mark;
    switch (cell.wish.kind) {
    case Kind::DayOff:
        mark = QStringLiteral("休");
        break;
    case Kind::CannotWork:
        mark = QStringLiteral("不");
        break;
    case Kind::WantsWork:
        mark = QStringLiteral("出");
        break;
    case Kind::WantsPattern:
        mark = QStringLiteral("望");
        break;
    case Kind::AvoidsPattern:
        mark = QStringLiteral("避");
        break;
    }
    return cell.against ? mark + QStringLiteral("！") : mark;
}

QStringList cellNotes(const CellWish& cell)
{
    QStringList notes { wishText(cell.wish) };
    if (cell.against)
        notes.append(QStringLiteral("希望と異なる"));
    return notes;
}

QList<Request> apart(const daychanges::EffectiveSchedule& schedule, const Requests& requests)
{
    QList<Request> out;
    for (const Request& request : requests.list())
        if (schedule.isApart(request.name, request.date))
            out.append(request);
    return out;
}

QString apartText(const daychanges::EffectiveSchedule& schedule, const Request& request)
{
    const bool registered = registeredNames(schedule).contains(request.name);
    return changes::dateText(request.date) + QStringLiteral("　") + request.name + QStringLiteral("　")
        + wishText(request.wish)
        + (registered ? QStringLiteral("（勤務期間外の日付）") : QStringLiteral("（マスタにない氏名）"));
}

QStringList reportLines(const daychanges::EffectiveSchedule& schedule, const Requests& requests)
{
    const QList<QDate>& dates = schedule.dates();
    QStringList lines { QStringLiteral("【希望の反映状況】"), changes::periodLine(dates), QString() };
    int wishes = 0;
    int kept = 0;
    for (int row = 0; row < schedule.employees(); ++row) {
        const QString name = schedule.master().cell(0, row);
        QStringList missed;
        int count = 0;
        for (int day = 0; day < dates.size(); ++day) {
            const auto wish = requests.find(name, dates[day]);
            if (!wish)
                continue;
            ++count;
            const daychanges::RosterDay entry = schedule.day(row, day);
            if (honoured(*wish, entry))
                continue;
            // One arg() call: a text that holds "%1" is not taken for a place to fill.
            missed.append(QStringLiteral("　%1/%2（%3） %4 ⇒ %5")
                              .arg(QString::number(dates[day].month()), QString::number(dates[day].day()),
                                  views::weekdayKanji(schedule.weekdayCode(day)), wishWords(*wish), entryText(entry)));
        }
        if (count == 0)
            continue;
        const int honouredCount = count - static_cast<int>(missed.size());
        lines.append(QStringLiteral("■ %1 ： 希望 %2 件，反映 %3 件")
                         .arg(name, QString::number(count), QString::number(honouredCount)));
        lines.append(missed);
        wishes += count;
        kept += honouredCount;
    }
    if (wishes == 0) {
        lines.append(QStringLiteral("　期間中の希望はありません．"));
        return lines;
    }
    lines.append(QString());
    lines.append(QStringLiteral("◆ 反映率 %1%（%2／%3 件）").arg(100 * kept / wishes).arg(kept).arg(wishes));
    return lines;
}

} // namespace requests
