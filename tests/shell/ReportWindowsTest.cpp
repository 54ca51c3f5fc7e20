// The main window's reports as a user opens them from the menus, with the pace at 0.
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Gauge.h"
#include "platform/RichEdit.h"
#include "reports/QRListFormLinePrn.h"
#include "shell/Reports.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Reports : public ::testing::Test {
protected:
    // Two employees and a period from 7 May to 15 June 2024 (40 days).
    void start(QDate today = QDate(2024, 6, 10), int employees = 2)
    {
        QByteArray master;
        for (int i = 0; i < employees; ++i)
            master += fileLine(sampleEmployee(QStringLiteral("社員%1").arg(i)));
        writeFileBytes(dir.file(TFormData::kMasterFile), master);
        Table schedule { 40, 5 };
        registerPeriod(schedule, QDate(2024, 5, 7), 7);
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
        run = std::make_unique<ProgramRun>(today);
        run->startUp();
    }
    TFormMain* main() { return run->forms().FormMain; }
    const Table& master() { return run->forms().FormData->StringGrid1; }
    QAction* item(const char* name) { return main()->findChild<QAction*>(QLatin1String(name)); }
    void open(const char* menu) { Q_EMIT main()->findChild<QMenu*>(QLatin1String(menu))->aboutToShow(); }
    RichEdit* panel(const char* name) { return main()->findChild<RichEdit*>(QLatin1String(name)); }
    Gauge* gauge(const char* name) { return main()->findChild<Gauge*>(QLatin1String(name)); }
    bool reportDone() { return item("NAllCopy")->isEnabled(); }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

} // namespace

TEST_F(Reports, UsageStateShowsBothGaugesUntilTheNextMenu)
{
    start();
    open("NAction");
    item("NState")->trigger();
    EXPECT_TRUE(run->dialogs().shown.isEmpty());
    EXPECT_FALSE(item("NState")->isEnabled());
    EXPECT_TRUE(gauge("CGaugeTerm")->isVisible());
    EXPECT_EQ(gauge("CGaugeTerm")->maximum(), 40);
    EXPECT_EQ(gauge("CGaugeTerm")->value(), 40 + 10 - 15);
    EXPECT_EQ(gauge("CGaugeMaster")->value(), 2);
    EXPECT_EQ(gauge("CGaugeMaster")->maximum(), 30);
    open("NSum");
    EXPECT_FALSE(gauge("CGaugeTerm")->isVisible());
    EXPECT_TRUE(item("NState")->isEnabled());
}

TEST_F(Reports, UsageStateOnThePeriodsLastDayAsksForRenewal)
{
    start(QDate(2024, 6, 15));
    item("NState")->trigger();
    const QList<dialogs::Shown>& shown = run->dialogs().shown;
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].kind, dialogs::Kind::Error);
    EXPECT_TRUE(shown[0].text.startsWith("【勤務期間未更新エラー】"));
    EXPECT_EQ(shown[1].kind, dialogs::Kind::Plain);
    EXPECT_TRUE(gauge("CGaugeMaster")->isVisible());
}

TEST_F(Reports, WeeklyCostFillsTheGreenPanelAndAResetNarrowsIt)
{
    start();
    item("Ncost")->trigger();
    EXPECT_EQ(panel("RichEdit4")->width(), 630);
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    shell::CostTotals totals;
    const QString first = shell::costLine(master(), 0, totals);
    const QString second = shell::costLine(master(), 1, totals);
    EXPECT_EQ(panel("RichEdit4")->lines(), (QStringList { "", first, second, "", shell::costClosingLine(totals) }));
    EXPECT_TRUE(panel("RichEdit4")->lines().last().endsWith("⇒ ¥75000"));
    EXPECT_FALSE(gauge("CGaugeCost")->isVisible());
    EXPECT_TRUE(item("Ncost")->isChecked());

    // The popup's colour and style go to the first visible panel.
    run->dialogs().answerColor(QColor(Qt::darkRed));
    item("N4")->trigger();
    EXPECT_EQ(panel("RichEdit4")->palette().color(QPalette::Base), QColor(Qt::darkRed));
    QFont big = panel("RichEdit4")->font();
    big.setPointSize(20);
    run->dialogs().answerFont(big);
    item("N16")->trigger();
    EXPECT_EQ(panel("RichEdit4")->font().pointSize(), 20);

    open("NSum");
    EXPECT_FALSE(panel("RichEdit4")->isVisible());
    EXPECT_TRUE(panel("RichEdit4")->lines().isEmpty());
    EXPECT_EQ(panel("RichEdit4")->width(), 17);
    EXPECT_EQ(panel("RichEdit4")->font().pointSize(), 9);
    EXPECT_FALSE(reportDone());
}

