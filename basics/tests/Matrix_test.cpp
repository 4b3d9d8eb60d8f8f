#include "basics/Matrix.h"

#include <gtest/gtest.h>

#include <climits>

#include "basics/tests/NumTest.h"

namespace {

class MatrixTest : public NumErrorLog {
 protected:
  // Rows of complex entries from (re, im) pairs.
  static CMatrix MakeC(int rows, int cols, std::initializer_list<Cmplx> values) {
    CMatrix m(rows, cols);
    auto it = values.begin();
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) m[r][c] = *it++;
    return m;
  }
};

TEST_F(MatrixTest, RowCountBelowOne) {
  for (int rows : {0, INT_MIN}) {
    SCOPED_TRACE(rows);
    log.clear();
    const RMatrix r(rows, 3);
    EXPECT_TRUE(r.Rows() == 0 && r.Cols() == 0);
    EXPECT_TRUE(log.empty());
    const CMatrix c(rows, 3);
    EXPECT_EQ(c.Rows(), 0);
    EXPECT_EQ(log, Log({"CMatrix: Anzahl der CMatrixzeilen muß größer 0 sein"}));
  }
  EXPECT_EQ(Flags(), "----c");
}

TEST_F(MatrixTest, BadRowIndexUsesRowZero) {
  RMatrix r(2, 2);
  CMatrix c(2, 2);
  for (int row : {2, -1, INT_MAX}) {
    r[row][1] = row;
    c[row][1] = Cmplx(row, 1);
  }
  EXPECT_EQ(r[0][1], INT_MAX);
  EXPECT_EQ(c[0][1].re, INT_MAX);
  EXPECT_EQ(r[1][1], 0);
  EXPECT_EQ(log.size(), 6u);
  EXPECT_EQ(log.front(), "RMatrix: ungültiger Zeilen-Index");
  EXPECT_EQ(log.back(), "CMatrix: ungültiger Zeilen-Index");
  EXPECT_EQ(Flags(), "---rc");
}

TEST_F(MatrixTest, AccessWithoutRowsIsSafe) {
  RMatrix r(0, 0);
  CMatrix c(0, 2);
  log.clear();
  r[0][0] = 5;
  c[3][0] = Cmplx(1, 1);
  EXPECT_EQ(r[0][0], 0);
  EXPECT_EQ(c[0][0].im, 0);
  EXPECT_EQ(log, Log({"RMatrix: ungültiger Zeilen-Index", "CMatrix: ungültiger Zeilen-Index",
                      "RMatrix: ungültiger Zeilen-Index", "CMatrix: ungültiger Zeilen-Index"}));
}

TEST_F(MatrixTest, CopyAssignResize) {
  CMatrix a = MakeC(2, 2, {{1, 0}, {2, 0}, {3, 0}, {4, 1}});
  CMatrix& alias = a;
  a = alias;
  EXPECT_EQ(a[1][1].im, 1);
  CMatrix b(3, 1);
  b = a;
  EXPECT_TRUE(b.Rows() == 2 && b.Cols() == 2);
  a[1][1] = Cmplx(9, 9);
  EXPECT_EQ(b[1][1].re, 4);  // deep copy
  b.Resize(3, 4);
  EXPECT_TRUE(b.Rows() == 3 && b.Cols() == 4);
  EXPECT_EQ(b[1][0].re, 0);

  RMatrix r(2, 3);
  r[1][2] = -7;
  const CMatrix fromReal(r);
  EXPECT_EQ(fromReal.Cols(), 3);
  EXPECT_TRUE(IsCmplx(fromReal[1][2], -7, 0));
  EXPECT_TRUE(log.empty());
}

TEST_F(MatrixTest, SameSizeAndAddition) {
  struct Case {
    int rowsA, colsA, rowsB, colsB;
  };
  for (const Case& s : {Case{2, 3, 2, 3}, Case{2, 3, 3, 2}, Case{2, 3, 2, 2}, Case{1, 1, 2, 1}}) {
    SCOPED_TRACE(testing::Message() << s.rowsA << s.colsA << s.rowsB << s.colsB);
    log.clear();
    CMatrix a(s.rowsA, s.colsA), b(s.rowsB, s.colsB);
    a[0][0] = Cmplx(1, 2);
    b[0][0] = Cmplx(10, 20);
    const bool same = s.rowsA == s.rowsB && s.colsA == s.colsB;
    EXPECT_EQ(SameSize(a, b), same);
    a += b;
    EXPECT_EQ(a[0][0].re, same ? 11 : 1);
    EXPECT_EQ(log, same ? Log({}) : Log({"CMatrix: verschiedene CMatrixgrößen in operator+"}));
  }
  EXPECT_FALSE(SameSize(RMatrix(2, 2), RMatrix(2, 1)));
}

