#include "simulator/PortMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "basics/tests/NumTest.h"
#include "simulator/tests/PortMatrixReference.h"

namespace {

// A two-port admittance matrix from its four entries in row order.
PortMatrix TwoPort(Cmplx y11, Cmplx y12, Cmplx y21, Cmplx y22) {
  const Cmplx e[4] = {y11, y12, y21, y22};
  return PortMatrix(2, e);
}

// SetAt and GetAt count from 1, AddAt from 0.
TEST(PortMatrix, IndexOutsideTheMatrixIsIgnored) {
  PortMatrix m(2);
  m.SetAt(Cmplx(1, 1), 2, 1);
  m.AddAt(Cmplx(2, 0), 1, 0);
  for (auto [i, j] : {std::pair{0, 1}, {3, 3}}) m.SetAt(Cmplx(9, 9), i, j);
  for (auto [i, j] : {std::pair{-1, 0}, {0, 2}}) m.AddAt(Cmplx(9, 9), i, j);
  EXPECT_TRUE(IsCmplx(m.GetAt(2, 1), 3, 1));
  EXPECT_TRUE(IsCmplx(m.GetAt(3, 1), 0, 0) && IsCmplx(m.GetAt(1, 0), 0, 0));
  for (int i : {0, 1, 3}) EXPECT_TRUE(IsCmplx(m.Entries()[i], 0, 0));
  EXPECT_EQ(PortMatrix(-1).GetSize(), 0);
}

// Into a larger and the same matrix.
TEST(PortMatrix, Assignment) {
  PortMatrix big(4);
  PortMatrix s = TwoPort({1, 0}, {2, 0}, {3, 0}, {4, 0});
  s.SetKind('S');
  big = s;
  EXPECT_TRUE(big.GetSize() == 2 && big.GetKind() == 'S');
  EXPECT_TRUE(IsCmplx(big.GetAt(2, 2), 4, 0));
  EXPECT_TRUE(IsCmplx(big.GetAt(3, 3), 0, 0));
  const PortMatrix& self = s;
  s = self;
  EXPECT_TRUE(IsCmplx(s.GetAt(1, 2), 2, 0));
}

TEST(PortMatrix, InverseOfOrdersOneTwoAndFour) {
  const Cmplx one[1] = {{0, 2}};
  EXPECT_TRUE(IsCmplx(PortMatrix(1, one).Inverse().GetAt(1, 1), 0, -0.5));
  // A singular matrix is left to the zero rule of the division.
  EXPECT_TRUE(IsCmplx(TwoPort({1, 0}, {2, 0}, {2, 0}, {4, 0}).Inverse().GetAt(2, 2),
                      Cmplx::kInverseOfZero, 0));
  const PortMatrix four = PortMatrix(4, std::vector<Cmplx>(16, Cmplx(1, 0)).data()).Inverse();
  EXPECT_EQ(four.GetSize(), 4);
  EXPECT_TRUE(IsCmplx(four.GetAt(1, 1), 0, 0));
}

TEST(PortMatrix, CopyWithoutAndRowWithout) {
  Cmplx values[9];
  for (int i = 0; i < 9; ++i) values[i] = Cmplx(i, 0);
  const PortMatrix m(3, values);
  const struct {
    int k;
    double expected[4];
  } cases[] = {{0, {4, 5, 7, 8}}, {1, {0, 2, 6, 8}}, {2, {0, 1, 3, 4}}};
  for (const auto& c : cases) {
    PortMatrix reduced(5);
    reduced.CopyWithout(m, c.k);
    ASSERT_EQ(reduced.GetSize(), 2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(reduced.Entries()[i].re, c.expected[i]);
  }
  // Row k without column k; a k outside leaves the row alone.
  Cmplx row[2] = {{-1, 0}, {-1, 0}};
  m.GetRowWithout(row, 1);
  EXPECT_TRUE(IsCmplx(row[0], 3, 0) && IsCmplx(row[1], 5, 0));
  m.GetRowWithout(row, 3);
  EXPECT_TRUE(IsCmplx(row[0], 3, 0));
}

TEST(PortMatrix, ToTextListsMagnitudesAndAngles) {
  const Cmplx one[1] = {{0, -0.5}};
  EXPECT_EQ(PortMatrix(1, one).ToText().ToCString(), "0.5\t-90");
  EXPECT_EQ(TwoPort({0, 2}, {-1, 0}, {0, -0.5}, {1e-5, 0}).ToText().ToCString(),
            "2\t90\t0.5\t-90\t1\t180\t1e-05\t0");
}

TEST(PortMatrix, EmbeddingOfOnePorts) {
  using Embedding = void (PortMatrix::*)(const Cmplx&);
  // An impedance of 30 ohm in series with 20 mS gives 1 / (30 + 50) S.
  for (Embedding op : {&PortMatrix::AddSeriesAtPort1, &PortMatrix::AddSeriesAtPort2,
                       &PortMatrix::AddCommonImpedance}) {
    const Cmplx y[1] = {{0.02, 0}};
    PortMatrix m(1, y);
    (m.*op)(Cmplx(30, 0));
    EXPECT_TRUE(Near(m.GetAt(1, 1), Cmplx(1.0 / 80, 0), 1e-16));
  }
  PortMatrix one(1);
  one.AddAcross(Cmplx(1, 0));
  one.AddToLast(Cmplx(1, 0));
  EXPECT_TRUE(IsCmplx(one.GetAt(1, 1), 2, 0));
}

TEST(PortMatrix, SeriesImpedanceThatCancelsThePortIsGuarded) {
  PortMatrix m = TwoPort({0.5, 0}, {0, 0}, {1, 0}, {1, 0});
  m.AddSeriesAtPort1(Cmplx(-2, 0));  // 1 + Z y11 = 0
  EXPECT_TRUE(Near(m.GetAt(1, 1), Cmplx(0.5e36, 0), 1e-15));
  EXPECT_TRUE(Near(m.GetAt(2, 1), Cmplx(1e36, 0), 1e-15));
}

PortMatrix Convert(const PortMatrix& m, char kind) {
  switch (kind) {
    case 'S': return m.ConvertToS(50, 75);
    case 'Z': return m.ConvertToZ();
    case 'K': return m.ConvertToK();
    case 'V': return m.ConvertToV(50, 75);
    case 'M': return m.ConvertToM(50, 75);
    default: return m.ConvertToR(50, 75);
  }
}

// A three-port converts to zeros of the kind asked for.
TEST(PortMatrix, OneAndThreePortConversions) {
  const struct {
    double y;
    char kind;
    double expected;
  } cases[] = {
      {1.0 / 50, 'S', 0}, {-1.0 / 50, 'S', 2e36}, {0.01, 'S', 1.0 / 3},
      {0.01, 'Z', 100},   {0, 'Z', 1e36},         {0.01, 'K', 1},
      {0.01, 'V', 1},     {0.01, 'M', 1},         {0.01, 'R', 1.0 / 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.y);
    const Cmplx y[1] = {{c.y, 0}};
    const PortMatrix r = Convert(PortMatrix(1, y), c.kind);
    EXPECT_TRUE(r.GetKind() == c.kind && r.GetSize() == 1);
    EXPECT_TRUE(Near(r.GetAt(1, 1), Cmplx(c.expected, 0), 1e-15));
  }
  const PortMatrix m(3, std::vector<Cmplx>(9, Cmplx(1, 1)).data());
  for (char kind : std::string("SZKVMR")) {
    const PortMatrix r = Convert(m, kind);
    ASSERT_TRUE(r.GetKind() == kind && r.GetSize() == 3) << kind;
    for (int e = 0; e < 9; ++e) EXPECT_TRUE(IsCmplx(r.Entries()[e], 0, 0)) << kind;
  }
}

TEST(PortMatrix, TwoPortConversionEdges) {
  const PortMatrix z = TwoPort({2, 0}, {1, 0}, {3, 0}, {1, 0}).ConvertToZ();  // D = -1
  EXPECT_TRUE(IsCmplx(z.GetAt(1, 2), 1, 0) && IsCmplx(z.GetAt(2, 1), 3, 0));
  const PortMatrix zs = TwoPort({1, 0}, {1, 0}, {1, 0}, {1, 0}).ConvertToZ();  // D = 0
  EXPECT_TRUE(Near(zs.GetAt(1, 1), Cmplx(1e36, 0), 1e-15));

  const PortMatrix k = TwoPort({1, 0}, {0, 0}, {5, 0}, {1, 0}).ConvertToK();
  for (int e = 0; e < 4; ++e) EXPECT_TRUE(IsCmplx(k.Entries()[e], 1e36, 0));

  // y22 + 1/Z02 = 0: the guard gives -y21 / 1e-36.
  const PortMatrix v = TwoPort({1, 0}, {0, 0}, {1, 0}, {-0.02, 0}).ConvertToV(50, 50);
  EXPECT_TRUE(Near(v.GetAt(2, 1), Cmplx(-1e36, 0), 1e-15));
  EXPECT_TRUE(IsCmplx(v.GetAt(1, 1), 1, 0) && IsCmplx(v.GetAt(2, 2), 1, 0));

  // No transmission: no gain, and its reciprocal saturates.
  const PortMatrix m = TwoPort({0.02, 0}, {0, 0}, {0, 0}, {0.02, 0}).ConvertToM(50, 50);
  EXPECT_TRUE(IsCmplx(m.GetAt(2, 1), 0, 0));
  EXPECT_TRUE(Near(m.GetAt(1, 2), Cmplx(1e36, 0), 1e-15));
}

// Large conductances cancel only inside the determinant, where a through's cancel exactly:
// a through stays one between any references, and entries beyond the square root of the
// double range do not overflow. Port 2 with a zero reference is a short.
TEST(PortMatrix, NearShortsConvertWithoutCancelling) {
  const double g = Cmplx::kInverseOfZero;
  const PortMatrix through = TwoPort({g, 0}, {-g, 0}, {-g, 0}, {g, 0});
  const struct {
    PortMatrix y;
    float z02;
    Cmplx s11, s21;
    double tolerance;
  } cases[] = {
      {through, 50, {0, 0}, {1, 0}, 1e-15},
      {through, 75, {0.2, 0}, {2 * std::sqrt(3750.0) / 125, 0}, 1e-7},
      {TwoPort({1e200, 0}, {0, 0}, {0, 0}, {0, 1e200}), 50, {-1, 0}, {0, 0}, 1e-15},
      {TwoPort({0.03, 0.01}, {-0.01, 0.002}, {0.1, 0.02}, {0.02, -0.01}), 0,
       {-1.5 / 6.5, -1 / 6.5}, {0, 0}, 1e-15},
  };
  for (const auto& c : cases) {
    const PortMatrix s = c.y.ConvertToS(50, c.z02);
    EXPECT_TRUE(Near(s.GetAt(1, 1), c.s11, c.tolerance)) << c.z02;
    EXPECT_TRUE(Near(s.GetAt(2, 1), c.s21, c.tolerance)) << c.z02;
  }
  // A through's impedances are huge but finite; the admittance seen through it is its load.
  EXPECT_TRUE(through.ConvertToZ().IsFinite());
  EXPECT_TRUE(Near(through.InputAdmittance(Cmplx(0.02, 0)), Cmplx(0.02, 0), 1e-15));
}

}  // namespace
