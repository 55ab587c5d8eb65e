// The frame every report page carries (rules, header, footer, title, logo and
// basic information) and the page geometry the tables are laid out in.
#pragma once

#include "PageGeometry.h"

#include <QFont>
#include <QString>

class QPainter;
struct ReportInfo;

// The geometry of an A4 page in `layout` ("A4Portrait" or "A4Landscape") at
// the given resolution; any other layout gives an invalid geometry. Every x
// follows the horizontal resolution and every y the vertical one.
PageGeometry pageGeometry(const QString &layout, int dpiX, int dpiY);

// The report's typeface: a plain sans-serif face, in points at the resolution
// of the painter's device.
QFont reportFont(int pointSize, bool bold = false);

// Draws the frame of page `pageNumber`. Leaves the painter with the basic
// information font in regular style and a white opaque text background.
void DrawPageFrame(QPainter &painter, const PageGeometry &geometry, int pageNumber,
                   const ReportInfo &info);
