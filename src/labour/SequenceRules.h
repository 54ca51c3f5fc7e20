#pragma once

#include "labour/LabourSettings.h"
#include "labour/PersonRules.h"

#include <QList>
#include <QString>
#include <QStringList>

// Which shift pattern may follow which, by the patterns' codes: a pattern that may not come on
// the day after another ("夜" → "日"), a pattern at most n days in a row ("夜" at most 2), and a
// day off after 明け. A plain value of the workplace; the labour check reads it, the pattern file
// keeps it and the pattern window edits it. The day a pattern itself asks for after it ("夜" →
// "明") is the pattern's and not kept here.
//
// Each rule has a line form, its fields in order (the file writes each followed by ","):
//   禁止,夜,日         "日" may not follow "夜" on the next day
//   連続,夜,2          "夜" at most 2 days in a row (1 to 30)
//   明けの後は休み     the day after 明け is a day off
// A code has one or two characters and no ",", as the pattern codes do.
namespace labour {

struct ForbiddenPair {
    QString first;
    QString next;

    bool operator==(const ForbiddenPair&) const = default;
};

struct CodeRunLimit {
    QString code;
    int most = 1;

    bool operator==(const CodeRunLimit&) const = default;
};

struct SequenceRules {
    QList<ForbiddenPair> forbidden; // in the order given
    QList<CodeRunLimit> runLimits; // one per code, in the order given
    bool offAfterAke = false;

    bool forbids(const QString& first, const QString& next) const;
    // The most days in a row of the code; kNone without a limit.
    int mostInARow(const QString& code) const;

    bool operator==(const SequenceRules&) const = default;
};

// The rules' line forms: the forbidden pairs, the run limits, then 明けの後は休み.
QList<QStringList> ruleLines(const SequenceRules& rules);
// Adds the rule of a line form. Returns why it cannot be kept (the rules unchanged): not one of
// the forms, a code that is no code, a count out of range, a pair or a code's limit or the day
// off after 明け given twice; the empty text when it was added.
QString addRuleLine(SequenceRules& rules, const QStringList& fields);

// The preset "日本看護協会ガイドライン（２交代）": each line as the pattern window lists it, with
// the standard of the guideline it comes from.
struct PresetLine {
    QString text;
    QString source;
};
QList<PresetLine> wardGuidelineLines();
// Applies the preset: 勤務間インターバル 11 hours and 連続勤務上限 5 in the settings, "夜" at most 1
// in a row and a day off after 明け in the sequence rules, 夜勤の上限 4 in each of the nurses'
// rules given. Everything else stays; each figure can be edited afterwards.
void applyWardGuideline(Settings& settings, SequenceRules& sequence, QList<PersonRules>& nurses);

} // namespace labour
