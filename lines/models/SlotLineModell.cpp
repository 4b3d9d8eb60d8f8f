#include "lines/models/SlotLineModell.h"

#include <cmath>

#include "basics/SpecialFunctions.h"
#include "lines/models/MathPool.h"

namespace {

constexpr double kPi = MathPool::kPi;
constexpr double kTwoPi = MathPool::kTwoPi;
constexpr double kLightSpeed = MathPool::kLightSpeed;

// The normalised inputs of the closed form; H = 100 h / lambda0.
struct ApproxInput {
  double er;
  double x;    // W / h
  double w;    // W / lambda0
  double eta;  // h / lambda0
  double H;
  double L10;  // log10(er)
};

// q = lambda' / lambda0 and Z0 of one branch.
struct ApproxBranch {
  double q;
  double z;
};

ApproxBranch BranchA1(const ApproxInput& in) {
  const double x = in.x, L = in.L10, H = in.H;
  const double q = 0.923 - 0.448 * L + 0.2 * x - (0.29 * x + 0.047) * std::log10(H);
  const double d = 11.4 - 6.07 * L - H;
  const double z = 72.62 - 35.19 * L + 50.0 * (x - 0.02) * (x - 0.1) / x +
                   std::log10(100.0 * x) * (44.28 - 19.58 * L) -
                   (0.32 * L - 0.11 + x * (1.07 * L + 1.44)) * d * d;
  return {q, z};
}

ApproxBranch BranchA2(const ApproxInput& in) {
  const double x = in.x, L = in.L10, H = in.H, er = in.er;
  const double q = 0.987 - 0.483 * L + x * (0.111 - 0.0022 * er) -
                   (0.121 + 0.094 * x - 0.0032 * er) * std::log10(H);
  const double d = 10.25 - 5.0 * L + x * (2.1 - 1.42 * L) - H;
  const double z = 113.19 - 53.55 * L + 1.25 * x * (114.59 - 51.88 * L) +
                   20.0 * (x - 0.2) * (1.0 - x) - (0.15 + 0.23 * L + x * (2.07 * L - 0.79)) * d * d;
  return {q, z};
}

ApproxBranch BranchB1(const ApproxInput& in) {
  const double x = in.x, w = in.w, eta = in.eta, er = in.er;
  const double q =
      0.9217 - 0.277 * std::log(er) + 0.0322 * x * std::sqrt(er / (x + 0.435)) -
      0.01 * std::log(eta) * (4.6 - 3.65 / (er * er * std::sqrt(w) * (9.06 - 100.0 * w)));
  const double z = 73.6 - 2.15 * er + (638.9 - 31.37 * er) * std::pow(w, 0.6) +
                   (36.23 * std::sqrt(er * er + 41.0) - 225.0) * x / (x + 0.876 * er - 2.0) +
                   0.51 * (er + 2.12) * x * std::log(in.H) - 0.753 * er * eta / std::sqrt(w);
  return {q, z};
}

ApproxBranch BranchB2(const ApproxInput& in) {
  const double x = in.x, w = in.w, eta = in.eta, er = in.er, H = in.H;
  const double q = 1.05 - 0.04 * er +
                   0.01411 * (er - 1.421) * std::log(x - 2.012 * (1.0 - 0.146 * er)) +
                   0.111 * (1.0 - 0.366 * er) * std::sqrt(w) +
                   0.139 * (1.0 + 0.52 * er * std::log(14.7 - er)) * eta * std::log(eta);
  const double e = 1.11 + 0.132 * (er - 27.7) / (H + 5.0);
  const double z =
      120.75 - 3.74 * er +
      50.0 * (std::atan(2.0 * er) - 0.8) * std::pow(x, e) * std::log(H + std::sqrt(H * H + 1.0)) +
      14.21 * (1.0 - 0.458 * er) * (H + 5.1 * std::log(er) - 13.1) * (w + 0.33) * (w + 0.33);
  return {q, z};
}

ApproxBranch BranchC1(const ApproxInput& in) {
  const double x = in.x, w = in.w, eta = in.eta, er = in.er;
  const double lnEr = std::log(er);
  const double q = 1.045 - 0.365 * lnEr + 6.3 * x * std::pow(er, 0.945) / (238.64 + 100.0 * x) -
                   (0.148 - 8.81 * (er + 0.95) / (100.0 * er)) * std::log(eta);
  const double z = 60.0 + 3.69 * std::sin((er - 2.22) * kPi / 2.36) +
                   133.5 * std::log(10.0 * er) * std::sqrt(w) +
                   2.81 * (1.0 - 0.011 * er * (4.48 + lnEr)) * x * std::log(in.H) +
                   131.1 * (1.028 - lnEr) * std::sqrt(eta) +
                   12.48 * (1.0 + 0.18 * lnEr) * x / std::sqrt(er - 2.06 + 0.85 * x * x);
  return {q, z};
}

ApproxBranch BranchC2(const ApproxInput& in) {
  const double x = in.x, w = in.w, eta = in.eta, er = in.er, H = in.H;
  const double q = 1.194 - 0.24 * std::log(er) -
                   0.621 * std::pow(er, 0.835) * std::pow(w, 0.48) / (1.344 + x) -
                   0.0617 * (1.91 - (er + 2.0) / er) * std::log(eta);
  const double e1 = er - 1.8, e2 = er - 1.582, e3 = (er - 1.722) * w, e4 = er + 1.35;
  const double z = 133.0 + 10.34 * e1 * e1 +
                   2.87 * (2.96 + e2 * e2) *
                       std::sqrt((x + 2.32 * er - 0.56) * ((32.5 - 6.67 * er) * H * H - 1.0)) -
                   684.45 * eta * e4 * e4 + 13.23 * e3 * e3;
  return {q, z};
}

using BranchFormula = ApproxBranch (*)(const ApproxInput&);

// The branch whose range holds the inputs, or null; the tests run in this order.
BranchFormula SelectBranch(const ApproxInput& in) {
  const double er = in.er;
  if (er >= 9.6 && er <= 20.0) {
    if (in.x >= 0.02 && in.x <= 0.2) return BranchA1;
    if (in.x > 0.2 && in.x <= 1.0) return BranchA2;
    return nullptr;
  }
  const bool b = er >= 3.8 && er < 9.7;
  if (b || (er >= 2.2 && er < 3.8 && in.eta >= 0.006 && in.eta <= 0.06)) {
    if (in.w >= 0.0015 && in.w <= 0.075) return b ? BranchB1 : BranchC1;
    if (in.w > 0.075 && in.w <= 1.0) return b ? BranchB2 : BranchC2;
  }
  return nullptr;
}

}  // namespace

