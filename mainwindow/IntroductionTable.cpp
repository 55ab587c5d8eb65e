// Painting of the Introduction table.
#include "IntroductionTable.h"

#include "GridPainting.h"
#include "ScorecardDocument.h"

#include <QPainter>

using namespace GridPainting;

IntroductionTable::IntroductionTable(const ScorecardDocument &document, QWidget *parent)
    : StringGrid(document.evaluationGrid(), parent)
{
    m_font.setFamily(QStringLiteral("Verdana"));
    m_font.setPixelSize(11);
    setFont(m_font);
    setColumnWidths({109, 582});
    setDefaultRowHeight(21);
    setFixedRows(1);
}

void IntroductionTable::drawCell(QPainter &painter, int column, int row, const QRect &rect)
{
    EvaluationGridDrawCell(painter, column, row, rect);
}

void IntroductionTable::EvaluationGridDrawCell(QPainter &painter, int column, int row,
                                               const QRect &rect)
{
    const QString text = table().cell(column, row);
    const QFontMetrics metrics(m_font);
    painter.setFont(m_font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.fillRect(rect, Qt::white);
    painter.drawText(QPoint(rect.left() + 2, rect.top() + 2 + metrics.ascent()), text);

    const QColor highlight = toColor(HighlightColour);
    if (row == 0) {
        painter.fillRect(rect, highlight);
        QFont bold = m_font;
        bold.setBold(true);
        painter.setFont(bold);
        drawCentredText(painter, rect, text);
    }
    if (column == 0) {
        painter.fillRect(rect, highlight);
        drawCentredText(painter, rect, text);
    }
}
