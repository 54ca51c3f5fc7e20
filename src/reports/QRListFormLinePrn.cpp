#include "reports/QRListFormLinePrn.h"

#include "platform/ReportPainter.h"
#include "platform/RichEdit.h"

using namespace reportparts;

LinePanel LinePanel::of(const RichEdit* panel)
{
    if (!panel)
        return {};
    return { panel->objectName(), panel->palette().color(QPalette::Base), panel->lines(),
        panel->property(kPrintTitle).toString() };
}

LineLayout lineLayout(const LinePanel& panel)
{
    if (panel.name == QLatin1String("RichEdit3"))
        return { QStringLiteral("【週間勤務】"), 9, 217 };
    if (panel.name == QLatin1String("RichEdit2"))
        return { QStringLiteral("【本日，勤務状況リスト】"), 9, 240 };
    if (panel.name == QLatin1String("RichEdit4")) {
        // The labour cost list and the registration list share the panel; the labour cost
        // list gives it a dark green background.
        if (panel.background.rgb() == QColor(0, 128, 0).rgb())
            return { panel.title.isEmpty() ? QStringLiteral("【全従業員週間人件費リスト】") : panel.title, 9, 100 };
        return { QStringLiteral("【全従業員週間勤務リスト】"), 8, 13 };
    }
    return {};
}

TQRListFormLinePrn::TQRListFormLinePrn()
{
    report::BandReport& r = QuickRepLinePrn;
    const qreal width = r.page.printableWidth();

    r.pageHeader.height = kHeaderTop;
    addPrintLine(r.pageHeader, width);

    // A line wider than the paper prints smaller rather than losing its end.
    report::FieldStyle lineStyle = kText;
    lineStyle.shrinkToFit = true;
    r.detail.addField(
        QStringLiteral("QRLblLineData"), QRectF(), lineStyle, [this] { return panel_.lines.value(records_.row()); });

    addFooter(r, [this] { return layout_.title; });

    r.beforePrint = [this, width] {
        layout_ = lineLayout(panel_);
        records_.reset(panel_.lines.size());
        // A line is a little taller than its type.
        const qreal lineHeight = layout_.pointSize * report::kDesignDpi / 72 + 4;
        QuickRepLinePrn.detail.height = lineHeight;
        report::Field& line = QuickRepLinePrn.detail.fields.first();
        line.rect = QRectF(layout_.left, 0, width - layout_.left, lineHeight);
        line.style.pointSize = layout_.pointSize;
    };
    r.needData = [this] { return records_.next(); };
}

QList<report::Page> TQRListFormLinePrn::pages(const LinePanel& panel)
{
    panel_ = panel;
    return QuickRepLinePrn.run();
}

bool TQRListFormLinePrn::print(QPrinter& printer, const RichEdit* panel, QWidget* parent)
{
    return report::print(pages(LinePanel::of(panel)), QuickRepLinePrn.page, printer, parent);
}
