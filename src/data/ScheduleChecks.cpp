#include "data/ScheduleChecks.h"

#include "data/PeriodMonths.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace schedulechecks {
namespace {

constexpr int kColumns = 40;

std::optional<int> valueOf(const Table& t, int c, int r)
{
    return numbers::parseInt(t.cell(c, r));
}

bool valueIn(const Table& t, int c, int r, int low, int high)
{
    const auto v = valueOf(t, c, r);
    return v && *v >= low && *v <= high;
}

bool lengthIn(const Table& t, int c, int r, int low, int high)
{
    const auto n = t.cell(c, r).size();
    return n >= low && n <= high;
}

QString fatal(const QString& code)
{
    return QStringLiteral("□■■■ [%1] 致命的な不正値を検出！処理を中断しました．").arg(code);
}

// Columns from..to−1 clipped to the table: a day count outside 1 to 40 cannot make a
// check walk past the 40 columns that exist.
void forColumns(int from, int to, const std::function<void(int)>& each)
{
    for (int c = std::max(from, 0); c < std::min(to, kColumns); ++c)
        each(c);
}

QStringList header(const Table& t, int year)
{
    QStringList out;
    const QString startYear = QStringLiteral("□■■■ 開始年度が不正です．処理を中断しました．");
    const QString startMonth = QStringLiteral("□■■■ 開始月が不正です．処理を中断しました．");
    const QString startDay = QStringLiteral("□■■■ 開始日が不正です．処理を中断しました．");
    const QString endYear = QStringLiteral("□■■■ 終了年度が不正です．処理を中断しました．");
    const QString endMonth = QStringLiteral("□■■■ 終了月が不正です．処理を中断しました．");
    const QString endDay = QStringLiteral("□■■■ 終了日が不正です．処理を中断しました．");
    const auto check = [&out](bool ok, const QString& message) {
        if (!ok)
            out << message;
    };
    const auto sy = valueOf(t, 0, 0);
    const auto sm = valueOf(t, 1, 0);
    const auto ey = valueOf(t, 3, 0);
    check(t.cell(0, 0).size() == 4, startYear);
    // The program's own period of December into January stays current until it ends.
    check(sy == year || (sy && sm && ey && PeriodMonths::inUseIn(year, *sy, *sm, *ey)), startYear);
    check(lengthIn(t, 1, 0, 1, 2), startMonth);
    check(valueIn(t, 1, 0, 1, 12), startMonth);
    check(lengthIn(t, 2, 0, 1, 2), startDay);
    check(valueIn(t, 2, 0, 1, 31), startDay);
    check(t.cell(3, 0).size() == 4, endYear);
    const bool sameYear = sy && ey && *sy == *ey;
    check(
        sameYear ? t.cell(3, 0) == t.cell(0, 0) : (sy && ey && *ey == *sy + 1 && t.cell(1, 0) == QStringLiteral("12")),
        endYear);
    check(lengthIn(t, 4, 0, 1, 2), endMonth);
    check(valueIn(t, 4, 0, 1, 12), endMonth);
    check(lengthIn(t, 5, 0, 1, 2), endDay);
    check(valueIn(t, 5, 0, 1, 31), endDay);
    check(t.cell(6, 0).size() == 2, fatal(QStringLiteral("EA6")));
    check(valueIn(t, 6, 0, 1, 40), fatal(QStringLiteral("EA6")));
    check(t.cell(7, 0).size() == 3 || valueOf(t, 7, 0) == 999, fatal(QStringLiteral("EA7")));
    forColumns(7, kColumns, [&](int c) { check(valueOf(t, c, 0) == 999, fatal(QStringLiteral("EA8-FTPG"))); });
    return out;
}

QStringList days(const Table& t, int n)
{
    QStringList out;
    forColumns(0, n, [&](int c) {
        if (!lengthIn(t, c, 1, 1, 2))
            out << fatal(QStringLiteral("ER2-AA"));
    });
    forColumns(0, n, [&](int c) {
        if (!valueIn(t, c, 1, 1, 31))
            out << fatal(QStringLiteral("ER2-AV1-31"));
    });
    if (t.cell(0, 1) != t.cell(2, 0))
        out << fatal(QStringLiteral("ER2-A0"));
    if (t.cell(n - 1, 1) != t.cell(5, 0))
        out << fatal(QStringLiteral("ER2-ADT"));
    forColumns(n, kColumns, [&](int c) {
        if (valueOf(t, c, 1) != 999)
            out << fatal(QStringLiteral("ER2-APG"));
    });
    return out;
}

// The weekday codes must run on by one from the first day up to the first Saturday.
std::optional<QString> weekdaySequence(const Table& t, int n)
{
    const auto s = valueOf(t, 0, 2);
    if (!s || *s < 1 || *s > 7)
        return fatal(QStringLiteral("ER3-WKNG"));
    int e = *s == 7 ? 0 : *s;
    for (int d = 1; d < n; ++d) {
        ++e;
        if (valueOf(t, d, 2) != e)
            return fatal(QStringLiteral("ER3-WK%1").arg(d));
        if (e == 7)
            break;
    }
    return std::nullopt;
}

QStringList weekdays(const Table& t, int n)
{
    QStringList out;
    forColumns(0, n, [&](int c) {
        if (t.cell(c, 2).size() != 1)
            out << fatal(QStringLiteral("ER3-AA"));
    });
    forColumns(0, n, [&](int c) {
        if (!valueIn(t, c, 2, 1, 7))
            out << fatal(QStringLiteral("ER2-AV1-7"));
    });
    forColumns(n, kColumns, [&](int c) {
        if (valueOf(t, c, 2) != 999)
            out << fatal(QStringLiteral("ER3-APG"));
    });
    if (auto failure = weekdaySequence(t, n))
        out << *failure;
    return out;
}

QStringList filler(const Table& t)
{
    QStringList out;
    forColumns(0, kColumns, [&](int c) {
        if (!lengthIn(t, c, 3, 1, 2))
            out << fatal(QStringLiteral("ER4-AVDU"));
        if (!lengthIn(t, c, 4, 1, 2))
            out << fatal(QStringLiteral("ER5-AVDU"));
    });
    return out;
}

} // namespace

