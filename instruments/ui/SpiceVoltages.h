#pragma once
// The voltage between two nodes in a loaded SPICE result, as the instruments read it: a node 0
// (ground), or one the result does not hold, contributes a zero row of the result's length.

#include "basics/Vektor.h"

class SpiceRawFile;

RVektor NodeVoltageOrZeros(const SpiceRawFile& result, int node);
RVektor VoltageBetween(const SpiceRawFile& result, int a, int b);
CVektor ComplexVoltageBetween(const SpiceRawFile& result, int a, int b);
