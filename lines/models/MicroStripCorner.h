#pragma once
// A right-angle bend of a microstrip line (keyword BEND). The unmitred corner (NCUT) is a
// symmetric T network of two series inductances and a shunt capacitance; the mitred corners
// (CUT and the optimally mitred OPT) are a short line of the strip's width.

#include "basics/Cmplx.h"
#include "lines/models/LineElement.h"
#include "lines/models/MslElementBase.h"
#include "simulator/NetElement.h"

class MicroStripCorner : public LineElementFrame<DreiPol, MslElementBase> {
 public:
  explicit MicroStripCorner(const NetLine& line) : LineElementFrame("MicroStripCorner", line) {}
  static NetElement* Create(const NetLine& line) { return new MicroStripCorner(line); }

  // Line "BEND n1 n2 NCUT|CUT|OPT W1=.. W2=.. SUBSTRATE"; any other form word reads as NCUT.
  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;

  double GetL() const { return L; }
  double GetC() const { return C; }

 private:
  void ComputeUnmitred();

  char form = 'N';
  double W1 = 0.0;  // mm; W2 is read and enters no model
  double L = 0.0;
  double C = 0.0;
  double frequencyGHz = 0.0;
  double H = 0.0;  // mm
  double ER = 1.0;
};
