// Drawing pieces the three scorecard tables share: the raised header cell,
// word-wrapped text measuring and the colour of a points cell on screen.
#pragma once

#include "ScorecardBasics.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;

namespace GridPainting {

QColor toColor(BgrColour colour);

// Height of `text` wrapped at word boundaries to `width` in `font`.
int wrappedTextHeight(const QFont &font, const QString &text, int width);

// A raised button strip with a bold title centred in it.
void drawHeaderCell(QPainter &painter, const QRect &rect, const QString &title,
                    const QFont &font, const QPalette &palette);

// Single-line text centred horizontally at the cell's top (left edge at
// left + width/2 - textWidth/2, as the original layout truncates).
void drawCentredText(QPainter &painter, const QRect &rect, const QString &text, int topOffset = 0);

} // namespace GridPainting
