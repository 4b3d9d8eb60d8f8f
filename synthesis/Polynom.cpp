#include "synthesis/Polynom.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <new>
#include <utility>

#include "basics/SpecialFunctions.h"

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kInfiniteImpedance = 1e36;

}  // namespace

void PolynomDefaultErrorHook(const char* message) {
  std::cout << "Polynomklasse: " << message << '\n';
}

void Polynom::ReportError(const char* message) {
  errorFlag = 1;
  if (errorHook) errorHook(message);
}

void Polynom::ResetErrorState() {
  errorHook = PolynomDefaultErrorHook;
  errorFlag = 0;
  zeroLimit = 1e-8;
}

bool Polynom::Allocate(int32_t n, const char* failure) {
  delete[] coeff;
  coeff = nullptr;
  count = 0;
  if (n <= 0) return true;
  if (n <= kMaxCount) coeff = new (std::nothrow) double[static_cast<size_t>(n)]();
  if (coeff == nullptr) {
    ReportError(failure);
    return false;
  }
  count = n;
  return true;
}

bool Polynom::Grow(int32_t n, const char* failure) {
  if (n <= count) return true;
  Polynom old(std::move(*this));
  if (!Allocate(n, failure)) return false;
  std::copy(old.coeff, old.coeff + old.count, coeff);
  return true;
}

Polynom::Polynom() {
  if (Allocate(1, "Default Konstruktur: Kein Speicher zugewiesen")) coeff[0] = 1.0;
}

Polynom::Polynom(int32_t n) {
  if (n < 1) {
    ReportError("Polynom muß größer als 0 sein");
    return;
  }
  Allocate(n, "Konstruktor n: Kein Speicher zugewiesen");
}

Polynom::Polynom(double a0, double a1) {
  if (!Allocate(2, "Konstruktor 2: Kein Speicher zugewiesen")) return;
  coeff[0] = a0;
  coeff[1] = a1;
}

Polynom::Polynom(double a0, double a1, double a2) {
  if (!Allocate(3, "Konstruktor 3: Kein Speicher zugewiesen")) return;
  coeff[0] = a0;
  coeff[1] = a1;
  coeff[2] = a2;
}

Polynom::Polynom(const Polynom& other) {
  if (Allocate(other.count, "Copy-Konstruktor: Kein Speicher zugewiesen")) {
    std::copy(other.coeff, other.coeff + count, coeff);
  }
}

Polynom& Polynom::operator=(const Polynom& other) {
  if (this != &other && Allocate(other.count, "Operator=: Kein Speicher zugewiesen")) {
    std::copy(other.coeff, other.coeff + count, coeff);
  }
  return *this;
}

Polynom::Polynom(Polynom&& other) noexcept
    : coeff(std::exchange(other.coeff, nullptr)), count(std::exchange(other.count, 0)) {}

Polynom& Polynom::operator=(Polynom&& other) noexcept {
  std::swap(coeff, other.coeff);
  std::swap(count, other.count);
  return *this;
}

double Polynom::operator[](int32_t i) const {
  if (i >= 0 && i < count) return coeff[i];
  ReportError("ungültiger Index");
  return 0.0;
}

void Polynom::SetAt(int32_t i, const double& v) {
  if (i >= 0 && i < count) coeff[i] = v;
}

Polynom& Polynom::operator*=(const double& c) {
  for (int32_t i = 0; i < count; ++i) coeff[i] *= c;
  return *this;
}

Polynom Polynom::operator*(const double& c) const {
  Polynom r(*this);
  return r *= c;
}

Polynom& Polynom::Accumulate(const Polynom& b, double sign, const char* failure) {
  if (!Grow(b.count, failure)) return *this;
  for (int32_t i = 0; i < b.count; ++i) coeff[i] += sign * b.coeff[i];
  return *this;
}

Polynom& Polynom::operator+=(const Polynom& b) {
  return Accumulate(b, 1.0, "Operator:+= Kein Speicher zugewiesen");
}

