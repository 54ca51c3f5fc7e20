#pragma once

#include "data/DataFiles.h"
#include "data/RejectedLines.h"
#include "patterns/ShiftPatterns.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The shift patterns' file beside the data files, in their conventions: Shift-JIS, no header, every
// field followed by ",", CRLF. The first field tells the kind of line:
//
//   勤務,code,name,start hour,start minute,end hour,end minute,break,colour,follow,
//     a pattern, in the order the user arranged them: 勤務,夜,夜勤,16,30,9,00,120,#3050A0,明,
//     The break is minutes, or a time of day "H:MM-H:MM" (勤務,夜,夜勤,16,30,9,00,1:00-3:00,…).
//     A pattern without times has its kind in place of the start hour and its other time fields
//     empty: 勤務,明,明け,明け,,,,,#A0A0C0,, for 明け, and for a named day off "休" followed by its
//     attribute: 勤務,年,年休,休,公休,,,,#E0C0A0,,
//   職員,name,codes,qualifications,fields…,
//     what an employee may work ("日|遅|夜", empty: every working pattern), their qualifications
//     ("看護師|新人"), then in any order the named fields given: each rule of the person as
//     "項目=値" in its text form (生年月日=2009/4/1, 長期休業=2027/2/10-2027/4/5, 公休の日数（暦月）=9,
//     夜勤の上限=4), and the flags alone: 留学生, シフト制 (else 固定), 人数に数えない. A line of four
//     fields is a person without rules; a field that cannot be kept is named and left out, the
//     rest of the line taken.
//   並び,rule…,
//     a sequence rule in its line form: 並び,禁止,夜,日, or 並び,連続,夜,2, or 並び,明けの後は休み,
//
// Reading takes every well-formed line and names the others with a reason; writing gives the
// patterns in their order, then the staff lines, then the sequence rules. Reading and writing the file on disk is
// TFormData's.
namespace patternfile {

inline const QString kFileName = QStringLiteral("zelrotandata7.zel");

struct ReadResult {
    patterns::ShiftPatterns patterns;
    QList<RejectedLine> rejected; // by line number
};

ReadResult read(const QByteArray& bytes);

// The file form; no pattern, staff line or sequence rule gives no bytes.
QByteArray serialize(const patterns::ShiftPatterns& patterns);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace patternfile
