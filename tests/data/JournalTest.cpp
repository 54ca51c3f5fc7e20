#include "data/Journal.h"
#include "data/LinkForms.h"
#include "data/Unitdata.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kName = TFormData::kMasterFile;
const QString kRecovery = recoveryFileName(kName);
const QDateTime kLastClose(QDate(2024, 5, 6), QTime(18, 30));

void setModified(const QString& path, const QDateTime& moment)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_TRUE(file.setFileTime(moment, QFileDevice::FileModificationTime));
}

void writeAt(const QString& path, const QByteArray& bytes, const QDateTime& moment)
{
    writeFileBytes(path, bytes);
    setModified(path, moment);
}

enum class Found { Nothing, Newer, Unreadable };

struct ScanCase {
    const char* what;
    qint64 recoveryAfterMs; // from the data file's time, which is the last close
    bool sameBytes;
    bool dataFile;
    bool readable;
    Found expected;
};

} // namespace

TEST(RecoveryScan, OnlyALaterSecondWithOtherContentIsOffered)
{
    const ScanCase cases[] = {
        { "a later second, other content", 1000, false, true, true, Found::Newer },
        { "the same second", 800, false, true, true, Found::Nothing },
        { "before the last close", -60000, false, true, true, Found::Nothing },
        { "later, the data file's own bytes", 60000, true, true, true, Found::Nothing },
        { "no data file", 0, false, false, true, Found::Newer },
        { "later and unreadable", 60000, false, true, false, Found::Unreadable },
    };
    for (const ScanCase& c : cases) {
        StartDirectory dir;
        const QByteArray data = fileLine(sampleEmployee(QStringLiteral("青木")));
        const QByteArray recovery = c.sameBytes ? data : data + fileLine(sampleEmployee(QStringLiteral("井上")));
        const QDateTime saved = kLastClose.addMSecs(100);
        if (c.dataFile)
            writeAt(dir.file(kName), data, saved);
        if (c.readable)
            writeAt(dir.file(kRecovery), recovery, saved.addMSecs(c.recoveryAfterMs));
        else
            QDir(dir.path()).mkdir(kRecovery); // written now, long after the last close

        const RecoveryScan scan = scanRecoveryFiles(dir.path(), { { kName, QStringLiteral("従業員マスタ") } });
        ASSERT_EQ(scan.newer.size(), c.expected == Found::Newer ? 1 : 0) << c.what;
        ASSERT_EQ(scan.unreadable.size(), c.expected == Found::Unreadable ? 1 : 0) << c.what;
        if (c.expected != Found::Newer)
            continue;
        const Recovery& found = scan.newer.first();
        EXPECT_EQ(found.file.label, QStringLiteral("従業員マスタ")) << c.what;
        EXPECT_EQ(found.bytes, recovery) << c.what;
        EXPECT_EQ(found.written, saved.addMSecs(c.recoveryAfterMs)) << c.what;
        EXPECT_EQ(found.dataSaved, c.dataFile ? saved : QDateTime()) << c.what;
    }
}

// The journal writes a file only when its table differs from what was loaded and changed since
// its last write; a save takes the recovery file away, whichever run wrote it, unless it is left
// alone.
TEST(Journal, WritesWhatDiffersFromTheLoadedTableAndASaveTakesTheRecoveryFileAway)
{
    StartDirectory dir;
    const QString schedule = TFormData::kScheduleFile;
    const QString other = QStringLiteral("zelrotandata3.zel");
    Journal journal;
    journal.loaded(kName, "a0");
    journal.loaded(schedule, "b0");
    ASSERT_FALSE(journal.record(dir.path(), { { kName, "a0" }, { schedule, "b1" } }));
    EXPECT_FALSE(QFile::exists(dir.file(kRecovery))) << "a table as it was loaded has nothing to recover";
    EXPECT_EQ(readFileBytes(dir.file(recoveryFileName(schedule))), "b1");

    ASSERT_FALSE(journal.record(dir.path(), { { kName, "a1" } }));
    writeFileBytes(dir.file(kRecovery), "touched");
    writeFileBytes(dir.file(recoveryFileName(other)), "kept");
    journal.leaveAlone(other);
    ASSERT_FALSE(journal.record(dir.path(), { { kName, "a1" }, { schedule, "b0" }, { other, "c" } }));
    EXPECT_EQ(readFileBytes(dir.file(kRecovery)), "touched") << "an unchanged table is not written again";
    EXPECT_FALSE(QFile::exists(dir.file(recoveryFileName(schedule)))) << "back to what was loaded";
    EXPECT_EQ(readFileBytes(dir.file(recoveryFileName(other))), "kept");

    writeFileBytes(dir.file(recoveryFileName(schedule)), "an earlier run's");
    for (const QString& name : { kName, schedule, other })
        journal.saved(dir.path(), name);
    EXPECT_FALSE(QFile::exists(dir.file(kRecovery)));
    EXPECT_FALSE(QFile::exists(dir.file(recoveryFileName(schedule)))) << "a saved file leaves no recovery file";
    EXPECT_TRUE(QFile::exists(dir.file(recoveryFileName(other)))) << "a file left alone is not removed";
    ASSERT_FALSE(journal.record(dir.path(), { { kName, "a2" } }));
    EXPECT_EQ(readFileBytes(dir.file(kRecovery)), "a2") << "a later change writes it anew";
}

