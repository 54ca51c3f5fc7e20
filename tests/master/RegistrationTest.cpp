#include "master/Registration.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace master;

namespace {

Table tableWith(const QStringList& names)
{
    Table table(44, 30);
    for (int r = 0; r < names.size(); ++r) {
        const QStringList cells = sampleEmployee(names[r]);
        for (int c = 0; c < cells.size(); ++c)
            table.setCell(c, r, cells[c]);
    }
    return table;
}

EmployeeInput validInput(const QString& name)
{
    EmployeeInput input { name, QStringLiteral("1000"), {} };
    input.week.fill({ 0, 9, 0, 17, 6, 12 });
    return input;
}

std::optional<Refusal> checkNew(const Table& table, const EmployeeInput& input)
{
    return checkRegistration(table, input, Mode::NewRegistration, 0);
}

} // namespace

TEST(RegistrationChecks, ReportOnlyTheFirstFaultInTheFixedOrder)
{
    const Table table = tableWith({ QStringLiteral("田中") });
    EmployeeInput input = validInput(QString());
    input.week[4].attribute = kNoEntry; // Friday
    input.week[2].endMinute = kNoEntry; // Wednesday
    input.week[1].rest = kNoEntry; // Tuesday
    input.week[0].endHour = 0; // Monday
    EXPECT_EQ(checkNew(table, input), Refusal { Problem::NameMissing });
    input.name = QStringLiteral("田中");
    EXPECT_EQ(checkNew(table, input), Refusal { Problem::NameTaken });
    input.name = QStringLiteral("鈴木");
    EXPECT_EQ(checkNew(table, input), (Refusal { Problem::AttributeMissing, 4 }));
    input.week[4].attribute = 2;
    EXPECT_EQ(checkNew(table, input), (Refusal { Problem::TimesMissing, 2 }));
    input.week[2].endMinute = 0;
    EXPECT_EQ(checkNew(table, input), (Refusal { Problem::RestMissing, 1 }));
    input.week[1].rest = 0;
    EXPECT_EQ(checkNew(table, input), (Refusal { Problem::ZeroHour, 0, true }));
    input.week[0] = { 0, 0, 0, 24, 0, 0 };
    EXPECT_EQ(checkNew(table, input), (Refusal { Problem::ZeroHour, 0, false }));
    input.week[0].startHour = 12;
    EXPECT_EQ(checkNew(table, input), std::nullopt);
    input.week[6] = { 3, 0, 0, 0, 0, 0 }; // a zero hour on a day that is not a working day is fine
    EXPECT_EQ(checkNew(table, input), std::nullopt);
}

TEST(RegistrationChecks, CapacityLimitsNewRegistrationsOnly)
{
    QStringList names;
    for (int i = 0; i < 30; ++i)
        names << QStringLiteral("社員%1").arg(i);
    const Table full = tableWith(names);
    EXPECT_EQ(checkNew(full, validInput(QString())), Refusal { Problem::TableFull });
    EXPECT_EQ(checkRegistration(full, validInput(QStringLiteral("社員7")), Mode::Edit, 7), std::nullopt);
}

// Editing may keep the row's own name but must not take another employee's name, or
// that employee could no longer be found for editing or deleting.
TEST(RegistrationChecks, EditedNameMustStayUniqueAmongTheOtherRows)
{
    const Table table = tableWith({ QStringLiteral("田中"), QStringLiteral("鈴木") });
    EXPECT_EQ(checkRegistration(table, validInput(QStringLiteral("鈴木")), Mode::Edit, 1), std::nullopt);
    EXPECT_EQ(checkRegistration(table, validInput(QStringLiteral("鈴木次郎")), Mode::Edit, 1), std::nullopt);
    EXPECT_EQ(
        checkRegistration(table, validInput(QStringLiteral("田中")), Mode::Edit, 1), Refusal { Problem::NameTaken });
}

// Names are written unquoted into a comma-separated Shift-JIS file.
TEST(RegistrationChecks, RefuseNamesTheDataFileCannotHold)
{
    for (const QString& name : { QStringLiteral("山田,太郎"), QStringLiteral("山田\n太郎"), QStringLiteral("山田\r"),
             QStringLiteral("Ｌｅｅ😀"), QStringLiteral("김") })
        EXPECT_EQ(checkNew(tableWith({}), validInput(name)), Refusal { Problem::NameUnusable }) << name.toStdString();
    EXPECT_EQ(checkNew(tableWith({}), validInput(QStringLiteral("あいうえおかきくけこさしす"))),
        Refusal { Problem::NameTooLong });
    EXPECT_EQ(checkNew(tableWith({}), validInput(QStringLiteral("あいうえおかきくけこさし"))), std::nullopt);
    EXPECT_TRUE(nameFits(QStringLiteral("abcdefghijklmnopqrstuvwx")));
    EXPECT_FALSE(nameFits(QStringLiteral("abcdefghijklmnopqrstuvwxy")));
}

TEST(RegistrationChecks, TimeMessageNamesTheDay)
{
    EXPECT_EQ(refusalText({ Problem::TimesMissing, 6 }),
        QStringLiteral("▼ 日曜日の勤務時間帯設定が不十分です・・・\r\n\r\n▽ "
                       "勤務開始・終了の時間帯設定値が，不正な場合（非現実的な場合），以降無視されます。"));
    EXPECT_TRUE(refusalText({ Problem::TableFull }).contains(QStringLiteral("３０")));
}

// What was just typed or pasted ends at the cursor; its end goes until the name fits.
TEST(RegistrationChecks, ANameBeyondTheLimitLosesTheEndOfWhatWasJustPutIn)
{
    const QString twelve = QStringLiteral("あいうえおかきくけこさし");
    const struct {
        QString name;
        int cursor;
        FittedName fitted;
    } cases[] = {
        { twelve, 12, { twelve, 12, false } }, // 24 bytes: fits
        { twelve + QStringLiteral("す"), 13, { twelve, 12, true } }, // one typed at the end
        { QStringLiteral("あかきくけこさしすせそいう"), 11, { QStringLiteral("あかきくけこさしすせいう"), 10, true } },
        { QStringLiteral("abcdefghijklmnopqrstuvwｱｲ"), 25, { QStringLiteral("abcdefghijklmnopqrstuvwｱ"), 24, true } },
        { QStringLiteral("ab") + twelve, 2, { twelve, 0, true } }, // typed before a full name
        { twelve + QStringLiteral("😀"), 14, { twelve, 12, true } }, // a pair of UTF-16 units goes whole
        { twelve + QStringLiteral("す"), 99, { twelve, 12, true } }, // a cursor past the end counts as the end
    };
    for (const auto& c : cases)
        EXPECT_EQ(fitName(c.name, c.cursor), c.fitted) << c.name.toStdString();
}
