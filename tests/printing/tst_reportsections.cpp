// Tests of the three report sections at 600 dpi: where their tables stand,
// how rows grow and break across pages, and the colours of their cells.
#include "CellTable.h"
#include "PageFrame.h"
#include "PrintReport.h"
#include "RecordingPageSink.h"
#include "ReportFixtures.h"
#include "ReportInfo.h"
#include "ReportSections.h"
#include "ScorecardDocument.h"

#include "Catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor Red(231, 55, 26);
const QColor Orange(255, 109, 6);
const QColor Yellow(255, 232, 18);
const QColor Highlight(255, 255, 153);
const QColor White(Qt::white);
const QColor Black(Qt::black);

ReportInfo info()
{
    return ReportInfo{QStringLiteral("2.3.1.1 August 2010"), QStringLiteral("Kaborra"),
                      QStringLiteral("Eastern district"), QStringLiteral("2024"), testLogo(),
                      fixedPrintingMoment()};
}

// A table cell as drawn: its rectangle (from the border, which runs along the
// inside of the cell) and the texts whose baselines start inside it.
struct DrawnCell
{
    QRect rect;
    QStringList texts;
    QList<QColor> textColours;
    QColor fill;
};

// The table of a page, row by row; `columns` cells a row.
QList<QList<DrawnCell>> tableRows(const RecordedPage &page, int columns)
{
    QList<QList<DrawnCell>> rows;
    for (qsizetype i = 0; i < page.outlines.size(); ++i) {
        if (i % columns == 0)
            rows.append(QList<DrawnCell>());
        DrawnCell cell;
        const QRect border = page.outlines[i].rect.toRect();
        cell.rect = QRect(border.x(), border.y(), border.width() + 1, border.height() + 1);
        for (const RecordedRect &f : page.fills) {
            if (f.rect.toRect() == cell.rect)
                cell.fill = f.colour;
        }
        for (const RecordedText &t : page.texts) {
            if (cell.rect.contains(t.baseline.toPoint())) {
                cell.texts.append(t.text);
                cell.textColours.append(t.colour);
            }
        }
        rows.last().append(cell);
    }
    return rows;
}

int pageNumberOf(const RecordedPage &page)
{
    for (const RecordedText &t : page.texts) {
        if (t.text.startsWith(QLatin1String("Page ")))
            return t.text.mid(5).toInt();
    }
    return 0;
}

CellTable summaryTable(int itemRows, const QString &comment = QString())
{
    CellTable table(5, itemRows + 2);
    const char *headings[] = {"Item No", "Description", "Max Points", "Points", "Comments"};
    for (int c = 0; c < 5; ++c)
        table.setCell(c, 0, QLatin1String(headings[c]));
    for (int r = 1; r <= itemRows; ++r) {
        table.setCell(0, r, QString::number(r));
        table.setCell(1, r, QStringLiteral("Item %1").arg(r));
        table.setCell(2, r, QStringLiteral("4"));
        table.setCell(3, r, QStringLiteral("2"));
        table.setCell(4, r, comment);
    }
    table.setCell(1, itemRows + 1, QStringLiteral("Total"));
    table.setCell(2, itemRows + 1, QStringLiteral("100"));
    table.setCell(3, itemRows + 1, QString::number(2 * itemRows));
    return table;
}

} // namespace

Q_DECLARE_METATYPE(ReportSection)

class TestReportSections : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableLayout_data();
    void tableLayout();
    void indicatorsStayOnOnePage();
    void summaryPageBreaks_data();
    void summaryPageBreaks();
    void summaryOneWordCommentMakesTallRow();
    void summaryCellColours_data();
    void summaryCellColours();
    void breakdownPages_data();
    void breakdownPages();
    void breakdownOfScorecards_data();
    void breakdownOfScorecards();
    void breakdownCellColours_data();
    void breakdownCellColours();
    void noRowCrossesFooter_data();
    void noRowCrossesFooter();
    void pdfOfAllSections();
    void pdfThatCannotBeWritten();
};

void TestReportSections::tableLayout_data()
{
    QTest::addColumn<ReportSection>("section");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<QList<int>>("widths");

    // Portrait: content from x 600 to 4662; landscape from 300 to 6714.
    QTest::newRow("indicators: top 1800, rows 156, table ends 0.8 inch short")
        << ReportSection::Indicators << 2 << 1800 << 156 << QList<int>{480, 3102};
    QTest::newRow("summary: top 1560, rows 94, comments to the margin")
        << ReportSection::Summary << 5 << 1560 << 94 << QList<int>{360, 2400, 450, 450, 2754};
    QTest::newRow("breakdown: top 1680, rows 125, points 0.8 inch")
        << ReportSection::Breakdown << 2 << 1680 << 125 << QList<int>{3582, 480};
}

