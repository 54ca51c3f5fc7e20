// The day dialog of the change window keeps what its boxes say: the end minute chosen and a break
// that changes only the net minutes make a change that is registered, marked, counted and saved.
#include "ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "changes/PeriodCost.h"
#include "changes/Unitchange.h"
#include "data/DataFiles.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

TEST(ChangeDialog, TheBoxesChosenAreTheChangeRegisteredMarkedCountedAndSaved)
{
    const QDate today(2026, 5, 12); // a Tuesday
    StartDirectory dir;
    Table schedule { 40, 5 };
    registerPeriod(schedule, today, 7);
    writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(employee("山田")) + fileLine(employee("佐藤")));
    writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
    ProgramRun run(today);
    run.startUp();
    TFormChange* window = run.forms().FormChange;
    run.forms().FormMain->findChild<QAction*>(QStringLiteral("NscheChange"))->trigger();
    auto* grid = window->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("TFormChangeDay"));
    ASSERT_TRUE(grid && dialog);

    struct Case {
        int row;
        int day;
        // Entries of the boxes set in this order, -1 leaves a box as it is: attribute, start hour
        // and minute, end hour and minute, rest.
        std::array<int, 6> boxes;
        DayEntry stored;
        const char* why;
    };
    const std::initializer_list<Case> cases {
        // Wednesday 13 May, standard 9:00-17:30 with an hour's break: half an hour of break.
        { 0, 1, { -1, -1, -1, -1, -1, 6 }, shift("9", "00", "17", "30", "480"), "the times kept, the break changed" },
        // Saturday 16 May, a standard day off: 9:00-17:30 with an hour's break.
        { 1, 4, { 0, 9, 0, 17, 6, 12 }, shift("9", "00", "17", "30", "450"), "the end minute chosen" },
        // Sunday 17 May: 16:00 to midnight, which the hour boxes offer as 24.
        { 1, 5, { 0, 16, 0, 24, 0, 0 }, shift("16", "00", "24", "00", "480"), "a shift ending at 24:00" },
    };
    const std::array<const char*, 6> names { "ComBox", "ComboxSh", "ComboxSm", "ComboxEh", "ComboxEm", "ComRest" };
    for (const Case& c : cases) {
        grid->clearSelection();
        grid->setCurrentCell(c.row, c.day);
        window->findChild<QAction*>(QStringLiteral("NEdit"))->trigger();
        ASSERT_TRUE(dialog->isVisible()) << c.why;
        for (std::size_t b = 0; b < names.size(); ++b)
            if (c.boxes[b] >= 0)
                dialog->findChild<QComboBox*>(QLatin1String(names[b]))->setCurrentIndex(c.boxes[b]);
        dialog->findChild<QPushButton*>(QStringLiteral("BtnRegister"))->click();
        EXPECT_FALSE(dialog->isVisible()) << c.why;

        const QString name = grid->verticalHeaderItem(c.row)->text();
        EXPECT_EQ(run.forms().FormData->dayChanges.find(name, today.addDays(c.day)), c.stored) << c.why;
        QTableWidgetItem* cell = grid->item(c.row, c.day);
        EXPECT_TRUE(cell->font().bold() && cell->font().underline()) << c.why;
        EXPECT_TRUE(cell->toolTip().split(u'\n').contains(
            QStringLiteral("変更：〇 勤務日 %1:%2～%3:%4")
                .arg(c.stored.startHour, c.stored.startMinute, c.stored.endHour, c.stored.endMinute)))
            << cell->toolTip().toStdString();
    }
    EXPECT_TRUE(run.dialogs().shown.isEmpty());
    const daychanges::EffectiveSchedule effective(*run.forms().FormData);
    EXPECT_TRUE(daychanges::periodCostClosing(effective, {}).last().endsWith(QStringLiteral("（勤務変更 3 件）")));

    window->close();
    run.forms().FormMain->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kChangeFile)),
        sjis("山田,2026,5,13,勤務日,9,00,17,30,480,\r\n"
             "佐藤,2026,5,16,勤務日,9,00,17,30,450,\r\n"
             "佐藤,2026,5,17,勤務日,16,00,24,00,480,\r\n"));
}
