#include "changes/DayChanges.h"
#include "data/Unitdata.h"
#include "master/Unitmaster.h"
#include "master/Unitmaster2.h"
#include "master/Unitperson.h"
#include "period/Unitterm.h"
#include "requests/Requests.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Monday first, as the day blocks are laid out; the control names count Sunday as 1.
const QStringList kDayWords = { "Two", "Three", "Four", "Five", "Six", "Seven", "One" };
const QStringList kDayDigits = { "2", "3", "4", "5", "6", "7", "1" };

// Types text key by key as a keyboard (or a committed input method) would.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class MasterWindows : public ::testing::Test {
protected:
    MasterWindows()
        : run(QDate(2024, 5, 7))
    {
    }

    Forms& forms() { return run.forms(); }
    TFormMaster* master() { return forms().FormMaster; }
    Table& table() { return forms().FormData->StringGrid1; }
    template <typename T> T* in(QWidget* window, const QString& name) { return window->findChild<T*>(name); }
    QLineEdit* edit(const QString& name) { return in<QLineEdit>(master(), name); }
    QComboBox* box(const QString& kind, int day)
    {
        const QString name = kind == "ComBox" ? "ComBox" + kDayWords[day]
            : kind == "ComRest"               ? "ComRest" + kDayDigits[day]
                                              : "Combox" + kDayDigits[day] + kind;
        return in<QComboBox>(master(), name);
    }
    QListWidget* list() { return in<QListWidget>(forms().FormPerson, "ListBox1"); }
    void personCommand(const QString& name) { in<QAction>(forms().FormPerson, name)->trigger(); }

    void open()
    {
        run.startUp();
        run.dialogs().shown.clear();
        forms().FormMain->handOverTo(master());
    }
    // One day through its boxes, attribute first, as a user chooses them.
    void chooseDay(int day, int attribute, int sh = 0, int sm = 0, int eh = 0, int em = 0, int rest = 0)
    {
        box("ComBox", day)->setCurrentIndex(attribute);
        box("Sh", day)->setCurrentIndex(sh);
        box("Sm", day)->setCurrentIndex(sm);
        box("Eh", day)->setCurrentIndex(eh);
        box("Em", day)->setCurrentIndex(em);
        box("ComRest", day)->setCurrentIndex(rest);
    }
    // Name and wage typed, Monday to Friday 9:00-17:30 with 60 minutes of rest, weekend off.
    void enterEmployee(const QString& name, const QString& wage = "1000")
    {
        edit("Edit1")->clear();
        typeText(edit("Edit1"), name);
        typeText(edit("Edit2"), wage);
        for (int d = 0; d < 7; ++d)
            d < 5 ? chooseDay(d, 0, 9, 0, 17, 6, 12) : chooseDay(d, 1);
    }
    void registerEmployee(dialogs::Answer keep = dialogs::Answer::No)
    {
        run.dialogs().answer(keep);
        QTest::mouseClick(in<QPushButton>(master(), "SpeedBtn"), Qt::LeftButton);
    }
    void selectInList(int row) { list()->setCurrentRow(row); }

    StartDirectory dir;
    ProgramRun run;
};

} // namespace

TEST_F(MasterWindows, OpenWithTheListBesideAndCloseBackToTheMainWindow)
{
    open();
    EXPECT_TRUE(forms().FormPerson->isVisible());
    EXPECT_EQ(forms().FormPerson->pos(), QPoint(0, 0));
    EXPECT_EQ(forms().FormPerson->windowTitle(), QStringLiteral("従業員氏名 ．．． 0"));
    EXPECT_EQ(master()->windowTitle(), QStringLiteral("従業員マスタ登録 【新規登録モード】"));
    in<QAction>(master(), "NBatch")->trigger();
    EXPECT_TRUE(forms().FormMaster2->isVisible());

    in<QAction>(master(), "NClose")->trigger();
    EXPECT_FALSE(master()->isVisible());
    EXPECT_FALSE(forms().FormPerson->isVisible());
    EXPECT_FALSE(forms().FormMaster2->isVisible());
    EXPECT_TRUE(forms().FormMain->isVisible());
}

