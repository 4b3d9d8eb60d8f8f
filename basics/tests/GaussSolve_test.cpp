#include "basics/GaussSolve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
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
    {"symmetric", 2, {2, 1, 1, 3}, {3, 5}, {0.8, 1.4}},
    {"zero pivot in first row", 2, {0, 1, 1, 0}, {2, 3}, {3, 2}},
    {"singular", 2, {1, 2, 2, 4}, {1, 1}, {}},
    {"zero matrix", 1, {0}, {1}, {}},
    {"three", 3, {1, 1, 1, 0, 2, 5, 2, 5, -1}, {6, -4, 27}, {5, 3, -2}},
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
  struct Case {
    int rows, cols, count;
    const char* message;
  } cases[] = {
      {2, 3, 2, "Fehler GaussAlgo: Keine quadratische  Matrix"},
      {3, 2, 3, "Fehler GaussAlgo: Keine quadratische  Matrix"},
      {2, 2, 3, "Fehler GaussAlgo: Matrixdimension != Vektordimension"},
      {3, 3, 2, "Fehler GaussAlgo: Matrixdimension != Vektordimension"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rows << "x" << c.cols << " | " << c.count);
    RMatrix ra(c.rows, c.cols);
    for (int i = 0; i < std::min(c.rows, c.cols); ++i) ra[i][i] = 1;
    RVektor rb(c.count);
    for (int i = 0; i < c.count; ++i) rb[i] = i + 1;
    log.clear();
    bool solvedC = true, solvedR = true;
    const CVektor cx = CMatrixGaussSolve(CMatrix(ra), CVektor(rb), &solvedC);
    const RVektor rx = RMatrixSolve(ra, rb, &solvedR);
    EXPECT_FALSE(solvedC || solvedR);
    ASSERT_EQ(cx.GetSize(), c.count);
    EXPECT_EQ(cx[c.count - 1].re, c.count);
    ASSERT_EQ(rx.GetSize(), c.rows);
    EXPECT_EQ(rx[c.rows - 1], 0);
    EXPECT_EQ(log, Log({(std::string("CMatrix: ") + c.message).c_str(),
                        (std::string("RMatrix: ") + c.message).c_str()}));
  }
}

TEST_F(GaussSolveTest, EmptySystemIsSolved) {
  Cmplx dummy;
  EXPECT_EQ(CmplxSolve(&dummy, &dummy, &dummy, 0, 0), 1);
  bool solved = false;
  const CVektor x = CMatrixGaussSolve(CMatrix(0, 0), CVektor(0), &solved);
  EXPECT_TRUE(solved);
  EXPECT_EQ(x.GetSize(), 0);
  EXPECT_EQ(CmplxSolve(&dummy, &dummy, &dummy, -1, 0), 0);
}

TEST_F(GaussSolveTest, CmplxSolveReadsRowsWithAStride) {
  // The 2 x 2 system sits in the upper left corner of a 3 x 3 array.
  const Cmplx a[9] = {{0, 1}, {1, 0}, {99, 0}, {2, 0}, {0, 0}, {99, 0}, {99, 0}, {99, 0}, {99, 0}};
  const Cmplx b[2] = {{1, 0}, {4, 0}};
  Cmplx x[2];
  ASSERT_EQ(CmplxSolve(x, a, b, 2, 3), 1);
  EXPECT_TRUE(IsCmplx(x[0], 2, 0));
  EXPECT_TRUE(IsCmplx(x[1], 1, -2));
}

TEST_F(GaussSolveTest, GaussJordanKeepsPivotsAndStopsHalfReduced) {
  // Equal magnitudes: the first row stays the pivot row; the pivot and the entries below it
  // are left as they were.
  Cmplx tie[6] = {{1, 0}, {1, 0}, {3, 0}, {0, -1}, {2, 0}, {0, 0}};
  ASSERT_EQ(CmplxGaussJordan(tie, 2), 1);
  EXPECT_EQ(tie[0].re, 1);
  EXPECT_EQ(tie[3].im, -1);
  EXPECT_LT((tie[2] + tie[5] - Cmplx(3, 0)).Abs(), 1e-15);
  EXPECT_LT((Cmplx(0, -1) * tie[2] + tie[5] * 2.0).Abs(), 1e-15);

  Cmplx singular[6] = {{2, 0}, {4, 0}, {6, 0}, {1, 0}, {2, 0}, {5, 0}};
  EXPECT_EQ(CmplxGaussJordan(singular, 2), 0);
  EXPECT_EQ(singular[0].re, 2);  // the pivot itself is kept
  EXPECT_EQ(singular[1].re, 2);  // normalised
  EXPECT_EQ(singular[2].re, 3);
  EXPECT_EQ(singular[3].re, 1);  // not cleared
  EXPECT_EQ(singular[4].re, 0);  // eliminated
  EXPECT_EQ(singular[5].re, 2);
}

