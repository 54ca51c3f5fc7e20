#include "requests/RequestImport.h"

#include "changes/DayText.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <variant>

namespace requests {
namespace {

const QString kBadQuoting = QStringLiteral("引用符（\"）の使い方が正しくありません");
const QString kUndecodable = QStringLiteral("読み取れない文字があります（文字コード）");
const QString kColumnCount = QStringLiteral("列の数が正しくありません（氏名，日付，種類，メモの順）");
const QString kNoName = QStringLiteral("氏名がありません");
const QString kUnknownName = QStringLiteral("氏名が従業員マスタにありません");
const QString kBadDate = QStringLiteral("日付の形式が正しくありません（年/月/日，年-月-日，月/日）");
const QString kNoSuchDate = QStringLiteral("存在しない日付です");
const QString kOutsidePeriod = QStringLiteral("日付が勤務期間外です");
const QString kUnknownKind = QStringLiteral("希望の種類が正しくありません（希望休，出勤不可，出勤希望）");
const QString kSecondRow = QStringLiteral("同じ氏名・日付の行が %1 行目にあります");

// One record of the file: its fields, and whether its quoting broke the rules.
struct Record {
    int number = 0;
    QStringList fields;
    bool badQuoting = false;
};

// The records of RFC 4180 text. A line ends with CRLF, LF or CR; inside quotes a line break is
// part of the field. A quote inside an unquoted field, text after a closing quote and a quote
// left open mark the record, which is otherwise read on as written.
QList<Record> recordsOf(QStringView text)
{
    QList<Record> records;
    Record record;
    QString field;
    bool quoted = false; // inside a quoted field
    bool closed = false; // after the closing quote of a field
    bool started = false; // the record has a character (an opening quote counts)
    const auto endField = [&] {
        record.fields.append(field);
        field.clear();
        closed = false;
    };
    const auto endRecord = [&] {
        endField();
        record.number = static_cast<int>(records.size()) + 1;
        records.append(std::move(record));
        record = {};
        started = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else {
                quoted = false;
                closed = true;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRecord();
            continue;
        }
        started = true;
        if (c == u',')
            endField();
        else if (c == u'"' && field.isEmpty() && !closed)
            quoted = true;
        else {
            record.badQuoting = record.badQuoting || c == u'"' || closed;
            field += c;
        }
    }
    if (quoted)
        record.badQuoting = true;
    if (started)
        endRecord();
    return records;
}

// The text of the file and its encoding.
std::pair<QString, Encoding> decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8); // drops a leading byte-order mark
    QString text = utf8.decode(bytes);
    if (!utf8.hasError() || bytes.startsWith("\xEF\xBB\xBF"))
        return { text, Encoding::Utf8 };
    return { cp932::decode(bytes), Encoding::ShiftJis };
}

// A byte that the encoding does not know decodes as U+FFFD or, in Shift-JIS, as SUB (U+001A).
bool undecodable(const QStringList& fields)
{
    for (const QString& field : fields)
        if (field.contains(QChar::ReplacementCharacter) || field.contains(QChar(0x1A)))
            return true;
    return false;
}

// A cell of a date or a kind as an ASCII-minded reader sees it: full-width digits, letters and
// signs as their half-width forms (NFKC, which leaves ASCII as it is).
QString folded(const QString& cell)
{
    const bool ascii = std::all_of(cell.begin(), cell.end(), [](QChar c) { return c.unicode() < 0x80; });
    return (ascii ? cell : cell.normalized(QString::NormalizationForm_KC)).trimmed();
}

// The decimal number of minLength to maxLength ASCII digits (leading zeros allowed); -1 otherwise.
int number(QStringView text, int minLength, int maxLength)
{
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits && text.size() >= minLength && text.size() <= maxLength ? text.toInt() : -1;
}

// The date of a cell, or the reason it is refused.
std::variant<QDate, QString> dateOf(const QString& cell, const QList<QDate>& dates)
{
    const QString text = folded(cell);
    const QChar separator = text.contains(u'/') ? u'/' : u'-';
    const QList<QStringView> parts = QStringView(text).split(separator);
    if (parts.size() == 3) {
        const int year = number(parts[0], 4, 4);
        const int month = number(parts[1], 1, 2);
        const int day = number(parts[2], 1, 2);
        if (year < 0 || month < 0 || day < 0)
            return kBadDate;
        const QDate date(year, month, day);
        if (!date.isValid())
            return kNoSuchDate;
        return dates.contains(date) ? std::variant<QDate, QString>(date) : kOutsidePeriod;
    }
    if (parts.size() == 2 && separator == u'/') {
        const int month = number(parts[0], 1, 2);
        const int day = number(parts[1], 1, 2);
        if (month < 0 || day < 0)
            return kBadDate;
        if (!QDate(2000, month, day).isValid()) // a leap year: 2/29 exists
            return kNoSuchDate;
        for (const QDate date : dates)
            if (date.month() == month && date.day() == day)
                return date;
        return kOutsidePeriod;
    }
    return kBadDate;
}

