#pragma once

#include "data/RejectedLines.h"
#include "requests/RequestEdits.h"
#include "requests/Requests.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Reading requests from the file that a form or a spreadsheet writes: UTF-8 with or without a
// byte-order mark, UTF-16 with one (a spreadsheet's "Unicode text"), or Shift-JIS; separated by
// commas or tabs, with RFC 4180 quoting (quoted separators, doubled quotes, line breaks inside
// quotes). A heading row names the columns of name, date, kind and note in any order, with other
// columns (a form's timestamp) ignored; where the headings do not name a field, the columns the
// user chose are read, at first the order name, date, kind, note. Parsing changes nothing: it
// tells which rows would be taken and why each other row would not.
namespace requests {

enum class Encoding { Utf8, ShiftJis, Utf16 };
// "UTF-8", "Shift-JIS", "UTF-16", as the previews name what they read.
QString encodingText(Encoding encoding);

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
    ImportColumns columns; // the columns read: the heading's of a field the heading row names, else the chosen one
    QList<ImportField> named; // the fields the heading row names
    QStringList titles; // per column: the heading row's cell, else the first row's; as many as can be chosen
    QList<ImportRow> taken;
    int replacing = 0; // taken rows that replace a wish
    QList<RejectedLine> refused; // every other row that is not empty, with its reason
};

// The rows of csv for the registered names on the dates of the planned periods.
// - Encoding: UTF-16 after its byte-order mark; UTF-8 when the file starts with its byte-order
//   mark or is valid UTF-8 throughout; else Shift-JIS. Separator: the tab when the text holds
//   more tabs than commas, else the comma.
// - The heading row: among the first five rows that are not empty and before the first that holds
//   a date, the first with a cell that names a field (full-width forms, blanks and parenthesised
//   additions such as "（任意）" aside): "氏名", "名前", "お名前", "従業員", "職員", "スタッフ", "社員"
//   or any cell containing "氏名" or "名前"; "日付", "希望日", "日", "年月日", "月日", "日にち";
//   "種類", "希望", "区分", "希望の種類"; "メモ", "備考", "理由", "コメント". The first cell that names a
//   field gives its column, which no other field is read from; rows above the heading row are
//   refused, and so is a row with something to the right of the last column read. Without a
//   heading row and with the import's own order, a row has three or four columns, as it always had.
// - Cells are taken without the blanks around them; dates and kinds also in full-width forms
//   (NFKC). Dates: "Y/M/D", "Y-M-D" (four-digit year) or "M/D" (the planned date of that month and
//   day), leading zeros allowed. Kinds: "希望休" or "休"; "出勤不可", "×", "✕" or the letter x;
//   "出勤希望", "○", "〇", "◯" or the letter o (either case); "希望:夜" and "回避:夜" (either colon)
//   wish for or avoid the pattern of that code, weighing what the column headed "重み" gives (1 to
//   9, empty: 1). A second row for a name and date is refused.
ImportPreview parseImport(const QByteArray& csv, const QSet<QString>& names, const QList<QDate>& dates,
    const Requests& existing, const ImportColumns& chosen);
// The same with the columns the user chose last, which existing keeps.
ImportPreview parseImport(
    const QByteArray& csv, const QSet<QString>& names, const QList<QDate>& dates, const Requests& existing);

// Whether a heading of the preview names the column for one of its fields.
bool isNamedColumn(const ImportPreview& preview, int column);

// A field as the import dialog and its reasons name it: "氏名", "日付", "種類", "メモ".
QString fieldText(ImportField field);
// A column as the import dialog offers it: "2 列目：お名前", its title cut to one short line.
QString columnText(const ImportPreview& preview, int column);

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
