#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "exports/Csv.h"
#include "exports/FileNames.h"
#include "exports/ICalendar.h"
#include "exports/PeriodSchedule.h"
#include "period/PeriodRegistration.h"
#include "support/TestSupport.h"
#include "wallchart/WardSample.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using exports::PeriodSchedule;

namespace {

DayEntry work(const QString& startHour, const QString& startMinute, const QString& endHour, const QString& endMinute,
    const QString& net)
{
    return { QStringLiteral("勤務日"), startHour, startMinute, endHour, endMinute, net };
}

DayEntry off(const QString& attribute)
{
    return { attribute, QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("0"), QStringLiteral("00"),
        QStringLiteral("0") };
}

const QDateTime kStamp(QDate(2024, 5, 7), QTime(9, 0), QTimeZone("Asia/Tokyo"));

// 31 May (Friday) and 1 June: a day shift and a night shift that ends on 2 June.
PeriodSchedule twoDays()
{
    return { QDate(2024, 5, 31), 2,
        { { QStringLiteral("山田,\"太郎\""), QStringLiteral("1000"),
              { work("9", "5", "17", "30", "445"), off(QStringLiteral("休み")) }, {} },
            { QStringLiteral("佐藤;夜勤"), QStringLiteral("1200"),
                { off(QStringLiteral("公休")), work("22", "00", "6", "00", "420") }, {} } },
        {} };
}

// The content lines of a calendar with the folding undone.
QStringList unfolded(const QByteArray& ics)
{
    QString text = QString::fromUtf8(ics);
    text.replace(QStringLiteral("\r\n "), QString());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()) << "the last line ends in CRLF too";
    return lines;
}

// The properties of each event, by name with parameters.
QList<QMap<QString, QString>> events(const QByteArray& ics)
{
    QList<QMap<QString, QString>> out;
    for (const QString& line : unfolded(ics)) {
        if (line == QLatin1String("BEGIN:VEVENT"))
            out.append(QMap<QString, QString>());
        else if (!out.isEmpty() && !out.last().contains(QStringLiteral("END")))
            out.last().insert(line.section(u':', 0, 0), line.section(u':', 1));
    }
    return out;
}

} // namespace

TEST(PeriodSchedule, WalksEveryDayOfTheRegisteredPeriodWithEachEmployeesEffectiveEntry)
{
    TFormData data;
    ASSERT_TRUE(registerPeriod(data.StringGrid2, QDate(2024, 12, 22), 1).ok);
    for (const auto& [row, name] : { std::pair { 0, "山田" }, { 1, "佐藤" } }) {
        QStringList cells = sampleEmployee(QString::fromUtf8(name));
        cells[1] = QStringLiteral("%1").arg(1000 + row);
        for (int c = 0; c < cells.size(); ++c)
            data.StringGrid1.setCell(c, row, cells[c]);
    }
    data.dayChanges.set(QStringLiteral("佐藤"), QDate(2025, 1, 1), off(QStringLiteral("休み")));
    const PeriodSchedule period = exports::periodSchedule(daychanges::EffectiveSchedule(data));
    EXPECT_EQ(period.first, QDate(2024, 12, 22));
    ASSERT_EQ(period.days, 40);
    EXPECT_EQ(period.date(39), QDate(2025, 1, 30));
    ASSERT_EQ(period.employees.size(), 2);
    EXPECT_EQ(period.employees[1].name, QStringLiteral("佐藤"));
    EXPECT_EQ(period.employees[1].wage, QStringLiteral("1001"));
    EXPECT_EQ(period.employees[1].days[10].attribute, QStringLiteral("休み")) << "1 January, a change";
    EXPECT_TRUE(period.employees[1].days[10].changed);
    EXPECT_EQ(period.employees[0].days[10].attribute, QStringLiteral("勤務日")) << "a Wednesday of the standard week";

    // January as a month: the 1st to the 31st, the change of its first day as on the period.
    const PeriodSchedule january = exports::periodExport(data, daychanges::DateChoice::ofMonth(QDate(2025, 1, 1)));
    EXPECT_EQ(january.first, QDate(2025, 1, 1));
    ASSERT_EQ(january.days, 31);
    EXPECT_EQ(january.employees[1].days[0].attribute, QStringLiteral("休み"));

    for (const auto& [column, text] : { std::pair { 6, "4O" }, { 6, "41" }, { 1, "13" }, { 2, "" } }) {
        TFormData damaged = data;
        damaged.StringGrid2.setCell(column, 0, QString::fromUtf8(text));
        const PeriodSchedule empty = exports::periodSchedule(daychanges::EffectiveSchedule(damaged));
        EXPECT_EQ(empty.days, 0) << column << text;
        EXPECT_EQ(empty.employees.size(), 2) << "the employees are still there";
    }
}

