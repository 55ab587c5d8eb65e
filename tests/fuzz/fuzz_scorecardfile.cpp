// libFuzzer target for the scorecard file reader: arbitrary bytes go through
// the same steps as File > Open, and every input must leave the program sound.
//
// Checked on every input, besides the sanitizers' own checks:
// - a refused file leaves the open scorecard exactly as it was and comes
//   with a reason for the user;
// - an accepted file replaces the scorecard whole: applied over an answered
//   scorecard it gives what it gives on a fresh document;
// - what was opened can be saved and opened again, and that second save
//   writes the same bytes as the first.
#include "DocumentSnapshot.h"
#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "ScorecardFileContents.h"
#include "SeedScorecards.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// __builtin_trap rather than assert: it stays in every build type and
// libFuzzer reports it as a crash with the input that caused it.
void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// File > Open on bytes: read and check them whole, apply only on success.
bool openBytes(ScorecardDocument &document, const QByteArray &bytes, ScorecardFileError *error)
{
    ScorecardFileContents contents;
    if (!ScorecardFile::parse(bytes, &contents, error))
        return false;
    document.applyFile(contents);
    return true;
}

// The answered scorecard a refused file must not touch. Built once and again
// only after a file was accepted into it, which keeps the target fast.
struct OpenScorecard
{
    std::unique_ptr<ScorecardDocument> document;
    DocumentSnapshot before;

    void reset()
    {
        document = std::make_unique<ScorecardDocument>();
        SeedScorecards::setUpAnsweredBig(*document);
        before = DocumentSnapshot::of(*document);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static OpenScorecard open = [] {
        OpenScorecard o;
        o.reset();
        return o;
    }();

    // Raw data without a copy: the reader sees exactly the fuzzer's buffer,
    // so a read past its end is caught by AddressSanitizer.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    ScorecardFileError error;
    if (!openBytes(*open.document, bytes, &error)) {
        require(DocumentSnapshot::of(*open.document) == open.before);
        require(!error.reason.isEmpty());
        require(error.line >= 0);
        require(!error.message().isEmpty());
        return 0;
    }

    ScorecardDocument fresh;
    require(openBytes(fresh, bytes, nullptr));
    const DocumentSnapshot opened = DocumentSnapshot::of(fresh);
    require(opened.hasScorecard);
    require(!opened.modified);
    require(DocumentSnapshot::of(*open.document).sameFileContent(opened));
    open.reset();

    // Save and open again: the file written must be accepted, and saving the
    // result once more must not change a byte.
    const QByteArray saved = ScorecardFile::encode(fresh);
    ScorecardDocument reopened;
    ScorecardFileError reopenError;
    require(openBytes(reopened, saved, &reopenError));
    require(ScorecardFile::encode(reopened) == saved);
    return 0;
}
