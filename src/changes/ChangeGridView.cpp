#include "changes/ChangeGridView.h"

#include "changes/ChangeGrid.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

namespace changes {

namespace {

const QColor kChangedBackground(255, 226, 170);
const QColor kProposalBackground(214, 240, 214);
const QColor kLockedShade(96, 96, 96, 72);
const QColor kProposalFrame(0, 110, 0);
const QColor kWishBand(205, 228, 255); // under the mark of a wish
const QColor kAgainstBand(255, 205, 214); // under the mark of a wish the entry goes against
const QColor kFindingText(176, 0, 0);
const QColor kSundayText(192, 0, 0); // Sundays and holidays in red, Saturdays in blue, as calendars do
const QColor kSaturdayText(0, 64, 192);
const QString kFindingMark = QStringLiteral("※");
const QString kWideSample = QStringLiteral("〇");
const QColor kDarkInk(0, 0, 0);
const QColor kLightInk(255, 255, 255);

// The width of the marks' column at the right of a cell.
int markWidth(const QFont& font)
{
    return QFontMetrics(markFont(font)).horizontalAdvance(kWideSample);
}

} // namespace

QFont markFont(const QFont& font)
{
    QFont small = font;
    small.setBold(false);
    small.setUnderline(false);
    if (font.pointSizeF() > 0)
        small.setPointSizeF(font.pointSizeF() * 0.7);
    else
        small.setPixelSize(std::max(1, font.pixelSize() * 7 / 10));
    return small;
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString symbol = item.text;
    item.text.clear();
    const bool proposed = index.data(ProposedRole).toBool();
    const bool changed = index.data(ChangedRole).toBool();
    // A code stands on its pattern's colour; a change is then told by its weight and underline,
    // a proposal by its frame.
    const QString colour = index.data(ColourRole).toString();
    if (!colour.isEmpty())
        item.backgroundBrush = QColor::fromString(colour);
    else if (proposed)
        item.backgroundBrush = kProposalBackground;
    else if (changed)
        item.backgroundBrush = kChangedBackground;
    const QWidget* widget = item.widget;
    (widget ? widget->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    // A day that is not planned is shaded over whatever it shows.
    if (index.data(LockedRole).toBool())
        painter->fillRect(item.rect, kLockedShade);

    const bool selected = item.state & QStyle::State_Selected;
    const QColor ink = index.data(LightInkRole).toBool() ? kLightInk : kDarkInk;
    const QColor text = selected ? item.palette.color(QPalette::HighlightedText)
        : colour.isEmpty()       ? item.palette.color(QPalette::Text)
                                 : ink;
    const QString wish = index.data(WishMarkRole).toString();
    const bool finding = index.data(FindingRole).toBool();
    const QRect cell = item.rect;
    const int marks = wish.isEmpty() && !finding ? 0 : std::min(cell.width() / 2, markWidth(item.font));
    const QRect symbolRect = cell.adjusted(0, 0, -marks, 0);
    const QRect upper(symbolRect.right() + 1, cell.top(), marks, cell.height() / 2);
    const QRect lower(upper.left(), upper.bottom() + 1, marks, cell.height() - upper.height());

    painter->save();
    QFont font = item.font;
    // A day change is marked by weight and underline as well as by colour.
    font.setBold(changed && !proposed);
    font.setUnderline(changed && !proposed);
    painter->setFont(font);
    painter->setPen(text);
    painter->drawText(symbolRect, Qt::AlignCenter, symbol);
    painter->setFont(markFont(item.font));
    if (finding) {
        painter->setPen(selected ? text : kFindingText);
        painter->drawText(upper, Qt::AlignCenter, kFindingMark);
    }
    if (!wish.isEmpty()) {
        if (!selected)
            painter->fillRect(lower, index.data(AgainstRole).toBool() ? kAgainstBand : kWishBand);
        painter->setPen(text);
        painter->drawText(lower, Qt::AlignCenter, wish);
    }
    if (proposed) {
        // A proposed day has a dashed frame, so that it is told apart also without colour.
        painter->setPen(QPen(kProposalFrame, 1, Qt::DashLine));
        painter->drawRect(cell.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}

QString codeStyle(const QString& colour)
{
    return QStringLiteral("background-color: %1; color: %2; border: 1px solid #808080; padding: 1px 4px;")
        .arg(colour, inkOn(colour) == Ink::Light ? QStringLiteral("#FFFFFF") : QStringLiteral("#000000"));
}

CodeLegend::CodeLegend(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addStretch();
}

void CodeLegend::setItems(const QList<LegendItem>& items)
{
    qDeleteAll(buttons_);
    buttons_.clear();
    auto* row = static_cast<QHBoxLayout*>(layout());
    for (const LegendItem& item : items) {
        auto* button = new QToolButton(this);
        button->setText(item.text);
        button->setAccessibleName(item.text);
        button->setAccessibleDescription(item.description);
        button->setToolTip(item.description);
        button->setStyleSheet(codeStyle(item.colour));
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QToolButton::clicked, this, [this, pattern = item.pattern] { Q_EMIT chosen(pattern); });
        row->insertWidget(static_cast<int>(buttons_.size()), button);
        buttons_.append(button);
    }
}

DateHeader::DateHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(true);
}

bool DateHeader::hasMarkLine() const
{
    for (int section = 0; section < count(); ++section)
        if (model()->headerData(section, Qt::Horizontal, HolidayRole).toBool()
            || !model()->headerData(section, Qt::Horizontal, MarkRole).toString().isEmpty())
            return true;
    return false;
}

QSize DateHeader::sectionSizeFromContents(int logicalIndex) const
{
    const QFontMetrics normal(font());
    const QFontMetrics small(markFont(font()));
    const int height = 2 * normal.height() + (hasMarkLine() ? small.height() : 0) + 6;
    const QString day = model()->headerData(logicalIndex, Qt::Horizontal, DayRole).toString();
    const int width = std::max(normal.horizontalAdvance(day), normal.horizontalAdvance(kWideSample)) + 4;
    return { width, height };
}

void DateHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    // The frame and the selection's highlight as the style draws them, without the text.
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    if (selectionModel() && selectionModel()->columnIntersectsSelection(logicalIndex, rootIndex()))
        option.state |= QStyle::State_On;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

    const QAbstractItemModel* m = model();
    const QString weekday = m->headerData(logicalIndex, Qt::Horizontal, WeekdayRole).toString();
    const bool holiday = m->headerData(logicalIndex, Qt::Horizontal, HolidayRole).toBool();
    const QString mark = m->headerData(logicalIndex, Qt::Horizontal, MarkRole).toString();
    const QColor text = palette().color(QPalette::ButtonText);
    const QColor dayColour = holiday || weekday == QStringLiteral("日") ? kSundayText
        : weekday == QStringLiteral("土")                               ? kSaturdayText
                                                                        : text;
    const QFontMetrics normal(font());
    const QFontMetrics small(markFont(font()));
    QRect line(rect.left(), rect.top() + 3, rect.width(), normal.height());

    painter->save();
    painter->setFont(font());
    painter->setPen(text);
    painter->drawText(line, Qt::AlignCenter, m->headerData(logicalIndex, Qt::Horizontal, DayRole).toString());
    line.translate(0, normal.height());
    painter->setPen(dayColour);
    painter->drawText(line, Qt::AlignCenter, weekday);
    line.translate(0, normal.height());
    line.setHeight(small.height());
    painter->setFont(markFont(font()));
    painter->setPen(text);
    painter->drawText(line, Qt::AlignCenter, (holiday ? QStringLiteral("祝") : QString()) + mark);
    painter->restore();
}

void fitCellsToText(QTableView* grid, int columnWidth)
{
    const QFont font = grid->font();
    const QFontMetrics normal(font);
    QFont bold = font;
    bold.setBold(true);
    const int symbol = QFontMetrics(bold).horizontalAdvance(kWideSample);
    const int width = std::max(columnWidth, symbol + markWidth(font) + 2);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(width);
    grid->horizontalHeader()->setDefaultSectionSize(width);
    // The ink of the tallest symbols and a little air: the font's line height would leave most of
    // a row empty and keep thirty employees out of a maximised window.
    const int ink = normal.tightBoundingRect(QStringLiteral("〇国Ag")).height();
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(ink + 6);
}

} // namespace changes