TEST(Csv, WritesABomCrlfLinesQuotedFieldsAndTheTwoClosingRows)
{
    PeriodSchedule period = twoDays();
    // A damaged cell is written as stored, and a pay that cannot be read leaves its day's cost open.
    period.employees.append({ QStringLiteral("高\n橋"), QStringLiteral("900"),
        { off(QStringLiteral("その他")), work("9", "x", "17", "30", "45O") }, {} });
    const QByteArray expected = QStringLiteral("\xFEFF"
                                               "氏名,5/31（金）,6/1（土）\r\n"
                                               "\"山田,\"\"太郎\"\"\",9:05～17:30,休み\r\n"
                                               "佐藤;夜勤,公休,22:00～6:00\r\n"
                                               "\"高\n橋\",その他,9:x～17:30\r\n"
                                               "出勤人数,1,2\r\n"
                                               "人件費,7500,\r\n")
                                    .toUtf8();
    EXPECT_EQ(exports::csv(period), expected);
}

// The export of a period carries the person-hours against the staffing targets only when there
// is a target; the CSV then ends with the two rows of them, and is otherwise byte for byte the
// file it always was.
TEST(Csv, TheShortAndOverPersonHoursFollowOnlyWhenTheShopHasTargets)
{
    TFormData data;
    ASSERT_TRUE(registerPeriod(data.StringGrid2, QDate(2024, 6, 3), 1).ok); // a Monday, 30 days
    const QStringList cells = sampleEmployee(QStringLiteral("山田")); // 9:00–17:30 on weekdays
    for (int c = 0; c < cells.size(); ++c)
        data.StringGrid1.setCell(c, 0, cells[c]);
    const auto csvOf
        = [&data](daychanges::PeriodChoice choice) { return exports::csv(exports::periodExport(data, choice)); };
    using daychanges::PeriodChoice;
    const QByteArray plain = csvOf(PeriodChoice::Registered);
    EXPECT_EQ(plain, exports::csv(exports::periodSchedule(daychanges::EffectiveSchedule(data))));
    EXPECT_FALSE(exports::periodExport(data, PeriodChoice::Next).staffing);

    // Monday: two needed at 10 (one short), at most none at 12 (one over), and an hour met.
    targets::TargetRow& monday = data.staffTargets.weekday(2);
    monday[10] = { 2, -1 };
    monday[12] = { -1, 0 };
    monday[9] = { 1, 1 };
    for (const PeriodChoice choice : { PeriodChoice::Registered, PeriodChoice::Next }) {
        const PeriodSchedule period = exports::periodExport(data, choice);
        ASSERT_TRUE(period.staffing);
        ASSERT_EQ(period.staffing->size(), period.days);
        QString shortRow = QStringLiteral("不足人時");
        QString overRow = QStringLiteral("超過人時");
        for (int d = 0; d < period.days; ++d) {
            const bool isMonday = period.date(d).dayOfWeek() == Qt::Monday;
            shortRow += isMonday ? QStringLiteral(",1") : QStringLiteral(",0");
            overRow += isMonday ? QStringLiteral(",1") : QStringLiteral(",0");
        }
        const QByteArray without = exports::csv(exports::periodSchedule(daychanges::EffectiveSchedule(data, choice)));
        EXPECT_EQ(exports::csv(period),
            without + (shortRow + QStringLiteral("\r\n") + overRow + QStringLiteral("\r\n")).toUtf8());
    }
    EXPECT_NE(csvOf(PeriodChoice::Next).left(40), plain.left(40)) << "the next period's own dates";

    // A pattern's target adds the rows of the people short and over after them, and only those:
    // nobody works 夜 on the Mondays that need one.
    data.staffTargets.patterns.weekday(2) = { { QStringLiteral("夜"), { 1, -1 } } };
    const QString text = QString::fromUtf8(csvOf(PeriodChoice::Registered));
    const QStringList rows = text.split(QStringLiteral("\r\n"));
    ASSERT_GE(rows.size(), 3);
    EXPECT_TRUE(rows[rows.size() - 3].startsWith(QStringLiteral("勤務の不足人数,1,0,0,0,0,0,0,1,")))
        << rows[rows.size() - 3].toStdString();
    EXPECT_TRUE(rows[rows.size() - 2].startsWith(QStringLiteral("勤務の超過人数,0,0,")));
    EXPECT_FALSE(text.contains(QStringLiteral("資格の不足人時")));

    data.staffTargets = {};
    EXPECT_EQ(csvOf(PeriodChoice::Registered), plain);
}

