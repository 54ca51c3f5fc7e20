#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

// The settings of the labour rules: the figures a statute or a shop sets, with the legal
// defaults. They are kept beside the data files (labour/LabourFile) and edited in the window
// "労務設定"; the checks and premiums (labour/LabourRules) read them.
namespace labour {

// The settings, in the order the file and the window list them.
enum class Key {
    WeeklyHours, // weekly statutory hours
    WeekStart, // the weekday a week starts on, as a weekday code (1 = Sunday … 7 = Saturday)
    NightRate, // late-night premium, per cent
    OvertimeRate, // overtime premium, per cent
    OverSixtyRate, // premium for overtime beyond 60 hours in a calendar month, per cent
    RunLimit, // working days in a row before a warning; 0 = no check
    RestHours, // hours of rest between two shifts before a warning; 0 = no check
    MinimumWage, // yen per hour; 0 = no check
    Scheme, // the hours scheme: 0 = none, 1 = the monthly variable-hours scheme
    SchemeStart, // the day each variable-hours period starts on: 1 to 28, 29 = the month's last day
    DaysOffRule, // the days off: 0 = one every week, 1 = four in every four weeks
    FourWeekStart, // the first day of the four weeks as a Julian day; 0 = the period's first day
    MinorNight, // minors at night: 0 = forbidden, 1 = the exceptions of health care and the like
    NightBand, // the ward's 16-hour night band: its start in minutes after midnight; 0 = none
};
inline constexpr int kKeyCount = 14;

inline constexpr int kSchemeNone = 0;
inline constexpr int kSchemeMonthly = 1;
inline constexpr int kLastDayOfMonth = 29; // SchemeStart's value for the month's last day
inline constexpr int kEveryWeek = 0;
inline constexpr int kFourWeeks = 1;
inline constexpr int kNightBandMinutes = 16 * 60;

// One setting as the file and the window know it: its name, its default and the values it
// takes, minimum to maximum. The ranges are what a shop in Japan can soundly plan with: the
// weekly hours of the law past and present (48 down to 40, 44 for the small workplaces allowed
// it) and lower ones it may come to; rates from the legal minimum up to double time, the
// monthly rate never below the overtime rate's range; up to 30 days in a row and 24 hours of
// rest; a minimum wage of up to 9,999 yen. A choice (the week start, the scheme and its start
// day, the days off, minors at night) takes minimum to maximum in the order of choices(); the
// four weeks' first day is 0 or a date of 2000 to 2099; the night band 0 or a start from 13:00
// to 22:00, so that its 16 hours hold 22:00 to 5:00.
struct KeyForm {
    Key key;
    QString name;
    int defaultValue;
    int minimum;
    int maximum;
};

const std::array<KeyForm, kKeyCount>& keyForms();
const KeyForm& formOf(Key key);

// "日" … "土" for the weekday codes 1 to 7, as the week start's value is written.
QString weekdayName(int code);

// The texts of a choice's values, minimum first: "日" … "土"; "なし", "1か月単位"; "1" … "28",
// "末日"; "毎週1日", "4週4日"; "禁止", "保健衛生業などの例外". Empty for a key that is no choice.
QStringList choices(Key key);

// The file form of a value: a choice's text; the empty text for a minimum wage, a first day of
// the four weeks or a night band of 0; a date as "2026/6/1"; the night band as its start and
// end, "16:30-8:30"; otherwise the decimal number.
QString valueText(Key key, int value);
// The value of a file text: exactly valueText() of a value the key takes, else none.
std::optional<int> valueOf(Key key, const QString& text);
// The values a key takes as the messages of the file and the window name them: "25～100",
// "空欄又は1～9999", "なし又は1か月単位" …
QString valuesTaken(Key key);

// A date as the labour texts write it, "2026/6/1", and read it back: exactly that form of a
// valid date, else none.
QString slashDate(QDate date);
std::optional<QDate> slashDateOf(QStringView text);

// The settings as a value. Each key holds its default until the file or the user gives
// it a value; the keys given are remembered in the order given, so that the file is written
// with exactly them (none, when there was no file and nothing was registered) and a file the
// reader took whole is written back as it was.
class Settings {
public:
    int value(Key key) const { return values_[static_cast<std::size_t>(key)]; }
    // Gives the key a value of its range; a key given again keeps its place.
    void set(Key key, int value);
    const QList<Key>& given() const { return given_; }

    int weeklyMinutes() const { return value(Key::WeeklyHours) * 60; }
    int weekStart() const { return value(Key::WeekStart); }
    int nightRate() const { return value(Key::NightRate); }
    int overtimeRate() const { return value(Key::OvertimeRate); }
    int overSixtyRate() const { return value(Key::OverSixtyRate); }
    int runLimit() const { return value(Key::RunLimit); }
    int restMinutes() const { return value(Key::RestHours) * 60; }
    int minimumWage() const { return value(Key::MinimumWage); }
    bool monthlyScheme() const { return value(Key::Scheme) == kSchemeMonthly; }
    int schemeStart() const { return value(Key::SchemeStart); }
    bool fourWeekDaysOff() const { return value(Key::DaysOffRule) == kFourWeeks; }
    // The first day of the four weeks; null when none is set.
    QDate fourWeekStart() const;
    bool minorNightAllowed() const { return value(Key::MinorNight) == 1; }
    // The night band's start in minutes after midnight; 0 when there is none.
    int nightBandStart() const { return value(Key::NightBand); }

    bool operator==(const Settings&) const = default;

private:
    static std::array<int, kKeyCount> defaults();

    std::array<int, kKeyCount> values_ = defaults();
    QList<Key> given_;
};

} // namespace labour
