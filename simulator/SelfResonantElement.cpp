#include "simulator/SelfResonantElement.h"

#include "basics/WertMitDim.h"
#include "simulator/LumpedMath.h"
#include "simulator/PortMatrix.h"

void SelfResonantElement::LinkReferences(NetLine& check) {
  EinTor::LinkReferences(check);
  ExpectKeys(check, {valueKey});
  if (check.GetErrorCode() != 0) return;
  if (HasKey(check, resonanceKey) || HasKey(check, "QM") || HasKey(check, "FM")) {
    ideal = 0;
    ExpectKeys(check, {resonanceKey, "QM", "FM"});
  }
}

void Kapazitaet::ParseLine(const SymbolTable& labels) {
  if (!ReadValues<CapWert>(labels, C, Fs) || ideal) return;
  const double ws = Fs * kLumpedTwoPi;
  Ls = 1.0 / GuardedDenominator(ws * (ws * C));
  Gp = 0.5 * (ws * C) / GuardedDenominator(Qm);
  Rs = 1.0 / GuardedDenominator((ws * C) * 2.0 * Qm);
}

void Kapazitaet::FillMatrix(float f) {
  if (ideal) {
    portMatrix->SetAt(JOmega(C, f), 1, 1);
    return;
  }
  const Cmplx zs = JOmega(Ls, f) + Rs;
  const Cmplx yp = JOmega(C, f) + Gp;
  portMatrix->SetAt((zs + yp.Inverse()).Inverse(), 1, 1);
}

Induktivitaet::Induktivitaet(const NetLine& line) : SelfResonantElement(line, "L", "FP") {
  Rs = 0.001;
}

void Induktivitaet::ParseLine(const SymbolTable& labels) {
  if (!ReadValues<IndWert>(labels, L, Fp) || ideal) return;
  const double wp = Fp * kLumpedTwoPi;
  Cp = 1.0 / GuardedDenominator(wp * (wp * L));
  Rs = 0.5 * (wp * L) / GuardedDenominator(Qm);
  Gp = 1.0 / GuardedDenominator((wp * L) * 2.0 * Qm);
}

void Induktivitaet::FillMatrix(float f) {
  Cmplx y = (JOmega(L, f) + Rs).Inverse();
  if (!ideal) y = y + JOmega(Cp, f) + Gp;
  portMatrix->SetAt(y, 1, 1);
}
