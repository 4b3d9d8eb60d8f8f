#pragma once
// Pieces the element models share: reading "KEY = value" pairs of an element line, the pi of
// their formulas, and the frequency-dependent factor of controlled sources and transistors.

#include <span>

#include "basics/Cmplx.h"

class NetLine;
class SymbolTable;

// The models' own pi; results depend on its last digits.
inline constexpr double kModelPi = 3.14159265358979;

// The value class a key's value is read with.
enum class ValueClass { Number, Capacitance, Inductance, Conductance, Resistance, Frequency, Time };

// The value-reading step: the line loses everything through its first '=' and the blanks
// behind it, and its next token (or the value of the label it names) is read with the class.
// A value that its class refuses is never stored: false, and the line carries an error.
bool ReadValue(NetLine& line, const SymbolTable& labels, ValueClass kind, float& out);

// One key of a line whose values stand in a fixed order, and where its value goes.
struct ValueKey {
  const char* key;
  ValueClass kind;
  float* value;
};

// ExpectLabel for each key in order; stops at the first key it reports on the check copy.
bool ExpectKeys(NetLine& check, std::span<const ValueKey> keys);
// ReadValue for each key in order, the key names not looked at; stops at the first refusal.
bool ReadValues(NetLine& line, const SymbolTable& labels, std::span<const ValueKey> keys);

// k / (1 + j f / F) with the corner frequency F when hasCorner, then times exp(-j 2 pi f T)
// with the delay T when hasDelay; f in Hz. F = 0 gives a vanishing factor, not NaN.
Cmplx ControlledFactor(Cmplx k, float f, bool hasCorner, float corner, bool hasDelay, float delay);
