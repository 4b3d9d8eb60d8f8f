#include "lines/models/SymMslTee.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/tests/support/ElementBench.h"

namespace {

TEST(SymMslTee, ShuntReactanceSwitchesFormsAboveHalfTheImpedanceRatio) {
  const struct {
    double Z1, Z2, d, n, Xa, Xb;
  } rows[] = {
#include "lines/models/tests/fixtures/tee_shunt_reactance.inc"
  };
  for (const auto& r : rows) {
    EXPECT_NEAR(SymMslTee::ShuntReactance(r.Z1, r.Z2, r.d, r.n, r.Xa), r.Xb,
                1e-12 * std::fabs(r.Xb))
        << r.Z1 << "/" << r.Z2 << " d " << r.d;
  }
}

// Symmetric in the through ports with equal branch couplings; W2 enters nothing.
TEST(SymMslTee, MatrixIsSymmetric) {
  ElementBench bench({"AL: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0"});
  auto tee = bench.Build("TEE 1 2 3 W1=0.6mm W2=0.6mm W3=0.2mm AL");
  auto other = bench.Build("TEE 1 2 3 W1=0.6mm W2=3mm W3=0.2mm AL");
  ASSERT_TRUE(tee && other);
  for (float f : {0.0f, 12e9f, 1e9f}) {
    tee->FillMatrix(f);
    other->FillMatrix(f);
    EXPECT_TRUE(FiniteAndReciprocal(*tee)) << f;
    EXPECT_TRUE(SameMatrix(*tee, *other)) << f;
    EXPECT_TRUE(SameWithin(At(*tee, 1, 1), At(*tee, 2, 2), 0.0)) << f;
    EXPECT_TRUE(SameWithin(At(*tee, 1, 3), At(*tee, 2, 3), 0.0)) << f;
  }
  // A branch far narrower than the wavelength couples with a ratio close to 1.
  EXPECT_NEAR(dynamic_cast<SymMslTee&>(*tee).GetN(), 1.0, 1e-3);
}

}  // namespace
