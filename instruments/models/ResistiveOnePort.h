#pragma once
// The common part of the instruments' network elements: a one-port that loads its node with
// a resistance (a source's internal resistance, a meter's input resistance) and is named by
// the last word of its line.

#include <initializer_list>

#include "simulator/NetElement.h"

class ResistiveOnePort : public EinTor {
 public:
  // Y11 = 1 / resistance at every frequency.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

  double GetResistance() const { return resistance; }

 protected:
  ResistiveOnePort(const NetLine& line, const char* type, double defaultResistance);

  // Base check, then the keys in order, each only while the copy has no fault yet.
  void LinkKeys(NetLine& check, std::initializer_list<const char*> keys);
  // Base read; false when it reported.
  bool ParseNodes(const SymbolTable& labels);
  // The element's name from the last word of its line.
  void TakeTrailingName();
  // The resistance with the 1e-36 guard on its magnitude, as a denominator.
  double GuardedResistance() const;

  double resistance;
};
