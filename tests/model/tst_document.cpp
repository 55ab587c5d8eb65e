// Tests of the scorecard document: the new-scorecard set-up of both variants,
// the shared number helpers, the scoring rules and the category scores.
#include "Catalogue.h"
#include "ScorecardBasics.h"
#include "ScorecardDocument.h"
#include "ScorecardFileContents.h"
#include "ScriptedPrompter.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using StateList = QList<QPair<int, int>>;  // (breakdown row, state)
using PointsList = QList<QPair<int, int>>; // (item number, points)

namespace {

const QString Big = QString::fromLatin1(BigMunicipality);
const QString Small = QString::fromLatin1(SmallMunicipality);
const QString Question = QStringLiteral("Any unsaved information will be lost, Continue ?");

const Catalogue &catalogueOf(const QString &variant)
{
    return variant == Small ? smallMunicipalityCatalogue() : bigMunicipalityCatalogue();
}

QString text(const char *s)
{
    return QString::fromLatin1(s);
}

QList<int> toList(const auto &array)
{
    return QList<int>(array.begin(), array.end());
}

// A confirmed set-up of `variant`, the way the basic-information dialog and
// Open start a scorecard.
void setUp(ScorecardDocument &document, const QString &variant)
{
    ScriptedPrompter prompter;
    document.setScorecardVariant(variant);
    document.SetUpNewScorecard(prompter);
}

// The breakdown row of the option of `item` worth `points`; 0 when it has none.
int optionRowFor(const QString &variant, int item, int points)
{
    const CatalogueItem &entry = catalogueOf(variant).items[std::size_t(item - 1)];
    for (int j = 0; j < entry.optionCount; ++j) {
        if (entry.options[std::size_t(j)].points == points)
            return firstOptionRow(item) + j;
    }
    return 0;
}

// A checked file of `variant` whose items hold `itemPoints` (items past the end
// of the list hold 0 and no selected option), the option worth those points
// selected, then `states` laid over the option states as they are.
ScorecardFileContents fileContents(const QString &variant, const QList<int> &itemPoints,
                                   const StateList &states = {})
{
    ScorecardFileContents contents;
    contents.programVersion = QStringLiteral("2.3.1.1 August 2010");
    contents.variant = variant;
    contents.providerName = QStringLiteral("Amberkloof Local Municipality");
    contents.additionalDetails = QStringLiteral("Eastern supply zone");
    contents.assessmentDate = QStringLiteral("2010");
    contents.contactLines = {QStringLiteral("T. Mokoena"), QStringLiteral("012 555 0101"),
                             QStringLiteral("012 555 0102"),
                             QStringLiteral("wdm@amberkloof.example")};
    contents.optionStates.fill(OptionUnselected);
    const int items = int(catalogueOf(variant).items.size());
    int total = 0;
    for (int k = 1; k <= items; ++k) {
        const int points = itemPoints.value(k - 1, 0);
        total += points;
        contents.points << QString::number(points);
        contents.comments << QString();
        if (k <= itemPoints.size()) {
            if (const int row = optionRowFor(variant, k, points))
                contents.optionStates[std::size_t(row - 1)] = OptionSelected;
        }
    }
    contents.points << QString::number(total);
    contents.comments << QString();
    for (const auto &[row, state] : states)
        contents.optionStates[std::size_t(row - 1)] = state;
    return contents;
}

// A scorecard the assessor is working on: answers, points, comments and basic
// information that a set-up must either replace completely or leave alone.
void fillInProgress(ScorecardDocument &document, const QString &prior)
{
    if (prior == QLatin1String("fresh"))
        return;
    if (prior == QLatin1String("big in progress")) {
        setUp(document, Big);
        document.setBasicInformation(QStringLiteral("Amberkloof Local Municipality"),
                                     QStringLiteral("Eastern supply zone"), QStringLiteral("2010"));
        document.setContactLines({QStringLiteral("T. Mokoena"), QString(), QString(), QString()});
        for (int row : {3, 9, 146})
            document.SelectOption(row);
        document.refreshSummary();
        document.editSummaryCell(4, 2, QStringLiteral("Pressure logging started in March"));
        document.editSummaryCell(4, 26, QStringLiteral("Reviewed with the council"));
        return;
    }
    Q_ASSERT(prior == QLatin1String("small in progress"));
    ScorecardFileContents contents = fileContents(Small, {5, 4, 3, 2, 0, 5, 4, 3, 2, 0, 5, 4, 3});
    contents.comments[0] = QStringLiteral("Meter audit due in June");
    contents.comments[22] = QStringLiteral("Small works only");
    document.applyFile(contents);
    document.SelectOption(8);
    document.editSummaryCell(4, 21, QStringLiteral("No campaign yet"));
}

struct Snapshot
{
    Globals globals;
    CellTable evaluationGrid{0, 0};
    CellTable scorecardGrid{0, 0};
    CellTable breakDownGrid{0, 0};
    QList<int> optionStates;
    QList<int> itemPoints;
    QStringList contactLines;
    bool modified = false;
    bool hasScorecard = false;
};

Snapshot snapshot(const ScorecardDocument &document)
{
    return {document.globals(),       document.evaluationGrid(),
            document.scorecardGrid(), document.breakDownGrid(),
            toList(document.OptionStates()), toList(document.ItemPoints()),
            document.contactLines(),  document.isModified(),
            document.hasScorecard()};
}

// Where two tables first differ, for the failure message; empty when equal.
QString firstDifference(const CellTable &actual, const CellTable &expected)
{
    if (actual.rowCount() != expected.rowCount() || actual.columnCount() != expected.columnCount())
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(actual.columnCount())
            .arg(actual.rowCount())
            .arg(expected.columnCount())
            .arg(expected.rowCount());
    for (int r = 0; r < actual.rowCount(); ++r) {
        for (int c = 0; c < actual.columnCount(); ++c) {
            if (actual.cell(c, r) != expected.cell(c, r))
                return QStringLiteral("cell (%1, %2) is \"%3\", expected \"%4\"")
                    .arg(c)
                    .arg(r)
                    .arg(actual.cell(c, r), expected.cell(c, r));
        }
    }
    return {};
}

QStringList describe(const Globals &g)
{
    return {g.ProgramVersion,
            g.ScorecardVariant,
            g.ProviderName,
            g.AdditionalDetails,
            g.AssessmentDate,
            g.FileProgramVersion,
            QString::number(g.BasicInfoComplete),
            QString::number(g.RunningTotal),
            QString::number(g.FinancialScore),
            QString::number(g.InstitutionalScore),
            QString::number(g.SocialScore),
            QString::number(g.TechnicalScore)};
}

void compareSnapshots(const Snapshot &actual, const Snapshot &expected)
{
    QCOMPARE(describe(actual.globals), describe(expected.globals));
    QCOMPARE(firstDifference(actual.evaluationGrid, expected.evaluationGrid), QString());
    QCOMPARE(firstDifference(actual.scorecardGrid, expected.scorecardGrid), QString());
    QCOMPARE(firstDifference(actual.breakDownGrid, expected.breakDownGrid), QString());
    QCOMPARE(actual.optionStates, expected.optionStates);
    QCOMPARE(actual.itemPoints, expected.itemPoints);
    QCOMPARE(actual.contactLines, expected.contactLines);
    QCOMPARE(actual.modified, expected.modified);
    QCOMPARE(actual.hasScorecard, expected.hasScorecard);
}

} // namespace

