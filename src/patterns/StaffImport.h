#pragma once

#include "data/RejectedLines.h"
#include "master/Registration.h"
#include "patterns/ShiftPatterns.h"
#include "requests/RequestImport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Table;

// Reading employees from a CSV file of a spreadsheet or a staff list, in the encodings and the
// quoting of the wishes' import: columns 氏名, 時給, then Monday to Sunday; an optional heading
// row whose first cell holds "氏名" or "名前". A day is a pattern's code ("日", "夜", "明"), a
// time "9:00-17:30/60" (start, end and break minutes; no break is 0), "公休", "休み" or "その他",
// or empty (公休). Every row is checked as the employee master window checks a new registration,
// against the master with the rows above it registered. Parsing changes nothing.
namespace patterns {

// A row that will be registered; row counts the file's records from 1, as a spreadsheet numbers
// its rows.
struct StaffImportRow {
    int row = 0;
    master::EmployeeInput input; // the wage as the master window stores it
    QStringList days; // Monday to Sunday as the file gives them: "日", "9:00-17:30/60", "公休"
};

struct StaffImportPreview {
    requests::Encoding encoding = requests::Encoding::Utf8;
    QList<StaffImportRow> taken;
    QList<RejectedLine> refused; // every other row that is not empty, with its reason
};

StaffImportPreview parseStaffImport(const QByteArray& csv, const Table& master, const ShiftPatterns& patterns);

// "登録する従業員：N 名　登録しない行：K 件　文字コード：UTF-8".
QString staffImportSummary(const StaffImportPreview& preview);
// "2 行目　山田　時給 1100　月 日　火 日　水 遅　木 夜　金 明　土 公休　日 公休".
QString takenStaffText(const StaffImportRow& row);

// Registers the rows in their order into the master's first free rows, as the master window's
// register command writes a record; the rows were checked against this master.
void registerStaff(Table& master, const QList<StaffImportRow>& rows);

} // namespace patterns
