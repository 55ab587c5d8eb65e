// The commands of quorval-cli and their command-line parsing.
#include "CliCommands.h"

#include "BitmapLocation.h"
#include "CsvSummaryWriter.h"
#include "JsonSummaryWriter.h"
#include "PrintReport.h"
#include "QuorvalResources.h"
#include "RadarChart.h"
#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "ScorecardReading.h"
#include "ScorecardRecord.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const QString ProgramName = QStringLiteral("quorval-cli");

// The report's resolution when none is given: fine enough for any printer.
constexpr int DefaultDpi = 600;
// Below 72 dpi the report's text and lines collapse to nothing; above 4800 the
// page coordinates grow without any gain in the vector output.
constexpr int MinimumDpi = 72;
constexpr int MaximumDpi = 4800;

void writeBytes(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

void printError(const QString &text)
{
    writeBytes(stderr, (text + QLatin1Char('\n')).toUtf8());
}

int printUsageError(const QString &command, const QString &message)
{
    const QString prefix = command.isEmpty() ? ProgramName : ProgramName + QLatin1Char(' ') + command;
    printError(QStringLiteral("%1: %2").arg(prefix, message));
    printError(QStringLiteral("Try '%1 --help' for more information.").arg(prefix));
    return CliUsage;
}

// Standard output is buffered; a full disk or a closed pipe shows only when
// it is flushed, and a batch must not report success over lost records.
int finishOutput(int exitCode)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printError(QStringLiteral("%1: cannot write the output: %2")
                       .arg(ProgramName, QString::fromLocal8Bit(std::strerror(errno))));
        return CliFailure;
    }
    return exitCode;
}

// Qt's usage line shows the program's full path and knows nothing of
// commands; ours is the name a user types, with the command.
QByteArray withUsageLine(QString help, const QString &usage)
{
    help.replace(0, help.indexOf(QLatin1Char('\n')),
                 QStringLiteral("Usage: %1 %2").arg(ProgramName, usage));
    return help.toUtf8();
}

// Whether writing `output` would replace the scorecard file `input` itself.
bool isSameFile(const QString &input, const QString &output)
{
    const QString target = QFileInfo(output).canonicalFilePath();
    return !target.isEmpty() && target == QFileInfo(input).canonicalFilePath();
}

// A parser for one command's own options and arguments.
class CommandParser
{
public:
    CommandParser(const QString &command, const QString &usage, const QString &description)
        : m_command(command), m_usage(usage)
    {
        m_parser.setApplicationDescription(description);
        m_parser.addHelpOption();
    }

    QCommandLineParser &parser() { return m_parser; }

    // Parses `arguments` (program name first, the command word removed).
    // Returns false when the command is to end at once with `*exitCode`:
    // after its help, or on wrong usage.
    bool parse(const QStringList &arguments, int *exitCode)
    {
        if (!m_parser.parse(arguments)) {
            *exitCode = printUsageError(m_command, m_parser.errorText());
            return false;
        }
        if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all"))) {
            writeBytes(stdout, withUsageLine(m_parser.helpText(), m_command + QLatin1Char(' ') + m_usage));
            *exitCode = finishOutput(CliSuccess);
            return false;
        }
        return true;
    }

    int usageError(const QString &message) const { return printUsageError(m_command, message); }

private:
    QString m_command;
    QString m_usage;
    QCommandLineParser m_parser;
};

int runCheck(const QStringList &arguments)
{
    CommandParser command(QStringLiteral("check"), QStringLiteral("[options] FILE..."),
                          QStringLiteral("Reads each scorecard file with the program's own reader. "
                                         "Prints nothing for a good file and one line to standard "
                                         "error for a refused one."));
    command.parser().addPositionalArgument(QStringLiteral("FILE"),
                                           QStringLiteral("Scorecard files (.sc) to check."),
                                           QStringLiteral("FILE..."));
    int exitCode = CliSuccess;
    if (!command.parse(arguments, &exitCode))
        return exitCode;
    const QStringList files = command.parser().positionalArguments();
    if (files.isEmpty())
        return command.usageError(QStringLiteral("no file given"));

    for (const QString &file : files) {
        ScorecardFileError error;
        if (!ScorecardFile::read(file, nullptr, &error)) {
            printError(refusalLine(file, error));
            exitCode = CliFailure;
        }
    }
    return exitCode;
}

