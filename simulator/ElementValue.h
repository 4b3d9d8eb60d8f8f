#pragma once
// The value-reading step of element and data lines, whose "KEY = value" pairs stand in a fixed
// order. The check pass verifies the keys on a copy of the line (ExpectKeys); the read pass then
// takes one value per verified key behind the next '=', without looking at the key names
// again. A word is a label and gives the label's value; the value class V (a unit class of
// WertMitDim, FloatWert or IntegerWert) converts the text. A value that fails is never stored:
// the label lookup or the value class has queued its message, and the caller refuses the line.

#include <initializer_list>
#include <span>

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "simulator/NetLine.h"

class SymbolTable;

// ExpectLabel for each key in order; the failures are reported on the copy. With
// stopAtFirstError nothing more is checked once the copy carries an error, an earlier one
// (the node list) included; otherwise every key is sought. True when the copy has no error.
bool ExpectKeys(NetLine& check, std::initializer_list<const char*> keys,
                bool stopAtFirstError = true);
// An optional key is checked only when it stands somewhere in the rest of the copy.
inline bool HasKey(const NetLine& check, const char* key) { return check.Find(key) != 0; }

// SkipPastEquals; a line without a further '=' is reported (" = fehlt ").
bool SkipToValue(NetLine& line);
// The value text at the front of the line, which keeps it; false after an unknown label
// (reported on the line).
bool TakeValueText(NetLine& line, const SymbolTable& labels, MyStrng& text);

// Value() without its own second CheckSyntax: the same float product once the check passed.
inline double NumberOfCheckedValue(WertMitDim& value) {
  const float factor = static_cast<float>(value.UnitFactor());
  return value.GetNumberPart().ToFloat() * factor;
}
inline double NumberOfCheckedValue(FloatWert& value) { return value.Value(false); }
inline long NumberOfCheckedValue(IntegerWert& value) { return value.Value(); }

// out is written only when V accepts text.
template <class V, class T>
bool ConvertValue(const MyStrng& text, T& out) {
  V value(text);
  if (!value.CheckSyntax()) return false;
  out = static_cast<T>(NumberOfCheckedValue(value));
  return true;
}

// The value at the front of the line.
template <class V, class T>
bool ReadValueHere(NetLine& line, const SymbolTable& labels, T& out) {
  MyStrng text;
  return TakeValueText(line, labels, text) && ConvertValue<V>(text, out);
}

// The value behind the next '='.
template <class V, class T>
bool ReadElementValue(NetLine& line, const SymbolTable& labels, T& out) {
  return SkipToValue(line) && ReadValueHere<V>(line, labels, out);
}

// Reads on after a failure, so that every faulty value of the line is reported.
class ValueReader {
 public:
  ValueReader(NetLine& line, const SymbolTable& labels) : line(line), labels(labels) {}

  template <class V, class T>
  bool Read(T& field) {
    if (ReadElementValue<V>(line, labels, field)) return true;
    allRead = false;
    return false;
  }
  // False once any value failed.
  bool AllRead() const { return allRead; }

 private:
  NetLine& line;
  const SymbolTable& labels;
  bool allRead = true;
};

// The value class as data, for models whose keys stand in tables.
enum class ValueClass { Number, Capacitance, Inductance, Conductance, Resistance, Frequency, Time };

// ReadElementValue into a float. A text the class refuses, or a value beyond the float range,
// is reported on the line as well (" Wert fehlerhaft "), so that the line refuses the element.
bool ReadValue(NetLine& line, const SymbolTable& labels, ValueClass kind, float& out);

// One key of a line, and where its value goes.
struct ValueKey {
  const char* key;
  ValueClass kind;
  float* value;
};

// ExpectKeys for the keys' names; stops at the first key it reports.
bool ExpectKeys(NetLine& check, std::span<const ValueKey> keys);
// ReadValue for each key in order; stops at the first refusal.
bool ReadValues(NetLine& line, const SymbolTable& labels, std::span<const ValueKey> keys);
