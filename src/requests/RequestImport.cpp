#include "requests/RequestImport.h"

#include "changes/DayText.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <variant>

namespace requests {
namespace {

const QString kBadQuoting = QStringLiteral("引用符（\"）の使い方が正しくありません");
const QString kUndecodable = QStringLiteral("読み取れない文字があります（文字コード）");
const QString kColumnCount = QStringLiteral("列の数が正しくありません（氏名，日付，種類，メモの順）");
const QString kMissingColumn = QStringLiteral("%1の列（%2 列目）がありません");
const QString kNoHeading = QStringLiteral("見出しに%1の列がありません");
const QString kBeyondHeadings = QStringLiteral("見出しのない列に値があります");
const QString kBeforeHeading = QStringLiteral("見出しの行より前の行です");
const QString kNoName = QStringLiteral("氏名がありません");
const QString kUnknownName = QStringLiteral("氏名が従業員マスタにありません");
const QString kBadDate = QStringLiteral("日付の形式が正しくありません（年/月/日，年-月-日，月/日）");
const QString kNoSuchDate = QStringLiteral("存在しない日付です");
const QString kOutsidePeriod = QStringLiteral("日付が勤務期間外です");
const QString kUnknownKind = QStringLiteral("希望の種類が正しくありません（希望休，出勤不可，出勤希望）");
const QString kWeightHeading = QStringLiteral("重み");
const QString kSecondRow = QStringLiteral("同じ氏名・日付の行が %1 行目にあります");

constexpr int kHeadingRows = 5; // rows that are not empty, searched for the heading row
constexpr int kMaxColumns = 999; // columns that can be chosen, as many as the requests' file keeps
constexpr int kTitleCharacters = 16;

// One record of the file: its fields, and whether its quoting broke the rules.
struct Record {
    int number = 0;
    QStringList fields;
    bool badQuoting = false;
};

// The records of RFC 4180 text with fields ended by separator. A line ends with CRLF, LF or CR;
// inside quotes a line break is part of the field. A quote inside an unquoted field, text after a
// closing quote and a quote left open mark the record, which is otherwise read on as written.
QList<Record> recordsOf(QStringView text, QChar separator)
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
        if (c == separator)
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
    // Each decoder drops the byte-order mark at the start.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return { utf16.decode(bytes), Encoding::Utf16 };
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError() || bytes.startsWith("\xEF\xBB\xBF"))
        return { text, Encoding::Utf8 };
    return { cp932::decode(bytes), Encoding::ShiftJis };
}

// A spreadsheet's text export separates by tabs; a form's CSV by commas, and a note holds no tab.
QChar separatorOf(const QString& text)
{
    return text.count(u'\t') > text.count(u',') ? u'\t' : u',';
}

