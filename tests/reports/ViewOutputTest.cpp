#include "reports/ViewOutput.h"
#include "platform/Dialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

const QString kSaveFailed = QStringLiteral("▼ ファイルの保存に失敗しました．");
const QString kNoPrinter = QStringLiteral("▼ プリンタ未設定．\r\n\r\n▽ プリンタを有効 （動作可能状態） "
                                          "にしてください．．．\r\n\r\n- Karvela Software Development -");

class Saving : public ::testing::Test {
protected:
    Saving()
    {
        view.setPlainText(QStringLiteral("【☆各従業員】\n〇 ☆ × －  【山田】"));
        QFont font = view.font();
        font.setPixelSize(13); // the text window's type
        view.setFont(font);
    }

    // Saves through the dialog answered with name and type; returns the messages shown.
    QStringList save(const QString& name, int type, std::optional<dialogs::Answer> replace = std::nullopt)
    {
        dialogs::Script script;
        script.answerSave(dialogs::SaveChoice { dir.file(name), type });
        if (replace)
            script.answer(*replace);
        output.saveText(nullptr, view);
        EXPECT_EQ(script.saveTitle, QStringLiteral("ZEL Rotan File Save"));
        EXPECT_EQ(script.saveFilters,
            QStringList({ QStringLiteral("リッチ テキスト形式 (*.rtf)"), QStringLiteral("MS-Word ファイル (*.doc)") }));
        return script.texts();
    }

    StartDirectory dir;
    QTextEdit view;
    ViewOutput output;
};

} // namespace

TEST_F(Saving, AppendsTheExtensionOfTheChosenTypeAlways)
{
    EXPECT_TRUE(save(QStringLiteral("plan"), 1).isEmpty());
    EXPECT_TRUE(save(QStringLiteral("plan.doc"), 2).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
        QStringList({ "plan.doc.DOC", "plan.RTF" }));
    const QByteArray rtf = readFileBytes(dir.file(QStringLiteral("plan.RTF")));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\uc2\\u23665\\'8e\\'52"));
    EXPECT_TRUE(rtf.contains("\\fs20\\cf1 ")) << "13 pixels are 9.75 points, written as 10";
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;}")) << "a white background adds no colour";
    EXPECT_FALSE(rtf.contains("\\cbpat")) << "and no paragraph shading";
    EXPECT_EQ(rtf, readFileBytes(dir.file(QStringLiteral("plan.doc.DOC"))));
}

TEST_F(Saving, TheDialogOpensWhereTheLastSaveOfTheRunWent)
{
    {
        dialogs::Script first;
        output.saveText(nullptr, view);
        EXPECT_EQ(first.saveFolder, QString()) << "the first save starts in the start directory";
        EXPECT_EQ(first.saveType, 1);
    }
    QDir(dir.path()).mkdir(QStringLiteral("kept"));
    save(QStringLiteral("kept/plan"), 2);
    dialogs::Script script;
    output.saveText(nullptr, view); // cancelled: changes nothing
    output.saveText(nullptr, view);
    EXPECT_EQ(script.saveFolder, dir.file(QStringLiteral("kept")));
    EXPECT_EQ(script.saveType, 2);
}

TEST_F(Saving, CancelIsSilentAndAnUnknownTypeFails)
{
    dialogs::Script script;
    output.saveText(nullptr, view);
    EXPECT_EQ(script.dialogsShown, QStringList { QStringLiteral("save") });
    EXPECT_TRUE(script.shown.isEmpty());
    EXPECT_EQ(save(QStringLiteral("plan"), 3), QStringList { kSaveFailed });
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(Saving, AsksBeforeReplacingTheFileItWrites)
{
    const QString path = dir.file(QStringLiteral("plan.RTF"));
    writeFileBytes(path, "kept");
    const QStringList asked = save(QStringLiteral("plan"), 1, dialogs::Answer::No);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("■ plan.RTF")));
    EXPECT_EQ(readFileBytes(path), "kept");
    save(QStringLiteral("plan"), 1, dialogs::Answer::Yes);
    EXPECT_TRUE(readFileBytes(path).startsWith("{\\rtf1"));
}

TEST_F(Saving, AFailedWriteIsReportedAndLeavesNoFile)
{
    QDir(dir.path()).mkdir(QStringLiteral("plan.RTF")); // a folder where the file should go
    EXPECT_EQ(save(QStringLiteral("plan"), 1), QStringList { kSaveFailed });
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("plan.RTF"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(PrinterSetup, OnlyAConfirmationSetsTheFlagAndAFirstCancelWarns)
{
    StartDirectory dir;
    ViewOutput output;
    dialogs::Script script;
    EXPECT_FALSE(output.checkPrinter(nullptr));
    output.printerSetup(nullptr); // cancelled while the flag is clear
    EXPECT_FALSE(output.printerChosen());
    script.answerPrinter(dir.file(QStringLiteral("out.pdf")));
    output.printerSetup(nullptr);
    EXPECT_TRUE(output.printerChosen());
    output.printerSetup(nullptr); // a later cancel keeps the flag and says nothing
    EXPECT_TRUE(output.checkPrinter(nullptr));
    EXPECT_EQ(script.texts(), QStringList({ kNoPrinter, kNoPrinter }));
    EXPECT_EQ(script.dialogsShown.size(), 3);
    EXPECT_EQ(output.printer().outputFileName(), dir.file(QStringLiteral("out.pdf")));
    EXPECT_EQ(output.printer().pageLayout().orientation(), QPageLayout::Landscape);
}
