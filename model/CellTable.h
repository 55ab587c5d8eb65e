// A table of text cells addressed as (column, row), both from 0; row 0 is the
// table's heading row. The three scorecard tables are made of these.
#pragma once

#include <QString>

#include <vector>

class CellTable
{
public:
    CellTable(int columnCount, int rowCount);

    int columnCount() const { return m_columnCount; }
    int rowCount() const { return m_rowCount; }

    // Cells outside the table read as empty.
    QString cell(int column, int row) const;

    // Writes outside the table are ignored, as a grid ignores them.
    void setCell(int column, int row, const QString &text);

    // Rows added are empty; rows removed lose their texts.
    void setRowCount(int rowCount);

    bool operator==(const CellTable &other) const = default;

private:
    // Row after row in one block: resizing or filling a table costs one
    // allocation, not one per row.
    int m_columnCount;
    int m_rowCount = 0;
    std::vector<QString> m_cells;
};
