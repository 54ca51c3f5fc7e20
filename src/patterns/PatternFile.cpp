#include "patterns/PatternFile.h"

#include "data/DatedLines.h"
#include "data/WorkAttributes.h"
#include "platform/TextCodec.h"

#include <QMap>
#include <QSet>
#include <algorithm>
#include <variant>

namespace patternfile {
namespace {

using patterns::BreakTime;
using patterns::Kind;
using patterns::Pattern;
using patterns::StaffLine;

constexpr int kPatternFields = 10;
constexpr int kStaffFields = 4;

const QString kPatternLine = QStringLiteral("勤務");
const QString kStaffLine = QStringLiteral("職員");
const QString kSequenceLine = QStringLiteral("並び");
const QString kShiftWork = QStringLiteral("シフト制");
const QString kFixed = QStringLiteral("固定");
const QString kUncounted = QStringLiteral("人数に数えない");
const QString kAke = QStringLiteral("明け");
const QString kDayOff = QStringLiteral("休");

const QString kBadLineKind = QStringLiteral("行の種類が不正です（勤務，職員，並び）");
const QString kPatternFieldCount = QStringLiteral("項目数が10ではありません");
const QString kStaffFieldCount = QStringLiteral("項目数が4ではありません");
const QString kBadTime = QStringLiteral("時刻が不正です");
const QString kBadBreak = QStringLiteral("休憩が不正です（分，または 1:00-3:00 の形）");
const QString kTimelessFields = QStringLiteral("時刻のない勤務に時刻・休憩があります");
const QString kNoLastComma = QStringLiteral("行の最後に「,」がありません");
const QString kSecondStaffLine = QStringLiteral("同じ氏名の2行目です");
const QString kUnknownStaffField = QStringLiteral("職員の項目「%1」はこの版にはありません");
const QString kSecondStaffField = QStringLiteral("職員の項目「%1」が二つあります");
const QString kNamedForm = QStringLiteral("職員の項目「%1」は「%1=値」の形です");
const QString kFlagForm = QStringLiteral("職員の項目「%1」に値は付けません");
const QString kFieldLeftOut = QStringLiteral("%1（この項目を除いて読み込みました）");

// The fields of a line, every one followed by ","; a line without a last "," has no field
// count that a kind of line takes.
struct Fields {
    QList<QStringView> fields;
    bool terminated = false;

