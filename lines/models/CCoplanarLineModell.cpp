#include "lines/models/CCoplanarLineModell.h"

#include <cmath>

#include "lines/models/MathPool.h"

namespace {

constexpr double kPi = MathPool::kPi;
constexpr double kLightSpeed = MathPool::kLightSpeed;
constexpr double kFreeSpaceImpedance = MathPool::kFreeSpaceImpedance;

constexpr double kOneOverTwoPi = 0.1591549430918955;

// sinh(a)/sinh(b) for 0 < a < b; past the range of sinh through exponentials.
double SinhRatio(double a, double b) {
  constexpr double kSinhLimit = 700.0;
  if (b < kSinhLimit) return std::sinh(a) / std::sinh(b);
  return std::exp(a - b) * -std::expm1(-2.0 * a) / -std::expm1(-2.0 * b);
}

}  // namespace

CCoplanarLineModell::CCoplanarLineModell() { name = "CCoplanarLineModell"; }

double CCoplanarLineModell::EllipticRatio(double k) {
  const double q = std::sqrt(std::sqrt(4.0 * k));
  const double s = std::sqrt(1.0 + k);
  return std::log(2.0 * (s + q) / (s - q)) * kOneOverTwoPi;
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
