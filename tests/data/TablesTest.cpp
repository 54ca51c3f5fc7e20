#include "data/Unitdata.h"

#include <gtest/gtest.h>

TEST(Tables, HaveTheirFixedDimensionsAndReadEmptyOutside)
{
    TFormData data;
    EXPECT_EQ(data.StringGrid1.colCount(), 44);
    EXPECT_EQ(data.StringGrid1.rowCount(), 30);
    EXPECT_EQ(data.StringGrid2.colCount(), 40);
    EXPECT_EQ(data.StringGrid2.rowCount(), 5);
    EXPECT_EQ(data.StringGrid3.colCount(), 41);
    EXPECT_EQ(data.StringGrid3.rowCount(), 30);
    EXPECT_EQ(data.StringGrid4.colCount(), 40);
    EXPECT_EQ(data.StringGrid4.rowCount(), 2);

    data.StringGrid2.setCell(40, 0, QStringLiteral("x"));
    data.StringGrid2.setCell(-1, 0, QStringLiteral("x"));
    EXPECT_TRUE(data.StringGrid2.isEmpty()) << "writes outside the table change nothing";
    EXPECT_EQ(data.StringGrid2.cell(-1, 1), QString());
    EXPECT_EQ(data.StringGrid2.cell(0, 5), QString());
}

TEST(Tables, EmployeeCountCountsNamedRowsOnly)
{
    TFormData data;
    data.StringGrid1.setCell(3, 0, QStringLiteral("9"));
    EXPECT_EQ(data.employeeCount(), 0) << "text outside the name column does not make an employee";
    data.StringGrid1.setCell(0, 0, QStringLiteral("a"));
    data.StringGrid1.setCell(0, 1, QStringLiteral("b"));
    data.StringGrid1.setCell(0, 29, QStringLiteral("c"));
    EXPECT_EQ(data.employeeCount(), 3);
}

TEST(Tables, WeekdayCodesMapToMondayFirstBlocks)
{
    // 1 = Sunday … 7 = Saturday; blocks run Monday (0) to Sunday (6).
    const int expected[] = { 6, 0, 1, 2, 3, 4, 5 };
    for (int code = 1; code <= 7; ++code)
        EXPECT_EQ(TFormData::weekdayBlock(code), expected[code - 1]) << code;
}

TEST(Tables, PeriodLengthReadsTheHeader)
{
    TFormData data;
    EXPECT_EQ(data.periodLength(), 0);
    data.StringGrid2.setCell(6, 0, QStringLiteral("40"));
    EXPECT_EQ(data.periodLength(), 40);
}
