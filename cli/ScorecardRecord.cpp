// Collecting a summary record from an opened scorecard document.
#include "ScorecardRecord.h"

#include "Catalogue.h"
#include "ScorecardDocument.h"

namespace {

constexpr int PointsColumn = 3;
constexpr int CommentsColumn = 4;
constexpr int OptionsPerItem = 5;

// The chosen option of item `k`, 1-based, or 0. Should a file carry two
// chosen options in one item, the last one is reported: it is the one whose
// points the scoring rules count.
int selectedOption(const ScorecardDocument &document, int k)
{
    int selected = 0;
    for (int j = 0; j < OptionsPerItem; ++j) {
        const int row = firstOptionRow(k) + j;
        if (document.isOptionRow(row) && document.optionState(row) == OptionSelected)
            selected = j + 1;
    }
    return selected;
}

} // namespace

ScorecardRecord ScorecardRecord::fromDocument(const QString &file, const ScorecardDocument &document)
{
    const Globals &globals = document.globals();
    const CellTable &summary = document.scorecardGrid();
    const Catalogue &catalogue = document.isSmallMunicipality() ? smallMunicipalityCatalogue()
                                                                : bigMunicipalityCatalogue();
    ScorecardRecord record;
    record.file = file;
    record.variant = globals.ScorecardVariant;
    record.provider = globals.ProviderName;
    record.details = globals.AdditionalDetails;
    record.year = globals.AssessmentDate;
    for (int i = 0; i < 4; ++i)
        record.contacts.append(document.contactLines().value(i));

    const int itemCount = document.scoredItemCount();
    for (int k = 1; k <= itemCount; ++k) {
        const CatalogueItem &entry = catalogue.items[std::size_t(k - 1)];
        Item item;
        item.number = k;
        item.description = QLatin1String(entry.description);
        item.maxPoints = entry.maxPoints;
        item.points = cellIntegerValue(summary.cell(PointsColumn, k));
        item.selected = selectedOption(document, k);
        item.comment = summary.cell(CommentsColumn, k);
        if (item.selected > 0)
            ++record.answered;
        record.items.append(item);
    }
    record.total = cellIntegerValue(summary.cell(PointsColumn, itemCount + 1));
    record.financial = globals.FinancialScore;
    record.technical = globals.TechnicalScore;
    record.institutional = globals.InstitutionalScore;
    record.social = globals.SocialScore;
    return record;
}