TEST_F(Reports, RegistrationListStaysDisabledUntilInitialSettingsOpenAgain)
{
    start();
    item("NList")->trigger();
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    EXPECT_EQ(panel("RichEdit4")->lines(),
        (QStringList {
            QString(), shell::registrationLine(master(), 0), shell::registrationLine(master(), 1), QString() }));
    EXPECT_FALSE(item("NList")->isEnabled());
    open("NSum");
    EXPECT_FALSE(item("NList")->isEnabled());
    open("NData");
    EXPECT_TRUE(item("NList")->isEnabled());

    // A reset while the list is filling leaves no line of it behind.
    item("NList")->trigger();
    open("NData");
    waitFor([] { return false; }, 50);
    EXPECT_TRUE(panel("RichEdit4")->lines().isEmpty());
}

// Keyboard users open the popup menu on the panel that has the focus, with the menu key or
// Shift+F10; its select-all acts on that panel.
TEST_F(Reports, ThePopupMenuOpensFromTheKeyboardOnTheFocusedPanel)
{
    start();
    item("Ncost")->trigger();
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    RichEdit* costs = panel("RichEdit4");
    auto* menu = main()->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    EXPECT_TRUE(costs->focusPolicy() & Qt::TabFocus);
    QApplication::setActiveWindow(main());
    costs->setFocus();
    QTest::keyClick(costs, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(menu->isVisible());
    menu->hide();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), costs->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(costs, &menuKey);
    ASSERT_TRUE(menu->isVisible());
    item("NAllSelect")->trigger();
    EXPECT_EQ(costs->textCursor().selectedText().size(), costs->toPlainText().size());
    menu->hide();
}

TEST_F(Reports, ThePeriodCostPrintsUnderItsTitleAndTheWeeklyCostAfterItUnderItsOwn)
{
    start();
    const auto printTitle = [this] { return lineLayout(LinePanel::of(panel("RichEdit4"))).title; };
    item("NPeriodCost")->trigger();
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    EXPECT_EQ(printTitle(), "【全従業員期間人件費リスト】");
    item("Ncost")->trigger();
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    EXPECT_EQ(printTitle(), "【全従業員週間人件費リスト】");
}

TEST_F(Reports, RegistrationListWithoutEmployeesOnlyTellsSo)
{
    start(QDate(2024, 6, 10), 0);
    EXPECT_FALSE(item("NPeriodCost")->isEnabled()) << "no period cost without employees and a checked period";
    item("NList")->trigger();
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_EQ(run->dialogs().shown[0].kind, dialogs::Kind::Information);
    EXPECT_EQ(run->dialogs().shown[0].text,
        "※ 従業員マスタ登録未登録．\r\n\r\n※ マスタ登録は，最低１件は必要．\r\n\r\n※ 当該処理中断．");
    EXPECT_TRUE(item("NList")->isEnabled());
    EXPECT_FALSE(item("NList")->isChecked());
    EXPECT_FALSE(panel("RichEdit4")->isVisible());
}

TEST_F(Reports, IndividualWeekListsTheNamesAndShowsTheChosenOne)
{
    start();
    item("Nsearch")->trigger();
    auto* names = main()->findChild<QListWidget*>("ListBox1");
    EXPECT_EQ(names->height(), 310);
    EXPECT_EQ(panel("RichEdit3")->height(), 260);
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    ASSERT_EQ(names->count(), 2);
    EXPECT_EQ(panel("RichEdit3")->lines().last(),
        "左の氏名リストから，ターゲット従業員をダブル・クリックし選択してください．");
    names->setCurrentRow(1);
    Q_EMIT names->itemDoubleClicked(names->item(1));
    ASSERT_TRUE(waitFor([this] { return panel("RichEdit3")->lines().size() > 2; }));
    EXPECT_EQ(panel("RichEdit3")->lines(), shell::individualWeek(master(), "社員1"));
}
