#include "data/DataFiles.h"
#include "data/LinkForms.h"
#include "data/Unitdata.h"
#include "support/ClosedFolder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("zelrotandata.zel");

class DataFiles : public ::testing::Test {
protected:
    LoadResult load(const QByteArray& bytes, Table& table, LoadLimit limit = LoadLimit::CapacityFlag)
    {
        writeFileBytes(dir.file(kName), bytes);
        return loadTableFile(dir.path(), kName, table, limit);
    }
    QByteArray lines(int count)
    {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out += fileLine(sampleEmployee(QStringLiteral("社員%1").arg(i)));
        return out;
    }
    StartDirectory dir;
    Table master { 44, 30 };
};

} // namespace

TEST_F(DataFiles, AMissingFileIsCreatedEmpty)
{
    const LoadResult r = loadTableFile(dir.path(), kName, master, LoadLimit::CapacityFlag);
    EXPECT_FALSE(r.error);
    EXPECT_TRUE(QFile::exists(dir.file(kName)));
    EXPECT_EQ(QFile(dir.file(kName)).size(), 0);
    EXPECT_TRUE(master.isEmpty());
    EXPECT_TRUE(r.takenCompletely);
}

TEST_F(DataFiles, EmptyFieldsAreSkippedAndLinesMayEndInLfOrCrLf)
{
    load(sjis(QStringLiteral("a,,b,\r\n,山田,,\n\r\nc,")), master);
    EXPECT_EQ(master.cell(0, 0), QStringLiteral("a"));
    EXPECT_EQ(master.cell(1, 0), QStringLiteral("b"));
    EXPECT_EQ(master.cell(2, 0), QString());
    EXPECT_EQ(master.cell(0, 1), QStringLiteral("山田")) << "a leading comma makes no field";
    EXPECT_TRUE(master.cell(0, 2).isEmpty()) << "an empty line is a row with no cells";
    EXPECT_EQ(master.cell(0, 3), QStringLiteral("c")) << "the last line needs no line end";
}

TEST_F(DataFiles, FieldsBeyondTheLastColumnAreIgnored)
{
    QByteArray line;
    for (int i = 0; i < 50; ++i)
        line += QByteArray::number(i) + ',';
    load(line + "\r\n", master);
    EXPECT_EQ(master.cell(43, 0), QStringLiteral("43"));
    EXPECT_FALSE(load(line + "\r\n", master).takenCompletely);
}

TEST_F(DataFiles, ThirtyLinesFitAndAThirtyFirstSetsTheCapacityFlag)
{
    EXPECT_FALSE(load(lines(30), master).capacityExceeded);
    EXPECT_EQ(master.cell(0, 29), QStringLiteral("社員29"));

    Table again { 44, 30 };
    const LoadResult r = load(lines(31), again);
    EXPECT_TRUE(r.capacityExceeded);
    EXPECT_FALSE(r.takenCompletely);
    EXPECT_EQ(again.cell(0, 0), QStringLiteral("社員0"));
    EXPECT_EQ(again.cell(0, 29), QStringLiteral("社員29"));

    Table trailing { 44, 30 };
    EXPECT_TRUE(load(lines(30) + "\r\n", trailing).capacityExceeded) << "a trailing empty line is a 31st line";
}

TEST_F(DataFiles, ScheduleRowsBeyondTheFifthAreIgnored)
{
    Table schedule { 40, 5 };
    const LoadResult r = load("1,\r\n2,\r\n3,\r\n4,\r\n5,\r\n6,\r\n", schedule, LoadLimit::IgnoreExtraRows);
    EXPECT_FALSE(r.capacityExceeded);
    EXPECT_FALSE(r.takenCompletely);
    EXPECT_EQ(schedule.cell(0, 4), QStringLiteral("5"));
}

namespace {

// A full 44-cell line (as the saver writes it) of exactly length bytes before its line end.
QByteArray fullLine(int length)
{
    QByteArray line = "x," + QByteArray(length - 44 * 2 + 1, 'y') + ',';
    for (int c = 2; c < 44; ++c)
        line += "1,";
    return line;
}

struct LongLine {
    const char* what;
    QByteArray line;
    bool taken;
};

} // namespace

// A line may hold 4094 bytes before its line end (the 4096-byte buffer also holds the line
// end and the terminating NUL); a row is taken only if the saver's line for it fits too, so
// every table the loader gives saves into a file that loads back into the same cells.
TEST_F(DataFiles, LongLinesAreTakenOnlyWhenTheirSavedFormFitsTheBuffer)
{
    const LongLine cases[] = {
        { "a full line of 4094 bytes", fullLine(4094), true },
        { "a full line of 4095 bytes", fullLine(4095), false },
        { "one cell saved as 4094 bytes", QByteArray(4050, 'z') + ',', true },
        { "one cell saved as 4095 bytes", QByteArray(4051, 'z') + ',', false },
    };
    for (const LongLine& c : cases) {
        Table table { 44, 30 };
        const LoadResult r = load("first,\r\n" + c.line + "\r\nlast,\r\n", table);
        EXPECT_EQ(table.cell(0, 0), QStringLiteral("first")) << c.what;
        EXPECT_EQ(!table.cell(0, 1).isEmpty(), c.taken) << c.what;
        EXPECT_EQ(!table.cell(0, 2).isEmpty(), c.taken) << c.what << ": lines after a refused one are not taken";
        EXPECT_FALSE(r.takenCompletely) << c.what << ": the short lines are not full rows";

        ASSERT_FALSE(saveTableFile(dir.path(), kName, table, false));
        Table reloaded { 44, 30 };
        EXPECT_TRUE(loadTableFile(dir.path(), kName, reloaded, LoadLimit::CapacityFlag).takenCompletely) << c.what;
        EXPECT_EQ(reloaded, table) << c.what;
    }
}

