#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>

class QTableView;

// How the change window draws its grid (changes::ChangeGrid): a cell's symbol on its background,
// with the finding mark in its upper and the wish's mark in its lower right corner, so that a row
// needs one line of text; a date's header as the day and the weekday, each on a line of its own,
// over "祝" and the mark of short or over hours, so that no column width cuts them.
namespace changes {

class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class DateHeader : public QHeaderView {
public:
    explicit DateHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    // Whether the headers have a third line, small, for "祝" and the mark of short or over hours:
    // when a date of the period has either, so that every header's lines stand at the same height.
    bool hasMarkLine() const;
};

// The smaller font of the marks.
QFont markFont(const QFont& font);

// Sizes the grid's rows to one line of its font, and its columns to the given width but at least
// a symbol and a mark; call it again when the font changes.
void fitCellsToText(QTableView* grid, int columnWidth);

} // namespace changes
