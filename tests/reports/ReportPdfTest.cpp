// The reports printed into PDF files, read back with poppler's pdftotext and pdfinfo: a
// PDF is a document a user searches and copies from, so its text must be what was printed.
#include "data/Unitdata.h"
#include "platform/Clock.h"
#include "platform/ReportPainter.h"
#include "platform/RichEdit.h"
#include "reports/QRListFormDayLine.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/QRListFormTime.h"
#include "shell/Reports.h"
#include "support/SampleReports.h"
#include "support/TestSupport.h"

#include <QFontMetricsF>
#include <QMap>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 5, 7);

// Text as a reader sees it, without the blanks that the layout puts between fields.
// (pdftotext gives every kind of blank, the ideographic space too, as a plain one.)
QString squeezed(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("[ 　\\n\\f]"));
    return text.remove(blanks);
}

// The printed lines of a page model, top to bottom, each its fields left to right.
QStringList printedLines(const QList<report::Page>& pages)
{
    QStringList lines;
    for (const report::Page& page : pages) {
        QMap<qreal, QMap<qreal, QString>> rows;
        for (const report::PrintedField& f : page.fields)
            rows[f.rect.top()][f.rect.left()] += f.text;
        for (const auto& row : rows) {
            const QString line = squeezed(row.values().join(QString()));
            if (!line.isEmpty())
                lines << line;
        }
    }
    return lines;
}

// Every printed line occurs in the PDF's text, in order; returns the first line that does not.
QString firstMissing(const QStringList& lines, const QString& pdfText)
{
    const QString text = squeezed(pdfText);
    qsizetype at = 0;
    for (const QString& line : lines) {
        const qsizetype found = text.indexOf(line, at);
        if (found < 0)
            return line;
        at = found + line.size();
    }
    return {};
}

class ReportPdf : public ::testing::Test {
protected:
    ReportPdf()
    {
        clock_::setNow(QDateTime(kToday, QTime(9, 5, 3)));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    }
    ~ReportPdf() override { clock_::useSystemClock(); }

    QString text() { return pdfText(pdf); }
    QString info() { return runTool(QStringLiteral("pdfinfo"), { pdf }); }

    StartDirectory dir;
    QString pdf = dir.file(QStringLiteral("report.pdf"));
    QPrinter printer { QPrinter::HighResolution };
    TFormData data;
};

} // namespace

TEST_F(ReportPdf, ScheduleReportTextReadsBackAsPrinted)
{
    samples::writePeriod(data.StringGrid2, kToday, 40);
    samples::layOutSchedule(data, samples::names(5));
    TQRListFormDayLine report(data);
    const QStringList view = samples::scheduleViewLines(kToday, data.StringGrid2);
    ASSERT_TRUE(report.print(printer, view));
    const QString pdfText = text();
    EXPECT_EQ(firstMissing(printedLines(report.pages(view)), pdfText), QString()) << pdfText.toStdString();
    EXPECT_TRUE(pdfText.contains(QStringLiteral("【山田 太郎】"))) << "no radical look-alikes";
    EXPECT_TRUE(pdfText.contains(QStringLiteral("2024年5月7日 ～ 2024年6月15日"))) << "digits and the fullwidth tilde";
    const QString pdfInfo = info();
    EXPECT_TRUE(pdfInfo.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << pdfInfo.toStdString();
    EXPECT_TRUE(pdfInfo.contains(QStringLiteral("842 x 595 pts (A4)"))) << "A4 landscape";
}

TEST_F(ReportPdf, TimeReportTextReadsBackAsPrinted)
{
    samples::layOutFiveHourBars(data);
    TQRListFormTime report(data);
    const QStringList view = samples::hourChartViewLines(kToday);
    ASSERT_TRUE(report.print(printer, view));
    const QString pdfText = text();
    EXPECT_EQ(firstMissing(printedLines(report.pages(view)), pdfText), QString()) << pdfText.toStdString();
    EXPECT_TRUE(pdfText.contains(QStringLiteral("9：30～17：30       □□□□□□□□□▽■■■■■■■▼□□□□□□□")));
}

TEST_F(ReportPdf, LineReportKeepsIdeographsDigitsAndSymbolsExact)
{
    // Characters that Qt's PDF writer gets wrong with the CJK fonts unless helped: ideographs
    // that share a glyph with a Kangxi radical, digits after Latin letters, the fullwidth
    // tilde and solidus, and the ideographic space.
    const QStringList lines { QStringLiteral("■山田 太郎 ■　日月火水木金土　一二人子"),
        QStringLiteral("print_2024/04/01 page．．．12 ver2024-04 ¥7,500"),
        QStringLiteral("■□▼▽→〇☆×－【】 9：00～17：30 ／ ※ ◆ ⇒"),
        QStringLiteral("--------------- 月曜日 ---------------") };
    RichEdit panel;
    panel.setObjectName(QStringLiteral("RichEdit3"));
    for (const QString& line : lines)
        panel.appendLine(line);
    for (int i = 1; i <= 100; ++i) // and onto further pages
        panel.appendLine(QStringLiteral("行%1").arg(i));
    TQRListFormLinePrn report;
    ASSERT_TRUE(report.print(printer, &panel));
    const QString pdfText = text();
    EXPECT_EQ(firstMissing(printedLines(report.pages(LinePanel::of(&panel))), pdfText), QString())
        << pdfText.toStdString();
    EXPECT_TRUE(info().contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info().toStdString();
    for (const QString& line : lines)
        EXPECT_TRUE(squeezed(pdfText).contains(squeezed(line))) << line.toStdString();
    EXPECT_FALSE(pdfText.contains(QChar(0x2F2D))) << "⼭ instead of 山";
    EXPECT_FALSE(pdfText.contains(QChar(0x2003))) << "em space instead of the ideographic space";
    EXPECT_FALSE(info().startsWith(QLatin1Char('<'))) << info().toStdString();
}

TEST_F(ReportPdf, AFailingPrinterIsReportedAndNothingIsWritten)
{
    printer.setOutputFileName(dir.file(QStringLiteral("no such folder/report.pdf")));
    dialogs::Script script;
    TQRListFormLinePrn report;
    EXPECT_FALSE(report.print(printer, nullptr));
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_EQ(script.shown[0].kind, dialogs::Kind::Error);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("▼ 印刷に失敗しました．")));
}

