#include "requests/Requests.h"

#include "data/Table.h"
#include "patterns/ShiftPatterns.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace requests {

QString kindText(Kind kind)
{
    switch (kind) {
    case Kind::DayOff:
        return QStringLiteral("希望休");
    case Kind::CannotWork:
        return QStringLiteral("出勤不可");
    case Kind::WantsWork:
        return QStringLiteral("出勤希望");
    case Kind::WantsPattern:
        return QStringLiteral("勤務希望");
    case Kind::AvoidsPattern:
        return QStringLiteral("勤務回避");
    }
    return {};
}

std::optional<Kind> kindOf(QStringView text)
{
    for (const Kind kind : { Kind::DayOff, Kind::CannotWork, Kind::WantsWork, Kind::WantsPattern, Kind::AvoidsPattern })
        if (text == kindText(kind))
            return kind;
    return std::nullopt;
}

QString patternFault(const Wish& wish)
{
    if (!isPatternKind(wish.kind))
        return wish.pattern.isEmpty() && wish.weight == kLeastWeight
            ? QString()
            : QStringLiteral("この希望には勤務も重みもありません");
    if (const QString fault = patterns::codeFault(wish.pattern); !fault.isEmpty())
        return QStringLiteral("勤務の") + fault;
    if (wish.weight < kLeastWeight || wish.weight > kMostWeight)
        return QStringLiteral("重みは1から9までです");
    return {};
}

QString noteFault(const QString& note)
{
    if (note.isEmpty())
        return {};
    // Shift-JIS has no character outside the basic plane, so a storable note counts one
    // character per UTF-16 unit; an unstorable one is refused below whatever its length.
    if (note.size() > kNoteCharacters)
        return QStringLiteral("メモが40文字を超えています");
    const bool unfit = std::any_of(note.begin(), note.end(),
        [](QChar c) { return c == u',' || c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter; });
    if (unfit || !cp932::canEncode(note))
        return QStringLiteral("メモに使えない文字があります");
    return {};
}

QString storableNote(QString note)
{
    static const std::pair<char16_t, char16_t> forms[]
        = { { u'\u301C', u'\uFF5E' }, { u'\u2212', u'\uFF0D' }, { u'\u2016', u'\u2225' }, { u'\u00A2', u'\uFFE0' },
              { u'\u00A3', u'\uFFE1' }, { u'\u00AC', u'\uFFE2' }, { u'\u2014', u'\u2015' } };
    for (const auto& [unicode, shiftJis] : forms)
        note.replace(QChar(unicode), QChar(shiftJis));
    return note;
}

void Requests::set(const QString& name, QDate date, Wish wish)
{
    wishes_[{ date, name }] = std::move(wish);
}

bool Requests::add(const QString& name, QDate date, Wish wish)
{
    return wishes_.try_emplace({ date, name }, std::move(wish)).second;
}

bool Requests::remove(const QString& name, QDate date)
{
    return wishes_.erase({ date, name }) > 0;
}

std::optional<Wish> Requests::find(const QString& name, QDate date) const
{
    const auto it = wishes_.find({ date, name });
    if (it == wishes_.end())
        return std::nullopt;
    return it->second;
}

int Requests::rename(const QString& from, const QString& to)
{
    if (from == to)
        return 0;
    int moved = 0;
    for (auto it = wishes_.begin(); it != wishes_.end();) {
        const QDate date = it->first.first;
        if (it->first.second != from || wishes_.contains({ date, to })) {
            ++it;
            continue;
        }
        wishes_[{ date, to }] = it->second;
        it = wishes_.erase(it);
        ++moved;
    }
    return moved;
}

QList<Request> Requests::list() const
{
    QList<Request> out;
    out.reserve(size());
    for (const auto& [key, wish] : wishes_)
        out.append({ key.second, key.first, wish });
    return out;
}

void followRename(Requests& requests, const Table& master, const QString& oldName, const QString& newName)
{
    for (int row = 0; row < master.rowCount(); ++row)
        if (master.cell(0, row) == oldName)
            return;
    requests.rename(oldName, newName);
}

} // namespace requests
