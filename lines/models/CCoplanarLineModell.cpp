#include "lines/models/CCoplanarLineModell.h"

#include <cfloat>
#include <cmath>

#include "lines/models/MathPool.h"

namespace {

constexpr double kPi = MathPool::kPi;
constexpr double kLightSpeed = MathPool::kLightSpeed;
constexpr double kFreeSpaceImpedance = MathPool::kFreeSpaceImpedance;

// sinh(a)/sinh(b) for 0 < a < b; past the range of sinh through exponentials.
double SinhRatio(double a, double b) {
  constexpr double kSinhLimit = 700.0;
  if (b < kSinhLimit) return std::sinh(a) / std::sinh(b);
  return std::exp(a - b) * -std::expm1(-2.0 * a) / -std::expm1(-2.0 * b);
}

// The arithmetic-geometric mean of 1 and b, 0 <= b <= 1; 0 for b = 0. It converges
// quadratically: about 5 steps for b = 0.5, 10 for b = 1e-300.
double AgmOfOne(double b) {
  constexpr int kMaxSteps = 64;
  if (!(b > 0.0)) return 0.0;
  double a = 1.0;
  for (int step = 0; step < kMaxSteps && a - b > 4.0 * DBL_EPSILON * a; ++step) {
    const double mean = 0.5 * (a + b);
    b = std::sqrt(a * b);
    a = mean;
  }
  return 0.5 * (a + b);
}

}  // namespace

CCoplanarLineModell::CCoplanarLineModell() { name = "CCoplanarLineModell"; }

double CCoplanarLineModell::EllipticRatio(double k) {
  // K(k) = pi / (2 AGM(1, k')) and K'(k) = pi / (2 AGM(1, k)); k' is formed from (1 - k)(1 + k)
  // so that it keeps its precision as k nears 1.
  return AgmOfOne(k) / AgmOfOne(std::sqrt((1.0 - k) * (1.0 + k)));
}

bool CCoplanarLineModell::Update(double f) {
  const double W = stripWidth;
  const double S = gap;
  const double k0 = W / (W + 2.0 * S);
  const double k1 = SinhRatio(kPi * W / (4.0 * h), kPi * (W + 2.0 * S) / (4.0 * h));
  const double r0 = EllipticRatio(k0);
  const double eps = 1.0 + (eps_r - 1.0) / 2.0 * EllipticRatio(k1) / r0;
  const double z = kFreeSpaceImpedance / (4.0 * std::sqrt(eps)) * 1.0 / r0;
  const bool crossSection = W > 0.0 && S > 0.0 && h > 0.0;
  if (!crossSection || !std::isfinite(eps) || !(eps > 0.0) || !std::isfinite(z)) return false;
  frequency = f;
  Z0 = z;
  eps_eff = eps;
  lambda = kLightSpeed / (f * std::sqrt(eps));
  return true;
}
