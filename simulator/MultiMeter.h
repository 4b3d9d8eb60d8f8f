#pragma once
// "MUME": the measuring element of a multimeter instrument, named by the last word of its line
// so that its instrument finds it. It loads the circuit with its internal resistance R; the
// token behind the value selects a voltmeter ("U") or, for any other token, an ammeter.
//   MUME 3 0 R = 10Mohm U Meter1
// After every one-port point the solver hands it the voltage of its port (TakeReading); the
// instrument reads the result as the element's value (GetValue).

#include "basics/Cmplx.h"
#include "simulator/NetElement.h"

class MultiMeter : public EinTor {
 public:
  static constexpr const char* kTypeName = "MultiMeter";

  explicit MultiMeter(const NetLine& line);
  static NetElement* Create(const NetLine& line) { return new MultiMeter(line); }

  // "R".
  void LinkReferences(NetLine& check) override;
  // Ri, the mode token, then the name from the line's trailing word.
  void ParseLine(const SymbolTable& labels) override;
  // 1 / Ri at every frequency.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

  bool IsMeter() const override { return true; }
  // The value becomes the port voltage itself ('U') or the current V / Ri through the meter
  // ('I').
  void TakeReading(const Cmplx& portVoltage) override;
  // 'U' or 'I'.
  char GetMode() const { return mode; }
  double GetRi() const { return Ri; }

 private:
  double Ri = 0.0;
  char mode = 'U';
};
