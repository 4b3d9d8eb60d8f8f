#include "lines/models/SymMslTee.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lines/models/tests/ElementBench.h"

namespace {

TEST(SymMslTee, ShuntReactanceSwitchesFormsAboveHalfTheImpedanceRatio) {
  struct Row {
    double Z1, Z2, d, n, Xa, Xb;
  };
  const Row rows[] = {
#include "lines/models/tests/fixtures/tee_shunt_reactance.inc"
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(SymMslTee::ShuntReactance(r.Z1, r.Z2, r.d, r.n, r.Xa), r.Xb, 1e-12 * std::fabs(r.Xb))
        << r.Z1 << "/" << r.Z2 << " d " << r.d;
  }
}

// Symmetric in the through ports with four equal branch couplings; W2 enters nothing.
TEST(SymMslTee, MatrixIsSymmetric) {
  ElementBench bench({}, {"AL: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0"});
  auto tee = bench.Build("TEE 1 2 3 W1=0.6mm W2=0.6mm W3=0.2mm AL");
  auto other = bench.Build("TEE 1 2 3 W1=0.6mm W2=3mm W3=0.2mm AL");
  ASSERT_TRUE(tee && other);
  for (float f : {0.0f, 1e9f, 12e9f}) {
    tee->FillMatrix(f);
    other->FillMatrix(f);
    auto at = [&](int r, int c) { return ElementBench::At(*tee, r, c); };
    for (int r = 1; r <= 3; ++r) {
      for (int c = 1; c <= 3; ++c) {
        const Cmplx y = at(r, c);
        const Cmplx same = ElementBench::At(*other, r, c);
        EXPECT_TRUE(std::isfinite(y.re) && std::isfinite(y.im)) << f;
        EXPECT_TRUE(y.re == at(c, r).re && y.im == at(c, r).im) << f;
        EXPECT_TRUE(y.re == same.re && y.im == same.im) << f;
      }
    }
    EXPECT_TRUE(Near(at(1, 1), at(2, 2), 0));
    EXPECT_TRUE(Near(at(1, 3), at(2, 3), 0));
  }
  // A branch far narrower than the wavelength couples with a ratio close to 1.
  tee->FillMatrix(1e9f);
  EXPECT_NEAR(dynamic_cast<SymMslTee&>(*tee).GetN(), 1.0, 1e-3);
}

}  // namespace
