#include "labour/LabourSettings.h"

namespace labour {
namespace {

const QDate kFirstDate(2000, 1, 1);
const QDate kLastDate(2099, 12, 31);
// The night band holds 22:00 to 5:00: it starts from 13:00 to 22:00.
constexpr int kBandEarliest = 13 * 60;
constexpr int kBandLatest = 22 * 60;

QString clockText(int minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

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
        { Key::Scheme, QStringLiteral("変形労働時間制"), kSchemeNone, kSchemeNone, kSchemeMonthly },
        { Key::SchemeStart, QStringLiteral("変形期間の起算日"), 1, 1, kLastDayOfMonth },
        { Key::DaysOffRule, QStringLiteral("休日の与え方"), kEveryWeek, kEveryWeek, kFourWeeks },
        { Key::FourWeekStart, QStringLiteral("4週の起算日"), 0, 0, static_cast<int>(kLastDate.toJulianDay()) },
        { Key::MinorNight, QStringLiteral("年少者の深夜業"), 0, 0, 1 },
        { Key::NightBand, QStringLiteral("夜勤時間帯"), 0, 0, kBandLatest },
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

QStringList choices(Key key)
{
    switch (key) {
    case Key::WeekStart:
        return { weekdayName(1), weekdayName(2), weekdayName(3), weekdayName(4), weekdayName(5), weekdayName(6),
            weekdayName(7) };
    case Key::Scheme:
        return { QStringLiteral("なし"), QStringLiteral("1か月単位") };
    case Key::SchemeStart: {
        QStringList days;
        for (int day = 1; day < kLastDayOfMonth; ++day)
            days << QString::number(day);
        return days << QStringLiteral("末日");
    }
    case Key::DaysOffRule:
        return { QStringLiteral("毎週1日"), QStringLiteral("4週4日") };
    case Key::MinorNight:
        return { QStringLiteral("禁止"), QStringLiteral("保健衛生業などの例外") };
    default:
        return {};
    }
}

QString valueText(Key key, int value)
{
    if (const QStringList names = choices(key); !names.isEmpty())
        return names.value(value - formOf(key).minimum);
    const bool none = value == 0;
    switch (key) {
    case Key::MinimumWage:
        return none ? QString() : QString::number(value);
    case Key::FourWeekStart:
        return none ? QString() : slashDate(QDate::fromJulianDay(value));
    case Key::NightBand:
        return none ? QString() : clockText(value) + u'-' + clockText((value + kNightBandMinutes) % (24 * 60));
    default:
        return QString::number(value);
    }
}

std::optional<int> valueOf(Key key, const QString& text)
{
    if (const QStringList names = choices(key); !names.isEmpty()) {
        const qsizetype index = names.indexOf(text);
        return index < 0 ? std::nullopt : std::optional<int>(formOf(key).minimum + static_cast<int>(index));
    }
    if (text.isEmpty() && (key == Key::MinimumWage || key == Key::FourWeekStart || key == Key::NightBand))
        return 0;
    if (key == Key::FourWeekStart) {
        const std::optional<QDate> date = slashDateOf(text);
        if (!date || *date < kFirstDate || *date > kLastDate)
            return std::nullopt;
        return static_cast<int>(date->toJulianDay());
    }
    if (key == Key::NightBand) {
        for (int start = kBandEarliest; start <= kBandLatest; ++start)
            if (valueText(key, start) == text)
                return start;
        return std::nullopt;
    }
    const KeyForm& form = formOf(key);
    bool ok = false;
    const int value = text.toInt(&ok);
    // Only the form valueText() writes: no sign, blank or leading zero.
    if (!ok || value < form.minimum || value > form.maximum || valueText(key, value) != text)
        return std::nullopt;
    return value;
}

QString valuesTaken(Key key)
{
    const KeyForm& form = formOf(key);
    switch (key) {
    case Key::MinimumWage:
        return QStringLiteral("空欄又は1～%1").arg(form.maximum);
    case Key::Scheme:
        return QStringLiteral("なし又は1か月単位");
    case Key::SchemeStart:
        return QStringLiteral("1～28又は末日");
    case Key::DaysOffRule:
        return QStringLiteral("毎週1日又は4週4日");
    case Key::MinorNight:
        return QStringLiteral("禁止又は保健衛生業などの例外");
    case Key::FourWeekStart:
        return QStringLiteral("空欄又は2000/1/1～2099/12/31の日付");
    case Key::NightBand:
        return QStringLiteral("空欄又は22時～5時を含む16時間，例 16:30-8:30");
    default:
        return QStringLiteral("%1～%2").arg(valueText(key, form.minimum), valueText(key, form.maximum));
    }
}

QString slashDate(QDate date)
{
    return QString::number(date.year()) + u'/' + QString::number(date.month()) + u'/' + QString::number(date.day());
}

std::optional<QDate> slashDateOf(QStringView text)
{
    const QList<QStringView> parts = text.split(u'/');
    if (parts.size() != 3)
        return std::nullopt;
    bool ok[3] = {};
    const QDate date(parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2]));
    // Only the form slashDate() writes: no sign, blank or leading zero.
    if (!ok[0] || !ok[1] || !ok[2] || !date.isValid() || slashDate(date) != text)
        return std::nullopt;
    return date;
}

QDate Settings::fourWeekStart() const
{
    const int day = value(Key::FourWeekStart);
    return day == 0 ? QDate() : QDate::fromJulianDay(day);
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
