// The dialog "勤務案の作成" on the real program: the chosen aim and time limit, the solve in its own
// thread with the best found so far, the checked proposal handed on with its summary, and a stop
// before anything better was found.
#include "changes/ChangesTestData.h"
#include "data/DataFiles.h"
#include "proposal/Unitproposal.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <gtest/gtest.h>
#include <tuple>

namespace {

const QDate kToday(2026, 5, 12); // a Tuesday; the period runs to 20 June

// Two employees on weekdays and a Saturday that wants one person from 10:00 to 15:00.
struct DialogShop {
    DialogShop()
    {
        Table schedule { 40, 5 };
        registerPeriod(schedule, kToday, 7);
        writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(employee("山田")) + fileLine(employee("佐藤")));
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
        writeFileBytes(dir.file("zelrotandata4.zel"), sjis("土,,,,,,,,,,,1,1,1,1,1,,,,,,,,,,\r\n"));
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
    }
    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

} // namespace

TEST(ProposalDialog, TheBestProposalIsCheckedCountedAndHandedOn)
{
    DialogShop shop;
    TFormProposal dialog(shop.run->forms(), nullptr);
    QSignalSpy proposed(&dialog, &TFormProposal::proposed);
    dialog.ask(daychanges::PeriodChoice::Registered);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("RadioFewerChanges")->isChecked());
    const QSpinBox* seconds = dialog.findChild<QSpinBox*>("SpinSeconds");
    EXPECT_EQ(std::tuple(seconds->minimum(), seconds->value(), seconds->maximum()), std::tuple(5, 10, 600));
    dialog.findChild<QSpinBox*>("SpinSeconds")->setValue(5);
    dialog.findChild<QPushButton*>("BtnCreate")->click();
    EXPECT_TRUE(dialog.findChild<QPushButton*>("BtnStop")->isEnabled()) << "the dialog stays responsive";
    ASSERT_TRUE(waitFor([&] { return proposed.size() == 1; }, 30000));
    EXPECT_FALSE(dialog.isVisible());
    const QList<DayChange> changes = proposed[0][0].value<QList<DayChange>>();
    const QString summary = proposed[0][1].toString();
    // Six Saturdays of the period, each short five person-hours: one person on each, the fewest
    // changes that cover them.
    EXPECT_TRUE(summary.startsWith("勤務案：指摘 0⇒0 件，不足 30⇒0 人時，超過 0⇒0 人時，人件費 ¥"))
        << summary.toStdString();
    const QString changed = QStringLiteral("，変更 %1 日").arg(changes.size());
    EXPECT_TRUE(
        summary.endsWith(changed + "（最適）") || (summary.contains(changed + "，") && summary.contains("（下限 ")))
        << summary.toStdString();
    ASSERT_FALSE(changes.isEmpty());
    for (const DayChange& change : changes) {
        EXPECT_EQ(change.date.dayOfWeek(), Qt::Saturday);
        EXPECT_EQ(change.entry.attribute, "勤務日");
    }
    EXPECT_TRUE(shop.run->forms().FormData->dayChanges.isEmpty()) << "the dialog changes no data";
}

TEST(ProposalDialog, AStopBeforeAnythingBetterSaysSoAndClosingDropsTheSolve)
{
    DialogShop shop;
    TFormProposal dialog(shop.run->forms(), nullptr);
    QSignalSpy proposed(&dialog, &TFormProposal::proposed);
    dialog.ask(daychanges::PeriodChoice::Next);
    EXPECT_EQ(dialog.findChild<QLabel*>("LabelStatus")->text(), "次の期間の勤務案を作ります．");
    dialog.findChild<QPushButton*>("BtnCreate")->click();
    dialog.findChild<QPushButton*>("BtnStop")->click();
    ASSERT_TRUE(waitFor([&] { return dialog.findChild<QPushButton*>("BtnCreate")->isEnabled(); }, 30000));
    const QList<dialogs::Shown>& shown = shop.run->dialogs().shown;
    ASSERT_TRUE(proposed.size() == 1 || !shown.isEmpty());
    if (proposed.isEmpty()) {
        EXPECT_EQ(shown.last().text, "▼ 今の勤務より良い勤務案は，まだ見つかっていません．");
    }

    dialog.ask(daychanges::PeriodChoice::Next);
    dialog.findChild<QPushButton*>("BtnCreate")->click();
    dialog.findChild<QPushButton*>("BtnCancel")->click();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(waitFor([&] { return dialog.findChild<QPushButton*>("BtnCreate")->isEnabled(); }, 30000));
    EXPECT_LE(proposed.size(), 1) << "a closed dialog hands nothing on";
}
