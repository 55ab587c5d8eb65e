// The program-wide values of one run: version, basic information of the open
// scorecard and the working values of scoring and the spider diagram.
#pragma once

#include <QString>

struct Globals
{
    QString ProgramVersion = QStringLiteral("2.3.1.1 August 2010");
    QString ScorecardVariant;
    QString ProviderName;
    QString AdditionalDetails;
    QString AssessmentDate;
    QString FileProgramVersion;
    bool BasicInfoComplete = false;
    int RunningTotal = 0;
    double FinancialScore = 0.0;
    double InstitutionalScore = 0.0;
    double SocialScore = 0.0;
    double TechnicalScore = 0.0;

    bool operator==(const Globals &other) const = default;
};
