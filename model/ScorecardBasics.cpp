// Shared number and colour rules of the scorecard.
#include "ScorecardBasics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 IntMax = std::numeric_limits<int>::max();
constexpr qint64 IntMin = std::numeric_limits<int>::min();

// Leading blanks, an optional sign and the digits after them: what both
// readings of a cell text look at. Read in place, since a file brings
// hundreds of such lines. Past the int range the magnitude stops growing.
struct NumberPrefix
{
    qint64 value = 0;
    qsizetype digits = 0;
    qsizetype end = 0; // index of the first character after the digits
};

NumberPrefix scanNumber(const QString &text)
{
    NumberPrefix p;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        if (magnitude <= IntMax + 1)
            magnitude = magnitude * 10 + (c - u'0');
        ++p.digits;
    }
    p.value = negative ? -magnitude : magnitude;
    p.end = i;
    return p;
}

} // namespace

int cellIntegerValue(const QString &text)
{
    return int(std::clamp(scanNumber(text).value, IntMin, IntMax));
}

bool toIntegerStrict(const QString &text, int *value)
{
    const NumberPrefix p = scanNumber(text);
    if (p.digits == 0 || p.end != text.size() || p.value < IntMin || p.value > IntMax)
        return false;
    if (value)
        *value = int(p.value);
    return true;
}

QString invalidIntegerMessage(const QString &text)
{
    return QStringLiteral("''%1'' is not a valid integer value").arg(text);
}

int roundHalfEven(double value)
{
    // Worked out by hand rather than through the floating-point rounding mode,
    // which other code may have changed; values beyond int saturate.
    if (std::isnan(value))
        return 0;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (whole <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(whole);
}

BgrColour pointsColour(int points, bool *isDefined)
{
    if (isDefined)
        *isDefined = points >= 0 && points <= 5;
    switch (points) {
    case 0:
        return 0x1A37E7; // red
    case 1:
        return 0x066DFF; // orange
    case 2:
        return 0x12E8FF; // yellow
    case 3:
        return HighlightColour;
    default:
        return WhiteColour;
    }
}
