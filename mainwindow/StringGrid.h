// A grid of text cells drawn cell by cell by its owner, over one of the
// document's tables: column widths, fixed rows, per-row heights, whole-row
// vertical scrolling and the cell under a point. Row heights are view state.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QHash>
#include <QList>

#include <vector>

class CellTable;

class StringGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    StringGrid(const CellTable &table, QWidget *parent);

    const CellTable &table() const { return m_table; }
    int rowCount() const;
    int columnCount() const { return int(m_columnWidths.size()); }

    // Rows are fitted again to the new widths, as their texts wrap anew.
    void setColumnWidths(const QList<int> &widths);
    int columnWidth(int column) const { return m_columnWidths.value(column); }

    // Setting the default height makes every row that height again.
    void setDefaultRowHeight(int height);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    int rowHeight(int row) const;
    // A height of 0 hides the row.
    void setRowHeight(int row, int height);

    void setFixedRows(int rows) { m_fixedRows = rows; }
    int fixedRows() const { return m_fixedRows; }

    // First scrollable row shown below the fixed rows.
    int topRow() const { return m_topRow; }
    void setTopRow(int row);

    // The rectangle of a cell in viewport coordinates; empty when not shown.
    QRect cellRect(int column, int row) const;
    // The cell under a viewport point; false (and -1, -1) for none.
    bool cellAt(const QPoint &pos, int *column, int *row) const;

    // Called when the table's row count or texts changed.
    virtual void tableChanged();

Q_SIGNALS:
    void topLeftChanged();

protected:
    // Paints one cell; `rect` excludes the grid lines.
    virtual void drawCell(QPainter &painter, int column, int row, const QRect &rect) = 0;
    // Grows rows to fit their texts; called whenever the texts change.
    virtual void fitRowHeights() {}
    // Height of `text` wrapped to `width` in `font`. Remembered per text and
    // width, since a click refits every row but changes only a few texts.
    int wrappedHeight(const QFont &font, const QString &text, int width) const;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

    static constexpr int GridLineWidth = 1;

private:
    void syncRowCount();
    void updateScrollRange();
    int rowTop(int row) const;
    int rowExtent(int row) const;

    const CellTable &m_table;
    mutable QHash<QString, int> m_wrappedHeights;
    mutable QFont m_measuredFont;
    QList<int> m_columnWidths;
    std::vector<int> m_rowHeights;
    int m_defaultRowHeight = 20;
    int m_fixedRows = 1;
    int m_topRow = 1;
};
