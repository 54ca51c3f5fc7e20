#include "ChangesTestData.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QDate kDate(2026, 5, 12);
const QByteArray kLine = sjis("山田,2026,5,12,休み,0,00,0,00,0,\r\n");

class ChangeStore : public ::testing::Test {
protected:
    QString file() const { return dir.file(TFormData::kChangeFile); }
    QString backup() const { return dir.file(TFormData::kChangeFile + ".bak"); }

    StartDirectory dir;
    TFormData data;
};

} // namespace

TEST_F(ChangeStore, AMissingFileIsCreatedOnlyWhenThereIsAChangeToWrite)
{
    const TFormData::FileLoad load = data.loadExtension(dir.path(), TFormData::kChangeFile);
    EXPECT_FALSE(load.error);
    EXPECT_TRUE(load.rejected.isEmpty());
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_FALSE(QFile::exists(file()));

    data.dayChanges.set("山田", kDate, dayOff("休み"));
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_EQ(readFileBytes(file()), kLine);
    EXPECT_FALSE(QFile::exists(backup()));
}

TEST_F(ChangeStore, LinesLeftOutKeepTheFilesBytesInTheBackup)
{
    const QByteArray original = kLine + sjis("佐藤,2026,2,30,休み,0,00,0,00,0,\r\n");
    writeFileBytes(file(), original);
    const TFormData::FileLoad load = data.loadExtension(dir.path(), TFormData::kChangeFile);
    EXPECT_EQ(load.rejected, QList<RejectedLine>({ { 2, "日付が存在しません" } }));
    EXPECT_EQ(data.dayChanges.size(), 1);

    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_EQ(readFileBytes(backup()), original);
    EXPECT_EQ(readFileBytes(file()), kLine);
}

TEST_F(ChangeStore, AFileReadWholeIsRewrittenWithoutBackupAndEmptiedWhenNoChangeIsLeft)
{
    writeFileBytes(file(), kLine);
    ASSERT_FALSE(data.loadExtension(dir.path(), TFormData::kChangeFile).error);
    EXPECT_TRUE(data.dayChanges.remove("山田", kDate));
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_TRUE(readFileBytes(file()).isEmpty());
    EXPECT_FALSE(QFile::exists(backup()));

    // A file in another order reads whole but is not the saver's form: its bytes are kept too.
    const QByteArray unsorted = sjis("佐藤,2026,5,13,休み,0,00,0,00,0,\r\n") + kLine;
    writeFileBytes(file(), unsorted);
    ASSERT_TRUE(data.loadExtension(dir.path(), TFormData::kChangeFile).rejected.isEmpty());
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_EQ(readFileBytes(backup()), unsorted);
    EXPECT_EQ(readFileBytes(file()), kLine + sjis("佐藤,2026,5,13,休み,0,00,0,00,0,\r\n"));
}

TEST_F(ChangeStore, AFileNotReadOrUnreadableIsNeverWritten)
{
    writeFileBytes(file(), "garbage");
    data.dayChanges.set("山田", kDate, dayOff("休み"));
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_EQ(readFileBytes(file()), "garbage");

    QFile::remove(file());
    ASSERT_TRUE(QDir(dir.path()).mkdir(TFormData::kChangeFile));
    const TFormData::FileLoad load = data.loadExtension(dir.path(), TFormData::kChangeFile);
    ASSERT_TRUE(load.error);
    EXPECT_EQ(load.error->kind, FileError::Kind::Open);
    EXPECT_TRUE(data.dayChanges.isEmpty());
    data.dayChanges.set("山田", kDate, dayOff("休み"));
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_TRUE(QFileInfo(file()).isDir());
    EXPECT_FALSE(QFile::exists(backup()));
}
