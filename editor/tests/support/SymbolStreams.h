#pragma once
// A symbol's archive and text forms as strings, for the round-trip tests of every symbol library.

#include <istream>
#include <sstream>
#include <string>

#include "basics/MyStrng.h"
#include "editor/symbols/NetSymbol.h"
#include "pf/archive.h"

inline std::string Store(NetSymbol& s) {
  std::ostringstream out;
  pf::Archive ar(out);
  s.Serialize(ar);
  return out.str();
}

// Throws pf::ArchiveError as the archive does.
inline void Load(NetSymbol& s, const std::string& bytes) {
  std::istringstream in(bytes);
  pf::Archive ar(in);
  s.Serialize(ar);
}

inline std::string Text(NetSymbol& s) {
  std::ostringstream out;
  s.WriteText(out);
  return out.str();
}

// Reads a record as a caller does: the class key and its separator, then the symbol's reader.
inline bool ReadBack(NetSymbol& s, const std::string& text) {
  std::istringstream in(text);
  MyStrng key;
  in >> key;
  in.get();
  return static_cast<bool>(s.ReadText(in));
}
