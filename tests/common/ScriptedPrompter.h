// A prompter for tests: answers from scripted lists and records every question,
// message and dialog, so a test can check what the user would have seen.
#pragma once

#include "Prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

class ScriptedPrompter final : public Prompter
{
public:
    // Answers handed out in order; when a list runs dry the defaults below apply.
    QList<bool> confirmAnswers;
    QList<Answer> yesNoCancelAnswers;
    QStringList openNames;
    QStringList saveNames;
    QList<bool> printerAnswers;
    bool defaultConfirm = true;

    // What was asked or shown, in order.
    QStringList questions;
    QStringList messages;
    QStringList errors;
    int openDialogs = 0;
    int saveDialogs = 0;
    int printerDialogs = 0;
    QPrinter *lastPrinter = nullptr;

    bool confirm(const QString &question) override
    {
        questions.append(question);
        return confirmAnswers.isEmpty() ? defaultConfirm : confirmAnswers.takeFirst();
    }
    Answer askYesNoCancel(const QString &question) override
    {
        questions.append(question);
        return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.takeFirst();
    }
    void message(const QString &text) override { messages.append(text); }
    void error(const QString &text) override { errors.append(text); }
    QString openFileName(const QString &) override
    {
        ++openDialogs;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString saveFileName(const QString &) override
    {
        ++saveDialogs;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    bool setUpPrinter(QPrinter *printer) override
    {
        ++printerDialogs;
        lastPrinter = printer;
        return printerAnswers.isEmpty() ? false : printerAnswers.takeFirst();
    }
};
