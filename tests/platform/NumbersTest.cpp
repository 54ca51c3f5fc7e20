#include "platform/Numbers.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(ParseInt, AcceptsOnlyOptionalSignAndDecimalDigits)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        { "0", 0 },
        { "7", 7 },
        { "00", 0 },
        { "+12", 12 },
        { "-5", -5 },
        { "2147483647", 2147483647 },
        { "-2147483648", -2147483647 - 1 },
        { "", std::nullopt },
        { "+", std::nullopt },
        { "-", std::nullopt },
        { " 5", std::nullopt },
        { "\t5", std::nullopt },
        { "5 ", std::nullopt },
        { "1a", std::nullopt },
        { "0x10", std::nullopt },
        { "$10", std::nullopt },
        { "1.5", std::nullopt },
        { "2147483648", std::nullopt },
        { "-2147483649", std::nullopt },
        { "99999999999999999999", std::nullopt },
        { "--1", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers::parseInt(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(numbers::parseInt(QStringLiteral("１２")), std::nullopt) << "full-width digits are not a number";
}

TEST(ParseInt, ToIntRaisesAConversionErrorNamingTheText)
{
    EXPECT_EQ(numbers::toInt(QStringLiteral("42")), 42);
    try {
        numbers::toInt(QStringLiteral("abc"));
        FAIL() << "no error raised";
    } catch (const numbers::ConversionError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("'abc'")));
    }
}

TEST(LeadingInt, TakesDigitsUpToTheFirstOtherCharacter)
{
    EXPECT_EQ(numbers::leadingInt(QStringLiteral("007")), 7);
    EXPECT_EQ(numbers::leadingInt(QStringLiteral("  12abc")), 12);
    EXPECT_EQ(numbers::leadingInt(QStringLiteral("-3x")), -3);
    EXPECT_EQ(numbers::leadingInt(QStringLiteral("abc")), 0);
    EXPECT_EQ(numbers::leadingInt(QString()), 0);
    EXPECT_EQ(numbers::leadingInt(QStringLiteral("99999999999999")), 2147483647);
}

TEST(Cp932, CountsBytesAndRefusesWhatItCannotEncode)
{
    EXPECT_EQ(cp932::byteCount(QStringLiteral("山田太郎")), 8);
    EXPECT_EQ(cp932::byteCount(QStringLiteral("ﾔﾏﾀﾞ")), 4) << "half-width katakana is one byte each";
    EXPECT_EQ(cp932::byteCount(QStringLiteral("勤務日")), 6);
    EXPECT_TRUE(cp932::canEncode(QStringLiteral("髙橋①")));
    EXPECT_FALSE(cp932::canEncode(QStringLiteral("😀")));
    EXPECT_EQ(cp932::decode(cp932::encode(QStringLiteral("その他"))), QStringLiteral("その他"));
}
