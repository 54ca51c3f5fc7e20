#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "period/Unitterm.h"
#include "platform/Clock.h"
#include "platform/RichEdit.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList kOpenLines = { QString(), QStringLiteral("【本日】 2024年 5月 7日"), QString(),
    QStringLiteral("◆ 本日以降，最長４０日間の勤務スケジュール表を作成します．"), QString(), QString(), QString(),
    QStringLiteral("☆ 勤務開始： 2024/5/7"), QStringLiteral("★ 勤務終了： 2024/6/15"), QString(),
    QStringLiteral("- 40日間 -"), QString(), QString(),
    QStringLiteral("※ 勤務開始日が，本日からと固定ですが，ご都合の日に合わせ何度でも実行可能です．"), QString() };

class PeriodWindow : public ::testing::Test {
protected:
    explicit PeriodWindow(QDate today = QDate(2024, 5, 7))
        : run(today)
    {
    }
    TFormTerm* term() { return run.forms().FormTerm; }
    RichEdit* memo() { return term()->findChild<RichEdit*>(QStringLiteral("Memo1")); }
    QPushButton* execute() { return term()->findChild<QPushButton*>(QStringLiteral("SpeedBtn")); }
    QAction* saveItem() { return term()->findChild<QAction*>(QStringLiteral("NtermSave")); }
    void open()
    {
        run.forms().FormMain->handOverTo(term());
        ASSERT_TRUE(waitFor([this] { return memo()->lines().size() == kOpenLines.size(); }));
    }

    StartDirectory dir;
    ProgramRun run;
};

} // namespace

TEST_F(PeriodWindow, ShowsTodayAndThePeriodTheSameWayEachTime)
{
    EXPECT_FALSE(execute()->isEnabled());
    EXPECT_FALSE(saveItem()->isEnabled());
    open();
    EXPECT_EQ(memo()->lines(), kOpenLines);
    EXPECT_EQ(term()->findChild<QLabel*>(QStringLiteral("PanelToday"))->text(), QStringLiteral("2024年 5月 7日"));
    EXPECT_EQ(term()->periodDayCount(), 40);
    EXPECT_TRUE(saveItem()->isEnabled());

    term()->close();
    EXPECT_TRUE(run.forms().FormMain->isVisible());
    EXPECT_TRUE(memo()->lines().isEmpty());
    EXPECT_TRUE(term()->findChild<QLabel*>(QStringLiteral("PanelToday"))->text().isEmpty());
    open();
    EXPECT_EQ(memo()->lines(), kOpenLines);
}

TEST_F(PeriodWindow, RegisteringFillsTheScheduleAndReports)
{
    open();
    QTest::mouseClick(execute(), Qt::LeftButton);
    EXPECT_EQ(memo()->lines(),
        (QStringList { QString(), QString(), QStringLiteral("★☆☆ 勤務期間設定確定完了 ☆★☆"), QString(), QString(),
            QString(), QStringLiteral("【期 間】"), QString(), QStringLiteral("2024年5月7日 ～ 2024年6月15日"),
            QString(), QStringLiteral("～ 40 日間 ～"), QString(), QString(), QString(), QString(),
            QStringLiteral("ZEL Rotan Series") }));
    EXPECT_FALSE(execute()->isEnabled());
    EXPECT_FALSE(saveItem()->isEnabled());
    EXPECT_FALSE(run.forms().FormMain->findChild<QLabel*>(QStringLiteral("LabelMsg"))->isVisible());
    EXPECT_EQ(run.forms().FormData->StringGrid2.cell(6, 0), QStringLiteral("40"));
}

TEST_F(PeriodWindow, TheUsageMessageSaysTheLengthIsFixed)
{
    term()->findChild<QAction*>(QStringLiteral("N2"))->trigger();
    ASSERT_EQ(run.dialogs().shown.size(), 1);
    EXPECT_EQ(run.dialogs().shown[0].kind, dialogs::Kind::Custom);
    EXPECT_TRUE(run.dialogs().shown[0].text.startsWith(QStringLiteral("【勤務期間決定】\r\n\r\n■ 本日より")));
}

class PeriodWindowPastMidnight : public PeriodWindow {
protected:
    PeriodWindowPastMidnight()
        : PeriodWindow(QDate(2024, 5, 7))
    {
        clock_::setNow(QDateTime(QDate(2024, 5, 8), QTime(0, 5)));
    }
};

TEST_F(PeriodWindowPastMidnight, KeepsTheStartUpDateAndItsWeekdays)
{
    EXPECT_EQ(term()->startupDate(), QDate(2024, 5, 7));
    open();
    EXPECT_EQ(memo()->lines().value(1), QStringLiteral("【本日】 2024年 5月 7日"));
    QTest::mouseClick(execute(), Qt::LeftButton);
    const Table& schedule = run.forms().FormData->StringGrid2;
    EXPECT_EQ(schedule.cell(2, 0), QStringLiteral("7"));
    EXPECT_EQ(schedule.cell(0, 2), QStringLiteral("3")) << "7 May 2024, a Tuesday, whatever the clock says now";
}