TEST_F(MasterWindows, EveryInputButtonAndListIsNamedForAssistiveTools)
{
    for (QWidget* window : std::initializer_list<QWidget*> { master(), forms().FormPerson, forms().FormMaster2 }) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w)
                || qobject_cast<QListWidget*>(w)) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            }
        }
    }
    // A chosen entry is the box's value; its name still says what the box is.
    box("ComBox", 0)->setCurrentIndex(0);
    box("Sh", 0)->setCurrentIndex(9);
    QAccessibleInterface* hour = QAccessible::queryAccessibleInterface(box("Sh", 0));
    EXPECT_EQ(hour->text(QAccessible::Name), QStringLiteral("月曜日 勤務開始 時"));
    EXPECT_EQ(hour->text(QAccessible::Value), QStringLiteral("9"));
    EXPECT_EQ(box("ComRest", 6)->accessibleName(), QStringLiteral("日曜日 休憩時間"));
    EXPECT_EQ(edit("Edit2")->accessibleName(), QStringLiteral("時間給"));
    EXPECT_EQ(in<QWidget>(master(), "GroupDay2")->accessibleName(), QStringLiteral("月曜日"));
    EXPECT_EQ(in<QWidget>(master(), "GroupDay1")->accessibleName(), QStringLiteral("日曜日"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(forms().FormPerson)->role(), QAccessible::Dialog);
}

// An assistive tool chooses an entry by selecting it in the box's list, with the popup closed;
// the box takes it as the user's choice, with the day rule that follows.
TEST_F(MasterWindows, AssistiveToolsChooseEntriesFromTheBoxesLists)
{
    open();
    const auto choose = [](QComboBox* b, int row) {
        QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(b)->child(0);
        ASSERT_NE(entries, nullptr);
        QAccessibleInterface* entry = entries->child(row);
        ASSERT_NE(entry, nullptr);
        entry->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    choose(box("ComBox", 0), 0);
    choose(box("Sh", 0), 9);
    EXPECT_EQ(box("Sh", 0)->currentIndex(), 9);
    QAccessibleInterface* hour = QAccessible::queryAccessibleInterface(box("Sh", 0));
    EXPECT_EQ(hour->textInterface()->text(0, -1), QStringLiteral("9"));
    EXPECT_TRUE(hour->child(0)->child(9)->state().selected);
    choose(box("ComBox", 0), 1); // 公休: the day rule sets the times back to their first entries
    EXPECT_EQ(box("ComBox", 0)->currentText(), QStringLiteral("公休"));
    EXPECT_EQ(box("Sh", 0)->currentIndex(), 0);
}

TEST_F(MasterWindows, TheListsCommandsWorkFromTheKeyboardForARowOutOfView)
{
    for (int r = 0; r < 30; ++r) {
        const QStringList cells = sampleEmployee(QStringLiteral("社員%1").arg(r));
        for (int c = 0; c < cells.size(); ++c)
            table().setCell(c, r, cells[c]);
    }
    open();
    QListWidget* names = list();
    QApplication::setActiveWindow(forms().FormPerson);
    names->setFocus();
    ASSERT_TRUE(names->hasFocus());
    names->setCurrentRow(29);
    names->scrollToTop();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), names->viewport()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(names->viewport(), &key);
    auto* menu = in<QMenu>(forms().FormPerson, "PopupMenu1");
    ASSERT_TRUE(menu->isVisible());
    const QRect row = names->visualItemRect(names->item(29));
    EXPECT_TRUE(names->viewport()->rect().contains(row)) << "the selected row is scrolled into view";
    EXPECT_EQ(menu->pos(), names->viewport()->mapToGlobal(row.bottomLeft()));
    menu->hide();

    QTest::keyClick(names, Qt::Key_Delete); // 削除 for the selected row, answered No
    ASSERT_EQ(run.dialogs().shown.size(), 1);
    EXPECT_TRUE(run.dialogs().shown[0].text.startsWith(QStringLiteral("■ 社員29\r\n")));
    EXPECT_EQ(table().cell(0, 29), QStringLiteral("社員29"));
}

