#pragma once

#include "data/DataFiles.h"
#include "data/RejectedLines.h"
#include "history/KeptSchedule.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The kept days' file beside the data files, in their conventions: Shift-JIS, no header, one
// line per employee and date, every field followed by ",", CRLF. Fourteen fields: name, year,
// month, day, master row (0 to 29), hourly wage, then the day as the change file writes it (work
// attribute, start hour, start minute, end hour, end minute, net working minutes), "1" when a day
// change applied that day else "0", and the code of the pattern the day was named by (empty for
// none). Reading takes every well-formed line and names the others with a reason; writing gives
// the days by date, then by master row. Reading and writing the file on disk is TFormData's.
namespace historyfile {

inline const QString kFileName = QStringLiteral("zelrotandata8.zel");

struct ReadResult {
    history::KeptSchedule kept;
    QList<RejectedLine> rejected;
};

ReadResult read(const QByteArray& bytes);

// The file form; no kept day gives no bytes.
QByteArray serialize(const history::KeptSchedule& kept);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace historyfile
