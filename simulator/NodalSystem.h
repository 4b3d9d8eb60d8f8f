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
  // Room for systems up to order n; false when the memory cannot be had.
  bool Allocate(int n);
  int GetCapacity() const { return capacity; }

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
  std::unique_ptr<int[]> extent;  // per row: last column (below order) that may be non-zero
  int capacity = 0;
  int order = 0;
};
