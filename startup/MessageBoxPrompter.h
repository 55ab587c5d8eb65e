// The prompter of the running program: message boxes, file dialogs and the
// printer dialog, all owned by the main window.
#pragma once

#include "Prompter.h"

class QWidget;

class MessageBoxPrompter final : public Prompter
{
public:
    // `parent` is the main window; every box and dialog is centred on it and
    // stays in front of it.
    explicit MessageBoxPrompter(QWidget *parent);

    // The main window is created after the prompter it is handed, so it joins
    // as the parent afterwards.
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    bool confirm(const QString &question) override;
    Answer askYesNoCancel(const QString &question) override;
    void message(const QString &text) override;
    void error(const QString &text) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;
    bool setUpPrinter(QPrinter *printer) override;

    // "Quorval File (*.sc)|*.sc" -> "Quorval File (*.sc)". The model writes
    // filters as description|pattern pairs; Qt wants the description with the
    // pattern in brackets, one filter per ";;".
    static QString toQtFilter(const QString &filter);
    // The extension a typed name without one receives: "sc" for the filter above.
    static QString defaultSuffix(const QString &filter);

private:
    QWidget *m_parent;
};