class TestDocument final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // New-scorecard set-up.
    void setUpLayout_data();
    void setUpLayout();
    void unknownVariantWritesOnlyHeadings_data();
    void unknownVariantWritesOnlyHeadings();
    void answeringNoChangesNothing_data();
    void answeringNoChangesNothing();

    // Shared helpers.
    void cellIntegerValue_data();
    void cellIntegerValue();
    void toIntegerStrict_data();
    void toIntegerStrict();
    void roundHalfEven_data();
    void roundHalfEven();
    void pointsColour_data();
    void pointsColour();

    // Scoring rules.
    void selectOption_data();
    void selectOption();
    void unconvertiblePointsStopScoring();
    void summaryEdit_data();
    void summaryEdit();
    void summaryTotalSaturates();
    void modifiedFollowsChangesAndSaves();
    void categoryScores_data();
    void categoryScores();
};

// ---------------------------------------------------------------------------
// New-scorecard set-up

void TestDocument::setUpLayout_data()
{
    QTest::addColumn<QString>("prior");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("introRows");
    QTest::addColumn<int>("summaryRows");
    QTest::addColumn<int>("breakdownRows");
    QTest::addColumn<int>("introTotalRow"); // -1: none
    QTest::addColumn<int>("lastHeadingRow");

    QTest::newRow("first scorecard, big") << "fresh" << Big << 26 << 27 << 151 << -1 << 145;
    QTest::newRow("big over a big scorecard in progress")
        << "big in progress" << Big << 26 << 27 << 151 << -1 << 145;
    QTest::newRow("big over a small scorecard leaves no small text")
        << "small in progress" << Big << 26 << 27 << 151 << -1 << 145;
    QTest::newRow("first scorecard, small") << "fresh" << Small << 24 << 24 << 133 << 23 << 127;
    QTest::newRow("small over a big scorecard in progress")
        << "big in progress" << Small << 24 << 24 << 133 << 23 << 127;
    QTest::newRow("small over a small scorecard in progress")
        << "small in progress" << Small << 24 << 24 << 133 << 23 << 127;
}

