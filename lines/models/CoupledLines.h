#pragma once
// Two edge-coupled microstrip lines of equal width "CPL 1 2 3 4 W=0.6mm S=0.2mm P=12mm S1":
// ports 1 and 2 are the near ends of line 1 and line 2, port 4 the far end of line 1 and
// port 3 that of line 2, all against ground. Built from the even- and odd-mode lines.

#include "lines/models/LineElement.h"
#include "lines/models/MathPool.h"
#include "lines/models/SubstrateLink.h"
#include "simulator/NetElement.h"

class CoupledLines : public LineElementFrame<FuenfPol, MathPool> {
 public:
  explicit CoupledLines(const NetLine& line) : LineElementFrame("CoupledLines", line) {}
  static NetElement* Create(const NetLine& line) { return new CoupledLines(line); }

  // W > 0, S > 0 and P > 0, or the element refuses itself.
  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

  // The modes of the last FillMatrix.
  const MicrostripResult& GetEvenMode() const { return even; }
  const MicrostripResult& GetOddMode() const { return odd; }

 private:
  SubstrateLink substrate;
  MicrostripResult even;
  MicrostripResult odd;
  float W = 0.0f;  // mm
  float S = 0.0f;  // mm
  float P = 0.0f;  // m
};
