#pragma once

#include "changes/DayChanges.h"
#include "changes/EffectiveSchedule.h"
#include "proposal/Instance.h"

#include <QDate>
#include <QList>
#include <QString>

class TFormData;

// Between the program's data and a proposal: the problem of the period chosen as the solver's
// instance, the day changes a proposal makes, the check that they keep to what may change, and
// the figures before and after, counted by the code that counts them in the program's own
// reports (the labour check, the shortage list, the period labour cost with its premiums).
namespace proposal {

// The instance of the chosen period: a free day is a day of the period after today and after
// the published date ("確定日") of a registered employee that has no day change and no "希望休" or
// "出勤不可" wish (such a day is held off). Without shift patterns its options are off and the
// distinct working shifts of the employee's standard week; with them off, each working pattern
// the employee may work ("固定": only on a working day of the standard week; "シフト制": any day),
// the standard day's own shift, and the 明け and named days off that a pattern asks for after it.
// A shift that would break a limit of the person's day (a minor's night or 8 hours, a student's
// vacation day, a request) is no option, nor a shift that reaches into a day held off for a wish.
// Every rule of the labour check is a rule of each employee: hard, but the floors of hours and
// runs, which are findings. Every other date the rules look at holds its day in effect; "人数に
// 数えない" counts toward no target.
Instance instanceOf(const TFormData& data, const daychanges::DateChoice& choice, QDate today, Aim aim);

// The day changes that carry out a proposal's options over the data's period: a day whose option
// is the standard week's entry writes none; a day made off becomes "公休", a pattern of the
// workplace its entry, another working day "勤務日" with that shift as the master stores it; a
// wish's day held off becomes "公休" when its entry is a working day.
QList<DayChange> changesOf(const TFormData& data, const daychanges::DateChoice& choice, const Instance& instance,
    const QList<QList<int>>& options);

// Why the changes do not keep to what may change, or the empty text: each lies after today and
// the published date in the period, is of a registered employee, meets no day change, keeps a
// "希望休" or "出勤不可" day off, and is one of the free day's options.
QString faultOf(
    const TFormData& data, const daychanges::DateChoice& choice, QDate today, const QList<DayChange>& changes);

// The figures of the period as the program's reports count them.
struct Figures {
    int findings = 0; // the labour check's, but the minimum wage, the breaks and the notes
    int shortHours = 0;
    int overHours = 0;
    qint64 cost = 0; // the period labour cost with the premiums
    int unhonouredWishes = 0; // "出勤希望" days off

    bool operator==(const Figures&) const = default;
};
Figures figuresOf(const TFormData& data, const daychanges::DateChoice& choice);

// How far the solve proved its proposal best: every aim optimal, or the first aim it did not
// prove, with the proposal's value in it and the proven lower bound.
struct Proof {
    bool optimal = false;
    AimStage aim;
    double value = 0;
    double bound = 0;
};

// The summary line: "勤務案：指摘 a⇒b 件，不足 c⇒d 人時，超過 e⇒f 人時，人件費 ¥g⇒¥h，変更 n 日", then
// "（最適）" when every aim was proven optimal, else the aim not proven with its bound, as
// "，不足 7 人時（下限 5 人時）"; when hours stay short a sentence that says so.
QString summaryLine(const Figures& before, const Figures& after, int changedDays, const Proof& proof);

} // namespace proposal
