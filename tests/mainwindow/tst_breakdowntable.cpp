// The Scorecard page's breakdown table as the assessor sees and uses it: the
// colours of its cells and check boxes, presses on its cells, row heights, and
// the shorter blocks of a small scorecard.
#include "BreakdownTable.h"
#include "Catalogue.h"
#include "QuorvalResources.h"
#include "WindowFixture.h"

#include <QPaintEvent>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QString Big = QString::fromLatin1(BigMunicipality);
const QString Small = QString::fromLatin1(SmallMunicipality);

enum class Scorecard { BigFile, SmallFile };
enum class Probe { CellCorner, BoxFrameCorner };

// Item 1 of the big file: row 3 (3 points) chosen, row 4 with a state that is
// neither value. The small file is unanswered.
ScorecardFileContents contentsFor(Scorecard scorecard)
{
    if (scorecard == Scorecard::SmallFile)
        return emptyContents(Small);
    ScorecardFileContents contents = emptyContents(Big);
    contents.optionStates[3 - 1] = OptionSelected;
    contents.optionStates[4 - 1] = 0;
    contents.points[0] = QStringLiteral("3");
    return contents;
}

// Counts the paint events that cover all of a widget's visible part.
class FullPaintCounter final : public QObject
{
public:
    explicit FullPaintCounter(QWidget *widget) : m_widget(widget)
    {
        widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint
            && static_cast<QPaintEvent *>(event)->rect().contains(
                m_widget->visibleRegion().boundingRect()))
            ++count;
        return false;
    }

private:
    QWidget *m_widget;
};

} // namespace

class TestBreakdownTable final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initQuorvalResources(); }
    void init();
    void cleanup() { m_f.reset(); }

    void cellColours_data();
    void cellColours();
    void checkBoxes_data();
    void checkBoxes();
    void pointsText_data();
    void pointsText();

    void clicks_data();
    void clicks();
    void clickWhileBusyOnlyRepaints();
    void scrollingRepaintsWholeTable();

    void threeLineOptionGrowsRow();
    void headingRowsStayThirtyHigh();

    void smallScorecardHidesUnusedRows();
    void bigScorecardAfterSmallShowsEveryRow();

private:
    BreakdownTable *grid() const { return m_f->form.BreakDownGrid; }
    void showScorecardPage() { m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet3); }

    std::unique_ptr<WindowFixture> m_f;
};

void TestBreakdownTable::init()
{
    m_f = std::make_unique<WindowFixture>();
}

void TestBreakdownTable::cellColours_data()
{
    QTest::addColumn<Scorecard>("scorecard");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<Fill>("fill");

    const auto big = Scorecard::BigFile;
    const auto corner = Probe::CellCorner;
    QTest::newRow("header row, Description") << big << 0 << 0 << corner << Fill::ButtonFace;
    QTest::newRow("header row, Select") << big << 2 << 0 << corner << Fill::ButtonFace;
    QTest::newRow("heading row, item name") << big << 0 << 1 << corner << Fill::ButtonFace;
    QTest::newRow("heading row, empty points cell") << big << 1 << 1 << corner << Fill::ButtonFace;
    QTest::newRow("heading row, item points") << big << 2 << 1 << corner << Fill::ButtonFace;
    QTest::newRow("option text") << big << 0 << 2 << corner << Fill::White;
    // The item points are drawn over the middle of the cell, where an option
    // row has its box; the box's frame corner shows that none is drawn.
    QTest::newRow("heading row, where a box would be")
        << big << 2 << 1 << Probe::BoxFrameCorner << Fill::ButtonFace;
    QTest::newRow("select cell beside the box") << big << 2 << 2 << corner << Fill::White;
    QTest::newRow("4 points") << big << 1 << 2 << corner << Fill::White;
    QTest::newRow("3 points") << big << 1 << 3 << corner << Fill::LightYellow;
    QTest::newRow("2 points") << big << 1 << 4 << corner << Fill::Yellow;
    QTest::newRow("1 point") << big << 1 << 5 << corner << Fill::Orange;
    QTest::newRow("0 points") << big << 1 << 6 << corner << Fill::Red;
    // Small item 3 starts with a 5-point option (row 14).
    QTest::newRow("5 points, small scorecard") << Scorecard::SmallFile << 1 << 14 << corner << Fill::White;
}

void TestBreakdownTable::cellColours()
{
    QFETCH(Scorecard, scorecard);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(Probe, probe);
    QFETCH(Fill, fill);

    m_f->document.applyFile(contentsFor(scorecard));
    showScorecardPage();

    const QPoint point = probe == Probe::CellCorner ? cellCorner(grid(), column, row)
                                                    : grid()->GetBtnRect(column, row).topLeft();
    QCOMPARE(grabGrid(grid()).pixelColor(point).name(), fillColour(fill, grid()).name());
}

