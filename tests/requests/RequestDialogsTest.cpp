// The import and note dialogs as the change window opens them: what a file would give, shown
// before anything changes, taken with the keyboard or cancelled; a note refused, then set.
#include "requests/Unitrequestimport.h"
#include "requests/Unitrequestnote.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <typename T> T* in(QWidget* w, const char* name)
{
    return w->findChild<T*>(QLatin1String(name));
}

} // namespace

TEST(RequestDialogs, TheImportShowsWhatItTakesAndRefusesAndTakesNothingWhenCancelled)
{
    dialogs::Script script;
    QList<QDate> dates;
    for (int d = 0; d < 40; ++d)
        dates.append(QDate(2026, 5, 12).addDays(d));
    requests::Requests existing;
    existing.set("佐藤", QDate(2026, 5, 20), { requests::Kind::DayOff, {} });
    const requests::ImportPreview preview = requests::parseImport(
        QStringLiteral("氏名,日付,種類\r\n山田,5/14,休\r\n高橋,5/15,休\r\n佐藤,5/20,×\r\n").toUtf8(),
        { "山田", "佐藤" }, dates, existing);

    TFormRequestImport dialog;
    QSignalSpy chosen(&dialog, &TFormRequestImport::importChosen);
    dialog.preview("/home/user/希望.csv", preview);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "希望の取り込み");
    EXPECT_EQ(in<QLabel>(&dialog, "LabelFile")->text(), "ファイル：希望.csv");
    EXPECT_EQ(in<QLabel>(&dialog, "LabelSummary")->text(),
        "取り込む希望：2 件（うち 1 件は既にある希望を置き換えます）　取り込まない行：1 件　文字コード：UTF-8");
    auto* taken = in<QListWidget>(&dialog, "ListTaken");
    ASSERT_EQ(taken->count(), 2);
    EXPECT_EQ(taken->item(0)->text(), "2 行目　山田　2026年5月14日（木）　希望休");
    auto* refused = in<QListWidget>(&dialog, "ListRefused");
    ASSERT_EQ(refused->count(), 1);
    EXPECT_EQ(refused->item(0)->text(), "3 行目：氏名が従業員マスタにありません");

    // "取り込む" has the focus: Enter takes the rows.
    EXPECT_EQ(dialog.focusWidget(), in<QPushButton>(&dialog, "BtnImport"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].value<QList<requests::ImportRow>>(), preview.taken);

    // Nothing to take: only "キャンセル" can be pressed, and it takes nothing.
    dialog.preview("空.csv", requests::parseImport("高橋,5/15,休\r\n", { "山田" }, dates, {}));
    EXPECT_FALSE(in<QPushButton>(&dialog, "BtnImport")->isEnabled());
    EXPECT_EQ(dialog.focusWidget(), in<QPushButton>(&dialog, "BtnCancel"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_TRUE(script.shown.isEmpty());
}

TEST(RequestDialogs, ANoteThatCannotBeKeptIsRefusedWithAMessage)
{
    dialogs::Script script;
    TFormRequestNote dialog;
    QSignalSpy chosen(&dialog, &TFormRequestNote::noteChosen);
    dialog.edit("山田　2026年5月14日（木）", "通院");
    auto* note = in<QLineEdit>(&dialog, "EditNote");
    ASSERT_EQ(dialog.focusWidget(), note);
    EXPECT_EQ(note->maxLength(), 40);
    note->insert("午前,午後"); // typed over the selected note
    QTest::keyClick(note, Qt::Key_Return);
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_EQ(script.shown[0].text, "▼ メモに使えない文字があります．");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(chosen.isEmpty());

    note->setText("午前のみ");
    in<QPushButton>(&dialog, "BtnRegister")->click();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), "午前のみ");
}