// A byte that the encoding does not know decodes as U+FFFD or, in Shift-JIS, as SUB (U+001A); in
// UTF-16 a lone surrogate decodes as U+FFFD.
template <typename Cells> bool undecodable(const Cells& cells)
{
    return std::any_of(std::begin(cells), std::end(cells),
        [](const QString& cell) { return cell.contains(QChar::ReplacementCharacter) || cell.contains(QChar(0x1A)); });
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

// A date as a cell writes it, not yet checked: year (none in the form "M/D"), month and day.
struct DateForm {
    std::optional<int> year;
    int month = 0;
    int day = 0;
};

std::optional<DateForm> dateForm(const QString& cell)
{
    const QString text = folded(cell);
    const QChar separator = text.contains(u'/') ? u'/' : u'-';
    const QList<QStringView> parts = QStringView(text).split(separator);
    const bool withYear = parts.size() == 3;
    if (!withYear && !(parts.size() == 2 && separator == u'/'))
        return std::nullopt;
    const int year = withYear ? number(parts[0], 4, 4) : 0;
    const DateForm form { withYear ? std::optional(year) : std::nullopt, number(parts[withYear ? 1 : 0], 1, 2),
        number(parts[withYear ? 2 : 1], 1, 2) };
    if (year < 0 || form.month < 0 || form.day < 0)
        return std::nullopt;
    return form;
}

// The date of a cell among the planned dates, or the reason it is refused. "M/D" names the planned
// date of that month and day (the planned periods span less than a year): it does not exist when
// no year of the planned dates has it (29 February of common years).
std::variant<QDate, QString> dateOf(const QString& cell, const QList<QDate>& dates)
{
    const std::optional<DateForm> form = dateForm(cell);
    if (!form)
        return kBadDate;
    if (form->year) {
        const QDate date(*form->year, form->month, form->day);
        if (!date.isValid())
            return kNoSuchDate;
        return dates.contains(date) ? std::variant<QDate, QString>(date) : kOutsidePeriod;
    }
    bool exists = false;
    for (const QDate date : dates) {
        if (date.month() == form->month && date.day() == form->day)
            return date;
        exists = exists || QDate(date.year(), form->month, form->day).isValid();
    }
    return exists ? kOutsidePeriod : kNoSuchDate;
}

std::optional<Kind> importedKind(const QString& cell);

// The wish of a kind cell: "希望:夜" and "回避:夜" (a full-width colon too) wish for or avoid the
// pattern of that code, with the weight of weightCell (empty: 1); the other kinds as
// importedKind() reads them. None with the reason when the cell gives no wish.
std::variant<Wish, QString> importedWish(const QString& kindCell, const QString& weightCell)
{
    const QString text = folded(kindCell);
    for (const auto& [prefix, kind] : { std::pair { QStringLiteral("希望:"), Kind::WantsPattern },
             std::pair { QStringLiteral("回避:"), Kind::AvoidsPattern } })
        if (text.startsWith(prefix)) {
            const QString weight = folded(weightCell);
            Wish wish { kind, {}, text.sliced(prefix.size()).trimmed(),
                weight.isEmpty() ? kLeastWeight : number(weight, 1, 1) };
            if (const QString fault = patternFault(wish); !fault.isEmpty())
                return fault;
            return wish;
        }
    if (const auto kind = importedKind(kindCell))
        return Wish { *kind, {} };
    return kUnknownKind;
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

// The field a heading cell names, if any: the cell without blanks and parenthesised additions,
// in its half-width form, is a known word, or holds "氏名" or "名前" (which the heading of names
// has always been recognised by).
std::optional<ImportField> headingField(const QString& cell)
{
    static const QHash<QString, ImportField> words {
        { QStringLiteral("氏名"), ImportField::Name },
        { QStringLiteral("名前"), ImportField::Name },
        { QStringLiteral("お名前"), ImportField::Name },
        { QStringLiteral("従業員"), ImportField::Name },
        { QStringLiteral("職員"), ImportField::Name },
        { QStringLiteral("スタッフ"), ImportField::Name },
        { QStringLiteral("社員"), ImportField::Name },
        { QStringLiteral("日付"), ImportField::Date },
        { QStringLiteral("希望日"), ImportField::Date },
        { QStringLiteral("日"), ImportField::Date },
        { QStringLiteral("年月日"), ImportField::Date },
        { QStringLiteral("月日"), ImportField::Date },
        { QStringLiteral("日にち"), ImportField::Date },
        { QStringLiteral("種類"), ImportField::Kind },
        { QStringLiteral("希望"), ImportField::Kind },
        { QStringLiteral("区分"), ImportField::Kind },
        { QStringLiteral("希望の種類"), ImportField::Kind },
        { QStringLiteral("メモ"), ImportField::Note },
        { QStringLiteral("備考"), ImportField::Note },
        { QStringLiteral("理由"), ImportField::Note },
        { QStringLiteral("コメント"), ImportField::Note },
    };
    QString word;
    int depth = 0; // inside parentheses or brackets
    for (const QChar c : cell.normalized(QString::NormalizationForm_KC)) {
        if (c == u'(' || c == u'[' || c == u'【')
            ++depth;
        else if (depth > 0 && (c == u')' || c == u']' || c == u'】'))
            --depth;
        else if (depth == 0 && !c.isSpace())
            word += c;
    }
    if (const auto it = words.constFind(word); it != words.cend())
        return *it;
    if (word.contains(QStringLiteral("氏名")) || word.contains(QStringLiteral("名前")))
        return ImportField::Name;
    return std::nullopt;
}

bool isBlank(const Record& record)
{
    for (const QString& field : record.fields)
        if (!field.trimmed().isEmpty())
            return false;
    return !record.badQuoting;
}

// The position of the heading row among records, or -1: see parseImport.
qsizetype headingOf(const QList<Record>& records)
{
    int searched = 0;
    for (qsizetype i = 0; i < records.size() && searched < kHeadingRows; ++i) {
        const QStringList& fields = records[i].fields;
        if (isBlank(records[i]))
            continue;
        ++searched;
        if (std::any_of(fields.begin(), fields.end(), [](const QString& f) { return dateForm(f).has_value(); }))
            return -1;
        if (std::any_of(fields.begin(), fields.end(), [](const QString& f) { return headingField(f).has_value(); }))
            return i;
    }
    return -1;
}

// The cells of a record that the fields are read from (a note of no column or beyond the record is
// empty), or the reason it is refused: something beyond width, or a field without a column or
// with one beyond the record.
std::variant<std::array<QString, kImportFields.size()>, QString> cellsOf(
    const QStringList& fields, const ImportColumns& columns, qsizetype width, bool headed)
{
    for (qsizetype i = width; i < fields.size(); ++i)
        if (!fields[i].trimmed().isEmpty())
            return headed ? kBeyondHeadings : kColumnCount;
    std::array<QString, kImportFields.size()> cells;
    for (const ImportField field : kImportFields) {
        const int column = columns[field];
        if (column >= 0 && column < fields.size())
            cells[static_cast<std::size_t>(field)] = fields[column];
        else if (field != ImportField::Note)
            return column < 0 ? kNoHeading.arg(fieldText(field))
                              : kMissingColumn.arg(fieldText(field), QString::number(column + 1));
    }
    return cells;
}

} // namespace

QString encodingText(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::ShiftJis:
        return QStringLiteral("Shift-JIS");
    case Encoding::Utf16:
        return QStringLiteral("UTF-16");
    }
    return {};
}

