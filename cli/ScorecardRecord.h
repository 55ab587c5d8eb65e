// What the summary command reports about one opened scorecard file: the basic
// information, each item's points and answer, the total and the categories.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ScorecardDocument;

struct ScorecardRecord
{
    struct Item
    {
        int number = 0;
        QString description;
        int maxPoints = 0;
        int points = 0;
        int selected = 0; // 1-based answer option; 0 when none is chosen
        QString comment;
    };

    QString file; // as the user named it
    QString variant;
    QString provider;
    QString details;
    QString year;
    QStringList contacts; // always four lines: name, telephone, fax, e-mail
    QList<Item> items;    // the variant's items only: 25 or 22
    int total = 0;
    double financial = 0.0;
    double technical = 0.0;
    double institutional = 0.0;
    double social = 0.0;
    int answered = 0; // items with a chosen option

    // The record of `document` as openScorecardFile left it.
    static ScorecardRecord fromDocument(const QString &file, const ScorecardDocument &document);
};
