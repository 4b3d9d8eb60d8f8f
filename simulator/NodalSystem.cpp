#include "simulator/NodalSystem.h"

#include <suitesparse/klu.h>

#include <algorithm>
#include <cmath>
#include <type_traits>

static_assert(sizeof(Cmplx) == 2 * sizeof(double) && std::is_standard_layout_v<Cmplx>,
              "KLU reads complex values as interleaved pairs of doubles");

namespace {

// A factorisation reused with new values is trusted while its pivots keep a ratio of smallest
// to largest of at least kTrustedPivotRatio: a failing pivot (one that shrinks, or whose
// multipliers grow the pivots after it) spreads them far wider. Below that ratio the solution's
// backward error decides, and beyond kReuseTolerance the matrix is pivoted afresh.
constexpr double kTrustedPivotRatio = 1e-6;
constexpr double kReuseTolerance = 1e-11;

long long liveEntries = 0;
long long entryLimit = NodalSystem<double>::kDefaultEntryLimit;

double* Numbers(Cmplx* x) { return reinterpret_cast<double*>(x); }
double* Numbers(const Cmplx* x) { return const_cast<double*>(reinterpret_cast<const double*>(x)); }
double* Numbers(const double* x) { return const_cast<double*>(x); }

double Size(double x) { return std::fabs(x); }
double Size(const Cmplx& z) { return std::fabs(z.re) + std::fabs(z.im); }

double Product(double a, double b) { return a * b; }
Cmplx Product(const Cmplx& a, const Cmplx& b) {
  return Cmplx(a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re);
}
void Subtract(double& a, double b) { a -= b; }
void Subtract(Cmplx& a, const Cmplx& b) {
  a.re -= b.re;
  a.im -= b.im;
}

}  // namespace

template <class T>
struct NodalSystem<T>::Factors {
  Factors() {
    klu_defaults(&common);
    // Pivots by the entries as they stand, as a dense elimination does; scaling (and
    // checking) the rows would cost a pass over the matrix at every point, and Build makes
    // the structure valid.
    common.scale = -1;
  }
  ~Factors() {
    for (klu_numeric*& n : numeric) {
      if (n != nullptr) klu_free_numeric(&n, &common);
    }
    if (symbolic != nullptr) klu_free_symbolic(&symbolic, &common);
  }
  Factors(const Factors&) = delete;
  Factors& operator=(const Factors&) = delete;

  klu_common common;
  klu_symbolic* symbolic = nullptr;
  klu_numeric* numeric[kFactorisations] = {};
  bool counted[kFactorisations] = {};  // the factorisation's entries are reserved
};

template <class T>
NodalSystem<T>::NodalSystem() = default;

template <class T>
NodalSystem<T>::~NodalSystem() {
  parts.reset();
  liveEntries -= reserved;
}

template <class T>
long long NodalSystem<T>::SetEntryLimit(long long limit) {
  const long long previous = entryLimit;
  entryLimit = limit;
  return previous;
}

template <class T>
bool NodalSystem<T>::ReserveEntries(long long entries) {
  if (entries < 0 || entries > entryLimit - liveEntries) return false;
  liveEntries += entries;
  reserved += entries;
  return true;
}

template <class T>
bool NodalSystem<T>::Begin(int n, size_t positions) {
  parts.reset();
  liveEntries -= reserved;
  reserved = 0;
  order = 0;
  // Each node holds its diagonal, its vectors and the factors' bookkeeping.
  const long long want = 4LL * std::max(n, 0) + static_cast<long long>(positions);
  if (n < 0 || positions > static_cast<size_t>(entryLimit) || !ReserveEntries(want)) return false;
  order = n;
  return true;
}

template <class T>
void NodalSystem<T>::Declare(int row, int col) {
  if (row < 0 || col < 0 || row >= order || col >= order) return;
  if (parts == nullptr) parts = std::make_unique<Parts>();
  parts->declared.emplace_back(col, row);
}

