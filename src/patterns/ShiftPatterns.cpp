#include "patterns/ShiftPatterns.h"

#include "data/Table.h"
#include "data/WorkAttributes.h"
#include "platform/TextCodec.h"

#include <QSet>
#include <algorithm>

namespace patterns {
namespace {

bool hasControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool namedInMaster(const Table& master, const QString& name)
{
    for (int row = 0; row < master.rowCount(); ++row)
        if (master.cell(0, row) == name)
            return true;
    return false;
}

int staffIndex(const ShiftPatterns& patterns, const QString& name)
{
    for (int i = 0; i < patterns.staff.size(); ++i)
        if (patterns.staff[i].name == name)
            return i;
    return -1;
}

// A time of the master's boxes: hour 1 to 24 (midnight at the end of a shift is 24, and no shift
// starts at hour 0), minute 00 to 55 in steps of 5.
bool isBoxTime(int minutes)
{
    const int hour = minutes / 60;
    return minutes >= 0 && hour >= 1 && hour <= 24 && minutes % 5 == 0;
}

} // namespace

int Pattern::span() const
{
    if (!isWorking())
        return 0;
    return end > start ? end - start : end + kDayMinutes - start;
}

int Pattern::netMinutes() const
{
    return span() - breakMinutes;
}

QString Pattern::attribute() const
{
    switch (kind) {
    case Kind::Working:
        return attributes::kWorkday;
    case Kind::Ake:
        return attributes::kOther;
    case Kind::DayOff:
        return offAttribute;
    }
    return {};
}

int ShiftPatterns::indexOf(const QString& code) const
{
    for (int i = 0; i < patterns.size(); ++i)
        if (patterns[i].code == code)
            return i;
    return -1;
}

const StaffLine* ShiftPatterns::staffLine(const QString& name) const
{
    const int i = staffIndex(*this, name);
    return i < 0 ? nullptr : &staff[i];
}

bool ShiftPatterns::allows(const QString& name, int pattern) const
{
    if (pattern < 0 || pattern >= patterns.size() || !patterns[pattern].isWorking())
        return false;
    const StaffLine* line = staffLine(name);
    return !line || line->codes.isEmpty() || line->codes.contains(patterns[pattern].code);
}

void followRename(ShiftPatterns& patterns, const Table& master, const QString& oldName, const QString& newName)
{
    const int line = staffIndex(patterns, oldName);
    if (line < 0 || oldName == newName || namedInMaster(master, oldName) || staffIndex(patterns, newName) >= 0)
        return;
    patterns.staff[line].name = newName;
}

void followDelete(ShiftPatterns& patterns, const Table& master, const QString& name)
{
    const int line = staffIndex(patterns, name);
    if (line >= 0 && !namedInMaster(master, name))
        patterns.staff.removeAt(line);
}

QString qualificationFault(const QString& tag)
{
    if (tag.isEmpty())
        return QStringLiteral("資格・担当に空の項目があります");
    if (tag.contains(u',') || tag.contains(u'|') || hasControl(tag) || !cp932::canEncode(tag))
        return QStringLiteral("資格・担当「%1」に使えない文字があります").arg(tag);
    if (cp932::byteCount(tag) > kQualificationBytes)
        return QStringLiteral("資格・担当「%1」が20バイト（全角10文字）を超えています").arg(tag);
    return {};
}

QString codeFault(const QString& code)
{
    if (code.isEmpty())
        return QStringLiteral("記号がありません");
    if (code.size() > 2)
        return QStringLiteral("記号は1文字か2文字です");
    const bool unfit = std::any_of(code.begin(), code.end(), [](QChar c) {
        return c == u',' || c == u'|' || c.isSpace() || c.category() == QChar::Other_Control || c.isSurrogate();
    });
    if (unfit || !cp932::canEncode(code))
        return QStringLiteral("記号に使えない文字があります（「,」「|」，空白など）");
    return {};
}

QString nameFault(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("名称がありません");
    if (name.contains(u',') || hasControl(name) || !cp932::canEncode(name))
        return QStringLiteral("名称に使えない文字があります");
    if (cp932::byteCount(name) > kNameBytes)
        return QStringLiteral("名称が20バイト（全角10文字）を超えています");
    return {};
}

QString colourFault(const QString& colour)
{
    const bool hex = colour.size() == 7 && colour[0] == u'#'
        && std::all_of(colour.begin() + 1, colour.end(),
            [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); });
    return hex ? QString() : QStringLiteral("色は #RRGGBB（16進数）で指定してください");
}

