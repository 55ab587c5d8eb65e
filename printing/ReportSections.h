// The three tables of the printed report: scorecard indicators, scorecard
// summary and the breakdown of scorecard items.
#pragma once

#include <QString>

class CellTable;
class PageSink;
struct ReportInfo;

// Each section starts on the sink's current page as page 1, opens further
// pages itself and gives every page the frame with its own number. It reads
// the table's cell texts as they stand and changes nothing. The result is the
// number of pages the section used; an unknown layout prints nothing (0).

// `EvaluationGrid`: item numbers and descriptions on one page.
int PrintIndicatorsSection(PageSink &sink, const QString &layout, const CellTable &grid,
                           const ReportInfo &info);

// `ScorecardGrid`: the points of every item with the assessor's comments; its
// last row is the total.
int PrintSummarySection(PageSink &sink, const QString &layout, const CellTable &grid,
                        const ReportInfo &info);

// `BreakDownGrid`, columns 0 and 1: every item's heading and answer options
// with their points, at most 30 rows a page. `skipEmptyOptionRows` leaves out
// the empty rows that a small scorecard's shorter items leave in their blocks.
int PrintBreakdownSection(PageSink &sink, const QString &layout, const CellTable &grid,
                          const ReportInfo &info, bool skipEmptyOptionRows);
