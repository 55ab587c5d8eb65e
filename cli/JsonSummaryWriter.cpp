// Writing summary records as JSON objects of one array.
#include "JsonSummaryWriter.h"

#include "ScorecardRecord.h"

#include <QJsonArray>
#include <QJsonDocument>

QJsonObject summaryJson(const ScorecardRecord &record)
{
    QJsonArray items;
    for (const ScorecardRecord::Item &item : record.items) {
        items.append(QJsonObject{
            {QStringLiteral("number"), item.number},
            {QStringLiteral("description"), item.description},
            {QStringLiteral("maxPoints"), item.maxPoints},
            {QStringLiteral("points"), item.points},
            {QStringLiteral("selected"),
             item.selected > 0 ? QJsonValue(item.selected) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("comment"), item.comment},
        });
    }
    // Category scores go out unrounded: a script can round them as it needs.
    const QJsonObject categories{
        {QStringLiteral("financial"), record.financial},
        {QStringLiteral("technical"), record.technical},
        {QStringLiteral("institutional"), record.institutional},
        {QStringLiteral("social"), record.social},
    };
    return QJsonObject{
        {QStringLiteral("file"), record.file},
        {QStringLiteral("variant"), record.variant},
        {QStringLiteral("provider"), record.provider},
        {QStringLiteral("details"), record.details},
        {QStringLiteral("year"), record.year},
        {QStringLiteral("contacts"), QJsonArray::fromStringList(record.contacts)},
        {QStringLiteral("items"), items},
        {QStringLiteral("total"), record.total},
        {QStringLiteral("categories"), categories},
        {QStringLiteral("answered"), record.answered},
    };
}

QByteArray JsonSummaryWriter::begin() { return QByteArrayLiteral("[\n"); }

QByteArray JsonSummaryWriter::record(const ScorecardRecord &record)
{
    // An array element sits one level (four blanks) deeper than the object
    // written on its own; the text values hold no line breaks, as JSON escapes
    // them, so every line break starts a new line of the layout.
    const QByteArray object = QJsonDocument(summaryJson(record)).toJson(QJsonDocument::Indented);
    const QByteArray indent = QByteArrayLiteral("    ");
    QByteArray text;
    text.reserve(object.size() + object.count('\n') * indent.size() + 2);
    if (!m_first)
        text += ",\n";
    m_first = false;
    // The object ends with a line break; the separator or the closing bracket
    // comes before the next one.
    qsizetype start = 0;
    while (start < object.size()) {
        const qsizetype end = object.indexOf('\n', start);
        text += indent;
        text.append(object.constData() + start, end - start);
        start = end + 1;
        if (start < object.size())
            text += '\n';
    }
    return text;
}

QByteArray JsonSummaryWriter::end() const
{
    return m_first ? QByteArrayLiteral("]\n") : QByteArrayLiteral("\n]\n");
}
