// Writing the summary as CSV.
#include "CsvSummaryWriter.h"

#include "ScorecardRecord.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int ItemColumns = 25;
constexpr int FirstCategoryColumn = ItemColumns + 1; // after the items and the total
constexpr int CategoryColumns = 4;
// Text columns before the numbers: file, variant, provider, details, year.
constexpr int TextColumns = 5;

const QLatin1String LineEnd("\r\n");

QString integerText(int value) { return QString::number(value); }

// Category scores with two decimals and a full stop, whatever the locale.
QString decimalText(double value) { return QString::number(value, 'f', 2); }

bool isCategoryColumn(int column)
{
    return column >= FirstCategoryColumn && column < FirstCategoryColumn + CategoryColumns;
}

// A statistic shown like its column: categories with two decimals; integer
// columns as integers where the value is whole (a median of an even count
// may fall half-way: "2.50").
QString statisticText(int column, double value)
{
    if (!isCategoryColumn(column) && value == std::floor(value))
        return QString::number(qint64(value));
    return decimalText(value);
}

QByteArray line(const QStringList &fields)
{
    return (fields.join(QLatin1Char(',')) + LineEnd).toUtf8();
}

} // namespace

QString csvField(const QString &text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray CsvSummaryWriter::header()
{
    QStringList fields{QStringLiteral("file"), QStringLiteral("variant"), QStringLiteral("provider"),
                       QStringLiteral("details"), QStringLiteral("year")};
    for (int k = 1; k <= ItemColumns; ++k)
        fields.append(QStringLiteral("item%1").arg(k));
    fields << QStringLiteral("total") << QStringLiteral("financial") << QStringLiteral("technical")
           << QStringLiteral("institutional") << QStringLiteral("social")
           << QStringLiteral("answered");
    return line(fields);
}

QByteArray CsvSummaryWriter::record(const ScorecardRecord &record)
{
    QStringList fields{csvField(record.file), csvField(record.variant), csvField(record.provider),
                       csvField(record.details), csvField(record.year)};
    fields.reserve(TextColumns + NumericColumns);

    for (int k = 1; k <= ItemColumns; ++k) {
        if (k > record.items.size()) {
            fields.append(QString());
            continue;
        }
        const int points = record.items.at(k - 1).points;
        fields.append(integerText(points));
        m_values[std::size_t(k - 1)].push_back(points);
    }
    fields.append(integerText(record.total));
    m_values[ItemColumns].push_back(record.total);

    const double categories[CategoryColumns] = {record.financial, record.technical,
                                                record.institutional, record.social};
    for (int c = 0; c < CategoryColumns; ++c) {
        const QString text = decimalText(categories[c]);
        fields.append(text);
        // The statistics work on the values as the column shows them, so they
        // agree with what a spreadsheet computes from this file.
        m_values[std::size_t(FirstCategoryColumn + c)].push_back(text.toDouble());
    }
    fields.append(integerText(record.answered));
    m_values[NumericColumns - 1].push_back(record.answered);
    return line(fields);
}

QByteArray CsvSummaryWriter::statistics() const
{
    const auto row = [this](const QString &name, auto statistic) {
        QStringList fields{name};
        for (int i = 1; i < TextColumns; ++i)
            fields.append(QString());
        for (int c = 0; c < NumericColumns; ++c)
            fields.append(statistic(c, m_values[std::size_t(c)]));
        return line(fields);
    };

    QByteArray text;
    text += row(QStringLiteral("count"), [](int, const std::vector<double> &values) {
        return QString::number(values.size());
    });
    text += row(QStringLiteral("min"), [](int column, const std::vector<double> &values) {
        return values.empty() ? QString()
                              : statisticText(column, *std::min_element(values.begin(), values.end()));
    });
    text += row(QStringLiteral("median"), [](int column, std::vector<double> values) {
        if (values.empty())
            return QString();
        std::sort(values.begin(), values.end());
        const std::size_t middle = values.size() / 2;
        const double median = values.size() % 2 == 1
            ? values[middle]
            : (values[middle - 1] + values[middle]) / 2.0;
        return statisticText(column, median);
    });
    text += row(QStringLiteral("max"), [](int column, const std::vector<double> &values) {
        return values.empty() ? QString()
                              : statisticText(column, *std::max_element(values.begin(), values.end()));
    });
    return text;
}
