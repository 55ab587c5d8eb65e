// Gathering the page frame's texts from the scorecard document.
#include "ReportInfo.h"

#include "ScorecardDocument.h"

ReportInfo ReportInfo::fromDocument(const ScorecardDocument &document, const QImage &logo,
                                    const QDateTime &printedAt)
{
    const Globals &g = document.globals();
    return ReportInfo{g.ProgramVersion, g.ProviderName, g.AdditionalDetails, g.AssessmentDate,
                      logo, printedAt};
}