TEST_F(MasterWindows, RegisteringWritesTheRecordAndResetsTheInputs)
{
    open();
    enterEmployee(QStringLiteral("山田太郎"), QStringLiteral("007"));
    box("Sh", 6)->setCurrentIndex(9); // the day rule keeps a day off at zero
    EXPECT_EQ(box("Sh", 6)->currentIndex(), 0);
    registerEmployee();

    QStringList expected = sampleEmployee(QStringLiteral("山田太郎"));
    expected[1] = QStringLiteral("7");
    for (int c = 0; c < 44; ++c)
        EXPECT_EQ(table().cell(c, 0), expected[c]) << c;
    ASSERT_EQ(run.dialogs().shown.size(), 1);
    EXPECT_EQ(run.dialogs().shown[0].buttons, dialogs::Buttons::YesNo);
    EXPECT_TRUE(run.dialogs().shown[0].text.startsWith(QStringLiteral("■ 山田太郎\r\n\r\n□ 新規登録完了．")));
    EXPECT_EQ(master()->windowTitle(), QStringLiteral("従業員マスタ登録 【追加モード】"));
    EXPECT_EQ(forms().FormPerson->windowTitle(), QStringLiteral("従業員氏名 ．．． 1"));
    EXPECT_TRUE(edit("Edit1")->text().isEmpty());
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("0"));
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(master()->week()[d], master::DayInput {});
    EXPECT_EQ(box("ComBox", 0)->placeholderText(), QStringLiteral("勤務有無"));
    EXPECT_EQ(box("ComRest", 0)->placeholderText(), QStringLiteral("休憩"));
}

TEST_F(MasterWindows, YesKeepsWageAndWeekForTheNextEmployee)
{
    open();
    enterEmployee(QStringLiteral("一郎"), QStringLiteral("1200"));
    registerEmployee(dialogs::Answer::Yes);
    EXPECT_TRUE(edit("Edit1")->text().isEmpty());
    typeText(edit("Edit1"), QStringLiteral("二郎"));
    registerEmployee();
    EXPECT_EQ(table().cell(0, 1), QStringLiteral("二郎"));
    for (int c = 1; c < 44; ++c)
        EXPECT_EQ(table().cell(c, 1), table().cell(c, 0)) << c;
}

TEST_F(MasterWindows, ARefusalMarksTheBoxAndChangesNoTable)
{
    open();
    enterEmployee(QStringLiteral("花子"));
    box("ComBox", 2)->setCurrentIndex(-1);
    box("ComRest", 4)->setCurrentIndex(-1);
    registerEmployee();
    EXPECT_EQ(run.dialogs().texts(), QStringList { QStringLiteral("▼ 勤務属性は，選択入力厳守！・・・") });
    EXPECT_EQ(box("ComBox", 2)->placeholderText(), QStringLiteral("選択入力"));
    EXPECT_EQ(master()->focusWidget(), box("ComBox", 2));

    chooseDay(2, 0, 9, 0, 17, 6, 12);
    registerEmployee();
    EXPECT_EQ(box("ComRest", 4)->placeholderText(), QStringLiteral("選択"));
    EXPECT_EQ(master()->focusWidget(), box("ComRest", 4));

    box("ComRest", 4)->setCurrentIndex(0);
    box("Eh", 3)->setCurrentIndex(0);
    registerEmployee();
    EXPECT_EQ(master()->focusWidget(), box("Eh", 3));
    EXPECT_EQ(run.dialogs().shown.size(), 3);
    EXPECT_TRUE(table().isEmpty());
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("花子"));
}

