// Tests of quorval-cli: every command on good, stale, small-variant and refused
// scorecard files, its output formats, pictures, reports and exit statuses.
#include "RadarChart.h"
#include "ScorecardBasics.h"
#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "ScorecardFileContents.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

constexpr int Selected = 17408;
constexpr int Unselected = 16384;

// The lines of a scorecard file, written out as the program writes them:
// Windows-1252 bytes, CR LF.
struct ScFile
{
    QByteArray variant;
    QByteArray provider = "Exampleton";
    QByteArray details = "District A";
    QByteArray year = "2009/10";
    QList<QByteArray> contacts{"A. N. Assessor", "012 345 6789", "", "assessor@example.org"};
    QList<QByteArray> points;   // items, then the total
    QList<QByteArray> comments; // as many as points
    QList<int> states = QList<int>(150, Unselected);

    // Ticks option `option` (from 1) of item `item` and writes `points` on the
    // item's points line; a stale file writes something else there.
    void choose(int item, int option, int pointsLine)
    {
        states[firstOptionRow(item) + option - 2] = Selected;
        points[item - 1] = QByteArray::number(pointsLine);
    }

    QByteArray bytes() const
    {
        QList<QByteArray> lines{"2.3.1.1 August 2010", variant, provider, details, year};
        lines += contacts;
        lines += points;
        lines += comments;
        for (int state : states)
            lines.append(QByteArray::number(state));
        return lines.join("\r\n") + "\r\n";
    }
};

ScFile bigFile()
{
    ScFile file;
    file.variant = "BigMunicipality";
    file.points = QList<QByteArray>(26, "0");
    file.comments = QList<QByteArray>(26, "");
    return file;
}

ScFile smallFile()
{
    ScFile file;
    file.variant = "SmallMunicipality";
    file.points = QList<QByteArray>(23, "0");
    file.comments = QList<QByteArray>(23, "");
    return file;
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The CSV item columns: the given points by item number, 0 for the other
// items of a variant with `itemCount` items, empty for the items it lacks.
QByteArray itemColumns(int itemCount, std::initializer_list<std::pair<int, int>> points)
{
    QList<QByteArray> columns;
    for (int k = 1; k <= 25; ++k)
        columns.append(k <= itemCount ? "0" : "");
    for (const auto &[item, value] : points)
        columns[item - 1] = QByteArray::number(value);
    return columns.join(',');
}

QByteArray csvHeader()
{
    QByteArray header = "file,variant,provider,details,year";
    for (int k = 1; k <= 25; ++k)
        header += ",item" + QByteArray::number(k);
    return header + ",total,financial,technical,institutional,social,answered\r\n";
}

// The scorecard as the main window shows it after File > Open and a visit to
// the Spider Diagram page.
bool openAsTheProgramDoes(const QString &path, ScorecardDocument &document)
{
    ScorecardFileContents contents;
    ScorecardFileError error;
    if (!ScorecardFile::read(path, &contents, &error))
        return false;
    document.applyFile(contents);
    document.refreshSummary();
    document.ComputeCategoryScores();
    return true;
}

// Page sizes in points as pdfinfo reports them, one per page.
QList<QSizeF> pdfPageSizes(const QString &pdfinfo, const QString &path)
{
    QProcess process;
    process.start(pdfinfo, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                            QStringLiteral("9999"), path});
    process.waitForFinished(60000);
    QList<QSizeF> sizes;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        // "Page    1 size: 595.276 x 841.89 pts (A4)"
        if (!line.startsWith("Page ") || !line.contains(" size: "))
            continue;
        const QList<QByteArray> words =
            line.mid(line.indexOf(" size: ") + 7).simplified().split(' ');
        sizes.append(QSizeF(words.value(0).toDouble(), words.value(2).toDouble()));
    }
    return sizes;
}

} // namespace

class TestCli final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    Run run(const QStringList &arguments,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
            const QString &outputFile = QString()) const
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.setProcessEnvironment(environment);
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(QStringLiteral(QUORVAL_CLI), arguments);
        Run result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

