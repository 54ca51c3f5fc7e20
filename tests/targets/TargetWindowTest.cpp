// The target window as a user drives it: a cell typed (and a bad value refused), a range filled,
// a row copied, a date's row added and edited, undo and redo, a cell copied and pasted over a
// range, closing refused while edits are not taken, and "登録". Then the shortage list shows the
// short hours in its text report window and prints them.
#include "changes/ChangesTestData.h"
#include "data/DataFiles.h"
#include "platform/RichEdit.h"
#include "reports/Unitlines.h"
#include "support/TestSupport.h"
#include "targets/ShortageList.h"
#include "targets/Unittarget.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 5, 12); // a Tuesday; the period runs to 20 June, 40 days

class TargetWindow : public ::testing::Test {
protected:
    TargetWindow()
    {
        Table schedule { 40, 5 };
        registerPeriod(schedule, kToday, 7);
        writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(employee("山田")) + fileLine(employee("佐藤")));
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
        // A row of a date outside the period, kept and listed apart.
        data().staffTargets.setDate(QDate(2026, 4, 1), { targets::HourTarget { 1, -1 } });
        window = std::make_unique<TFormTarget>(run->forms());
    }
    TFormData& data() { return *run->forms().FormData; }
    QTableWidget* grid() { return window->findChild<QTableWidget*>(QStringLiteral("StringGrid1")); }
    template <typename T> T* in(const char* name) { return window->findChild<T*>(QLatin1String(name)); }
    QString cell(int row, int column) { return grid()->item(row, column)->text(); }
    void select(int row, int fromColumn, int toColumn)
    {
        grid()->clearSelection();
        grid()->setCurrentCell(row, fromColumn, QItemSelectionModel::NoUpdate);
        grid()->setRangeSelected(QTableWidgetSelectionRange(row, fromColumn, row, toColumn), true);
    }
    // Types text into a cell as a user does: a key starts the editor, Enter commits.
    void type(int row, int column, const QString& text)
    {
        grid()->setFocus();
        grid()->setCurrentCell(row, column);
        QTest::sendKeyEvent(QTest::Click, grid(), Qt::Key_unknown, text.left(1), Qt::NoModifier);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the item view commits the editor's text after the key
    }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
    std::unique_ptr<TFormTarget> window;
};

} // namespace

