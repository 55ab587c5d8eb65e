// Tests of the scorecard file: the codec, the exact bytes written, round trips
// of both variants, the checks that refuse damaged files and the atomic writer.
#include "Catalogue.h"
#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Version = QStringLiteral("2.3.1.1 August 2010");
const QString Provider = QStringLiteral("Riverton \u2013 \u201CPilot\u201D Municipality");
const QString Details = QStringLiteral("Eastern district, 50 \u20AC budget");
const QString Date = QStringLiteral("2010");
const QStringList Contacts = {QStringLiteral("A. N. Assessor"), QStringLiteral("012 345 6789"),
                              QStringLiteral("012 345 6780"), QStringLiteral("assessor@example.org")};

void setUpBig(ScorecardDocument &document)
{
    document.setBasicInformation(Provider, Details, Date);
    document.setContactLines(Contacts);
    document.setScorecardVariant(QLatin1String(BigMunicipality));
    document.FillNewScorecard();
}

// A small scorecard arises only from a file; these are the contents of a
// freshly started one.
ScorecardFileContents smallContents()
{
    ScorecardFileContents contents;
    contents.programVersion = Version;
    contents.variant = QLatin1String(SmallMunicipality);
    contents.providerName = Provider;
    contents.additionalDetails = Details;
    contents.assessmentDate = Date;
    contents.contactLines = Contacts;
    for (int row = 1; row <= 23; ++row) {
        contents.points.append(QStringLiteral("0"));
        contents.comments.append(QString());
    }
    contents.optionStates.fill(OptionUnselected);
    return contents;
}

// What File > Open does with a file: read and check it whole, then apply.
bool openFile(ScorecardDocument &document, const QString &path, ScorecardFileError *error)
{
    ScorecardFileContents contents;
    if (!ScorecardFile::read(path, &contents, error))
        return false;
    document.applyFile(contents);
    return true;
}

// What File > Save does: bring the Summary points up to date, then write.
bool saveFile(ScorecardDocument &document, const QString &path, QString *error)
{
    document.refreshSummary();
    return ScorecardFile::write(document, path, error);
}

void appendTable(QStringList &view, const char *name, const CellTable &table)
{
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            view.append(QStringLiteral("%1 (%2, %3): %4")
                            .arg(QLatin1String(name), QString::number(c), QString::number(r),
                                 table.cell(c, r)));
    }
}

// The scorecard as the assessor sees it, one entry per value, so that a
// comparison names the first value that differs.
QStringList contentView(const ScorecardDocument &document)
{
    const Globals &g = document.globals();
    QStringList view = {g.ScorecardVariant, g.ProviderName, g.AdditionalDetails, g.AssessmentDate,
                        QStringLiteral("RunningTotal %1").arg(g.RunningTotal)};
    for (const QString &line : document.contactLines())
        view.append(QStringLiteral("contact: ") + line);
    appendTable(view, "EvaluationGrid", document.evaluationGrid());
    appendTable(view, "ScorecardGrid", document.scorecardGrid());
    appendTable(view, "BreakDownGrid", document.breakDownGrid());
    for (int row = 1; row <= OptionStateCount; ++row)
        view.append(QStringLiteral("OptionStates row %1: %2").arg(row).arg(document.optionState(row)));
    for (int k = 0; k < ItemPointsCount; ++k)
        view.append(QStringLiteral("ItemPoints %1: %2").arg(k).arg(document.ItemPoints()[std::size_t(k)]));
    return view;
}

// Everything a view or a later command could read from the document.
QStringList fullView(const ScorecardDocument &document)
{
    const Globals &g = document.globals();
    QStringList view = contentView(document);
    view << g.ProgramVersion << g.FileProgramVersion
         << QStringLiteral("complete %1").arg(g.BasicInfoComplete)
         << QStringLiteral("scores %1 %2 %3 %4")
                .arg(g.FinancialScore)
                .arg(g.TechnicalScore)
                .arg(g.InstitutionalScore)
                .arg(g.SocialScore)
         << QStringLiteral("hasScorecard %1").arg(document.hasScorecard())
         << QStringLiteral("modified %1").arg(document.isModified());
    return view;
}