TEST_F(MatrixTest, MatrixProduct) {
  CMatrix a = MakeC(2, 3, {{1, 0}, {0, 1}, {2, 0}, {0, 0}, {1, 0}, {-1, 0}});
  const CMatrix b = MakeC(3, 2, {{1, 0}, {0, 0}, {0, 1}, {1, 0}, {2, 0}, {3, 0}});
  const CMatrix c = a * b;
  ASSERT_TRUE(c.Rows() == 2 && c.Cols() == 2);
  const Cmplx expected[2][2] = {{{4, 0}, {6, 1}}, {{-2, 1}, {-2, 0}}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) EXPECT_TRUE(IsCmplx(c[i][j], expected[i][j].re, expected[i][j].im));
  a *= a;  // mismatched: left alone
  EXPECT_TRUE(a.Rows() == 2 && a.Cols() == 3);
  EXPECT_EQ(a[0][1].im, 1);
  EXPECT_EQ(log, Log({"CMatrix: Fehler bei (A * B): A.Cols != B.Rows"}));
}

TEST_F(MatrixTest, MatrixTimesVector) {
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

  const CMatrix c = MakeC(2, 2, {{0, 1}, {1, 0}, {2, 0}, {0, 0}});
  RVektor rv(2);
  rv[0] = 3;
  rv[1] = 4;
  const CVektor z = CMatrixMulRVektor(c, rv);
  EXPECT_TRUE(IsCmplx(z[0], 4, 3));
  EXPECT_TRUE(IsCmplx(z[1], 6, 0));
  EXPECT_TRUE(log.empty());

  EXPECT_EQ(CMatrixMulRVektor(CMatrix(2, 3), rv).GetSize(), 2);
  const CVektor tall = RMatrixMulCVektor(RMatrix(3, 1), cv);
  EXPECT_EQ(tall.GetSize(), 3);
  EXPECT_EQ(tall[2].re, 0);
  EXPECT_EQ(log, Log({"CMatrix: Fehler bei (A * B): A.Cols != B.Rows",
                      "RMatrix: Fehler bei (A * B): A.Cols != B.Rows"}));
}

TEST_F(MatrixTest, StampingAndCopyingIntoAnRMatrix) {
  RMatrix m(2, 3);
  m.AddTo(1.5, 1, 2);
  m.AddTo(1.0, 1, 2);
  EXPECT_EQ(m[1][2], 2.5);
  RVektor col(2);
  col[0] = 7;
  col[1] = 8;
  m.SetColumn(col, 0);
  EXPECT_EQ(m[1][0], 8);
  RMatrix small(1, 2);
  small[0][1] = -1;
  m.SetFromMatrix(small);
  EXPECT_EQ(m[0][1], -1);
  EXPECT_EQ(m[0][0], 0);
  EXPECT_EQ(m[1][0], 8);
  EXPECT_TRUE(log.empty());
}

TEST_F(MatrixTest, OutOfRangeStampsAreReportedAndWriteNothing) {
  struct Case {
    int r, c;
    const char* message;
  } cases[] = {{2, 0, "RMatrix: ungültiger Zeilen-Index"},
                        {-1, 0, "RMatrix: ungültiger Zeilen-Index"},
                        {0, 3, "RVektor: ungültiger Index"},
                        {1, -1, "RVektor: ungültiger Index"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.r << "," << c.c);
    log.clear();
    RMatrix m(2, 3);
    m.AddTo(5, c.r, c.c);
    EXPECT_EQ(m[0][0], 0);
    EXPECT_EQ(log, Log({c.message}));
  }
  RMatrix m(2, 2);
  RVektor tall(3);
  tall[0] = 4;
  log.clear();
  m.SetColumn(tall, 1);
  m.SetColumn(RVektor(2), 2);
  m.SetFromMatrix(RMatrix(2, 3));
  EXPECT_EQ(m[0][1], 0);  // overwritten by the 2 x 3 zeros
  EXPECT_EQ(m[0][0], 0);
  EXPECT_EQ(log, Log({"RMatrix: ungültiger Zeilen-Index", "RVektor: ungültiger Index",
                      "RVektor: ungültiger Index", "RVektor: ungültiger Index",
                      "RVektor: ungültiger Index"}));
}

}  // namespace