void TestDocument::setUpLayout()
{
    QFETCH(QString, prior);
    QFETCH(QString, variant);
    QFETCH(int, introRows);
    QFETCH(int, summaryRows);
    QFETCH(int, breakdownRows);
    QFETCH(int, introTotalRow);
    QFETCH(int, lastHeadingRow);

    ScorecardDocument document;
    fillInProgress(document, prior);
    const QString providerBefore = document.globals().ProviderName;
    const QStringList contactsBefore = document.contactLines();
    document.setScorecardVariant(variant);

    QSignalSpy filled(&document, &ScorecardDocument::scorecardFilled);
    ScriptedPrompter prompter;
    document.SetUpNewScorecard(prompter);

    // The question comes first, for the very first scorecard as for any other.
    QCOMPARE(prompter.questions, QStringList{Question});
    QCOMPARE(filled.size(), 1);
    QCOMPARE(filled.at(0).at(0).toBool(), true);
    QCOMPARE(document.hasScorecard(), true);
    QCOMPARE(document.isModified(), false);

    const CellTable &intro = document.evaluationGrid();
    const CellTable &summary = document.scorecardGrid();
    const CellTable &breakdown = document.breakDownGrid();
    QCOMPARE(intro.rowCount(), introRows);
    QCOMPARE(summary.rowCount(), summaryRows);
    QCOMPARE(breakdown.rowCount(), breakdownRows);

    QCOMPARE(QStringList({intro.cell(0, 0), intro.cell(1, 0)}),
             QStringList({"Item No", "Description"}));
    QCOMPARE(QStringList({summary.cell(0, 0), summary.cell(1, 0), summary.cell(2, 0),
                          summary.cell(3, 0), summary.cell(4, 0)}),
             QStringList({"Item No", "Description", "Max Points", "Points", "Comments"}));
    QCOMPARE(QStringList({breakdown.cell(0, 0), breakdown.cell(1, 0), breakdown.cell(2, 0)}),
             QStringList({"Description", "Points", "Select"}));

    const auto &items = catalogueOf(variant).items;
    const int itemCount = int(items.size());
    for (int k = 1; k <= itemCount; ++k) {
        const CatalogueItem &item = items[std::size_t(k - 1)];
        const QString number = QString::number(k);
        QCOMPARE(QStringList({intro.cell(0, k), intro.cell(1, k)}),
                 QStringList({number, text(item.description)}));
        QCOMPARE(QStringList({summary.cell(0, k), summary.cell(1, k), summary.cell(2, k),
                              summary.cell(3, k), summary.cell(4, k)}),
                 QStringList({number, text(item.description), QString::number(item.maxPoints),
                              "0", ""}));

        const int heading = 6 * k - 5;
        QCOMPARE(QStringList({breakdown.cell(0, heading), breakdown.cell(1, heading),
                              breakdown.cell(2, heading)}),
                 QStringList({text(item.heading), "", "0"}));
        for (int j = 0; j < 5; ++j) {
            const int row = heading + 1 + j;
            const QStringList cells{breakdown.cell(0, row), breakdown.cell(1, row),
                                    breakdown.cell(2, row)};
            if (j < item.optionCount) {
                const CatalogueOption &option = item.options[std::size_t(j)];
                QCOMPARE(cells, QStringList({text(option.text), QString::number(option.points), ""}));
            } else {
                QCOMPARE(cells, QStringList({"", "", ""})); // a shorter block's spare rows
            }
        }
    }
    QCOMPARE(breakdown.cell(0, lastHeadingRow), text(items.back().heading));

    const int totalRow = summaryRows - 1;
    QCOMPARE(QStringList({summary.cell(0, totalRow), summary.cell(1, totalRow),
                          summary.cell(2, totalRow), summary.cell(3, totalRow),
                          summary.cell(4, totalRow)}),
             QStringList({"", "Total", "100", "0", ""}));
    if (introTotalRow > 0) {
        QCOMPARE(introTotalRow, introRows - 1);
        QCOMPARE(QStringList({intro.cell(0, introTotalRow), intro.cell(1, introTotalRow)}),
                 QStringList({"", "Total"}));
    } else {
        QCOMPARE(intro.cell(1, introRows - 1), text(items.back().description));
    }

    QCOMPARE(toList(document.OptionStates()), QList<int>(OptionStateCount, OptionUnselected));
    QCOMPARE(toList(document.ItemPoints()), QList<int>(ItemPointsCount, 0));

    // Basic information belongs to the caller; the set-up leaves it alone.
    QCOMPARE(document.globals().ProviderName, providerBefore);
    QCOMPARE(document.contactLines(), contactsBefore);

    // Whatever came before, the tables end up as on a first scorecard.
    ScorecardDocument reference;
    setUp(reference, variant);
    QCOMPARE(firstDifference(intro, reference.evaluationGrid()), QString());
    QCOMPARE(firstDifference(summary, reference.scorecardGrid()), QString());
    QCOMPARE(firstDifference(breakdown, reference.breakDownGrid()), QString());
}

