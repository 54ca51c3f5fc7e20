#include "PatternsTarget.h"

#include "changes/ChangeFile.h"
#include "changes/DayShift.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "patterns/PatternFile.h"
#include "patterns/PatternMatch.h"

#include <cstdio>
#include <cstdlib>

namespace {

using patterns::Pattern;

[[noreturn]] void fail(const char* fault)
{
    std::fprintf(stderr, "%s\n", fault);
    std::abort();
}

void checkTaken(const patterns::ShiftPatterns& taken)
{
    for (int i = 0; i < taken.patterns.size(); ++i) {
        const Pattern& p = taken.patterns[i];
        QList<Pattern> others = taken.patterns;
        others.removeAt(i);
        if (!patterns::patternFault(p).isEmpty() || !patterns::clashFault(p, others).isEmpty()
            || !patterns::followFault(p, taken.patterns).isEmpty())
            fail("the pattern file takes a pattern that breaks its rules");
        const DayEntry entry = patterns::entryOf(p);
        if (!changefile::entryFault(entry).isEmpty() || patterns::patternOf(taken, entry) != i)
            fail("a pattern's entry is not one the change file takes, or names another pattern");
        patterns::timesText(p);
    }
    for (const patterns::StaffLine& line : taken.staff)
        if (!patterns::staffFault(line, taken.patterns).isEmpty())
            fail("the pattern file takes a staff line that breaks its rules");
}

void nameEntries(const TFormData& data, const patterns::ShiftPatterns& taken, daychanges::PeriodChoice choice)
{
    const daychanges::EffectiveSchedule schedule(data, choice);
    for (const QList<DayEntry>& row : schedule.entries())
        for (const DayEntry& entry : row) {
            const int i = patterns::patternOf(taken, entry);
            if (i < 0)
                continue;
            const Pattern& p = taken.patterns[i];
            const auto shift = daychanges::shiftOf(entry);
            if (p.isWorking() != shift.has_value()
                || (shift && (shift->start() != p.start || shift->span() != p.span())))
                fail("an entry names a pattern of other times");
        }
}

} // namespace

void fuzzPatterns(const QByteArray& seventhFile, const TFormData& data)
{
    const patternfile::ReadResult read = patternfile::read(seventhFile);
    patternfile::rejectedLinesMessage(read.rejected);
    checkTaken(read.patterns);
    const QByteArray saved = patternfile::serialize(read.patterns);
    const patternfile::ReadResult again = patternfile::read(saved);
    if (!again.rejected.isEmpty() || !(again.patterns == read.patterns)
        || patternfile::serialize(again.patterns) != saved)
        fail("the saved pattern file does not read back into the same patterns");
    for (const auto choice : { daychanges::PeriodChoice::Registered, daychanges::PeriodChoice::Next })
        nameEntries(data, read.patterns, choice);
}
