#include "basics/SpecialFunctions.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace {

constexpr double kTiny = 1e-36;  // denominators below this count as zero
constexpr double kHuge = 1e36;   // stands in for an infinite result
constexpr double kTwoOverPi = 0.636619772;

double GuardDenominator(double d) {
  if (std::fabs(d) >= kTiny) return d;
  return d < 0.0 ? -kTiny : kTiny;
}

// c[0] + y*(c[1] + y*(c[2] + ...)), innermost term first.
template <size_t N>
double Poly(const double (&c)[N], double y) {
  double r = c[N - 1];
  for (size_t i = N - 1; i-- > 0;) r = c[i] + y * r;
  return r;
}

// Rational approximations below 8, numerator and denominator in y = x^2.
constexpr double kJ0Num[] = {57568490574.0, -13362590354.0, 651619640.7,
                             -11214424.18,  77392.33017,    -184.9052456};
constexpr double kJ0Den[] = {57568490411.0, 1029532985.0, 9494680.718,
                             59272.64853,   267.8532712,  1.0};
constexpr double kY0Num[] = {-2957821389.0, 7062834065.0, -512359803.6,
                             10879881.29,   -86327.92757, 228.4622733};
constexpr double kY0Den[] = {40076544269.0, 745249964.8, 7189466.438, 47447.2647, 226.1030244, 1.0};
constexpr double kJ1Num[] = {72362614232.0, -7895059235.0, 242396853.1,
                             -2972611.439,  15704.4826,    -30.16036606};
constexpr double kJ1Den[] = {144725228442.0, 2300535178.0, 18583304.74,
                             99447.43394,    376.9991397,  1.0};
constexpr double kY1Num[] = {-4900604943000.0, 1275274390000.0, -51534381390.0,
                             734926455.1,      -4237922.726,    8511.937935};
constexpr double kY1Den[] = {24995805700000.0, 424419664000.0, 3733650367.0, 22459040.02,
                             102042.605,       354.9632885,    1.0};

// Large-argument form of one order: phase shift and the polynomials P and Q in (8/x)^2.
struct AsymptoticOrder {
  double shift;
  double p[5];
  double q[5];
};
constexpr AsymptoticOrder kOrder0 = {
    0.785398164,
    {1.0, -0.001098628627, 2.734510407e-5, -2.073370639e-6, 2.093887211e-7},
    {-0.01562499995, 1.430488765e-4, -6.911147651e-6, 7.621095161e-7, -9.34945152e-8}};
constexpr AsymptoticOrder kOrder1 = {
    2.356194491,
    {1.0, 0.00183105, -3.516396496e-5, 2.457520174e-6, -2.40337019e-7},
    {0.04687499995, -2.002690873e-4, 8.449199096e-6, -8.8228987e-7, 1.05787412e-7}};

// J (first kind) or Y (second kind) of one order for x >= 8.
double Asymptotic(const AsymptoticOrder& order, double x, bool secondKind) {
  const double z = 8.0 / x;
  const double y = z * z;
  const double xx = x - order.shift;
  const double p = Poly(order.p, y);
  const double q = Poly(order.q, y);
  const double amplitude = std::sqrt(kTwoOverPi / x);
  if (secondKind) return amplitude * (std::sin(xx) * p + z * std::cos(xx) * q);
  return amplitude * (std::cos(xx) * p - z * std::sin(xx) * q);
}

// J1(x)/x, finite at 0 where it tends to 1/2: below 8 J1 is x times a rational function.
double J1OverX(double x) {
  if (std::fabs(x) < 8.0) return Poly(kJ1Num, x * x) / Poly(kJ1Den, x * x);
  return BesselJ1(x) / x;
}

// alpha*sinh(t) + beta*cosh(t). Near t = 0 the hyperbolic functions keep the small terms that
// e^t and e^-t would cancel; further out the exponentials avoid inf - inf when sinh and cosh
// overflow together, and a zero factor never meets an infinite exponential.
double SinhCoshCombination(double alpha, double beta, double t) {
  if (std::fabs(t) < 1.0) return alpha * std::sinh(t) + beta * std::cosh(t);
  const auto scaled = [](double e, double k) { return k == 0.0 ? 0.0 : std::exp(e) * k; };
  return 0.5 * (scaled(t, alpha + beta) + scaled(-t, beta - alpha));
}

