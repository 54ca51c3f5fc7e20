#pragma once

#include <QList>
#include <QString>
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
};
inline constexpr int kKeyCount = 8;

// One setting as the file and the window know it: its name, its default and the values it
// takes, minimum to maximum. The ranges are what a shop in Japan can soundly plan with: the
// weekly hours of the law past and present (48 down to 40, 44 for the small workplaces allowed
// it) and lower ones it may come to; rates from the legal minimum up to double time, the
// monthly rate never below the overtime rate's range; up to 30 days in a row and 24 hours of
// rest; a minimum wage of up to 9,999 yen.
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

// The file form of a value: the weekday's name for the week start, the empty text for a minimum
// wage of 0 (no check), otherwise the decimal number.
QString valueText(Key key, int value);
// The value of a file text: exactly valueText() of a value in the key's range, else none.
std::optional<int> valueOf(Key key, const QString& text);

// The eight settings as a value. Each key holds its default until the file or the user gives
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

    bool operator==(const Settings&) const = default;

private:
    static std::array<int, kKeyCount> defaults();

    std::array<int, kKeyCount> values_ = defaults();
    QList<Key> given_;
};

} // namespace labour
