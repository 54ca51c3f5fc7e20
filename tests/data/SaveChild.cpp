// A saving process for the crash-consistency test: replaces both data files in the directory
// given on the command line, and then their recovery files through the journal, again and
// again, alternating between two contents, until killed.
#include "data/DataFiles.h"
#include "data/Journal.h"
#include "data/Unitdata.h"
#include "support/SaveContents.h"

#include <QString>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    Journal journal;
    for (int i = 0;; ++i) {
        const SaveContents contents = saveContents(i % 2 == 1);
        if (saveTableFile(dir, TFormData::kMasterFile, contents.master, false)
            || saveTableFile(dir, TFormData::kScheduleFile, contents.schedule, false))
            return 1;
        if (journal.record(dir,
                { { TFormData::kMasterFile, serializeTable(contents.master) },
                    { TFormData::kScheduleFile, serializeTable(contents.schedule) } }))
            return 1;
    }
}
