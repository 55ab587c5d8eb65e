// Page geometry and the page frame of the printed report.
#include "PageFrame.h"

#include "Credits.h"
#include "ReportInfo.h"
#include "ScorecardBasics.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

namespace {

const QString HeaderTitle = QStringLiteral("WC/WDM Potential Assessment");
const QString TitleLine1 = QStringLiteral("Quorval for Assessing the Potential for");
const QString TitleLine2 = QStringLiteral("WC/WDM Efforts in Municipalities");
const char *const InfoLabels[3] = {"Name of Municipality / Water Service Provider:",
                                   "Additional details:", "Assessment Date:"};

// Sizes are inches times the integer resolution, rounded half to even, so a
// position never drifts with the order of the arithmetic.
int dots(double inches, int dpi) { return roundHalfEven(inches * dpi); }

// Layout positions are given by the top of a text line; Qt draws at the baseline.
void drawTextAtTop(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

int textWidth(const QPainter &painter, const QString &text)
{
    return painter.fontMetrics().horizontalAdvance(text);
}

QString printingMoment(const ReportInfo &info)
{
    const QDateTime now = info.printedAt.isValid() ? info.printedAt : QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(now.time(), QLocale::LongFormat);
}

} // namespace

PageGeometry pageGeometry(const QString &layout, int dpiX, int dpiY)
{
    PageGeometry g;
    const bool portrait = layout == QLatin1String("A4Portrait");
    const bool landscape = layout == QLatin1String("A4Landscape");
    if ((!portrait && !landscape) || dpiX <= 0 || dpiY <= 0)
        return g;

    g.valid = true;
    g.landscape = landscape;
    g.DpiX = dpiX;
    g.DpiY = dpiY;
    // A4 is 8.27 x 11.69 inches. The binding edge of a portrait page gets the
    // wider left margin; a landscape page needs the width for its table.
    g.PageWidth = dots(portrait ? 8.27 : 11.69, dpiX);
    g.PageHeight = dots(portrait ? 11.69 : 8.27, dpiY);
    g.ContentLeft = dots(portrait ? 1.0 : 0.5, dpiX);
    g.ContentRight = g.PageWidth - dots(0.5, dpiX);
    g.HeaderRuleY = dots(0.75, dpiY);
    g.FooterRuleY = g.PageHeight - dots(0.75, dpiY);

    g.headerY = dots(portrait ? 0.5 : 0.55, dpiY);
    g.footerY = g.PageHeight - dots(portrait ? 0.5 : 0.55, dpiY);
    g.pageNumberX = g.ContentLeft + dots(portrait ? 3.5 : 4.8, dpiX);
    g.titleLine1Y = dots(portrait ? 1.2 : 1.0, dpiY);
    g.titleLine2Y = dots(portrait ? 1.5 : 1.3, dpiY);

    // A box 0.65 inch wide and 1.3 inches high, 0.25 inch inside the right margin.
    const int logoLeft = g.ContentRight - dots(0.9, dpiX);
    const int logoRight = g.ContentRight - dots(0.25, dpiX);
    const int logoTop = dots(1.0, dpiY);
    const int logoBottom = logoTop + dots(1.3, dpiY);
    g.logoBox = QRect(logoLeft, logoTop, logoRight - logoLeft, logoBottom - logoTop);

    g.infoRowY = portrait ? std::array<int, 3>{dots(2.0, dpiY), dots(2.2, dpiY), dots(2.4, dpiY)}
                          : std::array<int, 3>{dots(1.7, dpiY), dots(1.95, dpiY), dots(2.2, dpiY)};
    g.infoValueX = g.ContentLeft + dots(portrait ? 3.5 : 4.1, dpiX);

    g.titlePointSize = portrait ? 14 : 16;
    g.infoPointSize = portrait ? 10 : 12;
    return g;
}

QFont reportFont(int pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

void DrawPageFrame(QPainter &painter, const PageGeometry &g, int pageNumber, const ReportInfo &info)
{
    if (!g.valid)
        return;

    // Every text of the frame stands on an opaque white box, so a long value
    // covers what lies under it (the logo) instead of mixing with it.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 0));

    painter.drawLine(g.ContentLeft, g.HeaderRuleY, g.ContentRight, g.HeaderRuleY);
    painter.drawLine(g.ContentLeft, g.FooterRuleY, g.ContentRight, g.FooterRuleY);

    painter.setFont(reportFont(8));
    drawTextAtTop(painter, g.ContentLeft, g.headerY, HeaderTitle);
    // The credit ends one blank short of the right margin.
    const QString shortCredit = QLatin1String(Credits::MakersShortCredit);
    drawTextAtTop(painter, g.ContentRight - textWidth(painter, shortCredit + QLatin1Char(' ')),
                  g.headerY, shortCredit);

    // The version line has the room up to the page number; a credit too long
    // for it is shortened rather than printed under the page number.
    const QString version = QStringLiteral("Version: ") + info.programVersion
        + QLatin1String(Credits::MakersFullCredit);
    const int versionRoom = g.pageNumberX - g.ContentLeft - textWidth(painter, QStringLiteral(" "));
    drawTextAtTop(painter, g.ContentLeft, g.footerY,
                  painter.fontMetrics().elidedText(version, Qt::ElideRight, versionRoom));
    drawTextAtTop(painter, g.pageNumberX, g.footerY, QStringLiteral("Page %1").arg(pageNumber));
    const QString printed = QStringLiteral("Date printed: ") + printingMoment(info);
    drawTextAtTop(painter, g.ContentRight - textWidth(painter, printed), g.footerY, printed);

    painter.setFont(reportFont(g.titlePointSize, true));
    const int w1 = textWidth(painter, TitleLine1);
    const int w2 = textWidth(painter, TitleLine2);
    if (g.landscape) {
        const int centre = roundHalfEven(g.PageWidth / 2.0);
        drawTextAtTop(painter, centre - roundHalfEven(w1 / 2.0), g.titleLine1Y, TitleLine1);
        drawTextAtTop(painter, centre - roundHalfEven(w2 / 2.0), g.titleLine2Y, TitleLine2);
    } else {
        drawTextAtTop(painter, g.ContentLeft, g.titleLine1Y, TitleLine1);
        drawTextAtTop(painter, g.ContentLeft + roundHalfEven((w1 - w2) / 2.0), g.titleLine2Y,
                      TitleLine2);
    }

    // Stretched, not scaled: the box is the logo's place whatever the picture.
    if (!info.logo.isNull())
        painter.drawImage(g.logoBox, info.logo);

    const QString values[3] = {info.providerName, info.additionalDetails, info.assessmentDate};
    for (int i = 0; i < 3; ++i) {
        painter.setFont(reportFont(g.infoPointSize, true));
        drawTextAtTop(painter, g.ContentLeft, g.infoRowY[std::size_t(i)],
                      QLatin1String(InfoLabels[i]));
        painter.setFont(reportFont(g.infoPointSize));
        drawTextAtTop(painter, g.infoValueX, g.infoRowY[std::size_t(i)], values[i]);
    }
}
