// The main window's planning items as a user opens them from the menus, with the pace at 0: the
// labour settings, the labour check of either period, the premiums' line of the period labour
// cost, the target window and the shortage list.
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "changes/PeriodCost.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "labour/LabourReport.h"
#include "labour/LabourRules.h"
#include "labour/Unitlabour.h"
#include "period/PeriodRegistration.h"
#include "platform/RichEdit.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/Unitlines.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"
#include "targets/TargetLines.h"
#include "targets/Unittarget.h"

#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

using daychanges::PeriodChoice;

const QDate kToday(2024, 5, 7); // a Tuesday; the period runs to 15 June, 40 days

// sampleEmployee() (9:00–17:30 on weekdays, 450 minutes) with one weekday (0 = Monday) working
// from one full hour to another.
QStringList withShift(QStringList cells, int day, const char* start, const char* end, const char* net)
{
    const int block = 2 + 5 * day;
    cells[block + 1] = QString::fromLatin1(start);
    cells[block + 3] = QString::fromLatin1(end);
    cells[block + 4] = QStringLiteral("00");
    cells[37 + day] = QString::fromLatin1(net);
    return cells;
}

class PlanningMenus : public ::testing::Test {
protected:
    // 日勤 works 9:00–18:00 with a break of 30 minutes on Mondays; 夜勤 works 22:00–6:00 with an
    // hour's break on Tuesdays. Both earn 1000 an hour.
    void start(QList<QStringList> staff = { withShift(sampleEmployee(QStringLiteral("日勤")), 0, "9", "18", "510"),
                   withShift(sampleEmployee(QStringLiteral("夜勤")), 1, "22", "6", "420") })
    {
        QByteArray master;
        for (const QStringList& cells : staff)
            master += fileLine(cells);
        writeFileBytes(dir.file(TFormData::kMasterFile), master);
        Table schedule { 40, 5 };
        registerPeriod(schedule, kToday, 7);
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
    }
    TFormMain* main() { return run->forms().FormMain; }
    TFormData& data() { return *run->forms().FormData; }
    QAction* item(const char* name) { return main()->findChild<QAction*>(QLatin1String(name)); }
    void open(const char* menu) { Q_EMIT main()->findChild<QMenu*>(QLatin1String(menu))->aboutToShow(); }
    RichEdit* costPanel() { return main()->findChild<RichEdit*>(QStringLiteral("RichEdit4")); }
    bool reportDone() { return item("NAllCopy")->isEnabled(); }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

} // namespace

TEST_F(PlanningMenus, TheLabourSettingsAreRegisteredJournalledAndSaved)
{
    start();
    open("NData");
    ASSERT_TRUE(item("NLabourSet")->isEnabled());
    item("NLabourSet")->trigger();
    TFormLabour* window = run->forms().FormLabour;
    EXPECT_FALSE(main()->isVisible());
    ASSERT_TRUE(window->isVisible());
    window->findChild<QSpinBox*>(QStringLiteral("SpinWeeklyHours"))->setValue(44);
    window->findChild<QPushButton*>(QStringLiteral("BtnRegister"))->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(data().labourSettings.value(labour::Key::WeeklyHours), 44);
    EXPECT_TRUE(readFileBytes(dir.file(TFormData::kLabourFile + QStringLiteral(".recover")))
                    .startsWith(sjis(QStringLiteral("週法定労働時間,44,\r\n"))));

    main()->close();
    EXPECT_TRUE(
        readFileBytes(dir.file(TFormData::kLabourFile)).startsWith(sjis(QStringLiteral("週法定労働時間,44,\r\n"))));
}

// A file beside the data files that could not be read is never written, so its window stays
// closed; the lists that only read it still open.
TEST_F(PlanningMenus, AWindowWhoseFileCouldNotBeReadStaysClosed)
{
    for (const QString& name : { TFormData::kTargetFile, TFormData::kLabourFile })
        QDir(dir.path()).mkdir(name); // a folder where the file should be
    start();
    EXPECT_EQ(main()->state(), TFormMain::State::Normal);
    open("NData");
    EXPECT_TRUE(item("NFirstSet")->isEnabled());
    EXPECT_FALSE(item("NLabourSet")->isEnabled());
    open("NSchedu");
    EXPECT_TRUE(item("NscheChange")->isEnabled());
    EXPECT_FALSE(item("NTargetSet")->isEnabled());
    EXPECT_TRUE(item("NShortage")->isEnabled());
    EXPECT_TRUE(item("NLabourNow")->isEnabled());
}