// A recovery file set aside never replaces an earlier one.
TEST(RecoveryFiles, SettingAsideNeverReplaces)
{
    StartDirectory dir;
    Recovery found;
    found.file.name = kName;
    found.written = QDateTime(QDate(2024, 5, 7), QTime(8, 45, 12));
    const QString aside = kRecovery + QStringLiteral("-20240507-084512");
    for (const QByteArray content : { "first", "second", "third" }) {
        writeFileBytes(dir.file(kRecovery), content);
        ASSERT_FALSE(setRecoveryAside(dir.path(), found));
    }
    EXPECT_FALSE(QFile::exists(dir.file(kRecovery)));
    EXPECT_EQ(readFileBytes(dir.file(aside)), "first");
    EXPECT_EQ(readFileBytes(dir.file(aside + QStringLiteral("-2"))), "second");
    EXPECT_EQ(readFileBytes(dir.file(aside + QStringLiteral("-3"))), "third");
}

// A recovery file that is a symbolic link stays one, whatever the form of the link: the journal
// writes the file it leads to (creating it when it is missing), a save takes only that file
// away, a restore reads it into the data file (itself a link, its backup too) and setting it
// aside renames that file beside itself.
TEST(RecoveryFiles, ALinkStaysALinkThroughTheJournal)
{
    const QString backupName = backupFileName(kName);
    for (const LinkForm& form : kLinkForms) {
        SCOPED_TRACE(form.what);
        StartDirectory dir;
        const QString recovery = makeLink(dir.path(), kRecovery, form, "from a run that died");
        const QString data = makeLink(dir.path(), kName, form, "saved");
        const QString backup = makeLink(dir.path(), backupName, form, "older");
        const auto linksStay = [&] {
            for (const QString& name : { kRecovery, kName, backupName })
                EXPECT_TRUE(staysLink(dir.path(), name, form)) << name.toStdString();
        };
        Journal journal;
        journal.loaded(kName, "saved");
        ASSERT_FALSE(journal.record(dir.path(), { { kName, "entered" } }));
        EXPECT_EQ(readFileBytes(recovery), "entered");
        journal.saved(dir.path(), kName);
        EXPECT_FALSE(QFile::exists(recovery));
        ASSERT_FALSE(journal.record(dir.path(), { { kName, "entered again" } }));
        EXPECT_EQ(readFileBytes(recovery), "entered again");
        linksStay();

        Recovery found;
        found.file.name = kName;
        found.written = QDateTime(QDate(2024, 5, 7), QTime(8, 45, 12));
        found.bytes = "entered again";
        ASSERT_FALSE(restoreRecovery(dir.path(), found));
        EXPECT_EQ(readFileBytes(data), "entered again");
        EXPECT_EQ(QFile::exists(backup), form.fileExists);
        if (form.fileExists) {
            EXPECT_EQ(readFileBytes(backup), "saved");
        }
        EXPECT_FALSE(QFile::exists(recovery));
        linksStay();

        writeFileBytes(recovery, "not restored");
        ASSERT_FALSE(setRecoveryAside(dir.path(), found));
        EXPECT_EQ(readFileBytes(recovery + QStringLiteral("-20240507-084512")), "not restored");
        EXPECT_FALSE(QFile::exists(recovery));
        linksStay();
        EXPECT_EQ(temporariesIn(dir.path()), QStringList());
    }
}

// Only a loaded table has a journal, also one loaded partly; the close takes back only the
// recovery files the run wrote.
TEST(Journal, OnlyLoadedTablesAreJournalledAndTheCloseRemovesOnlyThose)
{
    StartDirectory dir;
    const QString scheduleRecovery = recoveryFileName(TFormData::kScheduleFile);
    writeFileBytes(dir.file(kName), fileLine(sampleEmployee(QStringLiteral("青木"))) + QByteArray(5000, 'z'));
    writeFileBytes(dir.file(scheduleRecovery), "from a run that died");
    TFormData data;
    bool capacity = false;
    ASSERT_FALSE(data.loadMaster(dir.path(), capacity));
    data.StringGrid1.setCell(1, 0, QStringLiteral("1200"));
    ASSERT_FALSE(data.writeJournal(dir.path()));
    EXPECT_EQ(readFileBytes(dir.file(kRecovery)), serializeTable(data.StringGrid1));
    EXPECT_EQ(readFileBytes(dir.file(scheduleRecovery)), "from a run that died");

    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_EQ(readFileBytes(dir.file(kName)), serializeTable(data.StringGrid1));
    EXPECT_FALSE(QFile::exists(dir.file(kRecovery)));
    EXPECT_EQ(readFileBytes(dir.file(scheduleRecovery)), "from a run that died");
}

// A change file that was missing has nothing to recover once its last change is gone again: the
// recovery file the journal wrote for it goes, so that the next start asks nothing.
TEST(Journal, AMissingChangeFileWithNoChangeLeftHasNoRecoveryFile)
{
    StartDirectory dir;
    const QString recovery = dir.file(recoveryFileName(TFormData::kChangeFile));
    TFormData data;
    ASSERT_FALSE(data.loadExtension(dir.path(), TFormData::kChangeFile).error);
    const QDate day(2024, 5, 7);
    const DayEntry off { QStringLiteral("休み"), QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("0"),
        QStringLiteral("00"), QStringLiteral("0"), true };
    for (int round = 0; round < 2; ++round) { // the same change again is journalled again
        data.dayChanges.set(QStringLiteral("青木"), day, off);
        ASSERT_FALSE(data.writeJournal(dir.path()));
        EXPECT_TRUE(QFile::exists(recovery)) << round;
        data.dayChanges.remove(QStringLiteral("青木"), day);
        ASSERT_FALSE(data.writeJournal(dir.path()));
        EXPECT_FALSE(QFile::exists(recovery)) << round;
    }
    data.dayChanges.set(QStringLiteral("青木"), day, off);
    ASSERT_FALSE(data.writeJournal(dir.path()));
    data.dayChanges.remove(QStringLiteral("青木"), day);
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_FALSE(QFile::exists(recovery));
    EXPECT_FALSE(QFile::exists(dir.file(TFormData::kChangeFile)));
}