void TestReportSections::tableLayout()
{
    QFETCH(ReportSection, section);
    QFETCH(int, columns);
    QFETCH(int, top);
    QFETCH(int, rowHeight);
    QFETCH(QList<int>, widths);

    ScorecardDocument document;
    fillAnsweredScorecard(document, QLatin1String(BigMunicipality));
    RecordingPageSink sink(600, 600);
    printReport(sink, document, section, testLogo(), fixedPrintingMoment());
    sink.finish();

    const PageGeometry g = pageGeometry(sectionLayout(section), 600, 600);
    const auto rows = tableRows(sink.pages().first(), columns);
    QVERIFY(rows.size() >= 3);
    int x = g.ContentLeft;
    for (int c = 0; c < columns; ++c) {
        QCOMPARE(rows[0][c].rect, QRect(x, top, widths[c], rowHeight));
        QCOMPARE(rows[1][c].rect.y(), top + rowHeight);
        x += widths[c];
    }
    // The header row is bold, the rows below regular.
    const RecordedText *heading = sink.pages().first().findText(QStringLiteral("Description"));
    QVERIFY(heading);
    QVERIFY(heading->font.bold());
    QCOMPARE(heading->font.pointSize(), 8);
}

// All rows of the Introduction table go on the one page, however many.
void TestReportSections::indicatorsStayOnOnePage()
{
    CellTable grid(2, 40);
    for (int r = 0; r < 40; ++r)
        grid.setCell(0, r, QString::number(r));
    RecordingPageSink sink(600, 600);
    QCOMPARE(PrintIndicatorsSection(sink, QStringLiteral("A4Portrait"), grid, info()), 1);
    sink.finish();
    QCOMPARE(sink.pages().size(), 1);
    const auto rows = tableRows(sink.pages().first(), 2);
    QCOMPARE(rows.size(), 40);
    QCOMPARE(rows.last()[0].rect.y(), 1800 + 39 * 156);
}

void TestReportSections::summaryPageBreaks_data()
{
    QTest::addColumn<int>("itemRows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("rowsOnFirstPage");
    QTest::addColumn<int>("lastRowTop");

    // Row 26 starts at 1560 + 26 x 94 = 4004; a page takes another row only
    // while its top plus two standard rows stays within the footer rule at 4512.
    QTest::newRow("25 items and the total fit one page") << 25 << 1 << 27 << 4004;
    // Row 30 would start at 4380 > 4324: it opens page 2 under a new header.
    QTest::newRow("43 items: page 2 starts with row 30") << 43 << 2 << 30 << 1560 + 15 * 94;
}

void TestReportSections::summaryPageBreaks()
{
    QFETCH(int, itemRows);
    QFETCH(int, pages);
    QFETCH(int, rowsOnFirstPage);
    QFETCH(int, lastRowTop);

    RecordingPageSink sink(600, 600);
    QCOMPARE(PrintSummarySection(sink, QStringLiteral("A4Landscape"), summaryTable(itemRows),
                                 info()),
             pages);
    sink.finish();
    QCOMPARE(sink.pages().size(), pages);
    QCOMPARE(tableRows(sink.pages().first(), 5).size(), rowsOnFirstPage);
    const auto lastRows = tableRows(sink.pages().last(), 5);
    QCOMPARE(lastRows.last()[0].rect.y(), lastRowTop);
    QCOMPARE(lastRows.last()[1].texts, QStringList{QStringLiteral("Total")});
    if (pages > 1) {
        QCOMPARE(lastRows[0][4].texts, QStringList{QStringLiteral("Comments")});
        QCOMPARE(lastRows[0][3].fill, Highlight);
        QCOMPARE(lastRows[1][0].texts, QStringList{QString::number(rowsOnFirstPage)});
        QCOMPARE(pageNumberOf(sink.pages().last()), pages);
    }
}

// A word cannot be wrapped: the row grows by the extra height only, and the
// word is cut off at the right edge of the cell's text box.
void TestReportSections::summaryOneWordCommentMakesTallRow()
{
    const QString word = QStringLiteral("Waterconservationanddemandmanagementstrategyreviewedand"
                                        "approvedbycouncilinMarchwithoutamendments");
    RecordingPageSink sink(600, 600);
    PrintSummarySection(sink, QStringLiteral("A4Landscape"), summaryTable(2, word), info());
    sink.finish();
    const RecordedPage &page = sink.pages().first();
    const auto rows = tableRows(page, 5);

    QCOMPARE(rows[0][4].rect.height(), 94);
    QCOMPARE(rows[1][4].rect, QRect(3960, 1654, 2754, 94 + 30));
    QCOMPARE(rows[2][0].rect.y(), 1654 + 124);
    const RecordedText *text = page.findText(word);
    QVERIFY(text);
    QVERIFY(text->clipped);
    // Text box: 0.05 inch in from the left and right, 0.02 inch down from the top.
    QCOMPARE(text->clip, QRectF(3960 + 30, 1654 + 12, 2754 - 60, 124 - 12));
}

void TestReportSections::summaryCellColours_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<bool>("totalRow");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("textColour");

    QTest::newRow("item 0: red, white text") << "0" << false << Red << White;
    QTest::newRow("item 1: orange, white text") << "1" << false << Orange << White;
    QTest::newRow("item 2: yellow") << "2" << false << Yellow << Black;
    QTest::newRow("item 3: light yellow") << "3" << false << Highlight << Black;
    QTest::newRow("item 4: white") << "4" << false << White << Black;
    QTest::newRow("item 9: off the scale, white") << "9" << false << White << Black;
    QTest::newRow("item without digits reads as 0: red") << "n/a" << false << Red << White;
    QTest::newRow("total 0: highlight, not red") << "0" << true << Highlight << Black;
    QTest::newRow("total 100: highlight") << "100" << true << Highlight << Black;
}

