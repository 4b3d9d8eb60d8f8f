#pragma once
// Two magnetically coupled inductors ("MUI"): a two-port whose ports share one reference
// terminal, keys L1, L2 and the coupling factor K.

#include <array>

#include "simulator/ElementValue.h"
#include "simulator/NetElement.h"

class CplIndElement : public DreiPol {
 public:
  explicit CplIndElement(const NetLine& line) : DreiPol(line) {}
  static NetElement* Create(const NetLine& line) { return new CplIndElement(line); }

  void LinkReferences(NetLine& check) override;
  // Refuses L1 or L2 <= 0 and |K| >= 1.
  void ParseLine(const SymbolTable& labels) override;
  // The inverse of j omega [[L1, K M], [K M, L2]] with M = sqrt(L1 L2).
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

 private:
  std::array<ValueKey, 3> Keys() {
    return {{{"L1", ValueClass::Inductance, &l1},
             {"L2", ValueClass::Inductance, &l2},
             {"K", ValueClass::Number, &k}}};
  }

  float l1 = 1e-8f;
  float l2 = 1e-8f;
  float k = 0.99f;
};