TEST(Csv, ACellASpreadsheetWouldRunAsAFormulaIsWrittenAsText)
{
    const QList<std::pair<QString, QString>> cases {
        { "=1+1", "'=1+1" },
        { "+81 3", "'+81 3" },
        { "-田中", "'-田中" },
        { "@SUM(A1)", "'@SUM(A1)" },
        { "\tx", "'\tx" },
        { "\rx", "\"'\rx\"" }, // guarded, then quoted for its line break
        { "田中=1", "田中=1" }, // only the first character counts
        { "＝全角", "＝全角" },
    };
    for (const auto& [name, cell] : cases) {
        const PeriodSchedule period { QDate(2024, 5, 31), 1, { { name, "1000", { off("公休") }, {} } }, {} };
        const QStringList rows = QString::fromUtf8(exports::csv(period).mid(3)).split(QStringLiteral("\r\n"));
        EXPECT_EQ(rows.value(1), cell + QStringLiteral(",公休")) << name.toStdString();
    }
}

TEST(Exports, AShiftUntil24IsInTheCsvAndEndsAtMidnightInTheCalendar)
{
    const PeriodSchedule period { QDate(2024, 12, 31), 1,
        { { QStringLiteral("田中"), QStringLiteral("1000"), { work("16", "00", "24", "00", "480") }, {} } }, {} };
    EXPECT_TRUE(QString::fromUtf8(exports::csv(period)).contains(QStringLiteral("\r\n田中,16:00～24:00\r\n")));
    const auto found = events(exports::icalendar(period, QTimeZone("Asia/Tokyo"), kStamp));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].value("DTSTART;TZID=Asia/Tokyo"), QStringLiteral("20241231T160000"));
    EXPECT_EQ(found[0].value("DTEND;TZID=Asia/Tokyo"), QStringLiteral("20250101T000000")) << "midnight, the next year";
}

