// The change window as a user drives it: opened from the main window, a day changed through its
// dialog (with the master window's checks), a swap, undo and redo, a change apart deleted, and
// the file the program writes when it closes; the marks of targets, findings and wishes, the
// wishes edited, imported and undone on either period, a report and the month chart.
#include "ChangesTestData.h"
#include "changes/ChangeGridView.h"
#include "changes/Unitchange.h"
#include "data/DataFiles.h"
#include "history/KeptSchedule.h"
#include "patterns/PatternEdits.h"
#include "platform/RichEdit.h"
#include "reports/Unitlines.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 5, 12); // a Tuesday; the period runs to 20 June, 40 days

class ChangeWindow : public ::testing::Test {
protected:
    explicit ChangeWindow(bool wishFileUnreadable = false)
    {
        if (wishFileUnreadable)
            QDir(dir.path()).mkdir(TFormData::kRequestFile);
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
    QTableView* grid() { return window()->findChild<QTableView*>(QStringLiteral("StringGrid1")); }
    QModelIndex at(int row, int column) { return grid()->model()->index(row, column); }
    QString cellText(int row, int column) { return at(row, column).data().toString(); }
    QString tip(int row, int column) { return at(row, column).data(Qt::ToolTipRole).toString(); }
    bool changed(int row, int column) { return at(row, column).data(changes::ChangedRole).toBool(); }
    QString header(int day) { return grid()->model()->headerData(day, Qt::Horizontal).toString(); }
    QString headerDescription(int day)
    {
        return grid()->model()->headerData(day, Qt::Horizontal, Qt::AccessibleDescriptionRole).toString();
    }
    QString rowName(int row) { return grid()->model()->headerData(row, Qt::Vertical).toString(); }
    QDialog* dialog() { return window()->findChild<QDialog*>(QStringLiteral("TFormChangeDay")); }
    QAction* item(QWidget* w, const char* name) { return w->findChild<QAction*>(QLatin1String(name)); }
    template <typename T> T* in(QWidget* w, const char* name) { return w->findChild<T*>(QLatin1String(name)); }
    DayChanges& changes() { return run->forms().FormData->dayChanges; }
    // A cell as the accessibility bus names and describes it.
    QString name(int row, int column)
    {
        const QModelIndex cell = grid()->model()->index(row, column);
        const QString text = cell.data(Qt::AccessibleTextRole).toString();
        return text.isEmpty() ? cell.data().toString() : text;
    }
    QString description(int row, int column)
    {
        return grid()->model()->index(row, column).data(Qt::AccessibleDescriptionRole).toString();
    }
    void select(std::initializer_list<std::pair<int, int>> cells)
    {
        grid()->clearSelection();
        for (const auto& [row, column] : cells)
            grid()->selectionModel()->select(at(row, column), QItemSelectionModel::Select);
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
    ASSERT_EQ(grid()->model()->rowCount(), 3);
    ASSERT_EQ(grid()->model()->columnCount(), 40);
    EXPECT_EQ(rowName(1), QStringLiteral("佐藤"));
    EXPECT_EQ(header(0), QStringLiteral("12\n火"));
    EXPECT_EQ(header(4), QStringLiteral("16\n土"));
    EXPECT_EQ(cellText(0, 0), QStringLiteral("〇"));
    EXPECT_EQ(cellText(0, 4), QStringLiteral("☆"));
    EXPECT_EQ(in<QLabel>(window(), "LabelApart")->text(),
        "登録外の変更・希望：1 "
        "件（マスタにない氏名，又は今の期間にも次の期間にもない日付．画面の表示には使われません）");
    auto* apartDialog = window()->findChild<QDialog*>("TFormChangeApart");
    item(window(), "NApart")->trigger();
    ASSERT_TRUE(apartDialog->isVisible());
    auto* apart = in<QListWidget>(apartDialog, "ListBox1");
    ASSERT_EQ(apart->count(), 1);
    EXPECT_EQ(apart->item(0)->text(), QStringLiteral("2026年5月13日（水）　退職者：× 休み（マスタにない氏名）"));
    apartDialog->reject();

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
    EXPECT_EQ(cellText(0, 1), QStringLiteral("×"));
    EXPECT_TRUE(changed(0, 1));
    EXPECT_EQ(tip(0, 1), QStringLiteral("標準：〇 勤務日 9:00～17:30\n変更：× 休み"));
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
    // A swap that would give 佐藤 a working day without work is refused, naming it.
    changes().set("鈴木", QDate(2026, 5, 14), shift("9", "00", "10", "00", "0"));
    select({ { 1, 2 }, { 2, 2 } });
    item(window(), "NSwap")->trigger();
    EXPECT_EQ(run->dialogs().shown.last().text,
        QStringLiteral(
            "▼ 入れ替えると，佐藤の勤務が 〇 勤務日 9:00～10:00 になります．休憩が勤務時間（1時間00分）以上で，"
            "実働がありません．勤務日として登録できないため，入れ替えません．"));
    EXPECT_FALSE(changes().find("佐藤", QDate(2026, 5, 14)).has_value());
    changes().remove("鈴木", QDate(2026, 5, 14));

    // Undo takes back the swap, then the leave; redo brings the leave back.
    QApplication::setActiveWindow(window());
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(changes().find("佐藤", QDate(2026, 5, 16)).has_value());
    item(window(), "NUndo")->trigger();
    EXPECT_EQ(cellText(0, 1), QStringLiteral("〇"));
    EXPECT_EQ(changes().size(), 1) << "only the change apart";
    item(window(), "NRedo")->trigger();
    EXPECT_EQ(cellText(0, 1), QStringLiteral("×"));

    // The change apart is deleted from its list.
    item(window(), "NApart")->trigger();
    apart->setCurrentRow(0);
    in<QPushButton>(apartDialog, "BtnDelete")->click();
    EXPECT_EQ(apart->count(), 0);
    EXPECT_EQ(in<QLabel>(window(), "LabelApart")->text(), "登録外の変更・希望：なし");
    EXPECT_FALSE(item(window(), "NApart")->isEnabled());
    in<QPushButton>(apartDialog, "BtnClose")->click();

    // A changed day changes again; "標準に戻す" brings the standard week back.
    select({ { 0, 1 } });
    item(window(), "NEdit")->trigger();
    EXPECT_TRUE(in<QPushButton>(dialog(), "BtnStandard")->isEnabled());
    in<QComboBox>(dialog(), "ComBox")->setCurrentIndex(1); // 公休
    in<QPushButton>(dialog(), "BtnRegister")->click();
    EXPECT_EQ(cellText(0, 1), QStringLiteral("☆"));
    select({ { 1, 2 } });
    item(window(), "NEdit")->trigger();
    in<QComboBox>(dialog(), "ComBox")->setCurrentIndex(2); // 休み
    in<QPushButton>(dialog(), "BtnRegister")->click();
    EXPECT_EQ(cellText(1, 2), QStringLiteral("×"));
    select({ { 1, 2 } });
    item(window(), "NEdit")->trigger();
    in<QPushButton>(dialog(), "BtnStandard")->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(cellText(1, 2), QStringLiteral("〇"));
    EXPECT_FALSE(changed(1, 2));
    EXPECT_FALSE(changes().find("佐藤", QDate(2026, 5, 14)).has_value());

    item(window(), "NClose")->trigger();
    EXPECT_TRUE(main()->isVisible());
    EXPECT_FALSE(item(window(), "NUndo")->isEnabled()) << "undo covers one opening of the window";
    main()->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kChangeFile)), sjis("山田,2026,5,13,公休,0,00,0,00,0,\r\n"));
    EXPECT_FALSE(QFile::exists(dir.file(backupFileName(TFormData::kChangeFile))))
        << "the file was taken whole: the deleted change is the user's choice";
}

