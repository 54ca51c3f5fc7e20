#include "data/Unitdata.h"
#include "platform/Clock.h"
#include "platform/RichEdit.h"
#include "reports/QRListFormDayLine.h"
#include "reports/QRListFormLinePrn.h"
#include "reports/QRListFormTime.h"
#include "support/SampleReports.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 5, 7); // a Tuesday

QString two(int k)
{
    return QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// Texts of a numbered field family, members from..to.
QStringList family(const report::Page& page, const QString& prefix, int from, int to, bool twoDigits = true)
{
    QStringList out;
    for (int k = from; k <= to; ++k)
        out << page.texts(prefix + (twoDigits ? two(k) : QString::number(k))).value(0);
    return out;
}

class ScheduleReport : public ::testing::Test {
protected:
    ScheduleReport() { clock_::setNow(QDateTime(kToday, QTime(9, 5, 3))); }
    ~ScheduleReport() override { clock_::useSystemClock(); }

    QList<report::Page> print(int days, int employees)
    {
        samples::writePeriod(data.StringGrid2, kToday, days);
        samples::layOutSchedule(data, samples::names(employees));
        return report.pages(samples::scheduleViewLines(kToday, data.StringGrid2));
    }

    TFormData data;
    TQRListFormDayLine report { data };
};

} // namespace

TEST_F(ScheduleReport, PrintsTheDaysWeekdaysAndEverySymbolOfTheWorkTable)
{
    const QList<report::Page> pages = print(40, 5);
    ASSERT_EQ(pages.size(), 1);
    const report::Page& page = pages[0];
    // 7 May to 15 June: 7 … 31, then 1 … 15.
    const QStringList days = family(page, QStringLiteral("QRdy"), 0, 39);
    EXPECT_EQ(days.first(), "7");
    EXPECT_EQ(days[24], "31");
    EXPECT_EQ(days[25], "1");
    EXPECT_EQ(days.last(), "15");
    EXPECT_EQ(
        family(page, QStringLiteral("QRwk"), 0, 7), QStringList({ "火", "水", "木", "金", "土", "日", "月", "火" }));
    EXPECT_EQ(family(page, QStringLiteral("QRday"), 0, 39), days) << "the summary repeats the day row";
    EXPECT_EQ(family(page, QStringLiteral("QRweek"), 0, 39), family(page, QStringLiteral("QRwk"), 0, 39));
    for (int k = 0; k < 40; ++k) {
        const report::PrintedField* cell = page.field(QStringLiteral("QR%1").arg(k));
        ASSERT_NE(cell, nullptr);
        EXPECT_DOUBLE_EQ(cell->rect.left(), 102 + 16 * k);
        EXPECT_DOUBLE_EQ(cell->rect.width(), 13);
        QStringList column;
        for (int e = 0; e < 5; ++e)
            column << data.StringGrid3.cell(k, e);
        EXPECT_EQ(page.texts(QStringLiteral("QR%1").arg(k)), column) << "day " << k;
    }
    EXPECT_EQ(page.texts(QStringLiteral("QRLblName")),
        QStringList({ "【山田 太郎】", "【田中 花子】", "【佐藤 一郎】", "【鈴木 美咲】", "【高橋 健太】" }));
    EXPECT_DOUBLE_EQ(page.field(QStringLiteral("QRLblName"))->rect.left(), 749);

    EXPECT_EQ(page.texts(QStringLiteral("QRLabel59")), QStringList { "※ 2024年5月7日 （火）" });
    EXPECT_EQ(
        page.texts(QStringLiteral("QRLabel111")), QStringList { "■■■ 2024年5月7日 ～ 2024年6月15日  ＜40 日間＞ ■■■" });
    EXPECT_EQ(page.texts(QStringLiteral("QRLabel101")),
        QStringList { "ZEL Rotan Series，ZEL Products Limited，Print System." });
    EXPECT_EQ(page.texts(QStringLiteral("QRSysData1")), QStringList { "print_2024/05/07 9:05:03" });
    EXPECT_EQ(page.texts(QStringLiteral("QRSysData2")), QStringList { "page．．．1" });
    EXPECT_EQ(page.texts(QStringLiteral("QRLabelStrg")), QStringList { "【勤務スケジュール表】" });
    for (const char* end : { "QRLabel56", "QRLabel54", "QRLabel57", "QRLabel55" })
        EXPECT_EQ(page.texts(QLatin1String(end)), QStringList { "DayLine" }) << end;
    EXPECT_EQ(page.rules.size(), 4) << "under the title line and the weekdays, above the summary and the footer";
}

