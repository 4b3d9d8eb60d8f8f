#include "simulator/PortMatrix.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>


// Also keeps a reference resistance of zero from giving infinite terminations.
double PortMatrix::Guarded(double d) { return std::fabs(d) < kGuard ? kGuard : d; }

Cmplx PortMatrix::Guarded(const Cmplx& d) { return d.Abs() < kGuard ? Cmplx(kGuard, 0.0) : d; }

void PortMatrix::Allocate(int order) {
  delete[] entries;
  entries = nullptr;
  n = 0;
  if (order <= 0) return;
  const size_t count = static_cast<size_t>(order) * static_cast<size_t>(order);
  entries = new (std::nothrow) Cmplx[count]();
  if (entries) n = order;
}

PortMatrix::PortMatrix(int order, const Cmplx* values) {
  Allocate(order);
  if (values) std::copy(values, values + n * n, entries);
}

PortMatrix::PortMatrix(const PortMatrix& other) : kind(other.kind) {
  Allocate(other.n);
  std::copy(other.entries, other.entries + n * n, entries);
}

PortMatrix& PortMatrix::operator=(const PortMatrix& other) {
  if (this == &other) return *this;
  if (n < other.n) {
    Allocate(other.n);
    if (n < other.n) return *this;  // allocation failed: empty
  }
  kind = other.kind;
  n = other.n;
  std::copy(other.entries, other.entries + n * n, entries);
  return *this;
}

bool PortMatrix::IsFinite() const {
  return std::all_of(entries, entries + n * n, [](const Cmplx& z) {
    return std::isfinite(z.re) && std::isfinite(z.im);
  });
}

void PortMatrix::Clear() { std::fill(entries, entries + n * n, Cmplx()); }

void PortMatrix::Scale(float factor) {
  for (int i = 0; i < n * n; ++i) entries[i] *= factor;
}

Cmplx PortMatrix::Determinant() const {
  switch (n) {
    case 1: return At(1, 1);
    case 2: return At(1, 1) * At(2, 2) - At(1, 2) * At(2, 1);
    case 3:
      return At(1, 1) * (At(2, 2) * At(3, 3) - At(2, 3) * At(3, 2)) -
             At(1, 2) * (At(2, 1) * At(3, 3) - At(2, 3) * At(3, 1)) +
             At(1, 3) * (At(2, 1) * At(3, 2) - At(2, 2) * At(3, 1));
    default: return Cmplx();
  }
}

PortMatrix PortMatrix::Inverse() const {
  if (n == 3) return GeneralInverse3();
  PortMatrix c(n);
  if (n == 1) {
    c.At(1, 1) = At(1, 1).Inverse();
  } else if (n == 2) {
    InvertTwoPortInto(c, Determinant());
  }
  return c;
}

void PortMatrix::InvertTwoPortInto(PortMatrix& target, const Cmplx& d) const {
  target.At(1, 1) = At(2, 2) / d;
  target.At(1, 2) = -At(1, 2) / d;
  target.At(2, 1) = -At(2, 1) / d;
  target.At(2, 2) = At(1, 1) / d;
}

PortMatrix PortMatrix::GeneralInverse3() const {
  const Cmplx d = Determinant();
  PortMatrix c(3);
  // Cofactors: entry (i, j) of the inverse is the cofactor of (j, i) over the determinant.
  c.At(1, 1) = (At(2, 2) * At(3, 3) - At(2, 3) * At(3, 2)) / d;
  c.At(1, 2) = (At(1, 3) * At(3, 2) - At(1, 2) * At(3, 3)) / d;
  c.At(1, 3) = (At(1, 2) * At(2, 3) - At(1, 3) * At(2, 2)) / d;
  c.At(2, 1) = (At(2, 3) * At(3, 1) - At(2, 1) * At(3, 3)) / d;
  c.At(2, 2) = (At(1, 1) * At(3, 3) - At(1, 3) * At(3, 1)) / d;
  c.At(2, 3) = (At(1, 3) * At(2, 1) - At(1, 1) * At(2, 3)) / d;
  c.At(3, 1) = (At(2, 1) * At(3, 2) - At(2, 2) * At(3, 1)) / d;
  c.At(3, 2) = (At(1, 2) * At(3, 1) - At(1, 1) * At(3, 2)) / d;
  c.At(3, 3) = (At(1, 1) * At(2, 2) - At(1, 2) * At(2, 1)) / d;
  return c;
}

void PortMatrix::CopyWithout(const PortMatrix& source, int k) {
  if (&source == this) {
    const PortMatrix copy(source);
    CopyWithout(copy, k);
    return;
  }
  const int order = std::max(source.n - 1, 0);
  if (n != order) Allocate(order);
  for (int i = 0; i < n; ++i) {
    const int si = i < k ? i : i + 1;
    for (int j = 0; j < n; ++j) {
      const int sj = j < k ? j : j + 1;
      entries[i * n + j] = source.entries[si * source.n + sj];
    }
  }
}

