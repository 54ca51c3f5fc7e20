#pragma once

#include "changes/DayChanges.h"
#include "data/DataFiles.h"
#include "data/RejectedLines.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class Table;

// The day changes' file beside the two data files, in their conventions: Shift-JIS, no header,
// one line per change, every field followed by ",", CRLF. Ten fields: name, year, month, day,
// work attribute, start hour, start minute, end hour, end minute, net working minutes, in the
// forms the employee master table uses; a change that carries a shift pattern without times
// ("明", "年") has its code as an eleventh field, so that a file without such changes is the file
// the program has always written. Reading takes every well-formed line and names the
// others with a reason; writing sorts the lines by date, then by the employee's master row,
// then by name. Reading and writing the file on disk is TFormData's.
namespace changefile {

struct ReadResult {
    DayChanges changes;
    QList<RejectedLine> rejected;
};

ReadResult read(const QByteArray& bytes);

// The file form of the changes; a name without a master row sorts after the registered ones.
QByteArray serialize(const DayChanges& changes, const Table& master);

// Why an entry does not have the file's form, or the empty text: the attribute is one of the
// four values, hours "0" to "24", minutes as the master window's minute boxes offer them, net
// minutes 1 to 4 digits, and a day that is not a working day has "0", "00", "0", "00", "0"; a
// pattern's code, when there is one, has a code's form and stands on a day that is not a working
// day.
QString entryFault(const DayEntry& entry);

// The entry in the file's form, for an entry that comes from the employee master table, whose
// checks accept other notations of the same day: leading zeros and signs dropped, a minute 0 as
// "00", a day that is not a working day with its times and net minutes "0" (and the code of its
// pattern when that has a code's form), a working day without a pattern's code. None when the entry
// has no such form (an unknown attribute, an hour outside 0 to 24, a minute that the minute
// boxes do not offer, negative net minutes): saved as a change, it would not be read back.
std::optional<DayEntry> fileForm(const DayEntry& entry);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace changefile
