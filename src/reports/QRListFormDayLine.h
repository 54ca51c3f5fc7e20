#pragma once

#include "platform/BandReport.h"
#include "reports/ReportParts.h"

#include <QStringList>

class QPrinter;
class QWidget;
class TFormData;

// The schedule print report: the schedule that the schedule window laid out, one row of
// day symbols per employee between the days of month and the weekdays, and under it the
// period's day changes when there are any. It reads the work, weekday and schedule tables, the
// day changes and two lines of the schedule window's text when it prints; it changes nothing.
// The schedule window creates it once and reuses it.
class TQRListFormDayLine {
public:
    explicit TQRListFormDayLine(const TFormData& data);
    TQRListFormDayLine(const TQRListFormDayLine&) = delete;
    TQRListFormDayLine& operator=(const TQRListFormDayLine&) = delete;

    // The printed pages for the tables as they are now and the window's text lines.
    QList<report::Page> pages(const QStringList& viewLines);
    // Prints on the printer chosen in the printer setup; an unusable printer gets a message.
    bool print(QPrinter& printer, const QStringList& viewLines, QWidget* parent = nullptr);

    // Left edge of the name field after the last day of a period of n days.
    static qreal nameLeft(int n);

    report::BandReport QuickRepDayLine;

private:
    const TFormData& data_;
    QStringList viewLines_;
    QStringList changeLines_;
    reportparts::Records records_;
};
