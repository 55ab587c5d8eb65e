// Section dispatch and the PDF path of the report.
#include "PrintReport.h"

#include "PagedDeviceSink.h"
#include "ReportInfo.h"
#include "ReportSections.h"
#include "ScorecardDocument.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// The page geometry spans the whole A4 sheet, so the PDF page has no margins
// of its own.
QPageLayout a4Layout(ReportSection section)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       section == ReportSection::Summary ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

int printSection(PageSink &sink, const ScorecardDocument &document, ReportSection section,
                 const QString &layout, const ReportInfo &info)
{
    switch (section) {
    case ReportSection::Indicators:
        return PrintIndicatorsSection(sink, layout, document.evaluationGrid(), info);
    case ReportSection::Summary:
        return PrintSummarySection(sink, layout, document.scorecardGrid(), info);
    case ReportSection::Breakdown:
        return PrintBreakdownSection(sink, layout, document.breakDownGrid(), info,
                                     document.isSmallMunicipality());
    }
    return 0;
}

int printReport(PageSink &sink, const ScorecardDocument &document, ReportSection section,
                const QImage &logo, const QDateTime &now)
{
    return printSection(sink, document, section, sectionLayout(section),
                        ReportInfo::fromDocument(document, logo, now));
}

bool printSectionsToPdf(const QString &fileName, int dpi, const ScorecardDocument &document,
                        const QList<ReportSection> &sections, const QImage &logo,
                        const QDateTime &now, QString *error)
{
    const auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (sections.isEmpty())
        return fail(QStringLiteral("Please choose what to print"));
    if (dpi <= 0)
        return fail(QStringLiteral("The resolution must be a positive number of dots per inch."));

    // Written through a temporary file, so a failure leaves an earlier file
    // of that name as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), file.errorString()));

    bool ok = true;
    {
        QPdfWriter writer(&file);
        writer.setResolution(dpi);
        writer.setCreator(QStringLiteral("Quorval ") + document.globals().ProgramVersion);
        writer.setTitle(QStringLiteral("WC/WDM Potential Assessment"));
        writer.setPageLayout(a4Layout(sections.first()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            ok = false;
        } else {
            PagedDeviceSink sink(writer, painter);
            const ReportInfo info = ReportInfo::fromDocument(document, logo, now);
            for (qsizetype i = 0; i < sections.size() && ok; ++i) {
                if (i > 0) {
                    // The layout set before newPage() is the next page's.
                    writer.setPageLayout(a4Layout(sections.at(i)));
                    ok = writer.newPage();
                }
                if (ok)
                    printSection(sink, document, sections.at(i), sectionLayout(sections.at(i)),
                                 info);
            }
            ok = painter.end() && ok;
        }
    }
    if (!ok || !file.commit()) {
        file.cancelWriting();
        return fail(QStringLiteral("The report could not be written to \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), file.errorString()));
    }
    return true;
}
