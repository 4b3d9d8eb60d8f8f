#pragma once
// Pieces of the symbol text form shared by the symbols' own records.

#include <istream>
#include <ostream>

#include "basics/MyStrng.h"

// One value and the one separator character behind it, whatever that character is.
template <class T>
bool TakeValue(std::istream& is, T& value) {
  if (is >> value) is.get();
  return static_cast<bool>(is);
}

// The first line of a symbol's own record: its class key and its version.
inline void WriteKeyLine(std::ostream& os, const MyStrng& key, int version) {
  os << key << ' ' << version << '\n';
}
