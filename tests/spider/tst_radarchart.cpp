// Tests of the radar chart: vertex arithmetic, text placement, the pixels of
// the drawn picture and the category scores that feed it.
#include "Catalogue.h"
#include "RadarChart.h"
#include "ScorecardDocument.h"
#include "ScorecardFileContents.h"

#include <QLocale>
#include <QPainter>
#include <QTest>

using namespace RadarChart;

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Picks, for every item, the answer option worth the given points, as the
// assessor would by clicking, and computes the diagram's scores.
CategoryScores bigScorecardScores(ScorecardDocument &document, const QList<int> &points)
{
    document.setScorecardVariant(QString::fromLatin1(BigMunicipality));
    document.FillNewScorecard();
    const auto items = bigMunicipalityCatalogue().items;
    for (int k = 1; k <= int(items.size()); ++k) {
        const auto options = items[std::size_t(k - 1)].answerOptions();
        for (int j = 0; j < int(options.size()); ++j) {
            if (options[std::size_t(j)].points == points.at(k - 1))
                document.SelectOption(firstOptionRow(k) + j);
        }
    }
    document.refreshSummary();
    document.ComputeCategoryScores();
    return categoryScores(document.globals());
}

// Item points by item number; the items not named are worth 0.
QList<int> itemPoints(int itemCount, std::initializer_list<std::pair<int, int>> points)
{
    QList<int> list(itemCount, 0);
    for (const auto &[item, value] : points)
        list[item - 1] = value;
    return list;
}

// The smallest rectangle holding every non-white pixel of `area`; empty when
// the area is blank.
QRect inkBox(const QImage &image, const QRect &area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != White)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}

QString colourName(QRgb colour)
{
    return QColor(colour).name();
}

} // namespace

class TestRadarChart final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataPolygon_data();
    void dataPolygon();
    void ringsAndAxes();
    void categoryLabels();
    void titleLeft_data();
    void titleLeft();
    void title_data();
    void title();
    void clearKeepsOnlyTheTitle();
    void scaleLabelText_data();
    void scaleLabelText();
    void decimalCommaReachesTheScaleLabels();
    void scoresOutsideTheScaleStayOnTheChart_data();
    void scoresOutsideTheScaleStayOnTheChart();
    void smallScorecardScores_data();
    void smallScorecardScores();
};

void TestRadarChart::dataPolygon_data()
{
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<QPoint>("left");
    QTest::addColumn<QPoint>("top");
    QTest::addColumn<QPoint>("right");
    QTest::addColumn<QPoint>("bottom");

    const QPoint centre(250, 250);
    QTest::newRow("all items at 0 points: every vertex at the centre")
        << QList<int>(25, 0) << centre << centre << centre << centre;
    QTest::newRow("all items at 4 points: the polygon on the outer ring")
        << QList<int>(25, 4) << QPoint(90, 250) << QPoint(250, 90) << QPoint(410, 250)
        << QPoint(250, 410);
    // Financial 4+4+4+4 (items 1, 5, 8, 15) + 4+4+4 (3, 4, 7) + 1 (9) = 29:
    // 2.9 points, 116 pixels up. Items 3, 4, 7 and 9 count in Technical too:
    // 13 / 14 points, Round(37.14) = 37 pixels right.
    QTest::newRow("financial items summing to 29: top vertex at (250, 134)")
        << itemPoints(25, {{1, 4}, {5, 4}, {8, 4}, {15, 4}, {3, 4}, {4, 4}, {7, 4}, {9, 1}})
        << centre << QPoint(250, 134) << QPoint(287, 250) << centre;
    // Technical 7 x 4 (items 2, 6, 12, 13, 16, 17, 18) + 3 (11) = 31:
    // Round(88.57) = 89 pixels. Item 11 also counts in Institutional: 3 / 3 points.
    QTest::newRow("technical items summing to 31: right vertex at (339, 250)")
        << itemPoints(25, {{2, 4}, {6, 4}, {12, 4}, {13, 4}, {16, 4}, {17, 4}, {18, 4}, {11, 3}})
        << centre << centre << QPoint(339, 250) << QPoint(250, 290);
    // Institutional 1 / 3 points: Round(13.33) = 13. Social 7 / 5 = 1.4 points: 56.
    QTest::newRow("institutional items summing to 1: bottom vertex at (250, 263)")
        << itemPoints(25, {{19, 1}, {21, 4}, {22, 3}}) << QPoint(194, 250) << centre << centre
        << QPoint(250, 263);
}