void PortMatrix::GetRowWithout(Cmplx* out, int k) const {
  if (k < 0 || k >= n) return;
  for (int j = 0; j < n; ++j)
    if (j != k) *out++ = entries[k * n + j];
}

namespace {
// What FloatWert(value) holds, "%10.4g" without its leading blanks: to_chars with a precision
// prints as printf does, several times faster. Returns the end of the text.
char* PrintFourDigits(char* at, char* end, double value) {
  return std::to_chars(at, end, value, std::chars_format::general, 4).ptr;
}
}  // namespace

MyStrng PortMatrix::ToText() const {
  static constexpr int kOrder[4][2] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}};
  const int count = n > 1 ? 4 : 1;
  // Eight numbers of at most 11 characters ("-1.234e-308") and their tabs.
  char text[128];
  char* const end = text + sizeof text - 1;
  char* at = text;
  for (int e = 0; e < count; ++e) {
    const Cmplx z = GetAt(kOrder[e][0], kOrder[e][1]);
    if (e > 0) *at++ = '\t';
    at = PrintFourDigits(at, end, z.Abs());
    *at++ = '\t';
    at = PrintFourDigits(at, end, z.PhaseDeg());
  }
  *at = '\0';
  return MyStrng(text);
}

void PortMatrix::AddToFirst(const Cmplx& y) {
  if (n >= 1) At(1, 1) += y;
}

void PortMatrix::AddToLast(const Cmplx& y) {
  if (n >= 1) At(n, n) += y;
}

void PortMatrix::AddAcross(const Cmplx& y) {
  if (n == 1) {
    At(1, 1) += y;
  } else if (n == 2) {
    At(1, 1) += y;
    At(2, 2) += y;
    At(1, 2) -= y;
    At(2, 1) -= y;
  }
}

void PortMatrix::AddSeriesAtPort(int p, const Cmplx& z) {
  if (n == 1) {
    At(1, 1) = (z + At(1, 1).Inverse()).Inverse();
  } else if (n == 2) {
    const int q = 3 - p;
    const Cmplx d = Guarded(z * At(p, p) + 1.0);
    const Cmplx ypp = At(p, p) / d;
    const Cmplx ypq = At(p, q) / d;
    At(q, q) -= At(q, p) * ypq * z;
    At(q, p) -= At(q, p) * ypp * z;
    At(p, p) = ypp;
    At(p, q) = ypq;
  }
}

void PortMatrix::AddCommonImpedance(const Cmplx& z) {
  if (n == 1) {
    At(1, 1) = (z + At(1, 1).Inverse()).Inverse();
  } else if (n == 2) {
    const Cmplx y11 = At(1, 1), y12 = At(1, 2), y21 = At(2, 1), y22 = At(2, 2);
    const Cmplx s = z * (y11 + y21);
    const Cmplx r = z * (y12 + y22);
    const Cmplx p = s + 1.0;
    const Cmplx q = r + 1.0;
    const Cmplx d = Guarded(p * q - s * r);
    At(1, 1) = (y11 * q - y12 * s) / d;
    At(1, 2) = (y12 * p - y11 * r) / d;
    At(2, 1) = (y21 * q - y22 * s) / d;
    At(2, 2) = (y22 * p - y21 * r) / d;
  }
}

Cmplx PortMatrix::VoltageGain21(const Cmplx& yl) const {
  return -GetAt(2, 1) / Guarded(GetAt(2, 2) + yl);
}

Cmplx PortMatrix::VoltageGain12(const Cmplx& ys) const {
  return -GetAt(1, 2) / Guarded(GetAt(1, 1) + ys);
}

// y11 - y12 y21 / (y22 + yl) written over one denominator: a through's huge conductances
// then cancel inside the determinant, where equal products leave exactly 0.
Cmplx PortMatrix::InputAdmittance(const Cmplx& yl) const {
  if (!IsTwoPort()) return GetAt(1, 1);
  return (TwoPortDeterminant(At(1, 1), At(1, 2), At(2, 1), At(2, 2)) + At(1, 1) * yl) /
         Guarded(At(2, 2) + yl);
}

Cmplx PortMatrix::OutputAdmittance(const Cmplx& ys) const {
  if (!IsTwoPort()) return GetAt(2, 2);
  return (TwoPortDeterminant(At(1, 1), At(1, 2), At(2, 1), At(2, 2)) + At(2, 2) * ys) /
         Guarded(At(1, 1) + ys);
}

