// The month chart and the employees' sheets as page models, checked without printing (the type
// sizes that the printer would use are measured on a PDF printer, which paints nothing).
#include "wallchart/WallChart.h"
#include "changes/ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "labour/LabourSettings.h"
#include "platform/ReportPainter.h"
#include "support/SampleReports.h"
#include "wallchart/WallChartPages.h"
#include "wallchart/WardSample.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

using namespace wallchart;

namespace {

const QDate kStart(2024, 4, 25); // a Thursday; 40 days to 3 June
const QDateTime kNow(kStart, QTime(9, 5, 3));

// The national holidays of the period.
bool isHoliday(QDate date)
{
    static const QSet<QDate> holidays { QDate(2024, 4, 29), QDate(2024, 5, 3), QDate(2024, 5, 4), QDate(2024, 5, 5),
        QDate(2024, 5, 6) };
    return holidays.contains(date);
}

// 山田太郎 works Monday to Friday 9:00-17:30; 鈴木一郎 works nights from 22:00 to 6:00 Monday to
// Thursday, rests on Friday, has "その他" on Saturday; 佐藤花子's Monday times cannot be read and
// her Tuesday holds no attribute. Three day changes.
class WallChartModel : public ::testing::Test {
protected:
    WallChartModel()
    {
        clock_::setNow(kNow);
        samples::writePeriod(data.StringGrid2, kStart, 40);
        putEmployee(data.StringGrid1, 0, employee("山田太郎"));
        QStringList night = employee("鈴木一郎");
        for (int day = 0; day < 4; ++day)
            night = withDay(night, day, "勤務日", "22", "00", "6", "00");
        for (int day = 0; day < 4; ++day)
            night[37 + day] = "420";
        night = withDay(night, 4, "休み");
        night = withDay(night, 5, "その他");
        putEmployee(data.StringGrid1, 1, night);
        putEmployee(data.StringGrid1, 2, withDay(withDay(employee("佐藤花子"), 0, "勤務日", "x"), 1, "？"));
        data.dayChanges.set("山田太郎", QDate(2024, 4, 26), dayOff("休み"));
        data.dayChanges.set("山田太郎", QDate(2024, 4, 27), shift("10", "00", "15", "5", "305"));
        data.dayChanges.set("鈴木一郎", QDate(2024, 4, 30), shift("13", "00", "22", "00", "480"));
    }
    ~WallChartModel() override { clock_::useSystemClock(); }

    Chart build(std::optional<QList<int>> shortHours = std::nullopt)
    {
        return chart(daychanges::EffectiveSchedule(data), { "ZEL Rotan QX-30", isHoliday, std::move(shortHours), {} });
    }
    void addEmployees(int total, const QString& prefix)
    {
        for (int row = data.employeeCount(); row < total; ++row)
            putEmployee(data.StringGrid1, row, employee(prefix + QString::number(row)));
    }

    TFormData data;
};

int dayOf(QDate date)
{
    return static_cast<int>(kStart.daysTo(date));
}

// The fields of a page that lie in a rectangle.
QList<report::PrintedField> fieldsIn(const report::Page& page, const QRectF& r)
{
    QList<report::PrintedField> out;
    for (const report::PrintedField& f : page.fields)
        if (r.contains(f.rect.center()))
            out << f;
    return out;
}

QStringList fieldTexts(const QList<report::PrintedField>& fields, const QString& name = {})
{
    QStringList out;
    for (const report::PrintedField& f : fields)
        if (name.isEmpty() || f.name == name)
            out << f.text;
    return out;
}

// Rules that lie wholly inside a rectangle, not on its edges: a changed day's frame.
int rulesInside(const report::Page& page, const QRectF& r)
{
    const QRectF inner = r.adjusted(0.1, 0.1, -0.1, -0.1);
    int n = 0;
    for (const QLineF& l : page.rules)
        n += inner.contains(l.p1()) && inner.contains(l.p2()) ? 1 : 0;
    return n;
}

} // namespace

