#include "wallchart/WallChartPages.h"

#include "views/Calendar.h"

#include <algorithm>

namespace wallchart {

namespace {

const report::PageSetup kA4;
const qreal kWidth = kA4.printableWidth(); // the layout's units: A4's design pixels
const qreal kHeight = kA4.printableHeight();
constexpr qreal kSmallest = 6; // points, on A4
constexpr qreal kHeadingHeight = 40; // title and shop, legend and moment of printing
constexpr qreal kLineHeight = 13; // a line of a list
constexpr qreal kMarkInset = 1; // a changed day's frame, close inside the grid: a heavy border
constexpr qreal kCellPadding = 1.5;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

qreal scaleOf(Paper paper)
{
    if (paper == Paper::A4)
        return 1;
    const report::PageSetup setup = pageSetup(paper);
    return std::min(setup.printableWidth() / kWidth, setup.printableHeight() / kHeight);
}

// Puts texts, lines, frames and shades on the last of the pages, laid out in A4's units and
// enlarged by scale. Every text shrinks to fit its place, to no less than 6 points on A4.
class Sheet {
public:
    Sheet(QList<report::Page>& pages, qreal scale)
        : pages_(pages)
        , scale_(scale)
    {
    }

    void newPage()
    {
        report::Page& page = pages_.emplaceBack();
        page.number = static_cast<int>(pages_.size());
    }
    void text(const char* name, const QRectF& r, qreal points, Qt::Alignment alignment, const QString& text,
        bool bold = false, bool light = false)
    {
        if (text.isEmpty())
            return;
        const report::FieldStyle style { points * scale_, bold, alignment, true, kSmallest * scale_, light };
        pages_.last().fields.append({ QLatin1String(name), scaled(r), text, style });
    }
    void line(qreal x1, qreal y1, qreal x2, qreal y2)
    {
        pages_.last().rules.append(QLineF(x1 * scale_, y1 * scale_, x2 * scale_, y2 * scale_));
    }
    void frame(const QRectF& r)
    {
        line(r.left(), r.top(), r.right(), r.top());
        line(r.left(), r.bottom(), r.right(), r.bottom());
        line(r.left(), r.top(), r.left(), r.bottom());
        line(r.right(), r.top(), r.right(), r.bottom());
    }
    void shade(const QRectF& r) { pages_.last().shades.append(scaled(r)); }
    void fill(const QRectF& r, const QString& colour) { pages_.last().fills.append({ scaled(r), colour }); }

private:
    QRectF scaled(const QRectF& r) const { return QRectF(r.topLeft() * scale_, r.size() * scale_); }

