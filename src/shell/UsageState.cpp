#include "shell/UsageState.h"

#include "data/PeriodMonths.h"
#include "data/Unitdata.h"
#include "platform/Numbers.h"

#include <array>
#include <optional>

namespace shell {
namespace {

// clang-format off
const QString kInvalidPeriod = QStringLiteral("【勤務期間設定異常】\r\n\r\n▼ 初期設定メニューから，勤務期間設定を実行してください．\r\n\r\n▽ 勤務期間更新必要．\r\n\r\n▽ 当該処理無効．\r\n");
const QString kNotRenewed = QStringLiteral("【勤務期間未更新エラー】\r\n\r\n▼ 初期設定メニューから勤務期間設定を実行してください．\r\n\r\n▽ 勤務期間更新必要．");
const QString kGoingOn = QStringLiteral("※ 引き続き，従業員マスタ使用率をゲージ表示します．");
const QString kNoEmployee = QStringLiteral("【従業員マスタ未登録】\r\n\r\n▼ 初期設定メニューから従業員マスタ登録を行ってください．");
const QString kLimit = QStringLiteral("【従業員マスタ登録限度値】\r\n\r\n▼ 本ソフトウェアの仕様上の登録限度数に達しました．\r\n\r\n▽ 誠に申し訳ございません．\r\n\r\n※ 今後とも，ご愛顧の程，よろしくお願い致します．");
// clang-format on

// The seven numbers of the period header: start year, month, day, end year, month, day, N.
std::optional<std::array<int, 7>> periodHeader(const Table& schedule)
{
    std::array<int, 7> values {};
    for (int c = 0; c < 7; ++c) {
        const auto value = numbers::parseInt(schedule.cell(c, 0));
        if (!value)
            return std::nullopt;
        values[c] = *value;
    }
    return values;
}

PeriodMonths monthsOf(const std::array<int, 7>& header)
{
    return { header[0], header[1], header[3], header[4], header[5] };
}

int periodProgress(const std::array<int, 7>& header, QDate startup)
{
    const int startDay = header[2], endDay = header[5], length = header[6];
    const PeriodMonths months = monthsOf(header);
    const int d = startup.day();
    if (months.isStartMonth(startup)) {
        if (startDay < d)
            return d - startDay;
        return startDay == d ? 1 : 0;
    }
    if (months.isEndMonth(startup)) {
        if (d < endDay)
            return length + d - endDay;
        return endDay == d ? length : 0;
    }
    return 0;
}

} // namespace

UsageState usageState(const Table& schedule, int employees, QDate startup)
{
    UsageState state;
    const auto header = periodHeader(schedule);
    if (!header || !monthsOf(*header).inUseIn(startup.year())) {
        state.periodNotices = { { Notice::Kind::Error, kInvalidPeriod } };
        return state;
    }
    state.periodValid = true;
    state.periodMaximum = (*header)[6];
    state.periodProgress = periodProgress(*header, startup);
    if (state.periodProgress == 0 || state.periodProgress == state.periodMaximum)
        state.periodNotices = { { Notice::Kind::Error, kNotRenewed }, { Notice::Kind::Plain, kGoingOn } };

    state.employees = employees;
    if (employees == 0)
        state.masterNotices = { { Notice::Kind::Information, kNoEmployee } };
    else if (employees == kMaxEmployees)
        state.masterNotices = { { Notice::Kind::Warning, kLimit } };
    return state;
}

} // namespace shell
