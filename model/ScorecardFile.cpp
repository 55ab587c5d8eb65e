// The scorecard file: its line layout, the checks a file must pass before any
// of it reaches the open scorecard, and the atomic writer.
#include "ScorecardFile.h"

#include "Catalogue.h"
#include "ScorecardDocument.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Summary rows 1 to N hold the items and, last, the total.
constexpr int PointsColumn = 3;
constexpr int CommentsColumn = 4;
constexpr int ContactLineCount = 4;

// A line of a damaged file may be megabytes of binary data; the message
// shows enough of it to recognise, without control characters that would
// cut or garble the message box.
QString shownText(const QString &text)
{
    constexpr qsizetype Limit = 80;
    QString shown = text.size() > Limit ? text.left(Limit) + QStringLiteral("...") : text;
    for (QChar &c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

QString notScorecardVariant(const QString &text)
{
    return QStringLiteral("not a scorecard file: ''%1'' is not \"%2\" or \"%3\"")
        .arg(shownText(text), QLatin1String(BigMunicipality), QLatin1String(SmallMunicipality));
}

QString tooLarge()
{
    return QStringLiteral("not a scorecard file: it is larger than %1 MiB")
        .arg(ScorecardFile::MaximumFileSize / (1024 * 1024));
}

// Hands out the file's lines in order; past the end every line is empty, so
// a short file fails at its first missing line that must hold a number.
class LineReader
{
public:
    explicit LineReader(const QByteArray &bytes) : m_bytes(bytes) {}

    int lineNumber() const { return m_lineNumber; }

    QString next()
    {
        ++m_lineNumber;
        if (m_position >= m_bytes.size())
            return QString();
        qsizetype end = m_bytes.indexOf('\n', m_position);
        if (end < 0)
            end = m_bytes.size();
        QByteArrayView line(m_bytes.constData() + m_position, end - m_position);
        m_position = end + 1;
        // CR LF is what this program writes; plain LF comes from files that
        // passed through other tools.
        if (line.endsWith('\r'))
            line.chop(1);
        return Windows1252::decode(line);
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_position = 0;
    int m_lineNumber = 0;
};

// A value spans one line of the file; a line break inside a text would shift
// every later line and make the file unreadable.
QString asOneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

QStringList contactLinesOf(const ScorecardDocument &document)
{
    QStringList lines;
    for (int i = 0; i < ContactLineCount; ++i)
        lines.append(document.contactLines().value(i).left(ScorecardFile::ContactLineLimit));
    return lines;
}

int summaryRowsBelowHeading(const ScorecardDocument &document)
{
    return document.scorecardGrid().rowCount() - 1;
}

} // namespace

QString ScorecardFileError::message() const
{
    const QString file = QDir::toNativeSeparators(path);
    if (line > 0)
        return QStringLiteral("Cannot open \"%1\": line %2: %3").arg(file, QString::number(line), reason);
    return QStringLiteral("Cannot open \"%1\": %2").arg(file, reason);
}

namespace ScorecardFile {

bool parse(const QByteArray &bytes, ScorecardFileContents *contents, ScorecardFileError *error)
{
    const auto fail = [error](int line, const QString &reason) {
        if (error) {
            error->line = line;
            error->reason = reason;
        }
        return false;
    };
    if (bytes.size() > MaximumFileSize)
        return fail(0, tooLarge());

    LineReader in(bytes);
    ScorecardFileContents parsed;
    parsed.programVersion = in.next();
    parsed.variant = in.next();
    const Catalogue *catalogue = findCatalogue(parsed.variant);
    if (!catalogue)
        return fail(in.lineNumber(), notScorecardVariant(parsed.variant));
    parsed.providerName = in.next();
    parsed.additionalDetails = in.next();
    parsed.assessmentDate = in.next();
    for (int i = 0; i < ContactLineCount; ++i)
        parsed.contactLines.append(in.next().left(ContactLineLimit));

    // Each item's points, then the total; all must be whole numbers even
    // though a big scorecard recomputes them from its option states.
    const int n = int(catalogue->items.size()) + 1;
    for (int i = 0; i < n; ++i) {
        const QString text = in.next();
        if (!toIntegerStrict(text, nullptr))
            return fail(in.lineNumber(), invalidIntegerMessage(shownText(text)));
        parsed.points.append(text);
    }
    for (int i = 0; i < n; ++i)
        parsed.comments.append(in.next());
    for (int &state : parsed.optionStates) {
        const QString text = in.next();
        if (!toIntegerStrict(text, &state))
            return fail(in.lineNumber(), invalidIntegerMessage(shownText(text)));
    }
    // Lines after the last option state are not part of the layout.

    if (contents)
        *contents = parsed;
    return true;
}

bool read(const QString &path, ScorecardFileContents *contents, ScorecardFileError *error)
{
    if (error)
        *error = ScorecardFileError{path, 0, QString()};
    const auto fail = [error](const QString &reason) {
        if (error)
            error->reason = reason;
        return false;
    };

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > MaximumFileSize)
        return fail(tooLarge());

    // Read one byte beyond the limit at most: a device that reports no size
    // (a pipe, a special file) is still refused without reading it all.
    QByteArray bytes;
    while (bytes.size() <= MaximumFileSize) {
        const QByteArray chunk = file.read(MaximumFileSize + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    return parse(bytes, contents, error);
}

QStringList unencodableFields(const ScorecardDocument &document)
{
    QStringList fields;
    const auto check = [&fields](const QString &text, const QString &field) {
        if (!Windows1252::canEncode(text))
            fields.append(field);
    };
    const Globals &globals = document.globals();
    check(globals.ProviderName, QStringLiteral("Name of Municipality / Water Service Provider"));
    check(globals.AdditionalDetails, QStringLiteral("Additional details"));
    check(globals.AssessmentDate, QStringLiteral("Assessment Date"));
    const QStringList contacts = contactLinesOf(document);
    for (int i = 0; i < contacts.size(); ++i)
        check(contacts.at(i), QStringLiteral("Contact line %1").arg(i + 1));
    const int n = summaryRowsBelowHeading(document);
    for (int row = 1; row <= n; ++row) {
        check(document.scorecardGrid().cell(CommentsColumn, row),
              row < n ? QStringLiteral("Comment on item %1").arg(row)
                      : QStringLiteral("Comment on the total row"));
    }
    return fields;
}

QByteArray encode(const ScorecardDocument &document)
{
    QByteArray bytes;
    const auto line = [&bytes](const QString &text) {
        bytes += Windows1252::encode(asOneLine(text));
        bytes += "\r\n";
    };
    const Globals &globals = document.globals();
    line(globals.ProgramVersion);
    line(globals.ScorecardVariant);
    line(globals.ProviderName);
    line(globals.AdditionalDetails);
    line(globals.AssessmentDate);
    for (const QString &contact : contactLinesOf(document))
        line(contact);
    const int n = summaryRowsBelowHeading(document);
    for (int row = 1; row <= n; ++row)
        line(document.scorecardGrid().cell(PointsColumn, row));
    for (int row = 1; row <= n; ++row)
        line(document.scorecardGrid().cell(CommentsColumn, row));
    for (const int state : document.OptionStates())
        line(QString::number(state));
    return bytes;
}

bool write(const ScorecardDocument &document, const QString &path, QString *error)
{
    const QByteArray bytes = encode(document);
    QSaveFile file(path);
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("Cannot save \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
        file.cancelWriting();
        return false;
    };

    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // commit() has been seen to report success after a short write on a full
    // disk, so every step is checked here before the file may replace the old one.
    if (file.write(bytes) != bytes.size())
        return fail(file.errorString());
    if (!file.flush())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace ScorecardFile
