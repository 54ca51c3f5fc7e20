#include "app/Unittitle.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Pace.h"
#include "platform/RichEdit.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>

namespace {

const QDate kToday(2024, 5, 7);
const QString kSetupCaption = QStringLiteral("ZEL Rotan QX-30   - カルヴェラソフトウェア・ディベロプメント -");
const QString kErrorCaption = QStringLiteral(
    "ZEL Rotan QX-30   - カルヴェラソフトウェア・ディベロプメント -　．．．異常検出！異常検出！異常検出！");
const QString kNormalCaption = QStringLiteral("ZEL Rotan QX-30   - Karvela Software Development -");
const QStringList kNoEmployee = { QString(), QStringLiteral("▼ 初期設定メニューから＜従業員マスタ＞登録必須．"),
    QString(), QStringLiteral("▽ 従業員未登録"), QString(), QStringLiteral("- ZEL ROTAN -") };
const QStringList kNoPeriod = { QString(), QStringLiteral("▼ 初期設定メニューから＜勤務期間設定＞実行必須．"),
    QString(), QStringLiteral("▽ 勤務期間初期設定未実行"), QString(), QStringLiteral("- ZEL ROTAN -") };
const QStringList kRebuild = { QString(), QString(), QStringLiteral("▽△▽△ 初期設定メニューから再構築必要！") };

QByteArray masterFile(int employees)
{
    QByteArray out;
    for (int i = 0; i < employees; ++i)
        out += fileLine(sampleEmployee(QStringLiteral("社員%1").arg(i)));
    return out;
}

QByteArray scheduleFile(QDate start)
{
    Table t { 40, 5 };
    registerPeriod(t, start, 7);
    return serializeTable(t);
}

class Startup : public ::testing::Test {
protected:
    void start()
    {
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
    }
    TFormMain* main() { return run->forms().FormMain; }
    QStringList status() { return main()->findChild<RichEdit*>(QStringLiteral("RichEdit1"))->lines(); }
    bool topEnabled(const char* name)
    {
        return main()->findChild<QMenu*>(QLatin1String(name))->menuAction()->isEnabled();
    }
    QList<bool> topMenus()
    {
        return { topEnabled("NAction"), topEnabled("NData"), topEnabled("NSchedu"), topEnabled("NSum"),
            topEnabled("NInfo") };
    }
    void write(const QString& name, const QByteArray& bytes) { writeFileBytes(dir.file(name), bytes); }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

const QList<bool> kLimitedMenus { true, true, false, false, true };

} // namespace

TEST_F(Startup, WithNoFilesBothAreCreatedAndSetupIsNeeded)
{
    // Before the start-up every item is as closed as its menu: assistive tools reach items
    // without opening their menus.
    run = std::make_unique<ProgramRun>(kToday);
    for (const char* item : { "NState", "NFirstSet", "NscheManth", "NscheChange", "Ncost", "N13" })
        EXPECT_FALSE(main()->findChild<QAction*>(QLatin1String(item))->isEnabled()) << item;
    run.reset();
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::SetupNeeded);
    for (const char* item : { "NscheManth", "NscheChange", "Ncost", "NPeriodCost" })
        EXPECT_FALSE(main()->findChild<QAction*>(QLatin1String(item))->isEnabled()) << item;
    for (const char* item : { "NFirstSet", "NInput", "N13" })
        EXPECT_TRUE(main()->findChild<QAction*>(QLatin1String(item))->isEnabled()) << item;
    main()->findChild<QAction*>(QLatin1String("N13"))->trigger();
    EXPECT_TRUE(run->forms().FormTitle->isVisible()) << "バージョン shows the title window";
    run->forms().FormTitle->close();
    EXPECT_EQ(main()->windowTitle(), kSetupCaption);
    EXPECT_EQ(status(), kNoEmployee + kNoPeriod);
    EXPECT_EQ(topMenus(), kLimitedMenus);
    for (const QString& name : { TFormData::kMasterFile, TFormData::kScheduleFile }) {
        ASSERT_TRUE(QFile::exists(dir.file(name)));
        EXPECT_EQ(QFile(dir.file(name)).size(), 0);
    }
    auto* panel = main()->findChild<RichEdit*>(QStringLiteral("RichEdit1"));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(184, 240, 353, 177));
}

TEST_F(Startup, EmployeesWithoutAPeriodNeedOnlyThePeriod)
{
    write(TFormData::kMasterFile, masterFile(2));
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::SetupNeeded);
    EXPECT_EQ(status(), kNoPeriod);
}