// The field names its limit in its tool tip (the description assistive tools read); what goes past
// it, typed or pasted, is cut and a note under the field says so for a while.
TEST_F(MasterWindows, NameFieldCountsShiftJisBytesTellsOfACutAndRefusesCommas)
{
    open();
    auto* note = in<QLabel>(master(), "LabelNameCut");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(edit("Edit1"))->text(QAccessible::Description),
        QStringLiteral("氏名は全角１２文字まで（半角なら２４文字．全角１文字は半角２文字分）"));
    typeText(edit("Edit1"), QStringLiteral("あいうえおかきくけこさし"));
    EXPECT_FALSE(note->isVisible());
    typeText(edit("Edit1"), QStringLiteral("すせそ"));
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("あいうえおかきくけこさし"));
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("▽ 氏名は全角１２文字（半角２４文字）まで．超えた分は切り捨てました．"));
    ASSERT_TRUE(waitFor([note] { return !note->isVisible(); })) << "the note goes after a while";
    edit("Edit1")->clear();
    typeText(edit("Edit1"), QStringLiteral("ｱｲｳｴｵabcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("ｱｲｳｴｵabcdefghijklmnopqrs"));

    // Pasted into the middle: what fits of the pasted text goes in, the rest is cut.
    edit("Edit1")->setText(QStringLiteral("あいう"));
    edit("Edit1")->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("かきくけこさしすせそ"));
    edit("Edit1")->paste();
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("あかきくけこさしすせいう"));
    EXPECT_EQ(edit("Edit1")->cursorPosition(), 10);
    EXPECT_TRUE(note->isVisible());
    // A Japanese input method commits its text in one piece.
    edit("Edit1")->setText(QStringLiteral("あいうえおかきくけこ"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("さしすせ"));
    QApplication::sendEvent(edit("Edit1"), &commit);
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("あいうえおかきくけこさし"));
    EXPECT_TRUE(run.dialogs().shown.isEmpty()) << "no message box breaks off the typing";

    enterEmployee(QStringLiteral("Smith,John"));
    registerEmployee();
    ASSERT_EQ(run.dialogs().shown.size(), 1);
    EXPECT_TRUE(run.dialogs().shown[0].text.contains(QStringLiteral("登録できない文字")));
    EXPECT_TRUE(table().isEmpty());
}

TEST_F(MasterWindows, WageFieldTakesDigitsOnlyFullWidthOnesAsAscii)
{
    open();
    typeText(edit("Edit2"), QStringLiteral("-１2a34567"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("12345"));
    // A Japanese input method commits its full-width digits in one piece.
    edit("Edit2")->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("９５０"));
    QApplication::sendEvent(edit("Edit2"), &commit);
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("950"));
    edit("Edit2")->setText(QStringLiteral("-5"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("0"));
}

// Tab and Shift+Tab follow the boxes in the order they are seen, also before a name is typed;
// Enter moves on the same way but sends an unnamed employee back from the wage to the name.
TEST_F(MasterWindows, TheKeyboardAloneFillsAndRegistersAnEmployee)
{
    open();
    QApplication::setActiveWindow(master());
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto focusedName = [] { return QApplication::focusWidget()->objectName(); };
    const auto key = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused(), Qt::Key(k), m);
        QCoreApplication::processEvents(); // the leave rules move the focus once the move has finished
    };
    ASSERT_EQ(focusedName(), "Edit1");
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    EXPECT_EQ(focusedName(), "ComBoxTwo") << "Tab passes the wage without a name";
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedName(), "Edit2");
    key(Qt::Key_Return);
    EXPECT_EQ(focusedName(), "Edit1") << "Enter sends an unnamed employee back to the name";

    typeText(focused(), QStringLiteral("山田太郎"));
    key(Qt::Key_Return);
    QTest::keyClicks(focused(), QStringLiteral("1000"));
    key(Qt::Key_Tab);
    QStringList order, expected;
    for (int d = 0; d < 7; ++d) {
        for (const char* kind : { "ComBox", "Sh", "Sm", "Eh", "Em", "ComRest" })
            expected << box(QLatin1String(kind), d)->objectName();
        order << focusedName();
        key(Qt::Key_Down); // the first entry, 勤務日
        if (d >= 5)
            key(Qt::Key_Down); // 公休: the day rule sets the times and the rest to their first entries
        for (const char* entry : { "9", "00", "17", "30", "60" }) {
            key(Qt::Key_Tab);
            order << focusedName();
            if (d < 5)
                QTest::keyClicks(focused(), QLatin1String(entry));
        }
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(order, expected);
    EXPECT_EQ(focusedName(), "SpeedBtn");
    run.dialogs().answer(dialogs::Answer::No);
    key(Qt::Key_Return);
    const QStringList record = sampleEmployee(QStringLiteral("山田太郎"));
    for (int c = 0; c < 44; ++c)
        EXPECT_EQ(table().cell(c, 0), record[c]) << c;
    EXPECT_EQ(focusedName(), "Edit1");
}