QStringList contentsView(const ScorecardFileContents &contents)
{
    QStringList view = {contents.programVersion, contents.variant, contents.providerName,
                        contents.additionalDetails, contents.assessmentDate};
    view << contents.contactLines << QStringLiteral("--") << contents.points
         << QStringLiteral("--") << contents.comments;
    for (const int state : contents.optionStates)
        view.append(QString::number(state));
    return view;
}

QByteArray joined(const QByteArrayList &lines, const QByteArray &lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + lineEnd;
    return bytes;
}

QByteArrayList headLines(const QByteArray &variant)
{
    return {Version.toLatin1(), variant, "Riverton", "Eastern district", "2010",
            "A. N. Assessor", "012 345 6789", "", "assessor@example.org"};
}

// A fresh scorecard of the variant: points "0", no comments, nothing selected.
QByteArrayList fileLines(const QByteArray &variant, int summaryRows)
{
    QByteArrayList lines = headLines(variant);
    for (int i = 0; i < summaryRows; ++i)
        lines.append("0");
    for (int i = 0; i < summaryRows; ++i)
        lines.append("");
    for (int i = 0; i < OptionStateCount; ++i)
        lines.append("16384");
    return lines;
}

QByteArrayList bigLines() { return fileLines(BigMunicipality, 26); }
QByteArrayList smallLines() { return fileLines(SmallMunicipality, 23); }

QByteArrayList withLine(QByteArrayList lines, int lineNumber, const QByteArray &text)
{
    lines[lineNumber - 1] = text;
    return lines;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString variantReason(const QString &shown)
{
    return QStringLiteral("not a scorecard file: ''%1'' is not \"BigMunicipality\" or "
                          "\"SmallMunicipality\"")
        .arg(shown);
}

} // namespace

class TestScorecardFile final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windows1252_data();
    void windows1252();
    void windows1252EveryByteComesBack();

    void freshBigScorecardBytes();
    void encodeBeforeSetUp();
    void contactLinesOnSave();
    void unencodableText();
    void lineBreakInTextKeepsLayout();

    void roundTrip_data();
    void roundTrip();

    void acceptedLayouts_data();
    void acceptedLayouts();
    void badFile_data();
    void badFile();
    void unreadableFile_data();
    void unreadableFile();
    void staleBigFile();
    void smallFileStateRule_data();
    void smallFileStateRule();

    void saveIntoReadOnlyFolder();
    void saveIntoMissingFolder();
    void saveOnFullFileSystem();
};

void TestScorecardFile::windows1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("lossy");

    QTest::newRow("ASCII") << QStringLiteral("Riverton 2010") << QByteArray("Riverton 2010") << false;
    QTest::newRow("Latin-1 letters and signs")
        << QStringLiteral("Caf\u00E9 \u00F1 \u00FF \u00A9\u00A0") << QByteArray("Caf\xE9 \xF1 \xFF \xA9\xA0")
        << false;
    QTest::newRow("euro sign and curly quotes")
        << QStringLiteral("\u20AC \u201Ca\u201D \u2018b\u2019") << QByteArray("\x80 \x93" "a\x94 \x91" "b\x92")
        << false;
    QTest::newRow("dashes, ellipsis, trade mark, caron letters")
        << QStringLiteral("\u2013\u2014\u2026\u2122\u0160\u0178\u017E")
        << QByteArray("\x96\x97\x85\x99\x8A\x9F\x9E") << false;
    QTest::newRow("undefined bytes kept as C1 controls")
        << QStringLiteral("\u0081\u008D\u008F\u0090\u009D") << QByteArray("\x81\x8D\x8F\x90\x9D")
        << false;
    QTest::newRow("Chinese script") << QStringLiteral("\u6C34\u52A1 x") << QByteArray("?? x") << true;
    QTest::newRow("C1 control 0x80 has no byte of its own")
        << QStringLiteral("\u0080") << QByteArray("?") << true;
    QTest::newRow("character outside the basic plane is one question mark")
        << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << true;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x") << QByteArray("?x")
                                    << true;
}

void TestScorecardFile::windows1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, lossy);

    bool lost = !lossy;
    QCOMPARE(Windows1252::encode(text, &lost), bytes);
    QCOMPARE(lost, lossy);
    QCOMPARE(Windows1252::canEncode(text), !lossy);
    if (!lossy)
        QCOMPARE(Windows1252::decode(bytes), text);
}

