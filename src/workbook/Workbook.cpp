#include "workbook/Workbook.h"

#include "changes/EffectiveSchedule.h"
#include "data/Table.h"
#include "exports/FileNames.h"
#include "platform/BandReport.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <xlsxwriter.h>

namespace workbook {

namespace {

constexpr int kPaperA4 = 9; // the paper codes of the spreadsheet's page set-up
constexpr int kPaperA3 = 8;
constexpr double kMarginInches = 0.5; // 12.7 mm, as the printed reports
constexpr lxw_color_t kShade = 0xE0E0E0; // weekends and holidays, as the printed chart shades them
constexpr int kHeadingRow = 2; // the days' headings: day, weekday, holiday
constexpr int kFirstEmployeeRow = kHeadingRow + 3;

lxw_color_t colourOf(const QString& colour)
{
    return colour.mid(1).toUInt(nullptr, 16);
}

// The cell formats of a workbook, made once for each look: libxlsxwriter keeps every format it
// is asked for.
class Formats {
public:
    explicit Formats(lxw_workbook* book)
        : book_(book)
    {
    }

    struct Look {
        QString colour; // "#RRGGBB" background; empty for none
        bool shaded = false; // a weekend or holiday without a colour of its own
        bool framed = false; // a changed day: a heavy border
        bool bold = false;
        bool wrap = false; // two lines, start over end
        QString number {}; // a number or date format
    };

    lxw_format* of(const Look& look)
    {
        const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6")
                                .arg(look.colour)
                                .arg(look.shaded)
                                .arg(look.framed)
                                .arg(look.bold)
                                .arg(look.wrap)
                                .arg(look.number);
        if (lxw_format* known = formats_.value(key))
            return known;
        lxw_format* format = workbook_add_format(book_);
        format_set_align(format, LXW_ALIGN_CENTER);
        format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(format, look.framed ? LXW_BORDER_MEDIUM : LXW_BORDER_THIN);
        if (!look.colour.isEmpty()) {
            format_set_bg_color(format, colourOf(look.colour));
            if (report::isDark(look.colour))
                format_set_font_color(format, LXW_COLOR_WHITE);
        } else if (look.shaded) {
            format_set_bg_color(format, kShade);
        }
        if (look.bold)
            format_set_bold(format);
        if (look.wrap)
            format_set_text_wrap(format);
        if (!look.number.isEmpty())
            format_set_num_format(format, look.number.toUtf8().constData());
        formats_.insert(key, format);
        return format;
    }

private:
    lxw_workbook* book_;
    QHash<QString, lxw_format*> formats_;
};

// Writes cells of one sheet, keeping the first failure: text always as a string.
class Sheet {
public:
    Sheet(lxw_worksheet* sheet, lxw_error& error)
        : sheet_(sheet)
        , error_(error)
    {
    }

    lxw_worksheet* handle() const { return sheet_; }

    void text(int row, int column, const QString& text, lxw_format* format = nullptr)
    {
        if (text.isEmpty()) {
            if (format)
                keep(worksheet_write_blank(sheet_, row, column, format));
            return;
        }
        keep(worksheet_write_string(sheet_, row, column, text.toUtf8().constData(), format));
    }
    void number(int row, int column, double value, lxw_format* format = nullptr)
    {
        keep(worksheet_write_number(sheet_, row, column, value, format));
    }
    void date(int row, int column, QDate date, lxw_format* format)
    {
        lxw_datetime value { date.year(), date.month(), date.day(), 0, 0, 0 };
        keep(worksheet_write_datetime(sheet_, row, column, &value, format));
    }
    // A time of day, minutes after midnight.
    void time(int row, int column, int minutes, lxw_format* format)
    {
        number(row, column, (minutes % (24 * 60)) / (24.0 * 60), format);
    }

private:
    void keep(lxw_error error)
    {
        if (error_ == LXW_NO_ERROR)
            error_ = error;
    }