TEST_F(Startup, ValidDataReachesTheNormalState)
{
    write(TFormData::kMasterFile, masterFile(3));
    write(TFormData::kScheduleFile, scheduleFile(kToday));
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::Normal);
    EXPECT_EQ(main()->windowTitle(), kNormalCaption);
    EXPECT_EQ(topMenus(), QList<bool>(5, true));
    EXPECT_TRUE(status().isEmpty());
    EXPECT_TRUE(run->dialogs().shown.isEmpty());
}

TEST_F(Startup, AMasterErrorKeepsTheViewsClosedEvenWhenThePeriodIsValid)
{
    QByteArray master = masterFile(2);
    master.replace(sjis(QStringLiteral("社員1,1000,")), sjis(QStringLiteral("社員1,1x00,")));
    write(TFormData::kMasterFile, master);
    write(TFormData::kScheduleFile, scheduleFile(kToday));
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::DataError);
    EXPECT_EQ(main()->windowTitle(), kErrorCaption);
    EXPECT_EQ(topMenus(), kLimitedMenus);
    EXPECT_EQ(status(),
        (QStringList { QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
             QStringLiteral("■□■■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
             QStringLiteral("■■□■ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー"),
             QStringLiteral("■■■□ [ZEL-SYSTEM-ER-SGD1] 致命的なエラー") }
            + kRebuild));
}

TEST_F(Startup, APeriodOfAnEarlierYearIsADataError)
{
    write(TFormData::kMasterFile, masterFile(1));
    write(TFormData::kScheduleFile, scheduleFile(QDate(2023, 5, 7)));
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::DataError);
    EXPECT_EQ(status(),
        (QStringList { QString(), QString(), QStringLiteral("□■■■ 開始年度が不正です．処理を中断しました．"), QString(),
             QStringLiteral("□■■■ 初期設定から勤務期間を再設定して下さい．") }
            + kRebuild));
}

TEST_F(Startup, AnIncompleteScheduleStopsBeforeThePeriodChecks)
{
    write(TFormData::kMasterFile, masterFile(1));
    QByteArray schedule = scheduleFile(kToday);
    schedule.replace(",999,\r\n", ",\r\n"); // row 0 loses its last cell
    write(TFormData::kScheduleFile, schedule);
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::DataError);
    EXPECT_EQ(status(),
        (QStringList { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-ONEEMP-SGD2] 致命的なエラー") } + kRebuild));
}

TEST_F(Startup, AThirtyFirstLineIsReportedAndTheStartGoesOn)
{
    write(TFormData::kMasterFile, masterFile(31));
    write(TFormData::kScheduleFile, scheduleFile(kToday));
    start();
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_TRUE(run->dialogs().shown[0].text.startsWith(QStringLiteral("▼ ３０人分のデータのみキャプチャしました．")));
    EXPECT_EQ(main()->state(), TFormMain::State::Normal);
    EXPECT_EQ(run->forms().FormData->employeeCount(), 30);
}

TEST_F(Startup, ClosingSavesBothFilesByteForByte)
{
    const QByteArray master = masterFile(3);
    const QByteArray schedule = scheduleFile(kToday);
    write(TFormData::kMasterFile, master);
    write(TFormData::kScheduleFile, schedule);
    start();
    main()->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), master);
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kScheduleFile)), schedule);
    EXPECT_FALSE(QFile::exists(dir.file(backupFileName(TFormData::kMasterFile))));
}

namespace {

ino_t inodeOf(const QString& path)
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

struct ClosePoint {
    const char* when;
    QString caption; // the close is asked for as this caption appears; empty: right after showing
    bool masterWritten;
    bool scheduleWritten;
};

} // namespace

