#include "simulator/NodalSystem.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "basics/GaussSolve.h"
#include "simulator/PortMatrix.h"

namespace {

// Random matrices of a given fill, some with a zero leading diagonal so that rows are
// exchanged; the dense solver's solution must come out bit for bit, with whole rows loaded
// and with declared profiles over a working array full of an earlier system's numbers.
TEST(NodalSystem, SolvesLikeTheDenseSolver) {
  std::mt19937 random(2120);
  std::uniform_real_distribution<double> number(-1.0, 1.0);
  for (int n : {1, 2, 3, 7, 16, 40}) {
    for (double fill : {1.0, 0.3, 0.08}) {
      for (int skip : {-1, 0, n / 2}) {
        PortMatrix a(n);
        PortMatrix full(n);
        NodalSystem whole;
        NodalSystem profiled;
        ASSERT_TRUE(whole.Allocate(n) && profiled.Allocate(n));
        for (int r = 0; r < n; ++r) {
          for (int c = 0; c < n; ++c) {
            full.SetAt(Cmplx(number(random), 1.0), r + 1, c + 1);
            const bool band = c >= r - 1 && c <= r + 1 && (r != c || r % 5 != 0);
            if (band || number(random) < 2.0 * fill - 1.0) {
              a.SetAt(Cmplx(number(random), number(random)), r + 1, c + 1);
            }
          }
        }
        std::vector<Cmplx> b(n);
        for (Cmplx& v : b) v = Cmplx(number(random), number(random));
        profiled.Load(full, -1, b.data());
        profiled.ClearSpans();
        for (int r = 0; r < n; ++r) {
          for (int c = 0; c < n; ++c) {
            if (a.GetAt(r + 1, c + 1).Abs() > 0.0) profiled.Touch(r, c);
          }
        }
        const int m = skip >= 0 && n > 1 ? n - 1 : n;
        PortMatrix reduced(m);
        if (m < n) {
          reduced.CopyWithout(a, skip);
        } else {
          reduced = a;
        }
        std::vector<Cmplx> expected(m);
        const int solved = CmplxSolve(expected.data(), reduced.Entries(), b.data(), m, m);
        for (NodalSystem* system : {&whole, &profiled}) {
          system->Load(a, m < n ? skip : -1, b.data());
          ASSERT_EQ(system->GetOrder(), m);
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
  const Cmplx one(1.0, 0.0);
  PortMatrix a(3);
  PortMatrix earlier(3);
  for (auto [r, c] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 2}, {3, 3}}) {
    a.SetAt(one, r, c);
  }
  for (int r = 1; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) earlier.SetAt(Cmplx(r, c), r, c);
  }
  const Cmplx b[3] = {one, Cmplx(), Cmplx()};
  NodalSystem system;
  ASSERT_TRUE(system.Allocate(3));
  system.Load(earlier, -1, b);
  system.ClearSpans();
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      if (a.GetAt(r + 1, c + 1).Abs() > 0.0) system.Touch(r, c);
    }
  }
  system.Load(a, -1, b);
  EXPECT_FALSE(system.Solve());
  system.Load(a, 1, b);  // without row and column 2 the rest is regular
  ASSERT_TRUE(system.Solve());
  EXPECT_EQ(system.Solution(0).re, 1.0);
}

}  // namespace