TEST_F(WallChartModel, EachCellShowsTheDaysTimesOrItsShortFormAndMarksAChange)
{
    struct Case {
        int row;
        QDate date;
        CellKind kind;
        QString top;
        QString bottom;
        bool changed;
    };
    const Case cases[] = {
        { 0, QDate(2024, 4, 25), CellKind::Work, "9:00", "17:30", false },
        { 0, QDate(2024, 4, 26), CellKind::DayOfRest, "休", "", true },
        { 0, QDate(2024, 4, 27), CellKind::Work, "10:00", "15:05", true },
        { 0, QDate(2024, 4, 28), CellKind::RegularDayOff, "公", "", false },
        { 1, QDate(2024, 4, 25), CellKind::Work, "22:00", "翌6:00", false },
        { 1, QDate(2024, 4, 26), CellKind::DayOfRest, "休", "", false },
        { 1, QDate(2024, 4, 27), CellKind::Other, "他", "", false },
        { 1, QDate(2024, 4, 30), CellKind::Work, "13:00", "22:00", true },
        { 2, QDate(2024, 4, 29), CellKind::Work, "〇", "", false }, // times that cannot be read
        { 2, QDate(2024, 4, 30), CellKind::None, "", "", false },
    };
    const Chart c = build();
    const MonthGrid grid = monthGrid(c, Paper::A4);
    const QList<report::Page> pages = monthPages(c, Paper::A4);
    for (const Case& t : cases) {
        SCOPED_TRACE(QStringLiteral("row %1, %2").arg(t.row).arg(t.date.toString()).toStdString());
        const Cell cell = c.rows[t.row].cells[dayOf(t.date)];
        EXPECT_EQ(cell.kind, t.kind);
        EXPECT_EQ(cell.top, t.top);
        EXPECT_EQ(cell.bottom, t.bottom);
        EXPECT_EQ(cell.changed, t.changed);

        // On the page: the start over the end, or the one text; a frame inside a changed cell.
        const QRectF r = grid.cell(t.row, dayOf(t.date));
        const QList<report::PrintedField> fields = fieldsIn(pages[0], r);
        if (t.bottom.isEmpty()) {
            EXPECT_EQ(fieldTexts(fields), t.top.isEmpty() ? QStringList() : QStringList { t.top });
        } else {
            EXPECT_EQ(fieldTexts(fields, "start"), QStringList { t.top });
            EXPECT_EQ(fieldTexts(fields, "end"), QStringList { t.bottom });
        }
        EXPECT_EQ(rulesInside(pages[0], r), t.changed ? 4 : 0);
    }
}

namespace {

// A period day on an employee's sheet: its date's text, the weekday heading over its column and
// its week row counted from 0.
std::tuple<QString, QString, int> calendarPlace(const report::Page& sheet, int day)
{
    QList<report::PrintedField> dates;
    QList<qreal> weekTops;
    for (const report::PrintedField& f : sheet.fields)
        if (f.name == QLatin1String("date")) {
            dates << f;
            if (!weekTops.contains(f.rect.top()))
                weekTops << f.rect.top();
        }
    std::sort(weekTops.begin(), weekTops.end());
    const report::PrintedField date = dates.value(day);
    QString heading;
    for (const report::PrintedField& f : sheet.fields)
        if (f.name == QLatin1String("calendarWeekday") && f.rect.left() <= date.rect.left()
            && date.rect.left() < f.rect.right())
            heading = f.text;
    return { date.text, heading, static_cast<int>(weekTops.indexOf(date.rect.top())) };
}

} // namespace

