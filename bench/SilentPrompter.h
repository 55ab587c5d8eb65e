// The prompter of the benchmarks: answers every question with Yes and every
// file dialog with "cancelled", so no measured step ever waits for a user.
#pragma once

#include "Prompter.h"

class SilentPrompter final : public Prompter
{
public:
    bool confirm(const QString &) override { return true; }
    Answer askYesNoCancel(const QString &) override { return Answer::Yes; }
    void message(const QString &) override {}
    void error(const QString &) override {}
    QString openFileName(const QString &) override { return {}; }
    QString saveFileName(const QString &) override { return {}; }
    bool setUpPrinter(QPrinter *) override { return false; }
};
