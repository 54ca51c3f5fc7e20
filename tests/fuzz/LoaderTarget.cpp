#include "LoaderTarget.h"

#include "LabourTarget.h"
#include "PatternsTarget.h"
#include "RequestsTarget.h"
#include "TargetsTarget.h"
#include "ViewsTarget.h"
#include "changes/ChangeFile.h"
#include "changes/EffectiveSchedule.h"
#include "data/DataFiles.h"
#include "data/MasterChecks.h"
#include "data/ScheduleChecks.h"
#include "data/Table.h"
#include "data/Unitdata.h"
#include "labour/LabourFile.h"
#include "patterns/PatternFile.h"
#include "requests/RequestFile.h"
#include "targets/TargetFile.h"
#include "views/ScheduleView.h"

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

// The changes read from a file take effect over the tables without fault, and the saved file
// reads back whole into the same changes and saves again into the same bytes.
QString changesRoundTrip(const QByteArray& bytes, TFormData& data)
{
    data.dayChanges = changefile::read(bytes).changes;
    const daychanges::EffectiveSchedule effective(data);
    effective.entries();
    effective.apart();
    effective.sharedNames();
    effective.changeCount();
    scheduleview::changeLines(effective);

    const QByteArray saved = changefile::serialize(data.dayChanges, data.StringGrid1);
    const changefile::ReadResult again = changefile::read(saved);
    if (!again.rejected.isEmpty() || !(again.changes == data.dayChanges)
        || changefile::serialize(again.changes, data.StringGrid1) != saved)
        return QStringLiteral("the saved change file does not read back into the same changes");
    return {};
}

// The start-up date: the days after 1 January 1990 that the decimal digits after the input's last
// vertical tab (0x0B) give, taken into 1990 to 2100, and cut off the input; a Monday in June 2024
// when there is none.
QDate startupDateOf(QByteArray& input)
{
    const QDate first(1990, 1, 1);
    const qsizetype tab = input.lastIndexOf('\v');
    if (tab < 0)
        return QDate(2024, 6, 10);
    qint64 days = 0;
    for (const char c : input.mid(tab + 1))
        if (c >= '0' && c <= '9')
            days = (days * 10 + (c - '0')) % first.daysTo(QDate(2101, 1, 1));
    input.truncate(tab);
    return first.addDays(days);
}

} // namespace

QString exerciseLoaderAndChecks(const std::uint8_t* data, std::size_t size)
{
    QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QDate startup = startupDateOf(input);
    const QList<QByteArray> parts = input.split('\f');
    TFormData holder;
    Table& master = holder.StringGrid1;
    Table& schedule = holder.StringGrid2;
    read(parts[0], master, LoadLimit::CapacityFlag);
    read(parts.value(1), schedule, LoadLimit::IgnoreExtraRows);

    // The checks of the start-up sequence, which stop at their first failure as it does.
    bool masterPassed = true;
    if (!master.isEmpty())
        masterPassed = masterchecks::completeness(master).isEmpty() && masterchecks::numbers(master).isEmpty()
            && masterchecks::namesAndAttributes(master).isEmpty();
    bool schedulePassed = false;
    if (!schedule.isEmpty()) {
        schedulePassed
            = schedulechecks::completeness(schedule).isEmpty() && schedulechecks::numbers(schedule).isEmpty();
        using schedulechecks::PeriodGroup;
        for (PeriodGroup group : { PeriodGroup::Header, PeriodGroup::Days, PeriodGroup::Weekdays, PeriodGroup::Filler })
            schedulePassed
                = schedulechecks::periodFailures(schedule, startup.year(), group).isEmpty() && schedulePassed;
    }

    QString fault = roundTrip(master, LoadLimit::CapacityFlag, "employee master");
    if (fault.isEmpty())
        fault = roundTrip(schedule, LoadLimit::IgnoreExtraRows, "schedule");
    if (fault.isEmpty())
        fault = changesRoundTrip(parts.value(2), holder);
    if (!fault.isEmpty())
        return fault;

    // The files beside the data files, each through its own promises; then they are held as the
    // program holds them, for the import over the wishes read and for every view and report.
    fuzzTargets(parts.value(3), holder);
    fuzzLabour(parts.value(4), holder);
    fuzzRequests(parts.value(5), holder);
    fuzzPatterns(parts.value(7), holder);
    holder.staffTargets = targetfile::read(parts.value(3)).table;
    holder.labourSettings = labourfile::read(parts.value(4)).settings;
    holder.staffRequests = requestfile::read(parts.value(5)).requests;
    holder.shiftPatterns = patternfile::read(parts.value(7)).patterns;
    fuzzRequestImport(parts.value(6), holder);
    return exerciseViewsAndReports(holder, startup, masterPassed && schedulePassed);
}