void TestScorecardFile::windows1252EveryByteComesBack()
{
    // Whatever a file holds, saving it again must not change a byte.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), qsizetype(256));
    bool lossy = true;
    QCOMPARE(Windows1252::encode(text, &lossy), all);
    QCOMPARE(lossy, false);
}

void TestScorecardFile::freshBigScorecardBytes()
{
    ScorecardDocument document;
    setUpBig(document);

    QByteArrayList expected = {"2.3.1.1 August 2010", "BigMunicipality",
                               "Riverton \x96 \x93Pilot\x94 Municipality",
                               "Eastern district, 50 \x80 budget", "2010",
                               "A. N. Assessor", "012 345 6789", "012 345 6780",
                               "assessor@example.org"};
    for (int i = 0; i < 26; ++i)
        expected.append("0");
    for (int i = 0; i < 26; ++i)
        expected.append("");
    for (int i = 0; i < 150; ++i)
        expected.append("16384");
    QCOMPARE(expected.size(), qsizetype(211));

    const QByteArray bytes = ScorecardFile::encode(document);
    QCOMPARE(bytes.split('\n'), (joined(expected).split('\n')));
    QCOMPARE(bytes, joined(expected));
    QCOMPARE(bytes.count('\n'), qsizetype(211));
    QCOMPARE(bytes.count("\r\n"), qsizetype(211));
}

void TestScorecardFile::encodeBeforeSetUp()
{
    // The Save command refuses this case; the writer itself must still cope.
    const ScorecardDocument document;
    const QByteArrayList lines = ScorecardFile::encode(document).split('\n');
    QCOMPARE(lines.size(), qsizetype(212)); // 211 lines and the empty rest after the last
    QCOMPARE(lines.at(1), QByteArray("\r"));
    QCOMPARE(lines.at(210), QByteArray("0\r"));

    ScorecardFileError error;
    QVERIFY(!ScorecardFile::parse(ScorecardFile::encode(document), nullptr, &error));
    QCOMPARE(error.line, 2);
}

void TestScorecardFile::contactLinesOnSave()
{
    ScorecardDocument document;
    setUpBig(document);
    const QString longLine(5000, QLatin1Char('a'));
    document.setContactLines({longLine, QStringLiteral("012 345 6789")});

    const QByteArrayList lines = ScorecardFile::encode(document).split('\n');
    QCOMPARE(lines.at(5), QByteArray(ScorecardFile::ContactLineLimit, 'a') + '\r');
    QCOMPARE(lines.at(6), QByteArray("012 345 6789\r"));
    QCOMPARE(lines.at(7), QByteArray("\r"));
    QCOMPARE(lines.at(8), QByteArray("\r"));
    QCOMPARE(lines.at(9), QByteArray("0\r"));

    // A longer line in a file is cut the same way on reading.
    ScorecardFileContents contents;
    const QByteArray file = joined(withLine(bigLines(), 8, QByteArray(5000, 'f')));
    QVERIFY(ScorecardFile::parse(file, &contents, nullptr));
    QCOMPARE(contents.contactLines.at(2), QString(ScorecardFile::ContactLineLimit, QLatin1Char('f')));
}

void TestScorecardFile::unencodableText()
{
    ScorecardDocument document;
    setUpBig(document);
    document.setBasicInformation(QStringLiteral("\u6C34\u52A1 Riverton"), Details,
                                 QStringLiteral("2010 \U0001F600"));
    document.setContactLines({Contacts.at(0), QStringLiteral("\u96FB\u8A71 012"), Contacts.at(2),
                              Contacts.at(3)});
    document.editSummaryCell(4, 7, QStringLiteral("\u597D"));
    document.editSummaryCell(4, 8, QStringLiteral("fine \u20AC"));
    document.editSummaryCell(4, 26, QStringLiteral("\u603B\u8BA1"));

    QCOMPARE(ScorecardFile::unencodableFields(document),
             (QStringList{QStringLiteral("Name of Municipality / Water Service Provider"),
                          QStringLiteral("Assessment Date"), QStringLiteral("Contact line 2"),
                          QStringLiteral("Comment on item 7"),
                          QStringLiteral("Comment on the total row")}));

    const QByteArrayList lines = ScorecardFile::encode(document).split('\n');
    QCOMPARE(lines.at(2), QByteArray("?? Riverton\r"));
    QCOMPARE(lines.at(4), QByteArray("2010 ?\r"));
    QCOMPARE(lines.at(6), QByteArray("?? 012\r"));
    QCOMPARE(lines.at(35 + 6), QByteArray("?\r"));
    QCOMPARE(lines.at(35 + 7), QByteArray("fine \x80\r"));
    QCOMPARE(lines.at(60), QByteArray("??\r"));

    setUpBig(document);
    QCOMPARE(ScorecardFile::unencodableFields(document), QStringList());
}

