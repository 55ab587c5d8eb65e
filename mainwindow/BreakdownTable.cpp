// Painting and clicking of the breakdown table.
#include "BreakdownTable.h"

#include "GridPainting.h"
#include "Prompter.h"
#include "ScorecardDocument.h"

#include <QMouseEvent>
#include <QPainter>

using namespace GridPainting;

namespace {

const char *const Titles[] = {"Description", "Points", "Select"};

} // namespace

BreakdownTable::BreakdownTable(ScorecardDocument &document, Prompter &prompter, QWidget *parent)
    : StringGrid(document.breakDownGrid(), parent), m_document(document), m_prompter(prompter)
{
    // The font first: setting the widths fits the rows in it.
    m_font.setFamily(QStringLiteral("Verdana"));
    m_font.setPixelSize(11);
    setFont(m_font);
    setColumnWidths({620, 67, 64});
    setDefaultRowHeight(20);
    setFixedRows(1);
    connect(this, &StringGrid::topLeftChanged, viewport(), qOverload<>(&QWidget::repaint));
}

bool BreakdownTable::isShownRow(int row) const
{
    return row == 0 || isHeadingRow(row) || !m_document.isSmallMunicipality()
        || m_document.isOptionRow(row);
}

void BreakdownTable::fitRowHeights()
{
    // A row grows to its wrapped text plus 5 pixels and never shrinks; heading
    // rows are a fixed 30-pixel band. Text in column 0 is drawn indented, so it
    // is measured at the width it is drawn in.
    for (int r = 0; r < rowCount(); ++r) {
        if (!isShownRow(r)) {
            setRowHeight(r, 0);
            continue;
        }
        if (r > 0 && isHeadingRow(r)) {
            setRowHeight(r, HeadingRowHeight);
            continue;
        }
        for (int c = 0; c < columnCount(); ++c) {
            const QString text = table().cell(c, r);
            if (text.isEmpty())
                continue;
            const int indent = c == 0 ? TextIndent : 0;
            const int needed = wrappedHeight(m_font, text, columnWidth(c) - indent);
            if (rowHeight(r) < needed)
                setRowHeight(r, needed + 5);
        }
    }
}

void BreakdownTable::drawCell(QPainter &painter, int column, int row, const QRect &rect)
{
    BreakDownGridDrawDrawCell(painter, column, row, rect);
}

void BreakdownTable::BreakDownGridDrawDrawCell(QPainter &painter, int column, int row,
                                               const QRect &rect)
{
    const QPalette &pal = palette();
    const QString text = table().cell(column, row);
    const bool heading = row > 0 && isHeadingRow(row);
    painter.setFont(m_font);
    painter.setPen(pal.color(QPalette::WindowText));

    // Wrapped text on white, indented in the description column.
    if (!heading && !text.isEmpty()) {
        painter.fillRect(rect, Qt::white);
        const int indent = column == 0 ? TextIndent : 0;
        painter.drawText(rect.adjusted(indent, 0, 0, 0),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    } else if (!heading) {
        painter.fillRect(rect, Qt::white);
    }

    if (row == 0) {
        QFont headerFont = m_font;
        headerFont.setPointSize(10);
        drawHeaderCell(painter, rect, QLatin1String(Titles[column]), headerFont, pal);
        return;
    }

    const QRect box = GetBtnRect(column, row);
    if (!box.isEmpty())
        drawCheckBox(painter, box, m_document.optionState(row));

    if (column == 1) {
        bool onScale = false;
        const BgrColour fill =
            text.isEmpty() ? WhiteColour : pointsColour(cellIntegerValue(text), &onScale);
        const bool red = !text.isEmpty() && onScale && cellIntegerValue(text) == 0;
        painter.fillRect(rect, toColor(fill));
        painter.setPen(red ? Qt::white : Qt::black);
        drawCentredText(painter, rect, text);
    }

    if (heading) {
        painter.fillRect(rect, pal.color(QPalette::Button));
        QFont bold = m_font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(QColor(255, 0, 0));
        if (column == 2)
            drawCentredText(painter, rect, text, 5);
        else
            painter.drawText(QPoint(rect.left(), rect.top() + 5 + QFontMetrics(bold).ascent()),
                             text);
    }
}

void BreakdownTable::drawCheckBox(QPainter &painter, const QRect &box, int state) const
{
    // A flat check box: a one-pixel frame around the well, a check mark when
    // selected. A state that is neither value is shown greyed and unchecked.
    const bool known = state == OptionSelected || state == OptionUnselected;
    const QPalette &pal = palette();
    painter.fillRect(box, known ? pal.color(QPalette::Base) : pal.color(QPalette::Button));
    painter.setPen(known ? pal.color(QPalette::Shadow) : pal.color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (state == OptionSelected) {
        painter.setPen(QPen(pal.color(QPalette::Text), 1));
        const int x = box.left() + 3, y = box.top() + 5;
        for (int i = 0; i < 3; ++i) {
            painter.drawLine(x, y + i, x + 2, y + 2 + i);
            painter.drawLine(x + 2, y + 2 + i, x + 6, y - 2 + i);
        }
    }
}

QRect BreakdownTable::GetBtnRect(int column, int row) const
{
    if (column != 2 || row < 1)
        return {};
    QRect cell = cellRect(column, row);
    if (cell.isEmpty())
        return {};
    if (cell.height() < defaultRowHeight())
        cell.setBottom(cell.top() + defaultRowHeight() - 1);
    return CalcBtnRect(cell);
}

QRect BreakdownTable::CalcBtnRect(const QRect &cell)
{
    constexpr int M = 4;
    const int width = cell.width();
    const int height = cell.height();
    int left = cell.left() + width / 2 - 6 - M;
    if (left < cell.left())
        left = cell.left();
    left += M;
    const int top = cell.top() + (height - 12) / 2;
    return QRect(left, top, 12, 12);
}

void BreakdownTable::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        BreakDownGridClick(event->position().toPoint());
    event->accept();
}

void BreakdownTable::BreakDownGridClick(const QPoint &pos)
{
    int column = -1;
    int row = -1;
    if (!cellAt(pos, &column, &row) || row < fixedRows())
        return; // presses on the fixed header row are not clicks

    if (!BreakDownClickBusy) {
        BreakDownClickBusy = true;
        QString error;
        const bool ok = column != 2 || m_document.SelectOption(row, &error);
        BreakDownClickBusy = false;
        if (!ok) {
            m_prompter.error(error);
            return;
        }
    }
    viewport()->repaint();
}