TEST_F(ReportPdf, ALineWiderThanThePaperPrintsSmallerAndWhole)
{
    // The widest registration line: a 12-character name, a 5-digit wage and seven working
    // days from 10:30 to 23:45. At 8 points from the left edge 13 it is wider than the paper.
    QStringList cells = sampleEmployee(QStringLiteral("鷹鷲鷺鸚鵡鶯鶴鵜鴨鴉鳩鳳"));
    cells[1] = QStringLiteral("99999");
    const QStringList day { QStringLiteral("勤務日"), QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("23"),
        QStringLiteral("45") };
    for (int d = 0; d < 7; ++d)
        for (int i = 0; i < day.size(); ++i)
            cells[2 + 5 * d + i] = day[i];
    for (int c = 0; c < cells.size(); ++c)
        data.StringGrid1.setCell(c, 0, cells[c]);
    const QString widest = shell::registrationLine(data.StringGrid1, 0);
    const QString narrow = QStringLiteral("【山田】 ¥900 ⇒ □月：勤務日9:00～17:00");
    RichEdit panel;
    panel.setObjectName(QStringLiteral("RichEdit4"));
    panel.appendLine(widest);
    panel.appendLine(narrow);
    TQRListFormLinePrn report;
    ASSERT_TRUE(report.print(printer, &panel));
    const QString pdfText = text();
    EXPECT_TRUE(squeezed(pdfText).contains(squeezed(widest))) << pdfText.toStdString();
    EXPECT_TRUE(squeezed(pdfText).contains(squeezed(narrow)));

    const QList<report::Page> pages = report.pages(LinePanel::of(&panel));
    QList<qreal> sizes;
    for (const report::PrintedField& f : pages[0].fields) {
        if (f.name != QLatin1String("QRLblLineData"))
            continue;
        const QFont font = report::printedFont(f, printer);
        sizes << font.pointSizeF();
        EXPECT_LE(f.rect.left()
                + QFontMetricsF(font, &printer).horizontalAdvance(f.text) * report::kDesignDpi / printer.logicalDpiX(),
            report::PageSetup().printableWidth())
            << "within the paper's printable width";
    }
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_LT(sizes[0], 8);
    EXPECT_GT(sizes[0], 7) << "no smaller than it must be";
    EXPECT_EQ(sizes[1], 8) << "a line that fits keeps its size";

    report::PrintedField hopeless = *pages[0].field(QStringLiteral("QRLblLineData"));
    hopeless.rect.setWidth(0.5);
    EXPECT_EQ(report::printedFont(hopeless, printer).pointSizeF(), 1) << "a text that cannot fit stops at 1 point";

    // A width over the room by a hair rounds back to the same size: the step must still shrink.
    EXPECT_EQ(report::smallerSize(9, 1000.0000000000001, 1000.0000000000002), 8.99);
    EXPECT_EQ(report::smallerSize(8, 100, 110), 7.27);
    EXPECT_EQ(report::smallerSize(1.5, 100, 1000), 1);
}

