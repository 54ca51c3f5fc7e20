#include "RequestsTarget.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "requests/RequestFile.h"
#include "requests/RequestImport.h"
#include "requests/RequestView.h"

#include <QSet>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void exerciseViews(const TFormData& data, const requests::Requests& wishes, daychanges::PeriodChoice choice)
{
    const daychanges::EffectiveSchedule schedule(data, choice);
    for (int row = 0; row < schedule.employees(); ++row)
        for (int day = 0; day < schedule.dates().size(); ++day)
            if (const auto cell = requests::cellWish(schedule, wishes, row, day)) {
                requests::markText(*cell);
                requests::cellNotes(*cell);
            }
    for (const requests::Request& request : requests::apart(schedule, wishes))
        requests::apartText(schedule, request);
    if (requests::reportLines(schedule, wishes).size() < 4)
        fail("the report of wishes honoured has fewer than its four opening lines");
}

} // namespace

void fuzzRequests(const QByteArray& sixthFile, const TFormData& data)
{
    const requestfile::ReadResult read = requestfile::read(sixthFile);
    requestfile::rejectedLinesMessage(read.rejected);
    const QByteArray saved = requestfile::serialize(read.requests, data.StringGrid1);
    const requestfile::ReadResult again = requestfile::read(saved);
    if (!again.rejected.isEmpty() || !(again.requests == read.requests)
        || requestfile::serialize(again.requests, data.StringGrid1) != saved)
        fail("the saved request file does not read back into the same requests");
    exerciseViews(data, read.requests, daychanges::PeriodChoice::Registered);
    exerciseViews(data, read.requests, daychanges::PeriodChoice::Next);
}

void fuzzRequestImport(const QByteArray& csv, const TFormData& data)
{
    const daychanges::EffectiveSchedule schedule(data);
    QSet<QString> names;
    for (int row = 0; row < schedule.employees(); ++row)
        names.insert(schedule.master().cell(0, row));
    const QList<QDate> dates
        = daychanges::periodDates(schedule.schedule()) + daychanges::nextPeriodDates(schedule.schedule());
    const requests::ImportPreview preview = requests::parseImport(csv, names, dates, data.staffRequests);

    QSet<int> rows;
    for (const requests::ImportRow& row : preview.taken) {
        if (!names.contains(row.name) || !dates.contains(row.date) || !requests::noteFault(row.wish.note).isEmpty())
            fail("the import takes a row that is not a valid wish of a registered name in the planned periods");
        rows.insert(row.row);
        requests::takenRowText(row);
    }
    for (const RejectedLine& row : preview.refused) {
        rows.insert(row.line);
        requests::refusedRowText(row);
    }
    if (rows.size() != preview.taken.size() + preview.refused.size())
        fail("the import lists a row twice");
    requests::importSummary(preview);
    for (int column = 0; column < preview.titles.size(); ++column)
        requests::columnText(preview, column);

    requests::Requests taken = data.staffRequests;
    requests::carryOut(taken, requests::importEdits(taken, preview.taken), true);
    for (const requests::ImportRow& row : preview.taken)
        if (taken.find(row.name, row.date) != row.wish)
            fail("taking the imported rows does not give each its wish");
}