private Q_SLOTS:
    void initTestCase();

    void check_data();
    void check();

    void summaryCsv_data();
    void summaryCsv();
    void summaryCsvQuoting_data();
    void summaryCsvQuoting();
    void summaryStats_data();
    void summaryStats();
    void summaryJson();
    void summaryJsonOfRefusedFilesOnly();
    void summaryUsage_data();
    void summaryUsage();
    void summaryReportsAnOutputThatCannotBeWritten();

    void diagram_data();
    void diagram();
    void diagramFailures_data();
    void diagramFailures();

    void outputNeverReplacesTheScorecard_data();
    void outputNeverReplacesTheScorecard();

    void report_data();
    void report();
    void reportFailures_data();
    void reportFailures();

    void helpAndVersion_data();
    void helpAndVersion();
};

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());

    // Items 1, 2 and 3 answered with 4, 3 and 0 points.
    ScFile good = bigFile();
    good.choose(1, 1, 4);
    good.choose(2, 2, 3);
    good.choose(3, 5, 0);
    good.points[25] = "7";
    good.comments[0] = "Balance audited";
    write(QStringLiteral("good.sc"), good.bytes());

    // Item 5's option ticked, but saved before the points were brought up to
    // date; item 6's points line claims 4 with nothing ticked.
    ScFile stale = bigFile();
    stale.choose(5, 1, 0);
    stale.points[5] = "4";
    write(QStringLiteral("stale.sc"), stale.bytes());

    // Small items have other maxima: item 1 is worth 5 at best, item 2's third
    // option 3 of 5.
    ScFile small = smallFile();
    small.choose(1, 1, 5);
    small.choose(2, 3, 3);
    small.points[22] = "8";
    write(QStringLiteral("small.sc"), small.bytes());

    // A small file's points lines are the truth: a tick whose points line
    // disagrees is dropped.
    ScFile smallStale = smallFile();
    smallStale.choose(1, 1, 0);
    write(QStringLiteral("small-stale.sc"), smallStale.bytes());

    ScFile badPoints = bigFile();
    badPoints.points[5] = "x";
    write(QStringLiteral("bad.sc"), badPoints.bytes());

    ScFile lowerCase = bigFile();
    lowerCase.variant = "bigmunicipality";
    write(QStringLiteral("lowercase.sc"), lowerCase.bytes());

    // Ten option states short (seven bytes each): line 202 is the first missing.
    write(QStringLiteral("short.sc"), bigFile().bytes().left(bigFile().bytes().size() - 70));
}

void TestCli::check_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("errors");

    QTest::newRow("good, stale and small files") << QStringList{"check", "good.sc", "stale.sc",
                                                                "small.sc", "small-stale.sc"}
                                                 << 0 << QByteArray();
    QTest::newRow("points line not a number")
        << QStringList{"check", "bad.sc"} << 1
        << QByteArray("bad.sc: line 15: ''x'' is not a valid integer value\n");
    QTest::newRow("variant in other letter case")
        << QStringList{"check", "lowercase.sc"} << 1
        << QByteArray("lowercase.sc: line 2: not a scorecard file: ''bigmunicipality'' is not "
                      "\"BigMunicipality\" or \"SmallMunicipality\"\n");
    QTest::newRow("file cut short")
        << QStringList{"check", "short.sc"} << 1
        << QByteArray("short.sc: line 202: '''' is not a valid integer value\n");
    QTest::newRow("missing file") << QStringList{"check", "missing.sc"} << 1
                                  << QByteArray("missing.sc: No such file or directory\n");
    QTest::newRow("only the refused one of several is named")
        << QStringList{"check", "good.sc", "bad.sc", "small.sc"} << 1
        << QByteArray("bad.sc: line 15: ''x'' is not a valid integer value\n");
    QTest::newRow("file name after --") << QStringList{"check", "--", "good.sc"} << 0 << QByteArray();
    QTest::newRow("no file") << QStringList{"check"} << 2
                             << QByteArray("quorval-cli check: no file given\n"
                                           "Try 'quorval-cli check --help' for more information.\n");
    QTest::newRow("unknown option")
        << QStringList{"check", "--frobnicate", "good.sc"} << 2
        << QByteArray("quorval-cli check: Unknown option 'frobnicate'.\n"
                      "Try 'quorval-cli check --help' for more information.\n");
}

void TestCli::check()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, errors);

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.err, errors);
    QCOMPARE(result.out, QByteArray());
}