    QList<report::Page>& pages_;
    qreal scale_;
};

// The title and the shop, and under them the legend and the moment of printing.
void addHeading(Sheet& sheet, const Chart& chart, const QString& legend)
{
    sheet.text("title", QRectF(0, 0, kWidth * 0.62, 22), 13, kLeft, chart.title, true);
    sheet.text("shop", QRectF(kWidth * 0.62, 0, kWidth * 0.38, 22), 11, kRight, chart.shopTitle);
    sheet.text("legend", QRectF(0, 22, kWidth * 0.75, 14), 7, kLeft, legend);
    sheet.text("printed", QRectF(kWidth * 0.75, 22, kWidth * 0.25, 14), 7, kRight,
        QStringLiteral("印刷日時 ") + chart.printed.toString(QStringLiteral("yyyy/MM/dd H:mm")));
}

// A sheet of several pages numbers them after the moment of printing.
QList<report::Page> numbered(QList<report::Page> pages)
{
    if (pages.size() < 2)
        return pages;
    for (report::Page& page : pages)
        for (report::PrintedField& field : page.fields)
            if (field.name == QLatin1String("printed"))
                field.text += QStringLiteral("　%1/%2").arg(page.number).arg(pages.size());
    return pages;
}

// A cell's start over its end, or its one text in the middle, a little larger; the texts keep
// clear of the grid lines beside them.
// A day of a pattern shows its code on its colour instead.
void addCell(Sheet& sheet, const QRectF& cellRect, const Cell& cell, qreal points)
{
    const QRectF r = cellRect.adjusted(kCellPadding, 0, -kCellPadding, 0);
    if (!cell.code.isEmpty()) {
        sheet.fill(cellRect, cell.colour);
        sheet.text("code", r, std::min(points * 1.4, 12.0), kCentre, cell.code, true, report::isDark(cell.colour));
    } else if (cell.bottom.isEmpty()) {
        sheet.text("cell", r, points * 1.15, kCentre, cell.top);
    } else {
        // Two lines close together about the middle; the ink of a line sits below the middle of
        // its box, so the boxes sit a little high.
        const qreal middle = r.center().y();
        const qreal line = std::min(r.height() * 0.46, points / 0.75 * 1.45); // 0.75 points a pixel
        sheet.text("start", QRectF(r.left(), middle - line * 1.04, r.width(), line), points, kCentre, cell.top);
        sheet.text("end", QRectF(r.left(), middle - line * 0.08, r.width(), line), points, kCentre, cell.bottom);
    }
    if (cell.changed)
        sheet.frame(cellRect.adjusted(kMarkInset, kMarkInset, -kMarkInset, -kMarkInset));
}

} // namespace

report::PageSetup pageSetup(Paper paper)
{
    report::PageSetup setup;
    if (paper == Paper::A3) {
        setup.paperWidthMm = 420;
        setup.paperHeightMm = 297;
    }
    return setup;
}

qreal MonthGrid::dayLeft(int day) const
{
    return nameWidth + day * dayWidth;
}

qreal MonthGrid::totalLeft() const
{
    return dayLeft(days);
}

qreal MonthGrid::patternLeft(int pattern) const
{
    return totalLeft() + totalWidth + pattern * patternWidth;
}

qreal MonthGrid::right() const
{
    return patternLeft(patternColumns);
}

qreal MonthGrid::rowTop(int row) const
{
    const qreal first = top + headingHeight;
    return row <= rows ? first + row * rowHeight : first + rows * rowHeight + (row - rows) * footRowHeight;
}

qreal MonthGrid::bottom() const
{
    return rowTop(rows + footRows);
}

QRectF MonthGrid::cell(int row, int day) const
{
    return QRectF(dayLeft(day), rowTop(row), dayWidth, row < rows ? rowHeight : footRowHeight);
}

MonthGrid monthGrid(const Chart& chart, Paper paper)
{
    MonthGrid g;
    g.scale = scaleOf(paper);
    g.top = kHeadingHeight;
    g.days = static_cast<int>(chart.days.size());
    g.rows = static_cast<int>(chart.rows.size());
    g.footRows = 1 + static_cast<int>(chart.patternCounts.size()) + (chart.shortHours ? 1 : 0);
    g.patternColumns = static_cast<int>(chart.patterns.size());
    // The longest name, 12 full-width characters, fits at 6 points.
    g.nameWidth = 102;
    g.totalWidth = 34;
    g.patternWidth = 15;
    g.dayWidth = (kWidth - g.nameWidth - g.totalWidth - g.patternColumns * g.patternWidth) / std::max(1, g.days);
    g.headingHeight = 36;
    g.footRowHeight = 14;
    // The legend of the patterns takes a line under the grid.
    const qreal legend = chart.legend.isEmpty() ? 0 : kLineHeight + 4;
    const qreal room = kHeight - g.top - g.headingHeight - g.footRows * g.footRowHeight - legend;
    g.rowHeight = std::min<qreal>(32, room / std::max(1, g.rows));
    return g;
}

QList<report::Page> monthPages(const Chart& chart, Paper paper)
{
    const MonthGrid g = monthGrid(chart, paper);
    QList<report::Page> pages;
    Sheet sheet(pages, g.scale);
    sheet.newPage();
    addHeading(sheet, chart,
        QStringLiteral("枠囲み：勤務変更（一覧は表の下か次のページ）　祝：祝日　網掛け：土・日・祝日　翌：翌日に終了"
                       "　公：公休　休：休み　他：その他"));

    // Points by the row's height, and for the times by the column's width too, so that a time
    // like "17:30" (two and a half ems) fits as it is and every cell's times read alike.
    const qreal rowPoints = g.rowHeight * 0.75;
    const qreal columnPoints = (g.dayWidth - 2 * kCellPadding) * 0.75 / 2.5;
    const qreal timePoints = std::clamp(std::min(rowPoints * 0.44, columnPoints), kSmallest, 9.0);
    const qreal namePoints = std::clamp(rowPoints * 0.53, 7.5, 10.0);
    const qreal top = g.top;
    const qreal bottom = g.bottom();

    for (int d = 0; d < g.days; ++d)
        if (chart.days[d].shaded)
            sheet.shade(QRectF(g.dayLeft(d), top, g.dayWidth, bottom - top));

    // The days' headings: day of month, weekday, holiday.
    sheet.text("nameHeading", QRectF(0, top, g.nameWidth, g.headingHeight), 8, kCentre, QStringLiteral("氏名"));
    sheet.text("totalHeading", QRectF(g.totalLeft(), top, g.totalWidth, g.headingHeight / 2), 7, kCentre,
        QStringLiteral("日数"));
    sheet.text("totalHeading", QRectF(g.totalLeft(), top + g.headingHeight / 2, g.totalWidth, g.headingHeight / 2), 7,
        kCentre, QStringLiteral("時間"));
    for (int p = 0; p < g.patternColumns; ++p)
        sheet.text("patternHeading", QRectF(g.patternLeft(p), top, g.patternWidth, g.headingHeight), 7, kCentre,
            chart.patterns[p].code);
    for (int d = 0; d < g.days; ++d) {
        const Day& day = chart.days[d];
        const qreal x = g.dayLeft(d);
        sheet.text("day", QRectF(x, top, g.dayWidth, 13), 7, kCentre, day.dayText, day.monthStart);
        sheet.text("weekday", QRectF(x, top + 13, g.dayWidth, 12), 7, kCentre, day.weekday);
        if (day.holiday)
            sheet.text("holiday", QRectF(x, top + 25, g.dayWidth, 11), 6.5, kCentre, QStringLiteral("祝"));
    }

    for (int r = 0; r < g.rows; ++r) {
        const Row& row = chart.rows[r];
        const qreal y = g.rowTop(r);
        sheet.text("name", QRectF(2, y, g.nameWidth - 4, g.rowHeight), namePoints, kLeft, row.name);
        for (int d = 0; d < g.days; ++d)
            addCell(sheet, g.cell(r, d), row.cells.value(d), timePoints);
        addCell(sheet, QRectF(g.totalLeft(), y, g.totalWidth, g.rowHeight),
            { CellKind::Work, QStringLiteral("%1日").arg(row.workingDays), durationText(row.netMinutes), false },
            timePoints);
        for (int p = 0; p < g.patternColumns; ++p)
            if (const int days = row.patternDays.value(p); days > 0)
                sheet.text("patternDays", QRectF(g.patternLeft(p), y, g.patternWidth, g.rowHeight), timePoints, kCentre,
                    QString::number(days));
    }

    // "出勤" and "不足", with their totals over the period.
    const auto addFootRow = [&](int r, const QString& label, const QList<QString>& texts, const QString& total) {
        const qreal y = g.rowTop(r);
        sheet.text("footLabel", QRectF(2, y, g.nameWidth - 4, g.footRowHeight), 7.5, kLeft, label);
        for (int d = 0; d < g.days; ++d)
            sheet.text("foot", g.cell(r, d).adjusted(kCellPadding, 0, -kCellPadding, 0), 7, kCentre, texts.value(d));
        sheet.text("footTotal",
            QRectF(g.totalLeft() + kCellPadding, y, g.totalWidth - 2 * kCellPadding, g.footRowHeight), 7, kCentre,
            total);
    };
    QStringList counts;
    int personDays = 0;
    for (int n : chart.headCount) {
        counts << QString::number(n);
        personDays += n;
    }
    addFootRow(g.rows, QStringLiteral("出勤"), counts, QStringLiteral("%1日").arg(personDays));
    int footRow = g.rows + 1;
    for (const PatternCount& pattern : chart.patternCounts) {
        QStringList texts;
        for (int n : pattern.days)
            texts << QString::number(n);
        addFootRow(footRow++, pattern.code, texts, QStringLiteral("%1日").arg(pattern.total));
    }
    if (chart.shortHours) {
        QStringList shortTexts;
        int shortTotal = 0;
        for (int d = 0; d < g.days; ++d) {
            const int hours = std::max(0, chart.shortHours->value(d));
            shortTexts << (hours > 0 ? QString::number(hours) : QString());
            shortTotal += hours;
        }
        addFootRow(footRow, QStringLiteral("不足"), shortTexts, QString::number(shortTotal));
    }

    // Thin grid lines; a month's first day has a second line before it.
    for (int r = 0; r <= g.rows + g.footRows; ++r)
        sheet.line(0, g.rowTop(r), g.right(), g.rowTop(r));
    sheet.line(0, top, g.right(), top);
    sheet.line(g.nameWidth, top + 13, g.totalLeft(), top + 13);
    sheet.line(g.nameWidth, top + 25, g.totalLeft(), top + 25);
    sheet.line(g.totalLeft(), top + g.headingHeight / 2, g.patternLeft(0), top + g.headingHeight / 2);
    for (int d = 0; d <= g.days; ++d)
        sheet.line(g.dayLeft(d), top, g.dayLeft(d), bottom);
    for (int p = 0; p < g.patternColumns; ++p)
        sheet.line(g.patternLeft(p), top, g.patternLeft(p), bottom);
    for (qreal x : { qreal(0), g.right() })
        sheet.line(x, top, x, bottom);
    for (int d = 1; d < g.days; ++d)
        if (chart.days[d].monthStart)
            sheet.line(g.dayLeft(d) - 1.5, top, g.dayLeft(d) - 1.5, bottom);

    // The day changes and the labour findings: under the grid when all of them fit there, else on
    // the pages that follow.
    QStringList lines = chart.changeLines + chart.findingLines;
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    qreal y = bottom + 6;
    if (!chart.legend.isEmpty()) {
        sheet.text("patternLegend", QRectF(0, y, kWidth, kLineHeight), 7.5, kLeft,
            QStringLiteral("凡例　") + chart.legend.join(QStringLiteral("　")));
        y += kLineHeight + 4;
    }
    if (y + lines.size() * kLineHeight > kHeight)
        y = kHeight;
    for (const QString& line : std::as_const(lines)) {
        if (y + kLineHeight > kHeight) {
            sheet.newPage();
            addHeading(sheet, chart, {});
            y = kHeadingHeight;
        }
        sheet.text("change", QRectF(0, y, kWidth, kLineHeight), 7.5, kLeft, line);
        y += kLineHeight;
    }
    return numbered(pages);
}

QList<report::Page> employeePages(const Chart& chart, Paper paper)
{
    const qreal scale = scaleOf(paper);
    QList<report::Page> pages;
    const QString legend = QStringLiteral("枠囲み：勤務変更　祝：祝日　網掛け：土・日・祝日　翌：翌日に終了");
    // The calendar runs Sunday to Saturday over the weeks that hold the period.
    const QDate first = chart.days.isEmpty() ? QDate() : chart.days.first().date;
    const QDate firstSunday = first.addDays(-(first.dayOfWeek() % 7));
    const int weeks = chart.days.isEmpty() ? 0 : static_cast<int>(firstSunday.daysTo(chart.days.last().date) / 7 + 1);
    const qreal columnWidth = kWidth / 7;
    Sheet sheet(pages, scale);
    constexpr qreal kCalendarTop = kHeadingHeight + 30;
    constexpr qreal kWeekdayHeight = 16;
    constexpr qreal kListLine = 15;

    for (const Row& row : chart.rows) {
        QString totals
            = QStringLiteral("勤務日数 %1日　実労時間 %2").arg(row.workingDays).arg(durationText(row.netMinutes));
        if (const QString perPattern = patternTotals(chart, row); !perPattern.isEmpty())
            totals += QStringLiteral("　") + perPattern;
        const auto heading = [&](const QString& name) {
            addHeading(sheet, chart, legend);
            sheet.text("employee", QRectF(0, kHeadingHeight, kWidth * 0.5, 26), 16, kLeft, name, true);
            sheet.text("totals", QRectF(kWidth * 0.5, kHeadingHeight, kWidth * 0.5, 26), 11, kRight, totals);
        };
        sheet.newPage();
        heading(row.name);

        // The lists under the calendar: the day changes, and the requests when there are any.
        QStringList changes { QStringLiteral("【この期間の勤務変更】") };
        changes += row.changes.isEmpty() ? QStringList { QStringLiteral("　なし") } : row.changes;
        QStringList requests;
        if (chart.withRequests) {
            requests << QStringLiteral("【勤務の希望】");
            requests += row.requests.isEmpty() ? QStringList { QStringLiteral("　なし") } : row.requests;
        }
        const qreal listHeight = std::max(changes.size(), requests.size()) * kListLine;
        const qreal cellHeight = std::clamp(
            (kHeight - kCalendarTop - kWeekdayHeight - 10 - listHeight) / std::max(1, weeks), qreal(48), qreal(78));

        for (int c = 0; c < 7; ++c)
            sheet.text("calendarWeekday", QRectF(c * columnWidth, kCalendarTop, columnWidth, kWeekdayHeight), 9,
                kCentre, views::weekdayKanji(c + 1));
        const qreal weeksTop = kCalendarTop + kWeekdayHeight;
        for (int d = 0; d < chart.days.size(); ++d) {
            const Day& day = chart.days[d];
            const qint64 at = firstSunday.daysTo(day.date);
            const QRectF r((at % 7) * columnWidth, weeksTop + (at / 7) * cellHeight, columnWidth, cellHeight);
            const Cell cell = row.cells.value(d);
            if (day.shaded)
                sheet.shade(r);
            sheet.text(
                "date", QRectF(r.left() + 4, r.top() + 2, r.width() / 2, 14), 9, kLeft, day.dayText, day.monthStart);
            if (day.holiday)
                sheet.text("holiday", QRectF(r.right() - 24, r.top() + 2, 20, 14), 9, kRight, QStringLiteral("祝"));
            sheet.text("entry", QRectF(r.left() + 4, r.top() + 16, r.width() - 8, r.height() - 30), 12, kCentre,
                dayLine(cell));
            if (cell.changed) {
                sheet.frame(r.adjusted(kMarkInset, kMarkInset, -kMarkInset, -kMarkInset));
                sheet.text(
                    "changed", QRectF(r.right() - 44, r.bottom() - 15, 40, 13), 8, kRight, QStringLiteral("変更"));
            }
        }
        const qreal weeksBottom = weeksTop + weeks * cellHeight;
        for (int w = 0; w <= weeks; ++w)
            sheet.line(0, weeksTop + w * cellHeight, kWidth, weeksTop + w * cellHeight);
        sheet.line(0, kCalendarTop, kWidth, kCalendarTop);
        for (int c = 0; c <= 7; ++c)
            sheet.line(c * columnWidth, kCalendarTop, c * columnWidth, weeksBottom);

        // Both lists side by side, running on to a further page when they are long.
        qreal y = weeksBottom + 10;
        for (qsizetype i = 0; i < std::max(changes.size(), requests.size()); ++i) {
            if (y + kListLine > kHeight) {
                sheet.newPage();
                heading(row.name + QStringLiteral("（続き）"));
                y = kCalendarTop;
            }
            sheet.text("change", QRectF(0, y, kWidth / 2 - 8, kListLine), 9, kLeft, changes.value(i));
            sheet.text("request", QRectF(kWidth / 2, y, kWidth / 2, kListLine), 9, kLeft, requests.value(i));
            y += kListLine;
        }
    }
    return numbered(pages);
}

} // namespace wallchart
