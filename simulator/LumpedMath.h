#pragma once
// Arithmetic shared by the lumped element models: complex double throughout, pi to 15 digits
// as the models have always used it (results depend on it in the last digits).

#include <cmath>

#include "basics/Cmplx.h"

inline constexpr double kLumpedPi = 3.14159265358979;
// For the angular resonance frequencies that the read passes derive.
inline constexpr double kLumpedTwoPi = 6.28318530717958;
// Zero values of a model give large finite results rather than inf or NaN.
inline constexpr double kLumpedGuard = 1e-36;

// j * 2 * pi * x * f, multiplied in that order; f is widened from float.
inline Cmplx JOmega(double x, float f) {
  return Cmplx(0.0, 2.0 * kLumpedPi * x * static_cast<double>(f));
}

// A denominator of magnitude below kLumpedGuard becomes kLumpedGuard.
inline double GuardedDenominator(double d) {
  return std::fabs(d) < kLumpedGuard ? kLumpedGuard : d;
}
