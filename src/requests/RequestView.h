#pragma once

#include "changes/RosterDay.h"
#include "requests/Requests.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace daychanges {
class EffectiveSchedule;
}

// What the requests mean over a period: whether the effective entry honours a wish, what a
// cell of the change window shows of it, which wishes take no effect, and the report
// "希望の反映状況". The period is the effective schedule's (registered or next); nothing here
// changes the requests.
namespace requests {

// A wish is honoured when the day is a day off (any attribute but "勤務日", and not 明け, the
// morning after a night) for "希望休" and "出勤不可", and a working day for "出勤希望".
bool honoured(Kind kind, const daychanges::RosterDay& day);
// Any wish: one of a pattern is honoured when the day is that pattern ("勤務希望"), or is not
// ("勤務回避"); the others as above.
bool honoured(const Wish& wish, const daychanges::RosterDay& day);

// The kind, or for a wish of a pattern "夜を希望" / "夜は避けたい" with "（重み3）" above 1.
QString wishWords(const Wish& wish);

// "希望：" + wishWords(), with "（" + note + "）" when there is a note.
QString wishText(const Wish& wish);

// The wish of one cell of the change window and whether the effective entry goes against it.
struct CellWish {
    Wish wish;
    bool against = false;

    bool operator==(const CellWish&) const = default;
};

// The wish of a registered row's name on a period day; none without one or outside the grid.
std::optional<CellWish> cellWish(
    const daychanges::EffectiveSchedule& schedule, const Requests& requests, int row, int day);

// The mark shown inside the cell beside the schedule symbol: "休" (希望休), "不" (出勤不可) or
// "出" (出勤希望), "望" (勤務希望), "避" (勤務回避), followed by "！" when the entry goes against the wish.
QString markText(const CellWish& cell);

// What the cell's tool tip and accessible description add, one text per line: wishText(), then
// "希望と異なる" when the entry goes against the wish.
QStringList cellNotes(const CellWish& cell);

// The wishes that take no effect, by date and name: of a name without a registered row, or of a
// date in neither the registered nor the next period.
QList<Request> apart(const daychanges::EffectiveSchedule& schedule, const Requests& requests);

// A wish apart as the change window lists it: "2026年5月13日（水）　退職者　希望：希望休（通院）"
// followed by "（マスタにない氏名）" or "（勤務期間外の日付）".
QString apartText(const daychanges::EffectiveSchedule& schedule, const Request& request);

// The lines of the report "希望の反映状況": heading, period line and an empty line; for each
// registered employee with a wish in the period, in master order, the counts and every wish not
// honoured; then the rate over all of them, or one line saying there is no wish.
QStringList reportLines(const daychanges::EffectiveSchedule& schedule, const Requests& requests);

} // namespace requests
