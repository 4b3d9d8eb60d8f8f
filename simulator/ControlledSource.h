#pragma once
// Controlled sources ("CCG", "VCG", "VVG") and the operational amplifier ("OPA"): a gain, an
// input resistance R1 and an output resistance R2, optionally a first-order roll-off with the
// corner frequency F and a pure delay T. The sources are two-ports with a common reference;
// the amplifier is a three-port (two inputs and the output) with a common reference. R1 or
// R2 = 0 is a short, as a resistor of 0 ohm is: an ideal input or output (but see OPA).

#include <array>

#include "simulator/ElementValue.h"
#include "simulator/LumpedMath.h"
#include "simulator/NetElement.h"

template <class Base>
class ControlledSource : public Base {
 public:
  // LinkReferences: the common-reference check, the gain key, "R1", "R2"; then "F" and "T"
  // wherever they stand as text in the rest (a plain substring test).
  void LinkReferences(NetLine& check) override;
  // The gain, R1, R2, then F and T when the check found their keys.
  void ParseLine(const SymbolTable& labels) override;
  bool SkipsFillMatrix() const override { return false; }

 protected:
  ControlledSource(const NetLine& line, const char* gainKey, ValueClass gainClass)
      : Base(line), gainKey(gainKey), gainClass(gainClass) {}

  // The gain with roll-off and delay.
  Cmplx Factor(const Cmplx& gain, float frequency) const {
    return ControlledFactor(gain, frequency, hasF != 0, f, hasT != 0, t);
  }

  float a = 0.0f;
  float r1 = 0.0f;
  float r2 = 0.0f;
  float f = 0.0f;
  float t = 0.0f;
  int hasF = 0;
  int hasT = 0;

 private:
  std::array<ValueKey, 3> Keys() {
    return {{{gainKey, gainClass, &a},
             {"R1", ValueClass::Resistance, &r1},
             {"R2", ValueClass::Resistance, &r2}}};
  }

  const char* gainKey;
  ValueClass gainClass;
};

extern template class ControlledSource<DreiPol>;
extern template class ControlledSource<VierPunkt>;

// Current-controlled current source: the input current through R1 drives B times itself.
class CurConCurSource : public ControlledSource<DreiPol> {
 public:
  explicit CurConCurSource(const NetLine& line) : ControlledSource(line, "B", ValueClass::Number) {}
  static NetElement* Create(const NetLine& line) { return new CurConCurSource(line); }
  void FillMatrix(float frequency) override;
};

// Voltage-controlled current source with the transconductance G.
class VolConCurSource : public ControlledSource<DreiPol> {
 public:
  explicit VolConCurSource(const NetLine& line)
      : ControlledSource(line, "G", ValueClass::Conductance) {}
  static NetElement* Create(const NetLine& line) { return new VolConCurSource(line); }
  void FillMatrix(float frequency) override;
};

// Voltage-controlled voltage source with the gain M behind R2: the open output gives -M times
// the input voltage.
class VolConVolSource : public ControlledSource<DreiPol> {
 public:
  explicit VolConVolSource(const NetLine& line) : ControlledSource(line, "M", ValueClass::Number) {}
  static NetElement* Create(const NetLine& line) { return new VolConVolSource(line); }
  void FillMatrix(float frequency) override;
};

// Operational amplifier: R1 lies between the inputs (ports 1 and 2); the open output (port 3)
// gives -A (V1 - V2), with the gain M given in dB. A gain beyond the float range and R1 = 0
// are refused.
class OpAmplifier : public ControlledSource<VierPunkt> {
 public:
  explicit OpAmplifier(const NetLine& line) : ControlledSource(line, "M", ValueClass::Number) {}
  static NetElement* Create(const NetLine& line) { return new OpAmplifier(line); }
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;
};