TEST_F(WallChartModel, DaysShadeWeekendsAndHolidaysAndMarkEachNewMonth)
{
    struct Case {
        QDate date;
        QString dayText;
        QString weekday;
        bool holiday;
        bool shaded;
        bool monthStart;
        int week; // the week row of an employee's sheet
    };
    const Case cases[] = {
        { QDate(2024, 4, 25), "4/25", "木", false, false, false, 0 }, // the first day names its month
        { QDate(2024, 4, 26), "26", "金", false, false, false, 0 },
        { QDate(2024, 4, 27), "27", "土", false, true, false, 0 },
        { QDate(2024, 4, 28), "28", "日", false, true, false, 1 },
        { QDate(2024, 4, 29), "29", "月", true, true, false, 1 },
        { QDate(2024, 5, 1), "5/1", "水", false, false, true, 1 },
        { QDate(2024, 5, 6), "6", "月", true, true, false, 2 },
        { QDate(2024, 6, 1), "6/1", "土", false, true, true, 5 },
        { QDate(2024, 6, 3), "3", "月", false, false, false, 6 },
    };
    const Chart c = build();
    const MonthGrid grid = monthGrid(c, Paper::A4);
    const report::Page page = monthPages(c, Paper::A4)[0];
    const report::Page sheet = employeePages(c, Paper::A4)[0];
    ASSERT_EQ(c.days.size(), 40);
    for (const Case& t : cases) {
        SCOPED_TRACE(t.date.toString().toStdString());
        const int d = dayOf(t.date);
        const Day& day = c.days[d];
        EXPECT_EQ(day.dayText, t.dayText);
        EXPECT_EQ(day.weekday, t.weekday);
        EXPECT_EQ(day.holiday, t.holiday);
        EXPECT_EQ(day.shaded, t.shaded);
        EXPECT_EQ(day.monthStart, t.monthStart);

        const QRectF heading(grid.dayLeft(d), grid.top, grid.dayWidth, grid.headingHeight);
        const QList<report::PrintedField> fields = fieldsIn(page, heading);
        EXPECT_EQ(fieldTexts(fields, "day"), QStringList { t.dayText });
        EXPECT_EQ(fieldTexts(fields, "weekday"), QStringList { t.weekday });
        EXPECT_EQ(fieldTexts(fields, "holiday"), t.holiday ? QStringList { "祝" } : QStringList());
        const bool shadeHere = std::any_of(page.shades.begin(), page.shades.end(),
            [&](const QRectF& s) { return s.contains(heading.center()) && s.bottom() >= grid.bottom(); });
        EXPECT_EQ(shadeHere, t.shaded) << "the whole column, also in black and white";
        const bool secondLine = std::any_of(page.rules.begin(), page.rules.end(),
            [&](const QLineF& l) { return qFuzzyCompare(l.x1(), grid.dayLeft(d) - 1.5) && l.x1() == l.x2(); });
        EXPECT_EQ(secondLine, t.monthStart);

        // On an employee's sheet, under its weekday's heading in its own week.
        EXPECT_EQ(calendarPlace(sheet, d), std::tuple(t.dayText, t.weekday, t.week));
    }
}