TEST_F(MasterWindows, EditingLoadsTheRecordAndStoresItUnchanged)
{
    open();
    enterEmployee(QStringLiteral("甲"));
    chooseDay(0, 0, 22, 0, 6, 0, 6); // past midnight with 30 minutes of rest
    chooseDay(3, 0, 8, 3, 20, 11, 31); // rest 360
    registerEmployee();
    enterEmployee(QStringLiteral("乙"));
    registerEmployee();
    const QStringList first = [this] {
        QStringList cells;
        for (int c = 0; c < 44; ++c)
            cells << table().cell(c, 0);
        return cells;
    }();
    run.dialogs().shown.clear();

    selectInList(0);
    personCommand("NRewrite");
    EXPECT_EQ(forms().FormPerson->mode(), master::Mode::Edit);
    EXPECT_EQ(master()->windowTitle(), QStringLiteral("従業員マスタ登録 【編集・修正】"));
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("甲"));
    EXPECT_EQ(box("ComRest", 3)->currentText(), QStringLiteral("360"));
    EXPECT_EQ(run.dialogs().shown.size(), 1);

    // Taking the other employee's name is refused; the own name is kept.
    edit("Edit1")->setText(QStringLiteral("乙"));
    registerEmployee();
    EXPECT_EQ(run.dialogs().shown.last().text, master::refusalText({ master::Problem::NameTaken }));
    edit("Edit1")->setText(QStringLiteral("甲"));
    registerEmployee();
    EXPECT_TRUE(run.dialogs().shown.last().text.contains(QStringLiteral("編集（修正）登録完了")));
    for (int c = 0; c < 44; ++c)
        EXPECT_EQ(table().cell(c, 0), first[c]) << c;
    EXPECT_EQ(forms().FormPerson->mode(), master::Mode::NewRegistration);
    EXPECT_EQ(table().cell(0, 1), QStringLiteral("乙"));
}

TEST_F(MasterWindows, ARenamedEmployeeKeepsTheirDayChangesAndWishes)
{
    open();
    enterEmployee(QStringLiteral("甲"));
    registerEmployee();
    const QDate date(2024, 5, 9);
    const DayEntry leave { QStringLiteral("休み"), "0", "00", "0", "00", "0", true };
    DayChanges& changes = forms().FormData->dayChanges;
    changes.set(QStringLiteral("甲"), date, leave);
    requests::Requests& wishes = forms().FormData->staffRequests;
    const requests::Wish dayOff { requests::Kind::DayOff, QStringLiteral("通院") };
    wishes.set(QStringLiteral("甲"), date.addDays(1), dayOff);

    selectInList(0);
    personCommand("NRewrite");
    edit("Edit1")->setText(QStringLiteral("丙"));
    registerEmployee();
    EXPECT_EQ(table().cell(0, 0), QStringLiteral("丙"));
    EXPECT_EQ(changes.find(QStringLiteral("丙"), date), leave);
    EXPECT_FALSE(changes.find(QStringLiteral("甲"), date));
    EXPECT_EQ(wishes.find(QStringLiteral("丙"), date.addDays(1)), dayOff);
    EXPECT_FALSE(wishes.find(QStringLiteral("甲"), date.addDays(1)));
}

