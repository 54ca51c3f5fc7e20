// The window "勤務パターン設定" as a user drives it from the main window: the ward's starting set
// chosen, a pattern edited with a refused field, undo and redo, the staff's patterns and
// qualifications set, closing refused while edits are not taken, "登録" (journalled at once and
// saved at the close); a pattern that day changes carry deleted; the file's promises at start-up;
// and the master window's weekday blocks filled from a pattern.
#include "changes/ChangesTestData.h"
#include "data/DataFiles.h"
#include "master/MasterRecord.h"
#include "master/Unitmaster.h"
#include "patterns/PatternFile.h"
#include "patterns/Unitpattern.h"
#include "patterns/Unitpersonrules.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <Formetry.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 5, 12); // a Tuesday

class PatternWindow : public ::testing::Test {
protected:
    PatternWindow()
    {
        Table schedule { 40, 5 };
        registerPeriod(schedule, kToday, 7);
        writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(employee("山田")) + fileLine(employee("佐藤")));
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
    }
    void start()
    {
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
    }
    TFormMain* main() { return run->forms().FormMain; }
    TFormData& data() { return *run->forms().FormData; }
    TFormPattern* window() { return run->forms().FormPattern; }
    QAction* menuItem()
    {
        Q_EMIT main()->findChild<QMenu*>(QStringLiteral("NData"))->aboutToShow();
        return main()->findChild<QAction*>(QStringLiteral("NPatternSet"));
    }
    void open()
    {
        ASSERT_TRUE(menuItem()->isEnabled());
        menuItem()->trigger();
        ASSERT_TRUE(window()->isVisible());
    }
    template <typename T> T* in(const char* name) { return window()->findChild<T*>(QLatin1String(name)); }
    void click(const char* button) { in<QPushButton>(button)->click(); }
    QTableWidget* patterns() { return in<QTableWidget>("GridPatterns"); }
    QTableWidget* staff() { return in<QTableWidget>("GridStaff"); }
    QString cell(int row, int column) { return patterns()->item(row, column)->text(); }
    QString lastMessage() { return run->dialogs().shown.isEmpty() ? QString() : run->dialogs().shown.last().text; }
    QString patternFile() { return dir.file(TFormData::kPatternFile); }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

} // namespace

