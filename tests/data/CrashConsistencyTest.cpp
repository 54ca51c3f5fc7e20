#include "data/DataFiles.h"
#include "data/Journal.h"
#include "data/Unitdata.h"
#include "shell/Unitmain.h"
#include "support/SaveContents.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

namespace {

void sleepMicroseconds(long us)
{
    const timespec t { us / 1000000, (us % 1000000) * 1000 };
    nanosleep(&t, nullptr);
}

} // namespace

// A saving process killed at any moment leaves each data file and each recovery file with
// either its old or its new content, never anything else; the temporary files it may leave are
// gone once the program has started again.
TEST(CrashConsistency, AKilledSaveLeavesOldOrNewContentAndNoTemporaryAfterTheNextStart)
{
    StartDirectory dir;
    const SaveContents older = saveContents(false);
    const SaveContents newer = saveContents(true);
    const QByteArray masters[] = { serializeTable(older.master), serializeTable(newer.master) };
    const QByteArray schedules[] = { serializeTable(older.schedule), serializeTable(newer.schedule) };
    writeFileBytes(dir.file(TFormData::kMasterFile), masters[0]);
    writeFileBytes(dir.file(TFormData::kScheduleFile), schedules[0]);

    const QByteArray child = QByteArrayLiteral(ROTAN_SAVE_CHILD);
    const QByteArray where = QFile::encodeName(dir.path());
    char* argv[] = { const_cast<char*>(child.constData()), const_cast<char*>(where.constData()), nullptr };

    // How long the saving process takes to its first complete save on this machine: the kills
    // fall anywhere from its start to well after that.
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
    const bool saved = waitFor([&] { return readFileBytes(dir.file(TFormData::kMasterFile)) == masters[1]; }, 10000);
    const qint64 firstSaveUs = clock.nsecsElapsed() / 1000;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    ASSERT_TRUE(saved);
    writeFileBytes(dir.file(TFormData::kMasterFile), masters[0]);
    writeFileBytes(dir.file(TFormData::kScheduleFile), schedules[0]);

    const QString masterRecovery = dir.file(recoveryFileName(TFormData::kMasterFile));
    const QString scheduleRecovery = dir.file(recoveryFileName(TFormData::kScheduleFile));
    int withTemporaries = 0;
    qsizetype filesBefore = QDir(dir.path()).entryList(QDir::Files).size();
    int seen[2] = { 0, 0 };
    int journalSeen[2] = { 0, 0 };
    for (int trial = 0; trial < 300; ++trial) {
        ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
        sleepMicroseconds(static_cast<long>(QRandomGenerator::global()->bounded(2 * firstSaveUs + 1000)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself in trial " << trial;

        const QByteArray master = readFileBytes(dir.file(TFormData::kMasterFile));
        const QByteArray schedule = readFileBytes(dir.file(TFormData::kScheduleFile));
        ASSERT_TRUE(master == masters[0] || master == masters[1]) << "trial " << trial;
        ASSERT_TRUE(schedule == schedules[0] || schedule == schedules[1]) << "trial " << trial;
        ++seen[master == masters[1] ? 1 : 0];
        // The first run wrote the journal before it was killed, so the recovery files are there.
        const QByteArray masterJournal = readFileBytes(masterRecovery);
        const QByteArray scheduleJournal = readFileBytes(scheduleRecovery);
        ASSERT_TRUE(masterJournal == masters[0] || masterJournal == masters[1]) << "trial " << trial;
        ASSERT_TRUE(scheduleJournal == schedules[0] || scheduleJournal == schedules[1]) << "trial " << trial;
        ++journalSeen[masterJournal == masters[1] ? 1 : 0];
        const qsizetype files = QDir(dir.path()).entryList(QDir::Files).size();
        withTemporaries += files > filesBefore ? 1 : 0; // this kill left a save half done
        filesBefore = files;
    }
    ::testing::Test::RecordProperty("first_save_us", static_cast<int>(firstSaveUs));
    ::testing::Test::RecordProperty("old", seen[0]);
    ::testing::Test::RecordProperty("new", seen[1]);
    ::testing::Test::RecordProperty("with_temporaries", withTemporaries);
    ::testing::Test::RecordProperty("journal_old", journalSeen[0]);
    ::testing::Test::RecordProperty("journal_new", journalSeen[1]);
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(journalSeen[0], 0);
    EXPECT_GT(journalSeen[1], 0);

    // The recovery files themselves are the next start's question; here only their temporaries
    // matter.
    QFile::remove(masterRecovery);
    QFile::remove(scheduleRecovery);
    ProgramRun run(QDate(2024, 5, 7));
    run.startUp();
    EXPECT_EQ(run.forms().FormMain->state(), TFormMain::State::Normal);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({ TFormData::kMasterFile, TFormData::kScheduleFile }));
}