void TestCli::summaryCsv_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QByteArray>("errors");

    const QByteArray good = "good.sc,BigMunicipality,Exampleton,District A,2009/10,"
        + itemColumns(25, {{1, 4}, {2, 3}}) + ",7,0.40,0.21,0.00,0.00,3\r\n";
    // Financial: 4 points over 10 items; technical: 3 over 14.
    QTest::newRow("big file, three items answered") << QStringList{"good.sc"} << 0 << good
                                                    << QByteArray();
    // The points follow the ticks: item 5 gets its 4 points, item 6's
    // unticked 4 is gone.
    QTest::newRow("stale big file")
        << QStringList{"stale.sc"} << 0
        << QByteArray("stale.sc,BigMunicipality,Exampleton,District A,2009/10,"
                      + itemColumns(25, {{5, 4}}) + ",4,0.40,0.00,0.00,0.00,1\r\n")
        << QByteArray();
    // Item 1 is 4 on the diagram's scale (5 of 5), item 2 2.4 (3 of 5):
    // financial 4 / 9, technical 2.4 / 12.
    QTest::newRow("small file: items 23 to 25 empty")
        << QStringList{"small.sc"} << 0
        << QByteArray("small.sc,SmallMunicipality,Exampleton,District A,2009/10,"
                      + itemColumns(22, {{1, 5}, {2, 3}}) + ",8,0.44,0.20,0.00,0.00,2\r\n")
        << QByteArray();
    QTest::newRow("small file: tick without its points dropped")
        << QStringList{"small-stale.sc"} << 0
        << QByteArray("small-stale.sc,SmallMunicipality,Exampleton,District A,2009/10,"
                      + itemColumns(22, {}) + ",0,0.00,0.00,0.00,0.00,0\r\n")
        << QByteArray();
    QTest::newRow("refused files skipped, order kept")
        << QStringList{"bad.sc", "good.sc", "missing.sc", "good.sc"} << 1 << good + good
        << QByteArray("bad.sc: line 15: ''x'' is not a valid integer value\n"
                      "missing.sc: No such file or directory\n");
}

void TestCli::summaryCsv()
{
    QFETCH(QStringList, files);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, records);
    QFETCH(QByteArray, errors);

    const Run result = run(QStringList{"summary"} + files);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, csvHeader() + records);
    QCOMPARE(result.err, errors);
}

void TestCli::summaryCsvQuoting_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("provider"); // Windows-1252 bytes in the file
    QTest::addColumn<QByteArray>("fields");   // UTF-8 bytes in the CSV

    QTest::newRow("plain name") << "plain.sc" << QByteArray("Exampleton")
                                << QByteArray("plain.sc,BigMunicipality,Exampleton,");
    QTest::newRow("comma") << "comma.sc" << QByteArray("Exampleton, North")
                           << QByteArray("comma.sc,BigMunicipality,\"Exampleton, North\",");
    QTest::newRow("quotes doubled") << "quote.sc" << QByteArray("The \"Big\" Town")
                                    << QByteArray("quote.sc,BigMunicipality,\"The \"\"Big\"\" Town\",");
    QTest::newRow("Windows-1252 e acute and euro")
        << "cafe.sc" << QByteArray("Caf\xe9 \x80 5")
        << QByteArray("cafe.sc,BigMunicipality,Caf\xc3\xa9 \xe2\x82\xac 5,");
    QTest::newRow("Windows-1252 inside quotes")
        << "mixed.sc" << QByteArray("Caf\xe9, \"\x80\"")
        << QByteArray("mixed.sc,BigMunicipality,\"Caf\xc3\xa9, \"\"\xe2\x82\xac\"\"\",");
    QTest::newRow("carriage return inside the name")
        << "cr.sc" << QByteArray("Upper\rLower")
        << QByteArray("cr.sc,BigMunicipality,\"Upper\rLower\",");
    QTest::newRow("comma in the file name") << "a,b.sc" << QByteArray("Exampleton")
                                            << QByteArray("\"a,b.sc\",BigMunicipality,Exampleton,");
}

void TestCli::summaryCsvQuoting()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, provider);
    QFETCH(QByteArray, fields);

    ScFile file = bigFile();
    file.provider = provider;
    write(fileName, file.bytes());

    const Run result = run({"summary", fileName});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    const QByteArray expected = csvHeader() + fields + "District A,2009/10,"
        + itemColumns(25, {}) + ",0,0.00,0.00,0.00,0.00,0\r\n";
    QCOMPARE(result.out, expected);
}

