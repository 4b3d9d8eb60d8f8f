#include "basics/GaussSolve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>

namespace {

double PivotMagnitude(double v) { return std::fabs(v); }

// sqrt(re^2 + im^2); where the squares underflow or overflow, the scaled magnitude, so a tiny
// but regular pivot is not taken for zero.
double PivotMagnitude(const Cmplx& z) {
  const double m = std::sqrt(z.re * z.re + z.im * z.im);
  return (m == 0.0 || std::isinf(m)) ? z.Abs() : m;
}

template <class T>
int GaussJordan(T* a, int n) {
  const std::ptrdiff_t w = std::ptrdiff_t{n} + 1;
  for (int k = 0; k < n; ++k) {
    int p = k;
    double best = 0.0;
    for (int i = k; i < n; ++i) {
      const double m = PivotMagnitude(a[i * w + k]);
      if (m > best) {
        best = m;
        p = i;
      }
    }
    if (best == 0.0) return 0;
    T* rk = a + k * w;
    if (p != k) std::swap_ranges(rk + k, rk + w, a + p * w + k);
    // rk[k] stays as it is and counts as 1 from here on.
    const T pivot = rk[k];
    for (std::ptrdiff_t j = k + 1; j < w; ++j) rk[j] = rk[j] / pivot;
    for (int i = k + 1; i < n; ++i) {
      T* ri = a + i * w;
      const T f = ri[k];
      for (std::ptrdiff_t j = k + 1; j < w; ++j) ri[j] = ri[j] - f * rk[j];
    }
  }
  for (int i = n - 1; i >= 0; --i)
    for (int r = i - 1; r >= 0; --r) a[r * w + n] = a[r * w + n] - a[r * w + i] * a[i * w + n];
  return 1;
}

// Index of [r][c] in the working array of n rows of n + 1 elements.
std::ptrdiff_t At(int r, int c, int n) { return std::ptrdiff_t{r} * (std::ptrdiff_t{n} + 1) + c; }

template <class T>
std::unique_ptr<T[]> WorkArray(int n) {
  const size_t rows = static_cast<size_t>(n);
  return std::unique_ptr<T[]>(new (std::nothrow) T[rows * (rows + 1)]());
}

// Fills the working array from a matrix and right-hand side of matching sizes.
template <class M, class V, class T>
void FillAugmented(T* work, const M& a, const V& b) {
  const int n = a.Rows();
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) work[At(r, c, n)] = a[r][c];
    work[At(r, n, n)] = b[r];
  }
}

// The size checks shared by both matrix solvers; the message, or null when the sizes fit.
template <class M, class V>
const char* SizeError(const M& a, const V& b) {
  if (a.Rows() != a.Cols()) return "Fehler GaussAlgo: Keine quadratische  Matrix";
  if (a.Rows() != b.GetSize()) return "Fehler GaussAlgo: Matrixdimension != Vektordimension";
  return nullptr;
}

// Runs a matrix solver: on failure reports through M's hook and returns `fallback`.
template <class M, class V>
V SolveMatrix(const M& a, const V& b, const V& fallback, bool* solved) {
  using T = std::remove_cvref_t<decltype(b[0])>;
  const char* error = SizeError(a, b);
  const int n = a.Rows();
  std::unique_ptr<T[]> work;
  if (!error) {
    work = WorkArray<T>(n);
    if (!work) error = "Fehler GausAlgo: Nicht genügend Speicherplatz";
  }
  if (!error) {
    FillAugmented(work.get(), a, b);
    if (!GaussJordan(work.get(), n)) error = "Fehler GausAlgo: Determinante verschwindet";
  }
  if (solved) *solved = !error;
  if (error) {
    M::ReportError(error);
    return fallback;
  }
  V x;
  x.Realloc(n);
  for (int i = 0; i < n; ++i) x[i] = work[At(i, n, n)];
  return x;
}

}  // namespace

int CmplxGaussJordan(Cmplx* a, int n) { return GaussJordan(a, n); }

int CmplxSolve(Cmplx* x, const Cmplx* a, const Cmplx* b, int n, int stride) {
  if (n < 0) return 0;
  std::unique_ptr<Cmplx[]> work = WorkArray<Cmplx>(n);
  if (!work) return 0;
  for (int r = 0; r < n; ++r) {
    const Cmplx* row = a + std::ptrdiff_t{r} * stride;
    std::copy(row, row + n, work.get() + At(r, 0, n));
    work[At(r, n, n)] = b[r];
  }
  if (!GaussJordan(work.get(), n)) return 0;
  for (int i = 0; i < n; ++i) x[i] = work[At(i, n, n)];
  return 1;
}

CVektor CMatrixGaussSolve(const CMatrix& a, const CVektor& b, bool* solved) {
  return SolveMatrix(a, b, b, solved);
}

RVektor RMatrixSolve(const RMatrix& a, const RVektor& b, bool* solved) {
  RVektor zeros;
  zeros.Realloc(a.Rows());
  return SolveMatrix(a, b, zeros, solved);
}