TEST_F(MasterWindows, LoadingAClampedDayWarnsAndLeavesItsRestOpen)
{
    open();
    enterEmployee(QStringLiteral("丙"));
    chooseDay(2, 0, 9, 0, 11, 2, 25); // 150 minutes of rest in a 130-minute shift: net 0
    registerEmployee();
    EXPECT_EQ(table().cell(master::netMinutesColumn(2), 0), QStringLiteral("0"));
    run.dialogs().shown.clear();

    selectInList(0);
    personCommand("NRewrite");
    ASSERT_EQ(run.dialogs().shown.size(), 2);
    EXPECT_EQ(run.dialogs().shown[0].text,
        QStringLiteral("▽ 水曜日に関し，勤務時間帯の設定が無効のため，休憩時間の設定が無意味です．\r\n\r\n▽ "
                       "勤務時間帯の再検討が必要です．"));
    EXPECT_EQ(box("ComRest", 2)->currentIndex(), -1);
    EXPECT_EQ(box("ComRest", 2)->placeholderText(), QStringLiteral("休憩"));
    registerEmployee();
    EXPECT_EQ(run.dialogs().shown.last().text, QStringLiteral("▼ 休憩時間無しの場合は，ゼロ値を選択入力・・・"));
}

TEST_F(MasterWindows, CancelAfterEditRegistersAsNewAndSoRefusesTheSameName)
{
    open();
    enterEmployee(QStringLiteral("丁"));
    registerEmployee();
    selectInList(0);
    personCommand("NRewrite");
    personCommand("NCancel");
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("丁"));
    registerEmployee();
    EXPECT_TRUE(run.dialogs().shown.last().text.startsWith(QStringLiteral("▼ 既にその従業員名は登録済みです")));
}

TEST_F(MasterWindows, DeletingMovesTheLastEmployeeIntoTheGap)
{
    open();
    for (int r = 0; r < 10; ++r) {
        const QStringList cells = sampleEmployee(QStringLiteral("社員%1").arg(r));
        for (int c = 0; c < 44; ++c)
            table().setCell(c, r, cells[c]);
    }
    forms().FormPerson->refreshList();
    selectInList(3);
    personCommand("NDelete"); // answered No
    EXPECT_EQ(list()->count(), 10);
    ASSERT_FALSE(run.dialogs().shown.isEmpty());
    EXPECT_EQ(run.dialogs().shown.last().kind, dialogs::Kind::Warning);
    EXPECT_EQ(run.dialogs().shown.last().text,
        QStringLiteral("■ 社員3\r\n\r\n□ "
                       "当該従業員を，本当に削除してよろしいですか？\r\n\r\n□「はい」の場合，完全削除されます．\r\n"));
    run.dialogs().answer(dialogs::Answer::Yes);
    personCommand("NDelete");
    QStringList names;
    for (int i = 0; i < list()->count(); ++i)
        names << list()->item(i)->text();
    EXPECT_EQ(names, QStringList({ "社員0", "社員1", "社員2", "社員9", "社員4", "社員5", "社員6", "社員7", "社員8" }));
    EXPECT_EQ(forms().FormPerson->windowTitle(), QStringLiteral("従業員氏名 ．．． 9"));
    EXPECT_EQ(run.dialogs().texts().last(), QStringLiteral("▽ 従業員データを１件削除しました．"));
    EXPECT_TRUE(table().cell(0, 9).isEmpty());
}

TEST_F(MasterWindows, EditingANameNoLongerInTheTableIsRefused)
{
    open();
    const QStringList cells = sampleEmployee(QStringLiteral("社員0"));
    for (int c = 0; c < 44; ++c)
        table().setCell(c, 0, cells[c]);
    forms().FormPerson->refreshList();
    selectInList(0);
    table().setCell(0, 0, QStringLiteral("改名"));
    personCommand("NRewrite");
    ASSERT_FALSE(run.dialogs().shown.isEmpty());
    EXPECT_EQ(run.dialogs().shown.last().kind, dialogs::Kind::Error);
    EXPECT_EQ(
        run.dialogs().shown.last().text, QStringLiteral("■ 社員0．．．登録無し\r\n\r\n□ 修正処理を中断します．\r\n"));
}

