// The change window's grid model: what each date's header says (the day, the weekday, "祝" on a
// national holiday, the mark of short or over hours) and that a refresh of the same shape keeps
// the view's selection by telling changed data instead of a reset.
#include "changes/ChangeGrid.h"
#include "ChangesTestData.h"
#include "changes/EffectiveSchedule.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ChangeGrid, HeadersNameTheDayTheWeekdayAHolidayAndTheMarkEachOnALineOfItsOwn)
{
    // From Tuesday 28 April 2026: 29 April is 昭和の日, 3 to 6 May the holidays of Golden Week.
    PeriodData shop(QDate(2026, 4, 28), { employee("山田") });
    shop.data.staffTargets.weekday(4)[10] = { 2, -1 }; // Wednesdays at 10: two needed, one works
    const daychanges::EffectiveSchedule schedule(shop.data);
    const QList<changes::GridHeader> headers = changes::gridHeaders(schedule, shop.data);
    ASSERT_EQ(headers.size(), schedule.dates().size());
    const struct {
        int day;
        QString text;
        QString description;
    } cases[] = {
        { 0, "28\n火", "" },
        { 1, "29\n水\n祝▲", "祝日\n不足：10時 1/2" }, // the standard week works on a holiday
        { 5, "3\n日\n祝", "祝日" },
        { 8, "6\n水\n祝▲", "祝日\n不足：10時 1/2" }, // the substitute holiday
        { 15, "13\n水\n▲", "不足：10時 1/2" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(headers[c.day].text(), c.text) << c.day;
        EXPECT_EQ(headers[c.day].description, c.description) << c.day;
    }
}

TEST(ChangeGrid, ARefreshOfTheSameShapeTellsChangedDataAndAnotherShapeResets)
{
    PeriodData shop(QDate(2026, 5, 12), { employee("山田"), employee("佐藤") });
    changes::ChangeGrid grid;
    grid.refresh(daychanges::EffectiveSchedule(shop.data), shop.data, {});
    ASSERT_EQ(grid.rowCount(), 2);
    QSignalSpy resets(&grid, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);

    shop.data.dayChanges.set("佐藤", QDate(2026, 5, 13), dayOff("休み"));
    grid.refresh(daychanges::EffectiveSchedule(shop.data), shop.data, { { "佐藤", QDate(2026, 5, 14) } });
    EXPECT_EQ(resets.size(), 0);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(grid.index(1, 1).data().toString(), "×");
    EXPECT_TRUE(grid.index(1, 1).data(changes::ChangedRole).toBool());
    EXPECT_TRUE(grid.index(1, 2).data(changes::ProposedRole).toBool());
    EXPECT_EQ(grid.index(1, 2).data(Qt::AccessibleTextRole).toString(), "〇 案");
    EXPECT_EQ(grid.name(1), "佐藤");
    EXPECT_EQ(grid.date(1), QDate(2026, 5, 13));

    putEmployee(shop.data.StringGrid1, 2, employee("鈴木"));
    grid.refresh(daychanges::EffectiveSchedule(shop.data), shop.data, {});
    EXPECT_EQ(resets.size(), 1) << "another employee resets";
    EXPECT_EQ(grid.rowCount(), 3);
}
