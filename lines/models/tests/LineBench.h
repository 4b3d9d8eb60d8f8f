#pragma once
// A netlist reader holding labels and DATA entries (always the lossless board S1), on which
// single element lines are built as the reader's network builder builds them.

#include <initializer_list>
#include <memory>
#include <string>

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
std::string FirstMessage();
