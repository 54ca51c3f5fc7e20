#pragma once

#include "data/DataFiles.h"
#include "data/RejectedLines.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// The published date's file beside the data files, in their conventions: Shift-JIS, no header,
// every field followed by ",", CRLF. One line, "確定日,2027,1,31,": the roster is published up to
// that date, and no proposal changes a day up to it. No date gives no bytes. It has a file of its
// own because every earlier file names a line it does not know and leaves it out when it writes,
// so a program of before would drop the date. Reading and writing the file on disk is TFormData's.
namespace publishedfile {

inline const QString kFileName = QStringLiteral("zelrotandata9.zel");

struct ReadResult {
    QDate until; // null: none
    QList<RejectedLine> rejected;
};

ReadResult read(const QByteArray& bytes);

QByteArray serialize(QDate until);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace publishedfile