void TestDocument::unknownVariantWritesOnlyHeadings_data()
{
    QTest::addColumn<QString>("prior");
    QTest::addColumn<QString>("key");

    QTest::newRow("fresh document, lower-case key") << "fresh" << "bigmunicipality";
    QTest::newRow("big in progress, key with a trailing blank")
        << "big in progress" << "BigMunicipality ";
    QTest::newRow("small in progress, empty key") << "small in progress" << "";
    QTest::newRow("big in progress, other variant name")
        << "big in progress" << "MediumMunicipality";
}

void TestDocument::unknownVariantWritesOnlyHeadings()
{
    QFETCH(QString, prior);
    QFETCH(QString, key);

    ScorecardDocument document;
    fillInProgress(document, prior);
    document.setScorecardVariant(key);
    Snapshot expected = snapshot(document);
    expected.evaluationGrid.setCell(0, 0, QStringLiteral("Item No"));
    expected.evaluationGrid.setCell(1, 0, QStringLiteral("Description"));
    const QStringList summaryHeadings{"Item No", "Description", "Max Points", "Points", "Comments"};
    for (int c = 0; c < 5; ++c)
        expected.scorecardGrid.setCell(c, 0, summaryHeadings.at(c));

    QSignalSpy filled(&document, &ScorecardDocument::scorecardFilled);
    QSignalSpy modified(&document, &ScorecardDocument::modifiedChanged);
    ScriptedPrompter prompter;
    document.SetUpNewScorecard(prompter);

    QCOMPARE(prompter.questions, QStringList{Question});
    compareSnapshots(snapshot(document), expected);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(filled.size(), 1);
    QCOMPARE(filled.at(0).at(0).toBool(), false);
    QCOMPARE(modified.size(), 0);
}

void TestDocument::answeringNoChangesNothing_data()
{
    QTest::addColumn<QString>("prior");
    QTest::addColumn<QString>("variant");

    QTest::newRow("first scorecard: asked, No keeps the empty start") << "fresh" << Big;
    QTest::newRow("big scorecard in progress, new big") << "big in progress" << Big;
    QTest::newRow("small scorecard in progress, new small") << "small in progress" << Small;
}

void TestDocument::answeringNoChangesNothing()
{
    QFETCH(QString, prior);
    QFETCH(QString, variant);

    ScorecardDocument document;
    fillInProgress(document, prior);
    document.setScorecardVariant(variant);
    const Snapshot before = snapshot(document);

    QSignalSpy filled(&document, &ScorecardDocument::scorecardFilled);
    QSignalSpy content(&document, &ScorecardDocument::contentChanged);
    QSignalSpy modified(&document, &ScorecardDocument::modifiedChanged);
    ScriptedPrompter prompter;
    prompter.confirmAnswers = {false, false};

    QCOMPARE(document.ConfirmNewScorecard(prompter), false);
    document.SetUpNewScorecard(prompter);

    QCOMPARE(prompter.questions, QStringList({Question, Question}));
    compareSnapshots(snapshot(document), before);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(filled.size(), 0);
    QCOMPARE(content.size(), 0);
    QCOMPARE(modified.size(), 0);
}

// ---------------------------------------------------------------------------
// Shared helpers

void TestDocument::cellIntegerValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("plain") << "4" << 4;
    QTest::newRow("leading blanks, trailing letters") << "  12abc" << 12;
    QTest::newRow("minus") << "-3" << -3;
    QTest::newRow("plus") << "+4" << 4;
    QTest::newRow("letters only") << "abc" << 0;
    QTest::newRow("blank between sign and digit") << " - 1" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("decimal point stops") << "2.9" << 2;
    QTest::newRow("beyond int saturates") << "12345678901234567890"
                                          << std::numeric_limits<int>::max();
    QTest::newRow("below int saturates") << "-99999999999" << std::numeric_limits<int>::min();
}

void TestDocument::cellIntegerValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(::cellIntegerValue(text), value);
}

void TestDocument::toIntegerStrict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "12" << true << 12;
    QTest::newRow("minus zero") << "-0" << true << 0;
    QTest::newRow("plus") << "+4" << true << 4;
    QTest::newRow("leading blank") << " 7" << true << 7;
    QTest::newRow("state value") << "17408" << true << 17408;
    QTest::newRow("trailing blank") << "7 " << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "   " << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("decimal") << "1.0" << false << 0;
    QTest::newRow("beyond int") << "99999999999" << false << 0;
    QTest::newRow("letter") << "4a" << false << 0;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0664)) << false << 0;
}

