#pragma once
// What a multimeter takes from a SPICE result: the difference of the node voltages of its two
// pins (ground gives zeros), divided by its internal resistance for the ammeter, over the
// result's scale; and the table of text lines that shows them.

#include "basics/LineFile.h"
#include "basics/Vektor.h"

class SpiceRawFile;

struct MeterReadings {
  // Reads the result for pins on node1 and node2. A pin on a node the result lacks gives no
  // values.
  void Read(const SpiceRawFile& result, int node1, int node2, char mode, double ri);
  // The table by the mode ('U' volts, 'I' amperes) and the display ('A' amplitude, 'P' phase,
  // 'K' complex, 'M' mean). A real result shows the mean only for 'M', as one line: a
  // transient's is the mean over its time.
  void BuildTable(char mode, char display, LineFile& log) const;

  bool complex = false;
  // 'O' operating point, 'S' DC sweep, 'T' transient: what the rows of a real result count.
  char abscissa = 'O';
  RVektor abscissaValues;
  RVektor values;
  CVektor complexValues;
};
