// Everything the program asks or tells the user goes through this interface,
// so every command can run headless with a scripted stand-in.
#pragma once

#include <QString>

class QPrinter;

class Prompter
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A "Confirm" question with Yes (the default) and No; true for Yes.
    virtual bool confirm(const QString &question) = 0;
    // A question with Yes, No and Cancel.
    virtual Answer askYesNoCancel(const QString &question) = 0;
    // An information box with OK.
    virtual void message(const QString &text) = 0;
    // An error box with OK.
    virtual void error(const QString &text) = 0;
    // File dialogs; an empty result means the user cancelled. `filter` is in the
    // "Description (*.ext)|*.ext" form.
    virtual QString openFileName(const QString &filter) = 0;
    virtual QString saveFileName(const QString &filter) = 0;
    // The printer set-up dialog; false when cancelled.
    virtual bool setUpPrinter(QPrinter *printer) = 0;
};