TEST_F(WallChartModel, TitleTotalsHeadCountAndShortfall)
{
    const Chart c = build(QList<int> { 3, 0, 2 });
    EXPECT_EQ(c.title, "勤務シフト表　2024年4月25日～2024年6月3日");
    const report::Page page = monthPages(c, Paper::A4)[0];
    EXPECT_EQ(page.texts("title"), QStringList { c.title });
    EXPECT_EQ(page.texts("shop"), QStringList { "ZEL Rotan QX-30" });
    EXPECT_EQ(page.texts("printed"), QStringList { "印刷日時 2024/04/25 9:05" });

    // 28 weekdays, less the Friday of leave, with the Saturday's 305 minutes: 27 × 450 + 305.
    EXPECT_EQ(c.rows[0].workingDays, 28);
    EXPECT_EQ(c.rows[0].netMinutes, 12455);
    const MonthGrid grid = monthGrid(c, Paper::A4);
    const QRectF totals(grid.totalLeft(), grid.rowTop(0), grid.totalWidth, grid.rowHeight);
    EXPECT_EQ(fieldTexts(fieldsIn(page, totals)), QStringList({ "28日", "207:35" }));
    // 佐藤花子: Mondays (times unreadable: days without minutes), Wednesdays to Fridays.
    EXPECT_EQ(c.rows[2].workingDays, 6 + 5 + 6 + 6);
    EXPECT_EQ(c.rows[2].netMinutes, (5 + 6 + 6) * 450);

    // Thursday: all three at work; Sunday: nobody; the shortfall of the first three days.
    EXPECT_EQ(fieldTexts(fieldsIn(page, grid.cell(3, 0))), QStringList { "3" });
    EXPECT_EQ(fieldTexts(fieldsIn(page, grid.cell(3, 3))), QStringList { "0" });
    EXPECT_EQ(page.texts("footLabel"), QStringList({ "出勤", "不足" }));
    EXPECT_EQ(fieldTexts(fieldsIn(page, grid.cell(4, 0))), QStringList { "3" });
    EXPECT_EQ(fieldTexts(fieldsIn(page, grid.cell(4, 1))), QStringList()) << "nothing short";
    EXPECT_EQ(page.texts("footTotal").last(), "5");

    const report::Page withoutTargets = monthPages(build(), Paper::A4)[0];
    EXPECT_EQ(withoutTargets.texts("footLabel"), QStringList { "出勤" });

    // The next period is printed with its own dates.
    const Chart next = chart(daychanges::EffectiveSchedule(data, daychanges::PeriodChoice::Next), {});
    EXPECT_TRUE(next.title.startsWith("勤務シフト表　2024年6月4日～")) << next.title.toStdString();
    EXPECT_EQ(next.days.first().weekday, "火");
    // A month is titled by its month and runs from its 1st; its past days show what was kept.
    const Chart april
        = chart(daychanges::EffectiveSchedule(data, daychanges::DateChoice::ofMonth(QDate(2024, 4, 1))), {});
    EXPECT_EQ(april.title, "勤務シフト表　2024年4月");
    ASSERT_EQ(april.days.size(), 30);
    EXPECT_EQ(april.days.first().weekday, "月");
    EXPECT_EQ(april.rows[0].workingDays, 4) << "25 to 30 April: nothing was kept before";
}

TEST_F(WallChartModel, ChangeListStandsUnderTheGridWhenItFitsElseOnTheNextPage)
{
    QList<report::Page> pages = monthPages(build(), Paper::A4);
    ASSERT_EQ(pages.size(), 1);
    const QStringList changes = pages[0].texts("change");
    ASSERT_EQ(changes.size(), 4);
    EXPECT_EQ(changes[0], "【勤務変更】");
    EXPECT_TRUE(changes[1].contains("山田太郎")) << changes[1].toStdString();
    EXPECT_GT(pages[0].field("change")->rect.top(), monthGrid(build(), Paper::A4).bottom());

    // A list with room for part of it under the grid is not split there: it starts on the next page.
    const auto fewChanges = data.dayChanges;
    for (int d = 0; d < 40; ++d)
        data.dayChanges.set("山田太郎", kStart.addDays(d), dayOff("公休"));
    pages = monthPages(build(), Paper::A4);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].texts("change").isEmpty());
    EXPECT_EQ(pages[1].texts("change").value(0), "【勤務変更】");
    data.dayChanges = fewChanges;

    addEmployees(30, "従業員");
    pages = monthPages(build({ QList<int>() }), Paper::A4);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].texts("change").isEmpty());
    EXPECT_EQ(pages[1].texts("change"), changes);
    EXPECT_EQ(pages[1].texts("title"), pages[0].texts("title"));
    EXPECT_EQ(pages[0].texts("printed"), QStringList { "印刷日時 2024/04/25 9:05　1/2" });
    EXPECT_EQ(pages[1].texts("printed"), QStringList { "印刷日時 2024/04/25 9:05　2/2" });
}

