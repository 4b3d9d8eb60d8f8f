#pragma once
// The two steps that every lumped model takes on its line. The check pass verifies the keys in
// their fixed order on a copy of the line (ExpectKeys); the read pass then takes one value per
// verified key behind the next '=' (ValueReader), without looking at the key names again.

#include <initializer_list>

#include "basics/FloatWert.h"
#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "simulator/NetLine.h"

class SymbolTable;

// ExpectLabel for each key in order; the failures are reported on the copy. With
// stopAtFirstError nothing more is checked once the copy carries an error, an earlier one
// (the node list) included; otherwise every key is sought.
void ExpectKeys(NetLine& check, std::initializer_list<const char*> keys,
                bool stopAtFirstError = true);
// An optional key is checked only when it stands somewhere in the rest of the copy.
inline bool HasKey(const NetLine& check, const char* key) { return check.Find(key) != 0; }

class ValueReader {
 public:
  ValueReader(NetLine& line, const SymbolTable& labels) : line(line), labels(labels) {}

  // The next value, read as the value class V (a unit class or FloatWert). A value whose label
  // is missing or whose text fails its check is not stored: field keeps its value, the
  // failure is remembered, and the value class or the label lookup has queued its message.
  template <class V>
  bool Read(double& field) {
    MyStrng text;
    if (!NextText(text)) return Failed();
    V value(text);
    if (!value.CheckSyntax()) return Failed();
    field = Number(value);
    return true;
  }

  // False once any value failed.
  bool AllRead() const { return allRead; }

 private:
  // Past the next '=' and its blanks; the value text, a label replaced by its value.
  bool NextText(MyStrng& text);
  bool Failed() {
    allRead = false;
    return false;
  }
  static double Number(WertMitDim& value) { return value.Value(); }
  static double Number(FloatWert& value) { return value.Value(false); }

  NetLine& line;
  const SymbolTable& labels;
  bool allRead = true;
};