TEST_F(PatternWindow, TheWardSetIsEditedUndoneRegisteredAndSavedAndAClosingAsksFirst)
{
    start();
    open();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "勤務パターン設定");
    EXPECT_EQ(window()->findChildren<TFormetry*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    EXPECT_EQ(window()->centralWidget()->size(),
        QSize(window()->property("DesignFrmW").toInt(), window()->property("DesignFrmH").toInt()));
    EXPECT_EQ(patterns()->rowCount(), 0);
    auto* starter = in<QComboBox>("ComStarter");
    EXPECT_EQ(starter->itemText(0), "飲食・小売");
    starter->setCurrentIndex(1);
    EXPECT_EQ(starter->currentText(), "病棟（２交代）");
    click("BtnStarter");
    ASSERT_EQ(patterns()->rowCount(), 4);
    const QStringList night { "夜", "夜勤", "16:30", "9:00", "120分", "14時間30分", "勤務", "#3050A0", "明" };
    for (int c = 0; c < night.size(); ++c)
        EXPECT_EQ(cell(2, c), night[c]) << c;
    EXPECT_EQ(cell(3, 6), "明け");
    EXPECT_FALSE(in<QPushButton>("BtnStarter")->isEnabled()) << "a starting set only fills an empty list";

    // Tab goes through the page's controls in the order they are seen, then the window's buttons.
    QStringList order;
    QWidget* w = patterns();
    do {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            order.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != patterns());
    EXPECT_EQ(order,
        QStringList({ "GridPatterns", "BtnUp", "BtnDown", "BtnDelete", "EditCode", "EditName", "ComKind", "EditStart",
            "EditEnd", "EditBreak", "ComFollow", "BtnColour", "BtnAdd", "BtnChange", "BtnUndo", "BtnRegister",
            "BtnClose", "PageControl1", "qt_tabwidget_tabbar" }))
        << "やり直し has nothing to do yet";

    // A field the pattern cannot keep is refused with its reason, and nothing changes.
    patterns()->setCurrentCell(2, 0);
    EXPECT_EQ(in<QLineEdit>("EditBreak")->text(), "120");
    in<QLineEdit>("EditBreak")->setText("1000");
    click("BtnChange");
    EXPECT_EQ(lastMessage(), "▼ 休憩が勤務時間（16時間30分）より長くなっています．");
    EXPECT_EQ(cell(2, 4), "120分");
    in<QLineEdit>("EditCode")->setText("日");
    in<QLineEdit>("EditBreak")->setText("1:00-3:00");
    click("BtnChange");
    EXPECT_EQ(lastMessage(), "▼ 記号「日」は既に使われています．");

    // A break given as a time of day, then undone and done again.
    in<QLineEdit>("EditCode")->setText("夜");
    in<QLineEdit>("EditName")->setText("夜勤（仮眠）");
    click("BtnChange");
    EXPECT_EQ(cell(2, 1), "夜勤（仮眠）");
    EXPECT_EQ(cell(2, 4), "1:00-3:00");
    click("BtnUndo");
    EXPECT_EQ(cell(2, 1), "夜勤");
    EXPECT_EQ(cell(2, 4), "120分");
    click("BtnRedo");
    EXPECT_EQ(cell(2, 4), "1:00-3:00");

    // The staff: 佐藤 may not work nights; 山田 is a nurse and new.
    ASSERT_EQ(staff()->rowCount(), 2);
    ASSERT_EQ(staff()->columnCount(), 4); // 日, 遅, 夜 and the qualifications
    EXPECT_EQ(staff()->horizontalHeaderItem(2)->text(), "夜");
    staff()->item(1, 2)->setCheckState(Qt::Unchecked);
    staff()->item(0, 3)->setText("看護師、新人");
    EXPECT_EQ(window()->findChild<QTableWidget*>("GridStaff")->item(0, 3)->text(), "看護師、新人");

    // Closing with edits not registered asks; No keeps the window open.
    run->dialogs().answer(dialogs::Answer::No);
    window()->close();
    EXPECT_EQ(lastMessage(), "▼ 登録していない変更があります．\r\n\r\n▽ 変更を登録せずに閉じますか？");
    EXPECT_TRUE(window()->isVisible());

    click("BtnRegister");
    const patterns::ShiftPatterns& set = data().shiftPatterns;
    ASSERT_EQ(set.patterns.size(), 4);
    EXPECT_EQ(set.patterns[2].breakTime, (patterns::BreakTime { 25 * 60, 27 * 60 }));
    EXPECT_FALSE(set.allows("佐藤", 2));
    EXPECT_TRUE(set.allows("山田", 2));
    ASSERT_NE(set.staffLine("山田"), nullptr);
    EXPECT_EQ(set.staffLine("山田")->qualifications, QStringList({ "看護師", "新人" }));
    const QByteArray expected = sjis("勤務,日,日勤,8,30,17,15,60,#FFE08A,,\r\n"
                                     "勤務,遅,遅番,12,00,20,45,60,#F4B183,,\r\n"
                                     "勤務,夜,夜勤（仮眠）,16,30,9,00,1:00-3:00,#3050A0,明,\r\n"
                                     "勤務,明,明け,明け,,,,,#A0A0C0,,\r\n"
                                     "職員,山田,,看護師|新人,\r\n"
                                     "職員,佐藤,日|遅,,\r\n");
    EXPECT_EQ(readFileBytes(patternFile() + ".recover"), expected) << "the journal writes what was registered";
    EXPECT_FALSE(QFileInfo::exists(patternFile()));

    const int asked = static_cast<int>(run->dialogs().shown.size());
    window()->close();
    EXPECT_EQ(run->dialogs().shown.size(), asked) << "nothing left to ask about";
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(main()->isVisible());
    main()->close();
    EXPECT_EQ(readFileBytes(patternFile()), expected);
    EXPECT_FALSE(QFileInfo::exists(patternFile() + ".recover"));
}

