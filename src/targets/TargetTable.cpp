#include "targets/TargetTable.h"

#include <algorithm>

namespace targets {
namespace {

const QString kBadForm = QStringLiteral("「3」「3-5」「-5」の形ではありません");
const QString kLeadingZero = QStringLiteral("先頭に0のある数は使えません");
const QString kOverMax = QStringLiteral("人数は0から30までです");
const QString kLeastOverMost = QStringLiteral("下限が上限を超えています");

// A count of people: ASCII digits without a leading zero, 0 to 30; −1 with the fault otherwise.
int count(QStringView text, QString& fault)
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        fault = kBadForm;
        return -1;
    }
    if (text.size() > 1 && text[0] == u'0') {
        fault = kLeadingZero;
        return -1;
    }
    int n = 0;
    for (const QChar c : text) {
        n = n * 10 + (c.unicode() - u'0');
        if (n > kMaxPeople) {
            fault = kOverMax;
            return -1;
        }
    }
    return n;
}

// The text of a count; those of 0 to 30 are made once, since a file repeats them many times.
QString numberText(int n)
{
    static const std::array<QString, kMaxPeople + 1> kTexts = [] {
        std::array<QString, kMaxPeople + 1> texts;
        for (int i = 0; i <= kMaxPeople; ++i)
            texts[static_cast<std::size_t>(i)] = QString::number(i);
        return texts;
    }();
    return n >= 0 && n <= kMaxPeople ? kTexts[static_cast<std::size_t>(n)] : QString::number(n);
}

} // namespace

bool isEmptyRow(const TargetRow& row)
{
    return std::all_of(row.begin(), row.end(), [](const HourTarget& t) { return t.isEmpty(); });
}

QString fieldText(const HourTarget& target)
{
    const QString least = target.least >= 0 ? numberText(target.least) : QString();
    return target.most >= 0 ? least + u'-' + numberText(target.most) : least;
}

std::optional<HourTarget> parseField(QStringView text, QString* fault)
{
    QString why;
    HourTarget target;
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0) {
        if (!text.isEmpty())
            target.least = count(text, why);
    } else {
        target.most = count(text.sliced(dash + 1), why);
        if (dash > 0 && why.isEmpty()) {
            target.least = count(text.first(dash), why);
            if (why.isEmpty() && target.least > target.most)
                why = kLeastOverMost;
        }
    }
    if (why.isEmpty())
        return target;
    if (fault)
        *fault = why;
    return std::nullopt;
}

bool TargetTable::isEmpty() const
{
    return DayRows::isEmpty() && qualifications.isEmpty() && patterns.isEmpty();
}

void TargetTable::setQualification(const QString& tag, const DayRows<TargetRow>& rows)
{
    if (rows.isEmpty())
        qualifications.remove(tag);
    else
        qualifications.insert(tag, rows);
}

QString weekdayKey(int code)
{
    static const std::array<QString, 7> kKeys { QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
        QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土") };
    return kKeys.at(static_cast<std::size_t>(code - 1));
}

} // namespace targets