QString patternFault(const Pattern& p)
{
    for (const QString& fault : { codeFault(p.code), nameFault(p.name), colourFault(p.colour) })
        if (!fault.isEmpty())
            return fault;
    switch (p.kind) {
    case Kind::DayOff:
        if (p.offAttribute != attributes::kRegularDayOff && p.offAttribute != attributes::kDayOfRest
            && p.offAttribute != attributes::kOther)
            return QStringLiteral("休みの区分は公休・休み・その他のいずれかです");
        return {};
    case Kind::Ake:
        return {};
    case Kind::Working:
        break;
    }
    if (!isBoxTime(p.start) || !isBoxTime(p.end))
        return QStringLiteral("時刻は1:00～24:55の5分刻みです（深夜零時は24:00）");
    if (p.end / 60 == p.start / 60 && p.end <= p.start)
        return QStringLiteral("終了が開始と同じ「時」で開始より前か同じです（翌日に終わる勤務は，終了の「時」を開始の"
                              "「時」より小さくしてください）");
    if (p.breakTime) {
        const BreakTime& b = *p.breakTime;
        if (b.start < p.start || b.end > p.start + p.span() || b.end <= b.start)
            return QStringLiteral("休憩の時間帯が勤務時間の外にあります");
        if (b.end - b.start != p.breakMinutes)
            return QStringLiteral("休憩の時間帯と休憩時間が合いません");
    }
    if (p.breakMinutes < 0 || p.breakMinutes > p.span())
        return QStringLiteral("休憩が勤務時間（%1）より長くなっています").arg(durationText(p.span()));
    return {};
}

QString clashFault(const Pattern& pattern, const QList<Pattern>& others)
{
    for (const Pattern& other : others) {
        if (other.code == pattern.code)
            return QStringLiteral("記号「%1」は既に使われています").arg(pattern.code);
        if (pattern.isWorking() && other.isWorking() && other.start == pattern.start && other.span() == pattern.span()
            && other.breakMinutes == pattern.breakMinutes)
            return QStringLiteral("開始・終了・休憩が「%1」（%2）と同じです").arg(other.code, other.name);
    }
    return {};
}

QString followFault(const Pattern& pattern, const QList<Pattern>& set)
{
    if (pattern.follow.isEmpty())
        return {};
    if (pattern.follow == pattern.code)
        return QStringLiteral("後に続く勤務に自分自身は指定できません");
    const bool known = std::any_of(set.begin(), set.end(), [&](const Pattern& p) { return p.code == pattern.follow; });
    return known ? QString() : QStringLiteral("後に続く勤務「%1」がありません").arg(pattern.follow);
}

QString staffFault(const StaffLine& line, const QList<Pattern>& set)
{
    QSet<QString> seen;
    for (const QString& code : line.codes) {
        const bool working
            = std::any_of(set.begin(), set.end(), [&](const Pattern& p) { return p.code == code && p.isWorking(); });
        if (!working)
            return QStringLiteral("勤務できる勤務「%1」がありません").arg(code);
        if (seen.contains(code))
            return QStringLiteral("勤務できる勤務「%1」が二つあります").arg(code);
        seen.insert(code);
    }
    if (line.qualifications.size() > kQualifications)
        return QStringLiteral("資格・担当が10個を超えています");
    seen.clear();
    for (const QString& tag : line.qualifications) {
        if (const QString fault = qualificationFault(tag); !fault.isEmpty())
            return fault;
        if (seen.contains(tag))
            return QStringLiteral("資格・担当「%1」が二つあります").arg(tag);
        seen.insert(tag);
    }
    return {};
}

QString clockText(int minutes)
{
    if (minutes > kDayMinutes)
        minutes -= kDayMinutes;
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

int clockOf(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    const auto number = [](QStringView digits) {
        const bool plain = !digits.isEmpty() && digits.size() <= 2
            && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        return plain ? digits.toInt() : -1;
    };
    if (colon < 0 || text.size() - colon != 3)
        return -1;
    const int hour = number(text.first(colon));
    const int minute = number(text.sliced(colon + 1));
    return hour < 0 || hour > 24 || minute < 0 || minute > 59 ? -1 : hour * 60 + minute;
}

std::optional<BreakTime> breakTimeOf(QStringView text, int shiftStart)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0)
        return std::nullopt;
    const int from = clockOf(text.first(dash));
    const int to = clockOf(text.sliced(dash + 1));
    if (from < 0 || to < 0)
        return std::nullopt;
    const auto onShift = [shiftStart](int clock) { return clock < shiftStart ? clock + kDayMinutes : clock; };
    return BreakTime { onShift(from), onShift(to) };
}

QString breakText(const Pattern& pattern)
{
    if (pattern.breakTime)
        return clockText(pattern.breakTime->start) + u'-' + clockText(pattern.breakTime->end);
    return QString::number(pattern.breakMinutes);
}

QString timesText(const Pattern& pattern)
{
    QString text = clockText(pattern.start) + QStringLiteral("～") + clockText(pattern.end);
    if (pattern.breakTime)
        return text + QStringLiteral("（休憩 ") + clockText(pattern.breakTime->start) + QStringLiteral("～")
            + clockText(pattern.breakTime->end) + QStringLiteral("）");
    return text + QStringLiteral("（休憩 %1分）").arg(pattern.breakMinutes);
}

QString durationText(int minutes)
{
    return QStringLiteral("%1時間%2分").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace patterns
