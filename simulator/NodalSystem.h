#pragma once
// The nodal matrix of a network in compressed sparse columns, and its sparse LU factorisation
// (SuiteSparse KLU). The structure is declared once from the positions the stamps reach; the
// values are stamped anew at every point. A factorisation keeps its pivot order from point to
// point while its pivots and the solution it gives stay sound, and pivots afresh when not.
//
// Use: Begin, Declare every position, Build; then per point fill Values() through Slot()
// places and Solve. T is double (operating point) or Cmplx (small-signal network).

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "basics/Cmplx.h"

template <class T>
class NodalSystem {
 public:
  // Entries (matrix positions and factor entries) of all systems alive at a time: large
  // netlists must not take the machine's memory.
  static constexpr long long kDefaultEntryLimit = 1LL << 24;
  enum class Status { kSolved, kSingular, kNoMemory };

  NodalSystem();
  NodalSystem(const NodalSystem&) = delete;
  NodalSystem& operator=(const NodalSystem&) = delete;
  ~NodalSystem();

  // Starts a structure of order n for at most `positions` declared positions and reserves
  // their entries (nothing is allocated yet); false when they do not fit beside the systems
  // alive now.
  bool Begin(int n, size_t positions);
  // (row, col) may be non-zero; a row or column of -1 (ground) declares nothing.
  void Declare(int row, int col);
  // Compresses the declared positions; the diagonal is always part of the structure.
  void Build();

  // The place of (row, col) in Values(); -1 for ground or a position never declared.
  int Slot(int row, int col) const;
  size_t GetEntryCount() const { return parts != nullptr ? parts->rowIndex.size() : 0; }
  // After Build.
  std::vector<T>& Values() { return parts->values; }
  const std::vector<T>& Values() const { return parts->values; }
  // Every stored entry of row `row` (place, column), and every place in row or column `line`.
  std::vector<std::pair<int, int>> RowEntries(int row) const;
  std::vector<int> LineSlots(int line) const;

  // Factorisations kept side by side, for matrices of this structure that differ in values.
  static constexpr int kFactorisations = 3;

  // Solves A x = b in place for the matrix `matrix` of this structure (Values() or a variant
  // of it); x holds `count` right-hand sides one after another on entry. `which` selects
  // the factorisation.
  Status Solve(const std::vector<T>& matrix, T* x, int which = 0, int count = 1);

  // The limit of live entries; returns the previous one. Tests lower it.
  static long long SetEntryLimit(long long limit);

 private:
  struct Factors;  // the KLU objects

  bool ReserveEntries(long long entries);
  // A new factorisation `which` of matrix, pivoted afresh.
  Status Factor(const std::vector<T>& matrix, int which);
  // The latest factorisation's pivots with matrix's values; false when a pivot became zero.
  bool Refactor(const std::vector<T>& matrix, int which);
  void SolveWith(int which, T* x, int count);
  // Smallest over largest pivot size of factorisation `which`; 0 when one is not finite.
  double PivotRatio(int which) const;
  // Largest componentwise backward error |b - A x|_i / (|A| |x| + |b|)_i.
  double BackwardError(const std::vector<T>& matrix, const T* x, const T* b) const;

  // Made at the first Declare: a system that is only reserved (the network of a netlist that
  // no point computes) takes no more room than the object itself.
  struct Parts {
    std::vector<int> columnStart;  // order + 1
    std::vector<int> rowIndex;     // sorted within each column
    std::vector<T> values;
    std::vector<std::pair<int, int>> declared;  // (col, row) until Build
    // Scratch of the accuracy check: the right-hand sides, a residual and its scale.
    std::vector<T> rhs;
    std::vector<T> residual;
    std::vector<double> scale;
    std::unique_ptr<Factors> factors;
  };

  std::unique_ptr<Parts> parts;
  long long reserved = 0;  // this system's share of the live entries
  int order = 0;
};

extern template class NodalSystem<double>;
extern template class NodalSystem<Cmplx>;
