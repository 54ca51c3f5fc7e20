#pragma once

#include "data/DataFiles.h"
#include "data/RejectedLines.h"
#include "labour/LabourSettings.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The labour settings' file beside the data files, in their conventions: Shift-JIS, no header,
// one line per setting given, two fields (the setting's name and its value), each followed by
// ",", CRLF. A missing key means its default. Reading takes every well-formed line and names
// the others with a reason; writing gives the keys in the order they were given. Reading and
// writing the file on disk is TFormData's.
namespace labourfile {

inline const QString kFileName = QStringLiteral("zelrotandata5.zel");

struct ReadResult {
    labour::Settings settings;
    QList<RejectedLine> rejected;
};

ReadResult read(const QByteArray& bytes);

// The file form of the settings: empty when no key was given.
QByteArray serialize(const labour::Settings& settings);

// The message after start-up when lines were left out: which lines and why, the first ones.
QString rejectedLinesMessage(const QList<RejectedLine>& rejected);

// The message when the file exists but cannot be read.
QString openFailureMessage(const FileError& error);

} // namespace labourfile
