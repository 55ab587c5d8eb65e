// The one scorecard the program holds: program-wide values, the three tables
// of text cells, the answer arrays and every rule that changes them. Windows
// read it and change it only through these operations.
#pragma once

#include "CellTable.h"
#include "Globals.h"
#include "ScorecardBasics.h"

#include <QObject>
#include <QStringList>

#include <array>

class Prompter;
struct ScorecardFileContents;

class ScorecardDocument final : public QObject
{
    Q_OBJECT

public:
    explicit ScorecardDocument(QObject *parent = nullptr);

    const Globals &globals() const { return m_globals; }
    const CellTable &evaluationGrid() const { return m_evaluationGrid; }
    const CellTable &scorecardGrid() const { return m_scorecardGrid; }
    const CellTable &breakDownGrid() const { return m_breakDownGrid; }
    const std::array<int, OptionStateCount> &OptionStates() const { return m_optionStates; }
    const std::array<int, ItemPointsCount> &ItemPoints() const { return m_itemPoints; }
    // State of breakdown row `row` (1 to 150); 0 for any other row.
    int optionState(int row) const;
    // The contact memo's lines: name, telephone, fax and e-mail.
    const QStringList &contactLines() const { return m_contactLines; }

    bool isBigMunicipality() const;
    bool isSmallMunicipality() const;
    // Number of items the scoring rules run over: 22 for a small scorecard,
    // 25 otherwise.
    int scoredItemCount() const;
    // Whether breakdown row `row` holds an answer option of the current table.
    bool isOptionRow(int row) const;
    // The Summary table's total row.
    int summaryTotalRow() const { return m_scorecardGrid.rowCount() - 1; }

    // True once a scorecard of a known variant has been set up or opened.
    bool hasScorecard() const { return m_hasScorecard; }
    // True after an option was chosen or a comment edited since the last
    // set-up, open or save.
    bool isModified() const { return m_modified; }
    void markSaved();

    // Basic information, as the basic-information dialog hands it over.
    void setBasicInformation(const QString &providerName, const QString &additionalDetails,
                             const QString &assessmentDate);
    void setScorecardVariant(const QString &variant);
    void setContactLines(const QStringList &lines);
    // Completeness of the basic information; stores the result too.
    bool CheckBasicInfoComplete(const QString &providerName, const QString &additionalDetails,
                                const QString &assessmentDate);

    // New-scorecard set-up.
    bool ConfirmNewScorecard(Prompter &prompter) const;
    void FillNewScorecard();
    void SetUpNewScorecard(Prompter &prompter);

    // Scoring rules. `SelectOption` and `ComputeItemPoints` return false with
    // the conversion error in `error` when a selected option has no number as
    // its points; what changed before the failure stays changed.
    bool SelectOption(int row, QString *error = nullptr);
    bool ComputeItemPoints(QString *error = nullptr);
    void UpdateScorecardValues();
    // The Summary refresh: points from ItemPoints, then the total.
    void refreshSummary();
    // The model's half of the Summary edit rule: stores the text of an editable
    // cell (column 4) and, for a small scorecard, forms the total again.
    void editSummaryCell(int column, int row, const QString &text);

    // The four category scores of the spider diagram, from the Summary points.
    void ComputeCategoryScores();

    // Replaces the scorecard with a file's checked contents, all at once.
    void applyFile(const ScorecardFileContents &contents);

Q_SIGNALS:
    // FillNewScorecard ran: the views reset row heights and paint the header
    // edits; `variantKnown` tells whether the pages are to be shown on the
    // Introduction page.
    void scorecardFilled(bool variantKnown);
    void basicInformationChanged();
    // Cells or answer states changed; views repaint.
    void contentChanged();
    void modifiedChanged(bool modified);

private:
    void setModified(bool modified);
    void fillTables(bool big);
    void writeSummaryTotal(int firstRow, int lastRow, int totalRow);
    // The Summary refresh and the heading-row update, without telling views.
    void writeSummaryPoints();
    void writeHeadingPoints();

    Globals m_globals;
    CellTable m_evaluationGrid{2, 25};
    CellTable m_scorecardGrid{5, 27};
    CellTable m_breakDownGrid{3, 157};
    std::array<int, OptionStateCount> m_optionStates{};
    std::array<int, ItemPointsCount> m_itemPoints{};
    QStringList m_contactLines{QString(), QString(), QString(), QString()};
    bool m_hasScorecard = false;
    bool m_modified = false;
};
