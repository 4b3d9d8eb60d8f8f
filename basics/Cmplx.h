#pragma once
// The complex number of the whole system: admittances, port parameters, spectra.
// Arithmetic never fails; division by zero and the reciprocal of zero give fixed large values
// so that a degenerate network point still yields numbers the diagrams can draw.

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace pf {
class Archive;
}

class Cmplx {
 public:
  // Magnitudes below the smallest normal double count as zero.
  static constexpr double kZero = 2.2250738585072014e-308;
  // Both parts of a division by a real zero: 0.7 times the largest float.
  static constexpr double kRealDivOverflow = 2.381976426469702e38;
  // Real part of the reciprocal of zero: the largest float.
  static constexpr double kInverseOfZero = 3.4028234663852886e38;

  double re = 0.0;
  double im = 0.0;

  constexpr Cmplx() = default;
  constexpr Cmplx(double real, double imag) : re(real), im(imag) {}

  // Takes ints as well; the imaginary part becomes 0.
  Cmplx& operator=(double value) {
    re = value;
    im = 0.0;
    return *this;
  }

  // Compound operators return a copy of the new value. Inline: the element admittances and
  // the stamping take them at every point.
  Cmplx operator+=(const Cmplx& b) {
    re += b.re;
    im += b.im;
    return *this;
  }
  Cmplx operator-=(const Cmplx& b) {
    re -= b.re;
    im -= b.im;
    return *this;
  }
  Cmplx operator*=(const Cmplx& b) {
    const double r = re * b.re - im * b.im;
    im = re * b.im + im * b.re;
    re = r;
    return *this;
  }
  Cmplx operator/=(const Cmplx& b) { return *this *= b.Inverse(); }
  // Real part only.
  Cmplx operator+=(double d) {
    re += d;
    return *this;
  }
  // Real part only.
  Cmplx operator-=(double d) {
    re -= d;
    return *this;
  }
  Cmplx operator*=(double d) {
    re *= d;
    im *= d;
    return *this;
  }
  // |d| at or below kZero sets both parts to +-kRealDivOverflow, the sign taken from d alone.
  Cmplx operator/=(double d);

  Cmplx operator+(const Cmplx& b) const { return Cmplx(*this) += b; }
  Cmplx operator-(const Cmplx& b) const { return Cmplx(*this) -= b; }
  Cmplx operator*(const Cmplx& b) const { return Cmplx(*this) *= b; }
  Cmplx operator/(const Cmplx& b) const { return Cmplx(*this) /= b; }
  Cmplx operator+(double d) const { return Cmplx(*this) += d; }
  Cmplx operator-(double d) const { return Cmplx(*this) -= d; }
  Cmplx operator*(double d) const { return Cmplx(*this) *= d; }
  Cmplx operator/(double d) const { return Cmplx(*this) /= d; }
  Cmplx operator-() const { return Cmplx(-re, -im); }

  double Abs() const {
    if (re == 0.0 && im == 0.0) return 0.0;
    const double ar = std::fabs(re);
    const double ai = std::fabs(im);
    if (ai > ar) {
      const double q = re / im;
      return ai * std::sqrt(1.0 + q * q);
    }
    const double q = im / re;
    return ar * std::sqrt(1.0 + q * q);
  }
  Cmplx Conj() const { return Cmplx(re, -im); }
  // (kInverseOfZero, 0) when the magnitude is at or below kZero.
  Cmplx Inverse() const {
    const double m = Abs();
    if (!(m > kZero)) return Cmplx(kInverseOfZero, 0.0);
    const double m2 = m * m;
    if (m2 >= kZero && m2 <= DBL_MAX) return Cmplx(re / m2, -im / m2);
    return ScaledInverse(m);
  }
  bool IsReal() const;
  // Degrees in -180..180 with the factor 57.296.
  double PhaseDeg() const;
  // 20 log10 |z|, or -200 at or below 1e-10.
  double Db() const;

  // re then im, each an 8-byte double.
  void Serialize(pf::Archive& ar);

 private:
  // The reciprocal when |z|^2 would overflow or underflow.
  Cmplx ScaledInverse(double magnitude) const;
};

static_assert(sizeof(Cmplx) == 16);

Cmplx CmplxExp(const Cmplx& z);
Cmplx CmplxCosh(const Cmplx& z);
Cmplx CmplxSinh(const Cmplx& z);

// A circle in the complex plane: stability and gain circles of a two-port.
struct CmplxRec {
  Cmplx value;  // centre
  float radius = 0.0f;
  int32_t flag = 1;

  CmplxRec() = default;
  // Stores |radius|; a bool flag is widened to 0 or 1.
  CmplxRec(const Cmplx& centre, float r, int32_t f);
};
