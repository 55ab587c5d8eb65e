// Scorecards the fuzz target starts from and whose files make its seed corpus:
// one of each kind an assessor produces, built through the document's own rules.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ScorecardDocument;

namespace SeedScorecards {

// A big scorecard with basic information and contact lines, nothing chosen.
void setUpFreshBig(ScorecardDocument &document);
// The same with an option chosen in every item and a few comments.
void setUpAnsweredBig(ScorecardDocument &document);
// A small scorecard (these arise only from files) with some items answered.
void setUpAnsweredSmall(ScorecardDocument &document);

struct SeedFile
{
    QString name;
    QByteArray bytes;
};

// Good files of every kind and a few damaged ones that the reader must refuse.
QList<SeedFile> seedFiles();

} // namespace SeedScorecards
