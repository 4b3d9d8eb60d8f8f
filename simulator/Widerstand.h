#pragma once
// "RES": a resistor R with an optional series inductance LS and an optional capacitance CP
// across both.
//   RES 3 0 R = 50ohm LS = 2nH CP = 1pF

#include "simulator/NetElement.h"

class Widerstand : public EinTor {
 public:
  explicit Widerstand(const NetLine& line) : EinTor(line) {}
  static NetElement* Create(const NetLine& line) { return new Widerstand(line); }

  // "R", then "LS" and "CP" when they stand in the rest of the line.
  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

  double GetR() const { return R; }
  double GetLS() const { return LS; }
  double GetCP() const { return CP; }

 private:
  double R = 0.0;
  double LS = 0.0;
  double CP = 0.0;
  int hasLS = 0;
  int hasCP = 0;
};
