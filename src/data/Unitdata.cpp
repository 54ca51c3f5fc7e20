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

std::optional<FileError> TFormData::loadMaster(const QString& dir, bool& capacityExceeded)
{
    const LoadResult result = loadTableFile(dir, kMasterFile, StringGrid1, LoadLimit::CapacityFlag);
    capacityExceeded = result.capacityExceeded;
    masterTaken_ = result.takenCompletely;
    return result.error;
}

std::optional<FileError> TFormData::loadSchedule(const QString& dir)
{
    const LoadResult result = loadTableFile(dir, kScheduleFile, StringGrid2, LoadLimit::IgnoreExtraRows);
    scheduleTaken_ = result.takenCompletely;
    return result.error;
}

std::optional<FileError> TFormData::saveAll(const QString& dir) const
{
    if (auto error = saveTableFile(dir, kMasterFile, StringGrid1, !masterTaken_))
        return error;
    return saveTableFile(dir, kScheduleFile, StringGrid2, !scheduleTaken_);
}
