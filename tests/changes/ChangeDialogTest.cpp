// The day dialog of the change window keeps what its boxes say: the end minute chosen and a break
// that changes only the net minutes make a change that is registered, marked, counted and saved;
// a shift that can hold no work is refused, one that holds little or overlaps the next day's
// shift is registered only when the user says so.
#include "ChangesTestData.h"
#include "changes/ChangeGrid.h"
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
#include <QTableView>
#include <gtest/gtest.h>

TEST(ChangeDialog, TheBoxesChosenAreTheChangeRegisteredMarkedCountedAndSavedWhenTheyMakeAShift)
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
    auto* grid = window->findChild<QTableView*>(QStringLiteral("StringGrid1"));
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("TFormChangeDay"));
    ASSERT_TRUE(grid && dialog);

    struct Case {
        int row;
        int day;
        // Entries of the boxes set in this order, -1 leaves a box as it is: attribute, start hour
        // and minute, end hour and minute, rest.
        std::array<int, 6> boxes;
        std::optional<DayEntry> stored; // none: the dialog stays open and is cancelled
        const char* why;
        QList<dialogs::Answer> answers = {}; // to the questions, one per click of "登録"
        QStringList messages = {};
    };
    using dialogs::Answer;
    const std::initializer_list<Case> cases {
        // Wednesday 13 May, standard 9:00-17:30 with an hour's break: half an hour of break.
        { 0, 1, { -1, -1, -1, -1, -1, 6 }, shift("9", "00", "17", "30", "480"), "the times kept, the break changed" },
        // Saturday 16 May, a standard day off: 9:00-17:30 with an hour's break.
        { 1, 4, { 0, 9, 0, 17, 6, 12 }, shift("9", "00", "17", "30", "450"), "the end minute chosen" },
        // Sunday 17 May: 16:00 to midnight, which the hour boxes offer as 24.
        { 1, 5, { 0, 16, 0, 24, 0, 0 }, shift("16", "00", "24", "00", "480"), "a shift ending at 24:00" },
        // Thursday 14 May: 8:30 to 8:30, and 9:00 to 10:00 with two hours' break.
        { 0, 2, { 0, 8, 6, 8, 6, 0 }, std::nullopt, "start and end equal", {},
            { "▼ 開始時刻と終了時刻が同じです．勤務日として登録できません．時刻と休憩を確かめてください．" } },
        { 0, 2, { 0, 9, 0, 10, 0, 24 }, std::nullopt, "a break as long as the shift", {},
            { "▼ "
              "休憩が勤務時間（1時間00分）以上で，実働がありません．勤務日として登録できません．時刻と休憩を確かめてく"
              "ださい．" } },
        // Friday 15 May: 16:30 to 19:00 with two hours' break, kept at the second asking.
        { 0, 3, { 0, 16, 6, 19, 0, 24 }, shift("16", "30", "19", "00", "30"), "half an hour of work",
            { Answer::No, Answer::Yes },
            { "▼ 実働が１時間未満（30分）です．\r\nこのまま登録しますか？",
                "▼ 実働が１時間未満（30分）です．\r\nこのまま登録しますか？" } },
        // Sunday 17 May: a night to 9:30 overlaps Monday's 9:00.
        { 0, 5, { 0, 16, 6, 9, 6, 24 }, shift("16", "30", "9", "30", "900"), "a night into Monday's shift",
            { Answer::Yes },
            { "▼ この勤務は，2026年5月18日（月）の勤務と 0時間30分 重なります．\r\nこのまま登録しますか？" } },
    };
    const std::array<const char*, 6> names { "ComBox", "ComboxSh", "ComboxSm", "ComboxEh", "ComboxEm", "ComRest" };
    for (const Case& c : cases) {
        run.dialogs().shown.clear();
        grid->clearSelection();
        grid->setCurrentIndex(grid->model()->index(c.row, c.day));
        window->findChild<QAction*>(QStringLiteral("NEdit"))->trigger();
        ASSERT_TRUE(dialog->isVisible()) << c.why;
        for (std::size_t b = 0; b < names.size(); ++b)
            if (c.boxes[b] >= 0)
                dialog->findChild<QComboBox*>(QLatin1String(names[b]))->setCurrentIndex(c.boxes[b]);
        for (int click = 0; click < std::max<qsizetype>(1, c.answers.size()); ++click) {
            if (click < c.answers.size())
                run.dialogs().answer(c.answers[click]);
            dialog->findChild<QPushButton*>(QStringLiteral("BtnRegister"))->click();
        }
        EXPECT_EQ(run.dialogs().texts(), c.messages) << c.why;
        const QString name = grid->model()->headerData(c.row, Qt::Vertical).toString();
        EXPECT_EQ(run.forms().FormData->dayChanges.find(name, today.addDays(c.day)), c.stored) << c.why;
        if (!c.stored) {
            EXPECT_TRUE(dialog->isVisible()) << c.why;
            dialog->reject();
            continue;
        }
        EXPECT_FALSE(dialog->isVisible()) << c.why;
        const QModelIndex cell = grid->model()->index(c.row, c.day);
        EXPECT_TRUE(cell.data(changes::ChangedRole).toBool()) << c.why;
        EXPECT_TRUE(
            cell.data(Qt::ToolTipRole)
                .toString()
                .split(u'\n')
                .contains(QStringLiteral("変更：〇 勤務日 %1:%2～%3:%4")
                              .arg(c.stored->startHour, c.stored->startMinute, c.stored->endHour, c.stored->endMinute)))
            << cell.data(Qt::ToolTipRole).toString().toStdString();
    }
    const daychanges::EffectiveSchedule effective(*run.forms().FormData);
    EXPECT_TRUE(daychanges::periodCostClosing(effective, {}).last().endsWith(QStringLiteral("（勤務変更 5 件）")));

    window->close();
    run.forms().FormMain->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kChangeFile)),
        sjis("山田,2026,5,13,勤務日,9,00,17,30,480,\r\n"
             "山田,2026,5,15,勤務日,16,30,19,00,30,\r\n"
             "佐藤,2026,5,16,勤務日,9,00,17,30,450,\r\n"
             "山田,2026,5,17,勤務日,16,30,9,30,900,\r\n"
             "佐藤,2026,5,17,勤務日,16,00,24,00,480,\r\n"));
}