TEST_F(ChangeWindow, MarksWishesImportAndReportsOnEitherPeriod)
{
    TFormData& data = *run->forms().FormData;
    data.staffTargets.weekday(3)[10] = { 4, -1 }; // Tuesdays at 10: three work, four needed
    data.staffTargets.weekday(4)[10] = { -1, 2 }; // Wednesdays at 10: at most two
    data.dayChanges.set("山田", QDate(2026, 5, 13), shift("9", "00", "19", "00", "570")); // a 30-minute break
    item(main(), "NscheChange")->trigger();
    ASSERT_TRUE(window()->isVisible());

    // Short and over hours in the headers, a finding in its cell, each with its words.
    EXPECT_EQ(header(0), "12\n火\n▲");
    EXPECT_EQ(headerDescription(0), "不足：10時 3/4");
    EXPECT_EQ(header(1), "13\n水\n△");
    EXPECT_EQ(headerDescription(1), "超過：10時 3/2");
    EXPECT_EQ(header(2), "14\n木");
    EXPECT_EQ(name(0, 1), "〇 ※");
    EXPECT_EQ(description(0, 1), "勤務変更あり\n休憩不足（60分以上必要）");
    EXPECT_EQ(tip(0, 1), "標準：〇 勤務日 9:00～17:30\n変更：〇 勤務日 9:00～19:00\n休憩不足（60分以上必要）");

    // 山田 and 佐藤 wish 14 May off, a working day; 山田's wish gets a note.
    select({ { 0, 2 }, { 1, 2 } });
    item(window(), "NWishDayOff")->trigger();
    EXPECT_EQ(name(1, 2), "〇 休！");
    EXPECT_EQ(description(1, 2), "希望：希望休\n希望と異なる");
    select({ { 0, 2 } });
    item(window(), "NWishNote")->trigger();
    auto* note = window()->findChild<QDialog*>("TFormRequestNote");
    ASSERT_TRUE(note->isVisible());
    EXPECT_EQ(in<QLabel>(note, "LabelWho")->text(), "山田　2026年5月14日（木）");
    in<QLineEdit>(note, "EditNote")->setText("通院");
    in<QPushButton>(note, "BtnRegister")->click();
    EXPECT_EQ(description(0, 2), "希望：希望休（通院）\n希望と異なる");
    // The day off given in the dialog honours the wish: its mark changes at once.
    item(window(), "NEdit")->trigger();
    ASSERT_TRUE(dialog()->isVisible()) << run->dialogs().texts().join('\n').toStdString();
    in<QComboBox>(dialog(), "ComBox")->setCurrentIndex(2); // 休み
    in<QPushButton>(dialog(), "BtnRegister")->click();
    EXPECT_EQ(name(0, 2), "× 休") << run->dialogs().texts().join('\n').toStdString();
    EXPECT_EQ(description(0, 2), "勤務変更あり\n希望：希望休（通院）");
    // Changes and wishes share one undo stack, one step each.
    QApplication::setActiveWindow(window());
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name(0, 2), "〇 休！");
    item(window(), "NUndo")->trigger();
    EXPECT_EQ(description(0, 2), "希望：希望休\n希望と異なる");
    item(window(), "NUndo")->trigger();
    EXPECT_EQ(name(0, 2), "〇");
    EXPECT_TRUE(data.staffRequests.isEmpty());
    item(window(), "NRedo")->trigger();
    EXPECT_EQ(name(1, 2), "〇 休！");

    // The next period by its key in the grid, after June that starts before it: its dates and
    // marks; 鈴木 cannot work on 23 June (Ctrl+2).
    QTest::keyClick(grid(), Qt::Key_PageDown, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_PageDown, Qt::ControlModifier);
    auto* box = in<QComboBox>(window(), "ComboPeriod");
    EXPECT_EQ(box->currentText(), "次の期間");
    EXPECT_EQ(in<QLabel>(window(), "LabelPeriod")->text(), "期間：2026/6/21～2026/7/30（40日間）");
    EXPECT_EQ(header(2), "23\n火\n▲");
    select({ { 2, 2 } });
    QTest::keyClick(grid(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(name(2, 2), "〇 不！");
    EXPECT_TRUE(in<QLabel>(window(), "LabelApart")->text().startsWith("登録外の変更・希望：1 件"))
        << "only the change of a name not registered";
    // Back on the registered period by the box, undo takes the wish back and shows its period.
    box->activated(0);
    EXPECT_EQ(header(0), "12\n火\n▲");
    item(window(), "NUndo")->trigger();
    EXPECT_EQ(box->currentText(), "次の期間");
    EXPECT_EQ(name(2, 2), "〇");
    item(window(), "NRedo")->trigger();
    EXPECT_EQ(name(2, 2), "〇 不！");

    // The import shows what it would take; cancelled it takes nothing, taken it is one step.
    const QString csv = dir.file("希望.csv");
    writeFileBytes(csv, QStringLiteral("氏名,日付,種類,メモ\r\n佐藤,6/25,休,旅行\r\n退職者,6/26,休,\r\n").toUtf8());
    auto* import = window()->findChild<QDialog*>("TFormRequestImport");
    for (const char* button : { "BtnCancel", "BtnImport" }) {
        run->dialogs().answerOpen(csv);
        item(window(), "NWishImport")->trigger();
        ASSERT_TRUE(import->isVisible());
        EXPECT_EQ(in<QLabel>(import, "LabelSummary")->text(),
            "取り込む希望：1 件（うち 0 件は既にある希望を置き換えます）　取り込まない行：1 件　文字コード：UTF-8");
        in<QPushButton>(import, button)->click();
    }
    EXPECT_EQ(name(1, 4), "〇 休！");
    EXPECT_EQ(description(1, 4), "希望：希望休（旅行）\n希望と異なる");
    EXPECT_EQ(data.staffRequests.size(), 4);
    // A file beyond 1 MB is refused before it is parsed.
    writeFileBytes(csv, QByteArray((1 << 20) + 1, 'x'));
    run->dialogs().answerOpen(csv);
    item(window(), "NWishImport")->trigger();
    EXPECT_FALSE(import->isVisible());
    EXPECT_TRUE(run->dialogs().shown.last().text.startsWith("▼ ファイルが大きすぎます．"))
        << run->dialogs().texts().join('\n').toStdString();

    // The period's reports on the chosen period; closing one leaves the change window.
    const auto report = [this](const char* menuItem, const QString& title) -> QStringList {
        item(window(), menuItem)->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* lines = qobject_cast<TFormLines*>(w); lines && w->isVisible() && w->windowTitle() == title) {
                waitFor([lines] { return lines->isReady(); });
                const QStringList text = lines->findChild<RichEdit*>("RichEdit1")->lines();
                lines->close();
                return text;
            }
        return {};
    };
    const QStringList wishes = report("NWishReport", "希望の反映状況");
    EXPECT_EQ(wishes.value(1), "期間：2026/6/21～2026/7/30（40日間）");
    EXPECT_TRUE(wishes.contains("　6/25（木） 希望休 ⇒ 9:00～17:30")) << wishes.join('\n').toStdString();
    const QStringList labour = report("NLabour", "労務チェック");
    EXPECT_EQ(labour.value(1), "【労務チェック】 2026年6月21日 ～ 2026年7月30日  ＜40 日間＞");
    EXPECT_EQ(labour.value(4), "◆ 指摘はありません．") << labour.join('\n').toStdString();
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(main()->isVisible());

    // The month chart of the chosen period, printed into a PDF file.
    run->dialogs().answerPrinter(dir.file("chart.pdf"));
    item(window(), "NPrnSet")->trigger();
    item(window(), "NShiftChart")->trigger();
    const QString printed = pdfText(dir.file("chart.pdf"));
    EXPECT_TRUE(printed.contains("2026年6月21日～2026年7月30日")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("鈴木")) << printed.toStdString();
    // The same period as a workbook, under the name the dialog offers.
    run->dialogs().answerSave(dialogs::SaveChoice { dir.file("month"), 1 });
    item(window(), "NShiftChartExcel")->trigger();
    EXPECT_EQ(run->dialogs().saveName, "勤務表_20260621-20260730.xlsx");
    EXPECT_TRUE(readFileBytes(dir.file("month.xlsx")).startsWith("PK\x03\x04"));

    item(window(), "NClose")->trigger();
    main()->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kRequestFile)),
        sjis("山田,2026,5,14,希望休,,\r\n佐藤,2026,5,14,希望休,,\r\n鈴木,2026,6,23,出勤不可,,\r\n"
             "佐藤,2026,6,25,希望休,旅行,\r\n"));
}

