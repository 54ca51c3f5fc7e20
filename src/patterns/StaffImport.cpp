#include "patterns/StaffImport.h"

#include "data/Table.h"
#include "data/WorkAttributes.h"
#include "patterns/PatternDays.h"

#include <QHash>
#include <variant>

namespace patterns {
namespace {

constexpr int kColumns = 9;
const QString kWeekdays = QStringLiteral("月火水木金土日");

const QString kBadQuoting = QStringLiteral("引用符（\"）の使い方が正しくありません");
const QString kUndecodable = QStringLiteral("読み取れない文字があります（文字コード）");
const QString kColumnCount = QStringLiteral("列の数が正しくありません（氏名，時給，月～日の9列）");
const QString kBadWage = QStringLiteral("時給が正しくありません（5桁までの数字）");
const QString kBadDay = QStringLiteral("%1の「%2」は勤務パターンの記号でも時刻（9:00-17:30/60）でもありません");
const QString kOffBoxes = QStringLiteral("%1の「%2」は従業員マスタの選択肢にない時刻か休憩です（5分刻み，休憩は0～"
                                         "120分の5分刻みと150，180，210，240，270，300，360分）");
const QString kSecondRow = QStringLiteral("同じ氏名の行が %1 行目にあります");

// A cell as an ASCII-minded reader sees it: full-width digits, letters and signs half-width.
QString folded(const QString& cell)
{
    QString text = cell.normalized(QString::NormalizationForm_KC).trimmed();
    for (const QChar dash : { u'～', u'〜', u'~', u'－', u'−' })
        text.replace(dash, u'-');
    return text;
}

// The day block of a cell, or the reason it is refused.
std::variant<master::DayInput, QString> dayOf(const QString& cell, int day, const ShiftPatterns& patterns)
{
    const QString raw = cell.trimmed();
    if (raw.isEmpty())
        return dayOff(attributes::kRegularDayOff);
    const QString text = folded(raw);
    int pattern = patterns.indexOf(raw);
    if (pattern < 0)
        pattern = patterns.indexOf(text);
    if (pattern >= 0) {
        const auto input = dayInputOf(patterns.patterns[pattern]);
        if (!input)
            return kOffBoxes.arg(master::dayName(day), raw);
        return *input;
    }
    if (text != attributes::kWorkday && attributes::isValue(text))
        return dayOff(text);
    const qsizetype slash = text.indexOf(u'/');
    const QStringView times = QStringView(text).first(slash < 0 ? text.size() : slash);
    const qsizetype dash = times.indexOf(u'-');
    const int start = dash < 0 ? -1 : clockOf(times.first(dash));
    const int end = dash < 0 ? -1 : clockOf(times.sliced(dash + 1));
    bool breakOk = true;
    const int breakMinutes = slash < 0 ? 0 : text.sliced(slash + 1).toInt(&breakOk);
    if (start < 0 || end < 0 || !breakOk)
        return kBadDay.arg(master::dayName(day), raw);
    const auto input = workingDay(start, end, breakMinutes);
    if (!input)
        return kOffBoxes.arg(master::dayName(day), raw);
    return *input;
}

// The wage as the master stores it, or none: digits (a thousands separator, "円" and "¥" aside).
std::optional<QString> wageOf(const QString& cell)
{
    QString text = folded(cell);
    text.remove(u',');
    text.remove(u'円');
    text.remove(u'¥');
    const bool digits
        = text.size() <= 5 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? std::optional(master::normaliseWage(text)) : std::nullopt;
}

// A refusal of the master's checks in a few words.
QString refusalReason(const master::Refusal& refusal)
{
    using master::Problem;
    switch (refusal.problem) {
    case Problem::TableFull:
        return QStringLiteral("登録できる従業員は30名までです");
    case Problem::NameMissing:
        return QStringLiteral("氏名がありません");
    case Problem::NameUnusable:
        return QStringLiteral("氏名に使えない文字があります（「,」，改行，シフトJISにない文字）");
    case Problem::NameTooLong:
        return QStringLiteral("氏名が24バイト（全角12文字）を超えています");
    case Problem::NameTaken:
        return QStringLiteral("同じ氏名の従業員が登録されています");
    case Problem::ZeroHour:
        return QStringLiteral("%1：勤務時間の「時」に0は使えません（深夜零時は24）").arg(master::dayName(refusal.day));
    case Problem::AttributeMissing:
    case Problem::TimesMissing:
    case Problem::RestMissing:
        break;
    }
    return QStringLiteral("%1の勤務時間帯が不十分です").arg(master::dayName(refusal.day));
}

// The cells of a record of nine columns; further columns count only when they hold something.
std::optional<QStringList> columnsOf(const QStringList& fields)
{
    qsizetype used = fields.size();
    while (used > kColumns && fields[used - 1].trimmed().isEmpty())
        --used;
    return used == kColumns ? std::optional(fields.mid(0, kColumns)) : std::nullopt;
}

bool isHeading(const QStringList& fields)
{
    const QString first = folded(fields.value(0));
    return first.contains(QStringLiteral("氏名")) || first.contains(QStringLiteral("名前"));
}

} // namespace

StaffImportPreview parseStaffImport(const QByteArray& csv, const Table& master, const ShiftPatterns& patterns)
{
    const requests::CsvFile file = requests::readCsv(csv);
    StaffImportPreview preview;
    preview.encoding = file.encoding;
    Table registered = master; // with the rows above registered, as the master's checks see them
    QHash<QString, int> firstRow;
    for (const requests::CsvRecord& record : file.records) {
        if (&record == &file.records.first() && isHeading(record.fields))
            continue;
        const auto refuse = [&preview, &record](const QString& reason) {
            preview.refused.append({ record.number, reason });
        };
        if (record.badQuoting || record.undecodable) {
            refuse(record.badQuoting ? kBadQuoting : kUndecodable);
            continue;
        }
        const auto columns = columnsOf(record.fields);
        if (!columns) {
            refuse(kColumnCount);
            continue;
        }
        const QString name = columns->at(0).trimmed();
        const auto wage = wageOf(columns->at(1));
        if (!wage) {
            refuse(kBadWage);
            continue;
        }
        StaffImportRow row { record.number, { name, *wage, {} }, {} };
        QString fault;
        for (int day = 0; day < master::kDays && fault.isEmpty(); ++day) {
            const auto input = dayOf(columns->at(2 + day), day, patterns);
            if (const QString* reason = std::get_if<QString>(&input))
                fault = *reason;
            else
                row.input.week[day] = std::get<master::DayInput>(input);
            row.days.append(columns->at(2 + day).trimmed());
        }
        if (fault.isEmpty())
            if (const auto earlier = firstRow.constFind(name); earlier != firstRow.cend())
                fault = kSecondRow.arg(*earlier);
        if (fault.isEmpty())
            if (const auto refusal
                = master::checkRegistration(registered, row.input, master::Mode::NewRegistration, -1))
                fault = refusalReason(*refusal);
        if (!fault.isEmpty()) {
            refuse(fault);
            continue;
        }
        firstRow.insert(name, record.number);
        registerStaff(registered, { row });
        preview.taken.append(row);
    }
    return preview;
}

QString staffImportSummary(const StaffImportPreview& preview)
{
    QString encoding;
    switch (preview.encoding) {
    case requests::Encoding::Utf8:
        encoding = QStringLiteral("UTF-8");
        break;
    case requests::Encoding::ShiftJis:
        encoding = QStringLiteral("Shift-JIS");
        break;
    }
    return QStringLiteral("登録する従業員：%1 名　登録しない行：%2 件　文字コード：%3")
        .arg(preview.taken.size())
        .arg(preview.refused.size())
        .arg(encoding);
}

QString takenStaffText(const StaffImportRow& row)
{
    QString text
        = QStringLiteral("%1 行目　").arg(row.row) + row.input.name + QStringLiteral("　時給 ") + row.input.wage;
    for (int day = 0; day < master::kDays; ++day)
        text += QStringLiteral("　") + kWeekdays[day] + u' '
            + (row.days.value(day).isEmpty() ? attributes::kRegularDayOff : row.days.value(day));
    return text;
}

void registerStaff(Table& master, const QList<StaffImportRow>& rows)
{
    for (const StaffImportRow& row : rows) {
        const int free = master::firstFreeRow(master);
        if (free < 0)
            return;
        const QStringList cells = master::assembleRecord(row.input.name, row.input.wage, row.input.week);
        for (int c = 0; c < cells.size(); ++c)
            master.setCell(c, free, cells[c]);
    }
}

} // namespace patterns
