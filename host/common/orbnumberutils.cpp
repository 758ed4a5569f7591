#include "common/orbnumberutils.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
// Beyond this many places a double has no digits left to round.
constexpr int kMaxRoundDecimals = 15;
} // namespace

double fRound(double value, int decimals, double tolerance)
{
    if (!std::isfinite(value))
        return value;
    if (decimals < 0)
        decimals = 0;
    if (decimals > kMaxRoundDecimals)
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double sign = scaled < 0 ? -1.0 : 1.0;
    const double magnitude = std::fabs(scaled);
    // Lift values that sit a hair below a half (binary representation) onto it.
    const double lifted = magnitude + std::max(tolerance, 0.0) * std::max(1.0, magnitude);
    return sign * std::floor(lifted + 0.5) / scale;
}

namespace orbstrcommon {
QString doubleToStr(double value, int decimals, bool trimZeros)
{
    if (decimals < 0)
        decimals = 0;
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    QString text = QString::number(value, 'f', decimals);
    if (trimZeros && text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    // No negative zero: "-0", "-0.00" read as zero.
    if (text.startsWith(QLatin1Char('-'))) {
        bool allZero = true;
        for (int i = 1; i < text.size(); ++i) {
            if (text.at(i) != QLatin1Char('0') && text.at(i) != QLatin1Char('.')) {
                allZero = false;
                break;
            }
        }
        if (allZero)
            text.remove(0, 1);
    }
    return text;
}
} // namespace orbstrcommon
