#pragma once
// The port parameter matrix of an element or a network at one frequency: n x n complex entries
// stored row by row, with a letter for what they mean ('Y' admittance).

#include "basics/Cmplx.h"

class PortMatrix {
 public:
  static constexpr char kAdmittance = 'Y';

  // 2 x 2 admittance zeros.
  PortMatrix() : PortMatrix(2) {}
  // Admittance zeros; a negative order gives an empty matrix.
  explicit PortMatrix(int n);
  PortMatrix(const PortMatrix& other);
  // The array is replaced only when it is smaller than the source's; it never shrinks.
  PortMatrix& operator=(const PortMatrix& other);
  ~PortMatrix() { delete[] entries; }

  char GetKind() const { return kind; }
  void SetKind(char k) { kind = k; }
  int GetSize() const { return n; }

  // 1-based; outside the matrix GetAt gives 0 and SetAt does nothing.
  Cmplx GetAt(int row, int col) const;
  void SetAt(const Cmplx& value, int row, int col);
  // 0-based for the nodal stamping; outside the matrix nothing happens.
  void AddAt(const Cmplx& value, int row, int col);
  void Clear();

 private:
  bool Inside(int row, int col) const { return row >= 0 && row < n && col >= 0 && col < n; }

  char kind = kAdmittance;
  int n = 0;
  Cmplx* entries = nullptr;
};
