// The spider diagram: the four category scores drawn as a radar chart on a
// 500 x 500 picture, and the pure arithmetic of its vertices and text places.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

class QLocale;
class QPainter;
struct Globals;

// Average points per item of each category, on the diagram's 0 to 4 scale.
struct CategoryScores
{
    double financial = 0.0;
    double technical = 0.0;
    double institutional = 0.0;
    double social = 0.0;
};

// The scores the model computed last (ScorecardDocument::ComputeCategoryScores).
CategoryScores categoryScores(const Globals &globals);

// A ring or the data polygon: left, top, right and bottom vertex, then the
// left vertex again to close the outline.
using RadarPolygon = std::array<QPoint, 5>;

struct RadarGeometry
{
    RadarPolygon data;
    std::array<RadarPolygon, 8> rings; // outermost (radius 160) first
};

namespace RadarChart {

// The picture is laid out for a 96 dpi screen: 500 x 500 pixels, centre in
// the middle, a 50-pixel title band at the top.
inline constexpr int ImageSize = 500;
inline constexpr int Centre = 250;
inline constexpr int TitleTop = 25;
// 4 points, the best average, reach 160 pixels: 20 pixels per half point,
// one ring per half point.
inline constexpr int OuterRadius = 160;
inline constexpr int RingStep = 20;
inline constexpr int RingCount = 8;

enum class Category
{
    Financial,
    Technical,
    Institutional,
    Social
};

// The category's caption as the diagram shows it.
QString categoryLabel(Category category);

// Distance of a data vertex from the centre for a score: Round(s / 0.5 x 20),
// held within the outermost ring.
int vertexDistance(double score);

// The diamond with the given vertex distances from the centre.
RadarPolygon diamond(int left, int top, int right, int bottom);

// All nine polygons of the diagram for the given scores.
RadarGeometry radarGeometry(const CategoryScores &scores);

// Top-left corner of a text's cell. Centred texts use Round(width / 2).
int titleLeft(int titleWidth);
QPoint categoryLabelPosition(Category category, QSize textSize);
// A scale label sits 5 pixels right of the vertical axis, centred on the top
// vertex of the ring of radius `ringRadius`.
QPoint scaleLabelPosition(int ringRadius, int textHeight);

// A scale value in general notation with the locale's decimal separator:
// "4", "3.5" or "3,5", ...
QString scaleLabelText(double value, const QLocale &locale);

} // namespace RadarChart

// Draws the whole diagram into the 500 x 500 area at the painter's origin.
void drawRadarChart(QPainter &painter, const CategoryScores &scores, const QString &title,
                    const QLocale &locale);

// Wipes the area to white and draws the title only.
void clearRadarChart(QPainter &painter, const QString &title);

// The diagram as a new 500 x 500 picture.
QImage renderRadarChart(const CategoryScores &scores, const QString &title, const QLocale &locale);
