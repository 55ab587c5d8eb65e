// Set-up, scoring and category rules of the scorecard document.
#include "ScorecardDocument.h"

#include "Catalogue.h"
#include "Prompter.h"
#include "ScorecardFileContents.h"

#include <algorithm>
#include <limits>

namespace {

const QString NewScorecardQuestion =
    QStringLiteral("Any unsaved information will be lost, Continue ?");

// Category membership of the spider diagram's four axes, by item number.
struct CategoryItems
{
    std::initializer_list<int> financial, technical, institutional, social;
};

const CategoryItems BigCategories{{1, 3, 4, 5, 7, 8, 9, 10, 14, 15},
                                  {2, 3, 4, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18},
                                  {11, 19, 20},
                                  {21, 22, 23, 24, 25}};

const CategoryItems SmallCategories{{1, 3, 4, 5, 6, 7, 8, 11, 12},
                                    {2, 3, 5, 7, 8, 9, 10, 11, 13, 14, 20, 21},
                                    {15, 16},
                                    {17, 18, 19, 22}};

// Points and item numbers are small; their texts are made once and shared,
// so refreshing a table allocates nothing.
QString number(int value)
{
    static const std::array<QString, 101> texts = [] {
        std::array<QString, 101> t;
        for (int i = 0; i < int(t.size()); ++i)
            t[std::size_t(i)] = QString::number(i);
        return t;
    }();
    if (value >= 0 && value < int(texts.size()))
        return texts[std::size_t(value)];
    return QString::number(value);
}

// Every set-up writes these, whatever the variant.
void writeHeadings(CellTable &evaluation, CellTable &summary)
{
    evaluation.setCell(0, 0, QStringLiteral("Item No"));
    evaluation.setCell(1, 0, QStringLiteral("Description"));
    const char *summaryHeadings[] = {"Item No", "Description", "Max Points", "Points", "Comments"};
    for (int c = 0; c < 5; ++c)
        summary.setCell(c, 0, QLatin1String(summaryHeadings[c]));
}

// The three tables of a fresh scorecard of one variant. Built once per variant; a set-up copies them, sharing every text.
struct FreshTables
{
    CellTable evaluation{2, 0};
    CellTable summary{5, 0};
    CellTable breakdown{3, 0};
};

FreshTables makeFreshTables(const Catalogue &catalogue, bool big)
{
    FreshTables t;
    const int items = int(catalogue.items.size());
    // A small scorecard has a "Total" row in the Introduction table; the
    // breakdown keeps one block of six rows per item after the heading row.
    t.evaluation.setRowCount(big ? items + 1 : items + 2);
    t.summary.setRowCount(items + 2);
    t.breakdown.setRowCount(6 * items + 1);

    writeHeadings(t.evaluation, t.summary);
    t.breakdown.setCell(0, 0, QStringLiteral("Description"));
    t.breakdown.setCell(1, 0, QStringLiteral("Points"));
    t.breakdown.setCell(2, 0, QStringLiteral("Select"));

    for (int k = 1; k <= items; ++k) {
        const CatalogueItem &item = catalogue.items[std::size_t(k - 1)];
        const QString description = QLatin1String(item.description);
        t.evaluation.setCell(0, k, number(k));
        t.evaluation.setCell(1, k, description);

        t.summary.setCell(0, k, number(k));
        t.summary.setCell(1, k, description);
        t.summary.setCell(2, k, number(item.maxPoints));
        t.summary.setCell(3, k, number(0));

        t.breakdown.setCell(0, headingRow(k), QLatin1String(item.heading));
        t.breakdown.setCell(2, headingRow(k), number(0));
        int row = firstOptionRow(k);
        for (const CatalogueOption &option : item.answerOptions()) {
            t.breakdown.setCell(0, row, QLatin1String(option.text));
            t.breakdown.setCell(1, row, number(option.points));
            ++row;
        }
    }
    if (!big)
        t.evaluation.setCell(1, items + 1, QStringLiteral("Total"));

    const int total = items + 1;
    t.summary.setCell(1, total, QStringLiteral("Total"));
    t.summary.setCell(2, total, number(100));
    t.summary.setCell(3, total, number(0));
    return t;
}

const FreshTables &freshTables(bool big)
{
    static const FreshTables bigTables = makeFreshTables(bigMunicipalityCatalogue(), true);
    static const FreshTables smallTables = makeFreshTables(smallMunicipalityCatalogue(), false);
    return big ? bigTables : smallTables;
}

} // namespace

ScorecardDocument::ScorecardDocument(QObject *parent) : QObject(parent) {}

int ScorecardDocument::optionState(int row) const
{
    if (row < 1 || row > OptionStateCount)
        return 0;
    return m_optionStates[std::size_t(row - 1)];
}

bool ScorecardDocument::isBigMunicipality() const
{
    return m_globals.ScorecardVariant == QLatin1String(BigMunicipality);
}

bool ScorecardDocument::isSmallMunicipality() const
{
    return m_globals.ScorecardVariant == QLatin1String(SmallMunicipality);
}

