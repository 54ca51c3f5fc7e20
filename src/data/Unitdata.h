#pragma once

#include "changes/ChangeFile.h"
#include "data/DataFiles.h"
#include "data/Table.h"

#include <QString>
#include <optional>

inline constexpr int kMaxEmployees = 30;

// The data holder: owns the four tables and the day changes for the whole run and carries the
// two persisted tables and the changes to and from their files in the start directory. Every
// window reads and writes them directly; the holder itself shows nothing and never ends the
// program.
class TFormData {
public:
    static inline const QString kMasterFile = QStringLiteral("zelrotandata.zel");
    static inline const QString kScheduleFile = QStringLiteral("zelrotandata2.zel");
    static inline const QString kChangeFile = QStringLiteral("zelrotandata3.zel");

    Table StringGrid1 { 44, kMaxEmployees }; // employee master table
    Table StringGrid2 { 40, 5 }; // schedule table
    Table StringGrid3 { 41, kMaxEmployees }; // work table
    Table StringGrid4 { 40, 2 }; // weekday table
    DayChanges dayChanges; // leave, swapped shifts and extra days on single dates

    // Rows 0 to 29 of the employee master table whose name is not empty.
    int employeeCount() const;
    // Row 0, column 6 of the schedule table as an integer; 0 when it is not one.
    int periodLength() const;
    // Master weekday block (0 = Monday … 6 = Sunday) of a weekday code (1 = Sunday … 7 = Saturday).
    static int weekdayBlock(int code);

    // Loading: the master load reports whether a 31st line was met (the capacity flag).
    std::optional<FileError> loadMaster(const QString& dir, bool& capacityExceeded);
    std::optional<FileError> loadSchedule(const QString& dir);
    // The change file, read after both data files passed their checks: a missing file means no
    // changes and is not created. The lines not taken are returned; an error means the file
    // could not be read, and it is then never written in this run.
    struct ChangeLoad {
        std::optional<FileError> error;
        QList<changefile::RejectedLine> rejected;
    };
    ChangeLoad loadChanges(const QString& dir);
    // Writes the master table, then the schedule table, then the changes; stops at the first
    // failure. A file that was never read is not written, so it stays as the program found
    // it; a change file that was missing is created only when there is a change to write.
    std::optional<FileError> saveAll(const QString& dir) const;

private:
    enum class Loaded {
        No,
        Completely, // saving the table unchanged gives back the file's bytes
        Partly, // the file held more than the table took: its bytes are kept in a backup
        Missing, // there was no file to read
    };
    static Loaded loadedFrom(const LoadResult& result);

    Loaded master_ = Loaded::No;
    Loaded schedule_ = Loaded::No;
    Loaded changes_ = Loaded::No;
};