TEST_F(WallChartModel, TheLabourFindingsFollowTheChangesUnderTheGridOnlyWhenThereAreAny)
{
    const auto listed = [this] {
        const daychanges::EffectiveSchedule schedule(data);
        return monthPages(chart(schedule, extrasOf(data, schedule)), Paper::A4)[0].texts("change");
    };
    // 鈴木一郎's night to 6:00 on Monday and his day from 13:00 on Tuesday leave 7 hours of rest.
    const QStringList changes = listed().mid(0, 4);
    EXPECT_EQ(listed().mid(4),
        QStringList({ "【労務チェック】", "■ 鈴木一郎", "　4/30（火） 勤務間インターバル不足（7時間0分）" }));

    // Without that change nothing is found, and nothing is listed after the changes: not even the
    // notes of the monthly scheme's periods, which find nothing.
    data.dayChanges.remove("鈴木一郎", QDate(2024, 4, 30));
    data.labourSettings.set(labour::Key::Scheme, labour::kSchemeMonthly);
    EXPECT_EQ(listed(), changes.mid(0, 3));

    // 9:00-18:00 with half an hour's break: over 8 hours of work needs an hour.
    data.dayChanges.set("山田太郎", QDate(2024, 5, 7), shift("9", "00", "18", "00", "510"));
    EXPECT_EQ(
        listed().mid(4), QStringList({ "【労務チェック】", "■ 山田太郎", "　5/7（火） 休憩不足（60分以上必要）" }));
}

