#pragma once

#include <QList>
#include <QString>

// A fixed-size table of text cells addressed (column, row) from 0. A blank cell holds the
// empty text; reading outside the table yields the empty text and writing there does nothing.
class Table {
public:
    Table(int columns, int rows);

    int colCount() const { return columns_; }
    int rowCount() const { return rows_; }

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    void clear();
    void clearRow(int row);
    bool isEmpty() const;

    bool operator==(const Table&) const = default;

private:
    bool contains(int column, int row) const { return column >= 0 && column < columns_ && row >= 0 && row < rows_; }

    int columns_;
    int rows_;
    QList<QString> cells_;
};
