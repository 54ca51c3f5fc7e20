#include "changes/ChangeFile.h"

#include "data/DatedLines.h"
#include "data/Table.h"
#include "data/WorkAttributes.h"
#include "patterns/ShiftPatterns.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <variant>
#include <vector>

namespace changefile {
namespace {

using datedlines::plainNumber;

constexpr int kFields = 10;
constexpr int kFieldsWithPattern = 11;

const QString kFieldCount = QStringLiteral("項目数が10ではありません");
const QString kBadAttribute = QStringLiteral("勤務区分が不正です");
const QString kBadTime = QStringLiteral("時刻が不正です");
const QString kBadMinutes = QStringLiteral("実労働分が不正です");
const QString kDayOffNotZero = QStringLiteral("勤務日以外の時刻・実労働分が0ではありません");
const QString kBadPattern = QStringLiteral("勤務パターンの記号が不正です");
const QString kPatternOnWorkday = QStringLiteral("勤務日に時刻のない勤務パターンの記号があります");

bool isDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isHour(QStringView text)
{
    const int hour = plainNumber(text, 2);
    return hour >= 0 && hour <= 24;
}

// "00" or 5 to 55 in steps of 5: the entries of the minute boxes.
bool isMinute(QStringView text)
{
    if (text == QLatin1String("00"))
        return true;
    const int minute = plainNumber(text, 2);
    return minute >= 5 && minute <= 55 && minute % 5 == 0;
}

struct Line {
    QString name;
    QDate date;
    DayEntry entry;
};

// The field texts of one file: a file repeats few names, attributes, hours and minutes many
// times, so each text is kept once and shared, and each name is judged once.
class FieldTexts {
public:
    QString text(QStringView field)
    {
        // A text over the line's own characters serves the lookup without a copy.
        const auto known = texts_.constFind(QString::fromRawData(field.data(), field.size()));
        return known != texts_.cend() ? *known : *texts_.insert(field.toString());
    }
    bool isValidName(const QString& name)
    {
        const auto known = names_.constFind(name);
        return known != names_.cend() ? *known : *names_.insert(name, datedlines::isName(name));
    }

private:
    QSet<QString> texts_;
    QHash<QString, bool> names_;
};

// The change of one line, or the reason it is not taken.
std::variant<Line, QString> parseLine(QStringView text, FieldTexts& texts)
{
    // A change that carries a pattern without times has an eleventh field, its code; a line of
    // ten fields is a change without one, as the file has always had them.
    std::array<QStringView, kFieldsWithPattern> f;
    if (!datedlines::splitFields(text, f.data(), kFields)
        && !datedlines::splitFields(text, f.data(), kFieldsWithPattern))
        return kFieldCount;
    const QString name = texts.text(f[0]);
    if (!texts.isValidName(name))
        return datedlines::kBadName;
    const auto date = datedlines::dateOf(f[1], f[2], f[3]);
    if (const QString* reason = std::get_if<QString>(&date))
        return *reason;
    const DayEntry entry { texts.text(f[4]), texts.text(f[5]), texts.text(f[6]), texts.text(f[7]), texts.text(f[8]),
        texts.text(f[9]), true, texts.text(f[10]) };
    if (const QString fault = entryFault(entry); !fault.isEmpty())
        return fault;
    return Line { name, std::get<QDate>(date), entry };
}

} // namespace

QString entryFault(const DayEntry& entry)
{
    if (!attributes::isValue(entry.attribute))
        return kBadAttribute;
    if (!isHour(entry.startHour) || !isMinute(entry.startMinute) || !isHour(entry.endHour)
        || !isMinute(entry.endMinute))
        return kBadTime;
    if (!isDigits(entry.netMinutes) || entry.netMinutes.size() > 4)
        return kBadMinutes;
    if (entry.attribute != attributes::kWorkday
        && (entry.startHour != QLatin1String("0") || entry.startMinute != QLatin1String("00")
            || entry.endHour != QLatin1String("0") || entry.endMinute != QLatin1String("00")
            || entry.netMinutes != QLatin1String("0")))
        return kDayOffNotZero;
    if (!entry.pattern.isEmpty() && !patterns::codeFault(entry.pattern).isEmpty())
        return kBadPattern;
    if (!entry.pattern.isEmpty() && entry.attribute == attributes::kWorkday)
        return kPatternOnWorkday;
    return QString();
}

std::optional<DayEntry> fileForm(const DayEntry& entry)
{
    if (!attributes::isValue(entry.attribute))
        return std::nullopt;
    if (entry.attribute != attributes::kWorkday)
        return DayEntry { entry.attribute, QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("0"),
            QStringLiteral("00"), QStringLiteral("0"), entry.changed,
            patterns::codeFault(entry.pattern).isEmpty() ? entry.pattern : QString() };
    const auto number = [](const QString& text) { return numbers::parseInt(text).value_or(-1); };
    const auto minute = [](int m) { return m == 0 ? QStringLiteral("00") : QString::number(m); };
    const DayEntry formed { entry.attribute, QString::number(number(entry.startHour)),
        minute(number(entry.startMinute)), QString::number(number(entry.endHour)), minute(number(entry.endMinute)),
        QString::number(number(entry.netMinutes)), entry.changed, {} };
    if (!entryFault(formed).isEmpty())
        return std::nullopt;
    return formed;
}

ReadResult read(const QByteArray& bytes)
{
    ReadResult out;
    // Decoded at once: a line feed byte is never part of a two-byte character.
    const QString text = cp932::decode(bytes);
    const QList<QStringView> lines = datedlines::lines(text);
    FieldTexts texts;
    for (int i = 0; i < lines.size(); ++i) {
        const auto parsed = parseLine(lines[i], texts);
        if (const QString* reason = std::get_if<QString>(&parsed)) {
            out.rejected.append({ i + 1, *reason });
            continue;
        }
        const Line& change = std::get<Line>(parsed);
        if (!out.changes.add(change.name, change.date, change.entry))
            out.rejected.append({ i + 1, datedlines::kSecondLine });
    }
    return out;
}

QByteArray serialize(const DayChanges& changes, const Table& master)
{
    const QList<DayChange> list = changes.list();
    QList<std::pair<QDate, QString>> keys;
    keys.reserve(list.size());
    for (const DayChange& c : list)
        keys.append({ c.date, c.name });
    QString text;
    text.reserve(list.size() * 64); // a line of a long name and a shift, in characters
    for (const int i : datedlines::writingOrder(keys, master)) {
        const DayChange& c = list[i];
        const DayEntry& e = c.entry;
        text += c.name + u',' + datedlines::dateFields(c.date);
        for (const QString& field : { e.attribute, e.startHour, e.startMinute, e.endHour, e.endMinute, e.netMinutes }) {
            text += field;
            text += u',';
        }
        if (!e.pattern.isEmpty())
            text += e.pattern + u',';
        text += QStringLiteral("\r\n");
    }
    return cp932::encode(text);
}

QString rejectedLinesMessage(const QList<RejectedLine>& rejected)
{
    return QStringLiteral("▼ 勤務変更ファイル zelrotandata3.zel の次の行は読み込めませんでした．\r\n\r\n%1\r\n▽ "
                          "これらの行を除いて続行します．元のファイルは，終了時に zelrotandata3.zel.bak "
                          "として保存されます．")
        .arg(rejectedLinesList(rejected));
}

QString openFailureMessage(const FileError& error)
{
    return QStringLiteral("▼ 勤務変更ファイル zelrotandata3.zel を読み込めませんでした．\r\n\r\n%1\r\n\r\n▽ "
                          "勤務変更なしで続行します．このファイルは変更しないため，勤務変更の登録はできません．")
        .arg(error.systemError);
}

} // namespace changefile