void TestRadarChart::dataPolygon()
{
    QFETCH(QList<int>, points);
    QFETCH(QPoint, left);
    QFETCH(QPoint, top);
    QFETCH(QPoint, right);
    QFETCH(QPoint, bottom);

    ScorecardDocument document;
    const CategoryScores scores = bigScorecardScores(document, points);
    const RadarGeometry geometry = radarGeometry(scores);
    QCOMPARE(geometry.data[0], left);
    QCOMPARE(geometry.data[1], top);
    QCOMPARE(geometry.data[2], right);
    QCOMPARE(geometry.data[3], bottom);
    QCOMPARE(geometry.data[4], left);

    const QImage image = renderRadarChart(scores, QStringLiteral("Test"), QLocale::c());
    QCOMPARE(image.size(), QSize(500, 500));

    const QPoint centre(250, 250);
    const bool flat = left.x() == right.x() || top.y() == bottom.y();
    if (flat) {
        QCOMPARE(countPixels(image, Red), 0);
    } else {
        // The average of the vertices lies inside the red polygon.
        const QPoint inside = (left + top + right + bottom) / 4;
        QCOMPARE(colourName(image.pixel(inside)), colourName(Red));
    }
    for (const QPoint &vertex : {left, top, right, bottom}) {
        if (vertex == centre)
            continue;
        // The outline passes through the vertex; two pixels further out the
        // red has ended.
        QCOMPARE(colourName(image.pixel(vertex)), colourName(Black));
        const QPoint outward = vertex + (vertex - centre) / (vertex - centre).manhattanLength() * 2;
        QVERIFY2(image.pixel(outward) != Red,
                 qPrintable(QStringLiteral("red at (%1, %2)").arg(outward.x()).arg(outward.y())));
    }
}

void TestRadarChart::ringsAndAxes()
{
    const RadarGeometry geometry = radarGeometry(CategoryScores{});
    QCOMPARE(geometry.rings.front()[0], QPoint(90, 250));
    QCOMPARE(geometry.rings.front()[1], QPoint(250, 90));
    QCOMPARE(geometry.rings.back()[2], QPoint(270, 250));
    QCOMPARE(geometry.rings.back()[3], QPoint(250, 270));

    const QImage image = renderRadarChart(CategoryScores{}, QString(), QLocale::c());
    // The axes end on the outer ring.
    for (const QPoint &end : {QPoint(90, 250), QPoint(410, 250), QPoint(250, 90), QPoint(250, 410)})
        QCOMPARE(colourName(image.pixel(end)), colourName(Black));
    QCOMPARE(colourName(image.pixel(89, 250)), colourName(White));
    QCOMPARE(colourName(image.pixel(250, 411)), colourName(White));

    // Eight nested outlines, 20 pixels apart, white between them. Probes sit in
    // the lower-left quarter, away from the axes and the scale labels.
    for (int radius = 160; radius >= 20; radius -= 20) {
        const QPoint onRing(250 - radius + 8, 250 + 8);
        const QPoint betweenRings(250 - radius + 12, 250 + 8);
        QCOMPARE(colourName(image.pixel(onRing)), colourName(Black));
        QCOMPARE(colourName(image.pixel(betweenRings)), colourName(White));
    }
    QCOMPARE(colourName(image.pixel(100, 140)), colourName(White)); // outside the rings
}

void TestRadarChart::categoryLabels()
{
    const QImage image = renderRadarChart(CategoryScores{}, QString(), QLocale::c());

    // Financial: centred on the vertical axis, starting at y = 60 (the band
    // ends above the scale label "4").
    const QRect financial = inkBox(image, QRect(0, 50, 500, 32));
    QVERIFY(!financial.isEmpty());
    QVERIFY2(qAbs(financial.left() + financial.right() - 500) <= 3, "Financial not centred");
    QVERIFY(financial.top() >= 60);
    QVERIFY(financial.bottom() < 80);

    // Institutional: centred, starting at y = 430.
    const QRect institutional = inkBox(image, QRect(0, 412, 500, 88));
    QVERIFY(!institutional.isEmpty());
    QVERIFY2(qAbs(institutional.left() + institutional.right() - 500) <= 3,
             "Institutional not centred");
    QVERIFY(institutional.top() >= 430);
    QVERIFY(institutional.bottom() < 450);

    // Social: its right edge at x = 70, centred on the horizontal axis.
    const QRect social = inkBox(image, QRect(0, 200, 89, 100));
    QVERIFY(!social.isEmpty());
    QVERIFY(social.right() < 70);
    QVERIFY(social.right() >= 66);
    QVERIFY2(qAbs(social.top() + social.bottom() - 500) <= 8, "Social not centred");

    // Technical: from x = 430, centred on the horizontal axis.
    const QRect technical = inkBox(image, QRect(411, 200, 89, 100));
    QVERIFY(!technical.isEmpty());
    QVERIFY(technical.left() >= 430);
    QVERIFY(technical.left() <= 433);
    QVERIFY2(qAbs(technical.top() + technical.bottom() - 500) <= 8, "Technical not centred");

    QCOMPARE(categoryLabelPosition(Category::Social, QSize(41, 19)), QPoint(29, 240));
    QCOMPARE(categoryLabelPosition(Category::Technical, QSize(60, 18)), QPoint(430, 241));
    QCOMPARE(categoryLabelPosition(Category::Financial, QSize(61, 18)), QPoint(220, 60));
    QCOMPARE(categoryLabelPosition(Category::Institutional, QSize(87, 18)), QPoint(206, 430));
    QCOMPARE(scaleLabelPosition(160, 15), QPoint(255, 82));
    QCOMPARE(scaleLabelPosition(140, 13), QPoint(255, 104));
}

