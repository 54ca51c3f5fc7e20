#include "MasterInput.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "period/Unitterm.h"
#include "support/ClosedFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QDate kToday(2024, 5, 7);
const QDateTime kLastClose(QDate(2024, 5, 6), QTime(18, 30));
const QString kMasterRecovery = recoveryFileName(TFormData::kMasterFile);
const QString kScheduleRecovery = recoveryFileName(TFormData::kScheduleFile);

void setModified(const QString& path, const QDateTime& moment)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_TRUE(file.setFileTime(moment, QFileDevice::FileModificationTime));
}

class RecoveryJournal : public ::testing::Test {
protected:
    // Two employees and a period, saved by a close the evening before.
    RecoveryJournal()
    {
        master = fileLine(sampleEmployee(QStringLiteral("青木"))) + fileLine(sampleEmployee(QStringLiteral("井上")));
        Table t { 40, 5 };
        registerPeriod(t, kToday, 7);
        schedule = serializeTable(t);
        for (const auto& [name, bytes] :
            { std::pair { TFormData::kMasterFile, master }, std::pair { TFormData::kScheduleFile, schedule } }) {
            writeFileBytes(dir.file(name), bytes);
            setModified(dir.file(name), kLastClose);
        }
    }

    // A run that registers 上田 and is killed (SIGKILL) before it closes.
    void runAndKill()
    {
        QProcess child;
        child.start(QStringLiteral(ROTAN_JOURNAL_CHILD), { dir.path(), QStringLiteral("上田") });
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().toStdString();
        ASSERT_EQ(child.readAllStandardOutput(), "registered\n");
        child.kill();
        child.waitForFinished();
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit);
        journal = readFileBytes(dir.file(kMasterRecovery));
        ASSERT_EQ(journal, master + fileLine(sampleEmployee(QStringLiteral("上田"))));
        setModified(dir.file(kMasterRecovery), QDateTime(kToday, QTime(8, 45, 12)));
    }

    // The next start, answering the question with answer when one is given.
    void startAgain(std::optional<dialogs::Answer> answer = std::nullopt)
    {
        run = std::make_unique<ProgramRun>(kToday);
        if (answer)
            run->dialogs().answer(*answer);
        run->startUp();
    }

    StartDirectory dir;
    QByteArray master;
    QByteArray schedule;
    QByteArray journal;
    std::unique_ptr<ProgramRun> run;
};

// The question names the last close and what comes back, only of the table that has something
// to restore.
void expectQuestion(const QList<dialogs::Shown>& shown)
{
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].buttons, dialogs::Buttons::YesNo);
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("前回の正常終了：2024年5月6日 18:30\r\n")))
        << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("内容：従業員 1 名の登録・変更\r\n")))
        << shown[0].text.toStdString();
}

// The names of the recovery files in dir, aside ones included.
QStringList recoveryFiles(const StartDirectory& dir)
{
    return QDir(dir.path())
        .entryList({ QStringLiteral("*.recover*") }, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

TEST_F(RecoveryJournal, YesRestoresWhatTheKilledRunEnteredAndKeepsTheDataFileAsBackup)
{
    runAndKill();
    EXPECT_EQ(recoveryFiles(dir), QStringList { kMasterRecovery }) << "only the changed table has a journal";
    // An earlier version journalled the unchanged table too.
    writeFileBytes(dir.file(kScheduleRecovery), schedule);
    startAgain(dialogs::Answer::Yes);
    expectQuestion(run->dialogs().shown);
    EXPECT_EQ(run->forms().FormMain->state(), TFormMain::State::Normal);
    EXPECT_EQ(run->forms().FormData->employeeCount(), 3);
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), journal);
    EXPECT_EQ(readFileBytes(dir.file(backupFileName(TFormData::kMasterFile))), master);
    EXPECT_FALSE(QFile::exists(dir.file(kMasterRecovery)));
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kScheduleFile)), schedule);

    run->forms().FormMain->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), journal);
    EXPECT_EQ(recoveryFiles(dir), QStringList()) << "a normal close leaves no recovery file of what it saved";
}

