#pragma once
// The ideal TEM line "TRL 1 2 Z=50ohm P=0.1m K=2.2 A=0.5": impedance, length, relative
// permittivity of its medium and attenuation in dB per metre, without a substrate.

#include "lines/models/LineElement.h"
#include "lines/models/MathPool.h"
#include "simulator/NetElement.h"

class TransmissionLine : public LineElementFrame<ZweiTor, MathPool> {
 public:
  explicit TransmissionLine(const NetLine& line) : LineElementFrame("TransmissionLine", line) {}
  static NetElement* Create(const NetLine& line) { return new TransmissionLine(line); }

  // Z > 0, P > 0, K >= 1 and A >= 0, or the element refuses itself.
  void ParseLine(const SymbolTable& labels) override;
  // At most the first missing key is reported.
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

 private:
  float Z = 50.0f;  // ohm
  float P = 1.0f;   // m
  float K = 1.0f;
  float A = 0.0f;  // dB/m
};