void TestReportSections::summaryCellColours()
{
    QFETCH(QString, points);
    QFETCH(bool, totalRow);
    QFETCH(QColor, fill);
    QFETCH(QColor, textColour);

    CellTable grid = summaryTable(1);
    const int row = totalRow ? 2 : 1;
    grid.setCell(3, row, points);
    RecordingPageSink sink(600, 600);
    PrintSummarySection(sink, QStringLiteral("A4Landscape"), grid, info());
    sink.finish();
    const auto rows = tableRows(sink.pages().first(), 5);
    QCOMPARE(rows.size(), 3);

    const DrawnCell &cell = rows[row][3];
    QCOMPARE(cell.fill, fill);
    QCOMPARE(cell.texts, QStringList{points});
    QCOMPARE(cell.textColours.first(), textColour);

    // The other columns: item number and maximum in the highlight colour,
    // description and comment white; the total row all highlighted.
    const QList<QColor> others = totalRow
        ? QList<QColor>{Highlight, Highlight, Highlight, Highlight}
        : QList<QColor>{Highlight, White, Highlight, White};
    QCOMPARE((QList<QColor>{rows[row][0].fill, rows[row][1].fill, rows[row][2].fill,
                            rows[row][4].fill}),
             others);
    for (const DrawnCell &header : rows[0])
        QCOMPARE(header.fill, Highlight);
}

void TestReportSections::breakdownPages_data()
{
    QTest::addColumn<int>("dataRows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("rowsOnLastPage");

    QTest::newRow("150 rows on five full pages") << 150 << 5 << 30;
    QTest::newRow("151 rows: the last one on a sixth page") << 151 << 6 << 1;
    QTest::newRow("331 rows: twelve pages") << 331 << 12 << 1;
}

void TestReportSections::breakdownPages()
{
    QFETCH(int, dataRows);
    QFETCH(int, pages);
    QFETCH(int, rowsOnLastPage);

    RecordingPageSink sink(600, 600);
    QCOMPARE(PrintBreakdownSection(sink, QStringLiteral("A4Portrait"), breakdownTable(dataRows),
                                   info(), false),
             pages);
    sink.finish();
    QCOMPARE(sink.pages().size(), pages);

    int printed = 0;
    for (int p = 0; p < pages; ++p) {
        const RecordedPage &page = sink.pages()[p];
        const auto rows = tableRows(page, 2);
        // Every page: its own number, the frame, the header row at the table top.
        QCOMPARE(pageNumberOf(page), p + 1);
        QVERIFY(page.hasText(QStringLiteral("WC/WDM Potential Assessment")));
        QCOMPARE(rows[0][0].texts, QStringList{QStringLiteral("Description")});
        QCOMPARE(rows[0][0].rect.y(), 1680);
        QCOMPARE(rows.size() - 1, p + 1 == pages ? rowsOnLastPage : 30);
        printed += int(rows.size()) - 1;
        // Rows follow in table order across the pages.
        QCOMPARE(rows[1][0].texts.first(), breakdownTable(dataRows).cell(0, 30 * p + 1));
    }
    QCOMPARE(printed, dataRows);
}

void TestReportSections::breakdownOfScorecards_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("rowsPrinted");

    const Catalogue &small = smallMunicipalityCatalogue();
    int smallRows = 0;
    for (const CatalogueItem &item : small.items)
        smallRows += 1 + item.optionCount;

    QTest::newRow("big scorecard: 25 items of six rows") << QString::fromLatin1(BigMunicipality) << 150;
    // Rows of a block beyond a short item's options stay out of the report.
    QTest::newRow("small scorecard: empty option rows left out")
        << QString::fromLatin1(SmallMunicipality) << smallRows;
}

