#include "basics/Cmplx.h"

#include <cfloat>
#include <cmath>

#include "pf/archive.h"

Cmplx Cmplx::operator/=(double d) {
  if (std::fabs(d) > kZero) {
    re /= d;
    im /= d;
  } else {
    re = im = (d < 0.0 ? -1.0 : 1.0) * kRealDivOverflow;
  }
  return *this;
}

// Divides twice by the magnitude instead of once by its square.
Cmplx Cmplx::ScaledInverse(double m) const { return Cmplx(re / m / m, -im / m / m); }

bool Cmplx::IsReal() const { return std::fabs(im) < kZero; }

double Cmplx::PhaseDeg() const {
  if (Abs() == 0.0) return 0.0;
  if (re == 0.0) return im < 0.0 ? -90.0 : (im > 0.0 ? 90.0 : 0.0);
  const double deg = std::atan(im / re) * 57.296;
  if (!(re < 0.0)) return deg;
  if (im < 0.0) return deg - 180.0;
  if (im > 0.0) return deg + 180.0;
  return 180.0;
}

double Cmplx::Db() const {
  const double m = Abs();
  return m <= 1e-10 ? -200.0 : 20.0 * std::log10(m);
}

void Cmplx::Serialize(pf::Archive& ar) {
  if (ar.IsStoring())
    ar << re << im;
  else
    ar >> re >> im;
}

Cmplx CmplxExp(const Cmplx& z) {
  const double e = std::exp(z.re);
  return Cmplx(e * std::cos(z.im), e * std::sin(z.im));
}

Cmplx CmplxCosh(const Cmplx& z) { return (CmplxExp(z) + CmplxExp(-z)) * 0.5; }

Cmplx CmplxSinh(const Cmplx& z) { return (CmplxExp(z) - CmplxExp(-z)) * 0.5; }

CmplxRec::CmplxRec(const Cmplx& centre, float r, int32_t f)
    : value(centre), radius(std::fabs(r)), flag(f) {}
