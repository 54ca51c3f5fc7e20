#include "ChangesTestData.h"
#include "changes/ChangeFile.h"
#include "data/DataFiles.h"
#include "platform/RichEdit.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 5, 12); // a Tuesday

class ChangeStartup : public ::testing::Test {
protected:
    ChangeStartup()
    {
        Table schedule { 40, 5 };
        registerPeriod(schedule, kToday, 7);
        writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(employee("山田")) + fileLine(employee("佐藤")));
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
    }
    void start()
    {
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
    }
    TFormMain* main() { return run->forms().FormMain; }
    QString changeFile() const { return dir.file(TFormData::kChangeFile); }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

} // namespace

TEST_F(ChangeStartup, LinesLeftOutAreToldOnceAndTheRestTakesEffectInEveryViewOfToday)
{
    const QByteArray good = sjis("山田,2026,5,12,休み,0,00,0,00,0,\r\n");
    const QByteArray original = good + sjis("佐藤,2026,2,30,休み,0,00,0,00,0,\r\n佐藤,2026,5,12,\r\n");
    writeFileBytes(changeFile(), original);
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::Normal);
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_EQ(run->dialogs().shown[0].kind, dialogs::Kind::Warning);
    EXPECT_EQ(run->dialogs().shown[0].text,
        changefile::rejectedLinesMessage({ { 2, "日付が存在しません" }, { 3, "項目数が10ではありません" } }));
    ASSERT_TRUE(waitFor([this] { return run->forms().FormInfo->lines().join("\n").contains("合計"); }));
    const QStringList panel = run->forms().FormInfo->lines();
    EXPECT_FALSE(panel.contains("□ 山田"));
    EXPECT_TRUE(panel.contains("□ 佐藤"));

    const auto open = [this](const char* item, ViewWindow* view) {
        main()->findChild<QAction*>(item)->trigger();
        EXPECT_TRUE(waitFor([view] { return view->isReady(); })) << item;
        const QStringList lines = view->findChild<RichEdit*>("RichEdit1")->lines();
        view->close();
        return lines;
    };
    EXPECT_TRUE(open("NscheManth", run->forms().FormSchedu).contains("　5/12（火） 山田 ： 〇 ⇒ ×"));
    EXPECT_TRUE(open("NscheDay", run->forms().FormTime).contains(QString(25, u'□') + "　  【山田】  ＜休み＞"));

    run->forms().FormInfo->findChild<QPushButton*>("Button1")->click();
    RichEdit* duty = main()->findChild<RichEdit*>("RichEdit2");
    ASSERT_TRUE(waitFor([duty] { return duty->lines().join("\n").contains("本日人件費合計"); }));
    EXPECT_TRUE(duty->lines().contains("× 山田"));
    EXPECT_TRUE(duty->lines().contains("◇ 本日勤務者合計 ⇒ 1 人"));

    main()->close();
    EXPECT_EQ(readFileBytes(changeFile()), good);
    EXPECT_EQ(readFileBytes(changeFile() + ".bak"), original);
}

TEST_F(ChangeStartup, AfterADataErrorOrAnUnreadableFileTheChangesAreLeftAlone)
{
    const QByteArray changes = sjis("山田,2026,5,12,休み,0,00,0,00,0,\r\n");
    writeFileBytes(changeFile(), changes);
    QStringList broken = employee("山田");
    broken[2] = "勤務";
    writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(broken));
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::DataError);
    EXPECT_TRUE(run->dialogs().shown.isEmpty());
    EXPECT_TRUE(run->forms().FormData->dayChanges.isEmpty());
    main()->close();
    EXPECT_EQ(readFileBytes(changeFile()), changes);
    run.reset();

    QFile::remove(changeFile());
    ASSERT_TRUE(QDir(dir.path()).mkdir(TFormData::kChangeFile));
    writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(employee("山田")));
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::Normal);
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_TRUE(
        run->dialogs().shown[0].text.startsWith("▼ 勤務変更ファイル zelrotandata3.zel を読み込めませんでした．"));
    EXPECT_FALSE(main()->findChild<QAction*>("NscheChange")->isEnabled()) << "changes it could never save";
    EXPECT_TRUE(main()->findChild<QAction*>("NscheManth")->isEnabled());
    run->forms().FormData->dayChanges.set("山田", kToday, dayOff("休み"));
    main()->close();
    EXPECT_TRUE(QFileInfo(changeFile()).isDir());
}