void TestReportSections::breakdownOfScorecards()
{
    QFETCH(QString, variant);
    QFETCH(int, rowsPrinted);

    ScorecardDocument document;
    fillAnsweredScorecard(document, variant);
    RecordingPageSink sink(600, 600);
    const int pages = printReport(sink, document, ReportSection::Breakdown, testLogo(),
                                  fixedPrintingMoment());
    sink.finish();
    QCOMPARE(pages, (rowsPrinted + 29) / 30);

    int printed = 0;
    for (const RecordedPage &page : sink.pages()) {
        const auto rows = tableRows(page, 2);
        for (qsizetype r = 1; r < rows.size(); ++r) {
            QVERIFY(!rows[r][0].texts.isEmpty());
            ++printed;
        }
    }
    QCOMPARE(printed, rowsPrinted);
}

void TestReportSections::breakdownCellColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QColor>("textFill");
    QTest::addColumn<QColor>("pointsFill");
    QTest::addColumn<QColor>("pointsTextColour");
    QTest::addColumn<int>("lines");

    const QString longHeading = QStringLiteral(
        "Is there a water conservation and demand management strategy, approved by council, "
        "with targets for the reduction of non-revenue water and a budget for each of its "
        "projects over the coming three financial years?");
    QTest::newRow("option worth 1: orange, white text") << "Option" << "1" << White << Orange << White << 1;
    QTest::newRow("option worth 0: red, white text") << "Option" << "0" << White << Red << White << 1;
    QTest::newRow("option worth 3: light yellow") << "Option" << "3" << White << Highlight << Black << 1;
    QTest::newRow("option worth 4: white") << "Option" << "4" << White << White << Black << 1;
    QTest::newRow("option worth 5: white") << "Option" << "5" << White << White << Black << 1;
    QTest::newRow("heading row: both highlighted") << "Heading" << "" << Highlight << Highlight << Black << 1;
    QTest::newRow("heading on two lines: tall, both highlighted")
        << longHeading << "" << Highlight << Highlight << Black << 2;
}

void TestReportSections::breakdownCellColours()
{
    QFETCH(QString, text);
    QFETCH(QString, points);
    QFETCH(QColor, textFill);
    QFETCH(QColor, pointsFill);
    QFETCH(QColor, pointsTextColour);
    QFETCH(int, lines);

    CellTable grid(3, 2);
    grid.setCell(0, 0, QStringLiteral("Description"));
    grid.setCell(1, 0, QStringLiteral("Points"));
    grid.setCell(0, 1, text);
    grid.setCell(1, 1, points);
    RecordingPageSink sink(600, 600);
    PrintBreakdownSection(sink, QStringLiteral("A4Portrait"), grid, info(), false);
    QPainter &painter = sink.painter();
    painter.setFont(reportFont(8));
    const int lineHeight = painter.fontMetrics().height();
    sink.finish();

    const auto rows = tableRows(sink.pages().first(), 2);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1][0].fill, textFill);
    QCOMPARE(rows[1][1].fill, pointsFill);
    QCOMPARE(rows[1][0].texts.size(), lines);
    if (!points.isEmpty())
        QCOMPARE(rows[1][1].textColours, QList<QColor>{pointsTextColour});
    // A row of one line keeps the standard height; a longer text gets its own
    // height plus 0.05 inch.
    const int height = rows[1][0].rect.height();
    if (lines == 1)
        QCOMPARE(height, 125);
    else
        QVERIFY2(height >= lines * lineHeight + 30 && height <= lines * (lineHeight + 10) + 30,
                 qPrintable(QString::number(height)));
}

void TestReportSections::noRowCrossesFooter_data()
{
    QTest::addColumn<ReportSection>("section");
    QTest::addColumn<int>("columns");

    QTest::newRow("summary with long comments") << ReportSection::Summary << 5;
    QTest::newRow("breakdown with long options") << ReportSection::Breakdown << 2;
}

