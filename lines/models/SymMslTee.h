#pragma once
// A symmetric microstrip T-junction (keyword TEE): a through line (ports 1 and 2) and a branch
// (port 3) on one substrate, from the planar-waveguide equivalent circuit of the junction: a
// series reactance Xa in each through arm, a shunt reactance Xb at the junction and an ideal
// transformer of ratio n to the branch.

#include "basics/Cmplx.h"
#include "lines/models/LineElement.h"
#include "lines/models/MslElementBase.h"
#include "simulator/NetElement.h"

class SymMslTee : public LineElementFrame<VierPunkt, MslElementBase> {
 public:
  explicit SymMslTee(const NetLine& line) : LineElementFrame("SymMslTee", line) {}
  static NetElement* Create(const NetLine& line) { return new SymMslTee(line); }

  // Line "TEE n1 n2 n3 W1=.. W2=.. W3=.. SUBSTRATE": W1 the through line, W3 the branch; W2
  // is read and has no effect.
  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;

  // The shunt reactance for the through and branch impedances Z1 and Z2, d = D1 / lambda1,
  // the transformer ratio n and the series reactance Xa. Z1/Z2 above 0.5 takes the
  // logarithmic form, up to 0.5 the tangent form.
  static double ShuntReactance(double Z1, double Z2, double d, double n, double Xa);

  double GetXa() const { return Xa; }
  double GetXb() const { return Xb; }
  double GetN() const { return n; }

 private:
  void TeeJunctionParams(float f);
  void TeeJunctionY();

  MicrostripResult through;
  MicrostripResult branch;
  double Wm = 0.0;  // mm
  double Wb = 0.0;  // mm
  Cmplx Y[3][3];
  double frequencyGHz = 0.0;
  double Xa = 0.0;
  double Xb = 0.0;
  double n = 1.0;
};
