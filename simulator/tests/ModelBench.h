#pragma once
// Reads element lines through the netlist reader with the registered element models, inside
// one two-port block, and fills the first element's port matrix.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/PortMatrix.h"

using Lines = std::vector<std::string>;

// The element's matrix at f (Hz) after reading lines (continuation lines may follow the first);
// a 0 x 0 matrix when the reader refused a line.
PortMatrix ModelMatrixAt(const Lines& lines, float f);
// The reader refuses lines, and one queued message contains message.
testing::AssertionResult ModelRefuses(const Lines& lines, const char* message);
// y times j omega L is the unit matrix within tolerance; L row by row, n x n.
testing::AssertionResult InvertsReactance(const PortMatrix& y, const std::vector<double>& l,
                                          double omega, double tolerance);
