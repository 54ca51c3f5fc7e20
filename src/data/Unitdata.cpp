#include "data/Unitdata.h"

#include "platform/Numbers.h"

#include <QDir>
#include <QFile>

int TFormData::employeeCount() const
{
    int n = 0;
    for (int r = 0; r < kMaxEmployees; ++r)
        n += StringGrid1.cell(0, r).isEmpty() ? 0 : 1;
    return n;
}

int TFormData::periodLength() const
{
    return numbers::parseInt(StringGrid2.cell(6, 0)).value_or(0);
}

int TFormData::weekdayBlock(int code)
{
    return ((code + 5) % 7 + 7) % 7;
}

TFormData::Loaded TFormData::loadedFrom(const LoadResult& result)
{
    if (result.error)
        return Loaded::No;
    return result.takenCompletely ? Loaded::Completely : Loaded::Partly;
}

std::optional<FileError> TFormData::loadMaster(const QString& dir, bool& capacityExceeded)
{
    const LoadResult result = loadTableFile(dir, kMasterFile, StringGrid1, LoadLimit::CapacityFlag);
    capacityExceeded = result.capacityExceeded;
    master_ = loadedFrom(result);
    return result.error;
}

std::optional<FileError> TFormData::loadSchedule(const QString& dir)
{
    const LoadResult result = loadTableFile(dir, kScheduleFile, StringGrid2, LoadLimit::IgnoreExtraRows);
    schedule_ = loadedFrom(result);
    return result.error;
}

TFormData::ChangeLoad TFormData::loadChanges(const QString& dir)
{
    dayChanges = {};
    QFile file(QDir(dir).filePath(kChangeFile));
    if (!file.exists()) {
        changes_ = Loaded::Missing;
        return {};
    }
    const auto unreadable = [this, &file]() -> ChangeLoad {
        changes_ = Loaded::No;
        return { FileError { FileError::Kind::Open, kChangeFile, file.errorString() }, {} };
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    changefile::ReadResult read = changefile::read(bytes);
    dayChanges = std::move(read.changes);
    const bool whole = read.rejected.isEmpty() && changefile::serialize(dayChanges, StringGrid1) == bytes;
    changes_ = whole ? Loaded::Completely : Loaded::Partly;
    return { std::nullopt, read.rejected };
}

std::vector<TFormData::Persisted> TFormData::persisted() const
{
    return {
        { { kMasterFile, QStringLiteral("従業員マスタ") }, serializeTable(StringGrid1), master_ },
        { { kScheduleFile, QStringLiteral("勤務期間") }, serializeTable(StringGrid2), schedule_ },
        { { kChangeFile, QStringLiteral("勤務変更") }, changefile::serialize(dayChanges, StringGrid1), changes_ },
    };
}

std::optional<FileError> TFormData::saveAll(const QString& dir)
{
    for (const Persisted& p : persisted()) {
        // A file not taken whole keeps its bytes in the backup; so does a change file that
        // appeared since start-up.
        if (p.written())
            if (auto error = saveFile(dir, p.file.name, p.bytes, p.loaded != Loaded::Completely))
                return error;
        journal_.discard(dir, p.file.name);
    }
    return std::nullopt;
}

QList<PersistedFile> TFormData::persistedFiles() const
{
    QList<PersistedFile> files;
    for (const Persisted& p : persisted())
        files.append(p.file);
    return files;
}

std::optional<FileError> TFormData::writeJournal(const QString& dir)
{
    QList<FileBytes> loaded;
    for (const Persisted& p : persisted()) {
        if (p.written())
            loaded.append({ p.file.name, p.bytes });
        else
            journal_.discard(dir, p.file.name); // a missing change file with no change again
    }
    return journal_.record(dir, loaded);
}