void TestBreakdownTable::checkBoxes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<Fill>>("wellFills");

    QTest::newRow("unselected option: empty well") << 2 << QList<Fill>{Fill::White};
    QTest::newRow("selected option: check mark") << 3 << QList<Fill>{Fill::White, Fill::Text};
    QTest::newRow("state neither value: greyed, no mark") << 4 << QList<Fill>{Fill::ButtonFace};
}

void TestBreakdownTable::checkBoxes()
{
    QFETCH(int, row);
    QFETCH(QList<Fill>, wellFills);

    m_f->document.applyFile(contentsFor(Scorecard::BigFile));
    showScorecardPage();

    // The well is the box inside its one-pixel frame.
    const QRect box = grid()->GetBtnRect(2, row);
    QCOMPARE(box.size(), QSize(12, 12));
    QStringList expected;
    for (Fill fill : wellFills)
        expected << fillColour(fill, grid()).name();
    expected.sort();
    QCOMPARE(coloursIn(grabGrid(grid()), box.adjusted(1, 1, -1, -1)), expected);
}

void TestBreakdownTable::pointsText_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("textColour");

    QTest::newRow("0 points: white on red") << 6 << QColor(Qt::white);
    QTest::newRow("1 point: black on orange") << 5 << QColor(Qt::black);
    QTest::newRow("3 points: black on light yellow") << 3 << QColor(Qt::black);
}

void TestBreakdownTable::pointsText()
{
    QFETCH(int, row);
    QFETCH(QColor, textColour);

    m_f->document.applyFile(contentsFor(Scorecard::BigFile));
    showScorecardPage();

    // The digit's stems come out in the text colour, give or take smoothing;
    // the other text colour is nowhere near.
    const QImage shown = grabGrid(grid());
    const QRect cell = grid()->cellRect(1, row);
    const QColor other = textColour == QColor(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    QCOMPARE_LT(nearestDistance(shown, cell, textColour), 24);
    QCOMPARE_GT(nearestDistance(shown, cell, other), 100);
}

void TestBreakdownTable::clicks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("onTheBox");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("itemPoints");

    // Item 1 starts with row 3 (3 points) chosen.
    QTest::newRow("select cell, on the box: row 5 (1 point)")
        << 2 << 5 << true << QList<int>{5} << QStringLiteral("1");
    QTest::newRow("select cell, beside the box: row 2 (4 points)")
        << 2 << 2 << false << QList<int>{2} << QStringLiteral("4");
    QTest::newRow("select cell of the chosen option keeps it")
        << 2 << 3 << true << QList<int>{3} << QStringLiteral("3");
    QTest::newRow("select cell of the heading row") << 2 << 1 << false << QList<int>{1, 3}
                                                    << QStringLiteral("3");
    QTest::newRow("description column") << 0 << 5 << false << QList<int>{3} << QStringLiteral("3");
    QTest::newRow("points column") << 1 << 5 << false << QList<int>{3} << QStringLiteral("3");
}

void TestBreakdownTable::clicks()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, onTheBox);
    QFETCH(QList<int>, selected);
    QFETCH(QString, itemPoints);

    m_f->setUpBig();
    showScorecardPage();
    m_f->document.SelectOption(3);
    FullPaintCounter paints(grid()->viewport());

    const QPoint pos = onTheBox ? grid()->GetBtnRect(column, row).center()
                                : cellCorner(grid(), column, row);
    pressAt(grid(), pos);

    QCOMPARE(selectedRows(m_f->document), selected);
    QCOMPARE(m_f->document.breakDownGrid().cell(2, 1), itemPoints);
    QCOMPARE_GE(paints.count, 1);
    QCOMPARE(grid()->isClickBusy(), false);

    // What the table shows afterwards: a check mark in every chosen option's box
    // and none elsewhere, and the item's points on its heading row.
    const QImage shown = grabGrid(grid());
    const QString mark = fillColour(Fill::Text, grid()).name();
    for (int r = 2; r <= 6; ++r) {
        const bool marked =
            coloursIn(shown, grid()->GetBtnRect(2, r).adjusted(1, 1, -1, -1)).contains(mark);
        QCOMPARE(marked, selected.contains(r));
    }
}

void TestBreakdownTable::clickWhileBusyOnlyRepaints()
{
    m_f->setUpBig();
    showScorecardPage();

    // A second press arriving while the first is still being handled (here
    // from inside the first one's change notice) must not choose its row.
    bool nested = false;
    FullPaintCounter paints(grid()->viewport());
    int paintsOfNestedClick = -1;
    connect(&m_f->document, &ScorecardDocument::contentChanged, this, [&] {
        if (nested)
            return;
        nested = true;
        QCOMPARE(grid()->isClickBusy(), true);
        const int before = paints.count;
        pressAt(grid(), grid()->GetBtnRect(2, 5).center());
        paintsOfNestedClick = paints.count - before;
    });
    pressAt(grid(), grid()->GetBtnRect(2, 3).center());

    QCOMPARE(selectedRows(m_f->document), QList<int>{3});
    QCOMPARE(paintsOfNestedClick, 1);
    QCOMPARE(grid()->isClickBusy(), false);

    // The guard is down again: the next press chooses as usual.
    pressAt(grid(), grid()->GetBtnRect(2, 4).center());
    QCOMPARE(selectedRows(m_f->document), QList<int>{4});
}

