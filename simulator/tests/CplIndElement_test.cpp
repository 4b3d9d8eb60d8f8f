#include "simulator/CplIndElement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/ElementModel.h"
#include "simulator/tests/ModelBench.h"

namespace {

constexpr float kF = 1e8f;
const double kOmega = 2.0 * kModelPi * kF;

TEST(CplIndElementTest, InverseOfInductanceMatrix) {
  const double m = 0.5 * std::sqrt(10e-9 * 40e-9);
  const PortMatrix y = ModelBench().MatrixAt({"MUI 1 2 L1=10nH L2=40nH K=0.5"}, kF);
  EXPECT_TRUE(ModelBench::InvertsReactance(y, {10e-9, m, m, 40e-9}, kOmega, 1e-6));
}

TEST(CplIndElementTest, ZeroCouplingDecouples) {
  const PortMatrix y = ModelBench().MatrixAt({"MUI 1 2 L1=10nH L2=40nH K=0"}, kF);
  ASSERT_EQ(y.GetSize(), 2);
  EXPECT_EQ(y.GetAt(1, 2).Abs(), 0.0);
  EXPECT_EQ(y.GetAt(2, 1).Abs(), 0.0);
  EXPECT_NEAR(y.GetAt(1, 1).im, -1.0 / (kOmega * 10e-9), 1e-6 / (kOmega * 10e-9));
  EXPECT_EQ(y.GetAt(1, 1).re, 0.0);
}

// L1 = AL N1^2, L2 = L3 = AL N2^2; the halves couple with +K to the primary, -K otherwise. A
// fractional turn count is truncated.
TEST(CplIndElementTest, SymmetricalTransformer) {
  const double k = 0.5, l1 = 40e-9, l2 = 10e-9, m12 = k * 20e-9, m23 = -k * 10e-9;
  const std::vector<double> l = {l1, m12, -m12, m12, l2, m23, -m12, m23, l2};
  for (const char* line : {"SYUE 1 2 3 AL=10nH N1=2 N2=1 K=0.5",
                           "SYUE 1 2 3 AL=10nH N1=2.7 N2=1.9 K=0.5"}) {
    EXPECT_TRUE(ModelBench::InvertsReactance(ModelBench().MatrixAt({line}, kF), l, kOmega, 1e-5))
        << line;
  }
}

TEST(CplIndElementTest, RefusedLines) {
  EXPECT_TRUE(ModelBench::Refuses({"MUI 1 2 L1=10nH K=0.5"}, " L2 fehlt "));
  EXPECT_TRUE(ModelBench::Refuses({"SYUE 1 2 3 AL=10nH N1=x2 N2=1 K=0.5"}, "Label nicht gefunden"));
}

}  // namespace
