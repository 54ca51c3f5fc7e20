#include "reports/ViewOutput.h"
#include "exports/PeriodSchedule.h"
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

TEST_F(Saving, AppendsTheExtensionOfTheChosenTypeUnlessTheNameEndsWithIt)
{
    const exports::PeriodSchedule period { QDate(2024, 5, 31), 1, {}, {} };
    struct Case {
        bool exported;
        const char* typed;
        int type;
        const char* written;
    };
    for (const Case& c : std::initializer_list<Case> {
             { false, "plan", 1, "plan.RTF" },
             { false, "plan.rtf", 1, "plan.rtf" },
             { false, "PLAN.RTF", 1, "PLAN.RTF" },
             { false, "plan.doc", 1, "plan.doc.RTF" },
             { false, "plan.rtf", 2, "plan.rtf.DOC" },
             { false, "Plan.Doc", 2, "Plan.Doc" },
             { true, "plan.csv", 1, "plan.csv" },
             { true, "PLAN.CSV", 1, "PLAN.CSV" },
             { true, "plan.ics", 1, "plan.ics.csv" },
             { true, "plan", 2, "plan.ics" },
             { true, "plan.csv", 2, "plan.csv.ics" },
             { true, "plan.", 2, "plan..ics" },
         }) {
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        dialogs::Script script;
        script.answerSave(dialogs::SaveChoice { dir.file(QString::fromUtf8(c.typed)), c.type });
        if (c.exported)
            output.saveExport(nullptr, period);
        else
            output.saveText(nullptr, view);
        EXPECT_TRUE(script.shown.isEmpty()) << c.typed;
        QStringList added = QDir(dir.path()).entryList(QDir::Files);
        added.removeIf([&before](const QString& name) { return before.contains(name); });
        EXPECT_EQ(added, QStringList { QString::fromUtf8(c.written) }) << c.typed << " as type " << c.type;
    }
    const QByteArray rtf = readFileBytes(dir.file(QStringLiteral("plan.RTF")));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\uc2\\u23665\\'8e\\'52"));
    EXPECT_TRUE(rtf.contains("\\fs20\\cf1 ")) << "13 pixels are 9.75 points, written as 10";
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;}")) << "a white background adds no colour";
    EXPECT_FALSE(rtf.contains("\\cbpat")) << "and no paragraph shading";
    EXPECT_EQ(rtf, readFileBytes(dir.file(QStringLiteral("plan.doc.RTF"))));
    EXPECT_TRUE(readFileBytes(dir.file(QStringLiteral("PLAN.CSV"))).startsWith("\xEF\xBB\xBF"));
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

TEST_F(Saving, AFailedWriteNamesTheFileAndTheReasonAndLeavesNoFile)
{
    QDir(dir.path()).mkdir(QStringLiteral("plan.RTF")); // a folder where the file should go
    const QStringList told = save(QStringLiteral("plan"), 1);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(kSaveFailed + QStringLiteral("\r\n\r\n■ plan.RTF\r\n▽ "))) << told[0].toStdString();
    EXPECT_GT(told[0].size(), kSaveFailed.size() + 17) << "a reason follows";
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("plan.RTF"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(ExportPerEmployee, OneCalendarPerEmployeeNamedAfterThemAskingOnceBeforeReplacing)
{
    StartDirectory dir;
    ViewOutput output;
    const DayEntry shift { QStringLiteral("勤務日"), "9", "00", "17", "30", "450", false };
    const exports::PeriodSchedule period { QDate(2024, 5, 31), 1,
        { { "山田", "1000", { shift }, {} }, { "田中/営業", "1000", { shift }, {} }, { "山田", "900", { shift }, {} } },
        {} };
    const QString folder = dir.file(QStringLiteral("out"));
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    const auto file = [&folder](const char* name) { return QDir(folder).filePath(QString::fromUtf8(name)); };
    const QStringList files { "山田 (2).ics", "山田.ics", "田中_営業.ics" };
    const auto run = [&](std::optional<QString> chosen, std::optional<dialogs::Answer> replace = std::nullopt) {
        dialogs::Script script;
        script.answerFolder(std::move(chosen));
        if (replace)
            script.answer(*replace);
        output.saveExportPerEmployee(nullptr, period);
        EXPECT_EQ(script.dialogsShown, QStringList { QStringLiteral("folder") });
        return script.texts();
    };

    EXPECT_TRUE(run(std::nullopt).isEmpty());
    EXPECT_TRUE(QDir(folder).isEmpty()) << "cancelled";
    EXPECT_TRUE(run(folder).isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), files);
    const QString yamada = QString::fromUtf8(readFileBytes(file("山田.ics")));
    const QString second = QString::fromUtf8(readFileBytes(file("山田 (2).ics")));
    EXPECT_EQ(yamada.count(QStringLiteral("BEGIN:VEVENT")), 1);
    EXPECT_TRUE(yamada.contains(QStringLiteral("SUMMARY:山田\r\n")));
    EXPECT_EQ(second.count(QStringLiteral("BEGIN:VEVENT")), 1);
    EXPECT_NE(
        yamada.section(QStringLiteral("UID:"), 1, 1).left(40), second.section(QStringLiteral("UID:"), 1, 1).left(40))
        << "two rows of one name are two employees";
    EXPECT_TRUE(readFileBytes(file("田中_営業.ics")).contains("SUMMARY:田中/営業\r\n"));

    // Existing files: one question names them all; No writes nothing.
    writeFileBytes(file("山田.ics"), "kept");
    const QStringList asked = run(folder, dialogs::Answer::No);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("■ 山田.ics\r\n■ 田中_営業.ics\r\n■ 山田 (2).ics\r\n\r\n")));
    EXPECT_EQ(readFileBytes(file("山田.ics")), "kept");
    EXPECT_EQ(run(folder, dialogs::Answer::Yes).size(), 1);
    EXPECT_EQ(QString::fromUtf8(readFileBytes(file("山田.ics"))), yamada);

    // A file that cannot be written is named with the reason; no file is left half written.
    writeFileBytes(file("山田 (2).ics"), "kept");
    QFile::remove(file("田中_営業.ics"));
    QDir(folder).mkdir(QStringLiteral("田中_営業.ics"));
    const QStringList failed = run(folder, dialogs::Answer::Yes);
    ASSERT_EQ(failed.size(), 2);
    EXPECT_TRUE(failed[1].startsWith(kSaveFailed + QStringLiteral("\r\n\r\n■ 田中_営業.ics\r\n▽ ")))
        << failed[1].toStdString();
    EXPECT_EQ(readFileBytes(file("山田 (2).ics")), "kept");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), QStringList({ "山田 (2).ics", "山田.ics" }));
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
