// The main window's reports as a user opens them from the menus, with the pace at 0, and how the
// reports pace their lines: the program's own reports over a period show their whole text when the
// command returns, before any pause or timer tick; the reports of the employee master still write
// one employee per tick of their timer under their gauge.
#include "changes/Unitchange.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Gauge.h"
#include "platform/Pace.h"
#include "platform/RichEdit.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/Unitlines.h"
#include "shell/Reports.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The turns of an event loop taken while command runs with the pace as on screen. A pause runs
// an event loop of its own, and a timer's tick needs one, so a command that shows its whole text
// at once takes none.
int turnsWithin(const std::function<void()>& command)
{
    int turns = 0;
    QTimer counter;
    QObject::connect(&counter, &QTimer::timeout, [&turns] { ++turns; });
    counter.start(0);
    pace::setScale(1);
    command();
    pace::setScale(0);
    return turns;
}

// The passes of the event loop until done() holds, with the pace at 0: a timer ticks at most
// once a pass.
int passesUntil(const std::function<bool()>& done)
{
    int passes = 0;
    for (; !done() && passes < 1000; ++passes)
        QCoreApplication::processEvents();
    return passes;
}

// The text report window of the title that is showing, or null.
TFormLines* linesWindow(const QString& title)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* lines = qobject_cast<TFormLines*>(w); lines && w->isVisible() && w->windowTitle() == title)
            return lines;
    return nullptr;
}

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
    QAction* item(const char* name, QWidget* window = nullptr)
    {
        return (window ? window : main())->findChild<QAction*>(QLatin1String(name));
    }
    void open(const char* menu) { Q_EMIT main()->findChild<QMenu*>(QLatin1String(menu))->aboutToShow(); }
    RichEdit* panel(const char* name) { return main()->findChild<RichEdit*>(QLatin1String(name)); }
    Gauge* gauge(const char* name) { return main()->findChild<Gauge*>(QLatin1String(name)); }
    bool reportDone() { return item("NAllCopy")->isEnabled(); }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

constexpr int kEmployees = 3;

struct AtOnce {
    const char* report;
    std::function<void()> before; // where the user stands before the command
    std::function<void()> command;
    std::function<RichEdit*()> text;
    std::function<bool()> done; // the report's end: its commands are enabled
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

TEST_F(Reports, TheProgramsOwnReportsShowTheirWholeTextBeforeAnyPauseOrTick)
{
    start(QDate(2024, 5, 7), kEmployees);
    run->forms().FormData->staffTargets.weekday(2)[10] = { 4, -1 }; // Mondays at 10: one short
    Gauge* costGauge = gauge("CGaugeCost");
    const auto linesText = [](const char* title) {
        return [title]() -> RichEdit* {
            TFormLines* window = linesWindow(QString::fromUtf8(title));
            return window ? window->findChild<RichEdit*>(QStringLiteral("RichEdit1")) : nullptr;
        };
    };
    const auto linesReady = [](const char* title) {
        return [title] {
            TFormLines* window = linesWindow(QString::fromUtf8(title));
            return window && window->isReady();
        };
    };
    const auto inMain = [this](const char* menu, const char* name) {
        return [this, menu, name] {
            open(menu);
            item(name)->trigger();
        };
    };
    const auto inChangeWindow
        = [this](const char* name) { return [this, name] { item(name, run->forms().FormChange)->trigger(); }; };
    const auto openChangeWindow = [this] {
        run->forms().FormShortage->close();
        open("NSchedu");
        item("NscheChange")->trigger();
    };
    const auto mainPanel = [this] { return panel("RichEdit4"); };
    const auto mainPanelDone = [this] { return reportDone(); };
    const AtOnce reports[] = {
        { "期間人件費", [] {}, inMain("NAction", "NPeriodCost"), mainPanel, mainPanelDone },
        { "労務チェック（次の期間）", [] {}, inMain("NAction", "NLabourNext"), mainPanel, mainPanelDone },
        { "人員過不足一覧", [] {}, inMain("NSchedu", "NShortage"), linesText("人員過不足一覧"),
            linesReady("人員過不足一覧") },
        { "希望の反映状況", openChangeWindow, inChangeWindow("NWishReport"), linesText("希望の反映状況"),
            linesReady("希望の反映状況") },
        { "勤務変更の労務チェック", [] {}, inChangeWindow("NLabour"), linesText("労務チェック"),
            linesReady("労務チェック") },
    };
    for (const AtOnce& report : reports) {
        report.before();
        EXPECT_EQ(turnsWithin(report.command), 0) << report.report;
        ASSERT_TRUE(report.done()) << report.report << ": its commands are enabled";
        const QStringList shown = report.text()->lines();
        EXPECT_GT(shown.size(), 3) << report.report;
        EXPECT_FALSE(costGauge->isVisible()) << report.report << ": no gauge crawls";
        if (report.text() == panel("RichEdit4")) {
            EXPECT_EQ(panel("RichEdit4")->width(), 630) << report.report << ": the panel opens at its full width";
        }
        passesUntil([] { return false; });
        EXPECT_EQ(report.text()->lines(), shown) << report.report << ": nothing comes after";
    }
    EXPECT_TRUE(run->forms().FormChange->isVisible());
}

// The individual week's name list, the weekly labour cost, the registration list and today's
// duty list keep their timers: the gauge shows, and the rows come one per tick.
TEST_F(Reports, TheMasterReportsStillWriteOneEmployeePerTickUnderTheirGauge)
{
    const struct {
        const char* report;
        const char* menu;
        const char* item;
        const char* gauge;
    } reports[] = {
        { "個別勤務情報", "NSum", "Nsearch", "CGaugeName" },
        { "週間人件費", "NSum", "Ncost", "CGaugeCost" },
        { "登録一覧", "NData", "NList", "CGaugeCost" },
        { "本日の勤務者一覧", "NAction", "NDutyList", "CGauge5" },
    };
    start(QDate(2024, 5, 7), kEmployees);
    for (const auto& report : reports) {
        Gauge* shown = gauge(report.gauge);
        open(report.menu);
        item(report.item)->trigger();
        EXPECT_FALSE(reportDone()) << report.report;
        EXPECT_TRUE(shown->isVisible()) << report.report;
        EXPECT_EQ(shown->maximum(), kEmployees) << report.report;
        EXPECT_GT(passesUntil([this] { return reportDone(); }), kEmployees)
            << report.report << ": a tick for each employee and one for the end";
        EXPECT_TRUE(reportDone()) << report.report;
        EXPECT_FALSE(shown->isVisible()) << report.report;
    }
}
