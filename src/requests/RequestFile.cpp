#include "requests/RequestFile.h"

#include "data/DatedLines.h"
#include "data/Table.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <variant>
#include <vector>

namespace requestfile {
namespace {

using requests::ImportColumns;
using requests::Requests;
using requests::Wish;

constexpr int kFields = 6;
constexpr int kPatternFields = 8; // a wish of a pattern adds its code and weight
constexpr int kColumnDigits = 3;

const QString kFieldCount = QStringLiteral("項目数が6ではありません");
const QString kBadKind = QStringLiteral("希望の種類が不正です");
const QString kPatternFieldCount = QStringLiteral("勤務希望・勤務回避の行の項目数が8ではありません");
const QString kColumnsMark = QStringLiteral("取り込みの列");
const QString kBadColumns = QStringLiteral("取り込みの列の番号が不正です");
const QString kSecondColumns = QStringLiteral("取り込みの列の2行目です");

// A file repeats few names and notes many times: each is judged once.
class Judged {
public:
    bool isValidName(const QString& name)
    {
        const auto known = names_.constFind(name);
        return known != names_.cend() ? *known : *names_.insert(name, datedlines::isName(name));
    }
    QString noteFault(const QString& note)
    {
        const auto known = notes_.constFind(note);
        return known != notes_.cend() ? *known : *notes_.insert(note, requests::noteFault(note));
    }

private:
    QHash<QString, bool> names_;
    QHash<QString, QString> notes_;
};

// The import's columns of the fields after the mark: numbers from 1, the note's from 0 (none).
std::variant<ImportColumns, QString> columnsOf(const std::array<QStringView, kPatternFields>& f)
{
    ImportColumns columns;
    for (const requests::ImportField field : requests::kImportFields) {
        const int number = datedlines::plainNumber(f[2 + static_cast<int>(field)], kColumnDigits);
        if (number < (field == requests::ImportField::Note ? 0 : 1))
            return kBadColumns;
        columns[field] = number - 1;
    }
    return columns;
}

// The request of one line, the import's columns, or the reason the line is not taken.
std::variant<requests::Request, ImportColumns, QString> parseLine(QStringView text, Judged& judged)
{
    std::array<QStringView, kPatternFields> f;
    const bool plain = datedlines::splitFields(text, f.data(), kFields);
    if (!plain && !datedlines::splitFields(text, f.data(), kPatternFields))
        return kFieldCount;
    if (plain && f[0].isEmpty() && f[1] == kColumnsMark) {
        auto columns = columnsOf(f);
        if (const QString* reason = std::get_if<QString>(&columns))
            return *reason;
        return std::get<ImportColumns>(columns);
    }
    const QString name = f[0].toString();
    if (!judged.isValidName(name))
        return datedlines::kBadName;
    const auto date = datedlines::dateOf(f[1], f[2], f[3]);
    if (const QString* reason = std::get_if<QString>(&date))
        return *reason;
    const auto kind = requests::kindOf(f[4]);
    if (!kind)
        return kBadKind;
    // A wish of a pattern has eight fields, the others six: a reader that knows only six leaves
    // the lines of a pattern out instead of misreading them.
    if (requests::isPatternKind(*kind) == plain)
        return plain ? kPatternFieldCount : kFieldCount;
    const QString note = f[5].toString();
    if (const QString fault = judged.noteFault(note); !fault.isEmpty())
        return fault;
    Wish wish { *kind, note };
    if (!plain) {
        wish.pattern = f[6].toString();
        wish.weight = datedlines::plainNumber(f[7], 1);
        if (const QString fault = requests::patternFault(wish); !fault.isEmpty())
            return fault;
    }
    return requests::Request { name, std::get<QDate>(date), wish };
}

} // namespace

ReadResult read(const QByteArray& bytes)
{
    ReadResult out;
    // Decoded at once: a line feed byte is never part of a two-byte character.
    const QString text = cp932::decode(bytes);
    const QList<QStringView> lines = datedlines::lines(text);
    Judged judged;
    bool columnsRead = false;
    for (int i = 0; i < lines.size(); ++i) {
        const auto parsed = parseLine(lines[i], judged);
        if (const QString* reason = std::get_if<QString>(&parsed)) {
            out.rejected.append({ i + 1, *reason });
        } else if (const ImportColumns* columns = std::get_if<ImportColumns>(&parsed)) {
            if (columnsRead)
                out.rejected.append({ i + 1, kSecondColumns });
            else
                out.requests.setImportColumns(*columns);
            columnsRead = true;
        } else {
            const requests::Request& request = std::get<requests::Request>(parsed);
            if (!out.requests.add(request.name, request.date, request.wish))
                out.rejected.append({ i + 1, datedlines::kSecondLine });
        }
    }
    return out;
}

QByteArray serialize(const Requests& requests, const Table& master)
{
    const QList<requests::Request> list = requests.list();
    QList<std::pair<QDate, QString>> keys;
    keys.reserve(list.size());
    for (const requests::Request& r : list)
        keys.append({ r.date, r.name });
    QString text;
    text.reserve(list.size() * 32); // a line of a long name and a short note, in characters
    for (const int i : datedlines::writingOrder(keys, master)) {
        const requests::Request& r = list[i];
        text += r.name + u',' + datedlines::dateFields(r.date) + requests::kindText(r.wish.kind) + u',' + r.wish.note
            + u',';
        if (requests::isPatternKind(r.wish.kind))
            text += r.wish.pattern + u',' + QString::number(r.wish.weight) + u',';
        text += QStringLiteral("\r\n");
    }
    if (const ImportColumns& columns = requests.importColumns(); columns != ImportColumns {}) {
        text += u',' + kColumnsMark + u',';
        for (const int column : columns.columns)
            text += QString::number(column + 1) + u',';
        text += QStringLiteral("\r\n");
    }
    return cp932::encode(text);
}

QString rejectedLinesMessage(const QList<RejectedLine>& rejected)
{
    return QStringLiteral("▼ 希望ファイル zelrotandata6.zel の次の行は読み込めませんでした．\r\n\r\n%1\r\n▽ "
                          "これらの行を除いて続行します．元のファイルは，終了時に zelrotandata6.zel.bak "
                          "として保存されます．")
        .arg(rejectedLinesList(rejected));
}

QString openFailureMessage(const FileError& error)
{
    return QStringLiteral("▼ 希望ファイル zelrotandata6.zel を読み込めませんでした．\r\n\r\n%1\r\n\r\n▽ "
                          "希望なしで続行します．このファイルは変更しないため，希望の登録はできません．")
        .arg(error.systemError);
}

} // namespace requestfile
