#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

QStringList row(const Table& t, int r)
{
    QStringList out;
    for (int c = 0; c < t.colCount(); ++c)
        out << t.cell(c, r);
    return out;
}

QStringList range(int from, int to)
{
    QStringList out;
    for (int v = from; v <= to; ++v)
        out << QString::number(v);
    return out;
}

QStringList repeat(const QString& s, int n)
{
    return QStringList(n, s);
}

} // namespace

TEST(Registration, WritesHeaderDaysAndWeekdays)
{
    Table t { 40, 5 };
    const RegistrationOutcome out = registerPeriod(t, QDate(2024, 5, 7), 42);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(row(t, 0), QStringList({ "2024", "5", "7", "2024", "6", "15", "40" }) + repeat("999", 33));
    EXPECT_EQ(row(t, 1), range(7, 31) + range(1, 15));
    EXPECT_EQ(t.cell(0, 2), QStringLiteral("3")) << "7 May 2024 is a Tuesday";
    EXPECT_EQ(t.cell(39, 2), QStringLiteral("7")) << "15 June 2024 is a Saturday";
    EXPECT_TRUE(out.lines.contains(QStringLiteral("2024年5月7日 ～ 2024年6月15日")));
    EXPECT_TRUE(out.lines.contains(QStringLiteral("～ 40 日間 ～")));
}

TEST(Registration, ShortAndYearEndPeriods)
{
    Table t { 40, 5 };
    registerPeriod(t, QDate(2023, 1, 31), 1);
    EXPECT_EQ(t.cell(6, 0), QStringLiteral("29"));
    EXPECT_EQ(row(t, 1), QStringList { "31" } + range(1, 28) + repeat("999", 11));
    EXPECT_EQ(row(t, 2).mid(29), repeat("999", 11));
    EXPECT_EQ(row(t, 2).mid(0, 29).count(QStringLiteral("999")), 0);

    registerPeriod(t, QDate(2024, 12, 23), 1);
    EXPECT_EQ(row(t, 0).mid(3, 3), QStringList({ "2025", "1", "31" }));
    EXPECT_EQ(row(t, 1), range(23, 31) + range(1, 31));
}

TEST(Registration, WeekdaysWrapFromSaturdayToSunday)
{
    Table t { 40, 5 };
    registerPeriod(t, QDate(2024, 5, 11), 1); // Saturday
    EXPECT_EQ(row(t, 2).mid(0, 9), QStringList({ "7", "1", "2", "3", "4", "5", "6", "7", "1" }));
}

TEST(Registration, FillerRowsHoldOneOrTwoDigitsAndChangeWithTheSeed)
{
    Table a { 40, 5 };
    Table b { 40, 5 };
    registerPeriod(a, QDate(2024, 5, 7), 1);
    registerPeriod(b, QDate(2024, 5, 7), 2);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(row(a, r), row(b, r));
    EXPECT_NE(row(a, 3) + row(a, 4), row(b, 3) + row(b, 4));
    for (int r = 3; r <= 4; ++r)
        for (const QString& cell : row(a, r)) {
            const int v = cell.toInt();
            EXPECT_TRUE(v >= 0 && v <= 99 && cell == QString::number(v)) << cell.toStdString();
        }
}

TEST(Registration, ReplacesWhateverTheTableHeld)
{
    Table t { 40, 5 };
    for (int c = 0; c < 40; ++c)
        for (int r = 0; r < 5; ++r)
            t.setCell(c, r, QStringLiteral("junk"));
    registerPeriod(t, QDate(2024, 4, 30), 1);
    for (int r = 0; r < 5; ++r)
        EXPECT_FALSE(row(t, r).contains(QStringLiteral("junk")));
}

TEST(Registration, CountsTheChangesThatANewPeriodLeavesOutside)
{
    // Changes of 山田 on 14 May, 1 June and 20 June 2024, and of a name not registered on 14 May.
    TFormData data;
    const QStringList yamada = sampleEmployee(QStringLiteral("山田"));
    for (int c = 0; c < yamada.size(); ++c)
        data.StringGrid1.setCell(c, 0, yamada[c]);
    const DayEntry leave { QStringLiteral("休み"), "0", "00", "0", "00", "0", true };
    for (const QDate date : { QDate(2024, 5, 14), QDate(2024, 6, 1), QDate(2024, 6, 20) })
        data.dayChanges.set(QStringLiteral("山田"), date, leave);
    data.dayChanges.set(QStringLiteral("退職者"), QDate(2024, 5, 14), leave);

    struct Case {
        QDate registered; // start of the registered period; none: no period yet
        QDate start;
        int left;
        const char* why;
    };
    for (const Case& c : std::initializer_list<Case> {
             { QDate(2024, 5, 7), QDate(2024, 5, 20), 1, "14 May falls outside; 20 June comes in" },
             { QDate(2024, 5, 7), QDate(2024, 5, 7), 0, "the same period again" },
             { QDate(2024, 4, 7), QDate(2024, 5, 15), 1, "registered on its last day, 15 May" },
             { QDate(2024, 4, 7), QDate(2024, 5, 16), 0, "the registered period has ended" },
             { QDate(), QDate(2024, 5, 20), 0, "no period registered" },
         }) {
        data.StringGrid2.clear();
        if (c.registered.isValid())
            registerPeriod(data.StringGrid2, c.registered, 1);
        const Table before = data.StringGrid2;
        EXPECT_EQ(changesLeftOut(data, c.start), c.left) << c.why;
        EXPECT_EQ(data.StringGrid2, before) << "the count registers nothing";
    }
}
