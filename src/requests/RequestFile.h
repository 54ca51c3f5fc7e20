#pragma once

#include "data/DataFiles.h"
#include "data/RejectedLines.h"
#include "requests/Requests.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Table;

// The requests' file beside the data files, in their conventions: Shift-JIS, no header, one line
// per wish, every field followed by ",", CRLF. Six fields: name, year, month, day (decimal, no
// leading zeros), kind ("希望休", "出勤不可", "出勤希望") and note (may be empty); a wish of a
// pattern ("勤務希望", "勤務回避") adds two: the pattern's code and the weight 1 to 9, as in
// "佐藤,2026,5,11,勤務希望,,夜,3,", so that a reader of six fields names it as a line not taken
// instead of misreading it. Reading takes
// every well-formed line and names the others with a reason; writing sorts the lines by date,
// then by the employee's master row, then by name. The columns the user chose for the import
// follow the wishes as a line of their own, written only when they differ from the import's own
// order, so that a file without a choice is what it always was: an empty name, "取り込みの列" and
// the column numbers (from 1) of name, date, kind and note (0: no note), as in
// ",取り込みの列,2,3,4,0,". Reading and writing the file on disk is TFormData's.
namespace requestfile {

inline const QString kFileName = QStringLiteral("zelrotandata6.zel");

struct ReadResult {
    requests::Requests requests;
    QList<RejectedLine> rejected;
};

ReadResult read(const QByteArray& bytes);

// The file form of the requests; a name without a master row sorts after the registered ones.
// No requests and no chosen columns give no bytes.
QByteArray serialize(const requests::Requests& requests, const Table& master);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace requestfile
