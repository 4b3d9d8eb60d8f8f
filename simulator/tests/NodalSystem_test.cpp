#include "simulator/NodalSystem.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "basics/GaussSolve.h"

namespace {

using Status = NodalSystem<Cmplx>::Status;

// A dense row-major matrix, declared to the system as its non-zero entries (every point of a
// sweep stamps the same structure).
struct Dense {
  int n;
  std::vector<Cmplx> a;
  Cmplx& At(int r, int c) { return a[static_cast<size_t>(r * n + c)]; }
};

void Declare(NodalSystem<Cmplx>& system, const Dense& m) {
  ASSERT_TRUE(system.Begin(m.n, m.a.size()));
  for (int i = 0; i < m.n * m.n; ++i) {
    if (m.a[static_cast<size_t>(i)].Abs() > 0.0) system.Declare(i / m.n, i % m.n);
  }
  system.Build();
}

// Solves m x = b with m's values in the system's slots, b one or more right-hand sides one
// after another; empty when reported singular.
std::vector<Cmplx> Solve(NodalSystem<Cmplx>& system, const Dense& m, std::vector<Cmplx> b) {
  std::vector<Cmplx> values(system.GetEntryCount());
  for (int i = 0; i < m.n * m.n; ++i) {
    const int slot = system.Slot(i / m.n, i % m.n);
    if (slot >= 0) values[static_cast<size_t>(slot)] = m.a[static_cast<size_t>(i)];
  }
  const int count = static_cast<int>(b.size()) / m.n;
  return system.Solve(values, b.data(), 0, count) == Status::kSolved ? b : std::vector<Cmplx>{};
}

void ExpectClose(const std::vector<Cmplx>& x, const std::vector<Cmplx>& expected, double tolerance,
                 const char* what) {
  ASSERT_EQ(x.size(), expected.size()) << what;
  for (size_t i = 0; i < x.size(); ++i) {
    EXPECT_NEAR((x[i] - expected[i]).Abs(), 0.0, tolerance * (1.0 + expected[i].Abs()))
        << what << " " << i;
  }
}

// Random systems of a given fill, some with zeros on the diagonal so that pivots leave it,
// each solved at two points of the same structure (the second reuses the first's pivots),
// for two right-hand sides at once.
TEST(NodalSystem, SolvesLikeTheDenseSolver) {
  std::mt19937 random(2120);
  std::uniform_real_distribution<double> number(-1.0, 1.0);
  for (int n : {1, 2, 7, 40, 200}) {
    for (double fill : {1.0, 0.3, 0.02}) {
      Dense m{n, std::vector<Cmplx>(static_cast<size_t>(n * n))};
      for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
          const bool band = c >= r - 1 && c <= r + 1 && (r != c || r % 5 != 1);
          if (band || number(random) < 2.0 * fill - 1.0) m.At(r, c) = Cmplx(1.0, 0.0);
        }
      }
      NodalSystem<Cmplx> system;
      Declare(system, m);
      for (int point = 0; point < 2; ++point) {
        for (Cmplx& v : m.a) {
          if (v.Abs() > 0.0) v = Cmplx(number(random), number(random));
        }
        std::vector<Cmplx> b(2 * static_cast<size_t>(n));
        for (Cmplx& v : b) v = Cmplx(number(random), number(random));
        std::vector<Cmplx> expected(b.size());
        for (int k = 0; k < 2; ++k) {
          ASSERT_EQ(CmplxSolve(&expected[k * n], m.a.data(), &b[k * n], n, n), 1) << n << fill;
        }
        ExpectClose(Solve(system, m, b), expected, 1e-9, "random");
      }
    }
  }
}

// A pivot of the first point that vanishes, or nearly does, at the next one: the system is
// pivoted afresh instead of returning a wrong solution or none. A singular point has no
// solution, and the next regular one solves.
TEST(NodalSystem, PivotsAfreshWhenTheOldPivotsFail) {
  NodalSystem<Cmplx> system;
  Dense m{2, {Cmplx(2.0, 0.0), Cmplx(1.0, 0.0), Cmplx(1.0, 0.0), Cmplx(1.0, 0.0)}};
  Declare(system, m);
  const std::vector<Cmplx> b = {Cmplx(1.0, 0.0), Cmplx()};
  ExpectClose(Solve(system, m, b), {Cmplx(1.0, 0.0), Cmplx(-1.0, 0.0)}, 1e-15, "first");
  // Both columns of the inverse: each solution is checked.
  for (double small : {1e-7, 0.0, 1e-14, 2.0, 1e-14}) {
    m.At(0, 0) = Cmplx(small, 0.0);
    const double det = small - 1.0;
    ExpectClose(Solve(system, m, {Cmplx(1.0, 0.0), Cmplx(), Cmplx(), Cmplx(1.0, 0.0)}),
                {Cmplx(1.0 / det, 0.0), Cmplx(-1.0 / det, 0.0), Cmplx(-1.0 / det, 0.0),
                 Cmplx(small / det, 0.0)},
                1e-14, "changed pivot");
  }
  m.At(0, 0) = Cmplx(1.0, 0.0);
  EXPECT_TRUE(Solve(system, m, b).empty());
  m.At(0, 0) = Cmplx(3.0, 0.0);
  ExpectClose(Solve(system, m, b), {Cmplx(0.5, 0.0), Cmplx(-0.5, 0.0)}, 1e-15, "regular");
}

}  // namespace
