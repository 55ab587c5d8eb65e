// Tests of the report's page geometry and page frame: the computed positions
// at several resolutions, and where a drawn page really puts its rules and texts.
#include "PageFrame.h"
#include "RecordingPageSink.h"
#include "ReportFixtures.h"
#include "ReportInfo.h"

#include "Credits.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

ReportInfo sampleInfo()
{
    return ReportInfo{QStringLiteral("2.3.1.1 August 2010"), QStringLiteral("Kaborra"),
                      QStringLiteral("Eastern district"), QStringLiteral("2024"), testLogo(),
                      fixedPrintingMoment()};
}

// One word of `pdftotext -bbox` output, converted from points to dots.
struct PdfWord
{
    QString text;
    double xMin, yMin, xMax, yMax;
};

QList<PdfWord> readWords(const QString &pdf, int dpi, QString *failure)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0) {
        *failure = QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const double scale = dpi / 72.0;
    QList<PdfWord> words;
    for (const auto &m : word.globalMatch(html)) {
        words.append({m.captured(5), m.captured(1).toDouble() * scale,
                      m.captured(2).toDouble() * scale, m.captured(3).toDouble() * scale,
                      m.captured(4).toDouble() * scale});
    }
    return words;
}

} // namespace

class TestPageFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void geometry_data();
    void geometry();
    void unknownLayoutDrawsNothing();
    void rulesAndTextPositions_data();
    void rulesAndTextPositions();
    void emptyBasicInformationLeavesValuesBlank();
    void longProviderNameCoversLogo();
    void renderedPdfPositions_data();
    void renderedPdfPositions();
};

void TestPageFrame::geometry_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    // PageWidth, PageHeight, ContentLeft, ContentRight, HeaderRuleY, FooterRuleY
    QTest::addColumn<QList<int>>("page");
    // header line y, footer line y, page number x, title lines y
    QTest::addColumn<QList<int>>("frame");
    QTest::addColumn<QRect>("logoBox");
    // information rows y, value x
    QTest::addColumn<QList<int>>("info");

    QTest::newRow("portrait at 600 dpi")
        << "A4Portrait" << 600 << 600 << QList<int>{4962, 7014, 600, 4662, 450, 6564}
        << QList<int>{300, 6714, 2700, 720, 900} << QRect(QPoint(4122, 600), QPoint(4511, 1379))
        << QList<int>{1200, 1320, 1440, 2700};
    QTest::newRow("landscape at 600 dpi")
        << "A4Landscape" << 600 << 600 << QList<int>{7014, 4962, 300, 6714, 450, 4512}
        << QList<int>{330, 4632, 3180, 600, 780} << QRect(QPoint(6174, 600), QPoint(6563, 1379))
        << QList<int>{1020, 1170, 1320, 2760};
    // Every x follows the horizontal resolution, every y the vertical one.
    QTest::newRow("portrait at 600 x 300 dpi")
        << "A4Portrait" << 600 << 300 << QList<int>{4962, 3507, 600, 4662, 225, 3282}
        << QList<int>{150, 3357, 2700, 360, 450} << QRect(QPoint(4122, 300), QPoint(4511, 689))
        << QList<int>{600, 660, 720, 2700};
    QTest::newRow("landscape at 600 x 300 dpi")
        << "A4Landscape" << 600 << 300 << QList<int>{7014, 2481, 300, 6714, 225, 2256}
        << QList<int>{165, 2316, 3180, 300, 390} << QRect(QPoint(6174, 300), QPoint(6563, 689))
        << QList<int>{510, 585, 660, 2760};
    // At 150 dpi many products end in .5: 1240.5 goes down to 1240, 1753.5 up to 1754.
    QTest::newRow("portrait at 150 dpi, halves to even")
        << "A4Portrait" << 150 << 150 << QList<int>{1240, 1754, 150, 1165, 112, 1642}
        << QList<int>{75, 1679, 675, 180, 225} << QRect(QPoint(1030, 150), QPoint(1126, 344))
        << QList<int>{300, 330, 360, 675};
    QTest::newRow("landscape at 150 dpi, halves to even")
        << "A4Landscape" << 150 << 150 << QList<int>{1754, 1240, 75, 1679, 112, 1128}
        << QList<int>{82, 1158, 795, 150, 195} << QRect(QPoint(1544, 150), QPoint(1640, 344))
        << QList<int>{255, 292, 330, 690};
}

