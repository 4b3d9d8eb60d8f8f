#include "simulator/ElementValue.h"

#include <cmath>

#include "simulator/SymbolTable.h"

namespace {

// ReadValue for the value class V.
template <class V>
bool ReadFloat(NetLine& line, const SymbolTable& labels, float& out) {
  MyStrng text;
  if (!SkipToValue(line) || !TakeValueText(line, labels, text)) return false;
  double value = 0.0;
  // The class has said what is wrong; the line only has to be refused.
  if (!ConvertValue<V>(text, value) || !std::isfinite(static_cast<float>(value))) {
    line.Error(MyStrng(line) + " Wert fehlerhaft ", 4);
    return false;
  }
  out = static_cast<float>(value);
  return true;
}

}  // namespace

bool ExpectKeys(NetLine& check, std::initializer_list<const char*> keys, bool stopAtFirstError) {
  for (const char* key : keys) {
    if (stopAtFirstError && check.GetErrorCode() != 0) break;
    ExpectLabel(check, key);
  }
  return check.GetErrorCode() == 0;
}

bool SkipToValue(NetLine& line) {
  if (SkipPastEquals(line)) return true;
  line.Error(MyStrng(line) + " = fehlt ", 4);
  return false;
}

bool TakeValueText(NetLine& line, const SymbolTable& labels, MyStrng& text) {
  line.GetNextValue(text, labels);
  return text != SymbolTable::kNotFound;
}

bool ReadValue(NetLine& line, const SymbolTable& labels, ValueClass kind, float& out) {
  switch (kind) {
    case ValueClass::Number: return ReadFloat<FloatWert>(line, labels, out);
    case ValueClass::Capacitance: return ReadFloat<CapWert>(line, labels, out);
    case ValueClass::Inductance: return ReadFloat<IndWert>(line, labels, out);
    case ValueClass::Conductance: return ReadFloat<LeiWert>(line, labels, out);
    case ValueClass::Resistance: return ReadFloat<ResWert>(line, labels, out);
    case ValueClass::Frequency: return ReadFloat<FreqWert>(line, labels, out);
    case ValueClass::Time: return ReadFloat<TimWert>(line, labels, out);
  }
  return false;
}

bool ExpectKeys(NetLine& check, std::span<const ValueKey> keys) {
  for (const ValueKey& key : keys) {
    if (!ExpectKeys(check, {key.key})) return false;
  }
  return true;
}

bool ReadValues(NetLine& line, const SymbolTable& labels, std::span<const ValueKey> keys) {
  for (const ValueKey& key : keys) {
    if (!ReadValue(line, labels, key.kind, *key.value)) return false;
  }
  return true;
}
