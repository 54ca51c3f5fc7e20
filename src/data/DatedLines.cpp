#include "data/DatedLines.h"

#include "platform/TextCodec.h"

#include <QHash>
#include <algorithm>
#include <tuple>

namespace datedlines {

QList<QStringView> lines(const QString& text)
{
    QList<QStringView> out = QStringView(text).split(u'\n');
    if (out.last().isEmpty())
        out.removeLast(); // the line end of the last line
    for (QStringView& line : out)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return out;
}

bool splitFields(QStringView line, QStringView* out, int count)
{
    qsizetype start = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype comma = line.indexOf(u',', start);
        if (comma < 0)
            return false;
        out[i] = line.sliced(start, comma - start);
        start = comma + 1;
    }
    return start == line.size();
}

int plainNumber(QStringView text, int maxLength)
{
    const bool digits
        = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || text.size() > maxLength || (text.size() > 1 && text[0] == u'0'))
        return -1;
    return text.toInt();
}

bool isName(const QString& name)
{
    constexpr int kNameBytes = 24;
    if (name.isEmpty() || std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; }))
        return false;
    return cp932::canEncode(name) && cp932::byteCount(name) <= kNameBytes;
}

std::variant<QDate, QString> dateOf(QStringView year, QStringView month, QStringView day)
{
    const int y = plainNumber(year, 4);
    if (y < 1000)
        return kBadYear;
    const int m = plainNumber(month, 2);
    if (m < 1 || m > 12)
        return kBadMonth;
    const int d = plainNumber(day, 2);
    if (d < 1)
        return kBadDay;
    const QDate date(y, m, d);
    if (!date.isValid())
        return kNoSuchDate;
    return date;
}

QString dateFields(QDate date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    return QString::number(year) + u',' + QString::number(month) + u',' + QString::number(day) + u',';
}

std::vector<int> writingOrder(const QList<std::pair<QDate, QString>>& keys, const Table& master)
{
    QHash<QString, int> rowOf;
    for (int row = master.rowCount() - 1; row >= 0; --row)
        if (!master.cell(0, row).isEmpty())
            rowOf.insert(master.cell(0, row), row); // the first row of a shared name wins
    std::vector<std::tuple<qint64, int, int>> order;
    order.reserve(keys.size());
    for (int i = 0; i < keys.size(); ++i)
        order.emplace_back(keys[i].first.toJulianDay(), rowOf.value(keys[i].second, master.rowCount()), i);
    std::sort(order.begin(), order.end());
    std::vector<int> positions;
    positions.reserve(order.size());
    for (const auto& [julian, row, i] : order)
        positions.push_back(i);
    return positions;
}

} // namespace datedlines
