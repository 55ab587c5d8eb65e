// The summary as JSON: an array with one object per scorecard file, written
// record by record so a long batch never sits in memory whole.
#pragma once

#include <QByteArray>
#include <QJsonObject>

struct ScorecardRecord;

// {"file", "variant", "provider", "details", "year", "contacts": [4 strings],
//  "items": [{"number", "description", "maxPoints", "points", "selected",
//  "comment"}], "total", "categories": {"financial", "technical",
//  "institutional", "social"}, "answered"}; "selected" is the 1-based option
// number or null.
QJsonObject summaryJson(const ScorecardRecord &record);

class JsonSummaryWriter
{
public:
    // The pieces of the array in order: opening, each record, closing. Put
    // together they read as QJsonDocument writes the whole array, indented.
    static QByteArray begin();
    QByteArray record(const ScorecardRecord &record);
    QByteArray end() const;

private:
    bool m_first = true;
};
