#include "basics/SpecialFunctions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kPi = 3.141592653589793;

struct BesselRef {
  double x, j0, j1, y0, y1;
};
const BesselRef kBessel[] = {
#include "basics/tests/fixtures/bessel_reference.inc"
};

// Reference value f(x+jy) (re, im) and the size of the Taylor remainder the step leaves out.
struct CmplxRef {
  double re, im, remainder;
};
struct CmplxBesselRef {
  double x, y;
  CmplxRef j0, y0, j1, y1;
};
const CmplxBesselRef kCmplxBessel[] = {
#include "basics/tests/fixtures/cmplx_bessel_reference.inc"
};

struct RadStubRef {
  double a, b, value;
};
const RadStubRef kRadStub[] = {
#include "basics/tests/fixtures/rad_stub_reference.inc"
};

struct IntegralRef {
  const char* name;
  double a, b, L, quad;
};
const IntegralRef kIntegrals[] = {
#include "basics/tests/fixtures/integral_reference.inc"
};

TEST(SpecialFunctions, BesselAgreesWithReference) {
  for (const BesselRef& r : kBessel) {
    SCOPED_TRACE(testing::Message() << "x = " << r.x);
    EXPECT_NEAR(BesselJ0(r.x), r.j0, 1e-8);
    EXPECT_NEAR(BesselJ1(r.x), r.j1, 1e-8);
    if (r.x <= 0.0) continue;
    EXPECT_NEAR(BesselY0(r.x), r.y0, 3e-8);
    EXPECT_NEAR(BesselY1(r.x), r.y1, r.x < 8.0 ? 1.5e-5 : 1e-8);
  }
}

TEST(SpecialFunctions, ComplexBesselIsFirstOrderStep) {
  for (const CmplxBesselRef& r : kCmplxBessel) {
    SCOPED_TRACE(testing::Message() << "x = " << r.x << ", y = " << r.y);
    const double yTol = r.x < 8.0 ? 1.5e-5 : 1e-8;
    const struct {
      Cmplx value;
      CmplxRef ref;
      double tol;
    } cases[] = {{CmplxBesselJ0(r.x, r.y), r.j0, 1e-8},
                 {CmplxBesselY0(r.x, r.y), r.y0, 3e-8},
                 {CmplxBesselJ1(r.x, r.y), r.j1, 1e-8},
                 {CmplxBesselY1(r.x, r.y), r.y1, yTol}};
    for (const auto& c : cases) {
      EXPECT_NEAR(c.value.re, c.ref.re, c.tol + c.ref.remainder);
      EXPECT_NEAR(c.value.im, c.ref.im, c.tol * std::fabs(r.y) + c.ref.remainder);
    }
  }
}

TEST(SpecialFunctions, RadStubTermAgreesWithReference) {
  for (const RadStubRef& r : kRadStub) {
    const Cmplx v = RadStubBesselTerm(Cmplx(r.a, 0.0), Cmplx(r.b, 0.0));
    EXPECT_NEAR(v.re, r.value, 1e-3 * std::fabs(r.value)) << r.a << ", " << r.b;
    EXPECT_EQ(v.im, 0.0);
  }
  // Equal arguments cancel the denominator exactly; the numerator is then the Wronskian 2/(pi a).
  const Cmplx v = RadStubBesselTerm(Cmplx(2.5, 0.0), Cmplx(2.5, 0.0));
  EXPECT_NEAR(v.re, 2.0 / (kPi * 2.5) * 1e36, 1e-4 * 1e36);
}