// Tall rows near the bottom of a page go on the next page, under a repeated
// header row, instead of running into the footer.
void TestReportSections::noRowCrossesFooter()
{
    QFETCH(ReportSection, section);
    QFETCH(int, columns);

    const QString longText = QStringLiteral(
        "The municipality reports its water balance every month, but the bulk meters of the "
        "northern supply zone were not read for most of the year; the figures given for that "
        "zone are estimates and should be checked against the treatment works' records before "
        "the next assessment is made, and the meters replaced where they no longer register.");
    ScorecardDocument document;
    fillAnsweredScorecard(document, QLatin1String(BigMunicipality));
    // Comments of one to three paragraphs, so rows end at varied heights.
    for (int r = 1; r <= 26; ++r)
        document.editSummaryCell(4, r, QStringList(r % 3 + 1, longText).join(QLatin1Char(' ')));
    CellTable breakdown = breakdownTable(150);
    for (int r = 1; r <= 150; ++r)
        breakdown.setCell(0, r, longText);

    RecordingPageSink sink(600, 600);
    const int pages = section == ReportSection::Summary
        ? PrintSummarySection(sink, QStringLiteral("A4Landscape"), document.scorecardGrid(), info())
        : PrintBreakdownSection(sink, QStringLiteral("A4Portrait"), breakdown, info(), false);
    sink.finish();
    const PageGeometry g = pageGeometry(sectionLayout(section), 600, 600);

    QCOMPARE(sink.pages().size(), pages);
    QVERIFY(pages > 2);
    int printed = 0;
    for (int p = 0; p < pages; ++p) {
        const auto rows = tableRows(sink.pages()[p], columns);
        QCOMPARE(pageNumberOf(sink.pages()[p]), p + 1);
        QVERIFY(rows.size() > 1);
        QVERIFY(rows.size() <= 31);
        QCOMPARE(rows[0][0].fill, Highlight);
        for (const auto &row : rows) {
            QVERIFY2(row[0].rect.bottom() < g.FooterRuleY,
                     qPrintable(QStringLiteral("page %1: row at %2, height %3")
                                    .arg(p + 1)
                                    .arg(row[0].rect.y())
                                    .arg(row[0].rect.height())));
        }
        printed += int(rows.size()) - 1;
    }
    QCOMPARE(printed, section == ReportSection::Summary ? 26 : 150);
}

// The command-line path: every section on new pages in its own orientation,
// each numbered from 1.
void TestReportSections::pdfOfAllSections()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    ScorecardDocument document;
    fillAnsweredScorecard(document, QLatin1String(BigMunicipality));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    QVERIFY(printSectionsToPdf(file, 600, document,
                               {ReportSection::Indicators, ReportSection::Summary,
                                ReportSection::Breakdown},
                               testLogo(), fixedPrintingMoment(), &error));
    QCOMPARE(error, QString());

    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    QStringList orientations;
    QStringList pageTexts;
    const QStringList pages = html.split(QStringLiteral("</page>"));
    for (const QString &page : pages) {
        const auto m = pageTag.match(page);
        if (!m.hasMatch())
            continue;
        orientations.append(m.captured(1).toDouble() > m.captured(2).toDouble()
                                ? QStringLiteral("landscape")
                                : QStringLiteral("portrait"));
        static const QRegularExpression pageNumber(
            QStringLiteral(R"re(>Page</word>\s*<word[^>]*>(\d+)<)re"));
        pageTexts.append(pageNumber.match(page).captured(1));
    }
    QCOMPARE(orientations, (QStringList{"portrait", "landscape", "portrait", "portrait", "portrait",
                                        "portrait", "portrait"}));
    QCOMPARE(pageTexts, (QStringList{"1", "1", "1", "2", "3", "4", "5"}));
}

// A PDF that cannot be written is reported, and an earlier file of that
// name is left as it was.
void TestReportSections::pdfThatCannotBeWritten()
{
    ScorecardDocument document;
    fillAnsweredScorecard(document, QLatin1String(BigMunicipality));
    QTemporaryDir dir;
    QString error;
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
    QVERIFY(!printSectionsToPdf(missing, 600, document, {ReportSection::Summary}, testLogo(),
                                fixedPrintingMoment(), &error));
    QVERIFY2(error.contains(QStringLiteral("report.pdf")), qPrintable(error));
    QVERIFY(!QFileInfo::exists(missing));

    error.clear();
    QVERIFY(!printSectionsToPdf(dir.filePath(QStringLiteral("empty.pdf")), 600, document, {},
                                testLogo(), fixedPrintingMoment(), &error));
    QCOMPARE(error, QStringLiteral("Please choose what to print"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

QTEST_MAIN(TestReportSections)
#include "tst_reportsections.moc"