TEST_F(ScheduleReport, AShortPeriodLeavesTheColumnsAfterItsLastDayEmpty)
{
    const QList<report::Page> pages = print(29, 5);
    ASSERT_EQ(pages.size(), 1);
    const report::Page& page = pages[0];
    EXPECT_EQ(page.texts(QStringLiteral("QRdy28")), QStringList { "4" }) << "day 29 of the period is 4 June";
    for (int k = 29; k < 40; ++k) {
        EXPECT_EQ(page.texts(QStringLiteral("QRdy") + two(k)), QStringList { QString() }) << "no 999 in column " << k;
        EXPECT_EQ(page.texts(QStringLiteral("QRday") + two(k)), QStringList { QString() }) << k;
        EXPECT_EQ(page.texts(QStringLiteral("QRwk") + two(k)), QStringList { QString() }) << k;
        EXPECT_EQ(page.texts(QStringLiteral("QR%1").arg(k)), QStringList(5, QString())) << k;
    }
    EXPECT_DOUBLE_EQ(page.field(QStringLiteral("QRLblName"))->rect.left(), 595);
}

TEST_F(ScheduleReport, TheNameFollowsTheLastDayOfThePeriod)
{
    EXPECT_DOUBLE_EQ(TQRListFormDayLine::nameLeft(40), 749);
    EXPECT_DOUBLE_EQ(TQRListFormDayLine::nameLeft(39), 735);
    EXPECT_DOUBLE_EQ(TQRListFormDayLine::nameLeft(29), 595);
    EXPECT_DOUBLE_EQ(TQRListFormDayLine::nameLeft(0), 595) << "a broken period length keeps the name in place";
    EXPECT_DOUBLE_EQ(print(39, 1)[0].field(QStringLiteral("QRLblName"))->rect.left(), 735);
    EXPECT_DOUBLE_EQ(print(40, 1)[0].field(QStringLiteral("QRLblName"))->rect.left(), 749) << "moves back on reuse";
}

TEST_F(ScheduleReport, WithoutEmployeesItPrintsHeaderSummaryAndFooterOnly)
{
    const QList<report::Page> pages = print(40, 0);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].texts(QStringLiteral("QR0")).isEmpty());
    EXPECT_TRUE(pages[0].texts(QStringLiteral("QRLblName")).isEmpty());
    EXPECT_EQ(pages[0].texts(QStringLiteral("QRday00")), QStringList { "7" });
    EXPECT_EQ(pages[0].texts(QStringLiteral("QRLabelStrg")).size(), 1);
}

TEST_F(ScheduleReport, ThirtyEmployeesFitOnePageAndReprintingStartsOver)
{
    EXPECT_EQ(print(40, 30).size(), 1);
    const QList<report::Page> again = report.pages({});
    ASSERT_EQ(again.size(), 1);
    EXPECT_EQ(again[0].texts(QStringLiteral("QRLblName")).size(), 30);
    EXPECT_EQ(again[0].texts(QStringLiteral("QRLblName")).last(), "【従業員氏名30】");
    EXPECT_EQ(again[0].texts(QStringLiteral("QRLabel59")), QStringList { "※ " }) << "a view without that line";
}

// ---- Time-series report ----

