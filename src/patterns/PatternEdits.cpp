#include "patterns/PatternEdits.h"

#include "data/WorkAttributes.h"
#include "patterns/PatternMatch.h"
#include "platform/Numbers.h"

#include <QRegularExpression>

namespace patterns {
namespace {

Pattern working(const QString& code, const QString& name, int start, int end, int breakMinutes, const QString& colour,
    const QString& follow = {})
{
    return { code, name, Kind::Working, start, end, breakMinutes, std::nullopt, {}, colour, follow };
}

constexpr int hm(int hour, int minute)
{
    return hour * 60 + minute;
}

// A typed text as an ASCII-minded reader sees it: full-width digits, colons and dashes as their
// half-width forms, the wave dash as "-".
QString folded(const QString& text)
{
    QString out = text.normalized(QString::NormalizationForm_KC).trimmed();
    for (const QChar dash : { u'～', u'〜', u'~', u'－', u'−', u'ー' })
        out.replace(dash, u'-');
    return out;
}

} // namespace

QString starterName(Starter starter)
{
    return starter == Starter::Shop ? QStringLiteral("飲食・小売") : QStringLiteral("病棟（２交代）");
}

QList<Pattern> starterSet(Starter starter)
{
    if (starter == Starter::Shop)
        return {
            working(QStringLiteral("早"), QStringLiteral("早番"), hm(7, 0), hm(15, 0), 60, QStringLiteral("#FFE08A")),
            working(QStringLiteral("中"), QStringLiteral("中番"), hm(11, 0), hm(20, 0), 60, QStringLiteral("#B8E0A8")),
            working(QStringLiteral("遅"), QStringLiteral("遅番"), hm(15, 0), hm(23, 0), 60, QStringLiteral("#F4B183")),
            working(QStringLiteral("夜"), QStringLiteral("夜勤"), hm(22, 0), hm(7, 0), 60, QStringLiteral("#3050A0")),
        };
    return {
        working(QStringLiteral("日"), QStringLiteral("日勤"), hm(8, 30), hm(17, 15), 60, QStringLiteral("#FFE08A")),
        working(QStringLiteral("遅"), QStringLiteral("遅番"), hm(12, 0), hm(20, 45), 60, QStringLiteral("#F4B183")),
        working(QStringLiteral("夜"), QStringLiteral("夜勤"), hm(16, 30), hm(9, 0), 120, QStringLiteral("#3050A0"),
            QStringLiteral("明")),
        { QStringLiteral("明"), QStringLiteral("明け"), Kind::Ake, 0, 0, 0, std::nullopt, {}, QStringLiteral("#A0A0C0"),
            {} },
    };
}

std::optional<int> typedClock(const QString& text)
{
    const QString clock = folded(text);
    const int minutes = clockOf(clock.contains(u':') ? clock : clock + QStringLiteral(":00"));
    return minutes < 0 ? std::nullopt : std::optional(minutes);
}

std::optional<TypedBreak> typedBreak(const QString& text, int shiftStart)
{
    const QString typed = folded(text);
    if (typed.isEmpty())
        return TypedBreak {};
    if (typed.contains(u'-')) {
        const auto time = breakTimeOf(typed, shiftStart);
        if (!time)
            return std::nullopt;
        return TypedBreak { time->end - time->start, time };
    }
    const auto minutes = numbers::parseInt(typed);
    if (!minutes || *minutes < 0 || typed.startsWith(u'+'))
        return std::nullopt;
    return TypedBreak { *minutes, std::nullopt };
}

QStringList typedQualifications(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[、，,|/／\\s　]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

QString qualificationsText(const QStringList& qualifications)
{
    return qualifications.join(QStringLiteral("、"));
}

QString kindText(const Pattern& pattern)
{
    switch (pattern.kind) {
    case Kind::Working:
        return QStringLiteral("勤務");
    case Kind::Ake:
        return QStringLiteral("明け");
    case Kind::DayOff:
        return QStringLiteral("休（") + pattern.offAttribute + QStringLiteral("）");
    }
    return {};
}

int changesUsing(const DayChanges& changes, const Pattern& pattern)
{
    ShiftPatterns alone;
    alone.patterns = { pattern };
    int n = 0;
    for (const DayChange& change : changes.list())
        n += patternOf(alone, change.entry) == 0 ? 1 : 0;
    return n;
}

int followCodes(DayChanges& changes, const QHash<QString, QString>& codes)
{
    int n = 0;
    for (const DayChange& change : changes.list()) {
        const auto code = codes.constFind(change.entry.pattern);
        if (change.entry.pattern.isEmpty() || code == codes.cend() || *code == change.entry.pattern)
            continue;
        DayEntry entry = change.entry;
        entry.pattern = *code;
        changes.set(change.name, change.date, entry);
        ++n;
    }
    return n;
}

QStringList onlyPatternOf(const ShiftPatterns& patterns, const QString& code)
{
    QStringList names;
    for (const StaffLine& line : patterns.staff)
        if (line.codes == QStringList { code })
            names.append(line.name);
    return names;
}

void renameCode(ShiftPatterns& patterns, const QString& from, const QString& to)
{
    for (Pattern& p : patterns.patterns)
        if (p.follow == from)
            p.follow = to;
    for (StaffLine& line : patterns.staff)
        for (QString& code : line.codes)
            if (code == from)
                code = to;
}

void leaveStaffLines(ShiftPatterns& patterns, const QString& code)
{
    for (StaffLine& line : patterns.staff)
        line.codes.removeAll(code);
}

QStringList removePattern(ShiftPatterns& patterns, int index)
{
    const QString code = patterns.patterns.takeAt(index).code;
    QStringList cleared;
    for (Pattern& p : patterns.patterns)
        if (p.follow == code) {
            p.follow.clear();
            cleared.append(p.code);
        }
    leaveStaffLines(patterns, code);
    return cleared;
}

} // namespace patterns
