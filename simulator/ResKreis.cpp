#include "simulator/ResKreis.h"

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "simulator/ElementValue.h"
#include "simulator/LumpedMath.h"
#include "simulator/PortMatrix.h"

namespace {

// 1 / Q + j (f / fr - fr / f); 1 / Q by the complex reciprocal, so Q = 0 stays finite.
Cmplx Detuned(double q, double fr, float frequency) {
  const double f = frequency;
  const double x = f / GuardedDenominator(fr) - fr / GuardedDenominator(f);
  return Cmplx(q, 0.0).Inverse() + Cmplx(0.0, x);
}

}  // namespace

void ResKreis::LinkReferences(NetLine& check) {
  EinTor::LinkReferences(check);
  ExpectKeys(check, {"F0", "ZK", "Q"}, false);
}

void ResKreis::ParseLine(const SymbolTable& labels) {
  EinTor::ParseLine(labels);
  ValueReader values(line, labels);
  values.Read<FreqWert>(F0);
  values.Read<ResWert>(ZK);
  values.Read<FloatWert>(Q);
  if (!values.AllRead()) code = 4;
}

void SerResKreis::FillMatrix(float f) {
  portMatrix->SetAt((Detuned(Q, F0, f) * ZK).Inverse(), 1, 1);
}

void ParResKreis::FillMatrix(float f) { portMatrix->SetAt(Detuned(Q, F0, f) / ZK, 1, 1); }

void QuaResKreis::LinkReferences(NetLine& check) {
  EinTor::LinkReferences(check);
  ExpectKeys(check, {"FS", "FD", "ZK", "Q"}, false);
}

void QuaResKreis::ParseLine(const SymbolTable& labels) {
  EinTor::ParseLine(labels);
  ValueReader values(line, labels);
  values.Read<FreqWert>(FS);
  values.Read<FreqWert>(FD);
  values.Read<ResWert>(ZK);
  values.Read<FloatWert>(Q);
  if (!values.AllRead()) code = 4;
}

void QuaResKreis::FillMatrix(float f) {
  const Cmplx motional = (Detuned(Q, FS, f) * ZK).Inverse();
  const Cmplx capacitance = Cmplx(0.0, f) / ((ZK + ZK) * FD);
  portMatrix->SetAt(motional + capacitance, 1, 1);
}