class ChangeWindowWithoutWishFile : public ChangeWindow {
protected:
    ChangeWindowWithoutWishFile()
        : ChangeWindow(true)
    {
    }
};

TEST_F(ChangeWindow, AMonthShowsItsPastDaysAsKeptAndLocksThem)
{
    // 11 May, the day before the registered period, was kept with 山田 off.
    run->forms().FormData->keptSchedule.keep(
        { { QDate(2026, 5, 11), 0, QStringLiteral("山田"), QStringLiteral("1000"), dayOff("休み"), {} } });
    item(main(), "NscheChange")->trigger();
    auto* box = in<QComboBox>(window(), "ComboPeriod");
    QStringList offered;
    for (int i = 0; i < box->count(); ++i)
        offered << box->itemText(i);
    EXPECT_EQ(offered, (QStringList { "今の期間", "次の期間", "2026年5月", "2026年6月", "2026年7月" }));

    // Ctrl+PgUp and Ctrl+PgDown step by the first dates: May starts before the registered period.
    item(window(), "NPeriodLater")->trigger();
    EXPECT_EQ(box->currentText(), QStringLiteral("2026年6月"));
    item(window(), "NPeriodEarlier")->trigger();
    item(window(), "NPeriodEarlier")->trigger();
    ASSERT_EQ(box->currentText(), QStringLiteral("2026年5月"));
    ASSERT_EQ(grid()->model()->columnCount(), 31);
    EXPECT_EQ(header(0), QStringLiteral("1\n金"));
    EXPECT_EQ(cellText(0, 10), QStringLiteral("×")) << "11 May as kept";
    EXPECT_EQ(cellText(1, 10), QString()) << "nothing kept for 佐藤, no standard week of today's master";
    EXPECT_TRUE(description(0, 10).startsWith(QStringLiteral("確定済み"))) << description(0, 10).toStdString();
    EXPECT_TRUE(at(0, 10).data(changes::LockedRole).toBool());
    EXPECT_FALSE(at(0, 11).data(changes::LockedRole).toBool()) << "12 May is planned";

    // Neither the dialog, a swap nor a wish changes a past day.
    const DayChanges before = changes();
    select({ { 0, 10 } });
    item(window(), "NEdit")->trigger();
    EXPECT_FALSE(dialog()->isVisible());
    item(window(), "NWishDayOff")->trigger();
    select({ { 0, 10 }, { 1, 10 } });
    item(window(), "NSwap")->trigger();
    ASSERT_EQ(run->dialogs().shown.size(), 3);
    for (const auto& shown : run->dialogs().shown)
        EXPECT_EQ(
            shown.text, QStringLiteral("▼ 確定済みの日（今の期間より前の日）と，次の期間より後の日は変更できません．"));
    EXPECT_TRUE(changes() == before);
    EXPECT_FALSE(run->forms().FormData->staffRequests.find(QStringLiteral("山田"), QDate(2026, 5, 11)).has_value());

    // A wish on a planned day of the month is kept as on its period.
    select({ { 1, 11 } });
    item(window(), "NWishDayOff")->trigger();
    EXPECT_TRUE(run->forms().FormData->staffRequests.find(QStringLiteral("佐藤"), QDate(2026, 5, 12)).has_value());
}

