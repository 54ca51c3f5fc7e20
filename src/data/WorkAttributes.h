#pragma once

#include <QString>
#include <QStringList>

// The four work attribute values of a weekday in the employee master table, in the
// order of the attribute boxes' entries.
namespace attributes {

inline const QString kWorkday = QStringLiteral("勤務日");
inline const QString kRegularDayOff = QStringLiteral("公休");
inline const QString kDayOfRest = QStringLiteral("休み");
inline const QString kOther = QStringLiteral("その他");

inline QStringList all()
{
    return { kWorkday, kRegularDayOff, kDayOfRest, kOther };
}

inline bool isValue(const QString& text)
{
    return all().contains(text);
}

} // namespace attributes