void TestScorecardFile::lineBreakInTextKeepsLayout()
{
    // A line break inside a value would shift every later line of the file.
    ScorecardDocument document;
    setUpBig(document);
    document.setContactLines({QStringLiteral("first\r\nsecond"), Contacts.at(1)});
    document.editSummaryCell(4, 3, QStringLiteral("one\ntwo"));

    ScorecardFileContents contents;
    ScorecardFileError error;
    QVERIFY2(ScorecardFile::parse(ScorecardFile::encode(document), &contents, &error),
             qPrintable(error.reason));
    QCOMPARE(contents.contactLines.at(0), QStringLiteral("first  second"));
    QCOMPARE(contents.contactLines.at(1), Contacts.at(1));
    QCOMPARE(contents.comments.at(2), QStringLiteral("one two"));
}

void TestScorecardFile::roundTrip_data()
{
    QTest::addColumn<bool>("big");
    QTest::newRow("BigMunicipality") << true;
    QTest::newRow("SmallMunicipality") << false;
}

void TestScorecardFile::roundTrip()
{
    QFETCH(bool, big);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("round trip.sc"));

    ScorecardDocument source;
    if (big)
        setUpBig(source);
    else
        source.applyFile(smallContents());
    source.setContactLines({QStringLiteral("\u201CA. N. Assessor\u201D"), Contacts.at(1), QString(),
                            QStringLiteral("x\u2019y@example.org")});

    // An answer for every item, spread over all option positions, and a
    // comment on every Summary row, total included.
    const Catalogue &catalogue = big ? bigMunicipalityCatalogue() : smallMunicipalityCatalogue();
    for (int k = 1; k <= int(catalogue.items.size()); ++k) {
        const int options = catalogue.items[std::size_t(k - 1)].optionCount;
        QString error;
        QVERIFY2(source.SelectOption(firstOptionRow(k) + k % options, &error), qPrintable(error));
    }
    const int summaryRows = source.scorecardGrid().rowCount() - 1;
    for (int row = 1; row <= summaryRows; ++row)
        source.editSummaryCell(4, row, QStringLiteral("Row %1: 50 \u20AC, \u201Cgood\u201D \u2013 ok").arg(row));

    // Saving over an earlier file replaces it.
    ScorecardDocument earlier;
    setUpBig(earlier);
    QString saveError;
    QVERIFY2(saveFile(earlier, path, &saveError), qPrintable(saveError));
    QVERIFY2(saveFile(source, path, &saveError), qPrintable(saveError));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("round trip.sc")});
    QCOMPARE(bytesOf(path).count('\n'), qsizetype(big ? 211 : 205));

    ScorecardDocument target;
    setUpBig(target);
    QVERIFY(target.SelectOption(3));
    ScorecardFileError error;
    QVERIFY2(openFile(target, path, &error), qPrintable(error.message()));

    QCOMPARE(contentView(target), contentView(source));
    QCOMPARE(target.globals().FileProgramVersion, source.globals().ProgramVersion);
    QVERIFY(target.globals().RunningTotal > 0);
}

void TestScorecardFile::acceptedLayouts_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArrayList lines = bigLines();
    const QByteArray crlf = joined(lines);
    QTest::newRow("LF line ends") << joined(lines, "\n");
    QTest::newRow("CR LF, no line end after the last line") << crlf.chopped(2);
    QTest::newRow("LF, no line end after the last line") << joined(lines, "\n").chopped(1);
    QTest::newRow("mixed line ends")
        << QByteArray(joined(lines.mid(0, 100), "\n") + joined(lines.mid(100)));
    QTest::newRow("lines after the last option state") << QByteArray(crlf + "extra\r\n\r\nmore");
    QByteArray atLimit = crlf;
    atLimit += QByteArray(ScorecardFile::MaximumFileSize - atLimit.size(), 'x');
    QTest::newRow("exactly 1 MiB, filled up after the last line") << atLimit;
}

