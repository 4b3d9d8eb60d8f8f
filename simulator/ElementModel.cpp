#include "simulator/ElementModel.h"

#include <cmath>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "simulator/NetLine.h"

namespace {

// The number of a unit value, or false when the class refuses its text.
template <class W>
bool UnitValue(const MyStrng& text, double& out) {
  W value(text);
  out = value.Value();
  return value.GetErrorCode() == 0;
}

bool ValueOf(ValueClass kind, const MyStrng& text, double& out) {
  switch (kind) {
    case ValueClass::Number: {
      FloatWert value(text);
      out = value.Value(true);
      return value.GetErrorCode() == 0;
    }
    case ValueClass::Capacitance: return UnitValue<CapWert>(text, out);
    case ValueClass::Inductance: return UnitValue<IndWert>(text, out);
    case ValueClass::Conductance: return UnitValue<LeiWert>(text, out);
    case ValueClass::Resistance: return UnitValue<ResWert>(text, out);
    case ValueClass::Frequency: return UnitValue<FreqWert>(text, out);
    case ValueClass::Time: return UnitValue<TimWert>(text, out);
  }
  return false;
}

}  // namespace

bool ReadValue(NetLine& line, const SymbolTable& labels, ValueClass kind, float& out) {
  line.DeleteLeft(line.Find("="));
  line.TrimLeft();
  MyStrng text;
  line.GetNextValue(text, labels);
  if (line.GetErrorCode() != 0) return false;
  double value = 0.0;
  // The class has said what is wrong; the line only has to be refused.
  if (!ValueOf(kind, text, value) || !std::isfinite(static_cast<float>(value))) {
    line.Error(MyStrng(line) + " Wert fehlerhaft ", 4);
    return false;
  }
  out = static_cast<float>(value);
  return true;
}

bool ExpectKeys(NetLine& check, std::span<const ValueKey> keys) {
  for (const ValueKey& key : keys) {
    if (!ExpectLabel(check, key.key)) return false;
  }
  return true;
}

bool ReadValues(NetLine& line, const SymbolTable& labels, std::span<const ValueKey> keys) {
  for (const ValueKey& key : keys) {
    if (!ReadValue(line, labels, key.kind, *key.value)) return false;
  }
  return true;
}

Cmplx ControlledFactor(Cmplx k, float f, bool hasCorner, float corner, bool hasDelay, float delay) {
  // The complex division by a real keeps F = 0 finite.
  if (hasCorner) k = k / (Cmplx(0.0, f) / static_cast<double>(corner) + 1.0);
  if (hasDelay) {
    k = k * CmplxExp(Cmplx(0.0, -1.0 * 2.0 * kModelPi * f * static_cast<double>(delay)));
  }
  return k;
}
