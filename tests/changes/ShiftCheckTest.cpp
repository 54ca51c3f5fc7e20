#include "changes/ShiftCheck.h"

#include "ChangesTestData.h"

#include <gtest/gtest.h>

using changes::ShiftVerdict;

// A working day that can hold no work is refused; one with less than an hour of work or a break
// longer than half the shift is asked about; the times are read as the master stores them.
TEST(ShiftCheck, RefusesShiftsWithoutWorkAndDoubtsShortOnesAndLongBreaks)
{
    const struct {
        const char* what;
        DayEntry entry;
        ShiftVerdict verdict;
        QString reason;
    } cases[] = {
        { "a day off", dayOff("公休"), ShiftVerdict::Sound, {} },
        { "8:30-8:30", shift("8", "30", "8", "30", "0"), ShiftVerdict::Refused, "開始時刻と終了時刻が同じです．" },
        { "9:00-10:00, 120 minutes' break", shift("9", "00", "10", "00", "0"), ShiftVerdict::Refused,
            "休憩が勤務時間（1時間00分）以上で，実働がありません．" },
        { "16:30-19:00, 120 minutes' break", shift("16", "30", "19", "00", "30"), ShiftVerdict::Doubtful,
            "実働が１時間未満（30分）です．" },
        { "an hour exactly", shift("9", "00", "10", "00", "60"), ShiftVerdict::Sound, {} },
        { "59 minutes", shift("9", "00", "10", "00", "59"), ShiftVerdict::Doubtful, "実働が１時間未満（59分）です．" },
        { "a break of half the shift", shift("9", "00", "13", "00", "120"), ShiftVerdict::Sound, {} },
        { "a break over half the shift", shift("9", "00", "13", "00", "115"), ShiftVerdict::Doubtful,
            "休憩（125分）が勤務時間（4時間00分）の半分を超えています．" },
        { "a night across midnight", shift("16", "30", "9", "00", "870"), ShiftVerdict::Sound, {} },
        { "times that are no numbers", shift("九", "00", "17", "00", "450"), ShiftVerdict::Sound, {} },
    };
    for (const auto& c : cases) {
        const changes::ShiftCheck check = changes::checkShift(c.entry);
        EXPECT_EQ(check.verdict, c.verdict) << c.what;
        EXPECT_EQ(check.reason, c.reason) << c.what;
    }
}
