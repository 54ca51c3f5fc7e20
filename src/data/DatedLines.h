#pragma once

#include "data/Table.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <utility>
#include <variant>
#include <vector>

// What the files beside the data files that hold one line per employee and date (the day
// changes, the requests) share: their lines, their fields each followed by ",", the name and
// date fields with the reasons a line is not taken, and the order their lines are written in.
namespace datedlines {

inline const QString kBadName = QStringLiteral("氏名が不正です");
inline const QString kBadYear = QStringLiteral("年が不正です");
inline const QString kBadMonth = QStringLiteral("月が不正です");
inline const QString kBadDay = QStringLiteral("日が不正です");
inline const QString kNoSuchDate = QStringLiteral("日付が存在しません");
inline const QString kSecondLine = QStringLiteral("同じ氏名・日付の2行目です");

// The lines of a file's text: a line ends at LF, a CR before it is not part of it, and the line
// end of the last line makes no empty line.
QList<QStringView> lines(const QString& text);

// Splits a line of exactly count fields, each followed by ",", into out; false for any other line.
bool splitFields(QStringView line, QStringView* out, int count);

// Decimal digits without a leading zero and with at most maxLength characters; -1 otherwise.
int plainNumber(QStringView text, int maxLength);

// A name the employee master can hold: 1 to 24 bytes of Shift-JIS, no control character.
bool isName(const QString& name);

// The date of the year, month and day fields, or the reason the line is not taken.
std::variant<QDate, QString> dateOf(QStringView year, QStringView month, QStringView day);

// "Y,M,D," of a date, decimal without leading zeros.
QString dateFields(QDate date);

// The positions of keys (date, name) in the order the files write their lines: by date, then by
// the employee's master row (the first row of a shared name), then by position; a name without a
// master row after the registered ones.
std::vector<int> writingOrder(const QList<std::pair<QDate, QString>>& keys, const Table& master);

} // namespace datedlines