int runSummary(const QStringList &arguments)
{
    CommandParser command(QStringLiteral("summary"), QStringLiteral("[options] FILE..."),
                          QStringLiteral("Prints one record per readable scorecard file, in the "
                                         "order given, with the points as the program shows them. "
                                         "Refused files are reported on standard error and "
                                         "skipped."));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("Output format: csv (default) or json."),
                                          QStringLiteral("csv|json"), QStringLiteral("csv"));
    const QCommandLineOption statsOption(
        QStringLiteral("stats"),
        QStringLiteral("Adds the rows count, min, median and max of every numeric column (csv)."));
    command.parser().addOption(formatOption);
    command.parser().addOption(statsOption);
    command.parser().addPositionalArgument(QStringLiteral("FILE"),
                                           QStringLiteral("Scorecard files (.sc) to summarise."),
                                           QStringLiteral("FILE..."));
    int exitCode = CliSuccess;
    if (!command.parse(arguments, &exitCode))
        return exitCode;

    const QString format = command.parser().value(formatOption);
    const bool json = format == QLatin1String("json");
    if (!json && format != QLatin1String("csv"))
        return command.usageError(
            QStringLiteral("unknown format '%1': use csv or json").arg(format));
    const bool stats = command.parser().isSet(statsOption);
    // The JSON output is one array of scorecards; rows of statistics have no
    // place in it.
    if (json && stats)
        return command.usageError(QStringLiteral("--stats goes with the csv format only"));
    const QStringList files = command.parser().positionalArguments();
    if (files.isEmpty())
        return command.usageError(QStringLiteral("no file given"));

    CsvSummaryWriter csv;
    JsonSummaryWriter jsonWriter;
    writeBytes(stdout, json ? JsonSummaryWriter::begin() : CsvSummaryWriter::header());
    for (const QString &file : files) {
        // A fresh document per file: nothing of one scorecard can leak into
        // the next one's record.
        ScorecardDocument document;
        ScorecardFileError error;
        if (!openScorecardFile(file, document, &error)) {
            printError(refusalLine(file, error));
            exitCode = CliFailure;
            continue;
        }
        const ScorecardRecord record = ScorecardRecord::fromDocument(file, document);
        if (json)
            writeBytes(stdout, jsonWriter.record(record));
        else
            writeBytes(stdout, csv.record(record));
    }
    if (json)
        writeBytes(stdout, jsonWriter.end());
    else if (stats)
        writeBytes(stdout, csv.statistics());
    return finishOutput(exitCode);
}

// The output file of a command that writes one, given as -o or --output.
QCommandLineOption outputOption(const QString &description)
{
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, description,
                              QStringLiteral("OUT"));
}

// The single scorecard file and the output file of `diagram` and `report`.
bool inputAndOutput(CommandParser &command, const QCommandLineOption &output, QString *input,
                    QString *out, int *exitCode)
{
    const QStringList files = command.parser().positionalArguments();
    if (files.size() != 1) {
        *exitCode = command.usageError(files.isEmpty() ? QStringLiteral("no file given")
                                                       : QStringLiteral("give exactly one file"));
        return false;
    }
    *input = files.first();
    *out = command.parser().value(output);
    if (out->isEmpty()) {
        *exitCode = command.usageError(QStringLiteral("no output file given (-o OUT)"));
        return false;
    }
    if (isSameFile(*input, *out)) {
        *exitCode = command.usageError(
            QStringLiteral("the output would replace the scorecard file %1 itself").arg(*input));
        return false;
    }
    return true;
}

int runDiagram(const QStringList &arguments)
{
    CommandParser command(QStringLiteral("diagram"), QStringLiteral("[options] FILE -o OUT"),
                          QStringLiteral("Writes the scorecard file's spider diagram, the picture "
                                         "the program shows for it: a PNG file when OUT ends in "
                                         ".png, a 24-bit BMP file otherwise."));
    const QCommandLineOption output = outputOption(QStringLiteral("The picture file to write."));
    command.parser().addOption(output);
    command.parser().addPositionalArgument(QStringLiteral("FILE"),
                                           QStringLiteral("The scorecard file (.sc)."));
    int exitCode = CliSuccess;
    QString input;
    QString out;
    if (!command.parse(arguments, &exitCode)
        || !inputAndOutput(command, output, &input, &out, &exitCode))
        return exitCode;

    ScorecardDocument document;
    ScorecardFileError error;
    if (!openScorecardFile(input, document, &error)) {
        printError(refusalLine(input, error));
        return CliFailure;
    }
    // The call the Spider Diagram page makes, so the pictures agree pixel for pixel.
    const QImage image = renderRadarChart(categoryScores(document.globals()),
                                          document.globals().ProviderName, QLocale());
    QString reason;
    const bool png = out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (!(png ? writeImageFile(image, out, "PNG", &reason) : writeBitmapFile(image, out, &reason))) {
        printError(QStringLiteral("%1: %2").arg(out, reason));
        return CliFailure;
    }
    return CliSuccess;
}

bool reportSections(const QString &name, QList<ReportSection> *sections)
{
    if (name == QLatin1String("indicators"))
        *sections = {ReportSection::Indicators};
    else if (name == QLatin1String("summary"))
        *sections = {ReportSection::Summary};
    else if (name == QLatin1String("breakdown"))
        *sections = {ReportSection::Breakdown};
    else if (name == QLatin1String("all"))
        *sections = {ReportSection::Indicators, ReportSection::Summary, ReportSection::Breakdown};
    else
        return false;
    return true;
}

