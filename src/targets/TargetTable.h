#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>
#include <optional>

// The staffing targets of the shop: how many people each hour of a day needs, how many of them
// carry a qualification, and how many work each shift pattern. The data holder owns one table; which row a date takes,
// who counts in an hour and where the period falls short or runs over is computed elsewhere (targets/Coverage).
namespace targets {

inline constexpr int kHours = 24;
inline constexpr int kMaxPeople = 30;

// The target of one hour: at least `least`, at most `most` people; −1 where not given.
struct HourTarget {
    int least = -1;
    int most = -1;

    bool isEmpty() const { return least < 0 && most < 0; }
    bool operator==(const HourTarget&) const = default;
};

// One row of targets: hour h is the time from h:00 to h+1:00.
using TargetRow = std::array<HourTarget, kHours>;

bool isEmptyRow(const TargetRow& row);

// The text of an hour's target: "", "3" (at least 3), "3-5" (3 to 5) or "-5" (at most 5).
QString fieldText(const HourTarget& target);

// The target of a text: empty, "n", "n-m" or "-m" with 0 ≤ n ≤ m ≤ 30 in ASCII digits without
// leading zeros. For any other text none, and fault (when given) tells why in Japanese.
std::optional<HourTarget> parseField(QStringView text, QString* fault = nullptr);

// The targets per pattern of one day: by pattern code, at least and at most so many people
// working that pattern on the day. It holds no empty target.
using PatternRow = QMap<QString, HourTarget>;

inline bool isEmptyRow(const PatternRow& row)
{
    return row.isEmpty();
}

// Rows by day: a row per weekday, the row of national holidays and rows for single dates. A
// date's row is never empty: a date without any target has no row.
template <typename Row> struct DayRows {
    std::array<Row, 7> weekdays {}; // by weekday code − 1: 日 (Sunday) … 土 (Saturday)
    Row holiday {}; // 祝
    QMap<QDate, Row> dates;

    // No target in any row.
    bool isEmpty() const
    {
        return std::all_of(weekdays.begin(), weekdays.end(), [](const Row& row) { return isEmptyRow(row); })
            && isEmptyRow(holiday) && dates.isEmpty();
    }
    // The weekday row of a weekday code (1 = Sunday … 7 = Saturday).
    const Row& weekday(int code) const { return weekdays.at(static_cast<std::size_t>(code - 1)); }
    Row& weekday(int code) { return weekdays.at(static_cast<std::size_t>(code - 1)); }
    // Sets a date's row; an empty row removes the date's row.
    void setDate(QDate date, const Row& row)
    {
        if (isEmptyRow(row))
            dates.remove(date);
        else
            dates.insert(date, row);
    }

    bool operator==(const DayRows&) const = default;
};

// The table: the rows of people per hour (the table's own rows), the rows per qualification
// and the rows per pattern.
struct TargetTable : DayRows<TargetRow> {
    // By qualification tag: per hour, at least so many people who carry the tag (a least only).
    // It holds no tag without a target.
    QMap<QString, DayRows<TargetRow>> qualifications;
    // By day: how many people work each pattern.
    DayRows<PatternRow> patterns;

    // No target of any kind.
    bool isEmpty() const;
    // Sets a tag's rows; rows without any target remove the tag.
    void setQualification(const QString& tag, const DayRows<TargetRow>& rows);

    bool operator==(const TargetTable&) const = default;
};

// The key of a weekday row (1 = "日" … 7 = "土") and of the holiday row, as the file and the
// target window name them.
QString weekdayKey(int code);
inline const QString kHolidayKey = QStringLiteral("祝");

} // namespace targets
