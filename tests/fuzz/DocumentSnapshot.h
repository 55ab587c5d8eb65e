// Everything a scorecard file can change in a document, captured so that two
// moments (or two documents) can be compared value by value.
#pragma once

#include "CellTable.h"
#include "Globals.h"
#include "ScorecardBasics.h"

#include <QStringList>

#include <array>

class ScorecardDocument;

struct DocumentSnapshot
{
    Globals globals;
    CellTable evaluationGrid{0, 0};
    CellTable scorecardGrid{0, 0};
    CellTable breakDownGrid{0, 0};
    std::array<int, OptionStateCount> optionStates{};
    std::array<int, ItemPointsCount> itemPoints{};
    QStringList contactLines;
    bool hasScorecard = false;
    bool modified = false;

    static DocumentSnapshot of(const ScorecardDocument &document);

    // Equal in what the file brings: the tables, the answers, the contact
    // lines and the globals a file sets. The basic-information check and the
    // spider scores belong to the session, not to the file, so they may differ.
    bool sameFileContent(const DocumentSnapshot &other) const;

    bool operator==(const DocumentSnapshot &other) const = default;
};
