// Shared drawing of the scorecard tables.
#include "GridPainting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace GridPainting {

QColor toColor(BgrColour colour)
{
    return QColor(bgrRed(colour), bgrGreen(colour), bgrBlue(colour));
}

int wrappedTextHeight(const QFont &font, const QString &text, int width)
{
    const QFontMetrics metrics(font);
    return metrics.boundingRect(QRect(0, 0, std::max(width, 1), 100000),
                                Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text)
        .height();
}

void drawHeaderCell(QPainter &painter, const QRect &rect, const QString &title,
                    const QFont &font, const QPalette &palette)
{
    painter.fillRect(rect, palette.color(QPalette::Button));
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette.color(QPalette::WindowText));
    const QRect textBox = rect.adjusted(4, 2, 0, 0);
    const QString shown = QFontMetrics(bold).elidedText(title, Qt::ElideRight, textBox.width());
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, shown);

    // Raised edge: white along the left and top, shadow along the bottom and
    // right, one pixel inside.
    const int l = rect.left(), t = rect.top(), r = rect.right() + 1, b = rect.bottom() + 1;
    painter.setPen(Qt::white);
    painter.drawLine(l, b, l, t);
    painter.drawLine(l, t, r, t);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(l + 1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, b - 1, r - 1, t + 1);
}

void drawCentredText(QPainter &painter, const QRect &rect, const QString &text, int topOffset)
{
    const QFontMetrics metrics(painter.font());
    const int x = rect.left() + rect.width() / 2 - metrics.horizontalAdvance(text) / 2;
    painter.drawText(QPoint(x, rect.top() + topOffset + metrics.ascent()), text);
}

} // namespace GridPainting
