// The summary as CSV: one line per scorecard file and, on request, the
// count, minimum, median and maximum of every numeric column.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

struct ScorecardRecord;

// One field quoted as RFC 4180 asks: in double quotes, with its quotes doubled,
// when it holds a comma, a quote, a CR or an LF; as it is otherwise.
QString csvField(const QString &text);

class CsvSummaryWriter
{
public:
    // The header line, CR LF included.
    static QByteArray header();

    // The record's line, UTF-8 and CR LF; its numbers are kept for statistics().
    QByteArray record(const ScorecardRecord &record);

    // The four lines "count", "min", "median" and "max" over every record
    // written so far. Values a record lacks (the items a small scorecard does
    // not have) are left out, not counted as 0.
    QByteArray statistics() const;

private:
    // item1 to item25, total, the four categories, answered.
    static constexpr int NumericColumns = 25 + 1 + 4 + 1;

    std::array<std::vector<double>, NumericColumns> m_values;
};
