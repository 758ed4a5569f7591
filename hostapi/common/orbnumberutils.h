#pragma once

#include <QString>

// value rounded to decimals places, half away from zero; values within tolerance of a rounding
// boundary count as on it, so 2.675 (stored as 2.67499999...) rounds to 2.68 with tolerance 1e-12.
double fRound(double value, int decimals, double tolerance);

namespace orbstrcommon {
// value in fixed notation with exactly `decimals` places (negative decimals count as 0);
// with trimZeros true, trailing zeros after the point and a bare point are removed.
// "-0" is never produced.
QString doubleToStr(double value, int decimals, bool trimZeros);
} // namespace orbstrcommon