TEST(ICalendar, WritesOneEventPerWorkingDayAndAShiftPastMidnightEndsTheNextDay)
{
    PeriodSchedule period = twoDays();
    // Left out: times that are not numbers, and a shift without length.
    period.employees.append({ QStringLiteral("高橋"), QStringLiteral("900"),
        { work("9", "x", "17", "30", "450"), work("9", "00", "9", "00", "0") }, {} });
    const QByteArray ics = exports::icalendar(period, QTimeZone("Asia/Tokyo"), kStamp);
    const QStringList lines = unfolded(ics);
    EXPECT_EQ(lines.mid(0, 4),
        QStringList({ "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//RotanDesk//RotanDesk//JA", "CALSCALE:GREGORIAN" }));
    EXPECT_EQ(lines.last(), QStringLiteral("END:VCALENDAR"));

    const auto found = events(ics);
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].value("DTSTART;TZID=Asia/Tokyo"), QStringLiteral("20240531T090500"));
    EXPECT_EQ(found[0].value("DTEND;TZID=Asia/Tokyo"), QStringLiteral("20240531T173000"));
    EXPECT_EQ(found[0].value("SUMMARY"), QStringLiteral("山田\\,\"太郎\""));
    EXPECT_EQ(found[0].value("DESCRIPTION"), QStringLiteral("実労時間 445分"));
    EXPECT_EQ(found[0].value("DTSTAMP"), QStringLiteral("20240507T000000Z"));
    EXPECT_EQ(found[1].value("DTSTART;TZID=Asia/Tokyo"), QStringLiteral("20240601T220000"));
    EXPECT_EQ(found[1].value("DTEND;TZID=Asia/Tokyo"), QStringLiteral("20240602T060000"));
    EXPECT_EQ(found[1].value("SUMMARY"), QStringLiteral("佐藤\\;夜勤"));
}

TEST(ICalendar, FoldsLinesAt75OctetsBetweenUtf8CharactersWithCrlf)
{
    PeriodSchedule period = twoDays();
    const QString kana = QString(71, QChar(u'あ'));
    // "SUMMARY:a" and 21 あ make 72 octets, so the four of 𠮷 go to the next line.
    period.employees[0].name = u'a' + kana.left(21) + QStringLiteral("𠮷") + kana.mid(21) + u'\\';
    const QByteArray ics = exports::icalendar(period, QTimeZone("Asia/Tokyo"), kStamp);
    EXPECT_EQ(ics.count("\r\n"), ics.count('\n'));
    EXPECT_EQ(ics.count('\r'), ics.count('\n'));

    int continuations = 0;
    for (const QByteArray& line : ics.split('\n')) {
        EXPECT_LE(line.size(), 75 + 1) << "75 octets and the CR";
        EXPECT_EQ(QString::fromUtf8(line).toUtf8(), line) << "a line ends inside a character";
        continuations += line.startsWith(' ');
    }
    EXPECT_TRUE(ics.contains(("SUMMARY:a" + kana.left(21) + "\r\n 𠮷" + kana.left(23) + "\r\n ").toUtf8()));
    EXPECT_EQ(continuations, 3) << "72, 1 + 4 + 69, 1 + 72 and the rest";
    EXPECT_EQ(events(ics)[0].value("SUMMARY"), period.employees[0].name + u'\\');
}

TEST(ICalendar, UidsFollowTheEmployeeAndTheDateWhateverTheTimes)
{
    PeriodSchedule period = twoDays();
    const auto uids = [](const PeriodSchedule& p, const QDateTime& stamp) {
        QStringList out;
        for (const auto& event : events(exports::icalendar(p, QTimeZone("Asia/Tokyo"), stamp)))
            out << event.value("UID");
        return out;
    };
    const QStringList first = uids(period, kStamp);
    ASSERT_EQ(first.size(), 2);
    EXPECT_NE(first[0], first[1]);
    EXPECT_EQ(uids(period, kStamp.addDays(3)), first) << "a later export updates the same events";

    period.employees[1].days[1] = work("13", "00", "21", "00", "420");
    EXPECT_EQ(uids(period, kStamp), first) << "a changed shift replaces its event";
    period.employees[1].days[0] = work("13", "00", "21", "00", "420");
    const QStringList both = uids(period, kStamp);
    ASSERT_EQ(both.size(), 3);
    EXPECT_EQ(both[2], first[1]);
    EXPECT_NE(both[1], both[2]) << "another date is another event";
    period.employees[1].days[0] = off(QStringLiteral("公休"));
    period.employees[1].name = QStringLiteral("佐藤");
    EXPECT_NE(uids(period, kStamp)[1], first[1]) << "so is another employee's";

    // Two master rows of one name on the same shift stay two events; the first keeps its UID.
    const QString alone = uids(period, kStamp)[1];
    period.employees.append(period.employees[1]);
    const QStringList shared = uids(period, kStamp);
    ASSERT_EQ(shared.size(), 3);
    EXPECT_EQ(shared[1], alone);
    EXPECT_NE(shared[2], alone);
}

