#include "simulator/PortMatrix.h"

#include <algorithm>

PortMatrix::PortMatrix(int order) : n(std::max(order, 0)), entries(new Cmplx[n * n]()) {}

PortMatrix::PortMatrix(const PortMatrix& other)
    : kind(other.kind), n(other.n), entries(new Cmplx[n * n]) {
  std::copy(other.entries, other.entries + n * n, entries);
}

PortMatrix& PortMatrix::operator=(const PortMatrix& other) {
  if (this == &other) return *this;
  if (n < other.n) {
    delete[] entries;
    entries = new Cmplx[other.n * other.n];
  }
  kind = other.kind;
  n = other.n;
  std::copy(other.entries, other.entries + n * n, entries);
  return *this;
}

Cmplx PortMatrix::GetAt(int row, int col) const {
  return Inside(row - 1, col - 1) ? entries[(row - 1) * n + col - 1] : Cmplx();
}

void PortMatrix::SetAt(const Cmplx& value, int row, int col) {
  if (Inside(row - 1, col - 1)) entries[(row - 1) * n + col - 1] = value;
}

void PortMatrix::AddAt(const Cmplx& value, int row, int col) {
  if (Inside(row, col)) entries[row * n + col] += value;
}

void PortMatrix::Clear() { std::fill(entries, entries + n * n, Cmplx()); }