TEST(SpecialFunctions, OutsideTheDomain) {
  const double atanhAtOne = 0.5 * std::log(2e36);
  const struct {
    const char* what;
    double value, expected;
  } cases[] = {
      {"Y0(0)", BesselY0(0.0), -1e36}, {"Y1(-1)", BesselY1(-1.0), -1e36},
      {"Y1(1e-300)", BesselY1(1e-300), -0.636619772e36}, {"Y0(inf)", BesselY0(INFINITY), 0.0},
      {"J0(-inf)", BesselJ0(-INFINITY), 0.0}, {"CY0(0, 1).re", CmplxBesselY0(0.0, 1.0).re, -1e36},
      {"CY1(-2, 1).im", CmplxBesselY1(-2.0, 1.0).im, 0.0},
      {"CY1(1e-300, 0).im", CmplxBesselY1(1e-300, 0.0).im, 0.0},
      {"CJ1(0, 2).re", CmplxBesselJ1(0.0, 2.0).re, 0.0}, {"Atanh(-1)", Atanh(-1.0), -atanhAtOne},
      {"Atanh(2)", Atanh(2.0), std::atanh(0.5)}, {"Atanh(-inf)", Atanh(-INFINITY), 0.0},
      {"Acoth(1)", Acoth(1.0), atanhAtOne}, {"Acoth(0)", Acoth(0.0), 0.0},
      {"0^-2", PowInt(0.0, -2), 1e36}, {"(-1e-20)^-3", PowInt(-1e-20, -3), -1e36},
      {"0.5^-2000", PowInt(0.5, -2000), 1e36}, {"2^INT_MIN", PowInt(2.0, INT_MIN), 0.0},
      {"(-2)^1025", PowInt(-2.0, 1025), -INFINITY}, {"0^0.0", PowReal(0.0, 0.0), 1.0},
      {"0^-1.0", PowReal(0.0, -1.0), 1e36}, {"(-8)^(1/3)", PowReal(-8.0, 1.0 / 3.0), 2.0},
      {"3rd root of -8", NthRoot(-8.0, 3), 2.0}, {"-2nd root of 16", NthRoot(16.0, -2), 4.0},
      {"0th root of 5", NthRoot(5.0, 0), 5.0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(c.value, c.expected) << c.what;
  EXPECT_NEAR(CmplxBesselJ1(0.0, 2.0).im, 2.0 * (BesselJ0(0.0) - 0.5), 1e-9);
  EXPECT_DOUBLE_EQ(Asinh(-1e300), std::asinh(-1e300));
  EXPECT_EQ(Asinh(1e-20), 1e-20);
}

TEST(SpecialFunctions, FiniteArgumentsGiveFiniteResults) {
  const double xs[] = {0.0, -0.0, 1e-320, 1e-40, 1e-36, -1e-36, 0.5, -1.0, 1.0, 8.0, 30.0};
  for (double x : xs) {
    SCOPED_TRACE(testing::Message() << "x = " << x);
    for (double v :
         {BesselJ0(x), BesselJ1(x), BesselY0(x), BesselY1(x), Asinh(x), Atanh(x), Acoth(x), Acot(x),
          NthRoot(x, 3), NthRoot(x, INT_MIN), PowInt(x, -3), PowReal(x, 0.5), PowReal(x, -0.5)})
      EXPECT_TRUE(std::isfinite(v)) << v;
    for (double y : {0.0, -2.0}) {
      for (Cmplx z : {CmplxBesselJ0(x, y), CmplxBesselY0(x, y), CmplxBesselJ1(x, y),
                      CmplxBesselY1(x, y), RadStubBesselTerm(Cmplx(x, y), Cmplx(2.0, y)),
                      RadStubBesselTerm(Cmplx(3.0, y), Cmplx(x, y))})
        EXPECT_TRUE(std::isfinite(z.re) && std::isfinite(z.im)) << z.re << ", " << z.im;
    }
    for (double b : xs) {
      for (double L : {0.0, 1e-30, 2.0}) {
        for (double v :
             {IntCoshCos(x, L), IntSinhCos(x, L), IntSinhSin(x, L), IntCos2(x, L), IntSin2(x, L),
              IntSinCos(x, L), IntHypTrigAB1(x, b, L), IntHypTrigAB2(x, b, L),
              IntHypTrigAB3(x, b, L), IntHypTrigAB4(x, b, L), IntCosCos(x, b, L),
              IntSinSin(x, b, L), IntSinCosAB(x, b, L), IntCosSinAB(x, b, L)})
          EXPECT_TRUE(std::isfinite(v)) << "b = " << b << ", L = " << L << ": " << v;
      }
    }
  }
  for (double t : {800.0, -800.0, 710.3}) {  // overflow to infinity, never to NaN
    for (double v :
         {IntCoshCos(t, 1.0), IntSinhCos(t, 1.0), IntSinhSin(t, 1.0), IntHypTrigAB1(t, 0.0, 1.0),
          IntHypTrigAB2(t, 0.0, 1.0), IntHypTrigAB3(t, 3.0, 1.0), IntHypTrigAB4(t, 0.0, 1.0)})
      EXPECT_FALSE(std::isnan(v)) << t;
  }
}

// Every integral checked against quadrature from 0 to L: antiderivatives as F(L) - F(0),
// integrals from 0 as F(L) with F(0) = 0.
TEST(SpecialFunctions, IntegralsAgreeWithQuadrature) {
  using Fn = double (*)(double, double, double);
  const struct {
    const char* name;
    Fn f;
    bool fromZero;
  } fns[] = {
      {"IntCoshCos", [](double a, double, double L) { return IntCoshCos(a, L); }, true},
      {"IntSinhCos", [](double a, double, double L) { return IntSinhCos(a, L); }, false},
      {"IntSinhSin", [](double a, double, double L) { return IntSinhSin(a, L); }, true},
      {"IntCos2", [](double a, double, double L) { return IntCos2(a, L); }, true},
      {"IntSin2", [](double a, double, double L) { return IntSin2(a, L); }, true},
      {"IntSinCos", [](double a, double, double L) { return IntSinCos(a, L); }, true},
      {"IntHypTrigAB1", IntHypTrigAB1, false}, {"IntHypTrigAB2", IntHypTrigAB2, false},
      {"IntHypTrigAB3", IntHypTrigAB3, false}, {"IntHypTrigAB4", IntHypTrigAB4, false},
      {"IntCosCos", IntCosCos, true},          {"IntSinSin", IntSinSin, true},
      {"IntSinCosAB", IntSinCosAB, false},     {"IntCosSinAB", IntCosSinAB, false},
  };
  int checked = 0;
  for (const IntegralRef& r : kIntegrals) {
    for (const auto& fn : fns) {
      if (std::string(fn.name) != r.name) continue;
      SCOPED_TRACE(testing::Message() << r.name << "(" << r.a << ", " << r.b << ", " << r.L << ")");
      const double atZero = fn.f(r.a, r.b, 0.0);
      const double atL = fn.f(r.a, r.b, r.L);
      EXPECT_TRUE(!fn.fromZero || atZero == 0.0) << atZero;
      const double scale = std::fmax(1.0, std::fmax(std::fabs(atZero), std::fabs(atL)));
      EXPECT_NEAR(atL - atZero, r.quad, 1e-11 * scale);
      ++checked;
    }
  }
  EXPECT_EQ(checked, static_cast<int>(std::size(kIntegrals)));
}

// Below the rate guard the limits are taken instead of dividing by the rate; the
// antiderivative IntSinhCos then gives its guard value 0, not 1/(2a).
TEST(SpecialFunctions, IntegralRateGuards) {
  const double L = 1.7;
  EXPECT_EQ(IntCos2(0.0, L), L);
  EXPECT_EQ(IntSin2(1e-40, L), 0.0);
  EXPECT_EQ(IntCoshCos(-1e-37, L), L);
  EXPECT_EQ(IntSinhCos(1e-40, L), 0.0);
  EXPECT_EQ(IntSinhCos(0.5, 0.0), 1.0);
  EXPECT_EQ(IntHypTrigAB1(0.0, 0.0, L), 0.0);
}

}  // namespace