Polynom& Polynom::operator-=(const Polynom& b) {
  return Accumulate(b, -1.0, "Operator-=: Kein Speicher zugewiesen");
}

Polynom Polynom::operator+(const Polynom& b) const {
  Polynom r(*this);
  return r += b;
}

Polynom Polynom::operator-(const Polynom& b) const {
  Polynom r(*this);
  return r -= b;
}

Polynom Polynom::operator*(const Polynom& b) const {
  Polynom r = *this * b[0];
  for (int32_t i = 1; i < b.count; ++i) r += Shift(i) * b[i];
  return r;
}

Polynom Polynom::Shift(int32_t k) const {
  if (k < 1) return Polynom(0);
  const int64_t n = int64_t{count} + k;
  Polynom r(n > kMaxCount ? kMaxCount + 1 : static_cast<int32_t>(n));
  if (r.count == 0) return r;
  std::copy(coeff, coeff + count, r.coeff + k);
  return r;
}

Polynom Polynom::DivideByXMinus1() const {
  Polynom q(count - 1);
  // Synthetic division from the top: q[i - 1] = a[i] + q[i].
  double carry = 0.0;
  for (int32_t i = q.count; i >= 1; --i) {
    carry += coeff[i];
    q.coeff[i - 1] = carry;
  }
  return q;
}

void Polynom::DivideByX() {
  if (count == 0) return;
  std::copy(coeff + 1, coeff + count, coeff);
  coeff[count - 1] = 0.0;
}

double Polynom::Evaluate(double x) const {
  double sum = 0.0;
  double power = 1.0;
  for (int32_t i = 0; i < count; ++i) {
    sum += coeff[i] * power;
    power *= x;
  }
  return sum;
}

int32_t Polynom::Degree() const {
  for (int32_t i = count - 1; i >= 0; --i) {
    if (coeff[i] != 0.0) return i;
  }
  return -1;
}

void Polynom::MulRoot(double r) {
  const Polynom factor(-r, 1.0);
  *this = count == 0 ? factor : *this * factor;
}

void Polynom::MulConjugatePair(double re, double im) {
  const Polynom factor(re * re + im * im, -2.0 * re, 1.0);
  *this = count == 0 ? factor : *this * factor;
}

Cmplx ButterworthPole(int32_t k, int32_t n) {
  const double angle = kPi * (n + 2 * k - 1) / (2.0 * n);
  return Cmplx(std::cos(angle), std::sin(angle));
}

Cmplx ChebyshevPole(int32_t k, int32_t n, double epsilon) {
  const double theta = (2 * k - 1) * kPi / (2.0 * n);
  const double v = Asinh(1.0 / epsilon) / n;
  return Cmplx(-std::sinh(v) * std::sin(theta), std::cosh(v) * std::cos(theta));
}

Cmplx ChebyshevZero(int32_t k, int32_t n) {
  return Cmplx(0.0, std::cos((2 * k - 1) * kPi / (2.0 * n)));
}

double PolynomBruch::Evaluate(double x) const {
  const double d = den.Evaluate(x);
  return d == 0.0 ? kInfiniteImpedance : num.Evaluate(x) / d;
}

PolynomBruch PolynomBruch::operator-(const Polynom& p) const {
  return PolynomBruch(num - den * p, den);
}

void PolynomBruch::SetButterworth(int32_t n) {
  Polynom p;
  for (int32_t k = 1; k <= n / 2; ++k) {
    const Cmplx pole = ButterworthPole(k, n);
    p.MulConjugatePair(pole.re, pole.im);
  }
  if (n % 2 != 0) p.MulRoot(-1.0);
  Polynom q;
  for (int32_t k = 0; k < n; ++k) q.MulRoot(0.0);
  num = p + q;
  den = p - q;
}

