#pragma once
// The ideal PN diode ("HLD IS = ... NE = ... RS = ..."), the one element the linear solver
// cannot take: the operating-point network solves it by Newton's method, with the diode
// linearised at its present voltage U in every iteration.

#include "simulator/NetElement.h"

class PNDiodeElement : public EinTor {
 public:
  // UT, the thermal voltage in volts.
  static constexpr double kThermalVoltage = 0.025;

  explicit PNDiodeElement(const NetLine& line);
  static NetElement* Create(const NetLine& line);

  // Base check, then the keys "IS", "NE" and "RS" in this order, up to the first fault.
  void LinkReferences(NetLine& check) override;
  // IS (a current), NE (a number) and RS (a resistance) by position; IS and NE must be > 0.
  void ParseLine(const SymbolTable& labels) override;
  // The diode has no small-signal matrix.
  void FillMatrix(float) override {}
  bool SkipsFillMatrix() const override { return false; }

  // dI/dU at the present U: IS/(NE UT) exp(U/(NE UT)); IS/(NE UT) at U = 0.
  double DiodeConductance() const;
  // U = u; I = IS (exp(u/(NE UT)) - 1).
  void DiodeUpdate(double u);
  // The junction voltage that the next iteration may take when the linearised network asks
  // for u: a large step upwards beyond the critical voltage is shortened to a logarithmic one,
  // so that exp cannot run away.
  double LimitJunctionVoltage(double u) const;

  double GetU() const { return U; }
  double GetI() const { return I; }
  double GetIS() const { return IS; }
  double GetNE() const { return NE; }
  // Read and kept; the operating point does not use it.
  double GetRS() const { return RS; }

 private:
  double NeUt() const { return NE * kThermalVoltage; }

  double IS = 0.0;
  double NE = 1.0;
  double RS = 0.0;
  double U = 0.0;
  double I = 0.0;
};
