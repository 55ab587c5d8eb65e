// The radar chart of the four category scores: vertex and text arithmetic, and
// the one drawing routine the page, the bitmap file and the command-line tool share.
#include "RadarChart.h"

#include "Globals.h"
#include "ScorecardBasics.h"

#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

using namespace RadarChart;

namespace {

// The chart was designed on a 96 dpi screen with 12 and 9 point fonts; fixing
// the sizes in pixels keeps the picture the same on any device or screen.
constexpr int LabelPixelSize = 16; // 12 pt at 96 dpi
constexpr int ScalePixelSize = 12; // 9 pt at 96 dpi

QFont chartFont(int pixelSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    // Every pixel of the picture is fixed, so no edge may be blended.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Sets up the painter as the chart expects it: black 1-pixel pen, no blending
// and the label font.
void beginChart(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setFont(chartFont(LabelPixelSize));
}

QSize textSize(const QPainter &painter, const QString &text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// Draws `text` with the top-left corner of its cell at `topLeft`; an opaque
// cell is first filled white, so the text blots out the lines beneath it.
void drawTextCell(QPainter &painter, QPoint topLeft, const QString &text, bool opaque)
{
    const QFontMetrics metrics = painter.fontMetrics();
    if (opaque)
        painter.fillRect(QRect(topLeft, textSize(painter, text)), Qt::white);
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
}

void drawTitle(QPainter &painter, const QString &title)
{
    const int width = textSize(painter, title).width();
    drawTextCell(painter, QPoint(titleLeft(width), TitleTop), title, true);
}

void drawPolygon(QPainter &painter, const RadarPolygon &vertices, const QColor &fill)
{
    painter.setBrush(fill);
    painter.drawPolygon(vertices.data(), int(vertices.size()));
}

void fillBackground(QPainter &painter)
{
    painter.fillRect(QRect(0, 0, ImageSize, ImageSize), Qt::white);
}

} // namespace

CategoryScores categoryScores(const Globals &globals)
{
    return {globals.FinancialScore, globals.TechnicalScore, globals.InstitutionalScore,
            globals.SocialScore};
}

namespace RadarChart {

QString categoryLabel(Category category)
{
    switch (category) {
    case Category::Financial:
        return QStringLiteral("Financial");
    case Category::Technical:
        return QStringLiteral("Technical");
    case Category::Institutional:
        return QStringLiteral("Institutional");
    case Category::Social:
        return QStringLiteral("Social");
    }
    return {};
}

int vertexDistance(double score)
{
    // Scores outside 0 to 4 come only from hand-edited files; a vertex past the
    // centre or the outer ring would turn the diamond inside out or leave the chart.
    if (!std::isfinite(score))
        return 0;
    const double scaled = std::clamp(score / 0.5 * RingStep, 0.0, double(OuterRadius));
    return roundHalfEven(scaled);
}

RadarPolygon diamond(int left, int top, int right, int bottom)
{
    return {QPoint(Centre - left, Centre), QPoint(Centre, Centre - top),
            QPoint(Centre + right, Centre), QPoint(Centre, Centre + bottom),
            QPoint(Centre - left, Centre)};
}

RadarGeometry radarGeometry(const CategoryScores &scores)
{
    RadarGeometry geometry;
    geometry.data = diamond(vertexDistance(scores.social), vertexDistance(scores.financial),
                            vertexDistance(scores.technical), vertexDistance(scores.institutional));
    for (int i = 0; i < RingCount; ++i) {
        const int radius = OuterRadius - i * RingStep;
        geometry.rings[std::size_t(i)] = diamond(radius, radius, radius, radius);
    }
    return geometry;
}

int titleLeft(int titleWidth)
{
    return Centre - roundHalfEven(titleWidth / 2.0);
}

QPoint categoryLabelPosition(Category category, QSize textSize)
{
    // Each label keeps a gap from the outer ring: 30 pixels above, 20 below
    // and 20 to either side.
    const int centredLeft = Centre - roundHalfEven(textSize.width() / 2.0);
    const int centredTop = Centre - roundHalfEven(textSize.height() / 2.0);
    switch (category) {
    case Category::Financial:
        return {centredLeft, Centre - OuterRadius - 30};
    case Category::Institutional:
        return {centredLeft, Centre + OuterRadius + 20};
    case Category::Social:
        return {Centre - OuterRadius - 20 - textSize.width(), centredTop};
    case Category::Technical:
        return {Centre + OuterRadius + 20, centredTop};
    }
    return {};
}

QPoint scaleLabelPosition(int ringRadius, int textHeight)
{
    return {Centre + 5, Centre - ringRadius - roundHalfEven(textHeight / 2.0)};
}

QString scaleLabelText(double value, const QLocale &locale)
{
    // Only the separator follows the locale; the digits stay plain, as the
    // scale's values never need grouping.
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

} // namespace RadarChart

void drawRadarChart(QPainter &painter, const CategoryScores &scores, const QString &title,
                    const QLocale &locale)
{
    painter.save();
    fillBackground(painter);
    beginChart(painter);
    drawTitle(painter, title);

    const RadarGeometry geometry = radarGeometry(scores);
    // Outermost first: each smaller ring paints over the inside of the larger,
    // leaving nested outlines.
    for (const RadarPolygon &ring : geometry.rings)
        drawPolygon(painter, ring, Qt::white);

    painter.drawLine(Centre - OuterRadius, Centre, Centre + OuterRadius, Centre);
    painter.drawLine(Centre, Centre - OuterRadius, Centre, Centre + OuterRadius);

    for (Category category :
         {Category::Financial, Category::Institutional, Category::Social, Category::Technical}) {
        const QString label = categoryLabel(category);
        drawTextCell(painter, categoryLabelPosition(category, textSize(painter, label)), label,
                     true);
    }

    drawPolygon(painter, geometry.data, QColor(255, 0, 0));

    painter.setFont(chartFont(ScalePixelSize));
    double value = 4.0;
    for (int radius = OuterRadius; radius > 0; radius -= RingStep, value -= 0.5) {
        const QString label = scaleLabelText(value, locale);
        drawTextCell(painter, scaleLabelPosition(radius, textSize(painter, label).height()), label,
                     false);
    }
    painter.restore();
}

void clearRadarChart(QPainter &painter, const QString &title)
{
    painter.save();
    fillBackground(painter);
    beginChart(painter);
    drawTitle(painter, title);
    painter.restore();
}

QImage renderRadarChart(const CategoryScores &scores, const QString &title, const QLocale &locale)
{
    QImage image(ImageSize, ImageSize, QImage::Format_RGB32);
    QPainter painter(&image);
    drawRadarChart(painter, scores, title, locale);
    painter.end();
    return image;
}
