// Opening a scorecard file for the command-line tool the way the program opens
// it, and the one-line refusal printed for a file the reader turns down.
#pragma once

#include <QString>

class ScorecardDocument;
struct ScorecardFileError;

// Reads and checks `path`; on success applies it to `document` (a fresh one)
// and brings the Summary points, the total and the category scores up to
// date, as the program shows them. On failure nothing is applied.
bool openScorecardFile(const QString &path, ScorecardDocument &document, ScorecardFileError *error);

// "FILE: line N: REASON", or "FILE: REASON" when the file as a whole is at
// fault; REASON is the text the program's own refusal message gives.
QString refusalLine(const QString &path, const ScorecardFileError &error);
