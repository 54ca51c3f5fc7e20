#include "master/Registration.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace master {
namespace {

// A name is written unquoted into a comma-separated Shift-JIS file: a comma or a line
// break would split the record, and a character without a Shift-JIS form would be lost.
bool nameIsStorable(const QString& name)
{
    return !name.contains(u',') && !name.contains(u'\r') && !name.contains(u'\n') && cp932::canEncode(name);
}

bool nameTakenByAnotherRow(const Table& master, const QString& name, Mode mode, int editedRow)
{
    for (int r = 0; r < master.rowCount(); ++r)
        if (!(mode == Mode::Edit && r == editedRow) && master.cell(0, r) == name)
            return true;
    return false;
}

template <typename Failing>
std::optional<Refusal> firstDay(Problem problem, std::span<const DayInput> days, int first, Failing failing)
{
    for (std::size_t d = 0; d < days.size(); ++d)
        if (failing(days[d]))
            return Refusal { problem, first + static_cast<int>(d) };
    return std::nullopt;
}

} // namespace

bool nameFits(const QString& name)
{
    return cp932::byteCount(name) <= kNameBytes;
}

FittedName fitName(const QString& name, int cursor)
{
    FittedName fitted { name, std::clamp(cursor, 0, int(name.size())), false };
    while (fitted.cursor > 0 && !nameFits(fitted.name)) {
        const int c = fitted.cursor;
        const int width = c >= 2 && fitted.name[c - 1].isLowSurrogate() && fitted.name[c - 2].isHighSurrogate() ? 2 : 1;
        fitted.name.remove(c - width, width);
        fitted.cursor -= width;
        fitted.cut = true;
    }
    return fitted;
}

std::optional<Refusal> checkRegistration(const Table& master, const EmployeeInput& input, Mode mode, int editedRow)
{
    if (mode == Mode::NewRegistration && firstFreeRow(master) < 0)
        return Refusal { Problem::TableFull };
    if (input.name.isEmpty())
        return Refusal { Problem::NameMissing };
    if (!nameIsStorable(input.name))
        return Refusal { Problem::NameUnusable };
    if (!nameFits(input.name))
        return Refusal { Problem::NameTooLong };
    if (nameTakenByAnotherRow(master, input.name, mode, editedRow))
        return Refusal { Problem::NameTaken };

    return checkDays(input.week);
}

std::optional<Refusal> checkDays(std::span<const DayInput> days, int first)
{
    if (auto r
        = firstDay(Problem::AttributeMissing, days, first, [](const DayInput& d) { return d.attribute == kNoEntry; }))
        return r;
    if (auto r = firstDay(Problem::TimesMissing, days, first, [](const DayInput& d) {
            return d.startHour == kNoEntry || d.startMinute == kNoEntry || d.endHour == kNoEntry
                || d.endMinute == kNoEntry;
        }))
        return r;
    if (auto r = firstDay(Problem::RestMissing, days, first, [](const DayInput& d) { return d.rest == kNoEntry; }))
        return r;
    if (auto r = firstDay(Problem::ZeroHour, days, first,
            [](const DayInput& d) { return isWorkingDay(d) && (d.startHour == 0 || d.endHour == 0); })) {
        r->atEndHour = days[r->day - first].startHour != 0;
        return r;
    }
    return std::nullopt;
}

// clang-format off
QString refusalText(const Refusal& refusal)
{
    switch (refusal.problem) {
    case Problem::TableFull:
        return QStringLiteral("▼ 登録可能な従業員数は，最大３０名までです．．．\r\n\r\n▽ 新規登録は行えません．");
    case Problem::NameMissing:
        return QStringLiteral("▼ 従業員氏名は必須．．．");
    case Problem::NameUnusable:
        return QStringLiteral("▼ 従業員氏名に，登録できない文字が含まれています・・・\r\n\r\n▽ 半角カンマ「,」，改行，及びシフトJISで表せない文字は使用できません．");
    case Problem::NameTooLong:
        return QStringLiteral("▼ 従業員氏名は，全角１２文字（半角２４文字）以内．．．");
    case Problem::NameTaken:
        return QStringLiteral("▼ 既にその従業員名は登録済みです・・・\r\n\r\n▽ 同姓同名は，何らかの区別が必要！");
    case Problem::AttributeMissing:
        return QStringLiteral("▼ 勤務属性は，選択入力厳守！・・・");
    case Problem::TimesMissing:
        return QStringLiteral("▼ 月曜日の勤務時間帯設定が不十分です・・・\r\n\r\n▽ 勤務開始・終了の時間帯設定値が，不正な場合（非現実的な場合），以降無視されます。")
            .replace(QStringLiteral("月曜日"), dayName(refusal.day));
    case Problem::RestMissing:
        return QStringLiteral("▼ 休憩時間無しの場合は，ゼロ値を選択入力・・・");
    case Problem::ZeroHour:
        return QStringLiteral("▼ 勤務時間の「時」に関しては，ゼロからは決して始まらない．\r\n\r\n□ 午後零時は１２であり，深夜零時は２４です．\r\n\r\n□ ２４時間指定厳守！");
    }
    return {};
}
// clang-format on

} // namespace master
