#include "basics/Matrix.h"

#include <gtest/gtest.h>

#include <climits>

#include "basics/tests/NumTest.h"

namespace {

class MatrixTest : public NumErrorLog {
 protected:
  static CMatrix MakeC(int rows, int cols, std::initializer_list<Cmplx> values) {
    CMatrix m(rows, cols);
    auto it = values.begin();
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) m[r][c] = *it++;
    return m;
  }
};

TEST_F(MatrixTest, BadRowsFallBackToRowZeroOrAScratchRow) {
  EXPECT_EQ(RMatrix(INT_MIN, 3).Rows(), 0);  // silently, unlike CMatrix
  EXPECT_EQ(CMatrix(0, 3).Cols(), 0);
  RMatrix r(2, 2);
  for (int row : {2, -1, INT_MAX}) r[row][1] = row;
  EXPECT_EQ(r[0][1], INT_MAX);
  EXPECT_EQ(r[1][1], 0);
  CMatrix none(0, 2);
  none[3][0] = Cmplx(1, 1);
  EXPECT_EQ(none[0][0].im, 0);
  EXPECT_EQ(log, Log({"CMatrix: Anzahl der CMatrixzeilen muß größer 0 sein",
                      "RMatrix: ungültiger Zeilen-Index", "RMatrix: ungültiger Zeilen-Index",
                      "RMatrix: ungültiger Zeilen-Index",
                      "CMatrix: Anzahl der CMatrixzeilen muß größer 0 sein",
                      "CMatrix: ungültiger Zeilen-Index", "CMatrix: ungültiger Zeilen-Index"}));
  EXPECT_EQ(Flags(), "---rc");
}

TEST_F(MatrixTest, CopyAndAssignmentAreDeep) {
  CMatrix a = MakeC(2, 2, {{1, 0}, {2, 0}, {3, 0}, {4, 1}});
  CMatrix& alias = a;
  a = alias;
  CMatrix b(3, 1);
  b = a;
  a[1][1] = Cmplx(9, 9);
  EXPECT_TRUE(b.Rows() == 2 && b.Cols() == 2);
  EXPECT_TRUE(IsCmplx(b[1][1], 4, 1));
  RMatrix r(2, 3);
  r[1][2] = -7;
  EXPECT_TRUE(IsCmplx(CMatrix(r)[1][2], -7, 0));
  EXPECT_TRUE(log.empty());
}

TEST_F(MatrixTest, SumsAndProductsCheckSizes) {
  CMatrix a = MakeC(2, 3, {{1, 0}, {0, 1}, {2, 0}, {0, 0}, {1, 0}, {-1, 0}});
  const CMatrix b = MakeC(3, 2, {{1, 0}, {0, 0}, {0, 1}, {1, 0}, {2, 0}, {3, 0}});
  const CMatrix c = a * b;
  ASSERT_TRUE(c.Rows() == 2 && c.Cols() == 2);
  const Cmplx expected[2][2] = {{{4, 0}, {6, 1}}, {{-2, 1}, {-2, 0}}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) EXPECT_TRUE(IsCmplx(c[i][j], expected[i][j].re, expected[i][j].im));
  EXPECT_TRUE(log.empty());
  a *= a;  // mismatched: left alone
  a += b;
  EXPECT_TRUE(a.Rows() == 2 && a.Cols() == 3);
  EXPECT_EQ(a[0][1].im, 1);

  RMatrix r(2, 2);
  r[0][0] = 1;
  r[0][1] = 2;
  r[1][1] = -1;
  CVektor cv(2);
  cv[0] = Cmplx(1, 1);
  cv[1] = Cmplx(0, 2);
  const CVektor y = r * cv;
  EXPECT_TRUE(IsCmplx(y[0], 1, 5));
  EXPECT_TRUE(IsCmplx(y[1], 0, -2));
  RVektor rv(2);
  rv[0] = 3;
  rv[1] = 4;
  EXPECT_TRUE(IsCmplx((c * rv)[1], -14, 3));
  EXPECT_EQ(CMatrixMulRVektor(CMatrix(2, 3), rv).GetSize(), 2);
  const CVektor tall = RMatrixMulCVektor(RMatrix(3, 1), cv);
  EXPECT_EQ(tall.GetSize(), 3);
  EXPECT_EQ(log, Log({"CMatrix: Fehler bei (A * B): A.Cols != B.Rows",
                      "CMatrix: verschiedene CMatrixgrößen in operator+",
                      "CMatrix: Fehler bei (A * B): A.Cols != B.Rows",
                      "RMatrix: Fehler bei (A * B): A.Cols != B.Rows"}));
}

TEST_F(MatrixTest, StampsAndCopiesIntoAnRMatrixStayInside) {
  RMatrix m(2, 3);
  m.AddTo(1.5, 1, 2);
  m.AddTo(1.0, 1, 2);
  EXPECT_EQ(m[1][2], 2.5);
  for (auto [r, c] : {std::pair{2, 0}, {-1, 0}, {0, 3}, {1, -1}}) m.AddTo(5, r, c);
  EXPECT_EQ(m[0][0], 0);
  RVektor col(3);
  col[0] = 7;
  col[1] = 8;
  m.SetColumn(col, 0);
  EXPECT_EQ(m[1][0], 8);
  m.SetColumn(RVektor(2), 3);
  RMatrix small(1, 2);
  small[0][1] = -1;
  m.SetFromMatrix(small);
  EXPECT_EQ(m[0][1], -1);
  EXPECT_EQ(m[1][0], 8);
  RMatrix m2(2, 2);
  m2.SetFromMatrix(RMatrix(2, 3));
  EXPECT_EQ(log, Log({"RMatrix: ungültiger Zeilen-Index", "RMatrix: ungültiger Zeilen-Index",
                      "RVektor: ungültiger Index", "RVektor: ungültiger Index",
                      "RMatrix: ungültiger Zeilen-Index", "RVektor: ungültiger Index",
                      "RVektor: ungültiger Index", "RVektor: ungültiger Index",
                      "RVektor: ungültiger Index"}));
}

}  // namespace
