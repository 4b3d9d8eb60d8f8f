#pragma once
// Builds network elements from their netlist lines as the reader's network builder builds them
// (factory, continuation lines, check pass on a copy, read pass), against a netlist of labels
// and DATA entries, and looks at their matrices. Shared by the model tests of every library.

#include <gtest/gtest.h>

#include <complex>
#include <memory>
#include <string>
#include <vector>

#include "basics/Cmplx.h"
#include "simulator/NetElement.h"
#include "simulator/PortMatrix.h"
#include "simulator/ScomFile.h"

using Lines = std::vector<std::string>;
// An n x n matrix row by row.
using LongMatrix = std::vector<std::complex<long double>>;

// An owner's reading sequence up to its networks: reset, lines, reader in use, queue cleared,
// syntax check, blocks, data objects. False where an owner stops.
bool ReadUpToNets(ScomFile& reader, const Lines& text);
// The check pass on a copy of line, then the read pass; true when neither reported.
bool ReadPasses(NetElement& element, const NetLine& line, const SymbolTable& labels);

class ElementBench {
 public:
  // DATA entries, e.g. "S1: MS H=1mm ER=9.8 MET1 = CU 0um TAND=0", and label lines, e.g.
  // "WS: 0.1mm". The bench's reader is the one in use.
  explicit ElementBench(const Lines& data = {}, const Lines& labels = {});

  // The element of a line and its continuation lines, or null when the reader would refuse it.
  std::unique_ptr<NetElement> Build(const Lines& lines);
  std::unique_ptr<NetElement> Build(const char* line) { return Build(Lines{line}); }
  // Build, failing the test on a refused line.
  std::unique_ptr<NetElement> Accept(const char* line);
  // With the queue cleared, Build refuses lines and a queued message contains message ("" for
  // any).
  testing::AssertionResult Refuses(const Lines& lines, const char* message);
  // S (as Scattering, 50 ohm) at f of the last network of this bench's labels and DATA entries
  // and a BLK block of lines, computed as a run computes it; no message may be queued.
  LongMatrix NetworkS(const Lines& lines, float f);

  const ScomFile& Reader() const { return reader; }

 private:
  Lines head;  // the labels and the DATA block
  ScomFile reader;
};

// Entry (row, col), 1-based, of the element's port matrix.
Cmplx At(const NetElement& element, int row, int col);
// Every entry finite, and Y(r, c) == Y(c, r) exactly.
bool FiniteAndReciprocal(const NetElement& element);
// Both matrices equal entry by entry.
bool SameMatrix(const NetElement& a, const NetElement& b);
// |a - b| within tol times the larger magnitude.
bool SameWithin(const Cmplx& a, const Cmplx& b, double tol);
// S of the element's ports, each referred to r ohm: 2 (I + r Y)^-1 - I in long double, since in
// double a through's conductance would cost S its last eight digits.
LongMatrix Scattering(const NetElement& element, long double r = 50.0L);
// The messages in the queue, oldest first.
Lines QueuedMessages();

// On a bench without labels or DATA: the element's matrix at f (Hz), a 0 x 0 matrix when the
// reader refused a line; and Refuses.
PortMatrix ModelMatrixAt(const Lines& lines, float f);
testing::AssertionResult ModelRefuses(const Lines& lines, const char* message);
// y times j omega L is the unit matrix within tolerance; L row by row, n x n.
testing::AssertionResult InvertsReactance(const PortMatrix& y, const std::vector<double>& l,
                                          double omega, double tolerance);
