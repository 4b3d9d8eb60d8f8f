#include "instruments/models/CmplxSignal.h"

#include "pf/archive.h"

CmplxSignal::CmplxSignal(const CmplxSignal& other) : CVektor(other), df(other.df) {}

CmplxSignal& CmplxSignal::operator=(const CmplxSignal& other) {
  if (this == &other) return *this;
  CVektor::operator=(other);
  df = other.df;
  cursor = other.cursor;
  return *this;
}

CmplxSignal& CmplxSignal::operator=(const CVektor& lines) {
  if (this == &lines) return *this;
  CVektor::operator=(lines);
  cursor = 0;
  df = 0.0;
  return *this;
}

int32_t CmplxSignal::NextIndex() {
  if (cursor < n) ++cursor;
  return cursor;
}

void CmplxSignal::SetAtCursor(const Cmplx& value) {
  if (cursor >= 0 && cursor < n) data[cursor] = value;
}

void CmplxSignal::KeepLinesBeforeCursor() {
  if (cursor >= 1 && cursor < n) n = cursor;
}

void CmplxSignal::SetFromRealSignal(const RealSignal& samples) {
  SetSpectrum(samples);
  TakeSpacing(samples);
}

void CmplxSignal::SetFromTransient(const RVektor& values, const RVektor& times) {
  RealSignal samples;
  // Divided by their count as they are made, which spares the transform a pass.
  samples.ResampleToPowerOfTwo(values, times, true);
  SetSpectrum(samples, true);
  TakeSpacing(samples);
}

void CmplxSignal::TakeSpacing(const RealSignal& samples) {
  const double span = samples.GetSize() * samples.dt;
  df = span > 0.0 ? 1.0 / span : 0.0;
}

RealSignal CmplxSignal::ToRealSignal() const {
  RealSignal out(2 * n);
  InverseSpectrum(out);
  const double span = 2.0 * df * n;
  out.dt = span > 0.0 ? 1.0 / span : 0.0;
  return out;
}

void CmplxSignal::Serialize(pf::Archive& ar) {
  CVektor::Serialize(ar);
  if (ar.IsStoring()) {
    ar << df;
  } else {
    ar >> df;
    cursor = 0;
  }
}
