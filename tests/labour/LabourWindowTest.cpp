// The settings window as a user drives it with the keyboard: every box named and reached in the
// order shown, values beyond a setting's range refused by the box itself or, in a text box, by
// a message at "登録", "登録" registering every setting, "キャンセル" and Escape changing nothing.
#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "labour/LabourFile.h"
#include "labour/Unitlabour.h"
#include "platform/Dialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class LabourWindow : public ::testing::Test {
protected:
    LabourWindow() { forms.FormData = &data; }
    template <typename T> T* in(const char* name) { return window.findChild<T*>(QLatin1String(name)); }
    void open()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    // Types into the focused box, as over the keyboard, and moves on with Tab.
    void type(const QString& text)
    {
        QWidget* box = QApplication::focusWidget();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    TFormData data;
    Forms forms;
    TFormLabour window { forms };
    QSignalSpy registered { &window, &TFormLabour::tableChanged };
    QSignalSpy closed { &window, &TFormLabour::closed };
};

} // namespace

TEST_F(LabourWindow, EveryBoxIsNamedAndReachedInTheOrderShown)
{
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("労務設定"));
    QStringList order;
    QStringList names;
    for (int i = 0; i < 14; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        order << focus->objectName();
        names << focus->accessibleName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // The variable-hours period's start and the four weeks' first day wait for their scheme.
    EXPECT_EQ(order,
        QStringList({ "SpinWeeklyHours", "ComboWeekStart", "SpinNightRate", "SpinOvertimeRate", "SpinOverSixtyRate",
            "SpinRunLimit", "SpinRestHours", "SpinMinimumWage", "ComboScheme", "ComboDaysOffRule", "ComboMinorNight",
            "EditNightBand", "BtnRegister", "BtnCancel" }));
    EXPECT_EQ(names.mid(0, 12),
        QStringList({ "週法定労働時間", "週の起算日", "深夜割増率", "時間外割増率", "月60時間超割増率", "連続勤務上限",
            "勤務間インターバル", "最低賃金", "変形労働時間制", "休日の与え方", "年少者の深夜業", "夜勤時間帯" }));
    EXPECT_FALSE(in<QComboBox>("ComboSchemeStart")->isEnabled());
    EXPECT_FALSE(in<QLineEdit>("EditFourWeekStart")->isEnabled());
    for (const char* box : { "ComboScheme", "ComboSchemeStart", "ComboDaysOffRule", "EditFourWeekStart",
             "ComboMinorNight", "EditNightBand" })
        EXPECT_TRUE(window.findChild<QWidget*>(box)->toolTip().contains(QStringLiteral("第"))
            || window.findChild<QWidget*>(box)->toolTip().contains(QStringLiteral("施設基準")))
            << box << ": the tool tip names its article";
    EXPECT_EQ(in<QLabel>("LabelRestHours")->buddy(), in<QSpinBox>("SpinRestHours"));
    EXPECT_FALSE(in<QSpinBox>("SpinRestHours")->accessibleDescription().isEmpty());
    EXPECT_EQ(in<QPushButton>("BtnRegister")->text(), QStringLiteral("登録"));
    EXPECT_EQ(in<QPushButton>("BtnCancel")->text(), QStringLiteral("キャンセル"));
}

