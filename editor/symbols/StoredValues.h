#pragma once
// Value texts in a circuit file. The netlist and SPICE writers copy a value's text as it
// stands, so a damaged one ("nan", "abc", "1e999pF") would reach both files as nonsense: a text
// that gives no finite number fails the whole load, naming its symbol.

#include <cmath>
#include <tuple>

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "pf/archive.h"

class NetSymbol;

// Thrown by a symbol's loading; the document shows what() as the reason of the failed load.
class StoredValueError : public pf::ArchiveError {
 public:
  StoredValueError(const NetSymbol& owner, const MyStrng& text);
};

namespace stored_values {

// The value class's own check, with its messages kept out of the error queue: the load reports
// once, in its own words.
template <class W>
class Probe : public W {
 public:
  explicit Probe(const W& value) : W(value) {}
  void Error(const MyStrng&, int) override {}
};

inline double NumberOf(WertMitDim& value) { return value.Value(); }
inline double NumberOf(FloatWert& value) { return value.Value(false); }
inline double NumberOf(IntegerWert& value) { return static_cast<double>(value.Value()); }

}  // namespace stored_values

// Whether the text passes its class's check (number, prefix, unit) and gives a finite number.
// An empty text is no number, also for an integer field.
template <class W>
bool GivesFiniteNumber(const W& value) {
  if (value.IsEmpty()) return false;
  stored_values::Probe<W> probe(value);
  return probe.CheckSyntax() && std::isfinite(stored_values::NumberOf(probe));
}

// Stores or loads the values in their order; loading throws StoredValueError at the first one
// that gives no finite number.
template <class Values>
void SerializeValueTexts(pf::Archive& ar, const NetSymbol& owner, Values values) {
  std::apply(
      [&](auto&... v) {
        (
            [&](auto& value) {
              value.Serialize(ar);
              if (ar.IsLoading() && !GivesFiniteNumber(value)) throw StoredValueError(owner, value);
            }(v),
            ...);
      },
      values);
}