TEST_F(ChangeWindowWithoutWishFile, WishesOfAFileNotReadCannotBeEnteredButTheReportOpens)
{
    item(main(), "NscheChange")->trigger();
    ASSERT_TRUE(window()->isVisible());
    for (const char* wish : { "NWishDayOff", "NWishCannot", "NWishWant", "NWishClear", "NWishNote", "NWishImport" })
        EXPECT_FALSE(item(window(), wish)->isEnabled()) << wish;
    EXPECT_TRUE(item(window(), "NWishReport")->isEnabled());
    EXPECT_TRUE(item(window(), "NEdit")->isEnabled());
}

// A proposal shown in the grid cannot be edited; discarded it leaves nothing, adopted it is the
// day changes it proposed, and one undo takes them all back.
TEST_F(ChangeWindow, AProposalIsShownDiscardedOrAdoptedInOneStep)
{
    // Saturdays want one person from 10:00 to 15:00; nobody works on Saturdays.
    run->forms().FormData->staffTargets.weekdays[6][10] = { 1, -1 };
    main()->handOverTo(window());
    auto* panel = in<QWidget>(window(), "PanelProposal");
    const auto propose = [&] {
        item(window(), "NPropose")->trigger();
        auto* proposal = window()->findChild<QDialog*>("TFormProposal");
        ASSERT_TRUE(proposal && proposal->isVisible());
        in<QSpinBox>(proposal, "SpinSeconds")->setValue(5);
        in<QPushButton>(proposal, "BtnCreate")->click();
        ASSERT_TRUE(waitFor([&] { return panel->isVisible(); }, 30000));
    };
    propose();
    const QString summary = in<QLabel>(window(), "LabelProposal")->text();
    EXPECT_TRUE(summary.startsWith("勤務案：指摘 0⇒0 件，不足 6⇒0 人時，超過 0⇒0 人時，人件費 ¥"))
        << summary.toStdString();
    const int saturday = 4; // 16 May
    int proposedRow = -1;
    for (int row = 0; row < grid()->model()->rowCount(); ++row)
        if (description(row, saturday).startsWith("勤務案：〇 勤務日 9:00～17:30"))
            proposedRow = row;
    ASSERT_GE(proposedRow, 0) << "one of the three works the Saturday";
    EXPECT_EQ(name(proposedRow, saturday), "〇 案");
    EXPECT_FALSE(item(window(), "NEdit")->isEnabled());
    EXPECT_FALSE(in<QComboBox>(window(), "ComboPeriod")->isEnabled());
    const DayChanges before = changes(); // the change apart of a name no longer registered
    EXPECT_EQ(before.size(), 1) << "shown, not yet entered";

    in<QPushButton>(window(), "BtnDiscard")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(item(window(), "NEdit")->isEnabled());
    EXPECT_EQ(name(proposedRow, saturday), "☆");
    EXPECT_EQ(changes(), before);

    propose();
    in<QPushButton>(window(), "BtnAdopt")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(changes().size(), 1 + 6) << "the six Saturdays of the period after today";
    EXPECT_TRUE(description(proposedRow, saturday).startsWith("勤務変更あり"));
    item(window(), "NUndo")->trigger();
    EXPECT_EQ(changes(), before);
    item(window(), "NRedo")->trigger();
    EXPECT_EQ(changes().size(), 1 + 6);
}

