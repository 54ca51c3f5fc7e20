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
// leading zeros), kind ("希望休", "出勤不可", "出勤希望") and note (may be empty). Reading takes
// every well-formed line and names the others with a reason; writing sorts the lines by date,
// then by the employee's master row, then by name. Reading and writing the file on disk is
// TFormData's.
namespace requestfile {

inline const QString kFileName = QStringLiteral("zelrotandata6.zel");

struct ReadResult {
    requests::Requests requests;
    QList<RejectedLine> rejected;
};

ReadResult read(const QByteArray& bytes);

// The file form of the requests; a name without a master row sorts after the registered ones.
// No requests give no bytes.
QByteArray serialize(const requests::Requests& requests, const Table& master);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace requestfile
