// What a scorecard file holds once it has been read and checked, before any
// of it is applied to the open scorecard.
#pragma once

#include "ScorecardBasics.h"

#include <QString>
#include <QStringList>

#include <array>

struct ScorecardFileContents
{
    QString programVersion; // line 1
    QString variant;        // line 2, a known variant key
    QString providerName;
    QString additionalDetails;
    QString assessmentDate;
    QStringList contactLines;            // lines 6 to 9
    QStringList points;                  // Summary "Points", rows 1 to N (N-th is the total)
    QStringList comments;                // Summary "Comments", rows 1 to N
    std::array<int, OptionStateCount> optionStates{}; // breakdown rows 1 to 150
};
