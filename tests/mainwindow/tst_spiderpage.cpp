// The Spider Diagram page: drawn from the current points each time it is
// shown, kept whole when the window is resized while it is on display, and
// wiped to its title by a resize while another page is shown.
#include "QuorvalResources.h"
#include "RadarChart.h"
#include "WindowFixture.h"

#include <QLocale>
#include <QPainter>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

class TestSpiderPage final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initQuorvalResources(); }
    void showingThePageDrawsTheCurrentPoints();
    void resizeKeepsTheDiagramOnDisplay();
    void resizeWipesTheDiagramOffDisplay();
    void smallScorecardHasItsOwnScores();
};

namespace {

QImage expectedDiagram(const ScorecardDocument &document)
{
    return renderRadarChart(categoryScores(document.globals()), document.globals().ProviderName,
                            QLocale());
}

QImage titleOnly(const QString &title)
{
    QImage image(RadarChart::ImageSize, RadarChart::ImageSize, QImage::Format_RGB32);
    QPainter painter(&image);
    clearRadarChart(painter, title);
    return image;
}

void resizeWindow(TScorecardForm &form)
{
    form.resize(form.size() + QSize(40, 30));
}

} // namespace

void TestSpiderPage::showingThePageDrawsTheCurrentPoints()
{
    WindowFixture f;
    f.setUpBig();
    f.document.setBasicInformation(QStringLiteral("Riverton"), QStringLiteral("North"),
                                   QStringLiteral("2012"));
    f.document.SelectOption(firstOptionRow(1)); // item 1, 4 points: Financial 0.4
    f.document.SelectOption(firstOptionRow(2)); // item 2, 4 points: Technical 4/14

    f.form.PageControl1->setCurrentWidget(f.form.SpiderDiagram);
    QCOMPARE(f.document.scorecardGrid().cell(3, 1), QStringLiteral("4"));
    QCOMPARE(f.document.globals().FinancialScore, 0.4);
    QCOMPARE(f.form.radarGraph(), expectedDiagram(f.document));
    // The polygon runs from 16 pixels above the centre to 11 right of it.
    QCOMPARE(f.form.radarGraph().pixelColor(252, 246), QColor(255, 0, 0));
    QCOMPARE(f.form.radarGraph().pixelColor(262, 246), QColor(255, 255, 255));
}

void TestSpiderPage::resizeKeepsTheDiagramOnDisplay()
{
    WindowFixture f;
    f.setUpBig();
    f.document.SelectOption(firstOptionRow(2));
    f.form.PageControl1->setCurrentWidget(f.form.SpiderDiagram);
    const QImage drawn = f.form.radarGraph();

    resizeWindow(f.form);
    QCOMPARE(f.form.radarGraph(), drawn);
}

void TestSpiderPage::resizeWipesTheDiagramOffDisplay()
{
    WindowFixture f;
    f.setUpBig();
    f.document.setBasicInformation(QStringLiteral("Riverton"), QString(), QString());
    f.form.PageControl1->setCurrentWidget(f.form.SpiderDiagram);
    f.form.PageControl1->setCurrentWidget(f.form.TabSheet1);

    resizeWindow(f.form);
    QCOMPARE(f.form.radarGraph(), titleOnly(QStringLiteral("Riverton")));

    // Coming back draws the whole diagram again.
    f.form.PageControl1->setCurrentWidget(f.form.SpiderDiagram);
    QCOMPARE(f.form.radarGraph(), expectedDiagram(f.document));
}

void TestSpiderPage::smallScorecardHasItsOwnScores()
{
    WindowFixture f;
    f.setUpBig();
    for (int item = 1; item <= 25; ++item)
        f.document.SelectOption(firstOptionRow(item)); // every big item at 4
    f.form.PageControl1->setCurrentWidget(f.form.SpiderDiagram);
    QCOMPARE(f.document.globals().SocialScore, 4.0);
    f.form.PageControl1->setCurrentWidget(f.form.TabSheet1);

    // A small scorecard with only item 17 (Social, at most 5) at 5 points.
    ScorecardFileContents contents = emptyContents(QStringLiteral("SmallMunicipality"));
    contents.points[16] = QStringLiteral("5");
    contents.optionStates[std::size_t(firstOptionRow(17) - 1)] = OptionSelected;
    f.document.applyFile(contents);
    f.form.PageControl1->setCurrentWidget(f.form.SpiderDiagram);

    QCOMPARE(f.document.globals().SocialScore, 1.0); // (4 + 0 + 0 + 0) / 4
    QCOMPARE(f.document.globals().FinancialScore, 0.0);
    QCOMPARE(f.form.radarGraph(), expectedDiagram(f.document));
}

QTEST_MAIN(TestSpiderPage)
#include "tst_spiderpage.moc"