int runReport(const QStringList &arguments)
{
    CommandParser command(QStringLiteral("report"),
                          QStringLiteral("[options] FILE --section SECTION -o OUT.pdf"),
                          QStringLiteral("Prints report sections of the scorecard file to a PDF "
                                         "file with the program's own page frame; with 'all' each "
                                         "section starts on a new page in its own layout."));
    const QCommandLineOption sectionOption(
        QStringLiteral("section"), QStringLiteral("indicators, summary, breakdown or all."),
        QStringLiteral("SECTION"));
    const QCommandLineOption dpiOption(
        QStringLiteral("dpi"),
        QStringLiteral("Resolution of the report in dots per inch, %1 to %2 (default %3).")
            .arg(MinimumDpi)
            .arg(MaximumDpi)
            .arg(DefaultDpi),
        QStringLiteral("N"), QString::number(DefaultDpi));
    const QCommandLineOption output = outputOption(QStringLiteral("The PDF file to write."));
    command.parser().addOption(sectionOption);
    command.parser().addOption(dpiOption);
    command.parser().addOption(output);
    command.parser().addPositionalArgument(QStringLiteral("FILE"),
                                           QStringLiteral("The scorecard file (.sc)."));
    int exitCode = CliSuccess;
    QString input;
    QString out;
    if (!command.parse(arguments, &exitCode)
        || !inputAndOutput(command, output, &input, &out, &exitCode))
        return exitCode;

    if (!command.parser().isSet(sectionOption))
        return command.usageError(
            QStringLiteral("no section given (--section indicators|summary|breakdown|all)"));
    QList<ReportSection> sections;
    const QString sectionName = command.parser().value(sectionOption);
    if (!reportSections(sectionName, &sections))
        return command.usageError(
            QStringLiteral("unknown section '%1': use indicators, summary, breakdown or all")
                .arg(sectionName));
    bool dpiOk = false;
    const int dpi = command.parser().value(dpiOption).toInt(&dpiOk);
    if (!dpiOk || dpi < MinimumDpi || dpi > MaximumDpi)
        return command.usageError(QStringLiteral("the resolution must be a whole number from %1 "
                                                 "to %2, not '%3'")
                                      .arg(MinimumDpi)
                                      .arg(MaximumDpi)
                                      .arg(command.parser().value(dpiOption)));

    ScorecardDocument document;
    ScorecardFileError error;
    if (!openScorecardFile(input, document, &error)) {
        printError(refusalLine(input, error));
        return CliFailure;
    }
    initQuorvalResources();
    const QImage logo(QStringLiteral(":/report-logo.jpg"));
    // One moment for every page, as a print job started now would show.
    QString reason;
    if (!printSectionsToPdf(out, dpi, document, sections, logo, QDateTime::currentDateTime(),
                            &reason)) {
        printError(reason);
        return CliFailure;
    }
    return CliSuccess;
}

} // namespace

bool commandNeedsGui(const QString &command)
{
    return command == QLatin1String("diagram") || command == QLatin1String("report");
}

int runQuorvalCli(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads scorecard files (.sc) without a window.\n"
        "\n"
        "Commands:\n"
        "  check FILE...                       report files the program would refuse\n"
        "  summary [--format csv|json] [--stats] FILE...\n"
        "                                      one record per file: points, total,\n"
        "                                      category scores\n"
        "  diagram FILE -o OUT                 the spider diagram as BMP or PNG\n"
        "  report FILE --section indicators|summary|breakdown|all [--dpi N] -o OUT.pdf\n"
        "                                      report sections as a PDF file\n"
        "\n"
        "Run 'quorval-cli COMMAND --help' for the options of a command.\n"
        "Exit status: 0 all went well, 1 a file was refused or could not be\n"
        "written, 2 wrong usage."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                 QStringLiteral("check, summary, diagram or report."),
                                 QStringLiteral("COMMAND [ARGS...]"));
    // Everything after the command word belongs to the command's own parser.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(arguments))
        return printUsageError(QString(), parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        writeBytes(stdout, withUsageLine(parser.helpText(), QStringLiteral("[options] COMMAND [ARGS...]")));
        return finishOutput(CliSuccess);
    }
    if (parser.isSet(versionOption)) {
        writeBytes(stdout, QStringLiteral("%1 %2\n")
                               .arg(ProgramName, QCoreApplication::applicationVersion())
                               .toUtf8());
        return finishOutput(CliSuccess);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return printUsageError(QString(), QStringLiteral("no command given"));

    const QString command = positional.first();
    const QStringList commandArguments = QStringList{arguments.value(0, ProgramName)}
        + positional.mid(1);
    if (command == QLatin1String("check"))
        return runCheck(commandArguments);
    if (command == QLatin1String("summary"))
        return runSummary(commandArguments);
    if (command == QLatin1String("diagram"))
        return runDiagram(commandArguments);
    if (command == QLatin1String("report"))
        return runReport(commandArguments);
    return printUsageError(QString(), QStringLiteral("unknown command '%1'").arg(command));
}