TEST(TimeReport, PrintsEachEmployeesHourBarBetweenTheWorkingTimeAndTheName)
{
    TFormData data;
    samples::layOutFiveHourBars(data);
    TQRListFormTime report(data);
    const QList<report::Page> pages = report.pages(samples::hourChartViewLines(kToday));
    ASSERT_EQ(pages.size(), 1);
    const report::Page& page = pages[0];

    QStringList hours;
    for (int h = 0; h <= 24; ++h) {
        hours << two(h);
        const report::PrintedField* cell = page.field(QStringLiteral("QR%1").arg(h));
        ASSERT_NE(cell, nullptr);
        EXPECT_DOUBLE_EQ(cell->rect.left(), 246 + 16 * h);
        EXPECT_DOUBLE_EQ(page.field(QStringLiteral("QRLabel%1").arg(28 + h))->rect.left(), 246 + 16 * h);
    }
    EXPECT_EQ(family(page, QStringLiteral("QRLabel"), 28, 52, false), hours);
    QStringList summaryHours = family(page, QStringLiteral("QRLabel"), 2, 26, false);
    std::reverse(summaryHours.begin(), summaryHours.end());
    EXPECT_EQ(summaryHours, hours) << "QRLabel26 is hour 00, QRLabel2 hour 24";

    for (int e = 0; e < 5; ++e) {
        QString printed;
        QString table;
        for (int h = 0; h <= 24; ++h) {
            printed += page.texts(QStringLiteral("QR%1").arg(h)).value(e);
            table += data.StringGrid3.cell(h, e);
        }
        EXPECT_EQ(printed, table) << "employee " << e;
    }
    EXPECT_EQ(page.texts(QStringLiteral("QRLabel53")).first(), "9：00～17：00");
    EXPECT_EQ(page.texts(QStringLiteral("QRLabel1")).first(), "【山田 太郎】");
    EXPECT_LT(page.field(QStringLiteral("QRLabel53"))->rect.right(), 246);
    EXPECT_GT(page.field(QStringLiteral("QRLabel1"))->rect.left(), 246 + 16 * 24 + 13);

    // The regular day off: 25 "□" and its label.
    QString dayOff;
    for (int h = 0; h <= 24; ++h)
        dayOff += page.texts(QStringLiteral("QR%1").arg(h)).value(3);
    EXPECT_EQ(dayOff, QString(25, QChar(u'□')));
    EXPECT_EQ(page.texts(QStringLiteral("QRLabel53")).value(3), " ＜公休日＞");

    EXPECT_EQ(page.texts(QStringLiteral("QRLabel59")), QStringList { "※ 2024年5月7日（火）" });
    EXPECT_EQ(page.texts(QStringLiteral("QRLabelStrg")), QStringList { "【時系列勤務状況グラフ】" });
    for (const char* end : { "QRLabel56", "QRLabel54", "QRLabel57", "QRLabel55" })
        EXPECT_EQ(page.texts(QLatin1String(end)), QStringList { "TimeLine" }) << end;
}

TEST(TimeReport, RowsFollowTheEmployeeCount)
{
    TFormData data;
    TQRListFormTime report(data);
    EXPECT_TRUE(report.pages({})[0].texts(QStringLiteral("QR0")).isEmpty());
    samples::layOutHourChart(data, samples::names(30), QStringList(30, QString(25, QChar(u'■'))), QStringList(30));
    const QList<report::Page> pages = report.pages({});
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].texts(QStringLiteral("QR24")).size(), 30);
}

// ---- Line report ----

