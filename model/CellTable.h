// A table of text cells addressed as (column, row), both from 0; row 0 is the
// table's heading row. The three scorecard tables are made of these.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CellTable
{
public:
    CellTable(int columnCount, int rowCount);

    int columnCount() const { return m_columnCount; }
    int rowCount() const { return int(m_rows.size()); }

    // Cells outside the table read as empty.
    QString cell(int column, int row) const;

    // Writes outside the table are ignored, as a grid ignores them.
    void setCell(int column, int row, const QString &text);

    // Rows added are empty; rows removed lose their texts.
    void setRowCount(int rowCount);

    bool operator==(const CellTable &other) const = default;

private:
    int m_columnCount;
    std::vector<QStringList> m_rows;
};