TEST_F(ChangeWindow, ACodeTypedOnCellsSetsThemAndTheDayAfterInOneStepAndTheDialogOffersThePatterns)
{
    patterns::ShiftPatterns& ward = run->forms().FormData->shiftPatterns;
    ward.patterns = patterns::starterSet(patterns::Starter::Ward); // 日, 遅, 夜 → 明, 明
    ward.staff = { { "佐藤", { "日", "遅" }, {} } };
    changes().set("鈴木", QDate(2026, 5, 13), dayOff("休み"));
    main()->handOverTo(window());
    EXPECT_EQ(cellText(2, 1), "×");
    auto* codes = window()->findChild<changes::CodeLegend*>();
    ASSERT_TRUE(codes);
    const QList<QToolButton*> legend = codes->buttons();
    ASSERT_EQ(legend.size(), 4);
    EXPECT_EQ(legend[2]->accessibleName(), "夜 16:30～9:00");
    EXPECT_TRUE(legend[2]->isVisible());
    const DayChanges before = changes();

    // 佐藤 may not work nights; 鈴木's own change of the next day is kept ("いいえ").
    select({ { 0, 0 }, { 1, 0 }, { 2, 0 } });
    run->dialogs().answer(dialogs::Answer::No);
    QTest::sendKeyEvent(QTest::Click, grid(), Qt::Key_unknown, QStringLiteral("夜"), Qt::NoModifier);
    ASSERT_EQ(run->dialogs().shown.size(), 2);
    EXPECT_TRUE(run->dialogs().shown[0].text.startsWith("▼ 次の従業員は，勤務パターン「夜」を勤務できないため，"
                                                        "変更しませんでした：佐藤\r\n"));
    EXPECT_TRUE(run->dialogs().shown[1].text.contains("鈴木　2026年5月13日（水）：× 休み"));
    EXPECT_EQ(QStringList({ cellText(0, 0), cellText(0, 1), cellText(1, 0), cellText(2, 0), cellText(2, 1) }),
        QStringList({ "夜", "明", "〇", "夜", "×" }));
    item(window(), "NUndo")->trigger();
    EXPECT_EQ(changes(), before) << "one step takes back the night and the day after";

    // Alt+1 is the legend's first code; the dialog shows a day's pattern and fills the boxes from one.
    select({ { 1, 0 } });
    QApplication::setActiveWindow(window());
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(cellText(1, 0), "日");
    select({ { 1, 0 } });
    item(window(), "NEdit")->trigger();
    auto* chosen = in<QComboBox>(dialog(), "ComPattern");
    ASSERT_TRUE(chosen->isVisible());
    EXPECT_EQ(chosen->currentText(), "日　日勤　8:30～17:15");
    EXPECT_EQ(chosen->itemText(4), "明　明け");
    in<QComboBox>(dialog(), "ComRest")->setCurrentIndex(in<QComboBox>(dialog(), "ComRest")->currentIndex() + 1);
    EXPECT_EQ(chosen->currentIndex(), 0) << "another break names no pattern";
    chosen->setCurrentIndex(4);
    Q_EMIT chosen->activated(4);
    in<QPushButton>(dialog(), "BtnRegister")->click();
    EXPECT_EQ(cellText(1, 0), "明");
    EXPECT_EQ(changes().find("佐藤", kToday)->pattern, "明");
}

