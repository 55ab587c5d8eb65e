// Shared number and colour rules of the scorecard.
#include "ScorecardBasics.h"

#include <cmath>
#include <limits>

int cellIntegerValue(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return int(negative ? -value : value);
}

bool toIntegerStrict(const QString &text, int *value)
{
    // Read in place: files hold hundreds of these lines, and opening one
    // should cost no allocation per line.
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return false;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    const qint64 v = negative ? -magnitude : magnitude;
    if (v > std::numeric_limits<int>::max())
        return false;
    if (value)
        *value = int(v);
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
