#pragma once
// Reads element lines through the netlist reader with the registered element models, inside
// one two-port block, and fills the first element's port matrix.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/PortMatrix.h"
#include "simulator/tests/ReaderHarness.h"

class NetElement;

class ModelBench {
 public:
  ModelBench();

  // The element of the first of lines (continuation lines may follow it), or null when the
  // reader refused a line. Label lines stand before the block.
  NetElement* Read(const std::vector<std::string>& lines,
                   const std::vector<std::string>& labelLines = {});
  // Read, then the element's matrix at f (Hz); a 0 x 0 matrix when the line was refused.
  PortMatrix MatrixAt(const std::vector<std::string>& lines, float f);

  // The reader refuses lines, and one queued message contains message.
  static testing::AssertionResult Refuses(const std::vector<std::string>& lines,
                                          const char* message);
  // y times j omega L is the unit matrix within tolerance; L row by row, n x n.
  static testing::AssertionResult InvertsReactance(const PortMatrix& y,
                                                   const std::vector<double>& l, double omega,
                                                   double tolerance);

 private:
  ReaderHarness harness;
};