void TestDocument::toIntegerStrict()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);

    int result = -12345; // left alone on failure
    QCOMPARE(::toIntegerStrict(text, &result), ok);
    QCOMPARE(result, ok ? value : -12345);
}

void TestDocument::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");

    QTest::newRow("50.5 down to even") << 50.5 << 50;
    QTest::newRow("51.5 up to even") << 51.5 << 52;
    QTest::newRow("-0.5 to zero") << -0.5 << 0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
    QTest::newRow("88.57 up") << 88.57 << 89;
    QTest::newRow("13.33 down") << 40.0 / 3.0 << 13;
    QTest::newRow("beyond int saturates") << 1e12 << std::numeric_limits<int>::max();
    QTest::newRow("below int saturates") << -1e12 << std::numeric_limits<int>::min();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestDocument::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(::roundHalfEven(value), rounded);
}

void TestDocument::pointsColour_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<bool>("defined");

    QTest::newRow("0 red") << 0 << 0x1A37E7u << true;
    QTest::newRow("1 orange") << 1 << 0x066DFFu << true;
    QTest::newRow("2 yellow") << 2 << 0x12E8FFu << true;
    QTest::newRow("3 light yellow") << 3 << 0x99FFFFu << true;
    QTest::newRow("4 white") << 4 << 0xFFFFFFu << true;
    QTest::newRow("5 white") << 5 << 0xFFFFFFu << true;
    QTest::newRow("6 off the scale") << 6 << 0xFFFFFFu << false;
    QTest::newRow("-1 off the scale") << -1 << 0xFFFFFFu << false;
}

void TestDocument::pointsColour()
{
    QFETCH(int, points);
    QFETCH(uint, colour);
    QFETCH(bool, defined);

    bool isDefined = !defined;
    QCOMPARE(uint(::pointsColour(points, &isDefined)), colour);
    QCOMPARE(isDefined, defined);
}

// ---------------------------------------------------------------------------
// Scoring rules

