// Seed scorecards for the fuzz target, written with the model's own encoder so
// the corpus always matches the current file layout.
#include "SeedScorecards.h"

#include "Catalogue.h"
#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "ScorecardFileContents.h"

namespace {

const QStringList Contacts = {QStringLiteral("A. N. Assessor"), QStringLiteral("012 345 6789"),
                              QString(), QStringLiteral("assessor@example.org")};

void setUpBig(ScorecardDocument &document)
{
    document.setBasicInformation(QStringLiteral("Riverton Local Municipality"),
                                 QStringLiteral("Eastern district \u2013 pilot"),
                                 QStringLiteral("2010"));
    document.setContactLines(Contacts);
    document.setScorecardVariant(QLatin1String(BigMunicipality));
    document.FillNewScorecard();
}

// Replaces line `number` (from 1) of a file's CR LF lines.
QByteArray withLine(const QByteArray &bytes, int number, const QByteArray &text)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines[number - 1] = text + '\r';
    return lines.join('\n');
}

} // namespace

namespace SeedScorecards {

void setUpFreshBig(ScorecardDocument &document)
{
    setUpBig(document);
    document.markSaved();
}

void setUpAnsweredBig(ScorecardDocument &document)
{
    setUpBig(document);
    // Every item answered, the chosen option walking down the five.
    for (int item = 1; item <= ItemPointsCount; ++item)
        document.SelectOption(firstOptionRow(item) + (item % 5));
    document.editSummaryCell(4, 1, QStringLiteral("Tariffs reviewed yearly"));
    document.editSummaryCell(4, 7, QStringLiteral("Meters in 60 % of homes; \u201Cplan\u201D for the rest"));
    document.refreshSummary();
    document.markSaved();
}

void setUpAnsweredSmall(ScorecardDocument &document)
{
    const auto &items = smallMunicipalityCatalogue().items;
    ScorecardFileContents contents;
    contents.programVersion = document.globals().ProgramVersion;
    contents.variant = QLatin1String(SmallMunicipality);
    contents.providerName = QStringLiteral("Hillside Water Services");
    contents.additionalDetails = QStringLiteral("Northern villages");
    contents.assessmentDate = QStringLiteral("2009");
    contents.contactLines = Contacts;
    contents.optionStates.fill(OptionUnselected);
    // Each item's last option chosen, its points on the points line.
    int total = 0;
    for (int k = 1; k <= int(items.size()); ++k) {
        const CatalogueItem &item = items[std::size_t(k - 1)];
        const int row = firstOptionRow(k) + item.optionCount - 1;
        contents.optionStates[std::size_t(row - 1)] = OptionSelected;
        const int points = item.options[std::size_t(item.optionCount - 1)].points;
        contents.points.append(QString::number(points));
        contents.comments.append(k == 3 ? QStringLiteral("Leak repairs within 48 h") : QString());
        total += points;
    }
    contents.points.append(QString::number(total));
    contents.comments.append(QString());
    document.applyFile(contents);
}

QList<SeedFile> seedFiles()
{
    ScorecardDocument freshBig;
    setUpFreshBig(freshBig);
    ScorecardDocument answeredBig;
    setUpAnsweredBig(answeredBig);
    ScorecardDocument answeredSmall;
    setUpAnsweredSmall(answeredSmall);

    const QByteArray fresh = ScorecardFile::encode(freshBig);
    const QByteArray answered = ScorecardFile::encode(answeredBig);
    const QByteArray small = ScorecardFile::encode(answeredSmall);

    // Lines: 1 version, 2 variant, 3-5 basic information, 6-9 contacts, then
    // 26 points lines (the last is the total), 26 comments and 150 states.
    constexpr int FirstStateLine = 9 + 26 + 26 + 1;
    // Stale: item 2's second option ticked while its points and the total
    // still say 0, as files saved before the points were brought up to date.
    const QByteArray stale = withLine(fresh, FirstStateLine + 8, "17408");

    return {
        {QStringLiteral("fresh-big.sc"), fresh},
        {QStringLiteral("answered-big.sc"), answered},
        {QStringLiteral("answered-small.sc"), small},
        {QStringLiteral("stale-big.sc"), stale},
        {QStringLiteral("bad-variant.sc"), withLine(answered, 2, "MediumMunicipality")},
        {QStringLiteral("bad-letter-in-points.sc"), withLine(answered, 12, "3x")},
        {QStringLiteral("bad-truncated-states.sc"), answered.left(answered.size() - 40)},
        {QStringLiteral("bad-lf-small-ends-early.sc"), QByteArray(small).replace("\r\n", "\n").left(700)},
    };
}

} // namespace SeedScorecards
