#include "platform/ReportPainter.h"

#include "platform/Dialogs.h"
#include "platform/PdfText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

const QString kPrintFailed
    = QStringLiteral("▼ 印刷に失敗しました．\r\n\r\n▽ プリンタ （出力先） の状態を確認してください．");

QRectF onDevice(const QRectF& r, qreal sx, qreal sy)
{
    return QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy);
}

// A fill's colour; printed in black and white a light grey from 176 to 240, lighter for a lighter
// colour, so that black text reads on every fill.
QColor fillColour(const QString& colour, bool monochrome)
{
    const QColor c(colour);
    if (!monochrome)
        return c;
    const int grey = 176 + qGray(c.rgb()) * 64 / 255;
    return QColor(grey, grey, grey);
}

} // namespace

QFont fieldFont(const FieldStyle& style)
{
    QFont font(QStringLiteral("Noto Serif CJK JP"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    // Shaping would swap the digits of a Latin run for alternate glyphs that the font's
    // character map does not reach; a PDF then has no text for them ("2024-04" reads "-").
    // Japanese and Latin text need no shaping, so each character keeps its own glyph.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont printedFont(const PrintedField& field, const QPaintDevice& device)
{
    QFont font = fieldFont(field.style);
    if (!field.style.shrinkToFit)
        return font;
    const qreal room = field.rect.width() * device.logicalDpiX() / kDesignDpi;
    const auto width = [&] { return QFontMetricsF(font, &device).horizontalAdvance(field.text); };
    // The width follows the type size closely but not exactly (each glyph's advance is
    // rounded), so a second step may be needed.
    for (qreal w = width(); w > room && font.pointSizeF() > 1; w = width()) {
        if (font.pointSizeF() <= field.style.minPointSize)
            break;
        font.setPointSizeF(std::max(field.style.minPointSize, smallerSize(font.pointSizeF(), room, w)));
    }
    // At its smallest size a text still too wide prints condensed, so that it is printed whole.
    for (qreal w = width(); w > room && font.stretch() != 1; w = width()) {
        const int stretch = font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
        font.setStretch(std::max(1, std::min(stretch - 1, static_cast<int>(std::floor(stretch * room / w)))));
    }
    return font;
}

qreal smallerSize(qreal size, qreal room, qreal width)
{
    return std::max(1.0, std::min(size - 0.01, std::floor(size * room / width * 100) / 100));
}

QPageLayout pageLayout(const PageSetup& setup)
{
    const bool landscape = setup.paperWidthMm > setup.paperHeightMm;
    const QSizeF portrait
        = landscape ? QSizeF(setup.paperHeightMm, setup.paperWidthMm) : QSizeF(setup.paperWidthMm, setup.paperHeightMm);
    const qreal m = setup.marginMm;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

bool paint(const QList<Page>& pages, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal sx = device.logicalDpiX() / kDesignDpi;
    const qreal sy = device.logicalDpiY() / kDesignDpi;
    const QPen rulePen(Qt::black, 0.5 * device.logicalDpiY() / 72.0); // half-point rules
    const QColor shade(224, 224, 224); // light enough for black text, printed as a fine screen
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    const bool monochrome = printer && printer->colorMode() == QPrinter::GrayScale;
    for (const Page& page : pages) {
        if (page.number > 1 && !device.newPage())
            return false;
        for (const QRectF& r : page.shades)
            painter.fillRect(onDevice(r, sx, sy), shade);
        for (const Fill& fill : page.fills)
            painter.fillRect(onDevice(fill.rect, sx, sy), fillColour(fill.colour, monochrome));
        painter.setPen(rulePen);
        for (const QLineF& rule : page.rules)
            painter.drawLine(QLineF(rule.x1() * sx, rule.y1() * sy, rule.x2() * sx, rule.y2() * sy));
        for (const PrintedField& field : page.fields) {
            if (field.text.isEmpty())
                continue;
            painter.setFont(printedFont(field, device));
            painter.setPen(field.style.lightText && !monochrome ? Qt::white : Qt::black);
            painter.drawText(onDevice(field.rect, sx, sy),
                int(field.style.alignment) | Qt::TextSingleLine | Qt::TextDontClip, field.text);
        }
    }
    return painter.end();
}

bool print(const QList<Page>& pages, const PageSetup& setup, QPrinter& printer, QWidget* parent)
{
    // Printing into a file replaces it: the setup chose the file once, every print writes it.
    if (!dialogs::confirmReplace(printer.outputFileName(), parent))
        return false;
    // The report prints on its own paper; the printer keeps the paper the setup chose for the next.
    const QPageLayout chosen = printer.pageLayout();
    printer.setPageLayout(pageLayout(setup));
    const bool painted = paint(pages, printer) && printer.printerState() != QPrinter::Error;
    printer.setPageLayout(chosen);
    if (!painted) {
        dialogs::message(dialogs::Kind::Error, kPrintFailed, dialogs::Buttons::Ok, parent);
        return false;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QList<QFont> fonts;
        QString drawn;
        for (const Page& page : pages) {
            for (const PrintedField& field : page.fields) {
                const QFont font = fieldFont(field.style);
                if (!fonts.contains(font))
                    fonts.append(font);
                drawn += field.text;
            }
        }
        // The printed file stays valid when this fails; only copying its text is less exact.
        pdftext::repairToUnicode(printer.outputFileName(), fonts, drawn);
    }
    return true;
}

} // namespace report