// The period registered on 7 May runs to 15 June, 山田 has a change on 10 May; the program starts
// on 20 May.
void writeMayFiles(const StartDirectory& dir)
{
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2024, 5, 7), 1);
    writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(sampleEmployee(QStringLiteral("山田"))));
    writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
    writeFileBytes(dir.file(TFormData::kChangeFile), sjis(QStringLiteral("山田,2024,5,10,休み,0,00,0,00,0,\r\n")));
}

TEST(PeriodWindowAndChanges, AsksBeforeChangesFallOutsideTheNewPeriodAndNoRegistersNothing)
{
    // On 20 May the change of 10 May would fall outside the new period: the kept days' file cannot
    // be read (a folder has its name), so 10 May is not kept.
    StartDirectory dir;
    writeMayFiles(dir);
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2024, 5, 7), 1);
    ASSERT_TRUE(QDir().mkdir(dir.file(TFormData::kHistoryFile)));
    ProgramRun run(QDate(2024, 5, 20));
    run.startUp();
    ASSERT_EQ(run.forms().FormMain->state(), TFormMain::State::Normal);
    TFormTerm* term = run.forms().FormTerm;
    auto* execute = term->findChild<QPushButton*>(QStringLiteral("SpeedBtn"));
    const Table& table = run.forms().FormData->StringGrid2;
    const auto open = [&] {
        run.forms().FormMain->handOverTo(term);
        ASSERT_TRUE(waitFor([&] { return execute->isEnabled(); }));
    };
    const qsizetype messagesBefore = run.dialogs().shown.size();

    open();
    QTest::mouseClick(execute, Qt::LeftButton); // answered No
    ASSERT_EQ(run.dialogs().shown.size(), messagesBefore + 1);
    const dialogs::Shown question = run.dialogs().shown.last();
    EXPECT_EQ(question.kind, dialogs::Kind::Warning);
    EXPECT_EQ(question.buttons, dialogs::Buttons::YesNo);
    EXPECT_TRUE(question.text.startsWith(QStringLiteral("▼ 勤務変更 1 件が，新しい勤務期間の外になります．")));
    EXPECT_EQ(table, schedule) << "No registers nothing";
    EXPECT_TRUE(execute->isEnabled());

    run.dialogs().answer(dialogs::Answer::Yes);
    run.dialogs().answer(dialogs::Answer::Yes); // and to the days not kept
    QTest::mouseClick(execute, Qt::LeftButton);
    ASSERT_EQ(run.dialogs().shown.size(), messagesBefore + 3);
    EXPECT_TRUE(run.dialogs().shown.last().text.startsWith(
        QStringLiteral("▼ 過去の勤務のファイル zelrotandata8.zel を読み込めなかったため，")));
    EXPECT_EQ(table.cell(2, 0), QStringLiteral("20"));
    EXPECT_FALSE(execute->isEnabled());
    EXPECT_TRUE(run.forms().FormData->keptSchedule.isEmpty());

    // The change is outside already: registering again asks nothing.
    term->close();
    open();
    QTest::mouseClick(execute, Qt::LeftButton);
    EXPECT_EQ(run.dialogs().shown.size(), messagesBefore + 3);
    EXPECT_FALSE(execute->isEnabled()) << "registered";
}

TEST(PeriodWindowAndChanges, TheDaysBeforeTheNewPeriodAreKeptWithTheirChangesAndSaved)
{
    StartDirectory dir;
    writeMayFiles(dir);
    ProgramRun run(QDate(2024, 5, 20));
    run.startUp();
    ASSERT_EQ(run.forms().FormMain->state(), TFormMain::State::Normal);
    TFormTerm* term = run.forms().FormTerm;
    auto* execute = term->findChild<QPushButton*>(QStringLiteral("SpeedBtn"));
    run.forms().FormMain->handOverTo(term);
    ASSERT_TRUE(waitFor([&] { return execute->isEnabled(); }));
    const qsizetype messagesBefore = run.dialogs().shown.size();
    QTest::mouseClick(execute, Qt::LeftButton);
    EXPECT_EQ(run.dialogs().shown.size(), messagesBefore) << "nothing falls outside: 7 to 19 May are kept";
    EXPECT_EQ(run.forms().FormData->StringGrid2.cell(2, 0), QStringLiteral("20"));

    TFormData& data = *run.forms().FormData;
    ASSERT_EQ(data.keptSchedule.days().size(), 13);
    EXPECT_EQ(data.keptSchedule.on(QDate(2024, 5, 10)).value(0).entry,
        (DayEntry { "休み", "0", "00", "0", "00", "0", true }));
    ASSERT_FALSE(data.saveAll(dir.path()));
    EXPECT_TRUE(readFileBytes(dir.file(TFormData::kHistoryFile))
                    .contains(sjis(QStringLiteral("山田,2024,5,10,0,1000,休み,0,00,0,00,0,1,,\r\n"))));
}
