#include "lines/models/TransverseResonanceModell.h"

#include <algorithm>
#include <cmath>

#include "lines/models/MathPool.h"

namespace {

constexpr double kPi = MathPool::kPi;
constexpr double kTwoPi = MathPool::kTwoPi;
constexpr double kLightSpeed = MathPool::kLightSpeed;
constexpr double kFreeSpaceImpedance = MathPool::kFreeSpaceImpedance;

constexpr double kHalfLightSpeed = 149896229.0;

// Where the line through (x1, y1) and (x2, y2) reaches target; x1 when the points give no
// finite step (equal ordinates, or values that are not numbers).
double SecantStep(double x1, double y1, double x2, double y2, double target) {
  const double x = x1 + (target - y1) * (x2 - x1) / (y2 - y1);
  return std::isfinite(x) ? x : x1;
}

bool IsPositive(double x) { return x > 0.0 && std::isfinite(x); }

}  // namespace

TransverseResonanceModell::TransverseResonanceModell(int terms) : termCount(terms) {}

bool TransverseResonanceModell::HasSlotMode() const {
  return MaxRatio() > 1.0 && std::isfinite(MaxRatio()) && IsPositive(slotWidth) &&
         IsPositive(boxA) && IsPositive(boxB) && IsPositive(h);
}

double TransverseResonanceModell::TermWeight(int n, double r) {
  const double x = n * kPi * r;
  const double s = std::sin(x) / x;
  return s * s / n;
}

double TransverseResonanceModell::SolveRatio() {
  double x = 1.0;
  if (HasSlotMode()) {
    const double pMax = MaxRatio();
    double x1 = 1.0;
    double y1 = CharacteristicFunction(x1);
    double x2 = pMax;
    double y2 = CharacteristicFunction(x2);
    x = std::clamp(SecantStep(x1, y1, x2, y2, 0.0), 1.0, pMax);
    if (!(std::fabs(y2) <= kFunctionTolerance)) {
      for (int step = 0; step < kMaxSteps; ++step) {
        const double fx = CharacteristicFunction(x);
        // Keep the bracket: the point on the side of the new value is replaced.
        if (fx <= 0.0) {
          x2 = x1;
          y2 = y1;
        }
        x1 = x;
        y1 = fx;
        x = std::clamp(SecantStep(x1, y1, x2, y2, 0.0), 1.0, pMax);
        if (std::fabs(fx) <= kFunctionTolerance) break;
      }
    }
  }
  ratio = x;
  ratioSquared = x * x;
  freeSpaceWavelength = 2.0 * boxA * x;
  solvedFrequency = boxA > 0.0 ? kLightSpeed / freeSpaceWavelength : 0.0;
  return x;
}

bool TransverseResonanceModell::SolveFrequency(double f) {
  if (!IsPositive(f) || !HasSlotMode()) return false;
  frequency = f;
  const double aHigh = kHalfLightSpeed / f;
  // The box is never shorter than half a wavelength at the largest ratio, where the solved
  // frequency is at least f: the two starting boxes bracket the solution.
  const double aLow = kHalfLightSpeed / (f * MaxRatio());
  double a1 = aHigh;
  boxA = a1;
  SolveRatio();
  double f1 = solvedFrequency;
  double a2 = aLow;
  boxA = a2;
  SolveRatio();
  double f2 = solvedFrequency;
  if (!(std::fabs(f2 - f) <= kFrequencyTolerance)) {
    for (int step = 0; step < kMaxSteps; ++step) {
      const double an = std::clamp(SecantStep(a1, f1, a2, f2, f), aLow, aHigh);
      boxA = an;
      SolveRatio();
      const double fn = solvedFrequency;
      if (f > fn) {
        a1 = an;
        f1 = fn;
      } else {
        a2 = an;
        f2 = fn;
      }
      if (std::fabs(fn - f) <= kFrequencyTolerance) break;
    }
  }
  const double eps = ratioSquared;
  const double wavelength = kLightSpeed / (std::sqrt(eps) * f);
  const double z = ComputeImpedance();
  if (!IsPositive(eps) || !IsPositive(wavelength) || !IsPositive(z)) return false;
  eps_eff = eps;
  lambda = wavelength;
  Z0 = z;
  return true;
}

double TransverseResonanceModell::ComputeImpedance() {
  const double a0 = boxA;
  const double p0 = ratio;
  const double f0 = solvedFrequency;
  const double da = kRelativeStep * a0;
  boxA = a0 + da;
  const double pPlus = SolveRatio();
  const double fPlus = solvedFrequency;
  boxA = a0 - da;
  const double pMinus = SolveRatio();
  const double fMinus = solvedFrequency;
  boxA = a0;
  // Phase over group velocity.
  const double k = 1.0 + (f0 / p0) * (pPlus - pMinus) / (fPlus - fMinus);
  const double dp = kRelativeStep * p0;
  const double slope = CharacteristicFunction(p0 + dp) - CharacteristicFunction(p0 - dp);
  return -kFreeSpaceImpedance * k * (kPi / p0) * 2.0 * dp / slope;
}

double TransverseResonanceModell::ShortEndReactance() const {
  const double u = slotWidth / h;
  const double fGHz = frequency / 1e9;
  return 0.001 * ((((44.01 * u - 121.15) * u + 113.36) * u - 36.03) * u + 10.17) * fGHz +
         0.001 * (u * (((968.75 - 333.34 * u) * u - 1011.67) * u + 489.25) - 10.0);
}

Cmplx TransverseResonanceModell::ShortEndAdmittance() {
  const Cmplx jX(0.0, ShortEndReactance());
  if (!HasWavelength()) return Cmplx();
  // tanh(gamma l): the open stub's admittance of a 1 ohm line.
  const Cmplx t = MathPool::StubAdmittance(1.0, alpha, kTwoPi / lambda, length, 'O');
  const Cmplx zin = (jX + t) / (Cmplx(1.0, 0.0) + jX * t) * Z0;
  return Cmplx(1.0, 0.0) / zin;
}

Cmplx TransverseResonanceModell::GetAdmittance() {
  if (end == 'S') return ShortEndAdmittance();
  return TemModell::GetAdmittance();
}