void TestScorecardFile::acceptedLayouts()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("layout.sc"));
    QVERIFY(writeBytes(path, bytes));

    ScorecardFileContents expected;
    QVERIFY(ScorecardFile::parse(joined(bigLines()), &expected, nullptr));
    ScorecardFileContents contents;
    ScorecardFileError error;
    QVERIFY2(ScorecardFile::read(path, &contents, &error), qPrintable(error.message()));
    QCOMPARE(contentsView(contents), contentsView(expected));
    QCOMPARE(contents.points.size(), qsizetype(26));
    QCOMPARE(contents.comments.size(), qsizetype(26));
}

void TestScorecardFile::badFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const QByteArrayList big = bigLines();
    const QByteArrayList small = smallLines();
    const QString empty = invalidIntegerMessage(QString());

    QTest::newRow("empty file") << QByteArray() << 2 << variantReason(QString());
    QTest::newRow("version line only") << QByteArray("2.3.1.1 August 2010\r\n") << 2
                                       << variantReason(QString());
    QTest::newRow("unknown variant") << joined(withLine(big, 2, "MediumMunicipality")) << 2
                                     << variantReason(QStringLiteral("MediumMunicipality"));
    QTest::newRow("variant in lower case") << joined(withLine(big, 2, "bigmunicipality")) << 2
                                           << variantReason(QStringLiteral("bigmunicipality"));
    QTest::newRow("variant with a trailing blank") << joined(withLine(big, 2, "SmallMunicipality "))
                                                   << 2
                                                   << variantReason(QStringLiteral("SmallMunicipality "));
    QTest::newRow("binary garbage")
        << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\xF4\xFF\xFE", 22) << 2
        << variantReason(QStringLiteral("\uFFFD"));

    QTest::newRow("big: ends after the contact lines") << joined(big.mid(0, 9)) << 10 << empty;
    QTest::newRow("big: ends inside the points") << joined(big.mid(0, 20)) << 21 << empty;
    QTest::newRow("big: ends after the comments") << joined(big.mid(0, 61)) << 62 << empty;
    QTest::newRow("big: ends inside the option states") << joined(big.mid(0, 150)) << 151 << empty;
    QTest::newRow("big: last option state missing") << joined(big.mid(0, 210)) << 211 << empty;
    QTest::newRow("big: ends in the middle of a line")
        << QByteArray(joined(big.mid(0, 100)) + "163") << 102 << empty;
    QTest::newRow("big: letter in a points line") << joined(withLine(big, 12, "1a")) << 12
                                                  << invalidIntegerMessage(QStringLiteral("1a"));
    QTest::newRow("big: empty total line") << joined(withLine(big, 35, "")) << 35 << empty;
    QTest::newRow("big: letter in an option state") << joined(withLine(big, 100, "1638x")) << 100
                                                    << invalidIntegerMessage(QStringLiteral("1638x"));
    QTest::newRow("big: decimal point in an option state")
        << joined(withLine(big, 62, "16384.0")) << 62
        << invalidIntegerMessage(QStringLiteral("16384.0"));
    QTest::newRow("big: NUL byte in an option state")
        << joined(withLine(big, 80, QByteArray("163\0" "84", 6))) << 80
        << invalidIntegerMessage(QStringLiteral("163\uFFFD84"));
    QTest::newRow("big: long garbage in a points line")
        << joined(withLine(big, 20, QByteArray(300, 'x'))) << 20
        << invalidIntegerMessage(QString(80, QLatin1Char('x')) + QStringLiteral("..."));

    QTest::newRow("small: ends inside the points") << joined(small.mid(0, 20)) << 21 << empty;
    QTest::newRow("small: ends before the option states") << joined(small.mid(0, 55)) << 56 << empty;
    QTest::newRow("small: last option state missing") << joined(small.mid(0, 204)) << 205 << empty;
    QTest::newRow("small: letter in a points line") << joined(withLine(small, 15, "x")) << 15
                                                    << invalidIntegerMessage(QStringLiteral("x"));
    QTest::newRow("small: letter in an option state") << joined(withLine(small, 205, "l7408")) << 205
                                                      << invalidIntegerMessage(QStringLiteral("l7408"));

    QByteArray huge = joined(big);
    huge += QByteArray(ScorecardFile::MaximumFileSize + 1 - huge.size(), 'x');
    QTest::newRow("over 1 MiB") << huge << 0
                                << QStringLiteral("not a scorecard file: it is larger than 1 MiB");
}

