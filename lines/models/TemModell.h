#pragma once
// Base of the line models that compute their line quantities numerically (slotline, coplanar
// line, covered slotline): it keeps the substrate, the analysis frequency and the line
// quantities of the last Update and turns them into line and stub admittances.

#include "basics/Cmplx.h"
#include "basics/MyStrng.h"
#include "lines/models/SubstrateData.h"

class TemModell {
 public:
  TemModell() = default;
  virtual ~TemModell() = default;

  // Recomputes Z0, eps_eff, alpha and lambda at frequency (Hz); the base has no model.
  virtual bool Update(double) { return false; }
  // The input admittance of the stub that the end letter names; 0 for a line ('L') or any
  // other letter.
  virtual Cmplx GetAdmittance();

  void SetSubstrate(const SubstrateData& substrate);
  // -1 / (Z0 sinh(gamma l)): the transfer entry of the line's admittance matrix.
  Cmplx LineAdmittance() const;
  // 1 / (Z0 tanh(gamma l)): the line's diagonal entry, and the short-circuited stub.
  Cmplx StubAdmittance() const;

  // gamma = alpha + j 2 pi / lambda. All admittances are 0 while lambda is not positive, as
  // before the first successful Update: the phase constant would be infinite.
  bool HasWavelength() const;

  MyStrng name;  // the derived model's class name
  MyStrng text1;
  MyStrng text2;
  double Z0 = 50.0;  // ohm
  double eps_eff = 1.0;
  double alpha = 0.0;   // Np/m
  double lambda = 0.0;  // guided wavelength, m
  double frequency = 1e10;
  double eps_r = 1.0;
  double tand = 0.0;
  double h = 0.0;       // substrate height, m
  double t = 0.0;       // metal thickness, m
  double value1 = 0.0;  // two quantities of the derived model
  double value2 = 0.0;
  double length = 0.01;  // m
  char end = 'L';        // 'L' line, 'O' open stub, 'S' short-circuited stub

 private:
  double Beta() const;
};