void TestDocument::selectOption_data()
{
    QTest::addColumn<QString>("variant");       // empty: no scorecard set up yet
    QTest::addColumn<StateList>("fileStates");  // laid over a big file's states
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<StateList>("states");      // every row not OptionUnselected
    QTest::addColumn<PointsList>("points");     // every item not at 0
    QTest::addColumn<bool>("modified");

    const int S = OptionSelected;

    // Big scorecard.
    QTest::newRow("big: row 3 of item 1")
        << Big << StateList{} << QList<int>{3} << StateList{{3, S}} << PointsList{{1, 3}} << true;
    QTest::newRow("big: row 3 then row 5 of item 1")
        << Big << StateList{} << QList<int>{3, 5} << StateList{{5, S}} << PointsList{{1, 1}}
        << true;
    QTest::newRow("big: selected option chosen again stays")
        << Big << StateList{} << QList<int>{3, 3} << StateList{{3, S}} << PointsList{{1, 3}}
        << true;
    QTest::newRow("big: heading row 7 selected, no points")
        << Big << StateList{} << QList<int>{7} << StateList{{7, S}} << PointsList{} << true;
    QTest::newRow("big: heading row 7 twice stays selected")
        << Big << StateList{} << QList<int>{7, 7} << StateList{{7, S}} << PointsList{} << true;
    QTest::newRow("big: heading row keeps item 2's option")
        << Big << StateList{} << QList<int>{9, 7} << StateList{{7, S}, {9, S}}
        << PointsList{{2, 3}} << true;
    QTest::newRow("big: options of two items")
        << Big << StateList{} << QList<int>{9, 146, 150}
        << StateList{{9, S}, {150, S}} << PointsList{{2, 3}} << true;
    QTest::newRow("big: rows outside 1 to 150 ignored")
        << Big << StateList{} << QList<int>{0, -1, 151} << StateList{} << PointsList{} << false;

    QList<int> everyFirst;
    StateList everyFirstStates;
    PointsList allFour;
    for (int k = 1; k <= 25; ++k) {
        everyFirst << firstOptionRow(k);
        everyFirstStates << qMakePair(firstOptionRow(k), S);
        allFour << qMakePair(k, 4);
    }
    QTest::newRow("big: best option of all 25 items")
        << Big << StateList{} << everyFirst << everyFirstStates << allFour << true;

    // Odd states only a file can bring.
    QTest::newRow("big file: state 0 clicked ends selected")
        << Big << StateList{{4, 0}} << QList<int>{4} << StateList{{4, S}} << PointsList{{1, 2}}
        << true;
    QTest::newRow("big file: state 0 elsewhere left as it is")
        << Big << StateList{{4, 0}} << QList<int>{9} << StateList{{4, 0}, {9, S}}
        << PointsList{{2, 3}} << true;
    QTest::newRow("big file: rows 8 and 9 selected, last one counts")
        << Big << StateList{{8, S}, {9, S}} << QList<int>{} << StateList{{8, S}, {9, S}}
        << PointsList{{2, 3}} << false;
    QTest::newRow("big file: rows 8 and 9 lose both when item 1 is chosen")
        << Big << StateList{{8, S}, {9, S}} << QList<int>{3} << StateList{{3, S}}
        << PointsList{{1, 3}} << true;
    QTest::newRow("big file: rows 8 and 9, row 8 chosen stays alone")
        << Big << StateList{{8, S}, {9, S}} << QList<int>{8} << StateList{{8, S}}
        << PointsList{{2, 4}} << true;

    // Small scorecard: item 20 has four options (rows 116-119), 21 three
    // (122-124), 22 four (128-131); the table ends at row 132.
    QTest::newRow("small: row 3 then row 5 of item 1")
        << Small << StateList{} << QList<int>{3, 5} << StateList{{5, S}} << PointsList{{1, 2}}
        << true;
    QTest::newRow("small: item 13's best option is worth 4")
        << Small << StateList{} << QList<int>{74} << StateList{{74, S}} << PointsList{{13, 4}}
        << true;
    QTest::newRow("small: second option of item 20")
        << Small << StateList{} << QList<int>{117} << StateList{{117, S}} << PointsList{{20, 2}}
        << true;
    QTest::newRow("small: empty fifth row of item 20 does nothing")
        << Small << StateList{} << QList<int>{120} << StateList{} << PointsList{} << false;
    QTest::newRow("small: empty rows keep item 20's choice")
        << Small << StateList{} << QList<int>{117, 120} << StateList{{117, S}}
        << PointsList{{20, 2}} << true;
    QTest::newRow("small: spare rows of items 21 and 22 do nothing")
        << Small << StateList{} << QList<int>{125, 126, 132} << StateList{} << PointsList{}
        << false;
    QTest::newRow("small: last options of items 21 and 22")
        << Small << StateList{} << QList<int>{122, 131} << StateList{{122, S}, {131, S}}
        << PointsList{{21, 2}} << true;
    QTest::newRow("small: heading row of item 1")
        << Small << StateList{} << QList<int>{1} << StateList{{1, S}} << PointsList{} << true;
    QTest::newRow("small: rows past the table do nothing")
        << Small << StateList{} << QList<int>{133, 134, 139, 150} << StateList{} << PointsList{}
        << false;

    QList<int> smallFirst;
    StateList smallFirstStates;
    PointsList smallBest;
    for (int k = 1; k <= 22; ++k) {
        smallFirst << firstOptionRow(k);
        smallFirstStates << qMakePair(firstOptionRow(k), S);
        smallBest << qMakePair(k, smallMunicipalityCatalogue().items[std::size_t(k - 1)]
                                      .options[0]
                                      .points);
    }
    QTest::newRow("small: best option of all 22 items")
        << Small << StateList{} << smallFirst << smallFirstStates << smallBest << true;

    QTest::newRow("no scorecard yet: clicks do nothing")
        << QString() << StateList{} << QList<int>{2, 3, 7} << StateList{} << PointsList{} << false;
}

void TestDocument::selectOption()
{
    QFETCH(QString, variant);
    QFETCH(StateList, fileStates);
    QFETCH(QList<int>, clicks);
    QFETCH(StateList, states);
    QFETCH(PointsList, points);
    QFETCH(bool, modified);

    ScorecardDocument document;
    if (!fileStates.isEmpty())
        document.applyFile(fileContents(variant, {}, fileStates));
    else if (!variant.isEmpty())
        setUp(document, variant);
    const CellTable summaryBefore = document.scorecardGrid();

    for (int row : clicks) {
        QString error;
        QVERIFY2(document.SelectOption(row, &error), qPrintable(error));
        QCOMPARE(error, QString());
    }

    QList<int> expectedStates(OptionStateCount, variant.isEmpty() ? 0 : OptionUnselected);
    for (const auto &[row, state] : states)
        expectedStates[row - 1] = state;
    QList<int> expectedPoints(ItemPointsCount, 0);
    for (const auto &[item, value] : points)
        expectedPoints[item - 1] = value;
    QCOMPARE(toList(document.OptionStates()), expectedStates);
    QCOMPARE(toList(document.ItemPoints()), expectedPoints);
    QCOMPARE(document.isModified(), modified);
    if (variant.isEmpty())
        return;

    const int items = int(catalogueOf(variant).items.size());
    QStringList headingCells, expectedHeadingCells;
    for (int k = 1; k <= items; ++k) {
        headingCells << document.breakDownGrid().cell(2, headingRow(k));
        expectedHeadingCells << QString::number(expectedPoints[k - 1]);
    }
    QCOMPARE(headingCells, expectedHeadingCells);

    // The Summary follows the choices only when it is refreshed.
    QCOMPARE(firstDifference(document.scorecardGrid(), summaryBefore), QString());

    document.refreshSummary();
    CellTable expectedSummary = summaryBefore;
    int total = 0;
    for (int k = 1; k <= items; ++k) {
        expectedSummary.setCell(3, k, QString::number(expectedPoints[k - 1]));
        total += expectedPoints[k - 1];
    }
    expectedSummary.setCell(3, items + 1, QString::number(total));
    QCOMPARE(firstDifference(document.scorecardGrid(), expectedSummary), QString());
    QCOMPARE(document.globals().RunningTotal, total);
}

