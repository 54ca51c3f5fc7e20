#include "reports/ReportParts.h"

#include "platform/Clock.h"

namespace reportparts {

void addPrintLine(report::Band& header, qreal width)
{
    header.addField(QStringLiteral("QRLabel101"), QRectF(0, 0, 480, 16), kSmall,
        [] { return QStringLiteral("ZEL Rotan Series，ZEL Products Limited，Print System."); });
    header.addField(QStringLiteral("QRSysData1"), QRectF(width - 300, 0, 300, 16),
        { kSmall.pointSize, false, Qt::AlignRight | Qt::AlignVCenter },
        [] { return QStringLiteral("print_") + clock_::now().toString(QStringLiteral("yyyy/MM/dd H:mm:ss")); });
    header.addRule(20, 0, width);
}

void addFooter(report::BandReport& report, std::function<QString()> title)
{
    const qreal width = report.page.printableWidth();
    report::Band& footer = report.pageFooter;
    footer.height = 30;
    footer.addRule(3, 0, width);
    footer.addField(QStringLiteral("QRLabelStrg"), QRectF(0, 8, 480, 20), kTitle, std::move(title));
    footer.addField(QStringLiteral("QRSysData2"), QRectF(width - 200, 8, 200, 20),
        { kText.pointSize, false, Qt::AlignRight | Qt::AlignVCenter },
        [&report] { return QStringLiteral("page．．．") + QString::number(report.pageNumber()); });
}

QString viewLine(const QStringList& lines, int n)
{
    return n >= 1 && n <= lines.size() ? lines[n - 1] : QString();
}

} // namespace reportparts
