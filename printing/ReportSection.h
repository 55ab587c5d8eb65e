// The three parts of the report a print job can hold, and the paper layout
// each one is laid out for.
#pragma once

#include <QString>

enum class ReportSection { Indicators, Summary, Breakdown };

inline constexpr char A4Portrait[] = "A4Portrait";
inline constexpr char A4Landscape[] = "A4Landscape";

// The summary's five columns need the width of a landscape page; the other
// two sections are portrait.
inline QString sectionLayout(ReportSection section)
{
    return QLatin1String(section == ReportSection::Summary ? A4Landscape : A4Portrait);
}