TEST_F(DataFiles, SavingWritesNamedRowsWithACommaAfterEveryCell)
{
    master.setCell(0, 0, QStringLiteral("甲"));
    master.setCell(0, 1, QStringLiteral("乙"));
    master.setCell(5, 2, QStringLiteral("no name"));
    master.setCell(0, 3, QStringLiteral("丙"));
    ASSERT_FALSE(saveTableFile(dir.path(), kName, master, false));
    const QByteArray bytes = readFileBytes(dir.file(kName));
    const QList<QByteArray> out = bytes.split('\n');
    ASSERT_EQ(out.size(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(out[i].count(','), 44);
        EXPECT_TRUE(out[i].endsWith(",\r"));
    }
    EXPECT_TRUE(out[0].startsWith(sjis(QStringLiteral("甲,"))));
    EXPECT_TRUE(out[2].startsWith(sjis(QStringLiteral("丙,"))));
    EXPECT_FALSE(QFile::exists(dir.file(backupFileName(kName))));
}

TEST_F(DataFiles, ACanonicalFileRoundTripsByteForByte)
{
    QByteArray original = lines(3);
    original += fileLine(sampleEmployee(QStringLiteral("髙橋①ｱｲ")));
    ASSERT_TRUE(load(original, master).takenCompletely);
    ASSERT_FALSE(saveTableFile(dir.path(), kName, master, false));
    EXPECT_EQ(readFileBytes(dir.file(kName)), original);
}

TEST_F(DataFiles, AFileNotTakenCompletelyIsKeptAsABackupWhenReplaced)
{
    TFormData data;
    const QByteArray original = lines(2) + QByteArray(5000, 'z') + "\r\n" + lines(1);
    writeFileBytes(dir.file(TFormData::kMasterFile), original);
    bool capacity = false;
    ASSERT_FALSE(data.loadMaster(dir.path(), capacity));
    ASSERT_FALSE(data.loadSchedule(dir.path()));
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_EQ(readFileBytes(dir.file(backupFileName(TFormData::kMasterFile))), original);
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), lines(2));
    EXPECT_FALSE(QFile::exists(dir.file(backupFileName(TFormData::kScheduleFile))))
        << "a file taken completely needs no backup";

    // The schedule file alike: a sixth line is not taken, so it stays in the backup.
    const QByteArray schedule = QByteArray("2024,") + "\r\n" + QByteArray("1,") + "\r\n";
    const QByteArray sixLines = schedule.repeated(3);
    writeFileBytes(dir.file(TFormData::kScheduleFile), sixLines);
    TFormData again;
    ASSERT_FALSE(again.loadSchedule(dir.path()));
    ASSERT_FALSE(again.saveAll(dir.path()));
    EXPECT_EQ(readFileBytes(dir.file(backupFileName(TFormData::kScheduleFile))), sixLines);
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kScheduleFile)), serializeTable(again.StringGrid2));
}

TEST_F(DataFiles, FailuresNameTheirKindAndLeaveTheOldFileIntact)
{
    QDir(dir.path()).mkdir(kName);
    EXPECT_EQ(loadTableFile(dir.path(), kName, master, LoadLimit::CapacityFlag).error->kind, FileError::Kind::Open);
    EXPECT_EQ(saveTableFile(dir.path(), kName, master, false)->kind, FileError::Kind::Create);
    EXPECT_TRUE(QFileInfo(dir.file(kName)).isDir());

    const QString dangling = QStringLiteral("zelrotandata2.zel");
    QFile::link(dir.file(QStringLiteral("missing/nowhere")), dir.file(dangling));
    const std::optional<FileError> error = ensureFile(dir.path(), dangling);
    EXPECT_EQ(error->kind, FileError::Kind::Create);
    EXPECT_EQ(error->fileName, dangling + QStringLiteral(" → ") + dir.file(QStringLiteral("missing/nowhere")));
    EXPECT_EQ(error->systemError, qt_error_string(ENOENT)) << "the link's target cannot be made";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no temporary file is left behind";
}

