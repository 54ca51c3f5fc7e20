#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

// The banded report layer that the print reports are built on. A report is a page setup
// and five bands: the page header (first page), the detail band (repeated while the
// need-data callback answers yes), the summary (after the last detail), the trailer (a list
// after the summary, when the report has one) and the page footer (at the bottom of the last
// page). Running a report gives a page model: every page with
// its fields, their rectangles and texts, and its rules. The layer lays out and paginates;
// it does not paint (see ReportPainter) and knows nothing of the tables.
namespace report {

// Positions and sizes are design pixels, 96 to the inch, measured from the top left
// corner of the printable area, that is inside the margins.
inline constexpr qreal kDesignDpi = 96.0;

// A4 landscape, one column, 12.7 mm margins on all four sides.
struct PageSetup {
    qreal paperWidthMm = 297.0;
    qreal paperHeightMm = 210.0;
    qreal marginMm = 12.7;

    qreal printableWidth() const;
    qreal printableHeight() const;
};

struct FieldStyle {
    qreal pointSize = 10;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // A text wider than the field prints smaller so that it fits (else it runs on past the
    // field's right edge, off the paper at the page's edge).
    bool shrinkToFit = false;
    // The smallest size a shrinking text takes; a text still too wide there prints condensed.
    qreal minPointSize = 1;
    // White instead of black, for a text on a dark fill; printed in black and white it is black.
    bool lightText = false;
};

// A text field of a band; its text is asked for each time the band prints.
struct Field {
    QString name;
    QRectF rect; // within the band
    FieldStyle style;
    std::function<QString()> text;
};

struct Band {
    qreal height = 0;
    QList<Field> fields;
    QList<QLineF> rules; // thin horizontal rules, within the band

    void addField(const QString& name, const QRectF& rect, const FieldStyle& style, std::function<QString()> text);
    void addRule(qreal y, qreal left, qreal width);
};

struct PrintedField {
    QString name;
    QRectF rect; // on the page
    QString text;
    FieldStyle style;
};

// A coloured background ("#RRGGBB") over the shades, under the rules and fields; printed in black and white it is
// a light grey as light as the colour is among the greys it may take.
struct Fill {
    QRectF rect;
    QString colour;
};

// Whether a colour "#RRGGBB" is dark enough that a white text reads better on it than a black one.
bool isDark(const QString& colour);

struct Page {
    int number = 0;
    QList<PrintedField> fields;
    QList<QLineF> rules;
    QList<QRectF> shades; // light grey backgrounds under the rules and fields
    QList<Fill> fills; // over the shades

    // The first field of that name on the page, or null.
    const PrintedField* field(const QString& name) const;
    // The texts of every field of that name, top to bottom (a detail field once per row).
    QStringList texts(const QString& name) const;
};

class BandReport {
public:
    PageSetup page;
    Band pageHeader;
    Band detail;
    Band summary;
    // Printed trailerRows times after the summary (beforePrint may set the count), its fields
    // asking trailerRow() for the row. The list follows the summary on its page when all of it
    // fits there above the page footer; else it starts on a new page and runs on as needed.
    Band trailer;
    int trailerRows = 0;
    Band pageFooter;
    // Runs once before the first band prints.
    std::function<void()> beforePrint;
    // Asked before each detail band; the detail prints while it answers true.
    std::function<bool()> needData;

    // Prints the report into a page model. A report without rows still prints its page
    // header, summary and page footer on one page.
    QList<Page> run();

    // The number of the page being printed, for page-number fields.
    int pageNumber() const { return pageNumber_; }
    // The trailer row being printed, from 0.
    int trailerRow() const { return trailerRow_; }

private:
    int pageNumber_ = 0;
    int trailerRow_ = 0;
};

} // namespace report