void TestCli::summaryStats_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QList<QByteArray>>("count");
    QTest::addColumn<QList<QByteArray>>("min");
    QTest::addColumn<QList<QByteArray>>("median");
    QTest::addColumn<QList<QByteArray>>("max");

    // Columns shown: item1, item2, item23, total, financial, answered.
    // item1 is 4, 0, 5; item2 3, 0, 3; total 7, 4, 8; financial 0.40, 0.40,
    // 0.44; answered 3, 1, 2; the small file has no item 23.
    QTest::newRow("three files and a refused one")
        << QStringList{"good.sc", "stale.sc", "bad.sc", "small.sc"} << 3 << 1
        << QList<QByteArray>{"3", "3", "2", "3", "3", "3"}
        << QList<QByteArray>{"0", "0", "0", "4", "0.40", "1"}
        << QList<QByteArray>{"4", "3", "0", "7", "0.40", "2"}
        << QList<QByteArray>{"5", "3", "0", "8", "0.44", "3"};
    // Even counts take the mean of the two middle values.
    QTest::newRow("two files: median half-way")
        << QStringList{"good.sc", "stale.sc"} << 2 << 0
        << QList<QByteArray>{"2", "2", "2", "2", "2", "2"}
        << QList<QByteArray>{"0", "0", "0", "4", "0.40", "1"}
        << QList<QByteArray>{"2", "1.50", "0", "5.50", "0.40", "2"}
        << QList<QByteArray>{"4", "3", "0", "7", "0.40", "3"};
    QTest::newRow("small files only: no item 23")
        << QStringList{"small.sc", "small-stale.sc"} << 2 << 0
        << QList<QByteArray>{"2", "2", "0", "2", "2", "2"}
        << QList<QByteArray>{"0", "0", "", "0", "0.00", "0"}
        << QList<QByteArray>{"2.50", "1.50", "", "4", "0.22", "1"}
        << QList<QByteArray>{"5", "3", "", "8", "0.44", "2"};
}

void TestCli::summaryStats()
{
    QFETCH(QStringList, files);
    QFETCH(int, records);
    QFETCH(int, exitCode);
    QFETCH(QList<QByteArray>, count);
    QFETCH(QList<QByteArray>, min);
    QFETCH(QList<QByteArray>, median);
    QFETCH(QList<QByteArray>, max);

    const Run result = run(QStringList{"summary", "--stats"} + files);
    QCOMPARE(result.exitCode, exitCode);
    QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // the output ends with a line end
    QVERIFY(lines.size() >= 4);
    const QList<QByteArray> names{"count", "min", "median", "max"};
    const QList<QList<QByteArray>> expected{count, min, median, max};
    const int firstStatsLine = int(lines.size()) - 4;
    QCOMPARE(firstStatsLine, 1 + records); // after the header and the records
    for (int i = 0; i < 4; ++i) {
        QByteArray line = lines.at(firstStatsLine + i);
        QVERIFY(line.endsWith('\r'));
        line.chop(1);
        const QList<QByteArray> columns = line.split(',');
        QCOMPARE(columns.size(), 36);
        QCOMPARE(columns.at(0), names.at(i));
        // The text columns have nothing to count.
        QCOMPARE(columns.mid(1, 4), QList<QByteArray>(4));
        const QList<QByteArray> shown{columns.at(5),  columns.at(6),  columns.at(27),
                                      columns.at(30), columns.at(31), columns.at(35)};
        QCOMPARE(shown, expected.at(i));
    }
}

