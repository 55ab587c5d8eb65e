// Text cells of one scorecard table.
#include "CellTable.h"

CellTable::CellTable(int columnCount, int rowCount) : m_columnCount(columnCount)
{
    setRowCount(rowCount);
}

QString CellTable::cell(int column, int row) const
{
    if (column < 0 || column >= m_columnCount || row < 0 || row >= m_rowCount)
        return {};
    return m_cells[std::size_t(row) * std::size_t(m_columnCount) + std::size_t(column)];
}

void CellTable::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= m_columnCount || row < 0 || row >= m_rowCount)
        return;
    m_cells[std::size_t(row) * std::size_t(m_columnCount) + std::size_t(column)] = text;
}

void CellTable::setRowCount(int rowCount)
{
    m_rowCount = std::max(rowCount, 0);
    m_cells.resize(std::size_t(m_rowCount) * std::size_t(m_columnCount));
}
