#pragma once
// A netlist reader holding labels and DATA entries (always the lossless board S1), on which
// single element lines are built as the reader's network builder builds them.

#include <complex>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "simulator/NetElement.h"
#include "simulator/ScomFile.h"

class LineBench {
 public:
  LineBench(std::initializer_list<const char*> data = {},
            std::initializer_list<const char*> labels = {});

  // The element, or null when the reader would refuse the line.
  std::unique_ptr<NetElement> Build(const char* line);
  // Build, failing the test on a refused line.
  std::unique_ptr<NetElement> Accept(const char* line);

 private:
  ScomFile reader;
};

// Entry (1-based) of the element's port matrix.
Cmplx Entry(NetElement& element, int row, int col);
// The scattering matrix of the element's ports at 50 ohm, row by row, from S = 2 (I + Z0 Y)^-1
// - I in long double: in double a through's conductance would cost S its last eight digits.
std::vector<std::complex<long double>> Scattering(const NetElement& element);
// S (as Scattering) at f of the last network of a netlist whose DATA block holds S1 and whose
// BLK block the lines, computed as a run computes it; no message may be queued.
std::vector<std::complex<long double>> NetworkS(std::initializer_list<const char*> lines, float f);
std::string FirstMessage();
