#pragma once

#include "platform/BandReport.h"
#include "reports/ReportParts.h"

#include <QStringList>

class QPrinter;
class QWidget;
class TFormData;

// The time-series print report: today's hour bars that the time-series window laid out in
// the work table, one row per employee under the hours 00 to 24, with the working time on
// the left and the name on the right. It reads the work table and line 10 of the window's
// text when it prints; it changes nothing. The time-series window creates it once.
class TQRListFormTime {
public:
    explicit TQRListFormTime(const TFormData& data);
    TQRListFormTime(const TQRListFormTime&) = delete;
    TQRListFormTime& operator=(const TQRListFormTime&) = delete;

    QList<report::Page> pages(const QStringList& viewLines);
    bool print(QPrinter& printer, const QStringList& viewLines, QWidget* parent = nullptr);

    report::BandReport QuickRepTime;

private:
    const TFormData& data_;
    QStringList viewLines_;
    reportparts::Records records_;
};