TEST_F(RecoveryJournal, NoKeepsTheDataFileAndSetsTheJournalAsideUnderItsDate)
{
    runAndKill();
    startAgain(dialogs::Answer::No);
    expectQuestion(run->dialogs().shown);
    EXPECT_EQ(run->forms().FormData->employeeCount(), 2);
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), master);
    EXPECT_FALSE(QFile::exists(dir.file(backupFileName(TFormData::kMasterFile))));
    EXPECT_FALSE(QFile::exists(dir.file(kMasterRecovery)));
    EXPECT_EQ(readFileBytes(dir.file(kMasterRecovery + QStringLiteral("-20240507-084512"))), journal);

    // What was set aside stays through a run that changes the table and closes.
    registerThroughMasterWindow(*run, QStringLiteral("江藤"));
    run->forms().FormMain->close();
    EXPECT_EQ(recoveryFiles(dir), QStringList { kMasterRecovery + QStringLiteral("-20240507-084512") });
    EXPECT_EQ(readFileBytes(dir.file(kMasterRecovery + QStringLiteral("-20240507-084512"))), journal);
}

// A folder that takes no new file and no rename: neither answer can act on the recovery file.
// The run starts with the data files, names the file and the reason, and leaves the recovery file
// for the next start.
TEST_F(RecoveryJournal, ARecoveryFileThatCannotBeRestoredOrSetAsideIsNamedAndTheRunStartsWithTheDataFiles)
{
    runAndKill();
    for (const dialogs::Answer answer : { dialogs::Answer::Yes, dialogs::Answer::No }) {
        {
            const FolderClosedToNewFiles closed(dir.path());
            startAgain(answer);
        }
        const QList<dialogs::Shown> shown = run->dialogs().shown;
        ASSERT_EQ(shown.size(), 2);
        EXPECT_TRUE(shown[1].text.contains(kMasterRecovery + QStringLiteral("（"))) << shown[1].text.toStdString();
        EXPECT_EQ(run->forms().FormMain->state(), TFormMain::State::Normal);
        EXPECT_EQ(run->forms().FormData->employeeCount(), 2);
        registerThroughMasterWindow(*run, QStringLiteral("江藤"));
        EXPECT_EQ(readFileBytes(dir.file(kMasterRecovery)), journal) << "the journal leaves it alone";
        run->forms().FormMaster->close();
        run->forms().FormMain->close();
        run.reset();
        EXPECT_EQ(readFileBytes(dir.file(kMasterRecovery)), journal);
        EXPECT_EQ(recoveryFiles(dir), QStringList { kMasterRecovery });
        writeFileBytes(dir.file(TFormData::kMasterFile), master);
        setModified(dir.file(TFormData::kMasterFile), kLastClose);
    }
}

// The question tells the latest close of any data file, also when the file that has something to
// restore had none, and says what will come back of each.
TEST_F(RecoveryJournal, TheQuestionNamesTheLatestCloseAndWhatComesBack)
{
    const QDateTime morning(kToday, QTime(8, 45));
    const auto changeLine = [](const char* name, int day) {
        return sjis(QStringLiteral("%1,2024,5,%2,休み,0,00,0,00,0,\r\n").arg(name).arg(day));
    };
    writeFileBytes(dir.file(recoveryFileName(TFormData::kChangeFile)),
        changeLine("青木", 8) + changeLine("井上", 8) + changeLine("青木", 9));
    setModified(dir.file(recoveryFileName(TFormData::kChangeFile)), morning);
    startAgain(dialogs::Answer::No);
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_TRUE(run->dialogs().shown[0].text.contains(QStringLiteral("前回の正常終了：2024年5月6日 18:30\r\n")));
    EXPECT_TRUE(run->dialogs().shown[0].text.contains(QStringLiteral("内容：勤務変更 3 件\r\n")));
    run.reset();

    // Several recovery files of data files closed at different times: the latest close.
    const QByteArray inoue = fileLine(sampleEmployee(QStringLiteral("井上")));
    writeFileBytes(dir.file(kMasterRecovery), inoue + fileLine(sampleEmployee(QStringLiteral("青木"))) + inoue);
    setModified(dir.file(TFormData::kScheduleFile), kLastClose.addSecs(3600));
    Table other { 40, 5 };
    registerPeriod(other, kToday, 8);
    writeFileBytes(dir.file(kScheduleRecovery), serializeTable(other));
    for (const QString& name : { kMasterRecovery, kScheduleRecovery })
        setModified(dir.file(name), morning);
    startAgain(dialogs::Answer::No);
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_TRUE(run->dialogs().shown[0].text.contains(QStringLiteral("前回の正常終了：2024年5月6日 19:30\r\n")))
        << run->dialogs().shown[0].text.toStdString();
    EXPECT_TRUE(
        run->dialogs().shown[0].text.contains(QStringLiteral("内容：従業員 1 名の登録・変更，勤務期間の登録\r\n")))
        << run->dialogs().shown[0].text.toStdString();
}

