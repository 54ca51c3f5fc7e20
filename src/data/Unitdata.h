#pragma once

#include "data/DataFiles.h"
#include "data/Journal.h"
#include "data/Table.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

inline constexpr int kMaxEmployees = 30;

// The data holder: owns the four tables for the whole run and carries the two persisted
// ones to and from their files in the start directory, keeping the recovery journal of the
// loaded ones in between. Every window reads and writes the tables directly; the holder itself
// shows nothing and never ends the program.
class TFormData {
public:
    static inline const QString kMasterFile = QStringLiteral("zelrotandata.zel");
    static inline const QString kScheduleFile = QStringLiteral("zelrotandata2.zel");

    Table StringGrid1 { 44, kMaxEmployees }; // employee master table
    Table StringGrid2 { 40, 5 }; // schedule table
    Table StringGrid3 { 41, kMaxEmployees }; // work table
    Table StringGrid4 { 40, 2 }; // weekday table

    // Rows 0 to 29 of the employee master table whose name is not empty.
    int employeeCount() const;
    // Row 0, column 6 of the schedule table as an integer; 0 when it is not one.
    int periodLength() const;
    // Master weekday block (0 = Monday … 6 = Sunday) of a weekday code (1 = Sunday … 7 = Saturday).
    static int weekdayBlock(int code);

    // Loading: the master load reports whether a 31st line was met (the capacity flag).
    std::optional<FileError> loadMaster(const QString& dir, bool& capacityExceeded);
    std::optional<FileError> loadSchedule(const QString& dir);
    // Writes the master table, then the schedule table; stops at the first failure. A table
    // that was never loaded is not written, so its file stays as the program found it. Once a
    // table is saved, the recovery file its journal wrote is removed.
    std::optional<FileError> saveAll(const QString& dir) const;

    // The persisted tables' data files, in the order they are loaded.
    QList<PersistedFile> persistedFiles() const;
    // Writes each loaded table whose file form changed since the journal last wrote it to its
    // recovery file.
    std::optional<FileError> writeJournal(const QString& dir);
    // The recovery file of the data file name is neither written nor removed in this run.
    void leaveRecoveryFileAlone(const QString& name) { journal_.leaveAlone(name); }

private:
    enum class Loaded {
        No,
        Completely, // saving the table unchanged gives back the file's bytes
        Partly, // the file held more than the table took: its bytes are kept in a backup
    };
    static Loaded loadedFrom(const LoadResult& result);

    // A persisted table with its file; a table joins the files, the saving and the journal here.
    struct Persisted {
        PersistedFile file;
        const Table* table;
        Loaded loaded;
    };
    std::vector<Persisted> persisted() const;

    Loaded master_ = Loaded::No;
    Loaded schedule_ = Loaded::No;
    Journal journal_;
};
