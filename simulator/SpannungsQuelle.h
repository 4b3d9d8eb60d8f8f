#pragma once
// "UQU": a voltage source U with internal resistance R, named by the last word of its line.
//   UQU 1 0 U = 1V R = 50ohm Gen1
// In the admittance matrix it is only its internal conductance. The one-port solver finds it
// by its type name, excites the network with GetSourceCurrent (the equivalent current source)
// and may set U from outside before a point is computed.

#include "basics/Cmplx.h"
#include "simulator/NetElement.h"

class SpannungsQuelle : public EinTor {
 public:
  static constexpr const char* kTypeName = "SpannungsQuelle";

  explicit SpannungsQuelle(const NetLine& line);
  static NetElement* Create(const NetLine& line) { return new SpannungsQuelle(line); }

  // "U", then "R".
  void LinkReferences(NetLine& check) override;
  // U (real), Ri, then the name from the line's trailing word.
  void ParseLine(const SymbolTable& labels) override;
  // 1 / Ri at every frequency.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

  // U / Ri.
  Cmplx GetSourceCurrent() const;
  Cmplx GetVoltage() const { return U; }
  void SetVoltage(const Cmplx& voltage) { U = voltage; }
  double GetRi() const { return Ri; }

 private:
  double Ri = 50.0;
  Cmplx U{1.0, 0.0};
};
