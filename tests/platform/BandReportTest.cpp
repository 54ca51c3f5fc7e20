#include "platform/BandReport.h"

#include <gtest/gtest.h>

namespace {

// A report of `rows` numbered rows with the bands of the schedule report's sizes.
class Bands : public ::testing::Test {
protected:
    void build(int rows, qreal detailHeight = 16)
    {
        rows_ = rows;
        r.pageHeader.height = 116;
        r.pageHeader.addField(QStringLiteral("Head"), QRectF(0, 0, 100, 16), {}, [] { return QStringLiteral("head"); });
        r.pageHeader.addRule(112, 0, 1000);
        r.detail.height = detailHeight;
        r.detail.addField(
            QStringLiteral("Row"), QRectF(0, 0, 100, detailHeight), {}, [this] { return QString::number(record_); });
        r.summary.height = 46;
        r.summary.addField(QStringLiteral("Sum"), QRectF(0, 8, 100, 16), {}, [] { return QStringLiteral("sum"); });
        r.pageFooter.height = 30;
        r.pageFooter.addField(
            QStringLiteral("Page"), QRectF(0, 8, 100, 20), {}, [this] { return QString::number(r.pageNumber()); });
        r.beforePrint = [this] { record_ = 0; };
        r.needData = [this] { return record_ < rows_ && ++record_ > 0; };
    }

    // Every row text over all pages, in print order.
    static QStringList allRows(const QList<report::Page>& pages)
    {
        QStringList rows;
        for (const report::Page& p : pages)
            rows << p.texts(QStringLiteral("Row"));
        return rows;
    }

    static void expectInsidePage(const QList<report::Page>& pages, const report::PageSetup& setup)
    {
        for (const report::Page& p : pages)
            for (const report::PrintedField& f : p.fields)
                EXPECT_LE(f.rect.bottom(), setup.printableHeight() + 1e-9)
                    << f.name.toStdString() << " page " << p.number;
    }

    report::BandReport r;
    int rows_ = 0;
    int record_ = 0;
};

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i);
    return out;
}

} // namespace

TEST(PageSetup, IsA4LandscapeInsideHalfInchMargins)
{
    const report::PageSetup setup;
    EXPECT_NEAR(setup.printableWidth(), (297 - 25.4) / 25.4 * 96, 1e-9);
    EXPECT_NEAR(setup.printableHeight(), (210 - 25.4) / 25.4 * 96, 1e-9);
}

TEST_F(Bands, ThirtyRowsFitOnePageWithEveryBand)
{
    build(30);
    const QList<report::Page> pages = r.run();
    ASSERT_EQ(pages.size(), 1);
    const report::Page& page = pages[0];
    EXPECT_EQ(allRows(pages), numbers(1, 30));
    EXPECT_EQ(page.texts(QStringLiteral("Head")), QStringList { "head" });
    EXPECT_EQ(page.texts(QStringLiteral("Sum")), QStringList { "sum" });
    EXPECT_EQ(page.texts(QStringLiteral("Page")), QStringList { "1" });
    // Rows follow the header directly, 16 apart; the footer sits at the bottom of the page.
    EXPECT_DOUBLE_EQ(page.fields[1].rect.top(), 116);
    EXPECT_DOUBLE_EQ(page.fields[2].rect.top(), 132);
    EXPECT_DOUBLE_EQ(page.field(QStringLiteral("Page"))->rect.bottom(), r.page.printableHeight() - 2);
    ASSERT_EQ(page.rules.size(), 1);
    EXPECT_DOUBLE_EQ(page.rules[0].y1(), 112);
    expectInsidePage(pages, r.page);
}

