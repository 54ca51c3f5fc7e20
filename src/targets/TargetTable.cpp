#include "targets/TargetTable.h"

#include <algorithm>

namespace targets {
namespace {

const QString kBadForm = QStringLiteral("「3」「3-5」「-5」の形ではありません");
const QString kLeadingZero = QStringLiteral("先頭に0のある数は使えません");
const QString kOverMax = QStringLiteral("人数は0から30までです");
const QString kLeastOverMost = QStringLiteral("下限が上限を超えています");

struct Parsed {
    HourTarget target;
    QString fault;
};

// A count of people: ASCII digits without a leading zero, 0 to 30.
Parsed count(QStringView text, int HourTarget::*bound)
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return { {}, kBadForm };
    if (text.size() > 1 && text[0] == u'0')
        return { {}, kLeadingZero };
    if (text.size() > 2 || text.toInt() > kMaxPeople)
        return { {}, kOverMax };
    Parsed out;
    out.target.*bound = text.toInt();
    return out;
}

Parsed parse(QStringView text)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0)
        return text.isEmpty() ? Parsed {} : count(text, &HourTarget::least);
    const QStringView leastText = text.first(dash);
    Parsed most = count(text.sliced(dash + 1), &HourTarget::most);
    if (leastText.isEmpty() || !most.fault.isEmpty())
        return most;
    const Parsed least = count(leastText, &HourTarget::least);
    if (!least.fault.isEmpty())
        return least;
    if (least.target.least > most.target.most)
        return { {}, kLeastOverMost };
    most.target.least = least.target.least;
    return most;
}

} // namespace

bool isEmptyRow(const TargetRow& row)
{
    return std::all_of(row.begin(), row.end(), [](const HourTarget& t) { return t.isEmpty(); });
}

QString fieldText(const HourTarget& target)
{
    const QString least = target.least >= 0 ? QString::number(target.least) : QString();
    return target.most >= 0 ? least + u'-' + QString::number(target.most) : least;
}

QString fieldFault(QStringView text)
{
    return parse(text).fault;
}

HourTarget parseField(QStringView text)
{
    return parse(text).target;
}

bool TargetTable::isEmpty() const
{
    return std::all_of(weekdays.begin(), weekdays.end(), isEmptyRow) && isEmptyRow(holiday) && dates.isEmpty();
}

void TargetTable::setDate(QDate date, const TargetRow& row)
{
    if (isEmptyRow(row))
        dates.remove(date);
    else
        dates.insert(date, row);
}

QString weekdayKey(int code)
{
    static const std::array<QString, 7> kKeys { QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
        QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土") };
    return kKeys.at(static_cast<std::size_t>(code - 1));
}

} // namespace targets
