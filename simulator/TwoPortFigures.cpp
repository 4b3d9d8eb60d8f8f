// Two-port figures, circles and cascade of the port parameter matrix, and the conversions
// built on them (maximum gain, optimum reflections); the plain conversions do not use them.

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "basics/Saturate.h"
#include "simulator/PortMatrix.h"

namespace {

constexpr double kFloatMin = FLT_MIN;
constexpr double kFloatMax = FLT_MAX;

double Sq(double x) { return x * x; }

// Radii are kept in single precision; larger ones saturate instead of becoming infinite.
float ToRadius(double r) { return static_cast<float>(std::min(std::fabs(r), kFloatMax)); }

// The circle of centre c and radius r mapped by z = 1/y. A circle through the origin (or so
// close that the mapping overflows) goes to infinity; one that encloses the origin gets a
// negative radius.
struct Circle {
  Cmplx centre;
  double radius;
};

Circle Inverted(const Cmplx& c, double r) {
  const double d = Sq(c.Abs()) - Sq(r);
  if (!(std::fabs(d) > Cmplx::kZero))
    return Circle{Cmplx(PortMatrix::kHuge, 0.0), PortMatrix::kHuge};
  return Circle{c.Conj() / d, r / d};
}

}  // namespace

Cmplx PortMatrix::Delta() const {
  if (!IsScatteringTwoPort()) return Cmplx();
  return At(1, 1) * At(2, 2) - At(1, 2) * At(2, 1);
}

double PortMatrix::D1() const {
  if (!IsScatteringTwoPort()) return 0.0;
  return Sq(At(1, 1).Abs()) - Sq(Delta().Abs());
}

double PortMatrix::D2() const {
  if (!IsScatteringTwoPort()) return 0.0;
  return Sq(At(2, 2).Abs()) - Sq(Delta().Abs());
}

Cmplx PortMatrix::C1() const {
  if (!IsScatteringTwoPort()) return Cmplx();
  return At(1, 1) - Delta() * At(2, 2).Conj();
}

Cmplx PortMatrix::C2() const {
  if (!IsScatteringTwoPort()) return Cmplx();
  return At(2, 2) - Delta() * At(1, 1).Conj();
}

double PortMatrix::B1() const {
  if (!IsScatteringTwoPort()) return 0.0;
  return (1.0 - Sq(At(2, 2).Abs())) + D1();
}

double PortMatrix::B2() const {
  if (!IsScatteringTwoPort()) return 0.0;
  return (1.0 - Sq(At(1, 1).Abs())) + D2();
}

double PortMatrix::StabilityNumerator() const {
  return 1.0 - Sq(At(1, 1).Abs()) - Sq(At(2, 2).Abs()) + Sq(Delta().Abs());
}

double PortMatrix::StabilityFactorK() const {
  if (!IsScatteringTwoPort()) return 0.0;
  return StabilityNumerator() / Guarded(2.0 * (At(2, 1) * At(1, 2)).Abs());
}

double PortMatrix::MaxStableGain() const {
  if (n != 2 || (kind != kScattering && kind != kAdmittance)) return 1.0;
  return (At(2, 1) / At(1, 2)).Abs();
}

double PortMatrix::MaxAvailableGain() const {
  if (!IsScatteringTwoPort()) return 0.0;
  if (2.0 * (At(2, 1) * At(1, 2)).Abs() < kGuard) {
    // Unilateral: the limit of the general formula, which would give 0 times infinity.
    const double den = (1.0 - Sq(At(1, 1).Abs())) * (1.0 - Sq(At(2, 2).Abs()));
    return Sq(At(2, 1).Abs()) / Guarded(den);
  }
  const double k = StabilityFactorK();
  const double m = MaxStableGain();
  if (k < 1.0) return m;
  const double root = std::sqrt((k - 1.0) * (k + 1.0));
  // K - sqrt(K^2 - 1) written as its reciprocal form, which does not cancel for large K.
  return B1() >= 0.0 ? m / (k + root) : (k + root) * m;
}

double PortMatrix::MaxGain() const {
  if (!IsScatteringTwoPort()) return 0.0;
  return StabilityFactorK() < 1.0 ? MaxStableGain() : MaxAvailableGain();
}

Cmplx PortMatrix::GetInputReflection(const Cmplx& gl) const {
  if (!IsScatteringTwoPort()) return Cmplx();
  return At(1, 1) + At(1, 2) * At(2, 1) * gl / (Cmplx(1.0, 0.0) - At(2, 2) * gl);
}

Cmplx PortMatrix::GetOutputReflection(const Cmplx& gs) const {
  if (!IsScatteringTwoPort()) return Cmplx();
  return At(2, 2) + At(1, 2) * At(2, 1) * gs / (Cmplx(1.0, 0.0) - At(1, 1) * gs);
}