void TestPageFrame::geometry()
{
    QFETCH(QString, layout);
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(QList<int>, page);
    QFETCH(QList<int>, frame);
    QFETCH(QRect, logoBox);
    QFETCH(QList<int>, info);

    const PageGeometry g = pageGeometry(layout, dpiX, dpiY);
    QVERIFY(g.valid);
    QCOMPARE(g.DpiX, dpiX);
    QCOMPARE(g.DpiY, dpiY);
    QCOMPARE((QList<int>{g.PageWidth, g.PageHeight, g.ContentLeft, g.ContentRight, g.HeaderRuleY,
                         g.FooterRuleY}),
             page);
    QCOMPARE((QList<int>{g.headerY, g.footerY, g.pageNumberX, g.titleLine1Y, g.titleLine2Y}), frame);
    QCOMPARE(g.logoBox, logoBox);
    QCOMPARE((QList<int>{g.infoRowY[0], g.infoRowY[1], g.infoRowY[2], g.infoValueX}), info);
}

void TestPageFrame::unknownLayoutDrawsNothing()
{
    const PageGeometry g = pageGeometry(QStringLiteral("A4portrait"), 600, 600);
    QVERIFY(!g.valid);

    RecordingPageSink sink(600, 600);
    DrawPageFrame(sink.painter(), g, 1, sampleInfo());
    sink.finish();
    QCOMPARE(sink.pages().first().order, QStringList());
}

void TestPageFrame::rulesAndTextPositions_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("pageNumber");

    QTest::newRow("portrait at 600 dpi, page 1") << "A4Portrait" << 600 << 600 << 1;
    QTest::newRow("landscape at 600 dpi, page 3") << "A4Landscape" << 600 << 600 << 3;
    QTest::newRow("portrait at 600 x 300 dpi, page 12") << "A4Portrait" << 600 << 300 << 12;
}

// Texts are placed by the tops of their lines; a drawn baseline lies one
// ascent below the top.
void TestPageFrame::rulesAndTextPositions()
{
    QFETCH(QString, layout);
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(int, pageNumber);

    RecordingPageSink sink(dpiX, dpiY);
    const PageGeometry g = pageGeometry(layout, dpiX, dpiY);
    const ReportInfo info = sampleInfo();
    DrawPageFrame(sink.painter(), g, pageNumber, info);

    QPainter &painter = sink.painter();
    painter.setFont(reportFont(8));
    const QFontMetrics small = painter.fontMetrics();
    painter.setFont(reportFont(g.titlePointSize, true));
    const QFontMetrics title = painter.fontMetrics();
    painter.setFont(reportFont(g.infoPointSize));
    const QFontMetrics info10 = painter.fontMetrics();
    sink.finish();
    const RecordedPage &page = sink.pages().first();

    QCOMPARE(page.lines.size(), 2);
    QCOMPARE(page.lines[0], QLineF(g.ContentLeft, g.HeaderRuleY, g.ContentRight, g.HeaderRuleY));
    QCOMPARE(page.lines[1], QLineF(g.ContentLeft, g.FooterRuleY, g.ContentRight, g.FooterRuleY));

    const auto at = [&](const QString &text) {
        const RecordedText *t = page.findText(text);
        return t ? t->baseline : QPointF(-1, -1);
    };
    QCOMPARE(at(QStringLiteral("WC/WDM Potential Assessment")),
             QPointF(g.ContentLeft, g.headerY + small.ascent()));
    const QString shortCredit = QLatin1String(Credits::MakersShortCredit);
    QCOMPARE(at(shortCredit),
             QPointF(g.ContentRight - small.horizontalAdvance(shortCredit + QLatin1Char(' ')),
                     g.headerY + small.ascent()));
    // The footer's three texts stay apart: the version line ends before the
    // page number, which ends before the printing moment.
    const RecordedText *version = nullptr;
    for (const RecordedText &t : page.texts) {
        if (t.text.startsWith(QLatin1String("Version: 2.3.1.1 August 2010 - ")))
            version = &t;
    }
    QVERIFY(version);
    QCOMPARE(version->baseline, QPointF(g.ContentLeft, g.footerY + small.ascent()));
    QVERIFY2(version->baseline.x() + small.horizontalAdvance(version->text) < g.pageNumberX,
             qPrintable(version->text));
    const QString fullVersion = QStringLiteral("Version: 2.3.1.1 August 2010")
        + QLatin1String(Credits::MakersFullCredit);
    if (small.horizontalAdvance(fullVersion + QLatin1Char(' ')) <= g.pageNumberX - g.ContentLeft)
        QCOMPARE(version->text, fullVersion);
    QCOMPARE(at(QStringLiteral("Page %1").arg(pageNumber)),
             QPointF(g.pageNumberX, g.footerY + small.ascent()));

    // The printing moment ends at the right margin.
    const RecordedText *date = nullptr;
    for (const RecordedText &t : page.texts) {
        if (t.text.startsWith(QLatin1String("Date printed: ")))
            date = &t;
    }
    QVERIFY(date);
    QVERIFY2(date->text.contains(QLocale::system().toString(QDate(2024, 3, 14), QLocale::ShortFormat)),
             qPrintable(date->text));
    QCOMPARE(date->baseline.x() + small.horizontalAdvance(date->text), qreal(g.ContentRight));
    QVERIFY(g.pageNumberX + small.horizontalAdvance(QStringLiteral("Page %1").arg(pageNumber))
            < date->baseline.x());

    const QString line1 = QStringLiteral("Quorval for Assessing the Potential for");
    const QString line2 = QStringLiteral("WC/WDM Efforts in Municipalities");
    const int w1 = title.horizontalAdvance(line1);
    const int w2 = title.horizontalAdvance(line2);
    QPointF expected1(g.ContentLeft, g.titleLine1Y + title.ascent());
    QPointF expected2(g.ContentLeft + std::nearbyint((w1 - w2) / 2.0), g.titleLine2Y + title.ascent());
    if (g.landscape) {
        const int centre = g.PageWidth / 2;
        expected1.setX(centre - std::nearbyint(w1 / 2.0));
        expected2.setX(centre - std::nearbyint(w2 / 2.0));
    }
    QCOMPARE(at(line1), expected1);
    QCOMPARE(at(line2), expected2);
    QVERIFY(page.findText(line1)->font.bold());
    QCOMPARE(page.findText(line1)->font.pointSize(), g.titlePointSize);

    QCOMPARE(page.images, QList<QRectF>{QRectF(g.logoBox)});

    QCOMPARE(at(QStringLiteral("Name of Municipality / Water Service Provider:")),
             QPointF(g.ContentLeft, g.infoRowY[0] + info10.ascent()));
    QVERIFY(page.findText(QStringLiteral("Assessment Date:"))->font.bold());
    QCOMPARE(at(QStringLiteral("Kaborra")), QPointF(g.infoValueX, g.infoRowY[0] + info10.ascent()));
    QCOMPARE(at(QStringLiteral("Eastern district")),
             QPointF(g.infoValueX, g.infoRowY[1] + info10.ascent()));
    QCOMPARE(at(QStringLiteral("2024")), QPointF(g.infoValueX, g.infoRowY[2] + info10.ascent()));
    QVERIFY(!page.findText(QStringLiteral("2024"))->font.bold());
    QCOMPARE(page.findText(QStringLiteral("2024"))->font.pointSize(), g.infoPointSize);
}

