#include "simulator/CplIndElement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/LumpedMath.h"
#include "simulator/tests/ModelBench.h"

namespace {

constexpr float kF = 1e8f;
const double kOmega = 2.0 * kModelPi * kF;

// K = 0 decouples the two inductors exactly.
TEST(CplIndElementTest, InverseOfInductanceMatrix) {
  for (const double k : {0.0, 0.5}) {
    const double m = k * std::sqrt(10e-9 * 40e-9);
    const PortMatrix y = ModelMatrixAt({"MUI 1 2 L1=10nH L2=40nH K=" + std::to_string(k)}, kF);
    EXPECT_TRUE(InvertsReactance(y, {10e-9, m, m, 40e-9}, kOmega, 1e-6)) << k;
    if (k == 0.0) {
      EXPECT_EQ(y.GetAt(1, 2).Abs(), 0.0);
    }
  }
}

// Values whose inductance matrix has no inverse, or not a positive definite one.
TEST(CplIndElementTest, RefusedLines) {
  const char* const cases[][2] = {
      {"MUI 1 2 L1=10nH K=0.5", " L2 fehlt "},
      {"MUI 1 2 L1=10nH L2=10nH K=1", "Kopplung muss kleiner als 1 sein"},
      {"MUI 1 2 L1=10nH L2=10nH K=-1", "Kopplung muss kleiner als 1 sein"},
      {"MUI 1 2 L1=0nH L2=10nH K=0.5", "Induktivität muss größer als 0 sein"},
      {"SYUE 1 2 3 AL=10nH N1=2 N2=1 K=1", "Kopplung muss kleiner als 1 sein"},
      {"SYUE 1 2 3 AL=10nH N1=2 N2=1 K=-0.5", "Kopplung muss größer als -0,5 sein"},
      {"SYUE 1 2 3 AL=10nH N1=2 N2=0.9 K=0.5", "Windungszahl muss mindestens 1 sein"},
      {"SYUE 1 2 3 AL=0nH N1=2 N2=1 K=0.5", "Induktivität muss größer als 0 sein"},
      {"SYUE 1 2 3 AL=1000000000TH N1=2000000000 N2=1 K=0.5", " Wert fehlerhaft "},
  };
  for (const auto& c : cases) EXPECT_TRUE(ModelRefuses({c[0]}, c[1])) << c[0];
}

// L1 = AL N1^2, L2 = L3 = AL N2^2; the halves couple with +K to the primary, -K otherwise. A
// fractional turn count is truncated.
TEST(CplIndElementTest, SymmetricalTransformer) {
  const double k = 0.5, l1 = 40e-9, l2 = 10e-9, m12 = k * 20e-9, m23 = -k * 10e-9;
  const std::vector<double> l = {l1, m12, -m12, m12, l2, m23, -m12, m23, l2};
  for (const char* line :
       {"SYUE 1 2 3 AL=10nH N1=2 N2=1 K=0.5", "SYUE 1 2 3 AL=10nH N1=2.7 N2=1.9 K=0.5"}) {
    EXPECT_TRUE(InvertsReactance(ModelMatrixAt({line}, kF), l, kOmega, 1e-5)) << line;
  }
}

}  // namespace