TEST(ICalendar, ADayOffInsteadOfTheStandardShiftCancelsItsEvent)
{
    // 山田's standard week works both days, 佐藤's only the second.
    PeriodSchedule period = twoDays();
    period.employees[0].standard = { work("9", "5", "17", "30", "445"), work("9", "00", "17", "00", "420") };
    period.employees[1].standard = { off(QStringLiteral("公休")), work("22", "00", "6", "00", "420") };
    PeriodSchedule standard = period;
    for (auto& employee : standard.employees)
        employee.days = employee.standard;
    const auto standardEvents = events(exports::icalendar(standard, QTimeZone("Asia/Tokyo"), kStamp));
    ASSERT_EQ(standardEvents.size(), 3);
    EXPECT_FALSE(standardEvents[1].contains(QStringLiteral("STATUS")));

    period.employees[1].days[0] = work("10", "00", "14", "00", "240"); // work on a standard day off
    const auto found = events(exports::icalendar(period, QTimeZone("Asia/Tokyo"), kStamp));
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found[1].value("STATUS"), QStringLiteral("CANCELLED")) << "山田 is off on 1 June";
    EXPECT_EQ(found[1].value("UID"), standardEvents[1].value("UID"));
    EXPECT_EQ(found[1].value("DTSTART;TZID=Asia/Tokyo"), QStringLiteral("20240601T090000"));
    EXPECT_EQ(found[1].value("DTEND;TZID=Asia/Tokyo"), QStringLiteral("20240601T170000"));
    for (int e : { 0, 2, 3 })
        EXPECT_FALSE(found[e].contains(QStringLiteral("STATUS"))) << e;

    // One employee's calendar holds that employee's events with the UIDs of the whole calendar.
    const auto sato = events(exports::icalendar(period, QTimeZone("Asia/Tokyo"), kStamp, 1));
    ASSERT_EQ(sato.size(), 2);
    EXPECT_EQ(sato[0], found[2]);
    EXPECT_EQ(sato[1], found[3]);
}

TEST(FileNames, AnEmployeeNameBecomesAFileNameEverySystemAccepts)
{
    const QList<std::pair<QString, QString>> names {
        { "山田 太郎", "山田 太郎" },
        { "a\\b/c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j" },
        { QStringLiteral("x\ty\x7F"
                         "z")
                + QChar(0),
            "x_y_z_" },
        { "田中. .", "田中" },
        { " . ", "_" },
        { "", "_" },
        { "con", "_con" },
        { "Com1", "_Com1" },
        { "LPT9.txt", "_LPT9.txt" },
        { "NUL ", "_NUL" },
        { "CONSOLE", "CONSOLE" },
        { "COM10", "COM10" },
    };
    for (const auto& [name, file] : names)
        EXPECT_EQ(exports::fileNameOf(name), file) << name.toStdString();

    // Names that give one file name, also in another case, are told apart in master order.
    EXPECT_EQ(exports::distinctFileNames({ "田中", "山田", "田中", "abc", "ABC", "田中 (2)", "田中?" }, ".ics"),
        QStringList(
            { "田中.ics", "山田.ics", "田中 (2).ics", "abc.ics", "ABC (2).ics", "田中 (2) (2).ics", "田中_.ics" }));
}

