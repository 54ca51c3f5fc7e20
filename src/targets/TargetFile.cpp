#include "targets/TargetFile.h"

#include "patterns/ShiftPatterns.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>
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
const QString kQualificationFieldCount = QStringLiteral("資格の行の項目数が27ではありません");
const QString kPatternFieldCount = QStringLiteral("勤務の行の項目数が4ではありません");
const QString kLeastOnly = QStringLiteral("資格の必要人数は「2」の形（下限）だけです");
const QString kNoPatternTarget = QStringLiteral("勤務の必要人数がありません");

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

// The forms of a line: a row of people per hour, a row per hour of a qualification, and the
// target of one pattern on one key.
enum class Form { Hours, Qualification, Pattern };
const QString kQualificationMark = QStringLiteral("資格");
const QString kPatternMark = QStringLiteral("勤務");
constexpr int kQualificationFields = 3 + kHours;
constexpr int kPatternFields = 4;

struct Line {
    Form form = Form::Hours;
    Key key;
    QString name; // the qualification's tag or the pattern's code
    TargetRow row;
    targets::HourTarget count; // Pattern: people working it
};

// The 24 hours' targets from fields[first]; a qualification's hours take a least only.
std::optional<QString> readHours(const QList<QStringView>& fields, int first, bool leastOnly, TargetRow& row)
{
    for (int h = 0; h < kHours; ++h) {
        QString fault;
        const auto target = targets::parseField(fields[first + h], &fault);
        if (target && leastOnly && target->most >= 0)
            fault = kLeastOnly;
        if (!fault.isEmpty())
            return QStringLiteral("%1時：%2").arg(h).arg(fault);
        row[h] = *target;
    }
    return std::nullopt;
}

// The row of one line, or the reason it is not taken. The first field tells the form; an older
// reader counts the fields of the other forms wrong and leaves their lines out.
std::variant<Line, QString> parseLine(QStringView text)
{
    if (!text.endsWith(u','))
        return kFieldCount;
    const QList<QStringView> fields = text.chopped(1).split(u',');
    Line out;
    if (fields[0] == kQualificationMark)
        out.form = Form::Qualification;
    else if (fields[0] == kPatternMark)
        out.form = Form::Pattern;
    const qsizetype count = fields.size();
    if (out.form == Form::Hours && count != kFields)
        return kFieldCount;
    if (out.form == Form::Qualification && count != kQualificationFields)
        return kQualificationFieldCount;
    if (out.form == Form::Pattern && count != kPatternFields)
        return kPatternFieldCount;
    const int keyField = out.form == Form::Hours ? 0 : 1;
    const auto key = keyOf(fields[keyField]);
    if (const QString* fault = std::get_if<QString>(&key))
        return *fault;
    out.key = std::get<Key>(key);
    if (out.form == Form::Hours) {
        if (const auto fault = readHours(fields, 1, false, out.row))
            return *fault;
        return out;
    }
    out.name = fields[2].toString();
    if (out.form == Form::Qualification) {
        if (const QString fault = patterns::qualificationFault(out.name); !fault.isEmpty())
            return fault;
        if (const auto fault = readHours(fields, 3, true, out.row))
            return *fault;
        return out;
    }
    if (const QString fault = patterns::codeFault(out.name); !fault.isEmpty())
        return fault;
    QString fault;
    const auto target = targets::parseField(fields[3], &fault);
    if (!target)
        return fault;
    if (target->isEmpty())
        return kNoPatternTarget;
    out.count = *target;
    return out;
}

// The row of a key in rows; a date's row is set through setDate, so that no empty one stays.
template <typename Row> void setRow(targets::DayRows<Row>& rows, const Key& key, const Row& row)
{
    if (const QDate* date = std::get_if<QDate>(&key))
        rows.setDate(*date, row);
    else if (const int code = std::get<int>(key); code == kHolidayRow)
        rows.holiday = row;
    else
        rows.weekday(code) = row;
}

template <typename Row> Row rowAt(const targets::DayRows<Row>& rows, const Key& key)
{
    if (const QDate* date = std::get_if<QDate>(&key))
        return rows.dates.value(*date);
    const int code = std::get<int>(key);
    return code == kHolidayRow ? rows.holiday : rows.weekday(code);
}

void take(targets::TargetTable& table, const Line& line)
{
    switch (line.form) {
    case Form::Hours:
        setRow(table, line.key, line.row);
        break;
    case Form::Qualification: {
        targets::DayRows<TargetRow> rows = table.qualifications.value(line.name);
        setRow(rows, line.key, line.row);
        table.setQualification(line.name, rows);
        break;
    }
    case Form::Pattern: {
        targets::PatternRow row = rowAt(table.patterns, line.key);
        row.insert(line.name, line.count);
        setRow(table.patterns, line.key, row);
        break;
    }
    }
}

QString hourFields(const TargetRow& row)
{
    QString text;
    for (const targets::HourTarget& target : row) {
        text += targets::fieldText(target);
        text += u',';
    }
    return text;
}

// Calls write(key, row) for every row with a target, in the file's order: the weekdays 日 to
// 土, 祝, then the dates ascending.
template <typename Row, typename Write> void forEachRow(const targets::DayRows<Row>& rows, Write write)
{
    const auto one = [&write](const QString& key, const Row& row) {
        if (!targets::isEmptyRow(row))
            write(key, row);
    };
    for (int code = 1; code <= 7; ++code)
        one(targets::weekdayKey(code), rows.weekday(code));
    one(targets::kHolidayKey, rows.holiday);
    for (auto it = rows.dates.cbegin(); it != rows.dates.cend(); ++it)
        one(QStringLiteral("%1/%2/%3").arg(it.key().year()).arg(it.key().month()).arg(it.key().day()), it.value());
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
    std::set<std::tuple<Form, QString, Key>> keys;
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
        if (!keys.insert({ row.form, row.name, row.key }).second) {
            out.rejected.append({ i + 1, kSecondLine });
            continue;
        }
        take(out.table, row);
    }
    return out;
}

QByteArray serialize(const targets::TargetTable& table)
{
    QString text;
    forEachRow(
        static_cast<const targets::DayRows<TargetRow>&>(table), [&text](const QString& key, const TargetRow& row) {
            text += key + u',' + hourFields(row) + QStringLiteral("\r\n");
        });
    for (auto it = table.qualifications.cbegin(); it != table.qualifications.cend(); ++it)
        forEachRow(it.value(), [&text, &tag = it.key()](const QString& key, const TargetRow& row) {
            text += kQualificationMark + u',' + key + u',' + tag + u',' + hourFields(row) + QStringLiteral("\r\n");
        });
    forEachRow(table.patterns, [&text](const QString& key, const targets::PatternRow& row) {
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            text += kPatternMark + u',' + key + u',' + it.key() + u',' + targets::fieldText(it.value()) + u','
                + QStringLiteral("\r\n");
    });
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
