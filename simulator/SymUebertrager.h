#pragma once
// Symmetrical transformer ("SYUE"): a three-port of one primary winding (port 1) and two equal
// secondary halves (ports 2 and 3), built from the core constant AL and the turn counts N1 and
// N2. The halves couple to the primary with +K and -K and to each other with -K.

#include <array>

#include "simulator/ElementValue.h"
#include "simulator/NetElement.h"
#include "simulator/PortMatrix.h"

class SymUebertrager : public DreiTor {
 public:
  explicit SymUebertrager(const NetLine& line) : DreiTor(line) {}
  static NetElement* Create(const NetLine& line) { return new SymUebertrager(line); }

  void LinkReferences(NetLine& check) override;
  // Reads the values and derives the self and mutual inductances. Refuses turn counts below
  // 1, AL <= 0, K outside -0.5 < K < 1 and inductances beyond the float range.
  void ParseLine(const SymbolTable& labels) override;
  // The inverse of the impedance matrix j omega L.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

 private:
  std::array<ValueKey, 4> Keys(float& n1Value, float& n2Value, float& kValue) {
    return {{{"AL", ValueClass::Inductance, &al},
             {"N1", ValueClass::Number, &n1Value},
             {"N2", ValueClass::Number, &n2Value},
             {"K", ValueClass::Number, &kValue}}};
  }

  // False, with the message on the line, for values outside the transformer's range.
  bool CheckRange(float n1Value, float n2Value, float kValue);

  float l1 = 0.0f, l2 = 0.0f, l3 = 0.0f;
  float m12 = 0.0f, m13 = 0.0f, m23 = 0.0f;
  PortMatrix zmat{3};
  PortMatrix ymat{3};
  float al = 1e-8f;
  float k12 = 0.8f, k13 = 0.8f, k23 = 0.8f;
  int n1 = 2, n2 = 1, n3 = 1;
};
