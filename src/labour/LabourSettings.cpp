#include "labour/LabourSettings.h"

namespace labour {

const std::array<KeyForm, kKeyCount>& keyForms()
{
    static const std::array<KeyForm, kKeyCount> forms { {
        { Key::WeeklyHours, QStringLiteral("週法定労働時間"), 40, 30, 48 },
        { Key::WeekStart, QStringLiteral("週の起算日"), 1, 1, 7 },
        { Key::NightRate, QStringLiteral("深夜割増率"), 25, 25, 100 },
        { Key::OvertimeRate, QStringLiteral("時間外割増率"), 25, 25, 50 },
        { Key::OverSixtyRate, QStringLiteral("月60時間超割増率"), 50, 50, 100 },
        { Key::RunLimit, QStringLiteral("連続勤務上限"), 6, 0, 30 },
        { Key::RestHours, QStringLiteral("勤務間インターバル"), 11, 0, 24 },
        { Key::MinimumWage, QStringLiteral("最低賃金"), 0, 0, 9999 },
    } };
    return forms;
}

const KeyForm& formOf(Key key)
{
    return keyForms()[static_cast<std::size_t>(key)];
}

QString weekdayName(int code)
{
    static const QString names[] = { QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
        QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土") };
    return code >= 1 && code <= 7 ? names[code - 1] : QString();
}

QString valueText(Key key, int value)
{
    if (key == Key::WeekStart)
        return weekdayName(value);
    if (key == Key::MinimumWage && value == 0)
        return QString();
    return QString::number(value);
}

std::optional<int> valueOf(Key key, const QString& text)
{
    if (key == Key::WeekStart) {
        for (int code = 1; code <= 7; ++code)
            if (weekdayName(code) == text)
                return code;
        return std::nullopt;
    }
    if (key == Key::MinimumWage && text.isEmpty())
        return 0;
    const KeyForm& form = formOf(key);
    bool ok = false;
    const int value = text.toInt(&ok);
    // Only the form valueText() writes: no sign, blank or leading zero.
    if (!ok || value < form.minimum || value > form.maximum || valueText(key, value) != text)
        return std::nullopt;
    return value;
}

std::array<int, kKeyCount> Settings::defaults()
{
    std::array<int, kKeyCount> values {};
    for (const KeyForm& form : keyForms())
        values[static_cast<std::size_t>(form.key)] = form.defaultValue;
    return values;
}

void Settings::set(Key key, int value)
{
    values_[static_cast<std::size_t>(key)] = value;
    if (!given_.contains(key))
        given_.append(key);
}

} // namespace labour