void TestScorecardFile::badFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("bad.sc"));
    QVERIFY(writeBytes(path, bytes));

    ScorecardDocument document;
    setUpBig(document);
    QVERIFY(document.SelectOption(9));
    document.editSummaryCell(4, 2, QStringLiteral("kept"));
    document.refreshSummary();
    const QStringList before = fullView(document);

    ScorecardFileError error;
    QVERIFY(!openFile(document, path, &error));
    QCOMPARE(error.line, line);
    QCOMPARE(error.reason, reason);
    QCOMPARE(error.path, path);
    const QString message = error.message();
    QVERIFY2(message.contains(QLatin1Char('"') + path + QLatin1Char('"')), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(message.contains(QStringLiteral("line %1:").arg(line)), line > 0);
    QCOMPARE(fullView(document), before);
}

void TestScorecardFile::unreadableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << QStringLiteral("missing.sc")
                                  << QStringLiteral("No such file or directory");
    QTest::newRow("a folder") << QStringLiteral("folder.sc") << QStringLiteral("file to open is a directory");
}

void TestScorecardFile::unreadableFile()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.sc")));
    const QString path = dir.filePath(name);

    ScorecardDocument document;
    setUpBig(document);
    const QStringList before = fullView(document);
    ScorecardFileError error;
    QVERIFY(!openFile(document, path, &error));
    QCOMPARE(error.path, path);
    QCOMPARE(error.line, 0);
    QCOMPARE(error.message(), QStringLiteral("Cannot open \"%1\": %2").arg(path, reason));
    QCOMPARE(fullView(document), before);
}

void TestScorecardFile::staleBigFile()
{
    // Item 2's second option (breakdown row 9) ticked, yet its points line and
    // the total still say 0: the file was saved before the points were updated.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("stale.sc"));
    QVERIFY(writeBytes(path, joined(withLine(bigLines(), 61 + 9, "17408"))));

    ScorecardDocument document;
    setUpBig(document);
    const QString optionPoints = document.breakDownGrid().cell(1, 9);
    QCOMPARE(optionPoints, QStringLiteral("3"));

    ScorecardFileError error;
    QVERIFY2(openFile(document, path, &error), qPrintable(error.message()));
    QCOMPARE(document.optionState(9), OptionSelected);
    QCOMPARE(document.ItemPoints()[1], 3);
    QCOMPARE(document.breakDownGrid().cell(2, headingRow(2)), optionPoints);
    QCOMPARE(document.scorecardGrid().cell(3, 2), optionPoints);
    QCOMPARE(document.scorecardGrid().cell(3, 26), optionPoints);
}

void TestScorecardFile::smallFileStateRule_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QList<int>>("selected"); // option positions from 0
    QTest::addColumn<int>("pointsLine");
    QTest::addColumn<int>("keptOption"); // -1: no option stays selected

    const auto points = [](int item, int option) {
        return smallMunicipalityCatalogue().items[std::size_t(item - 1)].options[std::size_t(option)].points;
    };
    QTest::newRow("one option, its points on the points line: kept")
        << 1 << QList<int>{1} << points(1, 1) << 1;
    QTest::newRow("one option, other points on the points line: dropped")
        << 1 << QList<int>{1} << points(1, 2) << -1;
    QTest::newRow("two options with matching points: both dropped")
        << 1 << QList<int>{1, 2} << points(1, 1) << -1;
    QTest::newRow("nothing selected: the points line still counts")
        << 1 << QList<int>{} << points(1, 2) << -1;
    QTest::newRow("short item, state on its empty slot: dropped")
        << 21 << QList<int>{4} << 0 << -1;
    QTest::newRow("short item, its last option: kept")
        << 21 << QList<int>{2} << points(21, 2) << 2;
}