// Two rates scaled by the larger magnitude, so that a^2 + b^2 cannot underflow.
struct ScaledRates {
  double a, b, d, scale;
};

ScaledRates Scale(double a, double b) {
  const double m = std::fmax(std::fabs(a), std::fabs(b));
  const double sa = a / m;
  const double sb = b / m;
  return {sa, sb, sa * sa + sb * sb, m};
}

bool BothRatesVanish(double a, double b) { return std::fabs(a) < kTiny && std::fabs(b) < kTiny; }

// 0.5 sin(wL)/w, tending to L/2 as w vanishes.
double HalfSinOver(double w, double L) {
  if (std::fabs(w) < kTiny) return 0.5 * L;
  return 0.5 * std::sin(w * L) / w;
}

}  // namespace

double BesselJ0(double x) {
  const double ax = std::fabs(x);
  if (std::isinf(ax)) return 0.0;
  if (ax < 8.0) return Poly(kJ0Num, x * x) / Poly(kJ0Den, x * x);
  return Asymptotic(kOrder0, ax, false);
}

double BesselY0(double x) {
  if (std::isnan(x)) return x;
  if (x <= 0.0) return -kHuge;
  if (std::isinf(x)) return 0.0;
  if (x < 8.0) {
    return Poly(kY0Num, x * x) / Poly(kY0Den, x * x) + kTwoOverPi * BesselJ0(x) * std::log(x);
  }
  return Asymptotic(kOrder0, x, true);
}

double BesselJ1(double x) {
  const double ax = std::fabs(x);
  if (std::isinf(ax)) return 0.0;
  if (ax < 8.0) return x * Poly(kJ1Num, x * x) / Poly(kJ1Den, x * x);
  const double j = Asymptotic(kOrder1, ax, false);
  return x < 0.0 ? -j : j;
}

double BesselY1(double x) {
  if (std::isnan(x)) return x;
  if (x <= 0.0) return -kHuge;
  if (std::isinf(x)) return 0.0;
  if (x < 8.0) {
    return x * Poly(kY1Num, x * x) / Poly(kY1Den, x * x) +
           kTwoOverPi * (BesselJ1(x) * std::log(x) - 1.0 / GuardDenominator(x));
  }
  return Asymptotic(kOrder1, x, true);
}

Cmplx CmplxBesselJ0(double x, double y) { return Cmplx(BesselJ0(x), -y * BesselJ1(x)); }

Cmplx CmplxBesselY0(double x, double y) {
  if (x <= 0.0) return Cmplx(-kHuge, 0.0);
  return Cmplx(BesselY0(x), -y * BesselY1(x));
}

Cmplx CmplxBesselJ1(double x, double y) {
  return Cmplx(BesselJ1(x), y * (BesselJ0(x) - J1OverX(x)));
}

Cmplx CmplxBesselY1(double x, double y) {
  if (x <= 0.0) return Cmplx(-kHuge, 0.0);
  const double y1 = BesselY1(x);
  return Cmplx(y1, y * (BesselY0(x) - y1 / GuardDenominator(x)));
}

Cmplx RadStubBesselTerm(Cmplx a, Cmplx b) {
  const Cmplx j0a = CmplxBesselJ0(a.re, a.im);
  const Cmplx y0a = CmplxBesselY0(a.re, a.im);
  const Cmplx j1a = CmplxBesselJ1(a.re, a.im);
  const Cmplx y1a = CmplxBesselY1(a.re, a.im);
  const Cmplx j1b = CmplxBesselJ1(b.re, b.im);
  const Cmplx y1b = CmplxBesselY1(b.re, b.im);
  const Cmplx n = y0a * j1b - j0a * y1b;
  Cmplx d = j1a * y1b - y1a * j1b;
  if (d.Abs() < kTiny) d = Cmplx(kTiny, 0.0);
  return n / d;
}

double Asinh(double x) { return std::asinh(x); }

double Atanh(double x) {
  const double ax = std::fabs(x);
  if (ax < 1.0) return std::atanh(x);
  if (ax == 1.0) return std::copysign(0.5 * std::log(2.0 / kTiny), x);
  return std::atanh(1.0 / x);
}

double Acoth(double x) { return Atanh(x); }

double Acot(double x) { return 1.570796326794895 - std::atan(x); }

double NthRoot(double x, int n) {
  const double ax = std::fabs(x);
  if (n == 0 || ax == 0.0 || !std::isfinite(ax)) return ax;
  return std::exp(std::log(ax) / std::fabs(static_cast<double>(n)));
}

