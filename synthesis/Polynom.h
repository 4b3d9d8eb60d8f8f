#pragma once
// Polynomials with double coefficients and their quotients: the arithmetic that turns a
// Butterworth or Chebyshev response into the element values of a ladder. Nothing throws: an
// error sets the process-wide flag, calls the hook with the German message and the operation
// goes on with an empty polynomial or a coefficient of 0.

#include <cstdint>

#include "basics/Cmplx.h"

// Receives the message of a polynomial error; null means "flag only".
using PolynomErrorHook = void (*)(const char* message);

// Writes "Polynomklasse: " + message + line end to standard output.
void PolynomDefaultErrorHook(const char* message);

class Polynom {
 public:
  static inline PolynomErrorHook errorHook = PolynomDefaultErrorHook;
  static inline uint8_t errorFlag = 0;
  // Below it Normalise clears a coefficient and RemoveUnitElement sees a zero.
  static inline double zeroLimit = 1e-8;
  static void ReportError(const char* message);
  // Hook, flag and zero limit as at start-up; for test fixtures.
  static void ResetErrorState();

  // Counts above this are treated as failed allocations.
  static constexpr int32_t kMaxCount = 1 << 16;

  Polynom();  // the constant 1
  // n zero coefficients; n < 1 reports and gives the empty polynomial.
  explicit Polynom(int32_t n);
  Polynom(double a0, double a1);
  Polynom(double a0, double a1, double a2);
  Polynom(const Polynom& other);
  Polynom& operator=(const Polynom& other);
  Polynom(Polynom&& other) noexcept;
  Polynom& operator=(Polynom&& other) noexcept;
  ~Polynom() { delete[] coeff; }

  int32_t GetCount() const { return count; }
  // Coefficient of x^i; outside 0 .. count - 1 reports "ungültiger Index" and reads 0.
  double operator[](int32_t i) const;
  // Ignored outside 0 .. count - 1.
  void SetAt(int32_t i, const double& v);

  Polynom& operator*=(const double& c);
  Polynom operator*(const double& c) const;
  // A longer operand first grows this polynomial with zero coefficients.
  Polynom& operator+=(const Polynom& b);
  Polynom& operator-=(const Polynom& b);
  Polynom operator+(const Polynom& b) const;
  Polynom operator-(const Polynom& b) const;
  Polynom operator*(const Polynom& b) const;

  // The product with x^k (k >= 1).
  Polynom Shift(int32_t k) const;
  // The quotient of the division by (x - 1); the rest is dropped.
  Polynom DivideByXMinus1() const;
  // In place; the count stays and the top coefficient becomes 0.
  void DivideByX();
  double Evaluate(double x) const;
  // -1 when every coefficient is 0.
  int32_t Degree() const;
  // Multiplies by (x - r); the empty polynomial becomes (x - r).
  void MulRoot(double r);
  // Multiplies by the factor of the root pair re +- j im.
  void MulConjugatePair(double re, double im);

 private:
  // count fresh zero coefficients, or the empty polynomial and the message on failure.
  bool Allocate(int32_t n, const char* failure);
  // Grows to n coefficients keeping the old ones.
  bool Grow(int32_t n, const char* failure);
  Polynom& Accumulate(const Polynom& b, double sign, const char* failure);

  double* coeff = nullptr;
  int32_t count = 0;
};

// The k-th root (k from 1) of an order-n response.
Cmplx ButterworthPole(int32_t k, int32_t n);
Cmplx ChebyshevPole(int32_t k, int32_t n, double epsilon);
Cmplx ChebyshevZero(int32_t k, int32_t n);

// num(x) / den(x), the normalised input impedance of a ladder while it is expanded.
class PolynomBruch {
 public:
  PolynomBruch() = default;  // 1 / 1
  PolynomBruch(const Polynom& num, const Polynom& den) : num(num), den(den) {}

  Polynom GetNumerator() const { return num; }
  Polynom GetDenominator() const { return den; }

  // 1e36 where the denominator is exactly 0.
  double Evaluate(double x) const;
  // (num - den p) / den
  PolynomBruch operator-(const Polynom& p) const;

  // (P + Q) / (P - Q) with P the poles and Q the reflection zeros of the response.
  void SetButterworth(int32_t n);
  void SetChebyshev(int32_t n, double epsilon);

  // Clears tiny coefficients, makes the numerator's signs positive and cancels common powers
  // of x.
  void Normalise();
  // Each returns the coefficient of the pole at infinity it removed, 0 when there is none.
  double ExtractSeriesPole();
  double ExtractShuntPole();
  // The unit element's impedance, the value at x = 1 (Richards' variable).
  double ExtractUnitElement();
  // g1, g2, ... of the lumped ladder, series element first.
  Polynom CauerExpand();
  // Shunt stub, unit element, shunt stub, ... of the line ladder.
  Polynom ExpandWithUnitElements();

 private:
  void RemoveUnitElement(double z);
  void Invert();

  Polynom num;
  Polynom den;
};
