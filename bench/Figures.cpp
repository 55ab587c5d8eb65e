// In-process measurements: click, open, report and the batch run of the
// command-line tool.
#include "Figures.h"

#include "BreakdownTable.h"
#include "Catalogue.h"
#include "MainUnit.h"
#include "PageFrame.h"
#include "PagedDeviceSink.h"
#include "PrintReport.h"
#include "QuorvalResources.h"
#include "ReportInfo.h"
#include "ReportSection.h"
#include "ScorecardBasics.h"
#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "ScorecardFileContents.h"
#include "SilentPrompter.h"
#include "StartupRun.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {

double elapsedMs(const std::function<void()> &work)
{
    const long long start = steadyNanoseconds();
    work();
    return double(steadyNanoseconds() - start) / 1e6;
}

// A big scorecard with an answer in every item; `variation` shifts the
// chosen options so that generated files differ.
void setUpAnsweredBig(ScorecardDocument &document, int variation)
{
    document.setBasicInformation(QStringLiteral("Riverton Local Municipality %1").arg(variation),
                                 QStringLiteral("Eastern district"), QStringLiteral("2010"));
    document.setContactLines({QStringLiteral("A. N. Assessor"), QStringLiteral("012 345 6789"),
                              QString(), QStringLiteral("assessor@example.org")});
    document.setScorecardVariant(QLatin1String(BigMunicipality));
    document.FillNewScorecard();
    for (int item = 1; item <= ItemPointsCount; ++item)
        document.SelectOption(firstOptionRow(item) + (item + variation) % 5);
    document.editSummaryCell(4, 3, QStringLiteral("Leak repairs within 48 h"));
    document.refreshSummary();
}

} // namespace

Measurement Measurement::of(double median, double baseline)
{
    Measurement m;
    m.median = median;
    m.baseline = baseline;
    return m;
}

Measurement Measurement::missing(const QString &why)
{
    Measurement m;
    m.note = why;
    return m;
}

double median(QList<double> &values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

Measurement measureClick(int rounds)
{
    // The window exists before the scorecard is set up, as in the program,
    // so that it shows the pages when the tables are filled.
    ScorecardDocument document;
    SilentPrompter prompter;
    TScorecardForm window(document, prompter);
    window.showMaximized();
    setUpAnsweredBig(document, 0);
    window.PageControl1->setCurrentWidget(window.TabSheet3);
    QApplication::processEvents();

    QWidget *viewport = window.BreakDownGrid->viewport();
    QList<double> clicks;
    QList<double> repaints;
    for (int i = 0; i < rounds; ++i) {
        // The first two items are on screen; their ten options take turns.
        const int row = firstOptionRow(1 + i % 2) + (i / 2) % 5;
        clicks.append(elapsedMs([&] {
            document.SelectOption(row);
            viewport->repaint();
        }));
        QApplication::processEvents();
        repaints.append(elapsedMs([&] { viewport->repaint(); }));
        QApplication::processEvents();
    }
    return Measurement::of(median(clicks), median(repaints));
}

Measurement measureOpen(int rounds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("answered.sc"));
    {
        ScorecardDocument answered;
        setUpAnsweredBig(answered, 0);
        QString error;
        if (!dir.isValid() || !ScorecardFile::write(answered, path, &error))
            return Measurement::missing(QStringLiteral("cannot write the file: ") + error);
    }
    ScorecardDocument document;
    QList<double> opens;
    for (int i = 0; i < rounds; ++i) {
        opens.append(elapsedMs([&] {
            ScorecardFileContents contents;
            if (ScorecardFile::read(path, &contents, nullptr))
                document.applyFile(contents);
        }));
    }
    return Measurement::of(median(opens), 0.0);
}

Measurement measureReport(int rounds, int *pages)
{
    initQuorvalResources();
    ScorecardDocument document;
    setUpAnsweredBig(document, 0);
    const ReportInfo info = ReportInfo::fromDocument(
        document, QImage(QStringLiteral(":/report-logo.jpg")),
        QDateTime(QDate(2010, 8, 1), QTime(9, 0)));
    const QString layout = sectionLayout(ReportSection::Breakdown);

    // Both runs write a whole PDF into memory, so the file system stays out
    // of the figure and only the drawing on the pages differs.
    const auto render = [&](const std::function<int(PagedDeviceSink &, QPainter &)> &draw) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter(&writer);
        PagedDeviceSink sink(writer, painter);
        const int used = draw(sink, painter);
        painter.end();
        return used;
    };
    const auto breakdown = [&](PagedDeviceSink &sink, QPainter &) {
        return printSection(sink, document, ReportSection::Breakdown, layout, info);
    };
    *pages = render(breakdown);
    const auto frames = [&](PagedDeviceSink &sink, QPainter &painter) {
        const PageGeometry geometry = pageGeometry(layout, sink.dpiX(), sink.dpiY());
        for (int page = 1; page <= *pages; ++page) {
            if (page > 1)
                sink.newPage();
            DrawPageFrame(painter, geometry, page, info);
        }
        return *pages;
    };

    QList<double> reports;
    QList<double> framesOnly;
    for (int i = 0; i < rounds; ++i) {
        reports.append(elapsedMs([&] { render(breakdown); }));
        framesOnly.append(elapsedMs([&] { render(frames); }));
    }
    return Measurement::of(median(reports), median(framesOnly));
}

Measurement measureBatch(const QString &cliPath, int fileCount, int rounds)
{
    if (cliPath.isEmpty() || !QFile::exists(cliPath))
        return Measurement::missing(QStringLiteral("quorval-cli is not built"));
    QTemporaryDir dir;
    if (!dir.isValid())
        return Measurement::missing(QStringLiteral("no temporary folder"));

    // Five answer patterns are enough to make the files differ; encoding one
    // document per file would only slow the set-up down.
    QList<QByteArray> patterns;
    for (int v = 0; v < 5; ++v) {
        ScorecardDocument document;
        setUpAnsweredBig(document, v);
        patterns.append(ScorecardFile::encode(document));
    }
    QStringList files;
    for (int i = 0; i < fileCount; ++i) {
        const QString name = QStringLiteral("s%1.sc").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(patterns.at(i % 5)) < 0)
            return Measurement::missing(QStringLiteral("cannot write ") + file.fileName());
        files.append(name);
    }

    const auto run = [&](const QString &program, const QStringList &arguments) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(program, arguments);
        process.waitForFinished(-1);
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    };
    QList<double> cli;
    QList<double> cat;
    for (int i = 0; i < rounds; ++i) {
        bool ok = true;
        cli.append(elapsedMs([&] { ok = run(cliPath, QStringList{QStringLiteral("summary")} + files); }));
        if (!ok)
            return Measurement::missing(QStringLiteral("quorval-cli summary failed"));
        cat.append(elapsedMs([&] { run(QStringLiteral("cat"), files); }));
    }
    return Measurement::of(median(cli), median(cat));
}
