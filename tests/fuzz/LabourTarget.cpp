#include "LabourTarget.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "labour/LabourFile.h"
#include "labour/LabourReport.h"
#include "labour/LabourRules.h"
#include "platform/Numbers.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* fault)
{
    std::fprintf(stderr, "%s\n", fault);
    std::abort();
}

void computeOver(const daychanges::EffectiveSchedule& schedule, const labour::Settings& settings)
{
    const labour::CellFindings cells(schedule, settings);
    labour::ReportTotals totals;
    QStringList lines = labour::reportHeading(schedule);
    qint64 premiums = 0;
    for (int row = 0; row < schedule.employees(); ++row) {
        const labour::EmployeeCheck check = labour::checkEmployee(schedule, row, settings);
        const labour::WorkMinutes& m = check.minutes;
        if (check.premium < 0 || m.night < 0 || m.dailyOvertime < 0 || m.weeklyOvertime < 0 || m.overSixty < 0
            || m.overSixty > m.overtime())
            fail("a labour premium or count of minutes is out of bounds");
        premiums += check.premium;
        for (int day = 0; day < schedule.dates().size(); ++day)
            cells.at(row, day);
        try {
            lines += labour::reportLines(schedule, row, settings, totals);
        } catch (const numbers::ConversionError&) {
            // Shown by the program for a cell that is not a number; the report stops there.
        }
    }
    lines += labour::reportClosing(totals);
    lines += labour::periodCostPremiumLines(premiums, 0);
}

} // namespace

void fuzzLabour(const QByteArray& fifthFile, const TFormData& data)
{
    const labourfile::ReadResult read = labourfile::read(fifthFile);
    labourfile::rejectedLinesMessage(read.rejected);
    for (const labour::KeyForm& form : labour::keyForms()) {
        const int value = read.settings.value(form.key);
        if (value < form.minimum || value > form.maximum)
            fail("a labour setting was read outside its range");
    }
    const QByteArray saved = labourfile::serialize(read.settings);
    const labourfile::ReadResult again = labourfile::read(saved);
    if (!again.rejected.isEmpty() || !(again.settings == read.settings)
        || labourfile::serialize(again.settings) != saved)
        fail("the saved labour settings file does not read back into the same settings");

    for (const daychanges::PeriodChoice choice :
        { daychanges::PeriodChoice::Registered, daychanges::PeriodChoice::Next })
        computeOver(daychanges::EffectiveSchedule(data, choice), read.settings);
}
