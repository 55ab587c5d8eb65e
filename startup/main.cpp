// Program entry: the windows are created once and live for the whole run.
#include "ProgramWindows.h"
#include "QuorvalResources.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    initQuorvalResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));

    ProgramWindows::installFontSubstitutes();
    ProgramWindows windows;
    windows.show();
    return app.exec();
}
