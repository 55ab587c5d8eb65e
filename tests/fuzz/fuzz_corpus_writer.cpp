// Writes the fuzz target's seed corpus into the folder given as argument.
#include "SeedScorecards.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (app.arguments().size() != 2) {
        err << "usage: fuzz_corpus_writer <folder>\n";
        return 2;
    }
    const QDir folder(app.arguments().at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create " << folder.path() << '\n';
        return 1;
    }
    for (const SeedScorecards::SeedFile &seed : SeedScorecards::seedFiles()) {
        QFile file(folder.filePath(seed.name));
        if (!file.open(QIODevice::WriteOnly) || file.write(seed.bytes) != seed.bytes.size()) {
            err << "cannot write " << file.fileName() << ": " << file.errorString() << '\n';
            return 1;
        }
    }
    return 0;
}
