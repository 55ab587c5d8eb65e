// The Summary page's table as the assessor sees and uses it: colours, when
// the points are brought up to date, the keyboard and mouse, typing comments
// and the row heights that follow them.
#include "BreakdownTable.h"
#include "Catalogue.h"
#include "QuorvalResources.h"
#include "SummaryTable.h"
#include "WindowFixture.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QString Big = QString::fromLatin1(BigMunicipality);
const QString Small = QString::fromLatin1(SmallMunicipality);

enum class Scorecard { SmallWithPoints, FreshBig };

// A small scorecard whose first items hold every kind of points value:
// 0, 1, 2, 3, 4, 5, a negative one and one above 5; total 19.
ScorecardFileContents smallWithPoints()
{
    ScorecardFileContents contents = emptyContents(Small);
    const QStringList points{"0", "1", "2", "3", "4", "5", "-3", "7"};
    for (int i = 0; i < points.size(); ++i)
        contents.points[i] = points.at(i);
    contents.points[22] = QStringLiteral("19");
    return contents;
}

} // namespace

class TestSummaryTable final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initQuorvalResources(); }
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void cellColours_data();
    void cellColours();
    void pointsText_data();
    void pointsText();

    void refreshWhenPageIsShown();
    void noRefreshWhileVisible();

    void enterMovesDown_data();
    void enterMovesDown();
    void enterInEditorClosesIt();
    void fixedColumnsCannotBeSelected_data();
    void fixedColumnsCannotBeSelected();
    void currentCommentIsFramed();

    void typingRunsEditRule_data();
    void typingRunsEditRule();
    void longCommentGrowsRowAndShortOneShrinksIt();
    void smallScorecardKeepsCurrentCellInside();
    void openFileClosesEditor();

private:
    SummaryTable *grid() const { return m_f->form.ScorecardGrid; }
    void showPage(QWidget *page) { m_f->form.PageControl1->setCurrentWidget(page); }
    void showSummary() { showPage(m_f->form.TabSheet2); }
    void choose(int breakdownRow);
    void clickComment(int row) { pressAt(grid(), cellCorner(grid(), 4, row)); }

    std::unique_ptr<WindowFixture> m_f;
};

void TestSummaryTable::choose(int breakdownRow)
{
    BreakdownTable *breakdown = m_f->form.BreakDownGrid;
    breakdown->setTopRow(breakdownRow);
    pressAt(breakdown, breakdown->GetBtnRect(2, breakdownRow).center());
}

void TestSummaryTable::cellColours_data()
{
    QTest::addColumn<Scorecard>("scorecard");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<Fill>("fill");

    const auto small = Scorecard::SmallWithPoints;
    QTest::newRow("header row") << small << 4 << 0 << Fill::ButtonFace;
    QTest::newRow("item number") << small << 0 << 1 << Fill::ButtonFace;
    QTest::newRow("description") << small << 1 << 1 << Fill::White;
    QTest::newRow("max points") << small << 2 << 1 << Fill::ButtonFace;
    QTest::newRow("comment") << small << 4 << 1 << Fill::White;
    QTest::newRow("0 points") << small << 3 << 1 << Fill::Red;
    QTest::newRow("1 point") << small << 3 << 2 << Fill::Orange;
    QTest::newRow("2 points") << small << 3 << 3 << Fill::Yellow;
    QTest::newRow("3 points") << small << 3 << 4 << Fill::LightYellow;
    QTest::newRow("4 points") << small << 3 << 5 << Fill::White;
    QTest::newRow("5 points") << small << 3 << 6 << Fill::White;
    QTest::newRow("negative points") << small << 3 << 7 << Fill::White;
    QTest::newRow("item points above 5") << small << 3 << 8 << Fill::LightYellow;
    QTest::newRow("total above 5") << small << 3 << 23 << Fill::LightYellow;
    QTest::newRow("total row, description") << small << 1 << 23 << Fill::ButtonFace;
    QTest::newRow("total row, comment") << small << 4 << 23 << Fill::ButtonFace;
    QTest::newRow("fresh scorecard, total 0") << Scorecard::FreshBig << 3 << 26 << Fill::Red;
}

void TestSummaryTable::cellColours()
{
    QFETCH(Scorecard, scorecard);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(Fill, fill);

    if (scorecard == Scorecard::SmallWithPoints)
        m_f->document.applyFile(smallWithPoints());
    else
        m_f->setUpBig();
    showSummary();

    QCOMPARE(grabGrid(grid()).pixelColor(cellCorner(grid(), column, row)).name(),
             fillColour(fill, grid()).name());
}

void TestSummaryTable::pointsText_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("textColour");

    QTest::newRow("0 points: white on red") << 1 << QColor(Qt::white);
    QTest::newRow("1 point: black on orange") << 2 << QColor(Qt::black);
    QTest::newRow("negative points: black on white") << 7 << QColor(Qt::black);
    QTest::newRow("total: black on light yellow") << 23 << QColor(Qt::black);
}

