#pragma once
// Ideal TEM stub "STEM 3 Z=50ohm P=0.1m K=1 A=0 OPEN" (any other end word: short-circuited),
// given like the ideal TEM line by impedance, length, permittivity and attenuation in dB/m.

#include "lines/models/LineElement.h"
#include "lines/models/MathPool.h"
#include "simulator/NetElement.h"

class TemStub : public LineElementFrame<EinTor, MathPool> {
 public:
  explicit TemStub(const NetLine& line) : LineElementFrame("TemStub", line) {}
  static NetElement* Create(const NetLine& line) { return new TemStub(line); }

  // Z > 0, P > 0, K >= 1 and A >= 0, or the element refuses itself.
  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

 private:
  char end = 'S';  // 'O' open, 'S' short-circuited
  double P = 0.0;  // m
  double K = 1.0;
  double Z = 50.0;  // ohm
  double A = 0.0;   // dB/m
  double beta = 0.0;
};
