#include "lines/models/CCoveredSlotLineModell.h"

#include <cmath>

#include "basics/SpecialFunctions.h"
#include "lines/models/MathPool.h"

namespace {

constexpr double kPi = MathPool::kPi;
constexpr double kTwoPi = MathPool::kTwoPi;

}  // namespace

CCoveredSlotLineModell::CCoveredSlotLineModell() : TransverseResonanceModell(kTerms) {
  name = "CCoveredSlotLineModell";
}

double CCoveredSlotLineModell::MaxRatio() const { return std::sqrt(eps_r); }

double CCoveredSlotLineModell::CharacteristicFunction(double p) {
  const double p2 = p * p;
  v = std::sqrt(p2 - 1.0);
  for (Region& region : regions) {
    region.eps_r = eps_r;
    region.h = h;
    // At the upper end of the search p^2 may round just above eps_r.
    region.s = std::sqrt(std::fmax(region.eps_r - p2, 0.0));
  }
  const double delta = slotWidth / boxB;
  const double meanEps = (regions[0].eps_r + regions[1].eps_r) / 2.0;
  return (std::log(2.0 / (kPi * delta)) * (meanEps - p2) + Series(termCount, p) / 2.0) / p +
         RegionReactance(regions[1], p) + RegionReactance(regions[0], p);
}

double CCoveredSlotLineModell::RegionReactance(const Region& region, double p) const {
  // v/s is +infinity at s = 0, its arc tangent pi/2, and the product with s = 0 is 0.
  const double angle = kPi * region.h * region.s / (boxA * p) - std::atan(v / region.s);
  return (boxA / 2.0) / boxB * region.s * std::tan(angle);
}

double CCoveredSlotLineModell::Series(int n, double p) const {
  const double delta = slotWidth / boxB;
  double sum = 0.0;
  for (int k = 1; k < n; ++k) {
    sum += (RegionTerm(regions[0], k, p) + RegionTerm(regions[1], k, p)) * TermWeight(k, delta);
  }
  return sum;
}

double CCoveredSlotLineModell::RegionTerm(const Region& region, int n, double p) const {
  // Q = 0 (a mode at its cut-off) makes both parts 0/0; the term is taken just beside it.
  constexpr double kMinQ = 1e-9;
  const double y = boxB * v / (2.0 * boxA * n * p);
  const double x = boxB * region.s / (2.0 * boxA * n * p);
  const double Q0 = std::sqrt(1.0 + y * y);
  const double Q = std::fmax(std::sqrt(std::fabs(1.0 - x * x)), kMinQ);
  const double phi = kTwoPi * n * region.h * Q / boxB;
  const double c = boxB / (2.0 * boxA * n);
  const double D = Q * (1.0 + c * c);
  const double e = region.eps_r;
  const double p2 = p * p;
  double top;
  if (x * x <= 1.0) {
    top = e * std::tanh(Atanh(Q / (Q0 * e)) + phi) - Q * Q * p2 / std::tanh(Acoth(Q0 / Q) + phi);
  } else {
    top = e * std::tan(phi + std::atan(Q / (Q0 * e))) - Q * Q * p2 / std::tan(Acot(Q0 / Q) + phi);
  }
  return top / D - region.s * region.s;
}
