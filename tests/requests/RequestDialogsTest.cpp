// The import and note dialogs as the change window opens them: what a file would give, shown
// before anything changes, taken with the keyboard or cancelled; the columns of a form with
// unknown headings chosen and remembered; a note refused, then set.
#include "requests/Unitrequestimport.h"
#include "requests/Unitrequestnote.h"
#include "support/TestSupport.h"

#include <QComboBox>
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

QList<QDate> period()
{
    QList<QDate> dates;
    for (int d = 0; d < 40; ++d)
        dates.append(QDate(2026, 5, 12).addDays(d));
    return dates;
}

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QStringList items(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

TEST(RequestDialogs, TheImportShowsWhatItTakesAndRefusesAndTakesNothingWhenCancelled)
{
    dialogs::Script script;
    const QList<QDate> dates = period();
    requests::Requests existing;
    existing.set("佐藤", QDate(2026, 5, 20), { requests::Kind::DayOff, {} });
    const QByteArray csv = QStringLiteral("氏名,日付,種類\r\n山田,5/14,休\r\n高橋,5/15,休\r\n佐藤,5/20,×\r\n").toUtf8();
    const requests::ImportPreview preview = requests::parseImport(csv, { "山田", "佐藤" }, dates, existing);

    TFormRequestImport dialog;
    QSignalSpy chosen(&dialog, &TFormRequestImport::importChosen);
    dialog.preview("/home/user/希望.csv", csv, { "山田", "佐藤" }, dates, existing);
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
    dialog.preview("空.csv", "高橋,5/15,休\r\n", { "山田" }, dates, {});
    EXPECT_FALSE(in<QPushButton>(&dialog, "BtnImport")->isEnabled());
    EXPECT_EQ(dialog.focusWidget(), in<QPushButton>(&dialog, "BtnCancel"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_TRUE(script.shown.isEmpty());
}

TEST(RequestDialogs, TheColumnsOfUnknownHeadingsAreChosenInTheDialogAndRememberedForTheNextImport)
{
    dialogs::Script script;
    const QByteArray csv = QStringLiteral("記入日時,お名前,休みたい日,どうしたい\r\n"
                                          "2026/05/01 9:12,山田,5/14,休\r\n"
                                          "2026/05/01 9:20,佐藤,5/15,×\r\n")
                               .toUtf8();
    const QSet<QString> names { "山田", "佐藤" };
    TFormRequestImport dialog;
    QSignalSpy chosen(&dialog, &TFormRequestImport::importChosen);
    dialog.preview("希望.csv", csv, names, period(), {});

    // The heading of names fixes its column; the others read the import's own order at first.
    auto* name = in<QComboBox>(&dialog, "ComboName");
    auto* date = in<QComboBox>(&dialog, "ComboDate");
    auto* kind = in<QComboBox>(&dialog, "ComboKind");
    auto* note = in<QComboBox>(&dialog, "ComboNote");
    EXPECT_FALSE(name->isEnabled());
    EXPECT_EQ(name->currentText(), "2 列目：お名前");
    EXPECT_TRUE(date->isEnabled());
    EXPECT_EQ(items(date), QStringList({ "1 列目：記入日時", "3 列目：休みたい日", "4 列目：どうしたい" }));
    EXPECT_EQ(items(note).first(), "（なし）");
    EXPECT_TRUE(date->currentText().isEmpty()) << "the date's own column is the name's";
    auto* taken = in<QListWidget>(&dialog, "ListTaken");
    auto* refused = in<QListWidget>(&dialog, "ListRefused");
    EXPECT_EQ(taken->count(), 0);
    EXPECT_EQ(items(refused),
        QStringList({ "2 行目：見出しに日付の列がありません", "3 行目：見出しに日付の列がありません" }));

    // Chosen with the keyboard, the lists follow at once.
    date->setFocus();
    QTest::keyClick(date, Qt::Key_End); // "4 列目"
    QTest::keyClick(date, Qt::Key_Up);
    EXPECT_EQ(date->currentText(), "3 列目：休みたい日");
    const QString badKind = "行目：希望の種類が正しくありません（希望休，出勤不可，出勤希望）";
    EXPECT_EQ(items(refused), QStringList({ "2 " + badKind, "3 " + badKind })) << "the kind reads the date's column";
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_End);
    note->setFocus();
    QTest::keyClick(note, Qt::Key_Home);
    EXPECT_EQ(items(taken),
        QStringList({ "2 行目　山田　2026年5月14日（木）　希望休", "3 行目　佐藤　2026年5月15日（金）　出勤不可" }));
    EXPECT_EQ(refused->count(), 0);
    EXPECT_EQ(in<QLabel>(&dialog, "LabelSummary")->text(),
        "取り込む希望：2 件（うち 0 件は既にある希望を置き換えます）　取り込まない行：0 件　文字コード：UTF-8");

    in<QPushButton>(&dialog, "BtnImport")->click();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].value<QList<requests::ImportRow>>().size(), 2);
    const auto columns = chosen[0][1].value<requests::ImportColumns>();
    EXPECT_EQ(columns.columns, (std::array { 0, 2, 3, requests::kNoColumn })) << "the name's column is the headings'";

    // Remembered with the wishes, the choice reads the next file of the form at once.
    requests::Requests remembered;
    remembered.setImportColumns(columns);
    dialog.preview("希望2.csv", csv, names, period(), remembered);
    EXPECT_EQ(taken->count(), 2);
    EXPECT_EQ(date->currentText(), "3 列目：休みたい日");
    EXPECT_EQ(note->currentText(), "（なし）");
    QTest::keyClick(&dialog, Qt::Key_Escape);
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