Cmplx PortMatrix::InputCircleCentre() const { return GetInputReflection(GetAt(2, 2).Conj()); }

Cmplx PortMatrix::OutputCircleCentre() const { return GetOutputReflection(GetAt(1, 1).Conj()); }

double PortMatrix::InputCircleRadius() const {
  if (!IsScatteringTwoPort()) return 0.0;
  const double den = 1.0 - Sq(At(2, 2).Abs());
  if (std::fabs(den) <= kFloatMin) return kFloatMax;
  return (At(1, 2) * At(2, 1)).Abs() / den;
}

double PortMatrix::OutputCircleRadius() const {
  if (!IsScatteringTwoPort()) return 0.0;
  const double den = 1.0 - Sq(At(1, 1).Abs());
  if (std::fabs(den) <= kFloatMin) return kFloatMax;
  return (At(1, 2) * At(2, 1)).Abs() / den;
}

double PortMatrix::GetSourceStabRadiusY() const {
  const double g = Guarded(GetAt(2, 2).re);
  return (GetAt(1, 2) * GetAt(2, 1)).Abs() / (2.0 * std::fabs(g));
}

Cmplx PortMatrix::GetSourceStabCenterY() const {
  const double g = Guarded(GetAt(2, 2).re);
  return GetAt(1, 2) * GetAt(2, 1) / (2.0 * g) - GetAt(1, 1);
}

double PortMatrix::GetLoadStabRadiusY() const {
  const double g = Guarded(GetAt(1, 1).re);
  return (GetAt(1, 2) * GetAt(2, 1)).Abs() / (2.0 * std::fabs(g));
}

Cmplx PortMatrix::GetLoadStabCenterY() const {
  const double g = Guarded(GetAt(1, 1).re);
  return GetAt(1, 2) * GetAt(2, 1) / (2.0 * g) - GetAt(2, 2);
}

double PortMatrix::GetSourceStabRadiusZ() const {
  return Inverted(GetSourceStabCenterY(), GetSourceStabRadiusY()).radius;
}

Cmplx PortMatrix::GetSourceStabCenterZ() const {
  return Inverted(GetSourceStabCenterY(), GetSourceStabRadiusY()).centre;
}

double PortMatrix::GetLoadStabRadiusZ() const {
  return Inverted(GetLoadStabCenterY(), GetLoadStabRadiusY()).radius;
}

Cmplx PortMatrix::GetLoadStabCenterZ() const {
  return Inverted(GetLoadStabCenterY(), GetLoadStabRadiusY()).centre;
}

CmplxRec PortMatrix::GetLoadStabilityCircle() const {
  if (!IsScatteringTwoPort()) return CmplxRec();
  const double d = D2();
  const Cmplx centre = C2().Conj() / d;
  const double radius = (At(1, 2) * At(2, 1) / d).Abs();
  return CmplxRec(centre, ToRadius(radius), radius < centre.Abs() ? 1 : 0);
}

CmplxRec PortMatrix::GetSourceStabilityCircle() const {
  if (!IsScatteringTwoPort()) return CmplxRec();
  const double d = D1();
  const Cmplx centre = C1().Conj() / d;
  const double radius = (At(1, 2) * At(2, 1) / d).Abs();
  return CmplxRec(centre, ToRadius(radius), radius < centre.Abs() ? 1 : 0);
}

CmplxRec PortMatrix::GainCircle(int g, const Cmplx& c, double d) const {
  if (!IsScatteringTwoPort()) return CmplxRec();
  // The normalised gain is formed in single precision; it saturates rather than overflows.
  const float num = std::pow(10.0f, static_cast<float>(g) / 10.0f);
  float gn = num / static_cast<float>(std::min(Guarded(Sq(At(2, 1).Abs())), kFloatMax));
  if (!(gn <= FLT_MAX)) gn = FLT_MAX;
  const double p = (At(1, 2) * At(2, 1)).Abs() * gn;
  const double den = 1.0 + gn * d;
  const Cmplx centre = c.Conj() * gn / den;
  // 2 K |S12 S21| is taken as K's numerator, which stays right for a unilateral two-port,
  // whose K is only a large stand-in. A gain above the reachable maximum has no circle; it
  // shrinks to its centre.
  const double radicand = std::max(1.0 - StabilityNumerator() * gn + p * p, 0.0);
  return CmplxRec(centre, ToRadius(std::sqrt(radicand) / Guarded(den)), g);
}

CmplxRec PortMatrix::LoadGainCircle(int g) const { return GainCircle(g, C2(), D2()); }

CmplxRec PortMatrix::SourceGainCircle(int g) const { return GainCircle(g, C1(), D1()); }

