// quorval-cli: scorecard files checked, summarised, drawn and printed in
// batch, without a window.
#include "CliCommands.h"

#include "Globals.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

// The first argument that is not an option names the command; after "--"
// the next argument does, whatever it looks like.
QString commandWord(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (argv[i][0] != '-')
            return QString::fromLocal8Bit(argv[i]);
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    // Batch runs happen on servers and in scripts without a display; the
    // pictures and reports are drawn off-screen all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Reading thousands of files needs no fonts or platform plug-in, so only
    // the drawing commands pay for a GUI application.
    std::unique_ptr<QCoreApplication> application;
    if (commandNeedsGui(commandWord(argc, argv)))
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorval-cli"));
    QCoreApplication::setApplicationVersion(Globals().ProgramVersion);

    return runQuorvalCli(QCoreApplication::arguments());
}
