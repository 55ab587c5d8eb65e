// Text cells of one scorecard table.
#include "CellTable.h"

CellTable::CellTable(int columnCount, int rowCount) : m_columnCount(columnCount)
{
    setRowCount(rowCount);
}

QString CellTable::cell(int column, int row) const
{
    if (column < 0 || column >= m_columnCount || row < 0 || row >= rowCount())
        return {};
    return m_rows[std::size_t(row)].at(column);
}

void CellTable::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= m_columnCount || row < 0 || row >= rowCount())
        return;
    m_rows[std::size_t(row)][column] = text;
}

void CellTable::setRowCount(int rowCount)
{
    const auto count = std::size_t(std::max(rowCount, 0));
    m_rows.resize(count);
    for (QStringList &row : m_rows) {
        while (row.size() < m_columnCount)
            row.append(QString());
    }
}
