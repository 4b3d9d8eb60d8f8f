#include "lines/models/SlotLineModell.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

SlotLineModell Slot(double er, double h, double w, char letter = 'A') {
  SubstrateData board;
  board.ER = er;
  board.H = h;
  board.TAND = 0.001;
  SlotLineModell m;
  m.SetSubstrate(board);
  m.SetSlotWidth(w);
  m.SetModelLetter(letter);
  return m;
}

// The two methods are independent; within the closed form's ranges they agree within 4 %,
// also where the slot mode is slower than the mean of substrate and air.
TEST(SlotLineModell, ClosedFormAgreesWithCohn) {
  const struct {
    double er, h, w, f;
    bool aboveMean;  // eps_eff > (er + 1)/2
  } cases[] = {
      {2.22, 0.787e-3, 0.5e-3, 10e9, false}, {6.15, 0.635e-3, 0.2e-3, 10e9, false},
      {9.8, 0.635e-3, 0.1e-3, 5e9, false},   {9.8, 0.635e-3, 0.2e-3, 18e9, false},
      {12.9, 0.635e-3, 0.05e-3, 35e9, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.er << " " << c.w << " " << c.f);
    SlotLineModell approx = Slot(c.er, c.h, c.w, 'A');
    SlotLineModell cohn = Slot(c.er, c.h, c.w, 'C');
    ASSERT_TRUE(approx.Update(c.f));
    ASSERT_TRUE(cohn.Update(c.f));
    EXPECT_NEAR(approx.eps_eff / cohn.eps_eff, 1.0, 0.04);
    EXPECT_NEAR(approx.Z0 / cohn.Z0, 1.0, 0.04);
    EXPECT_EQ(cohn.eps_eff > (c.er + 1.0) / 2.0, c.aboveMean);
    // Cohn's box is half a guided wavelength long once solved (within 1e-4 of f).
    EXPECT_NEAR(cohn.GetBoxWidth() / (cohn.lambda / 2.0), 1.0, 2e-4);
    EXPECT_EQ(cohn.alpha, 0.0);
    EXPECT_GT(approx.alpha, approx.GetDielectricAttenuation());
  }
}

// Where the slot mode leaks into the substrate's surface waves (high frequencies, thick
// boards), without a slot mode (air) and at 0 Hz, Cohn's method has no result: the model
// keeps the last one.
TEST(SlotLineModell, CohnWithoutResultKeepsTheLastOne) {
  const struct {
    double er, h, w, f;
  } cases[] = {{9.8, 0.635e-3, 0.2e-3, 70e9},
                        {3.0, 1.5e-3, 2e-3, 50e9},
                        {1.0, 0.635e-3, 0.2e-3, 10e9},
                        {9.8, 0.635e-3, 0.2e-3, 0.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.er << " " << c.h << " " << c.f);
    SlotLineModell m = Slot(c.er, c.h, c.w, 'C');
    EXPECT_EQ(m.Update(5e9), c.er > 1.0);
    const SlotLineModell before = m;
    EXPECT_FALSE(m.Update(c.f));
    EXPECT_EQ(m.Z0, before.Z0);
    EXPECT_EQ(m.eps_eff, before.eps_eff);
    EXPECT_EQ(m.lambda, before.lambda);
  }
}

// Out of range, the closed form marks Z0 with 9999 and leaves no infinity or NaN.
TEST(SlotLineModell, Ranges) {
  const struct {
    double er, h, w, f;
    bool inRange;
    bool endExtension;  // only the high-permittivity branches know the short end
  } cases[] = {
      {9.6, 1e-3, 1e-4, 10e9, true, true},          // W/h = 0.1
      {9.65, 1e-3, 5e-4, 10e9, true, true},         // also in B's range; A is tested first
      {9.8, 1e-3, 1.1e-3, 10e9, false, false},      // W/h above 1
      {25.0, 1e-3, 1e-4, 10e9, false, false},       //
      {6.15, 0.635e-3, 0.2e-3, 10e9, true, false},  //
      {6.15, 0.635e-3, 0.2e-3, 1e9, false, false},  // W/lambda0 below 0.0015
      {2.2, 0.15e-3, 0.3e-3, 10e9, false, false},   // h/lambda0 = 0.005
      {2.2, 0.3e-3, 0.3e-3, 10e9, true, false},     // h/lambda0 = 0.01, W/lambda0 = 0.01
      {4.0, 2e-3, 1e-3, 30e9, false, false},        // B2 takes the log of a negative number
      {9.8, 1e-3, 1e-4, 0.0, false, false},         //
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.er << " " << c.h << " " << c.w << " " << c.f);
    SlotLineModell m = Slot(c.er, c.h, c.w);
    EXPECT_EQ(m.Update(c.f), c.inRange);
    EXPECT_EQ(m.Z0 == SlotLineModell::kOutOfRange, !c.inRange);
    EXPECT_EQ(m.GetEndExtension() != 0.0, c.endExtension);
    EXPECT_EQ(m.lambda == 0.0, !c.inRange);
  }
}

}  // namespace
