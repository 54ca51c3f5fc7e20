#include "labour/SequenceRules.h"

#include <algorithm>

namespace labour {
namespace {

const QString kForbidden = QStringLiteral("禁止");
const QString kRun = QStringLiteral("連続");
const QString kOffAfterAke = QStringLiteral("明けの後は休み");
const QString kNight = QStringLiteral("夜");
constexpr int kMostInARow = 30;

bool isCode(const QString& code)
{
    return !code.isEmpty() && code.size() <= 2 && !code.contains(u',');
}

} // namespace

bool SequenceRules::forbids(const QString& first, const QString& next) const
{
    return std::any_of(forbidden.cbegin(), forbidden.cend(),
        [&](const ForbiddenPair& pair) { return pair.first == first && pair.next == next; });
}

int SequenceRules::mostInARow(const QString& code) const
{
    const auto limit = std::find_if(
        runLimits.cbegin(), runLimits.cend(), [&code](const CodeRunLimit& run) { return run.code == code; });
    return limit == runLimits.cend() ? kNone : limit->most;
}

QList<QStringList> ruleLines(const SequenceRules& rules)
{
    QList<QStringList> lines;
    for (const ForbiddenPair& pair : rules.forbidden)
        lines.append({ kForbidden, pair.first, pair.next });
    for (const CodeRunLimit& run : rules.runLimits)
        lines.append({ kRun, run.code, QString::number(run.most) });
    if (rules.offAfterAke)
        lines.append({ kOffAfterAke });
    return lines;
}

QString addRuleLine(SequenceRules& rules, const QStringList& fields)
{
    const QString kind = fields.value(0);
    if (kind == kOffAfterAke && fields.size() == 1) {
        if (rules.offAfterAke)
            return QStringLiteral("「明けの後は休み」の2行目です");
        rules.offAfterAke = true;
        return {};
    }
    if ((kind != kForbidden && kind != kRun) || fields.size() != 3)
        return QStringLiteral("「禁止,勤務,次の勤務」「連続,勤務,日数」「明けの後は休み」のどれでもありません");
    if (!isCode(fields[1]))
        return QStringLiteral("勤務の記号は1～2文字です");
    if (kind == kForbidden) {
        if (!isCode(fields[2]))
            return QStringLiteral("勤務の記号は1～2文字です");
        if (rules.forbids(fields[1], fields[2]))
            return QStringLiteral("同じ並びの2行目です");
        rules.forbidden.append({ fields[1], fields[2] });
        return {};
    }
    bool ok = false;
    const int most = fields[2].toInt(&ok);
    if (!ok || most < 1 || most > kMostInARow || QString::number(most) != fields[2])
        return QStringLiteral("連続の上限は1～30日です");
    if (rules.mostInARow(fields[1]) != kNone)
        return QStringLiteral("同じ勤務の連続の上限の2行目です");
    rules.runLimits.append({ fields[1], most });
    return {};
}

QList<PresetLine> wardGuidelineLines()
{
    return {
        { QStringLiteral("勤務間インターバル 11時間"), QStringLiteral("基準1 勤務と勤務の間隔は11時間以上あける") },
        { QStringLiteral("連続勤務上限 5日"), QStringLiteral("基準5 連続勤務日数は5日以内とする") },
        { QStringLiteral("連続の上限 夜 1日"),
            QStringLiteral("基準4 夜勤の連続回数は2連続（2回）まで（16時間の夜勤は1回で2回分）") },
        { QStringLiteral("明けの後は休み"), QStringLiteral("基準8 1回の夜勤後はおおむね24時間以上の休息") },
        { QStringLiteral("夜勤の上限 4回（職員ごと）"),
            QStringLiteral("基準3 夜勤回数は3交代で月8回以内（16時間の夜勤は1回で2回分）") },
    };
}

void applyWardGuideline(Settings& settings, SequenceRules& sequence, QList<PersonRules>& nurses)
{
    settings.set(Key::RestHours, 11);
    settings.set(Key::RunLimit, 5);
    const auto night = std::find_if(sequence.runLimits.begin(), sequence.runLimits.end(),
        [](const CodeRunLimit& run) { return run.code == kNight; });
    if (night == sequence.runLimits.end())
        sequence.runLimits.append({ kNight, 1 });
    else
        night->most = 1;
    sequence.offAfterAke = true;
    for (PersonRules& nurse : nurses)
        nurse.maxNights = 4;
}

} // namespace labour
