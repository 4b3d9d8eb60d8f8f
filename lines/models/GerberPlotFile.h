#pragma once
// The plot body of one layer of the photoplot (RS-274X) export, built line by line by the
// symbols of that layer.

#include "basics/LineFile.h"

class GerberPlotFile : public LineFile {
 public:
  // "G54" + name + "*"; nothing for an empty name.
  void SelectAperture(const MyStrng& name);
};