TEST_F(MasterWindows, BatchWindowChecksAndFillsAllSevenDays)
{
    open();
    TFormMaster2* batch = forms().FormMaster2;
    in<QAction>(master(), "NBatch")->trigger();
    auto batchBox = [&](const char* name) { return in<QComboBox>(batch, name); };
    auto apply = [&] { QTest::mouseClick(in<QPushButton>(batch, "Button1"), Qt::LeftButton); };

    apply();
    EXPECT_EQ(run.dialogs().texts().last(), QStringLiteral("▼ 勤務属性を選択してください．"));
    batchBox("ComBox")->setCurrentIndex(0);
    for (const char* time : { "ComboxSh", "ComboxSm", "ComboxEh", "ComboxEm" })
        batchBox(time)->setCurrentIndex(0);
    apply();
    EXPECT_TRUE(run.dialogs().texts().last().startsWith(QStringLiteral("▼ 勤務開始時刻と勤務終了時刻に")));
    EXPECT_EQ(box("ComBox", 0)->currentIndex(), -1);

    typeText(edit("Edit1"), QStringLiteral("戊"));
    batchBox("ComboxSh")->setCurrentIndex(9);
    batchBox("ComBox")->setCurrentIndex(1);
    EXPECT_EQ(batchBox("ComboxSh")->currentIndex(), 0);
    batchBox("ComboxSh")->setCurrentIndex(0);
    apply();
    EXPECT_EQ(run.dialogs().texts().mid(2),
        QStringList({ QStringLiteral("▼ 勤務日以外は，時間帯以下ゼロ値設定．"),
            QStringLiteral("■ 週間データを全て選択情報において設定されました．\r\n\r\n■ "
                           "各曜日の内容変更は，任意で設定してください．\r\n\r\n■ "
                           "氏名（必須），時間給（任意）の設定は忘れずに．．．") }));
    EXPECT_FALSE(batch->isVisible());
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(master()->week()[d], (master::DayInput { 1, 0, 0, 0, 0, 0 })) << d;
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("戊"));

    in<QAction>(master(), "NBatch")->trigger();
    for (QComboBox* b : batch->findChildren<QComboBox*>())
        EXPECT_EQ(b->currentIndex(), -1);
}

// The whole road from empty files: employees and period registered through the windows,
// saved on close, and accepted by the next start.
TEST_F(MasterWindows, RegisteredEmployeesSurviveTheNextStart)
{
    open();
    EXPECT_EQ(forms().FormMain->state(), TFormMain::State::SetupNeeded);
    const QStringList names = { QStringLiteral("青木"), QStringLiteral("井上"), QStringLiteral("上田") };
    for (const QString& name : names) {
        enterEmployee(name);
        registerEmployee();
    }
    master()->close();
    forms().FormMain->handOverTo(forms().FormTerm);
    auto* periodButton = in<QPushButton>(forms().FormTerm, "SpeedBtn");
    ASSERT_TRUE(waitFor([&] { return periodButton->isEnabled(); }));
    QTest::mouseClick(periodButton, Qt::LeftButton);
    forms().FormTerm->close();
    forms().FormMain->close();

    QByteArray expected;
    for (const QString& name : names)
        expected += fileLine(sampleEmployee(name));
    EXPECT_EQ(readFileBytes(dir.file(TFormData::kMasterFile)), expected);

    ProgramRun again(QDate(2024, 5, 7));
    again.startUp();
    EXPECT_EQ(again.forms().FormMain->state(), TFormMain::State::Normal);
    EXPECT_EQ(again.forms().FormData->employeeCount(), 3);
}
