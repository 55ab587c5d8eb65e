// Reading and writing the scorecard file (.sc): one value per line, CR LF,
// Windows-1252. A file is read and checked whole before anything is applied,
// and written so that a failed save never harms the file it would replace.
#pragma once

#include "ScorecardFileContents.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class ScorecardDocument;

struct ScorecardFileError
{
    QString path;
    int line = 0;   // 1-based line of the fault; 0 when the file as a whole is at fault
    QString reason; // e.g. "''x'' is not a valid integer value"

    // One message naming the file, the line and the reason, for the user.
    QString message() const;
};

namespace ScorecardFile {

inline constexpr qint64 MaximumFileSize = 1024 * 1024;
inline constexpr int ContactLineLimit = 4096;

// Checks the bytes of a scorecard file and splits them into its values.
// On failure `error` gets the line and the reason (its path is left alone).
bool parse(const QByteArray &bytes, ScorecardFileContents *contents, ScorecardFileError *error);

// Reads the file at `path` whole and checks it; nothing is applied.
bool read(const QString &path, ScorecardFileContents *contents, ScorecardFileError *error);

// Names of the fields whose text Windows-1252 cannot hold (such characters
// would be written as "?"), e.g. "Name of Municipality", "Comment on item 3".
QStringList unencodableFields(const ScorecardDocument &document);

// The bytes of the scorecard as the file holds them.
QByteArray encode(const ScorecardDocument &document);

// Writes the file atomically: on any failure the earlier file of that name is
// left untouched and `error` names the file and the system's reason.
bool write(const ScorecardDocument &document, const QString &path, QString *error);

} // namespace ScorecardFile