TEST_F(ReportPdf, PrintingIntoAFileThatExistsAsksFirst)
{
    dialogs::Script script;
    TQRListFormLinePrn report;
    ASSERT_TRUE(report.print(printer, nullptr));
    EXPECT_TRUE(script.shown.isEmpty()) << "a new file is written without a question";
    writeFileBytes(pdf, "kept");
    EXPECT_FALSE(report.print(printer, nullptr)) << "answered No";
    EXPECT_EQ(readFileBytes(pdf), "kept");
    script.answer(dialogs::Answer::Yes);
    EXPECT_TRUE(report.print(printer, nullptr));
    EXPECT_TRUE(readFileBytes(pdf).startsWith("%PDF"));
    ASSERT_EQ(script.shown.size(), 2);
    for (const dialogs::Shown& shown : script.shown) {
        EXPECT_EQ(shown.kind, dialogs::Kind::Warning);
        EXPECT_EQ(shown.buttons, dialogs::Buttons::YesNo);
        EXPECT_EQ(shown.text,
            QStringLiteral(
                "■ report.pdf\r\n\r\n▽ 同名のファイルが既に存在します．\r\n\r\n□ 上書きしてよろしいですか？"));
    }
}

TEST_F(ReportPdf, RepairedMapsAreAppendedWhereTheCrossReferenceSaysAndKeepEveryCharacter)
{
    // Two fonts need new maps: the lines' regular face (山) and the title's bold one (本日).
    // The katakana run gets one counting range entry in Qt's map, which the repair rewrites.
    RichEdit panel;
    panel.setObjectName(QStringLiteral("RichEdit2"));
    panel.appendLine(QStringLiteral("〇 山田 ァアィイゥウェエォオ"));
    TQRListFormLinePrn report;
    ASSERT_TRUE(report.print(printer, &panel));
    const QString pdfText = text();
    EXPECT_TRUE(pdfText.contains(QStringLiteral("〇 山田 ァアィイゥウェエォオ"))) << pdfText.toStdString();
    EXPECT_TRUE(pdfText.contains(QStringLiteral("【本日，勤務状況リスト】")));

    // pdftotext quietly mends a broken cross-reference table, so the offsets are read here.
    const QByteArray bytes = readFileBytes(pdf);
    const QRegularExpression tail(QStringLiteral("/Prev (\\d+) >>\\nstartxref\\n(\\d+)\\n%%EOF\\n$"));
    const QRegularExpressionMatch end = tail.match(QString::fromLatin1(bytes));
    ASSERT_TRUE(end.hasMatch()) << "an appended update";
    const qsizetype previous = end.captured(1).toLongLong();
    EXPECT_TRUE(bytes.mid(previous).startsWith("xref\n")) << "the update points back to Qt's table";
    EXPECT_TRUE(QString::fromLatin1(bytes.left(previous))
                    .contains(QRegularExpression(QStringLiteral("<[0-9A-F]{4}> <[0-9A-F]{4}> <30A1>"))))
        << "Qt wrote the katakana as one range";
    const qsizetype xref = end.captured(2).toLongLong();
    ASSERT_TRUE(bytes.mid(xref).startsWith("xref\n"));
    const QList<QByteArray> lines = bytes.mid(xref).split('\n');
    int objects = 0;
    for (qsizetype i = 1; i + 1 < lines.size() && lines[i] != "trailer"; i += 2) {
        const QList<QByteArray> section = lines[i].split(' ');
        ASSERT_EQ(section.size(), 2);
        ASSERT_EQ(section[1], "1") << "one object per section";
        const qsizetype offset = lines[i + 1].left(10).toLongLong();
        EXPECT_TRUE(bytes.mid(offset).startsWith(section[0] + " 0 obj\n")) << "object " << section[0].toStdString();
        ++objects;
    }
    EXPECT_EQ(objects, 2);
}

TEST_F(ReportPdf, ACharacterPrintedBesideItsLookAlikeKeepsTheOneShiftJisHolds)
{
    // The font draws the radical ⼭ and the ideograph 山 with one glyph, and a PDF gives each
    // glyph one text. With both printed, the glyph reads as the ideograph, which the tables
    // can hold; so does the fullwidth tilde ～ of the times beside the wave dash 〜.
    RichEdit panel;
    panel.setObjectName(QStringLiteral("RichEdit3"));
    panel.appendLine(QStringLiteral("⼭ 〜"));
    panel.appendLine(QStringLiteral("山田 9:00～17:00"));
    TQRListFormLinePrn report;
    ASSERT_TRUE(report.print(printer, &panel));
    const QString printed = squeezed(text());
    EXPECT_EQ(printed.count(QChar(0x5C71)), 2) << printed.toStdString();
    EXPECT_EQ(printed.count(QChar(0x2F2D)), 0);
    EXPECT_EQ(printed.count(QChar(0xFF5E)), 2) << printed.toStdString();
}