    bool count(int n) const { return terminated && fields.size() == n; }
};

Fields fieldsOf(QStringView line)
{
    const bool terminated = line.endsWith(u',');
    return { (terminated ? line.chopped(1) : line).split(u','), terminated };
}

// One or two decimal digits, a leading zero allowed; −1 otherwise.
int smallNumber(QStringView text)
{
    const bool digits = !text.isEmpty() && text.size() <= 2
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? text.toInt() : -1;
}

// The pattern of a line's fields, or the reason it is not taken. Its fields are checked alone;
// how it stands beside the other patterns is checked by the reader.
std::variant<Pattern, QString> parsePattern(const Fields& line)
{
    if (!line.count(kPatternFields))
        return kPatternFieldCount;
    const QList<QStringView>& f = line.fields;
    Pattern p;
    p.code = f[1].toString();
    p.name = f[2].toString();
    p.colour = f[8].toString();
    p.follow = f[9].toString();
    if (f[3] == kAke || f[3] == kDayOff) {
        p.kind = f[3] == kAke ? Kind::Ake : Kind::DayOff;
        if (p.kind == Kind::DayOff)
            p.offAttribute = f[4].toString();
        const bool empty = std::all_of(f.begin() + (p.kind == Kind::Ake ? 4 : 5), f.begin() + 8,
            [](QStringView field) { return field.isEmpty(); });
        if (!empty)
            return kTimelessFields;
    } else {
        const int sh = smallNumber(f[3]);
        const int sm = smallNumber(f[4]);
        const int eh = smallNumber(f[5]);
        const int em = smallNumber(f[6]);
        if (sh < 0 || sm < 0 || sm > 59 || eh < 0 || em < 0 || em > 59)
            return kBadTime;
        p.start = sh * 60 + sm;
        p.end = eh * 60 + em;
        if (f[7].contains(u'-')) {
            p.breakTime = patterns::breakTimeOf(f[7], p.start);
            if (!p.breakTime)
                return kBadBreak;
            p.breakMinutes = p.breakTime->end - p.breakTime->start;
        } else {
            p.breakMinutes = datedlines::plainNumber(f[7], 4);
            if (p.breakMinutes < 0)
                return kBadBreak;
        }
    }
    if (const QString fault = patterns::patternFault(p); !fault.isEmpty())
        return fault;
    return p;
}

QStringList listOf(QStringView field)
{
    QStringList items;
    if (!field.isEmpty())
        for (QStringView item : field.split(u'|'))
            items.append(item.toString());
    return items;
}

std::optional<labour::PersonField> personField(QStringView name)
{
    for (int field = 0; field < labour::kPersonFieldCount; ++field)
        if (labour::fieldName(static_cast<labour::PersonField>(field)) == name)
            return static_cast<labour::PersonField>(field);
    return std::nullopt;
}

// The named fields after the fourth: "項目=値" for a person's rule, the name alone for a flag
// ("留学生", "シフト制" or "固定", "人数に数えない"), in any order. A field that cannot be kept is
// left out and its reason added to faults; the others are taken. The rules are given in the
// order of their fields, so that a rule that contradicts an earlier one is the one left out.
void readNamedFields(QList<QStringView> fields, StaffLine& line, QStringList& faults)
{
    const QString student = labour::fieldName(labour::PersonField::Student);
    QMap<labour::PersonField, QString> texts;
    QSet<QString> seen;
    for (const QStringView field : fields) {
        const qsizetype eq = field.indexOf(u'=');
        const QString name = field.left(eq).toString();
        const bool flag = name == student || name == kShiftWork || name == kFixed || name == kUncounted;
        const std::optional<labour::PersonField> rule = flag ? std::nullopt : personField(name);
        const QString slot = name == kFixed ? kShiftWork : name; // 固定 and シフト制 are one field
        if (!flag && !rule)
            faults << kUnknownStaffField.arg(name);
        else if (flag == (eq >= 0))
            faults << (flag ? kFlagForm : kNamedForm).arg(name);
        else if (seen.contains(slot))
            faults << kSecondStaffField.arg(name);
        else {
            seen.insert(slot);
            if (name == student)
                texts.insert(labour::PersonField::Student, student);
            else if (rule)
                texts.insert(*rule, field.mid(eq + 1).toString());
            line.shiftWork = line.shiftWork || name == kShiftWork;
            line.uncounted = line.uncounted || name == kUncounted;
        }
    }
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        labour::PersonRules next = line.rules;
        QString why = labour::setField(next, it.key(), it.value());
        if (why.isEmpty())
            why = labour::conflict(next);
        if (why.isEmpty())
            line.rules = next;
        else
            faults << why;
    }
}

// The staff line of a line's fields, or the reason it is not taken; the reasons its named
// fields left out are added to faults. Its codes are checked against the patterns by the reader.
std::variant<StaffLine, QString> parseStaff(const Fields& line, QStringList& faults)
{
    const QList<QStringView>& f = line.fields;
    if (!line.terminated || f.size() < kStaffFields)
        return kStaffFieldCount;
    StaffLine staff { f[1].toString(), listOf(f[2]), listOf(f[3]) };
    if (!datedlines::isName(staff.name))
        return datedlines::kBadName;
    readNamedFields(f.mid(kStaffFields), staff, faults);
    return staff;
}

QString staffLine(const StaffLine& line)
{
    QStringList f { kStaffLine, line.name, line.codes.join(u'|'), line.qualifications.join(u'|') };
    for (int i = 0; i < labour::kPersonFieldCount; ++i) {
        const auto field = static_cast<labour::PersonField>(i);
        const QString text = labour::fieldText(line.rules, field);
        if (!text.isEmpty())
            f << (field == labour::PersonField::Student ? text : labour::fieldName(field) + u'=' + text);
    }
    if (line.shiftWork)
        f << kShiftWork;
    if (line.uncounted)
        f << kUncounted;
    return f.join(u',') + QStringLiteral(",\r\n");
}

QString minuteText(int minutes)
{
    return minutes % 60 == 0 ? QStringLiteral("00") : QString::number(minutes % 60);
}

QString patternLine(const Pattern& p)
{
    QStringList f { kPatternLine, p.code, p.name };
    switch (p.kind) {
    case Kind::Working:
        f << QString::number(p.start / 60) << minuteText(p.start) << QString::number(p.end / 60) << minuteText(p.end)
          << patterns::breakText(p);
        break;
    case Kind::Ake:
        f << kAke << QString() << QString() << QString() << QString();
        break;
    case Kind::DayOff:
        f << kDayOff << p.offAttribute << QString() << QString() << QString();
        break;
    }
    f << p.colour << p.follow;
    return f.join(u',') + QStringLiteral(",\r\n");
}

struct Taken {
    int line = 0;
    Pattern pattern;
};

} // namespace

