// Printing report sections of a scorecard without the print options dialog:
// onto any page sink, or straight into a PDF file.
#pragma once

#include "ReportSection.h"

#include <QDateTime>
#include <QList>
#include <QString>

class PageSink;
class QImage;
class ScorecardDocument;
struct ReportInfo;

// Prints `section` of the document as it stands, starting on the sink's
// current page, in `layout`. Returns the number of pages used.
int printSection(PageSink &sink, const ScorecardDocument &document, ReportSection section,
                 const QString &layout, const ReportInfo &info);

// The same in the section's own layout; an invalid `now` stamps each page with
// the moment it was drawn.
int printReport(PageSink &sink, const ScorecardDocument &document, ReportSection section,
                const QImage &logo, const QDateTime &now = QDateTime());

// Writes the sections, each starting on a new page in its own layout, into a
// PDF file at `dpi` dots per inch. On failure returns false with a message for
// the user in `error`; a half-written file is removed.
bool printSectionsToPdf(const QString &fileName, int dpi, const ScorecardDocument &document,
                        const QList<ReportSection> &sections, const QImage &logo,
                        const QDateTime &now = QDateTime(), QString *error = nullptr);