bool isNamedColumn(const ImportPreview& preview, int column)
{
    return std::any_of(preview.named.begin(), preview.named.end(),
        [&preview, column](ImportField field) { return preview.columns[field] == column; });
}

ImportPreview parseImport(const QByteArray& csv, const QSet<QString>& names, const QList<QDate>& dates,
    const Requests& existing, const ImportColumns& chosen)
{
    ImportPreview preview;
    const auto [text, encoding] = decoded(csv);
    preview.encoding = encoding;
    const QList<Record> records = recordsOf(text, separatorOf(text));

    const qsizetype heading = headingOf(records);
    const bool headed = heading >= 0;
    preview.columns = chosen;
    if (headed) {
        for (qsizetype i = 0; i < records[heading].fields.size(); ++i)
            if (const auto field = headingField(records[heading].fields[i]); field && !preview.named.contains(*field)) {
                preview.named.append(*field);
                preview.columns[*field] = static_cast<int>(i);
            }
        // A column that a heading names is that field's alone.
        for (const ImportField field : kImportFields)
            if (!preview.named.contains(field) && isNamedColumn(preview, chosen[field]))
                preview.columns[field] = kNoColumn;
    }
    // The columns a row may fill: those of the headings and the chosen ones; without a heading row,
    // the import's own order keeps its three or four columns, and other chosen columns take any.
    const int lastRead = *std::max_element(preview.columns.columns.begin(), preview.columns.columns.end());
    const qsizetype width = headed   ? std::max(records[heading].fields.size(), qsizetype(lastRead) + 1)
        : chosen == ImportColumns {} ? qsizetype(kImportFields.size())
                                     : std::numeric_limits<qsizetype>::max();
    const auto titled = std::find_if(records.begin(), records.end(), [](const Record& r) { return !isBlank(r); });
    if (titled != records.end())
        preview.titles = (headed ? records[heading] : *titled).fields.mid(0, kMaxColumns);
    while (preview.titles.size() < std::min(lastRead + 1, kMaxColumns))
        preview.titles.append(QString());

    // The weights of the wishes of a pattern, in a column of their own under the heading "重み".
    qsizetype weightColumn = -1;
    for (qsizetype i = 0; headed && weightColumn < 0 && i < records[heading].fields.size(); ++i)
        if (folded(records[heading].fields[i]) == kWeightHeading)
            weightColumn = i;
    QHash<std::pair<QString, QDate>, int> firstRow;
    QHash<QString, QString> noteFaults;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        if (isBlank(record) || i == heading)
            continue;
        const auto refuse = [&preview, &record](const QString& reason) {
            preview.refused.append({ record.number, reason });
        };
        if (i < heading) {
            refuse(kBeforeHeading);
            continue;
        }
        if (record.badQuoting) {
            refuse(kBadQuoting);
            continue;
        }
        const auto cells = cellsOf(record.fields, preview.columns, width, headed);
        if (const QString* reason = std::get_if<QString>(&cells)) {
            refuse(*reason);
            continue;
        }
        const auto& [nameCell, dateCell, kindCell, noteCell] = std::get<0>(cells);
        if (undecodable(std::get<0>(cells))) {
            refuse(kUndecodable);
            continue;
        }
        const QString name = nameCell.trimmed();
        if (name.isEmpty() || !names.contains(name)) {
            refuse(name.isEmpty() ? kNoName : kUnknownName);
            continue;
        }
        const auto date = dateOf(dateCell, dates);
        if (const QString* reason = std::get_if<QString>(&date)) {
            refuse(*reason);
            continue;
        }
        auto wish = importedWish(kindCell, weightColumn >= 0 ? record.fields.value(weightColumn) : QString());
        if (const QString* reason = std::get_if<QString>(&wish)) {
            refuse(*reason);
            continue;
        }
        const QString note = storableNote(noteCell.trimmed());
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
        std::get<Wish>(wish).note = note;
        preview.taken.append({ record.number, name, day, std::get<Wish>(wish), replaces });
        preview.replacing += replaces ? 1 : 0;
    }
    return preview;
}

