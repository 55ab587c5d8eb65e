// Capture and comparison of a document's state for the fuzz checks.
#include "DocumentSnapshot.h"

#include "ScorecardDocument.h"

DocumentSnapshot DocumentSnapshot::of(const ScorecardDocument &document)
{
    DocumentSnapshot s;
    s.globals = document.globals();
    s.evaluationGrid = document.evaluationGrid();
    s.scorecardGrid = document.scorecardGrid();
    s.breakDownGrid = document.breakDownGrid();
    s.optionStates = document.OptionStates();
    s.itemPoints = document.ItemPoints();
    s.contactLines = document.contactLines();
    s.hasScorecard = document.hasScorecard();
    s.modified = document.isModified();
    return s;
}

bool DocumentSnapshot::sameFileContent(const DocumentSnapshot &other) const
{
    const Globals &a = globals;
    const Globals &b = other.globals;
    return a.ProgramVersion == b.ProgramVersion && a.ScorecardVariant == b.ScorecardVariant
        && a.ProviderName == b.ProviderName && a.AdditionalDetails == b.AdditionalDetails
        && a.AssessmentDate == b.AssessmentDate && a.FileProgramVersion == b.FileProgramVersion
        && a.RunningTotal == b.RunningTotal && evaluationGrid == other.evaluationGrid
        && scorecardGrid == other.scorecardGrid && breakDownGrid == other.breakDownGrid
        && optionStates == other.optionStates && itemPoints == other.itemPoints
        && contactLines == other.contactLines && hasScorecard == other.hasScorecard
        && modified == other.modified;
}