void TestRadarChart::titleLeft_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("left");

    QTest::newRow("even width 100") << 100 << 200;
    QTest::newRow("odd width 101: half 50.5 rounds down to even") << 101 << 200;
    QTest::newRow("odd width 103: half 51.5 rounds up to even") << 103 << 198;
    QTest::newRow("empty title") << 0 << 250;
    QTest::newRow("wider than the picture: starts left of it") << 603 << -52;
}

void TestRadarChart::titleLeft()
{
    QFETCH(int, width);
    QFETCH(int, left);
    QCOMPARE(RadarChart::titleLeft(width), left);
}

void TestRadarChart::title_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("cutOff");

    QTest::newRow("empty title draws nothing") << QString() << false;
    QTest::newRow("a name centred on the vertical axis")
        << QStringLiteral("Kleinrivier Water Services") << false;
    QTest::newRow("a name wider than the picture is cut off at both edges")
        << QStringLiteral("Greater Hollowfield and Surrounding Districts Local Municipality "
                          "Water Services Authority")
        << true;
}

void TestRadarChart::title()
{
    QFETCH(QString, title);
    QFETCH(bool, cutOff);

    const QImage image = renderRadarChart(CategoryScores{}, title, QLocale::c());
    const QRect band(0, 0, 500, 50);
    const QRect ink = inkBox(image, band);
    if (title.isEmpty()) {
        QCOMPARE(ink, QRect());
        return;
    }
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.top() >= 25);
    QVERIFY(ink.bottom() < 50);
    if (cutOff) {
        QCOMPARE(ink.left(), 0);
        QCOMPARE(ink.right(), 499);
    } else {
        QVERIFY2(qAbs(ink.left() + ink.right() - 500) <= 3,
                 qPrintable(QStringLiteral("ink from %1 to %2").arg(ink.left()).arg(ink.right())));
    }
}

void TestRadarChart::clearKeepsOnlyTheTitle()
{
    const QString title = QStringLiteral("Kleinrivier Water Services");
    const QImage full = renderRadarChart(CategoryScores{4, 4, 4, 4}, title, QLocale::c());

    // Start from the full picture, as the page does when it is wiped.
    QImage wiped = full;
    QPainter painter(&wiped);
    clearRadarChart(painter, title);
    painter.end();

    QCOMPARE(wiped.copy(0, 0, 500, 50), full.copy(0, 0, 500, 50));
    QCOMPARE(inkBox(wiped, QRect(0, 50, 500, 450)), QRect());
}

void TestRadarChart::scaleLabelText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("whole number without decimals") << 4.0 << english << QStringLiteral("4");
    QTest::newRow("half with a decimal point") << 3.5 << english << QStringLiteral("3.5");
    QTest::newRow("smallest label") << 0.5 << english << QStringLiteral("0.5");
    QTest::newRow("half with a decimal comma") << 3.5 << german << QStringLiteral("3,5");
    QTest::newRow("whole number with a decimal comma") << 2.0 << german << QStringLiteral("2");
}

void TestRadarChart::scaleLabelText()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(RadarChart::scaleLabelText(value, locale), text);
}

