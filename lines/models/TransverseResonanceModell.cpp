#include "lines/models/TransverseResonanceModell.h"

#include <cmath>
#include <limits>

#include "basics/SpecialFunctions.h"
#include "lines/models/MathPool.h"

namespace {

constexpr double kPi = MathPool::kPi;
constexpr double kTwoPi = MathPool::kTwoPi;
constexpr double kLightSpeed = MathPool::kLightSpeed;
constexpr double kFreeSpaceImpedance = MathPool::kFreeSpaceImpedance;

constexpr double kHalfLightSpeed = 149896229.0;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Steps of the scan for the sign change of F below MaxRatio().
constexpr int kScanSteps = 32;
// The frequency search is relative below 10 GHz, where its 1 MHz would be too coarse.
constexpr double kRelativeFrequencyTolerance = 1e-4;

bool IsPositive(double x) { return x > 0.0 && std::isfinite(x); }

// Regula falsi with the Illinois weighting, between x1 and x2 where g has opposite signs.
// True when |g(x)| <= tolerance, g last evaluated at x; false when the ends do not bracket
// a root, g is not finite or the steps run out.
template <class Function>
bool FindRoot(Function&& g, double x1, double g1, double x2, double g2, double tolerance,
              double& x) {
  if (!(g1 * g2 < 0.0)) return false;
  int lastSide = 0;
  for (int step = 0; step < TransverseResonanceModell::kMaxSteps; ++step) {
    x = x1 - g1 * (x2 - x1) / (g2 - g1);
    const double gx = g(x);
    if (!std::isfinite(gx)) return false;
    if (std::fabs(gx) <= tolerance) return true;
    // The end that stays twice running is halved so that it, too, moves.
    if ((gx > 0.0) == (g1 > 0.0)) {
      x1 = x;
      g1 = gx;
      if (lastSide == 1) g2 /= 2.0;
      lastSide = 1;
    } else {
      x2 = x;
      g2 = gx;
      if (lastSide == 2) g1 /= 2.0;
      lastSide = 2;
    }
  }
  return false;
}

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

bool TransverseResonanceModell::SolveRatio() {
  if (!HasSlotMode()) return false;
  auto F = [this](double p) { return CharacteristicFunction(p); };
  const double top = MaxRatio();
  double hi = top;
  double fHi = F(hi);
  double p = hi;
  bool found = std::fabs(fHi) <= kFunctionTolerance;
  // Downwards from the top while F stays negative; a NaN ends the scan without a result.
  for (int k = kScanSteps - 1; !found && fHi < 0.0 && k >= 0; --k) {
    const double lo = 1.0 + k * (top - 1.0) / kScanSteps;
    const double fLo = F(lo);
    if (std::fabs(fLo) <= kFunctionTolerance) {
      p = lo;
      found = true;
    } else if (fLo > 0.0) {
      found = FindRoot(F, lo, fLo, hi, fHi, kFunctionTolerance, p);
      break;
    }
    hi = lo;
    fHi = fLo;
  }
  // A box mode's pole above the root, or just below it, makes the root the box mode's (a pole
  // falls from +inf on its upper side) or bends the slope that the impedance is taken from.
  if (!found || HasPoleAbove((1.0 - kRelativeStep) * p)) return false;
  ratio = p;
  ratioSquared = p * p;
  freeSpaceWavelength = 2.0 * boxA * p;
  solvedFrequency = kLightSpeed / freeSpaceWavelength;
  return true;
}

bool TransverseResonanceModell::HasPoleAbove(double p) const {
  // Mode n resonates where tan(qn + atan(Un/(eps_r Vn))) or 1/tan(qn + acot(Vn/Un)) has a
  // pole; it has none at MaxRatio(), where the substrate holds no transverse wave, and both
  // arguments grow as p falls. So it resonates above p if an argument has passed its first
  // pole at p. Only the low modes, with Un real, can.
  const double p2 = p * p;
  const double u = std::sqrt(std::fmax(eps_r - p2, 0.0));
  const double v = std::sqrt(p2 - 1.0);
  for (int n = 1; n < termCount; ++n) {
    const double x = u * boxB / (2.0 * boxA * n * p);
    if (x <= 1.0) break;
    const double y = v * boxB / (2.0 * boxA * n * p);
    const double Un = std::sqrt(x * x - 1.0);
    const double Vn = std::sqrt(1.0 + y * y);
    const double qn = kTwoPi * n * h * Un / boxB;
    if (qn + std::atan(Un / (eps_r * Vn)) >= kPi / 2.0 || qn + Acot(Vn / Un) >= kPi) return true;
  }
  return false;
}

double TransverseResonanceModell::SolvedFrequencyAt(double a) {
  boxA = a;
  return SolveRatio() ? solvedFrequency : kNaN;
}

bool TransverseResonanceModell::SolveFrequency(double f) {
  if (!IsPositive(f) || !HasSlotMode()) return false;
  frequency = f;
  const double tolerance = std::fmin(kFrequencyTolerance, kRelativeFrequencyTolerance * f);
  // From half the free-space wavelength, a <- c/(2 f p(a)) falls steadily to the solution
  // (p falls as a grows), so no box shorter than the solution is tried: the search never
  // looks at frequencies above f, where the mode may not be bound.
  bool found = false;
  double a = kHalfLightSpeed / f;
  for (int step = 0; step < kMaxSteps && !found; ++step) {
    if (step > 0) a = kHalfLightSpeed / (f * ratio);
    const double fs = SolvedFrequencyAt(a);
    if (!std::isfinite(fs)) return false;
    found = std::fabs(fs - f) <= tolerance;
  }
  if (!found) return false;
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
  const double fPlus = SolvedFrequencyAt(a0 + da);
  const double pPlus = ratio;
  const double fMinus = SolvedFrequencyAt(a0 - da);
  const double pMinus = ratio;
  boxA = a0;
  // A longer box holds a longer wave: p falls with a. Neighbours that say otherwise belong
  // to different roots, and the slope between them means nothing.
  if (!(pPlus < p0 && p0 < pMinus)) return kNaN;
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
