// quorval-bench: measures start-up, peak memory, a click, opening a file, the
// command-line tool in batch and the breakdown report, each against its
// baseline, and prints one Markdown table. Run it through `make bench`.
#include "Figures.h"
#include "StartupRun.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>

#include <cstring>
#include <optional>

namespace {

struct Row
{
    QString figure;
    Measurement m;
    QString goal;
    std::optional<double> maxRatio;  // the ratio must not exceed this
    std::optional<double> maxMedian; // the median must stay under this
};

QString number(double value, const QString &unit)
{
    return QStringLiteral("%1 %2").arg(value, 0, 'f', value < 10 ? 3 : 1).arg(unit);
}

// A start-up in a child process, so that each one starts cold in the same way
// and its peak memory is its own.
std::optional<std::pair<double, double>> startupOnce(const QString &kind)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup"), kind});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
    if (parts.size() != 2)
        return std::nullopt;
    return std::make_pair(parts.at(0).toDouble(), parts.at(1).toDouble() / 1024.0);
}

QString cpuModel()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
        }
    }
    return QStringLiteral("unknown CPU");
}

} // namespace

int main(int argc, char *argv[])
{
    const long long start = steadyNanoseconds();
    if (argc == 3 && std::strcmp(argv[1], "--startup") == 0) {
        if (std::strcmp(argv[2], "program") == 0)
            return runProgramStartup(argc, argv, start);
        if (std::strcmp(argv[2], "empty") == 0)
            return runEmptyStartup(argc, argv, start);
        return 2;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const auto progress = [](const char *what) {
        QTextStream(stderr) << "quorval-bench: " << what << "...\n";
    };

    // Start-up and peak memory: 11 start-ups of each kind, taking turns.
    progress("start-up");
    constexpr int StartupRounds = 11;
    QList<double> programMs, emptyMs, programMiB, emptyMiB;
    QString startupNote;
    for (int i = 0; i < StartupRounds && startupNote.isEmpty(); ++i) {
        const auto program = startupOnce(QStringLiteral("program"));
        const auto empty = startupOnce(QStringLiteral("empty"));
        if (!program || !empty) {
            startupNote = QStringLiteral("a start-up did not finish");
            break;
        }
        programMs.append(program->first);
        programMiB.append(program->second);
        emptyMs.append(empty->first);
        emptyMiB.append(empty->second);
    }

    QList<Row> rows;
    rows.append({QStringLiteral("Start-up to first paint (seven windows vs empty window)"),
                 {median(programMs), median(emptyMs), QStringLiteral("ms"), startupNote},
                 QStringLiteral("ratio <= 1.5"), 1.5, std::nullopt});
    rows.append({QStringLiteral("Peak memory at first paint (VmHWM)"),
                 {median(programMiB), median(emptyMiB), QStringLiteral("MiB"), startupNote},
                 QStringLiteral("ratio <= 1.3"), 1.3, std::nullopt});

    progress("click");
    rows.append({QStringLiteral("Click: SelectOption + breakdown repaint vs repaint"),
                 measureClick(301), QStringLiteral("< 4 ms, ratio <= 1.2"), 1.2, 4.0});
    progress("open");
    rows.append({QStringLiteral("Open: read, check, apply a big answered file"), measureOpen(501),
                 QStringLiteral("< 1 ms"), std::nullopt, 1.0});
    progress("batch");
    rows.append({QStringLiteral("Batch: quorval-cli summary, 10,000 files vs cat"),
                 measureBatch(QStringLiteral(QUORVAL_CLI_PATH), 10000, 5),
                 QStringLiteral("ratio <= 5"), 5.0, std::nullopt});
    progress("report");
    int pages = 0;
    Measurement report = measureReport(7, &pages);
    rows.append({QStringLiteral("Report: breakdown section to PDF at 600 dpi (%1 pages) vs frames only")
                     .arg(pages),
                 report, QStringLiteral("ratio <= 3"), 3.0, std::nullopt});

    out << "Machine: " << QThread::idealThreadCount() << " CPUs (nproc), " << cpuModel() << ", "
        << QSysInfo::prettyProductName() << ", Qt " << qVersion() << "\n\n";
    out << "| Figure | Median | Baseline | Ratio | Goal | Met? |\n";
    out << "|---|---|---|---|---|---|\n";
    for (const Row &row : rows) {
        const Measurement &m = row.m;
        if (!m.note.isEmpty()) {
            out << "| " << row.figure << " | - | - | - | " << row.goal << " | not measured: "
                << m.note << " |\n";
            continue;
        }
        const bool hasBaseline = m.baseline > 0.0;
        const double ratio = hasBaseline ? m.median / m.baseline : 0.0;
        bool met = true;
        if (row.maxRatio)
            met = met && hasBaseline && ratio <= *row.maxRatio;
        if (row.maxMedian)
            met = met && m.median < *row.maxMedian;
        out << "| " << row.figure << " | " << number(m.median, m.unit) << " | "
            << (hasBaseline ? number(m.baseline, m.unit) : QStringLiteral("-")) << " | "
            << (hasBaseline ? QString::number(ratio, 'f', 2) : QStringLiteral("-")) << " | "
            << row.goal << " | " << (met ? "yes" : "no") << " |\n";
    }
    // Timings never fail a build: the table is information, not a test.
    return 0;
}
