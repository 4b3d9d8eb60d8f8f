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

// a * b and a - f * b, in the operation order of Cmplx, inline in the inner loops.
Cmplx Product(const Cmplx& a, const Cmplx& b) {
  return Cmplx(a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re);
}

void SubtractProduct(Cmplx& a, const Cmplx& f, const Cmplx& b) {
  const Cmplx p = Product(f, b);
  a.re -= p.re;
  a.im -= p.im;
}

}  // namespace

bool NodalSystem::Allocate(int n) {
  std::unique_ptr<int[]>* const indices[] = {&first, &last, &bound, &spanFirst, &spanLast};
  work.reset();
  for (auto* array : indices) array->reset();
  capacity = 0;
  order = 0;
  if (n <= 0) return n == 0;
  const size_t rows = static_cast<size_t>(n);
  work.reset(new (std::nothrow) Cmplx[rows * (rows + 1)]);
  bool ok = work != nullptr;
  for (auto* array : indices) {
    array->reset(new (std::nothrow) int[rows]);
    ok = ok && *array != nullptr;
  }
  if (!ok) {
    Allocate(0);
    return false;
  }
  capacity = n;
  std::fill(spanFirst.get(), spanFirst.get() + n, 0);
  std::fill(spanLast.get(), spanLast.get() + n, n - 1);
  return true;
}

void NodalSystem::ClearSpans() {
  std::fill(spanFirst.get(), spanFirst.get() + capacity, capacity);
  std::fill(spanLast.get(), spanLast.get() + capacity, -1);
}

void NodalSystem::Touch(int row, int col) {
  if (row < 0 || row >= capacity || col < 0 || col >= capacity) return;
  spanFirst[row] = std::min(spanFirst[row], col);
  spanLast[row] = std::max(spanLast[row], col);
}

void NodalSystem::ClearProfile(PortMatrix& matrix) const {
  for (int r = 0; r < capacity; ++r) {
    for (int c = spanFirst[r]; c <= spanLast[r]; ++c) matrix.SetAt(Cmplx(), r + 1, c + 1);
  }
}

void NodalSystem::Load(const PortMatrix& matrix, int skip, const Cmplx* rhs) {
  const int n = matrix.GetSize();
  const bool skipping = skip >= 0 && skip < n;
  order = std::min(skipping ? n - 1 : n, capacity);
  const Cmplx* source = matrix.Entries();
  for (int row = 0; row < order; ++row) {
    const int r = skipping && row >= skip ? row + 1 : row;
    const Cmplx* from = source + static_cast<size_t>(r) * static_cast<size_t>(n);
    Cmplx* to = &work[Index(row, 0)];
    to[order] = rhs[row];
    // The span in the loaded columns, without the skipped one.
    int f = r < capacity ? spanFirst[r] : 0;
    int l = r < capacity ? std::min(spanLast[r], n - 1) : n - 1;
    for (int c = f; c <= l; ++c) {
      if (!skipping || c < skip) {
        to[c] = from[c];
      } else if (c > skip) {
        to[c - 1] = from[c];
      }
    }
    if (skipping) {
      if (f > skip) --f;
      if (l >= skip) --l;
    }
    while (f <= l && IsZero(to[f])) ++f;
    while (l > f && IsZero(to[l])) --l;
    first[row] = f <= l ? f : order;
    last[row] = f <= l ? l : -1;
  }
  // bound[k]: no row below it starts at or left of column k, so none below it holds a
  // non-zero in column k, neither now nor after the row exchanges of the elimination.
  std::fill(bound.get(), bound.get() + order, -1);
  for (int row = 0; row < order; ++row) {
    if (first[row] < order) bound[first[row]] = std::max(bound[first[row]], row);
  }
  for (int k = 1; k < order; ++k) bound[k] = std::max(bound[k], bound[k - 1]);
}

bool NodalSystem::Solve() {
  const int n = order;
  for (int k = 0; k < n; ++k) {
    const int rows = std::min(bound[k], n - 1);
    int p = k;
    double best = 0.0;
    for (int i = k; i <= rows; ++i) {
      const Cmplx& z = work[Index(i, k)];
      if (first[i] > k || last[i] < k || IsZero(z)) continue;
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
      std::swap(first[k], first[p]);
      std::swap(last[k], last[p]);
    }
    // Dividing by the pivot is multiplying by its inverse, as the complex division does.
    const Cmplx inverse = rk[k].Inverse();
    const int end = last[k];
    for (int j = k + 1; j <= end; ++j) rk[j] = Product(rk[j], inverse);
    rk[n] = Product(rk[n], inverse);
    for (int i = k + 1; i <= rows; ++i) {
      Cmplx* ri = &work[Index(i, 0)];
      if (first[i] > k || last[i] < k || IsZero(ri[k])) continue;
      const Cmplx f = ri[k];
      for (int j = last[i] + 1; j <= end; ++j) ri[j] = Cmplx();
      for (int j = k + 1; j <= end; ++j) SubtractProduct(ri[j], f, rk[j]);
      SubtractProduct(ri[n], f, rk[n]);
      last[i] = std::max(last[i], end);
    }
  }
  // Back substitution, column by column from the last; bound[i] becomes the first row whose
  // last non-zero reaches column i.
  int reach = -1;
  int row = 0;
  for (int i = 0; i < n; ++i) {
    while (reach < i && row < n) reach = std::max(reach, last[row++]);
    bound[i] = reach >= i ? row - 1 : n;
  }
  for (int i = n - 1; i >= 0; --i) {
    const Cmplx xi = work[Index(i, n)];
    for (int r = i - 1; r >= bound[i]; --r) {
      if (last[r] < i) continue;
      const Cmplx& a = work[Index(r, i)];
      if (!IsZero(a)) SubtractProduct(work[Index(r, n)], a, xi);
    }
  }
  return true;
}
