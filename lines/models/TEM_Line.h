#pragma once
// Formula base of the microstrip elements that keep their last analysis: an element passes
// msl to CalcMicrostrip and reads impedance, permittivity and open end from it, so a failed
// analysis leaves the previous (initially 50 ohm, 1, 0 mm) values in use.

#include "lines/models/MathPool.h"

class TEM_Line : public MathPool {
 protected:
  MicrostripResult msl;
};