void TestScorecardFile::smallFileStateRule()
{
    QFETCH(int, item);
    QFETCH(QList<int>, selected);
    QFETCH(int, pointsLine);
    QFETCH(int, keptOption);

    QByteArrayList lines = smallLines();
    lines[9 + item - 1] = QByteArray::number(pointsLine);
    lines[9 + 22] = QByteArray::number(pointsLine); // the total
    for (const int option : selected)
        lines[55 + firstOptionRow(item) + option - 1] = "17408";
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("small.sc"));
    QVERIFY(writeBytes(path, joined(lines)));

    ScorecardDocument document;
    setUpBig(document);
    ScorecardFileError error;
    QVERIFY2(openFile(document, path, &error), qPrintable(error.message()));

    QCOMPARE(document.globals().ScorecardVariant, QStringLiteral("SmallMunicipality"));
    for (int option = 0; option < 5; ++option) {
        const int row = firstOptionRow(item) + option;
        QCOMPARE(document.optionState(row), option == keptOption ? OptionSelected : OptionUnselected);
    }
    const QString shown = QString::number(pointsLine);
    QCOMPARE(document.ItemPoints()[std::size_t(item - 1)], pointsLine);
    QCOMPARE(document.breakDownGrid().cell(2, headingRow(item)), shown);
    QCOMPARE(document.scorecardGrid().cell(3, item), shown);
    QCOMPARE(document.scorecardGrid().cell(3, 23), shown);
}

void TestScorecardFile::saveIntoReadOnlyFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("read-only")));
    const QString path = folder + QStringLiteral("/scorecard.sc");

    ScorecardDocument earlier;
    setUpBig(earlier);
    QString error;
    QVERIFY2(saveFile(earlier, path, &error), qPrintable(error));
    const QByteArray earlierBytes = bytesOf(path);

    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&folder] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    {
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("The folder stays writable for this user (root): nothing to refuse.");
        }
    }

    ScorecardDocument later;
    setUpBig(later);
    QVERIFY(later.SelectOption(2));
    QVERIFY(!saveFile(later, path, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot save \"%1\": ").arg(path)), qPrintable(error));
    QVERIFY2(error.endsWith(QStringLiteral("Permission denied")), qPrintable(error));
    QCOMPARE(bytesOf(path), earlierBytes);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("scorecard.sc")});
}

void TestScorecardFile::saveIntoMissingFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("no such folder/scorecard.sc"));

    ScorecardDocument document;
    setUpBig(document);
    QString error;
    QVERIFY(!saveFile(document, path, &error));
    QCOMPARE(error, QStringLiteral("Cannot save \"%1\": No such file or directory").arg(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestScorecardFile::saveOnFullFileSystem()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString mountPoint = dir.filePath(QStringLiteral("tiny"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tiny")));

    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                          QStringLiteral("-o"), QStringLiteral("size=16k"),
                                          QStringLiteral("tmpfs"), mountPoint});
    if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit
        || mount.exitCode() != 0)
        QSKIP("A small file system cannot be mounted here (needs root).");
    const auto unmount = qScopeGuard([&mountPoint] {
        QProcess::execute(QStringLiteral("umount"), {mountPoint});
    });

    const QString path = mountPoint + QStringLiteral("/scorecard.sc");
    ScorecardDocument earlier;
    setUpBig(earlier);
    QString error;
    QVERIFY2(saveFile(earlier, path, &error), qPrintable(error));
    const QByteArray earlierBytes = bytesOf(path);

    // Take every block that is left.
    QFile filler(mountPoint + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(1024, 'f');
    int blocks = 0;
    while (filler.write(block) == block.size())
        QVERIFY2(++blocks < 64, "the small file system does not fill up");
    filler.close();

    ScorecardDocument later;
    setUpBig(later);
    QVERIFY(later.SelectOption(2));
    QVERIFY(!saveFile(later, path, &error));
    QCOMPARE(error, QStringLiteral("Cannot save \"%1\": No space left on device").arg(path));
    QCOMPARE(bytesOf(path), earlierBytes);
    QCOMPARE(QDir(mountPoint).entryList(QDir::Files),
             (QStringList{QStringLiteral("filler"), QStringLiteral("scorecard.sc")}));
}

QTEST_GUILESS_MAIN(TestScorecardFile)
#include "tst_scorecardfile.moc"