TEST_F(LabourWindow, RegisteringGivesEverySettingTheBoxesValuesAndCancellingChangesNothing)
{
    // With no file nothing is given; the boxes show the defaults.
    open();
    EXPECT_EQ(in<QSpinBox>("SpinWeeklyHours")->value(), 40);
    EXPECT_EQ(in<QComboBox>("ComboWeekStart")->currentText(), QStringLiteral("日"));
    EXPECT_EQ(in<QSpinBox>("SpinMinimumWage")->text(), QStringLiteral("確認しない"));

    type("44"); // 週法定労働時間
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // 週の起算日: 月
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    type("30"); // 深夜割増率
    type("60"); // 時間外割増率: beyond 50, the box keeps what it had
    type("50"); // 月60時間超割増率
    type("0"); // 連続勤務上限: no check
    type("9"); // 勤務間インターバル
    type("1050"); // 最低賃金
    for (int i = 0; i < 4; ++i) // the new settings as they are
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), in<QPushButton>("BtnRegister"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    EXPECT_EQ(registered.count(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(labourfile::serialize(data.labourSettings),
        sjis("週法定労働時間,44,\r\n週の起算日,月,\r\n深夜割増率,30,\r\n時間外割増率,25,\r\n月60時間超割増率,50,\r\n"
             "連続勤務上限,0,\r\n勤務間インターバル,9,\r\n最低賃金,1050,\r\n変形労働時間制,なし,\r\n変形期間の起算日,1,"
             "\r\n"
             "休日の与え方,毎週1日,\r\n4週の起算日,,\r\n年少者の深夜業,禁止,\r\n夜勤時間帯,,\r\n"));

    // Opened again it shows what was registered; Escape and "キャンセル" close without a change.
    const labour::Settings before = data.labourSettings;
    open();
    EXPECT_EQ(in<QSpinBox>("SpinWeeklyHours")->value(), 44);
    EXPECT_EQ(in<QSpinBox>("SpinRunLimit")->text(), QStringLiteral("確認しない"));
    type("48");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    open();
    type("30");
    in<QPushButton>("BtnCancel")->click();
    EXPECT_EQ(closed.count(), 3);
    EXPECT_EQ(registered.count(), 1);
    EXPECT_EQ(data.labourSettings, before);
}

TEST_F(LabourWindow, TheSchemesAreChosenAndATextBoxsValueItsSettingDoesNotTakeIsRefusedWithAMessage)
{
    dialogs::Script script;
    open();
    in<QComboBox>("ComboScheme")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // 1か月単位
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), in<QComboBox>("ComboSchemeStart")) << "chosen with its scheme";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End); // 末日
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // 4週4日
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), in<QLineEdit>("EditFourWeekStart"));
    type("2026/6/31");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // 保健衛生業などの例外
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    type("16:30-9:00"); // 16 hours and a half
    in<QPushButton>("BtnRegister")->click();

    // The first text box refused names its setting and values and keeps the window open.
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_EQ(
        script.shown[0].text, QStringLiteral("「4週の起算日」の値が不正です（空欄又は2000/1/1～2099/12/31の日付）．"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), in<QLineEdit>("EditFourWeekStart"));
    EXPECT_EQ(registered.count(), 0);
    type("2026/6/1");
    in<QPushButton>("BtnRegister")->click();
    ASSERT_EQ(script.shown.size(), 2);
    EXPECT_EQ(script.shown[1].text,
        QStringLiteral("「夜勤時間帯」の値が不正です（空欄又は22時～5時を含む16時間，例 16:30-8:30）．"));
    EXPECT_EQ(QApplication::focusWidget(), in<QLineEdit>("EditNightBand"));
    type("16:30-8:30");
    in<QPushButton>("BtnRegister")->click();

    EXPECT_EQ(script.shown.size(), 2);
    EXPECT_EQ(registered.count(), 1);
    EXPECT_FALSE(window.isVisible());
    const QByteArray saved = labourfile::serialize(data.labourSettings);
    EXPECT_TRUE(saved.endsWith(
        sjis("変形労働時間制,1か月単位,\r\n変形期間の起算日,末日,\r\n休日の与え方,4週4日,\r\n"
             "4週の起算日,2026/6/1,\r\n年少者の深夜業,保健衛生業などの例外,\r\n夜勤時間帯,16:30-8:30,\r\n")))
        << saved.toStdString();
    EXPECT_EQ(labourfile::read(saved).settings, data.labourSettings) << "the saved file reads back the same";

    // Opened again it shows what was registered.
    open();
    EXPECT_EQ(in<QComboBox>("ComboSchemeStart")->currentText(), QStringLiteral("末日"));
    EXPECT_TRUE(in<QComboBox>("ComboSchemeStart")->isEnabled());
    EXPECT_EQ(in<QLineEdit>("EditFourWeekStart")->text(), QStringLiteral("2026/6/1"));
    EXPECT_EQ(in<QLineEdit>("EditNightBand")->text(), QStringLiteral("16:30-8:30"));
}
