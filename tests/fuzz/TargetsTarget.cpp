#include "TargetsTarget.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "targets/TargetFile.h"
#include "targets/TargetLines.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "staffing targets: %s\n", what);
    std::abort();
}

} // namespace

void fuzzTargets(const QByteArray& fourthFile, const TFormData& data)
{
    const targetfile::ReadResult read = targetfile::read(fourthFile);
    const QByteArray saved = targetfile::serialize(read.table);
    const targetfile::ReadResult again = targetfile::read(saved);
    if (!again.rejected.isEmpty() || again.table != read.table)
        fail("the saved file does not read back into the same table");
    if (targetfile::serialize(again.table) != saved)
        fail("the saved file does not save again into the same bytes");

    for (const auto choice : { daychanges::PeriodChoice::Registered, daychanges::PeriodChoice::Next }) {
        const daychanges::EffectiveSchedule schedule(data, choice);
        const QList<targets::DayCoverage> days = targets::periodCoverage(read.table, schedule);
        if (days.size() != schedule.dates().size())
            fail("the coverage does not have one day per date of the period");
        targets::shortageLines(read.table, schedule);
        targets::dayMarks(read.table, schedule);
        targets::personHoursByDay(read.table, schedule);
        for (const QDate date : schedule.dates())
            targets::chartLines(read.table, schedule, date);
    }
}