TEST_F(WallChartModel, ThirtyByFortyWithTheLongestNamesAndTimesPrintsWholeAtSixPointsOrMore)
{
    // Twelve full-width characters, and the widest times: 23:55 to 23:50 the next day.
    for (int row = 0; row < 30; ++row) {
        QStringList cells = employee(QStringLiteral("鷹鷲鷺鸚鵡鶯鶴鵜鴨鴉鳩") + QChar(0x9CF3 - row));
        for (int day = 0; day < 7; ++day) {
            cells = withDay(cells, day, "勤務日", "23", "55", "23", "50");
            cells[37 + day] = "1375";
        }
        putEmployee(data.StringGrid1, row, cells);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    for (Paper paper : { Paper::A4, Paper::A3 }) {
        SCOPED_TRACE(paper == Paper::A4 ? "A4" : "A3");
        const Chart c = build(QList<int>(40, 99 * 60 + 55));
        const MonthGrid grid = monthGrid(c, paper);
        const qreal smallest = 6 * grid.scale;
        const report::PageSetup setup = pageSetup(paper);
        const QList<report::Page> pages = monthPages(c, paper);
        int checked = 0;
        for (const report::Page& page : pages) {
            for (const report::PrintedField& f : page.fields) {
                const QFont font = report::printedFont(f, printer);
                const qreal width = QFontMetricsF(font, &printer).horizontalAdvance(f.text) * report::kDesignDpi
                    / printer.logicalDpiX();
                EXPECT_GE(font.pointSizeF(), smallest - 1e-9) << f.text.toStdString();
                EXPECT_LE(width, f.rect.width() + 0.01) << f.text.toStdString() << " is cut";
                EXPECT_LE(f.rect.right(), setup.printableWidth() + 0.01) << f.text.toStdString();
                EXPECT_LE(f.rect.bottom(), setup.printableHeight() + 0.01) << f.text.toStdString();
                ++checked;
            }
        }
        EXPECT_GT(checked, 2 * 30 * 40);
        EXPECT_EQ(pages[0].texts("name").size(), 30);
        EXPECT_EQ(pages[0].texts("end").value(0), "翌23:50");
    }
}

TEST_F(WallChartModel, EachEmployeeGetsTheirMonthTheirChangesAndTheirRequests)
{
    QList<QList<StaffRequest>> requests { { { QDate(2024, 5, 3), "休み希望", "旅行", true },
        { QDate(2024, 5, 10), "早番希望", "", false } } };
    Chart c = chart(daychanges::EffectiveSchedule(data), { {}, isHoliday, std::nullopt, requests });
    QList<report::Page> pages = employeePages(c, Paper::A4);
    ASSERT_EQ(pages.size(), 3);
    const report::Page& yamada = pages[0];
    EXPECT_EQ(yamada.texts("employee"), QStringList { "山田太郎" });
    EXPECT_EQ(yamada.texts("totals"), QStringList { "勤務日数 28日　実労時間 207:35" });
    const QStringList entries = yamada.texts("entry");
    ASSERT_EQ(entries.size(), 40);
    EXPECT_EQ(entries.mid(0, 4), QStringList({ "9:00～17:30", "休み", "10:00～15:05", "公休" }));
    EXPECT_EQ(yamada.texts("changed").size(), 2);
    EXPECT_EQ(yamada.texts("holiday").size(), 5);
    EXPECT_EQ(yamada.texts("change"),
        QStringList(
            { "【この期間の勤務変更】", "　4/26（金）　9:00～17:30 ⇒ 休み", "　4/27（土）　公休 ⇒ 10:00～15:05" }));
    EXPECT_EQ(yamada.texts("request"),
        QStringList({ "【勤務の希望】", "　5/3（金）　休み希望（旅行）　⇒ 〇 希望どおり",
            "　5/10（金）　早番希望　⇒ × 希望に添えず" }));
    EXPECT_TRUE(pages[1].texts("entry").contains("22:00～翌6:00"));
    EXPECT_EQ(pages[2].texts("request"), QStringList({ "【勤務の希望】", "　なし" }));

    // Without the requests the sheets leave them out; a long list runs on to a further page.
    for (int d = 0; d < 40; ++d)
        data.dayChanges.set("山田太郎", kStart.addDays(d), dayOff("公休"));
    pages = employeePages(build(), Paper::A4);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(pages[1].texts("employee"), QStringList { "山田太郎（続き）" });
    EXPECT_EQ(pages[0].texts("change").size() + pages[1].texts("change").size(), 41);
    for (const report::Page& page : pages)
        EXPECT_TRUE(page.texts("request").isEmpty());
    EXPECT_EQ(pages[3].texts("printed"), QStringList { "印刷日時 2024/04/25 9:05　4/4" });
}

// What the program holds beyond the schedule reaches the chart: the holidays of the calendar, the
// shortfall against the targets (only when there are targets) and the wishes with whether the
// schedule honours them.
TEST_F(WallChartModel, TheHolidaysTheShortfallAndTheWishesComeFromTheProgramsData)
{
    const daychanges::EffectiveSchedule schedule(data);
    Extras extras = extrasOf(data, schedule);
    EXPECT_TRUE(extras.isHoliday(QDate(2024, 4, 29)));
    EXPECT_FALSE(extras.isHoliday(QDate(2024, 4, 30)));
    EXPECT_FALSE(extras.shortHours) << "no targets, no row";

    targets::TargetRow thursday;
    thursday[9] = { 3, -1 }; // three people from 9:00: 山田 and 佐藤 work, one short
    data.staffTargets.weekdays[4] = thursday;
    data.staffRequests.set("山田太郎", QDate(2024, 4, 26), { requests::Kind::DayOff, "通院" });
    data.staffRequests.set("佐藤花子", QDate(2024, 4, 26), { requests::Kind::DayOff, QString() });
    data.staffRequests.set("佐藤花子", QDate(2024, 6, 4), { requests::Kind::DayOff, QString() }); // after the period
    extras = extrasOf(data, schedule);
    ASSERT_TRUE(extras.shortHours);
    EXPECT_EQ(extras.shortHours->value(0), 1);
    EXPECT_EQ(extras.shortHours->value(1), 0);
    ASSERT_EQ(extras.requests->size(), 3);
    ASSERT_EQ(extras.requests->at(0).size(), 1);
    EXPECT_TRUE(extras.requests->at(0)[0].honoured) << "the day change gives 山田 the day off";
    EXPECT_EQ(extras.requests->at(0)[0].note, "通院");
    ASSERT_EQ(extras.requests->at(2).size(), 1);
    EXPECT_FALSE(extras.requests->at(2)[0].honoured) << "佐藤 works Fridays";
    EXPECT_EQ(extras.requests->at(2)[0].kind, "希望休");
}

TEST(WallChartPatterns, DaysShowTheirCodeOnTheirColourWithALegendAndTheCountsOfEachPattern)
{
    const WardSample ward;
    const daychanges::EffectiveSchedule schedule(ward.period.data);
    const Chart month = chart(schedule, { "病棟", {}, std::nullopt, {} });
    const int night = schedule.dayOf(WardSample::kNight);

    // 佐藤's 夜 → 明 → 日, and a day of times that name no pattern.
    const struct {
        int row;
        int day;
        QString code;
        QString colour;
        QString line; // as the employee's own sheet shows it
    } cells[] = {
        { 1, night, "夜", "#3050A0", "夜 16:30～翌9:00" },
        { 1, night + 1, "明", "#A0A0C0", "明 明け" },
        { 1, night + 2, "日", "#FFE08A", "日 8:30～17:15" },
        { 0, night, "", "", "9:00～17:30" },
    };
    for (const auto& c : cells) {
        const Cell& cell = month.rows[c.row].cells[c.day];
        EXPECT_EQ(cell.code, c.code) << c.row << "/" << c.day;
        EXPECT_EQ(cell.colour, c.colour) << c.row << "/" << c.day;
        EXPECT_EQ(dayLine(cell), c.line) << c.row << "/" << c.day;
    }
    EXPECT_EQ(month.legend, QStringList({ "日 8:30～17:15", "遅 12:00～20:45", "夜 16:30～9:00 → 明", "明 明け" }));

    // 明 is no working day: it leaves the head-count and the days worked, and has a count of its own.
    const Row& sato = month.rows[1];
    EXPECT_EQ(sato.patternDays, QList<int>({ 1, 0, 1, 1 }));
    EXPECT_EQ(patternTotals(month, sato), "日 1　夜 1　明 1");
    EXPECT_EQ(month.headCount[night + 1], 2);
    ASSERT_EQ(month.patternCounts.size(), 3);
    const PatternCount& day = month.patternCounts[0];
    EXPECT_EQ(day.code, "日");
    EXPECT_EQ(day.days.mid(night, 6), QList<int>({ 1, 1, 2, 1, 1, 0 }));
    EXPECT_EQ(day.total, 6);
    EXPECT_EQ(month.patternCounts[1].days[night + 5], 1) << "田中's 遅 on Saturday";
    EXPECT_EQ(month.patternCounts[2].total, 1);

    // On paper: the code on the pattern's colour, white on the dark 夜; a column and a foot row per
    // pattern; the legend under the grid.
    const QList<report::Page> pages = monthPages(month, Paper::A4);
    const MonthGrid g = monthGrid(month, Paper::A4);
    const QList<report::PrintedField> nightCell = fieldsIn(pages[0], g.cell(1, night));
    ASSERT_EQ(fieldTexts(nightCell), QStringList({ "夜" }));
    EXPECT_TRUE(nightCell[0].style.lightText);
    EXPECT_FALSE(fieldsIn(pages[0], g.cell(1, night + 2))[0].style.lightText);
    EXPECT_TRUE(std::any_of(pages[0].fills.cbegin(), pages[0].fills.cend(),
        [&](const report::Fill& f) { return f.colour == "#3050A0" && f.rect.contains(g.cell(1, night).center()); }));
    EXPECT_EQ(fieldTexts(pages[0].fields, "patternHeading"), QStringList({ "日", "遅", "夜", "明" }));
    EXPECT_EQ(fieldTexts(pages[0].fields, "footLabel"), QStringList({ "出勤", "日", "遅", "夜" }));
    EXPECT_EQ(fieldTexts(fieldsIn(pages[0], g.cell(g.rows + 1, night + 2))), QStringList({ "2" }));
    EXPECT_EQ(pages[0].texts("patternLegend"),
        QStringList({ "凡例　日 8:30～17:15　遅 12:00～20:45　夜 16:30～9:00 → 明　明 明け" }));
    EXPECT_LE(g.right(), pageSetup(Paper::A4).printableWidth() + 0.01);
    EXPECT_LE(g.bottom() + 6 + 17, pageSetup(Paper::A4).printableHeight());
}
