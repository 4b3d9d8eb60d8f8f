#include "lines/models/MicroStripCorner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lines/models/tests/ElementBench.h"

namespace {

constexpr const char* kSubstrates[] = {"S1: MS H=1mm ER=9.8 MET1 = CU 0um TAND=0.001",
                                       "S2: MS H=2mm ER=9.8 MET1 = CU 0um TAND=0.001"};

MicroStripCorner& Corner(std::unique_ptr<NetElement>& element) {
  return dynamic_cast<MicroStripCorner&>(*element);
}

TEST(MicroStripCorner, UnmitredValuesScaleWithTheSubstrateHeight) {
  ElementBench bench({}, {kSubstrates[0], kSubstrates[1]});
  auto thin = bench.Build("BEND 1 2 NCUT W1=1mm W2=1mm S1");
  auto thick = bench.Build("BEND 1 2 NCUT W1=2mm W2=2mm S2");
  ASSERT_TRUE(thin && thick);
  // u = 1, ER = 9.8: (103.93 + 30.92) pF/m times 1 mm.
  EXPECT_NEAR(Corner(thin).GetC(), 1.3485e-13, 1e-19);
  EXPECT_NEAR(Corner(thick).GetC(), 2 * Corner(thin).GetC(), 1e-19);
  EXPECT_NEAR(Corner(thick).GetL(), 2 * Corner(thin).GetL(), 1e-20);
  EXPECT_NE(Corner(thin).GetL(), 0.0);
}

// The unmitred corner is the T network L, C, L: its admittances invert the network's
// impedance matrix.
TEST(MicroStripCorner, UnmitredMatrixIsTheTNetwork) {
  ElementBench bench({}, {kSubstrates[0]});
  auto element = bench.Build("BEND 1 2 NCUT W1=3mm W2=3mm S1");
  ASSERT_TRUE(element);
  const double f = 3e9;
  element->FillMatrix(static_cast<float>(f));
  const Cmplx zL(0.0, 2 * M_PI * f * Corner(element).GetL());
  const Cmplx zC = Cmplx(0.0, 2 * M_PI * f * Corner(element).GetC()).Inverse();
  const Cmplx z11 = zL + zC;
  const Cmplx det = z11 * z11 - zC * zC;
  EXPECT_TRUE(Near(ElementBench::At(*element, 1, 1), z11 / det, 1e-9));
  EXPECT_TRUE(Near(ElementBench::At(*element, 2, 1), -zC / det, 1e-9));
}

// Symmetric and reciprocal in every form; unknown form words read as NCUT, CUT and OPT are
// the same model, and W2 enters nothing.
TEST(MicroStripCorner, FormsAndTheirMatrices) {
  struct Case {
    const char* line;
    char form;
    const char* sameAs;
  };
  const Case cases[] = {
      {"BEND 1 2 NCUT W1=0.6mm W2=0.6mm S1", 'N', "BEND 1 2 ncut W1=0.6mm W2=2mm S1"},
      {"BEND 1 2 XYZ W1=0.6mm W2=0.6mm S1", 'N', "BEND 1 2 NCUT W1=0.6mm W2=0.6mm S1"},
      {"BEND 1 2 CUT W1=0.6mm W2=0.6mm S1", 'C', "BEND 1 2 OPT W1=0.6mm W2=0.6mm S1"},
      {"BEND 1 2 OPT W1=0.6mm W2=0.6mm S1", 'O', "BEND 1 2 OPT W1=0.6mm W2=5mm S1"},
  };
  ElementBench bench({}, {kSubstrates[0]});
  for (const Case& c : cases) {
    auto element = bench.Build(c.line);
    auto other = bench.Build(c.sameAs);
    ASSERT_TRUE(element && other) << c.line;
    EXPECT_EQ(Corner(element).GetForm(), c.form) << c.line;
    for (float f : {0.0f, 6e9f}) {
      element->FillMatrix(f);
      other->FillMatrix(f);
      for (int k = 0; k < 4; ++k) {
        const Cmplx y = ElementBench::At(*element, k / 2 + 1, k % 2 + 1);
        const Cmplx mirrored = ElementBench::At(*element, 2 - k / 2, 2 - k % 2);
        const Cmplx same = ElementBench::At(*other, k / 2 + 1, k % 2 + 1);
        EXPECT_TRUE(std::isfinite(y.re) && std::isfinite(y.im)) << c.line;
        EXPECT_TRUE(y.re == mirrored.re && y.im == mirrored.im) << c.line;
        EXPECT_TRUE(y.re == same.re && y.im == same.im) << c.line;
      }
    }
  }
}

}  // namespace