ImportPreview parseImport(
    const QByteArray& csv, const QSet<QString>& names, const QList<QDate>& dates, const Requests& existing)
{
    return parseImport(csv, names, dates, existing, existing.importColumns());
}

QString fieldText(ImportField field)
{
    switch (field) {
    case ImportField::Name:
        return QStringLiteral("氏名");
    case ImportField::Date:
        return QStringLiteral("日付");
    case ImportField::Kind:
        return QStringLiteral("種類");
    case ImportField::Note:
        return QStringLiteral("メモ");
    }
    return {};
}

QString columnText(const ImportPreview& preview, int column)
{
    QString title = preview.titles.value(column).simplified();
    if (title.size() > kTitleCharacters)
        title = title.left(kTitleCharacters - 1) + QStringLiteral("…");
    const QString text = QStringLiteral("%1 列目").arg(column + 1);
    return title.isEmpty() ? text : text + QStringLiteral("：") + title;
}

QString importSummary(const ImportPreview& preview)
{
    return QStringLiteral(
        "取り込む希望：%1 件（うち %2 件は既にある希望を置き換えます）　取り込まない行：%3 件　文字コード：%4")
        .arg(QString::number(preview.taken.size()), QString::number(preview.replacing),
            QString::number(preview.refused.size()), encodingText(preview.encoding));
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
    for (const Record& record : recordsOf(text, separatorOf(text)))
        if (!isBlank(record))
            file.records.append({ record.number, record.fields, record.badQuoting, undecodable(record.fields) });
    return file;
}

} // namespace requests
