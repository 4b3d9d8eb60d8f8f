#pragma once
// Radial microstrip stub "CST 3 A=60 WI=0.5mm RL=3mm S1": a circular sector of opening angle A
// (degrees) fed at its apex by a strip of width WI, of radial length RL. Radial-line model
// with fringing corrections; dielectric and conductor loss.

#include "lines/models/LineElement.h"
#include "lines/models/SubstrateLink.h"
#include "lines/models/TEM_Line.h"
#include "simulator/NetElement.h"

class MicRadialStub : public LineElementFrame<EinTor, TEM_Line> {
 public:
  explicit MicRadialStub(const NetLine& line) : LineElementFrame("MicRadialStub", line) {}
  static NetElement* Create(const NetLine& line) { return new MicRadialStub(line); }

  // 0 < A < 360, WI > 0 and RL > 0, or the element refuses itself.
  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  // An open stub: 0 at zero frequency.
  void FillMatrix(float frequency) override;

 private:
  // Input admittance at f > 0 (Hz); false when the model has no finite result.
  bool InputAdmittance(double f, Cmplx& y);

  SubstrateLink substrate;
  double WI = 0.0;  // feed width, m
  double ri = 0.0;  // inner radius, m
  double RL = 0.0;  // radial length, m
  double A = 0.0;   // opening angle, degrees
};
