#pragma once

#include <QString>

/// \file
/// Number helpers of the host's common library. The editor form rounds a typed number to the
/// property's decimals with them before it saves it.

/// value rounded to decimals places, half away from zero; values within tolerance of a rounding
/// boundary count as on it, so 2.675 (stored as 2.67499999...) rounds to 2.68 with tolerance 1e-12
/// (the tolerance the library passes).
double fRound(double value, int decimals, double tolerance);

/// String helpers of the host's common library.
namespace orbstrcommon {
/// value in fixed notation with exactly `decimals` places (negative decimals count as 0);
/// with trimZeros true, trailing zeros after the point and a bare point are removed.
/// "-0" is never produced. The library passes trimZeros false.
QString doubleToStr(double value, int decimals, bool trimZeros);
} // namespace orbstrcommon
