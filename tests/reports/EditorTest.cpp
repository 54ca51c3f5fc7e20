// The text window and the main window's "転送" and "印刷 - A4横 -" items, in the real windows.
#include "platform/RichEdit.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/Uniteditor.h"
#include "reports/ViewOutput.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QMenu>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

const QString kReadOnly = QStringLiteral("ZEL Simple Editor ．．．Read Only Mode");
const QString kLimited = QStringLiteral("ZEL Simple Editor for View Limited ．．．Read Only Mode");
const QString kEdit = QStringLiteral("ZEL Simple Editor for View Limited ．．．EDIT MODE");
const QString kNoPrinter = QStringLiteral("▼ プリンタ未設定．\r\n\r\n▽ プリンタを有効 （動作可能状態） "
                                          "にしてください．．．\r\n\r\n- Karvela Software Development -");

class TextWindow : public ::testing::Test {
protected:
    TextWindow()
        : run(QDate(2024, 5, 7))
    {
        run.startUp();
        // A finished report enables the popup items.
        for (QAction* a : main()->findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions())
            a->setEnabled(true);
    }
    TFormMain* main() { return run.forms().FormMain; }
    TFormEditor* editor() { return run.forms().FormEditor; }
    QTextEdit* text() { return editor()->findChild<QTextEdit*>(QStringLiteral("RichEdit1")); }
    static QAction* find(QWidget* window, const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
    QAction* item(const char* name) { return find(editor(), name); }

    // Shows a report panel of the main window with lines, as a finished report leaves it.
    RichEdit* fill(const char* name, const QStringList& lines)
    {
        RichEdit* panel = main()->findChild<RichEdit*>(QLatin1String(name));
        for (const QString& line : lines)
            panel->appendLine(line);
        panel->show();
        return panel;
    }

    StartDirectory dir;
    ProgramRun run;
};

} // namespace

TEST_F(TextWindow, TakesACopyOfThePanelAndCyclesThroughItsCaptions)
{
    const QStringList lines { QString(), QStringLiteral("■ 山田 太郎 ■"), QStringLiteral("出 9:00") };
    RichEdit* panel = fill("RichEdit3", lines);
    EXPECT_EQ(editor()->windowTitle(), kReadOnly);
    find(main(), "NTranse")->trigger();
    ASSERT_TRUE(editor()->isVisible());
    EXPECT_TRUE(main()->isVisible()) << "the main window keeps its panel";
    EXPECT_EQ(text()->toPlainText(), lines.join(u'\n'));
    EXPECT_TRUE(text()->isReadOnly());
    EXPECT_EQ(text()->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    item("NMode")->trigger();
    EXPECT_EQ(editor()->windowTitle(), kEdit);
    EXPECT_FALSE(text()->isReadOnly());
    EXPECT_FALSE(item("NMode")->isEnabled());
    text()->moveCursor(QTextCursor::End);
    QTest::keyClicks(text(), QStringLiteral(" edited"));
    EXPECT_TRUE(text()->toPlainText().endsWith(QStringLiteral("出 9:00 edited")));
    EXPECT_EQ(panel->lines(), lines) << "edits never flow back";

    item("N2")->trigger();
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(editor()->windowTitle(), kLimited);
    EXPECT_TRUE(text()->isReadOnly());
    EXPECT_TRUE(text()->toPlainText().isEmpty());
    EXPECT_TRUE(item("NMode")->isEnabled());

    // The labour cost panel is shown left-aligned.
    panel->clearLines();
    panel->hide();
    fill("RichEdit4", { QStringLiteral("■山田 太郎 □月：7500") });
    find(main(), "NTranse")->trigger();
    EXPECT_EQ(editor()->windowTitle(), kLimited);
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("■山田 太郎 □月：7500"));
    EXPECT_EQ(text()->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    editor()->close();
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(editor()->windowTitle(), kLimited);
}

TEST_F(TextWindow, AnEmptyPanelShowsAnEmptyTextAndF9Closes)
{
    fill("RichEdit2", { QStringLiteral("〇 山田 太郎") });
    find(main(), "NTranse")->trigger();
    editor()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor()));
    // Keyboard users open the text's popup menu with Shift+F10.
    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_F10, Qt::ShiftModifier);
    auto* popup = editor()->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    QTest::keyClick(editor(), Qt::Key_F9);
    EXPECT_FALSE(editor()->isVisible());
    main()->findChild<RichEdit*>(QStringLiteral("RichEdit2"))->clearLines();
    find(main(), "NTranse")->trigger();
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_TRUE(text()->toPlainText().isEmpty());
}

