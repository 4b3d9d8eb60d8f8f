#include "simulator/CplIndElement.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "simulator/LumpedMath.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

constexpr float kF = 1e8f;
const double kOmega = 2.0 * kModelPi * kF;

// The admittance is the inverse of the inductance matrix. For the symmetrical transformer
// L1 = AL N1^2, L2 = L3 = AL N2^2; its halves couple with +K to the primary, -K to each other,
// and a fractional turn count is truncated.
TEST(CplIndElementTest, InverseOfInductanceMatrix) {
  const double m = 0.5 * 20e-9, m23 = -0.5 * 10e-9;
  const std::vector<double> transformer = {40e-9, m, -m, m, 10e-9, m23, -m, m23, 10e-9};
  const std::pair<const char*, std::vector<double>> cases[] = {
      {"MUI 1 2 L1=10nH L2=40nH K=0", {10e-9, 0.0, 0.0, 40e-9}},
      {"MUI 1 2 L1=10nH L2=40nH K=0.5", {10e-9, m, m, 40e-9}},
      {"SYUE 1 2 3 AL=10nH N1=2 N2=1 K=0.5", transformer},
      {"SYUE 1 2 3 AL=10nH N1=2.7 N2=1.9 K=0.5", transformer},
  };
  for (const auto& [line, l] : cases)
    EXPECT_TRUE(InvertsReactance(ModelMatrixAt({line}, kF), l, kOmega, 1e-6)) << line;
  // K = 0 decouples the two inductors exactly.
  EXPECT_EQ(ModelMatrixAt({cases[0].first}, kF).GetAt(1, 2).Abs(), 0.0);
}

// Values whose inductance matrix has no inverse, or not a positive definite one.
TEST(CplIndElementTest, RefusedLines) {
  const char* const cases[][2] = {
      {"MUI 1 2 L1=10nH K=0.5", " L2 fehlt "},
      {"MUI 1 2 L1=10nH L2=10nH K=1", "Kopplung muss kleiner als 1 sein"},
      {"MUI 1 2 L1=0nH L2=10nH K=0.5", "Induktivität muss größer als 0 sein"},
      {"SYUE 1 2 3 AL=10nH N1=2 N2=1 K=1", "Kopplung muss kleiner als 1 sein"},
      {"SYUE 1 2 3 AL=10nH N1=2 N2=1 K=-0.5", "Kopplung muss größer als -0,5 sein"},
      {"SYUE 1 2 3 AL=10nH N1=2 N2=0.9 K=0.5", "Windungszahl muss mindestens 1 sein"},
      {"SYUE 1 2 3 AL=0nH N1=2 N2=1 K=0.5", "Induktivität muss größer als 0 sein"},
      {"SYUE 1 2 3 AL=1000000000TH N1=2000000000 N2=1 K=0.5", " Wert fehlerhaft "},
  };
  for (const auto& c : cases) EXPECT_TRUE(ModelRefuses({c[0]}, c[1])) << c[0];
}

}  // namespace
