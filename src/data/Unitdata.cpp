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

std::optional<FileError> TFormData::saveAll(const QString& dir) const
{
    if (master_ != Loaded::No) {
        if (auto error = saveTableFile(dir, kMasterFile, StringGrid1, master_ == Loaded::Partly))
            return error;
    }
    if (schedule_ != Loaded::No)
        return saveTableFile(dir, kScheduleFile, StringGrid2, schedule_ == Loaded::Partly);
    return std::nullopt;
}
