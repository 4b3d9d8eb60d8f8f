#include "lines/models/TemModell.h"

#include <cmath>

#include "lines/models/MathPool.h"

bool TemModell::HasWavelength() const { return lambda > 0.0 && std::isfinite(lambda); }

double TemModell::Beta() const { return 2.0 * MathPool::kPi / lambda; }

void TemModell::SetSubstrate(const SubstrateData& substrate) {
  eps_r = substrate.ER;
  h = substrate.H;
  t = substrate.T;
  tand = substrate.TAND;
}

Cmplx TemModell::LineAdmittance() const {
  Cmplx y;
  if (HasWavelength()) MathPool::LineAdmittance(y, Z0, alpha, Beta(), length, 'T');
  return y;
}

Cmplx TemModell::StubAdmittance() const {
  Cmplx y;
  if (HasWavelength()) MathPool::LineAdmittance(y, Z0, alpha, Beta(), length, 'E');
  return y;
}

Cmplx TemModell::GetAdmittance() {
  if (end == 'S') return StubAdmittance();
  if (end != 'O' || !HasWavelength()) return Cmplx();
  return MathPool::StubAdmittance(Z0, alpha, Beta(), length, 'O');
}