TEST_F(Bands, LongReportsFlowOntoFurtherPagesWithHeaderFirstAndFooterLast)
{
    build(120, 16);
    const QList<report::Page> pages = r.run();
    ASSERT_GE(pages.size(), 3);
    EXPECT_EQ(allRows(pages), numbers(1, 120)) << "every row once, in order";
    for (const report::Page& p : pages) {
        EXPECT_EQ(p.number, &p - &pages[0] + 1);
        const bool first = p.number == 1;
        const bool last = p.number == pages.size();
        EXPECT_EQ(p.texts(QStringLiteral("Head")).size(), first ? 1 : 0) << "page " << p.number;
        EXPECT_EQ(p.texts(QStringLiteral("Sum")).size(), last ? 1 : 0) << "page " << p.number;
        EXPECT_EQ(p.texts(QStringLiteral("Page")), last ? QStringList { QString::number(p.number) } : QStringList())
            << "page " << p.number;
        if (!first && !p.texts(QStringLiteral("Row")).isEmpty()) {
            EXPECT_DOUBLE_EQ(p.fields[0].rect.top(), 0) << "later pages start with a row at the top";
        }
    }
    expectInsidePage(pages, r.page);
}

TEST_F(Bands, ASummaryThatWouldMeetTheFooterMovesToANewPageWithIt)
{
    // Rows end at 116 + 16 n; the summary (46) and the footer (30) need 76 of the 697.7 units.
    const struct {
        int rows;
        int pages;
    } cases[] = {
        { 31, 1 }, // ends at 612: summary and footer fit below
        { 32, 2 }, // ends at 628: the summary fits the page but would run into the footer
        { 36, 2 }, // ends at 692: no room for the summary at all
    };
    for (const auto& c : cases) {
        build(c.rows);
        const QList<report::Page> pages = r.run();
        ASSERT_EQ(pages.size(), c.pages) << c.rows << " rows";
        EXPECT_EQ(pages[0].texts(QStringLiteral("Row")).size(), c.rows);
        const report::Page& last = pages.last();
        EXPECT_EQ(last.texts(QStringLiteral("Page")), QStringList { QString::number(c.pages) });
        if (c.pages == 2) {
            EXPECT_TRUE(pages[0].texts(QStringLiteral("Page")).isEmpty());
            EXPECT_TRUE(last.texts(QStringLiteral("Row")).isEmpty());
            EXPECT_DOUBLE_EQ(last.field(QStringLiteral("Sum"))->rect.top(), 8);
        }
        expectInsidePage(pages, r.page);
        r = report::BandReport();
    }
}

TEST_F(Bands, ABandTallerThanThePageStartsOnTheFirstPageWhenNothingPrecedesIt)
{
    // Without a page header nothing stands before the first band: it prints on page 1
    // (running off its end) rather than after a blank page.
    build(1, 800);
    r.pageHeader = report::Band();
    QList<report::Page> pages = r.run();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].texts(QStringLiteral("Row")), QStringList { "1" });
    EXPECT_DOUBLE_EQ(pages[0].field(QStringLiteral("Row"))->rect.top(), 0);
    EXPECT_EQ(pages[1].texts(QStringLiteral("Sum")), QStringList { "sum" });

    rows_ = 0;
    r.summary.height = 800;
    pages = r.run();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].texts(QStringLiteral("Sum")), QStringList { "sum" });
    EXPECT_DOUBLE_EQ(pages[0].field(QStringLiteral("Sum"))->rect.top(), 8);
}

TEST_F(Bands, AReportWithoutRowsPrintsHeaderSummaryAndFooter)
{
    build(0);
    const QList<report::Page> pages = r.run();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].texts(QStringLiteral("Row")).isEmpty());
    EXPECT_DOUBLE_EQ(pages[0].field(QStringLiteral("Sum"))->rect.top(), 116 + 8);
    EXPECT_EQ(pages[0].texts(QStringLiteral("Page")), QStringList { "1" });

    r.needData = nullptr; // no data callback at all: the same
    EXPECT_EQ(r.run().size(), 1);
}

TEST_F(Bands, RunningAgainStartsFromTheFirstRecord)
{
    build(3);
    EXPECT_EQ(allRows(r.run()), numbers(1, 3));
    rows_ = 2;
    EXPECT_EQ(allRows(r.run()), numbers(1, 2));
}