void TestCli::summaryJson()
{
    ScFile named = bigFile();
    named.provider = "Caf\xe9, \"\x80\"";
    named.choose(4, 2, 3);
    named.comments[3] = "Meters \"mostly\" read";
    write(QStringLiteral("named.sc"), named.bytes());

    const Run result =
        run({"summary", "--format", "json", "named.sc", "bad.sc", "small.sc", "stale.sc"});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QByteArray("bad.sc: line 15: ''x'' is not a valid integer value\n"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    QCOMPARE(error.errorString(), QJsonParseError().errorString());
    QVERIFY(document.isArray());
    const QJsonArray records = document.array();
    QCOMPARE(records.size(), 3);

    const QJsonObject big = records.at(0).toObject();
    QCOMPARE(big.keys(), QStringList({"answered", "categories", "contacts", "details", "file",
                                      "items", "provider", "total", "variant", "year"}));
    QCOMPARE(big.value("file").toString(), QStringLiteral("named.sc"));
    QCOMPARE(big.value("variant").toString(), QStringLiteral("BigMunicipality"));
    QCOMPARE(big.value("provider").toString(), QStringLiteral("Caf\u00e9, \"\u20ac\""));
    QCOMPARE(big.value("details").toString(), QStringLiteral("District A"));
    QCOMPARE(big.value("year").toString(), QStringLiteral("2009/10"));
    QCOMPARE(big.value("contacts").toArray(),
             QJsonArray({"A. N. Assessor", "012 345 6789", "", "assessor@example.org"}));
    QCOMPARE(big.value("total").toInt(), 3);
    QCOMPARE(big.value("answered").toInt(), 1);
    const QJsonObject categories = big.value("categories").toObject();
    QCOMPARE(categories.keys(),
             QStringList({"financial", "institutional", "social", "technical"}));
    QCOMPARE(categories.value("financial").toDouble(), 0.3);
    QCOMPARE(categories.value("technical").toDouble(), 3.0 / 14.0);
    QCOMPARE(categories.value("institutional").toDouble(), 0.0);

    const QJsonArray items = big.value("items").toArray();
    QCOMPARE(items.size(), 25);
    const QJsonObject item4 = items.at(3).toObject();
    QCOMPARE(item4.keys(), QStringList({"comment", "description", "maxPoints", "number", "points",
                                        "selected"}));
    QCOMPARE(item4.value("number").toInt(), 4);
    QCOMPARE(item4.value("description").toString(),
             QStringLiteral("Non Residential Meters (Commercial, Industrial and Institutional)"));
    QCOMPARE(item4.value("maxPoints").toInt(), 4);
    QCOMPARE(item4.value("points").toInt(), 3);
    QCOMPARE(item4.value("selected").toInt(), 2);
    QCOMPARE(item4.value("comment").toString(), QStringLiteral("Meters \"mostly\" read"));
    const QJsonObject item5 = items.at(4).toObject();
    QCOMPARE(item5.value("number").toInt(), 5);
    QVERIFY(item5.value("selected").isNull());
    QCOMPARE(item5.value("points").toInt(), 0);

    const QJsonObject small = records.at(1).toObject();
    QCOMPARE(small.value("variant").toString(), QStringLiteral("SmallMunicipality"));
    const QJsonArray smallItems = small.value("items").toArray();
    QCOMPARE(smallItems.size(), 22);
    QCOMPARE(smallItems.at(1).toObject().value("selected").toInt(), 3);
    QCOMPARE(smallItems.at(1).toObject().value("maxPoints").toInt(), 5);
    QCOMPARE(smallItems.at(21).toObject().value("number").toInt(), 22);
    QCOMPARE(small.value("total").toInt(), 8);

    // The stale file's points follow its tick.
    const QJsonObject stale = records.at(2).toObject();
    QCOMPARE(stale.value("items").toArray().at(4).toObject().value("points").toInt(), 4);
    QCOMPARE(stale.value("items").toArray().at(4).toObject().value("selected").toInt(), 1);
    QCOMPARE(stale.value("total").toInt(), 4);
}

void TestCli::summaryJsonOfRefusedFilesOnly()
{
    const Run result = run({"summary", "--format", "json", "bad.sc", "missing.sc"});
    QCOMPARE(result.exitCode, 1);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    QCOMPARE(error.errorString(), QJsonParseError().errorString());
    QVERIFY(document.isArray());
    QCOMPARE(document.array().size(), 0);
}

void TestCli::summaryUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("firstError");

    QTest::newRow("unknown format") << QStringList{"summary", "--format", "xml", "good.sc"}
                                    << QByteArray("quorval-cli summary: unknown format 'xml': use csv or json");
    QTest::newRow("statistics in JSON")
        << QStringList{"summary", "--format", "json", "--stats", "good.sc"}
        << QByteArray("quorval-cli summary: --stats goes with the csv format only");
    QTest::newRow("no file") << QStringList{"summary", "--stats"}
                             << QByteArray("quorval-cli summary: no file given");
    QTest::newRow("format without value") << QStringList{"summary", "--format"}
                                          << QByteArray("quorval-cli summary: Missing value after '--format'.");
}

void TestCli::summaryUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, firstError);

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.err.split('\n').first(), firstError);
}

