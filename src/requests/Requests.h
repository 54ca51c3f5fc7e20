#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <utility>

class Table;

namespace requests {

// What an employee asked for on one date.
enum class Kind {
    DayOff, // "希望休": wishes the day off
    CannotWork, // "出勤不可": cannot work that day
    WantsWork, // "出勤希望": wants to work that day
    WantsPattern, // "勤務希望": wants to work a pattern that day ("夜を希望")
    AvoidsPattern, // "勤務回避": would rather not work a pattern that day ("夜は避けたい")
};

// Whether the kind names a pattern and carries a weight.
inline bool isPatternKind(Kind kind)
{
    return kind == Kind::WantsPattern || kind == Kind::AvoidsPattern;
}

// How much a wish of a pattern weighs against the others, from 1 to 9.
inline constexpr int kLeastWeight = 1;
inline constexpr int kMostWeight = 9;

// The kind as the file, the menu and the reports name it.
QString kindText(Kind kind);
// The kind of its exact name; none for any other text.
std::optional<Kind> kindOf(QStringView text);

// Longest note, in characters (a full-width character counts 1, as the user sees it).
inline constexpr int kNoteCharacters = 40;

// Why a note cannot be kept, or the empty text: at most kNoteCharacters characters, no ",", no
// control character (the file has no quoting and one line per wish), and only characters that
// Shift-JIS can store. The empty note is valid.
QString noteFault(const QString& note);

// The note with the characters that Unicode spells twice and Shift-JIS stores in one form only
// (wave dash "〜", minus "−", "‖", "¢", "£", "¬", dash "—"), as input methods and other systems
// give them, turned into the form Shift-JIS stores ("～", "－", "∥", "￠", "￡", "￢", "―").
QString storableNote(QString note);

struct Wish {
    // A wish of the plain kinds is given as { kind, note }; one of a pattern adds the code and
    // the weight.
    Wish(Kind kind = Kind::DayOff, QString note = {}, QString pattern = {}, int weight = kLeastWeight)
        : kind(kind)
        , note(std::move(note))
        , pattern(std::move(pattern))
        , weight(weight)
    {
    }

    Kind kind = Kind::DayOff;
    QString note;
    QString pattern; // the pattern's code of a wish of a pattern; empty for the other kinds
    int weight = kLeastWeight; // of a wish of a pattern

    bool operator==(const Wish&) const = default;
};

// Why a wish's pattern and weight cannot be kept, or the empty text: a wish of a pattern names a
// code of one or two characters (as patterns::codeFault() takes it) and weighs 1 to 9; a wish of
// another kind names no pattern and weighs 1.
QString patternFault(const Wish& wish);

struct Request {
    QString name;
    QDate date;
    Wish wish;

    bool operator==(const Request&) const = default;
};

// The fields that the import of a form's file reads from its columns.
enum class ImportField { Name, Date, Kind, Note };
inline constexpr std::array kImportFields { ImportField::Name, ImportField::Date, ImportField::Kind,
    ImportField::Note };
inline constexpr int kNoColumn = -1; // the note's only: the file has no note

// The column (counted from 0) that the import reads each field from when a file's headings do not
// name it. Unchosen, the order the import has always read: name, date, kind, note.
struct ImportColumns {
    std::array<int, kImportFields.size()> columns { 0, 1, 2, 3 };

    int& operator[](ImportField field) { return columns[static_cast<std::size_t>(field)]; }
    int operator[](ImportField field) const { return columns[static_cast<std::size_t>(field)]; }
    bool operator==(const ImportColumns&) const = default;
};

// The staff's requests of the run, keyed by employee name and date, at most one per pair. Like
// the day changes, it keeps whatever it is given, also for names that are not registered and
// dates outside the period: what a request means for the period is decided over the effective
// schedule, and the file form by requestfile. It knows nothing of the tables. Beside the wishes
// it keeps the columns the user last chose for the import of a form's file, so that the next
// import, also in a later run, reads the same form the same way.
class Requests {
public:
    // Sets the wish of name on date, replacing the one there.
    void set(const QString& name, QDate date, Wish wish);
    // Adds the wish as set() does, unless there is one already; false then.
    bool add(const QString& name, QDate date, Wish wish);
    // Removes the wish of name on date; false when there was none.
    bool remove(const QString& name, QDate date);
    std::optional<Wish> find(const QString& name, QDate date) const;

    // Gives every wish of from to the name to. Where to already has a wish on the same date,
    // both are kept: that one of from stays under the old name, where it can be seen and
    // deleted. Returns how many wishes moved.
    int rename(const QString& from, const QString& to);

    // Every wish, by date and then by name.
    QList<Request> list() const;
    int size() const { return static_cast<int>(wishes_.size()); }
    bool isEmpty() const { return wishes_.empty(); }

    const ImportColumns& importColumns() const { return importColumns_; }
    void setImportColumns(const ImportColumns& columns) { importColumns_ = columns; }

    bool operator==(const Requests&) const = default;

private:
    std::map<std::pair<QDate, QString>, Wish> wishes_;
    ImportColumns importColumns_;
};

// After the employee master window renamed an employee from oldName to newName: the wishes
// follow the new name, unless another master row still carries the old name and so keeps them.
void followRename(Requests& requests, const Table& master, const QString& oldName, const QString& newName);

} // namespace requests