int ScorecardDocument::scoredItemCount() const
{
    return isSmallMunicipality() ? int(smallMunicipalityCatalogue().items.size()) : ItemPointsCount;
}

bool ScorecardDocument::isOptionRow(int row) const
{
    if (row < 1 || row > OptionStateCount || isHeadingRow(row))
        return false;
    if (!isSmallMunicipality())
        return true;
    const auto &items = smallMunicipalityCatalogue().items;
    const int item = itemOfRow(row);
    if (item > int(items.size()))
        return false;
    return row - firstOptionRow(item) < items[std::size_t(item - 1)].optionCount;
}

void ScorecardDocument::markSaved() { setModified(false); }

void ScorecardDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void ScorecardDocument::setBasicInformation(const QString &providerName,
                                            const QString &additionalDetails,
                                            const QString &assessmentDate)
{
    m_globals.ProviderName = providerName;
    m_globals.AdditionalDetails = additionalDetails;
    m_globals.AssessmentDate = assessmentDate;
    Q_EMIT basicInformationChanged();
}

void ScorecardDocument::setScorecardVariant(const QString &variant)
{
    m_globals.ScorecardVariant = variant;
}

void ScorecardDocument::setContactLines(const QStringList &lines)
{
    m_contactLines = lines;
}

bool ScorecardDocument::CheckBasicInfoComplete(const QString &providerName,
                                               const QString &additionalDetails,
                                               const QString &assessmentDate)
{
    // Only the date's placeholder counts as missing: any other text, an empty
    // one included, is taken as the assessor's choice.
    m_globals.BasicInfoComplete = !providerName.isEmpty() && !additionalDetails.isEmpty()
        && assessmentDate != QLatin1String("------Date--------");
    return m_globals.BasicInfoComplete;
}

bool ScorecardDocument::ConfirmNewScorecard(Prompter &prompter) const
{
    return prompter.confirm(NewScorecardQuestion);
}

void ScorecardDocument::SetUpNewScorecard(Prompter &prompter)
{
    if (ConfirmNewScorecard(prompter))
        FillNewScorecard();
}

void ScorecardDocument::FillNewScorecard()
{
    writeHeadings(m_evaluationGrid, m_scorecardGrid);

    const bool big = isBigMunicipality();
    const bool known = big || isSmallMunicipality();
    if (known) {
        fillTables(big);
        m_hasScorecard = true;
        setModified(false);
    }
    Q_EMIT scorecardFilled(known);
    Q_EMIT contentChanged();
}

void ScorecardDocument::fillTables(bool big)
{
    const FreshTables &fresh = freshTables(big);
    m_evaluationGrid = fresh.evaluation;
    m_scorecardGrid = fresh.summary;
    m_breakDownGrid = fresh.breakdown;
    m_optionStates.fill(OptionUnselected);
    m_itemPoints.fill(0);
}

bool ScorecardDocument::SelectOption(int row, QString *error)
{
    // Nothing can be chosen before a scorecard exists, nor on a row that its
    // table does not have: a small table ends after its 22nd item.
    if (!m_hasScorecard || row < 1 || row > OptionStateCount
        || (row + 5) / 6 > scoredItemCount())
        return true;
    // The empty rows of a small scorecard's shorter blocks hold no option.
    if (isSmallMunicipality() && !isHeadingRow(row) && !isOptionRow(row))
        return true;

    int &state = m_optionStates[std::size_t(row - 1)];
    if (state == OptionUnselected)
        state = OptionSelected;
    else if (state == OptionSelected)
        state = OptionUnselected;

    // A second selection in an item clears the whole item; the chosen row is
    // then selected again, so choosing the selected option keeps it.
    const int items = scoredItemCount();
    for (int k = 1; k <= items; ++k) {
        const int first = firstOptionRow(k);
        const int selected = int(std::count(m_optionStates.begin() + (first - 1),
                                            m_optionStates.begin() + (first + 4), OptionSelected));
        if (selected > 1)
            std::fill(m_optionStates.begin() + (first - 1), m_optionStates.begin() + (first + 4),
                      OptionUnselected);
        state = OptionSelected;
    }
    setModified(true);

    const bool ok = ComputeItemPoints(error);
    if (ok)
        writeHeadingPoints();
    Q_EMIT contentChanged();
    return ok;
}

bool ScorecardDocument::ComputeItemPoints(QString *error)
{
    m_itemPoints.fill(0);
    const int items = scoredItemCount();
    for (int k = 1; k <= items; ++k) {
        for (int row = firstOptionRow(k); row <= firstOptionRow(k) + 4; ++row) {
            if (optionState(row) != OptionSelected)
                continue;
            const QString text = m_breakDownGrid.cell(1, row);
            int points = 0;
            if (!toIntegerStrict(text, &points)) {
                if (error)
                    *error = invalidIntegerMessage(text);
                return false;
            }
            m_itemPoints[std::size_t(k - 1)] = points;
        }
    }
    return true;
}

void ScorecardDocument::writeHeadingPoints()
{
    const int items = scoredItemCount();
    for (int k = 1; k <= items; ++k)
        m_breakDownGrid.setCell(2, headingRow(k), number(m_itemPoints[std::size_t(k - 1)]));
}