Cmplx PortMatrix::TwoPortDeterminant(const Cmplx& a11, const Cmplx& a12, const Cmplx& a21,
                                     const Cmplx& a22) {
  const Cmplx diagonal = a11 * a22;
  const Cmplx cross = a12 * a21;
  const Cmplx d = diagonal - cross;
  return d.Abs() <= kCancellation * (diagonal.Abs() + cross.Abs()) ? Cmplx() : d;
}

// S = (1 - b)(1 + b)^-1 with b = diag(Z01, Z02) Y; Delta = 1 + b11 + b22 + det b, and the
// transmissions carry the square roots of the reference ratio. Nothing large is subtracted
// but inside the determinant, so a through of any conductance gives S21 = 1. Every term is
// divided by u^2, u a power of two at least the largest |b_ij|, so huge entries neither
// overflow nor lose a bit to the scaling; entries up to 1 are left as they are.
PortMatrix PortMatrix::ConvertToS(float z01, float z02) const {
  PortMatrix s(n);
  s.kind = kScattering;
  const double r1 = Guarded(z01);
  const double r2 = Guarded(z02);
  if (n == 1) {
    const Cmplx t = At(1, 1) * r1;
    s.At(1, 1) = (Cmplx(1.0, 0.0) - t) / Guarded(t + 1.0);
    return s;
  }
  if (n != 2) return s;
  const double largest = std::max({(At(1, 1) * r1).Abs(), (At(1, 2) * r1).Abs(),
                                   (At(2, 1) * r2).Abs(), (At(2, 2) * r2).Abs()});
  int exponent = 0;
  if (largest > 1.0 && std::isfinite(largest)) std::frexp(largest, &exponent);
  const auto scaled = [exponent](const Cmplx& y, double r) {
    const Cmplx b = y * r;
    return Cmplx(std::ldexp(b.re, -exponent), std::ldexp(b.im, -exponent));
  };
  const Cmplx b11 = scaled(At(1, 1), r1), b12 = scaled(At(1, 2), r1);
  const Cmplx b21 = scaled(At(2, 1), r2), b22 = scaled(At(2, 2), r2);
  const double w = std::ldexp(1.0, -exponent);
  const Cmplx det = TwoPortDeterminant(b11, b12, b21, b22);
  Cmplx delta = det + (b11 + b22) * w + w * w;
  // The guard applies to the unscaled Delta.
  if (std::ldexp(delta.Abs(), 2 * exponent) < kGuard) delta = Cmplx(w * w * kGuard, 0.0);
  s.At(1, 1) = (Cmplx(w * w, 0.0) + (b22 - b11) * w - det) / delta;
  s.At(2, 2) = (Cmplx(w * w, 0.0) + (b11 - b22) * w - det) / delta;
  // The resistance ratios are formed in single precision. Subtracting from zero keeps the
  // zero imaginary part of a real transmission positive, so the table shows 0 degrees, not -0.
  const auto f1 = static_cast<float>(std::fabs(r1)), f2 = static_cast<float>(std::fabs(r2));
  s.At(2, 1) = (Cmplx() - b21 * (2.0 * w * std::sqrt(f1 / f2))) / delta;
  s.At(1, 2) = (Cmplx() - b12 * (2.0 * w * std::sqrt(f2 / f1))) / delta;
  return s;
}

PortMatrix PortMatrix::ConvertToZ() const {
  PortMatrix z(n);
  z.kind = kImpedance;
  if (n == 1) {
    z.At(1, 1) = At(1, 1).Abs() > kGuard ? At(1, 1).Inverse() : Cmplx(kHuge, 0.0);
  } else if (n == 2) {
    InvertTwoPortInto(z, Guarded(TwoPortDeterminant(At(1, 1), At(1, 2), At(2, 1), At(2, 2))));
  }
  return z;
}

PortMatrix PortMatrix::ConvertToK() const {
  PortMatrix k(n);
  k.kind = kStability;
  if (n == 1) {
    k.At(1, 1) = 1.0;
  } else if (n == 2) {
    const Cmplx p = At(1, 2) * At(2, 1);
    const double mag = p.Abs();
    const double factor = mag > kGuard ? (2.0 * At(1, 1).re * At(2, 2).re - p.re) / mag : kHuge;
    for (int i = 0; i < 4; ++i) k.entries[i] = factor;
  }
  return k;
}

PortMatrix PortMatrix::ConvertToV(float z01, float z02) const {
  PortMatrix v(n);
  v.kind = kVoltageGain;
  if (n == 1) {
    v.At(1, 1) = 1.0;
  } else if (n == 2) {
    v.At(1, 1) = 1.0;
    v.At(2, 2) = 1.0;
    v.At(2, 1) = VoltageGain21(Cmplx(1.0 / Guarded(z02), 0.0));
    v.At(1, 2) = VoltageGain12(Cmplx(1.0 / Guarded(z01), 0.0));
  }
  return v;
}
