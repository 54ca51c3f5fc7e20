#pragma once

#include "platform/BandReport.h"

#include <QFont>
#include <QPageLayout>

class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;
class QWidget;

// Puts a report's page model on paper: the Mincho face for the fields, the page layout
// of the report, one device page per model page, and exact text in a PDF file.
namespace report {

// The face of every printed field: Noto Serif CJK JP at the field's size and weight.
QFont fieldFont(const FieldStyle& style);

// The font a field prints in on device: its style's, made smaller when the field shrinks to
// fit and its text is wider than the field, and condensed when it is still too wide at the
// style's smallest size.
QFont printedFont(const PrintedField& field, const QPaintDevice& device);

// One shrinking step of a text width wide in room: the size in hundredths of a point that
// the width's ratio gives, at least a hundredth below size (rounding can give size itself
// when width exceeds room by a hair) and never below 1 point.
qreal smallerSize(qreal size, qreal room, qreal width);

QPageLayout pageLayout(const PageSetup& setup);

// Paints the pages onto a device whose page layout is already set; false when the
// device cannot be painted on.
bool paint(const QList<Page>& pages, QPagedPaintDevice& device);

// Prints the pages on the printer in the report's page layout; the printer keeps its own
// layout (the paper the setup chose) for the next print. A printer that writes a file that
// exists asks first, and prints nothing unless the user agrees. When the printer writes a PDF
// file, the file's text is made to extract exactly as printed. A printer that cannot print gets
// an error message; returns whether the pages were printed.
bool print(const QList<Page>& pages, const PageSetup& setup, QPrinter& printer, QWidget* parent);

} // namespace report
