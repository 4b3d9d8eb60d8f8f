#include "editor/Polynom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/FilterPrototype.h"

namespace {

struct PrototypeRow {
  char type;
  double rippleDb;
  int order;
  std::vector<double> g;
};

const PrototypeRow kClosedForms[] = {
#include "editor/tests/fixtures/filter_prototypes.inc"
};

class PolynomTest : public testing::Test {
 protected:
  void SetUp() override {
    Polynom::ResetErrorState();
    Polynom::errorHook = [](const char* message) { log.push_back(message); };
    log.clear();
  }
  void TearDown() override { Polynom::ResetErrorState(); }

  static std::vector<double> Coefficients(const Polynom& p) {
    std::vector<double> c;
    for (int i = 0; i < p.GetCount(); ++i) c.push_back(p[i]);
    return c;
  }

  static inline std::vector<std::string> log;
};

TEST_F(PolynomTest, ArithmeticAndItsMessages) {
  EXPECT_EQ(Coefficients(Polynom(-1, 0, 1).DivideByXMinus1()), (std::vector<double>{1, 1}));
  EXPECT_EQ(Coefficients(Polynom(1, 2) * Polynom(3, 0, 1)), (std::vector<double>{3, 6, 1, 2}));
  Polynom p(1, 2);
  p -= Polynom(0, 0, 4);  // grows first
  EXPECT_EQ(Coefficients(p), (std::vector<double>{1, 2, -4}));
  p.DivideByX();
  EXPECT_EQ(Coefficients(p), (std::vector<double>{2, -4, 0}));
  EXPECT_EQ(p.Degree(), 1);
  EXPECT_EQ(Polynom(3).Degree(), -1);
  Polynom root(0);
  root.MulRoot(2);  // the empty polynomial becomes the factor
  root.MulConjugatePair(1, 1);
  EXPECT_EQ(Coefficients(root), (std::vector<double>{-4, 6, -4, 1}));
  EXPECT_TRUE(log == std::vector<std::string>{"Polynom muß größer als 0 sein"});

  log.clear();
  EXPECT_EQ(Polynom(1, 1).Shift(0).GetCount(), 0);
  EXPECT_EQ(p[3], 0.0);
  EXPECT_EQ(Polynom(Polynom::kMaxCount + 1).GetCount(), 0);
  EXPECT_TRUE(log == (std::vector<std::string>{"Polynom muß größer als 0 sein", "ungültiger Index",
                                               "Konstruktor n: Kein Speicher zugewiesen"}));
  EXPECT_EQ(Polynom::errorFlag, 1);
}

TEST_F(PolynomTest, FractionEvaluationNormalisingAndUnitElements) {
  EXPECT_EQ(PolynomBruch(Polynom(1, 1), Polynom(-2, 1)).Evaluate(2.0), 1e36);

  // Common powers of x cancel, signs turn positive, and an all-zero fraction ends.
  PolynomBruch f(Polynom(0, -2, -1e-9), Polynom(0, 0, -3));
  f.Normalise();
  EXPECT_EQ(Coefficients(f.GetNumerator()), (std::vector<double>{2, 0, 0}));
  EXPECT_EQ(Coefficients(f.GetDenominator()), (std::vector<double>{0, 3, 0}));
  PolynomBruch zero(Polynom(0, 0), Polynom(0, 0, 0));
  zero.Normalise();
  EXPECT_EQ(zero.GetDenominator().Degree(), -1);

  // A unit element of impedance 2 before a load of 1: Z(S) = 2 (1 + 2S) / (2 + S). Its
  // removal leaves numerators that vanish at 1 only up to rounding of either sign.
  PolynomBruch line(Polynom(2, 4), Polynom(2, 1));
  EXPECT_DOUBLE_EQ(line.ExtractUnitElement(), 2.0);
  line.Normalise();
  EXPECT_DOUBLE_EQ(line.Evaluate(0.3), 1.0);
  // Equal at 1 and -1: the value is returned and nothing is removed.
  PolynomBruch even(Polynom(1, 0, 1), Polynom());
  EXPECT_EQ(even.ExtractUnitElement(), 2.0);
  EXPECT_EQ(Coefficients(even.GetNumerator()), (std::vector<double>{1, 0, 1}));
  EXPECT_TRUE(log.empty());
}

TEST_F(PolynomTest, ButterworthImpedanceAndItsExpansion) {
  PolynomBruch z;
  z.SetButterworth(1);
  EXPECT_EQ(Coefficients(z.GetNumerator()), (std::vector<double>{1, 2}));
  EXPECT_EQ(Coefficients(z.CauerExpand()), (std::vector<double>{2}));
  z.SetButterworth(2);
  const Polynom g = z.CauerExpand();
  ASSERT_EQ(g.GetCount(), 2);
  EXPECT_NEAR(g[0], 1.41421356, 5e-9);
  EXPECT_NEAR(g[1], 1.41421356, 5e-9);
}

TEST_F(PolynomTest, PrototypesMatchTheClosedForms) {
  const PrototypeRow kCases[] = {{'B', 0, 1, {2}},
                                 {'B', 0, 2, {1.4142, 1.4142}},
                                 {'B', 0, 3, {1, 2, 1}},
                                 {'T', 0.5, 3, {1.5963, 1.0967, 1.5963}}};
  for (const PrototypeRow& row : kCases) {
    const std::vector<double> g = ComputePrototype(row.order, row.type, row.rippleDb);
    ASSERT_EQ(g.size(), row.g.size()) << row.type << row.order;
    for (size_t i = 0; i < g.size(); ++i) EXPECT_NEAR(g[i], row.g[i], 1e-4);
  }
  for (const PrototypeRow& row : kClosedForms) {
    const std::vector<double> g = ComputePrototype(row.order, row.type, row.rippleDb);
    ASSERT_EQ(g.size(), row.g.size()) << row.type << row.rippleDb << " n=" << row.order;
    for (size_t i = 0; i < g.size(); ++i) {
      EXPECT_NEAR(g[i] / row.g[i], 1.0, 1e-5)
          << row.type << row.rippleDb << " n=" << row.order << " g" << i + 1;
    }
  }
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

TEST_F(PolynomTest, StubPrototypeAlternatesStubsAndUnitElements) {
  // Checked by the ladder's response: -3.01 dB at the cut-off, below -20 dB at 1.5 times it.
  const std::vector<double> v = ComputeStubPrototype(3, 'B', 0);
  const std::vector<double> expected{1, 2.5, 1.6, 1.5, 1.0 / 3};
  ASSERT_EQ(v.size(), expected.size());
  for (size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], expected[i], 1e-9) << i;
  EXPECT_EQ(ComputeStubPrototype(8, 'T', 0.5).size(), 15u);
}

TEST_F(PolynomTest, RefusedSettingsGiveNoValues) {
  const struct {
    int order;
    char type;
    double ripple;
    const char* message;
  } kCases[] = {
      {0, 'B', 0, "Ordnung muß zwischen 1 und 10 liegen"},
      {11, 'T', 0.5, "Ordnung muß zwischen 1 und 10 liegen"},
      {3, 'T', -1, "Ripple muß größer als 0 sein"},
      {3, 'T', NAN, "Ripple muß größer als 0 sein"},
  };
  for (const auto& c : kCases) {
    for (auto* compute : {ComputePrototype, ComputeStubPrototype}) {
      VS_Error::ResetQueue();
      EXPECT_TRUE(compute(c.order, c.type, c.ripple).empty()) << c.order;
      EXPECT_EQ(VS_Error::GetFirstMessage(), c.message);
    }
  }
  // The line expansion loses its last values at high orders: refused, never a 0 placed.
  VS_Error::ResetQueue();
  EXPECT_TRUE(ComputeStubPrototype(7, 'B', 0).empty());
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Filterprototyp: Elementwerte nicht berechenbar");
}

}  // namespace
