#pragma once

#include "platform/BandReport.h"
#include "reports/ReportParts.h"

#include <QColor>
#include <QStringList>

class QPrinter;
class QWidget;
class RichEdit;

// The property of a text panel that names its print's title when the report in it has a title
// of its own (the period labour cost shares the weekly labour cost's panel).
inline constexpr char kPrintTitle[] = "printTitle";

// What the line print report takes from a text panel of the main window.
struct LinePanel {
    QString name; // RichEdit2, RichEdit3 or RichEdit4; empty when no panel is visible
    QColor background;
    QStringList lines;
    QString title; // the panel's own print title, when the report in it has one

    static LinePanel of(const RichEdit* panel);
};

// The title of a panel's print and the size and left edge of its lines.
struct LineLayout {
    QString title;
    qreal pointSize = 9;
    qreal left = 13;
};
LineLayout lineLayout(const LinePanel& panel);

// The line print report: the lines of the main window's visible text panel, one per
// detail band, under the print line, with the panel's title at the bottom. The main
// window creates it once; the text window prints through the same report.
class TQRListFormLinePrn {
public:
    TQRListFormLinePrn();
    TQRListFormLinePrn(const TQRListFormLinePrn&) = delete;
    TQRListFormLinePrn& operator=(const TQRListFormLinePrn&) = delete;

    QList<report::Page> pages(const LinePanel& panel);
    // Prints the panel (null when none is visible: header and footer only).
    bool print(QPrinter& printer, const RichEdit* panel, QWidget* parent = nullptr);

    report::BandReport QuickRepLinePrn;

private:
    LinePanel panel_;
    LineLayout layout_;
    reportparts::Records records_;
};
