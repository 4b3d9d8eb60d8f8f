#include "simulator/NodalSystem.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "basics/GaussSolve.h"
#include "simulator/PortMatrix.h"

namespace {

// Declares the non-zero entries of a as the profile, over a working array that still holds an
// earlier system of the same order with no zero in it.
void DeclareProfile(NodalSystem& system, const PortMatrix& a) {
  const int n = a.GetSize();
  PortMatrix earlier(n);
  for (int i = 0; i < n * n; ++i) earlier.SetAt(Cmplx(i + 1.0, 1.0), i / n + 1, i % n + 1);
  const std::vector<Cmplx> b(n, Cmplx(1.0, 0.0));
  system.Load(earlier, -1, b.data());
  system.ClearSpans();
  for (int i = 0; i < n * n; ++i) {
    if (a.Entries()[i].Abs() > 0.0) system.Touch(i / n, i % n);
  }
}

// Random matrices of a given fill, some with a zero leading diagonal so that rows are
// exchanged, with and without a row and column taken out: the dense solver's solution comes
// out bit for bit, with whole rows loaded and with the declared profile.
TEST(NodalSystem, SolvesLikeTheDenseSolver) {
  std::mt19937 random(2120);
  std::uniform_real_distribution<double> number(-1.0, 1.0);
  for (int n : {1, 2, 3, 7, 16, 40}) {
    for (double fill : {1.0, 0.3, 0.08}) {
      PortMatrix a(n);
      for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
          const bool band = c >= r - 1 && c <= r + 1 && (r != c || r % 5 != 0);
          if (band || number(random) < 2.0 * fill - 1.0) {
            a.SetAt(Cmplx(number(random), number(random)), r + 1, c + 1);
          }
        }
      }
      std::vector<Cmplx> b(n);
      for (Cmplx& v : b) v = Cmplx(number(random), number(random));
      NodalSystem whole;
      NodalSystem profiled;
      ASSERT_TRUE(whole.Allocate(n) && profiled.Allocate(n));
      DeclareProfile(profiled, a);
      for (int skip : {-1, 0, n / 2}) {
        const int m = skip >= 0 && n > 1 ? n - 1 : n;
        PortMatrix reduced(a);
        if (m < n) reduced.CopyWithout(a, skip);
        std::vector<Cmplx> expected(m);
        const int solved = CmplxSolve(expected.data(), reduced.Entries(), b.data(), m, m);
        for (NodalSystem* system : {&whole, &profiled}) {
          system->Load(a, m < n ? skip : -1, b.data());
          ASSERT_EQ(system->Solve(), solved != 0) << n << " " << fill << " " << skip;
          for (int i = 0; solved && i < m; ++i) {
            EXPECT_EQ(system->Solution(i).re, expected[i].re) << n << " " << fill << " " << i;
            EXPECT_EQ(system->Solution(i).im, expected[i].im) << n << " " << fill << " " << i;
          }
        }
      }
    }
  }
}

// Rows 1 and 2 agree up to column 2: after elimination row 2 holds nothing from column 2 on,
// whatever an earlier system left in the working array there.
TEST(NodalSystem, ReportsASingularSystem) {
  PortMatrix a(3);
  for (auto [r, c] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 2}, {3, 3}}) {
    a.SetAt(Cmplx(1.0, 0.0), r, c);
  }
  const Cmplx b[3] = {Cmplx(1.0, 0.0), Cmplx(), Cmplx()};
  NodalSystem system;
  ASSERT_TRUE(system.Allocate(3));
  DeclareProfile(system, a);
  system.Load(a, -1, b);
  EXPECT_FALSE(system.Solve());
  system.Load(a, 1, b);  // without row and column 2 the rest is regular
  ASSERT_TRUE(system.Solve());
  EXPECT_EQ(system.Solution(0).re, 1.0);
}

}  // namespace