TEST_F(PlanningMenus, TheLabourCheckOfEitherPeriodFillsThePanelAndPrintsUnderItsTitle)
{
    start();
    open("NAction");
    auto* menu = main()->findChild<QMenu*>(QStringLiteral("NLabourCheck"));
    ASSERT_TRUE(menu->menuAction()->isEnabled());
    EXPECT_EQ(menu->title(), QStringLiteral("労務チェック"));
    EXPECT_EQ(menu->actions(), (QList<QAction*> { item("NLabourNow"), item("NLabourNext") }));

    for (const PeriodChoice choice : { PeriodChoice::Registered, PeriodChoice::Next }) {
        item(choice == PeriodChoice::Registered ? "NLabourNow" : "NLabourNext")->trigger();
        ASSERT_TRUE(waitFor([this] { return reportDone(); }));
        const daychanges::EffectiveSchedule schedule(data(), choice);
        labour::ReportTotals totals;
        QStringList expected = labour::reportHeading(schedule);
        for (int row = 0; row < 2; ++row)
            expected += labour::reportLines(schedule, row, data().labourSettings, totals);
        expected += labour::reportClosing(totals);
        EXPECT_EQ(costPanel()->lines(), expected);
        EXPECT_EQ(
            costPanel()->lines().value(1), QStringLiteral("【労務チェック】 ") + changes::periodSpan(schedule.dates()));
        EXPECT_EQ(costPanel()->lines().value(3), QStringLiteral("■ 日勤")) << "a break too short on Mondays";
        EXPECT_EQ(lineLayout(LinePanel::of(costPanel())).title, QStringLiteral("【労務チェック】"));
        EXPECT_EQ(item("NLabourNext")->isChecked(), choice == PeriodChoice::Next);
    }
    EXPECT_EQ(daychanges::EffectiveSchedule(data(), PeriodChoice::Next).dates().first(), QDate(2024, 6, 16));
}

// Mondays cost 日勤 30 minutes of overtime (125 yen each, 5 Mondays) and Tuesdays 夜勤 420
// minutes of night (1750 yen each, 6 Tuesdays); without either, the report keeps its lines.
TEST_F(PlanningMenus, ThePeriodLabourCostAddsThePremiumsWhenThereAreAny)
{
    start();
    item("NPeriodCost")->trigger();
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    const daychanges::EffectiveSchedule schedule(data());
    daychanges::PeriodCostTotals totals;
    for (int row = 0; row < 2; ++row)
        daychanges::periodCostLine(schedule, row, totals);
    const QStringList lines = costPanel()->lines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("◆ [期間人件費集計額]⇒ ¥")));
    EXPECT_EQ(lines.last(), QStringLiteral("◆ [法定割増の概算]⇒ ¥11125  （割増込み ¥%1）").arg(totals.pay + 11125));

    run.reset();
    start({ sampleEmployee(QStringLiteral("山田")) });
    item("NPeriodCost")->trigger();
    ASSERT_TRUE(waitFor([this] { return reportDone(); }));
    EXPECT_TRUE(costPanel()->lines().last().startsWith(QStringLiteral("◆ [期間人件費集計額]⇒ ¥")));
}

TEST_F(PlanningMenus, TheTargetWindowRegistersForTheJournalAndGivesTheMainWindowBack)
{
    start();
    open("NSchedu");
    ASSERT_TRUE(item("NTargetSet")->isEnabled());
    item("NTargetSet")->trigger();
    TFormTarget* window = run->forms().FormTarget;
    ASSERT_TRUE(window->isVisible());
    EXPECT_FALSE(main()->isVisible());
    window->findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->item(1, 10)->setText(QStringLiteral("3"));
    window->findChild<QPushButton*>(QStringLiteral("BtnRegister"))->click();
    EXPECT_EQ(data().staffTargets.weekday(2)[10], (targets::HourTarget { 3, -1 }));
    EXPECT_TRUE(QFile::exists(dir.file(TFormData::kTargetFile + QStringLiteral(".recover"))));
    window->findChild<QPushButton*>(QStringLiteral("BtnClose"))->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(main()->isVisible());
}

TEST_F(PlanningMenus, TheShortageListOpensOnTheRegisteredPeriodAndGivesTheMainWindowBack)
{
    start();
    data().staffTargets.weekday(2)[10] = { 3, -1 }; // Mondays at 10: three needed, two there
    open("NSchedu");
    item("NShortage")->trigger();
    TFormLines* list = run->forms().FormShortage;
    ASSERT_TRUE(list->isVisible());
    EXPECT_FALSE(main()->isVisible());
    ASSERT_TRUE(waitFor([list] { return list->isReady(); }));
    const QStringList expected
        = targets::shortageLines(data().staffTargets, daychanges::EffectiveSchedule(data(), PeriodChoice::Registered));
    EXPECT_EQ(list->findChild<RichEdit*>(QStringLiteral("RichEdit1"))->lines(), expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("　10時～11時　2名／必要3名　1名不足")));
    list->close();
    EXPECT_TRUE(main()->isVisible());
}
