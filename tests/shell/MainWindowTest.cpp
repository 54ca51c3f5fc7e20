#include "data/Unitdata.h"
#include "period/Unitterm.h"
#include "platform/RichEdit.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    MainWindow()
        : run(QDate(2024, 5, 7))
    {
        run.startUp();
    }
    TFormMain* main() { return run.forms().FormMain; }
    QAction* item(const char* name) { return main()->findChild<QAction*>(QLatin1String(name)); }
    QMenu* menu(const char* name) { return main()->findChild<QMenu*>(QLatin1String(name)); }
    RichEdit* panel(const char* name) { return main()->findChild<RichEdit*>(QLatin1String(name)); }

    StartDirectory dir;
    ProgramRun run;
};

} // namespace

TEST_F(MainWindow, UsageStateIsDisabledWhileTheViewsAreClosed)
{
    ASSERT_EQ(main()->state(), TFormMain::State::SetupNeeded);
    EXPECT_FALSE(item("NDutyList")->isEnabled()) << "no duty list before a normal start";
    item("NState")->setEnabled(true);
    Q_EMIT menu("NAction")->aboutToShow();
    EXPECT_FALSE(item("NState")->isEnabled());
}

TEST_F(MainWindow, OpeningInitialSettingsResetsThePanels)
{
    item("NList")->setEnabled(false);
    panel("RichEdit3")->appendLine(QStringLiteral("x"));
    panel("RichEdit3")->setGeometry(184, 24, 489, 300);
    panel("RichEdit3")->show();
    Q_EMIT menu("NData")->aboutToShow();
    EXPECT_TRUE(item("NList")->isEnabled());
    EXPECT_FALSE(panel("RichEdit3")->isVisible());
    EXPECT_TRUE(panel("RichEdit3")->lines().isEmpty());
    EXPECT_EQ(panel("RichEdit3")->height(), 17);
    EXPECT_FALSE(item("NState")->isEnabled()) << "the status panel is showing";
}

TEST_F(MainWindow, ShowingTheWindowAgainDoesNotRerunTheStartUp)
{
    item("NFirstSet")->trigger();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_TRUE(run.forms().FormTerm->isVisible());
    EXPECT_FALSE(panel("RichEdit1")->isVisible());
    run.forms().FormTerm->close();
    ASSERT_TRUE(main()->isVisible());
    waitFor([] { return false; }, 50);
    EXPECT_TRUE(panel("RichEdit1")->lines().isEmpty());
    EXPECT_EQ(main()->state(), TFormMain::State::SetupNeeded);
}

TEST_F(MainWindow, FixedDialogsShowTheirTextsAndCheckTheirItems)
{
    item("NTitleInfo")->trigger();
    item("NCopyright")->trigger();
    item("N22")->trigger();
    EXPECT_TRUE(item("NTitleInfo")->isChecked());
    EXPECT_TRUE(item("NCopyright")->isChecked());
    const QStringList texts = run.dialogs().texts();
    ASSERT_EQ(texts.size(), 4) << "the rights holder and then the developer";
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("【タイトル説明】\r\n\r\n■ 勤務スケジュール作成支援ソフトウェア")));
    EXPECT_TRUE(texts[0].endsWith(QStringLiteral("□ 看護婦さんの勤務にも最適．")));
    EXPECT_TRUE(texts[3].startsWith(QStringLiteral("【利用方法】\r\n\r\n① 従業員マスタ登録を，最低１件行う．")));
}

TEST_F(MainWindow, ExitHidesThenSavesAndEnds)
{
    run.forms().FormData->StringGrid1.setCell(0, 0, QStringLiteral("新人"));
    item("NExit")->trigger();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_TRUE(readFileBytes(dir.file(TFormData::kMasterFile)).startsWith(sjis(QStringLiteral("新人,"))));
}

TEST_F(MainWindow, TheReminderScrollsLeftAndWrapsAround)
{
    auto* label = main()->findChild<QLabel*>(QStringLiteral("LabelMsg"));
    label->move(30, label->y());
    main()->startPeriodReminder(QStringLiteral("勤務期間終了まで，後３日"));
    ASSERT_TRUE(waitFor([&] { return label->x() == 530; }));
    EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("勤務期間終了まで，後３日"));
    ASSERT_TRUE(waitFor([&] { return label->x() == 280; }));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::yellow));
    main()->hidePeriodReminder();
    const int left = label->x();
    waitFor([] { return false; }, 30);
    EXPECT_EQ(label->x(), left);
    EXPECT_FALSE(label->isVisible());
}

TEST_F(MainWindow, PanelsAndGaugesSayWhatTheyAre)
{
    for (const char* name : { "RichEdit1", "RichEdit2", "RichEdit3", "RichEdit4", "ListBox1", "CGaugeTerm",
             "CGaugeMaster", "CGaugeName", "CGauge5", "CGaugeCost", "LabelMsg" }) {
        QWidget* w = main()->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(w, nullptr) << name;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr) << name;
        const QString accessible = a->text(QAccessible::Name);
        EXPECT_FALSE(accessible.isEmpty()) << name;
        EXPECT_GE(accessible.front().unicode(), 0x3000) << name << ": the name is Japanese";
    }
}