// Deleting a pattern that day changes still use says how many; a change that carried a pattern
// without times stays as its attribute's day, and one of a renamed pattern follows its new code.
TEST_F(PatternWindow, DeletingOrRenamingAPatternThatDayChangesUseKeepsTheChanges)
{
    writeFileBytes(patternFile(),
        sjis("勤務,夜,夜勤,16,30,9,00,120,#3050A0,明,\r\n勤務,明,明け,明け,,,,,#A0A0C0,,\r\n"
             "勤務,年,年休,休,公休,,,,#E0C0A0,,\r\n"));
    writeFileBytes(dir.file(TFormData::kChangeFile),
        sjis("山田,2026,5,13,勤務日,16,30,9,00,870,\r\n山田,2026,5,14,その他,0,00,0,00,0,明,\r\n"
             "佐藤,2026,5,15,その他,0,00,0,00,0,明,\r\n佐藤,2026,5,16,公休,0,00,0,00,0,年,\r\n"));
    start();
    open();
    patterns()->setCurrentCell(1, 0);
    run->dialogs().answer(dialogs::Answer::Yes);
    click("BtnDelete");
    ASSERT_GE(run->dialogs().shown.size(), 1);
    EXPECT_EQ(run->dialogs().shown[0].text,
        "■ 勤務パターン「明」（明け）は，勤務変更 2 件で使われています．\r\n\r\n□ "
        "削除すると，これらの勤務変更は「その他」の日として残ります．\r\n\r\n□ 削除しますか？");
    EXPECT_EQ(lastMessage(), "□ 「夜」の後に続く勤務を空にしました．");
    ASSERT_EQ(patterns()->rowCount(), 2);
    EXPECT_EQ(cell(0, 8), "");

    patterns()->setCurrentCell(1, 0); // 年 becomes 有
    in<QLineEdit>("EditCode")->setText("有");
    click("BtnChange");
    patterns()->setCurrentCell(0, 0);
    run->dialogs().answer(dialogs::Answer::No);
    click("BtnDelete");
    EXPECT_EQ(lastMessage(),
        "■ 勤務パターン「夜」（夜勤）は，勤務変更 1 件で使われています．\r\n\r\n□ "
        "削除しても，これらの勤務変更は時刻のまま残ります．\r\n\r\n□ 削除しますか？");
    EXPECT_EQ(patterns()->rowCount(), 2) << "No keeps it";

    EXPECT_EQ(data().dayChanges.find("山田", QDate(2026, 5, 14)), withPattern(dayOff("その他"), "明"))
        << "nothing changes before 登録";
    click("BtnRegister");
    EXPECT_EQ(data().dayChanges.find("山田", QDate(2026, 5, 14)), dayOff("その他"));
    EXPECT_EQ(data().dayChanges.find("佐藤", QDate(2026, 5, 15)), dayOff("その他"));
    EXPECT_EQ(data().dayChanges.find("佐藤", QDate(2026, 5, 16)), withPattern(dayOff("公休"), "有"));
    EXPECT_EQ(data().dayChanges.find("山田", QDate(2026, 5, 13)), shift("16", "30", "9", "00", "870"));
}

// The seventh file is read only after the data files passed their checks; lines not taken are
// named in one message and kept in its backup; a file that cannot be read keeps the window closed
// and is never written.
TEST_F(PatternWindow, TheFileIsReadAfterTheChecksAndNeverWrittenWhenItCannotBeRead)
{
    const QByteArray original = sjis("勤務,日,日勤,8,30,17,15,60,#F0E080,,\r\n勤務,夜,夜勤,0,00,9,00,60,#000000,,\r\n");
    writeFileBytes(patternFile(), original);
    start();
    ASSERT_EQ(run->dialogs().shown.size(), 1);
    EXPECT_EQ(lastMessage(),
        patternfile::rejectedLinesMessage({ { 2, "時刻は1:00～24:55の5分刻みです（深夜零時は24:00）" } }));
    EXPECT_EQ(data().shiftPatterns.patterns.size(), 1);
    main()->close();
    EXPECT_EQ(readFileBytes(patternFile()), sjis("勤務,日,日勤,8,30,17,15,60,#F0E080,,\r\n"));
    EXPECT_EQ(readFileBytes(patternFile() + ".bak"), original);
    run.reset();

    QStringList broken = employee("山田");
    broken[2] = "勤務";
    writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(broken));
    start();
    EXPECT_TRUE(data().shiftPatterns.isEmpty()) << "not read over data that failed its checks";
    main()->close();
    EXPECT_EQ(readFileBytes(patternFile()), sjis("勤務,日,日勤,8,30,17,15,60,#F0E080,,\r\n"));
    run.reset();

    QFile::remove(patternFile());
    ASSERT_TRUE(QDir(dir.path()).mkdir(TFormData::kPatternFile));
    writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(employee("山田")));
    start();
    EXPECT_TRUE(lastMessage().startsWith("▼ 勤務パターンファイル zelrotandata7.zel を読み込めませんでした．"));
    EXPECT_FALSE(menuItem()->isEnabled());
    data().shiftPatterns.patterns.append(
        { "日", "日勤", patterns::Kind::Working, 510, 1035, 60, {}, {}, "#FFFFFF", {} });
    main()->close();
    EXPECT_TRUE(QFileInfo(patternFile()).isDir());
}