template <class T>
void NodalSystem<T>::Build() {
  if (parts == nullptr) parts = std::make_unique<Parts>();
  Parts& m = *parts;
  auto& declared = m.declared;
  for (int k = 0; k < order; ++k) declared.emplace_back(k, k);
  // The rows by column first, then each column's few rows sorted: a sort of all positions
  // would cost a large network more than its reading.
  std::vector<int> start(static_cast<size_t>(order) + 1, 0);
  for (const auto& [col, row] : declared) ++start[static_cast<size_t>(col) + 1];
  for (int k = 0; k < order; ++k) start[k + 1] += start[k];
  std::vector<int> rows(declared.size());
  {
    std::vector<int> next(start.begin(), start.end() - 1);
    for (const auto& [col, row] : declared) rows[static_cast<size_t>(next[col]++)] = row;
  }
  std::vector<std::pair<int, int>>().swap(declared);
  m.columnStart.assign(static_cast<size_t>(order) + 1, 0);
  m.rowIndex.clear();
  m.rowIndex.reserve(rows.size());
  for (int col = 0; col < order; ++col) {
    const auto begin = rows.begin() + start[col];
    auto end = rows.begin() + start[col + 1];
    std::sort(begin, end);
    end = std::unique(begin, end);
    m.rowIndex.insert(m.rowIndex.end(), begin, end);
    m.columnStart[col + 1] = static_cast<int>(m.rowIndex.size());
  }
  m.values.assign(m.rowIndex.size(), T());
  m.residual.assign(static_cast<size_t>(order), T());
  m.scale.assign(static_cast<size_t>(order), 0.0);
}

template <class T>
int NodalSystem<T>::Slot(int row, int col) const {
  if (row < 0 || col < 0 || row >= order || col >= order || parts == nullptr ||
      parts->columnStart.empty()) {
    return -1;
  }
  const std::vector<int>& rowIndex = parts->rowIndex;
  const auto begin = rowIndex.begin() + parts->columnStart[col];
  const auto end = rowIndex.begin() + parts->columnStart[col + 1];
  const auto hit = std::lower_bound(begin, end, row);
  return hit != end && *hit == row ? static_cast<int>(hit - rowIndex.begin()) : -1;
}

template <class T>
std::vector<std::pair<int, int>> NodalSystem<T>::RowEntries(int row) const {
  std::vector<std::pair<int, int>> entries;
  for (int col = 0; col < order; ++col) {
    const int slot = Slot(row, col);
    if (slot >= 0) entries.emplace_back(slot, col);
  }
  return entries;
}

template <class T>
std::vector<int> NodalSystem<T>::LineSlots(int line) const {
  std::vector<int> slots;
  if (line < 0 || line >= order || parts == nullptr || parts->columnStart.empty()) return slots;
  for (int p = parts->columnStart[line]; p < parts->columnStart[line + 1]; ++p) slots.push_back(p);
  for (const auto& [slot, col] : RowEntries(line)) {
    if (col != line) slots.push_back(slot);
  }
  return slots;
}

template <class T>
typename NodalSystem<T>::Status NodalSystem<T>::Factor(const std::vector<T>& matrix, int which) {
  Factors& f = *parts->factors;
  klu_numeric*& numeric = f.numeric[which];
  if (numeric != nullptr) klu_free_numeric(&numeric, &f.common);
  int* ap = parts->columnStart.data();
  int* ai = parts->rowIndex.data();
  if constexpr (std::is_same_v<T, Cmplx>) {
    numeric = klu_z_factor(ap, ai, Numbers(matrix.data()), f.symbolic, &f.common);
  } else {
    numeric = klu_factor(ap, ai, Numbers(matrix.data()), f.symbolic, &f.common);
  }
  if (numeric != nullptr) return Status::kSolved;
  return f.common.status == KLU_SINGULAR ? Status::kSingular : Status::kNoMemory;
}

template <class T>
bool NodalSystem<T>::Refactor(const std::vector<T>& matrix, int which) {
  Factors& f = *parts->factors;
  int* ap = parts->columnStart.data();
  int* ai = parts->rowIndex.data();
  if constexpr (std::is_same_v<T, Cmplx>) {
    return klu_z_refactor(ap, ai, Numbers(matrix.data()), f.symbolic, f.numeric[which],
                          &f.common) != 0;
  } else {
    return klu_refactor(ap, ai, Numbers(matrix.data()), f.symbolic, f.numeric[which],
                        &f.common) != 0;
  }
}

