#include "HistoryTarget.h"

#include "changes/ChangeFile.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "history/History.h"
#include "history/HistoryFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* fault)
{
    std::fprintf(stderr, "%s\n", fault);
    std::abort();
}

void checkRoundTrip(const history::KeptSchedule& kept)
{
    const QByteArray saved = historyfile::serialize(kept);
    const historyfile::ReadResult again = historyfile::read(saved);
    if (!again.rejected.isEmpty() || !(again.kept == kept) || historyfile::serialize(again.kept) != saved)
        fail("the saved kept days do not read back into the same days");
}

} // namespace

void fuzzHistory(const QByteArray& eighthFile, const TFormData& data)
{
    const historyfile::ReadResult read = historyfile::read(eighthFile);
    historyfile::rejectedLinesMessage(read.rejected);
    for (const history::KeptDay& day : read.kept.days())
        if (!changefile::entryFault(day.entry).isEmpty())
            fail("the kept days' file takes a day the change file would not");
    checkRoundTrip(read.kept);

    TFormData holder;
    holder.StringGrid1 = data.StringGrid1;
    holder.StringGrid2 = data.StringGrid2;
    holder.dayChanges = data.dayChanges;
    holder.shiftPatterns = data.shiftPatterns;
    holder.keptSchedule = read.kept;
    const daychanges::EffectiveSchedule schedule(holder);
    const QList<QDate> next = daychanges::nextPeriodDates(holder.StringGrid2);
    for (const QDate start : { schedule.dates().value(schedule.dates().size() / 2), next.value(next.size() / 2) }) {
        if (!start.isValid())
            continue;
        const history::Keeping keeping = history::keepingOn(holder, start);
        history::KeptSchedule kept = holder.keptSchedule;
        kept.keep(keeping.leaving);
        checkRoundTrip(kept);
        if (!keeping.oldMonths.isEmpty())
            history::dropQuestion(keeping.oldMonths);
    }
}