std::optional<Kind> importedKind(const QString& cell)
{
    static const QHash<QString, Kind> kinds {
        { QStringLiteral("希望休"), Kind::DayOff },
        { QStringLiteral("休"), Kind::DayOff },
        { QStringLiteral("出勤不可"), Kind::CannotWork },
        { QStringLiteral("×"), Kind::CannotWork },
        { QStringLiteral("✕"), Kind::CannotWork },
        { QStringLiteral("x"), Kind::CannotWork },
        { QStringLiteral("出勤希望"), Kind::WantsWork },
        { QStringLiteral("○"), Kind::WantsWork },
        { QStringLiteral("〇"), Kind::WantsWork },
        { QStringLiteral("◯"), Kind::WantsWork },
        { QStringLiteral("o"), Kind::WantsWork },
    };
    // Most cells give a kind as written; only the others are folded.
    auto it = kinds.constFind(cell.trimmed());
    if (it == kinds.cend()) {
        const QString text = folded(cell);
        it = kinds.constFind(text.size() == 1 ? text.toLower() : text);
    }
    return it == kinds.cend() ? std::nullopt : std::optional(*it);
}

// The fields of a record of three or four columns; further columns count only when they hold
// something, as a spreadsheet may write empty ones after the last.
std::optional<QStringList> columnsOf(const QStringList& fields)
{
    qsizetype used = fields.size();
    while (used > 4 && fields[used - 1].trimmed().isEmpty())
        --used;
    if (used < 3 || used > 4)
        return std::nullopt;
    return fields.mid(0, used);
}

bool isBlank(const Record& record)
{
    for (const QString& field : record.fields)
        if (!field.trimmed().isEmpty())
            return false;
    return !record.badQuoting;
}

} // namespace

ImportPreview parseImport(
    const QByteArray& csv, const QSet<QString>& names, const QList<QDate>& dates, const Requests& existing)
{
    ImportPreview preview;
    const auto [text, encoding] = decoded(csv);
    preview.encoding = encoding;
    QHash<std::pair<QString, QDate>, int> firstRow;
    QHash<QString, QString> noteFaults;
    bool first = true;
    for (const Record& record : recordsOf(text)) {
        if (isBlank(record))
            continue;
        const bool heading = first && record.fields.first().contains(QStringLiteral("氏名"));
        first = false;
        if (heading)
            continue;
        const auto refuse = [&preview, &record](const QString& reason) {
            preview.refused.append({ record.number, reason });
        };
        if (record.badQuoting) {
            refuse(kBadQuoting);
            continue;
        }
        if (undecodable(record.fields)) {
            refuse(kUndecodable);
            continue;
        }
        const auto columns = columnsOf(record.fields);
        if (!columns) {
            refuse(kColumnCount);
            continue;
        }
        const QString name = columns->at(0).trimmed();
        if (name.isEmpty() || !names.contains(name)) {
            refuse(name.isEmpty() ? kNoName : kUnknownName);
            continue;
        }
        const auto date = dateOf(columns->at(1), dates);
        if (const QString* reason = std::get_if<QString>(&date)) {
            refuse(*reason);
            continue;
        }
        const auto kind = importedKind(columns->at(2));
        if (!kind) {
            refuse(kUnknownKind);
            continue;
        }
        const QString note = storableNote(columns->value(3).trimmed());
        auto fault = noteFaults.constFind(note); // a form's notes repeat, and judging one is slow
        if (fault == noteFaults.cend())
            fault = noteFaults.insert(note, noteFault(note));
        if (!fault->isEmpty()) {
            refuse(*fault);
            continue;
        }
        const QDate day = std::get<QDate>(date);
        if (const auto earlier = firstRow.constFind({ name, day }); earlier != firstRow.cend()) {
            refuse(kSecondRow.arg(*earlier));
            continue;
        }
        firstRow.insert({ name, day }, record.number);
        const bool replaces = existing.find(name, day).has_value();
        preview.taken.append({ record.number, name, day, Wish { *kind, note }, replaces });
        preview.replacing += replaces ? 1 : 0;
    }
    return preview;
}

QString importSummary(const ImportPreview& preview)
{
    return QStringLiteral(
        "取り込む希望：%1 件（うち %2 件は既にある希望を置き換えます）　取り込まない行：%3 件　文字コード：%4")
        .arg(QString::number(preview.taken.size()), QString::number(preview.replacing),
            QString::number(preview.refused.size()),
            preview.encoding == Encoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Shift-JIS"));
}

QString takenRowText(const ImportRow& row)
{
    QString text = QStringLiteral("%1 行目　").arg(row.row) + row.name + QStringLiteral("　")
        + changes::dateText(row.date) + QStringLiteral("　") + kindText(row.wish.kind);
    if (!row.wish.note.isEmpty())
        text += QStringLiteral("（") + row.wish.note + QStringLiteral("）");
    if (row.replaces)
        text += QStringLiteral("　［置き換え］");
    return text;
}

QString refusedRowText(const RejectedLine& row)
{
    return QStringLiteral("%1 行目：").arg(row.line) + row.reason;
}

QList<Edit> importEdits(const Requests& requests, const QList<ImportRow>& rows)
{
    QList<Edit> edits;
    for (const ImportRow& row : rows) {
        std::optional<Wish> before = requests.find(row.name, row.date);
        if (before != row.wish)
            edits.append({ row.name, row.date, std::move(before), row.wish });
    }
    return edits;
}

CsvFile readCsv(const QByteArray& csv)
{
    const auto [text, encoding] = decoded(csv);
    CsvFile file { encoding, {} };
    for (const Record& record : recordsOf(text))
        if (!isBlank(record))
            file.records.append({ record.number, record.fields, record.badQuoting, undecodable(record.fields) });
    return file;
}

} // namespace requests