template <class T>
void NodalSystem<T>::SolveWith(int which, T* x, int count) {
  Factors& f = *parts->factors;
  if constexpr (std::is_same_v<T, Cmplx>) {
    klu_z_solve(f.symbolic, f.numeric[which], order, count, Numbers(x), &f.common);
  } else {
    klu_solve(f.symbolic, f.numeric[which], order, count, x, &f.common);
  }
}

template <class T>
double NodalSystem<T>::PivotRatio(int which) const {
  const T* pivots = static_cast<const T*>(parts->factors->numeric[which]->Udiag);
  double smallest = HUGE_VAL;
  double largest = 0.0;
  for (int k = 0; k < order; ++k) {
    const double size = Size(pivots[k]);
    if (!std::isfinite(size)) return 0.0;
    smallest = std::min(smallest, size);
    largest = std::max(largest, size);
  }
  return largest > 0.0 ? smallest / largest : 0.0;
}

template <class T>
double NodalSystem<T>::BackwardError(const std::vector<T>& matrix, const T* x, const T* b) const {
  const std::vector<int>& columnStart = parts->columnStart;
  const std::vector<int>& rowIndex = parts->rowIndex;
  std::vector<T>& residual = parts->residual;
  std::vector<double>& scale = parts->scale;
  std::copy(b, b + order, residual.begin());
  for (int i = 0; i < order; ++i) scale[i] = Size(b[i]);
  for (int col = 0; col < order; ++col) {
    const T& xc = x[col];
    const double size = Size(xc);
    for (int p = columnStart[col]; p < columnStart[col + 1]; ++p) {
      const int row = rowIndex[p];
      Subtract(residual[row], Product(matrix[p], xc));
      scale[row] += Size(matrix[p]) * size;
    }
  }
  double worst = 0.0;
  for (int i = 0; i < order; ++i) {
    const double r = Size(residual[i]);
    if (!std::isfinite(r)) return HUGE_VAL;
    if (r > 0.0) worst = std::max(worst, scale[i] > 0.0 ? r / scale[i] : HUGE_VAL);
  }
  return worst;
}

template <class T>
typename NodalSystem<T>::Status NodalSystem<T>::Solve(const std::vector<T>& matrix, T* x,
                                                      int which, int count) {
  if (order == 0 || count <= 0) return Status::kSolved;
  if (which < 0 || which >= kFactorisations || parts == nullptr ||
      matrix.size() != parts->rowIndex.size()) {
    return Status::kSingular;
  }
  std::unique_ptr<Factors>& factors = parts->factors;
  if (factors == nullptr) {
    factors = std::make_unique<Factors>();
    factors->symbolic = klu_analyze(order, parts->columnStart.data(), parts->rowIndex.data(),
                                    &factors->common);
    if (factors->symbolic == nullptr) {
      factors.reset();
      return Status::kNoMemory;
    }
  }
  if (factors->numeric[which] != nullptr) {
    if (Refactor(matrix, which)) {
      // Pivots of a trusted ratio need no check, and so no copy of the right-hand sides.
      if (PivotRatio(which) >= kTrustedPivotRatio) {
        SolveWith(which, x, count);
        return Status::kSolved;
      }
      std::vector<T>& rhs = parts->rhs;
      rhs.assign(x, x + static_cast<size_t>(order) * static_cast<size_t>(count));
      SolveWith(which, x, count);
      bool sound = true;
      for (int k = 0; k < count && sound; ++k) {
        sound = BackwardError(matrix, x + k * order, rhs.data() + k * order) <= kReuseTolerance;
      }
      if (sound) return Status::kSolved;
      std::copy(rhs.begin(), rhs.end(), x);
    }
  } else if (!factors->counted[which]) {
    // The factors' size as the analysis estimates it, before they are allocated.
    const klu_symbolic& s = *factors->symbolic;
    if (!ReserveEntries(static_cast<long long>(s.lnz + s.unz) + s.nzoff)) {
      return Status::kNoMemory;
    }
    factors->counted[which] = true;
  }
  const Status status = Factor(matrix, which);
  if (status == Status::kSolved) SolveWith(which, x, count);
  return status;
}

template class NodalSystem<double>;
template class NodalSystem<Cmplx>;
