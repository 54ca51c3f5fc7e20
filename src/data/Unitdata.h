#pragma once

#include "changes/ChangeFile.h"
#include "changes/PublishedFile.h"
#include "data/DataFiles.h"
#include "data/Journal.h"
#include "data/Table.h"
#include "history/HistoryFile.h"
#include "labour/LabourFile.h"
#include "patterns/PatternFile.h"
#include "requests/RequestFile.h"
#include "targets/TargetFile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

inline constexpr int kMaxEmployees = 30;

// The data holder: owns the four tables and the day changes for the whole run and carries the
// two persisted tables and the changes to and from their files in the start directory, keeping
// the recovery journal of what was loaded in between. Every window reads and writes them
// directly; the holder itself shows nothing and never ends the program.
class TFormData {
public:
    static inline const QString kMasterFile = QStringLiteral("zelrotandata.zel");
    static inline const QString kScheduleFile = QStringLiteral("zelrotandata2.zel");
    static inline const QString kChangeFile = QStringLiteral("zelrotandata3.zel");
    static inline const QString kTargetFile = targetfile::kFileName;
    static inline const QString kLabourFile = labourfile::kFileName;
    static inline const QString kRequestFile = requestfile::kFileName;
    static inline const QString kPatternFile = patternfile::kFileName;
    static inline const QString kHistoryFile = historyfile::kFileName;
    static inline const QString kPublishedFile = publishedfile::kFileName;

    Table StringGrid1 { 44, kMaxEmployees }; // employee master table
    Table StringGrid2 { 40, 5 }; // schedule table
    Table StringGrid3 { 41, kMaxEmployees }; // work table
    Table StringGrid4 { 40, 2 }; // weekday table
    DayChanges dayChanges; // leave, swapped shifts and extra days on single dates
    targets::TargetTable staffTargets; // how many people each hour needs
    requests::Requests staffRequests; // days off wished for, days someone cannot or wants to work
    labour::Settings labourSettings; // the labour rules' figures
    patterns::ShiftPatterns shiftPatterns; // the workplace's shift patterns and who may work which
    history::KeptSchedule keptSchedule; // the days that have left the planned periods, as they were
    QDate publishedUntil; // "確定日": the roster is published up to this date; null for none

    // Rows 0 to 29 of the employee master table whose name is not empty.
    int employeeCount() const;
    // Row 0, column 6 of the schedule table as an integer; 0 when it is not one.
    int periodLength() const;
    // Master weekday block (0 = Monday … 6 = Sunday) of a weekday code (1 = Sunday … 7 = Saturday).
    static int weekdayBlock(int code);

    // Loading: the master load reports whether a 31st line was met (the capacity flag).
    std::optional<FileError> loadMaster(const QString& dir, bool& capacityExceeded);
    std::optional<FileError> loadSchedule(const QString& dir);
    // A file beside the data files (the day changes, …), read after both data files passed
    // their checks: a missing file means none and is not created. The lines not taken are
    // returned with the message that names them; an error means the file could not be read
    // (the message says so), and it is then never written in this run.
    struct FileLoad {
        QString name;
        std::optional<FileError> error;
        QList<RejectedLine> rejected;
        QString message; // empty when the file was read whole or was missing
    };
    FileLoad loadExtension(const QString& dir, const QString& name);
    // Every such file, in the order of their numbers.
    QList<FileLoad> loadExtensions(const QString& dir);
    // The file was read, or there was none: what the user enters for it now is saved at the close.
    bool isLoaded(const QString& name) const;
    // Writes the master table, then the schedule table, then the files beside them; stops at
    // the first failure. A file that was never read is not written, so it stays as the program
    // found it; a file beside them that was missing is created only when there is something to
    // write. Once a file is saved, or has nothing to save, its recovery file is removed.
    std::optional<FileError> saveAll(const QString& dir);

    // The persisted tables' data files, in the order they are loaded.
    QList<PersistedFile> persistedFiles() const;
    // What a recovery file would bring back compared with its data file, in the user's words
    // ("従業員 3 名の登録・変更", "勤務変更 3 件").
    static QString recoveryContent(const Recovery& recovery);
    // Writes each loaded table whose file form differs from what was loaded and changed since
    // the journal last wrote it to its recovery file.
    std::optional<FileError> writeJournal(const QString& dir);
    // The recovery file of the data file name is neither written nor removed in this run.
    void leaveRecoveryFileAlone(const QString& name) { journal_.leaveAlone(name); }

private:
    enum class Loaded {
        No,
        Completely, // saving the table unchanged gives back the file's bytes
        Partly, // the file held more than the table took: its bytes are kept in a backup
        Missing, // there was no file to read
    };
    static Loaded loadedFrom(const LoadResult& result);
    Loaded loadedState(const QString& name) const { return loaded_.value(name, Loaded::No); }
    void setLoaded(const QString& name, Loaded loaded, const QByteArray& bytes);

    // A persisted file with its content in file form; a file joins the loading's order, the
    // saving and the journal here.
    struct Persisted {
        PersistedFile file;
        QByteArray bytes;
        Loaded loaded;
        // Whether a save writes it: only what was read, and a file that was missing only once
        // there is something to write.
        bool written() const { return loaded != Loaded::No && !(loaded == Loaded::Missing && bytes.isEmpty()); }
    };
    std::vector<Persisted> persisted() const;

    QHash<QString, Loaded> loaded_;
    Journal journal_;
};
