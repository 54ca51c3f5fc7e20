// The change window as a user drives it: opened from the main window, a day changed through its
// dialog (with the master window's checks), a swap, undo and redo, a change apart deleted, and
// the file the program writes when it closes.
#include "ChangesTestData.h"
#include "changes/Unitchange.h"
#include "data/DataFiles.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 5, 12); // a Tuesday; the period runs to 20 June, 40 days

class ChangeWindow : public ::testing::Test {
protected:
    ChangeWindow()
    {
        Table schedule { 40, 5 };
        registerPeriod(schedule, kToday, 7);
        writeFileBytes(dir.file(TFormData::kMasterFile),
            fileLine(employee("山田")) + fileLine(employee("佐藤")) + fileLine(employee("鈴木")));
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
        // A change of a name that is not registered, kept and listed apart.
        writeFileBytes(dir.file(TFormData::kChangeFile), sjis("退職者,2026,5,13,休み,0,00,0,00,0,\r\n"));
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
    }
    TFormMain* main() { return run->forms().FormMain; }
    TFormChange* window() { return run->forms().FormChange; }
    QTableWidget* grid() { return window()->findChild<QTableWidget*>(QStringLiteral("StringGrid1")); }
    QDialog* dialog() { return window()->findChild<QDialog*>(QStringLiteral("TFormChangeDay")); }
    QAction* item(QWidget* w, const char* name) { return w->findChild<QAction*>(QLatin1String(name)); }
    template <typename T> T* in(QWidget* w, const char* name) { return w->findChild<T*>(QLatin1String(name)); }
    DayChanges& changes() { return run->forms().FormData->dayChanges; }
    void select(std::initializer_list<std::pair<int, int>> cells)
    {
        grid()->clearSelection();
        for (const auto& [row, column] : cells)
            grid()->item(row, column)->setSelected(true);
    }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

} // namespace

TEST_F(ChangeWindow, ADayChangedSwappedUndoneAndSavedWhenTheProgramCloses)
{
    ASSERT_EQ(main()->state(), TFormMain::State::Normal);
    item(main(), "NscheChange")->trigger();
    ASSERT_TRUE(window()->isVisible());
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("勤務変更"));
    ASSERT_EQ(grid()->rowCount(), 3);
    ASSERT_EQ(grid()->columnCount(), 40);
    EXPECT_EQ(grid()->verticalHeaderItem(1)->text(), QStringLiteral("佐藤"));
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("12\n火"));
    EXPECT_EQ(grid()->horizontalHeaderItem(4)->text(), QStringLiteral("16\n土"));
    EXPECT_EQ(grid()->item(0, 0)->text(), QStringLiteral("〇"));
    EXPECT_EQ(grid()->item(0, 4)->text(), QStringLiteral("☆"));
    auto* apart = in<QListWidget>(window(), "ListBox1");
    ASSERT_EQ(apart->count(), 1);
    EXPECT_EQ(apart->item(0)->text(), QStringLiteral("2026年5月13日（水）　退職者：× 休み（マスタにない氏名）"));

    // 山田 takes 13 May off through the dialog; a missing rest time is refused first, as in the
    // master window.
    select({ { 0, 1 } });
    item(window(), "NEdit")->trigger();
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_EQ(in<QLabel>(dialog(), "LabelWho")->text(), QStringLiteral("山田　　2026年5月13日（水）"));
    EXPECT_FALSE(in<QPushButton>(dialog(), "BtnStandard")->isEnabled()) << "no change to remove yet";
    in<QComboBox>(dialog(), "ComRest")->setCurrentIndex(-1);
    in<QPushButton>(dialog(), "BtnRegister")->click();
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_EQ(run->dialogs().shown[0].text, QStringLiteral("▼ 休憩時間無しの場合は，ゼロ値を選択入力・・・"));
    in<QComboBox>(dialog(), "ComBox")->setCurrentIndex(2); // 休み: the day rule zeroes the times
    in<QPushButton>(dialog(), "BtnRegister")->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(grid()->item(0, 1)->text(), QStringLiteral("×"));
    EXPECT_TRUE(grid()->item(0, 1)->font().bold() && grid()->item(0, 1)->font().underline());
    EXPECT_EQ(grid()->item(0, 1)->toolTip(), QStringLiteral("標準：〇 勤務日 9:00～17:30\n変更：× 休み"));
    EXPECT_EQ(changes().find("山田", QDate(2026, 5, 13)), dayOff("休み"));

    // 佐藤 and 鈴木 swap 16 May: both days become changes.
    select({ { 1, 4 }, { 2, 4 } });
    item(window(), "NSwap")->trigger();
    EXPECT_TRUE(changes().find("佐藤", QDate(2026, 5, 16)).has_value());
    EXPECT_TRUE(changes().find("鈴木", QDate(2026, 5, 16)).has_value());
    // Two cells of different dates cannot be swapped.
    select({ { 1, 4 }, { 2, 5 } });
    item(window(), "NSwap")->trigger();
    EXPECT_EQ(
        run->dialogs().shown.last().text, QStringLiteral("▼ 入替は，同じ日付の２人のセルを選択して実行してください．"));

    // Undo takes back the swap, then the leave; redo brings the leave back.
    QApplication::setActiveWindow(window());
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(changes().find("佐藤", QDate(2026, 5, 16)).has_value());
    item(window(), "NUndo")->trigger();
    EXPECT_EQ(grid()->item(0, 1)->text(), QStringLiteral("〇"));
    EXPECT_EQ(changes().size(), 1) << "only the change apart";
    item(window(), "NRedo")->trigger();
    EXPECT_EQ(grid()->item(0, 1)->text(), QStringLiteral("×"));

    // The change apart is deleted from its list.
    apart->item(0)->setSelected(true);
    in<QPushButton>(window(), "BtnDelete")->click();
    EXPECT_EQ(apart->count(), 0);

    // A changed day changes again; "標準に戻す" brings the standard week back.
    select({ { 0, 1 } });
    item(window(), "NEdit")->trigger();
    EXPECT_TRUE(in<QPushButton>(dialog(), "BtnStandard")->isEnabled());
    in<QComboBox>(dialog(), "ComBox")->setCurrentIndex(1); // 公休
    in<QPushButton>(dialog(), "BtnRegister")->click();
    EXPECT_EQ(grid()->item(0, 1)->text(), QStringLiteral("☆"));
    select({ { 1, 2 } });
    item(window(), "NEdit")->trigger();
    in<QComboBox>(dialog(), "ComBox")->setCurrentIndex(2); // 休み
    in<QPushButton>(dialog(), "BtnRegister")->click();
    EXPECT_EQ(grid()->item(1, 2)->text(), QStringLiteral("×"));
    select({ { 1, 2 } });
    item(window(), "NEdit")->trigger();
    in<QPushButton>(dialog(), "BtnStandard")->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(grid()->item(1, 2)->text(), QStringLiteral("〇"));
    EXPECT_FALSE(grid()->item(1, 2)->font().bold());
    EXPECT_FALSE(changes().find("佐藤", QDate(2026, 5, 14)).has_value());

    item(window(), "NClose")->trigger();
    EXPECT_TRUE(main()->isVisible());
    EXPECT_FALSE(item(window(), "NUndo")->isEnabled()) << "undo covers one opening of the window";
    main()->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kChangeFile)), sjis("山田,2026,5,13,公休,0,00,0,00,0,\r\n"));
    EXPECT_FALSE(QFile::exists(dir.file(backupFileName(TFormData::kChangeFile))))
        << "the file was taken whole: the deleted change is the user's choice";
}
