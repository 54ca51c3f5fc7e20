#include "history/HistoryFile.h"

#include "changes/ChangeFile.h"
#include "data/DatedLines.h"
#include "data/WorkAttributes.h"
#include "patterns/ShiftPatterns.h"
#include "platform/TextCodec.h"

#include <array>
#include <variant>

namespace historyfile {
namespace {

constexpr int kFields = 14;
constexpr int kRows = 30;
constexpr int kWageDigits = 7;

const QString kFieldCount = QStringLiteral("項目数が14ではありません");
const QString kBadRow = QStringLiteral("行番号が不正です");
const QString kBadWage = QStringLiteral("時給が不正です");
const QString kBadChanged = QStringLiteral("勤務変更の印が不正です");
const QString kBadCode = QStringLiteral("勤務パターンの記号が不正です");

// The kept day of one line, or the reason it is not taken.
std::variant<history::KeptDay, QString> parseLine(QStringView text)
{
    std::array<QStringView, kFields> f;
    if (!datedlines::splitFields(text, f.data(), kFields))
        return kFieldCount;
    history::KeptDay day;
    day.name = f[0].toString();
    if (!datedlines::isName(day.name))
        return datedlines::kBadName;
    const auto date = datedlines::dateOf(f[1], f[2], f[3]);
    if (const QString* reason = std::get_if<QString>(&date))
        return *reason;
    day.date = std::get<QDate>(date);
    day.row = datedlines::plainNumber(f[4], 2);
    if (day.row < 0 || day.row >= kRows)
        return kBadRow;
    if (datedlines::plainNumber(f[5], kWageDigits) < 0)
        return kBadWage;
    day.wage = f[5].toString();
    if (f[12] != u"0" && f[12] != u"1")
        return kBadChanged;
    day.code = f[13].toString();
    if (!day.code.isEmpty() && !patterns::codeFault(day.code).isEmpty())
        return kBadCode;
    // A day without times carries the code of its pattern in its entry, as a day change does.
    const bool workday = f[6] == attributes::kWorkday;
    day.entry = DayEntry { f[6].toString(), f[7].toString(), f[8].toString(), f[9].toString(), f[10].toString(),
        f[11].toString(), f[12] == u"1", workday ? QString() : day.code };
    if (const QString fault = changefile::entryFault(day.entry); !fault.isEmpty())
        return fault;
    return day;
}

} // namespace

ReadResult read(const QByteArray& bytes)
{
    ReadResult out;
    const QString text = cp932::decode(bytes);
    const QList<QStringView> lines = datedlines::lines(text);
    for (int i = 0; i < lines.size(); ++i) {
        const auto parsed = parseLine(lines[i]);
        if (const QString* reason = std::get_if<QString>(&parsed))
            out.rejected.append({ i + 1, *reason });
        else if (!out.kept.add(std::get<history::KeptDay>(parsed)))
            out.rejected.append({ i + 1, QStringLiteral("同じ日付・行番号の2行目です") });
    }
    return out;
}

QByteArray serialize(const history::KeptSchedule& kept)
{
    QString text;
    text.reserve(kept.days().size() * 64); // a line of a long name and a shift, in characters
    for (const history::KeptDay& d : kept.days()) {
        const DayEntry& e = d.entry;
        text += d.name + u',' + datedlines::dateFields(d.date) + QString::number(d.row) + u',' + d.wage + u',';
        for (const QString& field : { e.attribute, e.startHour, e.startMinute, e.endHour, e.endMinute, e.netMinutes }) {
            text += field;
            text += u',';
        }
        text += e.changed ? QStringLiteral("1,") : QStringLiteral("0,");
        text += d.code + QStringLiteral(",\r\n");
    }
    return cp932::encode(text);
}

QString rejectedLinesMessage(const QList<RejectedLine>& rejected)
{
    return QStringLiteral("▼ 過去の勤務のファイル zelrotandata8.zel の次の行は読み込めませんでした．\r\n\r\n%1\r\n▽ "
                          "これらの行を除いて続行します．元のファイルは，終了時に zelrotandata8.zel.bak "
                          "として保存されます．")
        .arg(rejectedLinesList(rejected));
}

QString openFailureMessage(const FileError& error)
{
    return QStringLiteral("▼ 過去の勤務のファイル zelrotandata8.zel を読み込めませんでした．\r\n\r\n%1\r\n\r\n▽ "
                          "過去の勤務なしで続行します．このファイルは変更しないため，勤務期間を登録しても，"
                          "期間を外れる日の勤務は保存されません．")
        .arg(error.systemError);
}

} // namespace historyfile
