#pragma once
// The value-reading step of the element models: the line loses its text up to and including
// its first '=', the next value text is taken (a word is a label and gives the label's value)
// and converted by its value class. A text the class refuses is never used: the class reports
// it, the caller leaves the field as it was and refuses the element.

#include "basics/FloatWert.h"
#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "simulator/NetLine.h"

class SymbolTable;

// False when the line holds no further '=' or names a missing label (reported on the line).
bool TakeElementValueText(NetLine& line, const SymbolTable& labels, MyStrng& text);

inline double NumberOfCheckedValue(WertMitDim& value) { return value.Value(); }
inline double NumberOfCheckedValue(FloatWert& value) { return value.Value(false); }

// V is a unit class of WertMitDim or FloatWert; out is written only on success.
template <class V>
bool ReadElementValue(NetLine& line, const SymbolTable& labels, double& out) {
  MyStrng text;
  if (!TakeElementValueText(line, labels, text)) return false;
  V value(text);
  if (!value.CheckSyntax()) return false;
  out = NumberOfCheckedValue(value);
  return true;
}
