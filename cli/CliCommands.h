// The commands of quorval-cli (check, summary, diagram, report) and the
// parsing of its command line.
#pragma once

#include <QString>
#include <QStringList>

// Exit statuses scripts can rely on.
enum CliExitCode {
    CliSuccess = 0,
    CliFailure = 1, // a file was refused or an output could not be written
    CliUsage = 2,   // wrong command line
};

// Whether `command` draws text or pictures and so needs a QGuiApplication
// (fonts, painting); the others run on a QCoreApplication.
bool commandNeedsGui(const QString &command);

// Runs the command line `arguments` (program name first) and returns the exit
// status. Records go to standard output, refusals and errors to standard error.
int runQuorvalCli(const QStringList &arguments);
