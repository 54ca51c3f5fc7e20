#include "labour/PersonRules.h"

#include "labour/LabourSettings.h"

#include <algorithm>
#include <optional>

namespace labour {
namespace {

const QString kStudent = QStringLiteral("留学生");
const QString kNoNight = QStringLiteral("深夜なし");
const QString kNoOvertime = QStringLiteral("時間外なし");
const QDate kFirstBirth(1900, 1, 1);
const QDate kFirstVacation(2000, 1, 1);
const QDate kLastDate(2099, 12, 31);
constexpr int kMaxVacations = 10;

// A limit of whole numbers: its member and its range.
struct Limit {
    int PersonRules::*member;
    int minimum;
    int maximum;
};

QString fieldNumber(int value)
{
    return value == kNone ? QString() : QString::number(value);
}

std::optional<Limit> limitOf(PersonField field)
{
    switch (field) {
    case PersonField::MonthlyDaysOff:
        return Limit { &PersonRules::monthlyDaysOff, 1, 20 };
    case PersonField::MinHours:
        return Limit { &PersonRules::minHours, 1, 400 };
    case PersonField::MaxHours:
        return Limit { &PersonRules::maxHours, 1, 400 };
    case PersonField::MaxNights:
        return Limit { &PersonRules::maxNights, 0, 20 };
    case PersonField::MaxWeekends:
        return Limit { &PersonRules::maxWeekends, 0, 10 };
    case PersonField::MinRun:
        return Limit { &PersonRules::minRun, 2, 7 };
    case PersonField::MinDaysOff:
        return Limit { &PersonRules::minDaysOff, 2, 7 };
    default:
        return std::nullopt;
    }
}

Request PersonRules::*requestOf(PersonField field)
{
    return field == PersonField::Expectant ? &PersonRules::expectant : &PersonRules::care;
}

QString valuesTaken(PersonField field)
{
    if (const std::optional<Limit> limit = limitOf(field))
        return QStringLiteral("空欄又は%1～%2").arg(limit->minimum).arg(limit->maximum);
    switch (field) {
    case PersonField::BirthDate:
        return QStringLiteral("空欄又は1900/1/1～2099/12/31の日付");
    case PersonField::Student:
        return QStringLiteral("空欄又は留学生");
    case PersonField::Vacations:
        return QStringLiteral("空欄又は「2027/2/10-2027/4/5」の形の期間を「|」でつないで10まで");
    default:
        return QStringLiteral("空欄，深夜なし，時間外なし又は深夜なし|時間外なし");
    }
}

std::optional<QDate> dateIn(QStringView text, QDate first, QDate last)
{
    const std::optional<QDate> date = slashDateOf(text);
    return date && *date >= first && *date <= last ? date : std::nullopt;
}

std::optional<QList<DateRange>> vacationsOf(const QString& text)
{
    QList<DateRange> ranges;
    if (text.isEmpty())
        return ranges;
    const QList<QStringView> parts = QStringView(text).split(u'|');
    if (parts.size() > kMaxVacations)
        return std::nullopt;
    for (const QStringView part : parts) {
        const qsizetype dash = part.indexOf(u'-');
        const auto first = dateIn(part.first(std::max<qsizetype>(dash, 0)), kFirstVacation, kLastDate);
        const auto last = dateIn(part.sliced(dash + 1), kFirstVacation, kLastDate);
        if (dash < 0 || !first || !last || *last < *first)
            return std::nullopt;
        ranges.append({ *first, *last });
    }
    return ranges;
}

std::optional<Request> requestFrom(const QString& text)
{
    if (text.isEmpty())
        return Request {};
    if (text == kNoNight)
        return Request { true, false };
    if (text == kNoOvertime)
        return Request { false, true };
    if (text == kNoNight + u'|' + kNoOvertime)
        return Request { true, true };
    return std::nullopt;
}

QString requestText(const Request& request)
{
    QStringList words;
    if (request.noNight)
        words << kNoNight;
    if (request.noOvertime)
        words << kNoOvertime;
    return words.join(u'|');
}

} // namespace

QDate PersonRules::adultFrom() const
{
    if (!birthDate.isValid())
        return {};
    const QDate same(birthDate.year() + 18, birthDate.month(), birthDate.day());
    return same.isValid() ? same : QDate(birthDate.year() + 18, 3, 1);
}

bool PersonRules::inVacation(QDate date) const
{
    return std::any_of(
        vacations.cbegin(), vacations.cend(), [date](const DateRange& range) { return range.contains(date); });
}

QString fieldName(PersonField field)
{
    static const QString names[kPersonFieldCount]
        = { QStringLiteral("生年月日"), QStringLiteral("留学生"), QStringLiteral("長期休業"),
              QStringLiteral("妊産婦の請求"), QStringLiteral("育児・介護の制限"), QStringLiteral("公休の日数（暦月）"),
              QStringLiteral("勤務時間の下限"), QStringLiteral("勤務時間の上限"), QStringLiteral("夜勤の上限"),
              QStringLiteral("土日の勤務の上限"), QStringLiteral("連勤の下限"), QStringLiteral("連休の下限") };
    return names[static_cast<int>(field)];
}

QString fieldText(const PersonRules& rules, PersonField field)
{
    if (const std::optional<Limit> limit = limitOf(field)) {
        return fieldNumber(rules.*(limit->member));
    }
    switch (field) {
    case PersonField::BirthDate:
        return rules.birthDate.isValid() ? slashDate(rules.birthDate) : QString();
    case PersonField::Student:
        return rules.student ? kStudent : QString();
    case PersonField::Vacations: {
        QStringList ranges;
        for (const DateRange& range : rules.vacations)
            ranges << slashDate(range.first) + u'-' + slashDate(range.last);
        return ranges.join(u'|');
    }
    default:
        return requestText(rules.*requestOf(field));
    }
}

QString setField(PersonRules& rules, PersonField field, const QString& text)
{
    const QString refused = QStringLiteral("「%1」の値が不正です（%2）").arg(fieldName(field), valuesTaken(field));
    if (const std::optional<Limit> limit = limitOf(field)) {
        bool ok = true;
        const int value = text.isEmpty() ? kNone : text.toInt(&ok);
        // Only the form fieldText() writes: no sign, blank or leading zero.
        if (!text.isEmpty() && (!ok || value < limit->minimum || value > limit->maximum || fieldNumber(value) != text))
            return refused;
        rules.*(limit->member) = value;
        return {};
    }
    switch (field) {
    case PersonField::BirthDate: {
        const std::optional<QDate> date = dateIn(text, kFirstBirth, kLastDate);
        if (!text.isEmpty() && !date)
            return refused;
        rules.birthDate = date.value_or(QDate());
        return {};
    }
    case PersonField::Student:
        if (!text.isEmpty() && text != kStudent)
            return refused;
        rules.student = !text.isEmpty();
        return {};
    case PersonField::Vacations: {
        const std::optional<QList<DateRange>> ranges = vacationsOf(text);
        if (!ranges)
            return refused;
        rules.vacations = *ranges;
        return {};
    }
    default: {
        const std::optional<Request> request = requestFrom(text);
        if (!request)
            return refused;
        rules.*requestOf(field) = *request;
        return {};
    }
    }
}

QString conflict(const PersonRules& rules)
{
    if (rules.minHours != kNone && rules.maxHours != kNone && rules.minHours > rules.maxHours)
        return QStringLiteral("勤務時間の下限が上限を超えています");
    if (!rules.student && !rules.vacations.isEmpty())
        return QStringLiteral("長期休業は留学生のときだけ入力できます");
    return {};
}

QStringList fieldTexts(const PersonRules& rules)
{
    QStringList texts;
    for (int field = 0; field < kPersonFieldCount; ++field)
        texts << fieldText(rules, static_cast<PersonField>(field));
    return texts;
}

QString readFields(const QStringList& texts, PersonRules& out)
{
    if (texts.size() > kPersonFieldCount)
        return QStringLiteral("職員の項目が多すぎます");
    PersonRules rules;
    for (int field = 0; field < texts.size(); ++field)
        if (const QString why = setField(rules, static_cast<PersonField>(field), texts[field]); !why.isEmpty())
            return why;
    if (const QString why = conflict(rules); !why.isEmpty())
        return why;
    out = rules;
    return {};
}

} // namespace labour
