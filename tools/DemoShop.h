#pragma once

#include <QDate>
#include <QString>
#include <optional>

class TFormData;

// The demo shop that the demo and the screenshots run on: eight employees with day and night
// shifts, part-timers and all four work attributes, registered through the same record logic
// as the employee master window, the period that starts on a given day, five day changes in it,
// staffing targets with one hour short and one over, a few of the staff's wishes, and the shop set
// of shift patterns that the shift staff work by, with a minor and an international student
// among them. It has no labour settings' file, as a shop that keeps the legal defaults.
namespace demo {

// Fills the employee master table with the shop, registers the period that starts on today, its
// filler rows drawn from seed, and sets the shift patterns, five day changes, the targets and the
// wishes in it; false when that period cannot be registered.
bool fillShop(TFormData& data, QDate today, quint32 seed);

// Writes the employee master and schedule tables, the day changes, the targets, the wishes and the
// shift patterns as the files of dir; on failure the file's name and the system's error.
std::optional<QString> writeDataFiles(const QString& dir, const TFormData& data);

} // namespace demo