void TestSummaryTable::pointsText()
{
    QFETCH(int, row);
    QFETCH(QColor, textColour);

    m_f->document.applyFile(smallWithPoints());
    showSummary();

    const QImage shown = grabGrid(grid());
    const QRect cell = grid()->cellRect(3, row);
    const QColor other = textColour == QColor(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    QCOMPARE_LT(nearestDistance(shown, cell, textColour), 24);
    // On a white fill only the text colour tells; elsewhere the other text
    // colour must be nowhere near.
    if (shown.pixelColor(cellCorner(grid(), 3, row)) != QColor(Qt::white))
        QCOMPARE_GT(nearestDistance(shown, cell, other), 100);
}

void TestSummaryTable::refreshWhenPageIsShown()
{
    m_f->setUpBig();
    showPage(m_f->form.TabSheet3);
    choose(3); // item 1, 3 points
    choose(9); // item 2, 3 points

    // Until the page is shown the Summary keeps the points of the set-up.
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 1), QStringLiteral("0"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 26), QStringLiteral("0"));

    showSummary();

    QCOMPARE(m_f->document.scorecardGrid().cell(3, 1), QStringLiteral("3"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 2), QStringLiteral("3"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 26), QStringLiteral("6"));
    const QImage shown = grabGrid(grid());
    const QString lightYellow = fillColour(Fill::LightYellow, grid()).name();
    QCOMPARE(shown.pixelColor(cellCorner(grid(), 3, 1)).name(), lightYellow);
    QCOMPARE(shown.pixelColor(cellCorner(grid(), 3, 26)).name(), lightYellow);
}

void TestSummaryTable::noRefreshWhileVisible()
{
    m_f->setUpBig();
    showSummary();
    const QImage before = grabGrid(grid());

    choose(3);

    QCOMPARE(m_f->document.ItemPoints()[0], 3);
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 1), QStringLiteral("0"));
    QCOMPARE(grabGrid(grid()), before);

    // Shown again, the page catches up.
    showPage(m_f->form.TabSheet3);
    showSummary();
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 1), QStringLiteral("3"));
}

void TestSummaryTable::enterMovesDown_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    QTest::newRow("row 5 to row 6") << 5 << 6;
    QTest::newRow("last item to the total row") << 25 << 26;
    QTest::newRow("total row wraps to row 1") << 26 << 1;
}

void TestSummaryTable::enterMovesDown()
{
    QFETCH(int, from);
    QFETCH(int, to);

    m_f->setUpBig();
    showSummary();
    clickComment(from);
    QCOMPARE(grid()->currentRow(), from);

    QTest::keyClick(grid(), Qt::Key_Return);

    QCOMPARE(grid()->currentRow(), to);
    QCOMPARE(grid()->currentColumn(), 4);
    // Enter outside the editor opens it on the new cell.
    QCOMPARE(grid()->isEditing(), true);
    QCOMPARE(grid()->editor()->geometry(), grid()->cellRect(4, to));
}

void TestSummaryTable::enterInEditorClosesIt()
{
    m_f->setUpBig();
    showSummary();
    clickComment(26);
    QTest::keyClicks(grid(), QStringLiteral("Done"));
    QCOMPARE(grid()->isEditing(), true);

    QTest::keyClick(grid()->editor(), Qt::Key_Return);

    QCOMPARE(grid()->currentRow(), 1);
    QCOMPARE(grid()->isEditing(), false);
    QCOMPARE(m_f->document.scorecardGrid().cell(4, 26), QStringLiteral("Done"));
}

void TestSummaryTable::fixedColumnsCannotBeSelected_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("expectedRow");

    QTest::newRow("item number") << 0 << 2;
    QTest::newRow("description") << 1 << 2;
    QTest::newRow("max points") << 2 << 2;
    QTest::newRow("points") << 3 << 2;
    QTest::newRow("comments") << 4 << 5;
}

void TestSummaryTable::fixedColumnsCannotBeSelected()
{
    QFETCH(int, column);
    QFETCH(int, expectedRow);

    m_f->setUpBig();
    showSummary();
    clickComment(2);

    // Twice: a second press on a current cell would open its editor.
    pressAt(grid(), cellCorner(grid(), column, 5));
    pressAt(grid(), cellCorner(grid(), column, 5));

    QCOMPARE(grid()->currentRow(), expectedRow);
    QCOMPARE(grid()->isEditing(), column == 4);
    // Typing goes to the comment of the current row, never to a fixed column.
    QTest::keyClicks(grid()->isEditing() ? static_cast<QWidget *>(grid()->editor()) : grid(),
                     QStringLiteral("x"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 5), QStringLiteral("0"));
    QCOMPARE(m_f->document.scorecardGrid().cell(column, 5).endsWith(u'x'), column == 4);
}

