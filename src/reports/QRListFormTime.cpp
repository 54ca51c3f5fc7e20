#include "reports/QRListFormTime.h"

#include "data/Unitdata.h"
#include "platform/ReportPainter.h"

using namespace reportparts;

namespace {

constexpr int kHours = 25;

qreal hourLeft(int h)
{
    return 246 + 16 * h;
}

QString hourText(int h)
{
    return QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
}

} // namespace

TQRListFormTime::TQRListFormTime(const TFormData& data)
    : data_(data)
{
    report::BandReport& r = QuickRepTime;
    const qreal width = r.page.printableWidth();
    const Table& work = data_.StringGrid3;
    const auto timeLine = [] { return QStringLiteral("TimeLine"); };
    const report::FieldStyle rightAligned { kText.pointSize, false, Qt::AlignRight | Qt::AlignVCenter };
    const report::FieldStyle leftEnd { kSmall.pointSize, false, Qt::AlignRight | Qt::AlignVCenter };

    report::Band& header = r.pageHeader;
    header.height = 80;
    addPrintLine(header, width);
    header.addField(QStringLiteral("QRLabel59"), QRectF(24, kHeaderTop, 980, 18), kText,
        [this] { return QStringLiteral("※ ") + viewLine(viewLines_, 10); });
    for (int h = 0; h < kHours; ++h)
        header.addField(QStringLiteral("QRLabel%1").arg(28 + h), QRectF(hourLeft(h), 56, 13, 16), kCell,
            [h] { return hourText(h); });
    header.addField(QStringLiteral("QRLabel56"), QRectF(170, 56, 70, 16), leftEnd, timeLine);
    header.addField(QStringLiteral("QRLabel54"), QRectF(650, 56, 80, 16), kSmall, timeLine);
    header.addRule(76, 0, width);

    report::Band& detail = r.detail;
    detail.height = 16;
    for (int h = 0; h < kHours; ++h)
        detail.addField(QStringLiteral("QR%1").arg(h), QRectF(hourLeft(h), 0, 13, 16), kCell,
            [this, &work, h] { return work.cell(h, records_.row()); });
    detail.addField(QStringLiteral("QRLabel53"), QRectF(96, 0, 140, 16), rightAligned,
        [this, &work] { return work.cell(39, records_.row()); });
    detail.addField(QStringLiteral("QRLabel1"), QRectF(660, 0, 300, 16), kText,
        [this, &work] { return QStringLiteral("【") + work.cell(40, records_.row()) + QStringLiteral("】"); });

    report::Band& summary = r.summary;
    summary.height = 28;
    summary.addRule(4, 0, width);
    for (int h = 0; h < kHours; ++h)
        summary.addField(QStringLiteral("QRLabel%1").arg(26 - h), QRectF(hourLeft(h), 8, 13, 16), kCell,
            [h] { return hourText(h); });
    summary.addField(QStringLiteral("QRLabel57"), QRectF(170, 8, 70, 16), leftEnd, timeLine);
    summary.addField(QStringLiteral("QRLabel55"), QRectF(650, 8, 80, 16), kSmall, timeLine);

    addFooter(r, [] { return QStringLiteral("【時系列勤務状況グラフ】"); });

    r.beforePrint = [this] { records_.reset(data_.employeeCount()); };
    r.needData = [this] { return records_.next(); };
}

QList<report::Page> TQRListFormTime::pages(const QStringList& viewLines)
{
    viewLines_ = viewLines;
    return QuickRepTime.run();
}

bool TQRListFormTime::print(QPrinter& printer, const QStringList& viewLines, QWidget* parent)
{
    return report::print(pages(viewLines), QuickRepTime.page, printer, parent);
}
