// What the page frame shows about the assessment besides the page number:
// program version, basic information, report logo and the printing moment.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

class ScorecardDocument;

struct ReportInfo
{
    QString programVersion;
    QString providerName;
    QString additionalDetails;
    QString assessmentDate;
    QImage logo;
    // An invalid moment means "now": each page then shows the time its frame
    // was drawn. Tests and the command-line tool fix it for stable output.
    QDateTime printedAt;

    static ReportInfo fromDocument(const ScorecardDocument &document, const QImage &logo,
                                   const QDateTime &printedAt = QDateTime());
};
