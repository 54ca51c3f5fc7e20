#include "changes/ChangeGrid.h"

#include "changes/CodeEntry.h"
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "labour/LabourRules.h"
#include "patterns/ShiftPatterns.h"
#include "requests/RequestView.h"
#include "targets/Holidays.h"
#include "targets/TargetLines.h"
#include "views/Calendar.h"
#include "views/ScheduleView.h"

namespace changes {

namespace {

const QString kFindingMark = QStringLiteral("※");

} // namespace

QString GridHeader::text() const
{
    QStringList lines { day, weekday };
    if (holiday || !mark.isEmpty())
        lines << (holiday ? QStringLiteral("祝") : QString()) + mark;
    return lines.join(u'\n');
}

QList<QList<GridCell>> gridCells(const daychanges::EffectiveSchedule& schedule, const TFormData& data,
    const QSet<std::pair<QString, QDate>>& proposal)
{
    const labour::CellFindings findings(schedule, labour::rulesOf(data));
    const int days = static_cast<int>(schedule.dates().size());
    QList<QList<GridCell>> rows;
    for (int row = 0; row < schedule.employees(); ++row) {
        const QString name = schedule.master().cell(0, row);
        QList<GridCell>& cells = rows.emplaceBack();
        for (int day = 0; day < days; ++day) {
            const DayEntry entry = schedule.entry(row, day);
            GridCell& cell = cells.emplaceBack();
            cell.symbol = scheduleview::symbolOf(entry.attribute);
            QStringList tip { QStringLiteral("標準：") + entryText(schedule.standard(row, day)) };
            QStringList notes;
            QString named; // the pattern the day names, for the tip and the description
            if (!data.shiftPatterns.isEmpty()) {
                if (const daychanges::RosterDay roster = schedule.day(row, day); roster.pattern >= 0) {
                    const patterns::Pattern& p = data.shiftPatterns.patterns[roster.pattern];
                    cell.symbol = p.code;
                    cell.colour = p.colour;
                    cell.lightInk = inkOn(p.colour) == Ink::Light;
                    named = p.code + QStringLiteral("　") + p.name
                        + (p.isWorking() ? QStringLiteral("　") + patterns::timesText(p) : QString());
                    tip.prepend(named);
                }
            }
            QStringList words { cell.symbol };
            if (proposal.contains({ name, schedule.dates()[day] })) {
                cell.proposed = true;
                words << QStringLiteral("案");
                notes << QStringLiteral("勤務案：") + entryText(entry);
                tip << QStringLiteral("勤務案：") + entryText(entry);
            } else if (entry.changed) {
                cell.changed = true;
                notes << QStringLiteral("勤務変更あり");
                tip << QStringLiteral("変更：") + entryText(entry);
            }
            if (const auto wish = requests::cellWish(schedule, data.staffRequests, row, day)) {
                cell.wishMark = requests::markText(*wish);
                cell.against = wish->against;
                words << cell.wishMark;
                notes += requests::cellNotes(*wish);
                tip += requests::cellNotes(*wish);
            }
            if (const QStringList found = findings.at(row, day); !found.isEmpty()) {
                cell.finding = true;
                words << kFindingMark;
                notes += found;
                tip += found;
            }
            if (!schedule.isPlanned(day)) {
                cell.locked = true;
                const QString lock = schedule.isPast(day)
                    ? QStringLiteral("確定済み（過去の日．変更できません）")
                    : QStringLiteral("計画前（次の期間より後の日．変更できません）");
                notes.prepend(lock);
                tip.prepend(lock);
            }
            cell.toolTip = tip.join(u'\n');
            if (!named.isEmpty())
                notes << named;
            cell.description = notes.join(u'\n');
            if (words.size() > 1)
                cell.accessibleText = words.join(u' ');
        }
    }
    return rows;
}

QList<GridHeader> gridHeaders(const daychanges::EffectiveSchedule& schedule, const TFormData& data)
{
    const QList<targets::DayMark> marks = targets::dayMarks(data.staffTargets, schedule);
    QList<GridHeader> headers;
    for (int day = 0; day < schedule.dates().size(); ++day) {
        const QDate date = schedule.dates()[day];
        GridHeader& header = headers.emplaceBack();
        header.day = QString::number(date.day());
        header.weekday = views::weekdayKanji(schedule.weekdayCode(day));
        header.holiday = holidays::isNationalHoliday(date);
        header.mark = marks[day].mark;
        header.description = marks[day].description;
        if (header.holiday)
            header.description.prepend(
                header.description.isEmpty() ? QStringLiteral("祝日") : QStringLiteral("祝日\n"));
    }
    return headers;
}

void ChangeGrid::refresh(const daychanges::EffectiveSchedule& schedule, const TFormData& data,
    const QSet<std::pair<QString, QDate>>& proposal)
{
    QStringList names;
    for (int row = 0; row < schedule.employees(); ++row)
        names << schedule.master().cell(0, row);
    QList<QList<GridCell>> cells = gridCells(schedule, data, proposal);
    QList<GridHeader> headers = gridHeaders(schedule, data);
    const bool sameShape = names.size() == names_.size() && schedule.dates().size() == dates_.size();
    if (!sameShape)
        beginResetModel();
    names_ = std::move(names);
    dates_ = schedule.dates();
    cells_ = std::move(cells);
    headers_ = std::move(headers);
    if (!sameShape) {
        endResetModel();
        return;
    }
    if (!cells_.isEmpty() && !dates_.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    if (!names_.isEmpty())
        Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    if (!dates_.isEmpty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int ChangeGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int ChangeGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(dates_.size());
}

QVariant ChangeGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const GridCell& c = cells_[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return c.symbol;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ToolTipRole:
        return c.toolTip;
    case Qt::AccessibleTextRole:
        return c.accessibleText.isEmpty() ? QVariant() : c.accessibleText;
    case Qt::AccessibleDescriptionRole:
        return c.description.isEmpty() ? QVariant() : c.description;
    case ChangedRole:
        return c.changed;
    case ProposedRole:
        return c.proposed;
    case WishMarkRole:
        return c.wishMark;
    case AgainstRole:
        return c.against;
    case FindingRole:
        return c.finding;
    case ColourRole:
        return c.colour;
    case LightInkRole:
        return c.lightInk;
    case LockedRole:
        return c.locked;
    default:
        return {};
    }
}

QVariant ChangeGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= names_.size())
            return {};
        return role == Qt::DisplayRole ? QVariant(names_[section]) : QVariant();
    }
    if (section < 0 || section >= headers_.size())
        return {};
    const GridHeader& h = headers_[section];
    switch (role) {
    case Qt::DisplayRole:
        return h.text();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return h.description.isEmpty() ? QVariant() : h.description;
    case DayRole:
        return h.day;
    case WeekdayRole:
        return h.weekday;
    case HolidayRole:
        return h.holiday;
    case MarkRole:
        return h.mark;
    default:
        return {};
    }
}

} // namespace changes
