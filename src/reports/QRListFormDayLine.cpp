#include "reports/QRListFormDayLine.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "platform/ReportPainter.h"
#include "views/ScheduleView.h"

#include <algorithm>

using namespace reportparts;

namespace {

constexpr int kDays = 40;

qreal dayLeft(int k)
{
    return 102 + 16 * k;
}

QString numbered(const char* family, int k)
{
    return QLatin1String(family) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

} // namespace

TQRListFormDayLine::TQRListFormDayLine(const TFormData& data)
    : data_(data)
{
    report::BandReport& r = QuickRepDayLine;
    const qreal width = r.page.printableWidth();
    const Table& schedule = data_.StringGrid2;
    const Table& weekdays = data_.StringGrid4;
    const Table& work = data_.StringGrid3;
    // Day of month of period day k; past the shortest period "999" marks a day that does not exist.
    const auto dayOfMonth = [&schedule](int k) {
        const QString t = schedule.cell(k, 1);
        return k >= 28 && t == QLatin1String("999") ? QString() : t;
    };
    const auto dayLine = [] { return QStringLiteral("DayLine"); };
    const report::FieldStyle leftEnd { kSmall.pointSize, false, Qt::AlignRight | Qt::AlignVCenter };

    report::Band& header = r.pageHeader;
    header.height = 116;
    addPrintLine(header, width);
    header.addField(QStringLiteral("QRLabel59"), QRectF(24, kHeaderTop, 700, 18), kText,
        [this] { return QStringLiteral("※ ") + viewLine(viewLines_, 9); });
    header.addField(QStringLiteral("QRLabel111"), QRectF(24, kHeaderTop + 20, 980, 18), kText,
        [this] { return viewLine(viewLines_, 11); });
    for (int k = 0; k < kDays; ++k) {
        header.addField(
            numbered("QRdy", k), QRectF(dayLeft(k), 74, 13, 16), kCell, [dayOfMonth, k] { return dayOfMonth(k); });
        header.addField(
            numbered("QRwk", k), QRectF(dayLeft(k), 92, 13, 16), kCell, [&weekdays, k] { return weekdays.cell(k, 0); });
    }
    header.addField(QStringLiteral("QRLabel56"), QRectF(26, 92, 70, 16), leftEnd, dayLine);
    header.addField(QStringLiteral("QRLabel54"), QRectF(750, 92, 70, 16), kSmall, dayLine);
    header.addRule(112, 0, width);

    report::Band& detail = r.detail;
    detail.height = 16;
    for (int k = 0; k < kDays; ++k)
        detail.addField(QStringLiteral("QR%1").arg(k), QRectF(dayLeft(k), 0, 13, 16), kCell,
            [this, &work, k] { return work.cell(k, records_.row()); });
    detail.addField(QStringLiteral("QRLblName"), QRectF(nameLeft(kDays), 0, 260, 16), kText,
        [this, &work] { return QStringLiteral("【") + work.cell(40, records_.row()) + QStringLiteral("】"); });

    report::Band& summary = r.summary;
    summary.height = 46;
    summary.addRule(4, 0, width);
    for (int k = 0; k < kDays; ++k) {
        summary.addField(numbered("QRweek", k), QRectF(dayLeft(k), 8, 13, 16), kCell,
            [&weekdays, k] { return weekdays.cell(k, 0); });
        summary.addField(
            numbered("QRday", k), QRectF(dayLeft(k), 26, 13, 16), kCell, [dayOfMonth, k] { return dayOfMonth(k); });
    }
    summary.addField(QStringLiteral("QRLabel57"), QRectF(26, 8, 70, 16), leftEnd, dayLine);
    summary.addField(QStringLiteral("QRLabel55"), QRectF(750, 8, 70, 16), kSmall, dayLine);

    // The day changes under the schedule: the heading and one line per change.
    report::Band& trailer = r.trailer;
    trailer.height = 16;
    trailer.addField(QStringLiteral("QRLblChange"), QRectF(24, 0, width - 24, 16), kText,
        [this] { return changeLines_.value(QuickRepDayLine.trailerRow()); });

    addFooter(r, [] { return QStringLiteral("【勤務スケジュール表】"); });

    r.beforePrint = [this] {
        changeLines_ = scheduleview::changeLines(daychanges::EffectiveSchedule(data_)).mid(1);
        QuickRepDayLine.trailerRows = static_cast<int>(changeLines_.size());
        records_.reset(data_.employeeCount());
        for (report::Field& f : QuickRepDayLine.detail.fields)
            if (f.name == QLatin1String("QRLblName"))
                f.rect.moveLeft(nameLeft(data_.periodLength()));
    };
    r.needData = [this] { return records_.next(); };
}

qreal TQRListFormDayLine::nameLeft(int n)
{
    // A period is 29 to 40 days; anything else keeps the name beside the day columns.
    return 749 - 14 * (kDays - std::clamp(n, 29, kDays));
}

QList<report::Page> TQRListFormDayLine::pages(const QStringList& viewLines)
{
    viewLines_ = viewLines;
    return QuickRepDayLine.run();
}

bool TQRListFormDayLine::print(QPrinter& printer, const QStringList& viewLines, QWidget* parent)
{
    return report::print(pages(viewLines), QuickRepDayLine.page, printer, parent);
}