TEST(LineReport, TitleSizeAndLeftEdgeFollowThePanel)
{
    // A line is its type's height and 4 more: 16 at 9 points, 14.67 at 8, below a 28-unit
    // header on a 697.7-unit page. Every line field reaches the printable width's right edge.
    struct Case {
        const char* panel;
        QColor background;
        QString title;
        qreal size;
        qreal left;
        int firstPageLines;
        QString panelTitle = {};
    };
    const Case cases[] = {
        { "RichEdit3", Qt::white, QStringLiteral("【週間勤務】"), 9, 217, 41 },
        { "RichEdit2", Qt::white, QStringLiteral("【本日，勤務状況リスト】"), 9, 240, 41 },
        { "RichEdit4", QColor(0, 128, 0), QStringLiteral("【全従業員週間人件費リスト】"), 9, 100, 41 },
        { "RichEdit4", QColor(0, 128, 0), QStringLiteral("【全従業員期間人件費リスト】"), 9, 100, 41,
            QStringLiteral("【全従業員期間人件費リスト】") },
        { "RichEdit4", QColor(0, 0, 128), QStringLiteral("【全従業員週間勤務リスト】"), 8, 13, 45 },
        { "RichEdit4", QColor(0, 128, 1), QStringLiteral("【全従業員週間勤務リスト】"), 8, 13, 45 },
    };
    TQRListFormLinePrn report;
    const qreal width = report::PageSetup().printableWidth();
    for (const Case& c : cases) {
        const LinePanel panel { QLatin1String(c.panel), c.background,
            QStringList(60, QStringLiteral("■ 山田 太郎 ■")), c.panelTitle };
        const LineLayout layout = lineLayout(panel);
        EXPECT_EQ(layout.title, c.title) << c.panel;
        const QList<report::Page> pages = report.pages(panel);
        ASSERT_EQ(pages.size(), 2) << c.panel;
        const report::Page& page = pages.first();
        const report::PrintedField* line = page.field(QStringLiteral("QRLblLineData"));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text, "■ 山田 太郎 ■");
        EXPECT_DOUBLE_EQ(line->rect.left(), c.left) << c.panel;
        EXPECT_DOUBLE_EQ(line->rect.right(), width) << c.panel;
        EXPECT_DOUBLE_EQ(line->style.pointSize, c.size) << c.panel;
        EXPECT_EQ(page.texts(QStringLiteral("QRLblLineData")).size(), c.firstPageLines) << c.panel;
        EXPECT_EQ(pages.last().texts(QStringLiteral("QRLabelStrg")), QStringList { c.title });
    }
}

TEST(LineReport, ALongPanelRunsOverSeveralPagesAndNoPanelPrintsHeaderAndFooter)
{
    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines << QStringLiteral("行%1").arg(i);
    TQRListFormLinePrn report;
    const QList<report::Page> pages = report.pages({ QStringLiteral("RichEdit4"), QColor(0, 128, 0), lines, {} });
    ASSERT_GE(pages.size(), 3);
    QStringList printed;
    for (const report::Page& p : pages) {
        printed << p.texts(QStringLiteral("QRLblLineData"));
        EXPECT_EQ(p.texts(QStringLiteral("QRLabel101")).size(), p.number == 1 ? 1 : 0);
        EXPECT_EQ(p.texts(QStringLiteral("QRLabelStrg")).size(), p.number == pages.size() ? 1 : 0);
    }
    EXPECT_EQ(printed, lines);
    EXPECT_EQ(pages.last().texts(QStringLiteral("QRSysData2")),
        QStringList { QStringLiteral("page．．．%1").arg(pages.size()) });

    const QList<report::Page> none = report.pages({});
    ASSERT_EQ(none.size(), 1);
    EXPECT_TRUE(none[0].texts(QStringLiteral("QRLblLineData")).isEmpty());
    EXPECT_EQ(none[0].texts(QStringLiteral("QRSysData1")).size(), 1);
    EXPECT_EQ(none[0].texts(QStringLiteral("QRSysData2")), QStringList { "page．．．1" });
}

TEST(LineReport, TakesNameBackgroundAndLinesFromThePanel)
{
    RichEdit panel;
    panel.setObjectName(QStringLiteral("RichEdit4"));
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Base, QColor(0, 128, 0));
    panel.setPalette(palette);
    panel.appendLine(QString());
    panel.appendLine(QStringLiteral("■山田 太郎 □月：7500"));
    const LinePanel taken = LinePanel::of(&panel);
    EXPECT_EQ(taken.name, "RichEdit4");
    EXPECT_EQ(taken.background, QColor(0, 128, 0));
    EXPECT_EQ(taken.lines, QStringList({ QString(), QStringLiteral("■山田 太郎 □月：7500") }));
    EXPECT_TRUE(LinePanel::of(nullptr).name.isEmpty());
}
