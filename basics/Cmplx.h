#pragma once
// The complex number of the whole system: admittances, port parameters, spectra.
// Arithmetic never fails; division by zero and the reciprocal of zero give fixed large values
// so that a degenerate network point still yields numbers the diagrams can draw.

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

  // Compound operators return a copy of the new value.
  Cmplx operator+=(const Cmplx& b);
  Cmplx operator-=(const Cmplx& b);
  Cmplx operator*=(const Cmplx& b);
  Cmplx operator/=(const Cmplx& b);
  Cmplx operator+=(double d);  // real part only
  Cmplx operator-=(double d);  // real part only
  Cmplx operator*=(double d);
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

  double Abs() const;
  Cmplx Conj() const { return Cmplx(re, -im); }
  // (kInverseOfZero, 0) when the magnitude is at or below kZero.
  Cmplx Inverse() const;
  bool IsReal() const;
  // Degrees in -180..180 with the factor 57.296.
  double PhaseDeg() const;
  // 20 log10 |z|, or -200 at or below 1e-10.
  double Db() const;

  // re then im, each an 8-byte double.
  void Serialize(pf::Archive& ar);
};

static_assert(sizeof(Cmplx) == 16);

// Angle in degrees, converted with the factor 0.0174533.
Cmplx CmplxPolar(double magnitude, double degrees);
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