void PortMatrix::GetGainCircles(CmplxRecVektor& out, int count, bool load) const {
  out = CmplxRecVektor(count);
  // A gain that is not positive (or not a number) counts as the smallest one, so the level
  // stays finite.
  const double gmax = MaxGain();
  const double g = gmax > Cmplx::kZero ? std::min(gmax, DBL_MAX) : Cmplx::kZero;
  const double top = std::floor(10.0 * std::log10(g));
  for (int i = 0; i < out.GetSize(); ++i) {
    const int level = TruncToInt32(top - i);
    out[i] = load ? LoadGainCircle(level) : SourceGainCircle(level);
  }
}

void PortMatrix::GetLoadGainCircles(CmplxRecVektor& out, int count) const {
  GetGainCircles(out, count, true);
}

void PortMatrix::GetSourceGainCircles(CmplxRecVektor& out, int count) const {
  GetGainCircles(out, count, false);
}

Cmplx PortMatrix::OptimumReflection(double b, const Cmplx& c) {
  const double c2 = Sq(c.Abs());
  const double d = b * b - 4.0 * c2;
  const Cmplx t = c.Conj() / (2.0 * c2);
  if (d > 0.0) {
    const double w = std::sqrt(d);
    return t * (b <= 0.0 ? b + w : b - w);
  }
  const Cmplx jwt = Cmplx(0.0, 1.0) * (t * std::sqrt(-d));
  return b > 0.0 ? t * b - jwt : t * b + jwt;
}

Cmplx PortMatrix::OptimumSourceReflection() const {
  if (!IsScatteringTwoPort()) return Cmplx();
  return OptimumReflection(B1(), C1());
}

Cmplx PortMatrix::OptimumLoadReflection() const {
  if (!IsScatteringTwoPort()) return Cmplx();
  return OptimumReflection(B2(), C2());
}

Cmplx PortMatrix::CircleFigure(const Cmplx& c, double r) {
  const double m2 = Sq(c.Abs());
  double d = Sq(1.0 - m2);
  if (std::fabs(d) < kFloatMin) d = kFloatMin;
  const double r2 = r * r;
  const double u = 2.0 * r2 * (1.0 + m2) / d;
  const double w = 1.0 + r2 * r2 / d;
  const Cmplx q = w > u ? Cmplx(std::sqrt(w - u), 0.0) : Cmplx(0.0, std::sqrt(u - w));
  return c.Conj() * 0.5 * (q + 1.0) + (Cmplx(1.0, 0.0) - q - r2) / (c * 2.0);
}

PortMatrix PortMatrix::ConvertToM(float z01, float z02) const {
  return ConvertToS(z01, z02).MaxGainMatrix();
}

PortMatrix PortMatrix::MaxGainMatrix() const {
  PortMatrix m(n);
  m.kind = kMaxGain;
  if (n == 1) {
    m.At(1, 1) = 1.0;
  } else if (n == 2) {
    const double g = MaxGain();
    m.At(1, 1) = 1.0;
    m.At(1, 2) = 1.0 / Guarded(g);
    m.At(2, 1) = g;
    m.At(2, 2) = 1.0;
  }
  return m;
}

PortMatrix PortMatrix::ConvertToR(float z01, float z02) const {
  return ConvertToS(z01, z02).OptimumReflectionMatrix();
}

PortMatrix PortMatrix::OptimumReflectionMatrix() const {
  PortMatrix r(n);
  r.kind = kOptimumReflection;
  if (n == 1) {
    r.At(1, 1) = At(1, 1).Conj();
  } else if (n == 2) {
    r.At(1, 1) = OptimumSourceReflection();
    r.At(2, 2) = OptimumLoadReflection();
    r.At(1, 2) = CircleFigure(InputCircleCentre(), InputCircleRadius());
    r.At(2, 1) = CircleFigure(OutputCircleCentre(), OutputCircleRadius());
  }
  return r;
}

void PortMatrix::Cascade(const PortMatrix& other) {
  if (n != 2 || other.n != 2) return;
  const Cmplx a11 = At(1, 1), a12 = At(1, 2), a21 = At(2, 1), a22 = At(2, 2);
  const Cmplx b11 = other.At(1, 1), b12 = other.At(1, 2), b21 = other.At(2, 1),
              b22 = other.At(2, 2);
  Cmplx d = a22 + b11;
  if (d.Abs() < kGuard) d = Cmplx(1e-10, 0.0);
  At(1, 1) = a11 - a12 * a21 / d;
  At(1, 2) = -a12 * b12 / d;
  At(2, 1) = -a21 * b21 / d;
  At(2, 2) = b22 - b12 * b21 / d;
  kind = kAdmittance;
}