void TestDocument::unconvertiblePointsStopScoring()
{
    // Every option row of a proper table holds a number, so the conversion can
    // only fail when a table is scored under the other variant's rules: here a
    // small table whose variant became "BigMunicipality" (the basic-information
    // dialog sets it before its question, and No keeps the small tables). The
    // big rules then let the empty fifth row of small item 20 be chosen.
    ScorecardDocument document;
    document.applyFile(fileContents(Small, {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                            0, 0, 0, 2}));
    QCOMPARE(document.breakDownGrid().cell(2, headingRow(21)), QStringLiteral("2"));
    document.setScorecardVariant(Big);

    QString error;
    QCOMPARE(document.SelectOption(120, &error), false);
    QCOMPARE(error, QStringLiteral("'''' is not a valid integer value"));

    // The new state stays, points before the failing item are formed, the
    // failing item and all later ones are 0, the heading cells are not written.
    QCOMPARE(document.optionState(120), OptionSelected);
    QCOMPARE(document.optionState(2), OptionSelected);
    QCOMPARE(document.optionState(122), OptionSelected);
    QList<int> expectedPoints(ItemPointsCount, 0);
    expectedPoints[0] = 5;
    QCOMPARE(toList(document.ItemPoints()), expectedPoints);
    QCOMPARE(document.breakDownGrid().cell(2, headingRow(21)), QStringLiteral("2"));

    QCOMPARE(document.ComputeItemPoints(&error), false);
    QCOMPARE(error, invalidIntegerMessage(QString()));
}

void TestDocument::summaryEdit_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("total"); // total cell after the edit

    // Before each edit the Summary shows older points than ItemPoints: big
    // "4" (ItemPoints 8), small "11" (ItemPoints 16).
    QTest::newRow("big: comment on item 1 leaves the total") << Big << 4 << 1 << true << "4";
    QTest::newRow("big: comment on the total row") << Big << 4 << 26 << true << "4";
    QTest::newRow("big: points column is fixed") << Big << 3 << 1 << false << "4";
    QTest::newRow("big: description column is fixed") << Big << 1 << 5 << false << "4";
    QTest::newRow("big: heading row is fixed") << Big << 4 << 0 << false << "4";
    QTest::newRow("big: row past the total") << Big << 4 << 27 << false << "4";
    QTest::newRow("small: comment on item 22 forms the total") << Small << 4 << 22 << true << "11";
    QTest::newRow("small: comment on the total row") << Small << 4 << 23 << true << "11";
    QTest::newRow("small: total's points cell is fixed") << Small << 3 << 23 << false << "11";
}

void TestDocument::summaryEdit()
{
    QFETCH(QString, variant);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, accepted);
    QFETCH(QString, total);

    ScorecardDocument document;
    if (variant == Big) {
        setUp(document, Big);
        document.SelectOption(2); // item 1: 4 points
        document.refreshSummary();
        document.SelectOption(8); // item 2: 4 points, not yet in the Summary
    } else {
        document.applyFile(fileContents(Small, {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0,
                                                0, 0, 0, 0, 2}));
        document.SelectOption(8); // item 2: 5 points, not yet in the Summary
    }
    document.markSaved();
    const int totalRow = document.summaryTotalRow();
    Snapshot expected = snapshot(document);
    const QString comment = QStringLiteral("Asset register incomplete; see note 4");

    document.editSummaryCell(column, row, comment);

    if (accepted) {
        expected.scorecardGrid.setCell(column, row, comment);
        expected.scorecardGrid.setCell(3, totalRow, total);
        expected.globals.RunningTotal = total.toInt();
        expected.modified = true;
    }
    compareSnapshots(snapshot(document), expected);
}

void TestDocument::summaryTotalSaturates()
{
    // A crafted small file may bring points at the int limit; the total must
    // not wrap round to a negative number.
    ScorecardFileContents contents = fileContents(Small, {});
    contents.points[0] = QString::number(std::numeric_limits<int>::max());
    contents.points[1] = QString::number(std::numeric_limits<int>::max());
    ScorecardDocument document;
    document.applyFile(contents);

    const QString limit = QString::number(std::numeric_limits<int>::max());
    QCOMPARE(document.scorecardGrid().cell(3, 23), limit);
    QCOMPARE(document.globals().RunningTotal, std::numeric_limits<int>::max());
    document.editSummaryCell(4, 1, QStringLiteral("Checked twice"));
    QCOMPARE(document.scorecardGrid().cell(3, 23), limit);
}