// A close at any moment of the start-up writes only the tables that were loaded: a pause
// finishes its step first, a close between two steps stops the sequence there.
TEST_F(Startup, AClosingAtAnyMomentWritesOnlyTheFilesThatWereRead)
{
    const auto progress
        = [](int dots) { return QStringLiteral("▽ ZEL SECURITY CHECK RUNNING") + QString(dots, u'．'); };
    const ClosePoint points[] = {
        { "before step 1", QString(), false, false },
        { "in a pause of step 1", QStringLiteral("Karvela Software Development ⇒ Rotan"), true, false },
        { "between steps 1 and 2", progress(8), true, false },
        { "in a pause of step 2", progress(7), true, true },
        { "between steps 2 and 3", progress(11), true, true },
        { "in a pause of step 3", progress(15), true, true },
        { "after the start-up", kNormalCaption, true, true },
    };
    const QByteArray master = masterFile(3);
    const QByteArray schedule = scheduleFile(kToday);
    pace::setScale(0.01); // real pauses and timer gaps, a hundred times shorter
    for (const ClosePoint& point : points) {
        write(TFormData::kMasterFile, master);
        write(TFormData::kScheduleFile, schedule);
        const ino_t masterInode = inodeOf(dir.file(TFormData::kMasterFile));
        const ino_t scheduleInode = inodeOf(dir.file(TFormData::kScheduleFile));
        run = std::make_unique<ProgramRun>(kToday);
        bool asked = false;
        QObject::connect(main(), &QWidget::windowTitleChanged, main(), [&](const QString& title) {
            if (!asked && title == point.caption) {
                asked = true;
                QTimer::singleShot(0, main(), [this] { main()->close(); });
            }
        });
        main()->show();
        if (point.caption.isEmpty())
            main()->close();
        ASSERT_TRUE(waitFor([&] { return !main()->isVisible(); })) << point.when;
        waitFor([] { return false; }, 50); // a stopped sequence must stay stopped
        EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), master) << point.when;
        EXPECT_EQ(readFileBytes(dir.file(TFormData::kScheduleFile)), schedule) << point.when;
        EXPECT_EQ(inodeOf(dir.file(TFormData::kMasterFile)) != masterInode, point.masterWritten) << point.when;
        EXPECT_EQ(inodeOf(dir.file(TFormData::kScheduleFile)) != scheduleInode, point.scheduleWritten) << point.when;
        run.reset();
    }
    pace::setScale(0);
}

TEST_F(Startup, AfterAMasterErrorClosingKeepsBothFilesAndTheMenusWaitForTheSequence)
{
    QByteArray master = masterFile(2);
    master.replace(sjis(QStringLiteral("社員1,1000,")), sjis(QStringLiteral("社員1,11a0,")));
    const QByteArray schedule = scheduleFile(kToday);
    write(TFormData::kMasterFile, master);
    write(TFormData::kScheduleFile, schedule);
    run = std::make_unique<ProgramRun>(kToday);
    QList<bool> menusAtStep2;
    QObject::connect(main(), &QWidget::windowTitleChanged, main(), [&](const QString& title) {
        if (title == QStringLiteral("▽ ZEL SECURITY CHECK RUNNING．．．．．．．"))
            menusAtStep2 = topMenus();
    });
    run->startUp();
    EXPECT_EQ(menusAtStep2, QList<bool>(5, false)) << "no window may change a table before it is loaded";
    EXPECT_EQ(topMenus(), kLimitedMenus);
    main()->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), master);
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kScheduleFile)), schedule);
}

// The exit-code-1 paths run the real program in a child process.
using StartupDeathTest = Startup;

TEST_F(StartupDeathTest, AFileThatCannotBeCreatedEndsTheProgram)
{
    QFile::link(dir.file(QStringLiteral("gone/nowhere")), dir.file(TFormData::kMasterFile));
    const QString cause
        = QStringLiteral("ZEL Rotan File, It's gone！・・・異常終了！ .*gone/nowhere: ") + qt_error_string(ENOENT);
    EXPECT_EXIT(start(), ::testing::ExitedWithCode(1), cause.toStdString());
}

TEST_F(StartupDeathTest, AFileThatCannotBeOpenedEndsTheProgram)
{
    write(TFormData::kMasterFile, masterFile(1));
    QDir(dir.path()).mkdir(TFormData::kScheduleFile);
    EXPECT_EXIT(start(), ::testing::ExitedWithCode(1), "ZEL Rotan Series File OPEN 失敗・・・");
}

TEST_F(StartupDeathTest, AFailedSaveEndsTheProgramAndKeepsThePreviousFile)
{
    const QByteArray master = masterFile(3);
    write(TFormData::kMasterFile, master);
    write(TFormData::kScheduleFile, scheduleFile(kToday));
    const auto closeWithFullDisk = [this] {
        start();
        run->forms().FormData->StringGrid1.setCell(0, 3, QStringLiteral("新人"));
        // No file may grow beyond 256 bytes: the new master file cannot be written whole.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 256, RLIM_INFINITY };
        setrlimit(RLIMIT_FSIZE, &limit);
        main()->close();
    };
    EXPECT_EXIT(closeWithFullDisk(), ::testing::ExitedWithCode(1), "環境設定時エラー");
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), master);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left behind";
}
