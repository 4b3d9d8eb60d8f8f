#include "simulator/NodalSystem.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "simulator/PortMatrix.h"

namespace {

bool IsZero(const Cmplx& z) { return z.re == 0.0 && z.im == 0.0; }

// The pivot measure of the dense solver: sqrt(re^2 + im^2), the scaled magnitude where the
// squares underflow or overflow.
double PivotMagnitude(const Cmplx& z) {
  const double m = std::sqrt(z.re * z.re + z.im * z.im);
  return (m == 0.0 || std::isinf(m)) ? z.Abs() : m;
}

}  // namespace

bool NodalSystem::Allocate(int n) {
  work.reset();
  extent.reset();
  capacity = 0;
  order = 0;
  if (n <= 0) return n == 0;
  const size_t rows = static_cast<size_t>(n);
  work.reset(new (std::nothrow) Cmplx[rows * (rows + 1)]);
  extent.reset(new (std::nothrow) int[rows]);
  if (!work || !extent) {
    work.reset();
    extent.reset();
    return false;
  }
  capacity = n;
  return true;
}

void NodalSystem::Load(const PortMatrix& matrix, int skip, const Cmplx* rhs) {
  const int n = matrix.GetSize();
  const bool skipping = skip >= 0 && skip < n;
  order = std::min(skipping ? n - 1 : n, capacity);
  const Cmplx* source = matrix.Entries();
  int row = 0;
  for (int r = 0; r < n && row < order; ++r) {
    if (skipping && r == skip) continue;
    int col = 0;
    int last = -1;
    for (int c = 0; c < n && col < order; ++c) {
      if (skipping && c == skip) continue;
      const Cmplx& value = source[static_cast<size_t>(r) * static_cast<size_t>(n) + c];
      if (!IsZero(value)) last = col;
      work[Index(row, col++)] = value;
    }
    extent[row] = last;
    work[Index(row, order)] = rhs[row];
    ++row;
  }
}

bool NodalSystem::Solve() {
  const int n = order;
  for (int k = 0; k < n; ++k) {
    int p = k;
    double best = 0.0;
    for (int i = k; i < n; ++i) {
      const Cmplx& z = work[Index(i, k)];
      if (IsZero(z)) continue;
      const double m = PivotMagnitude(z);
      if (m > best) {
        best = m;
        p = i;
      }
    }
    if (best == 0.0) return false;
    Cmplx* rk = &work[Index(k, 0)];
    if (p != k) {
      std::swap_ranges(rk + k, rk + n + 1, &work[Index(p, k)]);
      std::swap(extent[k], extent[p]);
    }
    // Dividing by the pivot is multiplying by its inverse, as the complex division does.
    const Cmplx inverse = rk[k].Inverse();
    const int last = extent[k];
    for (int j = k + 1; j <= last; ++j) rk[j] *= inverse;
    rk[n] *= inverse;
    for (int i = k + 1; i < n; ++i) {
      Cmplx* ri = &work[Index(i, 0)];
      const Cmplx f = ri[k];
      if (IsZero(f)) continue;
      for (int j = k + 1; j <= last; ++j) ri[j] -= f * rk[j];
      ri[n] -= f * rk[n];
      extent[i] = std::max(extent[i], last);
    }
  }
  for (int i = n - 1; i >= 0; --i) {
    const Cmplx& xi = work[Index(i, n)];
    for (int r = i - 1; r >= 0; --r) {
      if (extent[r] < i) continue;
      const Cmplx& a = work[Index(r, i)];
      if (!IsZero(a)) work[Index(r, n)] -= a * xi;
    }
  }
  return true;
}