void PolynomBruch::SetChebyshev(int32_t n, double epsilon) {
  Polynom p;
  for (int32_t k = 1; k <= n / 2; ++k) {
    const Cmplx pole = ChebyshevPole(k, n, epsilon);
    p.MulConjugatePair(pole.re, pole.im);
  }
  if (n % 2 != 0) p.MulRoot(ChebyshevPole(n / 2 + 1, n, epsilon).re);
  Polynom q;
  for (int32_t k = 1; k <= n / 2; ++k) q.MulConjugatePair(0.0, ChebyshevZero(k, n).im);
  if (n % 2 != 0) q.MulRoot(0.0);
  num = p + q;
  den = p - q;
}

void PolynomBruch::Normalise() {
  bool negative = false;
  for (Polynom* p : {&num, &den}) {
    for (int32_t i = 0; i < p->GetCount(); ++i) {
      if (std::fabs((*p)[i]) < Polynom::zeroLimit) p->SetAt(i, 0.0);
      if (p == &num && (*p)[i] < 0.0) negative = true;
    }
  }
  if (negative) {
    num *= -1.0;
    den *= -1.0;
  }
  // An all-zero fraction would be divided by x for ever.
  while (num[0] == 0.0 && den[0] == 0.0 && (num.Degree() >= 0 || den.Degree() >= 0)) {
    num.DivideByX();
    den.DivideByX();
  }
}

void PolynomBruch::Invert() { std::swap(num, den); }

double PolynomBruch::ExtractSeriesPole() {
  const int32_t dn = num.Degree();
  const int32_t dd = den.Degree();
  if (dn <= dd) return 0.0;
  const double c = num[dn] / den[dd];
  *this = *this - Polynom(0.0, c);
  return c;
}

double PolynomBruch::ExtractShuntPole() {
  if (den.Degree() <= num.Degree()) return 0.0;
  Invert();
  const double c = ExtractSeriesPole();
  Invert();
  return c;
}

double PolynomBruch::ExtractUnitElement() {
  const double z1 = Evaluate(1.0);
  const double z2 = Evaluate(-1.0);
  if (z1 == z2) return z1;
  RemoveUnitElement(z1);
  return z1;
}

void PolynomBruch::RemoveUnitElement(double z) {
  const Polynom x(0.0, 1.0);
  const Polynom n2 = (num - x * den * z) * z;
  const Polynom d2 = den * z - x * num;
  // Both vanish at x = 1 up to rounding, of either sign.
  if (std::fabs(n2.Evaluate(1.0)) < Polynom::zeroLimit &&
      std::fabs(d2.Evaluate(1.0)) < Polynom::zeroLimit) {
    num = n2.DivideByXMinus1();
    den = d2.DivideByXMinus1();
  } else {
    num = Polynom();
    den = Polynom();
  }
}

Polynom PolynomBruch::CauerExpand() {
  const int32_t n = num.Degree();
  Polynom g(n);
  int32_t next = 0;
  for (int32_t i = 0; i < n / 2; ++i) {
    g.SetAt(next++, ExtractSeriesPole());
    Normalise();
    g.SetAt(next++, ExtractShuntPole());
    Normalise();
  }
  if (n % 2 != 0) g.SetAt(next, ExtractSeriesPole());
  return g;
}

Polynom PolynomBruch::ExpandWithUnitElements() {
  const int32_t m = den.Degree();
  Polynom v(2 * m - 1);
  int32_t next = 0;
  for (int32_t i = 0; i < m; ++i) {
    v.SetAt(next++, ExtractShuntPole());
    if (i < m - 1) {
      // The next unit element leaves a stub only where this remainder has a pole at infinity,
      // so its denominator's coefficient at the numerator's degree cancels. Its rounding grows
      // by one to two digits per section and outgrows the zero limit from order 7 on.
      den.SetAt(num.Degree(), 0.0);
    }
    Normalise();
    if (i < m - 1) {
      v.SetAt(next++, ExtractUnitElement());
      Normalise();
    }
  }
  return v;
}