    lxw_worksheet* sheet_;
    lxw_error& error_;
};

void writeChartSheet(Sheet& sheet, Formats& formats, const wallchart::Chart& chart, wallchart::Paper paper)
{
    lxw_worksheet* ws = sheet.handle();
    const int days = static_cast<int>(chart.days.size());
    const int totalColumn = days + 1;
    const int patternColumn = totalColumn + 2;
    const bool coded = !chart.patterns.isEmpty();
    const auto plain = [&](bool bold = false) { return formats.of({ {}, false, false, bold, false }); };

    sheet.text(0, 0, chart.title);
    sheet.text(0, totalColumn, chart.shopTitle);

    // The headings: the day as a date, its weekday, "祝" on a holiday.
    sheet.text(kHeadingRow, 0, QStringLiteral("氏名"), plain(true));
    sheet.text(kHeadingRow + 1, 0, {}, plain());
    sheet.text(kHeadingRow + 2, 0, {}, plain());
    for (int d = 0; d < days; ++d) {
        const wallchart::Day& day = chart.days[d];
        Formats::Look look { {}, day.shaded, false, day.monthStart, false };
        look.number = d == 0 || day.monthStart ? QStringLiteral("m/d") : QStringLiteral("d");
        sheet.date(kHeadingRow, 1 + d, day.date, formats.of(look));
        look.number.clear();
        sheet.text(kHeadingRow + 1, 1 + d, day.weekday, formats.of(look));
        sheet.text(kHeadingRow + 2, 1 + d, day.holiday ? QStringLiteral("祝") : QString(), formats.of(look));
    }
    sheet.text(kHeadingRow, totalColumn, QStringLiteral("日数"), plain(true));
    sheet.text(kHeadingRow, totalColumn + 1, QStringLiteral("時間"), plain(true));
    for (int p = 0; p < chart.patterns.size(); ++p)
        sheet.text(kHeadingRow, patternColumn + p, chart.patterns[p].code,
            formats.of({ chart.patterns[p].colour, false, false, true, false }));
    for (int c = totalColumn; c < patternColumn + chart.patterns.size(); ++c) {
        sheet.text(kHeadingRow + 1, c, {}, plain());
        sheet.text(kHeadingRow + 2, c, {}, plain());
    }

    // An employee's row: their days, the days and hours worked, the days of each pattern.
    Formats::Look hoursLook;
    hoursLook.number = QStringLiteral("[h]:mm");
    lxw_format* hours = formats.of(hoursLook);
    int row = kFirstEmployeeRow;
    bool withTimes = false; // a day shows its times: the columns are wider than for codes alone
    for (const wallchart::Row& employee : chart.rows) {
        sheet.text(row, 0, employee.name, formats.of({ {}, false, false, false, false }));
        bool twoLines = false;
        for (int d = 0; d < days; ++d) {
            const wallchart::Cell cell = employee.cells.value(d);
            const bool withTimes = cell.code.isEmpty() && !cell.bottom.isEmpty();
            twoLines = twoLines || withTimes;
            const QString text = !cell.code.isEmpty() ? cell.code
                : withTimes                           ? cell.top + u'\n' + cell.bottom
                                                      : cell.top;
            sheet.text(row, 1 + d, text,
                formats.of({ cell.colour, chart.days[d].shaded, cell.changed, !cell.code.isEmpty(), withTimes }));
        }
        sheet.number(row, totalColumn, employee.workingDays, plain());
        sheet.number(row, totalColumn + 1, employee.netMinutes / (24.0 * 60), hours);
        for (int p = 0; p < chart.patterns.size(); ++p) {
            if (const int n = employee.patternDays.value(p); n > 0)
                sheet.number(row, patternColumn + p, n, plain());
            else
                sheet.text(row, patternColumn + p, {}, plain());
        }
        worksheet_set_row(ws, row, twoLines ? 27 : 18, nullptr);
        withTimes = withTimes || twoLines;
        ++row;
    }

    // The head-counts: at work, per working pattern, and the person-hours short.
    const auto footRow = [&](const QString& label, const QList<int>& counts, bool blankZero, std::optional<int> total) {
        sheet.text(row, 0, label, plain(true));
        for (int d = 0; d < days; ++d) {
            const int n = counts.value(d);
            if (blankZero && n <= 0)
                sheet.text(row, 1 + d, {}, formats.of({ {}, chart.days[d].shaded, false, false, false }));
            else
                sheet.number(row, 1 + d, n, formats.of({ {}, chart.days[d].shaded, false, false, false }));
        }
        if (total)
            sheet.number(row, totalColumn, *total, plain());
        ++row;
    };
    int personDays = 0;
    for (int n : chart.headCount)
        personDays += n;
    footRow(QStringLiteral("出勤"), chart.headCount, false, personDays);
    for (const wallchart::PatternCount& pattern : chart.patternCounts)
        footRow(pattern.code, pattern.days, false, pattern.total);
    if (chart.shortHours) {
        int shortTotal = 0;
        for (int n : *chart.shortHours)
            shortTotal += std::max(0, n);
        footRow(QStringLiteral("不足"), *chart.shortHours, true, shortTotal);
    }

    // The legend, the day changes and the labour findings under the grid.
    ++row;
    if (coded)
        sheet.text(row++, 0, QStringLiteral("凡例　") + chart.legend.join(QStringLiteral("　")));
    for (const QString& line : chart.changeLines + chart.findingLines)
        if (!line.isEmpty())
            sheet.text(row++, 0, line);

    worksheet_set_column(ws, 0, 0, 14, nullptr);
    if (days > 0)
        worksheet_set_column(ws, 1, days, withTimes ? 5.5 : 4, nullptr);
    worksheet_set_column(ws, totalColumn, totalColumn + 1, 7, nullptr);
    if (coded)
        worksheet_set_column(ws, patternColumn, patternColumn + chart.patterns.size() - 1, 4, nullptr);
    worksheet_freeze_panes(ws, kFirstEmployeeRow, 1);
    worksheet_set_landscape(ws);
    worksheet_set_paper(ws, paper == wallchart::Paper::A3 ? kPaperA3 : kPaperA4);
    worksheet_set_margins(ws, kMarginInches, kMarginInches, kMarginInches, kMarginInches);
    worksheet_fit_to_pages(ws, 1, 0);
    worksheet_repeat_rows(ws, kHeadingRow, kFirstEmployeeRow - 1);
}

void writeTimesSheet(Sheet& sheet, Formats& formats, const daychanges::EffectiveSchedule& schedule)
{
    const auto look = [&](const QString& number, bool bold = false) {
        Formats::Look l;
        l.number = number;
        l.bold = bold;
        return formats.of(l);
    };
    lxw_format* heading = look({}, true);
    lxw_format* text = look({});
    lxw_format* date = look(QStringLiteral("yyyy/m/d"));
    lxw_format* time = look(QStringLiteral("h:mm"));
    lxw_format* minutes = look(QStringLiteral("0"));
    lxw_format* hours = look(QStringLiteral("0.00"));
    const QStringList headings { QStringLiteral("氏名"), QStringLiteral("日付"), QStringLiteral("勤務"),
        QStringLiteral("始業"), QStringLiteral("終業"), QStringLiteral("休憩（分）"),
        QStringLiteral("実労時間（時間）") };
    for (int c = 0; c < headings.size(); ++c)
        sheet.text(0, c, headings[c], heading);

    int row = 1;
    for (int r = 0; r < schedule.employees(); ++r) {
        const QString name = schedule.master().cell(0, r);
        for (int d = 0; d < schedule.dates().size(); ++d) {
            const daychanges::RosterDay day = schedule.day(r, d);
            sheet.text(row, 0, name, text);
            sheet.date(row, 1, schedule.dates()[d], date);
            sheet.text(row, 2, day.code.isEmpty() ? day.entry.attribute : day.code, text);
            if (day.working() && day.shift) {
                sheet.time(row, 3, day.shift->start(), time);
                sheet.time(row, 4, day.shift->end(), time);
                sheet.number(row, 5, std::max(0, day.shift->span() - day.shift->netMinutes), minutes);
                sheet.number(row, 6, day.netMinutes() / 60.0, hours);
            } else {
                for (int c = 3; c < headings.size(); ++c)
                    sheet.text(row, c, {}, text);
            }
            ++row;
        }
    }
    lxw_worksheet* ws = sheet.handle();
    worksheet_set_column(ws, 0, 0, 14, nullptr);
    worksheet_set_column(ws, 1, 1, 11, nullptr);
    worksheet_set_column(ws, 2, 6, 9, nullptr);
    worksheet_set_column(ws, 5, 6, 14, nullptr);
    worksheet_freeze_panes(ws, 1, 0);
    worksheet_set_paper(ws, kPaperA4);
    worksheet_fit_to_pages(ws, 1, 0);
    worksheet_repeat_rows(ws, 0, 0);
}

} // namespace

Written write(const wallchart::Chart& chart, const daychanges::EffectiveSchedule& schedule, wallchart::Paper paper)
{
    // libxlsxwriter writes a file by name: it is made in a folder of its own and read back, so
    // that the window writes the user's file whole or not at all as every export does.
    QTemporaryDir folder;
    if (!folder.isValid())
        return { {}, QStringLiteral("作業用の一時フォルダを作れません．") };
    const QString path = folder.filePath(QStringLiteral("workbook.xlsx"));
    QByteArray tmpdir = QFile::encodeName(folder.path());
    lxw_workbook_options options { LXW_FALSE, tmpdir.data(), LXW_FALSE };
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!book)
        return { {}, QStringLiteral("ブックを作れません．") };

    lxw_error error = LXW_NO_ERROR;
    Formats formats(book);
    lxw_worksheet* chartSheet = workbook_add_worksheet(book, "勤務表");
    lxw_worksheet* timesSheet = workbook_add_worksheet(book, "時刻");
    if (chartSheet && timesSheet) {
        Sheet sheet(chartSheet, error);
        writeChartSheet(sheet, formats, chart, paper);
        Sheet times(timesSheet, error);
        writeTimesSheet(times, formats, schedule);
    }
    const lxw_error closed = workbook_close(book);
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR || !chartSheet || !timesSheet)
        return { {}, QStringLiteral("ブックを書けません（%1）．").arg(QString::fromUtf8(lxw_strerror(error))) };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, file.errorString() };
    return { file.readAll(), {} };
}

QString defaultFileName(const QList<QDate>& dates)
{
    if (dates.isEmpty())
        return QStringLiteral("勤務表.xlsx");
    const QString format = QStringLiteral("yyyyMMdd");
    return exports::fileNameOf(
               QStringLiteral("勤務表_%1-%2").arg(dates.first().toString(format), dates.last().toString(format)))
        + QStringLiteral(".xlsx");
}

} // namespace workbook
