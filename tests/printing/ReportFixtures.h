// Scorecards and tables for the printing tests.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

class CellTable;
class ScorecardDocument;

// A scorecard of `variant` with its basic information, one option chosen in
// every item (the points cycling through 4, 3, 2, 1, 0) and a short comment
// on every item. The Summary is refreshed.
void fillAnsweredScorecard(ScorecardDocument &document, const QString &variant);

// A breakdown table with `dataRows` rows below its header: a heading row every
// sixth row, the rest options worth 2 points.
CellTable breakdownTable(int dataRows);

// A fixed moment, so the footer does not change from run to run.
QDateTime fixedPrintingMoment();

// A stand-in for the report logo: 126 x 259, the real picture's size.
QImage testLogo();
