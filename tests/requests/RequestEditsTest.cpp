#include "requests/RequestEdits.h"
#include "changes/ChangesTestData.h"

#include <gtest/gtest.h>

using requests::Cell;
using requests::Kind;
using requests::Wish;

namespace {
const QDate kDay1(2026, 5, 12);
const QDate kDay2(2026, 5, 13);
} // namespace

TEST(RequestEdits, KindClearAndNoteStepsGoForwardAndBackAsOneEdit)
{
    requests::Requests wishes;
    wishes.set("山田", kDay1, { Kind::CannotWork, "通院" });
    wishes.set("佐藤", kDay1, { Kind::DayOff, {} });
    const requests::Requests before = wishes;

    // The kind keeps the note; a cell with that kind already, or listed twice, gives no step.
    const QList<Cell> cells { { "山田", kDay1 }, { "佐藤", kDay1 }, { "山田", kDay2 }, { "山田", kDay2 } };
    const QList<requests::Edit> kind = requests::kindEdits(wishes, cells, Kind::DayOff);
    ASSERT_EQ(kind.size(), 2);
    requests::carryOut(wishes, kind, true);
    EXPECT_EQ(wishes.find("山田", kDay1), (Wish { Kind::DayOff, "通院" }));
    EXPECT_EQ(wishes.find("山田", kDay2), (Wish { Kind::DayOff, {} }));

    // A note goes only where there is a wish, and only a valid one.
    EXPECT_TRUE(requests::noteEdits(wishes, cells, "午前,午後").isEmpty());
    EXPECT_TRUE(requests::noteEdits(wishes, { { "鈴木", kDay1 } }, "旅行").isEmpty());
    const QList<requests::Edit> note = requests::noteEdits(wishes, cells, "旅行");
    EXPECT_EQ(note.size(), 3);
    requests::carryOut(wishes, note, true);
    EXPECT_EQ(wishes.find("佐藤", kDay1), (Wish { Kind::DayOff, "旅行" }));

    const QList<requests::Edit> clear = requests::clearEdits(wishes, cells + QList<Cell> { { "鈴木", kDay1 } });
    EXPECT_EQ(clear.size(), 3);
    requests::carryOut(wishes, clear, true);
    EXPECT_TRUE(wishes.isEmpty());

    for (const auto* edits : { &clear, &note, &kind })
        requests::carryOut(wishes, *edits, false);
    EXPECT_EQ(wishes, before);
}

TEST(RequestEdits, WishesFollowARenamedEmployeeUnlessAnotherRowKeepsTheName)
{
    Table master { 44, 30 };
    putEmployee(master, 0, employee("丁"));
    putEmployee(master, 1, employee("乙"));
    requests::Requests wishes;
    wishes.set("丙", kDay1, { Kind::DayOff, {} });
    wishes.set("丙", kDay2, { Kind::WantsWork, "早番" });
    wishes.set("丁", kDay2, { Kind::CannotWork, {} }); // the new name has a wish that day already

    requests::followRename(wishes, master, "丙", "丁");
    EXPECT_EQ(wishes.find("丁", kDay1), (Wish { Kind::DayOff, {} }));
    EXPECT_EQ(wishes.find("丁", kDay2), (Wish { Kind::CannotWork, {} }));
    EXPECT_EQ(wishes.find("丙", kDay2), (Wish { Kind::WantsWork, "早番" })) << "kept under the old name";
    EXPECT_EQ(wishes.size(), 3);

    // Renaming one of two rows of 乙 leaves the wishes with the row that still has the name.
    putEmployee(master, 2, employee("乙"));
    wishes.set("乙", kDay1, { Kind::DayOff, {} });
    master.setCell(0, 2, "戊");
    requests::followRename(wishes, master, "乙", "戊");
    EXPECT_TRUE(wishes.find("乙", kDay1).has_value());
    EXPECT_FALSE(wishes.find("戊", kDay1).has_value());
}
