// Table layout and drawing of the three report sections.
#include "ReportSections.h"

#include "CellTable.h"
#include "PageFrame.h"
#include "PageSink.h"
#include "ScorecardBasics.h"

#include <QPainter>

#include <climits>
#include <vector>

namespace {

int dots(double inches, int dpi) { return roundHalfEven(inches * dpi); }

QColor fromBgr(BgrColour colour)
{
    return QColor(bgrRed(colour), bgrGreen(colour), bgrBlue(colour));
}

// Red and orange are too dark for black type on paper.
QColor pointsTextColour(int points)
{
    return points == 0 || points == 1 ? QColor(Qt::white) : QColor(Qt::black);
}

struct CellLook
{
    QColor fill;
    QColor text = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// The page's table: where it starts, its columns and the spacing of its cells.
class Table
{
public:
    Table(PageSink &sink, const PageGeometry &geometry, int top, std::vector<int> widths,
          int standardRowHeight)
        : m_sink(sink), m_geometry(geometry), m_top(top), m_widths(std::move(widths)),
          m_rowHeight(standardRowHeight), m_y(top)
    {
        // A little air between the border and the text; none below, where
        // the next row's border follows.
        m_insetX = dots(0.05, geometry.DpiX);
        m_insetTop = dots(0.02, geometry.DpiY);
        m_extraHeight = dots(0.05, geometry.DpiY);
    }

    int y() const { return m_y; }
    int standardRowHeight() const { return m_rowHeight; }
    const PageGeometry &geometry() const { return m_geometry; }

    // The height a row needs so that `text` in `column`, wrapped to the width
    // of its text box, is shown whole. A row that needs more than one line of
    // the box's width (summary) or more than the standard height (breakdown)
    // grows by the extra height on top of its text.
    int wrappedTextHeight(int column, const QString &text, bool bold) const
    {
        QPainter &painter = m_sink.painter();
        painter.setFont(reportFont(8, bold));
        return painter.fontMetrics()
            .boundingRect(QRect(0, 0, textBoxWidth(column), INT_MAX / 2),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
            .height();
    }
    bool fitsOnOneLine(int column, const QString &text, bool bold) const
    {
        QPainter &painter = m_sink.painter();
        painter.setFont(reportFont(8, bold));
        return painter.fontMetrics().horizontalAdvance(text) <= textBoxWidth(column);
    }
    int extraHeight() const { return m_extraHeight; }

    void drawRow(const QStringList &texts, const std::vector<CellLook> &looks, int height,
                 bool bold)
    {
        QPainter &painter = m_sink.painter();
        painter.setFont(reportFont(8, bold));
        // The cell is already filled with the text's background colour.
        painter.setBackgroundMode(Qt::TransparentMode);
        int x = m_geometry.ContentLeft;
        for (std::size_t c = 0; c < m_widths.size(); ++c) {
            const QRect cell(x, m_y, m_widths[c], height);
            const CellLook &look = looks[c];
            painter.fillRect(cell, look.fill);
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));

            const QRect textBox = cell.adjusted(m_insetX, m_insetTop, -m_insetX, 0);
            painter.setClipRect(textBox);
            painter.setPen(look.text);
            painter.drawText(textBox, int(look.alignment | Qt::AlignTop | Qt::TextWordWrap),
                             texts.value(int(c)));
            painter.setClipping(false);
            x += m_widths[c];
        }
        m_y += height;
    }

    // Starts the next page with its frame; the caller draws the header row.
    bool newPage(int pageNumber, const ReportInfo &info)
    {
        if (!m_sink.newPage())
            return false;
        DrawPageFrame(m_sink.painter(), m_geometry, pageNumber, info);
        m_y = m_top;
        return true;
    }

private:
    int textBoxWidth(int column) const { return m_widths[std::size_t(column)] - 2 * m_insetX; }

    PageSink &m_sink;
    PageGeometry m_geometry;
    int m_top;
    std::vector<int> m_widths;
    int m_rowHeight;
    int m_y;
    int m_insetX = 0;
    int m_insetTop = 0;
    int m_extraHeight = 0;
};

QStringList rowTexts(const CellTable &grid, int row, int columns)
{
    QStringList texts;
    for (int c = 0; c < columns; ++c)
        texts.append(grid.cell(c, row));
    return texts;
}

// Sizes given in screen pixels at 96 dots per inch, in printer dots.
int screenPixels(int pixels, int dpi) { return roundHalfEven(double(dpi) * pixels / 96.0); }

PageGeometry startSection(PageSink &sink, const QString &layout, const ReportInfo &info)
{
    const PageGeometry geometry = pageGeometry(layout, sink.dpiX(), sink.dpiY());
    DrawPageFrame(sink.painter(), geometry, 1, info);
    return geometry;
}

} // namespace

int PrintIndicatorsSection(PageSink &sink, const QString &layout, const CellTable &grid,
                           const ReportInfo &info)
{
    const PageGeometry g = startSection(sink, layout, info);
    if (!g.valid)
        return 0;
    // The description column stops as far short of the right margin as the
    // number column is wide.
    const int numberWidth = dots(0.8, g.DpiX);
    Table table(sink, g, dots(3.0, g.DpiY),
                {numberWidth, g.ContentRight - g.ContentLeft - 2 * numberWidth},
                screenPixels(25, g.DpiY));

    const QColor highlight = fromBgr(HighlightColour);
    // Twenty-six short rows always fit above the footer: one page, no break.
    for (int r = 0; r < grid.rowCount(); ++r) {
        const std::vector<CellLook> looks{{highlight, Qt::black, Qt::AlignHCenter},
                                          {r == 0 ? highlight : QColor(Qt::white), Qt::black,
                                           Qt::AlignLeft}};
        table.drawRow(rowTexts(grid, r, 2), looks, table.standardRowHeight(), r == 0);
    }
    return 1;
}