// The master window's weekday blocks take a pattern's times and break, or a day off.
TEST_F(PatternWindow, TheMastersWeekdayBlocksAreFilledFromPatterns)
{
    writeFileBytes(patternFile(), sjis("勤務,夜,夜勤,16,30,9,00,120,#3050A0,,\r\n"));
    start();
    TFormMaster* masterWindow = run->forms().FormMaster;
    masterWindow->show();
    auto* item = masterWindow->findChild<QAction*>("NPatternWeek");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    auto* dialog = masterWindow->findChild<QDialog*>("TFormPatternWeek");
    ASSERT_NE(dialog, nullptr);
    auto* monday = dialog->findChild<QComboBox*>("ComMon");
    EXPECT_EQ(monday->itemText(1), "夜　夜勤　16:30～9:00（休憩 120分）");
    monday->setCurrentIndex(1);
    dialog->findChild<QComboBox*>("ComSat")->setCurrentText("休み");
    const master::Week before = masterWindow->week();
    dialog->findChild<QPushButton*>("BtnApply")->click();
    const master::Week week = masterWindow->week();
    EXPECT_EQ(week[0], (master::DayInput { 0, 16, 6, 9, 0, 24 })); // 120 minutes is the rest box's 25th entry
    EXPECT_EQ(week[5], (master::DayInput { 2, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(week[1], before[1]) << "a weekday left as it is";
    masterWindow->close();
}

// A person's rules through the dialog of the "職員" tab (a bad value refused with its reason), the
// sequence tab's rules added, a duplicate refused, the ward guideline's preset asked and applied,
// undone and applied again, and everything registered in one step: the labour settings and the
// file's lines.
TEST_F(PatternWindow, APersonsRulesAndTheSequenceRulesAreEditedAndRegisteredInOneStep)
{
    start();
    open();
    in<QComboBox>("ComStarter")->setCurrentIndex(1);
    click("BtnStarter");
    staff()->setCurrentCell(1, 0);

    // The dialog is modal: it is filled and closed once it shows.
    QStringList refused;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TDialogPersonRules*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "労務の条件：佐藤");
        EXPECT_TRUE(dialog->field("生年月日")->toolTip().contains("労働基準法60条・61条"));
        qobject_cast<QLineEdit*>(dialog->field("生年月日"))->setText("2009/2/30");
        dialog->accept();
        refused << lastMessage();
        EXPECT_TRUE(dialog->isVisible());
        qobject_cast<QLineEdit*>(dialog->field("生年月日"))->setText("2009/4/1");
        qobject_cast<QComboBox*>(dialog->field("勤務の形"))->setCurrentIndex(1);
        dialog->accept();
    });
    click("BtnPersonRules");
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused.first().startsWith("「生年月日」の値が不正です（")) << refused.first().toStdString();

    auto* kind = in<QComboBox>("ComRuleKind");
    auto* first = in<QComboBox>("ComRuleFirst");
    auto* list = in<QListWidget>("ListSequence");
    EXPECT_EQ(first->count(), 3) << "the working patterns";
    kind->setCurrentIndex(0);
    first->setCurrentText("夜");
    in<QComboBox>("ComRuleNext")->setCurrentText("日");
    click("BtnRuleAdd");
    click("BtnRuleAdd");
    EXPECT_EQ(lastMessage(), "▼ 同じ並びの2行目です．");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "禁止の並び　夜→日");

    run->dialogs().answer(dialogs::Answer::Yes);
    click("BtnWardGuideline");
    EXPECT_TRUE(lastMessage().contains("・連続勤務上限 5日\r\n　（基準5 連続勤務日数は5日以内とする）"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "連続の上限　夜 1日");
    EXPECT_TRUE(in<QCheckBox>("CheckOffAfterAke")->isChecked());
    click("BtnUndo");
    EXPECT_EQ(list->count(), 1);
    EXPECT_FALSE(in<QCheckBox>("CheckOffAfterAke")->isChecked());
    click("BtnRedo");

    click("BtnRegister");
    EXPECT_EQ(data().labourSettings.value(labour::Key::RestHours), 11);
    EXPECT_EQ(data().labourSettings.value(labour::Key::RunLimit), 5);
    const QByteArray file = readFileBytes(patternFile() + ".recover");
    EXPECT_TRUE(file.endsWith(sjis("職員,山田,,,夜勤の上限=4,\r\n"
                                   "職員,佐藤,,,生年月日=2009/4/1,夜勤の上限=4,シフト制,\r\n"
                                   "並び,禁止,夜,日,\r\n並び,連続,夜,1,\r\n並び,明けの後は休み,\r\n")))
        << file.toStdString();
}