TEST_F(GaussSolveTest, ExtremeScalesAreNotTakenForSingular) {
  for (double scale : {1e-170, 1e-300, 1e170, 1e300}) {
    SCOPED_TRACE(scale);
    const Cmplx a[4] = {{scale, 0}, {0, 0}, {0, 0}, {0, scale}};
    const Cmplx b[2] = {{scale, 0}, {scale, 0}};
    Cmplx x[2];
    ASSERT_EQ(CmplxSolve(x, a, b, 2, 2), 1);
    EXPECT_DOUBLE_EQ(x[0].re, 1);
    EXPECT_DOUBLE_EQ(x[1].im, -1);
  }
}

// One system of the fixture written by tools/gen_solver_fixtures.py.
struct FixtureSystem {
  bool complex = false;
  int n = 0;
  std::vector<Cmplx> a, b, x;
};

std::vector<FixtureSystem> ReadFixture() {
  std::istringstream in(kSystems);
  std::vector<FixtureSystem> systems;
  std::string kind;
  while (in >> kind) {
    FixtureSystem s;
    s.complex = kind == "complex";
    in >> s.n;
    auto read = [&](std::vector<Cmplx>& v, int count) {
      for (int i = 0; i < count; ++i) {
        double re = 0, im = 0;
        in >> re;
        if (s.complex) in >> im;
        v.emplace_back(re, im);
      }
    };
    read(s.a, s.n * s.n);
    read(s.b, s.n);
    read(s.x, s.n);
    if (!in) break;
    systems.push_back(std::move(s));
  }
  return systems;
}

double MaxAbs(const std::vector<Cmplx>& v) {
  double m = 0;
  for (const Cmplx& z : v) m = std::max(m, z.Abs());
  return m;
}

// ||A x - b|| / (||A|| ||x|| + ||b||) in the maximum norm.
double RelativeResidual(const FixtureSystem& s, const std::vector<Cmplx>& x) {
  double residual = 0, normA = 0;
  for (int i = 0; i < s.n; ++i) {
    Cmplx sum;
    double rowSum = 0;
    for (int j = 0; j < s.n; ++j) {
      sum += s.a[i * s.n + j] * x[j];
      rowSum += s.a[i * s.n + j].Abs();
    }
    residual = std::max(residual, (sum - s.b[i]).Abs());
    normA = std::max(normA, rowSum);
  }
  return residual / (normA * MaxAbs(x) + MaxAbs(s.b));
}

TEST_F(GaussSolveTest, AgreesWithNumpyOnRandomSystems) {
  const std::vector<FixtureSystem> systems = ReadFixture();
  ASSERT_EQ(systems.size(), 18u);
  for (const FixtureSystem& s : systems) {
    SCOPED_TRACE(testing::Message() << (s.complex ? "complex " : "real ") << s.n);
    std::vector<Cmplx> x(s.n);
    bool solved = false;
    if (s.complex) {
      ASSERT_EQ(CmplxSolve(x.data(), s.a.data(), s.b.data(), s.n, s.n), 1);
      CMatrix a(s.n, s.n);
      CVektor b(s.n);
      for (int i = 0; i < s.n; ++i) {
        b[i] = s.b[i];
        for (int j = 0; j < s.n; ++j) a[i][j] = s.a[i * s.n + j];
      }
      const CVektor mx = CMatrixGaussSolve(a, b, &solved);
      for (int i = 0; i < s.n; ++i) EXPECT_EQ(mx[i].re, x[i].re) << "the complex solvers differ";
    } else {
      RMatrix a(s.n, s.n);
      RVektor b(s.n);
      for (int i = 0; i < s.n; ++i) {
        b[i] = s.b[i].re;
        for (int j = 0; j < s.n; ++j) a[i][j] = s.a[i * s.n + j].re;
      }
      const RVektor rx = RMatrixSolve(a, b, &solved);
      for (int i = 0; i < s.n; ++i) x[i] = Cmplx(rx[i], 0);
    }
    ASSERT_TRUE(solved);
    EXPECT_LE(RelativeResidual(s, x), 1e-12);
    double diff = 0;
    for (int i = 0; i < s.n; ++i) diff = std::max(diff, (x[i] - s.x[i]).Abs());
    EXPECT_LE(diff / MaxAbs(s.x), 1e-10);
  }
  EXPECT_TRUE(log.empty());
}

}  // namespace