double PowInt(double x, int n) {
  const long long count = std::llabs(static_cast<long long>(n));
  double p = 1.0;
  for (long long k = 0; k < count; ++k) {
    p *= x;
    // Once the product is 0 or infinite only its sign can change.
    if (p == 0.0 || std::isinf(p)) {
      p = std::copysign(p, (x < 0.0 && count % 2 == 1) ? -1.0 : 1.0);
      break;
    }
  }
  return n < 0 ? 1.0 / GuardDenominator(p) : p;
}

double PowReal(double x, double y) {
  if (!std::isfinite(x)) return std::pow(std::fabs(x), y);
  if (x == 0.0) return y > 0.0 ? 0.0 : (y == 0.0 ? 1.0 : kHuge);
  return std::exp(y * std::log(std::fabs(x)));
}

double IntCoshCos(double a, double L) {
  if (std::fabs(a) < kTiny) return L;
  const double t = a * L;
  return SinhCoshCombination(std::cos(t), std::sin(t), t) / (2.0 * a);
}

double IntSinhCos(double a, double L) {
  if (std::fabs(a) < kTiny) return 0.0;
  const double t = a * L;
  return SinhCoshCombination(std::sin(t), std::cos(t), t) / (2.0 * a);
}

double IntSinhSin(double a, double L) {
  if (std::fabs(a) < kTiny) return 0.0;
  const double t = a * L;
  return SinhCoshCombination(-std::cos(t), std::sin(t), t) / (2.0 * a);
}

double IntCos2(double a, double L) {
  if (std::fabs(a) < kTiny) return L;
  return (std::sin(a * L) * std::cos(a * L) + a * L) * 0.5 / a;
}

double IntSin2(double a, double L) {
  if (std::fabs(a) < kTiny) return 0.0;
  return (a * L - std::sin(a * L) * std::cos(a * L)) * 0.5 / a;
}

double IntSinCos(double a, double L) {
  if (std::fabs(a) < kTiny) return 0.0;
  const double s = std::sin(a * L);
  return s * s * 0.5 / a;
}

double IntHypTrigAB1(double a, double b, double L) {
  if (BothRatesVanish(a, b)) return 0.0;
  const ScaledRates r = Scale(a, b);
  const double s = std::sin(b * L), c = std::cos(b * L);
  return SinhCoshCombination(r.a * s, -r.b * c, a * L) / (r.d * r.scale);
}

double IntHypTrigAB2(double a, double b, double L) {
  if (a == b || BothRatesVanish(a, b)) return IntCoshCos(a, L);
  const ScaledRates r = Scale(a, b);
  const double s = std::sin(b * L), c = std::cos(b * L);
  return SinhCoshCombination(r.a * c, r.b * s, a * L) / (r.d * r.scale);
}

double IntHypTrigAB3(double a, double b, double L) {
  if (a == b || BothRatesVanish(a, b)) return IntSinhCos(a, L);
  const ScaledRates r = Scale(a, b);
  const double s = std::sin(b * L), c = std::cos(b * L);
  return SinhCoshCombination(r.b * s, r.a * c, a * L) / (r.d * r.scale);
}

double IntHypTrigAB4(double a, double b, double L) {
  if (a == b || BothRatesVanish(a, b)) return IntSinhSin(a, L);
  const ScaledRates r = Scale(a, b);
  const double s = std::sin(b * L), c = std::cos(b * L);
  return SinhCoshCombination(-r.b * c, r.a * s, a * L) / (r.d * r.scale);
}

double IntCosCos(double a, double b, double L) {
  if (std::fabs(a) == std::fabs(b)) return IntCos2(std::fabs(a), L);
  return HalfSinOver(a + b, L) + HalfSinOver(b - a, L);
}

double IntSinSin(double a, double b, double L) {
  if (a == b) return IntSin2(a, L);
  if (a == -b) return -IntSin2(std::fabs(a), L);
  return HalfSinOver(b - a, L) - HalfSinOver(a + b, L);
}

double IntSinCosAB(double a, double b, double L) {
  if (a == b || a == -b) return IntSinCos(a, L);
  return -0.5 * std::cos((a + b) * L) / GuardDenominator(a + b) +
         0.5 * std::cos((b - a) * L) / GuardDenominator(b - a);
}

double IntCosSinAB(double a, double b, double L) { return IntSinCosAB(b, a, L); }
