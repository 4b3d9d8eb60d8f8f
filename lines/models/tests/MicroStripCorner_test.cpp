#include "lines/models/MicroStripCorner.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/tests/support/ElementBench.h"

namespace {

const MicroStripCorner& Corner(const std::unique_ptr<NetElement>& element) {
  return dynamic_cast<const MicroStripCorner&>(*element);
}

// C and L scale with the substrate height; the matrix inverts the T network L, C, L.
TEST(MicroStripCorner, UnmitredCornerIsATNetwork) {
  ElementBench bench(
      {"S1: MS H=1mm ER=9.8 MET1 = CU 0um TAND=0", "S2: MS H=2mm ER=9.8 MET1 = CU 0um TAND=0"});
  auto thin = bench.Build("BEND 1 2 NCUT W1=1mm W2=1mm S1");
  auto thick = bench.Build("BEND 1 2 NCUT W1=2mm W2=2mm S2");
  ASSERT_TRUE(thin && thick);
  // u = 1, ER = 9.8: (103.93 + 30.92) pF/m times 1 mm.
  EXPECT_NEAR(Corner(thin).GetC(), 1.3485e-13, 1e-19);
  EXPECT_NEAR(Corner(thick).GetC(), 2 * Corner(thin).GetC(), 1e-19);
  EXPECT_NEAR(Corner(thick).GetL(), 2 * Corner(thin).GetL(), 1e-20);

  const double f = 3e9;
  thin->FillMatrix(static_cast<float>(f));
  const Cmplx zL(0.0, 2 * M_PI * f * Corner(thin).GetL());
  const Cmplx zC = Cmplx(0.0, 2 * M_PI * f * Corner(thin).GetC()).Inverse();
  const Cmplx det = (zL + zC) * (zL + zC) - zC * zC;
  EXPECT_TRUE(SameWithin(At(*thin, 1, 1), (zL + zC) / det, 1e-9));
  EXPECT_TRUE(SameWithin(At(*thin, 2, 1), -zC / det, 1e-9));
}

// Symmetric and reciprocal in every form; unknown form words read as NCUT, CUT and OPT are
// the same model, which differs from NCUT, and W2 enters nothing. Above 0 Hz, where every
// form is a through.
TEST(MicroStripCorner, FormsAndTheirMatrices) {
  const struct {
    const char* line;
    const char* other;
    bool same;
  } cases[] = {
      {"BEND 1 2 NCUT W1=0.6mm W2=0.6mm S1", "BEND 1 2 ncut W1=0.6mm W2=2mm S1", true},
      {"BEND 1 2 XYZ W1=0.6mm W2=0.6mm S1", "BEND 1 2 NCUT W1=0.6mm W2=0.6mm S1", true},
      {"BEND 1 2 CUT W1=0.6mm W2=0.6mm S1", "BEND 1 2 OPT W1=0.6mm W2=0.6mm S1", true},
      {"BEND 1 2 OPT W1=0.6mm W2=0.6mm S1", "BEND 1 2 OPT W1=0.6mm W2=5mm S1", true},
      {"BEND 1 2 NCUT W1=0.6mm W2=0.6mm S1", "BEND 1 2 CUT W1=0.6mm W2=0.6mm S1", false},
  };
  ElementBench bench({"S1: MS H=1mm ER=9.8 MET1 = CU 0um TAND=0.001"});
  for (const auto& c : cases) {
    auto element = bench.Build(c.line);
    auto other = bench.Build(c.other);
    ASSERT_TRUE(element && other) << c.line;
    for (float f : {1e9f, 6e9f}) {
      element->FillMatrix(f);
      other->FillMatrix(f);
      EXPECT_TRUE(FiniteAndReciprocal(*element)) << c.line;
      EXPECT_TRUE(SameWithin(At(*element, 1, 1), At(*element, 2, 2), 0.0)) << c.line;
      EXPECT_EQ(SameMatrix(*element, *other), c.same) << c.line << " " << c.other;
    }
  }
}

}  // namespace