void TestPageFrame::emptyBasicInformationLeavesValuesBlank()
{
    RecordingPageSink sink(600, 600);
    const PageGeometry g = pageGeometry(QStringLiteral("A4Portrait"), 600, 600);
    ReportInfo info = sampleInfo();
    info.providerName.clear();
    info.additionalDetails.clear();
    info.assessmentDate.clear();
    DrawPageFrame(sink.painter(), g, 1, info);
    sink.finish();
    const RecordedPage &page = sink.pages().first();

    QVERIFY(page.hasText(QStringLiteral("Name of Municipality / Water Service Provider:")));
    QVERIFY(page.hasText(QStringLiteral("Additional details:")));
    QVERIFY(page.hasText(QStringLiteral("Assessment Date:")));
    // Nothing stands in the value column of the three information rows.
    for (const RecordedText &t : page.texts) {
        const bool inInfoRows = t.baseline.y() > g.infoRowY[0] && t.baseline.y() < g.infoRowY[2] + 200;
        QVERIFY2(!inInfoRows || t.baseline.x() < g.infoValueX, qPrintable(t.text));
    }
}

// The value is drawn after the logo on an opaque white box, so it hides the
// part of the logo it crosses; it stays on one line and is not clipped.
void TestPageFrame::longProviderNameCoversLogo()
{
    RecordingPageSink sink(600, 600);
    const PageGeometry g = pageGeometry(QStringLiteral("A4Landscape"), 600, 600);
    ReportInfo info = sampleInfo();
    info.providerName = QStringLiteral("The Greater Kaborra and Uthenga Valley Water Services "
                                       "Authority, Northern and Eastern Supply Zones");
    DrawPageFrame(sink.painter(), g, 1, info);
    sink.finish();
    const RecordedPage &page = sink.pages().first();

    const RecordedText *value = page.findText(info.providerName);
    QVERIFY(value);
    QVERIFY(!value->clipped);
    const qsizetype imageAt = page.order.indexOf(QStringLiteral("image"));
    const qsizetype valueAt = page.order.indexOf(QStringLiteral("text:") + info.providerName);
    QVERIFY(imageAt >= 0 && valueAt > imageAt);

    // The white box behind the value, drawn just before it, crosses the logo.
    QCOMPARE(page.order.at(valueAt - 1), QStringLiteral("fill"));
    const qsizetype fillsBefore = page.order.mid(0, valueAt).count(QStringLiteral("fill"));
    const RecordedRect box = page.fills.at(fillsBefore - 1);
    QCOMPARE(box.colour, QColor(Qt::white));
    QVERIFY(box.rect.intersects(QRectF(g.logoBox)));
    QCOMPARE(box.rect.left(), qreal(g.infoValueX));
    QVERIFY(box.rect.right() > g.ContentRight - 100);
}

