#include "requests/RequestFile.h"

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

using requests::Requests;
using requests::Wish;

constexpr int kFields = 6;
constexpr int kNameBytes = 24;

const QString kFieldCount = QStringLiteral("項目数が6ではありません");
const QString kBadName = QStringLiteral("氏名が不正です");
const QString kBadYear = QStringLiteral("年が不正です");
const QString kBadMonth = QStringLiteral("月が不正です");
const QString kBadDay = QStringLiteral("日が不正です");
const QString kNoSuchDate = QStringLiteral("日付が存在しません");
const QString kBadKind = QStringLiteral("希望の種類が不正です");
const QString kSecondLine = QStringLiteral("同じ氏名・日付の2行目です");

// Decimal digits without a leading zero and with at most maxLength characters; -1 otherwise.
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
    if (name.isEmpty() || std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; }))
        return false;
    return cp932::canEncode(name) && cp932::byteCount(name) <= kNameBytes;
}

// A file repeats few names and notes many times: each is judged once.
class Judged {
public:
    bool isValidName(const QString& name)
    {
        const auto known = names_.constFind(name);
        return known != names_.cend() ? *known : *names_.insert(name, isName(name));
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

// The fields of a line of exactly six fields, each followed by ","; nothing for any other line.
std::optional<std::array<QStringView, kFields>> fieldsOf(QStringView line)
{
    std::array<QStringView, kFields> fields;
    qsizetype start = 0;
    for (QStringView& field : fields) {
        const qsizetype comma = line.indexOf(u',', start);
        if (comma < 0)
            return std::nullopt;
        field = line.sliced(start, comma - start);
        start = comma + 1;
    }
    return start == line.size() ? std::optional(fields) : std::nullopt;
}

// The request of one line, or the reason it is not taken.
std::variant<requests::Request, QString> parseLine(QStringView text, Judged& judged)
{
    const auto fields = fieldsOf(text);
    if (!fields)
        return kFieldCount;
    const std::array<QStringView, kFields>& f = *fields;
    const QString name = f[0].toString();
    if (!judged.isValidName(name))
        return kBadName;
    const int year = plainNumber(f[1], 4);
    if (year < 1000)
        return kBadYear;
    const int month = plainNumber(f[2], 2);
    if (month < 1 || month > 12)
        return kBadMonth;
    const int day = plainNumber(f[3], 2);
    if (day < 1)
        return kBadDay;
    const QDate date(year, month, day);
    if (!date.isValid())
        return kNoSuchDate;
    const auto kind = requests::kindOf(f[4]);
    if (!kind)
        return kBadKind;
    const QString note = f[5].toString();
    if (const QString fault = judged.noteFault(note); !fault.isEmpty())
        return fault;
    return requests::Request { name, date, Wish { *kind, note } };
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
    Judged judged;
    for (int i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const auto parsed = parseLine(line, judged);
        if (const QString* reason = std::get_if<QString>(&parsed)) {
            out.rejected.append({ i + 1, *reason });
            continue;
        }
        const requests::Request& request = std::get<requests::Request>(parsed);
        if (!out.requests.add(request.name, request.date, request.wish))
            out.rejected.append({ i + 1, kSecondLine });
    }
    return out;
}

QByteArray serialize(const Requests& requests, const Table& master)
{
    QHash<QString, int> rowOf;
    for (int row = master.rowCount() - 1; row >= 0; --row)
        if (!master.cell(0, row).isEmpty())
            rowOf.insert(master.cell(0, row), row); // the first row of a shared name wins
    // The list comes by date and name: sorting positions by date, row and position keeps the
    // names of one row (or of no row) in order.
    const QList<requests::Request> list = requests.list();
    std::vector<std::tuple<qint64, int, int>> order;
    order.reserve(list.size());
    for (int i = 0; i < list.size(); ++i)
        order.emplace_back(list[i].date.toJulianDay(), rowOf.value(list[i].name, master.rowCount()), i);
    std::sort(order.begin(), order.end());

    QString text;
    text.reserve(list.size() * 32); // a line of a long name and a short note, in characters
    for (const auto& [julian, row, i] : order) {
        const requests::Request& r = list[i];
        int year = 0;
        int month = 0;
        int day = 0;
        r.date.getDate(&year, &month, &day);
        for (const QString& field : { r.name, QString::number(year), QString::number(month), QString::number(day),
                 requests::kindText(r.wish.kind), r.wish.note }) {
            text += field;
            text += u',';
        }
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