int PrintSummarySection(PageSink &sink, const QString &layout, const CellTable &grid,
                        const ReportInfo &info)
{
    const PageGeometry g = startSection(sink, layout, info);
    if (!g.valid)
        return 0;
    const int widths[4] = {dots(0.6, g.DpiX), dots(4.0, g.DpiX), dots(0.75, g.DpiX),
                           dots(0.75, g.DpiX)};
    const int commentsWidth = g.ContentRight - g.ContentLeft - widths[0] - widths[1] - widths[2]
        - widths[3];
    Table table(sink, g, dots(2.6, g.DpiY),
                {widths[0], widths[1], widths[2], widths[3], commentsWidth},
                screenPixels(15, g.DpiY));

    const QColor highlight = fromBgr(HighlightColour);
    const QColor white(Qt::white);
    const Qt::Alignment alignments[5] = {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignHCenter,
                                         Qt::AlignHCenter, Qt::AlignLeft};
    const auto highlightedRow = [&] {
        std::vector<CellLook> looks;
        for (Qt::Alignment a : alignments)
            looks.push_back({highlight, Qt::black, a});
        return looks;
    };
    const int totalRow = grid.rowCount() - 1;
    const int standard = table.standardRowHeight();

    int pageNumber = 1;
    int rowsOnPage = 0;
    for (int r = 0; r < grid.rowCount(); ++r) {
        const bool bold = r == 0;
        const QString comment = grid.cell(4, r);
        int height = standard;
        if (!table.fitsOnOneLine(4, comment, bold))
            height = std::max(standard, table.wrappedTextHeight(4, comment, bold))
                + table.extraHeight();

        // A page takes no further row once two standard rows no longer fit,
        // nor one that would run into the footer. A row taller than a whole
        // page still goes on a page of its own rather than being dropped.
        const bool full = table.y() + 2 * standard > g.FooterRuleY;
        const bool overruns = rowsOnPage > 0 && table.y() + height > g.FooterRuleY;
        if (r > 0 && (full || overruns)) {
            if (!table.newPage(++pageNumber, info))
                return pageNumber - 1;
            table.drawRow(rowTexts(grid, 0, 5), highlightedRow(), standard, true);
            rowsOnPage = 0;
        }

        std::vector<CellLook> looks;
        if (r == 0 || r == totalRow) {
            looks = highlightedRow();
        } else {
            const int points = cellIntegerValue(grid.cell(3, r));
            looks = {{highlight, Qt::black, alignments[0]},
                     {white, Qt::black, alignments[1]},
                     {highlight, Qt::black, alignments[2]},
                     {fromBgr(pointsColour(points)), pointsTextColour(points), alignments[3]},
                     {white, Qt::black, alignments[4]}};
        }
        table.drawRow(rowTexts(grid, r, 5), looks, height, bold);
        if (r > 0)
            ++rowsOnPage;
    }
    return pageNumber;
}

int PrintBreakdownSection(PageSink &sink, const QString &layout, const CellTable &grid,
                          const ReportInfo &info, bool skipEmptyOptionRows)
{
    const PageGeometry g = startSection(sink, layout, info);
    if (!g.valid)
        return 0;
    const int pointsWidth = dots(0.8, g.DpiX);
    Table table(sink, g, dots(2.8, g.DpiY),
                {g.ContentRight - g.ContentLeft - pointsWidth, pointsWidth},
                screenPixels(20, g.DpiY));

    const QColor highlight = fromBgr(HighlightColour);
    const int standard = table.standardRowHeight();
    const auto drawHeader = [&] {
        table.drawRow(rowTexts(grid, 0, 2),
                      {{highlight, Qt::black, Qt::AlignHCenter},
                       {highlight, Qt::black, Qt::AlignHCenter}},
                      standard, true);
    };
    drawHeader();

    // Thirty rows keep a page of standard rows well clear of the footer.
    constexpr int RowsPerPage = 30;
    int pageNumber = 1;
    int rowsOnPage = 0;
    for (int j = 1; j < grid.rowCount(); ++j) {
        const QString text = grid.cell(0, j);
        const QString points = grid.cell(1, j);
        if (skipEmptyOptionRows && !isHeadingRow(j) && text.isEmpty() && points.isEmpty())
            continue;

        const int wrapped = table.wrappedTextHeight(0, text, false);
        const int height = wrapped > standard ? wrapped + table.extraHeight() : standard;

        if (rowsOnPage == RowsPerPage || (rowsOnPage > 0 && table.y() + height > g.FooterRuleY)) {
            if (!table.newPage(++pageNumber, info))
                return pageNumber - 1;
            drawHeader();
            rowsOnPage = 0;
        }

        std::vector<CellLook> looks;
        if (points.isEmpty()) {
            // An item's heading row.
            looks = {{highlight, Qt::black, Qt::AlignLeft}, {highlight, Qt::black, Qt::AlignHCenter}};
        } else {
            const int value = cellIntegerValue(points);
            looks = {{QColor(Qt::white), Qt::black, Qt::AlignLeft},
                     {fromBgr(pointsColour(value)), pointsTextColour(value), Qt::AlignHCenter}};
        }
        table.drawRow({text, points}, looks, height, false);
        ++rowsOnPage;
    }
    return pageNumber;
}
