// Cell geometry, scrolling and painting order of the owner-drawn grids.
#include "StringGrid.h"

#include "CellTable.h"
#include "GridPainting.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

StringGrid::StringGrid(const CellTable &table, QWidget *parent)
    : QAbstractScrollArea(parent), m_table(table)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);
    syncRowCount();
}

int StringGrid::rowCount() const { return m_table.rowCount(); }

void StringGrid::setColumnWidths(const QList<int> &widths)
{
    m_columnWidths = widths;
    fitRowHeights();
    viewport()->update();
}

void StringGrid::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = height;
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), height);
    updateScrollRange();
    viewport()->update();
}

int StringGrid::rowHeight(int row) const
{
    if (row < 0 || row >= int(m_rowHeights.size()))
        return m_defaultRowHeight;
    return m_rowHeights[std::size_t(row)];
}

void StringGrid::setRowHeight(int row, int height)
{
    if (row < 0 || row >= int(m_rowHeights.size()) || m_rowHeights[std::size_t(row)] == height)
        return;
    m_rowHeights[std::size_t(row)] = height;
    updateScrollRange();
    viewport()->update();
}

int StringGrid::wrappedHeight(const QFont &font, const QString &text, int width) const
{
    if (font != m_measuredFont) {
        m_wrappedHeights.clear();
        m_measuredFont = font;
    }
    const QString key = QString::number(width) + QLatin1Char('|') + text;
    auto it = m_wrappedHeights.constFind(key);
    if (it == m_wrappedHeights.constEnd())
        it = m_wrappedHeights.insert(key, GridPainting::wrappedTextHeight(font, text, width));
    return it.value();
}

void StringGrid::syncRowCount()
{
    m_rowHeights.resize(std::size_t(std::max(m_table.rowCount(), 0)), m_defaultRowHeight);
}

void StringGrid::tableChanged()
{
    syncRowCount();
    fitRowHeights();
    updateScrollRange();
    viewport()->update();
}

void StringGrid::setTopRow(int row)
{
    verticalScrollBar()->setValue(row - m_fixedRows);
}

int StringGrid::rowExtent(int row) const
{
    // A row of height 0 is hidden: it takes no room, not even a grid line.
    const int h = rowHeight(row);
    return h > 0 ? h + GridLineWidth : 0;
}

int StringGrid::rowTop(int row) const
{
    // Fixed rows stay at the top; scrollable rows start below them at topRow.
    int y = 0;
    if (row < m_fixedRows) {
        for (int r = 0; r < row; ++r)
            y += rowExtent(r);
        return y;
    }
    for (int r = 0; r < m_fixedRows; ++r)
        y += rowExtent(r);
    if (row < m_topRow)
        return -1;
    for (int r = m_topRow; r < row; ++r)
        y += rowExtent(r);
    return y;
}

QRect StringGrid::cellRect(int column, int row) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount())
        return {};
    const int top = rowTop(row);
    if (top < 0 || top >= viewport()->height() || rowHeight(row) <= 0)
        return {};
    int left = 0;
    for (int c = 0; c < column; ++c)
        left += m_columnWidths.at(c) + GridLineWidth;
    return QRect(left, top, m_columnWidths.at(column), rowHeight(row));
}

bool StringGrid::cellAt(const QPoint &pos, int *column, int *row) const
{
    *column = -1;
    *row = -1;
    int left = 0;
    for (int c = 0; c < columnCount(); ++c) {
        if (pos.x() >= left && pos.x() < left + m_columnWidths.at(c) + GridLineWidth) {
            *column = c;
            break;
        }
        left += m_columnWidths.at(c) + GridLineWidth;
    }
    int y = 0;
    auto hit = [&](int r) {
        const int h = rowExtent(r);
        if (pos.y() >= y && pos.y() < y + h)
            return true;
        y += h;
        return false;
    };
    for (int r = 0; r < std::min(m_fixedRows, rowCount()) && *row < 0; ++r) {
        if (hit(r))
            *row = r;
    }
    for (int r = m_topRow; r < rowCount() && *row < 0 && y < viewport()->height(); ++r) {
        if (hit(r))
            *row = r;
    }
    if (*column < 0 || *row < 0) {
        *column = -1;
        *row = -1;
        return false;
    }
    return true;
}

void StringGrid::updateScrollRange()
{
    // The last row may scroll up until it is the bottom row of the view.
    int fixedHeight = 0;
    for (int r = 0; r < std::min(m_fixedRows, rowCount()); ++r)
        fixedHeight += rowExtent(r);
    const int room = viewport()->height() - fixedHeight;
    int top = rowCount();
    int used = 0;
    while (top > m_fixedRows) {
        const int h = rowExtent(top - 1);
        if (used + h > room)
            break;
        used += h;
        --top;
    }
    const int maximum = std::max(0, std::min(top, rowCount() - 1) - m_fixedRows);
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, maximum);
    bar->setPageStep(std::max(1, rowCount() - m_fixedRows - maximum));
    m_topRow = m_fixedRows + bar->value();
}

void StringGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void StringGrid::scrollContentsBy(int, int)
{
    const int top = m_fixedRows + verticalScrollBar()->value();
    if (top == m_topRow)
        return;
    m_topRow = top;
    viewport()->update();
    Q_EMIT topLeftChanged();
}

void StringGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QColor lineColour = palette().color(QPalette::Mid);
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));

    auto paintRow = [&](int r) {
        const QRect first = cellRect(0, r);
        if (first.isEmpty())
            return false;
        int right = 0;
        for (int c = 0; c < columnCount(); ++c) {
            const QRect rect = cellRect(c, r);
            painter.save();
            painter.setClipRect(rect);
            drawCell(painter, c, r, rect);
            painter.restore();
            painter.fillRect(QRect(rect.right() + 1, rect.top(), GridLineWidth,
                                   rect.height() + GridLineWidth),
                             lineColour);
            right = rect.right() + GridLineWidth;
        }
        painter.fillRect(QRect(0, first.bottom() + 1, right + 1, GridLineWidth), lineColour);
        return true;
    };
    for (int r = 0; r < std::min(m_fixedRows, rowCount()); ++r) {
        if (rowHeight(r) > 0)
            paintRow(r);
    }
    for (int r = m_topRow; r < rowCount(); ++r) {
        if (rowHeight(r) > 0 && !paintRow(r))
            break;
    }
}
