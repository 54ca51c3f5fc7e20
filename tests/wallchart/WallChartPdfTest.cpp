// The demo shop's month and employee sheets printed through the printer setup into PDF files and
// read back with poppler's pdftotext and pdfinfo: every name and every time as printed.
#include "DemoShop.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "platform/Clock.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/ViewOutput.h"
#include "support/TestSupport.h"
#include "wallchart/WallChartPrint.h"
#include "wallchart/WardSample.h"

#include <QHash>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace wallchart;

namespace {

const QDate kToday(2024, 12, 20); // the period crosses the year end

QString squeezed(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("[ 　\\n\\f]"));
    return text.remove(blanks);
}

} // namespace

TEST(WallChartPdf, TheDemoShopsSheetsReadBackWithEveryNameAndTime)
{
    StartDirectory dir;
    clock_::setNow(QDateTime(kToday, QTime(9, 5)));
    TFormData data;
    ASSERT_TRUE(demo::fillShop(data, kToday, 1));
    const daychanges::EffectiveSchedule schedule(data);
    const Extras extras { QStringLiteral("ZEL Rotan QX-30"),
        [](QDate date) { return date == QDate(2025, 1, 1) || date == QDate(2025, 1, 13); }, QList<int>(40, 30), {} };
    const QString pdf = dir.file(QStringLiteral("chart.pdf"));
    const auto pdfInfo = [&pdf] { return runTool(QStringLiteral("pdfinfo"), { pdf }); };
    dialogs::Script script;
    ViewOutput output;

    // Without a chosen printer: the printer message, and nothing printed.
    EXPECT_FALSE(print(output, Sheets::Month, schedule, extras, nullptr));
    ASSERT_EQ(script.shown.size(), 1);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("▼ プリンタ未設定．")));
    script.answerPrinter(pdf);
    output.printerSetup(nullptr);

    ASSERT_TRUE(print(output, Sheets::Month, schedule, extras, nullptr));
    const QString text = squeezed(pdfText(pdf));
    const QList<report::Page> pages = monthPages(chart(schedule, extras), Paper::A4);
    ASSERT_EQ(pages.size(), 1);
    int colons = 0;
    int nextDays = 0;
    QHash<QString, int> codes; // the shift staff's days, printed as their patterns' codes
    for (const report::PrintedField& f : pages[0].fields) {
        colons += f.text.count(u':');
        nextDays += f.text.count(u'翌');
        codes[f.text] += f.name == QLatin1String("code") ? 1 : 0;
        if (f.name == QLatin1String("name") || f.name == QLatin1String("start") || f.name == QLatin1String("end")) {
            EXPECT_TRUE(text.contains(f.text)) << f.text.toStdString();
        }
    }
    int coded = 0;
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        coded += it.value();
        EXPECT_GE(text.count(it.key()), it.value()) << it.key().toStdString();
    }
    EXPECT_GT(coded, 50) << "the shift staff's days";
    EXPECT_EQ(text.count(u':'), colons) << "every time read back whole" << text.toStdString();
    EXPECT_EQ(text.count(u'翌'), nextDays);
    EXPECT_TRUE(text.contains(squeezed(QStringLiteral("勤務シフト表　2024年12月20日～2025年1月"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("【勤務変更】")));
    EXPECT_TRUE(pdfInfo().contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << pdfInfo().toStdString();
    EXPECT_TRUE(pdfInfo().contains(QStringLiteral("842 x 595 pts (A4)")));

    // A page per employee; printing into the file again asks first.
    script.answer(dialogs::Answer::Yes);
    ASSERT_TRUE(print(output, Sheets::PerEmployee, schedule, extras, nullptr));
    EXPECT_EQ(script.shown.size(), 2);
    EXPECT_TRUE(pdfInfo().contains(QRegularExpression(QStringLiteral("Pages:\\s+8\\n")))) << pdfInfo().toStdString();
    for (int row = 0; row < 8; ++row) {
        const QString page = QString::number(row + 1);
        const QString one = runTool(QStringLiteral("pdftotext"), { "-f", page, "-l", page, "-layout", pdf, "-" });
        EXPECT_TRUE(one.contains(data.StringGrid1.cell(0, row))) << one.toStdString();
    }

    // With A3 paper chosen, a report of A4 printed in between leaves the printer on A3, and the
    // month prints on A3, every time read back as on A4.
    output.printer().setPageSize(QPageSize(QPageSize::A3));
    script.answer(dialogs::Answer::Yes);
    TQRListFormLinePrn other;
    ASSERT_TRUE(other.print(output.printer(), nullptr));
    EXPECT_TRUE(pdfInfo().contains(QStringLiteral("842 x 595 pts (A4)")));
    EXPECT_EQ(paperOf(output.printer()), Paper::A3);
    script.answer(dialogs::Answer::Yes);
    ASSERT_TRUE(print(output, Sheets::Month, schedule, extras, nullptr));
    EXPECT_TRUE(pdfInfo().contains(QStringLiteral("1191 x 842 pts (A3)"))) << pdfInfo().toStdString();
    EXPECT_EQ(squeezed(pdfText(pdf)).count(u':'), colons);
    clock_::useSystemClock();
}

// The ward's 夜 printed on its colour, and in black and white on a light grey that black text reads
// on, rendered by poppler's pdftoppm at the design's 96 dpi.
TEST(WallChartPdf, ACodePrintsOnItsColourAndInBlackAndWhiteOnALightGrey)
{
    StartDirectory dir;
    const WardSample ward;
    const daychanges::EffectiveSchedule schedule(ward.period.data);
    const Extras extras { QStringLiteral("病棟"), {}, std::nullopt, {} };
    const Chart month = chart(schedule, extras);
    const MonthGrid grid = monthGrid(month, Paper::A4);
    const QRectF night = grid.cell(1, schedule.dayOf(WardSample::kNight));
    const qreal margin = report::PageSetup().marginMm / 25.4 * report::kDesignDpi;
    // Beside the code and inside the changed day's frame.
    const QPoint probe(qRound(margin + night.left() + night.width() * 0.2), qRound(margin + night.bottom() - 4));

    const QString pdf = dir.file(QStringLiteral("ward.pdf"));
    dialogs::Script script;
    ViewOutput output;
    script.answerPrinter(pdf);
    output.printerSetup(nullptr);
    const auto printedColour = [&](QPrinter::ColorMode mode) {
        output.printer().setColorMode(mode);
        script.answer(dialogs::Answer::Yes); // replace the file printed before
        EXPECT_TRUE(print(output, Sheets::Month, schedule, extras, nullptr));
        runTool(QStringLiteral("pdftoppm"),
            { QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf,
                dir.file(QStringLiteral("ward")) });
        return QImage(dir.file(QStringLiteral("ward.png"))).pixelColor(probe);
    };
    const QColor colour = printedColour(QPrinter::Color);
    EXPECT_NEAR(colour.red(), 0x30, 8);
    EXPECT_NEAR(colour.green(), 0x50, 8);
    EXPECT_NEAR(colour.blue(), 0xA0, 8);
    const QColor grey = printedColour(QPrinter::GrayScale);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    EXPECT_GE(grey.red(), 176) << "light enough for black text";
    EXPECT_LT(grey.red(), 224) << "darker than the weekends' shade, so that the dark 夜 stays apart";
}
