#include "LoaderTarget.h"

#include "data/DataFiles.h"
#include "data/MasterChecks.h"
#include "data/ScheduleChecks.h"
#include "data/Table.h"

#include <QBuffer>

namespace {

LoadResult read(QByteArray bytes, Table& table, LoadLimit limit)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readTable(buffer, table, limit);
}

// True when no empty row stands before a row with a name: the saver, which writes only the
// rows with a name, then keeps every row where it is.
bool namedRowsPacked(const Table& table)
{
    bool gap = false;
    for (int r = 0; r < table.rowCount(); ++r) {
        const bool named = !table.cell(0, r).isEmpty();
        if (named && gap)
            return false;
        gap = gap || !named;
    }
    return true;
}

// A file the saver wrote reads back completely and saves again into the same bytes; when the
// named rows were packed, it reads back into the very same cells.
QString roundTrip(const Table& table, LoadLimit limit, const char* which)
{
    const QByteArray saved = serializeTable(table);
    Table again { table.colCount(), table.rowCount() };
    const LoadResult result = read(saved, again, limit);
    if (!result.takenCompletely || serializeTable(again) != saved)
        return QStringLiteral("the saved %1 file does not read back whole").arg(QLatin1String(which));
    if (namedRowsPacked(table) && !(again == table))
        return QStringLiteral("the saved %1 file reads back into other cells").arg(QLatin1String(which));
    return {};
}

} // namespace

QString exerciseLoaderAndChecks(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\f');
    Table master { 44, 30 };
    Table schedule { 40, 5 };
    read(split < 0 ? input : input.left(split), master, LoadLimit::CapacityFlag);
    read(split < 0 ? QByteArray() : input.mid(split + 1), schedule, LoadLimit::IgnoreExtraRows);

    if (!master.isEmpty()) {
        masterchecks::completeness(master);
        masterchecks::numbers(master);
        masterchecks::namesAndAttributes(master);
    }
    if (!schedule.isEmpty()) {
        schedulechecks::completeness(schedule);
        schedulechecks::numbers(schedule);
        using schedulechecks::PeriodGroup;
        for (PeriodGroup group : { PeriodGroup::Header, PeriodGroup::Days, PeriodGroup::Weekdays, PeriodGroup::Filler })
            schedulechecks::periodFailures(schedule, 2024, group);
    }

    QString fault = roundTrip(master, LoadLimit::CapacityFlag, "employee master");
    if (fault.isEmpty())
        fault = roundTrip(schedule, LoadLimit::IgnoreExtraRows, "schedule");
    return fault;
}
