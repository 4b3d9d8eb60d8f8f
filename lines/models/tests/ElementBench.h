#pragma once
// Builds line elements from their netlist lines the way the reader does (factory, check pass
// on a copy, read pass), against a netlist whose DATA block holds the substrates.

#include <initializer_list>
#include <memory>

#include "basics/Cmplx.h"
#include "simulator/NetElement.h"
#include "simulator/ScomFile.h"

class ElementBench {
 public:
  // DATA entries, e.g. "S1: MS H=1mm ER=9.8 MET1 = CU 0um TAND=0".
  explicit ElementBench(std::initializer_list<const char*> data);
  ~ElementBench();

  // The element, or null when the factory made none or a pass reported.
  std::unique_ptr<NetElement> Build(const char* line);

 private:
  ScomFile reader;
};

// Entry (row, col), 1-based, of the element's port matrix.
Cmplx At(const NetElement& element, int row, int col);
// Every entry finite, and Y(r, c) == Y(c, r) exactly.
bool FiniteAndReciprocal(const NetElement& element);
// Both matrices equal entry by entry.
bool SameMatrix(const NetElement& a, const NetElement& b);
// |a - b| within tol times the larger magnitude.
bool Near(const Cmplx& a, const Cmplx& b, double tol);
