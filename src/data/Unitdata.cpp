#include "data/Unitdata.h"

#include "platform/Numbers.h"

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

std::vector<TFormData::Persisted> TFormData::persisted() const
{
    return {
        { { kMasterFile, QStringLiteral("従業員マスタ") }, &StringGrid1, master_ },
        { { kScheduleFile, QStringLiteral("勤務期間") }, &StringGrid2, schedule_ },
    };
}

std::optional<FileError> TFormData::saveAll(const QString& dir) const
{
    for (const Persisted& p : persisted()) {
        if (p.loaded == Loaded::No)
            continue;
        if (auto error = saveTableFile(dir, p.file.name, *p.table, p.loaded == Loaded::Partly))
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
        if (p.loaded != Loaded::No)
            loaded.append({ p.file.name, serializeTable(*p.table) });
    }
    return journal_.record(dir, loaded);
}