TEST(ICalendar, TheTimeZoneMatchesTheTzidAcrossADaylightSavingChangeOrTimesFloat)
{
    PeriodSchedule period { QDate(2024, 3, 30), 2,
        { { QStringLiteral("Anna"), QStringLiteral("1000"),
            { work("22", "00", "6", "00", "420"), work("9", "00", "17", "00", "420") }, {} } },
        {} };
    const QByteArray ics = exports::icalendar(period, QTimeZone("Europe/Berlin"), kStamp);
    const QStringList lines = unfolded(ics);
    const qsizetype begin = lines.indexOf(QStringLiteral("BEGIN:VTIMEZONE"));
    const qsizetype end = lines.indexOf(QStringLiteral("END:VTIMEZONE"));
    ASSERT_GE(begin, 0);
    EXPECT_EQ(lines.mid(begin + 1, end - begin - 1),
        QStringList({ "TZID:Europe/Berlin", "BEGIN:STANDARD", "DTSTART:20231029T030000", "TZOFFSETFROM:+0200",
            "TZOFFSETTO:+0100", "TZNAME:CET", "END:STANDARD", "BEGIN:DAYLIGHT", "DTSTART:20240331T020000",
            "TZOFFSETFROM:+0100", "TZOFFSETTO:+0200", "TZNAME:CEST", "END:DAYLIGHT" }));
    const auto found = events(ics);
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].value("DTEND;TZID=Europe/Berlin"), QStringLiteral("20240331T060000"));

    const auto floating = events(exports::icalendar(period, QTimeZone(), kStamp));
    EXPECT_FALSE(exports::icalendar(period, QTimeZone(), kStamp).contains("VTIMEZONE"));
    EXPECT_EQ(floating[1].value("DTSTART"), QStringLiteral("20240331T090000"));
    EXPECT_EQ(floating[1].value("DTEND"), QStringLiteral("20240331T170000"));
}

TEST(Exports, ADayOfAPatternGainsItsCodeInTheCsvAndItsNameInTheCalendarWithTheSameUids)
{
    const WardSample ward;
    const PeriodSchedule coded = exports::periodExport(ward.period.data, daychanges::PeriodChoice::Registered);
    PeriodSchedule plain = coded;
    plain.patterns.clear();

    // The CSV: 佐藤's 夜, 明 and 日 from 11 May, and the name that looks like a formula stays text.
    const QStringList rows = QString::fromUtf8(exports::csv(coded).mid(3)).split("\r\n");
    const int first = static_cast<int>(coded.first.daysTo(WardSample::kNight)) + 1;
    const QStringList sato = rows.value(2).split(',');
    EXPECT_EQ(sato.mid(first, 3), QStringList({ "夜 16:30～9:00", "明 明け", "日 8:30～17:15" }));
    EXPECT_EQ(rows.value(1).split(',').value(first), "9:00～17:30") << "no pattern has these times";
    EXPECT_TRUE(rows.value(1).startsWith("'=SUM(A1),"));

    // The calendar: the same events and UIDs; only the summaries of the patterns' shifts differ.
    const QTimeZone zone("Asia/Tokyo");
    const QStringList withCodes = QString::fromUtf8(exports::icalendar(coded, zone, kStamp)).split("\r\n");
    const QStringList withTimes = QString::fromUtf8(exports::icalendar(plain, zone, kStamp)).split("\r\n");
    ASSERT_EQ(withCodes.size(), withTimes.size());
    QStringList differing;
    for (int i = 0; i < withCodes.size(); ++i)
        if (withCodes[i] != withTimes[i])
            differing << withCodes[i] + " / " + withTimes[i];
    EXPECT_EQ(differing,
        QStringList({ "SUMMARY:夜勤 16:30～9:00 佐藤 / SUMMARY:佐藤", "SUMMARY:日勤 8:30～17:15 佐藤 / SUMMARY:佐藤",
            "SUMMARY:日勤 8:30～17:15 田中 / SUMMARY:田中", "SUMMARY:日勤 8:30～17:15 田中 / SUMMARY:田中",
            "SUMMARY:日勤 8:30～17:15 田中 / SUMMARY:田中", "SUMMARY:日勤 8:30～17:15 田中 / SUMMARY:田中",
            "SUMMARY:日勤 8:30～17:15 田中 / SUMMARY:田中", "SUMMARY:遅番 12:00～20:45 田中 / SUMMARY:田中" }));
}
