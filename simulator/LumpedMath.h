#pragma once
// Arithmetic shared by the element models: complex double throughout, pi to 15 digits as the
// models have always used it (results depend on it in the last digits).

#include <cmath>

#include "basics/Cmplx.h"

inline constexpr double kModelPi = 3.14159265358979;
// For the angular resonance frequencies that the read passes derive.
inline constexpr double kLumpedTwoPi = 6.28318530717958;
// Zero values of a model give large finite results rather than inf or NaN.
inline constexpr double kLumpedGuard = 1e-36;

// j * 2 * pi * x * f, multiplied in that order; f is widened from float.
inline Cmplx JOmega(double x, float f) {
  return Cmplx(0.0, 2.0 * kModelPi * x * static_cast<double>(f));
}

// A denominator of magnitude below kLumpedGuard becomes kLumpedGuard.
inline double GuardedDenominator(double d) {
  return std::fabs(d) < kLumpedGuard ? kLumpedGuard : d;
}

// x / r, where r = 0 is a short: its conductance is the reciprocal of zero of Cmplx, so that
// an ideal input or output stays finite and acts as one.
inline Cmplx PerResistance(const Cmplx& x, double r) {
  return r == 0.0 ? x * Cmplx::kInverseOfZero : x / r;
}

// k / (1 + j f / F) with the corner frequency F when hasCorner, then times exp(-j 2 pi f T)
// with the delay T when hasDelay; f in Hz. F = 0 gives a vanishing factor, not NaN.
inline Cmplx ControlledFactor(Cmplx k, float f, bool hasCorner, float corner, bool hasDelay,
                              float delay) {
  // The complex division by a real keeps F = 0 finite.
  if (hasCorner) k = k / (Cmplx(0.0, f) / static_cast<double>(corner) + 1.0);
  if (hasDelay) {
    k = k * CmplxExp(Cmplx(0.0, -1.0 * 2.0 * kModelPi * f * static_cast<double>(delay)));
  }
  return k;
}
