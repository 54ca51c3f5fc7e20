#include "patterns/PatternFile.h"

#include "data/DatedLines.h"
#include "data/WorkAttributes.h"
#include "platform/TextCodec.h"

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
const QString kAke = QStringLiteral("明け");
const QString kDayOff = QStringLiteral("休");

const QString kBadLineKind = QStringLiteral("行の種類が不正です（勤務，職員）");
const QString kPatternFieldCount = QStringLiteral("項目数が10ではありません");
const QString kStaffFieldCount = QStringLiteral("項目数が4ではありません");
const QString kBadTime = QStringLiteral("時刻が不正です");
const QString kBadBreak = QStringLiteral("休憩が不正です（分，または 1:00-3:00 の形）");
const QString kTimelessFields = QStringLiteral("時刻のない勤務に時刻・休憩があります");
const QString kSecondStaffLine = QStringLiteral("同じ氏名の2行目です");
const QString kUnknownStaffField = QStringLiteral("職員の項目「%1」はこの版にはありません");

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

// The staff line of a line's fields, or the reason it is not taken. Its codes are checked
// against the patterns by the reader.
std::variant<StaffLine, QString> parseStaff(const Fields& line)
{
    const QList<QStringView>& f = line.fields;
    if (!line.terminated || f.size() < kStaffFields)
        return kStaffFieldCount;
    if (f.size() > kStaffFields) {
        // A field a later version names; this one knows none.
        const QStringView extra = f[kStaffFields];
        return kUnknownStaffField.arg(extra.left(extra.indexOf(u'=')).toString());
    }
    StaffLine staff { f[1].toString(), listOf(f[2]), listOf(f[3]) };
    if (!datedlines::isName(staff.name))
        return datedlines::kBadName;
    return staff;
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
            auto parsed = parseStaff(fields);
            if (const QString* reason = std::get_if<QString>(&parsed))
                out.rejected.append({ number, *reason });
            else if (staffNames.contains(std::get<StaffLine>(parsed).name))
                out.rejected.append({ number, kSecondStaffLine });
            else {
                staffNames.insert(std::get<StaffLine>(parsed).name);
                staff.append({ number, std::get<StaffLine>(std::move(parsed)) });
            }
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
        text += QStringList { kStaffLine, line.name, line.codes.join(u'|'), line.qualifications.join(u'|') }.join(u',')
            + QStringLiteral(",\r\n");
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
