#pragma once

#include "data/DataFiles.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

// A persisted table's data file and what the user calls its content.
struct PersistedFile {
    QString name;
    QString label;
};

// The file form of a loaded table, under the name of its data file.
struct FileBytes {
    QString name;
    QByteArray bytes;
};

// The recovery journal of one run. The data files are written only when the main window
// closes; after each change the user commits, the journal writes the loaded tables that differ
// from what was loaded to recovery files beside them (data file name + ".recover", the data
// files' own format, replaced atomically), so that a crash loses nothing. It writes a file only
// when its bytes changed since its last write, removes it when its table is back to what was
// loaded, and removes it once its data file was saved. It shows nothing.
class Journal {
public:
    // The file form of a table as it was loaded: the recovery file is written once it differs.
    void loaded(const QString& name, const QByteArray& bytes);
    // Writes the recovery file of each of files whose bytes changed since its last write and
    // differ from what was loaded, and removes the one it wrote of a file whose bytes are back
    // to what was loaded; goes on past a failure and returns the first one.
    std::optional<FileError> record(const QString& dir, const QList<FileBytes>& files);
    // The recovery file of the data file name is neither written nor removed in this run.
    void leaveAlone(const QString& name);
    // The data file name was saved, or had nothing to save: its recovery file has nothing left
    // to recover and goes, whichever run wrote it, unless it is left alone. A later change writes
    // it anew.
    void saved(const QString& dir, const QString& name);

private:
    void remove(const QString& dir, const QString& name);

    QHash<QString, QByteArray> loaded_;
    QHash<QString, QByteArray> written_;
    QSet<QString> leftAlone_;
};

// A recovery file found at start-up that was written after its data file (the last normal
// close) and holds something else: what the user entered in a run that did not close.
struct Recovery {
    PersistedFile file;
    QDateTime written; // of the recovery file
    QDateTime dataSaved; // of the data file; invalid when there is none
    QByteArray bytes;
    QByteArray saved; // the data file's bytes; empty when there is none
};

struct RecoveryScan {
    QList<Recovery> newer;
    QList<PersistedFile> unreadable; // recovery files that are newer but cannot be read
    // The latest time a data file of files was written, which is the last normal close; invalid
    // when there is none.
    QDateTime lastClose;
};

// Looks at the recovery file of each of files in dir. One written in the same second as its
// data file or before it, or one holding the data file's bytes, adds nothing and is passed over.
RecoveryScan scanRecoveryFiles(const QString& dir, const QList<PersistedFile>& files);

// The recovery content becomes the data file (atomically, the data file's bytes kept in its
// ".bak"), and the recovery file is removed.
std::optional<FileError> restoreRecovery(const QString& dir, const Recovery& recovery);

// Renames the recovery file to its name + "-yyyyMMdd-HHmmss" of the time it was written, with
// "-2", "-3" … added when that name is taken: an earlier one is never replaced.
std::optional<FileError> setRecoveryAside(const QString& dir, const Recovery& recovery);