void ScorecardDocument::UpdateScorecardValues()
{
    writeHeadingPoints();
    Q_EMIT contentChanged();
}

void ScorecardDocument::writeSummaryTotal(int firstRow, int lastRow, int totalRow)
{
    // A file may bring points near the int limits; the sum saturates there
    // instead of wrapping round to a negative total.
    qint64 total = 0;
    for (int r = firstRow; r <= lastRow; ++r)
        total += cellIntegerValue(m_scorecardGrid.cell(3, r));
    m_globals.RunningTotal = int(std::clamp<qint64>(total, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
    m_scorecardGrid.setCell(3, totalRow, number(m_globals.RunningTotal));
}

void ScorecardDocument::writeSummaryPoints()
{
    // A small scorecard has its total in row 23, right below its 22 items.
    const int items = scoredItemCount();
    for (int k = 1; k <= items; ++k)
        m_scorecardGrid.setCell(3, k, number(m_itemPoints[std::size_t(k - 1)]));
    writeSummaryTotal(1, items, items + 1);
}

void ScorecardDocument::refreshSummary()
{
    writeSummaryPoints();
    Q_EMIT contentChanged();
}

void ScorecardDocument::editSummaryCell(int column, int row, const QString &text)
{
    // Only the comments can be edited; the other columns are fixed.
    if (column != 4 || row < 1 || row >= m_scorecardGrid.rowCount())
        return;
    m_scorecardGrid.setCell(column, row, text);
    if (isSmallMunicipality()) {
        m_scorecardGrid.setCell(3, 23, QStringLiteral("0"));
        writeSummaryTotal(1, 22, 23);
    }
    setModified(true);
    Q_EMIT contentChanged();
}

void ScorecardDocument::ComputeCategoryScores()
{
    const bool big = isBigMunicipality();
    if (!big && !isSmallMunicipality())
        return; // no category table for an unknown variant: keep the last scores

    const auto points = [this](int item) { return cellIntegerValue(m_scorecardGrid.cell(3, item)); };
    auto score = [&](std::initializer_list<int> items) {
        if (big) {
            qint64 total = 0;
            for (int item : items)
                total += points(item);
            return double(total) / double(items.size());
        }
        // Small items have different maxima: each is put on the 4-point scale
        // of the diagram (0 to 4) before the average is taken.
        const auto &catalogue = smallMunicipalityCatalogue().items;
        double sum = 0.0;
        for (int item : items) {
            const int max = catalogue[std::size_t(item - 1)].maxPoints;
            sum += std::clamp(points(item) * 4.0 / max, 0.0, 4.0);
        }
        return sum / double(items.size());
    };

    const CategoryItems &categories = big ? BigCategories : SmallCategories;
    m_globals.FinancialScore = score(categories.financial);
    m_globals.TechnicalScore = score(categories.technical);
    m_globals.InstitutionalScore = score(categories.institutional);
    m_globals.SocialScore = score(categories.social);
}

void ScorecardDocument::applyFile(const ScorecardFileContents &contents)
{
    m_globals.FileProgramVersion = contents.programVersion;
    m_globals.ScorecardVariant = contents.variant;
    m_globals.ProviderName = contents.providerName;
    m_globals.AdditionalDetails = contents.additionalDetails;
    m_globals.AssessmentDate = contents.assessmentDate;
    m_contactLines = contents.contactLines;
    FillNewScorecard();

    for (int r = 1; r <= int(contents.points.size()); ++r) {
        m_scorecardGrid.setCell(3, r, contents.points.at(r - 1));
        m_scorecardGrid.setCell(4, r, contents.comments.value(r - 1));
    }

    if (isBigMunicipality()) {
        // The option states are the truth: files of older versions may hold
        // points lines saved before the points were brought up to date.
        m_optionStates = contents.optionStates;
        ComputeItemPoints();
    } else if (isSmallMunicipality()) {
        // The points lines are the truth; a state is kept only where it agrees.
        const auto &items = smallMunicipalityCatalogue().items;
        for (int k = 1; k <= int(items.size()); ++k) {
            const int itemPoints = cellIntegerValue(contents.points.value(k - 1));
            m_itemPoints[std::size_t(k - 1)] = itemPoints;
            int selectedRow = 0;
            int selectedCount = 0;
            for (int j = 0; j < items[std::size_t(k - 1)].optionCount; ++j) {
                const int row = firstOptionRow(k) + j;
                if (contents.optionStates[std::size_t(row - 1)] == OptionSelected) {
                    selectedRow = row;
                    ++selectedCount;
                }
            }
            if (selectedCount == 1
                && cellIntegerValue(m_breakDownGrid.cell(1, selectedRow)) == itemPoints)
                m_optionStates[std::size_t(selectedRow - 1)] = OptionSelected;
        }
    }
    writeSummaryPoints();
    writeHeadingPoints();
    setModified(false);
    Q_EMIT basicInformationChanged();
    Q_EMIT contentChanged();
}
