#include "targets/TargetFile.h"

#include "platform/TextCodec.h"

#include <algorithm>
#include <set>
#include <variant>

namespace targetfile {
namespace {

using targets::kHours;
using targets::TargetRow;

constexpr int kFields = 1 + kHours;

const QString kFieldCount = QStringLiteral("項目数が25ではありません");
const QString kBadKey = QStringLiteral("見出しが曜日・祝・日付（年/月/日）ではありません");
const QString kNoSuchDate = QStringLiteral("日付が存在しません");
const QString kSecondLine = QStringLiteral("同じ見出しの2行目です");

// A row's key: weekday code 1 to 7, 8 for the holiday row, or a date.
using Key = std::variant<int, QDate>;
constexpr int kHolidayRow = 8;

// Decimal digits without a leading zero, at most maxLength of them; −1 otherwise.
int plainNumber(QStringView text, int maxLength)
{
    if (text.isEmpty() || text.size() > maxLength || (text.size() > 1 && text[0] == u'0')
        || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    return text.toInt();
}

// The key of a line, or the reason it has none.
std::variant<Key, QString> keyOf(QStringView text)
{
    for (int code = 1; code <= 7; ++code)
        if (text == targets::weekdayKey(code))
            return Key(code);
    if (text == targets::kHolidayKey)
        return Key(kHolidayRow);
    const QList<QStringView> parts = text.split(u'/');
    if (parts.size() != 3)
        return kBadKey;
    const int year = plainNumber(parts[0], 4);
    const int month = plainNumber(parts[1], 2);
    const int day = plainNumber(parts[2], 2);
    if (year < 1000 || month < 0 || day < 0)
        return kBadKey;
    const QDate date(year, month, day);
    if (!date.isValid())
        return kNoSuchDate;
    return Key(date);
}

struct Line {
    Key key;
    TargetRow row;
};

// The row of one line, or the reason it is not taken.
std::variant<Line, QString> parseLine(QStringView line)
{
    if (line.count(u',') != kFields || !line.endsWith(u','))
        return kFieldCount;
    const QList<QStringView> fields = line.chopped(1).split(u',');
    const auto key = keyOf(fields[0]);
    if (const QString* fault = std::get_if<QString>(&key))
        return *fault;
    Line out { std::get<Key>(key), {} };
    for (int h = 0; h < kHours; ++h) {
        QString fault;
        const auto target = targets::parseField(fields[h + 1], &fault);
        if (!target)
            return QStringLiteral("%1時：%2").arg(h).arg(fault);
        out.row[h] = *target;
    }
    return out;
}

void appendLine(QString& text, const QString& key, const TargetRow& row)
{
    if (targets::isEmptyRow(row))
        return;
    text += key;
    text += u',';
    for (const targets::HourTarget& target : row) {
        text += targets::fieldText(target);
        text += u',';
    }
    text += QStringLiteral("\r\n");
}

} // namespace

ReadResult read(const QByteArray& bytes)
{
    ReadResult out;
    // Decoded at once: a line feed byte is never part of a two-byte character.
    const QString text = cp932::decode(bytes);
    QList<QStringView> lines = QStringView(text).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    std::set<Key> keys;
    for (int i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const auto parsed = parseLine(line);
        if (const QString* reason = std::get_if<QString>(&parsed)) {
            out.rejected.append({ i + 1, *reason });
            continue;
        }
        const Line& row = std::get<Line>(parsed);
        if (!keys.insert(row.key).second) {
            out.rejected.append({ i + 1, kSecondLine });
            continue;
        }
        if (const QDate* date = std::get_if<QDate>(&row.key))
            out.table.setDate(*date, row.row);
        else if (const int code = std::get<int>(row.key); code == kHolidayRow)
            out.table.holiday = row.row;
        else
            out.table.weekday(code) = row.row;
    }
    return out;
}

QByteArray serialize(const targets::TargetTable& table)
{
    QString text;
    for (int code = 1; code <= 7; ++code)
        appendLine(text, targets::weekdayKey(code), table.weekday(code));
    appendLine(text, targets::kHolidayKey, table.holiday);
    for (auto it = table.dates.cbegin(); it != table.dates.cend(); ++it)
        appendLine(text, QStringLiteral("%1/%2/%3").arg(it.key().year()).arg(it.key().month()).arg(it.key().day()),
            it.value());
    return cp932::encode(text);
}

QString rejectedLinesMessage(const QList<RejectedLine>& rejected)
{
    return QStringLiteral("▼ 必要人数ファイル zelrotandata4.zel の次の行は読み込めませんでした．\r\n\r\n%1\r\n▽ "
                          "これらの行を除いて続行します．元のファイルは，終了時に zelrotandata4.zel.bak "
                          "として保存されます．")
        .arg(rejectedLinesList(rejected));
}

QString openFailureMessage(const FileError& error)
{
    return QStringLiteral("▼ 必要人数ファイル zelrotandata4.zel を読み込めませんでした．\r\n\r\n%1\r\n\r\n▽ "
                          "必要人数なしで続行します．このファイルは変更しないため，必要人数の登録はできません．")
        .arg(error.systemError);
}

} // namespace targetfile
