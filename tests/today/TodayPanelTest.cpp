// The today panel through the real windows: the list after start-up, the reminder, and
// the hand-over to the main window's duty list.
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Clock.h"
#include "platform/RichEdit.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"
#include "today/Unitinfo.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A period registered on 7 May 2024 ends on 15 June.
const QDate kPeriodStart(2024, 5, 7);
const QDate kMonday(2024, 6, 10);

class TodayPanel : public ::testing::Test {
protected:
    void start(QDate today, const QDateTime& panelClock = {})
    {
        QStringList dayOff = sampleEmployee("佐藤");
        dayOff[2] = "公休";
        QStringList longer = sampleEmployee("鈴木");
        longer[1] = "1200";
        longer[37] = "465"; // Monday 7 h 45 min
        writeFileBytes(
            dir.file(TFormData::kMasterFile), fileLine(sampleEmployee("山田")) + fileLine(dayOff) + fileLine(longer));
        Table schedule { 40, 5 };
        registerPeriod(schedule, kPeriodStart, 7);
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
        run = std::make_unique<ProgramRun>(today);
        if (panelClock.isValid())
            clock_::setNow(panelClock);
        run->startUp();
        ASSERT_EQ(main()->state(), TFormMain::State::Normal);
        ASSERT_TRUE(waitFor([this] { return button()->isVisible(); }));
    }
    TFormMain* main() { return run->forms().FormMain; }
    TFormInfo* panel() { return run->forms().FormInfo; }
    QPushButton* button() { return panel()->findChild<QPushButton*>("Button1"); }
    RichEdit* dutyPanel() { return main()->findChild<RichEdit*>("RichEdit2"); }
    QLabel* reminder() { return main()->findChild<QLabel*>("LabelMsg"); }
    bool listDone() { return main()->findChild<QAction*>("NAllCopy")->isEnabled(); }
    QColor panelText() { return panel()->findChild<RichEdit*>("RichEdit1")->palette().color(QPalette::Text); }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

} // namespace

TEST_F(TodayPanel, StartListsTodaysWorkersAndDetailsGiveTheDutyListWithPay)
{
    start(kMonday);
    EXPECT_EQ(panel()->lines(),
        (QStringList { "■ 2024年6月10日 （月）", "", "---月曜日の勤務者---", QString(), "□ 山田", "□ 鈴木", "",
            "合計 2 名 出勤", "--------------------", QString() }));
    EXPECT_EQ(main()->todayWeekdayCode(), 2);
    EXPECT_EQ(panel()->geometry().right(), main()->geometry().right());
    ASSERT_TRUE(waitFor([this] { return reminder()->isVisible(); }));
    EXPECT_EQ(reminder()->text(), "勤務期間終了まで，後５日");

    QTest::mouseClick(button(), Qt::LeftButton);
    EXPECT_FALSE(button()->isVisible());
    EXPECT_EQ(panel()->pos(), QPoint(0, 0));
    EXPECT_EQ(dutyPanel()->height(), 260);
    EXPECT_FALSE(reminder()->isVisible());
    ASSERT_TRUE(waitFor([this] { return listDone(); }));
    const QStringList lines = dutyPanel()->lines();
    EXPECT_EQ(lines.mid(0, 5), (QStringList { "", "■ 2024年6月10日 （月）", "", "〇 山田", "出 9:00" }));
    EXPECT_TRUE(lines.contains("☆ 佐藤"));
    EXPECT_TRUE(lines.contains("本日給料 9600円"));
    EXPECT_TRUE(lines.contains("◇ 本日勤務者合計 ⇒ 2 人"));
    EXPECT_TRUE(lines.contains("◆ 本日人件費合計 ⇒ 17100 円"));
    EXPECT_TRUE(main()->findChild<QMenu*>("NSum")->menuAction()->isEnabled());
}

// "本日の勤務者一覧" gives the list of "詳 細" again, also once the button is gone for good, and
// the totals count each list on its own.
TEST_F(TodayPanel, TheMenuGivesTheSameDutyListAgainOnceTheButtonIsGone)
{
    start(kMonday);
    button()->click();
    ASSERT_TRUE(waitFor([this] { return listDone(); }));
    const QStringList byButton = dutyPanel()->lines();
    main()->findChild<QAction*>("Ncost")->trigger();
    ASSERT_TRUE(waitFor([this] { return listDone(); }));
    EXPECT_FALSE(dutyPanel()->isVisible());

    QAction* item = main()->findChild<QAction*>("NDutyList");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_FALSE(main()->findChild<QMenu*>("NAction")->menuAction()->isEnabled()) << "the menus close while it runs";
    EXPECT_EQ(dutyPanel()->height(), 260);
    ASSERT_TRUE(waitFor([this] { return listDone(); }));
    EXPECT_EQ(dutyPanel()->lines(), byButton);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(button()->isVisible());
}

TEST_F(TodayPanel, TheWeekdayIsThatOfTheStartUpDateEvenAfterMidnight)
{
    // Started on Sunday; by the time the panel is built the clock has passed midnight.
    start(QDate(2024, 6, 9), QDateTime(kMonday, QTime(0, 0, 1)));
    EXPECT_EQ(main()->todayWeekdayCode(), 1);
    EXPECT_EQ(panel()->lines().mid(0, 3), (QStringList { "■ 2024年6月9日 （日）", "", "---日曜日の勤務者---" }));
    EXPECT_TRUE(panel()->lines().contains("合計 0 名 出勤"));
    button()->click();
    ASSERT_TRUE(waitFor([this] { return listDone(); }));
    EXPECT_TRUE(dutyPanel()->lines().contains("◇ 本日勤務者合計 ⇒ 0 人"));
}

// A report started without its menu opening (as an assistive tool can) resets the panels like
// the menu would: the details are withdrawn and the two lists never share the panels.
TEST_F(TodayPanel, AReportStartedWithoutItsMenuWithdrawsTheDetails)
{
    start(kMonday);
    main()->findChild<QAction*>("Ncost")->trigger();
    EXPECT_FALSE(button()->isVisible());
    EXPECT_FALSE(button()->isEnabled());
    ASSERT_TRUE(waitFor([this] { return listDone(); }));
    EXPECT_TRUE(
        main()->findChild<RichEdit*>("RichEdit4")->lines().constLast().contains(QStringLiteral("週間人件費集計額")));
    EXPECT_FALSE(dutyPanel()->isVisible());
}

TEST_F(TodayPanel, OpeningATopMenuWithdrawsTheButtonForGood)
{
    start(kMonday);
    Q_EMIT main()->findChild<QMenu*>("NSum")->aboutToShow();
    waitFor([] { return false; }, 50);
    EXPECT_FALSE(button()->isVisible());
    EXPECT_FALSE(button()->isEnabled());
}

TEST_F(TodayPanel, MaximisedThePanelHidesItsButtonAndWritesWhite)
{
    start(kMonday);
    EXPECT_EQ(panelText(), QColor(0, 0, 255));
    panel()->showMaximized();
    ASSERT_TRUE(waitFor([this] { return !button()->isVisible(); }));
    EXPECT_EQ(panelText(), QColor(Qt::white));
    panel()->showNormal();
    ASSERT_TRUE(waitFor([this] { return button()->isVisible() && button()->isEnabled(); }));
    panel()->move(panel()->x(), main()->y() + 18);
    ASSERT_TRUE(waitFor([this] { return panelText() == QColor(Qt::yellow); })) << "moved away from the main window";
}