SlotLineModell::SlotLineModell() : TransverseResonanceModell(kCohnTerms) {
  name = "SlotLineModell";
  value1 = 0.23;  // conductor loss, Np/m per sqrt(GHz); value2 holds the dielectric loss
}

bool SlotLineModell::Update(double f) {
  if (modelLetter == 'A') return UpdateApprox(f);
  if (modelLetter == 'C') return UpdateCohn(f);
  return false;
}

bool SlotLineModell::UpdateApprox(double f) {
  const double lambda0 = kLightSpeed / f;
  ApproxInput in{eps_r, slotWidth / h, slotWidth / lambda0, h / lambda0, 0.0, std::log10(eps_r)};
  in.H = 100.0 * in.eta;
  Z0 = kOutOfRange;
  frequency = f;
  if (!(f > 0.0)) return false;
  const BranchFormula branch = SelectBranch(in);
  if (branch == nullptr) return false;
  const ApproxBranch result = branch(in);
  const double eps = 1.0 / (result.q * result.q);
  const double wavelength = kLightSpeed / (f * std::sqrt(eps));
  if (!(result.q > 0.0) || !std::isfinite(eps) || !std::isfinite(wavelength) ||
      !std::isfinite(result.z)) {
    return false;
  }
  eps_eff = eps;
  lambda = wavelength;
  value2 = 0.5 * kPi * tand / lambda;
  alpha = value2 + value1 * std::sqrt(f / 1e9);
  const bool shortEndKnown = branch == BranchA1 || branch == BranchA2;
  endExtension = shortEndKnown ? lambda * std::atan(ShortEndReactance()) / kTwoPi : 0.0;
  Z0 = result.z;
  return true;
}

// The slot mode is slower than a wave in the air and faster than one in the substrate;
// towards high frequencies its ratio rises above sqrt((eps_r + 1)/2).
double SlotLineModell::MaxRatio() const { return std::sqrt(eps_r); }

double SlotLineModell::CharacteristicFunction(double p) {
  const double p2 = p * p;
  // At the top of the search p^2 may round just above eps_r.
  u = std::sqrt(std::fmax(eps_r - p2, 0.0));
  v = std::sqrt(p2 - 1.0);
  r = slotWidth / boxB;
  const double theta = kPi * h * u / (boxA * p);
  const double T = u * std::tan(theta - std::atan(v / u));
  const double S = CohnSeries(termCount, p);
  return (T - v) * boxA / (2.0 * boxB) +
         (((eps_r + 1.0) / 2.0 - p2) * std::log(2.0 / (kPi * r)) + S / 2.0) / p;
}

double SlotLineModell::CohnSeries(int n, double p) const {
  double sum = 0.0;
  for (int k = 1; k < n; ++k) {
    const double y = v * boxB / (2.0 * boxA * k * p);
    const double Vn = std::sqrt(1.0 + y * y);
    sum += (CohnTerm(k, p) + (1.0 - 1.0 / Vn) * v * v) * TermWeight(k, r);
  }
  return sum;
}

double SlotLineModell::CohnTerm(int n, double p) const {
  // Un = 0 (a mode at its cut-off) makes both parts 0/0; the term is taken just beside it.
  constexpr double kMinU = 1e-9;
  const double x = u * boxB / (2.0 * boxA * n * p);
  const double y = v * boxB / (2.0 * boxA * n * p);
  const double Un = std::fmax(std::sqrt(std::fabs(1.0 - x * x)), kMinU);
  const double Vn = std::sqrt(1.0 + y * y);
  const double qn = kTwoPi * n * h * Un / boxB;
  const double cn = boxB / (2.0 * boxA * n);
  const double p2 = p * p;
  double top;
  if (x * x <= 1.0) {
    top = eps_r * std::tanh(qn + Atanh(Un / (eps_r * Vn))) -
          p2 * Un * Un / std::tanh(qn + Acoth(Vn / Un));
  } else {
    top = eps_r * std::tan(qn + std::atan(Un / (eps_r * Vn))) -
          p2 * Un * Un / std::tan(qn + Acot(Vn / Un));
  }
  return top / ((1.0 + cn * cn) * Un) - u * u;
}
