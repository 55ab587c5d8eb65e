// The two start-ups the benchmark compares. The program's one is main() with
// a probe added: the same resources, the same ProgramWindows, the same show().
#include "StartupRun.h"

#include "FirstPaintProbe.h"
#include "ProgramWindows.h"
#include "QuorvalResources.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMainWindow>

#include <chrono>
#include <cstdio>

namespace {

// Peak resident set of this process so far (VmHWM), in KiB; 0 if unknown.
long long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void reportAndQuit(long long startNanoseconds)
{
    const double ms = double(steadyNanoseconds() - startNanoseconds) / 1e6;
    std::printf("%.3f %lld\n", ms, peakResidentKiB());
    std::fflush(stdout);
    // exit() rather than quit(): quit() first asks every window to close, and
    // the main window would ask whether to save.
    QCoreApplication::exit(0);
}

} // namespace

long long steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int runProgramStartup(int &argc, char **argv, long long startNanoseconds)
{
    // Phase times go to standard error, which the benchmark ignores; run
    // `quorval-bench --startup program` by hand to see where start-up goes.
    long long last = startNanoseconds;
    const auto phase = [&last](const char *name) {
        const long long now = steadyNanoseconds();
        std::fprintf(stderr, "%-26s %8.3f ms\n", name, double(now - last) / 1e6);
        last = now;
    };

    QApplication app(argc, argv);
    phase("QApplication");
    initQuorvalResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    phase("resources, icon");

    ProgramWindows windows;
    phase("document and seven windows");
    FirstPaintProbe probe(&windows.ScorecardForm, [&phase, startNanoseconds] {
        phase("first paint");
        reportAndQuit(startNanoseconds);
    });
    windows.show();
    phase("show");
    return app.exec();
}

int runEmptyStartup(int &argc, char **argv, long long startNanoseconds)
{
    QApplication app(argc, argv);
    QMainWindow window;
    FirstPaintProbe probe(&window, [startNanoseconds] { reportAndQuit(startNanoseconds); });
    window.showMaximized();
    return app.exec();
}