ReadResult read(const QByteArray& bytes)
{
    ReadResult out;
    const QString text = cp932::decode(bytes);
    const QList<QStringView> lines = datedlines::lines(text);
    QList<Taken> taken;
    QList<std::pair<int, StaffLine>> staff;
    QSet<QString> staffNames;
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const Fields fields = fieldsOf(lines[i]);
        const QStringView kind = fields.fields.first();
        if (kind == kPatternLine) {
            auto parsed = parsePattern(fields);
            QString reason = std::holds_alternative<QString>(parsed) ? std::get<QString>(parsed) : QString();
            if (reason.isEmpty()) {
                QList<Pattern> before;
                for (const Taken& t : taken)
                    before.append(t.pattern);
                reason = patterns::clashFault(std::get<Pattern>(parsed), before);
            }
            if (reason.isEmpty())
                taken.append({ number, std::get<Pattern>(std::move(parsed)) });
            else
                out.rejected.append({ number, reason });
        } else if (kind == kStaffLine) {
            QStringList faults;
            auto parsed = parseStaff(fields, faults);
            for (const QString& fault : faults)
                out.rejected.append({ number, kFieldLeftOut.arg(fault) });
            if (const QString* reason = std::get_if<QString>(&parsed))
                out.rejected.append({ number, *reason });
            else if (staffNames.contains(std::get<StaffLine>(parsed).name))
                out.rejected.append({ number, kSecondStaffLine });
            else {
                staffNames.insert(std::get<StaffLine>(parsed).name);
                staff.append({ number, std::get<StaffLine>(std::move(parsed)) });
            }
        } else if (kind == kSequenceLine) {
            QStringList rule;
            for (const QStringView field : fields.fields.mid(1))
                rule << field.toString();
            const QString reason = fields.terminated ? labour::addRuleLine(out.patterns.sequence, rule) : kNoLastComma;
            if (!reason.isEmpty())
                out.rejected.append({ number, reason });
        } else {
            out.rejected.append({ number, kBadLineKind });
        }
    }
    // A day that must follow names a pattern taken; leaving a pattern out may leave another's
    // follow-on day without its pattern, so this runs until every follow-on day is known.
    for (bool removed = true; removed;) {
        removed = false;
        QList<Pattern> set;
        for (const Taken& t : taken)
            set.append(t.pattern);
        for (qsizetype i = 0; i < taken.size(); ++i) {
            if (const QString fault = patterns::followFault(taken[i].pattern, set); !fault.isEmpty()) {
                out.rejected.append({ taken[i].line, fault });
                taken.removeAt(i--);
                removed = true;
            }
        }
    }
    for (const Taken& t : taken)
        out.patterns.patterns.append(t.pattern);
    for (const auto& [number, line] : staff) {
        if (const QString fault = patterns::staffFault(line, out.patterns.patterns); !fault.isEmpty())
            out.rejected.append({ number, fault });
        else
            out.patterns.staff.append(line);
    }
    std::sort(out.rejected.begin(), out.rejected.end(),
        [](const RejectedLine& a, const RejectedLine& b) { return a.line < b.line; });
    return out;
}

QByteArray serialize(const patterns::ShiftPatterns& patterns)
{
    QString text;
    for (const Pattern& p : patterns.patterns)
        text += patternLine(p);
    for (const StaffLine& line : patterns.staff)
        text += staffLine(line);
    for (const QStringList& rule : labour::ruleLines(patterns.sequence))
        text += kSequenceLine + u',' + rule.join(u',') + QStringLiteral(",\r\n");
    return cp932::encode(text);
}

QString rejectedLinesMessage(const QList<RejectedLine>& rejected)
{
    return QStringLiteral("▼ 勤務パターンファイル zelrotandata7.zel の次の行は読み込めませんでした．\r\n\r\n%1\r\n▽ "
                          "これらの行を除いて続行します．元のファイルは，終了時に zelrotandata7.zel.bak "
                          "として保存されます．")
        .arg(rejectedLinesList(rejected));
}

QString openFailureMessage(const FileError& error)
{
    return QStringLiteral(
        "▼ 勤務パターンファイル zelrotandata7.zel を読み込めませんでした．\r\n\r\n%1\r\n\r\n▽ "
        "勤務パターンなしで続行します．このファイルは変更しないため，勤務パターンの設定はできません．")
        .arg(error.systemError);
}

} // namespace patternfile