void TestPageFrame::renderedPdfPositions_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("pageNumberX");
    QTest::addColumn<int>("footerY");
    QTest::addColumn<int>("titleLine1Y");
    QTest::addColumn<int>("infoValueX");
    QTest::addColumn<int>("infoRow1Y");
    QTest::addColumn<int>("contentRight");
    QTest::addColumn<int>("headerY");

    QTest::newRow("portrait") << "A4Portrait" << 2700 << 6714 << 720 << 2700 << 1200 << 4662 << 300;
    QTest::newRow("landscape") << "A4Landscape" << 3180 << 4632 << 600 << 2760 << 1020 << 6714 << 330;
}

// A page written to a 600-dpi PDF and read back: the words stand where the
// figures say, within a few dots of the typeface's own line box.
void TestPageFrame::renderedPdfPositions()
{
    QFETCH(QString, layout);
    QFETCH(int, pageNumberX);
    QFETCH(int, footerY);
    QFETCH(int, titleLine1Y);
    QFETCH(int, infoValueX);
    QFETCH(int, infoRow1Y);
    QFETCH(int, contentRight);
    QFETCH(int, headerY);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("frame.pdf"));
    int blankWidth = 0;
    {
        QPdfWriter writer(pdf);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         layout == QLatin1String("A4Landscape")
                                             ? QPageLayout::Landscape
                                             : QPageLayout::Portrait,
                                         QMarginsF()));
        QPainter painter(&writer);
        DrawPageFrame(painter, pageGeometry(layout, 600, 600), 7, sampleInfo());
        painter.setFont(reportFont(8));
        blankWidth = painter.fontMetrics().horizontalAdvance(QLatin1Char(' '));
    }

    QString failure;
    const QList<PdfWord> words = readWords(pdf, 600, &failure);
    QVERIFY2(!words.isEmpty(), qPrintable(failure));
    const auto word = [&](const QString &text) {
        for (const PdfWord &w : words) {
            if (w.text == text)
                return w;
        }
        return PdfWord{QString(), -1000, -1000, -1000, -1000};
    };
    const auto near = [](double actual, int expected, int tolerance) {
        return std::abs(actual - expected) <= tolerance;
    };
    // pdftotext reports the typeface's line box; allow it a few dots.
    constexpr int Tolerance = 8;
    const PdfWord page = word(QStringLiteral("Page"));
    QVERIFY2(near(page.xMin, pageNumberX, Tolerance), qPrintable(QString::number(page.xMin)));
    QVERIFY2(near(page.yMin, footerY, Tolerance), qPrintable(QString::number(page.yMin)));
    QCOMPARE(word(QStringLiteral("7")).yMin, page.yMin);

    const PdfWord quorval = word(QStringLiteral("Quorval"));
    QVERIFY2(near(quorval.yMin, titleLine1Y, Tolerance), qPrintable(QString::number(quorval.yMin)));

    const PdfWord value = word(QStringLiteral("Kaborra"));
    QVERIFY2(near(value.xMin, infoValueX, Tolerance), qPrintable(QString::number(value.xMin)));
    QVERIFY2(near(value.yMin, infoRow1Y, Tolerance), qPrintable(QString::number(value.yMin)));

    // The header's credit ends one blank short of the right margin.
    double headerRight = 0;
    for (const PdfWord &w : words) {
        if (near(w.yMin, headerY, Tolerance))
            headerRight = std::max(headerRight, w.xMax);
    }
    QVERIFY2(near(headerRight, contentRight - blankWidth, Tolerance),
             qPrintable(QStringLiteral("%1, blank %2").arg(headerRight).arg(blankWidth)));
}

QTEST_MAIN(TestPageFrame)
#include "tst_pageframe.moc"
