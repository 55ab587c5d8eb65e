// Opening scorecard files for the command-line tool.
#include "ScorecardReading.h"

#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "ScorecardFileContents.h"

bool openScorecardFile(const QString &path, ScorecardDocument &document, ScorecardFileError *error)
{
    ScorecardFileContents contents;
    if (!ScorecardFile::read(path, &contents, error))
        return false;
    // applyFile mends the points to follow the option states; the refresh and
    // the category scores are what the Summary and Spider Diagram pages run
    // when they are shown.
    document.applyFile(contents);
    document.refreshSummary();
    document.ComputeCategoryScores();
    return true;
}

QString refusalLine(const QString &path, const ScorecardFileError &error)
{
    // The path is printed as the user typed it, so a script can match it
    // against its own list of files.
    if (error.line > 0)
        return QStringLiteral("%1: line %2: %3").arg(path, QString::number(error.line), error.reason);
    return QStringLiteral("%1: %2").arg(path, error.reason);
}
