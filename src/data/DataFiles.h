#pragma once

#include "data/Table.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <optional>

// The two data files: comma-separated Shift-JIS lines, one per table row, each cell
// followed by ",", CRLF line ends, no quoting. Reading skips empty fields; writing
// replaces a file atomically and never removes one.
struct FileError {
    enum class Kind {
        Create, // the file could not be created
        Open, // the file could not be opened for reading
        Write, // writing or replacing the file failed
    };
    Kind kind;
    QString fileName;
    QString systemError;
};

enum class LoadLimit {
    CapacityFlag, // the employee master file: rows 0 to 29, a further line sets the flag
    IgnoreExtraRows, // the schedule file: lines beyond the table's rows are not taken
};

struct LoadResult {
    std::optional<FileError> error;
    bool capacityExceeded = false;
    // False when saving the loaded table unchanged would not give back the file's bytes
    // (lines not taken, skipped empty fields, undecodable bytes …).
    bool takenCompletely = true;
};

inline constexpr int kLineBufferSize = 4096;

// Creates an empty file when name is missing from dir.
std::optional<FileError> ensureFile(const QString& dir, const QString& name);

// The file that a save of path writes: path itself or, when it is a symbolic link, the file at
// the end of its links (which need not exist: a save creates it), so that a link stays a link.
// None for links that loop.
std::optional<QString> linkedFile(const QString& path);

// Removes the file at path or, when it is a symbolic link, the file its links lead to: the link
// stays for the next save.
void removeLinkedFile(const QString& path);

// Removes the temporary files that an interrupted save of one of names (or of its backup or
// recovery file) left in dir, or beside the file that a link of that name leads to: only names
// that carry the mark of the program's own saves.
void removeStaleTemporaries(const QString& dir, const QStringList& names);

// Fills table from the file name in dir, creating an empty file when it is missing.
LoadResult loadTableFile(const QString& dir, const QString& name, Table& table, LoadLimit limit);

// Fills table from the lines of an open device, as loadTableFile() does from a file.
LoadResult readTable(QIODevice& in, Table& table, LoadLimit limit);

// The file form of one row, without its line end: every cell followed by ",".
QByteArray serializeRow(const Table& table, int row);
// The file form of a table: the rows whose column 0 is not empty.
QByteArray serializeTable(const Table& table);

// Replaces the file name in dir with the table's file form. With keepBackup the previous
// file's bytes are first kept in name + ".bak". The new bytes are written to a temporary file
// beside it that then takes its name, never into the file itself: on failure the previous file
// is intact. A name (or backup) that is a symbolic link stays one: the file it leads to is
// replaced, and created when it is missing.
std::optional<FileError> saveTableFile(const QString& dir, const QString& name, const Table& table, bool keepBackup);
// Replaces the file name in dir with bytes, as saveTableFile() does with a table's file form.
std::optional<FileError> saveFile(const QString& dir, const QString& name, const QByteArray& bytes, bool keepBackup);

QString backupFileName(const QString& name);
// The recovery file of a data file: the tables as the user left them since the last save.
QString recoveryFileName(const QString& name);
