#include "lines/models/CoupledLines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/tests/support/ElementBench.h"

namespace {

// A TEM coupler (equal mode velocities in air) a quarter wave long, with ports referred to
// sqrt(Z0e Z0o): matched and isolated at port 3, coupling k to port 2, the rest to port 4.
TEST(CoupledLines, QuarterWaveCouplerInAir) {
  ElementBench bench({"AIR: MS H=1mm ER=1 MET1 = CU 0um TAND=0"});
  auto element = bench.Accept("CPL 1 2 3 4 W=2mm S=0.3mm P=74.9481145mm AIR");
  ASSERT_TRUE(element);
  element->FillMatrix(1e9f);
  const auto& cpl = dynamic_cast<const CoupledLines&>(*element);
  const double ze = cpl.GetEvenMode().Z0, zo = cpl.GetOddMode().Z0;
  ASSERT_EQ(cpl.GetEvenMode().eps, 1.0);
  ASSERT_EQ(cpl.GetOddMode().eps, 1.0);
  const double k = (ze - zo) / (ze + zo);
  ASSERT_GT(k, 0.1);
  const auto s = Scattering(*element, std::sqrt(ze * zo));
  EXPECT_LT(std::abs(s[0]), 1e-9L);
  EXPECT_NEAR(std::abs(s[4]), k, 1e-9);
  EXPECT_LT(std::abs(s[8]), 1e-9L);
  EXPECT_NEAR(std::abs(s[12]), std::sqrt(1.0 - k * k), 1e-9);
}

// Swapping the lines (1-2, 3-4) or the ends (1-4, 2-3) leaves the four-port as it is.
TEST(CoupledLines, MatrixHasTheSymmetriesOfThePair) {
  ElementBench bench({"LOSSY: MS H=1mm ER=4.5 MET1 = CU 0um TAND=0.02"});
  auto element = bench.Accept("CPL 1 2 3 4 W=1.5mm S=0.4mm P=20mm LOSSY");
  ASSERT_TRUE(element);
  element->FillMatrix(3e9f);
  const int lines[5] = {0, 2, 1, 4, 3};
  const int ends[5] = {0, 4, 3, 2, 1};
  for (int r = 1; r <= 4; ++r) {
    for (int c = 1; c <= 4; ++c) {
      const Cmplx y = At(*element, r, c);
      for (const Cmplx& z :
           {At(*element, c, r), At(*element, lines[r], lines[c]), At(*element, ends[r], ends[c])}) {
        EXPECT_EQ(y.re, z.re) << r << c;
        EXPECT_EQ(y.im, z.im) << r << c;
      }
    }
  }
}

// Lines more than ten heights apart are uncoupled: two microstrip lines, 1-4 and 2-3 (the
// pair keeps its width in millimetres in single precision).
TEST(CoupledLines, EqualModesAreTwoIndependentLines) {
  ElementBench bench({"S1: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0"});
  auto pair = bench.Accept("CPL 1 2 3 4 W=0.6mm S=8mm P=12mm S1");
  auto line = bench.Accept("TRL 1 2 W=0.6mm P=12mm S1");
  ASSERT_TRUE(pair && line);
  pair->FillMatrix(2e9f);
  line->FillMatrix(2e9f);
  for (auto [r, c] : {std::pair{1, 2}, {1, 3}, {2, 4}, {3, 4}}) {
    EXPECT_EQ(At(*pair, r, c).Abs(), 0.0) << r << c;
  }
  for (auto [a, b] : {std::pair{1, 4}, {2, 3}}) {
    const Cmplx half[4] = {At(*pair, a, a), At(*pair, a, b), At(*pair, b, a), At(*pair, b, b)};
    const PortMatrix s = PortMatrix(2, half).ConvertToS(50.0f, 50.0f);
    const PortMatrix expected = line->GetPortMatrix()->ConvertToS(50.0f, 50.0f);
    for (auto [r, c] : {std::pair{1, 1}, {2, 1}, {2, 2}}) {
      EXPECT_LT((s.GetAt(r, c) - expected.GetAt(r, c)).Abs(), 1e-7) << a << b << r << c;
    }
  }
}

}  // namespace