void TestSummaryTable::currentCommentIsFramed()
{
    m_f->setUpBig();
    showSummary();
    m_f->form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_f->form));
    clickComment(3);
    QVERIFY(grid()->hasFocus());

    // The top edge of the current cell carries a dotted frame in the text
    // colour; the same edge of another comment cell is plain white.
    const QString frame = grid()->palette().color(QPalette::WindowText).name();
    auto topEdge = [this](int row) {
        const QRect cell = grid()->cellRect(4, row);
        return coloursIn(grabGrid(grid()), QRect(cell.left() + 20, cell.top(), 40, 1));
    };
    QVERIFY(topEdge(3).contains(frame));
    QCOMPARE(topEdge(4), QStringList{fillColour(Fill::White, grid()).name()});

    // While the editor is open it shows the current cell instead.
    QTest::keyClick(grid(), Qt::Key_F2);
    QCOMPARE(grid()->isEditing(), true);
    grid()->editor()->hide();
    QVERIFY(!topEdge(3).contains(frame));
}

void TestSummaryTable::typingRunsEditRule_data()
{
    QTest::addColumn<Scorecard>("scorecard");
    QTest::addColumn<int>("totalRow");
    QTest::addColumn<QString>("total");

    // The big total follows only the page's refresh: the option chosen while
    // the page is on display is not in it yet. The small total is formed anew
    // from its 22 items on every edit.
    QTest::newRow("big scorecard: total left alone") << Scorecard::FreshBig << 26 << "0";
    QTest::newRow("small scorecard: total of items 1 to 22")
        << Scorecard::SmallWithPoints << 23 << "19";
}

void TestSummaryTable::typingRunsEditRule()
{
    QFETCH(Scorecard, scorecard);
    QFETCH(int, totalRow);
    QFETCH(QString, total);

    if (scorecard == Scorecard::SmallWithPoints)
        m_f->document.applyFile(smallWithPoints());
    else
        m_f->setUpBig();
    showSummary();
    choose(3);
    clickComment(3);

    QTest::keyClicks(grid(), QStringLiteral("Leaks"));

    QCOMPARE(grid()->isEditing(), true);
    QCOMPARE(m_f->document.scorecardGrid().cell(4, 3), QStringLiteral("Leaks"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, totalRow), total);
    QCOMPARE(m_f->document.isModified(), true);
}

void TestSummaryTable::longCommentGrowsRowAndShortOneShrinksIt()
{
    m_f->setUpBig();
    showSummary();
    const QString comment = QStringLiteral(
        "Night flows are logged in two zones only; the other zones have no bulk meters yet and "
        "the budget for them has been asked for in the next financial year");
    const int lines = wrappedLines(comment, grid()->font(), grid()->columnWidth(4));
    QCOMPARE_GE(lines, 2);
    clickComment(4);

    QTest::keyClicks(grid(), comment);

    const int lineHeight = QFontMetrics(grid()->font()).lineSpacing();
    QCOMPARE(grid()->rowHeight(4), lines * lineHeight + 5);
    QCOMPARE(grid()->rowHeight(5), 20);
    // The editor follows its cell.
    QCOMPARE(grid()->editor()->geometry(), grid()->cellRect(4, 4));

    grid()->editor()->selectAll();
    QTest::keyClicks(grid()->editor(), QStringLiteral("Two zones"));

    QCOMPARE(m_f->document.scorecardGrid().cell(4, 4), QStringLiteral("Two zones"));
    QCOMPARE(grid()->rowHeight(4), 20);
}

void TestSummaryTable::smallScorecardKeepsCurrentCellInside()
{
    m_f->setUpBig();
    showSummary();
    clickComment(26);

    // A small scorecard's table ends with its total row 23.
    m_f->document.applyFile(smallWithPoints());
    showSummary();
    QCOMPARE(grid()->rowCount(), 24);
    QCOMPARE(grid()->currentRow(), 23);

    QTest::keyClicks(grid(), QStringLiteral("Checked"));
    QCOMPARE(m_f->document.scorecardGrid().cell(4, 23), QStringLiteral("Checked"));

    // Enter on the small total row wraps to row 1.
    QTest::keyClick(grid()->editor(), Qt::Key_Return);
    QCOMPARE(grid()->currentRow(), 1);
}

void TestSummaryTable::openFileClosesEditor()
{
    m_f->setUpBig();
    showSummary();
    clickComment(3);
    QTest::keyClicks(grid(), QStringLiteral("Old"));
    QCOMPARE(grid()->isEditing(), true);

    // A scorecard read while the editor is open replaces the comment under it;
    // typing on must not write the old text back.
    ScorecardFileContents contents = emptyContents(Big);
    contents.comments[2] = QStringLiteral("From the file");
    m_f->document.applyFile(contents);

    QCOMPARE(grid()->isEditing(), false);
    QCOMPARE(m_f->document.scorecardGrid().cell(4, 3), QStringLiteral("From the file"));
    QTest::keyClick(grid(), Qt::Key_F2);
    QCOMPARE(grid()->editor()->text(), QStringLiteral("From the file"));
}

QTEST_MAIN(TestSummaryTable)
#include "tst_summarytable.moc"