TEST_F(DataFiles, OnlyTheTemporariesOfOurOwnSavesAreRemovedNeverACopyTheUserNamed)
{
    const QStringList stale { "zelrotandata.zel.~rotandesk-save-Ab12Cd", "zelrotandata2.zel.~rotandesk-save-XyZ123",
        "zelrotandata.zel.bak.~rotandesk-save-q1w2e3", "zelrotandata2.zel.recover.~rotandesk-save-Qw3Er5" };
    const QStringList kept { "zelrotandata.zel", "zelrotandata.zel.bak", "zelrotandata.zel.notours",
        "zelrotandata.zel.backup", "zelrotandata.zel.202405", "zelrotandata3.zel.copy01", "zelrotandata.zel.Ab12Cd",
        "zelrotandata.zel.abc", "other.txt.~rotandesk-save-abcdef", "zelrotandata9.zel.~rotandesk-save-abcdef",
        "zelrotandata.zel.~rotandesk-save-abcdefg", "zelrotandata.zel.recover",
        "zelrotandata.zel.recover-20240507-084500" };
    for (const QString& name : stale + kept)
        writeFileBytes(dir.file(name), "x");
    removeStaleTemporaries(dir.path(), { TFormData::kMasterFile, TFormData::kScheduleFile, "zelrotandata3.zel" });
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    QStringList expected = kept;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);

    // A save's own temporary carries the mark, so a killed save's leftover is one of the above.
    master.setCell(0, 0, "山田");
    ASSERT_FALSE(saveTableFile(dir.path(), kName, master, true));
    left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, expected) << "a finished save leaves no temporary";
}

TEST_F(DataFiles, ASaveNeverWritesTheFileInPlaceSoAFolderThatTakesNoNewFileFailsWithTheOldFileWhole)
{
    writeFileBytes(dir.file(kName), "old,\r\n");
    QFile::setPermissions(dir.file(kName), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    master.setCell(0, 0, "山田");
    {
        const FolderClosedToNewFiles closed(dir.path());
        const std::optional<FileError> error = saveTableFile(dir.path(), kName, master, false);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, FileError::Kind::Create);
        EXPECT_EQ(error->fileName, kName);
    }
    EXPECT_EQ(readFileBytes(dir.file(kName)), "old,\r\n");
    ASSERT_FALSE(saveTableFile(dir.path(), kName, master, false));
    EXPECT_EQ(QFile::permissions(dir.file(kName)),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser)
        << "the replaced file keeps its permissions";
}

// A data file and its backup that are symbolic links stay links through a save, whatever the
// form of the link: the files they lead to get the bytes (a missing one is created, as a first
// save creates a data file), and no temporary is left beside either. A killed save's temporary
// beside such a file is ours to remove.
TEST_F(DataFiles, ASaveThroughALinkWritesTheFileItLeadsToAndKeepsTheLink)
{
    const QString backupName = backupFileName(kName);
    const QString scheduleName = TFormData::kScheduleFile;
    for (const LinkForm& form : kLinkForms) {
        SCOPED_TRACE(form.what);
        StartDirectory here;
        const QString data = makeLink(here.path(), kName, form, "old,\r\n");
        const QString backup = makeLink(here.path(), backupName, form, "older,\r\n");
        const QString schedule = makeLink(here.path(), scheduleName, form, "2024,\r\n");

        ASSERT_FALSE(saveFile(here.path(), kName, "new,\r\n", true));
        EXPECT_EQ(readFileBytes(data), "new,\r\n");
        EXPECT_EQ(QFile::exists(backup), form.fileExists) << "a missing file has nothing to back up";
        if (form.fileExists) {
            EXPECT_EQ(readFileBytes(backup), "old,\r\n");
        }
        ASSERT_FALSE(saveFile(here.path(), kName, "newer,\r\n", true));
        EXPECT_EQ(readFileBytes(backup), "new,\r\n");
        EXPECT_TRUE(staysLink(here.path(), kName, form));
        EXPECT_TRUE(staysLink(here.path(), backupName, form));
        EXPECT_EQ(temporariesIn(here.path()), QStringList());

        ASSERT_FALSE(ensureFile(here.path(), scheduleName));
        EXPECT_EQ(readFileBytes(schedule), form.fileExists ? "2024,\r\n" : "");
        EXPECT_TRUE(staysLink(here.path(), scheduleName, form));

        const QString stale = schedule + QStringLiteral(".~rotandesk-save-Ab12Cd");
        const QString copy = schedule + QStringLiteral(".copy");
        writeFileBytes(stale, "x");
        writeFileBytes(copy, "x");
        removeStaleTemporaries(here.path(), { kName, scheduleName });
        EXPECT_FALSE(QFile::exists(stale));
        EXPECT_TRUE(QFile::exists(copy));
    }

    // A link that loops, and one into a folder that is not there, fail and change nothing.
    makeSymlink(dir.path(), kName, kName);
    const std::optional<FileError> loop = saveFile(dir.path(), kName, "new,\r\n", true);
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->kind, FileError::Kind::Create);
    EXPECT_EQ(loop->systemError, qt_error_string(ELOOP));
    makeSymlink(dir.path(), dir.file(QStringLiteral("missing/nowhere")), scheduleName);
    const std::optional<FileError> missing = saveFile(dir.path(), scheduleName, "new,\r\n", true);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->kind, FileError::Kind::Create);
    EXPECT_TRUE(QFileInfo(dir.file(kName)).isSymLink());
    EXPECT_TRUE(QFileInfo(dir.file(scheduleName)).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("missing"))));
}