void TestCli::summaryReportsAnOutputThatCannotBeWritten()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("needs /dev/full, a device that is always full");
    const Run result = run({"summary", "good.sc", "small.sc"},
                           QProcessEnvironment::systemEnvironment(), QStringLiteral("/dev/full"));
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.startsWith("quorval-cli: cannot write the output: "), result.err);
}

void TestCli::diagram_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("output");

    QTest::newRow("big file as BMP") << "good.sc" << "good.bmp";
    QTest::newRow("stale file as BMP") << "stale.sc" << "stale.bmp";
    QTest::newRow("small file as PNG") << "small.sc" << "small.png";
    QTest::newRow("upper-case PNG extension") << "good.sc" << "good.PNG";
    QTest::newRow("other extension gives BMP") << "good.sc" << "good.picture";
}

void TestCli::diagram()
{
    QFETCH(QString, file);
    QFETCH(QString, output);

    // The tool must bring its own off-screen platform: no display here.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const Run result = run({"diagram", file, "-o", output}, environment);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.exitCode, 0);

    QFile written(path(output));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    const bool png = output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (png) {
        QCOMPARE(bytes.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    } else {
        // An uncompressed 24-bit Windows bitmap: "BM", 24 bits a pixel, no
        // compression.
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 30), quint32(0));
    }

    ScorecardDocument document;
    QVERIFY(openAsTheProgramDoes(path(file), document));
    const QImage shown = renderRadarChart(categoryScores(document.globals()),
                                          document.globals().ProviderName, QLocale());
    const QImage picture = QImage::fromData(bytes, png ? "PNG" : "BMP");
    QCOMPARE(picture.size(), QSize(500, 500));
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));
}

void TestCli::diagramFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("firstError");
    QTest::addColumn<QString>("mustNotExist");

    QTest::newRow("refused file") << QStringList{"diagram", "bad.sc", "-o", "bad.bmp"} << 1
                                  << QByteArray("bad.sc: line 15: ''x'' is not a valid integer value")
                                  << "bad.bmp";
    QTest::newRow("folder that does not exist")
        << QStringList{"diagram", "good.sc", "-o", "nowhere/good.bmp"} << 1
        << QByteArray("nowhere/good.bmp: No such file or directory") << "nowhere/good.bmp";
    QTest::newRow("no output") << QStringList{"diagram", "good.sc"} << 2
                               << QByteArray("quorval-cli diagram: no output file given (-o OUT)")
                               << QString();
    QTest::newRow("two files") << QStringList{"diagram", "good.sc", "small.sc", "-o", "two.bmp"}
                               << 2 << QByteArray("quorval-cli diagram: give exactly one file")
                               << "two.bmp";
}

void TestCli::diagramFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, firstError);
    QFETCH(QString, mustNotExist);

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.err.split('\n').first(), firstError);
    if (!mustNotExist.isEmpty())
        QVERIFY(!QFile::exists(path(mustNotExist)));
}

void TestCli::outputNeverReplacesTheScorecard_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("firstError");

    QTest::newRow("diagram") << QStringList{"diagram", "keep.sc", "-o", "keep.sc"}
                             << QByteArray("quorval-cli diagram: the output would replace the "
                                           "scorecard file keep.sc itself");
    QTest::newRow("report by another path")
        << QStringList{"report", "keep.sc", "--section", "all", "-o", "./keep.sc"}
        << QByteArray("quorval-cli report: the output would replace the scorecard file keep.sc "
                      "itself");
}

void TestCli::outputNeverReplacesTheScorecard()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, firstError);

    const QByteArray bytes = bigFile().bytes();
    write(QStringLiteral("keep.sc"), bytes);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err.split('\n').first(), firstError);
    QFile kept(path(QStringLiteral("keep.sc")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
}

void TestCli::report_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");

    QTest::newRow("big file at the default 600 dpi") << "good.sc" << QStringList();
    QTest::newRow("stale file at 150 dpi") << "stale.sc" << QStringList{"--dpi", "150"};
    QTest::newRow("small file at 300 dpi") << "small.sc" << QStringList{"--dpi", "300"};
}