TEST_F(RecoveryJournal, AnUnreadableRecoveryFileIsReportedAndLeftAloneForTheWholeRun)
{
    QDir(dir.path()).mkdir(kMasterRecovery); // newer than the data file, and no file to read
    startAgain();
    const QList<dialogs::Shown> shown = run->dialogs().shown;
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].buttons, dialogs::Buttons::Ok);
    EXPECT_TRUE(shown[0].text.contains(kMasterRecovery)) << shown[0].text.toStdString();
    EXPECT_EQ(run->forms().FormMain->state(), TFormMain::State::Normal);

    registerThroughMasterWindow(*run, QStringLiteral("上田"));
    EXPECT_TRUE(QFileInfo(dir.file(kMasterRecovery)).isDir());
    EXPECT_EQ(run->dialogs().shown.size(), 2) << "the registration's own question; the journal tried nothing";
    run->forms().FormMain->close();
    EXPECT_TRUE(QFileInfo(dir.file(kMasterRecovery)).isDir());
    EXPECT_FALSE(QFile::exists(dir.file(kScheduleRecovery)));
    EXPECT_EQ(
        readFileBytes(dir.file(TFormData::kMasterFile)), master + fileLine(sampleEmployee(QStringLiteral("上田"))));
}

// Registering, deleting and registering a period each reach the journal at once; a journal that
// cannot be written is reported once, and the close saves the data files all the same.
TEST_F(RecoveryJournal, EveryCommittedChangeReachesTheJournalAndAFailureIsReportedOnce)
{
    startAgain();
    EXPECT_TRUE(run->dialogs().shown.isEmpty()) << "no journal, no question";
    TFormData& data = *run->forms().FormData;
    const auto journalled = [&](const QString& name, const Table& table) {
        return readFileBytes(dir.file(recoveryFileName(name))) == serializeTable(table);
    };
    registerThroughMasterWindow(*run, QStringLiteral("上田"));
    EXPECT_TRUE(journalled(TFormData::kMasterFile, data.StringGrid1));
    EXPECT_EQ(data.employeeCount(), 3);

    run->dialogs().answer(dialogs::Answer::Yes);
    run->forms().FormMaster->deleteEmployee(QStringLiteral("青木"));
    EXPECT_EQ(data.employeeCount(), 2);
    EXPECT_TRUE(journalled(TFormData::kMasterFile, data.StringGrid1));

    run->forms().FormMaster->close();
    run->forms().FormMain->handOverTo(run->forms().FormTerm);
    auto* periodButton = run->forms().FormTerm->findChild<QPushButton*>(QStringLiteral("SpeedBtn"));
    ASSERT_TRUE(waitFor([&] { return periodButton->isEnabled(); }));
    periodButton->click();
    EXPECT_NE(serializeTable(data.StringGrid2), schedule) << "the filler rows are drawn anew";
    EXPECT_TRUE(journalled(TFormData::kScheduleFile, data.StringGrid2));
    run->forms().FormTerm->close();

    QFile::remove(dir.file(kMasterRecovery));
    QDir(dir.path()).mkdir(kMasterRecovery);
    run->dialogs().shown.clear();
    registerThroughMasterWindow(*run, QStringLiteral("江藤"));
    registerThroughMasterWindow(*run, QStringLiteral("大野"));
    QStringList warnings;
    for (const dialogs::Shown& s : run->dialogs().shown) {
        if (s.kind == dialogs::Kind::Warning)
            warnings << s.text;
    }
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(kMasterRecovery)) << warnings[0].toStdString();
    EXPECT_EQ(data.employeeCount(), 4);

    run->forms().FormMaster->close();
    run->forms().FormMain->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), serializeTable(data.StringGrid1));
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kScheduleFile)), serializeTable(data.StringGrid2));
    EXPECT_FALSE(QFile::exists(dir.file(kScheduleRecovery)));
}
