// Scorecards and tables for the printing tests.
#include "ReportFixtures.h"

#include "CellTable.h"
#include "ScorecardDocument.h"

void fillAnsweredScorecard(ScorecardDocument &document, const QString &variant)
{
    document.setBasicInformation(QStringLiteral("Kaborra Local Municipality"),
                                 QStringLiteral("Eastern district, bulk supply"),
                                 QStringLiteral("2024"));
    document.setScorecardVariant(variant);
    document.FillNewScorecard();
    const int items = document.scoredItemCount();
    for (int k = 1; k <= items; ++k) {
        int option = (k - 1) % 5;
        // Short items of a small scorecard have fewer options.
        while (option > 0 && !document.isOptionRow(firstOptionRow(k) + option))
            --option;
        document.SelectOption(firstOptionRow(k) + option);
        document.editSummaryCell(4, k, QStringLiteral("Checked on site"));
    }
    document.refreshSummary();
}

CellTable breakdownTable(int dataRows)
{
    CellTable table(3, dataRows + 1);
    table.setCell(0, 0, QStringLiteral("Description"));
    table.setCell(1, 0, QStringLiteral("Points"));
    for (int r = 1; r <= dataRows; ++r) {
        if (isHeadingRow(r)) {
            table.setCell(0, r, QStringLiteral("Heading of item %1").arg(itemOfRow(r)));
        } else {
            table.setCell(0, r, QStringLiteral("Option in row %1").arg(r));
            table.setCell(1, r, QStringLiteral("2"));
        }
    }
    return table;
}

QDateTime fixedPrintingMoment()
{
    return QDateTime(QDate(2024, 3, 14), QTime(9, 26, 53));
}

QImage testLogo()
{
    QImage logo(126, 259, QImage::Format_RGB32);
    logo.fill(QColor(20, 90, 160));
    return logo;
}