TEST_F(TextWindow, RestylesAndSavesItsOwnText)
{
    fill("RichEdit3", { QStringLiteral("■ 山田 太郎 ■") });
    find(main(), "NTranse")->trigger();
    dialogs::Script& script = run.dialogs();
    script.answerColor(QColor(10, 20, 30));
    script.answerColor(QColor(200, 0, 0));
    QFont font(QStringLiteral("Noto Serif CJK JP"), 14);
    script.answerFont(font);
    script.answerColor(std::nullopt);
    item("N3")->trigger();
    item("N4")->trigger();
    item("N16")->trigger();
    item("N3")->trigger(); // cancelled: the colour stays
    EXPECT_EQ(text()->palette().color(QPalette::Base), QColor(10, 20, 30));
    EXPECT_EQ(text()->palette().color(QPalette::Text), QColor(200, 0, 0));
    EXPECT_EQ(text()->font().family(), font.family());
    EXPECT_EQ(text()->font().pointSize(), 14);

    item("NMode")->trigger();
    text()->setPlainText(QStringLiteral("編集後"));
    script.answerSave(dialogs::SaveChoice { dir.file(QStringLiteral("view")), 1 });
    item("MSWord1")->trigger();
    const QByteArray rtf = readFileBytes(dir.file(QStringLiteral("view.RTF")));
    EXPECT_TRUE(rtf.contains("\\red10\\green20\\blue30")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\red200\\green0\\blue0"));
    EXPECT_TRUE(rtf.contains("\\u32232")) << "編, the window's edited text";
}

TEST_F(TextWindow, PrintsTheMainWindowsPanelThroughOneSharedLineReport)
{
    fill("RichEdit2", { QStringLiteral("〇 山田 太郎"), QStringLiteral("本日給料 7500円") });
    find(main(), "NTranse")->trigger();
    item("NMode")->trigger();
    text()->setPlainText(QStringLiteral("書き換えた行"));
    dialogs::Script& script = run.dialogs();

    item("NPrintOut")->trigger();
    EXPECT_EQ(script.texts(), QStringList { kNoPrinter });
    EXPECT_EQ(main()->linePrintReport(), nullptr) << "nothing is created or printed";
    EXPECT_TRUE(item("NPrintOut")->isEnabled());

    const QString pdf = dir.file(QStringLiteral("line.pdf"));
    script.answerPrinter(pdf);
    item("N6")->trigger();
    item("NPrintOut")->trigger();
    const TQRListFormLinePrn* report = main()->linePrintReport();
    ASSERT_NE(report, nullptr);
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("〇 山田 太郎"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("【本日，勤務状況リスト】")));
    EXPECT_FALSE(printed.contains(QStringLiteral("書き換えた行")));
    EXPECT_TRUE(item("NPrintOut")->isEnabled());

    // The setup chose the file once: printing again replaces it only when the user agrees.
    script.answer(dialogs::Answer::Yes);
    find(main(), "NPrintOut")->trigger();
    EXPECT_EQ(main()->linePrintReport(), report) << "created once per run";
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("本日給料 7500円")));
    EXPECT_TRUE(find(main(), "NPrintOut")->isEnabled());
    ASSERT_EQ(script.texts().size(), 2);
    EXPECT_TRUE(script.texts()[1].startsWith(QStringLiteral("■ line.pdf\r\n"))) << script.texts()[1].toStdString();
}

TEST_F(TextWindow, EveryControlHasAJapaneseAccessibleName)
{
    EXPECT_EQ(editor()->size(), QSize(899, 615));
    const QList<QWidget*> widgets = editor()->findChildren<QWidget*>();
    ASSERT_FALSE(widgets.isEmpty());
    for (QWidget* w : widgets) {
        if (text()->isAncestorOf(w) || w == editor()->centralWidget())
            continue; // Qt's own viewport and scroll bars of the text, and the plain container
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        const bool japanese = std::any_of(
            w->accessibleName().cbegin(), w->accessibleName().cend(), [](QChar c) { return c.unicode() >= 0x3000; });
        EXPECT_TRUE(japanese) << w->accessibleName().toStdString();
    }
    EXPECT_EQ(text()->toolTip(), QStringLiteral("右ｸﾘｯｸ・ﾒﾆｭｰ"));
}
