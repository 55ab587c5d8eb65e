// Shared set-up and screen helpers of the main window tests.
#include "WindowFixture.h"

#include "Catalogue.h"
#include "StringGrid.h"

#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <cstdlib>
#include <set>

QColor fillColour(Fill fill, const StringGrid *grid)
{
    switch (fill) {
    case Fill::ButtonFace:
        return grid->palette().color(QPalette::Button);
    case Fill::Text:
        return grid->palette().color(QPalette::Text);
    case Fill::White:
        return QColor(255, 255, 255);
    case Fill::LightYellow:
        return QColor(255, 255, 153);
    case Fill::Yellow:
        return QColor(255, 232, 18);
    case Fill::Orange:
        return QColor(255, 109, 6);
    case Fill::Red:
        return QColor(231, 55, 26);
    }
    return {};
}

WindowFixture::WindowFixture()
{
    // Large enough for every page; the grids keep their own sizes.
    form.resize(1100, 1000);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qWarning("main window not exposed");
}

void WindowFixture::setUpBig()
{
    document.setBasicInformation(QStringLiteral("Amberkloof Local Municipality"),
                                 QStringLiteral("Eastern supply zone"), QStringLiteral("2010"));
    document.setScorecardVariant(QString::fromLatin1(BigMunicipality));
    document.FillNewScorecard();
}

ScorecardFileContents emptyContents(const QString &variant)
{
    ScorecardFileContents contents;
    contents.programVersion = QStringLiteral("2.3.1.1 August 2010");
    contents.variant = variant;
    contents.providerName = QStringLiteral("Rietvlei Water Services");
    contents.additionalDetails = QStringLiteral("Northern district");
    contents.assessmentDate = QStringLiteral("2009");
    contents.contactLines = {QStringLiteral("N. Dube"), QString(), QString(), QString()};
    const int rows = variant == QLatin1String(SmallMunicipality) ? 23 : 26;
    for (int r = 0; r < rows; ++r) {
        contents.points << QStringLiteral("0");
        contents.comments << QString();
    }
    contents.optionStates.fill(OptionUnselected);
    return contents;
}

QImage grabGrid(StringGrid *grid)
{
    return grid->viewport()->grab().toImage();
}

QPoint cellCorner(const StringGrid *grid, int column, int row)
{
    return grid->cellRect(column, row).bottomRight() - QPoint(2, 2);
}

QStringList coloursIn(const QImage &image, const QRect &rect)
{
    std::set<QString> names;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            names.insert(image.pixelColor(x, y).name());
    }
    return QStringList(names.begin(), names.end());
}

int nearestDistance(const QImage &image, const QRect &rect, const QColor &colour)
{
    int nearest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            nearest = std::min(nearest, std::max({std::abs(c.red() - colour.red()),
                                                  std::abs(c.green() - colour.green()),
                                                  std::abs(c.blue() - colour.blue())}));
        }
    }
    return nearest;
}

void pressAt(StringGrid *grid, const QPoint &pos)
{
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
}

QList<int> selectedRows(const ScorecardDocument &document)
{
    QList<int> rows;
    for (int r = 1; r <= OptionStateCount; ++r) {
        if (document.optionState(r) == OptionSelected)
            rows << r;
    }
    return rows;
}

int wrappedLines(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}
