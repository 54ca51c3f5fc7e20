#pragma once

#include "data/DataFiles.h"
#include "data/RejectedLines.h"
#include "targets/TargetTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The staffing targets' file beside the data files, in their conventions: Shift-JIS, no header,
// one line per row, every field followed by ",", CRLF. A line of people per hour is a key ("日"
// … "土", "祝" or a date "Y/M/D" in decimal without leading zeros) and 24 fields for the hours 0
// to 23, each empty or a target as targets::fieldText() writes it. A line of a qualification is
// "資格", the key, the tag and 24 fields of a least each ("資格,日,看護師,…,2,2,"); a line of a
// pattern is "勤務", the key, the pattern's code and its target ("勤務,土,夜,3-3,"). Their field
// counts differ from 25, so that a reader that knows only the first form names them as lines
// not taken instead of misreading them. Reading takes every well-formed line and names the others
// with a reason; writing puts the lines per hour first, then those of the qualifications by tag,
// then those of the patterns, each in the order 日 to 土, 祝, the dates ascending, and leaves out
// a row without any target. Reading and writing the file on disk is TFormData's.
namespace targetfile {

inline const QString kFileName = QStringLiteral("zelrotandata4.zel");

struct ReadResult {
    targets::TargetTable table;
    QList<RejectedLine> rejected;
};

ReadResult read(const QByteArray& bytes);

QByteArray serialize(const targets::TargetTable& table);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace targetfile