void TestCli::report()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);

    // Each section alone, then all three: they must follow one another, each
    // on new pages, the summary on landscape pages and the others portrait.
    const QStringList sections{"indicators", "summary", "breakdown", "all"};
    for (const QString &section : sections) {
        const QString output = file + QLatin1Char('-') + section + QStringLiteral(".pdf");
        const Run result =
            run(QStringList{"report", file, "--section", section, "-o", output} + options);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray());
        QFile pdf(path(output));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(4), QByteArray("%PDF"));
    }

    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        QSKIP("pdfinfo is not installed; the page counts are not checked");
    QList<QSizeF> expected;
    for (const QString &section : sections.mid(0, 3)) {
        const QList<QSizeF> pages = pdfPageSizes(pdfinfo, path(file + '-' + section + ".pdf"));
        QVERIFY2(!pages.isEmpty(), qPrintable(section));
        for (const QSizeF &page : pages) {
            const bool landscape = page.width() > page.height();
            QCOMPARE(landscape, section == QLatin1String("summary"));
        }
        expected += pages;
    }
    QCOMPARE(pdfPageSizes(pdfinfo, path(file + "-all.pdf")), expected);
}

void TestCli::reportFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("firstError");

    QTest::newRow("refused file")
        << QStringList{"report", "bad.sc", "--section", "all", "-o", "bad.pdf"} << 1
        << QByteArray("bad.sc: line 15: ''x'' is not a valid integer value");
    QTest::newRow("no section") << QStringList{"report", "good.sc", "-o", "nosection.pdf"} << 2
                                << QByteArray("quorval-cli report: no section given (--section "
                                              "indicators|summary|breakdown|all)");
    QTest::newRow("unknown section")
        << QStringList{"report", "good.sc", "--section", "cover", "-o", "cover.pdf"} << 2
        << QByteArray("quorval-cli report: unknown section 'cover': use indicators, summary, "
                      "breakdown or all");
    QTest::newRow("resolution not a number")
        << QStringList{"report", "good.sc", "--section", "all", "--dpi", "high", "-o", "high.pdf"}
        << 2
        << QByteArray("quorval-cli report: the resolution must be a whole number from 72 to 4800, "
                      "not 'high'");
    QTest::newRow("resolution zero")
        << QStringList{"report", "good.sc", "--section", "all", "--dpi", "0", "-o", "zero.pdf"} << 2
        << QByteArray("quorval-cli report: the resolution must be a whole number from 72 to 4800, "
                      "not '0'");
    QTest::newRow("no output") << QStringList{"report", "good.sc", "--section", "all"} << 2
                               << QByteArray("quorval-cli report: no output file given (-o OUT)");
}

void TestCli::reportFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, firstError);

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.err.split('\n').first(), firstError);
    const QString output = arguments.value(arguments.indexOf(QStringLiteral("-o")) + 1);
    if (arguments.contains(QStringLiteral("-o")))
        QVERIFY(!QFile::exists(path(output)));
}

void TestCli::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("outputStart");
    QTest::addColumn<QByteArray>("errorStart");

    QTest::newRow("version") << QStringList{"--version"} << 0
                             << QByteArray("quorval-cli 2.3.1.1 August 2010\n") << QByteArray();
    QTest::newRow("help") << QStringList{"--help"} << 0
                          << QByteArray("Usage: quorval-cli [options] COMMAND [ARGS...]\n")
                          << QByteArray();
    QTest::newRow("help of a command") << QStringList{"summary", "--help"} << 0
                                       << QByteArray("Usage: quorval-cli summary [options] FILE...\n")
                                       << QByteArray();
    QTest::newRow("help of the report")
        << QStringList{"report", "-h"} << 0
        << QByteArray("Usage: quorval-cli report [options] FILE --section SECTION -o OUT.pdf\n")
        << QByteArray();
    QTest::newRow("no command") << QStringList() << 2 << QByteArray()
                                << QByteArray("quorval-cli: no command given\n");
    QTest::newRow("unknown command") << QStringList{"convert", "good.sc"} << 2 << QByteArray()
                                     << QByteArray("quorval-cli: unknown command 'convert'\n");
}

void TestCli::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, outputStart);
    QFETCH(QByteArray, errorStart);

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out.left(outputStart.size()), outputStart);
    QCOMPARE(result.err.left(errorStart.size()), errorStart);
    if (outputStart.isEmpty())
        QCOMPARE(result.out, QByteArray());
    if (errorStart.isEmpty())
        QCOMPARE(result.err, QByteArray());
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