TEST_F(TargetWindow, TargetsEditedUndoneAndRegistered)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_EQ(window->windowTitle(), "必要人数設定");
    EXPECT_EQ(grid()->accessibleName(), "必要人数表");
    ASSERT_EQ(grid()->rowCount(), 8);
    ASSERT_EQ(grid()->columnCount(), 24);
    EXPECT_EQ(grid()->verticalHeaderItem(0)->text(), "日");
    EXPECT_EQ(grid()->verticalHeaderItem(7)->text(), "祝");
    EXPECT_EQ(grid()->horizontalHeaderItem(23)->text(), "23時");
    auto* apart = in<QListWidget>("ListBox1");
    ASSERT_EQ(apart->count(), 1);
    EXPECT_EQ(apart->item(0)->text(), "2026/4/1（水）：0時 1");

    // Monday 9時 typed with full-width digits; a lower bound over the upper one is refused.
    type(1, 9, "３");
    EXPECT_EQ(cell(1, 9), "3");
    type(1, 10, "5-3");
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_EQ(run->dialogs().shown[0].text,
        "▼ 「5-3」は必要人数に使えません：下限が上限を超えています．\r\n\r\n■ "
        "「3」は3人以上，「3-5」は3人以上5人以下，「-5」は5人以下，空欄は指定なしです（0～30人，半角数字）．");
    EXPECT_EQ(cell(1, 10), "");

    // Tuesday 10時 to 13時 filled at once, then copied to Wednesday and Thursday.
    select(2, 10, 13);
    in<QLineEdit>("EditValue")->setText("3-5");
    in<QPushButton>("BtnFill")->click();
    EXPECT_EQ(cell(2, 10), "3-5");
    EXPECT_EQ(cell(2, 13), "3-5");
    in<QComboBox>("ComSource")->setCurrentIndex(2);
    grid()->clearSelection();
    grid()->setRangeSelected(QTableWidgetSelectionRange(3, 0, 4, 0), true);
    in<QPushButton>("BtnCopyRow")->click();
    EXPECT_EQ(cell(4, 11), "3-5");

    // 13 May (a Wednesday) gets a row of its own, a copy of Wednesday's; 10時 is cleared.
    auto* dates = in<QComboBox>("ComDate");
    dates->setCurrentIndex(dates->findData(QDate(2026, 5, 13)));
    in<QPushButton>("BtnAddDate")->click();
    ASSERT_EQ(grid()->rowCount(), 9);
    EXPECT_EQ(grid()->verticalHeaderItem(8)->text(), "5/13（水）");
    EXPECT_EQ(cell(8, 12), "3-5");
    EXPECT_EQ(dates->findData(QDate(2026, 5, 13)), -1) << "a date has one row";
    select(8, 10, 10);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(cell(8, 10), "");

    // Undo takes back the clearing, then the new row; redo brings the row back.
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(8, 10), "3-5");
    in<QPushButton>("BtnUndo")->click();
    EXPECT_EQ(grid()->rowCount(), 8);
    in<QPushButton>("BtnRedo")->click();
    EXPECT_EQ(grid()->rowCount(), 9);
    EXPECT_EQ(cell(8, 10), "3-5");

    // Monday 9時 copied and pasted over 祝 0時 to 2時.
    select(1, 9, 9);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "3\n");
    select(7, 0, 2);
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(7, 2), "3");

    // Closing with edits not taken asks, and No keeps the window open.
    window->close();
    ASSERT_EQ(run->dialogs().shown.size(), 2);
    EXPECT_EQ(run->dialogs().shown[1].text, "▼ 登録していない変更があります．\r\n\r\n▽ 変更を登録せずに閉じますか？");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(data().staffTargets.weekday(2)[9].isEmpty()) << "nothing is taken before 登録";

    QSignalSpy changed(window.get(), &TFormTarget::tableChanged);
    QSignalSpy closed(window.get(), &TFormTarget::closed);
    QTest::keyClick(grid(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(changed.size(), 1);
    const targets::TargetTable& table = data().staffTargets;
    EXPECT_EQ(table.weekday(2)[9], (targets::HourTarget { 3, -1 }));
    EXPECT_EQ(table.weekday(5)[13], (targets::HourTarget { 3, 5 }));
    EXPECT_EQ(table.holiday[1], (targets::HourTarget { 3, -1 }));
    EXPECT_EQ(table.dates.keys(), (QList<QDate> { QDate(2026, 4, 1), QDate(2026, 5, 13) }));
    in<QPushButton>("BtnClose")->click();
    EXPECT_EQ(run->dialogs().shown.size(), 2) << "no question once registered";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed.size(), 1);

    // The program may end while a cell is being typed: the window goes without a fault.
    window->show();
    grid()->setCurrentCell(0, 0);
    QTest::sendKeyEvent(QTest::Click, grid(), Qt::Key_unknown, "4", Qt::NoModifier);
    window.reset();

    // The list: 6 Tuesdays, Wednesdays and Thursdays short by one from 10時 to 13時 and 5 Mondays
    // at 9時, with two employees working weekdays from 9:00 to 17:30.
    const std::unique_ptr<TFormLines> list = targets::makeShortageList(run->forms());
    list->show();
    ASSERT_TRUE(waitFor([&list] { return list->isReady(); }));
    auto* text = list->findChild<RichEdit*>(QStringLiteral("RichEdit1"));
    EXPECT_EQ(list->windowTitle(), "人員過不足一覧");
    EXPECT_EQ(text->accessibleName(), "人員過不足一覧");
    const QStringList lines = text->lines();
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines.mid(0, 5),
        (QStringList { "【人員過不足一覧】", "期間：2026/5/12～2026/6/20（40日間）", "", "5/12（火）",
            "　10時～14時　2名／必要3名　1名不足" }));
    EXPECT_TRUE(lines.contains("5/18（月）"));
    EXPECT_EQ(lines.last(), "不足合計：77人時　超過合計：0人時");

    // The next period, chosen by its menu item, and back by the box.
    list->findChild<QAction*>("NPeriodNext")->trigger();
    ASSERT_TRUE(waitFor([&list] { return list->isReady(); }));
    EXPECT_EQ(text->lines().value(1), "期間：2026/6/21～2026/7/30（40日間）");
    EXPECT_EQ(list->findChild<QLabel*>("LabelPeriod")->text(), "期間：2026/6/21～2026/7/30（40日間）");
    auto* box = list->findChild<QComboBox*>("ComboPeriod");
    EXPECT_EQ(box->currentText(), "次の期間");
    box->activated(0);
    ASSERT_TRUE(waitFor([&list] { return list->isReady(); }));
    EXPECT_EQ(text->lines(), lines);

    run->dialogs().answerPrinter(dir.file("list.pdf"));
    list->findChild<QAction*>("NPrnSet")->trigger();
    list->findChild<QAction*>("NPrnOut")->trigger();
    const QString printed = pdfText(dir.file("list.pdf"));
    EXPECT_EQ(printed.count("【人員過不足一覧】"), 2) << "the first line and the title at the foot";
    EXPECT_TRUE(printed.contains("5/18（月）"));
    list->findChild<QAction*>("N1")->trigger();
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(text->lines().isEmpty());
}
