#pragma once
// The working system of the nodal solver: the admittance matrix with its right-hand side as
// one augmented array, allocated once per network and solved in place at every point.
//
// The elimination pivots exactly as CmplxGaussJordan does (partial pivoting, the strictly
// larger magnitude wins) and so yields the same numbers, but it skips zero multipliers and
// works each row only up to its last non-zero column. Nodal matrices are sparse and nearly
// banded, so a ladder costs about linear time per point instead of cubic.

#include <cstddef>
#include <memory>

#include "basics/Cmplx.h"

class PortMatrix;

class NodalSystem {
 public:
  // Room for systems up to order n, every entry of a row taken as possibly non-zero; false
  // when the memory cannot be had.
  bool Allocate(int n);
  int GetCapacity() const { return capacity; }
  // The structure of the full matrix, declared once: after ClearSpans every row is empty,
  // and Touch marks entry (row, col) as possibly non-zero. Loading then reads and clears no
  // more than that profile of each row.
  void ClearSpans();
  void Touch(int row, int col);
  // Zeros the declared profile of a full matrix of the capacity's order.
  void ClearProfile(PortMatrix& matrix) const;

  // Loads the square matrix without its row and column `skip` (0-based; -1 keeps all), so
  // the order is the matrix's or one less; the right-hand side is that of the loaded order.
  void Load(const PortMatrix& matrix, int skip, const Cmplx* rhs);
  // False at a zero pivot; the solution is then undefined.
  bool Solve();
  // Component i of the solution of the latest successful Solve.
  const Cmplx& Solution(int i) const { return work[Index(i, order)]; }
  int GetOrder() const { return order; }

 private:
  size_t Index(int row, int col) const {
    return static_cast<size_t>(row) * static_cast<size_t>(order + 1) + static_cast<size_t>(col);
  }

  std::unique_ptr<Cmplx[]> work;  // order rows of order + 1: matrix | right-hand side
  // Per row: first and last column (below order) that may be non-zero; the columns between
  // them are held in work, the others count as zero whatever work holds there.
  std::unique_ptr<int[]> first;
  std::unique_ptr<int[]> last;
  std::unique_ptr<int[]> bound;  // per column: the last row that may be non-zero in it
  // Per row of the full matrix: the columns that Load reads.
  std::unique_ptr<int[]> spanFirst;
  std::unique_ptr<int[]> spanLast;
  int capacity = 0;
  int order = 0;
};
