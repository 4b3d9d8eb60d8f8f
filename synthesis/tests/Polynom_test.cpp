// Polynomial arithmetic, the ladder expansions, and the prototypes against their closed forms.

#include "synthesis/Polynom.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "synthesis/FilterPrototype.h"

namespace {

using Values = std::vector<double>;

struct PrototypeRow {
  char type;
  double rippleDb;
  int order;
  Values g;
};

const PrototypeRow kClosedForms[] = {
#include "synthesis/tests/fixtures/filter_prototypes.inc"
};

class PolynomTest : public testing::Test {
 protected:
  void SetUp() override {
    Polynom::ResetErrorState();
    Polynom::errorHook = [](const char* message) { log.push_back(message); };
    log.clear();
  }
  void TearDown() override { Polynom::ResetErrorState(); }

  static Values Coefficients(const Polynom& p) {
    Values c;
    for (int i = 0; i < p.GetCount(); ++i) c.push_back(p[i]);
    return c;
  }

  static inline std::vector<std::string> log;
};

TEST_F(PolynomTest, ArithmeticAndItsMessages) {
  EXPECT_EQ(Coefficients(Polynom(-1, 0, 1).DivideByXMinus1()), (Values{1, 1}));
  EXPECT_EQ(Coefficients(Polynom(1, 2) * Polynom(3, 0, 1)), (Values{3, 6, 1, 2}));
  Polynom p(1, 2);
  p -= Polynom(0, 0, 4);  // grows first
  p.DivideByX();
  EXPECT_EQ(Coefficients(p), (Values{2, -4, 0}));
  EXPECT_EQ(p.Degree(), 1);
  EXPECT_EQ(Polynom(3).Degree(), -1);
  Polynom roots(0);
  roots.MulRoot(2);  // the empty polynomial becomes the factor
  roots.MulConjugatePair(1, 1);
  EXPECT_EQ(Coefficients(roots), (Values{-4, 6, -4, 1}));

  log.clear();
  EXPECT_EQ(Polynom(1, 1).Shift(0).GetCount(), 0);
  EXPECT_EQ(p[3], 0.0);
  EXPECT_EQ(Polynom(1, 1).Shift(INT32_MAX).GetCount(), 0);
  EXPECT_TRUE(log == (std::vector<std::string>{"Polynom muß größer als 0 sein", "ungültiger Index",
                                               "Konstruktor n: Kein Speicher zugewiesen"}));
  EXPECT_EQ(Polynom::errorFlag, 1);
}

TEST_F(PolynomTest, FractionsNormaliseAndGiveUpUnitElements) {
  EXPECT_EQ(PolynomBruch(Polynom(1, 1), Polynom(-2, 1)).Evaluate(2.0), 1e36);
  // Tiny coefficients go, signs turn positive, common powers of x cancel; all zero ends.
  PolynomBruch f(Polynom(0, -2, -1e-9), Polynom(0, 0, -3));
  f.Normalise();
  EXPECT_EQ(Coefficients(f.GetNumerator()), (Values{2, 0, 0}));
  EXPECT_EQ(Coefficients(f.GetDenominator()), (Values{0, 3, 0}));
  PolynomBruch zero(Polynom(0, 0), Polynom(0, 0, 0));
  zero.Normalise();

  // A unit element of 2 before a load of 1, Z(S) = 2 (1 + 2S) / (2 + S): what remains after
  // its removal vanishes at 1 only up to rounding of either sign.
  PolynomBruch line(Polynom(2, 4), Polynom(2, 1));
  EXPECT_DOUBLE_EQ(line.ExtractUnitElement(), 2.0);
  line.Normalise();
  EXPECT_DOUBLE_EQ(line.Evaluate(0.3), 1.0);
  // Equal at 1 and -1: the value comes back and nothing is removed.
  PolynomBruch even(Polynom(1, 0, 1), Polynom());
  EXPECT_EQ(even.ExtractUnitElement(), 2.0);
  EXPECT_EQ(Coefficients(even.GetNumerator()), (Values{1, 0, 1}));
  EXPECT_TRUE(log.empty());
}

TEST_F(PolynomTest, PrototypesMatchTheClosedForms) {
  PolynomBruch z;
  z.SetButterworth(1);
  EXPECT_EQ(Coefficients(z.GetNumerator()), (Values{1, 2}));
  const PrototypeRow kKnown[] = {{'B', 0, 1, {2}},
                                 {'B', 0, 2, {1.4142, 1.4142}},
                                 {'B', 0, 3, {1, 2, 1}},
                                 {'T', 0.5, 3, {1.5963, 1.0967, 1.5963}}};
  for (const PrototypeRow& row : kKnown) {
    EXPECT_THAT(ComputePrototype(row.order, row.type, row.rippleDb),
                testing::Pointwise(testing::DoubleNear(1e-4), row.g))
        << row.type << row.order;
  }
  for (const PrototypeRow& row : kClosedForms) {
    const Values g = ComputePrototype(row.order, row.type, row.rippleDb);
    ASSERT_EQ(g.size(), row.g.size()) << row.type << row.rippleDb << " n=" << row.order;
    for (size_t i = 0; i < g.size(); ++i) {
      EXPECT_NEAR(g[i] / row.g[i], 1.0, 1e-5)
          << row.type << row.rippleDb << " n=" << row.order << " g" << i + 1;
    }
  }
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

TEST_F(PolynomTest, StubPrototypeAndRefusedSettings) {
  // The ladder of these gives -3.01 dB at the cut-off and -23 dB at 1.5 times it.
  EXPECT_THAT(ComputeStubPrototype(3, 'B', 0),
              testing::Pointwise(testing::DoubleNear(1e-9), Values{1, 2.5, 1.6, 1.5, 1.0 / 3}));
  EXPECT_EQ(ComputeStubPrototype(8, 'T', 0.5).size(), 15u);

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
  // The last stub carries the rounding of every section before it (exact values in the rows).
  const struct {
    int order;
    char type;
    double ripple;
    double lastStub;
    double relative;
  } kHighOrders[] = {{7, 'B', 0, 0.1212565143, 1e-7},  {8, 'B', 0, 0.1045706203, 1e-5},
                     {9, 'B', 0, 0.09191695834, 1e-3}, {10, 'B', 0, 0.08199257294, 1e-2},
                     {9, 'T', 0.5, 0.1166686176, 1e-5}};
  for (const auto& row : kHighOrders) {
    const Values v = ComputeStubPrototype(row.order, row.type, row.ripple);
    ASSERT_EQ(v.size(), 2u * row.order - 1) << row.type << row.order;
    EXPECT_NEAR(v.back() / row.lastStub, 1.0, row.relative) << row.type << row.order;
  }
  // A large ripple at a high order still loses its last values: refused, never a 0 handed on.
  VS_Error::ResetQueue();
  EXPECT_TRUE(ComputeStubPrototype(8, 'T', 10).empty());
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Filterprototyp: Elementwerte nicht berechenbar");
}

}  // namespace
