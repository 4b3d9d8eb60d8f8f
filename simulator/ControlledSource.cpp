#include "simulator/ControlledSource.h"

#include <cmath>

#include "simulator/PortMatrix.h"

template <class Base>
void ControlledSource<Base>::LinkReferences(NetLine& check) {
  Base::LinkReferences(check);
  if (check.GetErrorCode() != 0 || this->GetErrorCode() != 0) return;
  if (!ExpectKeys(check, Keys())) return;
  hasF = HasKey(check, "F") ? 1 : 0;
  if (hasF != 0 && !ExpectLabel(check, "F")) return;
  hasT = HasKey(check, "T") ? 1 : 0;
  if (hasT != 0) ExpectLabel(check, "T");
}

template <class Base>
void ControlledSource<Base>::ParseLine(const SymbolTable& labels) {
  Base::ParseLine(labels);
  if (!ReadValues(this->line, labels, Keys())) return;
  if (hasF != 0 && !ReadValue(this->line, labels, ValueClass::Frequency, f)) return;
  if (hasT != 0) ReadValue(this->line, labels, ValueClass::Time, t);
}

template class ControlledSource<DreiPol>;
template class ControlledSource<VierPunkt>;

namespace {

const Cmplx kOne(1.0, 0.0);

// Y11 = 1 / R1, Y21 = h, Y22 = 1 / R2; Y12 stays 0.
void FillSource(PortMatrix& y, float r1, float r2, const Cmplx& h) {
  y.SetAt(PerResistance(kOne, r1), 1, 1);
  y.SetAt(h, 2, 1);
  y.SetAt(PerResistance(kOne, r2), 2, 2);
}

}  // namespace

// R1 = 0 makes an ideal current-controlled source: the input is a short, and its current
// still drives B times itself.
void CurConCurSource::FillMatrix(float frequency) {
  FillSource(*portMatrix, r1, r2, Factor(PerResistance(Cmplx(a, 0.0), r1), frequency));
}

void VolConCurSource::FillMatrix(float frequency) {
  FillSource(*portMatrix, r1, r2, Factor(Cmplx(a, 0.0), frequency));
}

// R2 = 0 makes an ideal voltage source at the output.
void VolConVolSource::FillMatrix(float frequency) {
  FillSource(*portMatrix, r1, r2, PerResistance(Factor(Cmplx(a, 0.0), frequency), r2));
}

void OpAmplifier::ParseLine(const SymbolTable& labels) {
  ControlledSource::ParseLine(labels);
  if (line.GetErrorCode() != 0) return;
  a = static_cast<float>(std::pow(10.0, a / 20.0));
  if (!std::isfinite(a)) {
    line.Error(MyStrng(line) + " Wert fehlerhaft ", 4);
  } else if (r1 == 0.0f) {
    // Shorted inputs: no feedback network could set their voltage.
    line.Error("Eingangswiderstand darf nicht 0 sein", 4);
  }
}

void OpAmplifier::FillMatrix(float frequency) {
  const Cmplx g = PerResistance(kOne, r1);
  const Cmplx h = PerResistance(Factor(Cmplx(a, 0.0), frequency), r2);
  portMatrix->SetAt(g, 1, 1);
  portMatrix->SetAt(-g, 1, 2);
  portMatrix->SetAt(-g, 2, 1);
  portMatrix->SetAt(g, 2, 2);
  portMatrix->SetAt(PerResistance(kOne, r2), 3, 3);
  portMatrix->SetAt(h, 3, 1);
  portMatrix->SetAt(-h, 3, 2);
}