void TestDocument::modifiedFollowsChangesAndSaves()
{
    ScorecardDocument document;
    setUp(document, Big);
    QSignalSpy spy(&document, &ScorecardDocument::modifiedChanged);
    const auto emitted = [&spy] {
        QList<bool> values;
        for (const QList<QVariant> &arguments : std::as_const(spy))
            values << arguments.at(0).toBool();
        spy.clear();
        return values;
    };

    QCOMPARE(document.isModified(), false);
    document.SelectOption(3);
    QCOMPARE(emitted(), QList<bool>{true});
    document.SelectOption(4);
    QCOMPARE(emitted(), QList<bool>{});
    QCOMPARE(document.isModified(), true);

    document.markSaved();
    QCOMPARE(emitted(), QList<bool>{false});
    document.SelectOption(0); // not a row of the table
    document.refreshSummary();
    QCOMPARE(emitted(), QList<bool>{});
    QCOMPARE(document.isModified(), false);

    document.editSummaryCell(4, 3, QStringLiteral("Tariff study under way"));
    QCOMPARE(emitted(), QList<bool>{true});
    document.markSaved();
    QCOMPARE(emitted(), QList<bool>{false});

    document.editSummaryCell(4, 3, QStringLiteral("Tariff study finished"));
    setUp(document, Big);
    QCOMPARE(emitted(), QList<bool>({true, false}));
    QCOMPARE(document.isModified(), false);

    document.SelectOption(3);
    document.applyFile(fileContents(Big, {4, 4}));
    QCOMPARE(emitted(), QList<bool>({true, false}));
    QCOMPARE(document.isModified(), false);
}

void TestDocument::categoryScores_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QList<int>>("points"); // per item, from item 1
    QTest::addColumn<double>("financial");
    QTest::addColumn<double>("technical");
    QTest::addColumn<double>("institutional");
    QTest::addColumn<double>("social");

    QTest::newRow("big: all 0") << Big << QList<int>(25, 0) << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("big: all 4") << Big << QList<int>(25, 4) << 4.0 << 4.0 << 4.0 << 4.0;

    // Financial 1,3,4,5,7,8,9,10,14,15 sum 29; Technical 2,3,4,6,7,9,10,11,12,
    // 13,14,16,17,18 sum 31; Institutional 11,19,20 sum 1; Social 21-25 sum 20.
    //                     1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20
    QList<int> sums29_31_1{3, 2, 3, 3, 3, 2, 3, 3, 3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 1, 0,
                           4, 4, 4, 4, 4};
    QTest::newRow("big: sums 29, 31, 1 and 20")
        << Big << sums29_31_1 << 2.9 << 31.0 / 14.0 << 1.0 / 3.0 << 4.0;

    QList<int> smallMaxima;
    for (const CatalogueItem &item : smallMunicipalityCatalogue().items)
        smallMaxima << item.maxPoints;
    QTest::newRow("small: every item at its maximum")
        << Small << smallMaxima << 4.0 << 4.0 << 4.0 << 4.0;

    QList<int> item13AtFour(22, 0);
    item13AtFour[12] = 4;
    QTest::newRow("small: item 13 at 4 of max 3 counts 4")
        << Small << item13AtFour << 0.0 << 4.0 / 12.0 << 0.0 << 0.0;

    // Financial 1,3,4,5,6,7,8,11,12; Technical 2,3,5,7,8,9,10,11,13,14,20,21;
    // Institutional 15,16; Social 17,18,19,22.
    QList<int> mixed(22, 0);
    mixed[0] = 5;  // max 5: 4.0
    mixed[11] = 2; // max 4: 2.0
    mixed[20] = 1; // max 2: 2.0
    mixed[14] = 3; // max 5: 2.4
    mixed[21] = 3; // max 3: 4.0
    QTest::newRow("small: points scaled by each item's maximum")
        << Small << mixed << 6.0 / 9.0 << 2.0 / 12.0 << 2.4 / 2.0 << 4.0 / 4.0;
}

void TestDocument::categoryScores()
{
    QFETCH(QString, variant);
    QFETCH(QList<int>, points);
    QFETCH(double, financial);
    QFETCH(double, technical);
    QFETCH(double, institutional);
    QFETCH(double, social);

    ScorecardDocument document;
    document.applyFile(fileContents(variant, points));
    document.ComputeCategoryScores();

    const Globals &g = document.globals();
    QCOMPARE(g.FinancialScore, financial);
    QCOMPARE(g.TechnicalScore, technical);
    QCOMPARE(g.InstitutionalScore, institutional);
    QCOMPARE(g.SocialScore, social);
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
