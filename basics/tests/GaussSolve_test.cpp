#include "basics/GaussSolve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "basics/tests/NumTest.h"

namespace {

constexpr const char kSystems[] =
#include "basics/tests/fixtures/solver_systems.inc"
    ;

class GaussSolveTest : public NumErrorLog {};

// Small real systems that every solver must handle alike.
struct SmallCase {
  const char* name;
  int n;
  std::vector<double> a;
  std::vector<double> b;
  std::vector<double> x;  // empty: singular
};

const SmallCase kSmall[] = {
    {"zero pivot in first row", 2, {0, 1, 1, 0}, {2, 3}, {3, 2}},
    {"three", 3, {1, 1, 1, 0, 2, 5, 2, 5, -1}, {6, -4, 27}, {5, 3, -2}},
    {"singular", 2, {1, 2, 2, 4}, {1, 1}, {}},
    {"zero matrix", 1, {0}, {1}, {}},
};

TEST_F(GaussSolveTest, SmallSystems) {
  for (const SmallCase& c : kSmall) {
    SCOPED_TRACE(c.name);
    log.clear();
    const bool regular = !c.x.empty();
    RMatrix ra(c.n, c.n);
    RVektor rb(c.n);
    for (int i = 0; i < c.n; ++i) {
      rb[i] = c.b[i];
      for (int j = 0; j < c.n; ++j) ra[i][j] = c.a[i * c.n + j];
    }
    const CMatrix ca(ra);
    const CVektor cb(rb);
    std::vector<Cmplx> a, x(c.n, Cmplx(-9, -9));
    for (double v : c.a) a.emplace_back(v, 0);
    EXPECT_EQ(CmplxSolve(x.data(), a.data(), &cb[0], c.n, c.n), regular ? 1 : 0);
    bool solvedC = !regular, solvedR = !regular;
    const CVektor cx = CMatrixGaussSolve(ca, cb, &solvedC);
    const RVektor rx = RMatrixSolve(ra, rb, &solvedR);
    EXPECT_TRUE(solvedC == regular && solvedR == regular);
    ASSERT_TRUE(cx.GetSize() == c.n && rx.GetSize() == c.n);
    for (int i = 0; i < c.n; ++i) {
      // On failure x stays untouched, the complex solver hands back b, the real one zeros.
      EXPECT_NEAR(x[i].re, regular ? c.x[i] : -9, 1e-14);
      EXPECT_EQ(x[i].im, regular ? 0 : -9);
      EXPECT_NEAR(cx[i].re, regular ? c.x[i] : c.b[i], 1e-14);
      EXPECT_NEAR(rx[i], regular ? c.x[i] : 0, 1e-14);
    }
    if (regular)
      EXPECT_TRUE(log.empty());
    else
      EXPECT_EQ(log, Log({"CMatrix: Fehler GausAlgo: Determinante verschwindet",
                          "RMatrix: Fehler GausAlgo: Determinante verschwindet"}));
  }
  EXPECT_EQ(Flags(), "---rc");
}

TEST_F(GaussSolveTest, MatrixSolversCheckSizes) {
  for (auto [rows, cols, count, message] :
       {std::tuple{3, 2, 3, "Fehler GaussAlgo: Keine quadratische  Matrix"},
        {2, 2, 3, "Fehler GaussAlgo: Matrixdimension != Vektordimension"}}) {
    RMatrix ra(rows, cols);
    RVektor rb(count);
    rb[count - 1] = 5;
    log.clear();
    bool solvedC = true, solvedR = true;
    const CVektor cx = CMatrixGaussSolve(CMatrix(ra), CVektor(rb), &solvedC);
    const RVektor rx = RMatrixSolve(ra, rb, &solvedR);
    EXPECT_FALSE(solvedC || solvedR);
    EXPECT_TRUE(cx.GetSize() == count && cx[count - 1].re == 5);
    EXPECT_TRUE(rx.GetSize() == rows && rx[rows - 1] == 0);
    EXPECT_EQ(log, Log({(std::string("CMatrix: ") + message).c_str(),
                        (std::string("RMatrix: ") + message).c_str()}));
  }
  Cmplx dummy;
  EXPECT_EQ(CmplxSolve(&dummy, &dummy, &dummy, 0, 0), 1);
  EXPECT_EQ(CmplxSolve(&dummy, &dummy, &dummy, -1, 0), 0);
  bool solved = false;
  EXPECT_EQ(CMatrixGaussSolve(CMatrix(0, 0), CVektor(0), &solved).GetSize(), 0);
  EXPECT_TRUE(solved);
}

// The nodal solver copies this pivoting, so ties must go to the first row.
TEST_F(GaussSolveTest, PivotsStrideAndExtremeScales) {
  Cmplx tie[6] = {{1, 0}, {1, 0}, {3, 0}, {0, -1}, {2, 0}, {0, 0}};
  ASSERT_EQ(CmplxGaussJordan(tie, 2), 1);
  EXPECT_EQ(tie[0].re, 1);
  EXPECT_EQ(tie[3].im, -1);
  EXPECT_LT((tie[2] + tie[5] - Cmplx(3, 0)).Abs(), 1e-15);

  // The 2 x 2 system sits in the upper left corner of a 3 x 3 array.
  const Cmplx a[9] = {{0, 1}, {1, 0}, {99, 0}, {2, 0}, {0, 0}, {99, 0}, {99, 0}, {99, 0}, {99, 0}};
  const Cmplx b[2] = {{1, 0}, {4, 0}};
  Cmplx x[2];
  ASSERT_EQ(CmplxSolve(x, a, b, 2, 3), 1);
  EXPECT_TRUE(IsCmplx(x[0], 2, 0));
  EXPECT_TRUE(IsCmplx(x[1], 1, -2));

  for (double scale : {1e-300, 1e300}) {
    const Cmplx d[4] = {{scale, 0}, {0, 0}, {0, 0}, {0, scale}};
    const Cmplx e[2] = {{scale, 0}, {scale, 0}};
    ASSERT_EQ(CmplxSolve(x, d, e, 2, 2), 1) << scale;
    EXPECT_DOUBLE_EQ(x[1].im, -1) << scale;
  }
}

// The fixture, written by tools/gen_solver_fixtures.py, holds per system its kind, n, A row by
// row, b and numpy's x.
TEST_F(GaussSolveTest, AgreesWithNumpyOnRandomSystems) {
  std::istringstream in(kSystems);
  std::string kind;
  for (int n = 0; in >> kind >> n;) {
    const bool complex = kind == "complex";
    SCOPED_TRACE(testing::Message() << kind << " " << n);
    std::vector<Cmplx> values(static_cast<size_t>(n * n + 2 * n));
    for (Cmplx& z : values) {
      in >> z.re;
      if (complex) in >> z.im;
    }
    ASSERT_TRUE(in);
    const Cmplx* rows = values.data();
    const Cmplx* want = rows + n * n + n;
    CMatrix a(n, n);
    RMatrix ra(n, n);
    CVektor b(n);
    RVektor rb(n);
    for (int i = 0; i < n; ++i) {
      b[i] = rows[n * n + i];
      rb[i] = b[i].re;
      for (int j = 0; j < n; ++j) ra[i][j] = (a[i][j] = rows[i * n + j]).re;
    }

    CVektor x(n);
    bool solved = false;
    if (complex) {
      ASSERT_EQ(CmplxSolve(&x[0], rows, &b[0], n, n), 1);
      const CVektor mx = CMatrixGaussSolve(a, b, &solved);
      for (int i = 0; i < n; ++i) EXPECT_EQ(mx[i].re, x[i].re) << "the complex solvers differ";
    } else {
      x = CVektor(RMatrixSolve(ra, rb, &solved));
    }
    ASSERT_TRUE(solved);
    double diff = 0, size = 0;
    for (int i = 0; i < n; ++i) {
      diff = std::max(diff, (x[i] - want[i]).Abs());
      size = std::max(size, want[i].Abs());
    }
    EXPECT_LE(diff / size, 1e-10);
  }
  EXPECT_TRUE(log.empty());
}

}  // namespace
