// The settings window as a user drives it with the keyboard: every box named and reached in the
// order shown, values beyond a setting's range refused by the box itself, "登録" registering
// every setting, "キャンセル" and Escape changing nothing.
#include "forms/Forms.h"
#include "data/Unitdata.h"
#include "labour/LabourFile.h"
#include "labour/Unitlabour.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
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
    for (int i = 0; i < 10; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        order << focus->objectName();
        names << focus->accessibleName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(order,
        QStringList({ "SpinWeeklyHours", "ComboWeekStart", "SpinNightRate", "SpinOvertimeRate", "SpinOverSixtyRate",
            "SpinRunLimit", "SpinRestHours", "SpinMinimumWage", "BtnRegister", "BtnCancel" }));
    EXPECT_EQ(names.mid(0, 8),
        QStringList({ "週法定労働時間", "週の起算日", "深夜割増率", "時間外割増率", "月60時間超割増率", "連続勤務上限",
            "勤務間インターバル", "最低賃金" }));
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
    ASSERT_EQ(QApplication::focusWidget(), in<QPushButton>("BtnRegister"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    EXPECT_EQ(registered.count(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(labourfile::serialize(data.labourSettings),
        sjis("週法定労働時間,44,\r\n週の起算日,月,\r\n深夜割増率,30,\r\n時間外割増率,25,\r\n月60時間超割増率,50,\r\n"
             "連続勤務上限,0,\r\n勤務間インターバル,9,\r\n最低賃金,1050,\r\n"));

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
