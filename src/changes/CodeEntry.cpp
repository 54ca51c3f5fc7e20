#include "changes/CodeEntry.h"

#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "data/Unitdata.h"
#include "labour/LabourRules.h"
#include "master/MasterRecord.h"
#include "patterns/PatternMatch.h"
#include "patterns/ShiftPatterns.h"

#include <QSet>
#include <cmath>
#include <utility>

namespace changes {

namespace {

// The linear light of one sRGB channel of 0 to 255.
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

bool sameSet(const std::optional<DayEntry>& a, const std::optional<DayEntry>& b)
{
    return a.has_value() == b.has_value() && (!a || sameDay(*a, *b));
}

// Whether the day may take the pattern: a working pattern when the employee is allowed it, a
// pattern without times always.
bool mayTake(const patterns::ShiftPatterns& patterns, const QString& name, int pattern)
{
    return !patterns.patterns[pattern].isWorking() || patterns.allows(name, pattern);
}

} // namespace

Ink inkOn(QStringView colour)
{
    bool ok = colour.size() == 7 && colour.startsWith(u'#');
    const uint rgb = ok ? colour.mid(1).toUInt(&ok, 16) : 0;
    if (!ok)
        return Ink::Dark;
    const double luminance
        = 0.2126 * linear((rgb >> 16) & 0xff) + 0.7152 * linear((rgb >> 8) & 0xff) + 0.0722 * linear(rgb & 0xff);
    // Above this luminance black text has more contrast than white.
    return luminance > 0.179 ? Ink::Dark : Ink::Light;
}

QList<LegendItem> legendOf(const patterns::ShiftPatterns& set)
{
    QList<LegendItem> items;
    for (int i = 0; i < set.patterns.size(); ++i) {
        const patterns::Pattern& p = set.patterns[i];
        LegendItem& item = items.emplaceBack();
        item.pattern = i;
        item.colour = p.colour;
        switch (p.kind) {
        case patterns::Kind::Working:
            item.text = p.code + u' ' + patterns::clockText(p.start) + u'～' + patterns::clockText(p.end);
            item.description = p.name + QStringLiteral("　") + patterns::timesText(p);
            break;
        case patterns::Kind::Ake:
            item.text = p.code + u' ' + p.name;
            item.description = p.name;
            break;
        case patterns::Kind::DayOff:
            item.text = p.code + u' ' + p.name + u'（' + p.offAttribute + u'）';
            item.description = p.name + u'（' + p.offAttribute + u'）';
            break;
        }
        if (!p.follow.isEmpty())
            item.description += QStringLiteral("　翌日は") + p.follow;
    }
    return items;
}

int patternOfKey(const patterns::ShiftPatterns& set, QStringView text)
{
    if (text.isEmpty() || !text.front().isPrint())
        return -1;
    const QStringView first = text.first(1);
    for (int i = 0; i < set.patterns.size(); ++i)
        if (QStringView(set.patterns[i].code).startsWith(first, Qt::CaseInsensitive))
            return i;
    return -1;
}

CodePlan planCode(const daychanges::EffectiveSchedule& schedule, const patterns::ShiftPatterns& set, int pattern,
    const QList<requests::Cell>& cells)
{
    CodePlan plan;
    if (pattern < 0 || pattern >= set.patterns.size())
        return plan;
    const patterns::Pattern& p = set.patterns[pattern];
    const int follow = set.indexOf(p.follow);
    QSet<std::pair<QString, QDate>> chosen;
    for (const requests::Cell& cell : cells)
        chosen.insert({ cell.name, cell.date });

    // The set that gives a row's day the entry of pattern i: a change, or the standard week when
    // that is the same day. None when the day already is so.
    const auto setOf = [&](int row, int day, int i) -> std::optional<DaySet> {
        DayEntry entry = patterns::entryOf(set.patterns[i]);
        entry.changed = true;
        std::optional<DayEntry> after = entry;
        if (sameDay(entry, schedule.standard(row, day)))
            after.reset();
        if (sameSet(after, schedule.change(row, day)))
            return std::nullopt;
        return DaySet { schedule.master().cell(0, row), schedule.dates()[day], std::move(after) };
    };

    QSet<std::pair<QString, QDate>> done;
    for (const requests::Cell& cell : cells) {
        const int row = master::findEmployee(schedule.master(), cell.name);
        const int day = schedule.dayOf(cell.date);
        if (row < 0 || row >= schedule.employees() || day < 0 || done.contains({ cell.name, cell.date }))
            continue;
        done.insert({ cell.name, cell.date });
        if (!mayTake(set, cell.name, pattern)) {
            if (!plan.refused.contains(cell.name))
                plan.refused.append(cell.name);
            continue;
        }
        if (const auto s = setOf(row, day, pattern))
            plan.days.append(*s);
        const QDate next = cell.date.addDays(1);
        const int nextDay = schedule.dayOf(next);
        if (follow < 0 || nextDay < 0 || chosen.contains({ cell.name, next }))
            continue;
        if (const auto s = setOf(row, nextDay, follow))
            (schedule.change(row, nextDay) ? plan.replacing : plan.following).append(*s);
    }
    return plan;
}

QList<SetOverlap> overlapsOf(const TFormData& data, const daychanges::DateChoice& choice, const QList<DaySet>& sets)
{
    TFormData after = data;
    for (const DaySet& s : sets) {
        if (s.after)
            after.dayChanges.set(s.name, s.date, *s.after);
        else
            after.dayChanges.remove(s.name, s.date);
    }
    const daychanges::EffectiveSchedule schedule(after, choice);
    QList<SetOverlap> found;
    for (const DaySet& s : sets) {
        const int row = master::findEmployee(schedule.master(), s.name);
        const int day = schedule.dayOf(s.date);
        if (row < 0 || day < 0)
            continue;
        const auto shift = daychanges::shiftOf(schedule.entry(row, day));
        if (!shift)
            continue;
        for (const labour::Overlap& overlap : labour::overlapsAround(schedule, row, s.date, *shift)) {
            const SetOverlap o { s.name, std::max(s.date, overlap.with), overlap.minutes };
            if (!found.contains(o))
                found.append(o);
        }
    }
    return found;
}

} // namespace changes
