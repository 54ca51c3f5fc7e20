#include "data/Table.h"

#include <algorithm>

Table::Table(int columns, int rows)
    : columns_(columns)
    , rows_(rows)
    , cells_(columns * rows)
{
}

QString Table::cell(int column, int row) const
{
    return contains(column, row) ? cells_[row * columns_ + column] : QString();
}

void Table::setCell(int column, int row, const QString& text)
{
    if (contains(column, row))
        cells_[row * columns_ + column] = text;
}

void Table::clear()
{
    std::fill(cells_.begin(), cells_.end(), QString());
}

void Table::clearRow(int row)
{
    for (int c = 0; c < columns_; ++c)
        setCell(c, row, QString());
}

bool Table::isEmpty() const
{
    return std::all_of(cells_.cbegin(), cells_.cend(), [](const QString& s) { return s.isEmpty(); });
}
