#include "platform/BandReport.h"

namespace report {

namespace {

constexpr qreal kMmPerInch = 25.4;

qreal designPixels(qreal mm)
{
    return mm / kMmPerInch * kDesignDpi;
}

// Prints a band with its top at y on the page: asks every field for its text.
void place(const Band& band, qreal y, Page& page)
{
    for (const Field& f : band.fields)
        page.fields.append({ f.name, f.rect.translated(0, y), f.text ? f.text() : QString(), f.style });
    for (const QLineF& rule : band.rules)
        page.rules.append(rule.translated(0, y));
}

} // namespace

bool isDark(const QString& colour)
{
    bool ok = false;
    const uint rgb = colour.mid(1).toUInt(&ok, 16);
    if (!ok || colour.size() != 7 || !colour.startsWith(u'#'))
        return false;
    // The weights of Qt's qGray(), so that a printer's grey and this rule agree.
    const uint grey = (((rgb >> 16) & 0xFF) * 11 + ((rgb >> 8) & 0xFF) * 16 + (rgb & 0xFF) * 5) / 32;
    return grey < 128;
}

qreal PageSetup::printableWidth() const
{
    return designPixels(paperWidthMm - 2 * marginMm);
}

qreal PageSetup::printableHeight() const
{
    return designPixels(paperHeightMm - 2 * marginMm);
}

void Band::addField(const QString& name, const QRectF& rect, const FieldStyle& style, std::function<QString()> text)
{
    fields.append({ name, rect, style, std::move(text) });
}

void Band::addRule(qreal y, qreal left, qreal width)
{
    rules.append(QLineF(left, y, left + width, y));
}

const PrintedField* Page::field(const QString& name) const
{
    for (const PrintedField& f : fields)
        if (f.name == name)
            return &f;
    return nullptr;
}

QStringList Page::texts(const QString& name) const
{
    QStringList out;
    for (const PrintedField& f : fields)
        if (f.name == name)
            out << f.text;
    return out;
}

QList<Page> BandReport::run()
{
    QList<Page> pages;
    const qreal bottom = page.printableHeight();
    qreal y = 0;
    const auto newPage = [&] {
        pages.append(Page { static_cast<int>(pages.size()) + 1, {}, {}, {}, {} });
        pageNumber_ = pages.size();
        y = 0;
    };

    if (beforePrint)
        beforePrint();
    newPage();
    place(pageHeader, y, pages.last());
    y += pageHeader.height;
    while (needData && needData()) {
        // The footer prints on the last page only, so a detail may use the whole page;
        // a band taller than an empty page still prints rather than paging forever.
        if (y + detail.height > bottom && y > 0)
            newPage();
        place(detail, y, pages.last());
        y += detail.height;
    }
    // The summary and the footer share the last page, and so does the trailer after the summary.
    const qreal footerTop = bottom - pageFooter.height;
    if (y + summary.height > footerTop && y > 0)
        newPage();
    place(summary, y, pages.last());
    y += summary.height;
    if (trailerRows > 0 && y + trailerRows * trailer.height > footerTop)
        newPage();
    for (trailerRow_ = 0; trailerRow_ < trailerRows; ++trailerRow_) {
        if (y + trailer.height > footerTop && y > 0)
            newPage();
        place(trailer, y, pages.last());
        y += trailer.height;
    }
    place(pageFooter, footerTop, pages.last());
    return pages;
}

} // namespace report