void TestBreakdownTable::scrollingRepaintsWholeTable()
{
    m_f->setUpBig();
    showScorecardPage();
    FullPaintCounter paints(grid()->viewport());

    grid()->setTopRow(2);

    QCOMPARE(grid()->topRow(), 2);
    QCOMPARE(paints.count, 1);
    // Row 2 is now the first row under the header.
    QCOMPARE(grid()->cellRect(0, 2).top(), grid()->rowHeight(0) + 1);
}

void TestBreakdownTable::threeLineOptionGrowsRow()
{
    m_f->setUpBig();
    showScorecardPage();

    // Item 2, second option (row 9): at the page's width it takes two lines;
    // narrowed until it takes three, its row fits three lines plus 5 pixels.
    const int row = 9;
    const QString text = m_f->document.breakDownGrid().cell(0, row);
    const QFont font = grid()->font();
    const int indent = 15;
    int width = 620;
    while (width > 100 && wrappedLines(text, font, width - indent) != 3)
        --width;
    QCOMPARE(wrappedLines(text, font, width - indent), 3);
    const int lineHeight = QFontMetrics(font).lineSpacing();
    QCOMPARE(grid()->rowHeight(row), 2 * lineHeight + 5);

    grid()->setColumnWidths({width, 67, 64});

    QCOMPARE(grid()->rowHeight(row), 3 * lineHeight + 5);
    QCOMPARE(grid()->cellRect(0, row).height(), 3 * lineHeight + 5);
    // The one-line options of item 1 keep the default height.
    QCOMPARE(grid()->rowHeight(6), 20);

    // Rows never shrink: widening the column again leaves the row as it is.
    grid()->setColumnWidths({620, 67, 64});
    QCOMPARE(grid()->rowHeight(row), 3 * lineHeight + 5);
}

void TestBreakdownTable::headingRowsStayThirtyHigh()
{
    m_f->setUpBig();
    showScorecardPage();
    m_f->document.SelectOption(3);
    grid()->setColumnWidths({120, 67, 64}); // item names now need several lines

    for (int k = 1; k <= 25; ++k)
        QCOMPARE(grid()->rowHeight(headingRow(k)), 30);
    QCOMPARE(grid()->cellRect(0, 1).height(), 30);
}

void TestBreakdownTable::smallScorecardHidesUnusedRows()
{
    ScorecardFileContents contents = emptyContents(Small);
    m_f->document.applyFile(contents);
    showScorecardPage();
    QCOMPARE(grid()->rowCount(), 133);

    // Items 20, 21 and 22 have 4, 3 and 4 options.
    const QList<int> unused{120, 125, 126, 132};
    for (int r = 115; r <= 132; ++r) {
        const bool hidden = unused.contains(r);
        QCOMPARE(grid()->rowHeight(r) == 0, hidden);
    }

    // Scrolled to item 20, the row below its last option is item 21's heading.
    grid()->setTopRow(115);
    QVERIFY(grid()->cellRect(2, 120).isEmpty());
    const QRect lastOption = grid()->cellRect(2, 119);
    const QRect nextHeading = grid()->cellRect(2, 121);
    QCOMPARE(nextHeading.top(), lastOption.bottom() + 2);

    // Every press down the Select column of items 20 to 22 lands on a row the
    // item has: the unused rows cannot be chosen.
    for (int y = grid()->cellRect(2, 115).top(); y <= grid()->cellRect(2, 132 - 1).bottom(); ++y) {
        pressAt(grid(), QPoint(lastOption.center().x(), y));
        for (int r : unused)
            QCOMPARE(m_f->document.optionState(r), OptionUnselected);
    }
    QCOMPARE(m_f->document.optionState(119), OptionSelected);
    QCOMPARE(m_f->document.optionState(131), OptionSelected);
}

void TestBreakdownTable::bigScorecardAfterSmallShowsEveryRow()
{
    m_f->document.applyFile(emptyContents(Small));
    m_f->setUpBig();
    showScorecardPage();

    QCOMPARE(grid()->rowCount(), 151);
    for (int r : {120, 125, 126, 132, 150})
        QCOMPARE(grid()->rowHeight(r), 20);
}

QTEST_MAIN(TestBreakdownTable)
#include "tst_breakdowntable.moc"
