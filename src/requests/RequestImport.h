#pragma once

#include "data/RejectedLines.h"
#include "requests/RequestEdits.h"
#include "requests/Requests.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

// Reading requests from the CSV file that a form or a spreadsheet writes: UTF-8 with or without
// a byte-order mark, or Shift-JIS; comma-separated with RFC 4180 quoting (quoted commas,
// doubled quotes, line breaks inside quotes); an optional heading row whose first cell holds
// "氏名"; columns name, date, kind and an optional note. Parsing changes nothing: it tells which
// rows would be taken and why each other row would not.
namespace requests {

enum class Encoding { Utf8, ShiftJis };

// A row that will be taken; row counts the file's records from 1, the heading included, as a
// spreadsheet numbers its rows.
struct ImportRow {
    int row = 0;
    QString name;
    QDate date;
    Wish wish;
    bool replaces = false; // the name already has a wish on that date

    bool operator==(const ImportRow&) const = default;
};

struct ImportPreview {
    Encoding encoding = Encoding::Utf8;
    QList<ImportRow> taken;
    int replacing = 0; // taken rows that replace a wish
    QList<RejectedLine> refused; // every other row that is not empty, with its reason
};

// The rows of csv for the registered names on the period's dates. The encoding: UTF-8 when the
// file starts with its byte-order mark or is valid UTF-8 throughout, else Shift-JIS. Cells are
// taken without the blanks around them; dates and kinds also in full-width forms (NFKC). Dates:
// "Y/M/D", "Y-M-D" (four-digit year) or "M/D" (the period's date of that month and day), leading
// zeros allowed. Kinds: "希望休" or "休"; "出勤不可", "×", "✕" or the letter x; "出勤希望", "○", "〇",
// "◯" or the letter o (either case). A second row for a name and date is refused.
ImportPreview parseImport(
    const QByteArray& csv, const QSet<QString>& names, const QList<QDate>& dates, const Requests& existing);

// How the import dialog lists what it found: "取り込む希望：N 件（うち M 件は既にある希望を置き換えます）
// 　取り込まない行：K 件　文字コード：UTF-8" (one line); a taken row "2
// 行目　山田　2026年5月12日（火）　希望休（通院）" with "　［置き換え］" when it replaces a wish; a refused row "5
// 行目：" + reason.
QString importSummary(const ImportPreview& preview);
QString takenRowText(const ImportRow& row);
QString refusedRowText(const RejectedLine& row);

// The steps that take the rows as one edit: each row's wish replaces the one there.
QList<Edit> importEdits(const Requests& requests, const QList<ImportRow>& rows);

// A file of this import read as it reads it, for the other imports of such files (the employees'):
// the encoding, and each record that is not empty with its number (the file's records counted
// from 1, as a spreadsheet numbers its rows), its fields and whether its quoting or its bytes
// broke the rules.
struct CsvRecord {
    int number = 0;
    QStringList fields;
    bool badQuoting = false;
    bool undecodable = false;
};
struct CsvFile {
    Encoding encoding = Encoding::Utf8;
    QList<CsvRecord> records;
};
CsvFile readCsv(const QByteArray& csv);

} // namespace requests
