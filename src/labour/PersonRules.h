#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What the labour check knows of one employee beyond the master: the date of birth (a minor's
// limits), a student's long vacations, the limits an expectant or nursing mother or a carer
// asked for, the days off owed per calendar month and the limits per period. A plain value;
// every field may be left empty, and empty rules mean the check of anyone else.
//
// Each field has a text form, so that a staff line of the pattern file can carry the fields one
// after another, in the order of PersonField, every field followed by ",": a line written before
// these fields were known simply ends before them, and a missing field reads as empty. The forms
// (the empty text always means "not given"):
//   生年月日            "2009/4/1", a date of 1900 to 2099 without leading zeros
//   留学生              "留学生"
//   長期休業            "2027/2/10-2027/4/5", up to 10 ranges joined by "|", each first ≤ last
//   妊産婦の請求        "深夜なし", "時間外なし" or "深夜なし|時間外なし"
//   育児・介護の制限    as 妊産婦の請求
//   公休の日数（暦月）  1 to 20
//   勤務時間の下限      hours per period, 1 to 400
//   勤務時間の上限      hours per period, 1 to 400, not below the lower limit
//   夜勤の上限          nights per period, 0 to 20
//   土日の勤務の上限    weekends per period, 0 to 10
//   連勤の下限          working days in a row once a run starts, 2 to 7
//   連休の下限          days off in a row once a run starts, 2 to 7
// 長期休業 is kept only with 留学生.
namespace labour {

// A range of dates, both ends included.
struct DateRange {
    QDate first;
    QDate last;

    bool contains(QDate date) const { return date >= first && date <= last; }
    bool operator==(const DateRange&) const = default;
};

// A request that limits work at night (22:00 to 5:00) or beyond the legal hours.
struct Request {
    bool noNight = false;
    bool noOvertime = false;

    bool operator==(const Request&) const = default;
};

inline constexpr int kNone = -1; // a limit that is not given

struct PersonRules {
    QDate birthDate; // null: not given
    bool student = false;
    QList<DateRange> vacations; // the school's long vacations
    Request expectant; // 妊産婦の請求
    Request care; // 育児・介護の制限
    int monthlyDaysOff = kNone; // days of "公休" owed in each calendar month
    int minHours = kNone; // per period
    int maxHours = kNone;
    int maxNights = kNone; // shifts that hold 22:00 to 5:00, per period
    int maxWeekends = kNone; // weekends with a shift on Saturday or Sunday, per period
    int minRun = kNone; // working days in a row (明け included) once a run starts
    int minDaysOff = kNone; // days off in a row once a run starts

    // The 18th birthday: the same day 18 years on; for 29 February in a common year, 1 March,
    // since the age is reached at the end of the day before. Null without a birth date.
    QDate adultFrom() const;
    // Younger than 18 on the date.
    bool minorOn(QDate date) const { return birthDate.isValid() && date < adultFrom(); }
    bool inVacation(QDate date) const;

    bool operator==(const PersonRules&) const = default;
};

enum class PersonField {
    BirthDate,
    Student,
    Vacations,
    Expectant,
    Care,
    MonthlyDaysOff,
    MinHours,
    MaxHours,
    MaxNights,
    MaxWeekends,
    MinRun,
    MinDaysOff,
};
inline constexpr int kPersonFieldCount = 12;

// "生年月日", "留学生", "長期休業", "妊産婦の請求", "育児・介護の制限", "公休の日数（暦月）",
// "勤務時間の下限", "勤務時間の上限", "夜勤の上限", "土日の勤務の上限", "連勤の下限", "連休の下限".
QString fieldName(PersonField field);

// A field's text form.
QString fieldText(const PersonRules& rules, PersonField field);
// Gives the field the value of its text form. Returns why the text cannot be kept (the rules
// unchanged), or the empty text when it was taken: "「夜勤の上限」の値が不正です（空欄又は0～20）".
QString setField(PersonRules& rules, PersonField field, const QString& text);
// Why the fields cannot be kept together: a lower limit of hours above the upper one, long
// vacations without 留学生; the empty text when they can.
QString conflict(const PersonRules& rules);

// Every field's text form in the order of PersonField.
QStringList fieldTexts(const PersonRules& rules);
// Reads the fields' texts in that order, the missing ones empty, and more than there are fields
// refused. Returns why they cannot be kept (the first reason; out unchanged), or the empty text
// when out holds them.
QString readFields(const QStringList& texts, PersonRules& out);

} // namespace labour
