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
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    const QString t = text.mid(start);
    if (t.isEmpty())
        return false;
    qsizetype i = 0;
    if (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+'))
        i = 1;
    if (i == t.size())
        return false;
    for (qsizetype j = i; j < t.size(); ++j) {
        if (t.at(j) < QLatin1Char('0') || t.at(j) > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (ok && value)
        *value = v;
    return ok;
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