QStringList completeness(const Table& schedule)
{
    for (int r = 0; r < schedule.rowCount(); ++r)
        for (int c = 0; c < schedule.colCount(); ++c)
            if (schedule.cell(c, r).isEmpty())
                return { QString(), QStringLiteral("□■■■ [ZEL-SYSTEM-ER-ONEEMP-SGD2] 致命的なエラー") };
    return {};
}

QStringList numbers(const Table& schedule)
{
    for (int r = 0; r < schedule.rowCount(); ++r)
        for (int c = 0; c < schedule.colCount(); ++c)
            if (!numbers::parseInt(schedule.cell(c, r)))
                return { QStringLiteral("□■■■ [ZEL-SYSTEM-ER-SGD2] 致命的なエラー"),
                    QStringLiteral("■□■■ [ZEL-SYSTEM-ER-SGD2] 致命的なエラー"),
                    QStringLiteral("■■□■ [ZEL-SYSTEM-ER-SGD2] 致命的なエラー"),
                    QStringLiteral("■■■□ [ZEL-SYSTEM-ER-SGD2] 致命的なエラー") };
    return {};
}

QStringList periodFailures(const Table& schedule, int startupYear, PeriodGroup group)
{
    const int n = valueOf(schedule, 6, 0).value_or(0);
    switch (group) {
    case PeriodGroup::Header:
        return header(schedule, startupYear);
    case PeriodGroup::Days:
        return days(schedule, n);
    case PeriodGroup::Weekdays:
        return weekdays(schedule, n);
    case PeriodGroup::Filler:
        return filler(schedule);
    }
    return {};
}

QStringList periodReport(const QString& failure)
{
    return { QString(), QString(), failure, QString(),
        QStringLiteral("□■■■ 初期設定から勤務期間を再設定して下さい．") };
}

} // namespace schedulechecks