TEST_F(ChangeWindow, ThePublishedDateKeepsItsDaysFromTheProposalAndIsSavedWhenTheProgramCloses)
{
    run->forms().FormData->staffTargets.weekdays[6][10] = { 1, -1 };
    main()->handOverTo(window());
    QAction* clear = item(window(), "NPublishedClear");
    EXPECT_FALSE(clear->isEnabled()) << "no published date yet";
    grid()->setCurrentIndex(at(0, 11)); // Saturday 23 May
    item(window(), "NPublished")->trigger();
    EXPECT_EQ(run->forms().FormData->publishedUntil, QDate(2026, 5, 23));
    EXPECT_EQ(clear->text(), "確定日（2026年5月23日（土）まで）を解除");
    EXPECT_TRUE(clear->isEnabled());

    item(window(), "NPropose")->trigger();
    auto* proposal = window()->findChild<QDialog*>("TFormProposal");
    in<QSpinBox>(proposal, "SpinSeconds")->setValue(5);
    in<QPushButton>(proposal, "BtnCreate")->click();
    ASSERT_TRUE(waitFor([&] { return in<QWidget>(window(), "PanelProposal")->isVisible(); }, 30000));
    in<QPushButton>(window(), "BtnAdopt")->click();
    EXPECT_EQ(changes().size(), 1 + 4) << "the Saturdays after the published date";
    for (const QString name : { "山田", "佐藤", "鈴木" })
        for (const QDate date : { QDate(2026, 5, 16), QDate(2026, 5, 23) })
            EXPECT_FALSE(changes().find(name, date).has_value()) << "published";

    item(window(), "NClose")->trigger();
    main()->close();
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kPublishedFile)), sjis("確定日,2026,5,23,\r\n"));
}