void TestRadarChart::decimalCommaReachesTheScaleLabels()
{
    const CategoryScores scores{2.9, 2.2, 1.0, 1.4};
    const QImage point = renderRadarChart(scores, QStringLiteral("T"), QLocale(QLocale::English));
    const QImage comma = renderRadarChart(scores, QStringLiteral("T"), QLocale(QLocale::German));

    // Only the half-point labels (3.5, 2.5, 1.5, 0.5, at radii 140, 100, 60
    // and 20) differ, right of the vertical axis beside their ring's top vertex.
    const QRect differences = [&] {
        QRect box;
        for (int y = 0; y < 500; ++y) {
            for (int x = 0; x < 500; ++x) {
                if (point.pixel(x, y) != comma.pixel(x, y))
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }();
    QVERIFY(!differences.isEmpty());
    QVERIFY(differences.left() >= 255);
    QVERIFY(differences.right() < 290);
    QVERIFY(differences.top() >= 250 - 140 - 10);
    QVERIFY(differences.bottom() <= 250 - 20 + 10);
}

void TestRadarChart::scoresOutsideTheScaleStayOnTheChart_data()
{
    QTest::addColumn<double>("score");
    QTest::addColumn<int>("distance");

    QTest::newRow("0 points: the centre") << 0.0 << 0;
    QTest::newRow("half a point: the first ring") << 0.5 << 20;
    QTest::newRow("2.9 points") << 2.9 << 116;
    QTest::newRow("4 points: the outer ring") << 4.0 << 160;
    QTest::newRow("negative points stay at the centre") << -2.0 << 0;
    QTest::newRow("above 4 points stays on the outer ring") << 5.0 << 160;
    QTest::newRow("not a number stays at the centre") << std::nan("") << 0;
}

void TestRadarChart::scoresOutsideTheScaleStayOnTheChart()
{
    QFETCH(double, score);
    QFETCH(int, distance);
    QCOMPARE(vertexDistance(score), distance);
}

void TestRadarChart::smallScorecardScores_data()
{
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<double>("financial");
    QTest::addColumn<double>("technical");
    QTest::addColumn<double>("institutional");
    QTest::addColumn<double>("social");

    // Maxima of the small items: 5, except item 12 (4), 13 (3), 20 (3), 21 (2), 22 (3).
    QTest::newRow("all items at their maximum: every score 4")
        << QList<int>{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 4, 3, 5, 5, 5, 5, 5, 5, 3, 2, 3} << 4.0
        << 4.0 << 4.0 << 4.0;
    QTest::newRow("all items at 0 points: no scores left over from a big scorecard")
        << QList<int>(22, 0) << 0.0 << 0.0 << 0.0 << 0.0;
    // Each item on the 4-point scale is points x 4 / maximum.
    QTest::newRow("items of different maxima put on the 4-point scale")
        << QList<int>{5, 4, 3, 2, 1, 0, 5, 0, 5, 0, 5, 2, 3, 0, 5, 1, 2, 3, 4, 2, 1, 3}
        // items 1, 3, 4, 5, 6, 7, 8, 11, 12
        << (4 + 2.4 + 1.6 + 0.8 + 0 + 4 + 0 + 4 + 2) / 9
        // items 2, 3, 5, 7, 8, 9, 10, 11, 13, 14, 20, 21
        << (3.2 + 2.4 + 0.8 + 4 + 0 + 4 + 0 + 4 + 4 + 0 + 8.0 / 3 + 2) / 12
        // items 15, 16
        << (4 + 0.8) / 2
        // items 17, 18, 19, 22
        << (1.6 + 2.4 + 3.2 + 4) / 4;
    QTest::newRow("points above an item's maximum count as 4")
        << itemPoints(22, {{13, 5}, {21, 4}}) << 0.0 << (4.0 + 4.0) / 12 << 0.0 << 0.0;
}

void TestRadarChart::smallScorecardScores()
{
    QFETCH(QList<int>, points);
    QFETCH(double, financial);
    QFETCH(double, technical);
    QFETCH(double, institutional);
    QFETCH(double, social);

    ScorecardDocument document;
    // A big scorecard drawn before leaves its scores behind.
    bigScorecardScores(document, QList<int>(25, 4));

    ScorecardFileContents contents;
    contents.programVersion = QStringLiteral("2.3.1.1 August 2010");
    contents.variant = QString::fromLatin1(SmallMunicipality);
    contents.providerName = QStringLiteral("Small Test Town");
    contents.contactLines = QStringList(4, QString());
    int total = 0;
    for (int value : points) {
        contents.points.append(QString::number(value));
        total += value;
    }
    contents.points.append(QString::number(total));
    contents.comments = QStringList(contents.points.size(), QString());
    contents.optionStates.fill(OptionUnselected);
    document.applyFile(contents);

    document.refreshSummary();
    document.ComputeCategoryScores();
    const CategoryScores scores = categoryScores(document.globals());
    QCOMPARE(scores.financial, financial);
    QCOMPARE(scores.technical, technical);
    QCOMPARE(scores.institutional, institutional);
    QCOMPARE(scores.social, social);
}

QTEST_MAIN(TestRadarChart)
#include "tst_radarchart.moc"
