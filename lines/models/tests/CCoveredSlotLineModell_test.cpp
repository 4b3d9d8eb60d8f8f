#include "lines/models/CCoveredSlotLineModell.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CCoveredSlotLineModell Covered(double er, double h, double w) {
  SubstrateData board;
  board.ER = er;
  board.H = h;
  CCoveredSlotLineModell m;
  m.SetSubstrate(board);
  m.SetSlotWidth(w);
  return m;
}

TEST(CCoveredSlotLineModell, RatioSolution) {
  const struct {
    double er, h, w, a;
    double p, fGHz;
  } cases[] = {
      {2.3, 0.625e-3, 0.2e-3, 0.1, 1.2342, 1.2145},
      {2.3, 0.625e-3, 0.2e-3, 0.01, 1.3446, 11.148},
      {9.8, 0.635e-3, 0.3175e-3, 0.1, 2.0761, 0.722},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.er << " a " << c.a);
    CCoveredSlotLineModell m = Covered(c.er, c.h, c.w);
    m.SetBoxWidth(c.a);
    ASSERT_TRUE(m.SolveRatio());
    EXPECT_NEAR(m.GetRatio(), c.p, 0.00005);
    EXPECT_NEAR(m.GetSolvedFrequency() / 1e9, c.fGHz, 0.0005);
  }
}

// Both dielectric regions take the ratio above sqrt((er + 1)/2); the box search reaches it.
// At the top of the search the regions' square roots are 0 (sqrt(2.4)^2 rounds above 2.4),
// where F stays finite; in air there is no slot mode.
TEST(CCoveredSlotLineModell, FrequencySolutionAndEdgesOfTheSearch) {
  CCoveredSlotLineModell m = Covered(2.3, 0.625e-3, 0.2e-3);
  ASSERT_TRUE(m.Update(5e9));
  EXPECT_GT(m.eps_eff, 1.65);
  EXPECT_LT(m.eps_eff, 2.3);
  EXPECT_GT(m.Z0, 0.0);
  EXPECT_NEAR(m.GetBoxWidth() / (m.lambda / 2.0), 1.0, 2e-4);  // within 1 MHz
  EXPECT_TRUE(std::isfinite(Covered(2.4, 0.625e-3, 0.2e-3).CharacteristicFunction(std::sqrt(2.4))));
  CCoveredSlotLineModell air = Covered(1.0, 0.625e-3, 0.2e-3);
  EXPECT_FALSE(air.SolveRatio());
  EXPECT_FALSE(air.Update(5e9));
}

}  // namespace
