// Table-based Windows-1252 codec for scorecard files, so that reading and
// writing do not depend on which codecs the Qt build happens to carry.
#include "Windows1252.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F. The code page leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D
// undefined; they map to the C1 control of the same number so that any byte
// read from a file is written back unchanged.
constexpr std::array<char16_t, 32> HighBlock = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

// The byte for one UTF-16 unit, or -1 when the code page has none.
int byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return int(unit);
    for (std::size_t i = 0; i < HighBlock.size(); ++i) {
        if (HighBlock[i] == unit)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

namespace Windows1252 {

QByteArray encode(const QString &text, bool *lossy)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool lost = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const int byte = byteFor(c.unicode());
        if (byte >= 0) {
            bytes.append(char(byte));
            continue;
        }
        lost = true;
        bytes.append('?');
        // A character outside the basic plane is one "?", not two.
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    if (lossy)
        *lossy = lost;
    return bytes;
}

bool canEncode(const QString &text)
{
    for (const QChar c : text) {
        if (byteFor(c.unicode()) < 0)
            return false;
    }
    return true;
}

QString decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        out->unicode() = (byte >= 0x80 && byte < 0xA0) ? HighBlock[byte - 0x80] : char16_t(byte);
        ++out;
    }
    return text;
}

} // namespace Windows1252
